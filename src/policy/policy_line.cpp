// Offering one policy line to a policy set: the keys that are not records, every
// record in catalogue order, then the alternative spellings.
#include <algorithm>

#include "policy/fc.h"
#include "policy/line_syntax.h"

namespace tabulyst {
namespace {

// Alternative spellings, tried in this order once no record claimed a line. The frame
// colours come before "Background color" and "Text color", which they contain.
struct Alias {
    std::string_view text;
    P id;
};
constexpr Alias kAliases[] = {
    {"HTML Header", P::HtmlHeaderFile},
    {"HTML Footer", P::HtmlFooterFile},
    {"Recognise 'o' as a bullet", P::RecogniseOAsABullet},
    {"Recognise '-' as a bullet", P::RecogniseAsABullet},
    {"Allow email begining with numbers", P::AllowEmailBeginningWithNumbers},
    {"Default TABLE color", P::DefaultTableColour},
    {"Default TABLE border color", P::DefaultTableBorderColour},
    {"Color data rows", P::ColourDataRows},
    {"Default TABLE odd row color", P::DefaultTableOddRowColour},
    {"Default TABLE even row color", P::DefaultTableEvenRowColour},
    {"Header frame background color", P::HeaderFrameBackgroundColour},
    {"Header frame text color", P::HeaderFrameTextColour},
    {"Contents frame background color", P::ContentsFrameBackgroundColour},
    {"Contents frame text color", P::ContentsFrameTextColour},
    {"Footer frame background color", P::FooterFrameBackgroundColour},
    {"Footer frame text color", P::FooterFrameTextColour},
    {"Background color", P::BackgroundColour},
    {"Text color", P::TextColour},
    {"Unvisited link color", P::UnvisitedLinkColour},
    {"Visited link color", P::VisitedLinkColour},
    {"Active link color", P::ActiveLinkColour},
    {"Suppress all colour markup", P::SuppressAllColourMarkup},
    {"Suppress all font markup", P::SuppressAllFontMarkup},
    {"Scope COLOR tags globally", P::ScopeColourTagsGlobally},
};

constexpr size_t kMaxPositions = 5;
constexpr size_t kMaxBulletChars = 7;

// Words of a list value, separated by blanks or commas.
std::vector<TextString> Words(std::string_view text) {
    std::vector<TextString> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == ',')) ++i;
        size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t' && text[i] != ',') ++i;
        if (i > start) words.emplace_back(text.substr(start, i - start));
    }
    return words;
}

bool ParsePositions(const TextString& value, std::vector<int>& positions) {
    std::vector<TextString> words = Words(value.View());
    if (words.empty() || words.size() > kMaxPositions) return false;
    std::vector<int> parsed;
    for (const TextString& word : words) {
        long number = 0;
        if (!word.ParseNumberInStyle('1', number)) return false;
        parsed.push_back(static_cast<int>(number));
    }
    positions = std::move(parsed);
    return true;
}

// A special key that claims a line it cannot use still claims it, so that the file
// reader reports the line as ignored.
bool Reject(PolicyLine& line) {
    line.accepted = false;
    return true;
}

bool ParseLinkDefinition(FC& fc, PolicyLine& line) {
    if (line.valueText.Empty()) return Reject(line);
    FC::Extras& x = fc.GetExtras();
    x.linkDefinitions.push_back(line.valueText);
    x.linkDefinitionStated = true;
    return true;
}

bool ParseTextCommand(FC& fc, PolicyLine& line) {
    TextString command(line.valueText);
    if (command.Length() >= 2 && command[0] == '"' && command[command.Length() - 1] == '"')
        command.Mid(1, command.Length() - 2);
    if (command.Empty()) return Reject(line);
    FC::Extras& x = fc.GetExtras();
    x.textCommands.push_back(command);
    x.textCommandStated = true;
    return true;
}

// The rule set is named anywhere in the line; a change of rule set is worth a warning.
bool ParseRuleSetLine(FC& fc, PolicyLine& line) {
    int code = -1;
    if (line.line.Contains("Merrill", false))
        code = kMerrill;
    else if (line.line.Contains("SEC", false))
        code = kSec;
    else if (line.line.Contains("none", false))
        code = kNoRuleSet;
    if (code < 0) {
        fc.SetRuleSet(fc.RuleSet(), false);
        return Reject(line);
    }
    if (fc.RuleSet() != kNoRuleSet && fc.RuleSet() != code) {
        TextString text("WARNING: Changing rule set - ");
        text.Append(line.line.View());
        fc.Issue(text, 10);
    }
    fc.SetRuleSet(code, true);
    if (ProgramSettings* settings = fc.WritableSettings()) settings->ruleSet = code;
    return true;
}

bool ParsePositionList(PolicyLine& line, std::vector<int>& positions, bool& stated) {
    if (line.none)
        positions.clear();
    else if (!ParsePositions(line.valueText, positions))
        return Reject(line);
    stated = true;
    return true;
}

bool ParseIndentPositions(FC& fc, PolicyLine& line) {
    FC::Extras& x = fc.GetExtras();
    return ParsePositionList(line, x.indentPositions, x.indentStated);
}

bool ParseHangingPositions(FC& fc, PolicyLine& line) {
    FC::Extras& x = fc.GetExtras();
    return ParsePositionList(line, x.hangingPositions, x.hangingStated);
}

bool ParseWordList(PolicyLine& line, std::vector<TextString>& list, bool& stated) {
    list.clear();
    if (!line.none) list = Words(line.valueText.View());
    stated = true;
    return true;
}

bool ParseDocumentSections(FC& fc, PolicyLine& line) {
    FC::Extras& x = fc.GetExtras();
    return ParseWordList(line, x.documentSections, x.sectionStated);
}

bool ParseNewsGroups(FC& fc, PolicyLine& line) {
    FC::Extras& x = fc.GetExtras();
    return ParseWordList(line, x.newsGroups, x.newsStated);
}

// "':'" and "'-'", each made strong by the word "strong" before the next marker.
bool ParseDefinitionChars(FC& fc, PolicyLine& line) {
    FC::Extras& x = fc.GetExtras();
    if (line.none) {
        x.definitionChars = 0;
        x.definitionStated = true;
        return true;
    }
    const std::string_view text = line.valueText.View();
    const size_t colon = text.find("':'");
    const size_t hyphen = text.find("'-'");
    if (colon == std::string_view::npos && hyphen == std::string_view::npos) return Reject(line);
    auto strongAfter = [&](size_t at, size_t other) {
        const size_t end = other != std::string_view::npos && other > at ? other : text.size();
        return FindNoCase(text.substr(at, end - at), "strong") != std::string_view::npos;
    };
    if (colon != std::string_view::npos)
        x.definitionChars |= strongAfter(colon, hyphen) ? (1 | 4) : 1;
    if (hyphen != std::string_view::npos)
        x.definitionChars |= strongAfter(hyphen, colon) ? (2 | 8) : 2;
    x.definitionStated = true;
    return true;
}

bool ParseHeadingDefinition(FC& fc, PolicyLine& line) {
    FC::Extras& x = fc.GetExtras();
    x.headingDefinitions.push_back(line.line);
    x.headingStated = true;
    return true;
}

// Characters in single quotes; "o" and "-" switch on their own policies, others join a
// list of at most seven.
bool ParseBulletChars(FC& fc, PolicyLine& line) {
    FC::Extras& x = fc.GetExtras();
    if (line.none) {
        x.bulletChars.clear();
        x.bulletStated = true;
        return true;
    }
    std::vector<char> found;
    const std::string_view text = line.valueText.View();
    for (size_t i = 0; i + 2 < text.size(); ++i)
        if (text[i] == '\'' && text[i + 2] == '\'') {
            found.push_back(text[i + 1]);
            i += 2;
        }
    if (found.empty() && text.size() == 1) found.push_back(text[0]);
    if (found.empty()) return Reject(line);
    for (char bullet : found) {
        if (bullet == 'o') {
            fc.SetValue(P::RecogniseOAsABullet, 1);
        } else if (bullet == '-') {
            fc.SetValue(P::RecogniseAsABullet, 1);
        } else if (std::find(x.bulletChars.begin(), x.bulletChars.end(), bullet) ==
                   x.bulletChars.end()) {
            if (x.bulletChars.size() >= kMaxBulletChars) {
                line.accepted = false;
                continue;
            }
            x.bulletChars.push_back(bullet);
        }
    }
    x.bulletStated = true;
    return true;
}

// The keys that are not policy records: found anywhere in a line's key part, each read
// by its own parser.
struct SpecialKey {
    std::string_view keys[3];
    bool (*parse)(FC&, PolicyLine&);
};

// Offered before any record.
constexpr SpecialKey kLeadingSpecials[] = {
    {{"Link definition"}, ParseLinkDefinition},
    {{"Text command"}, ParseTextCommand},
    {{"Rule set to be used"}, ParseRuleSetLine},
    {{"Indent position(s)"}, ParseIndentPositions},
    {{"Hanging paragraph position(s)"}, ParseHangingPositions},
    {{"Include document section"}, ParseDocumentSections},
};

// Offered right after "Search for definitions", in this order.
constexpr P kSpecialsAfter = P::SearchForDefinitions;
constexpr SpecialKey kLaterSpecials[] = {
    {{"Definition Char"}, ParseDefinitionChars},
    {{"Recognised USENET groups"}, ParseNewsGroups},
    {{"recognised headings", "Heading level", "Contents level"}, ParseHeadingDefinition},
    {{"bullet char"}, ParseBulletChars},
};

// A special key counts only in the key part of a line, so that a value which merely
// mentions one ("Document Title : Text command reference") keeps its own policy.
bool KeyFound(const SpecialKey& special, const TextString& line) {
    const std::string_view key = KeyPart(line.View());
    for (std::string_view text : special.keys)
        if (!text.empty() && FindNoCase(key, text) != std::string_view::npos) return true;
    return false;
}

}  // namespace

int FC::ParsePolicyLine(std::string_view text, int& group, bool report, bool checkColon) {
    group = 0;
    PolicyLine line;
    line.owner = this;
    line.report = report;
    line.line.Assign(text);
    line.line.CollapseBlanks();
    line.line.Trim();
    if (line.line.Empty() || line.line[0] == '!' || line.line[0] == '#') return kParsed;

    line.valueText = ValuePart(line.line.View());
    line.none = line.valueText.Equals("(none)", false) || line.valueText.Equals("none", false);
    line.yes = line.valueText.Equals("Yes", false) || line.valueText.Equals("true", false);
    line.no = line.valueText.Equals("no", false) || line.valueText.Equals("false", false);
    if (checkColon && NeedsColon(line.line.View()))
        Issue(MissingColonMessage(line.line.View()), 10);

    auto offerSpecials = [&](std::span<const SpecialKey> specials) {
        for (const SpecialKey& special : specials)
            if (KeyFound(special, line.line)) {
                line.handled = special.parse(*this, line);
                if (line.handled) return;
            }
    };
    auto offerRecord = [&](P id) {
        int min = -1, max = -1;
        IntegerRange(id, min, max);
        Record(id).Parse(line, min, max);
    };

    offerSpecials(kLeadingSpecials);
    for (const PolicyDef& def : Catalogue()) {
        if (line.handled) break;
        if (def.readable()) offerRecord(def.id);
        if (def.id == kSpecialsAfter && !line.handled) offerSpecials(kLaterSpecials);
    }
    for (const Alias& alias : kAliases) {
        if (line.handled) break;
        line.aliasKey.Assign(alias.text);
        offerRecord(alias.id);
    }

    if (!line.handled) return IsSectionHeader(line.line.View()) ? kParsed : kUnclaimed;
    group = line.group;
    return line.accepted ? kParsed : kRejected;
}

void FC::ApplyCommandLineRuleSet(std::string_view name) {
    TextString line("Rule set to be used : ");
    line.Append(name);
    int group = 0;
    if (ParsePolicyLine(line.View(), group, false) != kParsed) {
        TextString text("CTX.Command ERROR: Unrecognised RuleSet \"");
        text.Append(name);
        text.AppendChar('"');
        Issue(text, 10);
        return;
    }
    Consolidate(false);
}

}  // namespace tabulyst

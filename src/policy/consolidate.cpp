// Consolidation: the values that follow from other policies, the rule sets and the
// target format, derived after every change of a policy set.
#include "policy/fc.h"

namespace tabulyst {
namespace {

// One value of a rule set; `text` is used for Text records, `value` for the others.
struct RuleValue {
    P id;
    int value;
    const char* text = nullptr;
};

// Shared by both rule sets, applied in this order.
constexpr RuleValue kCommonRules[] = {
    {P::PageWidth, 80},
    {P::TextJustification, kAlignJustify},
    {P::FirstLineIndentationInBlocks, 0},
    {P::KeepItSimple, 0},
    {P::ExpectNumberedHeadings, 0},
    {P::ExpectUnderlinedHeadings, 0},
    {P::ExpectCapitalisedHeadings, 0},
    {P::ExpectEmbeddedHeadings, 0},
    {P::ExpectNumberedBullets, 0},
    {P::ExpectAlphabeticBullets, 0},
    {P::ExpectRomanNumeralBullets, 0},
    {P::ExpectCodeSamples, 0},
    {P::LookForWhiteSpace, 0},
    {P::LookForMailAndUsenetHeaders, 0},
    {P::LookForPreformattedText, 0},
    {P::LookForDiagrams, 0},
    {P::LookForCharacterEncodings, 0},
    {P::LookForIndentation, 0},
    {P::LookForShortLines, 0},
    {P::LookForBullets, 0},
    {P::LookForQuotedText, 0},
    {P::LookForHorizontalRulers, 0},
    {P::LookForHangingParagraphs, 0},
    {P::SearchForDefinitions, 0},
    {P::AttemptTableGeneration, 0},
    {P::IgnoreMultipleBlankLines, 1},
    {P::SearchForEmphasis, 0},
    {P::AddTableWidthMarkup, 1},
    {P::UsePercentageWidthsInTables, 1},
    {P::MinimiseHtmlFileSize, 1},
    {P::BreakUpLongHtmlLines, 0},
    {P::ExpectContentsList, 0},
    {P::MonitorTagGeneration, 0},
    {P::RemoveRedundantTags, 1},
    {P::StartTagDelimiter, 0, "[_["},
    {P::EndTagDelimiter, 0, "]_]"},
    {P::CreateNewsLinks, 0},
    {P::CreateGopherLinks, 0},
    {P::CreateTelnetLinks, 0},
    {P::CreateFtpLinks, 0},
    {P::CrossRefsAtLevel, 0},
    {P::AddContentsList, 1},
    {P::ContentsStyleCode, 1},
    {P::UseEmAndStrongMarkup, 0},
    {P::PInsideListUsageCode, 1},
    {P::SuppressUrlMessages, 1},
    {P::SuppressInfoMessages, 0},
    {P::SuppressWarningMessages, 0},
    {P::SuppressTagErrorMessages, 0},
    {P::SuppressProgramErrorMessages, 0},
    {P::BaseFontSizeInPts, 10},
    {P::DeltaFontSizeInPts, 0},
    {P::FontStretchFactorInPercent, 0},
    {P::AddFontMarkup, 1},
    {P::AddFontSizeMarkup, 1},
    {P::ApplyFontToEmptyTableCells, 1},
    {P::LabelStyleClasses, 1},
    {P::AddFontStyleMarkup, 1},
    {P::DefaultTableCellSpacing, 0},
    {P::DefaultTableCellPadding, 0},
};

constexpr RuleValue kMerrillRules[] = {
    {P::HtmlVersionToBeTargeted, 2},     {P::ListMarkupCode, 1},
    {P::IndentationMarkupCode, 2},       {P::UseIncrementalIndentationMarkup, 1},
    {P::UseOfMicrosoftEntitiesCode, -1}, {P::UseOfHtml40EntitiesCode, 1},
    {P::CreateEmbeddedStyleSheet, 1},
};

constexpr RuleValue kSecRules[] = {
    {P::AvoidTagBreaks, 1},
    {P::CreateMailtoLinks, 0},
    {P::CreateHyperlinks, 0},
    {P::HtmlVersionToBeTargeted, 1},
    {P::ListMarkupCode, 1},
    {P::IndentationMarkupCode, -1},
    {P::UseOfMicrosoftEntitiesCode, -1},
    {P::UseOfHtml40EntitiesCode, 0},
    {P::UseIncrementalIndentationMarkup, 0},
    {P::CreateEmbeddedStyleSheet, 0},
};

// Encodings whose text has no line-drawing diagrams to look for.
constexpr std::string_view kNoDiagramEncodings[] = {
    "x-sjis",       "big5",         "csbig5",       "gb2312",       "csgb2312", "x-euc-tw",
    "shift_jis",    "csShiftJIS",   "ms_Kanji",     "x-euc-jp",     "euc-kr",   "iso-2022-kr",
    "iso-2022-jp",  "tis-620",      "iso-8859-7",   "iso-8859-8",   "koi8-r",   "UTF-8",
    "windows-1251", "windows-1253", "windows-1254", "windows-1256",
};
// Right-to-left encodings keep their line structure.
constexpr std::string_view kRightToLeftEncodings[] = {"iso-8859-8", "windows-1256"};

template <size_t N>
bool OneOf(std::string_view text, const std::string_view (&list)[N]) {
    for (std::string_view entry : list)
        if (EqualsNoCase(entry, text)) return true;
    return false;
}

constexpr int kHtml32 = 1;

}  // namespace

void FC::Default(P id, int value) {
    if (!IsSet(id)) SetValue(id, value, false);
}

void FC::DefaultFont(P id, std::string_view text) {
    Policy& record = Record(id);
    if (record.IsSet()) return;
    // Re-initialised, so the font counts as not stated.
    static_cast<TextPolicy&>(record).SetValue(text);
    record.SetFlags(false, false);
}

void FC::ApplyRuleSet(bool force) {
    if (ruleSet_ == kNoRuleSet) return;
    if (ruleSet_ != kMerrill && ruleSet_ != kSec) {
        Issue("UNSUPPORTED CASE: Unexpected Rule Set", 10);
        return;
    }
    // Stated indentation positions stay, like every other stated value.
    if (!extras_.indentStated) extras_.indentPositions.assign(1, 0);
    auto apply = [&](const RuleValue& rule) {
        Policy& record = Record(rule.id);
        switch (record.GetKind()) {
            case Kind::Text:
            case Kind::Colour:
            case Kind::Font:
                static_cast<TextPolicy&>(record).ApplyRuleSetValue(*this, rule.text, force);
                break;
            case Kind::Choice:
                static_cast<ChoicePolicy&>(record).ApplyRuleSetValue(*this, rule.value, force);
                break;
            default:
                static_cast<ValuePolicy&>(record).ApplyRuleSetValue(*this, rule.value, force);
                break;
        }
    };
    for (const RuleValue& rule : kCommonRules) apply(rule);
    if (ruleSet_ == kMerrill)
        for (const RuleValue& rule : kMerrillRules) apply(rule);
    else
        for (const RuleValue& rule : kSecRules) apply(rule);
}

void FC::ApplyTargetFonts() {
    const OutputFormatTraits& target = Traits(TargetFormat());
    const FormatFonts& fonts = target.fonts;
    if (target.wordProcessor) {
        SetValue(P::SearchForDefinitions, 0, false);
        extras_.definitionChars = 0;
        SetValue(P::AddContentsList, 0, false);
        Default(P::TextJustification, kAlignJustify);
    }
    DefaultFont(P::DefaultFont, fonts.defaultFont);
    DefaultFont(P::HeadingFont, fonts.headingFont);
    DefaultFont(P::TableOfContentsFont, fonts.contentsFont);
    DefaultFont(P::TableFont, fonts.tableFont);
    DefaultFont(P::FixedFont, fonts.fixedFont);
    // The RTF target reads and writes the fixed font under its own key.
    Record(P::FixedFont).SetKey(fonts.fixedFontKey);
    Default(P::BaseFontSizeInPts, fonts.baseSize);
}

void FC::DeriveOutputExtension() {
    // Documents other than HTML have one extension; HTML follows the naming policies.
    if (TargetFormat() != OutputFormat::Html) {
        outputExtension_.Assign(Traits(TargetFormat()).extension);
    } else if (Flag(P::UseDosFilenames)) {
        outputExtension_.Assign(".HTM");
        SetValue(P::UseHtmExtension, 1, false);
    } else if (Flag(P::UseHtmExtension)) {
        outputExtension_.Assign(".htm");
    } else if (!Text(P::OutputFileExtension).Empty()) {
        outputExtension_ = Text(P::OutputFileExtension);
    } else {
        outputExtension_.Assign(".html");
    }
}

void FC::Consolidate(bool force) {
    if (ruleSet_ == kNoRuleSet && settings_ && settings_->ruleSet != kNoRuleSet)
        ruleSet_ = settings_->ruleSet;
    ApplyRuleSet(force);
    if (settings_) ApplyTargetFonts();
    HoldLowerLimits();
    FollowSplitLevel();
    DefaultTitle();
    if (Flag(P::KeepItSimple)) KeepItSimple();
    FollowCharacterEncoding();
    DeriveOutputExtension();
    LimitHeadingTags();
    DeriveIndentationPattern();
    // HTML 3.2 has no incremental indentation and no HTML 4.0 entities.
    if (Value(P::HtmlVersionToBeTargeted) == kHtml32) {
        SetValue(P::UseIncrementalIndentationMarkup, 0, false);
        SetValue(P::UseOfHtml40EntitiesCode, 0, false);
    }
}

// SetValue without marking keeps a stated policy stated.
void FC::HoldLowerLimits() {
    if (Value(P::AutomaticCentringTolerance) < 2) SetValue(P::AutomaticCentringTolerance, 2, false);
    if (Value(P::TabSize) < 2) SetValue(P::TabSize, 4, false);
}

// Split documents get navigation bars and anchors down to the split level.
void FC::FollowSplitLevel() {
    const int splitLevel = Value(P::SplitLevel);
    if (!IsSet(P::AddNavigationBar)) SetValue(P::AddNavigationBar, splitLevel > 0 ? 1 : 0, false);
    if (!IsSet(P::ContentsAnchorsLevel) && splitLevel > Value(P::ContentsAnchorsLevel))
        SetValue(P::ContentsAnchorsLevel, splitLevel, false);
}

// The title names the file through the tag delimiters in force; it is filled per file.
void FC::DefaultTitle() {
    if (IsSet(P::DocumentTitle)) return;
    TextString title("Converted from \"");
    title.Append(Text(P::StartTagDelimiter).View());
    title.Append("FILENAME");
    title.Append(Text(P::EndTagDelimiter).View());
    title.AppendChar('"');
    SetText(P::DocumentTitle, title.View(), false);
}

void FC::KeepItSimple() {
    Default(P::ExpectUnderlinedHeadings, 1);
    Default(P::ExpectNumberedBullets, 0);
    Default(P::ExpectAlphabeticBullets, 0);
    Default(P::ExpectRomanNumeralBullets, 0);
    SetValue(P::ExpectNumberedHeadings, 0, false);
    SetValue(P::UseDlMarkupForDefnParas, 0, false);
    SetValue(P::ExpectContentsList, 0, false);
    Default(P::ExpectCapitalisedHeadings, 0);
    Default(P::ExpectEmbeddedHeadings, 0);
    if (IsSet(P::KeepItSimple)) {
        SetValue(P::AttemptTableGeneration, 0, false);
        Record(P::AttemptTableGeneration).MarkSet(false);
    }
}

// Character encodings other than the 8-bit western ones have no DOS or PCL bytes, and
// some have no line drawings or read right to left.
void FC::FollowCharacterEncoding() {
    const TextString& encoding = Text(P::CharacterEncoding);
    if (encoding.Empty() || encoding.Equals("ascii", false) || encoding.Equals("iso-8859-1", false))
        return;
    SetValue(P::InputFileContainsDosCharacters, 0, false);
    SetValue(P::InputFileContainsPclCodes, 0, false);
    if (writableSettings_) writableSettings_->dosCharacters = false;
    if (OneOf(encoding.View(), kNoDiagramEncodings)) SetValue(P::LookForDiagrams, 0, false);
    if (OneOf(encoding.View(), kRightToLeftEncodings)) {
        Default(P::PreserveLineStructure, 1);
        Default(P::LookForIndentation, 0);
    }
}

// Heading tags stay within H1..H6, the smallest no larger than the largest.
void FC::LimitHeadingTags() {
    for (P id : {P::SmallestAllowedHnTag, P::LargestAllowedHnTag}) {
        const int level = Value(id);
        if (level < 1) SetValue(id, 1, false);
        if (level > 6) SetValue(id, 6, false);
    }
    if (Value(P::SmallestAllowedHnTag) < Value(P::LargestAllowedHnTag)) {
        SetValue(P::SmallestAllowedHnTag, 3, false);
        SetValue(P::LargestAllowedHnTag, 3, false);
    }
}

// HTML 3.2 knows only block quotes for indentation.
void FC::DeriveIndentationPattern() {
    indentationPattern_ = Value(P::IndentationMarkupCode);
    if (Value(P::HtmlVersionToBeTargeted) != kHtml32 || indentationPattern_ <= 1) return;
    TextString text("WARNING: Indentation pattern ");
    text.AppendNumber('1', indentationPattern_);
    text.Append(" not supported in HTML 3.2.  Switching to BLOCKQUOTEs");
    Issue(text, 10);
    indentationPattern_ = 0;
}

}  // namespace tabulyst

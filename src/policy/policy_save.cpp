// Writing a policy set as a policy file. Keys within a section follow catalogue order;
// the lines the writer composes itself follow the records of their section.
#include "policy/fc.h"

namespace tabulyst {
namespace {

// Fixed lines put their colon one column earlier than the records do.
constexpr int kFixedKeyWidth = 33;

void PutFixed(LineSink& sink, std::string_view key, std::string_view value) {
    TextString line(key);
    while (line.Length() < kFixedKeyWidth) line.AppendChar(' ');
    line.Append(": ");
    line.Append(value);
    sink.PutLine(line.View());
}

template <typename List, typename Format>
TextString Joined(const List& list, Format format) {
    TextString text;
    for (const auto& item : list) {
        if (!text.Empty()) text.AppendChar(' ');
        format(text, item);
    }
    return text.Empty() ? TextString("(none)") : text;
}

TextString Numbers(const std::vector<int>& list) {
    return Joined(list, [](TextString& text, int n) { text.AppendNumber('1', n); });
}

TextString Texts(const std::vector<TextString>& list) {
    return Joined(list, [](TextString& text, const TextString& word) { text.Append(word.View()); });
}

TextString BulletList(const std::vector<char>& list) {
    return Joined(list, [](TextString& text, char bullet) {
        text.AppendChar('\'');
        text.AppendChar(bullet);
        text.AppendChar('\'');
    });
}

// True when the section has a line of the writer's own to emit.
bool HasFixedLines(const FC& fc, Section section, bool writeAll) {
    const FC::Extras& x = fc.GetExtras();
    switch (section) {
        case Section::RuleSet:
            return writeAll || fc.RuleSetStated();
        case Section::GeneralAnalysis:
            return writeAll || x.definitionStated || x.hangingStated ||
                   (x.indentStated && !x.indentPositions.empty());
        case Section::Bullets:
            return writeAll || x.bulletStated;
        case Section::Hyperlinks:
            return writeAll || x.newsStated;
        case Section::Preprocessor:
            return writeAll || x.sectionStated;
        case Section::LinkDictionary:
            return !x.linkDefinitions.empty();
        case Section::TextSubstitution:
            return !x.textCommands.empty();
        default:
            return false;
    }
}

void WriteFixedLines(const FC& fc, Section section, LineSink& sink, bool writeAll) {
    const FC::Extras& x = fc.GetExtras();
    switch (section) {
        case Section::RuleSet: {
            static constexpr const char* kNames[] = {"(none)", "Merrill", "SEC"};
            const int code = fc.RuleSet();
            if (code < kNoRuleSet || code > kSec) {
                fc.Issue("UNSUPPORTED CASE: Unexpected Rule Set", 10);
                return;
            }
            PutFixed(sink, "Rule set to be used", kNames[code]);
            return;
        }
        case Section::GeneralAnalysis:
            if (writeAll || x.definitionStated) {
                if ((x.definitionChars & 3) == 0) PutFixed(sink, "Definition Char", "(none)");
                if (x.definitionChars & 2)
                    PutFixed(sink, "Definition Char",
                             x.definitionChars & 8 ? "'-' (strong) " : "'-' (weak)");
                if (x.definitionChars & 1)
                    PutFixed(sink, "Definition Char",
                             x.definitionChars & 4 ? "':' (strong) " : "':' (weak) ");
            }
            if ((writeAll || x.indentStated) && !x.indentPositions.empty())
                PutFixed(sink, "Indent position(s)", Numbers(x.indentPositions).View());
            if (writeAll || x.hangingStated)
                PutFixed(sink, "Hanging paragraph position(s)", Numbers(x.hangingPositions).View());
            return;
        case Section::Bullets:
            if (writeAll || x.bulletStated)
                PutFixed(sink, "Bullet Char", BulletList(x.bulletChars).View());
            return;
        case Section::Hyperlinks:
            if (writeAll || x.newsStated)
                PutFixed(sink, "Recognised USENET groups", Texts(x.newsGroups).View());
            return;
        case Section::Preprocessor:
            if (writeAll || x.sectionStated)
                PutFixed(sink, "Include document section(s)", Texts(x.documentSections).View());
            return;
        case Section::LinkDictionary:
            for (const TextString& definition : x.linkDefinitions) {
                TextString line("Link definition: ");
                line.Append(definition.View());
                sink.PutLine(line.View());
            }
            return;
        case Section::TextSubstitution:
            for (const TextString& command : x.textCommands) {
                TextString line("Text command: \"");
                line.Append(command.View());
                line.AppendChar('"');
                sink.PutLine(line.View());
            }
            return;
        default:
            return;
    }
}

}  // namespace

void FC::SavePolicyFile(LineSink& sink, bool writeAll) const {
    for (int s = 0; s < static_cast<int>(Section::None); ++s) {
        const Section section = static_cast<Section>(s);
        bool wanted = HasFixedLines(*this, section, writeAll);
        if (section != Section::RuleSet && !wanted) {
            for (const PolicyDef& def : Catalogue())
                if (def.section == section && def.written() && (writeAll || IsSet(def.id))) {
                    wanted = true;
                    break;
                }
        }
        if (!wanted) continue;
        sink.PutLine("");
        sink.PutLine(SectionHeader(section));
        sink.PutLine("");
        for (const PolicyDef& def : Catalogue())
            if (def.section == section && def.written()) Record(def.id).Write(sink, writeAll);
        WriteFixedLines(*this, section, sink, writeAll);
    }
}

}  // namespace tabulyst

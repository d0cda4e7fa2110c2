// The policy catalogue: every policy key with its kind, default, group and section,
// declared once and iterated by the line parser, the file writer and the front end.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "policy/policy_ids.h"

namespace tabulyst {

// The seven value kinds; the first three share one record layout, the next three another.
enum class Kind : uint8_t { Boolean, Integer, Alignment, Text, Colour, Font, Choice };

// Sections of a policy file, in the order the writer emits them; None is never written.
enum class Section : uint8_t {
    RuleSet,
    Messages,
    Merrill,
    Tagging,
    GeneralAnalysis,
    Bullets,
    Headings,
    PreformattedText,
    AddedHTML,
    AddedRTF,
    CompositionUnits,
    Frames,
    Hyperlinks,
    FileGeneration,
    Contents,
    DirectoryPage,
    Preprocessor,
    Style,
    PageFormatting,
    TableGeneration,
    LinkDictionary,
    TextSubstitution,
    None
};

// Flags of a catalogue row.
enum PolicyFlags : uint8_t {
    kOptional = 1,  // an Integer written as "(none)" below 1
    kWritten = 2,   // emitted by the policy file writer
    kReadable = 4,  // claimed by the policy line parser
};

// One row of the catalogue.
struct PolicyDef {
    P id;
    const char* key;
    Kind kind;
    int32_t defaultValue;     // Boolean, Integer, Alignment, Choice (1-based)
    const char* defaultText;  // Text, Colour, Font
    int group;
    Section section;
    uint8_t flags;
    int tableIndex;       // position in a table configuration, or -1 when FC holds it
    const char* alias;    // alternative key accepted on reading anywhere in the line, or null
    const char* choices;  // comma-separated choice list (Choice kind)

    bool optional() const { return flags & kOptional; }
    bool written() const { return flags & kWritten; }
    bool readable() const { return flags & kReadable; }
    bool isValueKind() const {
        return kind == Kind::Boolean || kind == Kind::Integer || kind == Kind::Alignment;
    }
    bool isTextKind() const {
        return kind == Kind::Text || kind == Kind::Colour || kind == Kind::Font;
    }
};

// Every row, in catalogue order (the order in which the parser offers a line).
std::span<const PolicyDef> Catalogue();
const PolicyDef& Def(P id);
// The row whose key equals the text (any case), or null.
const PolicyDef* FindDef(std::string_view key);
// The values a policy line may give an Integer policy; false (and min, max untouched)
// when any number is allowed.
bool IntegerRange(P id, int& min, int& max);

// Number of policies held by a table configuration.
constexpr int kTablePolicyCount = 28;

// The header line of a section, e.g. "[Table generation]"; empty for Section::None.
std::string_view SectionHeader(Section section);
// Section headers recognised on reading (also those never written).
std::span<const std::string_view> ReadableSectionHeaders();

// The "Language (for proofing)" entries with their Windows language identifiers.
struct Language {
    const char* name;
    int lcid;  // 0 for the "None" entry, which the RTF table does not know
};
std::span<const Language> Languages();
// Windows language identifier of a choice text; 1033 when the text is not in the table.
int LanguageId(std::string_view name);

}  // namespace tabulyst

// TABLE_LAYOUT values: a column count followed by the last character position of each
// column, as "3,10,25,40" or "TABLE_LAYOUT 3 10 25 40".
#include "policy/fc.h"

namespace tabulyst {
namespace {

constexpr std::string_view kKeyword = "TABLE_LAYOUT";

std::vector<TextString> Arguments(std::string_view layout) {
    TextString text(layout);
    text.Trim();
    if (!text.View().starts_with(kKeyword)) {
        text.Insert(0, " ");
        text.Insert(0, kKeyword);
    }
    std::vector<TextString> words;
    std::string_view rest = text.View().substr(kKeyword.size());
    size_t i = 0;
    while (i < rest.size()) {
        while (i < rest.size() && (rest[i] == ' ' || rest[i] == '\t' || rest[i] == ',')) ++i;
        const size_t start = i;
        while (i < rest.size() && rest[i] != ' ' && rest[i] != '\t' && rest[i] != ',') ++i;
        if (i > start) words.emplace_back(rest.substr(start, i - start));
    }
    return words;
}

// Positions count from 1; anything else would put a column before the line starts.
bool Position(const TextString& word, long& value) {
    return word.ParseNumberInStyle('1', value) && value >= 1;
}

}  // namespace

bool FC::ParseTableLayout(std::string_view layout, TabConfig& config) const {
    const std::vector<TextString> arguments = Arguments(layout);
    long count = 0;
    if (arguments.empty() || !Position(arguments[0], count)) {
        Issue("TAG ERROR: Failed to parse TABLE_LAYOUT", 10);
        return false;
    }
    // Checked before anything is built, so that a huge count costs nothing.
    if (static_cast<long>(arguments.size()) - 1 < count) {
        Issue("TAG ERROR: Failed to parse table layout", 10);
        return false;
    }
    std::vector<ColumnSpec> specs;
    specs.reserve(static_cast<size_t>(count));
    for (long column = 1; column <= count; ++column) {
        long position = 0;
        if (!Position(arguments[static_cast<size_t>(column)], position)) {
            Issue("TAG ERROR: Failed to parse table layout", 10);
            return false;
        }
        ColumnSpec spec;
        spec.parsed = true;
        spec.first = spec.last = static_cast<int>(position - 1);
        spec.align = kAlignLeft;
        specs.push_back(std::move(spec));
    }
    config.columnSpecs = std::move(specs);
    return true;
}

bool FC::SetTableLayout(std::string_view layout) {
    TabConfig& config = BaseConfig();
    if (!ParseTableLayout(layout, config)) return false;
    config.SetText(P::DefaultTableLayout, layout, true);
    return true;
}

}  // namespace tabulyst

#include "policy/colours.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace tabulyst {
namespace {

// The names the colour check accepts; "Magenta" has no value of its own.
constexpr std::string_view kNames[] = {
    "Black", "Silver", "Gray",  "White",  "Maroon", "Red",  "Purple", "Fuchsia", "Magenta",
    "Green", "Lime",   "Olive", "Yellow", "Navy",   "Blue", "Teal",   "Aqua",
};

struct NamedValue {
    std::string_view name;
    std::string_view value;
};

// Standard values that turn back into their names after the check.
constexpr NamedValue kStandard[] = {
    {"Black", "#000000"},  {"Silver", "#c0c0c0"}, {"Gray", "#808080"},   {"White", "#ffffff"},
    {"Maroon", "#800000"}, {"Red", "#ff0000"},    {"Purple", "#800080"}, {"Fuchsia", "#ff00ff"},
    {"Green", "#008000"},  {"Lime", "#00ff00"},   {"Olive", "#808000"},  {"Yellow", "#ffff00"},
    {"Navy", "#000080"},   {"Blue", "#0000ff"},   {"Teal", "#008080"},   {"Aqua", "#00ffff"},
};

// The picker's names, tested in this order: "Cyan" comes before "Aqua" on purpose, as
// the picker has always offered it.
constexpr NamedValue kPickerNames[] = {
    {"White", "ffffff"}, {"Black", "000000"},  {"Red", "ff0000"},    {"Green", "008000"},
    {"Blue", "0000ff"},  {"Cyan", "00ffff"},   {"Yellow", "ffff00"}, {"Fuchsia", "ff00ff"},
    {"Aqua", "00ffff"},  {"Silver", "c0c0c0"}, {"Lime", "00ff00"},   {"Gray", "808080"},
    {"Olive", "808000"}, {"Maroon", "800000"}, {"Navy", "000080"},   {"Purple", "800080"},
    {"Teal", "008080"},
};

// The names the picker starts from, matched exactly.
constexpr NamedValue kPickerStart[] = {
    {"White", "ffffff"},   {"Black", "000000"}, {"Red", "ff0000"},     {"Green", "008000"},
    {"Blue", "0000ff"},    {"Cyan", "00ffff"},  {"Magenta", "ff00ff"}, {"Yellow", "ffff00"},
    {"Fuchsia", "ff00ff"}, {"Aqua", "00ffff"},  {"Silver", "c0c0c0"},  {"Lime", "00ff00"},
    {"Gray", "808080"},    {"Olive", "808000"}, {"Maroon", "800000"},  {"Navy", "000080"},
    {"Purple", "800080"},  {"Teal", "008080"},
};

bool AllHex(std::string_view text) {
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

int HexByte(std::string_view pair) {
    int value = 0;
    for (char c : pair) {
        int digit = 0;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        value = value * 16 + digit;
    }
    return value;
}

}  // namespace

bool CheckColour(std::string_view text, TextString& normalised) {
    normalised.Assign(text);
    if (text.empty()) return true;
    bool valid = false;
    if (text.front() == '#') {
        if (text.size() != 7) return false;
        normalised.ToUpper();
        valid = AllHex(normalised.View().substr(1));
    } else {
        for (std::string_view name : kNames)
            if (EqualsNoCase(name, text)) return true;
        if (text.size() != 6) return false;
        normalised.ToUpper();
        if (!AllHex(normalised.View())) return false;
        normalised.Insert(0, "#");
        valid = true;
    }
    if (!valid) return false;
    for (const NamedValue& standard : kStandard)
        if (EqualsNoCase(standard.value, normalised.View())) {
            normalised.Assign(standard.name);
            break;
        }
    return true;
}

TextString ColourFromFractions(double red, double green, double blue) {
    auto component = [](double fraction) {
        double scaled = fraction * 256.0;
        if (!(scaled > 0)) return 0;  // also catches NaN
        if (scaled >= 255) return 255;
        return static_cast<int>(scaled);
    };
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02x%02x%02x", component(red), component(green),
                  component(blue));
    TextString text(buffer);
    text.ToUpper();
    return text;
}

TextString PickerValueToColour(int red, int green, int blue) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%2.2x%2.2x%2.2x", red & 0xFF, green & 0xFF, blue & 0xFF);
    for (const NamedValue& named : kPickerNames)
        if (named.value == buffer) return TextString(named.name);
    return TextString(buffer);
}

void ColourToPickerValue(std::string_view colour, int& red, int& green, int& blue) {
    std::string_view value = "c0c0c0";
    bool named = false;
    for (const NamedValue& start : kPickerStart)
        if (start.name == colour) {
            value = start.value;
            named = true;
            break;
        }
    if (!named && !colour.empty()) {
        value = colour;
        if (!value.empty() && value.front() == '#') value.remove_prefix(1);
    }
    // A short or damaged value reads as black where its digits are missing.
    char digits[7] = "000000";
    for (size_t i = 0; i < 6 && i < value.size(); ++i) digits[i] = value[i];
    std::string_view all(digits, 6);
    red = HexByte(all.substr(0, 2));
    green = HexByte(all.substr(2, 2));
    blue = HexByte(all.substr(4, 2));
}

TextString NonStandardColourMessage(std::string_view colour) {
    TextString text("WARNING: \"");
    text.Append(colour);
    text.Append("\" is not a standard HTML colour");
    return text;
}

}  // namespace tabulyst

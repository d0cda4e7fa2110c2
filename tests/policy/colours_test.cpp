// The colour check and the colour picker's translations.
#include "policy/colours.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

using namespace tabulyst;

TEST(CheckColour, AcceptsNamesAndHexValues) {
    const std::tuple<const char*, bool, const char*> kCases[] = {{"", true, ""},
                                                                 {"ff0000", true, "Red"},
                                                                 {"#FF0000", true, "Red"},
                                                                 {"red", true, "red"},
                                                                 {"NAVY", true, "NAVY"},
                                                                 {"000080", true, "Navy"},
                                                                 {"#000080", true, "Navy"},
                                                                 {"F0F0F0", true, "#F0F0F0"},
                                                                 {"E0F0E0", true, "#E0F0E0"},
                                                                 {"#c0c0c0", true, "Silver"},
                                                                 {"00ffff", true, "Aqua"},
                                                                 {"Magenta", true, "Magenta"},
                                                                 {"#ff00ff", true, "Fuchsia"},
                                                                 {"Cyan", false, "Cyan"},
                                                                 {"#12345", false, "#12345"},
                                                                 {"#12345g", false, "#12345G"},
                                                                 {"orange", false, "ORANGE"},
                                                                 {"abcdefa", false, "abcdefa"},
                                                                 {"12 45", false, "12 45"}};
    for (auto [text, valid, normalised] : kCases) {
        TextString out("stale");
        EXPECT_EQ(CheckColour(text, out), valid) << text;
        EXPECT_EQ(out.View(), normalised) << text;
    }
}

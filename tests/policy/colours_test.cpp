// The colour check and the colour picker's translations.
#include "policy/colours.h"

#include <gtest/gtest.h>

using namespace tabulyst;

TEST(CheckColour, AcceptsNamesAndHexValues) {
    const struct {
        const char *text, *normalised;
        bool valid;
    } kCases[] = {{"", "", true},
                  {"#FF0000", "Red", true},
                  {"red", "red", true},
                  {"000080", "Navy", true},
                  {"F0F0F0", "#F0F0F0", true},
                  {"00ffff", "Aqua", true},
                  {"#ff00ff", "Fuchsia", true},
                  {"Magenta", "Magenta", true},
                  {"Cyan", "Cyan", false},
                  {"#12345g", "#12345G", false},
                  {"orange", "ORANGE", false},
                  {"abcdefa", "abcdefa", false},
                  {"12 45", "12 45", false}};
    for (auto [text, normalised, valid] : kCases) {
        TextString out("stale");
        EXPECT_EQ(CheckColour(text, out), valid) << text;
        EXPECT_EQ(out.View(), normalised) << text;
    }
}

// The colour check and the colour picker's translations.
#include "policy/colours.h"

#include <gtest/gtest.h>

using namespace tabulyst;

TEST(CheckColour, AcceptsNamesAndHexValues) {
    struct Case {
        const char* text;
        bool valid;
        const char* normalised;
    };
    const Case kCases[] = {
        {"", true, ""},
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
        {"12 45", false, "12 45"},
    };
    for (const Case& c : kCases) {
        TextString normalised("stale");
        EXPECT_EQ(CheckColour(c.text, normalised), c.valid) << c.text;
        EXPECT_EQ(normalised.View(), c.normalised) << c.text;
    }
}

TEST(ColourFromFractions, ScalesTruncatesAndClamps) {
    EXPECT_EQ(ColourFromFractions(1.0, 0.5, 0.0).View(), "FF8000");
    EXPECT_EQ(ColourFromFractions(0.999, 0.1, -2.0).View(), "FF1900");
    EXPECT_EQ(ColourFromFractions(7.0, 0.0625, 0.00390625).View(), "FF1001");
}

TEST(ColourPicker, ValuesToNamesWithCyanFirst) {
    EXPECT_EQ(PickerValueToColour(0, 255, 255).View(), "Cyan");
    EXPECT_EQ(PickerValueToColour(255, 255, 255).View(), "White");
    EXPECT_EQ(PickerValueToColour(0x80, 0, 0x80).View(), "Purple");
    EXPECT_EQ(PickerValueToColour(0x12, 0xab, 0x0c).View(), "12ab0c");

    int r = 0, g = 0, b = 0;
    ColourToPickerValue("Magenta", r, g, b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{255, 0, 255}));
    ColourToPickerValue("#F0E0D0", r, g, b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{0xF0, 0xE0, 0xD0}));
    ColourToPickerValue("", r, g, b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{0xC0, 0xC0, 0xC0}));
    ColourToPickerValue("Cyan", r, g, b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{0, 255, 255}));
    ColourToPickerValue("808000", r, g, b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{0x80, 0x80, 0}));
}

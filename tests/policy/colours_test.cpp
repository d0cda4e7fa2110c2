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

TEST(ColourPicker, FractionsValuesAndNamesWithCyanFirst) {
    EXPECT_EQ(ColourFromFractions(1.0, 0.5, 0.0).View(), "FF8000");
    EXPECT_EQ(ColourFromFractions(0.999, 0.1, -2.0).View(), "FF1900") << "truncated and clamped";
    EXPECT_EQ(ColourFromFractions(7.0, 0.0625, 0.00390625).View(), "FF1001");

    EXPECT_EQ(PickerValueToColour(0, 255, 255).View(), "Cyan");
    EXPECT_EQ(PickerValueToColour(255, 255, 255).View(), "White");
    EXPECT_EQ(PickerValueToColour(0x80, 0, 0x80).View(), "Purple");
    EXPECT_EQ(PickerValueToColour(0x12, 0xab, 0x0c).View(), "12ab0c");

    const std::pair<const char*, std::array<int, 3>> kValues[] = {{"Magenta", {255, 0, 255}},
                                                                  {"#F0E0D0", {0xF0, 0xE0, 0xD0}},
                                                                  {"", {0xC0, 0xC0, 0xC0}},
                                                                  {"Cyan", {0, 255, 255}},
                                                                  {"808000", {0x80, 0x80, 0}}};
    for (const auto& [colour, expected] : kValues) {
        std::array<int, 3> rgb{};
        ColourToPickerValue(colour, rgb[0], rgb[1], rgb[2]);
        EXPECT_EQ(rgb, expected) << colour;
    }
}

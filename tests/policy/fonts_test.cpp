// Font specifications, width factors, picker texts and styles files.
#include "policy/fonts.h"

#include <gtest/gtest.h>

#include <fstream>

#include "policy/policy_test_support.h"

using namespace tabulyst;
using tabulyst::testing::CapturedFC;

namespace {

struct Parsed {
    bool valid;
    std::string face;
    bool bold, italic;
    int size;
};

Parsed Parse(std::string_view text) {
    TextString face("stale");
    bool bold = true, italic = true;
    int size = 99;
    const bool valid = ParseFontSpec(text, face, bold, italic, size);
    return {valid, face.Str(), bold, italic, size};
}

void ExpectParsed(std::string_view text, const Parsed& expected) {
    const Parsed got = Parse(text);
    EXPECT_EQ(got.valid, expected.valid) << text;
    EXPECT_EQ(got.face, expected.face) << text;
    EXPECT_EQ(got.bold, expected.bold) << text;
    EXPECT_EQ(got.italic, expected.italic) << text;
    EXPECT_EQ(got.size, expected.size) << text;
}

}  // namespace

TEST(FontSpecParse, FieldsStylesAndSizes) {
    ExpectParsed("Times New Roman, Regular, 12", {true, "Times New Roman", false, false, 12});
    ExpectParsed("Arial", {true, "Arial", false, false, 12});
    ExpectParsed("", {true, "", false, false, 12});
    ExpectParsed("Arial, BOLD", {true, "Arial", true, false, 12});
    ExpectParsed("Arial, italic , 9", {true, "Arial", false, true, 9});
    ExpectParsed("Arial, Italic Bold, 9", {true, "Arial", true, true, 9});
    ExpectParsed("Arial, normal, ", {true, "Arial", false, false, 12});
    ExpectParsed("face=Verdana, style=bold, size=14", {true, "Verdana", true, false, 14});
    ExpectParsed("\"Foo, \"\"Bar\"\"\", bold", {true, "Foo, \"Bar\"", true, false, 12});
}

TEST(FontSpecParse, InvalidSpecificationsLeaveStartValues) {
    const Parsed invalid{false, "", false, false, 12};
    ExpectParsed("Arial, Heavy, 12", invalid);
    ExpectParsed("Arial, Bold, twelve", invalid);
    ExpectParsed("Arial, Bold, 12pt", invalid);
    ExpectParsed("Arial, Bold, 12, extra", invalid);
    ExpectParsed("|#?/\\+^&*=~ every separator taken", invalid);
    EXPECT_TRUE(IsFontSpec("|#?/\\+^&*= one left free"));
    EXPECT_FALSE(IsFontSpec("Arial, Bold Bold"));
}

TEST(FontSpecFace, WidthFactorsFromTheTable) {
    FontSpec font;
    font.SetFontFace("Courier New");
    EXPECT_DOUBLE_EQ(font.widthFactor, 1.45);
    font.SetFontFace("Unknown Sans");
    EXPECT_DOUBLE_EQ(font.widthFactor, 1.45) << "an unknown face keeps the previous factor";
    EXPECT_EQ(font.face.View(), "Unknown Sans");
    font.SetFontFace("COMIC SANS ms");
    EXPECT_DOUBLE_EQ(font.widthFactor, 1.2);
    font.SetFontFace("corida new");
    EXPECT_DOUBLE_EQ(font.widthFactor, 0.7);
    font.SetFontFace("Arial Narrow");
    EXPECT_DOUBLE_EQ(font.widthFactor, 0.85);
}

TEST(FontSpecColour, BlackIsTheDefaultColour) {
    FontSpec font;
    for (const char* black : {"BLACK", "black", "#000000", "000000"}) {
        font.colour = "Red";
        font.SetFontColour(black);
        EXPECT_TRUE(font.colour.Empty()) << black;
    }
    font.SetFontColour("#000080");
    EXPECT_EQ(font.colour.View(), "#000080");
}

TEST(FontSpecApply, OnlyAValidPolicyTextChangesTheFont) {
    CapturedFC c;
    FontSpec font;
    font.size = 7;
    ApplyFontSpec(static_cast<const TextPolicy&>(c.fc.Record(P::HeadingFont)), font);
    EXPECT_EQ(font.face.View(), "Arial");
    EXPECT_EQ(font.size, 12);
    EXPECT_DOUBLE_EQ(font.widthFactor, 1.1);
    ApplyFontSpec("Verdana, Bold Italic, 30", font);
    EXPECT_TRUE(font.bold && font.italic);
    ApplyFontSpec("Verdana, Wide", font);
    EXPECT_EQ(font.size, 30) << "an invalid text leaves the font as it was";
}

TEST(FontSpecFormat, PickerChoiceAsText) {
    EXPECT_EQ(FormatFontSpec("Arial", 700, false, 105).View(), "Arial, Bold, 10");
    EXPECT_EQ(FormatFontSpec("Arial", 700, true, 120).View(), "Arial, Bold Italic, 12");
    EXPECT_EQ(FormatFontSpec("Arial", 400, true, 80).View(), "Arial, Italic, 8");
    EXPECT_EQ(FormatFontSpec("Arial", 600, false, 99).View(), "Arial, Regular, 9");
}

TEST(StyleFile, DefineFontLinesBecomeNamedStyles) {
    const std::string directory = ::testing::TempDir();
    {
        std::ofstream file(directory + "tabulyst_styles.txt");
        file << "define font : Body, Times New Roman,   Bold,  11\n"
             << "DEFINE FONT: Code, Courier New\n"
             << "something else : x\n"
             << "no colon here\n";
    }
    CapturedFC c;
    int group = 0;
    c.fc.ParsePolicyLine("Style file : tabulyst_styles.txt", group, false);
    c.fc.ParsePolicyLine("Input directory : " + directory, group, false);
    std::vector<FontSpec> styles;
    EXPECT_TRUE(LoadStyleFile(c.fc, styles));
    ASSERT_EQ(styles.size(), 2u);
    EXPECT_EQ(styles[0].name.View(), "Body");
    EXPECT_EQ(styles[0].face.View(), "Times New Roman");
    EXPECT_TRUE(styles[0].bold);
    EXPECT_EQ(styles[0].size, 11);
    EXPECT_EQ(styles[1].name.View(), "Code");
    EXPECT_DOUBLE_EQ(styles[1].widthFactor, 1.45);

    c.fc.ParsePolicyLine("Style file : missing_styles.txt", group, false);
    EXPECT_FALSE(LoadStyleFile(c.fc, styles, directory));
    EXPECT_TRUE(c.Said("** Failed to open styles file missing_styles.txt ***"));
    EXPECT_EQ(styles.size(), 2u);
}

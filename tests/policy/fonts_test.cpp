// Font specifications, width factors, picker texts and styles files.
#include "policy/fonts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include "policy/policy_test_support.h"

using namespace tabulyst;
using tabulyst::testing::CapturedFC;

TEST(FontSpecParse, FieldsStylesSizesAndInvalidSpecifications) {
    struct Case {
        const char* text;
        bool valid;
        const char* face;
        bool bold, italic;
        int size;
    };
    const Case kCases[] = {
        {"Times New Roman, Regular, 12", true, "Times New Roman", false, false, 12},
        {"", true, "", false, false, 12},
        {"Arial, italic , 9", true, "Arial", false, true, 9},
        {"Arial, Italic Bold, 9", true, "Arial", true, true, 9},
        {"Arial, normal, ", true, "Arial", false, false, 12},
        {"face=Verdana, style=bold, size=14", true, "Verdana", true, false, 14},
        {"\"Foo, \"\"Bar\"\"\", bold", true, "Foo, \"Bar\"", true, false, 12},
        // An invalid specification leaves the start values.
        {"Arial, Heavy, 12", false, "", false, false, 12},
        {"Arial, Bold, 12pt", false, "", false, false, 12},
        {"Arial, Bold, 12, extra", false, "", false, false, 12},
        {"|#?/\\+^&*=~ every separator taken", false, "", false, false, 12},
    };
    for (const Case& c : kCases) {
        TextString face("stale");
        bool bold = true, italic = true;
        int size = 99;
        EXPECT_EQ(ParseFontSpec(c.text, face, bold, italic, size), c.valid) << c.text;
        EXPECT_EQ(face.View(), c.face) << c.text;
        EXPECT_EQ(std::tuple(bold, italic, size), std::tuple(c.bold, c.italic, c.size)) << c.text;
    }
    EXPECT_TRUE(IsFontSpec("|#?/\\+^&*= one left free"));
    EXPECT_FALSE(IsFontSpec("Arial, Bold Bold"));
}

TEST(FontSpec, OnlyAValidPolicyTextChangesTheFont) {
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

TEST(StyleFile, DefineFontLinesBecomeNamedStyles) {
    const std::string directory = ::testing::TempDir();
    std::ofstream(directory + "tabulyst_styles.txt")
        << "define font : Body, Times New Roman,   Bold,  11\nDEFINE FONT: Code, Courier New\n"
        << "something else : x\nno colon here\n";
    CapturedFC c;
    tabulyst::testing::Apply(
        c.fc, {"Style file : tabulyst_styles.txt", "Input directory : " + directory});
    std::vector<FontSpec> styles;
    EXPECT_TRUE(LoadStyleFile(c.fc, styles));
    ASSERT_EQ(styles.size(), 2u);
    EXPECT_EQ(styles[0].name.View(), "Body");
    EXPECT_EQ(styles[0].face.View(), "Times New Roman");
    EXPECT_TRUE(styles[0].bold);
    EXPECT_EQ(styles[0].size, 11);
    EXPECT_EQ(styles[1].name.View(), "Code");
    EXPECT_DOUBLE_EQ(styles[1].widthFactor, 1.45);

    tabulyst::testing::Apply(c.fc, {"Style file : missing_styles.txt"});
    EXPECT_FALSE(LoadStyleFile(c.fc, styles, directory));
    EXPECT_TRUE(c.Said("** Failed to open styles file missing_styles.txt ***"));
    EXPECT_EQ(styles.size(), 2u);
}

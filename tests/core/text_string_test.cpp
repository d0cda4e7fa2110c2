#include "core/text_string.h"

#include <gtest/gtest.h>

using namespace tabulyst;

TEST(TextStringEdit, InsertMidAndReplace) {
    TextString s("abc");
    EXPECT_TRUE(s.Insert(3, "x"));
    EXPECT_EQ(s.View(), "abcx");
    EXPECT_FALSE(s.Insert(9, "x"));

    TextString m("abcdef");
    EXPECT_TRUE(m.Mid(2, 10));
    EXPECT_EQ(m.View(), "cdef");
    EXPECT_EQ(m.Length(), 4);
    EXPECT_FALSE(m.Mid(9, 1));
    EXPECT_EQ(m.View(), "cdef");

    TextString r("aabb");
    EXPECT_TRUE(r.Replace(0, "ab", "", 0, true));
    EXPECT_EQ(r.View(), "ab") << "the scan resumes at the point of deletion";
    TextString once("a-a-a");
    EXPECT_TRUE(once.Replace(0, "a", "bb", 1, true));
    EXPECT_EQ(once.View(), "bb-a-a");
    TextString fill("x<y<z");
    fill.Replace(0, "<", nullptr, 0, true, '#');
    EXPECT_EQ(fill.View(), "x#y#z");
}

TEST(TextStringWords, GetWordWithBlankAndComma) {
    TextString s("a  \t b c");
    TextString w;
    EXPECT_TRUE(s.GetWord(2, ' ', w));
    EXPECT_EQ(w.View(), "b");
    TextString c("a,,b");
    EXPECT_TRUE(c.GetWord(2, ',', w));
    EXPECT_EQ(w.View(), "");
    EXPECT_TRUE(c.GetWord(3, ',', w));
    EXPECT_EQ(w.View(), "b");
    EXPECT_FALSE(c.GetWord(4, ',', w));
    TextString trailing("a,b,");
    EXPECT_FALSE(trailing.GetWord(3, ',', w)) << "a delimiter at the end adds no field";
    TextString lead(" x");
    EXPECT_TRUE(lead.GetWord(1, ' ', w));
    EXPECT_EQ(w.View(), "") << "a leading blank gives an empty first field";
}

TEST(TextStringEdit, TabsTrimAndCollapse) {
    TextString t("ab\tc");
    t.ExpandTabs(8);
    EXPECT_EQ(t.View(), "ab      c");
    TextString four("ab\tc");
    four.ExpandTabs(4);
    EXPECT_EQ(four.View(), "ab  c");
    TextString blanks("  a   b\t\t c  ");
    blanks.CollapseBlanks();
    EXPECT_EQ(blanks.View(), " a b\tc ");
    TextString trim(" \t x y \t");
    trim.Trim();
    EXPECT_EQ(trim.View(), "x y");
    TextString right("   ");
    right.Trim(true);
    EXPECT_EQ(right.View(), " ") << "right trimming never takes the first byte";
}

TEST(TextStringNumbers, Recognition) {
    double v = 0;
    EXPECT_TRUE(TextString("$12.50").IsNumber(v));
    EXPECT_DOUBLE_EQ(v, 12.5);
    EXPECT_TRUE(TextString("-3").IsNumber(v));
    EXPECT_DOUBLE_EQ(v, -3);
    EXPECT_FALSE(TextString("1,234").IsNumber(v));
    EXPECT_FALSE(TextString("12a").IsNumber(v));
    EXPECT_FALSE(TextString("1.2.3").IsNumber(v));

    long n = 0;
    EXPECT_TRUE(TextString(" 42 ").ParseNumberInStyle('1', n));
    EXPECT_EQ(n, 42);
    EXPECT_FALSE(TextString("8 spaces").ParseNumberInStyle('1', n));
    EXPECT_FALSE(TextString("7,000").ParseNumberInStyle('1', n)) << "a comma between digits";
    EXPECT_TRUE(TextString("7%").ParseNumberInStyle('1', n));
    EXPECT_EQ(n, 7);
    EXPECT_TRUE(TextString("-2147483648").ParseNumberInStyle('1', n));
    EXPECT_EQ(n, -2147483648L);
    EXPECT_FALSE(TextString("2147483648").ParseNumberInStyle('1', n));
    EXPECT_FALSE(TextString(std::string(2000, '9')).ParseNumberInStyle('1', n));
}

TEST(TextStringCompare, EqualsAndFind) {
    TextString s("Hello World");
    EXPECT_TRUE(s.Equals("hello world", false));
    EXPECT_FALSE(s.Equals("hello world", true));
    EXPECT_TRUE(TextString("a b").Equals("ab cd", true, true)) << "equal up to the shorter side";
    int32_t at = 0;
    EXPECT_TRUE(s.Find(0, "WORLD", at, false));
    EXPECT_EQ(at, 6);
    EXPECT_FALSE(s.Find(0, "", at));
    EXPECT_FALSE(TextString().Find(0, "a", at));
    TextString aab("aaab");
    EXPECT_TRUE(aab.Find(0, "aab", at));
    EXPECT_EQ(at, 1);
}

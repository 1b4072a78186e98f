#include "GameProgram/Common/XC_String.h"

#include <gtest/gtest.h>

TEST(XC_String, NormalizePathTable)
{
    struct Case { const char* input; const char* expected; };
    const Case cases[] = {
        {" Data//Sub\\\\File.TXT\r", "data\\sub\\file.txt"},
        {"Texture/A.bmp", "texture\\a.bmp"},
        {"TEXTURE\\A.BMP", "texture\\a.bmp"},
        {"a/\\/b", "a\\b"},
        // Big5 trail bytes '\' and 'A' belong to their character.
        {"\xA5\x5C/\xA4\x41.TXT", "\xA5\x5C\\\xA4\x41.txt"},
        // A lone lead byte at the end is kept.
        {"ab\xA5", "ab\xA5"},
        {"", ""},
    };
    for (const Case& c : cases) {
        XC_String text(c.input);
        EXPECT_EQ(text.NormalizePath(), c.expected) << "input: " << c.input;
    }
}

TEST(XC_String, MakeLowerChangesTrailBytesToo)
{
    XC_String text("AB\xA4\x41");
    EXPECT_EQ(text.MakeLower(), "ab\xA4\x61");
}

TEST(XC_String, TrimTable)
{
    struct Case { const char* input; bool left; bool right; const char* expected; };
    const Case cases[] = {
        {"\t a b \r\n", true, true, "a b \r\n"},
        {"  a  ", true, false, "a  "},
        {"  a  ", false, true, "  a"},
        {" \t\r ", true, true, ""},
        {"\r\t x", true, true, "x"},
    };
    for (const Case& c : cases) {
        XC_String text(c.input);
        text.Trim(c.left, c.right);
        EXPECT_EQ(text, c.expected) << "input: " << c.input;
    }
}

TEST(XC_String, ToIntTable)
{
    struct Case { const char* input; int expected; };
    const Case cases[] = {
        {"0x1F", 31}, {"-12", -12}, {"abc", 0}, {"0X1F", 0}, {"  42abc", 42}, {"", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(XC_String(c.input).ToInt(), c.expected) << "input: " << c.input;
}

TEST(XC_String, SetNumberWithCommasTable)
{
    struct Case { unsigned int number; const char* expected; };
    const Case cases[] = {
        {0, "0"}, {999, "999"}, {1000, "1,000"}, {1234567, "1,234,567"}, {4294967295u, "4,294,967,295"},
    };
    for (const Case& c : cases) {
        XC_String text("old");
        text.SetNumberWithCommas(c.number);
        EXPECT_EQ(text, c.expected);
    }
}

TEST(XC_String, NullTextIsEmpty)
{
    EXPECT_TRUE(XC_String(static_cast<const char*>(nullptr)).empty());
}

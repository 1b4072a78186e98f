#include "GameProgram/D3DCommon/XF_AnsiToWide.h"

#include <gtest/gtest.h>

#include <string>

TEST(XF_AnsiToWide, ConvertsCodePage950Text)
{
    WCHAR wszText[16];
    ASSERT_EQ(XF_AnsiToWide(wszText, "標楷體 A", 16), S_OK);
    EXPECT_EQ(std::wstring(wszText), L"\u6A19\u6977\u9AD4 A");
}

TEST(XF_AnsiToWide, LongTextIsCutAndEndsWithZero)
{
    WCHAR wszText[5];
    for (WCHAR& w : wszText)
        w = L'?';
    EXPECT_EQ(XF_AnsiToWide(wszText, "abcdefgh", 5), E_FAIL);
    EXPECT_EQ(wszText[4], 0);
    EXPECT_EQ(std::wstring(wszText), L"abcd");

    WCHAR wszBytes[3];
    EXPECT_EQ(XF_AnsiToWideBytes(wszBytes, "xyz", sizeof(wszBytes)), E_FAIL);
    EXPECT_EQ(std::wstring(wszBytes), L"xy");
    EXPECT_EQ(XF_AnsiToWideBytes(wszBytes, "xy", sizeof(wszBytes)), S_OK);
}

TEST(XF_AnsiToWide, BadArgumentsAreRefused)
{
    WCHAR wszText[4] = {L'k', 0, 0, 0};
    EXPECT_EQ(XF_AnsiToWide(nullptr, "a", 4), E_INVALIDARG);
    EXPECT_EQ(XF_AnsiToWide(wszText, nullptr, 4), E_INVALIDARG);
    EXPECT_EQ(XF_AnsiToWide(wszText, "a", 0), E_INVALIDARG);
    EXPECT_EQ(XF_AnsiToWideBytes(wszText, "a", 1), E_INVALIDARG);
    EXPECT_EQ(wszText[0], L'k');
}

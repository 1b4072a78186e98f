#include "GameProgram/Common/XC_Strtok.h"

#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> AllTokens(XC_Strtok& strtok)
{
    std::vector<std::string> tokens;
    while (const char* szToken = strtok.GetToken(TRUE))
        tokens.push_back(szToken);
    return tokens;
}

} // namespace

TEST(XC_Strtok, SplitsAtSeparatorsAndKeepsDoubleByteCharactersWhole)
{
    struct Case { const char* szText; std::vector<std::string> expected; };
    const Case cases[] = {
        {"Func( a , 12 )", {"Func", "a", "12"}},
        {"A,,B", {"A", "B"}},
        {" \t(),, ", {}},
        {"", {}},
        {"SetRenderState\t27,1\r\n", {"SetRenderState", "27", "1\r\n"}},
        {"\"a b\"", {"\"a", "b\""}},
        // A lead byte takes the next byte as its trail, separator or not.
        {"\xA4( b", {"\xA4(", "b"}},
        {"x \xA4\x40,\xB3\x5C", {"x", "\xA4\x40", "\xB3\x5C"}},
        {"\xA4\x40\xA4\x41(1)", {"\xA4\x40\xA4\x41", "1"}},
        // A lead byte at the very end stays a token of its own.
        {"a \xA4", {"a", "\xA4"}},
    };
    for (const Case& c : cases) {
        XC_Strtok strtok;
        ASSERT_EQ(strtok.SetData(c.szText), S_OK);
        EXPECT_EQ(strtok.HasToken(), c.expected.empty() ? FALSE : TRUE) << c.szText;
        EXPECT_EQ(AllTokens(strtok), c.expected) << c.szText;
    }
}

TEST(XC_Strtok, TypedGettersConvertTheFirstToken)
{
    XC_Strtok strtok;
    ASSERT_EQ(strtok.SetData("0x1F 12 -1 abc 0xZZ 4294901760 99999999999"), S_OK);
    const DWORD expected[] = {31, 12, 0xFFFFFFFF, 0, 0, 0xFFFF0000, 0xFFFFFFFF};
    for (const DWORD dwValue : expected)
        EXPECT_EQ(strtok.GetTokenDword(TRUE), dwValue);

    ASSERT_EQ(strtok.SetData("-12 7x 1.5 -0.25"), S_OK);
    EXPECT_EQ(strtok.GetTokenInt(TRUE), -12);
    EXPECT_EQ(strtok.GetTokenInt(TRUE), 7);
    EXPECT_FLOAT_EQ(strtok.GetTokenFloat(TRUE), 1.5f);
    EXPECT_FLOAT_EQ(strtok.GetTokenFloat(TRUE), -0.25f);

    ASSERT_EQ(strtok.SetData("1 TRUE true True 0 yes"), S_OK);
    const BOOL bools[] = {TRUE, TRUE, TRUE, FALSE, FALSE, FALSE};
    for (const BOOL bValue : bools)
        EXPECT_EQ(strtok.GetTokenBool(TRUE), bValue);
}

TEST(XC_Strtok, PeekKeepsTheTokenAndPopRemovesIt)
{
    XC_Strtok strtok;
    ASSERT_EQ(strtok.SetData("7 8"), S_OK);
    EXPECT_EQ(strtok.GetTokenInt(FALSE), 7);
    EXPECT_STREQ(strtok.GetToken(FALSE), "7");
    const char* const szPopped = strtok.GetToken(TRUE);
    EXPECT_STREQ(szPopped, "7");
    EXPECT_STREQ(strtok.GetToken(FALSE), "8");
    strtok.PopFrontToken();
    EXPECT_FALSE(strtok.HasToken());
    EXPECT_EQ(strtok.GetToken(TRUE), nullptr);
    // A popped token stays readable until the next SetData.
    EXPECT_STREQ(szPopped, "7");
}

TEST(XC_Strtok, MissingTokensAndTextsAreReported)
{
    ErrorLogCapture log;
    XC_Strtok strtok;
    EXPECT_EQ(strtok.SetData(nullptr), E_FAIL);
    EXPECT_TRUE(log.Contains("( szToken ) failed"));

    ASSERT_EQ(strtok.SetData(" , "), S_OK);
    strtok.PopFrontToken();
    EXPECT_TRUE(log.Contains("( m_TokenList.size() > 0 ) failed"));
    EXPECT_EQ(strtok.GetTokenInt(TRUE), 0);
    EXPECT_EQ(strtok.GetTokenDword(TRUE), 0u);
    EXPECT_FLOAT_EQ(strtok.GetTokenFloat(TRUE), 0.0f);
    EXPECT_EQ(strtok.GetTokenBool(TRUE), FALSE);

    // A new text replaces the old tokens.
    ASSERT_EQ(strtok.SetData("a"), S_OK);
    ASSERT_EQ(strtok.SetData("b c"), S_OK);
    EXPECT_STREQ(strtok.GetToken(TRUE), "b");
}

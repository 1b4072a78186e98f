#include "GameProgram/RenderingObject/XC_RenderString.h"

#include "tests/GameProgram/RenderingObject/FakeFont.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace {

std::vector<float> Xs(XC_RenderString& text)
{
    std::vector<float> xs;
    for (DWORD i = 0; i < text.GetWordCount(); ++i)
        xs.push_back(text.GetRenderWord(i)->vPosition.x);
    return xs;
}

} // namespace

TEST(XC_RenderString, AlignmentOfOneLine)
{
    FakeFont font;
    const struct
    {
        DWORD dwAlign;
        std::vector<float> xs;
        float fCenterX;
    } CASES[] = {{0, {0.0f, 30.0f}, 30.0f}, {1, {-30.0f, 0.0f}, 0.0f}, {2, {-60.0f, -30.0f}, -30.0f}};
    for (const auto& test : CASES) {
        XC_RenderString text;
        text.SetAligeText(test.dwAlign);
        ASSERT_EQ(text.SetString("AB", 0xFFFFFFFF), S_OK);
        EXPECT_EQ(Xs(text), test.xs) << test.dwAlign;
        EXPECT_FLOAT_EQ(text.GetCenter()->x, test.fCenterX);
        EXPECT_FLOAT_EQ(text.GetRadius(), 30.0f);
    }
}

TEST(XC_RenderString, LineBreaking)
{
    FakeFont font;
    XC_RenderString text;
    text.SetAutoLineFeed(TRUE);
    text.SetLineMaxLength(100.0f);
    ASSERT_EQ(text.SetString("ABCDEF", 0xFFFFFFFF), S_OK);
    EXPECT_EQ(Xs(text), (std::vector<float>{0.0f, 30.0f, 60.0f, 90.0f, 0.0f, 30.0f}));
    EXPECT_FLOAT_EQ(text.GetRenderWord(3)->vPosition.y, 0.0f);
    EXPECT_FLOAT_EQ(text.GetRenderWord(4)->vPosition.y, -23.0f);
    // A written "\n" ends its line.
    ASSERT_EQ(text.SetString("A\\nB", 0xFFFFFFFF), S_OK);
    ASSERT_EQ(text.GetWordCount(), 3u);
    EXPECT_FLOAT_EQ(text.GetRenderWord(2)->vPosition.y, -23.0f);
    // Below 0 the length becomes 0: every word ends its own line.
    text.SetLineMaxLength(-5.0f);
    EXPECT_EQ(text.GetLineMaxLength(), 0.0f);
    ASSERT_EQ(text.SetString("ABC", 0xFFFFFFFF), S_OK);
    EXPECT_FLOAT_EQ(text.GetRenderWord(2)->vPosition.y, -46.0f);
}

TEST(XC_RenderString, InlineColours)
{
    FakeFont font;
    const struct
    {
        const char* szData;
        DWORD dwWords;
        DWORD dwRed;
        bool bReported;
    } CASES[] = {
        {"#Color 0xFFFF0000#red#Color 0xFFFFFFFF#white", 8, 3, false},
        {"a#Bogus 1 2#b", 2, 0, false},
        {"x#Color 0xFFFF0000", 17, 0, true},
        {"#Color 0xFFFF0000##Color#r", 1, 1, false},
    };
    for (const auto& test : CASES) {
        ErrorLogCapture log;
        XC_RenderString text;
        ASSERT_EQ(text.SetStringEx(test.szData, 0xFFFFFFFF), S_OK) << test.szData;
        EXPECT_EQ(text.GetWordCount(), test.dwWords) << test.szData;
        DWORD dwRed = 0;
        for (DWORD i = 0; i < text.GetWordCount(); ++i)
            dwRed += text.GetRenderWord(i)->dwColor == 0xFFFF0000 ? 1 : 0;
        EXPECT_EQ(dwRed, test.dwRed) << test.szData;
        EXPECT_EQ(log.Contains("Can't find Token'#'"), test.bReported) << test.szData;
    }
}

TEST(XC_RenderString, WordLimitsAndFailures)
{
    FakeFont font;
    ErrorLogCapture log;
    XC_RenderString text;
    ASSERT_EQ(text.SetString(std::string(300, 'a').c_str(), 0xFFFFFFFF), S_OK);
    EXPECT_EQ(text.GetWordCount(), 300u);
    EXPECT_EQ(text.GetShowWordCount(), 255u);
    // Double-byte characters are one word each.
    ASSERT_EQ(text.SetString("遊戲", 0xFFFFFFFF), S_OK);
    EXPECT_EQ(text.GetWordCount(), 2u);
    EXPECT_EQ(text.SetString("ab~c", 0xFFFFFFFF), E_FAIL);
    EXPECT_EQ(text.AddString(nullptr, 0xFFFFFFFF), E_FAIL);
    EXPECT_EQ(text.AnalyzeScript("RenderString SetString Hello"), S_OK);
    EXPECT_EQ(text.GetWordCount(), 5u);
    EXPECT_EQ(text.AnalyzeScript("RenderString AddStringEX ab 0xFF00FF00"), S_OK);
    EXPECT_EQ(text.GetRenderWord(6)->dwColor, 0xFF00FF00u);
    EXPECT_EQ(text.AnalyzeScript("RenderString xyzWriteDir 0 2"), E_FAIL);
    EXPECT_EQ(text.AnalyzeScript("RenderString xyzWriteDir 0 2 0"), S_OK);
    EXPECT_EQ(*text.GetWriteDir(), D3DXVECTOR3(0.0f, 1.0f, 0.0f));
    EXPECT_EQ(text.AnalyzeScript("RenderString Shout 1"), E_FAIL);

    std::unique_ptr<XC_RenderingObject> pCopy(text.Duplicate());
    ASSERT_EQ(static_cast<XC_RenderString*>(pCopy.get())->GetWordCount(), 7u);
}

namespace {

// Counts the layout passes of its words.
class CountingString : public XC_RenderString
{
public:
    void LayoutWords() override
    {
        ++m_iLayouts;
        XC_RenderString::LayoutWords();
    }
    int m_iLayouts = 0;
};

} // namespace

// A text built by many appends is laid out once when it is read, not once
// per append (which made 16,000 appends quadratic).
TEST(XC_RenderString, AppendsAreLaidOutOnceWhenRead)
{
    FakeFont font;
    CountingString text;
    for (int i = 0; i < 16000; ++i)
        ASSERT_EQ(text.AddString("a", 0xFFFFFFFF), S_OK);
    text.AddStringEx("b#Color 0xFF00FF00#c", 0xFFFFFFFF);
    EXPECT_EQ(text.m_iLayouts, 0);
    ASSERT_EQ(text.GetWordCount(), 16002u);
    EXPECT_FLOAT_EQ(text.GetRadius(), 16002 * 30.0f / 2.0f);
    EXPECT_FLOAT_EQ(text.GetRenderWord(16001)->vPosition.x, 16001 * 30.0f);
    EXPECT_EQ(text.m_iLayouts, 1);
}

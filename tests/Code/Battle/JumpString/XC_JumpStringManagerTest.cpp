#include "Code/Battle/JumpString/XC_JumpStringManager.h"

#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "GameProgram/Resource/Font/XC_TextureWord.h"

#include "tests/GameProgram/RenderingObject/FakeFont.h"
#include "tests/GameProgram/Resource/TextureManagerFixture.h"
#include "tests/GameProgram/Scene/SceneTestText.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

const DWORD GREEN = 0xFFA6E771;
const DWORD WHITE = 0xFFFFFFFF;
const DWORD RED = 0xFFFF0000;

const char* const GLYPHS[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "+", "SP", "MOR", "EXP", "JEXP"};
const char* const NODES[] = {"[Num0]", "[Num1]", "[Num2]", "[Num3]", "[Num4]", "[Num5]", "[Num6]", "[Num7]",
                             "[Num8]", "[Num9]", "[Add]",  "[SP]",   "[MOR]",  "[EXP]",  "[JEXP]"};

// A glyph file whose glyph i is the picture "g<i>.bmp"; the texture of the
// node named in strBroken is one the pack lacks.
std::string GlyphFile(const std::string& strBroken = "")
{
    std::string strText;
    for (size_t i = 0; i < std::size(NODES); ++i) {
        const std::string strTexture = NODES[i] == strBroken ? "missing.bmp" : "g" + std::to_string(i) + ".bmp";
        strText += std::string(NODES[i]) + "\n{\nTexture = " + strTexture + "\nWidth = 12\nHeight = 16\n}\n";
    }
    return strText;
}

class JumpStringTest : public TextureManagerFixture
{
protected:
    void SetUp() override
    {
        TextureManagerFixture::SetUp();
        for (size_t i = 0; i < std::size(NODES); ++i)
            AddImage("g" + std::to_string(i) + ".bmp", 0x100000u * static_cast<std::uint32_t>(i + 1));
    }

    void TearDown() override
    {
        m_Jumps.ReleaseWords();
        TextureManagerFixture::TearDown();
    }

    // The text as (glyph, colour) pairs: a picture glyph by its label, a
    // font glyph as "font".
    std::vector<std::pair<std::string, DWORD>> Shown(XC_RenderString& text)
    {
        std::vector<std::pair<std::string, DWORD>> shown;
        for (DWORD i = 0; i < text.GetWordCount(); ++i) {
            const XC_RenderString::XC_RenderWord* const pWord = text.GetRenderWord(i);
            const XC_TextureWord* const pPicture = dynamic_cast<const XC_TextureWord*>(pWord->pWord);
            shown.emplace_back(pPicture != nullptr ? Label(pPicture->GetTexture()) : "font", pWord->dwColor);
        }
        return shown;
    }

    std::string Label(XC_Texture* pTexture)
    {
        for (size_t i = 0; i < std::size(GLYPHS); ++i) {
            XC_Texture* const pExpected = m_Manager.GetTexture(("g" + std::to_string(i) + ".bmp").c_str());
            if (pExpected != nullptr)
                pExpected->Release();
            if (pExpected == pTexture)
                return GLYPHS[i];
        }
        return "?";
    }

    FakeFont m_Font;
    XC_JumpStringManager m_Jumps;
};

} // namespace

TEST_F(JumpStringTest, NumbersByValueAndKind)
{
    ASSERT_EQ(m_Jumps.LoadWords(*ParseTree(GlyphFile())), S_OK);
    using Glyphs = std::vector<std::pair<std::string, DWORD>>;
    struct Case
    {
        LONG lValue;
        eJumpNumType eType;
        Glyphs expected;
    };
    const Case cases[] = {
        {-25, JNT_HP_LOSS, {{"2", WHITE}, {"5", WHITE}}},
        {25, JNT_HP_GAIN, {{"+", GREEN}, {"2", GREEN}, {"5", GREEN}}},
        {0, JNT_HP_LOSS, {{"0", WHITE}}},
        {8, JNT_SP_GAIN, {{"SP", WHITE}, {"+", GREEN}, {"8", GREEN}}},
        {-8, JNT_SP_LOSS, {{"SP", WHITE}, {"8", WHITE}}},
        {40, JNT_HP_RED, {{"4", RED}, {"0", RED}}},
        {17, JNT_EXP, {{"EXP", WHITE}, {"1", WHITE}, {"7", WHITE}}},
        {9, JNT_JEXP, {{"JEXP", WHITE}, {"9", WHITE}}},
        {3, JNT_HIT, {{"3", WHITE}}},
    };
    for (const Case& c : cases) {
        XC_RenderString text;
        text.AddString("old", WHITE);
        EXPECT_EQ(m_Jumps.JumpNum(&text, c.lValue, c.eType), S_OK);
        EXPECT_EQ(Shown(text), c.expected) << c.lValue << " kind " << c.eType;
    }
}

TEST_F(JumpStringTest, TheLowestValueKeepsItsSign)
{
    ASSERT_EQ(m_Jumps.LoadWords(*ParseTree(GlyphFile())), S_OK);
    XC_RenderString text;
    ErrorLogCapture log;
    EXPECT_EQ(m_Jumps.JumpNum(&text, LONG_MIN, JNT_HP_LOSS), S_OK);
    const auto shown = Shown(text);
    ASSERT_EQ(shown.size(), 11u);
    EXPECT_EQ(shown[0].first, "font");
    EXPECT_EQ(shown[1].first, "2");
    EXPECT_EQ(shown[10].first, "8");
    EXPECT_FALSE(log.Text().empty());
}

TEST_F(JumpStringTest, AGlyphThatCannotBeHadLeavesNoGlyphAtAll)
{
    for (const char* szBroken : {"[Num4]", "[JEXP]", "nothing broken, a node missing"}) {
        std::string strFile = GlyphFile(szBroken);
        if (std::string(szBroken).find("missing") != std::string::npos)
            strFile = strFile.substr(0, strFile.find("[MOR]"));
        EXPECT_EQ(m_Jumps.LoadWords(*ParseTree(strFile)), E_FAIL) << szBroken;
        XC_RenderString text;
        m_Jumps.JumpNum(&text, 25, JNT_HP_GAIN);
        EXPECT_EQ(text.GetWordCount(), 0u) << szBroken;
    }
}

#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/Resource/Font/XC_D3DFont_Fon.h"
#include "GameProgram/Resource/Font/XC_Word_Fon.h"
#include "GameProgram/Resource/VERTEX_XYZ_TEX1.h"

#include "tests/GameProgram/Resource/Font/GlyphFiles.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/ScopedTempFolder.h"
#include "tests/Support/TestDevice.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

namespace {

const DWORD BIG5_ZHONG = 0xA4A4; // "中"

// A glyph-file font on a real device, with a small glyph file of 16-pixel
// cells holding 12 × 14 glyphs for the printable ASCII codes and "中".
class GlyphFileFont : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Device.IsReady()) << m_Device.Error();
        g_pVar->g_pD3DDevice = m_Device.Device();
        std::vector<DWORD> codes = CodeRange(0x20, 0x7E);
        codes.push_back(BIG5_ZHONG);
        ASSERT_TRUE(WriteTestFile(FontFile(), MakeGlyphFile(16, "Kai", codes, 12, 14)));
    }

    void TearDown() override
    {
        m_Font.Fini();
        g_pVar->g_pD3DDevice = nullptr;
    }

    std::string FontFile() const { return m_Folder.File("16_20.fon"); }

    static std::array<VERTEX_XYZ_TEX1, 4> Vertices(XI_Word* pWord)
    {
        std::array<VERTEX_XYZ_TEX1, 4> vertices = {};
        IDirect3DVertexBuffer9* const pBuffer = dynamic_cast<XC_Word_Fon*>(pWord)->GetVertexBuffer();
        void* pData = nullptr;
        if (SUCCEEDED(pBuffer->Lock(0, 0, &pData, D3DLOCK_READONLY))) {
            std::memcpy(vertices.data(), pData, sizeof(vertices));
            pBuffer->Unlock();
        }
        return vertices;
    }

    TestDevice m_Device;
    ErrorLogCapture m_Log;
    ScopedTempFolder m_Folder;
    XC_D3DFont_Fon m_Font;
};

} // namespace

TEST_F(GlyphFileFont, WordsAreCellsOfSharedPagesRowByRowThenPageByPage)
{
    ASSERT_EQ(m_Font.Init(20, "Arial", FontFile().c_str()), S_OK);
    ASSERT_NE(g_pJC_D3DFontObj, nullptr);
    EXPECT_EQ(g_pJC_D3DFontObj->GetCellSize(), 16u); // the file's cells win

    // 128-texel pages of 16-texel cells hold 7 × 7 glyphs.
    std::vector<XI_Word*> words;
    for (int i = 0; i < 50; ++i) {
        const char text[2] = {static_cast<char>(0x21 + i), '\0'};
        XI_Word* const pWord = m_Font.GetWord(text, nullptr);
        ASSERT_NE(dynamic_cast<XC_Word_Fon*>(pWord), nullptr) << i;
        words.push_back(pWord);
        const DWORD dwPage = i < 49 ? 0 : 1;
        EXPECT_EQ(static_cast<XC_Word_Fon*>(pWord)->GetTexture(), g_pJC_D3DFontObj->GetPage(dwPage)) << i;
        EXPECT_EQ(pWord->GetWidth(), 12.0f);
        EXPECT_EQ(pWord->GetHeight(), 14.0f);

        const float fU0 = i < 49 ? (i % 7) * 16 / 128.0f : 0.0f;
        const float fV0 = i < 49 ? (i / 7) * 16 / 128.0f : 0.0f;
        const float fU1 = fU0 + 12 / 128.0f, fV1 = fV0 + 14 / 128.0f;
        const std::array<VERTEX_XYZ_TEX1, 4> v = Vertices(pWord);
        const VERTEX_XYZ_TEX1 expected[4] = {
            {0, 14, 0, fU0, fV0}, {12, 14, 0, fU1, fV0}, {0, 0, 0, fU0, fV1}, {12, 0, 0, fU1, fV1}};
        for (int k = 0; k < 4; ++k) {
            EXPECT_FLOAT_EQ(v[k].x, expected[k].x) << i << " vertex " << k;
            EXPECT_FLOAT_EQ(v[k].y, expected[k].y) << i << " vertex " << k;
            EXPECT_FLOAT_EQ(v[k].u, expected[k].u) << i << " vertex " << k;
            EXPECT_FLOAT_EQ(v[k].v, expected[k].v) << i << " vertex " << k;
        }
    }
    EXPECT_EQ(g_pJC_D3DFontObj->GetPageCount(), 2u);
    for (XI_Word* pWord : words)
        pWord->Release();
    EXPECT_EQ(m_Font.GetResourceCount(), 0u); // no cache: released words go
    EXPECT_FALSE(m_Log.Contains("failed")) << m_Log.Text();
}

TEST_F(GlyphFileFont, OneAndTwoByteCharactersAndTheirReferences)
{
    ASSERT_EQ(m_Font.Init(20, "Arial", FontFile().c_str()), S_OK);
    DWORD dwLength = 0;
    XI_Word* const pA = m_Font.GetWord("AB", &dwLength);
    ASSERT_NE(pA, nullptr);
    EXPECT_EQ(dwLength, 1u);
    XI_Word* const pZhong = m_Font.GetWord("中文", &dwLength);
    ASSERT_NE(pZhong, nullptr);
    EXPECT_EQ(dwLength, 2u);
    EXPECT_STREQ(pZhong->GetName(), "中");

    EXPECT_EQ(m_Font.GetWord("A", nullptr), pA);
    EXPECT_EQ(pA->GetRef(), 2);
    // Characters are not folded as file names are.
    XI_Word* const pSmallA = m_Font.GetWord("a", nullptr);
    XI_Word* const pSlash = m_Font.GetWord("/", nullptr);
    XI_Word* const pBlank = m_Font.GetWord(" ", nullptr);
    EXPECT_NE(pSmallA, pA);
    EXPECT_STREQ(pSlash->GetName(), "/");
    ASSERT_NE(pBlank, nullptr);
    EXPECT_STREQ(pBlank->GetName(), " ");
    EXPECT_EQ(m_Font.GetResourceCount(), 5u);
    for (XI_Word* pWord : {pA, pA, pZhong, pSmallA, pSlash, pBlank})
        pWord->Release();
}

TEST_F(GlyphFileFont, TextsWithoutAWholeCharacterGiveNoWord)
{
    ASSERT_EQ(m_Font.Init(20, "Arial", FontFile().c_str()), S_OK);
    DWORD dwLength = 99;
    EXPECT_EQ(m_Font.GetWord(nullptr, &dwLength), nullptr);
    EXPECT_EQ(dwLength, 0u);
    EXPECT_TRUE(m_Log.Contains("GetWord Error , pWord == NULL"));
    EXPECT_EQ(m_Font.GetWord("\xA4", &dwLength), nullptr); // a lead byte alone
    EXPECT_EQ(dwLength, 2u);
    EXPECT_TRUE(m_Log.Contains("\r\nGetWord Error\r\n")) << m_Log.Text();
    EXPECT_EQ(m_Font.GetWord("", &dwLength), nullptr);
    // A code the glyph file has no entry for, and the code the table cannot hold.
    EXPECT_EQ(m_Font.GetWord("\xF9\xF9", nullptr), nullptr);
    EXPECT_TRUE(m_Log.Contains("GetWord error , hr 82103113"));
    EXPECT_EQ(m_Font.GetWord("\xFF\xFF", nullptr), nullptr);
    EXPECT_EQ(m_Font.GetResourceCount(), 0u);
}

TEST_F(GlyphFileFont, ReservedWordsStayInTheirOrderUntilCleared)
{
    ASSERT_EQ(m_Font.Init(20, "Arial", FontFile().c_str()), S_OK);
    ASSERT_EQ(m_Font.ReserveWord("B中A"), S_OK);
    EXPECT_EQ(m_Font.GetResourceCount(), 3u);
    // Built in the order of the text: B takes the first cell, A the third.
    XI_Word* const pA = m_Font.GetWord("A", nullptr);
    XI_Word* const pB = m_Font.GetWord("B", nullptr);
    EXPECT_FLOAT_EQ(Vertices(pB)[0].u, 0.0f);
    EXPECT_FLOAT_EQ(Vertices(pA)[0].u, 32 / 128.0f);
    EXPECT_EQ(pA->GetRef(), 2);

    ASSERT_EQ(m_Font.ClearReserveWord(), S_OK);
    EXPECT_EQ(pA->GetRef(), 1);
    EXPECT_EQ(m_Font.GetResourceCount(), 2u); // 中 was held by the reserve alone
    pA->Release();
    pB->Release();

    EXPECT_EQ(m_Font.ReserveWord(nullptr), E_FAIL);
    EXPECT_EQ(m_Font.ReserveWord("A\xA4"), E_FAIL); // ends inside a character
    EXPECT_TRUE(m_Log.Contains("( pWordObj ) failed"));
    ASSERT_EQ(m_Font.ClearReserveWord(), S_OK);
    EXPECT_EQ(m_Font.GetResourceCount(), 0u);
}

TEST_F(GlyphFileFont, OnlyOneFontHoldsTheRasteriser)
{
    ASSERT_EQ(m_Font.Init(20, "Arial", FontFile().c_str()), S_OK);
    JC_D3DFont* const pRasteriser = g_pJC_D3DFontObj;
    XI_Word* const pA = m_Font.GetWord("A", nullptr);
    {
        XC_D3DFont_Fon second;
        EXPECT_EQ(second.Init(20, "Arial", FontFile().c_str()), E_FAIL);
        EXPECT_TRUE(m_Log.Contains("XC_D3DFont_Fon物件 同時只能存在一個"));
        EXPECT_EQ(second.GetWord("B", nullptr), nullptr);
    }
    // The refused font took nothing of the first one's with it.
    EXPECT_EQ(m_Font.Init(20, "Arial", FontFile().c_str()), E_FAIL);
    EXPECT_EQ(g_pJC_D3DFontObj, pRasteriser);
    XI_Word* const pB = m_Font.GetWord("B", nullptr);
    ASSERT_NE(pB, nullptr);
    pB->Release();
    pA->Release();

    ASSERT_EQ(m_Font.Fini(), S_OK);
    EXPECT_EQ(g_pJC_D3DFontObj, nullptr);
    XC_D3DFont_Fon next;
    EXPECT_EQ(next.Init(20, "Arial", FontFile().c_str()), S_OK);
}

TEST_F(GlyphFileFont, FailedInitLeavesNoRasteriserAndFiniTakesEveryWord)
{
    EXPECT_EQ(m_Font.Init(20, "Arial", m_Folder.File("missing.fon").c_str()), JC_D3DFONT_E_FILE_OPEN);
    EXPECT_TRUE(m_Log.Contains("g_pJC_D3DFontObj->CreateFontA( m_D3DFontCreateInfoObj )"));
    EXPECT_EQ(g_pJC_D3DFontObj, nullptr);
    g_pVar->g_pD3DDevice = nullptr;
    EXPECT_EQ(m_Font.Init(20, "Arial", FontFile().c_str()), JC_D3DFONT_E_NO_DEVICE);
    EXPECT_TRUE(m_Log.Contains("g_pJC_D3DFontObj->Initiation( m_D3DFontInitiationInfoObj )"));
    EXPECT_EQ(g_pJC_D3DFontObj, nullptr);

    g_pVar->g_pD3DDevice = m_Device.Device();
    ASSERT_EQ(m_Font.Init(20, "Arial", FontFile().c_str()), S_OK);
    ASSERT_NE(m_Font.GetWord("A", nullptr), nullptr);
    // A word still held when the font ends is reported and goes with the pages.
    ASSERT_EQ(m_Font.Fini(), S_OK);
    EXPECT_TRUE(m_Log.Contains("XI_D3DFont 資源 A 未釋放 , ref = 1")) << m_Log.Text();
    EXPECT_EQ(m_Font.GetResourceCount(), 0u);
}

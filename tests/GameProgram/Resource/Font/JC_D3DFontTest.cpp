#include "GameProgram/Resource/Font/JC_D3DFont.h"

#include "tests/GameProgram/Resource/Font/GlyphFiles.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/ScopedTempFolder.h"
#include "tests/Support/TestDevice.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class GlyphFont : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_Device.IsReady()) << m_Device.Error(); }

    JS_D3DFontInitiationInfo Pages(DWORD dwSize, DWORD dwFormat = D3DFMT_A8R8G8B8, DWORD dwLimit = 0) const
    {
        JS_D3DFontInitiationInfo info;
        info.pDevice = m_Device.Device();
        info.dwFormat = dwFormat;
        info.dwWidth = info.dwHeight = dwSize;
        info.dwPageLimit = dwLimit;
        return info;
    }

    JS_D3DFontCreateInfo FromFile(const std::string& path, DWORD dwSize = 16) const
    {
        JS_D3DFontCreateInfo info;
        std::strcpy(info.szFileName, path.c_str());
        info.dwSize = dwSize;
        return info;
    }

    // The A8R8G8B8 texel at (x, y) of level 0 of a page.
    DWORD Texel(IDirect3DTexture9* pPage, int x, int y) const
    {
        D3DLOCKED_RECT locked;
        if (FAILED(pPage->LockRect(0, &locked, nullptr, D3DLOCK_READONLY)))
            return 0xDEADBEEF;
        const DWORD dwTexel = reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch)[x];
        pPage->UnlockRect(0);
        return dwTexel;
    }

    TestDevice m_Device;
    ScopedTempFolder m_Folder;
};

} // namespace

TEST_F(GlyphFont, InitiationRefusesBadRecords)
{
    JC_D3DFont font;
    struct Case { JS_D3DFontInitiationInfo info; HRESULT expected; };
    JS_D3DFontInitiationInfo noDevice = Pages(256);
    noDevice.pDevice = nullptr;
    JS_D3DFontInitiationInfo badWidth = Pages(256);
    badWidth.dwWidth = 100;
    JS_D3DFontInitiationInfo oneHigh = Pages(256);
    oneHigh.dwHeight = 1;
    const Case cases[] = {
        {noDevice, JC_D3DFONT_E_NO_DEVICE},
        {Pages(256, D3DFMT_X8R8G8B8), JC_D3DFONT_E_BAD_FORMAT},
        {badWidth, JC_D3DFONT_E_BAD_WIDTH},
        {oneHigh, JC_D3DFONT_E_BAD_HEIGHT},
        {Pages(2, D3DFMT_A4R4G4B4), S_OK},
    };
    for (const Case& c : cases)
        EXPECT_EQ(font.Initiation(c.info), c.expected);

    JC_D3DFont notInitiated;
    EXPECT_EQ(notInitiated.CreateFontA(JS_D3DFontCreateInfo()), JC_D3DFONT_E_NOT_INITIATED);
    JS_D3DFontWordInfo word;
    EXPECT_EQ(notInitiated.GetWord("A", 1, &word), JC_D3DFONT_E_NOT_CREATED);
}

TEST_F(GlyphFont, GlyphFileHeaderIsCheckedAndItsCellSizeWins)
{
    const std::string path = m_Folder.File("glyphs.fon");
    std::string file = MakeGlyphFile(16, "Kai", CodeRange(0x20, 0x60), 12, 14);
    ASSERT_TRUE(WriteTestFile(m_Folder.File("short.fon"), file.substr(0, 523)));
    ASSERT_TRUE(WriteTestFile(m_Folder.File("header.fon"), file.substr(0, 524)));
    ASSERT_TRUE(WriteTestFile(path, file));

    JC_D3DFont font;
    ASSERT_EQ(font.Initiation(Pages(128)), S_OK);
    EXPECT_EQ(font.CreateFontA(FromFile(m_Folder.File("missing.fon"))), JC_D3DFONT_E_FILE_OPEN);
    EXPECT_EQ(font.CreateFontA(FromFile(m_Folder.File("short.fon"))), JC_D3DFONT_E_FILE_SHORT);
    ASSERT_EQ(font.CreateFontA(FromFile(m_Folder.File("header.fon"), 20)), S_OK);
    EXPECT_EQ(font.GetCellSize(), 16u);
    EXPECT_STREQ(font.GetFaceName(), "Kai");
    EXPECT_EQ(font.CreateFontA(FromFile(path)), JC_D3DFONT_E_ALREADY_CREATED);
    JS_D3DFontWordInfo word;
    EXPECT_EQ(font.GetWord("A", 1, &word), JC_D3DFONT_E_NO_GLYPH); // the entry lies past the file's end
}

TEST_F(GlyphFont, CellSizesThatNoPageHoldsAreRefusedAtOpenWithAReport)
{
    struct Case { DWORD cell; HRESULT expected; };
    // 0xFFFFFFFF once passed as its cell + 1 wrapped to 0.
    const Case cases[] = {{0xFFFFFFFF, JC_D3DFONT_E_CELL_TOO_LARGE}, {0, JC_D3DFONT_E_CELL_TOO_LARGE},
                          {128, JC_D3DFONT_E_CELL_TOO_LARGE}, {127, S_OK}};
    for (const Case& c : cases) {
        std::string file = MakeGlyphFile(c.expected == S_OK ? c.cell : 16, "Kai", CodeRange(0, 1), 12, 14);
        std::memcpy(&file[516], &c.cell, 4);
        const std::string path = m_Folder.File("cell.fon");
        ASSERT_TRUE(WriteTestFile(path, file));
        ErrorLogCapture log;
        JC_D3DFont font;
        ASSERT_EQ(font.Initiation(Pages(128)), S_OK);
        EXPECT_EQ(font.CreateFontA(FromFile(path)), c.expected) << c.cell;
        EXPECT_EQ(log.Contains("cell.fon: cell size " + std::to_string(c.cell)), c.expected != S_OK) << log.Text();
        // The glyph of code 0 is answered either way, without throwing.
        JS_D3DFontWordInfo word;
        const char zero[2] = {};
        EXPECT_EQ(font.GetWord(zero, 1, &word), c.expected != S_OK ? JC_D3DFONT_E_NOT_CREATED : S_OK) << c.cell;
    }

    ErrorLogCapture log;
    JC_D3DFont font;
    ASSERT_EQ(font.Initiation(Pages(128)), S_OK);
    EXPECT_EQ(font.CreateFontA(FromFile(m_Folder.File("missing.fon"))), JC_D3DFONT_E_FILE_OPEN);
    EXPECT_TRUE(log.Contains("missing.fon: cannot be opened")) << log.Text();
    JS_D3DFontCreateInfo gdi;
    gdi.dwSize = 0xFFFFFFFF;
    EXPECT_EQ(font.CreateFontA(gdi), JC_D3DFONT_E_CELL_TOO_LARGE);
}

TEST_F(GlyphFont, GlyphsFillCellsRowByRowThenPageByPage)
{
    const std::string path = m_Folder.File("glyphs.fon");
    ASSERT_TRUE(WriteTestFile(path, MakeGlyphFile(16, "Kai", CodeRange(0x20, 0x20 + 60), 12, 14)));
    JC_D3DFont font;
    ASSERT_EQ(font.Initiation(Pages(128)), S_OK);
    ASSERT_EQ(font.CreateFontA(FromFile(path)), S_OK);

    // 128-texel pages of 16-texel cells hold 7 × 7 glyphs.
    JS_D3DFontWordInfo word;
    for (int i = 0; i < 50; ++i) {
        const char c = static_cast<char>(0x21 + i);
        ASSERT_EQ(font.GetWord(&c, 1, &word), S_OK) << i;
        EXPECT_EQ(word.dwPageIndex, i < 49 ? 0u : 1u) << i;
        EXPECT_EQ(word.dwX, i < 49 ? (i % 7) * 16u : 0u) << i;
        EXPECT_EQ(word.dwY, i < 49 ? (i / 7) * 16u : 0u) << i;
    }
    EXPECT_EQ(font.GetPageCount(), 2u);
    EXPECT_FLOAT_EQ(word.fU1 - word.fU0, 12.0f / 128.0f);
    EXPECT_FLOAT_EQ(word.fV1 - word.fV0, 14.0f / 128.0f);

    // Asking again builds nothing and gives the same glyph.
    JS_D3DFontWordInfo again;
    ASSERT_EQ(font.GetWord("!", 1, &again), S_OK);
    EXPECT_EQ(again.dwX, 0u);
    EXPECT_EQ(again.dwPageIndex, 0u);
    EXPECT_EQ(font.GetPageCount(), 2u);

    // Coverage becomes white with that alpha; outside the glyph stays clear.
    IDirect3DTexture9* pPage = font.GetPage(0);
    EXPECT_EQ(Texel(pPage, 0, 0), 0x21FFFFFFu);
    EXPECT_EQ(Texel(pPage, 16 + 3, 2), ((0x22u + 3 + 2) << 24) | 0xFFFFFF);
    EXPECT_EQ(Texel(pPage, 12, 0), 0u);
    EXPECT_EQ(Texel(pPage, 0, 14), 0u);
}

TEST_F(GlyphFont, PageLimitAndCodesWithoutAnEntry)
{
    const std::string path = m_Folder.File("glyphs.fon");
    ASSERT_TRUE(WriteTestFile(path, MakeGlyphFile(16, "Kai", CodeRange(0x20, 0x43), 40, 40)));
    JC_D3DFont font;
    ASSERT_EQ(font.Initiation(Pages(32, D3DFMT_A8R8G8B8, 2)), S_OK);
    ASSERT_EQ(font.CreateFontA(FromFile(path)), S_OK);
    JS_D3DFontWordInfo word;
    ASSERT_EQ(font.GetWord("A", 1, &word), S_OK);
    EXPECT_EQ(word.fWidth, 16.0f); // a glyph wider than its cell is clipped to it
    ASSERT_EQ(font.GetWord("B", 1, &word), S_OK);
    EXPECT_EQ(font.GetWord("C", 1, &word), JC_D3DFONT_E_PAGE_LIMIT);
    EXPECT_EQ(font.GetPageCount(), 2u);
    EXPECT_EQ(font.GetWord("D", 1, &word), JC_D3DFONT_E_NO_GLYPH); // past the file's end
    EXPECT_EQ(font.GetWord("\xFF\xFF", 2, &word), JC_D3DFONT_E_NO_GLYPH);
    EXPECT_EQ(font.GetWord("A", 3, &word), JC_D3DFONT_E_BAD_COUNT);
    EXPECT_EQ(font.GetWord(nullptr, 1, &word), JC_D3DFONT_E_BUILD_NULL_TEXT);
}

TEST_F(GlyphFont, GdiGlyphsOfBig5TextHaveCoverage)
{
    JC_D3DFont font;
    ASSERT_EQ(font.Initiation(Pages(64)), S_OK);
    JS_D3DFontCreateInfo info;
    std::strcpy(info.szFaceName, "標楷體");
    info.dwCharSet = CHINESEBIG5_CHARSET;
    info.dwSize = 24;
    info.dwColor = 0x000000; // black text still gets its coverage
    ASSERT_EQ(font.CreateFontA(info), S_OK);

    JS_D3DFontWordInfo word;
    ASSERT_EQ(font.GetWord("中", 2, &word), S_OK);
    EXPECT_GT(word.fWidth, 10.0f);
    int iCovered = 0;
    DWORD dwColorSeen = 0;
    for (int y = 0; y < static_cast<int>(word.fHeight); ++y)
        for (int x = 0; x < static_cast<int>(word.fWidth); ++x) {
            const DWORD dwTexel = Texel(word.pTexture, x, y);
            if (dwTexel >> 24) {
                ++iCovered;
                dwColorSeen |= dwTexel & 0xFFFFFF;
            }
        }
    EXPECT_GT(iCovered, 20);
    EXPECT_EQ(dwColorSeen, 0u);
}

TEST_F(GlyphFont, GdiGlyphOnANewPageShowsNothingOfTheOldOne)
{
    JC_D3DFont font;
    ASSERT_EQ(font.Initiation(Pages(32)), S_OK); // one 16-texel cell a page
    JS_D3DFontCreateInfo info;
    std::strcpy(info.szFaceName, "標楷體");
    info.dwCharSet = CHINESEBIG5_CHARSET;
    info.dwSize = 16;
    ASSERT_EQ(font.CreateFontA(info), S_OK);
    JS_D3DFontWordInfo wide, dot;
    ASSERT_EQ(font.GetWord("W", 1, &wide), S_OK);
    ASSERT_EQ(font.GetWord(".", 1, &dot), S_OK);
    ASSERT_EQ(dot.dwPageIndex, 1u);
    ASSERT_EQ(dot.dwX, 0u);
    // The top rows of the dot's cell are empty, where the W was drawn before.
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < static_cast<int>(dot.fWidth); ++x)
            EXPECT_EQ(Texel(dot.pTexture, x, y) >> 24, 0u) << x << "," << y;
}

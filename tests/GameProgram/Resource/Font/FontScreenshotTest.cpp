#include "GameProgram/Resource/Font/XC_D3DFont_Fon.h"
#include "GameProgram/Resource/Font/XC_TextureWord.h"

#include "tests/GameProgram/Resource/Font/GlyphFiles.h"
#include "tests/GameProgram/Resource/TextureManagerFixture.h"
#include "tests/Support/BitmapFile.h"
#include "tests/Support/InkBox.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

const DWORD CELL = 20;
const int GAP = 8;
// World units are pixels, the origin is the screen's centre, y is up.
const int SCREEN_CENTER_X = 400;
const int SCREEN_CENTER_Y = 300;

// A line of Big5 text drawn with the glyph-file font, and a picture word
// after it, on a black screen.
class FontScreenshotTest : public TextureManagerFixture
{
protected:
    void SetUp() override
    {
        TextureManagerFixture::SetUp();
        SetDrawingStates(m_Device.Device());
    }

    void TearDown() override
    {
        m_Font.Fini();
        TextureManagerFixture::TearDown();
    }

    static void SetDrawingStates(IDirect3DDevice9* pDevice)
    {
        D3DXMATRIX matIdentity, matProjection;
        D3DXMatrixIdentity(&matIdentity);
        D3DXMatrixOrthoLH(&matProjection, 800.0f, 600.0f, -10.0f, 10.0f);
        pDevice->SetTransform(D3DTS_VIEW, &matIdentity);
        pDevice->SetTransform(D3DTS_PROJECTION, &matProjection);
        pDevice->SetRenderState(D3DRS_LIGHTING, FALSE);
        pDevice->SetRenderState(D3DRS_ZENABLE, FALSE);
        pDevice->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
        pDevice->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
        pDevice->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
        pDevice->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
        pDevice->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
        pDevice->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
        pDevice->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1);
        pDevice->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
        pDevice->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_POINT);
        pDevice->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
        pDevice->SetSamplerState(0, D3DSAMP_MIPFILTER, D3DTEXF_NONE);
    }

    // Draws the words side by side from x = iPenX on the line y = 0 and
    // gives where each one's left edge fell on the screen.
    std::vector<int> DrawLine(const std::vector<XI_Word*>& words, int iPenX)
    {
        std::vector<int> lefts;
        for (XI_Word* pWord : words) {
            D3DXMATRIX matWorld;
            D3DXMatrixTranslation(&matWorld, static_cast<float>(iPenX), 0.0f, 0.0f);
            EXPECT_EQ(pWord->Render(&matWorld), D3D_OK);
            lefts.push_back(SCREEN_CENTER_X + iPenX);
            iPenX += static_cast<int>(pWord->GetWidth()) + GAP;
        }
        return lefts;
    }

    ScopedTempFolder m_Folder;
    XC_D3DFont_Fon m_Font;
};

std::uint32_t Red(std::uint32_t colour)
{
    return (colour >> 16) & 0xFF;
}

} // namespace

TEST_F(FontScreenshotTest, Big5LineThroughTheGlyphFont)
{
    const char* const szText = "遊戲開始";
    const std::string file = DrawGlyphFile(m_Device.Device(), CELL, "標楷體", szText);
    ASSERT_FALSE(file.empty());
    const std::string path = m_Folder.File("16_20.fon");
    ASSERT_TRUE(WriteTestFile(path, file));
    ASSERT_EQ(m_Font.Init(CELL, "Arial", path.c_str()), S_OK);

    std::vector<XI_Word*> words;
    std::vector<GlyphEntry> glyphs;
    for (const char* pChar = szText; *pChar != '\0';) {
        DWORD dwLength = 0;
        XI_Word* const pWord = m_Font.GetWord(pChar, &dwLength);
        ASSERT_NE(pWord, nullptr);
        words.push_back(pWord);
        glyphs.push_back(ReadGlyphEntry(file, CELL, static_cast<BYTE>(pChar[0]) * 256u + static_cast<BYTE>(pChar[1])));
        pChar += dwLength;
    }
    AddImage("mark.bmp", 0xFF0000, 16, 16);
    XC_Texture* const pMark = m_Manager.GetTexture("mark.bmp");
    XC_TextureWord* const pPicture = new XC_TextureWord;
    ASSERT_EQ(pPicture->SetTexture(pMark), S_OK);
    pMark->Release();
    words.push_back(pPicture);

    IDirect3DDevice9* const pDevice = m_Device.Device();
    pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0x00000000, 1.0f, 0);
    ASSERT_EQ(pDevice->BeginScene(), D3D_OK);
    const std::vector<int> lefts = DrawLine(words, -150);
    pDevice->EndScene();
    BitmapFile picture;
    ASSERT_TRUE(picture.Load(m_Device.SaveBackBuffer("FontScreenshot")));

    // Each glyph's pixels show its coverage, as the A4R4G4B4 page keeps it,
    // on the line's baseline.
    for (size_t i = 0; i < glyphs.size(); ++i) {
        const GlyphEntry& glyph = glyphs[i];
        ASSERT_EQ(glyph.dwHeight, CELL) << i;
        const int iTop = SCREEN_CENTER_Y - static_cast<int>(glyph.dwHeight);
        int iInk = 0, iWrong = 0;
        for (int y = 0; y < static_cast<int>(glyph.dwHeight); ++y)
            for (int x = 0; x < static_cast<int>(glyph.dwWidth); ++x) {
                const int iExpected = (glyph.At(x, y, CELL) >> 4) * 17;
                const int iRed = static_cast<int>(Red(picture.Pixel(lefts[i] + x, iTop + y)));
                iInk += iExpected >= 0x80;
                iWrong += std::abs(iRed - iExpected) > 20;
            }
        EXPECT_GT(iInk, 20) << "glyph " << i;
        EXPECT_EQ(iWrong, 0) << "glyph " << i;
    }
    // The gaps between the words, and above and below the line, stay black.
    for (size_t i = 0; i + 1 < words.size(); ++i) {
        const int iRight = lefts[i] + static_cast<int>(words[i]->GetWidth());
        EXPECT_TRUE(FindInk(picture, 0, iRight + 1, 250, lefts[i + 1] - 1, 350).bEmpty) << "gap " << i;
    }
    EXPECT_TRUE(FindInk(picture, 0, 0, 0, 800, SCREEN_CENTER_Y - static_cast<int>(CELL) - 1).bEmpty);
    EXPECT_TRUE(FindInk(picture, 0, 0, SCREEN_CENTER_Y + 1, 800, 600).bEmpty);
    // The picture word sits on the same baseline.
    EXPECT_EQ(picture.Pixel(lefts.back() + 8, SCREEN_CENTER_Y - 8), 0xFF0000u);
    EXPECT_EQ(picture.Pixel(lefts.back() + 8, SCREEN_CENTER_Y - 18), 0u);

    for (XI_Word* pWord : words)
        pWord->Release();
}

#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/Effect/XC_Effect.h"
#include "GameProgram/Effect/XC_EffectManager.h"
#include "GameProgram/Resource/Font/XC_D3DFont_Fon.h"
#include "GameProgram/Resource/Font/XC_TextureWord.h"
#include "GameProgram/Resource/VERTEX_XYZ_TEX1.h"

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
// The quad of the moving texture: 128 × 128 below the text.
const float QUAD_LEFT = -64.0f, QUAD_BOTTOM = -214.0f, QUAD_EDGE = 128.0f;

// On a black screen: a line of Big5 text drawn with the glyph-file font and
// a picture word after it, and below it a quad whose texture scrolls through
// an effect.
class TextAndEffectScreenshotTest : public TextureManagerFixture
{
protected:
    void SetUp() override
    {
        TextureManagerFixture::SetUp();
        SetDrawingStates(m_Device.Device());
        ASSERT_EQ(m_EffectManager.Init(&m_Pack), S_OK);
    }

    void TearDown() override
    {
        m_EffectManager.Fini();
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

    // The words of the text, with the glyph-file entries they come from.
    void MakeWords(const char* szText, const std::string& file)
    {
        for (const char* pChar = szText; *pChar != '\0';) {
            DWORD dwLength = 0;
            XI_Word* const pWord = m_Font.GetWord(pChar, &dwLength);
            ASSERT_NE(pWord, nullptr);
            m_Words.push_back(pWord);
            m_Glyphs.push_back(
                ReadGlyphEntry(file, CELL, static_cast<BYTE>(pChar[0]) * 256u + static_cast<BYTE>(pChar[1])));
            pChar += dwLength;
        }
    }

    // Draws the words side by side from x = iPenX on the line y = 0 and
    // gives where each one's left edge fell on the screen.
    std::vector<int> DrawLine(int iPenX)
    {
        std::vector<int> lefts;
        for (XI_Word* pWord : m_Words) {
            D3DXMATRIX matWorld;
            D3DXMatrixTranslation(&matWorld, static_cast<float>(iPenX), 0.0f, 0.0f);
            EXPECT_EQ(pWord->Render(&matWorld), D3D_OK);
            lefts.push_back(SCREEN_CENTER_X + iPenX);
            iPenX += static_cast<int>(pWord->GetWidth()) + GAP;
        }
        return lefts;
    }

    // The quad with texture coordinates 0 to 1, drawn inside the effect.
    void DrawEffectQuad(XC_Effect* pEffect)
    {
        const float x0 = QUAD_LEFT, x1 = QUAD_LEFT + QUAD_EDGE, y0 = QUAD_BOTTOM, y1 = QUAD_BOTTOM + QUAD_EDGE;
        const VERTEX_XYZ_TEX1 quad[4] = {{x0, y1, 0, 0, 0}, {x1, y1, 0, 1, 0}, {x0, y0, 0, 0, 1}, {x1, y0, 0, 1, 1}};
        IDirect3DDevice9* const pDevice = m_Device.Device();
        D3DXMATRIX matIdentity;
        D3DXMatrixIdentity(&matIdentity);
        pDevice->SetTransform(D3DTS_WORLD, &matIdentity);
        pDevice->SetFVF(VERTEX_XYZ_TEX1::FVF);
        ASSERT_EQ(pEffect->Activate(), S_OK);
        EXPECT_EQ(pDevice->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(VERTEX_XYZ_TEX1)), D3D_OK);
        pEffect->Deactivate();
    }

    BitmapFile DrawFrame(XC_Effect* pEffect, const std::string& name, std::vector<int>* pLefts)
    {
        IDirect3DDevice9* const pDevice = m_Device.Device();
        pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0x00000000, 1.0f, 0);
        BitmapFile picture;
        if (FAILED(pDevice->BeginScene()))
            return picture;
        *pLefts = DrawLine(-150);
        DrawEffectQuad(pEffect);
        pDevice->EndScene();
        EXPECT_TRUE(picture.Load(m_Device.SaveBackBuffer(name)));
        return picture;
    }

    // Each glyph's pixels show its coverage, as the A4R4G4B4 page keeps it,
    // on the line's baseline; the gaps between the words stay black.
    void CheckLine(const BitmapFile& picture, const std::vector<int>& lefts) const
    {
        for (size_t i = 0; i < m_Glyphs.size(); ++i) {
            const GlyphEntry& glyph = m_Glyphs[i];
            ASSERT_EQ(glyph.dwHeight, CELL) << i;
            const int iTop = SCREEN_CENTER_Y - static_cast<int>(glyph.dwHeight);
            int iInk = 0, iWrong = 0;
            for (int y = 0; y < static_cast<int>(glyph.dwHeight); ++y)
                for (int x = 0; x < static_cast<int>(glyph.dwWidth); ++x) {
                    const int iExpected = (glyph.At(x, y, CELL) >> 4) * 17;
                    const int iRed = static_cast<int>((picture.Pixel(lefts[i] + x, iTop + y) >> 16) & 0xFF);
                    iInk += iExpected >= 0x80;
                    iWrong += std::abs(iRed - iExpected) > 20;
                }
            EXPECT_GT(iInk, 20) << "glyph " << i;
            EXPECT_EQ(iWrong, 0) << "glyph " << i;
        }
        for (size_t i = 0; i + 1 < m_Words.size(); ++i) {
            const int iRight = lefts[i] + static_cast<int>(m_Words[i]->GetWidth());
            EXPECT_TRUE(FindInk(picture, 0, iRight + 1, 250, lefts[i + 1] - 1, 350).bEmpty) << "gap " << i;
        }
        EXPECT_TRUE(FindInk(picture, 0, 0, 0, 800, SCREEN_CENTER_Y - static_cast<int>(CELL) - 1).bEmpty);
        // The picture word sits on the same baseline.
        EXPECT_EQ(picture.Pixel(lefts.back() + 8, SCREEN_CENTER_Y - 8), 0xFF0000u);
        EXPECT_EQ(picture.Pixel(lefts.back() + 8, SCREEN_CENTER_Y - 18), 0u);
    }

    // The colours at the middles of the quad's four vertical quarters.
    static std::vector<std::uint32_t> QuadQuarters(const BitmapFile& picture)
    {
        const int iLeft = SCREEN_CENTER_X + static_cast<int>(QUAD_LEFT);
        const int iMiddleY = SCREEN_CENTER_Y - static_cast<int>(QUAD_BOTTOM + QUAD_EDGE / 2);
        std::vector<std::uint32_t> colours;
        for (int i = 0; i < 4; ++i)
            colours.push_back(picture.Pixel(iLeft + 16 + 32 * i, iMiddleY));
        return colours;
    }

    ScopedTempFolder m_Folder;
    XC_D3DFont_Fon m_Font;
    XC_EffectManager m_EffectManager;
    std::vector<XI_Word*> m_Words;
    std::vector<GlyphEntry> m_Glyphs;
};

} // namespace

TEST_F(TextAndEffectScreenshotTest, Big5LineAndScrollingTexture)
{
    const char* const szText = "遊戲開始";
    const std::string file = DrawGlyphFile(m_Device.Device(), CELL, "標楷體", szText);
    ASSERT_FALSE(file.empty());
    const std::string path = m_Folder.File("16_20.fon");
    ASSERT_TRUE(WriteTestFile(path, file));
    ASSERT_EQ(m_Font.Init(CELL, "Arial", path.c_str()), S_OK);
    MakeWords(szText, file);
    AddImage("mark.bmp", 0xFF0000, 16, 16);
    XC_Texture* const pMark = m_Manager.GetTexture("mark.bmp");
    XC_TextureWord* const pPicture = new XC_TextureWord;
    ASSERT_EQ(pPicture->SetTexture(pMark), S_OK);
    pMark->Release();
    m_Words.push_back(pPicture);

    // Left half red, right half blue, scrolled a quarter of the texture a second.
    m_Pack.Add("stripes.bmp", MakeBmp24(64, 64, [](int x, int) { return x < 32 ? 0xFF0000u : 0x0000FFu; }));
    m_Pack.Add("fx\\scroll.txt", "[SetTexture]\n{\na = 0 , stripes.bmp\n}\n"
                                 "[TextureSpecialEffect]\n{\nType = CheageUV\nfDeltaU = 0.25\n}\n");
    XC_Effect* const pEffect = m_EffectManager.GetEffect("fx\\scroll.txt");
    ASSERT_NE(pEffect, nullptr);

    std::vector<int> lefts;
    const BitmapFile first = DrawFrame(pEffect, "TextAndEffectScreenshot_1", &lefts);
    ASSERT_EQ(first.Width(), 800);
    CheckLine(first, lefts);
    EXPECT_EQ(QuadQuarters(first), (std::vector<std::uint32_t>{0xFF0000, 0xFF0000, 0x0000FF, 0x0000FF}));
    EXPECT_TRUE(FindInk(first, 0, 0, SCREEN_CENTER_Y + 1, 800, 385).bEmpty) << "between the line and the quad";

    // A second later u has moved by a quarter: the red half wraps round.
    g_pTimerManager->Update(1.0f);
    const BitmapFile second = DrawFrame(pEffect, "TextAndEffectScreenshot_2", &lefts);
    CheckLine(second, lefts);
    EXPECT_EQ(QuadQuarters(second), (std::vector<std::uint32_t>{0xFF0000, 0x0000FF, 0x0000FF, 0xFF0000}));

    pEffect->Release();
    for (XI_Word* pWord : m_Words)
        pWord->Release();
    EXPECT_FALSE(m_Log.Contains("failed")) << m_Log.Text();
}

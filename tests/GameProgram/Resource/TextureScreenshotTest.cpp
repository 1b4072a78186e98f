#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"
#include "GameProgram/Resource/XC_TextureList.h"

#include "tests/GameProgram/Resource/TextureManagerFixture.h"
#include "tests/Support/BitmapFile.h"

#include <cstdlib>
#include <string>

namespace {

// Both texture managers on one device, drawing in world units of one pixel
// with the origin at the screen's centre (400, 300) and y upwards.
class TextureScreenshotTest : public TextureManagerFixture
{
protected:
    void SetUp() override
    {
        TextureManagerFixture::SetUp();
        ASSERT_EQ(m_2DManager.Init(&m_Pack, 256, 16), S_OK);
        SetDrawingStates(m_Device.Device());
    }

    void TearDown() override
    {
        m_2DManager.Fini();
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

    static D3DXMATRIX At(float fX, float fY)
    {
        D3DXMATRIX matWorld;
        D3DXMatrixTranslation(&matWorld, fX, fY, 0.0f);
        return matWorld;
    }

    // Draws the frame and reads its picture back.
    BitmapFile DrawFrame(XC_Texture* pQuad, XC_2DTexture* pGlass, XC_Texture* pList, const std::string& name)
    {
        IDirect3DDevice9* const pDevice = m_Device.Device();
        pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0x00000000, 1.0f, 0);
        BitmapFile picture;
        if (FAILED(pDevice->BeginScene()))
            return picture;
        const D3DXMATRIX matQuad = At(0.0f, 0.0f), matGlass = At(0.0f, 50.0f), matList = At(-250.0f, 0.0f);
        EXPECT_EQ(pQuad->Render(&matQuad), D3D_OK);
        EXPECT_EQ(pGlass->Render(&matGlass), D3D_OK);
        EXPECT_EQ(pList->Render(&matList), D3D_OK);
        pDevice->EndScene();
        EXPECT_TRUE(picture.Load(m_Device.SaveBackBuffer(name)));
        return picture;
    }

    XC_2DTextureManager m_2DManager;
};

bool Near(std::uint32_t colour, std::uint32_t expected)
{
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(static_cast<int>((colour >> shift) & 0xFF) - static_cast<int>((expected >> shift) & 0xFF)) > 3)
            return false;
    }
    return true;
}

} // namespace

TEST_F(TextureScreenshotTest, QuadGlassAndTurningPage)
{
    // A 200 × 100 quad, red on the left and blue on the right; half
    // transparent white glass of 60 × 60 over its top edge; a list of two
    // 40 × 40 pages, cyan then yellow, every 0.1 s.
    m_Pack.Add("quad.bmp", MakeBmp24(200, 100, [](int x, int) { return x < 100 ? 0xFF0000u : 0x0000FFu; }));
    m_Pack.Add("glass.dds", MakeDdsA8R8G8B8(60, 60, Solid(0x80FFFFFF)));
    m_Pack.Add("cyan.bmp", MakeBmp24(40, 40, Solid(0x00FFFF)));
    m_Pack.Add("yellow.bmp", MakeBmp24(40, 40, Solid(0xFFFF00)));
    m_Pack.Add("fx\\turn.tl", "[Sys]\n{\nfFrameTime = 0.1\n[List]\n{\na = cyan.bmp\nb = yellow.bmp\n}\n}\n");
    XC_Texture* const pQuad = m_Manager.GetTexture("quad.bmp");
    XC_2DTexture* const pGlass = m_2DManager.GetTexture("glass.dds");
    XC_Texture* const pList = m_Manager.GetTexture("fx/turn.tl");
    ASSERT_STREQ(pQuad->GetName(), "quad.bmp");
    ASSERT_STREQ(pGlass->GetName(), "glass.dds");
    ASSERT_NE(dynamic_cast<XC_TextureList*>(pList), nullptr);

    const BitmapFile first = DrawFrame(pQuad, pGlass, pList, "TextureScreenshot_1");
    ASSERT_EQ(first.Width(), 800);
    struct Probe { int x; int y; std::uint32_t colour; const char* szWhat; };
    const Probe probes[] = {
        {320, 330, 0xFF0000, "quad, left"}, {480, 330, 0x0000FF, "quad, right"},
        {302, 348, 0xFF0000, "quad, bottom left corner"}, {497, 252, 0x0000FF, "quad, top right corner"},
        {295, 300, 0x000000, "left of the quad"}, {400, 355, 0x000000, "below the quad"},
        {385, 235, 0x808080, "glass over the background"}, {385, 265, 0xFF8080, "glass over red"},
        {415, 265, 0x8080FF, "glass over blue"}, {400, 215, 0x000000, "above the glass"},
        {150, 300, 0x00FFFF, "first page"}, {125, 300, 0x000000, "left of the page"},
    };
    for (const Probe& p : probes)
        EXPECT_TRUE(Near(first.Pixel(p.x, p.y), p.colour)) << p.szWhat << ": " << std::hex << first.Pixel(p.x, p.y);

    g_pTimerManager->Update(0.06f);
    EXPECT_TRUE(Near(DrawFrame(pQuad, pGlass, pList, "TextureScreenshot_2").Pixel(150, 300), 0x00FFFF))
        << "0.06 s: still the first page";
    g_pTimerManager->Update(0.06f);
    const BitmapFile third = DrawFrame(pQuad, pGlass, pList, "TextureScreenshot_3");
    EXPECT_TRUE(Near(third.Pixel(150, 300), 0xFFFF00)) << "0.12 s: the second page " << std::hex << third.Pixel(150, 300);
    EXPECT_TRUE(Near(third.Pixel(320, 330), 0xFF0000));

    pQuad->Release();
    pGlass->Release();
    pList->Release();
}

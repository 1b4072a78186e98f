#include "GameProgram/D3DCommon/XF_D3DCommon.h"
#include "GameProgram/Resource/XC_TextureList.h"

#include "tests/GameProgram/Resource/TextureManagerFixture.h"
#include "tests/Support/RecordingDevice.h"

namespace {

class TextureManagerTest : public TextureManagerFixture
{
protected:
    D3DFORMAT FormatOf(const XC_Texture* pTexture) const
    {
        D3DSURFACE_DESC desc = {};
        pTexture->GetTexture()->GetLevelDesc(0, &desc);
        return desc.Format;
    }

    DWORD TexelOf(const XC_Texture* pTexture, float fU, float fV) const
    {
        DWORD dwColor = 0xDEADBEEF;
        XF_GetPixelColorFromTexture(pTexture->GetTexture(), fU, fV, &dwColor);
        return dwColor;
    }
};

} // namespace

TEST_F(TextureManagerTest, OneNameGivesOneTextureCounted)
{
    AddImage("tex\\a.bmp", 0xFF0000);
    XC_Texture* const pFirst = m_Manager.GetTexture("Tex/A.BMP");
    XC_Texture* const pSecond = m_Manager.GetTexture("tex\\a.bmp");
    ASSERT_NE(pFirst, nullptr);
    EXPECT_EQ(pFirst, pSecond);
    EXPECT_EQ(pFirst->GetRef(), 2);
    EXPECT_STREQ(pFirst->GetName(), "tex\\a.bmp");
    EXPECT_EQ(m_Pack.Requests(), std::vector<std::string>{"tex\\a.bmp"}) << "loaded once, by its normalised name";
    EXPECT_NE(pFirst->GetTexture(), nullptr);

    pFirst->Release();
    pSecond->Release();
    EXPECT_EQ(m_Manager.GetResourceCount(), 0u) << "cache size 0: deleted at the last release";
}

TEST_F(TextureManagerTest, NamesThatCannotBeHadFallBackToTheErrorPicture)
{
    AddImage("error.bmp", 0xFF00FF);
    AddImage("other.bmp", 0x0000FF);
    // Upper-case ".TL" is no texture list: the text is read as an image and fails.
    m_Pack.Add("water.TL", "[Sys]\n{\n[List]\n{\na = other.bmp\n}\n}\n");

    XC_Texture* const pMissing = m_Manager.GetTexture("missing.bmp");
    ASSERT_NE(pMissing, nullptr);
    EXPECT_STREQ(pMissing->GetName(), "error.bmp");
    EXPECT_TRUE(m_Log.Contains("XC_TextureManager::CreateObjct\n\t讀取檔案失敗 missing.bmp"));
    EXPECT_TRUE(m_Log.Contains("LoadResource Error , missing.bmp"));

    XC_Texture* const pUpperList = m_Manager.GetTexture("water.TL");
    EXPECT_EQ(pUpperList, pMissing);
    EXPECT_EQ(dynamic_cast<XC_TextureList*>(pUpperList), nullptr);

    const int iErrorRequests = m_Pack.RequestCount("error.bmp");
    EXPECT_EQ(m_Manager.GetTextureOrDefault("missing.bmp", nullptr), nullptr);
    EXPECT_EQ(m_Pack.RequestCount("error.bmp"), iErrorRequests) << "no default: no error picture either";

    XC_Texture* const pDefault = m_Manager.GetTextureOrDefault("missing.bmp", "other.bmp");
    ASSERT_NE(pDefault, nullptr);
    EXPECT_STREQ(pDefault->GetName(), "other.bmp");
    XC_Texture* const pDefaultMissing = m_Manager.GetTextureOrDefault("missing.bmp", "missing2.bmp");
    EXPECT_EQ(pDefaultMissing, pMissing) << "the default name has its own fallback";

    for (XC_Texture* pTexture : {pMissing, pUpperList, pDefault, pDefaultMissing})
        pTexture->Release();
    m_Pack.Remove("error.bmp");
    EXPECT_EQ(m_Manager.GetTexture("missing.bmp"), nullptr);
    EXPECT_EQ(m_Manager.GetTexture(nullptr), nullptr);
}

TEST_F(TextureManagerTest, FormatFollowsTheFilesAlphaAndGreenIsTransparent)
{
    // A 24-bit image with a pure green left column.
    m_Pack.Add("rgb.bmp", MakeBmp24(100, 60, [](int x, int) { return x == 0 ? 0x00FF00u : 0xFF0000u; }));
    m_Pack.Add("argb.dds", MakeDdsA8R8G8B8(8, 4, Solid(0x80336699)));

    XC_Texture* const pRgb = m_Manager.GetTexture("rgb.bmp");
    ASSERT_NE(pRgb, nullptr);
    ASSERT_STREQ(pRgb->GetName(), "rgb.bmp");
    EXPECT_EQ(FormatOf(pRgb), D3DFMT_A1R5G5B5);
    EXPECT_EQ(pRgb->GetWidth(), 100.0f);
    EXPECT_EQ(pRgb->GetHeight(), 60.0f);
    D3DSURFACE_DESC desc = {};
    ASSERT_EQ(pRgb->GetTexture()->GetLevelDesc(0, &desc), D3D_OK);
    EXPECT_EQ(pRgb->GetTextureWidth(), static_cast<float>(desc.Width));
    EXPECT_EQ(pRgb->GetTextureHeight(), static_cast<float>(desc.Height));
    EXPECT_GE(desc.Width, 100u);
    EXPECT_GE(desc.Height, 60u);
    EXPECT_GT(pRgb->GetTexture()->GetLevelCount(), 1u) << "a full mip chain";
    EXPECT_EQ(TexelOf(pRgb, 0.0f, 0.5f) >> 24, 0u) << "pure green is keyed out";
    EXPECT_EQ(TexelOf(pRgb, 0.5f, 0.5f), 0xFFFF0000u);

    XC_Texture* const pArgb = m_Manager.GetTexture("argb.dds");
    ASSERT_NE(pArgb, nullptr);
    ASSERT_STREQ(pArgb->GetName(), "argb.dds");
    EXPECT_EQ(FormatOf(pArgb), D3DFMT_A8R8G8B8);
    EXPECT_EQ(TexelOf(pArgb, 0.5f, 0.5f), 0x80336699u);

    pRgb->Release();
    pArgb->Release();
}

TEST_F(TextureManagerTest, HitTestAgainstTheQuadAndItsTexels)
{
    // 4 × 2 pixels: the left half white with alpha 0, the right half black with alpha 1.
    m_Pack.Add("half.dds", MakeDdsA8R8G8B8(4, 2, [](int x, int) { return x < 2 ? 0x00FFFFFFu : 0x01000000u; }));
    XC_Texture* const pTexture = m_Manager.GetTexture("half.dds");
    ASSERT_NE(pTexture, nullptr);
    ASSERT_STREQ(pTexture->GetName(), "half.dds");

    // Drawn 4 × 2 around (10, 20): x from 8 to 12, y from 21 down to 19.
    D3DXMATRIX matWorld;
    D3DXMatrixTranslation(&matWorld, 10.0f, 20.0f, 0.0f);
    const D3DXVECTOR3 vDirection(0.0f, 0.0f, 1.0f);
    struct Case { float fX; float fY; HRESULT hrQuad; HRESULT hrAlpha; bool bDistance; };
    const Case cases[] = {
        {10.0f, 20.0f, 1, 1, true},            // the centre: u = v = 0.25, texel (0.5, 0.5)
        {9.0f, 20.5f, 1, E_FAIL, true},        // a texel of alpha 0
        {11.5f, 19.5f, 1, 1, true},            // alpha 1 is enough
        {12.0f, 19.0f, 1, 1, true},            // the bottom right corner is inside
        {13.0f, 20.0f, 0, 0, true},            // in the covering triangle, right of the quad
        {9.0f, 18.0f, 0, 0, true},             // below the quad
        {7.0f, 20.0f, 0, 0, false},            // beside everything
    };
    for (const Case& c : cases) {
        const D3DXVECTOR3 vOrigin(c.fX, c.fY, -10.0f);
        float fDistance = -1.0f;
        EXPECT_EQ(pTexture->HitTest(&vOrigin, &vDirection, &matWorld, FALSE, &fDistance), c.hrQuad)
            << c.fX << "," << c.fY;
        EXPECT_EQ(pTexture->HitTest(&vOrigin, &vDirection, &matWorld, TRUE, nullptr), c.hrAlpha)
            << c.fX << "," << c.fY;
        EXPECT_FLOAT_EQ(fDistance, c.bDistance ? 10.0f : -1.0f) << c.fX << "," << c.fY;
    }
    pTexture->Release();
}

TEST_F(TextureManagerTest, FailedCreationIsReportedAndGivesItsCode)
{
    AddImage("a.bmp", 0xFF0000);
    // The image reads, but a device that refuses everything cannot make its texture.
    RecordingDevice refusing;
    g_pVar->g_pD3DDevice = &refusing;
    XC_Resource* pResource = nullptr;
    const HRESULT hr = m_Manager.CreateObjct("a.bmp", &pResource);
    g_pVar->g_pD3DDevice = m_Device.Device();
    EXPECT_TRUE(FAILED(hr));
    EXPECT_EQ(pResource, nullptr);
    EXPECT_TRUE(m_Log.Contains("D3DXCreateTextureFromFileInMemoryEx a.bmp , hr = "));

    m_Pack.Add("text.bmp", "not an image");
    EXPECT_EQ(m_Manager.CreateObjct("text.bmp", &pResource), E_FAIL);
    EXPECT_TRUE(m_Log.Contains("D3DXGetImageInfoFromFileInMemory text.bmp , hr = "));
}

TEST(XC_TextureManager, PreconditionsAreReported)
{
    ErrorLogCapture log;
    XC_TextureManager manager;
    EXPECT_STREQ(manager.GetManagerName(), "XC_TextureManager");
    EXPECT_EQ(manager.Init(nullptr), E_FAIL);
    EXPECT_TRUE(log.Contains("( pPackFile ) failed"));

    MemoryPackFile pack;
    g_pVar->g_pD3DDevice = nullptr;
    EXPECT_EQ(manager.Init(&pack), E_FAIL) << "no device";
    EXPECT_TRUE(log.Contains("( g_pVar->g_pD3DDevice ) failed"));

    const D3DXMATRIX matIdentity(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    EXPECT_EQ(manager.RenderTexture(nullptr, &matIdentity), E_FAIL);
    EXPECT_TRUE(log.Contains("( pTexture ) failed"));
    XC_Texture loose;
    EXPECT_EQ(loose.Render(&matIdentity), E_FAIL);
    EXPECT_TRUE(log.Contains("( m_pTextureManager ) failed"));
    EXPECT_EQ(manager.Fini(), S_OK);
}

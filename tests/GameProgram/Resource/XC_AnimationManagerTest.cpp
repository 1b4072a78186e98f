#include "GameProgram/Resource/XC_AnimationManager.h"

#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/Resource/Music/XC_SoundManager.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"

#include "tests/GameProgram/Resource/FakeMusicManager.h"
#include "tests/GameProgram/Resource/ImageFiles.h"
#include "tests/Support/MemoryPackFile.h"
#include "tests/GameProgram/Resource/Music/NoAudioDevice.h"
#include "tests/Support/BitmapFile.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/TestDevice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// An animation file: the page count, a header line, then per page a page
// line with its picture lines, each picture showing the named image.
std::string AntFile(int iPages, const std::string& sound, const std::string& image, int iPicsPerPage)
{
    std::string text = std::to_string(iPages) + "\nheader\n";
    for (int page = 0; page < iPages; ++page) {
        text += "100 " + std::to_string(page) + " 0 " + sound + " " + std::to_string(iPicsPerPage) + " 0 0 0 50\n";
        for (int pic = 0; pic < iPicsPerPage; ++pic)
            text += image + " 1 1 0 0 0 1 0 0 0 1 0 0 0 4 4 0 0 0 ffffffff\n";
    }
    return text;
}

// The animation manager over a memory pack file, a 2D texture manager on a
// real device and a music manager that notes names.
class AnimationManager : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Device.IsReady()) << m_Device.Error();
        g_pVar->g_pD3DDevice = m_Device.Device();
        ASSERT_EQ(m_2DTextureManager.Init(&m_Pack, 256, 16), S_OK);
        ASSERT_EQ(m_Manager.Init(&m_Pack, &m_2DTextureManager, &m_MusicManager), S_OK);
        m_Pack.Add("error.ant", AntFile(1, "-1", "error.bmp", 1));
        m_Pack.Add("error.bmp", MakeBmp24(8, 8, Solid(0xFF00FF)));
        m_Pack.Add("a.bmp", MakeBmp24(8, 8, Solid(0xFF0000)));
    }

    void TearDown() override
    {
        m_Manager.Fini();
        m_2DTextureManager.Fini();
        g_pVar->g_pD3DDevice = nullptr;
    }

    TestDevice m_Device;
    ErrorLogCapture m_Log;
    MemoryPackFile m_Pack;
    XC_2DTextureManager m_2DTextureManager;
    FakeMusicManager m_MusicManager;
    XC_AnimationManager m_Manager;
};

bool Near(std::uint32_t colour, std::uint32_t expected)
{
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(static_cast<int>((colour >> shift) & 0xFF) - static_cast<int>((expected >> shift) & 0xFF)) > 3)
            return false;
    }
    return true;
}

// Draws a page as the animation drawable does, at the world's origin: each
// picture's texture under its matrix, inside its state set. One world unit
// is one pixel, the origin at the screen's centre (400, 300), y upwards.
BitmapFile DrawPage(IDirect3DDevice9* pDevice, const TestDevice& device, XC_AnimationPage* pPage)
{
    D3DXMATRIX matIdentity, matProjection;
    D3DXMatrixIdentity(&matIdentity);
    D3DXMatrixOrthoLH(&matProjection, 800.0f, 600.0f, -10.0f, 10.0f);
    pDevice->SetTransform(D3DTS_VIEW, &matIdentity);
    pDevice->SetTransform(D3DTS_PROJECTION, &matProjection);
    pDevice->SetRenderState(D3DRS_LIGHTING, FALSE);
    pDevice->SetRenderState(D3DRS_ZENABLE, FALSE);
    pDevice->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    pDevice->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_POINT);
    pDevice->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
    pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0x00000000, 1.0f, 0);
    BitmapFile picture;
    if (FAILED(pDevice->BeginScene()))
        return picture;
    for (DWORD i = 0; i < pPage->GetPicCount(); ++i) {
        XC_AnimationPic* const pPic = pPage->GetPic(i);
        EXPECT_EQ(pPic->CheckTextureExist(), S_OK);
        EXPECT_EQ(pPic->m_SetDirectState.Activate(), S_OK);
        EXPECT_EQ(pPic->m_p2DTextureObj->Render(&pPic->m_matPic), D3D_OK);
        pPic->m_SetDirectState.Deactivate();
    }
    pDevice->EndScene();
    EXPECT_TRUE(picture.Load(device.SaveBackBuffer("AnimationPicture")));
    return picture;
}

} // namespace

TEST_F(AnimationManager, ReadsPagesPicturesAndSounds)
{
    m_Pack.Add("fx\\hit.ant", AntFile(3, "hit.wav", "a.bmp", 2));
    XC_AnimationObject* const pAnimation = m_Manager.GetAnimation("FX/Hit.ant");
    ASSERT_NE(pAnimation, nullptr);
    EXPECT_STREQ(pAnimation->GetName(), "fx\\hit.ant");
    ASSERT_EQ(pAnimation->GetPageCount(), 3u);
    const XC_AnimationPage* const pPage = pAnimation->GetPage(2);
    EXPECT_EQ(pPage->m_iPageValue, 2);
    EXPECT_EQ(pPage->GetPicCount(), 2u);
    EXPECT_NE(pPage->m_pMusicObj, nullptr);
    EXPECT_EQ(m_MusicManager.Requests(), std::vector<std::string>(3, "hit.wav"));
    XC_Resource* const pSound = m_MusicManager.FindResource("hit.wav");
    ASSERT_NE(pSound, nullptr);
    EXPECT_EQ(pSound->GetRef(), 4); // three pages and this look
    pSound->Release();
    pAnimation->Release();
    EXPECT_EQ(m_Manager.GetResourceCount(), 0u); // no cache: destroyed with its last reference
    EXPECT_EQ(m_MusicManager.FindResource("hit.wav"), nullptr);
    EXPECT_EQ(m_Log.Text(), "");
}

TEST_F(AnimationManager, MissingOrBrokenFilesGiveErrorAnt)
{
    m_Pack.Add("broken.ant", "1\nheader\n100 0 0 -1 1 0 0 0 1\na.bmp 1 1 0 0 0 1 0 0 0 1 0 0 4 4 0 0 0 ff\n");
    m_Pack.Add("other.ant", AntFile(2, "-1", "a.bmp", 1));
    XC_AnimationObject* const pError = m_Manager.GetAnimation("error.ant");
    ASSERT_NE(pError, nullptr);
    const struct { const char* szName; const char* szDefault; const char* szExpected; } cases[] = {
        {"missing.ant", nullptr, "error.ant"},
        {"broken.ant", nullptr, "error.ant"},
        {"missing.ant", "other.ant", "other.ant"},
        {"missing.ant", "missing2.ant", "error.ant"},
    };
    for (const auto& c : cases) {
        XC_AnimationObject* const pAnimation = m_Manager.GetAnimationOrDefault(c.szName, c.szDefault);
        ASSERT_NE(pAnimation, nullptr) << c.szName;
        EXPECT_STREQ(pAnimation->GetName(), c.szExpected) << c.szName;
        pAnimation->Release();
    }
    EXPECT_TRUE(m_Log.Contains("XC_AnimationManager::CreateObjct\r\n讀取檔案失敗 \"missing.ant\""));
    EXPECT_TRUE(m_Log.Contains("ANI::LoadPic錯誤"));
    EXPECT_TRUE(m_Log.Contains("LoadResource Error , broken.ant"));
    pError->Release();

    m_Pack.Remove("error.ant");
    EXPECT_EQ(m_Manager.GetAnimation("missing.ant"), nullptr);
}

TEST_F(AnimationManager, InitNeedsAllThreeAndDropsEveryAnimation)
{
    XC_AnimationObject* const pHeld = m_Manager.GetAnimation("error.ant");
    ASSERT_NE(pHeld, nullptr);
    EXPECT_EQ(m_Manager.Init(&m_Pack, &m_2DTextureManager, &m_MusicManager), S_OK);
    EXPECT_EQ(m_Manager.GetResourceCount(), 0u);
    EXPECT_TRUE(m_Log.Contains("XC_AnimationManager 資源 error.ant 未釋放 , ref = 1"));

    const struct { XI_PackFile* pPack; XC_2DTextureManager* p2D; XI_MusicManager* pMusic; const char* szReport; }
        cases[] = {
            {nullptr, &m_2DTextureManager, &m_MusicManager, "( pPackFile ) failed"},
            {&m_Pack, nullptr, &m_MusicManager, "( p2DTextureManager ) failed"},
            {&m_Pack, &m_2DTextureManager, nullptr, "( pMusicManager ) failed"},
        };
    for (const auto& c : cases) {
        EXPECT_EQ(m_Manager.Init(c.pPack, c.p2D, c.pMusic), E_FAIL) << c.szReport;
        EXPECT_TRUE(m_Log.Contains(c.szReport)) << c.szReport;
        EXPECT_EQ(m_Manager.GetAnimation("error.ant"), nullptr) << "keeps none of them";
    }
}

TEST_F(AnimationManager, PicturesWaitForTheirTexturesAndLoadInBatches)
{
    m_Pack.Add("three.ant", AntFile(3, "-1", "a.bmp", 2));
    const DWORD dwBefore = XC_AnimationPic::GetUnloadPicCount();
    XC_AnimationObject* const pAnimation = m_Manager.GetAnimation("three.ant");
    ASSERT_NE(pAnimation, nullptr);
    EXPECT_EQ(XC_AnimationPic::GetUnloadPicCount(), dwBefore + 6);
    EXPECT_EQ(m_2DTextureManager.GetResourceCount(), 0u) << "reading loads no texture";

    EXPECT_EQ(XC_AnimationPic::LoadAnimationPic(4), S_OK);
    EXPECT_EQ(XC_AnimationPic::GetUnloadPicCount(), dwBefore + 2);
    DWORD dwLoaded = 0;
    for (DWORD page = 0; page < 3; ++page) {
        for (DWORD pic = 0; pic < 2; ++pic) {
            const XC_AnimationPic* const pPic = pAnimation->GetPage(page)->GetPic(pic);
            EXPECT_EQ(pPic->m_p2DTextureObj != nullptr, pPic->m_bLoadedTexture == TRUE);
            dwLoaded += pPic->m_bLoadedTexture ? 1 : 0;
        }
    }
    EXPECT_EQ(dwLoaded, 4u);

    // Drawing checks a picture: loaded once, then left alone.
    XC_AnimationPic* const pFirst = pAnimation->GetPage(0)->GetPic(0);
    EXPECT_EQ(pFirst->CheckTextureExist(), S_OK);
    XC_2DTexture* const pTexture = pFirst->m_p2DTextureObj;
    EXPECT_EQ(pFirst->CheckTextureExist(), S_OK);
    EXPECT_EQ(pFirst->m_p2DTextureObj, pTexture);

    pAnimation->Release(); // destroyed before the last two were loaded
    EXPECT_EQ(XC_AnimationPic::GetUnloadPicCount(), dwBefore);
    EXPECT_EQ(m_Log.Text(), "");
}

TEST_F(AnimationManager, BatchLoadingEndsWhenNoTextureCanBeHad)
{
    m_Pack.Remove("error.bmp");
    m_Pack.Add("two.ant", AntFile(1, "-1", "missing.bmp", 2));
    const DWORD dwBefore = XC_AnimationPic::GetUnloadPicCount();
    XC_AnimationObject* const pAnimation = m_Manager.GetAnimation("two.ant");
    ASSERT_NE(pAnimation, nullptr);
    EXPECT_EQ(XC_AnimationPic::LoadAnimationPicAll(), E_FAIL);
    EXPECT_EQ(XC_AnimationPic::LoadAnimationPic(5), E_FAIL);
    EXPECT_EQ(XC_AnimationPic::GetUnloadPicCount(), dwBefore + 2);
    EXPECT_TRUE(m_Log.Contains("( pAnimationPic->CheckTextureExist() ) failed , hr = 80004005 "));

    // With "error.bmp" back every picture gets it.
    m_Pack.Add("error.bmp", MakeBmp24(8, 8, Solid(0xFF00FF)));
    EXPECT_EQ(XC_AnimationPic::LoadAnimationPicAll(), S_OK);
    EXPECT_EQ(XC_AnimationPic::GetUnloadPicCount(), 0u);
    EXPECT_STREQ(pAnimation->GetPage(0)->GetPic(1)->m_p2DTextureObj->GetName(), "error.bmp");
    pAnimation->Release();
}

// The sound manager of a machine without a sound device still serves the
// animations: pages get silent sounds.
TEST_F(AnimationManager, PagesGetSilentSoundsWithoutAnAudioDevice)
{
    if (!IsWithoutAudioDevice()) {
        EXPECT_TRUE(RunCurrentTestWithoutAudioDevice());
        return;
    }
    XC_SoundManager soundManager;
    ASSERT_EQ(soundManager.Init(m_Device.Window(), "Wave\\"), S_FALSE);
    ASSERT_EQ(m_Manager.Init(&m_Pack, &m_2DTextureManager, &soundManager), S_OK);
    m_Pack.Add("hit.ant", AntFile(2, "hit.wav", "a.bmp", 1));
    XC_AnimationObject* const pAnimation = m_Manager.GetAnimation("hit.ant");
    ASSERT_NE(pAnimation, nullptr);
    EXPECT_STREQ(pAnimation->GetName(), "hit.ant");
    XI_MusicObj* const pSound = pAnimation->GetPage(1)->m_pMusicObj;
    ASSERT_NE(pSound, nullptr);
    EXPECT_EQ(pSound->Play(), S_OK);
    pAnimation->Release();
    m_Manager.Fini();
    EXPECT_EQ(soundManager.Fini(), S_OK);
}

TEST_F(AnimationManager, PicturesDrawUnderTheirMatrixAndBlending)
{
    // A red square of 40 doubled in size left of the centre; half-transparent
    // white, blended, over its right part and alone right of the centre.
    m_Pack.Add("red.bmp", MakeBmp24(40, 40, Solid(0xFF0000)));
    m_Pack.Add("glass.dds", MakeDdsA8R8G8B8(40, 40, Solid(0x80FFFFFF)));
    m_Pack.Add("show.ant", "1\nheader\n100 0 0 -1 3 0 0 0 100\n"
                           "red.bmp 1 2 0 0 0 2 0 0 0 1 -100 0 0 4 4 0 0 0 ffffffff\n"
                           "glass.dds 1 1 0 0 0 1 0 0 0 1 -70 0 0 4 4 1 5 6 ffffffff\n"
                           "glass.dds 1 1 0 0 0 1 0 0 0 1 100 0 0 4 4 1 5 6 ffffffff\n");
    XC_AnimationObject* const pAnimation = m_Manager.GetAnimation("show.ant");
    ASSERT_NE(pAnimation, nullptr);
    ASSERT_STREQ(pAnimation->GetName(), "show.ant");
    XC_AnimationPage* const pPage = pAnimation->GetPage(0);
    EXPECT_EQ(pPage->m_bAlphaBlend, TRUE);

    const BitmapFile picture = DrawPage(m_Device.Device(), m_Device, pPage);
    ASSERT_EQ(picture.Width(), 800);
    struct Probe { int x; int y; std::uint32_t colour; const char* szWhat; };
    const Probe probes[] = {
        {265, 300, 0xFF0000, "red, left edge"}, {300, 338, 0xFF0000, "red, bottom edge"},
        {255, 300, 0x000000, "left of the red"}, {300, 345, 0x000000, "below the red"},
        {330, 300, 0xFF8080, "glass over red"}, {500, 300, 0x808080, "glass alone"},
        {400, 300, 0x000000, "between them"},
    };
    for (const Probe& p : probes)
        EXPECT_TRUE(Near(picture.Pixel(p.x, p.y), p.colour)) << p.szWhat << ": " << std::hex << picture.Pixel(p.x, p.y);
    pAnimation->Release();
    EXPECT_EQ(m_Log.Text(), "");
}

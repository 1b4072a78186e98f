#include "GameProgram/Common/XC_ErrorLog.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/D3DCommon/XC_MyD3DApplication.h"
#include "GameProgram/Effect/XC_Effect.h"
#include "GameProgram/Effect/XC_EffectManager.h"
#include "GameProgram/LightMan/XC_LightBulb.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/Painter/XC_Painter.h"
#include "GameProgram/Resource/Font/XC_D3DFont_Fon.h"
#include "GameProgram/Resource/Font/XI_Word.h"
#include "GameProgram/Resource/PackFile/XC_PackFile_JBF.h"
#include "GameProgram/Resource/PackFile/XC_PackFileManager_JBF.h"
#include "GameProgram/Resource/XC_2DTexture.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"
#include "GameProgram/Resource/XC_AnimationManager.h"
#include "GameProgram/Resource/XC_AnimationObject.h"
#include "GameProgram/Resource/XC_Texture.h"
#include "GameProgram/Resource/XC_TextureList.h"
#include "GameProgram/Resource/XC_TextureManager.h"
#include "GameProgram/Resource/XC_XFileManager.h"
#include "GameProgram/Resource/XC_XFileObject.h"
#include "TemplateSystem/JC_DebugLog.h"

#include "tests/Showcase/Showcase2DTexture.h"
#include "tests/Showcase/ShowcaseAnimation.h"
#include "tests/Showcase/ShowcaseMesh.h"
#include "tests/Showcase/ShowcaseText.h"
#include "tests/Showcase/ShowcaseTexture.h"
#include "tests/Support/BitmapFile.h"
#include "tests/Support/InkBox.h"
#include "tests/Support/SampleGameApplication.h"
#include "tests/Support/ScopedTempFolder.h"
#include "tests/Support/TestOutput.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace {

const char* const SCREENSHOT = "Showcase.bmp";
const DWORD BACKGROUND = 0xFF000000;

// The configured application on the sample game folder as the game shell
// runs it: its packs bound to the archive library, the glyph-file font, and
// each frame drawn through a painter. The second frame is saved as a
// picture, then the window closes.
class ShowcaseApplication : public SampleGameApplication
{
public:
    ShowcaseApplication() { SetBackgroundColor(BACKGROUND); }

    // Loads what the picture shows and files a drawable of each in the painter.
    void MakeDrawables()
    {
        m_pTile = g_pTextureManager->GetTexture("Tile.bmp");
        // Not in the game: the manager's "error.bmp" stands in, with a report.
        m_pMissing = g_pTextureManager->GetTexture("Missing.bmp");
        m_pGlass = g_p2DTextureManager->GetTexture("Glass.bmp");
        m_pStar = g_pAnimationManager->GetAnimation("Star.ant");
        m_pBox = g_pXFileManager->GetXFile("Box.x");
        m_pStrip = g_pXFileManager->GetXFile("Strip.x");
        ASSERT_NE(m_pTile, nullptr);
        ASSERT_NE(m_pMissing, nullptr);
        ASSERT_NE(m_pGlass, nullptr);
        ASSERT_NE(m_pStar, nullptr);
        ASSERT_NE(m_pBox, nullptr);
        ASSERT_NE(m_pStrip, nullptr);

        std::vector<XI_Word*> words;
        for (const char* pChar = "遊戲開始"; *pChar != '\0';) {
            DWORD dwLength = 0;
            XI_Word* const pWord = g_pD3DFontObj->GetWord(pChar, &dwLength);
            ASSERT_NE(pWord, nullptr);
            words.push_back(pWord);
            pChar += dwLength;
        }

        D3DXMATRIX matStrip, matPlace;
        D3DXMatrixScaling(&matStrip, 40.0f, 40.0f, 40.0f);
        D3DXMatrixTranslation(&matPlace, 250.0f, -50.0f, 0.0f);
        matStrip *= matPlace;
        D3DXMATRIX matBox;
        D3DXMatrixIdentity(&matBox);
        m_Drawables.emplace_back(new ShowcaseTexture(m_pTile, -300.0f, 180.0f));
        m_Drawables.emplace_back(new Showcase2DTexture(m_pGlass, -150.0f, 180.0f));
        m_Drawables.emplace_back(new ShowcaseAnimation(m_pStar, 0.0f, 180.0f));
        m_Drawables.emplace_back(new ShowcaseTexture(m_pMissing, 150.0f, 180.0f));
        m_Drawables.emplace_back(new ShowcaseText(std::move(words), -100.0f, -200.0f));
        m_Drawables.emplace_back(new ShowcaseMesh("Box", CS_World, m_pBox, matBox, 0.0));
        m_Drawables.emplace_back(new ShowcaseMesh("Strip", CS_Screen, m_pStrip, matStrip, 0.5));
        for (const std::unique_ptr<XC_RenderingObject>& pDrawable : m_Drawables)
            m_Painter.AddRenderObj(pDrawable.get());
    }

    int m_iFrames = 0;

protected:
    HRESULT Render() override
    {
        m_pD3DDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, GetBackgroundColor(),
                            1.0f, 0);
        if (SUCCEEDED(m_pD3DDevice->BeginScene())) {
            g_iRenderCount = 0;
            m_Painter.Render();
            m_pD3DDevice->EndScene();
        }
        if (++m_iFrames == 2) {
            SaveScreenshot(SCREENSHOT);
            PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
        }
        return S_OK;
    }

    // The drawables let their resources go before the managers finish.
    HRESULT DeleteDeviceObjects() override
    {
        for (const std::unique_ptr<XC_RenderingObject>& pDrawable : m_Drawables)
            m_Painter.RemoveRenderObj(pDrawable.get());
        m_Drawables.clear();
        for (XC_Resource* pResource : {static_cast<XC_Resource*>(m_pTile), static_cast<XC_Resource*>(m_pMissing),
                                       static_cast<XC_Resource*>(m_pGlass),
                                       static_cast<XC_Resource*>(m_pStar), static_cast<XC_Resource*>(m_pBox),
                                       static_cast<XC_Resource*>(m_pStrip)}) {
            if (pResource != nullptr)
                pResource->Release();
        }
        m_pTile = m_pMissing = nullptr;
        m_pGlass = nullptr;
        m_pStar = nullptr;
        m_pBox = m_pStrip = nullptr;
        return XC_MyD3DApplication::DeleteDeviceObjects();
    }

private:
    XC_Painter m_Painter;
    std::vector<std::unique_ptr<XC_RenderingObject>> m_Drawables;
    XC_Texture* m_pTile = nullptr;
    XC_Texture* m_pMissing = nullptr;
    XC_2DTexture* m_pGlass = nullptr;
    XC_AnimationObject* m_pStar = nullptr;
    XC_XFileObject* m_pBox = nullptr;
    XC_XFileObject* m_pStrip = nullptr;
};

// The game's debug log in the sample folder's "Debug\ErrorMessage.txt",
// shared by the engine's error log, as the game shell opens them.
class SharedDebugLog
{
public:
    SharedDebugLog()
    {
        gp_DebugInfoObj->Initiation((SampleGameFolder() + "Debug\\").c_str(), "ErrorMessage.txt", 1,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE);
        g_pErrorLog->SetFileHandle(gp_DebugInfoObj->GetFileHandle());
        g_pErrorLog->ClearRecords();
    }
    // The error log lets the handle go before the debug log closes it.
    ~SharedDebugLog() { g_pErrorLog->SetFileHandle(INVALID_HANDLE_VALUE); }
    SharedDebugLog(const SharedDebugLog&) = delete;
    SharedDebugLog& operator=(const SharedDebugLog&) = delete;

    static std::string Text() { return ReadTestFile(SampleGameFolder() + "Debug\\ErrorMessage.txt"); }
};

bool IsNear(std::uint32_t dwColour, std::uint32_t dwExpected, int iTolerance)
{
    for (int shift = 0; shift < 24; shift += 8) {
        const int iDifference = static_cast<int>((dwColour >> shift) & 0xFF) - static_cast<int>((dwExpected >> shift) & 0xFF);
        if (std::abs(iDifference) > iTolerance)
            return false;
    }
    return true;
}

// The reports of a log: each one's source file and its text up to the next.
std::vector<std::pair<std::string, std::string>> Reports(const std::string& strLog)
{
    static const std::regex header(R"(\r\n([^\r\n]+) \((\d+)\)\r\n)");
    std::vector<std::pair<std::string, std::string>> reports;
    for (std::sregex_iterator it(strLog.begin(), strLog.end(), header), end; it != end; ++it) {
        std::sregex_iterator next = it;
        ++next;
        const size_t textEnd = next != end ? static_cast<size_t>(next->position()) : strLog.size();
        const size_t textBegin = static_cast<size_t>(it->position() + it->length());
        reports.emplace_back((*it)[1].str(), strLog.substr(textBegin, textEnd - textBegin));
    }
    return reports;
}

int Channel(std::uint32_t dwColour, int iShift)
{
    return static_cast<int>((dwColour >> iShift) & 0xFF);
}

} // namespace

TEST(Showcase, SampleGameDrawsEveryKindOfResourceFromItsPacks)
{
    SharedDebugLog debugLog;
    std::unique_ptr<ShowcaseApplication> pApp(new ShowcaseApplication);
    ASSERT_EQ(pApp->Create(GetModuleHandleA(nullptr)), S_OK) << SharedDebugLog::Text();

    // The mesh pack is only an archive; the texture list and the effect load.
    XI_PackFile* const pXFilePack = g_pPackFileManager->OpenPackFile("XFile");
    ASSERT_NE(dynamic_cast<XC_PackFile_JBF*>(pXFilePack), nullptr);
    EXPECT_EQ(GetFileAttributesA((SampleGameFolder() + "XFile\\Box.x").c_str()), INVALID_FILE_ATTRIBUTES);
    XC_TextureList* const pPages = dynamic_cast<XC_TextureList*>(g_pTextureManager->GetTexture("Pages.tl"));
    ASSERT_NE(pPages, nullptr);
    EXPECT_EQ(pPages->GetPageCount(), 2u);
    EXPECT_EQ(pPages->GetFrameTime(), 0.5f);
    pPages->Release();
    for (const auto& animation : {std::make_pair("Star.ant", 2u), std::make_pair("error.ant", 1u)}) {
        XC_AnimationObject* const pAnimation = g_pAnimationManager->GetAnimation(animation.first);
        ASSERT_NE(pAnimation, nullptr) << animation.first;
        EXPECT_EQ(pAnimation->GetPageCount(), animation.second) << animation.first;
        pAnimation->Release();
    }
    XC_Effect* const pEffect = g_pEffectManager->GetEffect("ScrollUV.txt");
    ASSERT_NE(pEffect, nullptr);
    pEffect->Release();
    pApp->MakeDrawables();

    pApp->Pause(TRUE);
    EXPECT_EQ(pApp->Run(), 0u);
    EXPECT_EQ(pApp->m_iFrames, 2);
    EXPECT_EQ(g_pPackFileManager, nullptr);
    pApp.reset();

    BitmapFile picture;
    ASSERT_TRUE(picture.Load(TestOutputFile(SCREENSHOT)));
    ASSERT_EQ(picture.Width(), 800);
    // Screen pixel of a point: x + 400, 300 - y.
    // The tile's red square at its centre (the texture keeps 5 or 6 bits a
    // channel), its blue gradient beside it.
    EXPECT_TRUE(IsNear(picture.Pixel(100, 120), 0xC04020, 8)) << std::hex << picture.Pixel(100, 120);
    EXPECT_GT(Channel(picture.Pixel(75, 120), 0), Channel(picture.Pixel(75, 120), 16));
    // The 2D texture's white-to-blue gradient.
    const std::uint32_t dwGlass = picture.Pixel(250, 120);
    EXPECT_TRUE(IsNear(dwGlass, 0xC0E0FF, 0x30)) << std::hex << dwGlass;
    // The animation's star: the orange centre, the colour-keyed corners clear.
    EXPECT_TRUE(IsNear(picture.Pixel(400, 120), 0xFF8000, 0x20)) << std::hex << picture.Pixel(400, 120);
    EXPECT_EQ(picture.Pixel(386, 106), BACKGROUND & 0xFFFFFF);
    // The missing texture as the magenta and black checks of "error.bmp".
    EXPECT_TRUE(IsNear(picture.Pixel(538, 108), 0xFF00FF, 8)) << std::hex << picture.Pixel(538, 108);
    EXPECT_EQ(picture.Pixel(546, 108), 0u);
    // The Big5 line stands on its baseline, 16 pixels a character.
    const InkBox text = FindInk(picture, 0, 250, 440, 800, 520);
    ASSERT_FALSE(text.bEmpty);
    EXPECT_GE(text.left, 300);
    EXPECT_LE(text.right, 300 + 4 * 16);
    EXPECT_GE(text.top, 500 - 16);
    EXPECT_LE(text.bottom, 500);
    // The lit box in the middle of the world: its face towards the light is
    // the brighter.
    const InkBox box = FindInk(picture, 0, 200, 160, 600, 440);
    ASSERT_FALSE(box.bEmpty);
    EXPECT_NEAR(box.CenterX(), 400, 10);
    EXPECT_NEAR(box.CenterY(), 300, 20);
    EXPECT_GT(Channel(picture.Pixel(295, 300), 0), Channel(picture.Pixel(510, 300), 0) + 0x40);
    // The skinned strip bent by its animation: its top row moved right.
    for (const POINT point : {POINT{650, 345}, POINT{690, 275}}) {
        const std::uint32_t dwColour = picture.Pixel(point.x, point.y);
        EXPECT_GT(Channel(dwColour, 8), 0x40) << point.x << "," << point.y << std::hex << " " << dwColour;
        EXPECT_LT(Channel(dwColour, 16), 0x20) << point.x << "," << point.y;
    }
    EXPECT_EQ(picture.Pixel(640, 275), BACKGROUND & 0xFFFFFF);

    // The only reports are the missing texture's, and they went through the
    // shared handle into the game's debug log.
    const std::string strLog = SharedDebugLog::Text();
    const auto reports = Reports(strLog);
    ASSERT_EQ(reports.size(), 2u) << strLog;
    EXPECT_EQ(reports[0].first, "GameProgram\\Resource\\XC_TextureManager");
    EXPECT_NE(reports[0].second.find("XC_TextureManager::CreateObjct\n\t讀取檔案失敗 missing.bmp\r\n"), std::string::npos);
    EXPECT_EQ(reports[1].first, "GameProgram\\Resource\\XC_ResourceManager");
    EXPECT_EQ(reports[1].second.find("( hr ) failed , hr = 80004005 \r\nLoadResource Error , Missing.bmp \r\n"), 0u);
}

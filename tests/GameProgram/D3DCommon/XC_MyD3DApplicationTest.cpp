#include "GameProgram/D3DCommon/XC_MyD3DApplication.h"

#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Common/XC_Timer.h"
#include "GameProgram/Effect/XC_EffectManager.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/Resource/Font/XI_D3DFont.h"
#include "GameProgram/Resource/Music/XI_MusicManager.h"
#include "GameProgram/Resource/PackFile/XC_MultiPackFile.h"
#include "GameProgram/Resource/PackFile/XI_PackFileManager.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"
#include "GameProgram/Resource/XC_AnimationManager.h"
#include "GameProgram/Resource/XC_Texture.h"
#include "GameProgram/Resource/XC_TextureManager.h"
#include "GameProgram/Resource/XC_XFileManager.h"

#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string SampleGameFolder()
{
    const char* szFolder = std::getenv("OSKEL_SAMPLE_GAME");
    return szFolder != nullptr ? szFolder : "";
}

// The configured application on the sample game folder: its "Game.ini", its
// packs and its sound folder, recording the order of the managers' set-up and finish, and
// closing its window after a few frames.
class SampleApplication : public XC_MyD3DApplication
{
public:
    explicit SampleApplication(std::string strConfiguration = "Game.ini")
        : m_strConfiguration(std::move(strConfiguration))
    {
        // The game's folder is the sample game's, not the test program's.
        lstrcpynA(m_szGamePath, SampleGameFolder().c_str(), MAX_PATH);
    }

    HWND Window() const { return m_hWnd; }
    float FrameStep() { return GetFrameStep(); }
    float GetElapsedTime() override { return m_fForcedElapsed > 0.0f ? m_fForcedElapsed : XC_MyD3DApplication::GetElapsedTime(); }
    HRESULT MoveOneFrame() { return FrameMove(); }

    // An empty configuration name takes the built-in configuration.
    HRESULT GetGlobalObjectIni(XC_TextTree* pTextTree) override
    {
        if (m_strConfiguration.empty())
            return XC_MyD3DApplication::GetGlobalObjectIni(pTextTree);
        return pTextTree->LoadFile((SampleGameFolder() + m_strConfiguration).c_str());
    }

#define RECORDED(step, ...) \
    Record(#step); \
    if (m_strFailingStep == #step) \
        return E_FAIL; \
    return XC_MyD3DApplication::step(__VA_ARGS__)
    HRESULT InitSoundManager(XC_TextNode* pTNode) override { RECORDED(InitSoundManager, pTNode); }
    HRESULT InitTextureManager(XC_TextNode* pTNode) override { RECORDED(InitTextureManager, pTNode); }
    HRESULT Init2DTextureManager(XC_TextNode* pTNode) override { RECORDED(Init2DTextureManager, pTNode); }
    HRESULT InitEffectManager(XC_TextNode* pTNode) override { RECORDED(InitEffectManager, pTNode); }
    HRESULT InitD3DFont(XC_TextNode* pTNode) override { RECORDED(InitD3DFont, pTNode); }
    HRESULT InitAnimationManager(XC_TextNode* pTNode) override { RECORDED(InitAnimationManager, pTNode); }
    HRESULT InitXFileManager(XC_TextNode* pTNode) override { RECORDED(InitXFileManager, pTNode); }
    HRESULT FiniXFileManager() override { RECORDED(FiniXFileManager); }
    HRESULT FiniAnimationManager() override { RECORDED(FiniAnimationManager); }
    HRESULT FiniD3DFont() override { RECORDED(FiniD3DFont); }
    HRESULT FiniEffectManager() override { RECORDED(FiniEffectManager); }
    HRESULT FiniTextureManager() override { RECORDED(FiniTextureManager); }
    HRESULT Fini2DTextureManager() override { RECORDED(Fini2DTextureManager); }
    HRESULT FiniSoundManager() override { RECORDED(FiniSoundManager); }
    HRESULT FiniPackFile() override { RECORDED(FiniPackFile); }
#undef RECORDED

    std::vector<std::string> m_Steps;
    std::string m_strFailingStep;
    int m_iFrames = 0;
    float m_fForcedElapsed = 0.0f;

protected:
    HRESULT Render() override
    {
        if (++m_iFrames == 5)
            PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
        return XC_MyD3DApplication::Render();
    }

private:
    void Record(const char* szStep) { m_Steps.push_back(szStep); }

    std::string m_strConfiguration;
};

} // namespace

TEST(XC_MyD3DApplication, SampleGameStartsEveryManagerInOrderAndFinishesThemInReverse)
{
    ErrorLogCapture log;
    SampleApplication app;
    ASSERT_EQ(app.Create(GetModuleHandleA(nullptr)), S_OK) << log.Text();
    EXPECT_NE(g_pPackFile_Data, nullptr);
    EXPECT_NE(g_pMusicManager, nullptr);
    EXPECT_NE(g_pEffectManager, nullptr);
    EXPECT_NE(g_pD3DFontObj, nullptr);
    EXPECT_NE(g_pAnimationManager, nullptr);
    ASSERT_NE(g_pWorldCameraMan, nullptr);
    ASSERT_NE(g_pTextureManager, nullptr);
    XC_Texture* pTile = g_pTextureManager->GetTexture("Tile.bmp");
    ASSERT_NE(pTile, nullptr);
    EXPECT_EQ(pTile->GetWidth(), 64.0f);
    pTile->Release();

    app.Pause(TRUE);
    EXPECT_EQ(app.Run(), 0u);
    EXPECT_EQ(app.m_iFrames, 5);

    const std::vector<std::string> expected = {
        "InitSoundManager", "InitTextureManager", "Init2DTextureManager", "InitEffectManager", "InitD3DFont",
        "InitAnimationManager", "InitXFileManager",
        "FiniXFileManager", "FiniAnimationManager", "FiniD3DFont", "FiniEffectManager", "FiniTextureManager",
        "Fini2DTextureManager", "FiniSoundManager", "FiniPackFile",
    };
    EXPECT_EQ(app.m_Steps, expected);
    EXPECT_EQ(g_pTextureManager, nullptr);
    EXPECT_EQ(g_pXFileManager, nullptr);
    EXPECT_EQ(g_pPackFileManager, nullptr);
    EXPECT_EQ(g_pWorldCameraMan, nullptr);
    EXPECT_EQ(log.Text(), "") << "nothing reported, no resource left held";
}

// The managers set up before a failing one are finished again, in reverse,
// and the frame does not start.
TEST(XC_MyD3DApplication, StartUpFailingPartWayFinishesWhatItMade)
{
    ErrorLogCapture log;
    SampleApplication app;
    app.m_strFailingStep = "InitD3DFont";
    EXPECT_EQ(app.Create(GetModuleHandleA(nullptr)), E_FAIL);
    const std::vector<std::string> expected = {
        "InitSoundManager", "InitTextureManager", "Init2DTextureManager", "InitEffectManager", "InitD3DFont",
        "FiniXFileManager", "FiniAnimationManager", "FiniD3DFont", "FiniEffectManager", "FiniTextureManager",
        "Fini2DTextureManager", "FiniSoundManager", "FiniPackFile",
    };
    EXPECT_EQ(app.m_Steps, expected);
    EXPECT_EQ(g_pTextureManager, nullptr);
    EXPECT_EQ(g_pEffectManager, nullptr);
    EXPECT_EQ(g_pMusicManager, nullptr);
    EXPECT_EQ(g_pPackFileManager, nullptr);
    EXPECT_EQ(g_pWorldCameraMan, nullptr);
    EXPECT_TRUE(log.Contains("InitD3DFont ( pTNode ) ) failed , hr = 80004005")) << log.Text();
    EXPECT_FALSE(log.Contains("XC_ResourceManager")) << "no resource left held: " << log.Text();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

// Without a configuration file the built-in one names the sample game's
// folders, and every manager starts from it.
TEST(XC_MyD3DApplication, BuiltInConfigurationStartsEveryManager)
{
    ErrorLogCapture log;
    SampleApplication app("");
    ASSERT_EQ(app.Create(GetModuleHandleA(nullptr)), S_OK) << log.Text();
    EXPECT_EQ(app.m_Steps.size(), 7u);
    for (const void* pManager : {static_cast<const void*>(g_pMusicManager), static_cast<const void*>(g_pTextureManager),
                                 static_cast<const void*>(g_p2DTextureManager), static_cast<const void*>(g_pEffectManager),
                                 static_cast<const void*>(g_pD3DFontObj), static_cast<const void*>(g_pAnimationManager),
                                 static_cast<const void*>(g_pXFileManager), static_cast<const void*>(g_pPackFile_Data)})
        EXPECT_NE(pManager, nullptr);
    XC_Texture* pTile = g_pTextureManager->GetTexture("Tile.bmp");
    ASSERT_NE(pTile, nullptr);
    EXPECT_EQ(pTile->GetWidth(), 64.0f);
    pTile->Release();
    SendMessageA(app.Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(g_pTextureManager, nullptr);
    EXPECT_EQ(log.Text(), "");
}

TEST(XC_MyD3DApplication, TwoPackPathsSearchTheFirstPackFirst)
{
    ScopedTempFolder folder;
    CreateDirectoryA(folder.File("A").c_str(), nullptr);
    CreateDirectoryA(folder.File("B").c_str(), nullptr);
    ASSERT_TRUE(WriteTestFile(folder.File("A\\both.txt"), "from A"));
    ASSERT_TRUE(WriteTestFile(folder.File("B\\both.txt"), "from B"));
    ASSERT_TRUE(WriteTestFile(folder.File("B\\only.txt"), "only B"));

    SampleApplication app;
    ASSERT_EQ(app.XC_MyD3DApplication::InitPackFile((folder.Path() + "\\").c_str()), S_OK);
    XC_TextTree tree;
    XC_TextNode* pTwo = tree.AddNode("[Two]");
    pTwo->AddLeaf("szPath", "A");
    pTwo->AddLeaf("dwCache", "3");
    pTwo->AddLeaf("szPath", "B");
    XC_TextNode* pOne = tree.AddNode("[One]");
    pOne->AddLeaf("szPath", "B");

    XI_PackFile* pMulti = app.GetPackFileFromNode(pTwo);
    ASSERT_NE(dynamic_cast<XC_MultiPackFile*>(pMulti), nullptr);
    auto read = [](XI_PackFile* pPack, const char* szName) {
        XS_FileData* pData = pPack->GetData(szName);
        const std::string text = pData != nullptr ? std::string(reinterpret_cast<const char*>(pData->pData), pData->dwSize) : "";
        delete pData;
        return text;
    };
    EXPECT_EQ(read(pMulti, "both.txt"), "from A");
    EXPECT_EQ(read(pMulti, "only.txt"), "only B");

    XI_PackFile* pSingle = app.GetPackFileFromNode(pOne);
    EXPECT_EQ(dynamic_cast<XC_MultiPackFile*>(pSingle), nullptr);
    EXPECT_EQ(read(pSingle, "only.txt"), "only B");

    EXPECT_EQ(app.ReleaseMultiPackFile(), S_OK);
    EXPECT_EQ(app.XC_MyD3DApplication::FiniPackFile(), S_OK);
}

TEST(XC_MyD3DApplication, FrameStepIsClampedToFourHundredths)
{
    SampleApplication app;
    app.m_fForcedElapsed = 0.1f;
    EXPECT_FLOAT_EQ(app.FrameStep(), 0.04f);
    app.m_fForcedElapsed = 0.03f;
    EXPECT_FLOAT_EQ(app.FrameStep(), 0.03f);

    XC_Timer timer(0);
    timer.Start();
    app.m_fForcedElapsed = 0.5f;
    ErrorLogCapture log; // no cameras: reported, timers still advance
    app.MoveOneFrame();
    EXPECT_FLOAT_EQ(timer.GetTime(), 0.04f);
}

TEST(XC_MyD3DApplication, MissingSectionLeavesItsManagerOut)
{
    const std::string folder = SampleGameFolder();
    XC_TextTree tree;
    ASSERT_EQ(tree.LoadFile((folder + "Game.ini").c_str()), S_OK);
    tree.DeleteChildNode(tree.FindChildNode("[EffectManager]"));
    ASSERT_EQ(tree.Save((folder + "NoEffects.ini").c_str()), S_OK);

    ErrorLogCapture log;
    SampleApplication app("NoEffects.ini");
    ASSERT_EQ(app.Create(GetModuleHandleA(nullptr)), S_OK);
    EXPECT_EQ(g_pEffectManager, nullptr);
    EXPECT_NE(g_pXFileManager, nullptr); // the managers after it are made
    EXPECT_TRUE(log.Contains("( pTNode ) failed")) << log.Text();
    SendMessageA(app.Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(g_pXFileManager, nullptr);
    DeleteFileA((folder + "NoEffects.ini").c_str());
}

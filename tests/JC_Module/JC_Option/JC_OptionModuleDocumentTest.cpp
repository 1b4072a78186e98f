#include "JC_Module/JC_Option/JC_OptionModuleDocument.h"

#include "JC_Module/JC_Option/View/JC_OptionModuleView0.h"

#include "tests/JC_Module/JC_Option/OptionScreenFixture.h"
#include "tests/Support/BitmapFile.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Mode = JC_OptionModuleDocument::JE_Mode;

} // namespace

TEST_F(OptionScreen, BackStepsAndEscapeOnItsRelease)
{
    struct Case
    {
        Mode eStart;
        UINT uMsg;
        WPARAM wParam;
        BOOL bStillOpen;
        int iModeAfter;
    };
    const Case cases[] = {
        {Mode::MODE_PANEL, WM_KEYUP, VK_ESCAPE, FALSE, 0},
        {Mode::MODE_PANEL, WM_RBUTTONDOWN, 0, FALSE, 0},
        {Mode::MODE_PANEL, WM_KEYDOWN, VK_ESCAPE, TRUE, 1},
        {Mode::MODE_PANEL, WM_KEYUP, VK_F5, TRUE, 1},
        {Mode::MODE_SAVE, WM_KEYUP, VK_ESCAPE, TRUE, 1},
        {Mode::MODE_LOAD, WM_RBUTTONDOWN, 0, TRUE, 1},
        {Mode::MODE_SAVE_ONLY, WM_KEYUP, VK_ESCAPE, FALSE, 0},
        {Mode::MODE_LOAD_ONLY, WM_RBUTTONDOWN, 0, FALSE, 0},
    };
    for (const Case& c : cases) {
        JC_OptionModuleDocument document;
        ASSERT_EQ(Initiate(document, c.eStart), 0u);
        ASSERT_EQ(document.Enable(), S_OK);
        ASSERT_EQ(document.IsViewsReady(), TRUE) << LogText();
        EXPECT_EQ(document.MsgProc(nullptr, c.uMsg, c.wParam, 0), 1);
        EXPECT_EQ(document.IsActive(), c.bStillOpen) << c.eStart << " " << c.uMsg;
        EXPECT_EQ(document.GetDocumentMode(), c.iModeAfter) << c.eStart << " " << c.uMsg;
        document.Close();
    }
}

TEST_F(OptionScreen, PanelEventsSwitchModesAndUnknownModesChangeNothing)
{
    JC_OptionModuleDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    ASSERT_EQ(document.Enable(), S_OK);
    EXPECT_EQ(document.DealViewEvent(0, JC_OptionModuleView0::EVENT_SAVE), 0u);
    EXPECT_EQ(document.GetDocumentMode(), Mode::MODE_SAVE);
    EXPECT_EQ(document.GetView(0)->IsOpen(), FALSE);
    document.BackDocumentMode(document.GetDocumentMode());
    EXPECT_EQ(document.GetView(0)->IsOpen(), TRUE);
    EXPECT_EQ(document.DealViewEvent(0, JC_OptionModuleView0::EVENT_LOAD), 0u);
    EXPECT_EQ(document.GetDocumentMode(), Mode::MODE_LOAD);
    for (const int iMode : {-1, 6})
        EXPECT_EQ(document.SetDocumentMode(iMode), JE_OPTIONMODULEDOCUMENT_MODE_NOT_SUPPORT);
    EXPECT_EQ(document.GetDocumentMode(), Mode::MODE_LOAD);
    EXPECT_TRUE(Logged(" OptionModuleDocument SetDocumentMode DocumentMode NotSupport. \r\n DocumentMode:0x00000006"))
        << LogText();
    EXPECT_EQ(document.UpdateView(3), JE_OPTIONMODULEDOCUMENT_VIEW_INDEX_NOT_SUPPORT);
    EXPECT_EQ(document.GetDocumentEvent(), 0u);
}

TEST_F(OptionScreen, EachOpeningWritesANewThumbnailOfTheFrameBelow)
{
    JC_OptionModuleDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    const std::string strFile = document.GetRecordBMPName();
    for (const DWORD dwColor : {0xFF0000FFu, 0xFF00FF00u}) {
        m_Device.Device()->Clear(0, nullptr, D3DCLEAR_TARGET, dwColor, 1.0f, 0);
        ASSERT_EQ(document.Enable(), S_OK);
        ASSERT_EQ(document.IsActive(), TRUE) << LogText();
        BitmapFile bitmap;
        ASSERT_TRUE(bitmap.Load(strFile)) << strFile;
        EXPECT_EQ(bitmap.Width(), 128);
        EXPECT_EQ(bitmap.Height(), 128);
        EXPECT_EQ(bitmap.Pixel(64, 64), dwColor & 0xFFFFFF);
        document.Close();
    }
}

TEST_F(OptionScreen, AScreenWithoutBackBufferReportsAndBuildsNoView)
{
    JC_OptionModuleDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    g_pVar->g_pD3DDevice = nullptr;
    document.Enable();
    EXPECT_EQ(document.IsActive(), FALSE);
    EXPECT_EQ(document.GetView(0), nullptr);
    EXPECT_TRUE(Logged(" OptionModuleDocument MakeRecordBMP GetBackBuffer Fail. \r\n HRESULT:0x8a300091")) << LogText();
    g_pVar->g_pD3DDevice = m_Device.Device();
}

namespace {

// The layout without some keys of each view, of the document and of a slider.
class OptionScreenMissingKeys : public OptionScreen
{
protected:
    OptionScreenMissingKeys()
        : OptionScreen({"ModuleX", "IsRenderParent", "View0_SaveX", "View0_MusicSliderMax", "View1_ListDY",
                        "View1_RestartAT", "View2_Line1T"})
    {
    }
};

} // namespace

TEST_F(OptionScreenMissingKeys, MissingLayoutKeysReadAsZeroAndTheScreenStillOpens)
{
    JC_OptionModuleDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    ASSERT_EQ(document.Enable(), S_OK);
    EXPECT_EQ(document.IsViewsReady(), TRUE) << LogText();
    document.SetDocumentMode(JC_OptionModuleDocument::MODE_LOAD);
    EXPECT_EQ(document.GetView(1)->IsOpen(), TRUE);
    for (const char* szKey : {"ModuleX", "IsRenderParent", "View0_SaveX", "View0_MusicSliderMax", "View1_ListDY",
                              "View2_Line1T"})
        EXPECT_TRUE(Logged(std::string("ItemName:") + szKey)) << szKey << "\n" << LogText();
    document.Close();
}

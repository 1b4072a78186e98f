#include "Code/DialogueScript/XC_DialogueController.h"

#include "GameProgram/D3DCommon/XC_RenderNode.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/Painter/XC_Painter.h"
#include "GameProgram/Resource/XC_AnimationPic.h"
#include "tests/Code/DialogueScript/DialogueFixture.h"
#include "tests/Support/BitmapFile.h"
#include "tests/Support/InkBox.h"
#include "tests/Support/SampleGameApplication.h"
#include "tests/Support/TestOutput.h"

#include <memory>
#include <string>

namespace {

const DWORD BACKGROUND = 0xFF000000;
const char* const SCREENSHOT = "SampleDialogue.bmp";
// Frames of 1/20 s: the first line (12 characters) is typed after 1.2 s.
const float FRAME_TIME = 0.05f;
const int SCREENSHOT_FRAME = 40;
const int LAST_FRAME = 400;

// The sample game's application playing one dialogue file over an empty
// screen with fixed frames: the player waits until the screenshot, then
// holds Ctrl. The window closes when the dialogue is over.
class DialogueApplication : public SampleGameApplication
{
public:
    explicit DialogueApplication(const char* szDialogueFile) : m_szDialogueFile(szDialogueFile)
    {
        SetBackgroundColor(BACKGROUND);
    }

    int m_iFrames = 0;
    bool m_bEnded = false;

protected:
    HRESULT InitDeviceObjects() override
    {
        const HRESULT hr = SampleGameApplication::InitDeviceObjects();
        m_pEnvironment.reset(new XC_EnvironmentOfRender);
        m_pEnvironment->SetPainter(&m_Painter);
        m_Controller.Init(m_pEnvironment.get());
        m_Controller.AddDialogueScript(m_szDialogueFile);
        return hr;
    }

    HRESULT Render() override
    {
        Step();
        m_pD3DDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, GetBackgroundColor(),
                            1.0f, 0);
        if (SUCCEEDED(m_pD3DDevice->BeginScene())) {
            XF_UpdateAllRenderNodes();
            g_iRenderCount = 0;
            m_Painter.Render();
            m_pD3DDevice->EndScene();
        }
        if (m_iFrames == SCREENSHOT_FRAME)
            SaveScreenshot(SCREENSHOT);
        if (m_bEnded || m_iFrames >= LAST_FRAME)
            PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
        return S_OK;
    }

    // The scripts let their drawables go before the managers finish.
    HRESULT DeleteDeviceObjects() override
    {
        m_Controller.Fini();
        m_pEnvironment.reset();
        return SampleGameApplication::DeleteDeviceObjects();
    }

private:
    void Step()
    {
        ++m_iFrames;
        m_Input.HoldKey(DIK_LCONTROL, m_iFrames > SCREENSHOT_FRAME);
        m_Input.BeginFrame();
        m_Controller.FrameMove(FRAME_TIME);
        g_pTimerManager->Update(FRAME_TIME);
        XC_AnimationPic::LoadAnimationPic(1);
        m_Input.EndFrame();
        m_bEnded = m_bEnded || !m_Controller.IsDialogueActive();
    }

    const char* m_szDialogueFile;
    DialogueInput m_Input;
    XC_Painter m_Painter;
    std::unique_ptr<XC_EnvironmentOfRender> m_pEnvironment;
    XC_DialogueController m_Controller;
};

int Channel(std::uint32_t dwColour, int iShift)
{
    return static_cast<int>((dwColour >> iShift) & 0xFF);
}

} // namespace

TEST(SampleDialogue, TheWelcomeDialogueShowsItsBoxAndEndsWithCtrl)
{
    ErrorLogCapture log;
    std::unique_ptr<DialogueApplication> pApp(new DialogueApplication("Dialogue\\Welcome.txt"));
    ASSERT_EQ(pApp->Create(GetModuleHandleA(nullptr)), S_OK) << log.Text();
    pApp->Pause(TRUE);
    EXPECT_EQ(pApp->Run(), 0u);
    EXPECT_TRUE(pApp->m_bEnded) << pApp->m_iFrames;
    // Three lines closed by Ctrl at half a second each.
    EXPECT_LT(pApp->m_iFrames, SCREENSHOT_FRAME + 3 * 12 + 5);
    pApp.reset();
    for (const char* szReport : {"DialogueScript", "讀取檔案失敗", "找不到資源", "pWord", "LoadPic"})
        EXPECT_EQ(log.Text().find(szReport), std::string::npos) << szReport << "\n" << log.Text();

    BitmapFile picture;
    ASSERT_TRUE(picture.Load(TestOutputFile(SCREENSHOT)));
    // Screen pixel of a point: x + 400, 300 - y. The box spans (-384, -290)
    // to (384, -130): dark blue inside, nothing above it.
    const std::uint32_t dwBox = picture.Pixel(600, 560);
    EXPECT_GT(Channel(dwBox, 0), Channel(dwBox, 16)) << std::hex << dwBox;
    EXPECT_EQ(picture.Pixel(600, 300), BACKGROUND & 0xFFFFFF);
    // The messenger's portrait at (-310, -210): skin, redder than blue.
    const std::uint32_t dwFace = picture.Pixel(90, 530);
    EXPECT_GT(Channel(dwFace, 16), Channel(dwFace, 0)) << std::hex << dwFace;
    // The name above the typed line, both right of the portrait.
    const InkBox name = FindInk(picture, dwBox & 0xFFFFFF, 160, 435, 700, 462);
    const InkBox line = FindInk(picture, dwBox & 0xFFFFFF, 160, 468, 700, 500);
    EXPECT_FALSE(name.bEmpty);
    EXPECT_FALSE(line.bEmpty);
    // The "next" marker right of the longest line.
    const InkBox marker = FindInk(picture, dwBox & 0xFFFFFF, 725, 550, 760, 580);
    EXPECT_FALSE(marker.bEmpty);
}

#include "GameProgram/D3DCommon/XC_D3DApplication.h"

#include "GameProgram/D3DCommon/XF_AppTimer.h"

#include "tests/Support/BitmapFile.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/InkBox.h"
#include "tests/Support/RecordingDevice.h"
#include "tests/Support/TestOutput.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// A frame that writes down every hook it is given and fails the one named.
class RecordingApplication : public XC_D3DApplication
{
public:
    explicit RecordingApplication(std::string strFailingHook = "") : m_strFailingHook(std::move(strFailingHook)) {}

    using XC_D3DApplication::Render3DEnvironment;
    using XC_D3DApplication::Reset3DEnvironment;
    using XC_D3DApplication::Shutdown;

    std::vector<std::string> m_Calls;
    std::string m_strFailingHook;

    HWND Window() const { return m_hWnd; }
    IDirect3D9* Direct3D() const { return m_pD3D; }
    IDirect3DDevice9* Device() const { return m_pD3DDevice; }
    const D3DPRESENT_PARAMETERS& PresentParameters() const { return m_D3Dpp; }
    const D3DSURFACE_DESC& BackBufferDesc() const { return m_BackBufferDesc; }
    RECT ClientRect() const { return m_rcWindowClient; }
    void SetWindowed(BOOL bWindowed) { m_bWindowed = bWindowed; }
    BOOL IsMinimized() const { return m_bMinimized; }
    BOOL IsMaximized() const { return m_bMaximized; }

protected:
    HRESULT Record(const char* szHook)
    {
        m_Calls.push_back(szHook);
        return m_strFailingHook == szHook ? E_FAIL : S_OK;
    }
    HRESULT OneTimeSceneInit() override { return Record("OneTimeSceneInit"); }
    HRESULT InitDeviceObjects() override { return Record("InitDeviceObjects"); }
    HRESULT RestoreDeviceObjects() override { return Record("RestoreDeviceObjects"); }
    HRESULT FrameMove() override { return Record("FrameMove"); }
    HRESULT Render() override { return Record("Render"); }
    HRESULT InvalidateDeviceObjects() override { return Record("InvalidateDeviceObjects"); }
    HRESULT DeleteDeviceObjects() override { return Record("DeleteDeviceObjects"); }
    HRESULT FinalCleanup() override { return Record("FinalCleanup"); }
};

// Takes the quit message that a shut-down leaves behind when no loop runs.
void DrainMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT)
            DispatchMessageA(&msg);
    }
}

std::string HexOf(HRESULT hr)
{
    char szText[16];
    std::snprintf(szText, sizeof(szText), "%x", static_cast<unsigned>(hr));
    return szText;
}

} // namespace

using Calls = std::vector<std::string>;

// A window of 800 by 600 client pixels with a device whose back buffer has
// the desktop's format; two frames; the close message shuts down in order.
TEST(XC_D3DApplication, NormalRunCallsTheHooksInOrder)
{
    RecordingApplication app;
    ASSERT_EQ(app.Create(GetModuleHandleA(nullptr)), S_OK);
    ASSERT_NE(app.Device(), nullptr);

    char szClass[32] = {};
    GetClassNameA(app.Window(), szClass, sizeof(szClass));
    EXPECT_STREQ(szClass, "D3D Window");
    const RECT rc = app.ClientRect();
    EXPECT_EQ(rc.right - rc.left, 800);
    EXPECT_EQ(rc.bottom - rc.top, 600);
    D3DDISPLAYMODE mode = {};
    app.Direct3D()->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode);
    EXPECT_EQ(app.PresentParameters().BackBufferFormat, mode.Format);
    EXPECT_EQ(app.BackBufferDesc().Width, 800u);
    EXPECT_EQ(app.BackBufferDesc().Height, 600u);

    app.Pause(TRUE);
    Sleep(5);
    EXPECT_EQ(app.Render3DEnvironment(), S_OK);
    Sleep(5);
    EXPECT_EQ(app.Render3DEnvironment(), S_OK);

    // A device still referenced at shut-down is reported and dropped.
    ErrorLogCapture log;
    IDirect3DDevice9* pDevice = app.Device();
    pDevice->AddRef();
    SendMessageA(app.Window(), WM_CLOSE, 0, 0);
    DrainMessages();
    EXPECT_TRUE(log.Contains("GameProgram\\D3DCommon\\XC_D3DApplication (")) << log.Text();
    EXPECT_TRUE(log.Contains("Device No Release 1")) << log.Text();
    EXPECT_EQ(pDevice->Release(), 0u);

    const Calls expected = {"OneTimeSceneInit", "InitDeviceObjects", "RestoreDeviceObjects", "FrameMove", "Render",
                            "FrameMove", "Render", "InvalidateDeviceObjects", "DeleteDeviceObjects", "FinalCleanup"};
    EXPECT_EQ(app.m_Calls, expected);
    EXPECT_EQ(app.Window(), nullptr);
    EXPECT_EQ(app.Device(), nullptr);
    EXPECT_EQ(app.Direct3D(), nullptr);
}

// A failing start-up hook gets the partner hooks that are owed and no
// others, and nothing is released twice.
TEST(XC_D3DApplication, FailedStartUpHooksTable)
{
    struct Case { const char* failing; Calls expected; bool windowLeftOpen; const char* report; };
    const Case cases[] = {
        {"OneTimeSceneInit", {"OneTimeSceneInit"}, true, "( OneTimeSceneInit ) failed , hr = 80004005 "},
        {"InitDeviceObjects",
         {"OneTimeSceneInit", "InitDeviceObjects", "DeleteDeviceObjects", "FinalCleanup"},
         false,
         "( InitDeviceObjects() ) failed , hr = 80004005 "},
        {"RestoreDeviceObjects",
         {"OneTimeSceneInit", "InitDeviceObjects", "RestoreDeviceObjects", "InvalidateDeviceObjects",
          "DeleteDeviceObjects", "FinalCleanup"},
         false,
         "( RestoreDeviceObjects() ) failed , hr = 80004005 "},
    };
    for (const Case& c : cases) {
        ErrorLogCapture log;
        RecordingApplication app(c.failing);
        EXPECT_EQ(app.Create(GetModuleHandleA(nullptr)), E_FAIL) << c.failing;
        EXPECT_EQ(app.m_Calls, c.expected) << c.failing;
        EXPECT_EQ(app.Direct3D(), nullptr) << c.failing;
        EXPECT_EQ(app.Device(), nullptr) << c.failing;
        EXPECT_EQ(app.Window() != nullptr, c.windowLeftOpen) << c.failing;
        EXPECT_TRUE(log.Contains(c.report)) << log.Text();
        EXPECT_TRUE(log.Contains("( Initialize3DEnvironment ) failed") != c.windowLeftOpen) << log.Text();
        if (app.Window() != nullptr)
            DestroyWindow(app.Window());
        DrainMessages();
    }
}

// A reset gives back the restored objects around it; a reset whose restore
// fails is invalidated at once and not again at shut-down.
TEST(XC_D3DApplication, ResetKeepsTheHookPairsBalanced)
{
    RecordingApplication app;
    ASSERT_EQ(app.Create(GetModuleHandleA(nullptr)), S_OK);
    app.Pause(TRUE);
    app.m_Calls.clear();

    EXPECT_EQ(app.Reset3DEnvironment(), S_OK);
    Sleep(5);
    EXPECT_EQ(app.Render3DEnvironment(), S_OK);
    EXPECT_EQ(app.m_Calls, (Calls{"InvalidateDeviceObjects", "RestoreDeviceObjects", "FrameMove", "Render"}));
    EXPECT_EQ(app.BackBufferDesc().Width, 800u);

    app.m_Calls.clear();
    app.m_strFailingHook = "RestoreDeviceObjects";
    ErrorLogCapture log;
    EXPECT_EQ(app.Reset3DEnvironment(), E_FAIL);
    EXPECT_TRUE(log.Contains("RestoreDeviceObjects 錯誤  , hr =  80004005")) << log.Text();
    SendMessageA(app.Window(), WM_CLOSE, 0, 0);
    DrainMessages();
    EXPECT_EQ(app.m_Calls, (Calls{"InvalidateDeviceObjects", "RestoreDeviceObjects", "InvalidateDeviceObjects",
                                  "DeleteDeviceObjects", "FinalCleanup"}));
}

// A frame with no elapsed time is skipped; an inactive frame is moved but
// not drawn.
TEST(XC_D3DApplication, FramesFollowTheClockAndTheActiveFlag)
{
    RecordingApplication app;
    ASSERT_EQ(app.Create(GetModuleHandleA(nullptr)), S_OK);
    app.Pause(TRUE);
    app.m_Calls.clear();

    XF_AppTimer(APPTIMER_STOP);
    EXPECT_EQ(app.Render3DEnvironment(), S_OK);
    EXPECT_TRUE(app.m_Calls.empty());

    XF_AppTimer(APPTIMER_START);
    Sleep(5);
    EXPECT_EQ(app.Render3DEnvironment(), S_OK);
    EXPECT_EQ(app.m_Calls, (Calls{"FrameMove", "Render"}));

    app.m_Calls.clear();
    app.Pause(FALSE);
    EXPECT_EQ(app.Render3DEnvironment(), S_OK);
    EXPECT_TRUE(app.m_Calls.empty());
    XF_AppTimer(APPTIMER_START);
    Sleep(5);
    EXPECT_EQ(app.Render3DEnvironment(), S_OK);
    EXPECT_EQ(app.m_Calls, (Calls{"FrameMove"}));

    SendMessageA(app.Window(), WM_CLOSE, 0, 0);
    DrainMessages();
}

// A window set before Create is used as it is: no class, no new window.
TEST(XC_D3DApplication, WindowSetBeforeCreateIsKept)
{
    class OwnWindowApplication : public RecordingApplication
    {
    public:
        explicit OwnWindowApplication(HWND hWnd) { m_hWnd = hWnd; }
    };
    const HWND hWnd = CreateWindowA("STATIC", "own", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480, nullptr,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hWnd, nullptr);
    // A class left by an earlier frame of the process goes, when none of its
    // windows is left; the frame must not register it again.
    UnregisterClassA("D3D Window", GetModuleHandleA(nullptr));
    WNDCLASSA wc;
    const BOOL bRegisteredBefore = GetClassInfoA(GetModuleHandleA(nullptr), "D3D Window", &wc);
    OwnWindowApplication app(hWnd);
    ASSERT_EQ(app.Create(GetModuleHandleA(nullptr)), S_OK);
    EXPECT_EQ(app.Window(), hWnd);
    if (!bRegisteredBefore) {
        EXPECT_FALSE(GetClassInfoA(GetModuleHandleA(nullptr), "D3D Window", &wc));
    }
    app.Shutdown(app.Window());
    DrainMessages();
}

// Someone else registered "D3D Window" first (a test device, say): the failed
// registration is reported, and the frame's window still takes the close
// message through the frame, so a run ends.
TEST(XC_D3DApplication, ClassRegisteredByOthersIsReportedAndTheFrameStillCloses)
{
    const HINSTANCE hInstance = GetModuleHandleA(nullptr);
    UnregisterClassA("D3D Window", hInstance);
    WNDCLASSA foreign = {};
    foreign.lpfnWndProc = DefWindowProcA;
    foreign.hInstance = hInstance;
    foreign.lpszClassName = "D3D Window";
    ASSERT_NE(RegisterClassA(&foreign), 0);

    ErrorLogCapture log;
    RecordingApplication app;
    ASSERT_EQ(app.Create(hInstance), S_OK);
    EXPECT_TRUE(log.Contains("RegisterClass( \"D3D Window\" ) failed")) << log.Text();
    PostMessageA(app.Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(app.Run(), WPARAM(0));
    EXPECT_EQ(app.Window(), nullptr);
    EXPECT_EQ(app.m_Calls.back(), "FinalCleanup");
    EXPECT_TRUE(UnregisterClassA("D3D Window", hInstance));
}

// Minimised and maximised follow the size messages.
TEST(XC_D3DApplication, SizeMessagesTable)
{
    struct Case { std::vector<WPARAM> sizes; BOOL minimized; BOOL maximized; };
    const Case cases[] = {
        {{SIZE_MINIMIZED}, TRUE, FALSE},
        {{SIZE_MAXIMIZED}, FALSE, TRUE},
        {{SIZE_MINIMIZED, SIZE_RESTORED}, FALSE, FALSE},
        {{SIZE_MAXIMIZED, SIZE_MINIMIZED}, TRUE, FALSE},
        {{SIZE_MINIMIZED, SIZE_MAXIMIZED, SIZE_RESTORED}, FALSE, FALSE},
    };
    const HWND hWnd = CreateWindowA("STATIC", "size", WS_OVERLAPPEDWINDOW, 0, 0, 320, 240, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hWnd, nullptr);
    for (const Case& c : cases) {
        RecordingApplication app;
        for (const WPARAM wSize : c.sizes)
            app.MsgProc(hWnd, WM_SIZE, wSize, MAKELPARAM(320, 240));
        EXPECT_EQ(app.IsMinimized(), c.minimized) << c.sizes.size();
        EXPECT_EQ(app.IsMaximized(), c.maximized) << c.sizes.size();
    }
    DestroyWindow(hWnd);
}

// In full screen the commands that size, move or menu the window are
// swallowed and the window answers every hit test as client area; in a
// window they pass.
TEST(XC_D3DApplication, FullScreenSwallowsWindowCommands)
{
    const HWND hWnd = CreateWindowA("STATIC", "commands", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 320, 240, nullptr,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hWnd, nullptr);
    RecordingApplication app;
    app.SetWindowed(FALSE);
    for (const WPARAM wCommand : {SC_SIZE, SC_MOVE, SC_MAXIMIZE, SC_KEYMENU, SC_MONITORPOWER})
        EXPECT_EQ(app.MsgProc(hWnd, WM_SYSCOMMAND, wCommand, 0), TRUE) << std::hex << wCommand;
    EXPECT_FALSE(IsZoomed(hWnd));
    EXPECT_EQ(app.MsgProc(hWnd, WM_NCHITTEST, 0, MAKELPARAM(5000, 5000)), HTCLIENT);

    app.SetWindowed(TRUE);
    EXPECT_NE(app.MsgProc(hWnd, WM_NCHITTEST, 0, MAKELPARAM(5000, 5000)), HTCLIENT);
    app.MsgProc(hWnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_TRUE(IsZoomed(hWnd));
    DestroyWindow(hWnd);
}

// Full screen asks for the creation mode: its size, format and refresh rate,
// presented once a vertical retrace. A display without that mode (the test
// display has none) refuses the device: start-up then fails with the
// device's code and a report.
TEST(XC_D3DApplication, FullScreenSetUpAsksForTheCreationMode)
{
    RecordingApplication app;
    app.SetWindowed(FALSE);
    ErrorLogCapture log;
    const HRESULT hr = app.Create(GetModuleHandleA(nullptr));
    const D3DPRESENT_PARAMETERS& parameters = app.PresentParameters();
    EXPECT_FALSE(parameters.Windowed);
    EXPECT_EQ(parameters.BackBufferWidth, 800u);
    EXPECT_EQ(parameters.BackBufferHeight, 600u);
    EXPECT_EQ(parameters.BackBufferFormat, D3DFMT_X8R8G8B8);
    EXPECT_EQ(parameters.FullScreen_RefreshRateInHz, 60u);
    EXPECT_EQ(parameters.PresentationInterval, D3DPRESENT_INTERVAL_ONE);
    if (SUCCEEDED(hr)) {
        EXPECT_EQ(app.BackBufferDesc().Width, 800u);
        SendMessageA(app.Window(), WM_CLOSE, 0, 0);
    } else {
        EXPECT_TRUE(log.Contains("( Initialize3DEnvironment ) failed , hr = " + HexOf(hr))) << log.Text();
        if (hr == D3DERR_NOTAVAILABLE) {
            EXPECT_TRUE(log.Contains("This device does not support the queried technique.")) << log.Text();
        }
        EXPECT_EQ(app.Device(), nullptr);
        EXPECT_EQ(app.Direct3D(), nullptr);
        // As after a failed OneTimeSceneInit: no device hooks ran, and the
        // window is the caller's to close.
        EXPECT_EQ(app.m_Calls, (Calls{"OneTimeSceneInit"}));
    }
    if (app.Window() != nullptr)
        DestroyWindow(app.Window());
    DrainMessages();
}

namespace {

const UINT WM_TEST_ACTIVATE = WM_APP + 1;
const UINT_PTR INACTIVE_TIMER = 1;

// Is activated and deactivated by the test's own messages while the loop
// runs: active for two frames, inactive for three timer ticks, active for
// one more frame, then closed.
class ActivationApplication : public RecordingApplication
{
public:
    std::vector<double> m_SecondsFromActivationToFrame;

    LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override
    {
        if (uMsg == WM_TEST_ACTIVATE) {
            Record("activate");
            m_dActivatedAt = XF_AppTimer(APPTIMER_GETABSOLUTETIME);
            Pause(TRUE);
            return 0;
        }
        if (uMsg == WM_TIMER && wParam == INACTIVE_TIMER) {
            Record("tick");
            if (++m_iTicks == 3) {
                KillTimer(hWnd, INACTIVE_TIMER);
                PostMessageA(hWnd, WM_TEST_ACTIVATE, 0, 0);
            }
            return 0;
        }
        return RecordingApplication::MsgProc(hWnd, uMsg, wParam, lParam);
    }

protected:
    HRESULT Render3DEnvironment() override
    {
        Record(m_bDeviceLost ? "frame testing the device" : "frame");
        return RecordingApplication::Render3DEnvironment();
    }
    HRESULT FrameMove() override
    {
        if (m_dActivatedAt > 0.0) {
            m_SecondsFromActivationToFrame.push_back(XF_AppTimer(APPTIMER_GETABSOLUTETIME) - m_dActivatedAt);
            m_dActivatedAt = 0.0;
        }
        return Record("FrameMove");
    }
    HRESULT Render() override
    {
        ++m_iFrames;
        if (m_iFrames == 2) {
            Pause(FALSE);
            SetTimer(m_hWnd, INACTIVE_TIMER, 20, nullptr);
        } else if (m_iFrames == 3) {
            PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
        }
        return Record("Render");
    }

private:
    double m_dActivatedAt = 0.0;
    int m_iTicks = 0;
    int m_iFrames = 0;
};

} // namespace

// While inactive the loop only handles messages; the first frame after
// activation waits and tests the device before it moves and draws.
TEST(XC_D3DApplication, RunRendersOnlyWhileActive)
{
    ActivationApplication app;
    ASSERT_EQ(app.Create(GetModuleHandleA(nullptr)), S_OK);
    PostMessageA(app.Window(), WM_TEST_ACTIVATE, 0, 0);
    EXPECT_EQ(app.Run(), 0u);

    const Calls expected = {"OneTimeSceneInit", "InitDeviceObjects", "RestoreDeviceObjects",
                            "activate", "frame testing the device", "FrameMove", "Render",
                            "frame", "FrameMove", "Render",
                            "tick", "tick", "tick",
                            "activate", "frame testing the device", "FrameMove", "Render",
                            "InvalidateDeviceObjects", "DeleteDeviceObjects", "FinalCleanup"};
    EXPECT_EQ(app.m_Calls, expected);
    ASSERT_EQ(app.m_SecondsFromActivationToFrame.size(), 2u);
    for (const double dSeconds : app.m_SecondsFromActivationToFrame)
        EXPECT_GE(dSeconds, 0.15);
}

// A failed frame closes the window, which shuts the frame down and ends the
// loop with exit code 0.
TEST(XC_D3DApplication, FailedFrameClosesTheWindow)
{
    struct Case { const char* failing; Calls frame; };
    const Case cases[] = {{"FrameMove", {"FrameMove"}}, {"Render", {"FrameMove", "Render"}}};
    for (const Case& c : cases) {
        RecordingApplication app(c.failing);
        ErrorLogCapture log;
        ASSERT_EQ(app.Create(GetModuleHandleA(nullptr)), S_OK);
        app.Pause(TRUE);
        Sleep(5);
        EXPECT_EQ(app.Run(), 0u);
        Calls expected{"OneTimeSceneInit", "InitDeviceObjects", "RestoreDeviceObjects"};
        expected.insert(expected.end(), c.frame.begin(), c.frame.end());
        expected.insert(expected.end(), {"InvalidateDeviceObjects", "DeleteDeviceObjects", "FinalCleanup"});
        EXPECT_EQ(app.m_Calls, expected) << c.failing;
        EXPECT_EQ(app.Window(), nullptr);
        EXPECT_TRUE(log.Contains(std::string("( ") + c.failing + "() ) failed , hr = 80004005")) << log.Text();
    }
}

namespace {

// A frame whose device can be swapped for a recording one, to fake a lost
// device; the real device comes back before the frame shuts down.
class LosingApplication : public RecordingApplication
{
public:
    void UseRecordingDevice()
    {
        m_pRealDevice = m_pD3DDevice;
        m_pD3DDevice = &m_Recording;
    }
    void UseRealDevice() { m_pD3DDevice = m_pRealDevice; }
    BOOL IsDeviceLost() const { return m_bDeviceLost; }

    RecordingDevice m_Recording;

private:
    IDirect3DDevice9* m_pRealDevice = nullptr;
};

} // namespace

// Present reports the loss; while lost nothing is drawn; a failed reset is
// reported and ends the frame with its code; after a reset the next frame
// that finds the device sound is drawn and presented again.
TEST(XC_D3DApplication, LostDeviceIsResetAndDrawnAgain)
{
    LosingApplication app;
    ASSERT_EQ(app.Create(GetModuleHandleA(nullptr)), S_OK);
    app.Pause(TRUE);
    app.UseRecordingDevice();
    RecordingDevice& device = app.m_Recording;
    ErrorLogCapture log;

    struct Step { HRESULT cooperative; HRESULT reset; HRESULT present; HRESULT result; Calls calls; BOOL lost; };
    const Step steps[] = {
        {D3D_OK, D3D_OK, D3DERR_DEVICELOST, S_OK, {"FrameMove", "Render"}, TRUE},
        {D3DERR_DEVICELOST, D3D_OK, D3D_OK, S_OK, {}, TRUE},
        {D3DERR_DEVICENOTRESET, D3DERR_INVALIDCALL, D3D_OK, D3DERR_INVALIDCALL, {"InvalidateDeviceObjects"}, TRUE},
        {D3DERR_DEVICENOTRESET, D3D_OK, D3D_OK, S_OK, {"RestoreDeviceObjects"}, TRUE},
        {D3D_OK, D3D_OK, D3D_OK, S_OK, {"FrameMove", "Render"}, FALSE},
    };
    int iStep = 0;
    for (const Step& step : steps) {
        device.SetLossAnswers(step.cooperative, step.reset, step.present);
        app.m_Calls.clear();
        Sleep(5);
        EXPECT_EQ(app.Render3DEnvironment(), step.result) << "step " << iStep;
        EXPECT_EQ(app.m_Calls, step.calls) << "step " << iStep;
        EXPECT_EQ(app.IsDeviceLost(), step.lost) << "step " << iStep;
        ++iStep;
    }
    EXPECT_EQ(device.ResetCount(), 2);
    EXPECT_EQ(device.PresentCount(), 2);
    EXPECT_TRUE(log.Contains("m_pD3DDevice->Reset( &m_D3Dpp ) 錯誤  , hr =  8876086c")) << log.Text();

    app.UseRealDevice();
    SendMessageA(app.Window(), WM_CLOSE, 0, 0);
    DrainMessages();
}

namespace {

// The program's own folder, ending in a separator.
std::string ProgramFolder()
{
    char szPath[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string strPath(szPath);
    return strPath.substr(0, strPath.find_last_of("\\/") + 1);
}

BOOL CALLBACK FindFrameWindow(HWND hWnd, LPARAM lParam)
{
    char szClass[32] = {};
    GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (std::string(szClass) != "D3D Window")
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

// Waits until the file exists, the process has ended or a minute has gone.
bool WaitForFile(const std::string& path, HANDLE hProcess)
{
    for (int i = 0; i < 600; ++i) {
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            return true;
        if (WaitForSingleObject(hProcess, 100) == WAIT_OBJECT_0)
            return false;
    }
    return false;
}

} // namespace

// A program on the frame draws its text through a device reset, saves a
// picture after a few frames and ends with exit code 0 when its window is
// closed.
TEST(XC_D3DApplication, HostProgramDrawsTextAndEndsWhenClosed)
{
    const std::string strPicture = TestOutputFile("FrameHost.bmp");
    DeleteFileA(strPicture.c_str());
    const std::string strHost = ProgramFolder() + "FrameHost.exe";
    std::string strCommand = "\"" + strHost + "\" \"" + strPicture + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(strHost.c_str(), strCommand.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process))
        << strHost;

    EXPECT_TRUE(WaitForFile(strPicture, process.hProcess));
    HWND hWnd = nullptr;
    EnumThreadWindows(process.dwThreadId, FindFrameWindow, reinterpret_cast<LPARAM>(&hWnd));
    EXPECT_NE(hWnd, nullptr);
    if (hWnd != nullptr)
        PostMessageA(hWnd, WM_CLOSE, 0, 0);
    const DWORD dwWait = WaitForSingleObject(process.hProcess, 30000);
    if (dwWait != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 99);
    DWORD dwExitCode = 99;
    GetExitCodeProcess(process.hProcess, &dwExitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(dwWait, WAIT_OBJECT_0);
    EXPECT_EQ(dwExitCode, 0u);

    BitmapFile picture;
    ASSERT_TRUE(picture.Load(strPicture));
    ASSERT_EQ(picture.Width(), 800);
    ASSERT_EQ(picture.Height(), 600);
    const std::uint32_t background = 0x000080;
    const InkBox text = FindInk(picture, background, 0, 0, 800, 600);
    ASSERT_FALSE(text.bEmpty);
    EXPECT_NEAR(text.left, 100, 3);
    EXPECT_NEAR(text.top, 200, 4);
    EXPECT_GT(text.right, 150);
    EXPECT_LT(text.right, 400);
    EXPECT_LT(text.bottom, 225);
    EXPECT_EQ(picture.Pixel(text.left - 1, text.CenterY()), background);
}

#include "GameProgram/D3DCommon/XC_D3DApplication.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XF_AppTimer.h"
#include "GameProgram/D3DCommon/XF_SetDeviceCursor.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_D3DApplication* g_pD3DApplication = nullptr;

namespace {

const char* const WINDOW_CLASS = "D3D Window";
// Visible, clipping siblings and children.
const DWORD WINDOW_STYLE = WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
// Added to the client size of a window for its frame.
const LONG WINDOW_FRAME_EXTRA = 6;
const DWORD DEVICE_BEHAVIOR = D3DCREATE_SOFTWARE_VERTEXPROCESSING | D3DCREATE_MULTITHREADED;
const DWORD LOST_DEVICE_SLEEP = 200;

LRESULT CALLBACK StaticMsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (g_pD3DApplication == nullptr)
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    return g_pD3DApplication->MsgProc(hWnd, uMsg, wParam, lParam);
}

// Registers "D3D Window". A class of that name registered before by an
// earlier frame of the process is used as it is; one that someone else
// registered with another procedure is reported, and the frame's windows then
// take the static procedure themselves (see CreateMainWindow).
bool RegisterWindowClass(HINSTANCE hInstance, WORD wIconID)
{
    WNDCLASSA wc = {};
    wc.style = 0;
    wc.lpfnWndProc = StaticMsgProc;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIconA(hInstance, MAKEINTRESOURCEA(wIconID));
    wc.hCursor = nullptr;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = WINDOW_CLASS;
    if (RegisterClassA(&wc) != 0)
        return true;
    const DWORD dwError = GetLastError();
    WNDCLASSA existing = {};
    if (GetClassInfoA(hInstance, WINDOW_CLASS, &existing) && existing.lpfnWndProc == StaticMsgProc)
        return true;
    XF_ReportError(s_szSourceFile, __LINE__,
                   XF_FormatText("RegisterClass( \"%s\" ) failed, error %lu", WINDOW_CLASS,
                                 static_cast<unsigned long>(dwError)));
    return false;
}

// The report text of a failed device creation.
const char* DeviceCreationText(HRESULT hr)
{
    switch (hr) {
    case D3DERR_INVALIDCALL:
        return "The method call is invalid. For example, a method's parameter may have an invalid value.";
    case D3DERR_NOTAVAILABLE:
        return "This device does not support the queried technique.";
    case D3DERR_OUTOFVIDEOMEMORY:
        return "Direct3D does not have enough display memory to perform the operation.";
    default:
        return XF_FormatText("裝置建立錯誤 , hr = %x", static_cast<unsigned>(hr));
    }
}

bool IsFullScreenSwallowedCommand(WPARAM wParam)
{
    switch (wParam) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MAXIMIZE:
    case SC_KEYMENU:
    case SC_MONITORPOWER:
        return true;
    default:
        return false;
    }
}

} // namespace

XC_D3DApplication::XC_D3DApplication()
{
    g_pD3DApplication = this;
}

// The window procedure must not reach a frame that is gone.
XC_D3DApplication::~XC_D3DApplication()
{
    if (g_pD3DApplication == this)
        g_pD3DApplication = nullptr;
}

HRESULT XC_D3DApplication::Create(HINSTANCE hInstance)
{
    m_pD3D = Direct3DCreate9(D3D_SDK_VERSION);
    if (m_pD3D == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, "D3DAPPERR_NODIRECT3D");
        return D3DAPPERR_NODIRECT3D;
    }

    if (m_hWnd == nullptr)
        m_hWnd = CreateMainWindow(hInstance);
    if (m_hWnd == nullptr) {
        XM_REPORT_FAILED("m_hWnd");
        ReleaseDirect3D();
        return E_FAIL;
    }
    if (m_hWndFocus == nullptr)
        m_hWndFocus = m_hWnd;

    m_dwWindowStyle = static_cast<DWORD>(GetWindowLongA(m_hWnd, GWL_STYLE));
    GetWindowRect(m_hWnd, &m_rcWindowBounds);
    GetClientRect(m_hWnd, &m_rcWindowClient);

    HRESULT hr = OneTimeSceneInit();
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("OneTimeSceneInit", hr);
        ReleaseDirect3D();
        return hr;
    }
    // A failure here may already have shut the frame down.
    hr = Initialize3DEnvironment();
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("Initialize3DEnvironment", hr);
        ReleaseDirect3D();
        return hr;
    }
    XF_AppTimer(APPTIMER_START);
    return S_OK;
}

HWND XC_D3DApplication::CreateMainWindow(HINSTANCE hInstance)
{
    const bool bOwnClass = RegisterWindowClass(hInstance, m_wIconID);
    m_dwWindowStyle = WINDOW_STYLE;
    const LONG lExtra = m_bWindowed ? WINDOW_FRAME_EXTRA : 0;
    RECT rc = {0, 0, static_cast<LONG>(m_dwCreationWidth) + lExtra, static_cast<LONG>(m_dwCreationHeight) + lExtra};
    AdjustWindowRect(&rc, m_dwWindowStyle, TRUE);
    const HWND hWnd = CreateWindowA(WINDOW_CLASS, m_szWindowTitle, m_dwWindowStyle, 0, 0, rc.right - rc.left,
                                    rc.bottom - rc.top, nullptr, nullptr, hInstance, nullptr);
    // Under a class of another procedure, the frame's messages (WM_CLOSE
    // above all) still have to reach MsgProc.
    if (hWnd != nullptr && !bOwnClass)
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticMsgProc));
    return hWnd;
}

HRESULT XC_D3DApplication::Initialize3DEnvironment()
{
    FillPresentParameters();
    if (m_D3Dpp.BackBufferFormat != D3DFMT_X8R8G8B8) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed \r\n%s", "m_D3Dpp.BackBufferFormat == D3DFMT_X8R8G8B8",
                                     "BackBufferFormat must be 32-bit"));
    }

    HRESULT hr = CreateDevice();
    if (FAILED(hr))
        return hr;

    if (m_bWindowed) {
        SetWindowPos(m_hWnd, HWND_NOTOPMOST, m_rcWindowBounds.left, m_rcWindowBounds.top,
                     m_rcWindowBounds.right - m_rcWindowBounds.left, m_rcWindowBounds.bottom - m_rcWindowBounds.top,
                     SWP_SHOWWINDOW);
    }
    m_pD3DDevice->GetDeviceCaps(&m_DeviceCaps);
    ReadBackBufferDesc();
    SetUpCursor();

    hr = InitDeviceObjects();
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("InitDeviceObjects()", hr);
        DeleteDeviceObjects();
        Shutdown(m_hWnd);
        return hr;
    }
    m_bObjectsCreated = TRUE;

    hr = RestoreDeviceObjects();
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("RestoreDeviceObjects()", hr);
        InvalidateDeviceObjects();
        Shutdown(m_hWnd);
        return hr;
    }
    m_bObjectsRestored = TRUE;
    return S_OK;
}

void XC_D3DApplication::FillPresentParameters()
{
    m_D3Dpp = {};
    if (m_bWindowed) {
        D3DDISPLAYMODE mode = {};
        m_pD3D->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode);
        m_D3Dpp.BackBufferWidth = m_rcWindowClient.right - m_rcWindowClient.left;
        m_D3Dpp.BackBufferHeight = m_rcWindowClient.bottom - m_rcWindowClient.top;
        m_D3Dpp.BackBufferFormat = mode.Format;
        m_D3Dpp.FullScreen_RefreshRateInHz = 0;
        m_D3Dpp.PresentationInterval = D3DPRESENT_INTERVAL_DEFAULT;
    } else {
        m_D3Dpp.BackBufferWidth = m_dwCreationWidth;
        m_D3Dpp.BackBufferHeight = m_dwCreationHeight;
        m_D3Dpp.BackBufferFormat = m_AdapterFormat;
        m_D3Dpp.FullScreen_RefreshRateInHz = m_dwRefreshRate;
        m_D3Dpp.PresentationInterval = D3DPRESENT_INTERVAL_ONE;
    }
    m_D3Dpp.BackBufferCount = 2;
    m_D3Dpp.MultiSampleType = D3DMULTISAMPLE_NONE;
    m_D3Dpp.MultiSampleQuality = 0;
    m_D3Dpp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    m_D3Dpp.hDeviceWindow = m_hWnd;
    m_D3Dpp.Windowed = m_bWindowed;
    m_D3Dpp.EnableAutoDepthStencil = TRUE;
    m_D3Dpp.AutoDepthStencilFormat = D3DFMT_D24S8;
    m_D3Dpp.Flags = D3DPRESENTFLAG_LOCKABLE_BACKBUFFER;
}

HRESULT XC_D3DApplication::CreateDevice()
{
    const HRESULT hr = m_pD3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, m_hWndFocus, DEVICE_BEHAVIOR,
                                            &m_D3Dpp, &m_pD3DDevice);
    if (FAILED(hr)) {
        m_pD3DDevice = nullptr;
        XF_ReportError(s_szSourceFile, __LINE__, DeviceCreationText(hr));
    }
    return hr;
}

void XC_D3DApplication::ReadBackBufferDesc()
{
    IDirect3DSurface9* pBackBuffer = nullptr;
    if (FAILED(m_pD3DDevice->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &pBackBuffer)))
        return;
    pBackBuffer->GetDesc(&m_BackBufferDesc);
    pBackBuffer->Release();
}

// The system cursor is hidden; in full screen the window class's cursor may
// become the device cursor, and the cursor may be kept inside the window.
void XC_D3DApplication::SetUpCursor()
{
    SetCursor(nullptr);
    if (!m_bWindowed && m_bFullScreenCursor) {
        const HCURSOR hCursor = reinterpret_cast<HCURSOR>(GetClassLongPtrA(m_hWnd, GCLP_HCURSOR));
        XF_SetDeviceCursor(m_pD3DDevice, hCursor, TRUE);
        m_pD3DDevice->ShowCursor(TRUE);
    }
    if (m_bClipFullScreenCursor)
        ClipCursor(m_bWindowed ? nullptr : &m_rcWindowBounds);
}

HRESULT XC_D3DApplication::Reset3DEnvironment()
{
    if (m_pD3DDevice == nullptr) {
        XM_REPORT_FAILED("m_pD3DDevice");
        return E_FAIL;
    }
    if (m_bObjectsRestored) {
        m_bObjectsRestored = FALSE;
        InvalidateDeviceObjects();
    }
    HRESULT hr = m_pD3DDevice->Reset(&m_D3Dpp);
    if (FAILED(hr)) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("m_pD3DDevice->Reset( &m_D3Dpp ) 錯誤  , hr =  %x", static_cast<unsigned>(hr)));
        return hr;
    }
    ReadBackBufferDesc();

    hr = RestoreDeviceObjects();
    if (FAILED(hr)) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("RestoreDeviceObjects 錯誤  , hr =  %x", static_cast<unsigned>(hr)));
        InvalidateDeviceObjects();
        return hr;
    }
    m_bObjectsRestored = TRUE;
    return S_OK;
}

void XC_D3DApplication::Cleanup3DEnvironment()
{
    if (m_pD3DDevice == nullptr)
        return;
    if (m_bObjectsRestored) {
        m_bObjectsRestored = FALSE;
        InvalidateDeviceObjects();
    }
    if (m_bObjectsCreated) {
        m_bObjectsCreated = FALSE;
        DeleteDeviceObjects();
    }
    const ULONG ulCount = m_pD3DDevice->Release();
    if (ulCount > 0)
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("Device No Release %d", static_cast<int>(ulCount)));
    m_pD3DDevice = nullptr;
}

void XC_D3DApplication::ReleaseDirect3D()
{
    if (m_pD3D == nullptr)
        return;
    m_pD3D->Release();
    m_pD3D = nullptr;
}

void XC_D3DApplication::Shutdown(HWND hWnd)
{
    Cleanup3DEnvironment();
    ReleaseDirect3D();
    FinalCleanup();
    const HMENU hMenu = GetMenu(hWnd);
    if (hMenu != nullptr)
        DestroyMenu(hMenu);
    DestroyWindow(hWnd);
    PostQuitMessage(0);
    m_hWnd = nullptr;
}

HRESULT XC_D3DApplication::ReservedHook(DWORD, DWORD, DWORD)
{
    return S_OK;
}

void XC_D3DApplication::ReportSizeOrMoveWhileLost() const
{
    if (m_bMinimized)
        XM_REPORT_FAILED("m_bMinimized == FALSE");
    if (m_bMaximized)
        XM_REPORT_FAILED("m_bMaximized == FALSE");
}

// Waits and tests a lost device; the flag stays set unless the device is
// usable again, and a reset also ends the frame.
HRESULT XC_D3DApplication::TestLostDevice()
{
    Sleep(LOST_DEVICE_SLEEP);
    ReportSizeOrMoveWhileLost();
    const HRESULT hr = m_pD3DDevice->TestCooperativeLevel();
    if (hr == D3DERR_DEVICELOST)
        return S_OK;
    if (hr == D3DERR_DEVICENOTRESET)
        return Reset3DEnvironment();
    if (SUCCEEDED(hr))
        m_bDeviceLost = FALSE;
    return hr;
}

HRESULT XC_D3DApplication::Render3DEnvironment()
{
    if (m_pD3DDevice == nullptr) {
        XM_REPORT_FAILED("m_pD3DDevice");
        return E_FAIL;
    }
    if (m_bDeviceLost) {
        const HRESULT hr = TestLostDevice();
        if (m_bDeviceLost || FAILED(hr))
            return hr;
    }

    const float fAppTime = static_cast<float>(XF_AppTimer(APPTIMER_GETAPPTIME));
    const float fElapsedTime = static_cast<float>(XF_AppTimer(APPTIMER_GETELAPSEDTIME));
    if (fElapsedTime == 0.0f)
        return S_OK;
    m_fTime = fAppTime;
    m_fElapsedTime = fElapsedTime;

    HRESULT hr = FrameMove();
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("FrameMove()", hr);
        return hr;
    }
    if (!m_bActive)
        return S_OK;
    hr = Render();
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("Render()", hr);
        return hr;
    }
    if (m_pD3DDevice->Present(nullptr, nullptr, nullptr, nullptr) == D3DERR_DEVICELOST)
        m_bDeviceLost = TRUE;
    return S_OK;
}

WPARAM XC_D3DApplication::Run()
{
    const HACCEL hAccel = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_wAcceleratorID));
    MSG msg = {};
    msg.message = WM_NULL;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);

    while (msg.message != WM_QUIT) {
        bool bGotMsg;
        if (m_bActive) {
            bGotMsg = PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) != 0;
        } else {
            // The first frame after activation tests the device first.
            m_bDeviceLost = TRUE;
            bGotMsg = GetMessageA(&msg, nullptr, 0, 0) > 0;
        }
        if (bGotMsg) {
            if (hAccel == nullptr || m_hWnd == nullptr || TranslateAcceleratorA(m_hWnd, hAccel, &msg) == 0) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        } else if (m_bActive) {
            if (FAILED(Render3DEnvironment()))
                SendMessageA(m_hWnd, WM_CLOSE, 0, 0);
        }
    }
    if (hAccel != nullptr)
        DestroyAcceleratorTable(hAccel);
    return msg.wParam;
}

void XC_D3DApplication::Pause(BOOL bActive)
{
    bActive = bActive ? TRUE : FALSE;
    if (bActive == m_bActive)
        return;
    m_bActive = bActive;
    XF_AppTimer(bActive ? APPTIMER_START : APPTIMER_STOP);
}

LRESULT XC_D3DApplication::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_SIZE:
        return OnSize(hWnd, uMsg, wParam, lParam);
    case WM_SETCURSOR:
        if (m_bActive) {
            SetCursor(nullptr);
            return TRUE;
        }
        break;
    case WM_NCHITTEST:
        if (!m_bWindowed)
            return HTCLIENT;
        break;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMQUERYSUSPEND || wParam == PBT_APMRESUMESUSPEND)
            return TRUE;
        break;
    case WM_SYSCOMMAND:
        return OnSysCommand(hWnd, uMsg, wParam, lParam);
    case WM_CLOSE:
        Shutdown(hWnd);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

LRESULT XC_D3DApplication::OnSize(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_bWindowed && m_hWnd != nullptr)
        m_dwWindowStyle = static_cast<DWORD>(GetWindowLongA(m_hWnd, GWL_STYLE));
    if (wParam == SIZE_MINIMIZED) {
        m_bMinimized = TRUE;
        m_bMaximized = FALSE;
    } else if (wParam == SIZE_MAXIMIZED) {
        m_bMinimized = FALSE;
        m_bMaximized = TRUE;
    } else if (wParam == SIZE_RESTORED) {
        if (m_bMaximized)
            m_bMaximized = FALSE;
        else if (m_bMinimized)
            m_bMinimized = FALSE;
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

// In full screen the commands that would size, move or menu the window are
// swallowed.
LRESULT XC_D3DApplication::OnSysCommand(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (!m_bWindowed && IsFullScreenSwallowedCommand(wParam))
        return TRUE;
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

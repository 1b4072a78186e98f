#include "bench/Support/WindowedDevice.h"

#include <cstdio>

namespace {

const int CLIENT_WIDTH = 800;
const int CLIENT_HEIGHT = 600;

LRESULT CALLBACK WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

void RegisterWindowClass(const char* szWindowClass)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = szWindowClass;
    RegisterClassA(&wc); // a second registration fails harmlessly
}

std::string HResultText(const char* szCall, HRESULT hr)
{
    char szText[128];
    std::snprintf(szText, sizeof(szText), "%s failed, hr = 0x%08lx", szCall, static_cast<unsigned long>(hr));
    return szText;
}

} // namespace

WindowedDevice::WindowedDevice(const char* szWindowClass)
{
    RegisterWindowClass(szWindowClass);
    RECT rect = {0, 0, CLIENT_WIDTH, CLIENT_HEIGHT};
    const DWORD dwStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE;
    AdjustWindowRect(&rect, dwStyle, FALSE);
    m_hWnd = CreateWindowA(szWindowClass, szWindowClass, dwStyle, 0, 0, rect.right - rect.left,
                           rect.bottom - rect.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (m_hWnd == nullptr) {
        m_strError = "CreateWindow failed";
        return;
    }
    m_pD3D = Direct3DCreate9(D3D_SDK_VERSION);
    if (m_pD3D == nullptr) {
        m_strError = "Direct3DCreate9 failed";
        return;
    }
    CreateDevice();
}

WindowedDevice::~WindowedDevice()
{
    if (m_pDevice != nullptr)
        m_pDevice->Release();
    if (m_pD3D != nullptr)
        m_pD3D->Release();
    if (m_hWnd != nullptr)
        DestroyWindow(m_hWnd);
}

void WindowedDevice::CreateDevice()
{
    D3DPRESENT_PARAMETERS params = {};
    params.Windowed = TRUE;
    params.SwapEffect = D3DSWAPEFFECT_DISCARD;
    params.BackBufferFormat = D3DFMT_X8R8G8B8;
    params.BackBufferWidth = CLIENT_WIDTH;
    params.BackBufferHeight = CLIENT_HEIGHT;
    params.EnableAutoDepthStencil = TRUE;
    params.AutoDepthStencilFormat = D3DFMT_D16;
    params.hDeviceWindow = m_hWnd;
    // Tests read the back buffer back.
    params.Flags = D3DPRESENTFLAG_LOCKABLE_BACKBUFFER;
    params.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
    const HRESULT hr = m_pD3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, m_hWnd,
                                            D3DCREATE_SOFTWARE_VERTEXPROCESSING, &params, &m_pDevice);
    if (FAILED(hr)) {
        m_pDevice = nullptr;
        m_strError = HResultText("CreateDevice", hr);
    }
}

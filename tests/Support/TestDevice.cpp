#include "tests/Support/TestDevice.h"

#include "tests/Support/TestOutput.h"

#include <d3dx9.h>

#include <cstdio>

namespace {

// Not the game's own class name: the game's frame registers that one.
const char* const WINDOW_CLASS = "D3D Test Window";

LRESULT CALLBACK TestWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

void RegisterTestClass()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = TestWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = WINDOW_CLASS;
    RegisterClassA(&wc); // a second registration fails harmlessly
}

std::string HResultText(const char* szCall, HRESULT hr)
{
    char szText[128];
    std::snprintf(szText, sizeof(szText), "%s failed, hr = 0x%08lx", szCall, static_cast<unsigned long>(hr));
    return szText;
}

} // namespace

TestDevice::TestDevice()
{
    RegisterTestClass();
    RECT rect = {0, 0, 800, 600};
    const DWORD dwStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE;
    AdjustWindowRect(&rect, dwStyle, FALSE);
    m_hWnd = CreateWindowA(WINDOW_CLASS, "test", dwStyle, 0, 0, rect.right - rect.left,
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
    D3DPRESENT_PARAMETERS params = {};
    params.Windowed = TRUE;
    params.SwapEffect = D3DSWAPEFFECT_DISCARD;
    params.BackBufferFormat = D3DFMT_X8R8G8B8;
    params.BackBufferWidth = 800;
    params.BackBufferHeight = 600;
    params.EnableAutoDepthStencil = TRUE;
    params.AutoDepthStencilFormat = D3DFMT_D16;
    params.hDeviceWindow = m_hWnd;
    params.Flags = D3DPRESENTFLAG_LOCKABLE_BACKBUFFER;
    const HRESULT hr = m_pD3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, m_hWnd,
                                            D3DCREATE_SOFTWARE_VERTEXPROCESSING, &params, &m_pDevice);
    if (FAILED(hr)) {
        m_pDevice = nullptr;
        m_strError = HResultText("CreateDevice", hr);
    }
}

TestDevice::~TestDevice()
{
    if (m_pDevice != nullptr)
        m_pDevice->Release();
    if (m_pD3D != nullptr)
        m_pD3D->Release();
    if (m_hWnd != nullptr)
        DestroyWindow(m_hWnd);
}

std::string TestDevice::SaveBackBuffer(const std::string& name) const
{
    if (m_pDevice == nullptr)
        return {};
    IDirect3DSurface9* pBackBuffer = nullptr;
    if (FAILED(m_pDevice->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &pBackBuffer)))
        return {};
    const std::string path = TestOutputFile(name + ".bmp");
    const HRESULT hr = D3DXSaveSurfaceToFileA(path.c_str(), D3DXIFF_BMP, pBackBuffer, nullptr, nullptr);
    pBackBuffer->Release();
    return SUCCEEDED(hr) ? path : std::string();
}

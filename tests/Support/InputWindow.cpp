#include "tests/Support/InputWindow.h"

#include <vector>

namespace {

const char* const WINDOW_CLASS = "Input Test Window";

void RegisterInputClass()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = WINDOW_CLASS;
    RegisterClassA(&wc); // a second registration fails harmlessly
}

} // namespace

InputWindow::InputWindow(std::function<void(UINT, WPARAM, LPARAM)> onMessage)
    : m_OnMessage(std::move(onMessage))
{
    RegisterInputClass();
    // Low on the 1024×768 display, so that its centre lies clear of the
    // windows other test programs open at the top left.
    m_hWnd = CreateWindowExA(WS_EX_TOPMOST, WINDOW_CLASS, "input", WS_POPUP | WS_VISIBLE, 500, 400, 800, 600,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&InputWindow::WindowProc));
}

InputWindow::~InputWindow()
{
    if (m_hWnd != nullptr)
        DestroyWindow(m_hWnd);
}

LRESULT CALLBACK InputWindow::WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    InputWindow* const pWindow = reinterpret_cast<InputWindow*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (pWindow != nullptr && pWindow->m_OnMessage)
        pWindow->m_OnMessage(uMsg, wParam, lParam);
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

void InputWindow::Activate()
{
    // Without a window manager the keyboard follows the pointer.
    const POINT centre = ToScreen(400, 300);
    SetCursorPos(centre.x, centre.y);
    SetForegroundWindow(m_hWnd);
    SetFocus(m_hWnd);
    PumpUntil([] { return false; }, 200);
}

bool InputWindow::PumpUntil(const std::function<bool()>& done, unsigned int uMilliseconds)
{
    const DWORD dwStart = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done())
            return true;
        if (GetTickCount() - dwStart >= uMilliseconds)
            return false;
        Sleep(10);
    }
}

POINT InputWindow::ToScreen(int iX, int iY) const
{
    POINT point = {iX, iY};
    ClientToScreen(m_hWnd, &point);
    return point;
}

bool RunXdotool(const std::string& arguments)
{
    // Wine starts a Unix program given by its Unix path; its handle cannot be
    // waited on, so callers poll for the effect.
    std::string commandLine = "/usr/bin/xdotool " + arguments;
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    if (process.hProcess != nullptr)
        CloseHandle(process.hProcess);
    if (process.hThread != nullptr)
        CloseHandle(process.hThread);
    return true;
}

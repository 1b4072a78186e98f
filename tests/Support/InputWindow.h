#pragma once

#include <windows.h>

#include <functional>
#include <string>

// A topmost 800×600 window without a frame for the input tests that drive
// the real keyboard and mouse of the bench's X display with xdotool.
class InputWindow
{
public:
    // Every message the window gets is shown to onMessage first.
    explicit InputWindow(std::function<void(UINT, WPARAM, LPARAM)> onMessage);
    ~InputWindow();
    InputWindow(const InputWindow&) = delete;
    InputWindow& operator=(const InputWindow&) = delete;

    HWND Handle() const { return m_hWnd; }
    // Puts the pointer on the window's centre, makes it the foreground window
    // and pumps its messages a while.
    void Activate();
    // Pumps messages until done() holds, at most about uMilliseconds; says
    // whether done() held.
    bool PumpUntil(const std::function<bool()>& done, unsigned int uMilliseconds);
    // The screen point of a client point.
    POINT ToScreen(int iX, int iY) const;

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    std::function<void(UINT, WPARAM, LPARAM)> m_OnMessage;
};

// Runs xdotool with the arguments on the bench's display; false when it
// cannot be started.
bool RunXdotool(const std::string& arguments);

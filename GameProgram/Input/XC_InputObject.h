#pragma once

#ifndef DIRECTINPUT_VERSION
#define DIRECTINPUT_VERSION 0x0800
#endif

#include <dinput.h>
#include <windows.h>

// Holds the DirectInput object from which the input devices are created, and
// the window they belong to.
class XC_InputObject
{
public:
    XC_InputObject() = default;
    XC_InputObject(const XC_InputObject&) = delete;
    XC_InputObject& operator=(const XC_InputObject&) = delete;
    virtual ~XC_InputObject();

    // Creates the DirectInput 8 object for the window; a null instance means
    // the program's own module. Returns DirectInput's result.
    HRESULT Init(HWND hWnd, HINSTANCE hInstance);
    // Releases the DirectInput object; returns 1.
    int Fini();

    HWND GetWindow() const { return m_hWnd; }
    IDirectInput8A* GetDirectInput() const { return m_pDirectInput; }

private:
    HWND m_hWnd = nullptr;
    IDirectInput8A* m_pDirectInput = nullptr;
};

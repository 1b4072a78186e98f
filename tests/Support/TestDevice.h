#pragma once

#include <d3d9.h>
#include <windows.h>

#include <string>

// A window (800×600, a class of its own) with a windowed HAL
// Direct3D 9 device, for tests that render under the bench's X display.
class TestDevice
{
public:
    TestDevice();
    ~TestDevice();
    TestDevice(const TestDevice&) = delete;
    TestDevice& operator=(const TestDevice&) = delete;

    // False when the window or the device could not be made; Error() says why.
    bool IsReady() const { return m_pDevice != nullptr; }
    const std::string& Error() const { return m_strError; }

    HWND Window() const { return m_hWnd; }
    IDirect3D9* Direct3D() const { return m_pD3D; }
    IDirect3DDevice9* Device() const { return m_pDevice; }

    // Saves the back buffer as a ".bmp" in the bench's output folder and
    // gives its path, or an empty text on failure.
    std::string SaveBackBuffer(const std::string& name) const;

private:
    HWND m_hWnd = nullptr;
    IDirect3D9* m_pD3D = nullptr;
    IDirect3DDevice9* m_pDevice = nullptr;
    std::string m_strError;
};

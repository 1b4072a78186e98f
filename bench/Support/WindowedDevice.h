#pragma once

#include "bench/Support/BenchTiming.h"

#include <windows.h>
#include <d3d9.h>

#include <string>

// A visible window with an 800 × 600 client area, of a class of its own, and
// a windowed HAL Direct3D 9 device on it that presents at once, not waiting
// for the display: what the benchmarks and the tests that render draw on
// under the bench's X display.
class WindowedDevice
{
public:
    explicit WindowedDevice(const char* szWindowClass);
    ~WindowedDevice();
    WindowedDevice(const WindowedDevice&) = delete;
    WindowedDevice& operator=(const WindowedDevice&) = delete;

    // False when the window or the device could not be made; Error() says why.
    bool IsReady() const { return m_pDevice != nullptr; }
    const std::string& Error() const { return m_strError; }

    HWND Window() const { return m_hWnd; }
    IDirect3D9* Direct3D() const { return m_pD3D; }
    IDirect3DDevice9* Device() const { return m_pDevice; }

    // The mean seconds of a frame over iFrames frames: clear, draw, present.
    template <class Draw> double SecondsPerFrame(int iFrames, Draw draw) const
    {
        const double dSeconds = BenchSecondsOf([&] {
            for (int i = 0; i < iFrames; ++i) {
                m_pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0, 1.0f, 0);
                m_pDevice->BeginScene();
                draw();
                m_pDevice->EndScene();
                m_pDevice->Present(nullptr, nullptr, nullptr, nullptr);
            }
        });
        return dSeconds / iFrames;
    }

private:
    void CreateDevice();

    HWND m_hWnd = nullptr;
    IDirect3D9* m_pD3D = nullptr;
    IDirect3DDevice9* m_pDevice = nullptr;
    std::string m_strError;
};

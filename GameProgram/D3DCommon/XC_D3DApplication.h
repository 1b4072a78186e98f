#pragma once

#include <d3d9.h>
#include <windows.h>

// Result of Create when Direct3D 9 is missing.
const HRESULT D3DAPPERR_NODIRECT3D = static_cast<HRESULT>(0x8E000001);

// The Direct3D 9 application frame: owns the window, the Direct3D object and
// device and the frame timing, runs the message loop and drives the hooks in
// a fixed order. A subclass sets the window and mode fields before Create
// and overrides the hooks it needs; every hook's default does nothing.
class XC_D3DApplication
{
public:
    XC_D3DApplication();
    virtual ~XC_D3DApplication();
    XC_D3DApplication(const XC_D3DApplication&) = delete;
    XC_D3DApplication& operator=(const XC_D3DApplication&) = delete;

    virtual HRESULT Create(HINSTANCE hInstance);
    // Returns the quit message's wParam.
    virtual WPARAM Run();
    virtual LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    // Frames are rendered only while active; the clock stops while not.
    virtual void Pause(BOOL bActive);

protected:
    virtual HRESULT Initialize3DEnvironment();
    virtual HRESULT Reset3DEnvironment();
    virtual void Cleanup3DEnvironment();
    virtual HRESULT Render3DEnvironment();
    virtual void Shutdown(HWND hWnd);
    virtual HRESULT ReservedHook(DWORD dwValue1, DWORD dwValue2, DWORD dwValue3);

    // The subclass's hooks, called in pairs that the two object flags keep
    // balanced.
    virtual HRESULT OneTimeSceneInit() { return S_OK; }
    virtual HRESULT InitDeviceObjects() { return S_OK; }
    virtual HRESULT RestoreDeviceObjects() { return S_OK; }
    virtual HRESULT FrameMove() { return S_OK; }
    virtual HRESULT Render() { return S_OK; }
    virtual HRESULT InvalidateDeviceObjects() { return S_OK; }
    virtual HRESULT DeleteDeviceObjects() { return S_OK; }
    virtual HRESULT FinalCleanup() { return S_OK; }

public:
    virtual float GetElapsedTime() { return m_fElapsedTime; }

protected:
    BOOL m_bWindowed = TRUE;
    BOOL m_bActive = FALSE;
    BOOL m_bDeviceLost = FALSE;
    BOOL m_bMinimized = FALSE;
    BOOL m_bMaximized = FALSE;
    BOOL m_bObjectsCreated = FALSE;
    BOOL m_bObjectsRestored = FALSE;
    float m_fTime = 0.0f;
    float m_fElapsedTime = 0.0f;
    D3DPRESENT_PARAMETERS m_D3Dpp = {};
    HWND m_hWnd = nullptr;
    HWND m_hWndFocus = nullptr;
    IDirect3D9* m_pD3D = nullptr;
    IDirect3DDevice9* m_pD3DDevice = nullptr;
    D3DCAPS9 m_DeviceCaps = {};
    D3DSURFACE_DESC m_BackBufferDesc = {};
    DWORD m_dwWindowStyle = 0;
    RECT m_rcWindowBounds = {};
    RECT m_rcWindowClient = {};
    WORD m_wIconID = 0;
    WORD m_wAcceleratorID = 0;
    const char* m_szWindowTitle = "D3D9 Application";
    BOOL m_bFullScreenCursor = FALSE;
    BOOL m_bClipFullScreenCursor = TRUE;
    DWORD m_dwCreationWidth = 800;
    DWORD m_dwCreationHeight = 600;
    D3DFORMAT m_AdapterFormat = D3DFMT_X8R8G8B8;
    DWORD m_dwRefreshRate = 60;

private:
    HWND CreateMainWindow(HINSTANCE hInstance);
    void FillPresentParameters();
    HRESULT CreateDevice();
    void ReadBackBufferDesc();
    void SetUpCursor();
    void ReleaseDirect3D();
    void ReportSizeOrMoveWhileLost() const;
    HRESULT TestLostDevice();
    LRESULT OnSize(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    LRESULT OnSysCommand(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
};

// The one frame of the process; the window procedure reaches it only
// through this pointer.
extern XC_D3DApplication* g_pD3DApplication;

#pragma once

#include <windows.h>
#include <d3d9.h>
#include <d3dx9math.h>

// The global variable block: the device, its window and the values the
// engine copies from them at start-up. Empty until the application fills it.
class XC_GlobalVariable
{
public:
    XC_GlobalVariable();
    virtual ~XC_GlobalVariable() = default;

    HWND g_hWnd;
    IDirect3DDevice9* g_pD3DDevice;
    D3DCAPS9 g_D3DCaps;
    D3DSURFACE_DESC g_BackBufferDesc;
    D3DXMATRIX g_matModelScale;
    D3DXMATRIX g_matModelRotation;
    D3DXMATRIX g_matIdentity;
    char* g_szGamePath;
};

extern XC_GlobalVariable* g_pVar;

#pragma once

#include "GameProgram/D3DCommon/XC_GlobalVariable.h"

#include <d3d9.h>

// Puts a device into the global variable block for the object's life.
// Header-only, so only test programs that link the engine pull it in.
class ScopedGlobalDevice
{
public:
    explicit ScopedGlobalDevice(IDirect3DDevice9* pDevice) { g_pVar->g_pD3DDevice = pDevice; }
    ~ScopedGlobalDevice() { g_pVar->g_pD3DDevice = nullptr; }
    ScopedGlobalDevice(const ScopedGlobalDevice&) = delete;
    ScopedGlobalDevice& operator=(const ScopedGlobalDevice&) = delete;
};

#pragma once

#include <windows.h>

// Everything that can answer for a device state: the device state cache and
// every state set. Types, stages, samplers and values are Direct3D 9's.
class XI_DirectState
{
public:
    virtual ~XI_DirectState() = default;

    // Write this object's value of one state to the device.
    virtual HRESULT ApplyRenderState(DWORD eType) = 0;
    virtual HRESULT ApplyTextureStageState(DWORD dwStage, DWORD eType) = 0;
    virtual HRESULT ApplySamplerState(DWORD dwSampler, DWORD eType) = 0;
    // This object's value of one state; 0 on success.
    virtual HRESULT GetRenderState(DWORD eType, DWORD* pdwValue) = 0;
    virtual HRESULT GetTextureStageState(DWORD dwStage, DWORD eType, DWORD* pdwValue) = 0;
    virtual HRESULT GetSamplerState(DWORD dwSampler, DWORD eType, DWORD* pdwValue) = 0;
};

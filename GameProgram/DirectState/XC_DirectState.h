#pragma once

#include "GameProgram/DirectState/XI_DirectState.h"

#include <d3d9.h>

const DWORD XD_InitialRenderStateMax = 250;
const DWORD XD_TextureStageMax = 2;
const DWORD XD_InitialTextureStageStateMax = 100;
const DWORD XD_InitialSamplerStateMax = 100;

// The engine's copy of the device states: the values the device holds while
// no state set is active. It is never read back from the device; a change is
// kept only when the device accepts it, and the whole copy is written back
// after every restore of the device's objects. Only two texture stages and
// two samplers are kept. The device is the one of the global variable block.
class XC_DirectState : public XI_DirectState
{
public:
    XC_DirectState();

    HRESULT ApplyRenderState(DWORD eType) override;
    HRESULT ApplyTextureStageState(DWORD dwStage, DWORD eType) override;
    HRESULT ApplySamplerState(DWORD dwSampler, DWORD eType) override;
    HRESULT GetRenderState(DWORD eType, DWORD* pdwValue) override;
    HRESULT GetTextureStageState(DWORD dwStage, DWORD eType, DWORD* pdwValue) override;
    HRESULT GetSamplerState(DWORD dwSampler, DWORD eType, DWORD* pdwValue) override;

    // The Direct3D 9 defaults.
    HRESULT InitDefaults();
    HRESULT SetRenderState(DWORD eType, DWORD dwValue);
    HRESULT SetTextureStageState(DWORD dwStage, DWORD eType, DWORD dwValue);
    // Writes every kept state to the device; the device's answers are not looked at.
    HRESULT ApplyAll();

private:
    // False, with a report, for an index outside the tables.
    bool CheckRenderState(DWORD eType) const;
    bool CheckTextureStageState(DWORD dwStage, DWORD eType) const;
    bool CheckSamplerState(DWORD dwSampler, DWORD eType) const;

    DWORD m_dwRenderState[XD_InitialRenderStateMax];
    DWORD m_dwTextureStageState[XD_TextureStageMax][XD_InitialTextureStageStateMax];
    DWORD m_dwSamplerState[XD_TextureStageMax][XD_InitialSamplerStateMax];
};

extern XC_DirectState* g_pDirectStateObj;

#include "GameProgram/DirectState/XC_SetSamplerState.h"

#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_SetSamplerState::XC_SetSamplerState(DWORD dwSampler, DWORD eType, DWORD dwValue)
    : m_dwSampler(dwSampler)
    , m_eType(eType)
    , m_dwValue(dwValue)
{
}

HRESULT XC_SetSamplerState::Apply()
{
    IDirect3DDevice9* const pD3DDevice = GetDevice();
    if (pD3DDevice == nullptr)
        return E_FAIL;
    const HRESULT hr =
        pD3DDevice->SetSamplerState(m_dwSampler, static_cast<D3DSAMPLERSTATETYPE>(m_eType), m_dwValue);
    if (hr != D3D_OK) {
        XM_REPORT_FAILED("((HRESULT)0x00000000L) == g_pVar->g_pD3DDevice->SetSamplerState( m_dwSampler , "
                         "m_eType , m_dwValue )");
    }
    return hr;
}

HRESULT XC_SetSamplerState::Restore(XI_DirectState* pPredecessor)
{
    if (pPredecessor == nullptr) {
        XM_REPORT_FAILED("pPredecessor");
        return E_FAIL;
    }
    return pPredecessor->ApplySamplerState(m_dwSampler, m_eType);
}

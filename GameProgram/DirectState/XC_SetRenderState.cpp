#include "GameProgram/DirectState/XC_SetRenderState.h"

#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_SetRenderState::XC_SetRenderState(DWORD eType, DWORD dwValue)
    : m_eType(eType)
    , m_dwValue(dwValue)
{
}

HRESULT XC_SetRenderState::Apply()
{
    IDirect3DDevice9* const pD3DDevice = GetDevice();
    if (pD3DDevice == nullptr)
        return E_FAIL;
    const HRESULT hr = pD3DDevice->SetRenderState(static_cast<D3DRENDERSTATETYPE>(m_eType), m_dwValue);
    if (hr != D3D_OK)
        XM_REPORT_FAILED("((HRESULT)0x00000000L) == g_pVar->g_pD3DDevice->SetRenderState( m_eType , m_dwValue )");
    return hr;
}

HRESULT XC_SetRenderState::Restore(XI_DirectState* pPredecessor)
{
    if (pPredecessor == nullptr) {
        XM_REPORT_FAILED("pPredecessor");
        return E_FAIL;
    }
    return pPredecessor->ApplyRenderState(m_eType);
}

#include "GameProgram/DirectState/XC_SetTextureStageState.h"

#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_SetTextureStageState::XC_SetTextureStageState(DWORD dwStage, DWORD eType, DWORD dwValue)
    : m_dwStage(dwStage)
    , m_eType(eType)
    , m_dwValue(dwValue)
{
}

HRESULT XC_SetTextureStageState::Apply()
{
    IDirect3DDevice9* const pD3DDevice = GetDevice();
    if (pD3DDevice == nullptr)
        return E_FAIL;
    const HRESULT hr =
        pD3DDevice->SetTextureStageState(m_dwStage, static_cast<D3DTEXTURESTAGESTATETYPE>(m_eType), m_dwValue);
    if (hr != D3D_OK) {
        XM_REPORT_FAILED("((HRESULT)0x00000000L) == g_pVar->g_pD3DDevice->SetTextureStageState( m_dwStage , "
                         "m_eType , m_dwValue )");
    }
    return hr;
}

HRESULT XC_SetTextureStageState::Restore(XI_DirectState* pPredecessor)
{
    if (pPredecessor == nullptr) {
        XM_REPORT_FAILED("pPredecessor");
        return E_FAIL;
    }
    return pPredecessor->ApplyTextureStageState(m_dwStage, m_eType);
}

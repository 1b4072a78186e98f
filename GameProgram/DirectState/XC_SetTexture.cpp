#include "GameProgram/DirectState/XC_SetTexture.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/XC_Texture.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_SetTexture::XC_SetTexture(DWORD dwStage, XC_Texture* pTextureObj)
    : m_dwStage(dwStage)
    , m_pTextureObj(nullptr)
{
    SetTextureObj(pTextureObj);
}

XC_SetTexture::~XC_SetTexture()
{
    SetTextureObj(nullptr);
}

void XC_SetTexture::SetTextureObj(XC_Texture* pTextureObj)
{
    // The new reference comes first, so rebinding the same texture cannot
    // let its count reach 0 on the way.
    if (pTextureObj != nullptr)
        pTextureObj->AddRef();
    if (m_pTextureObj != nullptr)
        m_pTextureObj->Release();
    m_pTextureObj = pTextureObj;
}

HRESULT XC_SetTexture::Apply()
{
    if (m_pTextureObj == nullptr) {
        XM_REPORT_FAILED("m_pTextureObj");
        return E_FAIL;
    }
    IDirect3DDevice9* const pD3DDevice = GetDevice();
    if (pD3DDevice == nullptr)
        return E_FAIL;
    const HRESULT hr = pD3DDevice->SetTexture(m_dwStage, m_pTextureObj->GetTexture());
    if (hr != D3D_OK) {
        XM_REPORT_FAILED("((HRESULT)0x00000000L) == g_pVar->g_pD3DDevice->SetTexture( m_dwStage , "
                         "m_pTextureObj->GetTexture() )");
    }
    return hr;
}

HRESULT XC_SetTexture::Restore(XI_DirectState*)
{
    IDirect3DDevice9* const pD3DDevice = GetDevice();
    if (pD3DDevice == nullptr)
        return E_FAIL;
    return pD3DDevice->SetTexture(m_dwStage, nullptr);
}

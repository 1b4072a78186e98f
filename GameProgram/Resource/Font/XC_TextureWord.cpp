#include "GameProgram/Resource/Font/XC_TextureWord.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/XC_Texture.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_TextureWord::XC_TextureWord()
{
    m_dwReferenceCount = 1;
}

XC_TextureWord::~XC_TextureWord()
{
    if (m_pTextureObj != nullptr)
        m_pTextureObj->Release();
}

void XC_TextureWord::Release()
{
    if (m_dwReferenceCount <= 0) {
        XM_REPORT_FAILED("m_dwReferenceCount > 0");
        return;
    }
    --m_dwReferenceCount;
    if (m_dwReferenceCount == 0)
        delete this;
}

HRESULT XC_TextureWord::SetTexture(XC_Texture* pTextureObj)
{
    if (pTextureObj == nullptr) {
        XM_REPORT_FAILED("pTextureObj");
        return E_FAIL;
    }
    // Taken before the old one goes, in case both are the same texture.
    pTextureObj->AddRef();
    if (m_pTextureObj != nullptr)
        m_pTextureObj->Release();
    m_pTextureObj = pTextureObj;
    SetWidth(pTextureObj->GetWidth());
    SetHeight(pTextureObj->GetHeight());
    return S_OK;
}

HRESULT XC_TextureWord::Render(const D3DXMATRIX* pmatWorld)
{
    if (m_pTextureObj == nullptr || pmatWorld == nullptr) {
        XM_REPORT_FAILED("m_pTextureObj && pmatWorld");
        return E_FAIL;
    }
    // The texture's quad is centred on its origin.
    D3DXMATRIX matWorld;
    D3DXMatrixTranslation(&matWorld, m_fWidth / 2.0f, m_fHeight / 2.0f, 0.0f);
    matWorld *= *pmatWorld;
    return m_pTextureObj->Render(&matWorld);
}

#include "GameProgram/RenderingObject/XC_RenderPic.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/RenderingObject/XF_LoadTexture.h"
#include "GameProgram/RenderingObject/XF_ReplaceReference.h"
#include "GameProgram/RenderingObject/XF_TextureFactor.h"
#include "GameProgram/Resource/XC_Texture.h"
#include "GameProgram/Resource/XC_TextureManager.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_RenderPic::XC_RenderPic()
    : m_pTextureObj(nullptr)
{
}

XC_RenderPic::~XC_RenderPic()
{
    if (m_pTextureObj != nullptr)
        m_pTextureObj->Release();
}

HRESULT XC_RenderPic::LoadFromTextNode(XC_TextNode* pTNode)
{
    if (FAILED(XC_RenderingObject::LoadFromTextNode(pTNode)) || pTNode == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    XC_Texture* const pTextureObj = XF_LoadTextureOfNode(pTNode, s_szSourceFile);
    SetTextureObj(pTextureObj);
    if (pTextureObj != nullptr)
        pTextureObj->Release();
    return S_OK;
}

HRESULT XC_RenderPic::SetTextureObj(const char* szTextureName)
{
    if (szTextureName == nullptr || g_pTextureManager == nullptr) {
        XM_REPORT_FAILED(szTextureName == nullptr ? "szTextureName" : "g_pTextureManager");
        return E_FAIL;
    }
    XC_Texture* const pTextureObj = g_pTextureManager->GetTexture(szTextureName);
    if (pTextureObj == nullptr)
        XM_REPORT_FAILED("pTextureObj");
    const HRESULT hr = SetTextureObj(pTextureObj);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("SetTextureObj( pTextureObj )", hr);
    if (pTextureObj != nullptr)
        pTextureObj->Release();
    return S_OK;
}

HRESULT XC_RenderPic::SetTextureObj(XC_Texture* pTextureObj)
{
    XF_ReplaceReference(&m_pTextureObj, pTextureObj);
    SetRenderable(pTextureObj != nullptr ? TRUE : FALSE);
    return S_OK;
}

HRESULT XC_RenderPic::GetTextureObj(XC_Texture** ppTextureObj)
{
    if (m_pTextureObj == nullptr)
        return E_FAIL;
    m_pTextureObj->AddRef();
    *ppTextureObj = m_pTextureObj;
    return S_OK;
}

void XC_RenderPic::DrawObject()
{
    if (m_pTextureObj == nullptr) {
        XM_REPORT_FAILED("m_pTextureObj");
        return;
    }
    const bool bTinted = GetColor() != 0xFFFFFFFF;
    if (bTinted)
        XF_SetTextureFactorColor(GetColor());
    m_pTextureObj->Render(GetWorldMatrix());
    if (bTinted)
        XF_RestoreTextureFactor();
}

BOOL XC_RenderPic::IntersectRay(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection, float* pfDistance)
{
    if (m_pTextureObj == nullptr)
        return FALSE;
    return m_pTextureObj->HitTest(pvOrigin, pvDirection, GetWorldMatrix(), FALSE, pfDistance) == 1 ? TRUE : FALSE;
}

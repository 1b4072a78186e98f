#include "GameProgram/RenderingObject/XC_RenderPercentageBar.h"

#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/DirectState/XC_DirectState.h"
#include "GameProgram/RenderingObject/XF_ReplaceReference.h"
#include "GameProgram/RenderingObject/XF_TextureFactor.h"
#include "GameProgram/Resource/XC_2DTexture.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_RenderPercentageBar::XC_RenderPercentageBar()
    : m_fPercentage(1.0f)
    , m_dwAlphaRef(1)
    , m_pForegroundTextureObj(nullptr)
    , m_pBackgroundTextureObj(nullptr)
{
}

XC_RenderPercentageBar::~XC_RenderPercentageBar()
{
    if (m_pForegroundTextureObj != nullptr)
        m_pForegroundTextureObj->Release();
    if (m_pBackgroundTextureObj != nullptr)
        m_pBackgroundTextureObj->Release();
}

HRESULT XC_RenderPercentageBar::LoadFromTextNode(XC_TextNode* pTNode)
{
    if (FAILED(XC_RenderingObject::LoadFromTextNode(pTNode)) || pTNode == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    static const struct
    {
        const char* szLeaf;
        HRESULT (XC_RenderPercentageBar::*pSetter)(const char*);
        const char* szCall;
    } LAYERS[] = {
        {"Background", &XC_RenderPercentageBar::SetBackgroundTextureObj, "SetBackgroundTextureObj( szTextureName )"},
        {"Foreground", &XC_RenderPercentageBar::SetForegroundTextureObj, "SetForegroundTextureObj( szTextureName )"},
    };
    for (const auto& layer : LAYERS) {
        const char* const szTextureName = pTNode->GetStr(layer.szLeaf, nullptr);
        if (szTextureName == nullptr) {
            XM_REPORT_FAILED("szTextureName");
            continue;
        }
        const HRESULT hr = (this->*layer.pSetter)(szTextureName);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR(layer.szCall, hr);
    }
    return S_OK;
}

void XC_RenderPercentageBar::SetLayer(XC_2DTexture** ppLayer, XC_2DTexture* pTextureObj)
{
    XF_ReplaceReference(ppLayer, pTextureObj);
    if (pTextureObj == nullptr)
        SetRenderable(FALSE);
    else if (m_pForegroundTextureObj != nullptr && m_pBackgroundTextureObj != nullptr)
        SetRenderable(TRUE);
}

HRESULT XC_RenderPercentageBar::SetLayerByName(const char* szTextureName,
                                               HRESULT (XC_RenderPercentageBar::*pSetter)(XC_2DTexture*),
                                               const char* szCall)
{
    if (szTextureName == nullptr || g_p2DTextureManager == nullptr) {
        XM_REPORT_FAILED(szTextureName == nullptr ? "szForegroundTextureName" : "g_p2DTextureManager");
        return E_FAIL;
    }
    XC_2DTexture* const pTextureObj = g_p2DTextureManager->GetTexture(szTextureName);
    if (pTextureObj == nullptr)
        XM_REPORT_FAILED("pTextureObj");
    const HRESULT hr = (this->*pSetter)(pTextureObj);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR(szCall, hr);
    if (pTextureObj != nullptr)
        pTextureObj->Release();
    return S_OK;
}

HRESULT XC_RenderPercentageBar::SetForegroundTextureObj(const char* szForegroundTextureName)
{
    return SetLayerByName(szForegroundTextureName, &XC_RenderPercentageBar::SetForegroundTextureObj,
                          "SetForegroundTextureObj( pTextureObj )");
}

HRESULT XC_RenderPercentageBar::SetForegroundTextureObj(XC_2DTexture* pTextureObj)
{
    SetLayer(&m_pForegroundTextureObj, pTextureObj);
    return S_OK;
}

HRESULT XC_RenderPercentageBar::SetBackgroundTextureObj(const char* szBackgroundTextureName)
{
    return SetLayerByName(szBackgroundTextureName, &XC_RenderPercentageBar::SetBackgroundTextureObj,
                          "SetBackgroundTextureObj( pTextureObj )");
}

HRESULT XC_RenderPercentageBar::SetBackgroundTextureObj(XC_2DTexture* pTextureObj)
{
    SetLayer(&m_pBackgroundTextureObj, pTextureObj);
    return S_OK;
}

void XC_RenderPercentageBar::SetPercentage(float fPercentage)
{
    // Outside 0 to 1 the reference would leave the alpha test's range.
    m_fPercentage = fPercentage < 0.0f ? 0.0f : (fPercentage > 1.0f ? 1.0f : fPercentage);
    m_dwAlphaRef = 255 - static_cast<DWORD>(255.0f * m_fPercentage);
    if (m_dwAlphaRef == 0)
        m_dwAlphaRef = 1;
}

BOOL XC_RenderPercentageBar::IsAlphaBlend()
{
    return TRUE;
}

void XC_RenderPercentageBar::DrawObject()
{
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    if (pDevice == nullptr) {
        XM_REPORT_FAILED("g_pVar->g_pD3DDevice");
        return;
    }
    const bool bTinted = GetColor() != 0xFFFFFFFF;
    if (bTinted)
        XF_SetTextureFactorColor(GetColor());
    if (m_pBackgroundTextureObj != nullptr) {
        pDevice->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
        pDevice->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
        pDevice->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
        m_pBackgroundTextureObj->Render(GetWorldMatrix());
        for (const DWORD dwState : {D3DRS_ALPHABLENDENABLE, D3DRS_SRCBLEND, D3DRS_DESTBLEND})
            g_pDirectStateObj->ApplyRenderState(dwState);
    }
    if (m_pForegroundTextureObj != nullptr) {
        pDevice->SetRenderState(D3DRS_ALPHAREF, m_dwAlphaRef);
        m_pForegroundTextureObj->Render(GetWorldMatrix());
        g_pDirectStateObj->ApplyRenderState(D3DRS_ALPHAREF);
    }
    if (bTinted)
        XF_RestoreTextureFactor();
}

#include "GameProgram/RenderingObject/XC_RenderBackground.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/Painter/XI_EnvironmentOfRender.h"
#include "GameProgram/RenderingObject/XF_LoadTexture.h"
#include "GameProgram/RenderingObject/XF_ReplaceReference.h"
#include "GameProgram/Resource/XC_Texture.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_RenderBackground::XC_RenderBackground()
    : m_pTextureObj(nullptr)
    , m_fRotateSpeed(1.0f)
{
}

XC_RenderBackground::~XC_RenderBackground()
{
    if (m_pTextureObj != nullptr)
        m_pTextureObj->Release();
}

HRESULT XC_RenderBackground::LoadFromTextNode(XC_TextNode* pTNode)
{
    if (FAILED(XC_RenderingObject::LoadFromTextNode(pTNode)) || pTNode == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    XC_Texture* const pTextureObj = XF_LoadTextureOfNode(pTNode, s_szSourceFile);
    const HRESULT hr = SetTextureObj(pTextureObj);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("SetTextureObj( pTextureObj )", hr);
    if (pTextureObj != nullptr)
        pTextureObj->Release();
    SetRotateSpeed(pTNode->GetFloat("fRotateSpeed", 1.0f));
    return S_OK;
}

HRESULT XC_RenderBackground::SetTextureObj(XC_Texture* pTextureObj)
{
    XF_ReplaceReference(&m_pTextureObj, pTextureObj);
    SetRenderable(pTextureObj != nullptr ? TRUE : FALSE);
    return S_OK;
}

HRESULT XC_RenderBackground::GetTextureObj(XC_Texture** ppTextureObj)
{
    if (m_pTextureObj == nullptr)
        return E_FAIL;
    *ppTextureObj = m_pTextureObj;
    return S_OK;
}

void XC_RenderBackground::SetRotateSpeed(float fRotateSpeed)
{
    m_fRotateSpeed = fRotateSpeed;
}

float XC_RenderBackground::GetRotateSpeed() const
{
    return m_fRotateSpeed;
}

float XC_RenderBackground::TextureOffset(float fYaw, float fRotateSpeed)
{
    return fYaw / 3.1415927f * fRotateSpeed;
}

void XC_RenderBackground::DrawObject()
{
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    if (m_pTextureObj == nullptr || pDevice == nullptr) {
        XM_REPORT_FAILED("m_pTextureObj");
        return;
    }
    XC_CameraMan* const pWorldCameraMan = m_pEnvironmentOfRender->GetWorldCameraMan();
    const float fYaw = pWorldCameraMan != nullptr ? pWorldCameraMan->GetCurrentData()->m_fYaw : 0.0f;
    D3DXMATRIX matTexture;
    D3DXMatrixIdentity(&matTexture);
    matTexture._31 = TextureOffset(fYaw, m_fRotateSpeed);
    pDevice->SetTextureStageState(0, D3DTSS_TEXTURETRANSFORMFLAGS, D3DTTFF_COUNT2);
    pDevice->SetTransform(D3DTS_TEXTURE0, &matTexture);
    m_pTextureObj->Render(GetWorldMatrix());
    m_SetDirectStateObj.ApplyTextureStageState(0, D3DTSS_TEXTURETRANSFORMFLAGS);
    D3DXMatrixIdentity(&matTexture);
    pDevice->SetTransform(D3DTS_TEXTURE0, &matTexture);
}

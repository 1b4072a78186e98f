#include "GameProgram/RenderingObject/XC_RenderShadow.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_Frustum.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"
#include "GameProgram/DirectState/XC_DirectState.h"
#include "GameProgram/Resource/XC_Texture.h"
#include "GameProgram/Resource/XC_TextureManager.h"
#include "GameProgram/Resource/XC_XFileManager.h"
#include "GameProgram/Resource/XC_XFileObject.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

ID3DXMesh* XC_RenderShadow::s_pShadowMesh = nullptr;
XC_Texture* XC_RenderShadow::s_pShadowTexture = nullptr;
DWORD XC_RenderShadow::s_dwLivingCount = 0;

namespace {

const float SHADOW_RADIUS = 0.5f;
const DWORD SHADOW_DARKNESS = 112;
const DWORD SHADOW_RENDER_STATES[] = {
    D3DRS_STENCILENABLE, D3DRS_STENCILFUNC, D3DRS_STENCILREF,     D3DRS_STENCILMASK,     D3DRS_STENCILWRITEMASK,
    D3DRS_STENCILZFAIL,  D3DRS_STENCILFAIL, D3DRS_STENCILPASS,    D3DRS_ZWRITEENABLE,    D3DRS_ALPHABLENDENABLE,
    D3DRS_SRCBLEND,      D3DRS_DESTBLEND,   D3DRS_CULLMODE,       D3DRS_TEXTUREFACTOR,
};

// The first mesh of the hierarchy below the frame.
ID3DXMesh* FindMesh(const D3DXFRAME* pFrame)
{
    for (; pFrame != nullptr; pFrame = pFrame->pFrameSibling) {
        if (pFrame->pMeshContainer != nullptr && pFrame->pMeshContainer->MeshData.pMesh != nullptr)
            return pFrame->pMeshContainer->MeshData.pMesh;
        if (ID3DXMesh* const pMesh = FindMesh(pFrame->pFrameFirstChild))
            return pMesh;
    }
    return nullptr;
}

} // namespace

XC_RenderShadow::XC_RenderShadow()
{
    ++s_dwLivingCount;
    m_bRenderable = TRUE;
}

XC_RenderShadow::~XC_RenderShadow()
{
    if (--s_dwLivingCount == 0)
        ReleaseSharedResources();
}

bool XC_RenderShadow::LoadSharedResources()
{
    if (s_pShadowMesh != nullptr)
        return true;
    if (g_pVar->g_pD3DDevice == nullptr || g_pXFileManager == nullptr || g_pTextureManager == nullptr) {
        XM_REPORT_FAILED(g_pVar->g_pD3DDevice == nullptr ? "g_pVar->g_pD3DDevice"
                         : g_pXFileManager == nullptr    ? "g_pXFileManager"
                                                         : "g_pTextureManager");
        return false;
    }
    XC_XFileObject* const pXFileObject = g_pXFileManager->GetXFile("shadow\\shadow.x");
    if (pXFileObject == nullptr) {
        XM_REPORT_FAILED("pXFileObject");
        return false;
    }
    ID3DXMesh* const pSourceMesh = FindMesh(pXFileObject->GetFrameRoot());
    const HRESULT hr = pSourceMesh != nullptr ? pSourceMesh->CloneMeshFVF(pSourceMesh->GetOptions(), D3DFVF_XYZ,
                                                                          g_pVar->g_pD3DDevice, &s_pShadowMesh)
                                              : E_FAIL;
    pXFileObject->Release();
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("pMesh->CloneMeshFVF( D3DFVF_XYZ )", hr);
        s_pShadowMesh = nullptr;
        return false;
    }
    s_pShadowTexture = g_pTextureManager->GetTexture("bk\\bk001.bmp");
    if (s_pShadowTexture == nullptr)
        XM_REPORT_FAILED("m_pTextureObj");
    return true;
}

void XC_RenderShadow::ReleaseSharedResources()
{
    if (s_pShadowMesh != nullptr)
        s_pShadowMesh->Release();
    s_pShadowMesh = nullptr;
    if (s_pShadowTexture != nullptr)
        s_pShadowTexture->Release();
    s_pShadowTexture = nullptr;
}

DWORD XC_RenderShadow::ShadowAlpha(DWORD dwColor)
{
    return (dwColor >> 24) * SHADOW_DARKNESS / 255;
}

BOOL XC_RenderShadow::IsAlphaBlend()
{
    return TRUE;
}

BOOL XC_RenderShadow::IsInFrustum(const XC_Frustum* pFrustumObj)
{
    const D3DXVECTOR3 vOrigin(0.0f, 0.0f, 0.0f);
    const D3DXVECTOR3 vCenter = XF_TransformPoint(&vOrigin, GetWorldMatrix());
    return pFrustumObj->SphereInFrustum(&vCenter, SHADOW_RADIUS);
}

void XC_RenderShadow::DrawObject()
{
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    if (!LoadSharedResources())
        return;
    pDevice->SetTexture(0, s_pShadowTexture != nullptr ? s_pShadowTexture->GetTexture() : nullptr);
    pDevice->SetTransform(D3DTS_WORLD, GetWorldMatrix());
    // First pass: mark the far faces of the volume where they are seen; the colour stays.
    pDevice->SetRenderState(D3DRS_STENCILENABLE, TRUE);
    pDevice->SetRenderState(D3DRS_STENCILFUNC, D3DCMP_ALWAYS);
    pDevice->SetRenderState(D3DRS_STENCILREF, 1);
    pDevice->SetRenderState(D3DRS_STENCILMASK, 1);
    pDevice->SetRenderState(D3DRS_STENCILWRITEMASK, 1);
    pDevice->SetRenderState(D3DRS_STENCILZFAIL, D3DSTENCILOP_KEEP);
    pDevice->SetRenderState(D3DRS_STENCILFAIL, D3DSTENCILOP_KEEP);
    pDevice->SetRenderState(D3DRS_STENCILPASS, D3DSTENCILOP_REPLACE);
    pDevice->SetRenderState(D3DRS_ZWRITEENABLE, FALSE);
    pDevice->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    pDevice->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_ZERO);
    pDevice->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ONE);
    pDevice->SetRenderState(D3DRS_CULLMODE, D3DCULL_CW);
    s_pShadowMesh->DrawSubset(0);
    // Second pass: the near faces darken where the far ones were hidden by the ground.
    pDevice->SetRenderState(D3DRS_STENCILFUNC, D3DCMP_NOTEQUAL);
    pDevice->SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW);
    pDevice->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    pDevice->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    pDevice->SetRenderState(D3DRS_TEXTUREFACTOR, ShadowAlpha(GetColor()) << 24);
    pDevice->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG2);
    pDevice->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG2);
    pDevice->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_TFACTOR);
    pDevice->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_TFACTOR);
    pDevice->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE);
    pDevice->SetTextureStageState(1, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
    s_pShadowMesh->DrawSubset(0);
    // Every state goes back to the engine's cache, so later draws find what it holds.
    for (const DWORD dwState : SHADOW_RENDER_STATES)
        g_pDirectStateObj->ApplyRenderState(dwState);
    for (const DWORD dwStage : {0u, 1u}) {
        for (const DWORD dwState : {D3DTSS_COLOROP, D3DTSS_ALPHAOP, D3DTSS_COLORARG2, D3DTSS_ALPHAARG2})
            g_pDirectStateObj->ApplyTextureStageState(dwStage, dwState);
    }
}

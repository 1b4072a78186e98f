#include "GameProgram/RenderingObject/XC_RenderXFile.h"

#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_Frustum.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"
#include "GameProgram/RenderingObject/XF_ReplaceReference.h"
#include "GameProgram/RenderingObject/XF_TextureFactor.h"
#include "GameProgram/Resource/XC_Texture.h"
#include "GameProgram/Resource/XC_XFileManager.h"
#include "GameProgram/Resource/XC_XFileObject.h"
#include "GameProgram/Resource/XF_SkinMeshContainer.h"

#include <cmath>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD TIMER_RANK = 8;
const double END_MARGIN = 0.000001;

} // namespace

XC_RenderXFile::XC_RenderXFile()
    : XC_AnimationTimer(TIMER_RANK)
    , m_BoundingSphere{D3DXVECTOR3(0.0f, 0.0f, 0.0f), 0.0f}
    , m_bTextureFactorSet(FALSE)
    , m_bHideAtEnding(FALSE)
    , m_pXFileObj(nullptr)
    , m_pAnimController(nullptr)
{
    m_SetDirectStateObj.SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    m_SetDirectStateObj.SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    m_SetDirectStateObj.SetRenderState(D3DRS_LIGHTING, TRUE);
    m_SetDirectStateObj.SetRenderState(D3DRS_SPECULARENABLE, TRUE);
}

XC_RenderXFile::~XC_RenderXFile()
{
    ReleaseAnimController();
    if (m_pXFileObj != nullptr)
        m_pXFileObj->Release();
}

void XC_RenderXFile::ReleaseAnimController()
{
    if (m_pAnimController != nullptr)
        m_pAnimController->Release();
    m_pAnimController = nullptr;
}

XC_RenderingObject* XC_RenderXFile::Duplicate()
{
    XC_RenderXFile* const pNewObj = new XC_RenderXFile;
    pNewObj->CopyRenderXFile(this);
    return pNewObj;
}

HRESULT XC_RenderXFile::LoadFromTextNode(XC_TextNode* pTNode)
{
    if (FAILED(XC_RenderingObject::LoadFromTextNode(pTNode)) || pTNode == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    const char* const lpctstrGetStr = pTNode->GetStr("XFileName", nullptr);
    if (lpctstrGetStr == nullptr)
        XM_REPORT_FAILED("lpctstrGetStr");
    else
        LoadXFile(lpctstrGetStr);
    SetLoop(pTNode->GetBool("bLoop", TRUE));
    m_bHideAtEnding = pTNode->GetBool("bHideAtEnding", FALSE);
    SetTimeRate(pTNode->GetFloat("fSpeed", 1.0f));
    return S_OK;
}

HRESULT XC_RenderXFile::LoadXFile(const char* szXFileName)
{
    XC_XFileObject* const pXFileObj =
        g_pXFileManager != nullptr && szXFileName != nullptr ? g_pXFileManager->GetXFile(szXFileName) : nullptr;
    if (pXFileObj == nullptr) {
        XM_REPORT_FAILED("pXFileObj");
        return E_FAIL;
    }
    if (FAILED(SetXFileObject(pXFileObj)))
        XM_REPORT_FAILED("SetXFileObject( pXFileObj )");
    pXFileObj->Release();
    return S_OK;
}

HRESULT XC_RenderXFile::SetXFileObject(XC_XFileObject* pXFileObj)
{
    ReleaseAnimController();
    XF_ReplaceReference(&m_pXFileObj, pXFileObj);
    if (pXFileObj == nullptr) {
        SetRenderable(FALSE);
        return S_OK;
    }
    ID3DXAnimationController* const pAC = pXFileObj->GetAnimationController();
    if (pAC != nullptr) {
        HRESULT hr = pAC->CloneAnimationController(pAC->GetMaxNumAnimationOutputs(), pAC->GetMaxNumAnimationSets(),
                                                   pAC->GetMaxNumTracks(), pAC->GetMaxNumEvents(), &m_pAnimController);
        if (FAILED(hr)) {
            XM_REPORT_FAILED_HR("pAC->CloneAnimationController( pAC->GetMaxNumAnimationOutputs() , "
                                "pAC->GetMaxNumAnimationSets() , pAC->GetMaxNumTracks() , pAC->GetMaxNumEvents() , "
                                "&m_pAnimController )",
                                hr);
            m_pAnimController = nullptr;
        }
        ID3DXAnimationSet* pAnimSet = nullptr;
        if (m_pAnimController != nullptr) {
            if (m_pAnimController->GetNumAnimationSets() != 1)
                XM_REPORT_FAILED("1 == m_pAnimController->GetNumAnimationSets()");
            hr = m_pAnimController->GetAnimationSet(0, &pAnimSet);
            if (FAILED(hr))
                XM_REPORT_FAILED_HR("m_pAnimController->GetAnimationSet( 0 , &pAnimSet )", hr);
        }
        // A controller without a set plays nothing: no period is read through it.
        if (pAnimSet != nullptr) {
            SetEndTime(static_cast<float>(pAnimSet->GetPeriod() - END_MARGIN));
            pAnimSet->Release();
        }
    }
    SetRenderable(TRUE);
    if (IsRegistered() && m_pAnimController != nullptr) {
        XC_Timer::Start();
        XC_Timer::SetTime(0.0f);
    }
    return S_OK;
}

HRESULT XC_RenderXFile::GetXFileObject(XC_XFileObject** ppXFileObj)
{
    if (m_pXFileObj == nullptr) {
        *ppXFileObj = nullptr;
        return E_FAIL;
    }
    m_pXFileObj->AddRef();
    *ppXFileObj = m_pXFileObj;
    return S_OK;
}

HRESULT XC_RenderXFile::CopyRenderXFile(XC_RenderXFile* pSource)
{
    if (pSource == nullptr || FAILED(CopyRenderingObject(pSource))) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    XC_XFileObject* pXFileObj = nullptr;
    if (FAILED(pSource->GetXFileObject(&pXFileObj))) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    if (FAILED(SetXFileObject(pXFileObj)))
        XM_REPORT_FAILED("SetXFileObject( pXFileObj )");
    pXFileObj->Release();
    XC_AnimationTimer::SetTime(pSource->GetTime());
    return S_OK;
}

XS_BoundingSphere* XC_RenderXFile::GetBoundingSphere()
{
    return &m_BoundingSphere;
}

void XC_RenderXFile::OnAddToPainter()
{
    if (m_pAnimController == nullptr)
        return;
    XC_Timer::Start();
    XC_Timer::SetTime(0.0f);
}

void XC_RenderXFile::OnRemoveFromPainter()
{
    XC_Timer::Reset();
}

void XC_RenderXFile::OnReachEnd()
{
    if (m_bHideAtEnding)
        SetShow(FALSE);
}

void XC_RenderXFile::FollowTimer()
{
    const double dTimeDelta = static_cast<double>(GetTime()) - m_pAnimController->GetTime();
    if (dTimeDelta < 0.0) {
        const HRESULT hr = m_pAnimController->ResetTime();
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("m_pAnimController->ResetTime( )", hr);
        return;
    }
    const HRESULT hr = m_pAnimController->AdvanceTime(dTimeDelta, nullptr);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_pAnimController->AdvanceTime( TimeDelta , 0 )", hr);
}

void XC_RenderXFile::DrawObject()
{
    if (m_pXFileObj == nullptr) {
        XM_REPORT_FAILED("m_pXFileObj");
        return;
    }
    if (m_pAnimController != nullptr)
        FollowTimer();
    XS_XFileFrame* const pFrameRoot = m_pXFileObj->GetFrameRoot();
    UpdateFrameMatrices(pFrameRoot, GetWorldMatrix());
    DrawFrame(pFrameRoot);
}

void XC_RenderXFile::UpdateFrameMatrices(XS_XFileFrame* pFrame, const D3DXMATRIX* pParentMatrix)
{
    for (; pFrame != nullptr; pFrame = static_cast<XS_XFileFrame*>(pFrame->pFrameSibling)) {
        if (pParentMatrix != nullptr)
            D3DXMatrixMultiply(&pFrame->m_matCombined, &pFrame->TransformationMatrix, pParentMatrix);
        else
            pFrame->m_matCombined = pFrame->TransformationMatrix;
        UpdateFrameMatrices(static_cast<XS_XFileFrame*>(pFrame->pFrameFirstChild), &pFrame->m_matCombined);
    }
}

void XC_RenderXFile::DrawFrame(XS_XFileFrame* pFrame)
{
    for (; pFrame != nullptr; pFrame = static_cast<XS_XFileFrame*>(pFrame->pFrameSibling)) {
        for (D3DXMESHCONTAINER* p = pFrame->pMeshContainer; p != nullptr; p = p->pNextMeshContainer) {
            XS_XFileMeshContainer* const pMeshContainer = static_cast<XS_XFileMeshContainer*>(p);
            if (pMeshContainer->pSkinInfo != nullptr)
                DrawSkinnedMeshContainer(pMeshContainer, pFrame);
            else
                DrawMeshContainer(pMeshContainer, pFrame);
        }
        DrawFrame(static_cast<XS_XFileFrame*>(pFrame->pFrameFirstChild));
    }
}

void XC_RenderXFile::DrawSubsets(XS_XFileMeshContainer* pMeshContainer)
{
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    for (DWORD iMaterial = 0; iMaterial < pMeshContainer->NumMaterials; ++iMaterial) {
        SetMaterial(GetColor(), &pMeshContainer->pMaterials[iMaterial].MatD3D);
        XC_Texture* const pTexture =
            pMeshContainer->m_ppTextureObj != nullptr ? pMeshContainer->m_ppTextureObj[iMaterial] : nullptr;
        pDevice->SetTexture(0, pTexture != nullptr ? pTexture->GetTexture() : nullptr);
        const HRESULT hr = pMeshContainer->MeshData.pMesh->DrawSubset(iMaterial);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("pMeshContainer->MeshData.pMesh->DrawSubset( iMaterial )", hr);
    }
    RestoreTextureFactor();
}

void XC_RenderXFile::DrawMeshContainer(XS_XFileMeshContainer* pMeshContainerBase, XS_XFileFrame* pFrameBase)
{
    if (pMeshContainerBase == nullptr || pFrameBase == nullptr) {
        XM_REPORT_FAILED(pMeshContainerBase == nullptr ? "pMeshContainerBase" : "pFrameBase");
        return;
    }
    g_pVar->g_pD3DDevice->SetTransform(D3DTS_WORLD, &pFrameBase->m_matCombined);
    DrawSubsets(pMeshContainerBase);
}

void XC_RenderXFile::DrawSkinnedMeshContainer(XS_XFileMeshContainer* pMeshContainer, XS_XFileFrame* pFrame)
{
    if (pMeshContainer == nullptr || pMeshContainer->pSkinInfo == nullptr || pFrame == nullptr) {
        XM_REPORT_FAILED("pMeshContainer->pSkinInfo != NULL");
        return;
    }
    // The engine skins on the CPU into the space of the combined matrices.
    if (FAILED(XF_SkinMeshContainer(pMeshContainer, m_pXFileObj->GetFrameRoot())))
        return;
    D3DXMATRIX matIdentity;
    D3DXMatrixIdentity(&matIdentity);
    g_pVar->g_pD3DDevice->SetTransform(D3DTS_WORLD, &matIdentity);
    DrawSubsets(pMeshContainer);
}

void XC_RenderXFile::SetMaterial(DWORD dwColor, const D3DMATERIAL9* pMaterial)
{
    DWORD dwLIGHTING = FALSE;
    const HRESULT hr = m_SetDirectStateObj.GetRenderState(D3DRS_LIGHTING, &dwLIGHTING);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_SetDirectStateObj.GetRenderState( D3DRS_LIGHTING , &dwLIGHTING )", hr);
    if (dwLIGHTING != TRUE) {
        m_bTextureFactorSet = TRUE;
        if (dwColor != 0xFFFFFFFF)
            XF_SetTextureFactorColor(dwColor);
        return;
    }
    D3DMATERIAL9 material = *pMaterial;
    if (dwColor != 0xFFFFFFFF)
        XF_ModulateMaterial(&material, dwColor);
    g_pVar->g_pD3DDevice->SetMaterial(&material);
}

void XC_RenderXFile::RestoreTextureFactor()
{
    if (!m_bTextureFactorSet)
        return;
    XF_RestoreTextureFactor();
    m_bTextureFactorSet = FALSE;
}

BOOL XC_RenderXFile::IsInFrustum(const XC_Frustum* pFrustumObj)
{
    if (pFrustumObj == nullptr || m_pXFileObj == nullptr) {
        XM_REPORT_FAILED(pFrustumObj == nullptr ? "pFrustumObj" : "m_pXFileObj");
        return FALSE;
    }
    m_BoundingSphere = *m_pXFileObj->GetBoundingSphere();
    XF_TransformBoundingSphere(&m_BoundingSphere, GetWorldMatrix(), QueryWorldScale());
    return pFrustumObj->SphereInFrustum(&m_BoundingSphere);
}

float XC_RenderXFile::GetFrustumDepth(const XC_Frustum* pFrustumObj)
{
    if (pFrustumObj == nullptr || m_pXFileObj == nullptr) {
        XM_REPORT_FAILED(pFrustumObj == nullptr ? "pFrustumObj" : "m_pXFileObj");
        return 0.0f;
    }
    const D3DXVECTOR3 vCenter = XF_TransformPoint(&m_pXFileObj->GetBoundingSphere()->vCenter, GetWorldMatrix());
    return pFrustumObj->GetNearDistance(&vCenter);
}

BOOL XC_RenderXFile::IntersectRay(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection, float* pfDistance)
{
    const D3DXVECTOR3 vToCenter = m_BoundingSphere.vCenter - *pvOrigin;
    const float fAlong = D3DXVec3Dot(&vToCenter, pvDirection);
    if (fAlong < 0.0f)
        return FALSE;
    const float fSquared = D3DXVec3Dot(&vToCenter, &vToCenter) - fAlong * fAlong;
    const float fOffAxis = fSquared > 0.0f ? std::sqrt(fSquared) : 0.0f;
    if (fOffAxis > m_BoundingSphere.fRadius)
        return FALSE;
    if (pfDistance != nullptr)
        *pfDistance = XF_GetDistance(&m_BoundingSphere.vCenter, pvOrigin);
    return TRUE;
}

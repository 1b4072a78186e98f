#include "tests/Showcase/ShowcaseDrawables.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/DirectState/XC_DirectState.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/Resource/Font/XI_Word.h"
#include "GameProgram/Resource/XC_2DTexture.h"
#include "GameProgram/Resource/XC_AnimationObject.h"
#include "GameProgram/Resource/XC_AnimationPic.h"
#include "GameProgram/Resource/XC_Texture.h"
#include "GameProgram/Resource/XC_XFileObject.h"
#include "GameProgram/Resource/XF_SkinMeshContainer.h"
#include "GameProgram/Resource/XS_XFileFrame.h"
#include "GameProgram/Resource/XS_XFileMeshContainer.h"

ShowcaseDrawable::ShowcaseDrawable(const char* szName, DWORD dwCoordinateSystem)
    : m_strName(szName)
    , m_dwCoordinateSystem(dwCoordinateSystem)
{
}

BOOL ShowcaseDrawable::CheckVisible(float* pfSortValue)
{
    *pfSortValue = 0.0f;
    return TRUE;
}

void ShowcaseDrawable::ApplyScreenView()
{
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    D3DXMATRIX matIdentity, matProjection;
    D3DXMatrixIdentity(&matIdentity);
    D3DXMatrixOrthoLH(&matProjection, 800.0f, 600.0f, -100.0f, 100.0f);
    pDevice->SetTransform(D3DTS_VIEW, &matIdentity);
    pDevice->SetTransform(D3DTS_PROJECTION, &matProjection);
    // The camera men must write their view again after this one.
    g_pWorldCameraMan->SetChanged();
    g_pScreenCameraMan->SetChanged();
    g_pDirectStateObj->SetRenderState(D3DRS_LIGHTING, FALSE);
    g_pDirectStateObj->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    pDevice->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_POINT);
    pDevice->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
    pDevice->SetSamplerState(0, D3DSAMP_MIPFILTER, D3DTEXF_NONE);
}

D3DXMATRIX ShowcaseDrawable::At(float x, float y)
{
    D3DXMATRIX matWorld;
    D3DXMatrixTranslation(&matWorld, x, y, 0.0f);
    return matWorld;
}

ShowcaseTexture::ShowcaseTexture(XC_Texture* pTexture, float x, float y)
    : ShowcaseDrawable("Texture", CS_Screen)
    , m_pTexture(pTexture)
    , m_matWorld(At(x, y))
{
}

void ShowcaseTexture::Render()
{
    ApplyScreenView();
    m_pTexture->Render(&m_matWorld);
}

Showcase2DTexture::Showcase2DTexture(XC_2DTexture* p2DTexture, float x, float y)
    : ShowcaseDrawable("2DTexture", CS_Screen)
    , m_p2DTexture(p2DTexture)
    , m_matWorld(At(x, y))
{
}

void Showcase2DTexture::Render()
{
    ApplyScreenView();
    m_p2DTexture->Render(&m_matWorld);
}

ShowcaseAnimation::ShowcaseAnimation(XC_AnimationObject* pAnimation, float x, float y)
    : ShowcaseDrawable("Animation", CS_Screen)
    , m_pAnimation(pAnimation)
    , m_matWorld(At(x, y))
{
}

void ShowcaseAnimation::Render()
{
    ApplyScreenView();
    const XC_AnimationPage* const pPage = m_pAnimation->GetPage(0);
    if (pPage == nullptr)
        return;
    for (DWORD i = 0; i < pPage->GetPicCount(); ++i) {
        XC_AnimationPic* const pPic = pPage->GetPic(i);
        if (FAILED(pPic->CheckTextureExist()))
            continue;
        const D3DXMATRIX matPic = pPic->m_matPic * m_matWorld;
        pPic->m_SetDirectState.Activate();
        pPic->m_p2DTextureObj->Render(&matPic);
        pPic->m_SetDirectState.Deactivate();
    }
}

ShowcaseText::ShowcaseText(std::vector<XI_Word*> words, float x, float y)
    : ShowcaseDrawable("Text", CS_Screen)
    , m_Words(std::move(words))
    , m_fX(x)
    , m_fY(y)
{
}

ShowcaseText::~ShowcaseText()
{
    for (XI_Word* pWord : m_Words)
        pWord->Release();
}

void ShowcaseText::Render()
{
    ApplyScreenView();
    g_pDirectStateObj->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    g_pDirectStateObj->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    g_pDirectStateObj->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    float fPenX = m_fX;
    for (XI_Word* pWord : m_Words) {
        const D3DXMATRIX matWorld = At(fPenX, m_fY);
        pWord->Render(&matWorld);
        fPenX += pWord->GetWidth();
    }
    g_pDirectStateObj->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
}

ShowcaseMesh::ShowcaseMesh(const char* szName, DWORD dwCoordinateSystem, XC_XFileObject* pXFileObj,
                           const D3DXMATRIX& matWorld, double dTime)
    : ShowcaseDrawable(szName, dwCoordinateSystem)
    , m_pXFileObj(pXFileObj)
    , m_matWorld(matWorld)
{
    ID3DXAnimationController* const pFileController = pXFileObj->GetAnimationController();
    if (pFileController == nullptr)
        return;
    if (FAILED(pFileController->CloneAnimationController(
            pFileController->GetMaxNumAnimationOutputs(), pFileController->GetMaxNumAnimationSets(),
            pFileController->GetMaxNumTracks(), pFileController->GetMaxNumEvents(), &m_pController)))
        return;
    m_pController->AdvanceTime(dTime, nullptr);
}

ShowcaseMesh::~ShowcaseMesh()
{
    if (m_pController != nullptr)
        m_pController->Release();
}

void ShowcaseMesh::Render()
{
    if (GetCoordinateSystem() == CS_Screen) {
        ApplyScreenView();
    } else {
        g_pWorldCameraMan->ApplyToDevice();
        g_pDirectStateObj->SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW);
    }
    g_pWorldLightMan->Activate();
    g_pDirectStateObj->SetRenderState(D3DRS_LIGHTING, TRUE);
    g_pDirectStateObj->SetRenderState(D3DRS_AMBIENT, 0xFF303030);
    UpdateFrames(m_pXFileObj->GetFrameRoot(), m_matWorld);
    DrawFrames(m_pXFileObj->GetFrameRoot());
    g_pDirectStateObj->SetRenderState(D3DRS_LIGHTING, FALSE);
}

void ShowcaseMesh::UpdateFrames(XS_XFileFrame* pFrame, const D3DXMATRIX& matParent)
{
    for (; pFrame != nullptr; pFrame = static_cast<XS_XFileFrame*>(pFrame->pFrameSibling)) {
        D3DXMatrixMultiply(&pFrame->m_matCombined, &pFrame->TransformationMatrix, &matParent);
        UpdateFrames(static_cast<XS_XFileFrame*>(pFrame->pFrameFirstChild), pFrame->m_matCombined);
    }
}

void ShowcaseMesh::DrawFrames(XS_XFileFrame* pFrame)
{
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    for (; pFrame != nullptr; pFrame = static_cast<XS_XFileFrame*>(pFrame->pFrameSibling)) {
        for (D3DXMESHCONTAINER* p = pFrame->pMeshContainer; p != nullptr; p = p->pNextMeshContainer) {
            XS_XFileMeshContainer* const pMeshContainer = static_cast<XS_XFileMeshContainer*>(p);
            D3DXMATRIX matWorld = pFrame->m_matCombined;
            if (pMeshContainer->pSkinInfo != nullptr) {
                if (FAILED(XF_SkinMeshContainer(pMeshContainer, m_pXFileObj->GetFrameRoot())))
                    continue;
                D3DXMatrixIdentity(&matWorld);
            }
            pDevice->SetTransform(D3DTS_WORLD, &matWorld);
            for (DWORD i = 0; i < pMeshContainer->NumMaterials; ++i) {
                // The files give no ambient colour: the material's own shows.
                D3DMATERIAL9 material = pMeshContainer->pMaterials[i].MatD3D;
                material.Ambient = material.Diffuse;
                pDevice->SetMaterial(&material);
                XC_Texture* const pTexture = pMeshContainer->m_ppTextureObj[i];
                pDevice->SetTexture(0, pTexture != nullptr ? pTexture->GetTexture() : nullptr);
                pMeshContainer->MeshData.pMesh->DrawSubset(i);
            }
            pDevice->SetTexture(0, nullptr);
        }
        DrawFrames(static_cast<XS_XFileFrame*>(pFrame->pFrameFirstChild));
    }
}

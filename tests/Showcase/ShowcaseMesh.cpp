#include "tests/Showcase/ShowcaseMesh.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/DirectState/XC_DirectState.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/Resource/XC_Texture.h"
#include "GameProgram/Resource/XC_XFileObject.h"
#include "GameProgram/Resource/XF_SkinMeshContainer.h"
#include "GameProgram/Resource/XS_XFileFrame.h"
#include "GameProgram/Resource/XS_XFileMeshContainer.h"

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
        g_pScreenLightMan->Activate();
    } else {
        g_pWorldCameraMan->ApplyToDevice();
        g_pWorldLightMan->Activate();
        g_pDirectStateObj->SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW);
    }
    g_pDirectStateObj->SetRenderState(D3DRS_LIGHTING, TRUE);
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
            // A skinned mesh is already in the space of the combined matrices.
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

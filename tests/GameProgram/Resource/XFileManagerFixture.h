#pragma once

#include "GameProgram/Resource/XC_XFileManager.h"

#include "tests/GameProgram/Resource/TextureManagerFixture.h"

#include <d3dx9.h>

#include <string>

// A mesh manager on a real device, reading the texture fixture's memory pack
// file and taking its textures from the fixture's texture manager.
class XFileManagerFixture : public TextureManagerFixture
{
protected:
    void SetUp() override
    {
        TextureManagerFixture::SetUp();
        ASSERT_EQ(m_XFiles.Init(&m_Pack, &m_Manager), S_OK);
    }

    void TearDown() override
    {
        m_XFiles.Fini();
        TextureManagerFixture::TearDown();
    }

    // Brings the combined matrices up to date, as the mesh drawables do.
    static void UpdateFrames(D3DXFRAME* pFrame, const D3DXMATRIX& matParent)
    {
        for (; pFrame != nullptr; pFrame = pFrame->pFrameSibling) {
            XS_XFileFrame* const pXFileFrame = static_cast<XS_XFileFrame*>(pFrame);
            D3DXMatrixMultiply(&pXFileFrame->m_matCombined, &pFrame->TransformationMatrix, &matParent);
            UpdateFrames(pFrame->pFrameFirstChild, pXFileFrame->m_matCombined);
        }
    }

    static XS_XFileMeshContainer* ContainerOf(XC_XFileObject* pXFileObj, const char* szFrameName)
    {
        D3DXFRAME* const pFrame = D3DXFrameFind(pXFileObj->GetFrameRoot(), szFrameName);
        return pFrame != nullptr ? static_cast<XS_XFileMeshContainer*>(pFrame->pMeshContainer) : nullptr;
    }

    // Draws every subset of a container with its material and texture.
    void DrawContainer(const XS_XFileMeshContainer* pMeshContainer, const D3DXMATRIX& matWorld)
    {
        IDirect3DDevice9* const pDevice = m_Device.Device();
        pDevice->SetTransform(D3DTS_WORLD, &matWorld);
        for (DWORD i = 0; i < pMeshContainer->NumMaterials; ++i) {
            pDevice->SetMaterial(&pMeshContainer->pMaterials[i].MatD3D);
            XC_Texture* const pTexture = pMeshContainer->m_ppTextureObj[i];
            pDevice->SetTexture(0, pTexture != nullptr ? pTexture->GetTexture() : nullptr);
            EXPECT_EQ(pMeshContainer->MeshData.pMesh->DrawSubset(i), S_OK);
        }
        pDevice->SetTexture(0, nullptr);
    }

    XC_XFileManager m_XFiles;
};

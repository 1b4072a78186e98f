#pragma once

#include <d3dx9.h>

class XC_Texture;

// A mesh container in the D3DX layout, followed by what the mesh manager adds.
// Material i draws subset i of the mesh.
//
// A skinned container (pSkinInfo set, with at least one bone) is skinned on
// the CPU: MeshData.pMesh is a system-memory copy of m_pLoadedMesh whose
// positions and normals XF_SkinMeshContainer rewrites from the bones'
// combined matrices, so it is drawn like a plain mesh with an identity world
// transform. m_pBoneCombination then stays null and
// m_bSoftwareVertexProcessing 0: the device does no blending.
struct XS_XFileMeshContainer : public D3DXMESHCONTAINER
{
    XC_Texture** m_ppTextureObj;           // one per material, null without a texture
    ID3DXMesh* m_pLoadedMesh;              // skinned: the rest pose, with normals
    DWORD m_dwAttributeGroupCount;         // skinned: the subsets drawn
    DWORD m_dwInfluenceCount;              // skinned: most bones of one vertex
    ID3DXBuffer* m_pBoneCombination;
    D3DXMATRIX** m_ppBoneMatrix;           // per bone, m_matCombined of its frame
    D3DXMATRIX* pBoneOffsetMatrices;       // per bone, from the skin information
    DWORD m_dwPaletteEntryCount;           // skinned: the bones blended
    BOOL m_bSoftwareVertexProcessing;
};

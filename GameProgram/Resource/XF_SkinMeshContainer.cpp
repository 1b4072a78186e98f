#include "GameProgram/Resource/XF_SkinMeshContainer.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"

#include <d3dx9mesh.h>

#include <vector>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

// The normal follows the position in every vertex format a container is
// skinned with (GenerateSkinnedMesh takes only plain positions).
const DWORD NORMAL_OFFSET = sizeof(D3DXVECTOR3);

struct SkinnedVertex
{
    D3DXVECTOR3 vPosition;
    D3DXVECTOR3 vNormal;
    float fWeight;
};

const D3DXVECTOR3& PositionAt(const BYTE* pVertex)
{
    return *reinterpret_cast<const D3DXVECTOR3*>(pVertex);
}

const D3DXVECTOR3& NormalAt(const BYTE* pVertex)
{
    return *reinterpret_cast<const D3DXVECTOR3*>(pVertex + NORMAL_OFFSET);
}

// Adds one bone's weighted share of the rest pose to the vertices it moves.
void AddBone(const D3DXMATRIX& matBone, const std::vector<DWORD>& vertexIndices, const std::vector<float>& weights,
             const BYTE* pSource, DWORD dwStride, bool bNormals, std::vector<SkinnedVertex>* pVertices)
{
    for (size_t i = 0; i < vertexIndices.size(); ++i) {
        if (vertexIndices[i] >= pVertices->size())
            continue;
        const BYTE* const pVertex = pSource + static_cast<size_t>(vertexIndices[i]) * dwStride;
        SkinnedVertex& vertex = (*pVertices)[vertexIndices[i]];
        vertex.vPosition += weights[i] * XF_TransformPoint(&PositionAt(pVertex), &matBone);
        if (bNormals) {
            D3DXVECTOR3 vNormal;
            D3DXVec3TransformNormal(&vNormal, &NormalAt(pVertex), &matBone);
            vertex.vNormal += weights[i] * vNormal;
        }
        vertex.fWeight += weights[i];
    }
}

void AddBones(const XS_XFileMeshContainer* pMeshContainer, const BYTE* pSource, DWORD dwStride, bool bNormals,
              std::vector<SkinnedVertex>* pVertices)
{
    ID3DXSkinInfo* const pSkinInfo = pMeshContainer->pSkinInfo;
    std::vector<DWORD> vertexIndices;
    std::vector<float> weights;
    const DWORD dwBoneCount = pSkinInfo->GetNumBones();
    for (DWORD iBone = 0; iBone < dwBoneCount; ++iBone) {
        // A bone whose frame was not found moves nothing.
        const D3DXMATRIX* const pCombined = pMeshContainer->m_ppBoneMatrix[iBone];
        const DWORD dwInfluenceCount = pSkinInfo->GetNumBoneInfluences(iBone);
        if (pCombined == nullptr || dwInfluenceCount == 0)
            continue;
        vertexIndices.resize(dwInfluenceCount);
        weights.resize(dwInfluenceCount);
        if (FAILED(pSkinInfo->GetBoneInfluence(iBone, vertexIndices.data(), weights.data())))
            continue;
        D3DXMATRIX matBone;
        D3DXMatrixMultiply(&matBone, &pMeshContainer->pBoneOffsetMatrices[iBone], pCombined);
        AddBone(matBone, vertexIndices, weights, pSource, dwStride, bNormals, pVertices);
    }
}

void WriteVertices(const std::vector<SkinnedVertex>& vertices, const D3DXMATRIX& matFrame, const BYTE* pSource,
                   BYTE* pTarget, DWORD dwStride, bool bNormals)
{
    for (size_t i = 0; i < vertices.size(); ++i) {
        const SkinnedVertex& vertex = vertices[i];
        const BYTE* const pFrom = pSource + i * dwStride;
        BYTE* const pTo = pTarget + i * dwStride;
        D3DXVECTOR3 vPosition, vNormal;
        if (vertex.fWeight != 0.0f) {
            vPosition = vertex.vPosition / vertex.fWeight;
            vNormal = vertex.vNormal;
        } else {
            vPosition = XF_TransformPoint(&PositionAt(pFrom), &matFrame);
            if (bNormals)
                D3DXVec3TransformNormal(&vNormal, &NormalAt(pFrom), &matFrame);
        }
        *reinterpret_cast<D3DXVECTOR3*>(pTo) = vPosition;
        if (bNormals)
            D3DXVec3Normalize(reinterpret_cast<D3DXVECTOR3*>(pTo + NORMAL_OFFSET), &vNormal);
    }
}

bool IsSkinnedContainer(const XS_XFileMeshContainer* pMeshContainer)
{
    return pMeshContainer->pSkinInfo != nullptr && pMeshContainer->m_pLoadedMesh != nullptr
        && pMeshContainer->MeshData.pMesh != nullptr && pMeshContainer->m_ppBoneMatrix != nullptr
        && pMeshContainer->pBoneOffsetMatrices != nullptr
        && pMeshContainer->MeshData.pMesh->GetFVF() == pMeshContainer->m_pLoadedMesh->GetFVF()
        && pMeshContainer->MeshData.pMesh->GetNumVertices() == pMeshContainer->m_pLoadedMesh->GetNumVertices();
}

} // namespace

HRESULT XF_SkinMeshContainer(XS_XFileMeshContainer* pMeshContainer, const XS_XFileFrame* pFrame)
{
    if (pMeshContainer == nullptr || pFrame == nullptr || !IsSkinnedContainer(pMeshContainer)) {
        XM_REPORT_FAILED("pMeshContainer is skinned && pFrame");
        return E_FAIL;
    }
    ID3DXMesh* const pSourceMesh = pMeshContainer->m_pLoadedMesh;
    ID3DXMesh* const pTargetMesh = pMeshContainer->MeshData.pMesh;
    const DWORD dwFVF = pSourceMesh->GetFVF();
    const DWORD dwStride = D3DXGetFVFVertexSize(dwFVF);
    const bool bNormals = (dwFVF & D3DFVF_NORMAL) != 0;

    void* pSource = nullptr;
    HRESULT hr = pSourceMesh->LockVertexBuffer(D3DLOCK_READONLY, &pSource);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("pMeshContainer->m_pLoadedMesh->LockVertexBuffer", hr);
        return E_FAIL;
    }
    void* pTarget = nullptr;
    hr = pTargetMesh->LockVertexBuffer(0, &pTarget);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("pMeshContainer->MeshData.pMesh->LockVertexBuffer", hr);
        pSourceMesh->UnlockVertexBuffer();
        return E_FAIL;
    }
    std::vector<SkinnedVertex> vertices(pSourceMesh->GetNumVertices(),
                                        SkinnedVertex{D3DXVECTOR3(0, 0, 0), D3DXVECTOR3(0, 0, 0), 0.0f});
    AddBones(pMeshContainer, static_cast<const BYTE*>(pSource), dwStride, bNormals, &vertices);
    WriteVertices(vertices, pFrame->m_matCombined, static_cast<const BYTE*>(pSource), static_cast<BYTE*>(pTarget),
                  dwStride, bNormals);
    pTargetMesh->UnlockVertexBuffer();
    pSourceMesh->UnlockVertexBuffer();
    return S_OK;
}

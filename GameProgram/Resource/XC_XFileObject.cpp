#include "GameProgram/Resource/XC_XFileObject.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"

#include <d3dx9mesh.h>

#include <algorithm>
#include <new>
#include <vector>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

// Adds the positions of a mesh, moved by a matrix, to the points.
HRESULT AddMeshPoints(ID3DXMesh* pMesh, const D3DXMATRIX& matFrame, std::vector<D3DXVECTOR3>* pPoints)
{
    void* pVertices = nullptr;
    const HRESULT hr = pMesh->LockVertexBuffer(D3DLOCK_READONLY, &pVertices);
    if (FAILED(hr))
        return hr;
    const DWORD dwStride = pMesh->GetNumBytesPerVertex();
    const DWORD dwCount = pMesh->GetNumVertices();
    for (DWORD i = 0; i < dwCount; ++i) {
        const BYTE* const pVertex = static_cast<const BYTE*>(pVertices) + static_cast<size_t>(i) * dwStride;
        pPoints->push_back(XF_TransformPoint(reinterpret_cast<const D3DXVECTOR3*>(pVertex), &matFrame));
    }
    pMesh->UnlockVertexBuffer();
    return S_OK;
}

// Adds the mesh positions of a frame, its siblings and their children, each
// moved by its frame's transformation from the root.
HRESULT AddFramePoints(const D3DXFRAME* pFrame, const D3DXMATRIX& matParent, std::vector<D3DXVECTOR3>* pPoints)
{
    for (; pFrame != nullptr; pFrame = pFrame->pFrameSibling) {
        D3DXMATRIX matFrame;
        D3DXMatrixMultiply(&matFrame, &pFrame->TransformationMatrix, &matParent);
        for (const D3DXMESHCONTAINER* pMeshContainer = pFrame->pMeshContainer; pMeshContainer != nullptr;
             pMeshContainer = pMeshContainer->pNextMeshContainer) {
            if (pMeshContainer->MeshData.pMesh == nullptr)
                continue;
            const HRESULT hr = AddMeshPoints(pMeshContainer->MeshData.pMesh, matFrame, pPoints);
            if (FAILED(hr))
                return hr;
        }
        const HRESULT hr = AddFramePoints(pFrame->pFrameFirstChild, matFrame, pPoints);
        if (FAILED(hr))
            return hr;
    }
    return S_OK;
}

// The sphere around the meshes of the hierarchy in its rest pose: centred on
// the mean of the vertices, reaching the farthest one (D3DX's frame bounding
// sphere, which the platform lacks).
HRESULT CalculateBoundingSphere(const D3DXFRAME* pFrameRoot, XS_BoundingSphere* pSphere)
{
    std::vector<D3DXVECTOR3> points;
    D3DXMATRIX matIdentity;
    D3DXMatrixIdentity(&matIdentity);
    const HRESULT hr = AddFramePoints(pFrameRoot, matIdentity, &points);
    if (FAILED(hr))
        return hr;
    *pSphere = XS_BoundingSphere{D3DXVECTOR3(0.0f, 0.0f, 0.0f), 0.0f};
    if (points.empty())
        return S_OK;
    for (const D3DXVECTOR3& vPoint : points)
        pSphere->vCenter += vPoint;
    pSphere->vCenter /= static_cast<float>(points.size());
    for (const D3DXVECTOR3& vPoint : points)
        pSphere->fRadius = std::max(pSphere->fRadius, XF_GetDistance(&vPoint, &pSphere->vCenter));
    return S_OK;
}

} // namespace

void XC_XFileObject::SetFrameRoot(XS_XFileFrame* pFrameRoot)
{
    m_pFrameRoot = pFrameRoot;
    HRESULT hr = SetupBoneMatrixPointers(m_pFrameRoot);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("SetupBoneMatrixPointers( m_pFrameRoot )", hr);
    hr = CalculateBoundingSphere(m_pFrameRoot, &m_BoundingSphere);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("CalculateBoundingSphere( m_pFrameRoot , &m_BoundingSphere )", hr);
}

void XC_XFileObject::SetAnimationController(ID3DXAnimationController* pAnimationController)
{
    m_pAnimationController = pAnimationController;
}

XS_XFileFrame* XC_XFileObject::GetFrameRoot() const
{
    return m_pFrameRoot;
}

ID3DXAnimationController* XC_XFileObject::GetAnimationController() const
{
    return m_pAnimationController;
}

const XS_BoundingSphere* XC_XFileObject::GetBoundingSphere() const
{
    return &m_BoundingSphere;
}

// Every container of each frame, then the siblings, then the children.
HRESULT XC_XFileObject::SetupBoneMatrixPointers(D3DXFRAME* pFrame)
{
    for (; pFrame != nullptr; pFrame = pFrame->pFrameSibling) {
        for (D3DXMESHCONTAINER* pMeshContainer = pFrame->pMeshContainer; pMeshContainer != nullptr;
             pMeshContainer = pMeshContainer->pNextMeshContainer) {
            const HRESULT hr = SetupBoneMatrixPointersOnMesh(static_cast<XS_XFileMeshContainer*>(pMeshContainer));
            if (FAILED(hr)) {
                XF_ReportError(s_szSourceFile, __LINE__,
                               XF_FormatText(" SetupBoneMatrixPointersOnMesh 錯誤 hr = %x", static_cast<unsigned>(hr)));
                return hr;
            }
        }
        const HRESULT hr = SetupBoneMatrixPointers(pFrame->pFrameFirstChild);
        if (FAILED(hr)) {
            XF_ReportError(s_szSourceFile, __LINE__,
                           XF_FormatText(" SetupBoneMatrixPointers 錯誤 hr = %x", static_cast<unsigned>(hr)));
            return hr;
        }
    }
    return S_OK;
}

HRESULT XC_XFileObject::SetupBoneMatrixPointersOnMesh(XS_XFileMeshContainer* pMeshContainer)
{
    if (pMeshContainer->pSkinInfo == nullptr)
        return S_OK;
    const DWORD dwBoneCount = pMeshContainer->pSkinInfo->GetNumBones();
    delete[] pMeshContainer->m_ppBoneMatrix;
    pMeshContainer->m_ppBoneMatrix = new (std::nothrow) D3DXMATRIX*[dwBoneCount]();
    if (pMeshContainer->m_ppBoneMatrix == nullptr)
        return E_OUTOFMEMORY;
    for (DWORD iBone = 0; iBone < dwBoneCount; ++iBone) {
        const char* const szBoneName = pMeshContainer->pSkinInfo->GetBoneName(iBone);
        XS_XFileFrame* const pBoneFrame =
            static_cast<XS_XFileFrame*>(szBoneName != nullptr ? D3DXFrameFind(m_pFrameRoot, szBoneName) : nullptr);
        if (pBoneFrame == nullptr)
            return E_FAIL;
        pMeshContainer->m_ppBoneMatrix[iBone] = &pBoneFrame->m_matCombined;
    }
    return S_OK;
}

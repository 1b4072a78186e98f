#include "GameProgram/Resource/XC_2DTexture.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"
#include "GameProgram/Resource/VERTEX_XYZ_TEX1.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"
#include "GameProgram/Resource/XC_Texture.h"
#include "GameProgram/Resource/XS_2DTextureBuffer.h"

#include <algorithm>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

HRESULT XC_2DTexture::Render(const D3DXMATRIX* pmatWorld)
{
    if (m_pResourceManager == nullptr) {
        XM_REPORT_FAILED("m_pResourceManager");
        return E_FAIL;
    }
    if (pmatWorld == nullptr) {
        XM_REPORT_FAILED("pmatWorld");
        return E_FAIL;
    }
    IDirect3DDevice9* const pD3DDevice = g_pVar->g_pD3DDevice;
    if (pD3DDevice == nullptr) {
        XM_REPORT_FAILED("g_pVar->g_pD3DDevice");
        return E_FAIL;
    }
    HRESULT hrResult = S_OK;
    for (const std::unique_ptr<XS_2DTextureInfo>& pPiece : m_Pieces) {
        pD3DDevice->SetTransform(D3DTS_WORLD, pmatWorld);
        pD3DDevice->SetTexture(0, pPiece->m_p2DTexBuf);
        pD3DDevice->SetStreamSource(0, pPiece->m_pVB, 0, sizeof(VERTEX_XYZ_TEX1));
        pD3DDevice->SetFVF(VERTEX_XYZ_TEX1::FVF);
        const UINT uTriangles = static_cast<UINT>(pPiece->m_SlotList.size() * 2);
        const HRESULT hr = pD3DDevice->DrawPrimitive(D3DPT_TRIANGLELIST, 0, uTriangles);
        if (FAILED(hr))
            hrResult = hr;
    }
    return hrResult;
}

BOOL XC_2DTexture::HitTest(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection,
                           const D3DXMATRIX* pmatWorld, BOOL bColorKey, float* pfDistance)
{
    if (bColorKey)
        return HitTestColorKey(pvOrigin, pvDirection, pmatWorld, pfDistance);
    return HitTestQuad(pvOrigin, pvDirection, pmatWorld, pfDistance);
}

float XC_2DTexture::GetWidth() const
{
    return m_fWidth;
}

float XC_2DTexture::GetHeight() const
{
    return m_fHeight;
}

BOOL XC_2DTexture::HitTestQuad(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection,
                               const D3DXMATRIX* pmatWorld, float* pfDistance)
{
    float fU = 0.0f;
    float fV = 0.0f;
    return XC_Texture::IntersectImageQuad(pvOrigin, pvDirection, pmatWorld, m_fWidth, m_fHeight, pfDistance, &fU,
                                          &fV);
}

BOOL XC_2DTexture::HitTestColorKey(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection,
                                   const D3DXMATRIX* pmatWorld, float* pfDistance)
{
    if (pvOrigin == nullptr || pvDirection == nullptr || pmatWorld == nullptr) {
        XM_REPORT_FAILED("pvOrigin && pvDirection && pmatWorld");
        return FALSE;
    }
    for (const std::unique_ptr<XS_2DTextureInfo>& pPiece : m_Pieces) {
        const int iHit = HitTestPiece(*pPiece, pvOrigin, pvDirection, pmatWorld, pfDistance);
        if (iHit >= 0)
            return iHit;
    }
    return FALSE;
}

int XC_2DTexture::HitTestPiece(const XS_2DTextureInfo& piece, const D3DXVECTOR3* pvOrigin,
                               const D3DXVECTOR3* pvDirection, const D3DXMATRIX* pmatWorld, float* pfDistance) const
{
    void* pLocked = nullptr;
    const HRESULT hr = piece.m_pVB->Lock(0, 0, &pLocked, D3DLOCK_READONLY);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("p2DTextureInfo->m_pVB->Lock( 0 , 0 , &pVertices , D3DLOCK_READONLY )", hr);
        return -1;
    }
    const VERTEX_XYZ_TEX1* const pVertices = static_cast<const VERTEX_XYZ_TEX1*>(pLocked);
    const size_t uTriangles = piece.m_SlotList.size() * 2;
    for (size_t uTriangle = 0; uTriangle < uTriangles; ++uTriangle) {
        const VERTEX_XYZ_TEX1* const pCorner = pVertices + uTriangle * 3;
        D3DXVECTOR3 rvCorner[3];
        for (int i = 0; i < 3; ++i) {
            const D3DXVECTOR3 vPoint(pCorner[i].x, pCorner[i].y, pCorner[i].z);
            rvCorner[i] = XF_TransformPoint(&vPoint, pmatWorld);
        }
        float fDistance = 0.0f;
        float fB1 = 0.0f;
        float fB2 = 0.0f;
        if (!XF_IntersectRayTriangle(pvOrigin, pvDirection, &rvCorner[0], &rvCorner[1], &rvCorner[2], &fDistance,
                                     &fB1, &fB2))
            continue;
        // Corner 1 lies from corner 0 along u only, corner 2 along v only.
        const float fU = pCorner[0].u + (pCorner[1].u - pCorner[0].u) * fB1;
        const float fV = pCorner[0].v + (pCorner[2].v - pCorner[0].v) * fB2;
        piece.m_pVB->Unlock();
        if (pfDistance != nullptr)
            *pfDistance = fDistance;
        return IsOpaqueTexel(piece, fU, fV);
    }
    piece.m_pVB->Unlock();
    return -1;
}

BOOL XC_2DTexture::IsOpaqueTexel(const XS_2DTextureInfo& piece, float fU, float fV) const
{
    const XC_2DTextureManager* const pManager = dynamic_cast<const XC_2DTextureManager*>(m_pResourceManager);
    if (pManager == nullptr) {
        XM_REPORT_FAILED("m_pResourceManager");
        return FALSE;
    }
    const XS_2DTextureBuffer* const pTextureBuffer = pManager->GetTextureBuffer(piece.m_dwTextureID);
    if (pTextureBuffer == nullptr)
        return FALSE;
    const DWORD dwTextureWidth = pManager->GetTextureWidth();
    // A point on a cell's edge may come out a rounding step below 0.
    const DWORD dwColumn = static_cast<DWORD>(std::max(fU, 0.0f) * dwTextureWidth);
    const DWORD dwRow = static_cast<DWORD>(std::max(fV, 0.0f) * dwTextureWidth);
    const DWORD dwPos = dwRow * dwTextureWidth + dwColumn;
    if (dwColumn >= dwTextureWidth || dwPos / 8 >= pTextureBuffer->ColorKeyBuffer.size()) {
        XM_REPORT_FAILED("( dwPos / 8 ) < pTextureBuffer->dwColorKeyBufferSize");
        return FALSE;
    }
    return pTextureBuffer->IsTransparent(dwPos) ? FALSE : TRUE;
}

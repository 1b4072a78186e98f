#include "GameProgram/D3DCommon/XF_D3DCommon.h"

#include "GameProgram/Common/XF_Common.h"

#include <d3dx9.h>

#include <cmath>
#include <initializer_list>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

struct VERTEX_XYZRHW_DIFFUSE_TEX1
{
    float x, y, z, rhw;
    DWORD dwDiffuse;
    float u, v;
};

// The texel index of a texture coordinate, clamped to the level so that a
// coordinate outside [0, 1) never reads past the locked rectangle.
UINT TexelIndex(UINT uSize, float fCoordinate, const char* szNegativeReport)
{
    const float fIndex = static_cast<float>(uSize) * fCoordinate;
    if (!(fIndex >= 0.0f)) {
        XM_REPORT_FAILED(szNegativeReport);
        return 0;
    }
    if (fIndex >= static_cast<float>(uSize))
        return uSize - 1;
    return static_cast<UINT>(fIndex);
}

// Widens a field of iBits bits to a byte.
DWORD WidenField(DWORD dwValue, int iShift, int iBits)
{
    const DWORD dwMax = (1u << iBits) - 1;
    return ((dwValue >> iShift) & dwMax) * 255 / dwMax;
}

// The texel in column iU of a row widened to A8R8G8B8; false for a format
// that is not read.
bool ReadTexel(D3DFORMAT format, const BYTE* pRow, UINT iU, DWORD* pdwColor)
{
    switch (format) {
    case D3DFMT_A8R8G8B8:
        *pdwColor = reinterpret_cast<const DWORD*>(pRow)[iU];
        return true;
    case D3DFMT_A4R4G4B4: {
        const DWORD dwTexel = reinterpret_cast<const WORD*>(pRow)[iU];
        *pdwColor = WidenField(dwTexel, 12, 4) << 24 | WidenField(dwTexel, 8, 4) << 16
                  | WidenField(dwTexel, 4, 4) << 8 | WidenField(dwTexel, 0, 4);
        return true;
    }
    case D3DFMT_A1R5G5B5: {
        const DWORD dwTexel = reinterpret_cast<const WORD*>(pRow)[iU];
        const DWORD dwAlpha = (dwTexel & 0x8000) ? 255 : 0;
        *pdwColor = dwAlpha << 24 | WidenField(dwTexel, 10, 5) << 16 | WidenField(dwTexel, 5, 5) << 8
                  | WidenField(dwTexel, 0, 5);
        return true;
    }
    default:
        return false;
    }
}

// Copies the back buffer into a scratch surface of the chosen format and
// size and saves that as a ".bmp".
HRESULT SaveSurfaceCopy(IDirect3DDevice9* pD3DDevice, IDirect3DSurface9* pBackBuffer, const char* szFileName,
                        D3DFORMAT format, int iWidth, int iHeight)
{
    D3DSURFACE_DESC desc;
    HRESULT hr = pBackBuffer->GetDesc(&desc);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("hr", hr);
        return hr;
    }
    const D3DFORMAT saveFormat = format != 0 ? format : desc.Format;
    const UINT uWidth = iWidth > 0 ? static_cast<UINT>(iWidth) : desc.Width;
    const UINT uHeight = iHeight > 0 ? static_cast<UINT>(iHeight) : desc.Height;

    IDirect3DSurface9* pSaveSurface = nullptr;
    hr = pD3DDevice->CreateOffscreenPlainSurface(uWidth, uHeight, saveFormat, D3DPOOL_SCRATCH, &pSaveSurface,
                                                 nullptr);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("hr", hr);
        return hr;
    }
    if (pSaveSurface == nullptr) {
        XM_REPORT_FAILED("pSaveSurface");
        return E_FAIL;
    }
    hr = D3DXLoadSurfaceFromSurface(pSaveSurface, nullptr, nullptr, pBackBuffer, nullptr, nullptr, D3DX_DEFAULT, 0);
    if (SUCCEEDED(hr))
        hr = D3DXSaveSurfaceToFileA(szFileName, D3DXIFF_BMP, pSaveSurface, nullptr, nullptr);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("hr", hr);
    pSaveSurface->Release();
    return hr;
}

void ReportFailedCall(HRESULT hr, const char* szCall)
{
    if (FAILED(hr))
        XM_REPORT_FAILED_HR(szCall, hr);
}

void DrawTextureQuad(IDirect3DDevice9* pD3DDevice, IDirect3DTexture9* pTexture, float fWidth, float fHeight)
{
    const VERTEX_XYZRHW_DIFFUSE_TEX1 VertexArray[4] = {
        {0.0f, 0.0f, 0.0f, 1.0f, 0xFFFFFFFF, 0.0f, 0.0f},
        {fWidth, 0.0f, 0.0f, 1.0f, 0xFFFFFFFF, 1.0f, 0.0f},
        {0.0f, fHeight, 0.0f, 1.0f, 0xFFFFFFFF, 0.0f, 1.0f},
        {fWidth, fHeight, 0.0f, 1.0f, 0xFFFFFFFF, 1.0f, 1.0f},
    };
    ReportFailedCall(pD3DDevice->SetRenderState(D3DRS_ZWRITEENABLE, 0),
                     "pD3DDevice->SetRenderState( D3DRS_ZWRITEENABLE, 0 )");
    ReportFailedCall(pD3DDevice->SetRenderState(D3DRS_ZENABLE, 0), "pD3DDevice->SetRenderState( D3DRS_ZENABLE, 0 )");
    ReportFailedCall(pD3DDevice->SetTexture(0, pTexture), "pD3DDevice->SetTexture( 0 , pTexture )");
    ReportFailedCall(pD3DDevice->SetFVF(D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1),
                     "pD3DDevice->SetFVF( (0x004|0x040|0x100) )");
    ReportFailedCall(pD3DDevice->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, VertexArray,
                                                 sizeof(VERTEX_XYZRHW_DIFFUSE_TEX1)),
                     "pD3DDevice->DrawPrimitiveUP( D3DPT_TRIANGLESTRIP , 2 , (LPVOID)VertexArray , "
                     "sizeof(VERTEX_XYZRHW_DIFFUSE_TEX1) )");
    pD3DDevice->SetRenderState(D3DRS_ZWRITEENABLE, 1);
    pD3DDevice->SetRenderState(D3DRS_ZENABLE, 1);
}

} // namespace

BOOL XF_IntersectRayTriangle(const D3DXVECTOR3* pOrigin, const D3DXVECTOR3* pDirection, const D3DXVECTOR3* pP0,
                             const D3DXVECTOR3* pP1, const D3DXVECTOR3* pP2, float* pfDistance, float* pfU,
                             float* pfV)
{
    const D3DXVECTOR3 vEdge1 = *pP1 - *pP0;
    const D3DXVECTOR3 vEdge2 = *pP2 - *pP0;
    D3DXVECTOR3 vP(0.0f, 0.0f, 0.0f);
    D3DXVec3Cross(&vP, pDirection, &vEdge2);
    float fDet = D3DXVec3Dot(&vEdge1, &vP);
    D3DXVECTOR3 vT;
    if (fDet > 0.0f) {
        vT = *pOrigin - *pP0;
    } else {
        vT = *pP0 - *pOrigin;
        fDet = -fDet;
    }
    if (fDet < 0.0001f)
        return FALSE;

    const float fU = D3DXVec3Dot(&vT, &vP);
    if (fU < 0.0f || fU > fDet)
        return FALSE;
    D3DXVECTOR3 vQ(0.0f, 0.0f, 0.0f);
    D3DXVec3Cross(&vQ, &vT, &vEdge1);
    const float fV = D3DXVec3Dot(pDirection, &vQ);
    if (fV < 0.0f || fU + fV > fDet)
        return FALSE;
    const float fDistance = D3DXVec3Dot(&vEdge2, &vQ) / fDet;
    if (fDistance < 0.0f)
        return FALSE;

    if (pfDistance != nullptr)
        *pfDistance = fDistance;
    if (pfU != nullptr)
        *pfU = fU / fDet;
    if (pfV != nullptr)
        *pfV = fV / fDet;
    return TRUE;
}

float XF_GetDistance(const D3DXVECTOR3* pA, const D3DXVECTOR3* pB)
{
    const D3DXVECTOR3 vDiff = *pA - *pB;
    return D3DXVec3Length(&vDiff);
}

float XF_GetVectorAngle(const D3DXVECTOR3* pA, const D3DXVECTOR3* pB)
{
    const float fLengths = D3DXVec3Length(pA) * D3DXVec3Length(pB);
    if (!(fLengths > 0.0f))
        return 0.0f;
    float fCosine = D3DXVec3Dot(pA, pB) / fLengths;
    if (fCosine > 1.0f)
        fCosine = 1.0f;
    if (fCosine < -1.0f)
        fCosine = -1.0f;
    return std::acos(fCosine);
}

D3DXVECTOR3 XF_QuaternionToRotation(const D3DXQUATERNION* pQuaternion)
{
    const double x = pQuaternion->x;
    const double y = pQuaternion->y;
    const double z = pQuaternion->z;
    const double w = pQuaternion->w;
    const double s = 2.0 * (z * y - w * x);
    // Looking straight up or down: yaw and roll are one turn, given to yaw.
    if (std::fabs(s) > 0.999999) {
        const double fAngleX = -(3.14159265358979323846 / 2.0) * s / std::fabs(s);
        const double fAngleY = std::atan2(-2.0 * (z * x - w * y), -s * 2.0 * (z * y + w * x));
        return D3DXVECTOR3(static_cast<float>(fAngleX), static_cast<float>(fAngleY), 0.0f);
    }
    const double fAngleX = std::asin(-s);
    const double fAngleY = std::atan2(2.0 * (z * x + w * y), w * w + z * z - x * x - y * y);
    const double fAngleZ = std::atan2(2.0 * (x * y + w * z), w * w - z * z - x * x + y * y);
    return D3DXVECTOR3(static_cast<float>(fAngleX), static_cast<float>(fAngleY), static_cast<float>(fAngleZ));
}

D3DXVECTOR3 XF_RandomVector3(const D3DXVECTOR3* pMin, const D3DXVECTOR3* pMax)
{
    D3DXVECTOR3 vResult;
    vResult.z = XF_RandomFloat(pMin->z, pMax->z);
    vResult.y = XF_RandomFloat(pMin->y, pMax->y);
    vResult.x = XF_RandomFloat(pMin->x, pMax->x);
    return vResult;
}

D3DXVECTOR4 XF_RandomVector4(const D3DXVECTOR4* pMin, const D3DXVECTOR4* pMax)
{
    D3DXVECTOR4 vResult;
    vResult.w = XF_RandomFloat(pMin->w, pMax->w);
    vResult.z = XF_RandomFloat(pMin->z, pMax->z);
    vResult.y = XF_RandomFloat(pMin->y, pMax->y);
    vResult.x = XF_RandomFloat(pMin->x, pMax->x);
    return vResult;
}

void XF_ModulateMaterial(D3DMATERIAL9* pMaterial, DWORD dwColor)
{
    const float fA = static_cast<float>((dwColor >> 24) & 0xFF) / 255.0f;
    const float fR = static_cast<float>((dwColor >> 16) & 0xFF) / 255.0f;
    const float fG = static_cast<float>((dwColor >> 8) & 0xFF) / 255.0f;
    const float fB = static_cast<float>(dwColor & 0xFF) / 255.0f;
    for (D3DCOLORVALUE* pColor : {&pMaterial->Diffuse, &pMaterial->Ambient, &pMaterial->Emissive}) {
        pColor->r *= fR;
        pColor->g *= fG;
        pColor->b *= fB;
        pColor->a *= fA;
    }
}

HRESULT XF_SaveBackBuffer(IDirect3DDevice9* pD3DDevice, const char* szFileName, D3DFORMAT format, int iWidth,
                          int iHeight)
{
    if (pD3DDevice == nullptr) {
        XM_REPORT_FAILED("pD3DDevice");
        return E_FAIL;
    }
    if (szFileName == nullptr) {
        XM_REPORT_FAILED("szFileName");
        return E_FAIL;
    }
    IDirect3DSurface9* pBackBuffer = nullptr;
    const HRESULT hr = pD3DDevice->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &pBackBuffer);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("hr", hr);
        return hr;
    }
    if (pBackBuffer == nullptr) {
        XM_REPORT_FAILED("pBackBuffer");
        return E_FAIL;
    }
    const HRESULT hrSave = SaveSurfaceCopy(pD3DDevice, pBackBuffer, szFileName, format, iWidth, iHeight);
    pBackBuffer->Release();
    return hrSave;
}

HRESULT XF_GetPixelColorFromTexture(IDirect3DTexture9* pTexture, float fU, float fV, DWORD* pdwColor)
{
    if (pTexture == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, "XF_GetPixelColorFromTexture , pTexture == NULL");
        return E_FAIL;
    }
    D3DSURFACE_DESC desc;
    HRESULT hr = pTexture->GetLevelDesc(0, &desc);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("pTexture->GetLevelDesc( 0 , &desc )", hr);
        return hr;
    }
    const UINT iU = TexelIndex(desc.Width, fU, "iU >= 0");
    const UINT iV = TexelIndex(desc.Height, fV, "iV >= 0");

    D3DLOCKED_RECT lockedRect;
    hr = pTexture->LockRect(0, &lockedRect, nullptr, 0);
    if (FAILED(hr)) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("XF_GetPixelColorFromTexture , pTexture->LockRect error , hr = %x",
                                     static_cast<unsigned>(hr)));
        return E_FAIL;
    }
    const BYTE* const pRow = static_cast<const BYTE*>(lockedRect.pBits) + iV * lockedRect.Pitch;
    HRESULT hrResult = S_OK;
    if (!ReadTexel(desc.Format, pRow, iU, pdwColor)) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("XF_GetPixelColorFromTexture , Don't support TextureFormat %x ",
                                     static_cast<unsigned>(desc.Format)));
        hrResult = E_FAIL;
    }
    hr = pTexture->UnlockRect(0);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pTexture->UnlockRect(0)", hr);
    return hrResult;
}

HRESULT XF_RenderTextureRHW(IDirect3DTexture9* pTexture)
{
    if (pTexture == nullptr) {
        XM_REPORT_FAILED("pTexture");
        return E_FAIL;
    }
    IDirect3DDevice9* pD3DDevice = nullptr;
    const HRESULT hr = pTexture->GetDevice(&pD3DDevice);
    if (FAILED(hr)) {
        XF_ReportError(s_szSourceFile, __LINE__, "");
        return hr;
    }
    if (pD3DDevice == nullptr) {
        XM_REPORT_FAILED("pD3DDevice");
        return E_FAIL;
    }
    D3DSURFACE_DESC desc;
    const HRESULT hrDesc = pTexture->GetLevelDesc(0, &desc);
    if (FAILED(hrDesc))
        XM_REPORT_FAILED_HR("pTexture->GetLevelDesc( 0 , &desc )", hrDesc);
    else
        DrawTextureQuad(pD3DDevice, pTexture, static_cast<float>(desc.Width), static_cast<float>(desc.Height));
    pD3DDevice->Release();
    return hr;
}

D3DXVECTOR3 XF_TransformPoint(const D3DXVECTOR3* pPoint, const D3DXMATRIX* pMatrix)
{
    const D3DXMATRIX& m = *pMatrix;
    return D3DXVECTOR3(pPoint->x * m._11 + pPoint->y * m._21 + pPoint->z * m._31 + m._41,
                       pPoint->x * m._12 + pPoint->y * m._22 + pPoint->z * m._32 + m._42,
                       pPoint->x * m._13 + pPoint->y * m._23 + pPoint->z * m._33 + m._43);
}

void XF_TransformBoundingSphere(XS_BoundingSphere* pSphere, const D3DXMATRIX* pMatrix, const D3DXVECTOR3* pScale)
{
    pSphere->vCenter = XF_TransformPoint(&pSphere->vCenter, pMatrix);
    float fLargest = pScale->x;
    if (pScale->y > fLargest)
        fLargest = pScale->y;
    if (pScale->z > fLargest)
        fLargest = pScale->z;
    pSphere->fRadius *= fLargest;
}

#include "GameProgram/Resource/XC_Texture.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"
#include "GameProgram/Resource/XC_TextureManager.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

IDirect3DTexture9* XC_Texture::GetTexture() const
{
    return m_pTexture;
}

float XC_Texture::GetWidth() const
{
    return m_fWidth;
}

float XC_Texture::GetHeight() const
{
    return m_fHeight;
}

float XC_Texture::GetTextureWidth() const
{
    return m_fTextureWidth;
}

float XC_Texture::GetTextureHeight() const
{
    return m_fTextureHeight;
}

HRESULT XC_Texture::Render(const D3DXMATRIX* pmatWorld)
{
    if (m_pTextureManager == nullptr) {
        XM_REPORT_FAILED("m_pTextureManager");
        return E_FAIL;
    }
    return m_pTextureManager->RenderTexture(this, pmatWorld);
}

HRESULT XC_Texture::HitTest(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection,
                            const D3DXMATRIX* pmatWorld, BOOL bAlpha, float* pfDistance)
{
    float fU = 0.0f;
    float fV = 0.0f;
    if (!IntersectImageQuad(pvOrigin, pvDirection, pmatWorld, m_fWidth, m_fHeight, pfDistance, &fU, &fV))
        return 0;
    if (!bAlpha)
        return 1;
    DWORD dwColor = 0;
    if (FAILED(XF_GetPixelColorFromTexture(m_pTexture, fU, fV, &dwColor)))
        return E_FAIL;
    return dwColor > 0x00FFFFFF ? 1 : E_FAIL;
}

BOOL XC_Texture::IntersectImageQuad(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection,
                                    const D3DXMATRIX* pmatWorld, float fWidth, float fHeight,
                                    float* pfDistance, float* pfU, float* pfV)
{
    if (pvOrigin == nullptr || pvDirection == nullptr || pmatWorld == nullptr) {
        XM_REPORT_FAILED("pvOrigin && pvDirection && pmatWorld");
        return FALSE;
    }
    D3DXMATRIX matScale;
    D3DXMatrixScaling(&matScale, fWidth, fHeight, 1.0f);
    const D3DXMATRIX matQuad = matScale * *pmatWorld;
    // A right triangle with legs twice the quad's sides, its corner on the
    // quad's top left: the quad is where both barycentric coordinates are at
    // most one half.
    const D3DXVECTOR3 vCorner(-0.5f, 0.5f, 0.0f), vRight(1.5f, 0.5f, 0.0f), vDown(-0.5f, -1.5f, 0.0f);
    const D3DXVECTOR3 p0 = XF_TransformPoint(&vCorner, &matQuad);
    const D3DXVECTOR3 p1 = XF_TransformPoint(&vRight, &matQuad);
    const D3DXVECTOR3 p2 = XF_TransformPoint(&vDown, &matQuad);
    float fDistance = 0.0f;
    float fU = 0.0f;
    float fV = 0.0f;
    if (!XF_IntersectRayTriangle(pvOrigin, pvDirection, &p0, &p1, &p2, &fDistance, &fU, &fV))
        return FALSE;
    if (pfDistance != nullptr)
        *pfDistance = fDistance;
    if (fU > 0.5f || fV > 0.5f)
        return FALSE;
    *pfU = fU * 2.0f;
    *pfV = fV * 2.0f;
    return TRUE;
}

#pragma once

#include "GameProgram/Resource/XC_Resource.h"
#include "GameProgram/Resource/XS_2DTextureInfo.h"

#include <windows.h>
#include <d3d9.h>
#include <d3dx9math.h>

#include <memory>
#include <vector>

// An image of the 2D texture manager, cut into square cells of which only
// those with an opaque pixel are kept, packed into slots of shared textures.
// Drawn one unit a pixel in the plane z = 0, its centre near the origin.
class XC_2DTexture : public XC_Resource
{
public:
    XC_2DTexture() = default;

    // Draws every piece under the world matrix, unscaled.
    virtual HRESULT Render(const D3DXMATRIX* pmatWorld);
    // 1 hit, 0 miss: with bColorKey against the opaque texels of the kept
    // cells, else against the image's whole rectangle.
    virtual BOOL HitTest(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection, const D3DXMATRIX* pmatWorld,
                         BOOL bColorKey, float* pfDistance);
    virtual float GetWidth() const;
    virtual float GetHeight() const;
    virtual BOOL HitTestQuad(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection,
                             const D3DXMATRIX* pmatWorld, float* pfDistance);
    // Only the first cell triangle the ray meets decides.
    virtual BOOL HitTestColorKey(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection,
                                 const D3DXMATRIX* pmatWorld, float* pfDistance);

private:
    friend class XC_2DTextureManager;

    // The ray against the piece's cell triangles: -1 when it meets none,
    // else 1 or 0 for the texel it meets.
    int HitTestPiece(const XS_2DTextureInfo& piece, const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection,
                     const D3DXMATRIX* pmatWorld, float* pfDistance) const;
    // Whether the texel at (fU, fV) of the piece's shared texture is opaque.
    BOOL IsOpaqueTexel(const XS_2DTextureInfo& piece, float fU, float fV) const;

    float m_fWidth = 0.0f;
    float m_fHeight = 0.0f;
    std::vector<std::unique_ptr<XS_2DTextureInfo>> m_Pieces;
};

#pragma once

#include "GameProgram/Resource/XC_Resource.h"

#include <windows.h>
#include <d3d9.h>
#include <d3dx9math.h>

class XC_TextureManager;

// A Direct3D texture of the texture manager, named and shared by reference
// count. Drawn as a flat quad of the image's size, one unit a pixel, centred
// on the origin in the plane z = 0.
class XC_Texture : public XC_Resource
{
public:
    XC_Texture() = default;

    // The texture to set on a stage; a texture list answers with its
    // current page's.
    virtual IDirect3DTexture9* GetTexture() const;
    // The image's size in pixels as its file states it.
    virtual float GetWidth() const;
    virtual float GetHeight() const;
    // The size of level 0 of the texture made for it, which may be larger.
    virtual float GetTextureWidth() const;
    virtual float GetTextureHeight() const;
    virtual HRESULT Render(const D3DXMATRIX* pmatWorld);
    // 1 when the ray meets the drawn quad, 0 when it misses; with bAlpha a
    // transparent or unreadable texel gives E_FAIL. The distance along the
    // ray is stored whenever the ray meets the covering triangle.
    virtual HRESULT HitTest(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection,
                            const D3DXMATRIX* pmatWorld, BOOL bAlpha, float* pfDistance);

    // The quad test shared by every flat image of fWidth × fHeight pixels
    // drawn under pmatWorld. On a hit gives the point's texture coordinates
    // (0 to 1 across the quad).
    static BOOL IntersectImageQuad(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection,
                                   const D3DXMATRIX* pmatWorld, float fWidth, float fHeight,
                                   float* pfDistance, float* pfU, float* pfV);

protected:
    friend class XC_TextureManager;

    XC_TextureManager* m_pTextureManager = nullptr;
    // Released by the manager's DeleteResource, not by the destructor.
    IDirect3DTexture9* m_pTexture = nullptr;
    float m_fWidth = 0.0f;
    float m_fHeight = 0.0f;
    float m_fTextureWidth = 0.0f;
    float m_fTextureHeight = 0.0f;
};

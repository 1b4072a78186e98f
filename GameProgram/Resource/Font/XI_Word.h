#pragma once

#include "GameProgram/Resource/XC_Resource.h"

#include <windows.h>
#include <d3d9.h>
#include <d3dx9math.h>

// One character of drawn text: a quad of its size in pixels, one world unit a
// pixel, its bottom-left corner at the origin of the world matrix it is drawn
// with. Blending and filtering are the caller's.
class XI_Word : public XC_Resource
{
public:
    XI_Word() = default;

    virtual float GetWidth() const;
    virtual float GetHeight() const;
    virtual void SetWidth(float fWidth);
    virtual void SetHeight(float fHeight);
    virtual HRESULT Render(const D3DXMATRIX* pmatWorld) = 0;

protected:
    // The glyph quad of a word: a triangle strip of four vertices, drawn with
    // one texture on stage 0.
    static HRESULT RenderQuad(IDirect3DDevice9* pD3DDevice, IDirect3DTexture9* pTexture,
                              IDirect3DVertexBuffer9* pVertexBuffer, const D3DXMATRIX* pmatWorld);

    float m_fWidth = 0.0f;
    float m_fHeight = 0.0f;
};

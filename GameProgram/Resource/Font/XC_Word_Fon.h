#pragma once

#include "GameProgram/Resource/Font/XI_Word.h"

#include <windows.h>
#include <d3d9.h>

// A character of the glyph rasteriser: a rectangle of one of its shared pages,
// drawn with the engine's device.
class XC_Word_Fon : public XI_Word
{
public:
    // The page belongs to the rasteriser; the buffer's reference is taken over.
    XC_Word_Fon(IDirect3DTexture9* pPageTexture, IDirect3DVertexBuffer9* pVertexBuffer);
    ~XC_Word_Fon() override;

    HRESULT Render(const D3DXMATRIX* pmatWorld) override;

    IDirect3DTexture9* GetTexture() const { return m_pPageTexture; }
    IDirect3DVertexBuffer9* GetVertexBuffer() const { return m_pVertexBuffer; }

private:
    IDirect3DTexture9* m_pPageTexture;
    IDirect3DVertexBuffer9* m_pVertexBuffer;
};

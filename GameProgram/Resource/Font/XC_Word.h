#pragma once

#include "GameProgram/Resource/Font/XI_Word.h"

#include <windows.h>
#include <d3d9.h>

// A character drawn with a GDI font into a texture of its own.
class XC_Word : public XI_Word
{
public:
    // Takes over the texture's and the buffer's references; the device is
    // only used.
    XC_Word(IDirect3DDevice9* pD3DDevice, IDirect3DTexture9* pTexture, IDirect3DVertexBuffer9* pVertexBuffer);
    ~XC_Word() override;

    HRESULT Render(const D3DXMATRIX* pmatWorld) override;

    IDirect3DTexture9* GetTexture() const { return m_pTexture; }
    IDirect3DVertexBuffer9* GetVertexBuffer() const { return m_pVertexBuffer; }

private:
    IDirect3DDevice9* m_pD3DDevice;
    IDirect3DTexture9* m_pTexture;
    IDirect3DVertexBuffer9* m_pVertexBuffer;
};

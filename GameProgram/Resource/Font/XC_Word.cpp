#include "GameProgram/Resource/Font/XC_Word.h"

XC_Word::XC_Word(IDirect3DDevice9* pD3DDevice, IDirect3DTexture9* pTexture, IDirect3DVertexBuffer9* pVertexBuffer)
    : m_pD3DDevice(pD3DDevice)
    , m_pTexture(pTexture)
    , m_pVertexBuffer(pVertexBuffer)
{
}

XC_Word::~XC_Word()
{
    if (m_pVertexBuffer != nullptr)
        m_pVertexBuffer->Release();
    if (m_pTexture != nullptr)
        m_pTexture->Release();
}

HRESULT XC_Word::Render(const D3DXMATRIX* pmatWorld)
{
    return RenderQuad(m_pD3DDevice, m_pTexture, m_pVertexBuffer, pmatWorld);
}

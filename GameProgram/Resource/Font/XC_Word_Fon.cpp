#include "GameProgram/Resource/Font/XC_Word_Fon.h"

#include "GameProgram/D3DCommon/XC_GlobalVariable.h"

XC_Word_Fon::XC_Word_Fon(IDirect3DTexture9* pPageTexture, IDirect3DVertexBuffer9* pVertexBuffer)
    : m_pPageTexture(pPageTexture)
    , m_pVertexBuffer(pVertexBuffer)
{
}

XC_Word_Fon::~XC_Word_Fon()
{
    if (m_pVertexBuffer != nullptr)
        m_pVertexBuffer->Release();
}

HRESULT XC_Word_Fon::Render(const D3DXMATRIX* pmatWorld)
{
    return RenderQuad(g_pVar->g_pD3DDevice, m_pPageTexture, m_pVertexBuffer, pmatWorld);
}

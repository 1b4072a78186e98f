#include "tests/GameProgram/Scene/FloorTestDevice.h"

HRESULT STDMETHODCALLTYPE FloorTestDevice::CreateVertexBuffer(UINT Length, DWORD, DWORD FVF, D3DPOOL,
                                                              IDirect3DVertexBuffer9** ppVertexBuffer, HANDLE*)
{
    *ppVertexBuffer = nullptr;
    if (m_bFailVertexBuffers)
        return D3DERR_OUTOFVIDEOMEMORY;
    *ppVertexBuffer = new MemoryVertexBuffer(Length, FVF, &m_Buffers);
    return D3D_OK;
}

HRESULT STDMETHODCALLTYPE FloorTestDevice::SetStreamSource(UINT, IDirect3DVertexBuffer9* pStreamData, UINT, UINT)
{
    m_pStream = pStreamData;
    return D3D_OK;
}

HRESULT STDMETHODCALLTYPE FloorTestDevice::DrawPrimitive(D3DPRIMITIVETYPE PrimitiveType, UINT StartVertex,
                                                         UINT PrimitiveCount)
{
    DWORD dwTextureFactor = 0;
    GetRenderState(D3DRS_TEXTUREFACTOR, &dwTextureFactor);
    m_DrawCalls.push_back({PrimitiveType, StartVertex, PrimitiveCount, m_pStream, dwTextureFactor});
    return D3D_OK;
}

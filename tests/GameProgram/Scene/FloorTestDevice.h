#pragma once

#include "tests/GameProgram/Scene/MemoryVertexBuffer.h"
#include "tests/Support/RecordingDevice.h"

#include <vector>

// A recording device that makes vertex buffers in memory and records the
// primitives drawn, enough for the floor to be built, read and drawn
// without a display.
class FloorTestDevice : public RecordingDevice
{
public:
    struct DrawCall
    {
        D3DPRIMITIVETYPE eType;
        UINT uStartVertex;
        UINT uPrimitiveCount;
        IDirect3DVertexBuffer9* pStream;
        DWORD dwTextureFactor;
    };

    // The living buffers, in the order they were made.
    const std::vector<MemoryVertexBuffer*>& Buffers() const { return m_Buffers; }
    const std::vector<DrawCall>& DrawCalls() const { return m_DrawCalls; }
    void ClearDrawCalls() { m_DrawCalls.clear(); }
    // Makes the next vertex buffer requests fail.
    void FailVertexBuffers(bool bFail) { m_bFailVertexBuffers = bFail; }

    HRESULT STDMETHODCALLTYPE CreateVertexBuffer(UINT Length, DWORD Usage, DWORD FVF, D3DPOOL Pool,
                                                 IDirect3DVertexBuffer9** ppVertexBuffer,
                                                 HANDLE* pSharedHandle) override;
    HRESULT STDMETHODCALLTYPE SetStreamSource(UINT StreamNumber, IDirect3DVertexBuffer9* pStreamData,
                                              UINT OffsetInBytes, UINT Stride) override;
    HRESULT STDMETHODCALLTYPE DrawPrimitive(D3DPRIMITIVETYPE PrimitiveType, UINT StartVertex,
                                            UINT PrimitiveCount) override;

private:
    std::vector<MemoryVertexBuffer*> m_Buffers;
    std::vector<DrawCall> m_DrawCalls;
    IDirect3DVertexBuffer9* m_pStream = nullptr;
    bool m_bFailVertexBuffers = false;
};

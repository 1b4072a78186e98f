#include "tests/GameProgram/Scene/MemoryVertexBuffer.h"

#include <algorithm>

MemoryVertexBuffer::MemoryVertexBuffer(UINT uLength, DWORD dwFVF, std::vector<MemoryVertexBuffer*>* pLiving)
    : m_dwFVF(dwFVF)
    , m_Data(uLength)
    , m_pLiving(pLiving)
{
    m_pLiving->push_back(this);
}

MemoryVertexBuffer::~MemoryVertexBuffer()
{
    m_pLiving->erase(std::remove(m_pLiving->begin(), m_pLiving->end(), this), m_pLiving->end());
}

HRESULT STDMETHODCALLTYPE MemoryVertexBuffer::QueryInterface(REFIID, void** ppvObject)
{
    *ppvObject = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE MemoryVertexBuffer::AddRef()
{
    return static_cast<ULONG>(++m_lReferences);
}

ULONG STDMETHODCALLTYPE MemoryVertexBuffer::Release()
{
    const LONG lLeft = --m_lReferences;
    if (lLeft == 0)
        delete this;
    return static_cast<ULONG>(lLeft);
}

HRESULT STDMETHODCALLTYPE MemoryVertexBuffer::GetDevice(IDirect3DDevice9** ppDevice)
{
    *ppDevice = nullptr;
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE MemoryVertexBuffer::SetPrivateData(REFGUID, const void*, DWORD, DWORD)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE MemoryVertexBuffer::GetPrivateData(REFGUID, void*, DWORD*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE MemoryVertexBuffer::FreePrivateData(REFGUID)
{
    return D3DERR_INVALIDCALL;
}

DWORD STDMETHODCALLTYPE MemoryVertexBuffer::SetPriority(DWORD)
{
    return 0;
}

DWORD STDMETHODCALLTYPE MemoryVertexBuffer::GetPriority()
{
    return 0;
}

void STDMETHODCALLTYPE MemoryVertexBuffer::PreLoad()
{
}

D3DRESOURCETYPE STDMETHODCALLTYPE MemoryVertexBuffer::GetType()
{
    return D3DRTYPE_VERTEXBUFFER;
}

HRESULT STDMETHODCALLTYPE MemoryVertexBuffer::Lock(UINT OffsetToLock, UINT, void** ppbData, DWORD Flags)
{
    if (OffsetToLock > m_Data.size())
        return D3DERR_INVALIDCALL;
    if ((Flags & D3DLOCK_READONLY) == 0)
        ++m_iWriteLocks;
    *ppbData = m_Data.data() + OffsetToLock;
    return D3D_OK;
}

HRESULT STDMETHODCALLTYPE MemoryVertexBuffer::Unlock()
{
    return D3D_OK;
}

HRESULT STDMETHODCALLTYPE MemoryVertexBuffer::GetDesc(D3DVERTEXBUFFER_DESC* pDesc)
{
    pDesc->Format = D3DFMT_VERTEXDATA;
    pDesc->Type = D3DRTYPE_VERTEXBUFFER;
    pDesc->Usage = 0;
    pDesc->Pool = D3DPOOL_MANAGED;
    pDesc->Size = static_cast<UINT>(m_Data.size());
    pDesc->FVF = m_dwFVF;
    return D3D_OK;
}

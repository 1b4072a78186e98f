#pragma once

#include <d3d9.h>
#include <windows.h>

#include <vector>

// A vertex buffer in plain memory, counted, that remembers how often it was
// locked for writing and leaves the list of living buffers it was given when
// it dies. Every other call of the resource fails or does nothing.
class MemoryVertexBuffer : public IDirect3DVertexBuffer9
{
public:
    MemoryVertexBuffer(UINT uLength, DWORD dwFVF, std::vector<MemoryVertexBuffer*>* pLiving);
    virtual ~MemoryVertexBuffer();

    int WriteLocks() const { return m_iWriteLocks; }
    const BYTE* Data() const { return m_Data.data(); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetDevice(IDirect3DDevice9** ppDevice) override;
    HRESULT STDMETHODCALLTYPE SetPrivateData(REFGUID guid, const void* data, DWORD data_size, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE GetPrivateData(REFGUID refguid, void* pData, DWORD* pSizeOfData) override;
    HRESULT STDMETHODCALLTYPE FreePrivateData(REFGUID refguid) override;
    DWORD STDMETHODCALLTYPE SetPriority(DWORD PriorityNew) override;
    DWORD STDMETHODCALLTYPE GetPriority() override;
    void STDMETHODCALLTYPE PreLoad() override;
    D3DRESOURCETYPE STDMETHODCALLTYPE GetType() override;
    HRESULT STDMETHODCALLTYPE Lock(UINT OffsetToLock, UINT SizeToLock, void** ppbData, DWORD Flags) override;
    HRESULT STDMETHODCALLTYPE Unlock() override;
    HRESULT STDMETHODCALLTYPE GetDesc(D3DVERTEXBUFFER_DESC* pDesc) override;

private:
    LONG m_lReferences = 1;
    DWORD m_dwFVF;
    std::vector<BYTE> m_Data;
    int m_iWriteLocks = 0;
    std::vector<MemoryVertexBuffer*>* m_pLiving;
};

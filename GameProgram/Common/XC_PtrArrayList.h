#pragma once

#include <windows.h>

#include <cstring>
#include <new>

// The engine's growable array of pointers. It does not own what the pointers
// point at; its destructor frees only the array.
template <class T>
class XC_PtrArrayList
{
public:
    XC_PtrArrayList() = default;
    virtual ~XC_PtrArrayList() { delete[] m_ppData; }
    XC_PtrArrayList(const XC_PtrArrayList&) = delete;
    XC_PtrArrayList& operator=(const XC_PtrArrayList&) = delete;

    // Appends a pointer; the capacity doubles when the array is full.
    HRESULT Add(T* pPtr);
    // Removes the entry at an index, keeping the order of the rest. An index
    // at or past the count is ignored.
    void RemoveAt(DWORD dwIndex);
    // Forgets every entry; the capacity stays.
    void RemoveAll() { m_dwCount = 0; }

    // The pointer at an index, or null past the count.
    T* GetPtr(DWORD dwIndex) const { return dwIndex < m_dwCount ? m_ppData[dwIndex] : nullptr; }
    DWORD Count() const { return m_dwCount; }
    DWORD GetCapacity() const { return m_dwCapacity; }

private:
    HRESULT Grow(DWORD dwCapacity);

    T** m_ppData = nullptr;
    DWORD m_dwCount = 0;
    DWORD m_dwCapacity = 16;
};

template <class T>
HRESULT XC_PtrArrayList<T>::Add(T* pPtr)
{
    if (m_ppData == nullptr || m_dwCount + 1 > m_dwCapacity) {
        const DWORD dwCapacity = m_ppData == nullptr ? m_dwCapacity : m_dwCapacity * 2;
        if (dwCapacity <= m_dwCount)
            return E_OUTOFMEMORY;
        const HRESULT hr = Grow(dwCapacity);
        if (FAILED(hr))
            return hr;
    }
    m_ppData[m_dwCount++] = pPtr;
    return S_OK;
}

template <class T>
void XC_PtrArrayList<T>::RemoveAt(DWORD dwIndex)
{
    if (dwIndex >= m_dwCount)
        return;
    --m_dwCount;
    std::memmove(m_ppData + dwIndex, m_ppData + dwIndex + 1, (m_dwCount - dwIndex) * sizeof(T*));
}

template <class T>
HRESULT XC_PtrArrayList<T>::Grow(DWORD dwCapacity)
{
    T** ppData = new (std::nothrow) T*[dwCapacity];
    if (ppData == nullptr)
        return E_OUTOFMEMORY;
    if (m_dwCount > 0)
        std::memcpy(ppData, m_ppData, m_dwCount * sizeof(T*));
    delete[] m_ppData;
    m_ppData = ppData;
    m_dwCapacity = dwCapacity;
    return S_OK;
}

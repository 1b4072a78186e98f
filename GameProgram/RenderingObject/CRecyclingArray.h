#pragma once

#include <windows.h>

// A fixed store of records with in-use flags: handing out and giving back
// never allocate. A full store hands out nothing.
template <class T, DWORD N>
class CRecyclingArray
{
public:
    CRecyclingArray() : m_dwUsedCount(0), m_dwLastNew(0), m_Blank()
    {
        for (DWORD i = 0; i < N; ++i)
            m_bAlive[i] = FALSE;
    }

    // A record copied from the blank one, or null when all N are in use.
    T* New()
    {
        if (m_dwUsedCount >= N)
            return nullptr;
        for (DWORD dwTried = 0; dwTried < N; ++dwTried) {
            const DWORD dwIndex = (m_dwLastNew + dwTried) % N;
            if (m_bAlive[dwIndex])
                continue;
            m_Elements[dwIndex] = m_Blank;
            m_bAlive[dwIndex] = TRUE;
            ++m_dwUsedCount;
            m_dwLastNew = dwIndex;
            return &m_Elements[dwIndex];
        }
        return nullptr;
    }

    // 1 when the record was a used one of this store, else 0.
    BOOL Delete(T* pElement)
    {
        if (m_dwUsedCount == 0 || pElement < m_Elements || pElement >= m_Elements + N)
            return FALSE;
        const DWORD dwIndex = static_cast<DWORD>(pElement - m_Elements);
        if (!m_bAlive[dwIndex])
            return FALSE;
        m_bAlive[dwIndex] = FALSE;
        --m_dwUsedCount;
        return TRUE;
    }

    BOOL IsAlive(DWORD dwIndex) const { return dwIndex < N && m_bAlive[dwIndex]; }
    T* GetAt(DWORD dwIndex) { return &m_Elements[dwIndex]; }
    DWORD GetUsedCount() const { return m_dwUsedCount; }
    static constexpr DWORD GetCapacity() { return N; }

private:
    DWORD m_dwUsedCount;
    T m_Elements[N];
    BOOL m_bAlive[N];
    DWORD m_dwLastNew;
    T m_Blank;
};

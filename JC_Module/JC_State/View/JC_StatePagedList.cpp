#include "JC_Module/JC_State/View/JC_StatePagedList.h"

JC_StatePagedList::JC_StatePagedList(int iRowCount) : m_iRowCount(iRowCount)
{
}

void JC_StatePagedList::SetEntryCount(int iEntryCount)
{
    m_iEntryCount = iEntryCount > 0 ? iEntryCount : 0;
    m_iPage = 0;
}

void JC_StatePagedList::ResizeEntries(int iEntryCount)
{
    m_iEntryCount = iEntryCount > 0 ? iEntryCount : 0;
    const int iPageCount = GetPageCount();
    if (m_iPage >= iPageCount)
        m_iPage = iPageCount > 0 ? iPageCount - 1 : 0;
}

int JC_StatePagedList::GetPageCount() const
{
    return (m_iEntryCount + m_iRowCount - 1) / m_iRowCount;
}

bool JC_StatePagedList::NextPage()
{
    const int iPageCount = GetPageCount();
    if (iPageCount == 0)
        return false;
    m_iPage = (m_iPage + 1) % iPageCount;
    return true;
}

bool JC_StatePagedList::PrevPage()
{
    const int iPageCount = GetPageCount();
    if (iPageCount == 0)
        return false;
    m_iPage = (m_iPage + iPageCount - 1) % iPageCount;
    return true;
}

int JC_StatePagedList::EntryAt(int iRow) const
{
    if (iRow < 0 || iRow >= m_iRowCount)
        return -1;
    const int iEntry = m_iPage * m_iRowCount + iRow;
    return iEntry < m_iEntryCount ? iEntry : -1;
}

#include "TemplateSystem/JC_ItemNameIndex.h"

#include "TemplateSystem/JF_FileWrite.h"
#include "TemplateSystem/JF_SortedArray.h"

#include <cstdio>

void JC_ItemNameIndex::Reserve(DWORD dwSize)
{
    Clear();
    m_Names.reserve(dwSize);
    m_Indexes.reserve(dwSize);
    m_ReferFlags.reserve(dwSize);
}

void JC_ItemNameIndex::Clear()
{
    m_Names.clear();
    m_Indexes.clear();
    m_ReferFlags.clear();
}

DWORD JC_ItemNameIndex::AddName(const std::string& strName, DWORD dwIndex, bool bRefer)
{
    const int iAt = FindStringInsertPos(strName, m_Names);
    if (iAt < 0)
        return JE_NAMEINDEX_NAME_PRESENT;
    m_Names.insert(m_Names.begin() + iAt, strName);
    m_Indexes.insert(m_Indexes.begin() + iAt, dwIndex);
    m_ReferFlags.insert(m_ReferFlags.begin() + iAt, bRefer);
    return 0;
}

DWORD JC_ItemNameIndex::FindName(const std::string& strName, DWORD& dwIndex, bool& bRefer) const
{
    const int iAt = FindString(strName, m_Names);
    if (iAt < 0)
        return JE_NAMEINDEX_NAME_ABSENT;
    dwIndex = m_Indexes[iAt];
    bRefer = m_ReferFlags[iAt];
    return 0;
}

DWORD JC_ItemNameIndex::DumpNames(const std::string& strPath) const
{
    std::string strText;
    for (size_t i = 0; i < m_Names.size(); ++i) {
        char szEntry[32];
        std::snprintf(szEntry, sizeof(szEntry), " ItemIndex:%d IsRefer:%d\r\n", static_cast<int>(m_Indexes[i]),
                      m_ReferFlags[i] ? 1 : 0);
        strText += "ItemName:" + m_Names[i] + szEntry;
    }
    return JF_WriteFile(strPath, strText) ? 0 : JE_NAMEINDEX_DUMP_FAILED;
}

#include "TemplateSystem/JC_NameValueMap.h"

#include "TemplateSystem/JF_SortedArray.h"

void JC_NameValueMap::Clear()
{
    m_Names.clear();
    m_Values.clear();
}

void JC_NameValueMap::Reset(DWORD dwCount)
{
    Clear();
    m_Names.resize(dwCount);
    m_Values.resize(dwCount);
}

DWORD JC_NameValueMap::Add(const std::string& strName, DWORD_PTR dwValue)
{
    const int iPos = FindStringInsertPos(strName, m_Names);
    if (iPos < 0)
        return JE_NAMEMAP_NAME_PRESENT;
    m_Names.insert(m_Names.begin() + iPos, strName);
    m_Values.insert(m_Values.begin() + iPos, dwValue);
    return 0;
}

DWORD_PTR JC_NameValueMap::Get(const std::string& strName) const
{
    const int iIndex = FindString(strName, m_Names);
    return iIndex < 0 ? ABSENT : m_Values[iIndex];
}

DWORD_PTR JC_NameValueMap::Remove(const std::string& strName)
{
    const int iIndex = FindString(strName, m_Names);
    if (iIndex < 0)
        return ABSENT;
    m_Names.erase(m_Names.begin() + iIndex);
    m_Values.erase(m_Values.begin() + iIndex);
    return 0;
}

#include "TemplateSystem/JC_ComboList.h"

#include "TemplateSystem/JF_SortedArray.h"

void JC_ComboList::Reset()
{
    m_Names.clear();
    m_Values.clear();
    m_Comments.clear();
}

DWORD JC_ComboList::AddDefine(const std::string& strName, DWORD dwValue, const std::string& strComment)
{
    if (strName.empty())
        return JE_COMBO_EMPTY_NAME;
    const int iPos = FindStringInsertPos(strName, m_Names);
    if (iPos < 0)
        return JE_COMBO_NAME_PRESENT;
    m_Names.insert(m_Names.begin() + iPos, strName);
    m_Values.insert(m_Values.begin() + iPos, dwValue);
    m_Comments.insert(m_Comments.begin() + iPos, strComment);
    return 0;
}

DWORD JC_ComboList::GetNameAt(DWORD dwIndex, std::string& strName) const
{
    if (dwIndex >= m_Names.size())
        return JE_COMBO_INDEX_OUTSIDE;
    strName = m_Names[dwIndex];
    return 0;
}

DWORD JC_ComboList::GetDefineAt(DWORD dwIndex, std::string& strName, DWORD& dwValue,
                                std::string& strComment) const
{
    if (dwIndex >= m_Names.size())
        return JE_COMBO_INDEX_OUTSIDE;
    strName = m_Names[dwIndex];
    dwValue = m_Values[dwIndex];
    strComment = m_Comments[dwIndex];
    return 0;
}

DWORD JC_ComboList::FindValue(const std::string_view& strName, DWORD& dwValue) const
{
    int iIndex = -1;
    const DWORD dwResult = FindIndex(strName, iIndex);
    dwValue = dwResult == 0 ? m_Values[iIndex] : NO_VALUE;
    return dwResult;
}

DWORD JC_ComboList::FindValueAndComment(const std::string& strName, DWORD& dwValue,
                                        std::string& strComment) const
{
    int iIndex = -1;
    const DWORD dwResult = FindIndex(strName, iIndex);
    dwValue = dwResult == 0 ? m_Values[iIndex] : NO_VALUE;
    strComment = dwResult == 0 ? m_Comments[iIndex] : std::string();
    return dwResult;
}

DWORD JC_ComboList::FindIndex(const std::string_view& strName, int& iIndex) const
{
    if (strName.empty())
        return JE_COMBO_FIND_EMPTY_NAME;
    iIndex = FindString(strName, m_Names);
    return iIndex < 0 ? JE_COMBO_NAME_ABSENT : 0;
}

bool JC_ComboList::HasName(const std::string& strName) const
{
    return !strName.empty() && FindString(strName, m_Names) >= 0;
}

DWORD JC_ComboList::GetCount() const
{
    return static_cast<DWORD>(m_Names.size());
}

#include "TemplateSystem/JC_TemplateList.h"

#include "TemplateSystem/JF_SortedArray.h"

JC_TemplateList::~JC_TemplateList()
{
    DeleteAll();
}

void JC_TemplateList::DeleteAll()
{
    for (JC_Template* pTemplate : m_Templates)
        delete pTemplate;
    Clear();
}

DWORD JC_TemplateList::AddTemplate(JC_Template* pTemplate, bool bMain)
{
    const DWORD dwTemplateID = pTemplate->GetTemplateID();
    const int iAt = FindNumberInsertPos(dwTemplateID, m_TemplateIDs);
    if (iAt < 0)
        return JE_TEMPLATELIST_ID_PRESENT;
    m_TemplateIDs.insert(m_TemplateIDs.begin() + iAt, dwTemplateID);
    m_Templates.insert(m_Templates.begin() + iAt, pTemplate);
    m_MainFlags.insert(m_MainFlags.begin() + iAt, bMain);
    return 0;
}

DWORD JC_TemplateList::FindTemplateByID(DWORD dwTemplateID, JC_Template*& pTemplate) const
{
    pTemplate = nullptr;
    const int iAt = FindIndexByID(dwTemplateID);
    if (iAt < 0)
        return JE_TEMPLATELIST_ID_ABSENT;
    pTemplate = m_Templates[iAt];
    return 0;
}

int JC_TemplateList::FindIndexByID(DWORD dwTemplateID) const
{
    return FindNumber(dwTemplateID, m_TemplateIDs);
}

DWORD JC_TemplateList::GetTemplateAt(DWORD dwIndex, JC_Template*& pTemplate) const
{
    bool bMain = false;
    return GetTemplateAt(dwIndex, pTemplate, bMain);
}

DWORD JC_TemplateList::GetTemplateAt(DWORD dwIndex, JC_Template*& pTemplate, bool& bMain) const
{
    pTemplate = nullptr;
    bMain = false;
    if (dwIndex >= GetCount())
        return JE_TEMPLATELIST_INDEX_OUTSIDE;
    pTemplate = m_Templates[dwIndex];
    bMain = m_MainFlags[dwIndex];
    return 0;
}

DWORD JC_TemplateList::RemoveTemplateByID(DWORD dwTemplateID, JC_Template*& pTemplate)
{
    pTemplate = nullptr;
    const int iAt = FindIndexByID(dwTemplateID);
    if (iAt < 0)
        return JE_TEMPLATELIST_REMOVE_ABSENT;
    return RemoveTemplateAt(static_cast<DWORD>(iAt), pTemplate);
}

DWORD JC_TemplateList::RemoveTemplateAt(DWORD dwIndex, JC_Template*& pTemplate)
{
    pTemplate = nullptr;
    if (dwIndex >= GetCount())
        return JE_TEMPLATELIST_REMOVE_OUTSIDE;
    pTemplate = m_Templates[dwIndex];
    m_TemplateIDs.erase(m_TemplateIDs.begin() + dwIndex);
    m_Templates.erase(m_Templates.begin() + dwIndex);
    m_MainFlags.erase(m_MainFlags.begin() + dwIndex);
    return 0;
}

void JC_TemplateList::Clear()
{
    m_TemplateIDs.clear();
    m_Templates.clear();
    m_MainFlags.clear();
}

DWORD JC_TemplateList::GetCount() const
{
    return static_cast<DWORD>(m_Templates.size());
}

void JC_TemplateList::GetSmallestTemplate(JC_Template*& pTemplate, int& iIndex) const
{
    pTemplate = nullptr;
    iIndex = -1;
    DWORD dwFewest = JC_Template::MAX_ITEMS;
    for (DWORD i = 0; i < GetCount(); ++i) {
        const DWORD dwCount = m_Templates[i]->GetPlainItemCount() + m_Templates[i]->GetReferItemCount();
        if (dwCount < dwFewest) {
            dwFewest = dwCount;
            pTemplate = m_Templates[i];
            iIndex = static_cast<int>(i);
        }
    }
}

DWORD JC_TemplateList::GetCommonKeyItems(std::vector<std::string>& names, std::vector<DWORD>& types) const
{
    names.clear();
    types.clear();
    if (GetCount() == 0)
        return JE_TEMPLATELIST_EMPTY;
    JC_Template* pSmallest = nullptr;
    int iIndex = -1;
    GetSmallestTemplate(pSmallest, iIndex);
    if (pSmallest == nullptr)
        return 0;
    const auto consider = [&](const JC_TemplateItem* pItem) {
        if (IsCommonKeyItem(*pItem)) {
            names.push_back(pItem->m_strName);
            types.push_back(pItem->m_dwType);
        }
    };
    for (DWORD i = 0; i < pSmallest->GetPlainItemCount(); ++i)
        consider(pSmallest->GetPlainItemAt(i));
    for (DWORD i = 0; i < pSmallest->GetReferItemCount(); ++i)
        consider(pSmallest->GetReferItemAt(i));
    return 0;
}

bool JC_TemplateList::IsCommonKeyItem(const JC_TemplateItem& item) const
{
    if (item.m_dwType != ITEMTYPE_UINT32 && item.m_dwType != ITEMTYPE_STRING)
        return false;
    for (const JC_Template* pTemplate : m_Templates) {
        if (pTemplate->GetItemType(item.m_strName) != static_cast<int>(item.m_dwType))
            return false;
    }
    return true;
}

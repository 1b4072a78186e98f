#include "TemplateSystem/JC_ComponentIndex.h"

#include "TemplateSystem/JF_SortedArray.h"

#include <algorithm>

DWORD JC_ComponentIndex::Initiation(int iKeyKind, const std::string& strKeyItemName)
{
    Reset();
    if (iKeyKind != KEY_NUMBER && iKeyKind != KEY_TEXT)
        return JE_INDEX_BAD_KIND;
    if (strKeyItemName.empty())
        return JE_INDEX_EMPTY_ITEM_NAME;
    m_iKeyKind = iKeyKind;
    m_strKeyItemName = strKeyItemName;
    m_bInitiated = true;
    return 0;
}

void JC_ComponentIndex::Reset()
{
    m_bInitiated = false;
    m_iKeyKind = -1;
    m_strKeyItemName.clear();
    RemoveAll();
}

DWORD JC_ComponentIndex::AddComponent(JC_DataComponent* pComponent)
{
    if (!m_bInitiated)
        return JE_INDEX_ADD_NOT_INITIATED;
    if (pComponent == nullptr)
        return JE_INDEX_ADD_NULL;
    DWORD dwKey = 0;
    std::string strKey;
    const DWORD dwResult = ReadKey(*pComponent, dwKey, strKey);
    if (dwResult != 0)
        return dwResult;
    const int iAt = m_iKeyKind == KEY_NUMBER ? FindNumberInsertPos(dwKey, m_NumberKeys)
                                             : FindStringInsertPos(strKey, m_TextKeys);
    if (iAt < 0)
        return JE_INDEX_KEY_PRESENT;
    if (m_iKeyKind == KEY_NUMBER)
        m_NumberKeys.insert(m_NumberKeys.begin() + iAt, dwKey);
    else
        m_TextKeys.insert(m_TextKeys.begin() + iAt, strKey);
    m_Components.insert(m_Components.begin() + iAt, pComponent);
    return 0;
}

DWORD JC_ComponentIndex::RekeyComponent(JC_DataComponent* pComponent)
{
    if (!m_bInitiated)
        return JE_INDEX_REKEY_NOT_INITIATED;
    if (pComponent == nullptr)
        return JE_INDEX_REKEY_NULL;
    const int iAt = IndexOfComponent(pComponent);
    if (iAt < 0)
        return JE_INDEX_REKEY_ABSENT;
    DWORD dwKey = 0;
    std::string strKey;
    const DWORD dwResult = ReadKey(*pComponent, dwKey, strKey);
    if (dwResult != 0)
        return dwResult;
    const bool bSame = m_iKeyKind == KEY_NUMBER ? m_NumberKeys[iAt] == dwKey : m_TextKeys[iAt] == strKey;
    if (bSame)
        return 0;
    RemoveAt(static_cast<size_t>(iAt));
    return AddComponent(pComponent);
}

JC_DataComponent* JC_ComponentIndex::FindByKey(DWORD dwKey) const
{
    if (!m_bInitiated || m_iKeyKind != KEY_NUMBER)
        return nullptr;
    const int iAt = FindNumber(dwKey, m_NumberKeys);
    return iAt < 0 ? nullptr : m_Components[iAt];
}

JC_DataComponent* JC_ComponentIndex::FindByName(const std::string& strKey) const
{
    if (!m_bInitiated || m_iKeyKind != KEY_TEXT)
        return nullptr;
    const int iAt = FindString(strKey, m_TextKeys);
    return iAt < 0 ? nullptr : m_Components[iAt];
}

DWORD JC_ComponentIndex::RemoveComponent(const JC_DataComponent* pComponent)
{
    if (!m_bInitiated)
        return JE_INDEX_REMOVE_NOT_INITIATED;
    const int iAt = IndexOfComponent(pComponent);
    if (iAt < 0)
        return JE_INDEX_REMOVE_ABSENT;
    RemoveAt(static_cast<size_t>(iAt));
    return 0;
}

DWORD JC_ComponentIndex::RemoveByKey(DWORD dwKey)
{
    if (!m_bInitiated)
        return JE_INDEX_REMOVE_NOT_INITIATED;
    const int iAt = m_iKeyKind == KEY_NUMBER ? FindNumber(dwKey, m_NumberKeys) : -1;
    if (iAt < 0)
        return JE_INDEX_REMOVE_ABSENT;
    RemoveAt(static_cast<size_t>(iAt));
    return 0;
}

DWORD JC_ComponentIndex::RemoveByName(const std::string& strKey)
{
    if (!m_bInitiated)
        return JE_INDEX_REMOVE_NOT_INITIATED;
    const int iAt = m_iKeyKind == KEY_TEXT ? FindString(strKey, m_TextKeys) : -1;
    if (iAt < 0)
        return JE_INDEX_REMOVE_ABSENT;
    RemoveAt(static_cast<size_t>(iAt));
    return 0;
}

int JC_ComponentIndex::IndexOfComponent(const JC_DataComponent* pComponent) const
{
    const auto it = std::find(m_Components.begin(), m_Components.end(), pComponent);
    return it == m_Components.end() ? -1 : static_cast<int>(it - m_Components.begin());
}

bool JC_ComponentIndex::IsInitiated() const
{
    return m_bInitiated;
}

int JC_ComponentIndex::GetKeyKind() const
{
    return m_iKeyKind;
}

const std::string& JC_ComponentIndex::GetKeyItemName() const
{
    return m_strKeyItemName;
}

void JC_ComponentIndex::RemoveAll()
{
    m_TextKeys.clear();
    m_NumberKeys.clear();
    m_Components.clear();
}

DWORD JC_ComponentIndex::ReadKey(JC_DataComponent& component, DWORD& dwKey, std::string& strKey) const
{
    if (m_iKeyKind == KEY_NUMBER)
        return component.GetItemValueAt(m_strKeyItemName, 0, &dwKey);
    const DWORD dwResult = component.GetItemValueAt(m_strKeyItemName, 0, &strKey);
    if (dwResult != 0)
        return dwResult;
    return strKey.empty() ? JE_INDEX_EMPTY_KEY : 0;
}

void JC_ComponentIndex::RemoveAt(size_t at)
{
    if (m_iKeyKind == KEY_NUMBER)
        m_NumberKeys.erase(m_NumberKeys.begin() + at);
    else
        m_TextKeys.erase(m_TextKeys.begin() + at);
    m_Components.erase(m_Components.begin() + at);
}

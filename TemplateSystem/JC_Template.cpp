#include "TemplateSystem/JC_Template.h"

JC_Template::JC_Template()
{
    SetDefineTable(nullptr);
}

JC_Template::~JC_Template() = default;

DWORD JC_Template::SetDefineTable(JC_DefineTable* pTable)
{
    m_pDefineTableObj.reset();
    if (pTable != nullptr) {
        m_dwDefineTableMode = SHARED_DEFINE_TABLE;
        m_pDefineTable = pTable;
    } else {
        m_dwDefineTableMode = OWN_DEFINE_TABLE;
        m_pDefineTableObj = std::make_unique<JC_DefineTable>();
        m_pDefineTable = m_pDefineTableObj.get();
    }
    return Reset();
}

DWORD JC_Template::Reset()
{
    m_dwVersion = 0;
    m_dwTemplateID = 0;
    m_strTemplateName.clear();
    m_strTemplateExplain.clear();
    m_bEditShow = false;
    m_strEditShowName.clear();
    m_iEditShowType = -1;
    m_ItemNameIndex.Reserve(20);
    m_PlainItemObjs.clear();
    m_ReferItemObjs.clear();
    m_TextList.clear();
    return 0;
}

DWORD JC_Template::GetVersion() const
{
    return m_dwVersion;
}

DWORD JC_Template::GetTemplateID() const
{
    return m_dwTemplateID;
}

std::string JC_Template::GetTemplateName() const
{
    return m_strTemplateName;
}

std::string JC_Template::GetTemplateExplain() const
{
    return m_strTemplateExplain;
}

void JC_Template::SetVersion(DWORD dwVersion)
{
    m_dwVersion = dwVersion;
}

void JC_Template::SetTemplateID(DWORD dwTemplateID)
{
    m_dwTemplateID = dwTemplateID;
}

void JC_Template::SetTemplateName(const std::string& strName)
{
    m_strTemplateName = strName;
}

void JC_Template::SetTemplateExplain(const std::string& strExplain)
{
    m_strTemplateExplain = strExplain;
}

int JC_Template::GetItemType(const std::string& strName) const
{
    const JC_TemplateItem* pItem = GetItem(strName);
    return pItem != nullptr ? static_cast<int>(pItem->m_dwType) : -1;
}

JC_TemplatePlainItem* JC_Template::GetPlainItem(const std::string_view& strName) const
{
    bool bRefer = false;
    JC_TemplateItem* pItem = FindItem(strName, bRefer);
    return pItem != nullptr && !bRefer ? static_cast<JC_TemplatePlainItem*>(pItem) : nullptr;
}

JC_TemplateReferItem* JC_Template::GetReferItemAt(DWORD dwIndex) const
{
    if (dwIndex >= m_ReferItemObjs.size())
        return nullptr;
    return static_cast<JC_TemplateReferItem*>(m_ReferItemObjs[dwIndex].get());
}

JC_TemplateReferItem* JC_Template::GetReferItem(const std::string& strName) const
{
    bool bRefer = false;
    JC_TemplateItem* pItem = FindItem(strName, bRefer);
    return pItem != nullptr && bRefer ? static_cast<JC_TemplateReferItem*>(pItem) : nullptr;
}

int JC_Template::GetPlainItemIndex(const std::string& strName) const
{
    const JC_TemplateItem* pItem = GetPlainItem(strName);
    return pItem != nullptr ? static_cast<int>(pItem->m_dwIndex) : -1;
}

int JC_Template::GetReferItemIndex(const std::string& strName) const
{
    const JC_TemplateItem* pItem = GetReferItem(strName);
    return pItem != nullptr ? static_cast<int>(pItem->m_dwIndex) : -1;
}

void JC_Template::GetItemCounts(DWORD& dwPlainCount, DWORD& dwReferCount) const
{
    dwPlainCount = GetPlainItemCount();
    dwReferCount = GetReferItemCount();
}

DWORD JC_Template::GetPlainItemCount() const
{
    return static_cast<DWORD>(m_PlainItemObjs.size());
}

DWORD JC_Template::GetReferItemCount() const
{
    return static_cast<DWORD>(m_ReferItemObjs.size());
}

bool JC_Template::GetItemDefineValue(const JC_TemplateItem& item, const std::string& strName,
                                     DWORD& dwValue) const
{
    std::string strComment;
    return GetItemDefineValueAndComment(item, strName, dwValue, strComment);
}

bool JC_Template::GetItemDefineValueAndComment(const JC_TemplateItem& item, const std::string& strName,
                                               DWORD& dwValue, std::string& strComment) const
{
    for (const std::string& strComboName : item.m_ComboNames) {
        if (strComboName == strName)
            return GetDefineValueAndComment(strName, dwValue, strComment) == 0;
    }
    return false;
}

bool JC_Template::FindItemDefineName(const JC_TemplateItem& item, DWORD dwValue, std::string& strName) const
{
    std::string strComment;
    return FindItemDefineNameAndComment(item, dwValue, strName, strComment);
}

bool JC_Template::FindItemDefineNameAndComment(const JC_TemplateItem& item, DWORD dwValue,
                                               std::string& strName, std::string& strComment) const
{
    for (const std::string& strComboName : item.m_ComboNames) {
        DWORD dwDefine = 0;
        if (GetDefineValueAndComment(strComboName, dwDefine, strComment) != 0)
            return false;
        if (dwDefine == dwValue) {
            strName = strComboName;
            return true;
        }
    }
    return false;
}

bool JC_Template::HasItemDefineValue(const JC_TemplateItem& item, DWORD dwValue) const
{
    std::string strName;
    return FindItemDefineName(item, dwValue, strName);
}

DWORD JC_Template::GetDefineValue(const std::string_view& strName, DWORD& dwValue) const
{
    return m_pDefineTable->GetDefineValue(strName, dwValue);
}

DWORD JC_Template::GetDefineValueAndComment(const std::string& strName, DWORD& dwValue,
                                            std::string& strComment) const
{
    return m_pDefineTable->GetDefineInfo(strName, dwValue, strComment);
}

bool JC_Template::HasEditShowItem() const
{
    return m_bEditShow;
}

DWORD JC_Template::SetEditShowItem(const std::string& strName)
{
    const JC_TemplateItem* pItem = strName.empty() ? nullptr : GetItem(strName);
    m_bEditShow = pItem != nullptr;
    m_strEditShowName = m_bEditShow ? strName : std::string();
    m_iEditShowType = m_bEditShow ? static_cast<int>(pItem->m_dwType) : -1;
    return 0;
}

std::string JC_Template::GetEditShowItemName() const
{
    return m_bEditShow ? m_strEditShowName : std::string();
}

int JC_Template::GetEditShowItemType() const
{
    return m_bEditShow ? m_iEditShowType : -1;
}

std::vector<std::string>& JC_Template::GetTextList()
{
    return m_TextList;
}

DWORD JC_Template::AddItem(std::unique_ptr<JC_TemplateItem> pItem, int& iIndex)
{
    iIndex = -1;
    if (pItem == nullptr)
        return JE_TEMPLATE_NULL_ITEM;
    if (GetPlainItemCount() + GetReferItemCount() >= MAX_ITEMS)
        return JE_TEMPLATE_TOO_MANY_ITEMS;
    auto& items = pItem->IsRefer() ? m_ReferItemObjs : m_PlainItemObjs;
    const DWORD dwIndex = static_cast<DWORD>(items.size());
    pItem->m_dwIndex = dwIndex;
    const bool bRefer = pItem->IsRefer();
    const std::string strName = pItem->m_strName;
    items.push_back(std::move(pItem));
    if (m_ItemNameIndex.AddName(strName, dwIndex, bRefer) != 0)
        return JE_TEMPLATE_NAME_PRESENT;
    iIndex = static_cast<int>(dwIndex);
    return 0;
}

DWORD JC_Template::GetDefineTableMode() const
{
    return m_dwDefineTableMode;
}

const JC_DefineTable& JC_Template::GetDefineTable() const
{
    return *m_pDefineTable;
}

JC_DefineTable* JC_Template::GetOwnDefineTable()
{
    return m_pDefineTableObj.get();
}

#pragma once

#include "TemplateSystem/JC_DefineTable.h"
#include "TemplateSystem/JC_ItemNameIndex.h"
#include "TemplateSystem/JC_TemplatePlainItem.h"
#include "TemplateSystem/JC_TemplateReferItem.h"

#include <memory>

constexpr DWORD JE_TEMPLATE_NULL_ITEM = 0x88125051;
constexpr DWORD JE_TEMPLATE_TOO_MANY_ITEMS = 0x88125052;
constexpr DWORD JE_TEMPLATE_NAME_PRESENT = 0x88125053;

// One loaded template: the layout of one kind of data component. The
// template reader fills it; afterwards it is only read. Final, so that the
// loaders' calls per value bind directly.
class JC_Template final
{
public:
    // Plain and refer items together.
    static constexpr DWORD MAX_ITEMS = 512;
    // Whether the template owns its define table or uses one of its owner's.
    static constexpr DWORD OWN_DEFINE_TABLE = 1;
    static constexpr DWORD SHARED_DEFINE_TABLE = 2;

    // Owns an empty define table.
    JC_Template();
    virtual ~JC_Template();
    JC_Template(const JC_Template&) = delete;
    JC_Template& operator=(const JC_Template&) = delete;

    // A table given is shared; none makes a new table of the template's own.
    // Then resets the template.
    virtual DWORD SetDefineTable(JC_DefineTable* pTable);
    // Deletes every item and empties the head; the define table stays.
    virtual DWORD Reset();

    virtual DWORD GetVersion() const;
    virtual DWORD GetTemplateID() const;
    virtual std::string GetTemplateName() const;
    virtual std::string GetTemplateExplain() const;
    virtual void SetVersion(DWORD dwVersion);
    virtual void SetTemplateID(DWORD dwTemplateID);
    virtual void SetTemplateName(const std::string& strName);
    virtual void SetTemplateExplain(const std::string& strExplain);

    // The type of the plain or refer item of that name; -1 when none.
    virtual int GetItemType(const std::string& strName) const;
    // Names as JC_ItemNameIndex::FindName takes them.
    virtual JC_TemplateItem* GetItem(const std::string_view& strName) const;
    virtual JC_TemplatePlainItem* GetPlainItemAt(DWORD dwIndex) const;
    virtual JC_TemplatePlainItem* GetPlainItem(const std::string_view& strName) const;
    virtual JC_TemplateReferItem* GetReferItemAt(DWORD dwIndex) const;
    virtual JC_TemplateReferItem* GetReferItem(const std::string& strName) const;
    // -1 when absent or of the other kind.
    virtual int GetPlainItemIndex(const std::string& strName) const;
    virtual int GetReferItemIndex(const std::string& strName) const;
    virtual void GetItemCounts(DWORD& dwPlainCount, DWORD& dwReferCount) const;
    virtual DWORD GetPlainItemCount() const;
    virtual DWORD GetReferItemCount() const;

    // True when the name is one of the item's combo names and is defined.
    virtual bool GetItemDefineValue(const JC_TemplateItem& item, const std::string& strName,
                                    DWORD& dwValue) const;
    virtual bool GetItemDefineValueAndComment(const JC_TemplateItem& item, const std::string& strName,
                                              DWORD& dwValue, std::string& strComment) const;
    // The first of the item's combo names whose value is dwValue.
    virtual bool FindItemDefineName(const JC_TemplateItem& item, DWORD dwValue, std::string& strName) const;
    virtual bool FindItemDefineNameAndComment(const JC_TemplateItem& item, DWORD dwValue,
                                              std::string& strName, std::string& strComment) const;
    virtual bool HasItemDefineValue(const JC_TemplateItem& item, DWORD dwValue) const;
    // Any define of the table; the table's code, 0 when found.
    virtual DWORD GetDefineValue(const std::string_view& strName, DWORD& dwValue) const;
    virtual DWORD GetDefineValueAndComment(const std::string& strName, DWORD& dwValue,
                                           std::string& strComment) const;

    virtual bool HasEditShowItem() const;
    // An empty or unknown name clears the edit-show item.
    virtual DWORD SetEditShowItem(const std::string& strName);
    virtual std::string GetEditShowItemName() const;
    virtual int GetEditShowItemType() const;
    // A list of texts the template keeps for its owner; nothing here fills it.
    virtual std::vector<std::string>& GetTextList();

    // Appends a plain or refer item, by its refer flag, and names it in the
    // index; iIndex is its position, -1 on failure. The template owns the
    // item from then on, also when its name is refused.
    virtual DWORD AddItem(std::unique_ptr<JC_TemplateItem> pItem, int& iIndex);

    DWORD GetDefineTableMode() const;
    const JC_DefineTable& GetDefineTable() const;
    // The template's own table, for "@IncludeDefine"; null when it shares one.
    JC_DefineTable* GetOwnDefineTable();

private:
    JC_TemplateItem* FindItem(const std::string_view& strName, bool& bRefer) const;

    // What every read by name or by item looks at, together at the front.
    JC_ItemNameIndex m_ItemNameIndex;
    std::vector<std::unique_ptr<JC_TemplateItem>> m_PlainItemObjs;
    std::vector<std::unique_ptr<JC_TemplateItem>> m_ReferItemObjs;
    DWORD m_dwDefineTableMode = OWN_DEFINE_TABLE;
    std::unique_ptr<JC_DefineTable> m_pDefineTableObj;
    JC_DefineTable* m_pDefineTable = nullptr;
    DWORD m_dwVersion = 0;
    DWORD m_dwTemplateID = 0;
    std::string m_strTemplateName;
    std::string m_strTemplateExplain;
    bool m_bEditShow = false;
    std::string m_strEditShowName;
    int m_iEditShowType = -1;
    std::vector<std::string> m_TextList;
};

// The lookups of every value read by name and of every data line stay
// inline.
inline JC_TemplateItem* JC_Template::FindItem(const std::string_view& strName, bool& bRefer) const
{
    DWORD dwIndex = 0;
    if (m_ItemNameIndex.FindName(strName, dwIndex, bRefer) != 0)
        return nullptr;
    const auto& items = bRefer ? m_ReferItemObjs : m_PlainItemObjs;
    return dwIndex < items.size() ? items[dwIndex].get() : nullptr;
}

inline JC_TemplateItem* JC_Template::GetItem(const std::string_view& strName) const
{
    bool bRefer = false;
    return FindItem(strName, bRefer);
}

inline JC_TemplatePlainItem* JC_Template::GetPlainItemAt(DWORD dwIndex) const
{
    if (dwIndex >= m_PlainItemObjs.size())
        return nullptr;
    return static_cast<JC_TemplatePlainItem*>(m_PlainItemObjs[dwIndex].get());
}

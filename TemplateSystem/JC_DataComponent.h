#pragma once

#include "TemplateSystem/JC_ItemValue.h"
#include "TemplateSystem/JC_TemplateList.h"

#include <string_view>

constexpr DWORD JE_COMPONENT_TYPE_UNKNOWN = 0x88132001;
// Sub-templates nest deeper than MAX_NESTING, as a template that holds
// itself would without end.
constexpr DWORD JE_COMPONENT_NESTED_TOO_DEEP = 0x88132002;
constexpr DWORD JE_COMPONENT_SET_NO_ITEM = 0x88132111;
constexpr DWORD JE_COMPONENT_OUTSIDE_RANGE = 0x88132112;
constexpr DWORD JE_COMPONENT_INDEX_TOO_LARGE = 0x88132113;
constexpr DWORD JE_COMPONENT_SET_WRONG_VARIABLE = 0x88132121;
constexpr DWORD JE_COMPONENT_SET_ELEMENT_TYPE = 0x88132122;
constexpr DWORD JE_COMPONENT_COMBO_REFUSED = 0x88132123;
constexpr DWORD JE_COMPONENT_SET_TYPE_UNKNOWN = 0x88132124;
constexpr DWORD JE_COMPONENT_TEXT_NO_ITEM = 0x88132131;
constexpr DWORD JE_COMPONENT_TEXT_NO_DEFINE = 0x88132141;
constexpr DWORD JE_COMPONENT_TEXT_NO_BRACKETS = 0x88132142;
constexpr DWORD JE_COMPONENT_TEXT_EMPTY_INDEX = 0x88132143;
constexpr DWORD JE_COMPONENT_SET_NOT_COMPONENT = 0x88132151;
constexpr DWORD JE_COMPONENT_SET_NOT_DWORD_ARRAY = 0x88132161;
constexpr DWORD JE_COMPONENT_SET_NOT_STRING_ARRAY = 0x88132171;
constexpr DWORD JE_COMPONENT_TEXT_NOT_NULL = 0x88132181;
constexpr DWORD JE_COMPONENT_TEXT_PATH_NOT_TEMPLATE = 0x88132182;
constexpr DWORD JE_COMPONENT_GET_NO_ITEM = 0x88132211;
constexpr DWORD JE_COMPONENT_GET_INDEX_OUTSIDE = 0x88132212;
constexpr DWORD JE_COMPONENT_GET_ELEMENT_TYPE = 0x88132221;
constexpr DWORD JE_COMPONENT_GET_TYPE_UNKNOWN = 0x88132222;
constexpr DWORD JE_COMPONENT_FORMAT_NO_ITEM = 0x88132231;
constexpr DWORD JE_COMPONENT_FORMAT_NO_DEFINE = 0x88132232;
// Also: a variable that does not fit the item's type.
constexpr DWORD JE_COMPONENT_NOT_FOR_TYPE = 0x88132233;
constexpr DWORD JE_COMPONENT_PATH_NO_CLOSE = 0x88132241;
constexpr DWORD JE_COMPONENT_PATH_EMPTY_INDEX = 0x88132242;
constexpr DWORD JE_COMPONENT_PATH_NO_INDEX = 0x88132243;
constexpr DWORD JE_COMPONENT_PATH_NOT_TEMPLATE = 0x88132244;
constexpr DWORD JE_COMPONENT_SETELEMENT_NO_ITEM = 0x88132311;
constexpr DWORD JE_COMPONENT_SETELEMENT_NOT_VECTOR = 0x88132312;
constexpr DWORD JE_COMPONENT_SETELEMENT_TYPE = 0x88132313;
constexpr DWORD JE_COMPONENT_CLEAR_NO_ITEM = 0x88132331;
constexpr DWORD JE_COMPONENT_CLEAR_NOT_VECTOR = 0x88132332;
constexpr DWORD JE_COMPONENT_CLEAR_OUTSIDE = 0x88132333;
constexpr DWORD JE_COMPONENT_REMOVE_NO_ITEM = 0x88132351;
constexpr DWORD JE_COMPONENT_REMOVE_NOT_VECTOR = 0x88132352;
constexpr DWORD JE_COMPONENT_REMOVE_OUTSIDE = 0x88132353;
constexpr DWORD JE_COMPONENT_COPY_NULL = 0x88132411;
constexpr DWORD JE_COMPONENT_COPY_OTHER_TEMPLATE = 0x88132412;
constexpr DWORD JE_COMPONENT_COPY_ELEMENT_TYPE = 0x88132413;
constexpr DWORD JE_COMPONENT_WRITE_NO_ORDER = 0x88132602;
// A value the reader would not read back as it is: a text holding "//!",
// "[FileEnd]", CR or LF, or a line too long for the reader.
constexpr DWORD JE_COMPONENT_WRITE_UNFAITHFUL = 0x88132603;
constexpr DWORD JE_COMPONENT_SLOT_OUTSIDE = 0x88132701;

// One record of the template data system: a value for each plain item of a
// template, read and written by item name (and element index for VECTOR
// items). A Template item holds a sub-component, so components form trees;
// a component is also a node of the TREE manager's tree.
class JC_DataComponent
{
public:
    // How deep layouts nest sub-templates.
    static constexpr DWORD MAX_NESTING = 32;
    // Copy modes.
    static constexpr DWORD ADOPT_LAYOUT = 0;
    static constexpr DWORD SAME_LAYOUT = 1;

    JC_DataComponent();
    virtual ~JC_DataComponent();
    JC_DataComponent(const JC_DataComponent&) = delete;
    JC_DataComponent& operator=(const JC_DataComponent&) = delete;

    // Every value back to its item's default.
    virtual DWORD ResetToDefaults();
    // Lays the component out by a template; null releases every value. The
    // template it has already only resets the values.
    virtual DWORD Create(const JC_TemplateList* pList, const JC_Template* pTemplate);
    virtual DWORD CreateByTemplateID(const JC_TemplateList* pList, DWORD dwTemplateID);
    // The item's default, for items that are neither VECTOR nor Template.
    virtual DWORD SetItemDefault(const JC_TemplateItem* pItem);

    const JC_TemplateList* GetTemplateList() const;
    const JC_Template* GetTemplate() const;
    bool HasNoLayout() const;
    // Names as JC_ItemNameIndex::FindName takes them.
    const JC_TemplateItem* GetItem(const std::string_view& strName) const;
    int GetItemType(const std::string& strName) const;
    // The item's position in its template's plain or refer list; -1 when
    // there is no template or no such item.
    int GetItemIndex(const std::string& strName) const;
    DWORD GetValueSlot(DWORD dwIndex, JC_ItemValue** ppValue, const JC_TemplateItem** ppItem);
    // Only for the index of a plain item of the template.
    DWORD SetValueSlot(DWORD dwIndex, std::unique_ptr<JC_ItemValue> pValue);
    // The text of the template's edit-show item; empty without one.
    DWORD FormatEditShowValue(std::string& strText) const;

    DWORD SetItemValue(const JC_TemplateItem* pItem, JC_ValueIn value);
    DWORD SetItemValueAt(const JC_TemplateItem* pItem, DWORD dwIndex, JC_ValueIn value);
    DWORD SetItemValue(const std::string& strName, JC_ValueIn value);
    DWORD SetItemValueAt(const std::string& strName, DWORD dwIndex, JC_ValueIn value);
    DWORD SetVectorElement(const std::string& strName, DWORD dwIndex, JC_ValueIn value);
    // Sets the element to 0 or an empty text.
    DWORD ClearVectorElement(const std::string& strName, DWORD dwIndex);
    // Removes the element; the later ones move down.
    DWORD RemoveVectorElement(const std::string& strName, DWORD dwIndex);
    // Sets an item from its text as a data file writes it.
    DWORD SetItemValueText(std::string_view strName, std::string_view strText);
    // Texts as JC_ItemNameIndex::FindName takes names.
    DWORD SetItemValueText(const JC_TemplateItem* pItem, const std::string_view& strText);
    // name"text", or sub.name"text" through Template items.
    DWORD SetItemValueTextByPath(const std::string& strLine);

    DWORD GetItemValue(const JC_TemplateItem* pItem, JC_ValueOut value);
    DWORD GetItemValueAt(const JC_TemplateItem* pItem, DWORD dwIndex, JC_ValueOut value);
    DWORD GetItemValue(const std::string& strName, JC_ValueOut value);
    DWORD GetItemValueAt(const std::string& strName, DWORD dwIndex, JC_ValueOut value);
    DWORD GetVectorElement(DWORD dwItemIndex, DWORD dwElementIndex, JC_ValueOut value);
    // The VECTOR item's largest and smallest element count and its current
    // count; false (all 0) for any other item.
    bool GetItemVectorInfo(const std::string& strName, DWORD& dwLargest, DWORD& dwSmallest,
                           DWORD& dwCount) const;
    // 1 when the value (or VECTOR element) equals its default, 0 otherwise,
    // JE_COMPONENT_COPY_ELEMENT_TYPE for an unsupported element type.
    DWORD IsItemDefault(const std::string& strName, DWORD dwIndex) const;

    // The value's text in the radix asked for (2, 10 or 16; else the item's
    // first radix); COMBO values as define names unless bUseNumbers.
    DWORD FormatItemValue(const std::string& strName, DWORD dwIndex, std::string& strText, DWORD dwRadix,
                          bool bUseNumbers) const;
    // sub.name or name[index].
    DWORD FormatItemValueByPath(const std::string& strPath, std::string& strText, DWORD dwRadix,
                                bool bUseNumbers) const;
    // Copies every value of another component: ADOPT_LAYOUT takes its layout,
    // SAME_LAYOUT requires the same template.
    DWORD Copy(const JC_DataComponent* pSource, DWORD dwMode);
    // Appends this component's block of a data file to strFile.
    DWORD WriteComponent(std::string& strFile, bool bSub, const std::string& strOrderText, bool bSimplifyDefault,
                         bool bSimplifyDefine) const;

    // What the item type handlers (JC_TemplateItemType) do a value with.
    // The item's value here (a refer item's: its SPACE item's); null for an
    // item of another template or one without a holder.
    const JC_ItemValue* ValueOf(const JC_TemplateItem& item) const;
    JC_ItemValue* ValueOf(const JC_TemplateItem& item);
    // A 32-bit number within the item's bounds; a refer item's bits in its
    // SPACE item.
    DWORD SetNumber32(const JC_TemplateItem& item, DWORD dwBits);
    bool ReadNumber32(const JC_TemplateItem& item, DWORD& dwBits) const;
    DWORD SetString(const JC_TemplateItem& item, const std::string_view& strText);
    DWORD SetVector(const JC_TemplateItem& item, JC_ValueIn value);
    // [index],value
    DWORD SetVectorText(const JC_TemplateItem& item, const std::string_view& strText);
    // A define name ("DF...") or a number.
    DWORD SetComboText(const JC_TemplateItem& item, const std::string_view& strText);
    // A copy of the source laid out as the item's template; null removes it.
    DWORD SetSubComponent(const JC_TemplateItem& item, const JC_DataComponent* pSource);
    // A FLOAT, STRING, SPACE64, VECTOR or Template value into the caller's
    // variable of the holder's own type.
    static DWORD HandOutValue(JC_ItemValue& held, const JC_ValueOut& value);
    // The text of a FLOAT, STRING or SPACE64 value, or of element dwIndex of a
    // VECTOR.
    static DWORD FormatHeldValue(const JC_TemplateItem& item, const JC_ItemValue& held, DWORD dwIndex,
                                 DWORD dwRadix, std::string& strText);

private:
    friend class JC_DataTreeManager;

    DWORD LayOut(const JC_TemplateList* pList, const JC_Template* pTemplate, DWORD dwNesting);
    DWORD ResetValues(DWORD dwNesting);
    DWORD ResetValue(const JC_TemplateItem& item, JC_ItemValue& value, DWORD dwNesting);
    DWORD LayOutSubComponent(const JC_TemplateItem& item, std::unique_ptr<JC_DataComponent>& pSub,
                             DWORD dwNesting) const;
    void ReleaseValues();

    DWORD SetElement(const JC_TemplateItem& item, DWORD dwIndex, JC_ValueIn value);
    DWORD FormatValue(const JC_TemplateItem& item, DWORD dwIndex, std::string& strText, DWORD dwRadix,
                      bool bUseNumbers) const;
    DWORD CopyValues(const JC_DataComponent& source);
    DWORD WriteItems(std::string& strFile, bool bSimplifyDefault, bool bSimplifyDefine) const;
    DWORD WriteVector(std::string& strFile, const JC_TemplateItem& item, bool bSimplifyDefault) const;
    DWORD WriteSubComponent(std::string& strFile, const JC_TemplateItem& item, bool bSimplifyDefault,
                            bool bSimplifyDefine) const;

    const JC_TemplateList* m_pTemplateList = nullptr;
    const JC_Template* m_pTemplate = nullptr;
    // In place, one entry per plain item: a layout costs one allocation, not
    // one per value. An entry is empty where the item's type has no holder.
    std::vector<JC_ItemValue> m_Values;
    // Links of a node of the TREE manager; the manager owns the nodes.
    DWORD m_dwChildCount = 0;
    JC_DataComponent* m_pPrevSibling = nullptr;
    JC_DataComponent* m_pNextSibling = nullptr;
    JC_DataComponent* m_pParent = nullptr;
    JC_DataComponent* m_pFirstChild = nullptr;
};

// Reads by name stay inline, so that the name's lookup runs in the caller
// and hands the caller's variable straight to the read by item.
inline const JC_TemplateItem* JC_DataComponent::GetItem(const std::string_view& strName) const
{
    return m_pTemplate != nullptr ? m_pTemplate->GetItem(strName) : nullptr;
}

inline DWORD JC_DataComponent::GetItemValue(const std::string& strName, JC_ValueOut value)
{
    return GetItemValue(GetItem(strName), value);
}

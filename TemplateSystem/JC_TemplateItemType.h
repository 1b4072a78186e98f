#pragma once

#include "TemplateSystem/JC_ItemValue.h"
#include "TemplateSystem/JC_StringSegment1.h"
#include "TemplateSystem/JC_Template.h"

#include <string_view>

class JC_DataComponent;

constexpr DWORD JE_ITEMTYPE_NO_MINMAX = 0x88129011;
constexpr DWORD JE_ITEMTYPE_NO_DEFAULT = 0x88129021;

// The handler of one item type: reads an item's "@MinMax", "@ArraySize",
// "@Combos" and "@Default" texts into the item record, and lays out, sets,
// reads and formats the item's value in a component. A text pointer is null
// when the keyword is absent; an empty text counts as no text. The handlers
// hold no data: one of each serves every template.
class JC_TemplateItemType : public JC_StringSegment1
{
public:
    virtual DWORD SetItemName(const std::string& strName, const JC_Template& tmpl, JC_TemplateItem& item) const;
    virtual DWORD ParseMinMax(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const;
    virtual DWORD ParseArraySize(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const;
    virtual DWORD ParseCombos(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const;
    virtual DWORD ParseDefault(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const;
    virtual DWORD SetItemExplain(const std::string& strExplain, const JC_Template& tmpl,
                                 JC_TemplateItem& item) const;

    // The value operations of a component; held is the component's value of
    // the item. The base serves the unsigned 32-bit numbers (UINT32,
    // SPACE32): the value as its bit pattern.
    // The value a component lays out for the item, before its default.
    virtual JC_ItemValue MakeValue(const JC_TemplateItem& item) const;
    virtual DWORD SetValue(JC_DataComponent& component, const JC_TemplateItem& item, JC_ItemValue& held,
                           const JC_ValueIn& value) const;
    // From the text a data file holds.
    virtual DWORD SetValueText(JC_DataComponent& component, const JC_TemplateItem& item,
                               std::string_view strText) const;
    virtual DWORD GetValue(const JC_DataComponent& component, const JC_TemplateItem& item, JC_ItemValue& held,
                           const JC_ValueOut& value) const;
    // In dwRadix (2, 10 or 16); dwIndex picks a VECTOR's element.
    virtual DWORD FormatValue(const JC_DataComponent& component, const JC_TemplateItem& item,
                              const JC_ItemValue& held, DWORD dwIndex, DWORD dwRadix, bool bUseNumbers,
                              std::string& strText) const;

protected:
    // The caller's variable of the holder's type T, within the item's bounds.
    template <typename T>
    static DWORD SetWithinBounds(const JC_TemplateItem& item, JC_ItemValue& held, const JC_ValueIn& value);
    static DWORD FormatNumber32(const JC_DataComponent& component, const JC_TemplateItem& item, bool bSigned,
                                DWORD dwRadix, std::string& strText);

    static bool HasText(const std::string* pText);
    // A define of that name anywhere in the template's table, else the
    // general number form; false when neither reads.
    static bool ReadDefineOrNumber(const std::string& strText, const JC_Template& tmpl, DWORD& dwValue);
    // The SPACE item a refer item lives in, or null for a plain item.
    static JC_TemplatePlainItem* ReferredItem(const JC_TemplateItem& item);
    // ORs dwValue, shifted to the refer item's lowest bit, into a 32- or
    // 64-bit value of its SPACE item.
    static void Widen(JS_ItemConstant& spaceValue, const JC_TemplateItem& referItem, DWORD dwValue);
    // The mask of a refer item's bit count.
    static DWORD ReferMask(const JC_TemplateItem& referItem);

    // The widest bounds of the type, replaced by a range text when there is
    // one; the code of the range form.
    static DWORD ReadIntRange(const std::string* pText, JC_TemplateItem& item);
    static DWORD ReadUIntRange(const std::string* pText, DWORD dwMaximum, JC_TemplateItem& item);
    static DWORD ReadFloatRange(const std::string* pText, JC_TemplateItem& item);
    // The default of a 32-bit number item: 0 without text, else a define or
    // a number, which must lie within the item's bounds (compared signed or
    // unsigned).
    static DWORD ReadNumberDefault(const std::string* pText, const JC_Template& tmpl, bool bSigned,
                                   DWORD dwNotNumber, DWORD dwOutside, JC_TemplateItem& item);
    // The default of a real number item: 0.0 without text, else an "F" real
    // number within the item's bounds.
    static DWORD ReadFloatDefault(const std::string* pText, DWORD dwNotNumber, DWORD dwOutside,
                                  JC_TemplateItem& item);
};

#pragma once

#include "TemplateSystem/JC_StringSegment1.h"
#include "TemplateSystem/JC_Template.h"

constexpr DWORD JE_ITEMTYPE_NO_MINMAX = 0x88129011;
constexpr DWORD JE_ITEMTYPE_NO_DEFAULT = 0x88129021;

// The handler of one item type: reads an item's "@MinMax", "@ArraySize",
// "@Combos" and "@Default" texts into the item record. A text pointer is
// null when the keyword is absent; an empty text counts as no text. The
// handlers hold no data: one of each serves every template.
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

protected:
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

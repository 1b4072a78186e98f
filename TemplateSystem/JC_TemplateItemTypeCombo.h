#pragma once

#include "TemplateSystem/JC_TemplateItemType.h"

constexpr DWORD JE_COMBO_NO_COMBOS = 0x88129211;
constexpr DWORD JE_COMBO_EMPTY_COMBOS = 0x88129212;
constexpr DWORD JE_COMBO_UNKNOWN_DEFINE = 0x88129213;
constexpr DWORD JE_COMBO_REFER_NOT_32_BITS = 0x88129214;
constexpr DWORD JE_COMBO_DEFAULT_NOT_A_COMBO = 0x88129221;

// COMBO: the value of one of the item's defines, named by "@Combos".
class JC_TemplateItemTypeCombo : public JC_TemplateItemType
{
public:
    DWORD ParseMinMax(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;
    DWORD ParseCombos(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;
    DWORD ParseDefault(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;

    DWORD SetValue(JC_DataComponent& component, const JC_TemplateItem& item, JC_ItemValue& held,
                   const JC_ValueIn& value) const override;
    DWORD SetValueText(JC_DataComponent& component, const JC_TemplateItem& item,
                       std::string_view strText) const override;
    DWORD FormatValue(const JC_DataComponent& component, const JC_TemplateItem& item, const JC_ItemValue& held,
                      DWORD dwIndex, DWORD dwRadix, bool bUseNumbers, std::string& strText) const override;
};

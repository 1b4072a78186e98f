#pragma once

#include "TemplateSystem/JC_TemplateItemType.h"

// STRING: a text, without range.
class JC_TemplateItemTypeString : public JC_TemplateItemType
{
public:
    DWORD ParseMinMax(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;
    DWORD ParseDefault(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;

    JC_ItemValue MakeValue(const JC_TemplateItem& item) const override;
    DWORD SetValue(JC_DataComponent& component, const JC_TemplateItem& item, JC_ItemValue& held,
                   const JC_ValueIn& value) const override;
    DWORD SetValueText(JC_DataComponent& component, const JC_TemplateItem& item,
                       std::string_view strText) const override;
    DWORD GetValue(const JC_DataComponent& component, const JC_TemplateItem& item, JC_ItemValue& held,
                   const JC_ValueOut& value) const override;
    DWORD FormatValue(const JC_DataComponent& component, const JC_TemplateItem& item, const JC_ItemValue& held,
                      DWORD dwIndex, DWORD dwRadix, bool bUseNumbers, std::string& strText) const override;
};

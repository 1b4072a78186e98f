#pragma once

#include "TemplateSystem/JC_TemplateItemType.h"

constexpr DWORD JE_BOOL_DEFAULT_NOT_NUMBER = 0x88129101;
constexpr DWORD JE_BOOL_DEFAULT_NOT_0_OR_1 = 0x88129102;

// BOOL: 0 or 1, default 0.
class JC_TemplateItemTypeBool : public JC_TemplateItemType
{
public:
    DWORD ParseMinMax(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;
    DWORD ParseDefault(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;

    JC_ItemValue MakeValue(const JC_TemplateItem& item) const override;
    DWORD FormatValue(const JC_DataComponent& component, const JC_TemplateItem& item, const JC_ItemValue& held,
                      DWORD dwIndex, DWORD dwRadix, bool bUseNumbers, std::string& strText) const override;
};

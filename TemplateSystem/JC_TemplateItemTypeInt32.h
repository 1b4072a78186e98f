#pragma once

#include "TemplateSystem/JC_TemplateItemType.h"

constexpr DWORD JE_INT32_DEFAULT_NOT_NUMBER = 0x88129401;
constexpr DWORD JE_INT32_DEFAULT_OUTSIDE = 0x88129402;

// INT32: a signed 32-bit number within its range.
class JC_TemplateItemTypeInt32 : public JC_TemplateItemType
{
public:
    DWORD ParseMinMax(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;
    DWORD ParseDefault(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;

    JC_ItemValue MakeValue(const JC_TemplateItem& item) const override;
    DWORD FormatValue(const JC_DataComponent& component, const JC_TemplateItem& item, const JC_ItemValue& held,
                      DWORD dwIndex, DWORD dwRadix, bool bUseNumbers, std::string& strText) const override;
};

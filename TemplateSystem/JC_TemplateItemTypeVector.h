#pragma once

#include "TemplateSystem/JC_TemplateItemType.h"

constexpr DWORD JE_VECTOR_BAD_RANGE = 0x88129A01;
constexpr DWORD JE_VECTOR_NO_SIZE = 0x88129A11;
constexpr DWORD JE_VECTOR_SIZE_NOT_TWO = 0x88129A12;
constexpr DWORD JE_VECTOR_LARGEST_NOT_NUMBER = 0x88129A13;
constexpr DWORD JE_VECTOR_LARGEST_TOO_LARGE = 0x88129A14;
constexpr DWORD JE_VECTOR_SMALLEST_NOT_NUMBER = 0x88129A15;
constexpr DWORD JE_VECTOR_SMALLEST_ABOVE_LARGEST = 0x88129A16;
constexpr DWORD JE_VECTOR_DEFAULT_NOT_NUMBER = 0x88129A21;
constexpr DWORD JE_VECTOR_DEFAULT_OUTSIDE = 0x88129A22;

// VECTOR: a list of INT32, UINT32, FLOAT or STRING elements ("@TypeEx")
// between a smallest and a largest count.
class JC_TemplateItemTypeVector : public JC_TemplateItemType
{
public:
    DWORD ParseMinMax(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;
    DWORD ParseArraySize(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;
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

#pragma once

#include "TemplateSystem/JC_TemplateItemType.h"

constexpr DWORD JE_TEMPLATEITEM_DEFAULT_NOT_NUMBER = 0x88129811;
constexpr DWORD JE_TEMPLATEITEM_DEFAULT_NOT_0_OR_1 = 0x88129812;

// Template: a sub-component; the default 1 makes one with every component.
class JC_TemplateItemTypeTemplate : public JC_TemplateItemType
{
public:
    DWORD ParseMinMax(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;
    DWORD ParseDefault(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;
};

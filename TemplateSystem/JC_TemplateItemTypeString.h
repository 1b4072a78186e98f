#pragma once

#include "TemplateSystem/JC_TemplateItemType.h"

// STRING: a text, without range.
class JC_TemplateItemTypeString : public JC_TemplateItemType
{
public:
    DWORD ParseMinMax(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;
    DWORD ParseDefault(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;
};

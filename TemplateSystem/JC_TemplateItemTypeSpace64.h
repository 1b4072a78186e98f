#pragma once

#include "TemplateSystem/JC_TemplateItemType.h"

// SPACE64: a 64-bit field whose range and default its refer items widen.
class JC_TemplateItemTypeSpace64 : public JC_TemplateItemType
{
public:
    DWORD ParseMinMax(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;
    DWORD ParseDefault(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;
};

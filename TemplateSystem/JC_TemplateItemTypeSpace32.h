#pragma once

#include "TemplateSystem/JC_TemplateItemType.h"

// SPACE32: a 32-bit field whose range and default its refer items widen.
class JC_TemplateItemTypeSpace32 : public JC_TemplateItemType
{
public:
    DWORD ParseMinMax(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;
    DWORD ParseDefault(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;
};

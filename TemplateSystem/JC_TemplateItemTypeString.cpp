#include "TemplateSystem/JC_TemplateItemTypeString.h"

DWORD JC_TemplateItemTypeString::ParseMinMax(const std::string*, const JC_Template&, JC_TemplateItem&) const
{
    return 0;
}

DWORD JC_TemplateItemTypeString::ParseDefault(const std::string* pText, const JC_Template&,
                                              JC_TemplateItem& item) const
{
    item.m_Default = pText != nullptr ? *pText : std::string();
    return 0;
}

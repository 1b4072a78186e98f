#include "TemplateSystem/JC_TemplateItemTypeSpace32.h"

DWORD JC_TemplateItemTypeSpace32::ParseMinMax(const std::string*, const JC_Template&,
                                              JC_TemplateItem& item) const
{
    item.m_Minimum = DWORD(0);
    item.m_Maximum = DWORD(0);
    return 0;
}

DWORD JC_TemplateItemTypeSpace32::ParseDefault(const std::string*, const JC_Template&,
                                               JC_TemplateItem& item) const
{
    item.m_Default = DWORD(0);
    return 0;
}

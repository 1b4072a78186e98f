#include "TemplateSystem/JC_TemplateItemTypeSpace64.h"

DWORD JC_TemplateItemTypeSpace64::ParseMinMax(const std::string*, const JC_Template&,
                                              JC_TemplateItem& item) const
{
    item.m_Minimum = ULONGLONG(0);
    item.m_Maximum = ULONGLONG(0);
    return 0;
}

DWORD JC_TemplateItemTypeSpace64::ParseDefault(const std::string*, const JC_Template&,
                                               JC_TemplateItem& item) const
{
    item.m_Default = ULONGLONG(0);
    return 0;
}

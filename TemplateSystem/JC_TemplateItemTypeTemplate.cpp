#include "TemplateSystem/JC_TemplateItemTypeTemplate.h"

#include "TemplateSystem/JC_StrNumSwitch.h"

DWORD JC_TemplateItemTypeTemplate::ParseMinMax(const std::string*, const JC_Template&, JC_TemplateItem&) const
{
    return 0;
}

DWORD JC_TemplateItemTypeTemplate::ParseDefault(const std::string* pText, const JC_Template&,
                                                JC_TemplateItem& item) const
{
    DWORD dwValue = 1;
    if (HasText(pText) && JC_StrNumSwitch::StrToUInt(*pText, dwValue) != 0)
        return JE_TEMPLATEITEM_DEFAULT_NOT_NUMBER;
    if (dwValue > 1)
        return JE_TEMPLATEITEM_DEFAULT_NOT_0_OR_1;
    item.m_Default = dwValue;
    return 0;
}

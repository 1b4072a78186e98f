#include "TemplateSystem/JC_TemplateItemTypeBool.h"

#include "TemplateSystem/JC_DataComponent.h"
#include "TemplateSystem/JC_StrNumSwitch.h"

DWORD JC_TemplateItemTypeBool::ParseMinMax(const std::string*, const JC_Template&, JC_TemplateItem& item) const
{
    item.m_Minimum = 0;
    item.m_Maximum = 1;
    return 0;
}

DWORD JC_TemplateItemTypeBool::ParseDefault(const std::string* pText, const JC_Template&,
                                            JC_TemplateItem& item) const
{
    DWORD dwValue = 0;
    if (HasText(pText) && JC_StrNumSwitch::StrToUInt(*pText, dwValue) != 0)
        return JE_BOOL_DEFAULT_NOT_NUMBER;
    if (dwValue > 1)
        return JE_BOOL_DEFAULT_NOT_0_OR_1;
    item.m_Default = static_cast<int>(dwValue);
    return 0;
}

JC_ItemValue JC_TemplateItemTypeBool::MakeValue(const JC_TemplateItem&) const
{
    return 0;
}

DWORD JC_TemplateItemTypeBool::FormatValue(const JC_DataComponent& component, const JC_TemplateItem& item,
                                           const JC_ItemValue&, DWORD, DWORD, bool, std::string& strText) const
{
    DWORD dwBits = 0;
    if (!component.ReadNumber32(item, dwBits))
        return JE_COMPONENT_FORMAT_NO_ITEM;
    strText.assign(1, dwBits != 0 ? '1' : '0');
    return 0;
}

#include "TemplateSystem/JC_TemplateItemTypeSpace64.h"

#include "TemplateSystem/JC_DataComponent.h"
#include "TemplateSystem/JC_StrNumSwitch.h"

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

JC_ItemValue JC_TemplateItemTypeSpace64::MakeValue(const JC_TemplateItem&) const
{
    return ULONGLONG(0);
}

DWORD JC_TemplateItemTypeSpace64::SetValue(JC_DataComponent&, const JC_TemplateItem& item, JC_ItemValue& held,
                                           const JC_ValueIn& value) const
{
    return SetWithinBounds<ULONGLONG>(item, held, value);
}

DWORD JC_TemplateItemTypeSpace64::SetValueText(JC_DataComponent& component, const JC_TemplateItem& item,
                                               std::string_view strText) const
{
    ULONGLONG ullBits = 0;
    const DWORD dwResult = JC_StrNumSwitch::StrToUInt64(strText, ullBits);
    return dwResult != 0 ? dwResult : component.SetItemValue(&item, &ullBits);
}

DWORD JC_TemplateItemTypeSpace64::GetValue(const JC_DataComponent&, const JC_TemplateItem&, JC_ItemValue& held,
                   const JC_ValueOut& value) const
{
    return JC_DataComponent::HandOutValue(held, value);
}

DWORD JC_TemplateItemTypeSpace64::FormatValue(const JC_DataComponent&, const JC_TemplateItem& item, const JC_ItemValue& held,
                      DWORD dwIndex, DWORD dwRadix, bool, std::string& strText) const
{
    return JC_DataComponent::FormatHeldValue(item, held, dwIndex, dwRadix, strText);
}

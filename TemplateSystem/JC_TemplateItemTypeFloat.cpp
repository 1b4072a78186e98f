#include "TemplateSystem/JC_TemplateItemTypeFloat.h"

#include "TemplateSystem/JC_DataComponent.h"
#include "TemplateSystem/JC_StrNumSwitch.h"

DWORD JC_TemplateItemTypeFloat::ParseMinMax(const std::string* pText, const JC_Template&,
                                            JC_TemplateItem& item) const
{
    return ReadFloatRange(pText, item) == 0 ? 0 : JE_FLOAT_BAD_RANGE;
}

DWORD JC_TemplateItemTypeFloat::ParseDefault(const std::string* pText, const JC_Template&,
                                             JC_TemplateItem& item) const
{
    return ReadFloatDefault(pText, JE_FLOAT_DEFAULT_NOT_NUMBER, JE_FLOAT_DEFAULT_OUTSIDE, item);
}

JC_ItemValue JC_TemplateItemTypeFloat::MakeValue(const JC_TemplateItem&) const
{
    return 0.0f;
}

DWORD JC_TemplateItemTypeFloat::SetValue(JC_DataComponent&, const JC_TemplateItem& item, JC_ItemValue& held,
                                         const JC_ValueIn& value) const
{
    return SetWithinBounds<float>(item, held, value);
}

DWORD JC_TemplateItemTypeFloat::SetValueText(JC_DataComponent& component, const JC_TemplateItem& item,
                                             std::string_view strText) const
{
    float fValue = 0.0f;
    const DWORD dwResult = JC_StrNumSwitch::StrToFloat(strText, fValue);
    return dwResult != 0 ? dwResult : component.SetItemValue(&item, &fValue);
}

DWORD JC_TemplateItemTypeFloat::GetValue(const JC_DataComponent&, const JC_TemplateItem&, JC_ItemValue& held,
                   const JC_ValueOut& value) const
{
    return JC_DataComponent::HandOutValue(held, value);
}

DWORD JC_TemplateItemTypeFloat::FormatValue(const JC_DataComponent&, const JC_TemplateItem& item, const JC_ItemValue& held,
                      DWORD dwIndex, DWORD dwRadix, bool, std::string& strText) const
{
    return JC_DataComponent::FormatHeldValue(item, held, dwIndex, dwRadix, strText);
}

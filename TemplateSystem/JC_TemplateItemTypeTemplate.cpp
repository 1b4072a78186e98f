#include "TemplateSystem/JC_TemplateItemTypeTemplate.h"

#include "TemplateSystem/JC_DataComponent.h"
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

JC_ItemValue JC_TemplateItemTypeTemplate::MakeValue(const JC_TemplateItem&) const
{
    return std::unique_ptr<JC_DataComponent>();
}

DWORD JC_TemplateItemTypeTemplate::SetValue(JC_DataComponent& component, const JC_TemplateItem& item,
                                            JC_ItemValue&, const JC_ValueIn& value) const
{
    const JC_DataComponent* const* ppSource = std::get_if<const JC_DataComponent*>(&value);
    if (ppSource == nullptr)
        return JE_COMPONENT_SET_NOT_COMPONENT;
    return component.SetSubComponent(item, *ppSource);
}

DWORD JC_TemplateItemTypeTemplate::SetValueText(JC_DataComponent& component, const JC_TemplateItem& item,
                                                std::string_view strText) const
{
    if (strText != "NULL")
        return JE_COMPONENT_TEXT_NOT_NULL;
    return component.SetItemValue(&item, static_cast<const JC_DataComponent*>(nullptr));
}

DWORD JC_TemplateItemTypeTemplate::GetValue(const JC_DataComponent&, const JC_TemplateItem&, JC_ItemValue& held,
                   const JC_ValueOut& value) const
{
    return JC_DataComponent::HandOutValue(held, value);
}

DWORD JC_TemplateItemTypeTemplate::FormatValue(const JC_DataComponent&, const JC_TemplateItem&, const JC_ItemValue&,
                                               DWORD, DWORD, bool, std::string&) const
{
    return JE_COMPONENT_NOT_FOR_TYPE;
}

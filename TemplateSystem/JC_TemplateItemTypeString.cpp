#include "TemplateSystem/JC_TemplateItemTypeString.h"

#include "TemplateSystem/JC_DataComponent.h"
#include "TemplateSystem/JF_ItemValueAccess.h"

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

JC_ItemValue JC_TemplateItemTypeString::MakeValue(const JC_TemplateItem&) const
{
    return std::string();
}

DWORD JC_TemplateItemTypeString::SetValue(JC_DataComponent& component, const JC_TemplateItem& item, JC_ItemValue&,
                                          const JC_ValueIn& value) const
{
    const std::string* pText = JF_InAs<std::string>(value);
    if (pText == nullptr)
        return JE_COMPONENT_SET_WRONG_VARIABLE;
    return component.SetString(item, *pText);
}

DWORD JC_TemplateItemTypeString::SetValueText(JC_DataComponent& component, const JC_TemplateItem& item,
                                              std::string_view strText) const
{
    return component.ValueOf(item) != nullptr ? component.SetString(item, strText) : JE_COMPONENT_SET_NO_ITEM;
}

DWORD JC_TemplateItemTypeString::GetValue(const JC_DataComponent&, const JC_TemplateItem&, JC_ItemValue& held,
                   const JC_ValueOut& value) const
{
    return JC_DataComponent::HandOutValue(held, value);
}

DWORD JC_TemplateItemTypeString::FormatValue(const JC_DataComponent&, const JC_TemplateItem& item, const JC_ItemValue& held,
                      DWORD dwIndex, DWORD dwRadix, bool, std::string& strText) const
{
    return JC_DataComponent::FormatHeldValue(item, held, dwIndex, dwRadix, strText);
}

#include "TemplateSystem/JC_TemplateItemType.h"

#include "TemplateSystem/JC_DataComponent.h"
#include "TemplateSystem/JC_StrNumSwitch.h"
#include "TemplateSystem/JF_ItemValueAccess.h"

#include <cfloat>
#include <climits>

DWORD JC_TemplateItemType::SetItemName(const std::string& strName, const JC_Template&, JC_TemplateItem& item) const
{
    item.m_strName = strName;
    return 0;
}

DWORD JC_TemplateItemType::ParseMinMax(const std::string*, const JC_Template&, JC_TemplateItem&) const
{
    return JE_ITEMTYPE_NO_MINMAX;
}

DWORD JC_TemplateItemType::ParseArraySize(const std::string*, const JC_Template&, JC_TemplateItem&) const
{
    return 0;
}

DWORD JC_TemplateItemType::ParseCombos(const std::string*, const JC_Template&, JC_TemplateItem&) const
{
    return 0;
}

DWORD JC_TemplateItemType::ParseDefault(const std::string*, const JC_Template&, JC_TemplateItem&) const
{
    return JE_ITEMTYPE_NO_DEFAULT;
}

DWORD JC_TemplateItemType::SetItemExplain(const std::string& strExplain, const JC_Template&,
                                          JC_TemplateItem& item) const
{
    item.m_strExplain = strExplain;
    return 0;
}

bool JC_TemplateItemType::HasText(const std::string* pText)
{
    return pText != nullptr && !pText->empty();
}

bool JC_TemplateItemType::ReadDefineOrNumber(const std::string& strText, const JC_Template& tmpl, DWORD& dwValue)
{
    if (tmpl.GetDefineValue(strText, dwValue) == 0)
        return true;
    return JC_StrNumSwitch::StrToUInt(strText, dwValue) == 0;
}

JC_TemplatePlainItem* JC_TemplateItemType::ReferredItem(const JC_TemplateItem& item)
{
    return item.IsRefer() ? static_cast<const JC_TemplateReferItem&>(item).m_pReferredItem : nullptr;
}

void JC_TemplateItemType::Widen(JS_ItemConstant& spaceValue, const JC_TemplateItem& referItem, DWORD dwValue)
{
    if (referItem.m_dwFirstBound > 63)
        return;
    const ULONGLONG ullBits = static_cast<ULONGLONG>(dwValue) << referItem.m_dwFirstBound;
    if (DWORD* pValue = std::get_if<DWORD>(&spaceValue))
        *pValue |= static_cast<DWORD>(ullBits);
    else if (ULONGLONG* pValue64 = std::get_if<ULONGLONG>(&spaceValue))
        *pValue64 |= ullBits;
}

DWORD JC_TemplateItemType::ReferMask(const JC_TemplateItem& referItem)
{
    return static_cast<const JC_TemplateReferItem&>(referItem).GetMask();
}

DWORD JC_TemplateItemType::ReadIntRange(const std::string* pText, JC_TemplateItem& item)
{
    int iLow = INT_MIN;
    int iHigh = INT_MAX;
    const DWORD dwResult = HasText(pText) ? JC_StrNumSwitch::ParseIntRange(*pText, iLow, iHigh) : 0;
    if (dwResult == 0) {
        item.m_Minimum = iLow;
        item.m_Maximum = iHigh;
    }
    return dwResult;
}

DWORD JC_TemplateItemType::ReadUIntRange(const std::string* pText, DWORD dwMaximum, JC_TemplateItem& item)
{
    DWORD dwLow = 0;
    DWORD dwHigh = dwMaximum;
    const DWORD dwResult = HasText(pText) ? JC_StrNumSwitch::ParseUIntRange(*pText, dwLow, dwHigh) : 0;
    if (dwResult == 0) {
        item.m_Minimum = dwLow;
        item.m_Maximum = dwHigh;
    }
    return dwResult;
}

DWORD JC_TemplateItemType::ReadFloatRange(const std::string* pText, JC_TemplateItem& item)
{
    float fLow = -FLT_MAX;
    float fHigh = FLT_MAX;
    const DWORD dwResult = HasText(pText) ? JC_StrNumSwitch::ParseFloatRange(*pText, fLow, fHigh) : 0;
    if (dwResult == 0) {
        item.m_Minimum = fLow;
        item.m_Maximum = fHigh;
    }
    return dwResult;
}

DWORD JC_TemplateItemType::ReadNumberDefault(const std::string* pText, const JC_Template& tmpl, bool bSigned,
                                             DWORD dwNotNumber, DWORD dwOutside, JC_TemplateItem& item)
{
    DWORD dwValue = 0;
    if (HasText(pText) && !ReadDefineOrNumber(*pText, tmpl, dwValue))
        return dwNotNumber;
    if (bSigned) {
        const int iValue = static_cast<int>(dwValue);
        if (!item.IsWithinBounds(iValue))
            return dwOutside;
        item.m_Default = iValue;
    } else {
        if (!item.IsWithinBounds(dwValue))
            return dwOutside;
        item.m_Default = dwValue;
    }
    return 0;
}

DWORD JC_TemplateItemType::ReadFloatDefault(const std::string* pText, DWORD dwNotNumber, DWORD dwOutside,
                                            JC_TemplateItem& item)
{
    float fValue = 0.0f;
    if (HasText(pText) && JC_StrNumSwitch::StrToFloat(*pText, fValue) != 0)
        return dwNotNumber;
    if (!item.IsWithinBounds(fValue))
        return dwOutside;
    item.m_Default = fValue;
    return 0;
}

JC_ItemValue JC_TemplateItemType::MakeValue(const JC_TemplateItem&) const
{
    return DWORD(0);
}

DWORD JC_TemplateItemType::SetValue(JC_DataComponent& component, const JC_TemplateItem& item, JC_ItemValue&,
                                    const JC_ValueIn& value) const
{
    DWORD dwBits = 0;
    if (!JF_ReadIn32(value, dwBits))
        return JE_COMPONENT_SET_WRONG_VARIABLE;
    return component.SetNumber32(item, dwBits);
}

DWORD JC_TemplateItemType::SetValueText(JC_DataComponent& component, const JC_TemplateItem& item,
                                        std::string_view strText) const
{
    DWORD dwBits = 0;
    const DWORD dwResult = JC_StrNumSwitch::StrToUInt(strText, dwBits);
    return dwResult != 0 ? dwResult : component.SetNumber32(item, dwBits);
}

DWORD JC_TemplateItemType::GetValue(const JC_DataComponent& component, const JC_TemplateItem& item, JC_ItemValue&,
                                    const JC_ValueOut& value) const
{
    DWORD dwBits = 0;
    if (!component.ReadNumber32(item, dwBits))
        return JE_COMPONENT_GET_NO_ITEM;
    return JF_WriteOut32(value, dwBits) ? 0 : JE_COMPONENT_NOT_FOR_TYPE;
}

DWORD JC_TemplateItemType::FormatValue(const JC_DataComponent& component, const JC_TemplateItem& item,
                                       const JC_ItemValue&, DWORD, DWORD dwRadix, bool, std::string& strText) const
{
    return FormatNumber32(component, item, false, dwRadix, strText);
}

template <typename T>
DWORD JC_TemplateItemType::SetWithinBounds(const JC_TemplateItem& item, JC_ItemValue& held, const JC_ValueIn& value)
{
    const T* pValue = JF_InAs<T>(value);
    T* pHolder = std::get_if<T>(&held);
    if (pValue == nullptr || pHolder == nullptr)
        return JE_COMPONENT_SET_WRONG_VARIABLE;
    if (!item.IsWithinBounds(*pValue))
        return JE_COMPONENT_OUTSIDE_RANGE;
    *pHolder = *pValue;
    return 0;
}

template DWORD JC_TemplateItemType::SetWithinBounds<float>(const JC_TemplateItem&, JC_ItemValue&, const JC_ValueIn&);
template DWORD JC_TemplateItemType::SetWithinBounds<ULONGLONG>(const JC_TemplateItem&, JC_ItemValue&,
                                                               const JC_ValueIn&);

DWORD JC_TemplateItemType::FormatNumber32(const JC_DataComponent& component, const JC_TemplateItem& item,
                                          bool bSigned, DWORD dwRadix, std::string& strText)
{
    DWORD dwBits = 0;
    if (!component.ReadNumber32(item, dwBits))
        return JE_COMPONENT_FORMAT_NO_ITEM;
    strText = JF_FormatBits32(dwBits, bSigned, dwRadix);
    return 0;
}

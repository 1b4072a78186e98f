#include "TemplateSystem/JC_TemplateItemTypeCombo.h"

#include "GameProgram/Common/XF_Cp950.h"
#include "TemplateSystem/JC_DataComponent.h"
#include "TemplateSystem/JF_ItemValueAccess.h"

DWORD JC_TemplateItemTypeCombo::ParseMinMax(const std::string*, const JC_Template&, JC_TemplateItem& item) const
{
    if (JC_TemplatePlainItem* pSpaceItem = ReferredItem(item))
        Widen(pSpaceItem->m_Maximum, item, ReferMask(item));
    return 0;
}

DWORD JC_TemplateItemTypeCombo::ParseCombos(const std::string* pText, const JC_Template& tmpl,
                                            JC_TemplateItem& item) const
{
    if (pText == nullptr)
        return JE_COMBO_NO_COMBOS;
    if (pText->empty())
        return JE_COMBO_EMPTY_COMBOS;
    const JC_DefineTable& table = tmpl.GetDefineTable();
    const JC_ComboList* pComboList = nullptr;
    if (XF_FindChar(*pText, ',') == std::string::npos && table.GetComboList(*pText, pComboList) == 0) {
        // A whole combo: its entries' names follow the combo name.
        for (DWORD i = 0; i < pComboList->GetCount(); ++i) {
            std::string strName;
            pComboList->GetNameAt(i, strName);
            item.m_ComboNames.push_back(*pText + strName);
        }
    } else {
        const DWORD dwCount = GetSegmentCount(*pText);
        for (DWORD i = 0; i < dwCount; ++i) {
            std::string strName;
            GetSegment(strName, i, *pText);
            if (!table.HasDefine(strName))
                return JE_COMBO_UNKNOWN_DEFINE;
            item.m_ComboNames.push_back(strName);
        }
    }
    if (item.IsRefer() && item.m_dwSecondBound - item.m_dwFirstBound != 31)
        return JE_COMBO_REFER_NOT_32_BITS;
    return 0;
}

DWORD JC_TemplateItemTypeCombo::ParseDefault(const std::string* pText, const JC_Template& tmpl,
                                             JC_TemplateItem& item) const
{
    DWORD dwValue = 0;
    if (!HasText(pText) || !tmpl.GetItemDefineValue(item, *pText, dwValue))
        return JE_COMBO_DEFAULT_NOT_A_COMBO;
    item.m_Default = dwValue;
    return 0;
}

DWORD JC_TemplateItemTypeCombo::SetValue(JC_DataComponent& component, const JC_TemplateItem& item, JC_ItemValue&,
                                         const JC_ValueIn& value) const
{
    DWORD dwBits = 0;
    if (!JF_ReadIn32(value, dwBits))
        return JE_COMPONENT_SET_WRONG_VARIABLE;
    if (!component.GetTemplate()->HasItemDefineValue(item, dwBits))
        return JE_COMPONENT_COMBO_REFUSED;
    return component.SetNumber32(item, dwBits);
}

DWORD JC_TemplateItemTypeCombo::SetValueText(JC_DataComponent& component, const JC_TemplateItem& item,
                                             std::string_view strText) const
{
    return component.SetComboText(item, strText);
}

DWORD JC_TemplateItemTypeCombo::FormatValue(const JC_DataComponent& component, const JC_TemplateItem& item,
                                            const JC_ItemValue&, DWORD, DWORD, bool bUseNumbers,
                                            std::string& strText) const
{
    DWORD dwBits = 0;
    if (!component.ReadNumber32(item, dwBits))
        return JE_COMPONENT_FORMAT_NO_ITEM;
    if (bUseNumbers) {
        strText = JC_StrNumSwitch::IntToHexStr(static_cast<int>(dwBits));
        return 0;
    }
    return component.GetTemplate()->FindItemDefineName(item, dwBits, strText) ? 0 : JE_COMPONENT_FORMAT_NO_DEFINE;
}

#include "TemplateSystem/JC_TemplateItemTypeCombo.h"

#include "GameProgram/Common/XF_Cp950.h"

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

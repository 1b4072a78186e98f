#include "JC_Order/DealOrder/JC_OrderDealMerge.h"

#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_Order/JC_OrderInformation.h"
#include "JC_Order/JF_OrderLog.h"
#include "TemplateSystem/JC_StrNumCalculate.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

DWORD JC_OrderDealMerge::DealOrder()
{
    JC_ControlPersonPower* pTarget = m_pOrderInformation->GetDealingPassiveControlPersonPower();
    if (pTarget == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_MERGE_NO_PASSIVE, " DealingPassiveControlPersonPowerObj Is NULL. \r\n");
    JC_OrderResultPassive* pPassive = m_pOrderInformation->GetDealingPassiveResult();
    if (pPassive == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_MERGE_NO_PASSIVE_RESULT, " DealingPassiveResultObj Is NULL. \r\n");
    ShowNoDamage(*pPassive);
    if (IsPreview())
        return ORDERDEAL_NEXT_LINE;
    const std::string strItem = m_pOrderBehavior->GetBehaviorParameter(0);
    const DWORD dwIndex = static_cast<DWORD>(ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(1)));
    const std::string strChange = m_pOrderBehavior->GetBehaviorParameter(2);
    if ((!JC_StrNumSwitch::IsPlus(strChange) && !JC_StrNumSwitch::IsMinus(strChange)) || JC_StrNumSwitch::IsPercent(strChange))
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, JE_ORDERDEAL_MERGE_BAD_CHANGE,
                            " ParameterIndex3FormatFail(\"(+,-)n\"). \r\n @Parameter:%s \r\n",
                            m_pOrderBehavior->GetBehaviorValue("@Parameter").c_str());
    JC_OperatorPerson* pPerson = pTarget->GetOperatorPerson();
    int iOld = 0;
    pPerson->GetItemData(strItem, dwIndex, &iOld);
    const int iNew = AddValue(iOld, strChange);
    if (strItem == "HP")
    {
        pPassive->m_HPChange += iNew - iOld;
        pPassive->m_HPChangeReal = pTarget->SetHP(iNew);
        pPassive->m_IsHPChange = 1;
    }
    else if (strItem == "SP")
    {
        pPassive->m_SPChange += iNew - iOld;
        pPassive->m_SPChangeReal = pTarget->SetSP(iNew);
        pPassive->m_IsSPChange = 1;
    }
    else if (strItem == "RAP")
        pTarget->SetRAP(iNew);
    else if (strItem == "Morale")
        pTarget->SetMorale(iNew);
    else
        pPerson->SetItemData(strItem, dwIndex, &iNew);
    CalculateExp();
    pPassive->m_IsHit = 1;
    pPassive->m_LifeOutcome = 0;
    m_pOrderBehavior->SetDealSuccess(1);
    return ORDERDEAL_NEXT_LINE;
}

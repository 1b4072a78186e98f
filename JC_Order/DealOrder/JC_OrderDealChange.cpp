#include "JC_Order/DealOrder/JC_OrderDealChange.h"

#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_Order/JC_OrderInformation.h"
#include "JC_Order/JF_OrderLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

DWORD JC_OrderDealChange::DealOrder()
{
    JC_ControlPersonPower* pTarget = m_pOrderInformation->GetDealingPassiveControlPersonPower();
    if (pTarget == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_CHANGE_NO_PASSIVE, " DealingPassiveControlPersonPowerObj Is NULL. \r\n");
    JC_OrderResultPassive* pPassive = m_pOrderInformation->GetDealingPassiveResult();
    if (pPassive == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_CHANGE_NO_PASSIVE_RESULT, " DealingPassiveResultObj Is NULL. \r\n");
    ShowNoDamage(*pPassive);
    if (IsPreview())
        return ORDERDEAL_NEXT_TARGET;
    const int iValue = static_cast<int>(m_pOrderBehavior->GetDefineValue(m_pOrderBehavior->GetBehaviorParameter(2)));
    const DWORD dwIndex = static_cast<DWORD>(ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(1)));
    pTarget->GetOperatorPerson()->SetItemData(m_pOrderBehavior->GetBehaviorParameter(0), dwIndex, &iValue);
    const DWORD dwResult = CalculateExp();
    pPassive->m_IsHit = 1;
    pPassive->m_LifeOutcome = 0;
    m_pOrderBehavior->SetDealSuccess(1);
    return dwResult;
}

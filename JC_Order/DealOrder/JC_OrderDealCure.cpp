#include "JC_Order/DealOrder/JC_OrderDealCure.h"

#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_Order/JC_OrderInformation.h"
#include "JC_Order/JF_OrderLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

DWORD JC_OrderDealCure::DealOrder()
{
    JC_ControlPersonPower* pTarget = m_pOrderInformation->GetDealingPassiveControlPersonPower();
    if (pTarget == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_CURE_NO_PASSIVE, " DealingPassiveControlPersonPowerObj Is NULL. \r\n");
    JC_OrderResultPassive* pPassive = m_pOrderInformation->GetDealingPassiveResult();
    if (pPassive == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_CURE_NO_PASSIVE_RESULT, " DealingPassiveResultObj Is NULL. \r\n");
    ShowNoDamage(*pPassive);
    if (IsPreview())
        return ORDERDEAL_NEXT_LINE;
    const DWORD dwState = m_pOrderBehavior->GetDefineValue(m_pOrderBehavior->GetBehaviorParameter(0));
    if (pTarget->ClearBehaviorState(dwState) != 0)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, JE_ORDERDEAL_CURE_CLEAR_FAILED,
                            " ClearPassivePersonStateFail. \r\n StateID:%d \r\n Behavior:%s \r\n", (int)dwState,
                            m_pOrderBehavior->GetBehaviorString().c_str());
    pPassive->m_StateDelArray.push_back(dwState);
    const DWORD dwResult = CalculateExp();
    pPassive->m_IsHit = 1;
    pPassive->m_LifeOutcome = 0;
    m_pOrderBehavior->SetDealSuccess(1);
    return dwResult;
}

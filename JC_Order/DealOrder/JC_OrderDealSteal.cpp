#include "JC_Order/DealOrder/JC_OrderDealSteal.h"

#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_Order/JC_OrderInformation.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

static const JS_OrderDealingCodes s_Codes = {JE_ORDERDEAL_STEAL_NO_ACTIVE, JE_ORDERDEAL_STEAL_NO_PASSIVE,
                                             JE_ORDERDEAL_STEAL_NO_ACTIVE_RESULT, JE_ORDERDEAL_STEAL_NO_PASSIVE_RESULT};

DWORD JC_OrderDealSteal::DealOrder()
{
    JS_OrderDealing dealing;
    const DWORD dwFetch = FetchDealing(s_szSourceFile, s_Codes, dealing);
    if (dwFetch != 0)
        return dwFetch;
    JC_ControlPersonPower& target = *dealing.pTarget;
    JC_OrderResultActive& active = *dealing.pActiveResult;
    JC_OrderResultPassive& passive = *dealing.pTargetResult;
    const int iPercent = ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(0));
    ShowChance(passive, iPercent);
    if (IsPreview())
        return ORDERDEAL_NEXT_TARGET;
    const int iRoll = Random(100);
    if (!Decided("steal", iRoll, iRoll <= iPercent))
    {
        Miss(passive);
        return ORDERDEAL_NEXT_LINE;
    }
    m_pOrderBehavior->SetDealSuccess(1);
    active.m_IsSteal = 1;
    passive.m_IsHit = 1;
    passive.m_LifeOutcome = 0;
    DWORD dwKind = 0;
    DWORD dwID = 0;
    const int iThingRoll = Random(target.GetStealThingTotalRate());
    if (!Decided("steal-thing", iThingRoll, target.PickStealThing(iThingRoll, dwKind, dwID, TRUE) != 0))
    {
        active.m_IsStealThing = 0;
        passive.m_IsHit = 0;
        return ORDERDEAL_NEXT_LINE;
    }
    active.m_IsStealThing = 1;
    active.m_StealThingKindArray.push_back(dwKind);
    active.m_StealThingIDArray.push_back(dwID);
    active.m_StealThingNameArray.push_back(ThingName(dwKind, dwID));
    return ORDERDEAL_NEXT_LINE;
}

#include "JC_Order/DealOrder/JC_OrderDealHPAttack.h"

#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_Order/JC_OrderInformation.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

static const JS_OrderDealingCodes s_Codes = {JE_ORDERDEAL_HPATTACK_NO_ACTIVE, JE_ORDERDEAL_HPATTACK_NO_PASSIVE, 0,
                                             JE_ORDERDEAL_HPATTACK_NO_PASSIVE_RESULT};

DWORD JC_OrderDealHPAttack::DealOrder()
{
    JS_OrderDealing dealing;
    const DWORD dwFetch = FetchDealing(s_szSourceFile, s_Codes, dealing);
    if (dwFetch != 0)
        return dwFetch;
    JC_ControlPersonPower& actor = *dealing.pActor;
    JC_ControlPersonPower& target = *dealing.pTarget;
    JC_OrderResultPassive& passive = *dealing.pTargetResult;
    int iHitPercent = 0;
    if (target.GetLifeState() != 2)
        CalculateHitRate(&actor, &target, "+0", "+0", m_pOrderInput->GetPredictMode(), 1, iHitPercent);
    const int iMaxHP = actor.GetMaxHP();
    const int iDamage = iMaxHP * ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(1)) / 100;
    passive.m_HitRate = iHitPercent;
    passive.m_ShowAttack = iDamage;
    passive.m_ShowDamage = iDamage;
    if (IsPreview())
        return ORDERDEAL_NEXT_TARGET;
    const DWORD dwSettled = Strike(target, passive, iHitPercent, iDamage);
    CalculateExp();
    const DWORD dwResult = PayCost(actor, iMaxHP * ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(0)) / 100);
    return dwResult != 0 ? dwResult : dwSettled;
}

DWORD JC_OrderDealHPAttack::Strike(JC_ControlPersonPower& target, JC_OrderResultPassive& passive, int iHitPercent,
                                   int iDamage)
{
    if (target.GetLifeState() == 2)
    {
        ShowNoDamage(passive);
        RemoveBody(target, passive);
        return ORDERDEAL_NEXT_TARGET;
    }
    const int iRoll = Random(100);
    if (!Decided("hit", iRoll, iRoll <= iHitPercent))
    {
        Miss(passive);
        return ORDERDEAL_NEXT_TARGET;
    }
    passive.m_IsHit = 1;
    passive.m_IsHPChange = 1;
    if (target.HasBehaviorState(JD_STATE_NO_PHYSICAL_DAMAGE))
    {
        UseUpState(target, JD_STATE_NO_PHYSICAL_DAMAGE, "有物理絕對防禦.\r\n");
        iDamage = 0;
    }
    target.RemoveBehaviorsEndedByAttack();
    passive.m_HPChange -= iDamage;
    int iHP = 0;
    int iSP = 0;
    ApplyHPSPChange(iHP, iSP);
    if (iHP != 0)
    {
        passive.m_LifeOutcome = 0;
        return ORDERDEAL_NEXT_LINE;
    }
    DealPassiveDie(ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(2)) != 0 ? 1 : 0);
    TakeLegacyMoney();
    TakeLegacyThing();
    return ORDERDEAL_NEXT_TARGET;
}

DWORD JC_OrderDealHPAttack::PayCost(JC_ControlPersonPower& actor, int iCost)
{
    JC_OrderResultActive* pActive = m_pOrderInformation->GetDealingActiveResult();
    if (pActive == nullptr)
        return LogAt(s_szSourceFile, __LINE__, ORDERDEAL_NEXT_TARGET, " DealingActiveResultObj Is NULL. \r\n");
    pActive->m_IsHPAbsorb = 1;
    pActive->m_HPAbsorb -= iCost;
    if (actor.GetHP() > iCost)
        return 0;
    pActive->m_LifeOutcome = 2;
    actor.SetHP(0);
    actor.SetLifeState(2);
    actor.SetDieTime(0);
    return 0;
}

#include "JC_Order/DealOrder/JC_OrderDealDmgAbsorbAttack.h"

#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_DataManager/Control/JC_ControlScene.h"
#include "JC_Order/JC_OrderInformation.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

static const JS_OrderDealingCodes s_Codes = {JE_ORDERDEAL_DMGABSORBATTACK_NO_ACTIVE,
                                             JE_ORDERDEAL_DMGABSORBATTACK_NO_PASSIVE, 0,
                                             JE_ORDERDEAL_DMGABSORBATTACK_NO_PASSIVE_RESULT};

DWORD JC_OrderDealDmgAbsorbAttack::DealOrder()
{
    JS_OrderDealing dealing;
    const DWORD dwFetch = FetchDealing(s_szSourceFile, s_Codes, dealing);
    if (dwFetch != 0)
        return dwFetch;
    JC_ControlPersonPower& target = *dealing.pTarget;
    JC_OrderResultPassive& passive = *dealing.pTargetResult;
    if (target.GetLifeState() == 2)
    {
        ShowNoDamage(passive);
        if (!IsPreview())
            RemoveBody(target, passive);
        return ORDERDEAL_NEXT_TARGET;
    }
    const bool bMagic = ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(0)) != 0;
    const int iHitPercent = bMagic ? 100 : ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(1));
    int iHPDamage = ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(2));
    int iSPDamage = ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(3));
    passive.m_HitRate = iHitPercent;
    passive.m_ShowAttack = iHPDamage;
    passive.m_ShowDamage = iHPDamage;
    if (IsPreview())
        return ORDERDEAL_NEXT_TARGET;
    if (!RollHit(target, passive, iHitPercent, bMagic))
        return ORDERDEAL_NEXT_TARGET;
    m_pOrderBehavior->SetDealSuccess(1);
    passive.m_IsHit = 1;
    if (bMagic && m_pControlScene->GetIsDisableMagic(target.GetSceneFloorIndex()) == 1)
    {
        passive.m_LifeOutcome = 0;
        passive.m_IsHPChange = 1;
        passive.m_HPChange = 0;
        CalculateExp();
        return ORDERDEAL_NEXT_LINE;
    }
    if (ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(5)) != 0 && UseAbsoluteDefense(target, bMagic))
    {
        iHPDamage = 0;
        iSPDamage = 0;
    }
    target.RemoveBehaviorsEndedByAttack();
    passive.m_IsHPChange = 1;
    passive.m_HPChange -= iHPDamage;
    passive.m_SPChange -= iSPDamage;
    JC_OrderResultActive* pActive = m_pOrderInformation->GetDealingActiveResult();
    if (pActive == nullptr)
        return LogAt(s_szSourceFile, __LINE__, ORDERDEAL_NEXT_TARGET, " DealingActiveResultObj Is NULL. \r\n");
    Drain(target, *pActive, iHPDamage, iSPDamage);
    return SettleBlow(ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(9)) != 0 ? 1 : 0);
}

bool JC_OrderDealDmgAbsorbAttack::RollHit(JC_ControlPersonPower& target, JC_OrderResultPassive& passive,
                                          int iHitPercent, bool bMagic)
{
    const bool bCannotAct = target.IsCannotAct() != FALSE;
    if (bCannotAct)
        iHitPercent = 100;
    bool bHit = true;
    const int iRoll = Random(100);
    if (!Decided("hit", iRoll, iRoll <= iHitPercent))
    {
        OutputDebugStringA("沒打中.\r\n");
        bHit = false;
    }
    else if (!bMagic && !bCannotAct && target.HasBehaviorState(JD_STATE_SURE_EVADE))
    {
        UseUpState(target, JD_STATE_SURE_EVADE, "有絕對迴避.\r\n");
        bHit = false;
    }
    if (!bHit)
        Miss(passive);
    return bHit;
}

bool JC_OrderDealDmgAbsorbAttack::UseAbsoluteDefense(JC_ControlPersonPower& target, bool bMagic)
{
    const DWORD dwState = bMagic ? JD_STATE_NO_MAGIC_DAMAGE : JD_STATE_NO_PHYSICAL_DAMAGE;
    if (!target.HasBehaviorState(dwState))
        return false;
    UseUpState(target, dwState, bMagic ? "有魔法絕對防禦.\r\n" : "有物理絕對防禦.\r\n");
    return true;
}

void JC_OrderDealDmgAbsorbAttack::Drain(JC_ControlPersonPower& target, JC_OrderResultActive& active, int iHPDamage,
                                        int iSPDamage)
{
    const int iHPRate = ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(7));
    if (iHPRate != 0 && target.IsStateImmune(JD_STATE_HP_ABSORB_IMMUNE))
        OutputDebugStringA("有抗HP吸收.\r\n");
    else if (iHPRate != 0)
    {
        active.m_IsHPAbsorb = 1;
        active.m_HPAbsorb += iHPDamage * iHPRate / 100;
    }
    const int iSPRate = ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(8));
    if (iSPRate != 0 && target.IsStateImmune(JD_STATE_SP_ABSORB_IMMUNE))
        OutputDebugStringA("有抗SP吸收.\r\n");
    else if (iSPRate != 0)
    {
        active.m_IsSPAbsorb = 1;
        active.m_SPAbsorb += iSPDamage * iSPRate / 100;
    }
}

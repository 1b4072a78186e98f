#include "JC_Order/DealOrder/JC_OrderDealAttack.h"

#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_Order/JC_OrderInformation.h"
#include "JC_Script/JC_ScriptManager.h"

#include <cstdio>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

constexpr DWORD FLAG_BACK_HIT_BONUS = 16;
constexpr DWORD FLAG_BACK_CRITICAL_BONUS = 17;

// Read at every attack, so that scripts may change them between orders; 0
// while no script manager runs.
static int SystemFlag(DWORD dwIndex)
{
    return gp_ScriptManagerObj->IsInitiated() ? gp_ScriptManagerObj->GetScriptFlag()->GetFlagSystem(dwIndex) : 0;
}

static const JS_OrderDealingCodes s_Codes = {JE_ORDERDEALATTACK_NO_ACTIVE, JE_ORDERDEALATTACK_NO_PASSIVE, 0,
                                             JE_ORDERDEALATTACK_NO_PASSIVE_RESULT};

DWORD JC_OrderDealAttack::DealOrder()
{
    const int iBackHit = SystemFlag(FLAG_BACK_HIT_BONUS);
    const int iBackCritical = SystemFlag(FLAG_BACK_CRITICAL_BONUS);
    const DWORD dwPredict = m_pOrderInput->GetPredictMode();
    JS_OrderDealing dealing;
    const DWORD dwFetch = FetchDealing(s_szSourceFile, s_Codes, dealing);
    if (dwFetch != 0)
        return dwFetch;
    JC_ControlPersonPower* pActor = dealing.pActor;
    JC_ControlPersonPower* pTarget = dealing.pTarget;
    JC_OrderResultPassive* pPassive = dealing.pTargetResult;
    if (pTarget->GetLifeState() == 2)
    {
        ShowNoDamage(*pPassive);
        if (dwPredict == 0)
            RemoveBody(*pTarget, *pPassive);
        return ORDERDEAL_NEXT_TARGET;
    }

    int iHitPercent = 0;
    CalculateHitRate(pActor, pTarget, m_pOrderBehavior->GetBehaviorParameter(3),
                     m_pOrderBehavior->GetBehaviorParameter(4), dwPredict, 1, iHitPercent);
    const int iFaceHit = GetFaceValue(pActor, pTarget, 0, iBackHit, 0);
    iHitPercent = iHitPercent * iFaceHit / 100 + iHitPercent;
    int iAttack = 0;
    int iDefense = 0;
    CalculateAttackDefense(pActor, pTarget, m_pOrderBehavior->GetBehaviorParameter(5),
                           m_pOrderBehavior->GetBehaviorParameter(6), dwPredict, 1, iAttack, iDefense);
    bool bIgnoreDefense = ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(2)) == 1;
    if (pActor->HasBehaviorState(JD_STATE_IGNORE_DEFENSE))
    {
        bIgnoreDefense = true;
        if (dwPredict == 0)
            pActor->GetBehaviorStateValue(JD_STATE_IGNORE_DEFENSE);
    }
    int iDamage = BaseDamage(*pTarget, iAttack, iDefense, bIgnoreDefense);
    iDamage = AddValue(iDamage, m_pOrderBehavior->GetBehaviorParameter(7));
    pPassive->m_HitRate = iHitPercent;
    pPassive->m_ShowAttack = iAttack;
    pPassive->m_ShowDamage = iDamage;
    iDamage = iDamage * GetDirectionRate(pActor, pTarget) / 100;
    iDamage = ApplyElement(*pActor, *pTarget, iDamage);
    iDamage = ApplyDamageRates(*pActor, *pTarget, iDamage);
    pPassive->m_ShowDamage = iDamage;
    if (dwPredict != 0)
        return ORDERDEAL_NEXT_TARGET;

    const bool bCounter = ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(0)) != 0
                          && m_pOrderInput->GetCounter() != 1;
    if (!RollHit(*pActor, *pTarget, *pPassive, iHitPercent, bCounter))
        return ORDERDEAL_NEXT_TARGET;
    return Strike(*pActor, *pTarget, *pPassive, iDamage, iBackCritical, bCounter);
}

int JC_OrderDealAttack::BaseDamage(JC_ControlPersonPower& target, int iAttack, int iDefense, bool bIgnoreDefense)
{
    if (bIgnoreDefense)
        return iAttack;
    const int iEquipDefense = target.GetEquipDefense();
    const int iVitality = target.GetTotalVitality(RecordFlag());
    const int iDamage = iAttack - iAttack * iEquipDefense / 100 - iVitality;
    if (iDamage >= 1)
        return iDamage;
    char szLine[160];
    OutputDebugStringA("公式 DMG = FinalNatureAttack - FinalNatureAttack * FinalNatureDefense / 100 - TotalNatureVIT.\r\n");
    std::snprintf(szLine, sizeof(szLine), "%d = %d - %d * %d / 100 - %d.\r\n", iDamage, iAttack, iAttack, iDefense,
                  iVitality);
    OutputDebugStringA(szLine);
    return 0;
}

int JC_OrderDealAttack::ApplyElement(JC_ControlPersonPower& actor, JC_ControlPersonPower& target, int iDamage)
{
    int iElement = DefineOrZero(m_pOrderBehavior->GetBehaviorParameter(8));
    if (iElement == 0 && actor.HasHandRight())
        iElement = actor.GetWeaponElement();
    return ApplyResistance(target, iElement, iDamage);
}

bool JC_OrderDealAttack::RollHit(JC_ControlPersonPower& actor, JC_ControlPersonPower& target,
                                 JC_OrderResultPassive& passive, int iHitPercent, bool bCounter)
{
    const bool bCannotAct = target.IsCannotAct() != FALSE;
    if (!bCannotAct && bCounter)
    {
        const int iRoll = Random(100);
        if (Decided("dodge-counter", iRoll, iRoll > 0 && iRoll <= target.GetExtraDodgeCounterRate()))
        {
            Miss(passive);
            passive.m_IsCounter = 1;
            return false;
        }
    }
    bool bSureHit = ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(1)) != 0;
    if (actor.HasBehaviorState(JD_STATE_SURE_HIT))
    {
        bSureHit = true;
        actor.GetBehaviorStateValue(JD_STATE_SURE_HIT);
        passive.m_IsHit = 1;
    }
    if (!bCannotAct && target.HasBehaviorState(JD_STATE_SURE_EVADE))
    {
        target.GetBehaviorStateValue(JD_STATE_SURE_EVADE);
        Miss(passive);
        return false;
    }
    if (bCannotAct)
        iHitPercent = 100;
    if (!bSureHit)
    {
        const int iRoll = Random(100);
        if (!Decided("hit", iRoll, iRoll <= iHitPercent))
        {
            Miss(passive);
            return false;
        }
    }
    m_pOrderBehavior->SetDealSuccess(1);
    passive.m_IsHit = 1;
    return true;
}

DWORD JC_OrderDealAttack::Strike(JC_ControlPersonPower& actor, JC_ControlPersonPower& target,
                                 JC_OrderResultPassive& passive, int iDamage, int iBackCritical, bool bCounter)
{
    int iCritical = actor.GetCriticalRate(TRUE);
    iCritical = iCritical * GetFaceValue(&actor, &target, 0, iBackCritical, 0) / 100 + iCritical;
    const int iRoll = Random(100);
    if (Decided("critical", iRoll, iRoll > 0 && iRoll <= iCritical))
    {
        iDamage *= 2;
        passive.m_IsCritical = iDamage >= 0 ? 1 : 0;
    }
    if (target.HasBehaviorState(JD_STATE_NO_PHYSICAL_DAMAGE))
    {
        UseUpState(target, JD_STATE_NO_PHYSICAL_DAMAGE, "被動者有絕對物理防禦.\r\n");
        iDamage = 0;
    }
    target.RemoveBehaviorsEndedByAttack();
    passive.m_IsHPChange = 1;
    passive.m_HPChange -= iDamage;
    if (actor.HasHandRight() && iDamage > 0)
        AbsorbHPSP(iDamage * actor.GetWeaponHPAbsorbValue() / 100, actor.GetWeaponHPAbsorbRate(),
                   iDamage * actor.GetWeaponSPAbsorbValue() / 100, actor.GetWeaponSPAbsorbRate(), 1);
    const DWORD dwSettled = SettleBlow(ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(9)) != 0 ? 1 : 0);
    if (dwSettled == ORDERDEAL_NEXT_LINE && bCounter)
    {
        const int iCounterRoll = Random(100);
        if (Decided("counter", iCounterRoll, iCounterRoll <= target.GetExtraCounterRate()))
            passive.m_IsCounter = 1;
    }
    return dwSettled;
}

#include "JC_Order/DealOrder/JC_OrderDealMagicAttack.h"

#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_DataManager/Control/JC_ControlScene.h"
#include "JC_Order/JC_OrderInformation.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

static const JS_OrderDealingCodes s_Codes = {JE_ORDERDEAL_MAGICATTACK_NO_ACTIVE, JE_ORDERDEAL_MAGICATTACK_NO_PASSIVE, 0,
                                             JE_ORDERDEAL_MAGICATTACK_NO_PASSIVE_RESULT};

DWORD JC_OrderDealMagicAttack::DealOrder()
{
    JS_OrderDealing dealing;
    const DWORD dwFetch = FetchDealing(s_szSourceFile, s_Codes, dealing);
    if (dwFetch != 0)
        return dwFetch;
    JC_ControlPersonPower& target = *dealing.pTarget;
    JC_OrderResultPassive& passive = *dealing.pTargetResult;
    passive.m_IsHit = 1;
    ShowNoDamage(passive);
    m_pOrderBehavior->SetDealSuccess(1);
    if (target.GetLifeState() == 2)
    {
        if (!IsPreview())
            RemoveBody(target, passive);
        return ORDERDEAL_NEXT_TARGET;
    }
    int iDamage = MagicDamage(*dealing.pActor, target);
    passive.m_ShowAttack = iDamage;
    passive.m_ShowDamage = iDamage;
    if (IsPreview())
        return ORDERDEAL_NEXT_TARGET;
    if (target.HasBehaviorState(JD_STATE_NO_MAGIC_DAMAGE))
    {
        UseUpState(target, JD_STATE_NO_MAGIC_DAMAGE, "被動者有絕對法術防禦.\r\n");
        iDamage = 0;
    }
    target.RemoveBehaviorsEndedByAttack();
    if (m_pControlScene->GetIsDisableMagic(target.GetSceneFloorIndex()) == 1)
        iDamage = 0;
    passive.m_IsHPChange = 1;
    passive.m_HPChange -= iDamage;
    return SettleBlow(ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(4)) == 1 ? 1 : 0);
}

int JC_OrderDealMagicAttack::MagicDamage(JC_ControlPersonPower& actor, JC_ControlPersonPower& target)
{
    const std::string strElement = m_pOrderBehavior->GetBehaviorParameter(3);
    int iMagicAttack = actor.GetElementMagicAttack(strElement, TRUE)
                       + ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(0));
    iMagicAttack = AddValue(iMagicAttack, m_pOrderBehavior->GetBehaviorParameter(1));
    const int iIntelligence = target.GetIntelligence(TRUE);
    int iDamage = (100 - iIntelligence / 2) * iMagicAttack / 100 - target.GetMagicDefense(TRUE);
    if (iDamage < 0)
        iDamage = 0;
    iDamage = ApplyResistance(target, DefineOrZero(strElement), iDamage);
    iDamage = AddValue(iDamage, m_pOrderBehavior->GetBehaviorParameter(2));
    return ApplyDamageRates(actor, target, iDamage);
}

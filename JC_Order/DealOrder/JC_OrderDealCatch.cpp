#include "JC_Order/DealOrder/JC_OrderDealCatch.h"

#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_DataManager/Control/JC_ControlTeam.h"
#include "JC_Order/JC_OrderInformation.h"
#include "JC_Order/JF_OrderLog.h"
#include "TemplateSystem/JC_DataComponent.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

static const JS_OrderDealingCodes s_Codes = {JE_ORDERDEAL_CATCH_NO_ACTIVE, JE_ORDERDEAL_CATCH_NO_PASSIVE, 0,
                                             JE_ORDERDEAL_CATCH_NO_PASSIVE_RESULT};

constexpr long long CATCH_HP_PERCENT = 30;
constexpr int CATCH_LEVELS_ABOVE = 5;

DWORD JC_OrderDealCatch::DealOrder()
{
    JS_OrderDealing dealing;
    const DWORD dwFetch = FetchDealing(s_szSourceFile, s_Codes, dealing);
    if (dwFetch != 0)
        return dwFetch;
    JC_OrderResultPassive& passive = *dealing.pTargetResult;
    const int iPercent = ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(0));
    ShowChance(passive, iPercent);
    if (IsPreview())
        return ORDERDEAL_NEXT_TARGET;
    Miss(passive);
    if (!CanCatch(*dealing.pActor, *dealing.pTarget, iPercent))
        return ORDERDEAL_NEXT_TARGET;
    if (MoveToOurTeam(*dealing.pTarget) != 0)
        return ORDERDEAL_NEXT_TARGET;
    passive.m_IsHit = 1;
    DealPassiveDie(1);
    return ORDERDEAL_NEXT_TARGET;
}

bool JC_OrderDealCatch::CanCatch(JC_ControlPersonPower& actor, JC_ControlPersonPower& target, int iPercent)
{
    const int iRoll = Random(100);
    if (!Decided("catch", iRoll, iRoll <= iPercent) || target.IsStateImmune(JD_STATE_CATCH_IMMUNE))
        return false;
    // A person without MaxHP has no HP share to judge: it cannot be caught.
    const int iMaxHP = target.GetMaxHP();
    if (iMaxHP <= 0 || static_cast<long long>(target.GetHP()) * 100 / iMaxHP > CATCH_HP_PERCENT)
        return false;
    return actor.GetLevel() + CATCH_LEVELS_ABOVE >= target.GetLevel();
}

DWORD JC_OrderDealCatch::MoveToOurTeam(JC_ControlPersonPower& target)
{
    JC_DataComponent* pRecord = target.GetPersonDataComponent();
    JC_DataComponent before;
    DWORD dwResult = before.Copy(pRecord, JC_DataComponent::ADOPT_LAYOUT);
    if (dwResult != 0)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult,
                            " PassivePersonCopy Fail. \r\n HRESULT:0x%08x \r\n", (unsigned)dwResult);
    target.Restore(1, 1, 1, 1, 1, 1);
    target.SetCamp(0);
    dwResult = m_pControlTeam->Catch(target.GetTeamID());
    if (dwResult == 0)
        return 0;
    pRecord->Copy(&before, JC_DataComponent::ADOPT_LAYOUT);
    return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult,
                        " ControlTeamObj Catch Fail. \r\n HRESULT:0x%08x \r\n", (unsigned)dwResult);
}

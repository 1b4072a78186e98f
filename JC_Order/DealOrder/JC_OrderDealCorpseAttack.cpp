#include "JC_Order/DealOrder/JC_OrderDealCorpseAttack.h"

#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_Order/JC_OrderInformation.h"
#include "JC_Order/JF_OrderLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

static const JS_OrderDealingCodes s_Codes = {JE_ORDERDEAL_CORPSEATTACK_NO_ACTIVE, JE_ORDERDEAL_CORPSEATTACK_NO_PASSIVE,
                                             0, JE_ORDERDEAL_CORPSEATTACK_NO_PASSIVE_RESULT};

constexpr int ANY_CAMP = 4;
constexpr int ANY_LIFE_STATE = 3;

DWORD JC_OrderDealCorpseAttack::DealOrder()
{
    JS_OrderDealing dealing;
    DWORD dwResult = FetchDealing(s_szSourceFile, s_Codes, dealing);
    if (dwResult != 0)
        return dwResult;
    JC_ControlPersonPower& body = *dealing.pTarget;
    JC_OrderResultPassive& passive = *dealing.pTargetResult;
    const int iDamage = body.GetMaxHP() * ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(0)) / 100;
    passive.m_HitRate = 100;
    passive.m_ShowAttack = iDamage;
    passive.m_ShowDamage = iDamage;
    if (IsPreview())
        return ORDERDEAL_NEXT_TARGET;
    passive.m_IsHit = 1;
    m_pOrderBehavior->SetDealSuccess(1);
    DealPassiveDie(1);
    std::vector<int> neighbours;
    dwResult = GetAdjacentPersons(body.GetSceneFloorIndex(), ANY_CAMP, ANY_LIFE_STATE, neighbours);
    if ((dwResult & 0x80000000) != 0)
        return dwResult;
    if (neighbours.empty())
        return ORDERDEAL_STOP_ORDER;
    int iFirstFollow = 0;
    dwResult = AddNeighbours(neighbours, iFirstFollow);
    if (dwResult != 0)
        return dwResult;
    dwResult = StrikeNeighbours(iFirstFollow, static_cast<int>(neighbours.size()), iDamage);
    // The order's next target is a passive person again.
    m_pOrderInformation->SetFollowIndex(-1);
    return dwResult;
}

DWORD JC_OrderDealCorpseAttack::AddNeighbours(const std::vector<int>& teamIndices, int& iFirstFollow)
{
    iFirstFollow = static_cast<int>(m_pOrderInput->GetFollowPersonCount());
    for (const int iTeamIndex : teamIndices)
    {
        DWORD dwResult = m_pOrderInput->AddFollowPerson(static_cast<DWORD>(iTeamIndex));
        if (dwResult != 0)
            return dwResult;
        dwResult = m_pOrderInformation->ConnectFollowResoult(m_pOrderInput->GetFollowPersonCount() - 1);
        if (dwResult != 0)
            return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, JE_ORDERDEAL_CORPSEATTACK_CONNECT_FAILED,
                                " OrderInformationObj ConnectFollowResult Fail. \r\n HRESULT:0x%08x \r\n", (unsigned)dwResult);
    }
    return 0;
}

DWORD JC_OrderDealCorpseAttack::StrikeNeighbours(int iFirstFollow, int iCount, int iDamage)
{
    for (int i = 0; i < iCount; ++i)
    {
        m_pOrderInformation->SetFollowIndex(iFirstFollow + i);
        const DWORD dwResult = StrikeNeighbour(iDamage);
        if (dwResult != ORDERDEAL_NEXT_LINE)
            return dwResult;
    }
    CalculateExp();
    m_pOrderInformation->GetDealingPassiveResult()->m_LifeOutcome = 0;
    return ORDERDEAL_STOP_ORDER;
}

DWORD JC_OrderDealCorpseAttack::StrikeNeighbour(int iDamage)
{
    JC_ControlPersonPower* pNeighbour = m_pOrderInformation->GetDealingPassiveControlPersonPower();
    if (pNeighbour == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_CORPSEATTACK_NO_FOLLOW, " DealingFollowControlPersonPowerObj Is NULL. \r\n");
    JC_OrderResultPassive* pResult = m_pOrderInformation->GetDealingPassiveResult();
    if (pResult == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_CORPSEATTACK_NO_FOLLOW_RESULT, " DealingFollowResultObj Is NULL. \r\n");
    if (pNeighbour->GetLifeState() == 2)
    {
        ShowNoDamage(*pResult);
        RemoveBody(*pNeighbour, *pResult);
        return ORDERDEAL_NEXT_TARGET;
    }
    pResult->m_IsHPChange = 1;
    pResult->m_IsHit = 1;
    if (pNeighbour->HasBehaviorState(JD_STATE_NO_MAGIC_DAMAGE))
    {
        UseUpState(*pNeighbour, JD_STATE_NO_MAGIC_DAMAGE, "被動者有絕對法術防禦.\r\n");
        pResult->m_HPChange = 0;
    }
    else
        pResult->m_HPChange -= iDamage;
    pNeighbour->RemoveBehaviorsEndedByAttack();
    int iHP = 0;
    int iSP = 0;
    ApplyHPSPChange(iHP, iSP);
    return iHP == 0 ? Fell(0) : ORDERDEAL_NEXT_LINE;
}

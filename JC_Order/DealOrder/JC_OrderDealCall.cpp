#include "JC_Order/DealOrder/JC_OrderDealCall.h"

#include "JC_DataManager/Control/JC_ControlPersonLevelUp.h"
#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_DataManager/Control/JC_ControlTeam.h"
#include "JC_Order/JC_OrderInformation.h"
#include "JC_Order/JF_OrderLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

constexpr DWORD CALL_ON_BODY = 1;
constexpr DWORD CALL_ON_FLOOR = 2;

DWORD JC_OrderDealCall::DealOrder()
{
    JC_ControlPersonPower* pActor = m_pOrderInformation->GetDealingActiveControlPersonPower();
    if (pActor == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_CALL_NO_ACTIVE, " DealingActiveControlPersonPowerObj Is NULL. \r\n");
    const std::string strMode = m_pOrderBehavior->GetBehaviorParameter(1);
    const DWORD dwMode = m_pOrderBehavior->GetDefineValue(strMode);
    if (dwMode != CALL_ON_BODY && dwMode != CALL_ON_FLOOR)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, JE_ORDERDEAL_CALL_MODE_NOT_SUPPORTED,
                            " CallModeNotSupport. \r\n CallModeStr:%s \r\n", strMode.c_str());
    const DWORD dwPersonID = static_cast<DWORD>(ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(0)));
    const int iLevel = pActor->GetLevel() * ParameterNumber(m_pOrderBehavior->GetBehaviorParameter(2)) / 100;
    if (dwMode == CALL_ON_BODY)
    {
        JC_OrderResultPassive* pPassive = m_pOrderInformation->GetDealingPassiveResult();
        if (pPassive == nullptr)
            return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_CALL_NO_PASSIVE_RESULT, " DealingPassiveResultObj Is NULL. \r\n");
        ShowNoDamage(*pPassive);
    }
    if (IsPreview())
        return ORDERDEAL_NEXT_TARGET;
    int iFloor = -1;
    DWORD dwResult = TakeFloor(dwMode, iFloor);
    if (dwResult != 0)
        return dwResult;
    int iFollowIndex = -1;
    dwResult = CreateFollower(dwPersonID, iFollowIndex);
    if (dwResult != 0)
        return dwResult;
    m_pOrderBehavior->SetDealSuccess(1);
    if (dwMode == CALL_ON_BODY)
    {
        m_pOrderInformation->GetDealingPassiveResult()->m_IsHit = 1;
        DealPassiveDie(1);
    }
    m_pOrderInformation->SetFollowIndex(iFollowIndex);
    dwResult = SetUpFollower(*pActor, iFloor, iLevel);
    // The order's next target is a passive person again.
    m_pOrderInformation->SetFollowIndex(-1);
    return dwResult;
}

DWORD JC_OrderDealCall::TakeFloor(DWORD dwMode, int& iFloor)
{
    if (dwMode == CALL_ON_BODY)
    {
        JC_ControlPersonPower* pBody = m_pOrderInformation->GetDealingPassiveControlPersonPower();
        if (pBody == nullptr)
            return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_CALL_NO_PASSIVE, " DealingPassiveControlPersonPowerObj Is NULL. \r\n");
        iFloor = pBody->GetSceneFloorIndex();
    }
    else
    {
        // Each target floor gets its own summoned person.
        iFloor = static_cast<int>(m_pOrderInput->GetPassiveFloor(static_cast<DWORD>(m_pOrderInformation->GetPassiveIndex())));
    }
    if (iFloor < 0)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, JE_ORDERDEAL_CALL_NO_FLOOR,
                            " CallFloorNotExist. \r\n FloorIndex:%d \r\n", iFloor);
    return 0;
}

DWORD JC_OrderDealCall::CreateFollower(DWORD dwPersonID, int& iFollowIndex)
{
    int iTeamIndex = -1;
    JC_DataComponent* pPerson = nullptr;
    DWORD dwResult = m_pControlTeam->AddFightPersonFromFixedData(dwPersonID, iTeamIndex, pPerson);
    if (dwResult != 0)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult,
                            " ControlTeamObj Call Fail. \r\n HRESULT:0x%08x \r\n", (unsigned)dwResult);
    dwResult = m_pOrderInput->AddFollowPerson(static_cast<DWORD>(iTeamIndex));
    if (dwResult != 0)
    {
        m_pControlTeam->DelPersonFromTeam(TeamID::TEAMID_FIGHT, iTeamIndex);
        return dwResult;
    }
    iFollowIndex = static_cast<int>(m_pOrderInput->GetFollowPersonCount()) - 1;
    dwResult = m_pOrderInformation->ConnectFollowResoult(static_cast<DWORD>(iFollowIndex));
    if (dwResult != 0)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult,
                            " OrderInformationObj ConnectFollowResult Fail. \r\n HRESULT:0x%08x \r\n", (unsigned)dwResult);
    return 0;
}

DWORD JC_OrderDealCall::SetUpFollower(JC_ControlPersonPower& actor, int iFloor, int iLevel)
{
    JC_ControlPersonPower* pFollower = m_pOrderInformation->GetDealingPassiveControlPersonPower();
    if (pFollower == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_CALL_NO_FOLLOW, " DealingFollowControlPersonPowerObj Is NULL. \r\n");
    JC_OrderResultPassive* pFollowResult = m_pOrderInformation->GetDealingPassiveResult();
    if (pFollowResult == nullptr)
        return LogAt(s_szSourceFile, __LINE__, JE_ORDERDEAL_CALL_NO_FOLLOW_RESULT, " DealingFollowResultObj Is NULL. \r\n");
    pFollower->SetCamp(actor.GetCamp(FALSE));
    pFollower->SetIsLegacyBody(0);
    pFollower->SetTeamID(static_cast<int>(m_pOrderInput->GetFollowPerson(m_pOrderInformation->GetFollowIndex())));
    pFollower->SetIsSummonRole(1);
    pFollower->SetSummonerTeamID(actor.GetTeamID());
    pFollower->SetSceneFloorIndex(iFloor);
    JC_ControlPersonLevelUp levelUp;
    DWORD dwResult = levelUp.Initiation(m_pDataManager, m_pBehaviorAnalyser);
    if (dwResult != 0)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult,
                            " FollowControlPersonObj Initiation Fail. \r\n HRESULT:0x%08x \r\n", (unsigned)dwResult);
    dwResult = levelUp.SetControlPerson(pFollower->GetPersonDataComponent());
    if (dwResult != 0)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, dwResult,
                            " FollowControlPersonObj SetControlPerson Fail. \r\n HRESULT:0x%08x \r\n", (unsigned)dwResult);
    levelUp.SetLevel(iLevel, 1);
    pFollowResult->m_IsHit = 1;
    pFollowResult->m_ResultKind = 2;
    pFollowResult->m_LifeOutcome = 0;
    return ORDERDEAL_NEXT_TARGET;
}

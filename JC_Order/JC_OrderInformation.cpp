#include "JC_Order/JC_OrderInformation.h"

#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Operator/JC_OperatorJob.h"
#include "JC_Order/JF_OrderLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

#define ORDER_FAIL(result, ...) JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, result, __VA_ARGS__)

DWORD JC_OrderInformation::Initiation(JC_ControlManager* pControlManager)
{
    m_bInitiated = FALSE;
    if (pControlManager == nullptr)
        return JE_ORDERINFORMATION_NULL_CONTROL_MANAGER;
    if (!pControlManager->IsInitiated())
        return JE_ORDERINFORMATION_CONTROL_MANAGER_NOT_INITIATED;
    m_pControlManager = pControlManager;
    m_pErrorLog = pControlManager->GetErrorLog();
    m_pDataManager = pControlManager->GetDataManager();
    m_pBehaviorAnalyser = pControlManager->GetBehaviorAnalyser();
    m_pControlGame = &pControlManager->m_ControlGameObj;
    m_pControlScene = &pControlManager->m_ControlSceneObj;
    m_pControlTeam = &pControlManager->m_ControlTeamObj;
    m_pControlTeamPerson = &pControlManager->m_ControlTeamPersonObj;
    m_pControlWarehouse = &pControlManager->m_ControlWarehouseObj;
    DWORD dwResult = m_OrderInputObj.Initiation(pControlManager);
    if (dwResult != 0)
        return ORDER_FAIL(dwResult, " OrderInputObj Initiation Fail. \r\n HRESULT:0x%08x \r\n", (unsigned)dwResult);
    dwResult = m_OrderResultManagerObj.Initiation();
    if (dwResult != 0)
        return ORDER_FAIL(dwResult, " OrderResultManagerObj Initiation Fail. \r\n HRESULT:0x%08x \r\n",
                          (unsigned)dwResult);
    dwResult = m_OrderBehaviorObj.Initiation(m_pDataManager->GetTemplateManager());
    if (dwResult != 0)
        return ORDER_FAIL(dwResult, " OrderBehaviorObj Initiation Fail. \r\n HRESULT:0x%08x \r\n", (unsigned)dwResult);
    m_iActiveIndex = -1;
    m_iPassiveIndex = -1;
    m_iFollowIndex = -1;
    m_bInitiated = TRUE;
    return 0;
}

JC_ControlPersonPower* JC_OrderInformation::GetActiveControlPersonPower(DWORD dwIndex) const
{
    return IsInputFinished() ? m_OrderInputObj.GetActiveControlPersonPower(dwIndex) : nullptr;
}

JC_ControlPersonPower* JC_OrderInformation::GetPassiveControlPersonPower(DWORD dwIndex) const
{
    return IsInputFinished() ? m_OrderInputObj.GetPassiveControlPersonPower(dwIndex) : nullptr;
}

JC_ControlPersonPower* JC_OrderInformation::GetFollowControlPersonPower(DWORD dwIndex) const
{
    return IsInputFinished() ? m_OrderInputObj.GetFollowControlPersonPower(dwIndex) : nullptr;
}

int JC_OrderInformation::GetDealingTargetKind() const
{
    if (m_iFollowIndex >= 0)
        return 1;
    if (m_iPassiveIndex >= 0)
        return 0;
    return -1;
}

JC_ControlPersonPower* JC_OrderInformation::GetDealingActiveControlPersonPower() const
{
    return m_iActiveIndex < 0 ? nullptr : GetActiveControlPersonPower(m_iActiveIndex);
}

JC_ControlPersonPower* JC_OrderInformation::GetDealingPassiveControlPersonPower() const
{
    switch (GetDealingTargetKind())
    {
    case 0:
        return GetPassiveControlPersonPower(m_iPassiveIndex);
    case 1:
        return GetFollowControlPersonPower(m_iFollowIndex);
    default:
        return nullptr;
    }
}

JC_OrderResultActive* JC_OrderInformation::GetDealingActiveResult() const
{
    switch (GetDealingTargetKind())
    {
    case 0:
        return m_OrderResultManagerObj.GetActiveResult(m_iPassiveIndex);
    case 1:
        return m_OrderResultManagerObj.GetActiveResult(m_OrderResultManagerObj.GetPassiveResultCount() + m_iFollowIndex);
    default:
        return nullptr;
    }
}

JC_OrderResultPassive* JC_OrderInformation::GetDealingPassiveResult() const
{
    switch (GetDealingTargetKind())
    {
    case 0:
        return m_OrderResultManagerObj.GetPassiveResult(m_iPassiveIndex);
    case 1:
        return m_OrderResultManagerObj.GetFollowResult(m_iFollowIndex);
    default:
        return nullptr;
    }
}

DWORD JC_OrderInformation::ConnectPassiveResoult(DWORD dwIndex)
{
    const int iActiveTeam = static_cast<int>(m_OrderInputObj.GetActivePerson(0));
    DWORD dwResult = m_OrderResultManagerObj.AddActiveResultObj(iActiveTeam);
    if (dwResult != 0)
        return ORDER_FAIL(dwResult, " OrderResultManagerObj AddActiveResultObj Fail. \r\n TeamNumber:%d \r\n HRESULT:0x%08x \r\n",
                          iActiveTeam, (unsigned)dwResult);
    const int iPassiveTeam = static_cast<int>(m_OrderInputObj.GetPassivePerson(dwIndex));
    dwResult = m_OrderResultManagerObj.AddPassiveResultObj(iPassiveTeam);
    if (dwResult != 0)
        return ORDER_FAIL(dwResult, " OrderResultManagerObj AddPassiveResultObj Fail. \r\n TeamNumber:%d \r\n HRESULT:0x%08x \r\n",
                          iPassiveTeam, (unsigned)dwResult);
    return 0;
}

DWORD JC_OrderInformation::ConnectFollowResoult(DWORD dwIndex)
{
    const int iActiveTeam = static_cast<int>(m_OrderInputObj.GetActivePerson(0));
    DWORD dwResult = m_OrderResultManagerObj.AddActiveResultObj(iActiveTeam);
    if (dwResult != 0)
        return ORDER_FAIL(dwResult, " OrderResultManagerObj AddActiveResultObj Fail. \r\n TeamNumber:%d \r\n HRESULT:0x%08x \r\n",
                          iActiveTeam, (unsigned)dwResult);
    const int iFollowTeam = static_cast<int>(m_OrderInputObj.GetFollowPerson(dwIndex));
    dwResult = m_OrderResultManagerObj.AddFollowResultObj(iFollowTeam);
    if (dwResult != 0)
        return ORDER_FAIL(dwResult, " OrderResultManagerObj AddFollowResultObj Fail. \r\n TeamNumber:%d \r\n HRESULT:0x%08x \r\n",
                          iFollowTeam, (unsigned)dwResult);
    return 0;
}

DWORD JC_OrderInformation::DealConsume()
{
    switch (m_OrderInputObj.GetEffectKind())
    {
    case ORDEREFFECT_TOOL:
        return ConsumeTool();
    case ORDEREFFECT_SKILL:
        ConsumeSkill();
        return 0;
    default:
        return 0;
    }
}

DWORD JC_OrderInformation::ConsumeTool()
{
    constexpr int TOOL_WAREHOUSE = 2;
    const DWORD dwToolID = m_OrderInputObj.GetToolEffect(0);
    const int iDrawer = m_pControlWarehouse->FindDrawer(TOOL_WAREHOUSE, dwToolID, 0);
    if (iDrawer < 0)
        return ORDER_FAIL(JE_ORDERINFORMATION_TOOL_NOT_IN_WAREHOUSE,
                          " DealConsume ToolNotFindFromWarehouse. \r\n ToolID:0x%08x(%d) \r\n", (unsigned)dwToolID,
                          (int)dwToolID);
    const DWORD dwResult = m_pControlWarehouse->DelThing(TOOL_WAREHOUSE, iDrawer, 1);
    if (dwResult != 0)
        return ORDER_FAIL(dwResult, " ControlWarehouseObj DelThing Fail. \r\n ToolID:0x%08x(%d) \r\n HRESULT:0x%08x  \r\n",
                          (unsigned)dwToolID, (int)dwToolID, (unsigned)dwResult);
    return 0;
}

void JC_OrderInformation::ConsumeSkill()
{
    JC_ControlSkill* pSkill = m_OrderInputObj.GetEffectControlSkill(0);
    JC_ControlPersonPower* pActor = m_OrderInputObj.GetActiveControlPersonPower(0);
    if (pSkill == nullptr || pActor == nullptr)
        return;
    m_pControlGame->SetMoney(m_pControlGame->GetMoney() - pSkill->GetUseConditionMoney());
    int iCost = pSkill->GetUseConditionSP();
    const int iRate = pActor->GetExtraSPConsumeRate();
    if (iRate != 0)
        iCost += iCost * iRate / 100;
    pActor->SetSP(pActor->GetSP() - iCost);
    pActor->SetMorale(pActor->GetMorale() - pSkill->GetUseConditionMorale());
}

JC_OrderResultPassive* JC_OrderInformation::TargetResult(DWORD dwIndex) const
{
    const DWORD dwPassiveCount = m_OrderResultManagerObj.GetPassiveResultCount();
    return dwIndex < dwPassiveCount ? m_OrderResultManagerObj.GetPassiveResult(dwIndex)
                                    : m_OrderResultManagerObj.GetFollowResult(dwIndex - dwPassiveCount);
}

DWORD JC_OrderInformation::MergeResult()
{
    DWORD dwResult = m_OrderResultManagerObj.InitiationFinalResult();
    if (dwResult != 0)
        return ORDER_FAIL(dwResult, " OrderInformationObj InitiationFinalResult Fail. \r\n HRESULT:0x%08x \r\n",
                          (unsigned)dwResult);
    const DWORD dwActiveCount = m_OrderInputObj.GetActivePersonCount();
    if (dwActiveCount == 0)
        return JE_ORDERINFORMATION_NO_ACTIVE;
    for (DWORD i = 0; i < dwActiveCount; ++i) {
        dwResult = m_OrderResultManagerObj.AddFinalActiveResultObj(static_cast<int>(m_OrderInputObj.GetActivePerson(i)));
        if (dwResult != 0)
            return ORDER_FAIL(dwResult,
                              " OrderInformationObj AddFinalActiveResultObj Fail. \r\n ActiveIndex:%d \r\n HRESULT:0x%08x \r\n",
                              (int)i, (unsigned)dwResult);
    }
    const DWORD dwResults = m_OrderResultManagerObj.GetActiveResultCount();
    const DWORD dwPassives = m_OrderResultManagerObj.GetPassiveResultCount();
    const DWORD dwFollows = m_OrderResultManagerObj.GetFollowResultCount();
    if (dwResults != dwPassives + dwFollows)
        return ORDER_FAIL(JE_ORDERINFORMATION_RESULT_COUNT_MISMATCH,
                          " ActiveResultCountNotMatchTotalPassive. \r\n ActiveResultCount:%d \r\n PassiveResultCount:%d "
                          "\r\n FollowResultCount:%d \r\n",
                          (int)dwResults, (int)dwPassives, (int)dwFollows);
    for (DWORD j = 0; j < dwResults; ++j) {
        dwResult = m_OrderResultManagerObj.AddFinalPassiveResultObj(-1);
        if (dwResult != 0)
            return ORDER_FAIL(dwResult,
                              " OrderInformationObj AddFinalPassiveResultObj Fail. \r\n ActiveIndex:%d \r\n HRESULT:0x%08x \r\n",
                              (int)j, (unsigned)dwResult);
    }
    dwResult = GatherOther();
    if (dwResult == 0)
        dwResult = MergeActive();
    if (dwResult != 0)
        return dwResult;
    MergePassive();
    return GiveSpoils();
}

DWORD JC_OrderInformation::GatherOther()
{
    JC_OrderFinalResultOther& other = *m_OrderResultManagerObj.GetFinalOtherResult();
    for (DWORD k = 0; k < m_OrderResultManagerObj.GetActiveResultCount(); ++k)
    {
        const JC_OrderResultActive& act = *m_OrderResultManagerObj.GetActiveResult(k);
        const JC_OrderResultPassive& pas = *TargetResult(k);
        if (act.m_IsSteal == 1)
            other.m_IsSteal = 1;
        if (act.m_IsStealThing == 1)
            other.m_IsStealThing = 1;
        auto append = [](auto& to, const auto& from) { to.insert(to.end(), from.begin(), from.end()); };
        append(other.m_StealThingKindArray, act.m_StealThingKindArray);
        append(other.m_StealThingIDArray, act.m_StealThingIDArray);
        append(other.m_StealThingNameArray, act.m_StealThingNameArray);
        append(other.m_LegacyThingKindArray, pas.m_LegacyThingKindArray);
        append(other.m_LegacyThingIDArray, pas.m_LegacyThingIDArray);
        append(other.m_LegacyThingNameArray, pas.m_LegacyThingNameArray);
        other.m_Exp += pas.m_Exp;
        other.m_JobExp += pas.m_JobExp;
        other.m_LegacyMoney += pas.m_LegacyMoney;
        if (pas.m_IsHit == 1)
            other.m_Morale += pas.m_LifeOutcome == 0 ? 1 : (pas.m_LifeOutcome == 1 || pas.m_LifeOutcome == 2 ? 3 : 0);
        if (act.m_ActionScriptID.empty())
            continue;
        if (!other.m_ActionScriptID.empty())
            return ORDER_FAIL(JE_ORDERINFORMATION_SECOND_ACTION_SCRIPT,
                              " OnceYouCanSetActionScriptID. \r\n Old:%s \r\n New:%s \r\n",
                              other.m_ActionScriptID.c_str(), act.m_ActionScriptID.c_str());
        other.m_ActionScriptID = act.m_ActionScriptID;
    }
    if (other.m_ActionScriptID.empty())
        TakeActionScriptFromEffect();
    return 0;
}

void JC_OrderInformation::TakeActionScriptFromEffect()
{
    std::string& strScript = m_OrderResultManagerObj.GetFinalOtherResult()->m_ActionScriptID;
    switch (m_OrderInputObj.GetEffectKind())
    {
    case ORDEREFFECT_WEAPON:
    {
        JC_OperatorWeapon* pWeapon = m_OrderInputObj.GetActiveWeaponOperator(0);
        if (pWeapon != nullptr && pWeapon->GetDataComponent() != nullptr)
            strScript = pWeapon->GetActionScriptID();
        break;
    }
    case ORDEREFFECT_TOOL:
        if (m_OrderInputObj.GetEffectToolOperator(0) != nullptr)
            strScript = m_OrderInputObj.GetEffectToolOperator(0)->GetActionScriptID();
        break;
    case ORDEREFFECT_SKILL:
        if (m_OrderInputObj.GetEffectControlSkill(0) != nullptr)
            strScript = m_OrderInputObj.GetEffectControlSkill(0)->GetActionScriptID();
        break;
    default:
        break;
    }
}

// The greater outcome wins, read as unsigned so that -1 (undecided) loses.
static void RaiseOutcome(int& iFinal, int iValue)
{
    if (iFinal == -1 || static_cast<DWORD>(iValue) > static_cast<DWORD>(iFinal))
        iFinal = iValue;
}

DWORD JC_OrderInformation::MergeActive()
{
    JC_OrderFinalResultActive& first = *m_OrderResultManagerObj.GetFinalActiveResult(0);
    for (DWORD k = 0; k < m_OrderResultManagerObj.GetActiveResultCount(); ++k)
    {
        const JC_OrderResultActive& act = *m_OrderResultManagerObj.GetActiveResult(k);
        if (act.m_TeamIndex != first.m_TeamIndex)
            return ORDER_FAIL(JE_ORDERINFORMATION_OTHER_ACTIVE,
                              " FinalActiveTeamIndex MustEqual ActiveTeamIndex. \r\n FinalActiveTeamIndex:%d \r\n "
                              "ActiveTeamIndex:%d \r\n",
                              first.m_TeamIndex, act.m_TeamIndex);
        RaiseOutcome(first.m_LifeOutcome, act.m_LifeOutcome);
        RaiseOutcome(first.m_IsHit, TargetResult(k)->m_IsHit);
        if (act.m_IsHPAbsorb == 1)
            first.m_IsHPAbsorb = 1;
        if (act.m_IsSPAbsorb == 1)
            first.m_IsSPAbsorb = 1;
        first.m_HPAbsorb += act.m_HPAbsorb;
        first.m_SPAbsorb += act.m_SPAbsorb;
    }
    for (DWORD i = 0; i < m_OrderInputObj.GetActivePersonCount(); ++i)
    {
        JC_ControlPersonPower* pPower = m_OrderInputObj.GetActiveControlPersonPower(i);
        JC_OrderFinalResultActive& final = *m_OrderResultManagerObj.GetFinalActiveResult(i);
        if (pPower == nullptr)
            continue;
        if (i == 0)
            SettleActorLife(*pPower, final);
        const DWORD dwResult = GiveExperience(*pPower, final);
        if (dwResult != 0)
            return dwResult;
    }
    return 0;
}

void JC_OrderInformation::SettleActorLife(JC_ControlPersonPower& power, JC_OrderFinalResultActive& final)
{
    const bool bPreview = IsPreview();
    bool bFallen = false;
    int iHP = power.GetHP();
    if (final.m_HPAbsorb != 0)
    {
        final.m_HPAbsorbReal = bPreview ? 0 : power.SetHP(iHP + final.m_HPAbsorb);
        iHP = power.GetHP();
        bFallen = iHP < 1;
    }
    if (final.m_SPAbsorb != 0 && !bPreview)
        final.m_SPAbsorbReal = power.SetSP(power.GetSP() + final.m_SPAbsorb);
    if (final.m_LifeOutcome != 0 || power.GetLifeState() != 1)
        bFallen = true;
    if (!bFallen)
    {
        // A living actor stays alive.
        final.m_LifeOutcome = 0;
        return;
    }
    const bool bGone = !power.CanLeaveLegacy() || final.m_LifeOutcome == 2;
    final.m_LifeOutcome = bGone ? 2 : 1;
    if (bPreview)
        return;
    power.SetLifeState(2);
    power.SetDieTime(bGone ? 0 : 3);
}

DWORD JC_OrderInformation::FindExperienceReceiver(JC_ControlPersonPower& power, JC_ControlPersonPower& summoner,
                                                  JC_ControlPersonPower*& pReceiver)
{
    pReceiver = &power;
    if (power.GetIsSummonRole() != 1)
        return 0;
    pReceiver = nullptr;
    JC_DataComponent* pPerson = nullptr;
    DWORD dwResult = m_pControlTeam->GetPersonFromTeam(TeamID::TEAMID_FIGHT, power.GetSummonerTeamID(), pPerson);
    if (dwResult == JE_CONTROLTEAM_GET_EMPTY)
    {
        OutputDebugStringA("因為召喚者已經死亡 不處理召喚物的經驗值增加.\r\n");
        return 0;
    }
    if (dwResult != 0)
        return ORDER_FAIL(dwResult, " ControlTeamObj GetPersonFromTeam Fail. \r\n HRESULT:0x%08x \r\n", (unsigned)dwResult);
    dwResult = summoner.Initiation(m_pDataManager, m_pBehaviorAnalyser);
    if (dwResult != 0)
        return ORDER_FAIL(dwResult, " SummonerControlPersonPowerObj Initiation Fail. \r\n HRESULT:0x%08x \r\n",
                          (unsigned)dwResult);
    dwResult = summoner.SetControlPerson(pPerson);
    if (dwResult != 0)
        return ORDER_FAIL(dwResult, " SummonerControlPersonPower SetControlPerson Fail. \r\n HRESULT:0x%08x \r\n",
                          (unsigned)dwResult);
    if (summoner.GetLifeState() == 1)
        pReceiver = &summoner;
    return 0;
}

DWORD JC_OrderInformation::GiveExperience(JC_ControlPersonPower& power, JC_OrderFinalResultActive& final)
{
    const JC_OrderFinalResultOther& other = *m_OrderResultManagerObj.GetFinalOtherResult();
    final.m_Exp = other.m_Exp;
    final.m_JobExp = other.m_JobExp;
    final.m_Morale = other.m_Morale;
    const int iCharm = power.GetCharm(TRUE);
    if (!IsPreview())
        power.SetMorale(power.GetMorale() + other.m_Morale);
    if (power.GetCamp(FALSE) != 0 && power.GetCamp(TRUE) != 0)
        return 0;
    JC_ControlPersonPower summoner;
    JC_ControlPersonPower* pReceiver = nullptr;
    const DWORD dwResult = FindExperienceReceiver(power, summoner, pReceiver);
    if (dwResult != 0 || pReceiver == nullptr)
        return dwResult;
    final.m_Exp = other.m_Exp * iCharm / 100 + other.m_Exp;
    final.m_JobExp = other.m_JobExp * iCharm / 100 + other.m_JobExp;
    if (IsPreview())
        return 0;
    JC_OperatorJob job;
    job.Initiation(m_pDataManager);
    const bool bJobBound = job.SetDataConponent(m_pDataManager->GetJobObj(pReceiver->GetJobID())) == 0;
    const bool bAtMaxJobLevel = bJobBound && pReceiver->GetJobLevel() >= job.GetMaxJobLevel();
    pReceiver->SetExp(pReceiver->GetLevel() >= pReceiver->GetMaxLevel() ? 0 : pReceiver->GetExp() + final.m_Exp);
    pReceiver->SetJobExp(bAtMaxJobLevel ? 0 : pReceiver->GetJobExp() + final.m_JobExp);
    return 0;
}

void JC_OrderInformation::MergePassive()
{
    for (DWORD j = 0; j < m_OrderResultManagerObj.GetFinalPassiveResultCount(); ++j)
    {
        const JC_OrderResultPassive& pas = *TargetResult(j);
        JC_OrderFinalResultPassive& final = *m_OrderResultManagerObj.GetFinalPassiveResult(j);
        final.m_TeamIndex = pas.m_TeamIndex;
        final.m_ResultKind = pas.m_ResultKind;
        final.m_HitRate = pas.m_HitRate;
        final.m_ShowAttack = pas.m_ShowAttack;
        final.m_ShowDamage = pas.m_ShowDamage;
        final.m_IsHit = pas.m_IsHit;
        final.m_IsCritical = pas.m_IsCritical;
        final.m_IsCounter = pas.m_IsCounter;
        final.m_LifeOutcome = pas.m_LifeOutcome;
        final.m_IsHPChange = pas.m_IsHPChange;
        final.m_IsSPChange = pas.m_IsSPChange;
        final.m_HPChange = pas.m_HPChange;
        final.m_HPChangeReal = pas.m_HPChangeReal;
        final.m_SPChange = pas.m_SPChange;
        final.m_SPChangeReal = pas.m_SPChangeReal;
        final.m_StateAddArray.insert(final.m_StateAddArray.end(), pas.m_StateAddArray.begin(), pas.m_StateAddArray.end());
        final.m_StateDelArray.insert(final.m_StateDelArray.end(), pas.m_StateDelArray.begin(), pas.m_StateDelArray.end());
    }
}

DWORD JC_OrderInformation::GiveSpoils()
{
    JC_ControlPersonPower* pActor = m_OrderInputObj.GetActiveControlPersonPower(0);
    if (pActor == nullptr || (pActor->GetCamp(FALSE) != 0 && pActor->GetCamp(TRUE) != 0))
        return 0;
    JC_OrderFinalResultOther& other = *m_OrderResultManagerObj.GetFinalOtherResult();
    other.m_LegacyMoney = other.m_LegacyMoney * pActor->GetCharm(TRUE) / 100 + other.m_LegacyMoney;
    if (IsPreview())
        return 0;
    m_pControlGame->AddMoney(other.m_LegacyMoney);
    if (other.m_IsStealThing == 1)
    {
        const DWORD dwResult = StoreThings(other.m_StealThingKindArray, other.m_StealThingIDArray);
        if (dwResult != 0)
            return dwResult;
    }
    return StoreThings(other.m_LegacyThingKindArray, other.m_LegacyThingIDArray);
}

DWORD JC_OrderInformation::StoreThings(const std::vector<DWORD>& kinds, const std::vector<DWORD>& ids)
{
    for (size_t i = 0; i < kinds.size() && i < ids.size(); ++i)
    {
        const int iWarehouse = m_pControlWarehouse->TransformThingKindToWarehouse(kinds[i]);
        if (iWarehouse < 0)
            return ORDER_FAIL(JE_ORDERINFORMATION_NO_WAREHOUSE,
                              " TransformThingKindToWarehouse Fail. \r\n ThingKind:0x%08x \r\n ThingID:0x%08x \r\n",
                              (unsigned)kinds[i], (unsigned)ids[i]);
        const DWORD dwResult = m_pControlWarehouse->AddThing(iWarehouse, ids[i], 1);
        if (dwResult != 0)
            return ORDER_FAIL(dwResult,
                              " ControlWarehouseObj AddThing Fail. \r\n Warehouse:0x%08x \r\n ThingID:0x%08x \r\n "
                              "HRESULT:0x%08x \r\n",
                              (unsigned)iWarehouse, (unsigned)ids[i], (unsigned)dwResult);
    }
    return 0;
}

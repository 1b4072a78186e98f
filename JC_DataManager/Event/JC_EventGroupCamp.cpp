#include "JC_DataManager/Event/JC_EventGroupCamp.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <algorithm>

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_NAME);
constexpr int CAMP_COUNT = 4;
constexpr size_t CAMP_FIELD = 2;
constexpr size_t ROUND_FIELD = 3;

bool IsCamp(int iCamp)
{
    return iCamp >= 0 && iCamp < CAMP_COUNT;
}

} // namespace

DWORD JC_EventGroupCamp::SetCamp(int iCamp)
{
    if (!IsCamp(iCamp)) {
        m_iCamp = -1;
        return JE_EVENTCAMP_BAD_CAMP;
    }
    m_iCamp = iCamp;
    return 0;
}

DWORD JC_EventGroupCamp::EventClsAll()
{
    return EventClsAll_HaveRoundEvent();
}

int JC_EventGroupCamp::ReadCamp(const std::string& strField) const
{
    if (m_pBehaviorAnalyser == nullptr)
        return -1;
    return static_cast<int>(m_pBehaviorAnalyser->GetDefineInfo(strField));
}

DWORD JC_EventGroupCamp::EventAdd_HaveRoundEvent(const std::string& strEvent)
{
    const JC_StringArray fields = JC_EventConditionList::Split(strEvent);
    if (fields.size() == ROUND_FIELD + 1 && !IsCamp(ReadCamp(fields[CAMP_FIELD])))
        return JE_EVENTCAMP_ROUND_EVENT_CAMP;
    return m_RoundEvents.Add(strEvent);
}

DWORD JC_EventGroupCamp::EventCls_HaveRoundEvent(const std::string& strName)
{
    return m_RoundEvents.Cls(strName);
}

DWORD JC_EventGroupCamp::EventClsAll_HaveRoundEvent()
{
    return m_RoundEvents.ClsAll();
}

DWORD JC_EventGroupCamp::EventCheck_HaveRoundEvent(std::string& strScript, BOOL bConsume)
{
    strScript.clear();
    if (m_RoundEvents.IsEmpty() || m_pControlManager == nullptr)
        return 0;
    const int iTurn = m_pControlManager->m_ControlSceneObj.GetTurn();
    return m_RoundEvents.Check(
        [&](const JC_StringArray& fields, bool& bMet) {
            bMet = ReadCamp(fields[CAMP_FIELD]) == m_iCamp && JC_EventConditionList::ReadNumber(fields[ROUND_FIELD]) == iTurn;
            return DWORD{0};
        },
        strScript, bConsume);
}

DWORD JC_EventGroupCamp::Event_CampBeginDynamic(std::vector<JC_EventDealResultA>& results, BOOL bConsume)
{
    std::string strScript;
    const DWORD dwResult = EventCheck_HaveRoundEvent(strScript, bConsume);
    return HandOutScript(dwResult, strScript, results);
}

DWORD JC_EventGroupCamp::Event_CampBeginStatic1(std::vector<JC_EventDealResultB>& results)
{
    results.clear();
    const DWORD dwResult = UpdateFloorDisableMagic();
    if (dwResult != 0)
        return dwResult;
    return RuleAutoRestore(m_iCamp, results);
}

DWORD JC_EventGroupCamp::UpdateFloorDisableMagic()
{
    if (m_pControlManager == nullptr)
        return JE_EVENTBASE_NULL_CONTROL_MANAGER;
    // Every floor counts down, also those after a floor without the flag.
    JC_ControlScene& scene = m_pControlManager->m_ControlSceneObj;
    const int iFloorCount = scene.GetFloorCount();
    for (int i = 0; i < iFloorCount; ++i) {
        if (scene.GetIsDisableMagic(i) == 0)
            continue;
        scene.SetDisableMagicRound(i, std::max(scene.GetDisableMagicRound(i) - 1, 0));
    }
    return 0;
}

DWORD JC_EventGroupCamp::LogSearch(DWORD dwResult) const
{
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " GetDesignatePersonObjFromTeam Fail. \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwResult));
    }
    return dwResult;
}

DWORD JC_EventGroupCamp::RuleAutoRestore(int iCamp, std::vector<JC_EventDealResultB>& results)
{
    results.clear();
    std::vector<int> teamIDs;
    std::vector<JC_DataComponent*> persons;
    DWORD dwResult = LogSearch(GetDesignatePersonObjFromTeam(iCamp, JD_EVENT_LIFE_ALIVE, teamIDs, persons));
    if (dwResult != 0)
        return dwResult;
    std::vector<JC_EventDealResultB> changes;
    for (size_t i = 0; i < persons.size(); ++i) {
        dwResult = BindPerson(persons[i], s_szSourceFile);
        if (dwResult != 0)
            return dwResult;
        const int iHPRate = m_ControlPersonObj.GetHPAutoRestoreRate(FALSE) + m_ControlPersonObj.GetHPAutoDamageRate(FALSE);
        const int iSPRate = m_ControlPersonObj.GetSPAutoRestoreRate(FALSE) + m_ControlPersonObj.GetSPAutoDamageRate(FALSE);
        if (iHPRate == 0 && iSPRate == 0 && m_ControlPersonObj.HasBehaviorState(JE_STATE_POISON) != 1)
            continue;
        changes.emplace_back(teamIDs[i]);
        ApplyRestoreRates(iHPRate, m_ControlPersonObj.GetMaxHP(), iSPRate, m_ControlPersonObj.GetMaxSP(),
                          changes.back());
    }
    results = std::move(changes);
    return 0;
}

DWORD JC_EventGroupCamp::Event_CampBeginStatic2(std::vector<JC_EventDealResultD>& results)
{
    results.clear();
    std::vector<JC_EventDealResultD> all;
    for (int iCamp = 0; iCamp < CAMP_COUNT; ++iCamp) {
        std::vector<JC_EventDealResultD> camp;
        const DWORD dwResult = RuleUpdateBehavior(iCamp, camp);
        if (dwResult != 0)
            return dwResult;
        all.insert(all.end(), camp.begin(), camp.end());
    }
    results = std::move(all);
    return 0;
}

DWORD JC_EventGroupCamp::RuleUpdateBehavior(int iCamp, std::vector<JC_EventDealResultD>& results)
{
    results.clear();
    std::vector<int> teamIDs;
    std::vector<JC_DataComponent*> persons;
    const DWORD dwResult = LogSearch(GetDesignatePersonObjFromTeam(iCamp, JD_EVENT_LIFE_ALIVE, teamIDs, persons));
    if (dwResult != 0)
        return dwResult;
    for (size_t i = 0; i < persons.size(); ++i) {
        results.emplace_back(teamIDs[i]);
        m_pBehaviorAnalyser->CountDownRoundBehaviors(persons[i]);
    }
    return 0;
}

DWORD JC_EventGroupCamp::ListTimedOut(const std::vector<int>& teamIDs, const std::vector<JC_DataComponent*>& persons,
                                      int (JC_ControlPersonPower::*pfnGet)(),
                                      void (JC_ControlPersonPower::*pfnSet)(int),
                                      std::vector<JC_EventDealResultE>& results)
{
    std::vector<JC_EventDealResultE> timedOut;
    for (size_t i = 0; i < persons.size(); ++i) {
        const DWORD dwResult = BindPerson(persons[i], s_szSourceFile);
        if (dwResult != 0)
            return dwResult;
        const int iLeft = (m_ControlPersonObj.*pfnGet)() - 1;
        (m_ControlPersonObj.*pfnSet)(iLeft);
        if (iLeft < 1)
            timedOut.emplace_back(teamIDs[i]);
    }
    results = std::move(timedOut);
    return 0;
}

DWORD JC_EventGroupCamp::Event_CampBeginStatic3(std::vector<JC_EventDealResultE>& results)
{
    return RuleSummonTimeOut(m_iCamp, results);
}

DWORD JC_EventGroupCamp::RuleSummonTimeOut(int iCamp, std::vector<JC_EventDealResultE>& results)
{
    results.clear();
    std::vector<int> teamIDs;
    std::vector<JC_DataComponent*> persons;
    const DWORD dwResult = LogSearch(GetDesignatePersonObjFromTeam(iCamp, teamIDs, persons));
    if (dwResult != 0)
        return dwResult;
    return ListTimedOut(teamIDs, persons, &JC_ControlPersonPower::GetSummonTime, &JC_ControlPersonPower::SetSummonTime,
                        results);
}

DWORD JC_EventGroupCamp::Event_CampEndStatic1()
{
    return RuleRestoreRAP(m_iCamp);
}

DWORD JC_EventGroupCamp::RuleRestoreRAP(int iCamp)
{
    std::vector<int> teamIDs;
    std::vector<JC_DataComponent*> persons;
    DWORD dwResult = LogSearch(GetDesignatePersonObjFromTeam(iCamp, JD_EVENT_ANY_LIFE, teamIDs, persons));
    if (dwResult != 0)
        return dwResult;
    for (JC_DataComponent* pPerson : persons) {
        dwResult = BindPerson(pPerson, s_szSourceFile);
        if (dwResult != 0)
            return dwResult;
        if (m_ControlPersonObj.GetLifeState() == JD_EVENT_LIFE_ALIVE)
            m_ControlPersonObj.SetRAP(m_ControlPersonObj.GetMaxRAP());
    }
    return 0;
}

DWORD JC_EventGroupCamp::Event_CampEndStatic2(std::vector<JC_EventDealResultE>& results)
{
    return RuleCorpseTimeOut(m_iCamp, results);
}

DWORD JC_EventGroupCamp::RuleCorpseTimeOut(int iCamp, std::vector<JC_EventDealResultE>& results)
{
    results.clear();
    std::vector<int> teamIDs;
    std::vector<JC_DataComponent*> persons;
    const DWORD dwResult = LogSearch(GetDesignatePersonObjFromTeam(iCamp, JD_EVENT_LIFE_DEAD, teamIDs, persons));
    if (dwResult != 0)
        return dwResult;
    return ListTimedOut(teamIDs, persons, &JC_ControlPersonPower::GetDieTime, &JC_ControlPersonPower::SetDieTime,
                        results);
}

#include "JC_DataManager/Event/JC_EventGroupPerson.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <algorithm>

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_NAME);
constexpr int CAMP_PLAYER = 0;
constexpr int CAMP_COMPUTER = 3;

// Field positions after Name and Script.
constexpr size_t FIRST_FIELD = 2;
constexpr size_t SECOND_FIELD = 3;
constexpr size_t THIRD_FIELD = 4;

int Number(const JC_StringArray& fields, size_t index)
{
    return JC_EventConditionList::ReadNumber(fields[index]);
}

} // namespace

DWORD JC_EventGroupPerson::EventClsAll()
{
    EventClsAll_FloorEvent();
    EventClsAll_WhoAttackWho();
    EventClsAll_HavePerson();
    EventClsAll_HPInRange();
    EventClsAll_IsDie();
    return EventClsAll_IsAllDie();
}

DWORD JC_EventGroupPerson::Event_StayDynamic(DWORD dwPersonTeamIndex, std::vector<JC_EventDealResultA>& results,
                                             BOOL bConsume)
{
    std::string strScript;
    const DWORD dwResult = EventCheck_FloorEvent(dwPersonTeamIndex, strScript, bConsume);
    return HandOutScript(dwResult, strScript, results);
}

DWORD JC_EventGroupPerson::Event_StayStatic2(DWORD dwPersonTeamIndex, std::vector<JC_EventDealResultB>& results)
{
    return EventCheck_StayRest(dwPersonTeamIndex, results);
}

DWORD JC_EventGroupPerson::Event_AttackStartDynamic(DWORD dwActivePersonTeamIndex, DWORD dwPassivePersonTeamIndex,
                                                    std::vector<JC_EventDealResultA>& results, BOOL bConsume)
{
    std::string strScript;
    const DWORD dwResult =
        EventCheck_WhoAttackWho(dwActivePersonTeamIndex, dwPassivePersonTeamIndex, strScript, bConsume);
    return HandOutScript(dwResult, strScript, results);
}

DWORD JC_EventGroupPerson::Event_AttackEndDynamic(std::vector<JC_EventDealResultA>& results, BOOL bConsume)
{
    std::string strScript;
    const DWORD dwResult = EventCheck_HavePerson(strScript, bConsume);
    return HandOutScript(dwResult, strScript, results);
}

DWORD JC_EventGroupPerson::Event_SpecialDynamic(std::vector<JC_EventDealResultA>& results, BOOL bConsume)
{
    std::string strScript;
    DWORD dwResult = EventCheck_HPInRange(strScript, bConsume);
    if (dwResult == 0 && strScript.empty())
        dwResult = EventCheck_IsDie(strScript, bConsume);
    if (dwResult == 0 && strScript.empty())
        dwResult = EventCheck_IsAllDie(CAMP_COMPUTER, strScript, bConsume);
    if (dwResult == 0 && strScript.empty())
        dwResult = EventCheck_IsAllDie(CAMP_PLAYER, strScript, bConsume);
    return HandOutScript(dwResult, strScript, results);
}

DWORD JC_EventGroupPerson::BindFightPerson(DWORD dwTeamIndex, bool bMustExist)
{
    if (m_pControlManager == nullptr)
        return JE_EVENTBASE_NULL_CONTROL_MANAGER;
    JC_DataComponent* pPerson = nullptr;
    const DWORD dwResult = m_pControlManager->m_ControlTeamObj.GetPersonFromTeam(
        TeamID::TEAMID_FIGHT, static_cast<int>(dwTeamIndex), pPerson);
    if (dwResult == JE_CONTROLTEAM_GET_EMPTY) {
        if (bMustExist) {
            ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                               " MustGetPersonFromFightTeam ButEmpty . \r\n TeamIndex:0x%08x \r\n HRESULT:0x%08x \r\n",
                               static_cast<unsigned>(dwTeamIndex), static_cast<unsigned>(dwResult));
        }
        return dwResult;
    }
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " GetPersonFromFightTeam Fail. \r\n TeamIndex:0x%08x \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwTeamIndex), static_cast<unsigned>(dwResult));
        return dwResult;
    }
    return BindPerson(pPerson, s_szSourceFile);
}

DWORD JC_EventGroupPerson::EventCheck_FloorEvent(DWORD dwTeamIndex, std::string& strScript, BOOL bConsume)
{
    strScript.clear();
    if (m_FloorEvent.IsEmpty())
        return 0;
    const DWORD dwResult = BindFightPerson(dwTeamIndex, true);
    if (dwResult != 0)
        return dwResult;
    JC_ControlScene& scene = m_pControlManager->m_ControlSceneObj;
    const int iFloor = m_ControlPersonObj.GetSceneFloorIndex();
    const int iIndexX = scene.GetIndexX(iFloor);
    const int iIndexZ = scene.GetIndexZ(iFloor);
    return m_FloorEvent.Check(
        [&](const JC_StringArray& fields, bool& bMet) {
            bMet = Number(fields, FIRST_FIELD) == static_cast<int>(dwTeamIndex) &&
                   Number(fields, SECOND_FIELD) == iIndexX && Number(fields, THIRD_FIELD) == iIndexZ;
            return DWORD{0};
        },
        strScript, bConsume);
}

DWORD JC_EventGroupPerson::EventCheck_WhoAttackWho(DWORD dwActiveTeamIndex, DWORD dwPassiveTeamIndex,
                                                   std::string& strScript, BOOL bConsume)
{
    return m_WhoAttackWho.Check(
        [&](const JC_StringArray& fields, bool& bMet) {
            bMet = Number(fields, FIRST_FIELD) == static_cast<int>(dwActiveTeamIndex) &&
                   Number(fields, SECOND_FIELD) == static_cast<int>(dwPassiveTeamIndex);
            return DWORD{0};
        },
        strScript, bConsume);
}

DWORD JC_EventGroupPerson::EventCheck_HavePerson(std::string& strScript, BOOL bConsume)
{
    strScript.clear();
    if (m_HavePerson.IsEmpty())
        return 0;
    if (m_pControlManager == nullptr)
        return JE_EVENTBASE_NULL_CONTROL_MANAGER;
    // The IDs of our team, read once for every condition.
    std::vector<DWORD> ourIDs;
    for (int p = 0; p < JC_ControlTeam::TEAM_INDEX_LIMIT; ++p) {
        JC_DataComponent* pPerson = nullptr;
        DWORD dwResult = m_pControlManager->m_ControlTeamObj.GetPersonFromTeam(TeamID::TEAMID_OUR, p, pPerson);
        if (dwResult == JE_CONTROLTEAM_GET_EMPTY)
            continue;
        if (dwResult != 0) {
            ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                               " GetPersonFromOurTeam Fail. \r\n TeamIndex:0x%08x \r\n HRESULT:0x%08x \r\n",
                               static_cast<unsigned>(p), static_cast<unsigned>(dwResult));
            return dwResult;
        }
        DWORD dwID = 0;
        dwResult = pPerson->GetItemValue("ID", &dwID);
        if (dwResult != 0) {
            ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                               " GetPersonItemData Fail. \r\n ItemName:\"ID\" \r\n HRESULT:0x%08x \r\n",
                               static_cast<unsigned>(dwResult));
            return dwResult;
        }
        ourIDs.push_back(dwID);
    }
    return m_HavePerson.Check(
        [&](const JC_StringArray& fields, bool& bMet) {
            const DWORD dwPersonID = static_cast<DWORD>(Number(fields, FIRST_FIELD));
            bMet = std::find(ourIDs.begin(), ourIDs.end(), dwPersonID) != ourIDs.end();
            return DWORD{0};
        },
        strScript, bConsume);
}

DWORD JC_EventGroupPerson::EventCheck_HPInRange(std::string& strScript, BOOL bConsume)
{
    return m_HPInRange.Check(
        [&](const JC_StringArray& fields, bool& bMet) {
            // A condition on an empty position waits; it hides none behind it.
            const DWORD dwResult = BindFightPerson(static_cast<DWORD>(Number(fields, FIRST_FIELD)), false);
            if (dwResult == JE_CONTROLTEAM_GET_EMPTY)
                return DWORD{0};
            if (dwResult != 0)
                return dwResult;
            const int iMaxHP = m_ControlPersonObj.GetMaxHP();
            if (iMaxHP <= 0)
                return DWORD{0};
            const int iPercent = static_cast<int>(static_cast<long long>(m_ControlPersonObj.GetHP()) * 100 / iMaxHP);
            bMet = Number(fields, SECOND_FIELD) <= iPercent && iPercent <= Number(fields, THIRD_FIELD);
            return DWORD{0};
        },
        strScript, bConsume);
}

DWORD JC_EventGroupPerson::EventCheck_IsDie(std::string& strScript, BOOL bConsume)
{
    return m_IsDie.Check(
        [&](const JC_StringArray& fields, bool& bMet) {
            const DWORD dwResult = BindFightPerson(static_cast<DWORD>(Number(fields, FIRST_FIELD)), false);
            if (dwResult == JE_CONTROLTEAM_GET_EMPTY) {
                bMet = true;
                return DWORD{0};
            }
            if (dwResult != 0)
                return dwResult;
            bMet = m_ControlPersonObj.GetLifeState() == JD_EVENT_LIFE_DEAD;
            return DWORD{0};
        },
        strScript, bConsume);
}

DWORD JC_EventGroupPerson::EventCheck_IsAllDie(int iCamp, std::string& strScript, BOOL bConsume)
{
    return m_IsAllDie.Check(
        [&](const JC_StringArray& fields, bool& bMet) {
            if (m_pBehaviorAnalyser == nullptr ||
                static_cast<int>(m_pBehaviorAnalyser->GetDefineInfo(fields[FIRST_FIELD])) != iCamp)
                return DWORD{0};
            std::vector<int> teamIDs;
            std::vector<JC_DataComponent*> persons;
            const DWORD dwResult = GetDesignatePersonObjFromTeam(iCamp, JD_EVENT_LIFE_ALIVE, teamIDs, persons);
            if (dwResult != 0) {
                ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                                   " GetDesignatePersonObjFromTeam Fail. \r\n Camp:0x%08x \r\n HRESULT:0x%08x \r\n",
                                   static_cast<unsigned>(iCamp), static_cast<unsigned>(dwResult));
                return dwResult;
            }
            bMet = persons.empty();
            return DWORD{0};
        },
        strScript, bConsume);
}

DWORD JC_EventGroupPerson::EventCheck_StayRest(DWORD dwTeamIndex, std::vector<JC_EventDealResultB>& results)
{
    results.clear();
    const DWORD dwResult = BindFightPerson(dwTeamIndex, true);
    if (dwResult != 0)
        return dwResult;
    const int iRAP = m_ControlPersonObj.GetRAP();
    JC_EventDealResultB rest(static_cast<int>(dwTeamIndex));
    rest.m_IsHPChange = 1;
    rest.m_IsSPChange = 1;
    rest.m_HPChange = (m_ControlPersonObj.GetMaxHP() / 100 + 1) * iRAP;
    rest.m_SPChange = (m_ControlPersonObj.GetMaxSP() / 100 + 1) * iRAP;
    m_ControlPersonObj.SetRAP(0);
    rest.m_HPRealChange = m_ControlPersonObj.AddHP(rest.m_HPChange);
    rest.m_SPRealChange = m_ControlPersonObj.AddSP(rest.m_SPChange);
    results.push_back(rest);
    return 0;
}

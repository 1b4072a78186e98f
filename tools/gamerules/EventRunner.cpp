#include "EventRunner.h"

#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Event/JC_EventManager.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int CAMP_COUNT = 4;
constexpr int TEAM_INDEX_LIMIT = 1024;

void Print(const std::string& strWhere, const std::vector<JC_EventDealResultA>& results)
{
    for (const JC_EventDealResultA& result : results)
        std::printf("%s m_EventKind=%d m_ScriptName=%s\n", strWhere.c_str(), result.m_EventKind,
                    result.m_ScriptName.c_str());
}

void Print(const std::string& strWhere, const std::vector<JC_EventDealResultB>& results)
{
    for (const JC_EventDealResultB& r : results)
        std::printf("%s m_EventKind=%d m_TeamID=%d m_IsHPChange=%d m_IsSPChange=%d m_HPChange=%d m_HPRealChange=%d "
                    "m_SPChange=%d m_SPRealChange=%d m_IsDie=%d m_IsHaveBody=%d\n",
                    strWhere.c_str(), r.m_EventKind, r.m_TeamID, r.m_IsHPChange, r.m_IsSPChange, r.m_HPChange,
                    r.m_HPRealChange, r.m_SPChange, r.m_SPRealChange, r.m_IsDie, r.m_IsHaveBody);
}

template <typename Result>
void Print(const std::string& strWhere, const std::vector<Result>& results)
{
    for (const Result& result : results)
        std::printf("%s m_EventKind=%d m_TeamID=%d\n", strWhere.c_str(), result.m_EventKind, result.m_TeamID);
}

// A whole decimal number, or -1.
int ReadIndex(const std::string& strField)
{
    if (strField.empty() || strField.size() > 9 || strField.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::atoi(strField.c_str());
}

// The first failing code of a moment's events.
DWORD FirstFailure(DWORD dwSoFar, DWORD dwResult)
{
    return dwSoFar != 0 ? dwSoFar : dwResult;
}

} // namespace

EventRunner::EventRunner(JC_DataManager& data, JC_ControlManager& controls, JC_EventManager& events,
                         JC_DebugLog& log, const std::string& strSetupFile)
    : m_Data(data), m_Controls(controls), m_Events(events), m_Log(log), m_strSetupFile(strSetupFile)
{
}

DWORD EventRunner::Deal(const std::string& strText)
{
    const size_t iComma = strText.find(',');
    const std::string strMoment = strText.substr(0, iComma);
    const std::string strArgument = iComma != std::string::npos ? strText.substr(iComma + 1) : "";
    if (strMoment == "CampTurnStart" || strMoment == "CampTurnEnd") {
        const int iCamp = ReadCamp(strArgument);
        if (iCamp < 0)
            return BadLine(strText, "CAMP is neither 0..3 nor a camp define key");
        const std::string strWhere = "setup camp " + std::to_string(iCamp);
        return strMoment == "CampTurnStart" ? CampTurnStart(iCamp, strWhere) : CampTurnEnd(iCamp, strWhere);
    }
    if (strMoment == "PersonEvents") {
        const int iTeamIndex = ReadIndex(strArgument);
        if (iTeamIndex < 0 || iTeamIndex >= TEAM_INDEX_LIMIT)
            return BadLine(strText, "TEAM_INDEX is not 0..1023");
        return PersonEvents(iTeamIndex, "setup person " + std::to_string(iTeamIndex));
    }
    return BadLine(strText, "no such moment (CampTurnStart, CampTurnEnd or PersonEvents)");
}

DWORD EventRunner::CampTurnStart(int iCamp, const std::string& strWhere)
{
    JC_EventGroupCamp& camp = *m_Events.GetEventGroupCamp(iCamp);
    std::vector<JC_EventDealResultA> scripts;
    std::vector<JC_EventDealResultB> changes;
    std::vector<JC_EventDealResultD> updates;
    std::vector<JC_EventDealResultE> leaving;
    DWORD dwResult = camp.Event_CampBeginDynamic(scripts, 1);
    Print(strWhere, scripts);
    dwResult = FirstFailure(dwResult, camp.Event_CampBeginStatic1(changes));
    Print(strWhere, changes);
    dwResult = FirstFailure(dwResult, camp.Event_CampBeginStatic2(updates));
    Print(strWhere, updates);
    dwResult = FirstFailure(dwResult, camp.Event_CampBeginStatic3(leaving));
    Print(strWhere, leaving);
    return dwResult;
}

DWORD EventRunner::CampTurnEnd(int iCamp, const std::string& strWhere)
{
    JC_EventGroupCamp& camp = *m_Events.GetEventGroupCamp(iCamp);
    std::vector<JC_EventDealResultE> leaving;
    DWORD dwResult = camp.Event_CampEndStatic1();
    dwResult = FirstFailure(dwResult, camp.Event_CampEndStatic2(leaving));
    Print(strWhere, leaving);
    return dwResult;
}

DWORD EventRunner::PersonEvents(int iTeamIndex, const std::string& strWhere)
{
    JC_EventGroupPerson& person = m_Events.m_EventGroupPersonObj;
    std::vector<JC_EventDealResultA> scripts;
    std::vector<JC_EventDealResultB> changes;
    DWORD dwResult = person.Event_StayDynamic(static_cast<DWORD>(iTeamIndex), scripts, 1);
    Print(strWhere, scripts);
    dwResult = FirstFailure(dwResult, person.Event_StayStatic2(static_cast<DWORD>(iTeamIndex), changes));
    Print(strWhere, changes);
    return dwResult;
}

void EventRunner::PlayRounds(int iRounds)
{
    JC_EventGroupScene& scene = m_Events.m_EventGroupSceneObj;
    scene.Event_NPCInitiation();
    for (int iRound = 1; iRound <= iRounds; ++iRound) {
        const std::string strRound = "round " + std::to_string(iRound);
        const std::string strWhere = strRound + " scene";
        m_Controls.m_ControlSceneObj.SetTurn(iRound);
        scene.Event_RoundSave();
        std::vector<JC_EventDealResultA> scripts;
        scene.Event_RoundBeginDynamic(scripts, 1);
        Print(strWhere, scripts);
        for (int iCamp = 0; iCamp < CAMP_COUNT; ++iCamp) {
            const std::string strCamp = strRound + " camp " + std::to_string(iCamp);
            CampTurnStart(iCamp, strCamp);
            CampTurnEnd(iCamp, strCamp);
        }
        m_Events.m_EventGroupPersonObj.Event_SpecialDynamic(scripts, 1);
        Print(strWhere, scripts);
        std::vector<JC_EventDealResultB> changes;
        scene.Event_RoundEndStatic(changes);
        Print(strWhere, changes);
    }
}

int EventRunner::ReadCamp(const std::string& strField) const
{
    int iCamp = ReadIndex(strField);
    if (iCamp < 0 && !strField.empty())
        iCamp = static_cast<int>(m_Data.GetDefineInfo(strField));
    return iCamp >= 0 && iCamp < CAMP_COUNT ? iCamp : -1;
}

DWORD EventRunner::BadLine(const std::string& strText, const char* szWhy) const
{
    m_Log.Print("%s: \"EventRun,%s\": %s\r\n", m_strSetupFile.c_str(), strText.c_str(), szWhy);
    return JE_EVENTRUN_BAD_LINE;
}

#pragma once

// The battle's event moments run one at a time, printing every event result
// by field name: a camp's turn start and end, one person's events, whole
// rounds. As the "EventRun" script function, set-up files call the single
// moments:
//   EventRun,CampTurnStart,CAMP        the four turn-start events of a camp
//   EventRun,CampTurnEnd,CAMP          the two turn-end events of a camp
//   EventRun,PersonEvents,TEAM_INDEX   the floor event and the rest rule of
//                                      the fight-team person at TEAM_INDEX
// CAMP is 0..3 or a camp define key ("DF_Camp_Player"); TEAM_INDEX 0..1023.

#include "JC_Script/JI_ScriptNotify.h"

#include <string>

class JC_ControlManager;
class JC_DataManager;
class JC_DebugLog;
class JC_EventManager;

// A line of "EventRun" that names no moment or a bad camp or person.
constexpr DWORD JE_EVENTRUN_BAD_LINE = 0x8969f004;

class EventRunner : public JI_ScriptNotify
{
public:
    // strSetupFile names the set-up file in the log lines of its bad lines.
    EventRunner(JC_DataManager& data, JC_ControlManager& controls, JC_EventManager& events, JC_DebugLog& log,
                const std::string& strSetupFile);

    DWORD Deal(const std::string& strText) override;

    // Scene start, then ROUNDS rounds of the scene's round start, the four
    // camps' turns with no orders, the special events and the round end.
    void PlayRounds(int iRounds);

private:
    DWORD CampTurnStart(int iCamp, const std::string& strWhere);
    DWORD CampTurnEnd(int iCamp, const std::string& strWhere);
    DWORD PersonEvents(int iTeamIndex, const std::string& strWhere);
    // A camp number or define key; -1 for anything else.
    int ReadCamp(const std::string& strField) const;
    DWORD BadLine(const std::string& strText, const char* szWhy) const;

    JC_DataManager& m_Data;
    JC_ControlManager& m_Controls;
    JC_EventManager& m_Events;
    JC_DebugLog& m_Log;
    const std::string m_strSetupFile;
};

// gamerules.exe events GAME_FOLDER SCRIPT_FILE OUT_FOLDER ROUNDS [--seed N]
//
// Runs the set-up script on the game folder's save state, then plays the
// rounds: at each round's start the scene's save and thing events, then the
// four camps' turns with no orders, then the round's end. Every event result
// is printed by field name; the event log and the save state go to OUT_FOLDER.

#include "GameRulesModes.h"
#include "GameRulesSession.h"

#include "JC_Script/JC_ScriptManager.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int CAMP_COUNT = 4;
// Lines the set-up script may run before it is taken for a loop.
constexpr int SCRIPT_LINE_BUDGET = 100000;

void Print(const char* szWhere, const std::vector<JC_EventDealResultA>& results)
{
    for (const JC_EventDealResultA& result : results)
        std::printf("%s m_EventKind=%d m_ScriptName=%s\n", szWhere, result.m_EventKind, result.m_ScriptName.c_str());
}

void Print(const char* szWhere, const std::vector<JC_EventDealResultB>& results)
{
    for (const JC_EventDealResultB& r : results)
        std::printf("%s m_EventKind=%d m_TeamID=%d m_IsHPChange=%d m_IsSPChange=%d m_HPChange=%d m_HPRealChange=%d "
                    "m_SPChange=%d m_SPRealChange=%d m_IsDie=%d m_IsHaveBody=%d\n",
                    szWhere, r.m_EventKind, r.m_TeamID, r.m_IsHPChange, r.m_IsSPChange, r.m_HPChange, r.m_HPRealChange,
                    r.m_SPChange, r.m_SPRealChange, r.m_IsDie, r.m_IsHaveBody);
}

template <typename Result>
void Print(const char* szWhere, const std::vector<Result>& results)
{
    for (const Result& result : results)
        std::printf("%s m_EventKind=%d m_TeamID=%d\n", szWhere, result.m_EventKind, result.m_TeamID);
}

void PlayCampTurn(JC_EventGroupCamp& camp, int iRound)
{
    char szWhere[64];
    std::snprintf(szWhere, sizeof(szWhere), "round %d camp %d", iRound, camp.GetCamp());
    std::vector<JC_EventDealResultA> scripts;
    std::vector<JC_EventDealResultB> changes;
    std::vector<JC_EventDealResultD> updates;
    std::vector<JC_EventDealResultE> leaving;
    camp.Event_CampBeginDynamic(scripts, 1);
    Print(szWhere, scripts);
    camp.Event_CampBeginStatic1(changes);
    Print(szWhere, changes);
    camp.Event_CampBeginStatic2(updates);
    Print(szWhere, updates);
    camp.Event_CampBeginStatic3(leaving);
    Print(szWhere, leaving);
    camp.Event_CampEndStatic1();
    camp.Event_CampEndStatic2(leaving);
    Print(szWhere, leaving);
}

void PlayRounds(JC_ControlManager& controls, JC_EventManager& events, int iRounds)
{
    JC_EventGroupScene& scene = events.m_EventGroupSceneObj;
    scene.Event_NPCInitiation();
    for (int iRound = 1; iRound <= iRounds; ++iRound) {
        char szWhere[64];
        std::snprintf(szWhere, sizeof(szWhere), "round %d scene", iRound);
        controls.m_ControlSceneObj.SetTurn(iRound);
        scene.Event_RoundSave();
        std::vector<JC_EventDealResultA> scripts;
        scene.Event_RoundBeginDynamic(scripts, 1);
        Print(szWhere, scripts);
        for (int iCamp = 0; iCamp < CAMP_COUNT; ++iCamp)
            PlayCampTurn(*events.GetEventGroupCamp(iCamp), iRound);
        events.m_EventGroupPersonObj.Event_SpecialDynamic(scripts, 1);
        Print(szWhere, scripts);
        std::vector<JC_EventDealResultB> changes;
        scene.Event_RoundEndStatic(changes);
        Print(szWhere, changes);
    }
}

} // namespace

int RunEvents(int argc, char** argv)
{
    if (argc != 6 && argc != 8)
        return Usage();
    const int iRounds = std::atoi(argv[5]);
    if (iRounds < 0 || iRounds > 10000 || !SeedDice(argc, argv, 6))
        return Usage();

    GameRulesSession session;
    DWORD dwResult = session.Open(argv[2], argv[4]);
    if (dwResult != 0)
        return session.Fail("loading the game data", dwResult);
    JC_ControlManager& controls = session.GetControls();
    JC_EventManager& events = session.GetEvents();

    JC_ScriptManager& scripts = *gp_ScriptManagerObj;
    std::string strScript;
    if (!ReadInputFile(argv[3], strScript))
        return session.Fail("reading SCRIPT_FILE", 1);
    if ((dwResult = scripts.LoadScript(strScript.data(), static_cast<DWORD>(strScript.size()))) != 0)
        return session.Fail("loading SCRIPT_FILE", dwResult);
    dwResult = scripts.Update(SCRIPT_LINE_BUDGET);
    std::printf("setup result=0x%08x\n", static_cast<unsigned>(dwResult));

    PlayRounds(controls, events, iRounds);
    if ((dwResult = session.WriteSaveState()) != 0)
        return session.Fail("writing the save state", dwResult);
    return 0;
}

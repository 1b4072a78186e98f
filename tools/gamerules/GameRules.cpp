// gamerules.exe events GAME_FOLDER SCRIPT_FILE OUT_FOLDER ROUNDS [--seed N]
//
// Runs the set-up script on the game folder's save state (its "EventManager",
// "ControlTeam", "ControlWarehouse" and "ControlGame" lines), then plays the
// rounds: at each round's start the scene's save and thing events, then the
// four camps' turns with no orders, then the round's end. Every event result
// is printed by field name; the event log goes to OUT_FOLDER.

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Event/JC_EventManager.h"
#include "JC_Script/DealScript/JC_ScriptDealEvent.h"
#include "JC_Script/DealScript/JC_ScriptDealGame.h"
#include "JC_Script/DealScript/JC_ScriptDealTeam.h"
#include "JC_Script/DealScript/JC_ScriptDealWarehouse.h"
#include "JC_Script/JC_ScriptManager.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int CAMP_COUNT = 4;
// Set-up scripts are small; a larger file is refused.
constexpr std::streamoff MAX_SCRIPT_BYTES = 1 << 20;
// Lines the set-up script may run before it is taken for a loop.
constexpr int SCRIPT_LINE_BUDGET = 100000;

int Usage()
{
    std::fprintf(stderr, "usage: gamerules.exe events GAME_FOLDER SCRIPT_FILE OUT_FOLDER ROUNDS [--seed N]\n");
    return 2;
}

int Fail(const char* szWhat, DWORD dwResult)
{
    std::fprintf(stderr, "gamerules: %s failed: 0x%08x\n", szWhat, static_cast<unsigned>(dwResult));
    return 1;
}

std::string WithSeparator(std::string strFolder)
{
    if (!strFolder.empty() && strFolder.back() != '\\' && strFolder.back() != '/')
        strFolder += '\\';
    return strFolder;
}

bool ReadScript(const std::string& strFile, std::string& strScript)
{
    std::ifstream file(strFile, std::ios::binary | std::ios::ate);
    if (!file)
        return false;
    const std::streamoff size = file.tellg();
    if (size < 0 || size > MAX_SCRIPT_BYTES)
        return false;
    strScript.resize(static_cast<size_t>(size));
    file.seekg(0);
    return static_cast<bool>(file.read(strScript.data(), size));
}

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

int main(int argc, char** argv)
{
    if (argc != 6 && argc != 8)
        return Usage();
    if (std::string(argv[1]) != "events")
        return Usage();
    const int iRounds = std::atoi(argv[5]);
    if (iRounds < 0 || iRounds > 10000)
        return Usage();
    unsigned uSeed = 1;
    if (argc == 8) {
        if (std::string(argv[6]) != "--seed")
            return Usage();
        uSeed = static_cast<unsigned>(std::strtoul(argv[7], nullptr, 10));
    }
    std::srand(uSeed);

    const std::string strGame = WithSeparator(argv[2]);
    const std::string strOut = WithSeparator(argv[4]);
    CreateDirectoryA(strOut.c_str(), nullptr);
    JC_DebugLog log;
    if (log.OpenLogFile((strOut + "gamerules.log").c_str(), 1, FILE_SHARE_READ) != 0)
        return Fail("opening the log in OUT_FOLDER", 1);

    JC_DataManager data;
    JC_BehaviorAnalyser analyser;
    JC_ControlManager controls;
    JC_EventManager events;
    DWORD dwResult = data.Initiation(strGame, &log);
    if (dwResult == 0)
        dwResult = data.InitFixedData(1);
    if (dwResult == 0)
        dwResult = data.InitUnfixedData(0);
    if (dwResult == 0)
        dwResult = data.InitModuleData();
    if (dwResult != 0)
        return Fail("loading the game data", dwResult);
    if ((dwResult = analyser.Initiation(&data)) != 0 || (dwResult = controls.Initiation(&data, &analyser)) != 0 ||
        (dwResult = events.Initiation(&controls)) != 0)
        return Fail("initiating the controls and events", dwResult);

    JC_ScriptManager& scripts = *gp_ScriptManagerObj;
    if ((dwResult = scripts.Initiation(strGame, &data)) != 0)
        return Fail("initiating the script manager", dwResult);
    JC_ScriptDealEvent dealEvent;
    JC_ScriptDealTeam dealTeam;
    JC_ScriptDealWarehouse dealWarehouse;
    JC_ScriptDealGame dealGame;
    if ((dwResult = dealEvent.Initiation(&events)) != 0 ||
        (dwResult = dealTeam.Initiation(&controls.m_ControlTeamObj)) != 0 ||
        (dwResult = dealWarehouse.Initiation(&controls.m_ControlWarehouseObj)) != 0 ||
        (dwResult = dealGame.Initiation(&controls.m_ControlGameObj)) != 0)
        return Fail("initiating the script handlers", dwResult);
    scripts.AddFunction("EventManager", &dealEvent);
    scripts.AddFunction("ControlTeam", &dealTeam);
    scripts.AddFunction("ControlWarehouse", &dealWarehouse);
    scripts.AddFunction("ControlGame", &dealGame);

    std::string strScript;
    if (!ReadScript(argv[3], strScript))
        return Fail("reading SCRIPT_FILE", 1);
    if ((dwResult = scripts.LoadScript(strScript.data(), static_cast<DWORD>(strScript.size()))) != 0)
        return Fail("loading SCRIPT_FILE", dwResult);
    dwResult = scripts.Update(SCRIPT_LINE_BUDGET);
    std::printf("setup result=0x%08x\n", static_cast<unsigned>(dwResult));

    PlayRounds(controls, events, iRounds);
    return 0;
}

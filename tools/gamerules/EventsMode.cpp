// gamerules.exe events GAME_FOLDER SCRIPT_FILE OUT_FOLDER ROUNDS [--seed N]
//
// Seeds the dice, runs the set-up script on the game folder's save state,
// printing each line with its result (its "EventRun" lines run single event
// moments), then plays the rounds: at each round's start the scene's save
// and thing events, then the four camps' turns with no orders, then the
// round's end. Every event result is printed by field name; the event log
// and the save state go to OUT_FOLDER.

#include "EventRunner.h"
#include "GameRulesModes.h"
#include "GameRulesSession.h"

#include "JC_Script/JC_ScriptManager.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Lines the set-up script may run before it is taken for a loop.
constexpr int SCRIPT_LINE_BUDGET = 100000;

} // namespace

int RunEvents(int argc, char** argv)
{
    if (argc != 6 && argc != 8)
        return Usage();
    const int iRounds = std::atoi(argv[5]);
    unsigned uSeed = 0;
    if (iRounds < 0 || iRounds > 10000 || !ReadSeed(argc, argv, 6, uSeed))
        return Usage();

    GameRulesSession session;
    DWORD dwResult = session.Open(argv[2], argv[4]);
    if (dwResult != 0)
        return session.Fail("loading the game data", dwResult);
    EventRunner runner(session.GetData(), session.GetControls(), session.GetEvents(), session.GetLog(), argv[3]);

    JC_ScriptManager& scripts = *gp_ScriptManagerObj;
    if ((dwResult = scripts.AddFunction("EventRun", &runner)) != 0)
        return session.Fail("registering EventRun", dwResult);
    std::string strScript;
    if (!ReadInputFile(argv[3], strScript))
        return session.Fail("reading SCRIPT_FILE", 1);
    scripts.SetLineTrace([](const std::string& strLine, DWORD dwLineResult) {
        std::printf("setup %s %s\n", ResultText(dwLineResult).c_str(), strLine.c_str());
    });
    std::srand(uSeed);
    if ((dwResult = scripts.LoadScript(strScript.data(), static_cast<DWORD>(strScript.size()))) != 0)
        return session.Fail("loading SCRIPT_FILE", dwResult);
    dwResult = scripts.Update(SCRIPT_LINE_BUDGET);
    scripts.SetLineTrace(nullptr);
    std::printf("setup result=%s\n", ResultText(dwResult).c_str());

    runner.PlayRounds(iRounds);
    if ((dwResult = session.WriteSaveState()) != 0)
        return session.Fail("writing the save state", dwResult);
    return 0;
}

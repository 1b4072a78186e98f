// gamerules.exe script GAME_FOLDER SCRIPT_FILE OUT_FOLDER [--seed N]
//
// Runs a game script to its end on the game folder's new game (the save
// state the data layer's build loads), with every script handler of the data
// layer registered. The game shell's and the battle's functions ("Game",
// "Battle") have no game to act on here: their lines only answer 0; any other
// unknown function answers with the unknown-function code. Each line the
// script runs is printed with its result; the save state goes to OUT_FOLDER.
// Exits 1 with the first failing line's code when a line failed.

#include "GameRulesModes.h"
#include "GameRulesSession.h"

#include "JC_Script/JC_ScriptManager.h"
#include "JC_Script/JI_ScriptNotify.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Every pass takes a line at least; a script that has not ended after this
// many is taken for a runaway.
constexpr int MAX_PASSES = 100000;

bool IsFailure(DWORD dwResult)
{
    return (dwResult & 0x80000000) != 0;
}

// A function of the game or the battle, which the tool does not run: the
// line trace prints its lines, and each answers 0.
class AcceptedFunction : public JI_ScriptNotify
{
public:
    DWORD Deal(const std::string&) override { return 0; }
};

} // namespace

int RunScript(int argc, char** argv)
{
    unsigned uSeed = 0;
    if ((argc != 5 && argc != 7) || !ReadSeed(argc, argv, 5, uSeed))
        return Usage();

    GameRulesSession session;
    DWORD dwResult = session.Open(argv[2], argv[4]);
    if (dwResult != 0)
        return session.Fail("building the data layer", dwResult);
    std::string strScript;
    if (!ReadInputFile(argv[3], strScript))
        return session.Fail("reading SCRIPT_FILE", 1);

    JC_ScriptManager& scripts = *gp_ScriptManagerObj;
    AcceptedFunction gameFunction;
    AcceptedFunction battleFunction;
    scripts.AddFunction("Game", &gameFunction);
    scripts.AddFunction("Battle", &battleFunction);
    DWORD dwFirstFailure = 0;
    scripts.SetLineTrace([&dwFirstFailure](const std::string& strLine, DWORD dwLineResult) {
        std::printf("%s %s\n", ResultText(dwLineResult).c_str(), strLine.c_str());
        if (IsFailure(dwLineResult) && dwFirstFailure == 0)
            dwFirstFailure = dwLineResult;
    });
    std::srand(uSeed);
    if ((dwResult = scripts.LoadScript(strScript.data(), static_cast<DWORD>(strScript.size()))) != 0)
        return session.Fail("loading SCRIPT_FILE", dwResult);
    // "Stop" ends a pass where the game would wait for the next frame.
    for (int iPass = 0; scripts.IsScriptLoaded(); ++iPass) {
        if (iPass == MAX_PASSES)
            return session.Fail("running SCRIPT_FILE to its end", JS_SCRIPT_STOP);
        scripts.UpdateAll();
    }
    scripts.SetLineTrace(nullptr);
    scripts.DelFunction("Game");
    scripts.DelFunction("Battle");

    if ((dwResult = session.WriteSaveState()) != 0)
        return session.Fail("writing the save state", dwResult);
    if (dwFirstFailure != 0)
        return session.Fail("a line of SCRIPT_FILE", dwFirstFailure);
    return 0;
}

// gamerules.exe: the game's rules run headless on a game folder, for data
// designers and tests. Each mode prints what it resolved by field name.

#include "GameRulesModes.h"

#include <cstdio>
#include <string>

int Usage()
{
    std::fprintf(stderr, "usage: gamerules.exe events GAME_FOLDER SCRIPT_FILE OUT_FOLDER ROUNDS [--seed N]\n"
                         "       gamerules.exe script GAME_FOLDER SCRIPT_FILE OUT_FOLDER [--seed N]\n"
                         "       gamerules.exe order GAME_FOLDER ORDER_FILE OUT_FOLDER [--seed N]\n");
    return 2;
}

int main(int argc, char** argv)
{
    const std::string strMode = argc > 1 ? argv[1] : "";
    if (strMode == "events")
        return RunEvents(argc, argv);
    if (strMode == "script")
        return RunScript(argc, argv);
    if (strMode == "order")
        return RunOrder(argc, argv);
    return Usage();
}

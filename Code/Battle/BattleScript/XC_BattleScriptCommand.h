#pragma once

#include "Code/XC_GameScriptCommand.h"

// The command set of battle scripts: the game's commands, '#' values that
// read the battle floor and its persons, and commands that push persons
// over the floor, count hits and refresh a person's life state.
class XC_BattleScriptCommand : public XC_GameScriptCommand
{
public:
    XC_BattleScriptCommand();
    ~XC_BattleScriptCommand() override;
};

// The battle command set every battle script takes, a static object.
extern XC_BattleScriptCommand* g_pBattleScriptCommandObj;

#pragma once

#include "GameProgram/Script/XC_ScriptCommand.h"

class XI_GameMedia;

// The game's command set: every command of the engine and those that reach
// the game shell (video, game scripts, music volume). The dialogue and the
// battle command sets derive from it.
class XC_GameScriptCommand : public XC_ScriptCommand
{
public:
    XC_GameScriptCommand();
    ~XC_GameScriptCommand() override;

    // The game object whose players the commands use; null while there is none.
    static void SetGame(XI_GameMedia* pGame) { s_pGame = pGame; }
    static XI_GameMedia* GetGame() { return s_pGame; }

private:
    static XI_GameMedia* s_pGame;
};

#pragma once

#include "Code/XC_GameScriptCommand.h"

// The command set of dialogue scripts: the game's commands and those that
// fill a dialogue box from the running dialogue script's lines and persons,
// and walk battle persons.
class XC_DialogueScriptCommand : public XC_GameScriptCommand
{
public:
    XC_DialogueScriptCommand();
    ~XC_DialogueScriptCommand() override;
};

// The dialogue command set every dialogue script takes, a static object.
extern XC_DialogueScriptCommand* g_pDialogueScriptCommandObj;

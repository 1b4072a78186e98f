#pragma once

#include "JC_Script/JI_ScriptNotify.h"

#include <windows.h>

#include <string>

class XC_Strtok;

// The "Game" script function: game-script lines reach the game shell's
// background music, videos, dialogues and procedure switch through it.
class XC_GameScriptNotify : public JI_ScriptNotify
{
public:
    XC_GameScriptNotify() = default;
    ~XC_GameScriptNotify() override = default;

    // Registers "Game" with the game-script manager; E_FAIL without one.
    HRESULT Init();
    HRESULT Fini();
    DWORD Deal(const std::string& strText) override;

private:
    HRESULT HandleBackgroundMusic(XC_Strtok& words);
    HRESULT HandleShowVideo(XC_Strtok& words);
    HRESULT HandleDialogueScript(XC_Strtok& words);
    HRESULT HandleChangeProcedure(XC_Strtok& words);
};

extern XC_GameScriptNotify* g_pGameScriptNotify;

#pragma once

#include "Code/XC_Game.h"
#include "Code/XC_GameProcedure.h"
#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/Scene/XC_Mouse.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_Module/JC_Option/JC_OptionModuleDocument.h"

// A procedure that owns the option screen, as the world map and the battle
// do: it creates and initiates the document and deletes it at its end; its
// user opens the screen over it. Its frame is a plain colour, which the
// thumbnail shows. Header only, for the programs that link the screens.
class OptionScreenOwner : public XC_GameProcedure
{
public:
    // An id no procedure of the game uses.
    static constexpr int PROCEDURE_ID = 91;
    static constexpr DWORD BACKGROUND_COLOR = 0xFF806040;

    static XC_GameProcedure* Create() { return new OptionScreenOwner; }

    HRESULT Init() override
    {
        g_pGame->SetBackgroundColor(BACKGROUND_COLOR);
        g_pOptionModuleDocument = new JC_OptionModuleDocument;
        const DWORD dwResult = g_pOptionModuleDocument->Initiation(g_pGame->GetModuleManager(), g_pMouseStateObj,
                                                                   g_pMouseObj, gp_ControlManagerObj);
        return dwResult == 0 ? S_OK : E_FAIL;
    }

    HRESULT Fini() override
    {
        delete g_pOptionModuleDocument;
        g_pOptionModuleDocument = nullptr;
        return S_OK;
    }
};

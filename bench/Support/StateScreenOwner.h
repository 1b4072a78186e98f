#pragma once

#include "Code/XC_Game.h"
#include "Code/XC_GameProcedure.h"
#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/Scene/XC_Mouse.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_Module/JC_State/JC_StateModuleDocument.h"

// A procedure that owns the character state screen, as the world map does:
// it creates and initiates the document and deletes it at its end; its user
// sets the team and the person and opens the screen over it. Header only,
// for the programs that link the screens.
class StateScreenOwner : public XC_GameProcedure
{
public:
    // An id no procedure of the game uses.
    static constexpr int PROCEDURE_ID = 92;
    static constexpr DWORD BACKGROUND_COLOR = 0xFF406080;

    static XC_GameProcedure* Create() { return new StateScreenOwner; }

    HRESULT Init() override
    {
        g_pGame->SetBackgroundColor(BACKGROUND_COLOR);
        g_pStateModuleDocumentObj = new JC_StateModuleDocument;
        const DWORD dwResult = g_pStateModuleDocumentObj->Initiation(g_pGame->GetModuleManager(), g_pMouseStateObj,
                                                                     g_pMouseObj, gp_ControlManagerObj);
        return dwResult == 0 ? S_OK : E_FAIL;
    }

    HRESULT Fini() override
    {
        delete g_pStateModuleDocumentObj;
        g_pStateModuleDocumentObj = nullptr;
        return S_OK;
    }
};

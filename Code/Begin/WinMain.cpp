#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/XC_GameProcedure_Battle.h"
#include "Code/Begin/XC_DirectXVersion.h"
#include "Code/Begin/XF_MakeGame.h"
#include "Code/XC_Game.h"
#include "Code/XC_GameListFile.h"
#include "Code/XC_GameProcedureFactory.h"
#include "Code/XC_UnattendedRun.h"
#include "JC_Module/JC_WorldMap/JC_WorldMapProcedure.h"

#include <windows.h>

// The program's entry: checks DirectX, registers the procedures of every
// library and runs the game object. "-unattended SEED" switches every box off
// and fixes the random seed (see the README).
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR szCommandLine, int)
{
    XC_UnattendedRun::Parse(szCommandLine);
    if (XC_DirectXVersion::Query() < XC_DirectXVersion::DX_VERSION_REQUIRED) {
        XC_UnattendedRun::ShowBox("DirectX 9.0c not installed", "DirectX Version:", MB_OK);
        return 0;
    }
    XC_GameProcedureFactory::RegisterShellProcedures();
    XC_GameProcedure_Battle::RegisterProcedures();
    JC_WorldMapProcedure::Register();
    XC_GameListFile::SetStateScriptLoader(&XC_GamePerson::LoadStateScriptName);

    const std::unique_ptr<XC_Game> pGame = XF_MakeGame();
    if (FAILED(pGame->Create(hInstance)))
        return 0;
    return static_cast<int>(pGame->Run());
}

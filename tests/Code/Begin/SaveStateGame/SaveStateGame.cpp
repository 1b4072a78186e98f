#include "tests/Code/Begin/SaveStateGame/SaveStateGame.h"

#include "Code/Begin/XF_MakeGame.h"
#include "tools/gamerules/SaveStateFiles.h"

#include <string>

HRESULT SaveStateGame::FinalCleanup()
{
    const std::string strFolder = std::string(GetGamePath()) + FOLDER;
    CreateDirectoryA(strFolder.c_str(), nullptr);
    const DWORD dwResult = JF_WriteSaveState(strFolder);
    if (dwResult != 0)
        OutputDebugStringA(("SaveStateGame: writing the save state failed: " + std::to_string(dwResult) + "\n").c_str());
    return XC_Game::FinalCleanup();
}

std::unique_ptr<XC_Game> XF_MakeGame()
{
    return std::make_unique<SaveStateGame>();
}

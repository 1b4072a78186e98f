#pragma once

#include "Code/XC_Game.h"

// The game of the test build: when it ends, before the data layer goes, it
// writes the save state into the game folder's "TestSaveState\", as
// `gamerules` writes it, so that a played test reads what the play left.
// The game itself never saves.
class SaveStateGame : public XC_Game
{
public:
    static constexpr const char* FOLDER = "TestSaveState\\";

protected:
    HRESULT FinalCleanup() override;
};

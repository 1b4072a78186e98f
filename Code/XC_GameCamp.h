#pragma once

#include <windows.h>

// Which camps the player commands; the others are run by the computer.
// Read from the game-parameter file at start-up; the battle reads the fields.
class XC_GameCamp
{
public:
    XC_GameCamp() = default;
    virtual ~XC_GameCamp() = default;

    DWORD bControlCampPlayer = 1;
    DWORD bControlCampPartner = 0;
    DWORD bControlCampNatural = 0;
    DWORD bControlCampComputer = 0;
};

extern XC_GameCamp* g_pGameCamp;

#pragma once

#include "Code/XC_Game.h"

#include <windows.h>

#include <string>

// The real game object on a windowed device, paused so that only the
// benchmark drives its procedures and frames. Header only, for the programs
// that link the game.
class BenchGame : public XC_Game
{
public:
    explicit BenchGame(const std::string& strFolder)
    {
        lstrcpynA(m_szGamePath, strFolder.c_str(), MAX_PATH);
        m_bWindowed = TRUE;
    }
    ~BenchGame() override
    {
        if (m_hWnd != nullptr)
            Shutdown(m_hWnd);
    }
    bool Start()
    {
        if (FAILED(Create(GetModuleHandleA(nullptr))))
            return false;
        Pause(TRUE);
        return true;
    }
    bool Open(int iProcedureID) { return _ChangeProcedure(iProcedureID) == S_OK; }
    void Frame() { Render3DEnvironment(); }
};

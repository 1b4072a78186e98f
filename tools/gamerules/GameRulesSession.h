#pragma once

// What every gamerules mode shares: the log in OUT_FOLDER, the data layer
// built on GAME_FOLDER, and the save state written back into OUT_FOLDER.

#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Event/JC_EventManager.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <windows.h>

#include <string>

// OUT_FOLDER could not be made (its parent is missing, or it is a file).
constexpr DWORD JE_GAMERULES_NO_OUT_FOLDER = 0x8969f003;

class GameRulesSession
{
public:
    GameRulesSession() = default;
    ~GameRulesSession();
    GameRulesSession(const GameRulesSession&) = delete;
    GameRulesSession& operator=(const GameRulesSession&) = delete;

    // Makes OUT_FOLDER and opens OUT_FOLDER\gamerules.log as the data
    // layer's debug log, then builds the data layer on the game folder with
    // JF_Build: the data, the controls, orders, events and scripts with
    // every script handler.
    DWORD Open(const std::string& strGameFolder, const std::string& strOutFolder);
    // The thirteen save-state files, written into OUT_FOLDER.
    DWORD WriteSaveState() const;

    // Prints the failure and the log's lines to stderr; returns exit code 1.
    int Fail(const char* szWhat, DWORD dwResult) const;

    const std::string& GetGameFolder() const { return m_strGameFolder; }
    const std::string& GetOutFolder() const { return m_strOutFolder; }
    // The built globals; valid after a successful Open.
    JC_DebugLog& GetLog() { return *gp_DebugInfoObj; }
    JC_DataManager& GetData() { return *gp_DataManagerObj; }
    JC_ControlManager& GetControls() { return *gp_ControlManagerObj; }
    JC_EventManager& GetEvents() { return *gp_EventManagerObj; }

private:
    // Says which folder could not be made, and why.
    bool MakeOutFolder() const;
    // The script manager loads the archive library from the game folder
    // only; without it the game folder's archives are not read.
    void NoteArchiveLibrary();

    std::string m_strGameFolder;
    std::string m_strOutFolder;
};

// FOLDER with its trailing separator.
std::string WithSeparator(std::string strFolder);
// Reads a small text file whole; false when missing or larger than 1 MB.
bool ReadInputFile(const std::string& strFile, std::string& strText);
// Reads "--seed N" from argv[iFirst..] (1 when the option is absent); false
// on anything else. The modes seed the C runtime's dice with it after the
// game data is loaded, so it fixes exactly the draws of the rules they run.
bool ReadSeed(int argc, char** argv, int iFirst, unsigned& uSeed);
// A result code, followed by what it means when it is a status (not 0, top
// bit clear), e.g. "0x09bf0402 (script ended)".
std::string ResultText(DWORD dwResult);

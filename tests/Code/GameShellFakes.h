#pragma once

#include "Code/XC_GameScriptCommand.h"
#include "Code/XI_GameMedia.h"
#include "JC_Script/JC_ScriptManager.h"
// After the data layer's headers: DirectShow's headers bring macros that
// rename its tree walks.
#include "GameProgram/DirectShow/XC_ShowAudio.h"

#include <string>
#include <vector>

// The game-script manager for its life: it notes the files and lines it is
// given and answers each with a status the test sets.
class FakeScriptManager : public JC_ScriptManager
{
public:
    FakeScriptManager() : m_pOldManager(gp_ScriptManagerObj) { gp_ScriptManagerObj = this; }
    ~FakeScriptManager() override { gp_ScriptManagerObj = m_pOldManager; }

    using JC_ScriptManager::LoadScript;
    DWORD LoadScript(const std::string& strName) override
    {
        loaded.push_back(strName);
        return dwLoadResult;
    }
    DWORD RealTimeScript(const std::string& strLine) override
    {
        lines.push_back(strLine);
        return strLine == failingLine ? 0x89BF0502 : 0;
    }

    std::vector<std::string> loaded;
    std::vector<std::string> lines;
    DWORD dwLoadResult = 0;
    std::string failingLine;

private:
    JC_ScriptManager* m_pOldManager;
};

// The game object's video and music, registered with the game's commands for
// its life. The music player volume channels work without a file.
class FakeGame : public XI_GameMedia
{
public:
    FakeGame()
    {
        music.Init(GetDesktopWindow(), 0x701, ".\\");
        XC_GameScriptCommand::SetGame(this);
    }
    ~FakeGame() { XC_GameScriptCommand::SetGame(nullptr); }

    HRESULT PlayVideo(const char* szVideoName) override
    {
        videos.push_back(szVideoName);
        return hrVideo;
    }
    XC_ShowAudio* GetBackgroundMusicObj() override { return bHasMusic ? &music : nullptr; }

    XC_ShowAudio music;
    bool bHasMusic = true;
    std::vector<std::string> videos;
    HRESULT hrVideo = S_OK;
};

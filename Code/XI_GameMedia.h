#pragma once

#include <windows.h>

class XC_ShowAudio;

// What the game's script commands need of the game object: its full-window
// video and its background music. The game object registers itself with
// XC_GameScriptCommand::SetGame while it lives.
class XI_GameMedia
{
public:
    // 0, or a failure when the video cannot be played.
    virtual HRESULT PlayVideo(const char* szVideoName) = 0;
    // The background-music player; null when the game has none.
    virtual XC_ShowAudio* GetBackgroundMusicObj() = 0;

protected:
    ~XI_GameMedia() = default;
};

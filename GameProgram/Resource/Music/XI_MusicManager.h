#pragma once

#include "GameProgram/Resource/Music/XI_MusicObj.h"
#include "GameProgram/Resource/XC_ResourceManager.h"

#include <windows.h>

// The sound effects by file name.
class XI_MusicManager : public XC_ResourceManager
{
public:
    // The sound with one reference for the caller, else the error sound;
    // null when that cannot be had either.
    virtual XI_MusicObj* GetMusic(const char* szResourceName) = 0;
    // The master volume in percent; above 100 counts as 100.
    virtual HRESULT SetVolume(DWORD dwPercent) = 0;
    // Sounds are read from szFilePath, a folder ending in '\'.
    virtual HRESULT Init(HWND hWnd, const char* szFilePath) = 0;
    virtual HRESULT Fini() = 0;
    // Gives a sound object the sound of the file.
    virtual HRESULT CreateMusic(const char* szResourceName, XI_MusicObj* pMusicObj) = 0;
};

// The sound manager of the running game; null while there is none.
extern XI_MusicManager* g_pMusicManager;

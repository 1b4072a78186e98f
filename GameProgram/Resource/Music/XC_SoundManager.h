#pragma once

#include "GameProgram/Resource/Music/XI_MusicManager.h"

#include <windows.h>

class CMusicDevice;

// The sound effects of the game: wave files of one folder, each loaded as a
// DirectMusic segment on first request and shared by name. A name that
// cannot be had gives the sound "error.WAV".
//
// Where DirectMusic cannot start (no sound device), Init logs it and the
// manager runs silent: every sound it hands out plays nothing, so the game
// goes on without sound.
class XC_SoundManager : public XI_MusicManager
{
public:
    XC_SoundManager();
    ~XC_SoundManager() override;

    XI_MusicObj* GetMusic(const char* szResourceName) override;
    HRESULT SetVolume(DWORD dwPercent) override;
    // 0 with sound, S_FALSE when DirectMusic could not start and the
    // manager runs silent, E_FAIL for a missing argument or a bad folder.
    HRESULT Init(HWND hWnd, const char* szFilePath) override;
    HRESULT Fini() override;
    HRESULT CreateMusic(const char* szResourceName, XI_MusicObj* pMusicObj) override;

    HRESULT CreateObjct(const char* szResourceName, XC_Resource** ppResourceObj) override;
    HRESULT DeleteResource(XC_Resource* pResourceObj) override;

    // The DirectMusic wrapper; null before Init and while silent.
    CMusicDevice* GetMusicDevice() const { return m_pMusicManager; }

private:
    HRESULT SetSearchDirectory();

    CMusicDevice* m_pMusicManager;
    char* m_szFilePath;
};

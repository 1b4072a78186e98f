#pragma once

#include <windows.h>
#include <dmusici.h>

class CMusicSegment;

// The DirectMusic loader and performance of the program's sound effects.
class CMusicDevice
{
public:
    CMusicDevice();
    ~CMusicDevice();
    CMusicDevice(const CMusicDevice&) = delete;
    CMusicDevice& operator=(const CMusicDevice&) = delete;

    // Creates the loader and the performance and starts the performance's
    // audio; pDirectSound null lets DirectMusic make its own. The first
    // failure is returned; it fails on a machine without a sound device.
    HRESULT Initialize(HWND hWnd, DWORD dwPChannels, DWORD dwDefaultPathType, IDirectSound* pDirectSound);
    // The folder the loader finds files in, for every kind of object.
    HRESULT SetSearchDirectory(const char* szFolder);
    // Loads a file of the search folder as a new segment (the caller's), and
    // downloads it when asked. On failure *ppSegment is null.
    HRESULT CreateSegmentFromFile(CMusicSegment** ppSegment, const char* szFileName, BOOL bDownloadNow,
                                  BOOL bIsMidiFile);

    IDirectMusicLoader8* GetLoader() const { return m_pLoader; }
    IDirectMusicPerformance8* GetPerformance() const { return m_pPerformance; }

private:
    BOOL m_bCleanupCOM;
    IDirectMusicLoader8* m_pLoader;
    IDirectMusicPerformance8* m_pPerformance;
};

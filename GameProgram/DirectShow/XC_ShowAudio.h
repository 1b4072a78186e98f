#pragma once

#include "GameProgram/Common/XC_String.h"
#include "GameProgram/DirectShow/XC_DirectShowOwner.h"

#include <windows.h>

#include <functional>
#include <map>
#include <vector>

// The DirectShow interfaces, declared only: users of the players need not
// see the DirectShow headers and their macros.
struct IBasicAudio;
struct IGraphBuilder;
struct IMediaControl;
struct IMediaEventEx;
struct IMediaPosition;
struct IMediaSeeking;

// The background-music player: one audio file at a time through a DirectShow
// graph. Files wait under priority indices; the highest index plays, so a
// scene can lay a piece over the current one and fall back by removing it.
class XC_ShowAudio
{
public:
    enum { STATE_NO_DATA = 0, STATE_STOPPED = 1, STATE_PLAYING = 2, STATE_PAUSED = 3 };

    XC_ShowAudio() = default;
    XC_ShowAudio(const XC_ShowAudio&) = delete;
    XC_ShowAudio& operator=(const XC_ShowAudio&) = delete;
    virtual ~XC_ShowAudio();

    // The graph's events reach hWndApp as lNotify; file names are appended
    // to szFilePath as they stand.
    HRESULT Init(HWND hWndApp, long lNotify, const char* szFilePath);
    HRESULT Fini();

    HRESULT AddMusic(const char* szAudioFileName, unsigned int uIndex);
    HRESULT DelMusic(unsigned int uIndex);

    HRESULT Play();
    HRESULT Stop();
    HRESULT Pause();
    bool IsPlay() const;
    int GetState() const { return m_iState; }
    void SetReplay(bool bReplay);

    // Channels 0 and 1 multiply into the master volume; each is at most 1.0.
    HRESULT SetVolume(float fVolume, unsigned int uChannel);
    HRESULT SetVolumePercent(unsigned int uPercent, unsigned int uChannel);
    int GetVolumePercent(unsigned int uChannel) const;
    float GetMasterVolume() const { return m_fMasterVolume; }

    const char* GetCurrentMusicName() const;
    unsigned int GetCurrentMusicIndex() const;

    HRESULT ClearAudio();
    HRESULT ClearAllAudio();
    // Drains the graph's events; at the end of the stream replays or stops.
    HRESULT HandleGraphEvent();

private:
    HRESULT LoadAudio(const char* szAudioFileName);
    HRESULT LoadAndReport(const char* szAudioFileName);
    HRESULT ApplyVolume();

    IGraphBuilder* m_pIGraphBuilder = nullptr;
    IMediaControl* m_pIMediaControl = nullptr;
    IMediaEventEx* m_pIMediaEventEx = nullptr;
    IMediaSeeking* m_pIMediaSeeking = nullptr;
    IMediaPosition* m_pIMediaPosition = nullptr;
    IBasicAudio* m_pIBasicAudio = nullptr;

    std::map<unsigned int, XC_String, std::greater<unsigned int>> m_MusicList;
    int m_iState = STATE_NO_DATA;
    bool m_bReplay = true;
    XC_DirectShowOwner m_Owner;
    std::vector<float> m_pfVolumeList;
    float m_fMasterVolume = 1.0f;
};

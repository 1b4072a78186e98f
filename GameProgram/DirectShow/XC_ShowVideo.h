#pragma once

#include "GameProgram/DirectShow/XC_DirectShowOwner.h"

#include <windows.h>

// The DirectShow interfaces, declared only: users of the players need not
// see the DirectShow headers and their macros.
struct IBasicAudio;
struct IBasicVideo;
struct IGraphBuilder;
struct IMediaControl;
struct IMediaEventEx;
struct IMediaPosition;
struct IMediaSeeking;
struct IVideoWindow;

// The video player: one film at a time through a DirectShow graph whose video
// window is a child covering the owner window's client area.
class XC_ShowVideo
{
public:
    enum E_ShowVideoState { SVS_NoData = 0, SVS_Stopped = 1, SVS_Playing = 2, SVS_Paused = 3 };

    XC_ShowVideo() = default;
    XC_ShowVideo(const XC_ShowVideo&) = delete;
    XC_ShowVideo& operator=(const XC_ShowVideo&) = delete;
    virtual ~XC_ShowVideo();
    // Drains the graph's events; at the end of the film rewinds and stops.
    virtual HRESULT HandleGraphEvent();

    HRESULT Init(HWND hWndApp, long lNotify, const char* szFilePath);
    HRESULT Fini();
    HRESULT LoadVideo(const char* szFileName);
    HRESULT Play();
    HRESULT Stop();
    bool IsPlay() const;
    E_ShowVideoState GetState() const { return m_eShowVideoState; }
    HRESULT Clear();

private:
    // The graph of the file with every interface the player uses.
    HRESULT BuildGraph(const char* szFileName);
    HRESULT CheckVisibility();
    HRESULT PlaceVideoWindow();

    IGraphBuilder* m_pIGraphBuilder = nullptr;
    IMediaControl* m_pIMediaControl = nullptr;
    IMediaEventEx* m_pIMediaEventEx = nullptr;
    IMediaSeeking* m_pIMediaSeeking = nullptr;
    IMediaPosition* m_pIMediaPosition = nullptr;
    IVideoWindow* m_pIVideoWindow = nullptr;
    IBasicVideo* m_pIBasicVideo = nullptr;
    IBasicAudio* m_pIBasicAudio = nullptr;

    E_ShowVideoState m_eShowVideoState = SVS_NoData;
    XC_DirectShowOwner m_Owner;
};

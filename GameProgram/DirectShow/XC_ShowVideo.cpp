#include "GameProgram/DirectShow/XC_ShowVideo.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/DirectShow/XF_DirectShow.h"

#include <dshow.h>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_ShowVideo::~XC_ShowVideo()
{
    Fini();
}

HRESULT XC_ShowVideo::Init(HWND hWndApp, long lNotify, const char* szFilePath)
{
    return m_Owner.Init(s_szSourceFile, hWndApp, lNotify, szFilePath);
}

HRESULT XC_ShowVideo::Fini()
{
    const HRESULT hr = Clear();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("Clear()", hr);
    m_Owner.Fini();
    return S_OK;
}

HRESULT XC_ShowVideo::LoadVideo(const char* szFileName)
{
    if (szFileName == nullptr) {
        XM_REPORT_FAILED("szFileName");
        return E_FAIL;
    }
    Clear();
    HRESULT hr = BuildGraph(szFileName);
    if (FAILED(hr))
        return hr;
    hr = CheckVisibility();
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("CheckVisibility()", hr);
        return hr;
    }
    hr = PlaceVideoWindow();
    if (FAILED(hr))
        return hr;
    m_eShowVideoState = SVS_Stopped;
    return S_OK;
}

HRESULT XC_ShowVideo::BuildGraph(const char* szFileName)
{
    const XS_GraphQuery queries[] = {
        {IID_IMediaControl, reinterpret_cast<void**>(&m_pIMediaControl),
         "m_pIGraphBuilder->QueryInterface( IID_IMediaControl , (void **)&m_pIMediaControl )"},
        {IID_IMediaEventEx, reinterpret_cast<void**>(&m_pIMediaEventEx),
         "m_pIGraphBuilder->QueryInterface( IID_IMediaEventEx , (void **)&m_pIMediaEventEx )"},
        {IID_IMediaSeeking, reinterpret_cast<void**>(&m_pIMediaSeeking),
         "m_pIGraphBuilder->QueryInterface( IID_IMediaSeeking , (void **)&m_pIMediaSeeking )"},
        {IID_IMediaPosition, reinterpret_cast<void**>(&m_pIMediaPosition),
         "m_pIGraphBuilder->QueryInterface( IID_IMediaPosition , (void **)&m_pIMediaPosition )"},
        {IID_IVideoWindow, reinterpret_cast<void**>(&m_pIVideoWindow),
         "m_pIGraphBuilder->QueryInterface( IID_IVideoWindow , (void **)&m_pIVideoWindow )"},
        {IID_IBasicVideo, reinterpret_cast<void**>(&m_pIBasicVideo),
         "m_pIGraphBuilder->QueryInterface( IID_IBasicVideo , (void **)&m_pIBasicVideo )"},
        {IID_IBasicAudio, reinterpret_cast<void**>(&m_pIBasicAudio),
         "m_pIGraphBuilder->QueryInterface( IID_IBasicAudio , (void **)&m_pIBasicAudio )"},
    };
    return m_Owner.BuildGraph(s_szSourceFile, szFileName, "m_pIGraphBuilder->RenderFile(wFile, 0)",
                              &m_pIGraphBuilder, queries, sizeof(queries) / sizeof(queries[0]));
}

// A file without a video stream has no video window to show.
HRESULT XC_ShowVideo::CheckVisibility()
{
    if (m_pIBasicVideo == nullptr || m_pIVideoWindow == nullptr)
        return E_FAIL;
    long lVisible = 0;
    return m_pIVideoWindow->get_Visible(&lVisible);
}

HRESULT XC_ShowVideo::PlaceVideoWindow()
{
    HRESULT hr = m_pIVideoWindow->put_Owner(reinterpret_cast<OAHWND>(m_Owner.Window()));
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_pIVideoWindow->put_Owner( (OAHWND)m_hWndApp)", hr);
        return hr;
    }
    hr = m_pIMediaEventEx->SetNotifyWindow(reinterpret_cast<OAHWND>(m_Owner.Window()), m_Owner.Notify(), 0);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_pIMediaEventEx->SetNotifyWindow( (OAHWND)m_hWndApp , m_lDirectShowVideoNotify , 0 )",
                            hr);
        return hr;
    }
    RECT client = {};
    GetClientRect(m_Owner.Window(), &client);
    hr = m_pIVideoWindow->SetWindowPosition(client.left, client.top, client.right, client.bottom);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_pIVideoWindow->SetWindowPosition( client.left , client.top , client.right , client.bottom )",
                            hr);
        return hr;
    }
    hr = m_pIVideoWindow->put_WindowStyle(WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_pIVideoWindow->put_WindowStyle( 0x40000000L | 0x04000000L | 0x02000000L )", hr);
        return hr;
    }
    hr = m_pIVideoWindow->HideCursor(OATRUE);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_pIVideoWindow->HideCursor( (-1) )", hr);
        return hr;
    }
    return S_OK;
}

HRESULT XC_ShowVideo::Play()
{
    if (m_eShowVideoState == SVS_NoData) {
        XM_REPORT_FAILED("m_eShowVideoState != SVS_NoData");
        return E_FAIL;
    }
    if (m_eShowVideoState == SVS_Stopped || m_eShowVideoState == SVS_Paused) {
        if (FAILED(m_pIMediaControl->Run()))
            XM_REPORT_FAILED("((HRESULT)(m_pIMediaControl->Run()) >= 0)");
        m_eShowVideoState = SVS_Playing;
    }
    return S_OK;
}

HRESULT XC_ShowVideo::Stop()
{
    if (m_eShowVideoState == SVS_NoData) {
        XM_REPORT_FAILED("m_eShowVideoState != SVS_NoData");
        return E_FAIL;
    }
    if (m_eShowVideoState == SVS_Playing || m_eShowVideoState == SVS_Paused) {
        if (FAILED(m_pIMediaControl->Stop()))
            XM_REPORT_FAILED("((HRESULT)(m_pIMediaControl->Stop()) >= 0)");
        m_eShowVideoState = SVS_Stopped;
        LONGLONG pos = 0;
        if (FAILED(m_pIMediaSeeking->SetPositions(&pos, AM_SEEKING_AbsolutePositioning, nullptr,
                                                  AM_SEEKING_NoPositioning)))
            XM_REPORT_FAILED("((HRESULT)(m_pIMediaSeeking->SetPositions( &pos , AM_SEEKING_AbsolutePositioning , 0 , "
                             "AM_SEEKING_NoPositioning )) >= 0)");
        if (FAILED(m_pIMediaControl->Pause()))
            XM_REPORT_FAILED("((HRESULT)(m_pIMediaControl->Pause()) >= 0)");
    }
    m_eShowVideoState = SVS_Stopped;
    return S_OK;
}

bool XC_ShowVideo::IsPlay() const
{
    return m_eShowVideoState == SVS_Playing;
}

HRESULT XC_ShowVideo::Clear()
{
    if (m_pIMediaControl != nullptr)
        m_pIMediaControl->Stop();
    if (m_pIVideoWindow != nullptr) {
        m_pIVideoWindow->put_Visible(OAFALSE);
        m_pIVideoWindow->put_Owner(0);
    }
    if (m_pIMediaEventEx != nullptr)
        m_pIMediaEventEx->SetNotifyWindow(0, 0, 0);
    XF_ReleaseInterface(m_pIBasicAudio);
    XF_ReleaseInterface(m_pIBasicVideo);
    XF_ReleaseInterface(m_pIVideoWindow);
    XF_ReleaseInterface(m_pIMediaPosition);
    XF_ReleaseInterface(m_pIMediaSeeking);
    XF_ReleaseInterface(m_pIMediaEventEx);
    XF_ReleaseInterface(m_pIMediaControl);
    XF_ReleaseInterface(m_pIGraphBuilder);
    m_eShowVideoState = SVS_NoData;
    return S_OK;
}

HRESULT XC_ShowVideo::HandleGraphEvent()
{
    if (m_pIMediaEventEx == nullptr)
        return S_OK;
    long lEventCode = 0;
    LONG_PTR lParam1 = 0, lParam2 = 0;
    bool bComplete = false;
    while (!bComplete && SUCCEEDED(m_pIMediaEventEx->GetEvent(&lEventCode, &lParam1, &lParam2, 0))) {
        m_pIMediaEventEx->FreeEventParams(lEventCode, lParam1, lParam2);
        bComplete = lEventCode == EC_COMPLETE;
    }
    if (!bComplete)
        return S_OK;
    while (SUCCEEDED(m_pIMediaEventEx->GetEvent(&lEventCode, &lParam1, &lParam2, 0)))
        m_pIMediaEventEx->FreeEventParams(lEventCode, lParam1, lParam2);
    return Stop();
}

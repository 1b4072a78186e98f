#include "GameProgram/DirectShow/XC_ShowAudio.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/DirectShow/XF_DirectShow.h"

#include <dshow.h>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_ShowAudio::~XC_ShowAudio()
{
    Fini();
}

HRESULT XC_ShowAudio::Init(HWND hWndApp, long lNotify, const char* szFilePath)
{
    const HRESULT hr = m_Owner.Init(s_szSourceFile, hWndApp, lNotify, szFilePath);
    if (FAILED(hr))
        return hr;
    m_pfVolumeList.assign(2, 1.0f);
    m_fMasterVolume = 1.0f;
    return S_OK;
}

HRESULT XC_ShowAudio::Fini()
{
    const HRESULT hr = ClearAllAudio();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("ClearAllAudio()", hr);
    m_pfVolumeList.clear();
    m_Owner.Fini();
    return S_OK;
}

HRESULT XC_ShowAudio::LoadAudio(const char* szAudioFileName)
{
    if (szAudioFileName == nullptr) {
        XM_REPORT_FAILED("szAudioFileName");
        return E_FAIL;
    }
    HRESULT hr = ClearAudio();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("ClearAudio()", hr);

    const XS_GraphQuery queries[] = {
        {IID_IMediaControl, reinterpret_cast<void**>(&m_pIMediaControl),
         "m_pIGraphBuilder->QueryInterface(IID_IMediaControl , (void **)&m_pIMediaControl )"},
        {IID_IMediaEventEx, reinterpret_cast<void**>(&m_pIMediaEventEx),
         "m_pIGraphBuilder->QueryInterface(IID_IMediaEventEx , (void **)&m_pIMediaEventEx )"},
        {IID_IMediaSeeking, reinterpret_cast<void**>(&m_pIMediaSeeking),
         "m_pIGraphBuilder->QueryInterface(IID_IMediaSeeking , (void **)&m_pIMediaSeeking )"},
        {IID_IMediaPosition, reinterpret_cast<void**>(&m_pIMediaPosition),
         "m_pIGraphBuilder->QueryInterface(IID_IMediaPosition , (void **)&m_pIMediaPosition )"},
        {IID_IBasicAudio, reinterpret_cast<void**>(&m_pIBasicAudio),
         "m_pIGraphBuilder->QueryInterface(IID_IBasicAudio , (void **)&m_pIBasicAudio )"},
    };
    hr = m_Owner.BuildGraph(s_szSourceFile, szAudioFileName, "m_pIGraphBuilder->RenderFile( wFile, 0 )",
                            &m_pIGraphBuilder, queries, sizeof(queries) / sizeof(queries[0]));
    if (FAILED(hr))
        return hr;
    hr = m_pIMediaEventEx->SetNotifyWindow(reinterpret_cast<OAHWND>(m_Owner.Window()), m_Owner.Notify(), 0);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_pIMediaEventEx->SetNotifyWindow( (OAHWND)m_hWndApp , m_lDirectShowAudioNotify , 0 )",
                            hr);
        return hr;
    }
    m_iState = STATE_STOPPED;
    return S_OK;
}

HRESULT XC_ShowAudio::LoadAndReport(const char* szAudioFileName)
{
    const HRESULT hr = LoadAudio(szAudioFileName);
    if (FAILED(hr))
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("XC_ShowAudio::LoadAudio Error , szAudioFileName = %s", szAudioFileName));
    return hr;
}

HRESULT XC_ShowAudio::AddMusic(const char* szAudioFileName, unsigned int uIndex)
{
    if (szAudioFileName == nullptr) {
        XM_REPORT_FAILED("szAudioFileName");
        return E_FAIL;
    }
    if (!m_MusicList.empty() && uIndex < GetCurrentMusicIndex()) {
        m_MusicList[uIndex] = szAudioFileName; // waits below the playing piece
        return S_OK;
    }
    const bool bWasPlaying = IsPlay();
    const HRESULT hr = LoadAndReport(szAudioFileName);
    if (FAILED(hr))
        return hr;
    m_MusicList[uIndex] = szAudioFileName;
    if (bWasPlaying)
        Play();
    return S_OK;
}

HRESULT XC_ShowAudio::DelMusic(unsigned int uIndex)
{
    const auto found = m_MusicList.find(uIndex);
    if (found == m_MusicList.end())
        return S_OK;
    const bool bWasCurrent = found == m_MusicList.begin();
    m_MusicList.erase(found);
    if (!bWasCurrent)
        return S_OK;
    if (m_MusicList.empty()) {
        const HRESULT hr = ClearAudio();
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("ClearAudio()", hr);
        return S_OK;
    }
    const bool bWasPlaying = IsPlay();
    const HRESULT hr = LoadAndReport(GetCurrentMusicName());
    if (FAILED(hr))
        return hr;
    if (bWasPlaying)
        Play();
    return S_OK;
}

HRESULT XC_ShowAudio::Play()
{
    if (m_pIMediaControl == nullptr)
        return S_OK;
    if (m_iState == STATE_STOPPED || m_iState == STATE_PAUSED) {
        if (FAILED(m_pIMediaControl->Run()))
            XM_REPORT_FAILED("((HRESULT)(m_pIMediaControl->Run()) >= 0)");
        m_iState = STATE_PLAYING;
    }
    return ApplyVolume();
}

HRESULT XC_ShowAudio::Stop()
{
    if (m_pIMediaControl == nullptr || (m_iState != STATE_PLAYING && m_iState != STATE_PAUSED)) {
        m_iState = STATE_STOPPED;
        return S_OK;
    }
    m_pIMediaControl->Stop();
    m_iState = STATE_STOPPED;
    LONGLONG llPosition = 0;
    HRESULT hr = m_pIMediaSeeking->SetPositions(&llPosition, AM_SEEKING_AbsolutePositioning, nullptr,
                                                AM_SEEKING_NoPositioning);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("hr", hr);
    hr = m_pIMediaControl->Pause();
    if (FAILED(hr))
        XM_REPORT_FAILED("SUCCEEDED( hr )");
    m_iState = STATE_STOPPED;
    return S_OK;
}

HRESULT XC_ShowAudio::Pause()
{
    if (m_iState != STATE_PLAYING || m_pIMediaControl == nullptr)
        return S_OK;
    const HRESULT hr = m_pIMediaControl->Pause();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_pIMediaControl->Pause()", hr);
    m_iState = STATE_PAUSED;
    return S_OK;
}

bool XC_ShowAudio::IsPlay() const
{
    return m_iState == STATE_PLAYING;
}

void XC_ShowAudio::SetReplay(bool bReplay)
{
    m_bReplay = bReplay;
}

HRESULT XC_ShowAudio::SetVolume(float fVolume, unsigned int uChannel)
{
    if (uChannel >= 2 || m_pfVolumeList.size() < 2) {
        XM_REPORT_FAILED("uChannel < 2");
        return E_FAIL;
    }
    m_pfVolumeList[uChannel] = fVolume > 1.0f ? 1.0f : fVolume;
    m_fMasterVolume = m_pfVolumeList[0] * m_pfVolumeList[1];
    return ApplyVolume();
}

HRESULT XC_ShowAudio::SetVolumePercent(unsigned int uPercent, unsigned int uChannel)
{
    return SetVolume(uPercent / 100.0f, uChannel);
}

int XC_ShowAudio::GetVolumePercent(unsigned int uChannel) const
{
    if (m_pfVolumeList.size() < 2) {
        XM_REPORT_FAILED("m_pfVolumeList");
        return 0;
    }
    if (uChannel >= 2) {
        XM_REPORT_FAILED("uChannel < 2");
        uChannel = 0;
    }
    return static_cast<int>(m_pfVolumeList[uChannel] * 100.0f + 0.0001f);
}

HRESULT XC_ShowAudio::ApplyVolume()
{
    if (m_pIBasicAudio == nullptr)
        return S_OK;
    const long lVolume = static_cast<long>(5000.0f * m_fMasterVolume - 5000.0f);
    const HRESULT hr = m_pIBasicAudio->put_Volume(lVolume);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_pIBasicAudio->put_Volume( lVolume )", hr);
    return hr;
}

const char* XC_ShowAudio::GetCurrentMusicName() const
{
    return m_MusicList.empty() ? nullptr : m_MusicList.begin()->second.c_str();
}

unsigned int XC_ShowAudio::GetCurrentMusicIndex() const
{
    return m_MusicList.empty() ? 0 : m_MusicList.begin()->first;
}

HRESULT XC_ShowAudio::ClearAudio()
{
    if (m_pIMediaControl != nullptr)
        m_pIMediaControl->Stop();
    if (m_pIMediaEventEx != nullptr)
        m_pIMediaEventEx->SetNotifyWindow(0, 0, 0);
    XF_ReleaseInterface(m_pIBasicAudio);
    XF_ReleaseInterface(m_pIMediaPosition);
    XF_ReleaseInterface(m_pIMediaSeeking);
    XF_ReleaseInterface(m_pIMediaEventEx);
    XF_ReleaseInterface(m_pIMediaControl);
    XF_ReleaseInterface(m_pIGraphBuilder);
    m_iState = STATE_NO_DATA;
    return S_OK;
}

HRESULT XC_ShowAudio::ClearAllAudio()
{
    const HRESULT hr = ClearAudio();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("ClearAudio()", hr);
    m_MusicList.clear();
    return hr;
}

HRESULT XC_ShowAudio::HandleGraphEvent()
{
    if (m_pIMediaEventEx == nullptr)
        return S_OK;
    HRESULT hr = S_OK;
    long lEventCode = 0;
    LONG_PTR lParam1 = 0, lParam2 = 0;
    while (m_pIMediaEventEx != nullptr && SUCCEEDED(m_pIMediaEventEx->GetEvent(&lEventCode, &lParam1, &lParam2, 0))) {
        m_pIMediaEventEx->FreeEventParams(lEventCode, lParam1, lParam2);
        if (lEventCode != EC_COMPLETE)
            continue;
        if (!m_bReplay) {
            Stop();
            break;
        }
        LONGLONG llPosition = 0;
        hr = m_pIMediaSeeking->SetPositions(&llPosition, AM_SEEKING_AbsolutePositioning, nullptr,
                                            AM_SEEKING_NoPositioning);
        if (SUCCEEDED(hr))
            continue;
        hr = m_pIMediaControl->Stop();
        if (FAILED(hr)) {
            XM_REPORT_FAILED_HR("hr", hr);
            break;
        }
        hr = m_pIMediaControl->Run();
        if (FAILED(hr)) {
            XM_REPORT_FAILED_HR("hr", hr);
            break;
        }
    }
    return hr;
}

#include "GameProgram/Resource/Music/CMusicSegment.h"

#include <dmerror.h>

CMusicSegment::CMusicSegment(IDirectMusicPerformance8* pPerformance, IDirectMusicLoader8* pLoader,
                             IDirectMusicSegment8* pSegment)
    : m_pSegment(pSegment)
    , m_pLoader(pLoader)
    , m_pPerformance(pPerformance)
    , m_pEmbeddedAudioPath(nullptr)
    , m_bDownloaded(FALSE)
{
    if (m_pSegment == nullptr || m_pPerformance == nullptr)
        return;
    IUnknown* pConfig = nullptr;
    if (SUCCEEDED(m_pSegment->GetAudioPathConfig(&pConfig)) && pConfig != nullptr) {
        if (FAILED(m_pPerformance->CreateAudioPath(pConfig, TRUE, &m_pEmbeddedAudioPath)))
            m_pEmbeddedAudioPath = nullptr;
        pConfig->Release();
    }
}

CMusicSegment::~CMusicSegment()
{
    if (m_pSegment == nullptr)
        return;
    if (m_pLoader != nullptr)
        m_pLoader->ReleaseObjectByUnknown(m_pSegment);
    if (m_bDownloaded) {
        if (m_pEmbeddedAudioPath != nullptr)
            m_pSegment->Unload(m_pEmbeddedAudioPath);
        else if (m_pPerformance != nullptr)
            m_pSegment->Unload(m_pPerformance);
    }
    if (m_pEmbeddedAudioPath != nullptr)
        m_pEmbeddedAudioPath->Release();
    m_pSegment->Release();
}

HRESULT CMusicSegment::Play(DWORD dwFlags, IDirectMusicAudioPath8* pAudioPath)
{
    if (m_pSegment == nullptr || m_pPerformance == nullptr)
        return CO_E_NOTINITIALIZED;
    if (!m_bDownloaded)
        return E_FAIL;
    if (pAudioPath == nullptr)
        pAudioPath = m_pEmbeddedAudioPath;
    return m_pPerformance->PlaySegmentEx(m_pSegment, nullptr, nullptr, dwFlags, 0, nullptr, nullptr, pAudioPath);
}

HRESULT CMusicSegment::Download(IDirectMusicAudioPath8* pAudioPath)
{
    if (m_pSegment == nullptr || m_pPerformance == nullptr)
        return CO_E_NOTINITIALIZED;
    IUnknown* pTarget = pAudioPath;
    if (pTarget == nullptr)
        pTarget = m_pEmbeddedAudioPath;
    if (pTarget == nullptr)
        pTarget = m_pPerformance;
    const HRESULT hr = m_pSegment->Download(pTarget);
    m_bDownloaded = SUCCEEDED(hr);
    if (FAILED(hr))
        WriteDownloadFailure(hr);
    return hr;
}

void CMusicSegment::WriteDownloadFailure(HRESULT hr) const
{
    switch (hr) {
    case E_POINTER:
        OutputDebugStringA(" ooo:: E_POINTER \n");
        break;
    case DMUS_E_NOT_FOUND:
        OutputDebugStringA(" ooo:: DMUS_E_NOT_FOUND \n");
        break;
    case DMUS_E_TRACK_NOT_FOUND:
        OutputDebugStringA(" ooo:: DMUS_E_TRACK_NOT_FOUND \n");
        break;
    default:
        OutputDebugStringA(" ooo:: m_pSegment->Download Error\n");
        break;
    }
}

HRESULT CMusicSegment::Stop(DWORD dwFlags)
{
    if (m_pSegment == nullptr || m_pPerformance == nullptr)
        return CO_E_NOTINITIALIZED;
    return m_pPerformance->Stop(m_pSegment, nullptr, 0, dwFlags);
}

BOOL CMusicSegment::IsPlaying() const
{
    if (m_pSegment == nullptr || m_pPerformance == nullptr)
        return FALSE;
    return m_pPerformance->IsPlaying(m_pSegment, nullptr) == S_OK;
}

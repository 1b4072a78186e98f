#include "GameProgram/Resource/Music/XC_SoundObj.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/Music/CMusicSegment.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_SoundObj::~XC_SoundObj()
{
    DeleteMusicSegment();
}

HRESULT XC_SoundObj::Play()
{
    if (m_pMusicSegment == nullptr)
        return S_OK;
    const HRESULT hr = m_pMusicSegment->Play(DMUS_SEGF_SECONDARY, nullptr);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_pMusicSegment->Play()", hr);
    return hr;
}

BOOL XC_SoundObj::IsPlay() const
{
    return m_pMusicSegment != nullptr && m_pMusicSegment->IsPlaying();
}

void XC_SoundObj::SetMusicSegment(CMusicSegment* pMusicSegment)
{
    DeleteMusicSegment();
    m_pMusicSegment = pMusicSegment;
}

void XC_SoundObj::DeleteMusicSegment()
{
    if (m_pMusicSegment == nullptr)
        return;
    m_pMusicSegment->Stop(0);
    delete m_pMusicSegment;
    m_pMusicSegment = nullptr;
}

#include "GameProgram/SpriteWork/XC_SetAudioVolume.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/DirectShow/XC_ShowAudio.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

HRESULT XC_SetAudioVolume::SetTarget(XC_ShowAudio* pShowAudioObj)
{
    if (pShowAudioObj == nullptr) {
        XM_REPORT_FAILED("pShowAudioObj");
        return E_FAIL;
    }
    m_pShowAudioObj = pShowAudioObj;
    return S_OK;
}

void XC_SetAudioVolume::Begin()
{
    if (m_pShowAudioObj == nullptr) {
        XM_REPORT_FAILED("m_pShowAudioObj");
        return;
    }
    m_dwStartVolume = static_cast<DWORD>(m_pShowAudioObj->GetVolumePercent(m_dwChannel));
}

BOOL XC_SetAudioVolume::Step(float fElapsedTime)
{
    if (m_pShowAudioObj == nullptr) {
        XM_REPORT_FAILED("m_pShowAudioObj");
        return TRUE;
    }
    if (Advance(fElapsedTime))
        return TRUE;
    const float fVolume = static_cast<float>(m_dwVolume) * m_fProgress
                          + static_cast<float>(m_dwStartVolume) * (1.0f - m_fProgress);
    m_pShowAudioObj->SetVolumePercent(static_cast<unsigned int>(fVolume), m_dwChannel);
    return FALSE;
}

void XC_SetAudioVolume::End()
{
    if (m_pShowAudioObj == nullptr) {
        XM_REPORT_FAILED("m_pShowAudioObj");
        return;
    }
    m_pShowAudioObj->SetVolumePercent(m_dwVolume, m_dwChannel);
}

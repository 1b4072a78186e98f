#include "GameProgram/SpriteWork/XC_PlaySoundWork.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/Music/XI_MusicManager.h"
#include "GameProgram/Resource/Music/XI_MusicObj.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_PlaySoundWork::~XC_PlaySoundWork()
{
    if (m_pSoundObj != nullptr)
        m_pSoundObj->Release();
}

HRESULT XC_PlaySoundWork::SetSoundName(const char* szSoundName)
{
    if (g_pMusicManager == nullptr) {
        XM_REPORT_FAILED("g_pMusicManager");
        return E_FAIL;
    }
    if (szSoundName == nullptr) {
        XM_REPORT_FAILED("szSoundName");
        return E_FAIL;
    }
    XI_MusicObj* const pSoundObj = g_pMusicManager->GetMusic(szSoundName);
    if (pSoundObj == nullptr) {
        XM_REPORT_FAILED("m_pSoundObj");
        return E_FAIL;
    }
    if (m_pSoundObj != nullptr)
        m_pSoundObj->Release();
    m_pSoundObj = pSoundObj;
    return S_OK;
}

void XC_PlaySoundWork::Begin()
{
    if (m_pSoundObj == nullptr) {
        XM_REPORT_FAILED("m_pSoundObj");
        return;
    }
    m_pSoundObj->Play();
}

BOOL XC_PlaySoundWork::Step(float)
{
    return (m_pSoundObj == nullptr || !m_pSoundObj->IsPlay()) ? TRUE : FALSE;
}

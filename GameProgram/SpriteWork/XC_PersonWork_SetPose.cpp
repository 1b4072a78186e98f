#include "GameProgram/SpriteWork/XC_PersonWork_SetPose.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/RenderingObject/XC_Person.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

BOOL XC_PersonWork_SetPose::SetTarget(XC_Person* pPerson)
{
    if (pPerson == nullptr) {
        XM_REPORT_FAILED("pPerson");
        return FALSE;
    }
    m_pPerson = pPerson;
    return TRUE;
}

void XC_PersonWork_SetPose::Begin()
{
    if (m_pPerson == nullptr) {
        XM_REPORT_FAILED("m_pPerson");
        return;
    }
    if (m_bRestoreWhenFinishWork)
        m_dwSavePose = m_pPerson->GetPose();
    m_pPerson->SetPose(m_dwPose);
    if (m_dwReplayType == REPLAY_OFF)
        m_pPerson->SetRePlay(FALSE);
    else if (m_dwReplayType == REPLAY_ON)
        m_pPerson->SetRePlay(TRUE);
}

void XC_PersonWork_SetPose::End()
{
    if (m_pPerson == nullptr) {
        XM_REPORT_FAILED("m_pPerson");
        return;
    }
    if (m_bRestoreWhenFinishWork)
        m_pPerson->SetPose(m_dwSavePose);
}

BOOL XC_PersonWork_SetPose::Step(float fElapsedTime)
{
    if (m_pPerson == nullptr) {
        XM_REPORT_FAILED("m_pPerson");
        return TRUE;
    }
    return StepPages(m_pPerson, fElapsedTime);
}

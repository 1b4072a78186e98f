#include "GameProgram/SpriteWork/XC_AniWork_SetAniPlay.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

BOOL XC_AniWork_SetAniPlay::SetTarget(XC_RenderAnimation* pAniObj)
{
    if (pAniObj == nullptr) {
        XM_REPORT_FAILED("pAniObj");
        return FALSE;
    }
    m_pAniObj = pAniObj;
    return TRUE;
}

void XC_AniWork_SetAniPlay::Apply(const XS_PlayValues& values)
{
    if (m_bSetCurrentPage)
        m_pAniObj->SetCurrentPage(values.dwCurrentPage);
    if (m_bSetRePlay)
        m_pAniObj->SetRePlay(values.bRePlay);
    if (m_bSetPlay)
        m_pAniObj->SetPlay(values.bPlay);
    if (m_bSetBeginPage)
        m_pAniObj->SetBeginPage(values.dwBeginPage);
    if (m_bSetEndPage)
        m_pAniObj->SetEndPage(values.dwEndPage);
    if (m_bSetPlaySpeed)
        m_pAniObj->SetPlaySpeed(values.fPlaySpeed);
    if (m_bSetMirror)
        m_pAniObj->SetMirror(values.bMirror);
}

void XC_AniWork_SetAniPlay::Begin()
{
    if (m_pAniObj == nullptr) {
        XM_REPORT_FAILED("m_pAniObj");
        return;
    }
    m_Saved = XS_PlayValues{m_pAniObj->GetCurrentPage(), m_pAniObj->GetRePlay(), m_pAniObj->GetPlay(),
                            m_pAniObj->GetBeginPage(), m_pAniObj->GetEndPage(), m_pAniObj->GetPlaySpeed(),
                            m_pAniObj->GetMirror()};
    Apply(XS_PlayValues{m_dwCurrentPage, m_bRePlay, m_bPlay, m_dwBeginPage, m_dwEndPage, m_fPlaySpeed, m_bMirror});
}

void XC_AniWork_SetAniPlay::End()
{
    if (m_pAniObj == nullptr) {
        XM_REPORT_FAILED("m_pAniObj");
        return;
    }
    if (m_bRestoreWhenFinishWork == 1)
        Apply(m_Saved);
}

BOOL XC_AniWork_SetAniPlay::Step(float fElapsedTime)
{
    if (m_pAniObj == nullptr) {
        XM_REPORT_FAILED("m_pAniObj");
        return TRUE;
    }
    return StepPages(m_pAniObj, fElapsedTime);
}

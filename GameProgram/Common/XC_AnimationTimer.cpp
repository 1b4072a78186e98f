#include "GameProgram/Common/XC_AnimationTimer.h"

#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_AnimationTimer::XC_AnimationTimer(DWORD dwTimerRank)
    : XC_Timer(dwTimerRank)
{
}

void XC_AnimationTimer::SetTime(float fTime)
{
    if (fTime > m_fEndTime)
        fTime = m_fEndTime;
    if (fTime < m_fBeginTime)
        fTime = m_fBeginTime;
    m_fTime = fTime;
    m_bFinished = FALSE;
}

void XC_AnimationTimer::Update(float)
{
    if (m_fBeginTime < 0.0f)
        XM_REPORT_FAILED("m_fBeginTime >= 0.0f");
    if (m_fEndTime < 0.0f)
        XM_REPORT_FAILED("m_fEndTime >= 0.0f");

    // A looping timer jumps to the other end; the overshoot is dropped.
    if (m_fTime > m_fEndTime) {
        m_fTime = m_bLoop ? m_fBeginTime : m_fEndTime;
        m_bFinished = !m_bLoop;
        OnReachEnd();
    } else if (m_fTime < m_fBeginTime) {
        m_fTime = m_bLoop ? m_fEndTime : m_fBeginTime;
        m_bFinished = !m_bLoop;
        OnReachEnd();
    }
    OnUpdate();
}

void XC_AnimationTimer::SetLoop(BOOL bLoop)
{
    m_bLoop = bLoop;
    m_bFinished = FALSE;
}

BOOL XC_AnimationTimer::GetLoop() const
{
    return m_bLoop;
}

void XC_AnimationTimer::SetBeginTime(float fBeginTime)
{
    m_fBeginTime = fBeginTime > m_fEndTime ? m_fEndTime : fBeginTime;
    if (m_fTime < m_fBeginTime)
        m_fTime = m_fBeginTime;
    m_bFinished = FALSE;
}

void XC_AnimationTimer::SetEndTime(float fEndTime)
{
    m_fEndTime = fEndTime < m_fBeginTime ? m_fBeginTime : fEndTime;
    if (m_fTime > m_fEndTime)
        m_fTime = m_fEndTime;
    m_bFinished = FALSE;
}

float XC_AnimationTimer::GetBeginTime() const
{
    return m_fBeginTime;
}

float XC_AnimationTimer::GetEndTime() const
{
    return m_fEndTime;
}

void XC_AnimationTimer::OnUpdate()
{
}

void XC_AnimationTimer::OnReachEnd()
{
}

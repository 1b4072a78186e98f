#include "GameProgram/Common/XC_Timer.h"

#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_Timer::XC_Timer(DWORD dwTimerRank)
    : m_dwTimerRank(dwTimerRank)
    , m_pWorkTimerManager(g_pTimerManager)
{
    if (g_pTimerManager == nullptr) {
        XM_REPORT_FAILED("g_pTimerManager");
        return;
    }
    if (dwTimerRank == TR_Last)
        XM_REPORT_FAILED("dwTimerRank != TR_Last");
    g_pTimerManager->AddTimer(this);
}

XC_Timer::~XC_Timer()
{
    if (m_pWorkTimerManager == nullptr) {
        XM_REPORT_FAILED("m_pWorkTimerManager");
        return;
    }
    m_pWorkTimerManager->RemoveTimer(this);
}

void XC_Timer::Start()
{
    m_bRunning = TRUE;
}

void XC_Timer::Stop()
{
    m_bRunning = FALSE;
}

void XC_Timer::Reset()
{
    Stop();
    m_fTime = 0.0f;
}

BOOL XC_Timer::IsRunning() const
{
    return m_bRunning;
}

void XC_Timer::SetTimeRate(float fRate)
{
    m_fTimeRate = fRate;
}

float XC_Timer::GetTimeRate() const
{
    return m_fTimeRate;
}

void XC_Timer::SetTime(float fTime)
{
    m_fTime = fTime;
}

float XC_Timer::GetTime() const
{
    return m_fTime;
}

void XC_Timer::Update(float)
{
}

void XC_Timer::SetUseTimeScale(BOOL bUse)
{
    m_bUseTimeScale = bUse;
}

BOOL XC_Timer::GetUseTimeScale() const
{
    return m_bUseTimeScale;
}

void XC_Timer::SetTimerRank(DWORD dwTimerRank)
{
    if (m_pWorkTimerManager == nullptr)
        return;
    m_pWorkTimerManager->RemoveTimer(this);
    m_dwTimerRank = dwTimerRank;
    m_pWorkTimerManager->AddTimer(this);
}

DWORD XC_Timer::GetTimerRank() const
{
    return m_dwTimerRank;
}

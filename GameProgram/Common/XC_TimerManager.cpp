#include "GameProgram/Common/XC_TimerManager.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_InitOrder.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

XC_TimerManager s_TimerManager XM_INIT_ORDER(XE_INIT_TIMER_MANAGER);

} // namespace

XC_TimerManager* g_pTimerManager = &s_TimerManager;

void XC_TimerManager::Update(float fStep)
{
    if (m_pWalkSet != nullptr) {
        XM_REPORT_FAILED("m_pWalkSet == NULL");
        return;
    }
    const float fScaledStep = fStep * m_fTimeScale;
    for (TimerSet& rsetTimer : m_rsetTimer) {
        m_pWalkSet = &rsetTimer;
        m_itWalkNext = rsetTimer.begin();
        while (m_itWalkNext != rsetTimer.end()) {
            XC_Timer* const pTimer = *m_itWalkNext;
            ++m_itWalkNext;
            if (m_setAddedDuringWalk.count(pTimer) == 0)
                AdvanceTimer(pTimer, fStep, fScaledStep);
        }
    }
    m_pWalkSet = nullptr;
    m_setAddedDuringWalk.clear();
}

void XC_TimerManager::AdvanceTimer(XC_Timer* pTimer, float fStep, float fScaledStep) const
{
    if (!pTimer->m_bRunning)
        return;
    const float fDelta = (pTimer->m_bUseTimeScale ? fScaledStep : fStep) * pTimer->m_fTimeRate;
    pTimer->m_fTime += fDelta;
    pTimer->Update(fDelta);
}

void XC_TimerManager::SetTimeScale(float fTimeScale)
{
    m_fTimeScale = fTimeScale;
}

bool XC_TimerManager::CheckTimer(const XC_Timer* pTimer) const
{
    if (pTimer == nullptr) {
        XM_REPORT_FAILED("pTimer");
        return false;
    }
    if (pTimer->m_pWorkTimerManager != this) {
        XM_REPORT_FAILED("pTimer->m_pWorkTimerManager == this");
        return false;
    }
    if (pTimer->m_dwTimerRank >= TR_Count) {
        XM_REPORT_FAILED("pTimer->m_dwTimerRank < TR_Count");
        return false;
    }
    return true;
}

void XC_TimerManager::AddTimer(XC_Timer* pTimer)
{
    if (!CheckTimer(pTimer))
        return;
    m_rsetTimer[pTimer->m_dwTimerRank].insert(pTimer);
    if (m_pWalkSet != nullptr)
        m_setAddedDuringWalk.insert(pTimer);
}

void XC_TimerManager::RemoveTimer(XC_Timer* pTimer)
{
    if (!CheckTimer(pTimer))
        return;
    TimerSet& rsetTimer = m_rsetTimer[pTimer->m_dwTimerRank];
    const TimerSet::iterator it = rsetTimer.find(pTimer);
    if (it == rsetTimer.end()) {
        XM_REPORT_FAILED("it != rsetTimer.end()");
        return;
    }
    // Keep the walk of Update valid when the timer it visits next goes.
    if (m_pWalkSet == &rsetTimer && m_itWalkNext == it)
        ++m_itWalkNext;
    rsetTimer.erase(it);
    m_setAddedDuringWalk.erase(pTimer);
}

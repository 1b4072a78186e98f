#pragma once

#include "GameProgram/Common/XC_Timer.h"

#include <windows.h>

#include <set>

// Advances every running timer once per frame, rank by rank. It does not own
// its timers. A timer's update hook may create, destroy or re-rank timers: a
// timer removed during the walk is not touched again, and one added during
// the walk first moves in the next frame.
class XC_TimerManager
{
public:
    XC_TimerManager() = default;
    XC_TimerManager(const XC_TimerManager&) = delete;
    XC_TimerManager& operator=(const XC_TimerManager&) = delete;

    void Update(float fStep);
    void SetTimeScale(float fTimeScale);
    void AddTimer(XC_Timer* pTimer);
    void RemoveTimer(XC_Timer* pTimer);

private:
    typedef std::set<XC_Timer*> TimerSet;

    // False, with a report, when the timer cannot belong to this manager.
    bool CheckTimer(const XC_Timer* pTimer) const;
    void AdvanceTimer(XC_Timer* pTimer, float fStep, float fScaledStep) const;

    TimerSet m_rsetTimer[TR_Count];
    float m_fTimeScale = 1.0f;

    // The walk of Update: the set being walked and the timer to visit next.
    TimerSet* m_pWalkSet = nullptr;
    TimerSet::iterator m_itWalkNext;
    TimerSet m_setAddedDuringWalk;
};

extern XC_TimerManager* g_pTimerManager;

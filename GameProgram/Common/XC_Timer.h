#pragma once

#include <windows.h>

class XC_TimerManager;

// Timer ranks: a lower rank is advanced earlier in each frame.
const DWORD TR_Count = 11;
const DWORD TR_Last = 10;

// A clock advanced once per frame by the global timer manager while it runs.
// It registers itself in its rank at construction and leaves at destruction.
class XC_Timer
{
public:
    explicit XC_Timer(DWORD dwTimerRank);
    virtual ~XC_Timer();
    XC_Timer(const XC_Timer&) = delete;
    XC_Timer& operator=(const XC_Timer&) = delete;

    virtual void Start();
    virtual void Stop();
    virtual void Reset();
    virtual BOOL IsRunning() const;
    virtual void SetTimeRate(float fRate);
    virtual float GetTimeRate() const;
    virtual void SetTime(float fTime);
    virtual float GetTime() const;
    // Called by the manager after the time moved by fDelta.
    virtual void Update(float fDelta);
    virtual void SetUseTimeScale(BOOL bUse);
    virtual BOOL GetUseTimeScale() const;
    virtual void SetTimerRank(DWORD dwTimerRank);
    virtual DWORD GetTimerRank() const;

protected:
    friend class XC_TimerManager;

    BOOL m_bRunning = FALSE;
    BOOL m_bUseTimeScale = TRUE;
    float m_fTimeRate = 1.0f;
    float m_fTime = 0.0f;
    DWORD m_dwTimerRank;
    XC_TimerManager* m_pWorkTimerManager;
};

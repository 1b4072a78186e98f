#pragma once

#include "GameProgram/Common/XC_Timer.h"

// A timer between a begin and an end time that loops back or stops at the
// end it reaches. Its setters keep begin <= time <= end.
class XC_AnimationTimer : public XC_Timer
{
public:
    explicit XC_AnimationTimer(DWORD dwTimerRank);

    void SetTime(float fTime) override;
    void Update(float fDelta) override;

    virtual void SetLoop(BOOL bLoop);
    virtual BOOL GetLoop() const;
    virtual void SetBeginTime(float fBeginTime);
    virtual void SetEndTime(float fEndTime);
    virtual float GetBeginTime() const;
    virtual float GetEndTime() const;
    // Called after every update.
    virtual void OnUpdate();
    // Called when the time passed an end.
    virtual void OnReachEnd();

protected:
    BOOL m_bLoop = TRUE;
    BOOL m_bFinished = FALSE;
    float m_fBeginTime = 0.0f;
    float m_fEndTime = 1e10f;
};

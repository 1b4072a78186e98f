#pragma once

#include "GameProgram/Common/XC_Sender.h"
#include "GameProgram/Common/XC_String.h"

#include <windows.h>

// One timed job of a sprite: after its delay it begins, advances every frame
// while its progress runs from 0 to 1 over its work time, and ends. Linked
// addressees are called when it has finished.
class XC_SpriteWorkBase : public XC_Sender
{
public:
    XC_SpriteWorkBase() = default;
    ~XC_SpriteWorkBase() override = default;

    virtual void SetName(const char* szName);
    virtual const char* GetName() const;
    virtual void SetDelayTime(float fDelayTime);
    virtual void SetWorkTime(float fWorkTime);
    virtual void SetElapsedTime(float fElapsedTime);
    virtual void SetProgress(float fProgress);
    virtual float GetDelayTime() const;
    virtual float GetWorkTime() const;
    virtual float GetElapsedTime() const;
    virtual float GetProgress() const;
    virtual void Begin();
    virtual void End();
    // Nonzero when the work has finished.
    virtual BOOL Step(float fElapsedTime);
    // Whether the work may send the message (other than 0, its end) to what
    // it is linked to.
    virtual bool CanSendMessage(DWORD dwMessage) const;

    BOOL IsWaiting() const { return m_bWaiting; }
    void SetWaiting(BOOL bWaiting) { m_bWaiting = bWaiting; }

protected:
    // Counts the time and the progress; nonzero once the work time is used up.
    BOOL Advance(float fElapsedTime);

    XC_String m_strName = "Nameless";
    float m_fDelayTime = 0.0f;
    float m_fWorkTime = 0.0f;
    float m_fElapsedTime = 0.0f;
    float m_fProgress = 0.0f;
    BOOL m_bWaiting = FALSE;
};

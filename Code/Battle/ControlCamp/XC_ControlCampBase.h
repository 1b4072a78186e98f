#pragma once

#include <windows.h>

class XC_Floorer;
class XC_GamePerson;

// Phases of a camp's turn.
constexpr DWORD XE_CAMP_BEGIN = 0;
constexpr DWORD XE_CAMP_PROCEED = 1;
constexpr DWORD XE_CAMP_END = 2;

// One camp's turn in a round: the camp's begin events, then the derived
// controller's steps while the scene is idle and the delay is over, then
// the end events once no person of the camp can act.
class XC_ControlCampBase
{
public:
    XC_ControlCampBase() = default;
    virtual ~XC_ControlCampBase() = default;
    XC_ControlCampBase(const XC_ControlCampBase&) = delete;
    XC_ControlCampBase& operator=(const XC_ControlCampBase&) = delete;

    virtual HRESULT Init(DWORD dwCampID);
    virtual HRESULT Fini();
    virtual BOOL IsCampFinish() const { return m_bCampFinish; }
    virtual HRESULT FrameMove(float fElapsedTime);
    virtual HRESULT Begin(float fElapsedTime);
    virtual HRESULT Proceed(float fElapsedTime);
    virtual HRESULT End(float fElapsedTime);
    // True when no person of the camp has RAP of at least 1.
    virtual BOOL IsCampDone();
    virtual HRESULT ProceedCamp(float fElapsedTime);
    virtual HRESULT SetDelayTime(float fDelayTime);

    DWORD GetCampID() const { return m_dwCampID; }
    DWORD GetCampPhase() const { return m_dwCampPhase; }
    float GetDelayTime() const { return m_fDelayTime; }

protected:
    DWORD m_dwCampID = 0;
    BOOL m_bCampFinish = 0;
    DWORD m_dwCampPhase = XE_CAMP_BEGIN;
    XC_Floorer* m_pFloorer = nullptr;
    XC_GamePerson* m_pActionPersonObj = nullptr;
    LONG m_lPersonTempIndex = -1;
    float m_fDelayTime = 0.5f;
};

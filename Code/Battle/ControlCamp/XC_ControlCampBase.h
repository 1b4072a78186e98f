#pragma once

#include <windows.h>

#include <string>

class XC_Floorer;
class XC_GamePerson;

// Set when a saved battle resumes inside a camp turn: the next Begin phase
// clears it instead of firing the camp's begin events again.
extern BOOL g_bSkipCampBeginEvent;

// One camp's turn within a battle round: the camp's begin events, then the
// derived controller's steps while the battle scene is idle and the delay
// has run out, then the end events once no person of the camp can act.
class XC_ControlCampBase
{
public:
    static constexpr DWORD PHASE_BEGIN = 0;
    static constexpr DWORD PHASE_PROCEED = 1;
    static constexpr DWORD PHASE_END = 2;
    static constexpr float FIRST_DELAY_TIME = 0.5f;

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
    virtual BOOL IsCampDone() const;
    virtual HRESULT ProceedCamp(float fElapsedTime);
    virtual HRESULT SetDelayTime(float fDelayTime);

    DWORD GetCampID() const { return m_dwCampID; }
    DWORD GetCampPhase() const { return m_dwCampPhase; }
    float GetDelayTime() const { return m_fDelayTime; }

    // Debug lines of the camps go to the debugger and, while a trace is
    // set, are appended to it too.
    static void WriteDebugLine(const char* szLine);
    static void SetDebugTrace(std::string* pstrTrace) { s_pstrDebugTrace = pstrTrace; }

protected:
    void SetCampPhase(DWORD dwPhase) { m_dwCampPhase = dwPhase; }

    DWORD m_dwCampID = 0;
    BOOL m_bCampFinish = 0;
    DWORD m_dwCampPhase = PHASE_BEGIN;
    XC_Floorer* m_pFloorer = nullptr;
    XC_GamePerson* m_pActionPersonObj = nullptr;
    LONG m_lPersonTempIndex = -1;
    float m_fDelayTime = FIRST_DELAY_TIME;

private:
    static std::string* s_pstrDebugTrace;
};

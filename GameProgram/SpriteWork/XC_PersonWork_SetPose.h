#pragma once

#include "GameProgram/SpriteWork/XC_PageWorkBase.h"

class XC_Person;

// Puts a person in a pose at its begin, passes the pose's page messages to
// its script, and can end with the last page and put the old pose back.
class XC_PersonWork_SetPose : public XC_PageWorkBase
{
public:
    // Replay types: leave the pose's own replay flag, or set it.
    enum
    {
        REPLAY_OFF = 0,
        REPLAY_ON = 1,
        REPLAY_KEEP = 2,
    };

    void Begin() override;
    void End() override;
    BOOL Step(float fElapsedTime) override;
    virtual BOOL SetTarget(XC_Person* pPerson);

    DWORD m_dwPose = 0;
    DWORD m_dwReplayType = REPLAY_KEEP;

private:
    XC_Person* m_pPerson = nullptr;
    DWORD m_dwSavePose = 0;
};

#pragma once

#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

// Sends a row of messages to its script over the work time: one at its
// begin, the others spread evenly, the rest at its end. The script starts
// the followers that wait for each message number.
class XC_ScriptWork_While : public XC_SpriteWorkBase
{
public:
    void Begin() override;
    void End() override;
    BOOL Step(float fElapsedTime) override;
    // Before it begins: the message is one of the row it will send.
    bool CanSendMessage(DWORD dwMessage) const override;

    DWORD m_dwCount = 0;
    DWORD m_dwMsg = 0;
    BOOL m_bIncrease = FALSE;

private:
    void SendOne();
    void SendUntil(DWORD dwSent);

    DWORD m_dwSent = 0;
};

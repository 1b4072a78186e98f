#pragma once

#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

class XC_RenderAnimation;

// A work on a page animation: it passes the animation's page messages to its
// script, can end with the last page, and can put back what it changed.
class XC_PageWorkBase : public XC_SpriteWorkBase
{
public:
    BOOL m_bRestoreWhenFinishWork = FALSE;
    BOOL m_bLastPageEnd = FALSE;

    // Any page of the animation may carry a message.
    bool CanSendMessage(DWORD dwMessage) const override;

protected:
    // Sends the message of a page entered in this frame; finished with the
    // last page when asked to, otherwise with the work time.
    BOOL StepPages(XC_RenderAnimation* pAniObj, float fElapsedTime);
};

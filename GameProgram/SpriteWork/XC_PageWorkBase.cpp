#include "GameProgram/SpriteWork/XC_PageWorkBase.h"

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"

BOOL XC_PageWorkBase::StepPages(XC_RenderAnimation* pAniObj, float fElapsedTime)
{
    const DWORD dwMessage = pAniObj->GetAniPageMessage();
    if (dwMessage != 0)
        Send(dwMessage, 0);
    if (m_bLastPageEnd && pAniObj->IsLastPageEnd())
        return TRUE;
    return Advance(fElapsedTime);
}

bool XC_PageWorkBase::CanSendMessage(DWORD) const
{
    return true;
}

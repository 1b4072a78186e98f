#pragma once

#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

class XC_Performer;

// Turns a performer at its begin, to a direction or by quarter turns, and can
// turn it back at its end.
class XC_PerformerWork_Direction : public XC_SpriteWorkBase
{
public:
    void Begin() override;
    void End() override;
    virtual BOOL SetTarget(XC_Performer* pPerformerObj);

    // Without it the direction counts quarter turns from the performer's own.
    BOOL m_bAbsDirection = FALSE;
    DWORD m_dwDirection = 0;
    BOOL m_bRestoreWhenFinishWork = FALSE;

private:
    XC_Performer* m_pPerformerObj = nullptr;
    DWORD m_dwSaveDirection = 0;
};

#pragma once

#include "GameProgram/Common/XC_String.h"
#include "GameProgram/RenderingObject/XC_RenderObjManager.h"

class XC_RenderAnimation;
class XC_RenderString;

// The banner at the start of a camp's turn: the allies' or the enemy's
// animation in the screen's centre and the round in a small box below it.
class XC_DisplayCampAndTurn : public XC_RenderObjManager
{
public:
    XC_DisplayCampAndTurn() = default;
    ~XC_DisplayCampAndTurn() override = default;

    virtual HRESULT Init(XI_EnvironmentOfRender* pEnvironmentOfRender);
    virtual HRESULT Fini();
    virtual HRESULT Start(BOOL bAllies, int iTurn);
    // 1 once no banner runs: the call that sees the banner's end hides it and
    // still answers 0.
    virtual BOOL IsFinished();

    const XC_String& GetTurnText() const { return m_strTurn; }

private:
    XC_RenderString* m_pRS_Turn = nullptr;
    XC_RenderAnimation* m_pRA_Frame = nullptr;
    XC_RenderAnimation* m_pRA_Allies = nullptr;
    XC_RenderAnimation* m_pRA_Enemy = nullptr;
    XC_RenderAnimation* m_pRA_Current = nullptr;
    XC_String m_strTurn;
};

#pragma once

#include "GameProgram/Common/XC_String.h"
#include "GameProgram/RenderingObject/XC_RenderObjManager.h"

class XC_RenderAnimation;
class XC_RenderString;

// The forecast of an attack: the hit rate in a box left of the screen's
// middle, the damage (or the amount restored) in a box right of it, an arrow
// between them.
class XC_DisplayHitDmg : public XC_RenderObjManager
{
public:
    XC_DisplayHitDmg() = default;
    ~XC_DisplayHitDmg() override = default;

    HRESULT Init(XI_EnvironmentOfRender* pEnvironmentOfRender);
    HRESULT Fini();
    // A hit rate outside 0..100 is clamped; no damage box for a damage of 0,
    // the restore text for one below 0.
    HRESULT SetHitDmg(int iHit, int iDmg);
    void ShowHit(BOOL bShow);
    void ShowDmg(BOOL bShow);
    void Hide();

    const XC_String& GetHitText() const { return m_strHit; }
    const XC_String& GetDmgText() const { return m_strDmg; }
    BOOL IsDmgShown() const;

private:
    XC_RenderString* m_pRS_Hit = nullptr;
    XC_RenderString* m_pRS_Dmg = nullptr;
    XC_RenderAnimation* m_pRA_HitBaseMap = nullptr;
    XC_RenderAnimation* m_pRA_DmgBaseMap = nullptr;
    XC_RenderAnimation* m_pRA_HitDmgArrow = nullptr;
    XC_String m_strHit;
    XC_String m_strDmg;
};

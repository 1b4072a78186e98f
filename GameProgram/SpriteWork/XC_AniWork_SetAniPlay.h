#pragma once

#include "GameProgram/SpriteWork/XC_PageWorkBase.h"

class XC_RenderAnimation;

// Sets play values of a page animation at its begin (those whose flag is on),
// passes the animation's page messages to its script, and can end with the
// last page and put the values back at its end.
class XC_AniWork_SetAniPlay : public XC_PageWorkBase
{
public:
    void Begin() override;
    void End() override;
    BOOL Step(float fElapsedTime) override;
    virtual BOOL SetTarget(XC_RenderAnimation* pAniObj);

    BOOL m_bSetCurrentPage = FALSE;
    BOOL m_bSetRePlay = FALSE;
    BOOL m_bSetPlay = FALSE;
    BOOL m_bSetBeginPage = FALSE;
    BOOL m_bSetEndPage = FALSE;
    BOOL m_bSetPlaySpeed = FALSE;
    BOOL m_bSetMirror = FALSE;
    DWORD m_dwCurrentPage = 0;
    BOOL m_bRePlay = FALSE;
    BOOL m_bPlay = TRUE;
    DWORD m_dwBeginPage = 0;
    DWORD m_dwEndPage = 0;
    float m_fPlaySpeed = 1.0f;
    BOOL m_bMirror = FALSE;

private:
    struct XS_PlayValues
    {
        DWORD dwCurrentPage;
        BOOL bRePlay;
        BOOL bPlay;
        DWORD dwBeginPage;
        DWORD dwEndPage;
        float fPlaySpeed;
        BOOL bMirror;
    };

    // Sets the flagged values of the record on the animation.
    void Apply(const XS_PlayValues& values);

    XS_PlayValues m_Saved = {};
    XC_RenderAnimation* m_pAniObj = nullptr;
};

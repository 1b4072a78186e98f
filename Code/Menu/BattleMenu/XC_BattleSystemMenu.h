#pragma once

#include "GameProgram/RenderingObject/XC_RenderObjManager.h"

class XC_RenderAnimation;
class XC_RenderString;

// The battle's pop-up of four system bars: it draws them, highlights one and
// tells which lies under a point; its owner acts on the choice.
class XC_BattleSystemMenu : public XC_RenderObjManager
{
public:
    static constexpr int ENTRY_COUNT = 4;

    XC_BattleSystemMenu() = default;
    ~XC_BattleSystemMenu() override = default;

    virtual HRESULT Init(XI_EnvironmentOfRender* pEnvironmentOfRender);
    virtual HRESULT Fini();
    // 0 to 3 highlights that bar; any other value none.
    virtual HRESULT SetSelect(int iIndex);
    virtual int GetSelect() const;
    // The lowest-numbered bar under the point wins.
    virtual BOOL HitTest(int x, int y, int& riIndex);

    BOOL IsBarPlaying(int iIndex) const;

private:
    XC_RenderString* m_pRS_Label[ENTRY_COUNT] = {};
    XC_RenderAnimation* m_pRA_Bar[ENTRY_COUNT] = {};
    XC_RenderAnimation* m_pRA_Frame = nullptr;
    int m_iSelect = -1;
};

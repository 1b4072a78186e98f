#pragma once

#include "GameProgram/RenderingObject/XC_RenderObjManager.h"

class XC_RenderAnimation;
class XC_RenderString;

// The box of a battle's win and lose conditions, each under its title.
class XC_DisplayBattleCondition : public XC_RenderObjManager
{
public:
    XC_DisplayBattleCondition() = default;
    ~XC_DisplayBattleCondition() override = default;

    virtual HRESULT Init(XI_EnvironmentOfRender* pEnvironmentOfRender);
    virtual HRESULT Fini();
    virtual HRESULT SetCondition(const char* szWinCondition, const char* szLoseCondition);

private:
    XC_RenderString* m_pRS_WinTitle = nullptr;
    XC_RenderString* m_pRS_LoseTitle = nullptr;
    XC_RenderString* m_pRS_WinCondition = nullptr;
    XC_RenderString* m_pRS_LoseCondition = nullptr;
    XC_RenderAnimation* m_pRA_BaseMap = nullptr;
};

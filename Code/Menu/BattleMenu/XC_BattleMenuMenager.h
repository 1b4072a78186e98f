#pragma once

#include "GameProgram/D3DCommon/XC_RenderNode.h"

#include <windows.h>

class XC_BattleCoordinatedAttackMenu;
class XC_BattleExplain;
class XC_BattleSkillMenu;
class XC_BattleSystemMenu;
class XC_BattleToolsMenu;
class XC_DisplayBattleCondition;
class XC_DisplayCampAndTurn;
class XC_DisplayHitDmg;
class XC_DisplaySkillName;
class XC_PersonCommandMenu;
class XC_PersonState;
class XI_EnvironmentOfRender;

// Owns every menu and display the battle shows over the field and hangs
// them under one node at the screen's top-left corner. The battle's
// controllers reach the members directly and decide what is shown.
class XC_BattleMenuMenager : public XC_RenderNode
{
public:
    XC_BattleMenuMenager() = default;
    ~XC_BattleMenuMenager() override;

    // May be repeated: the members of the last one are destroyed first.
    virtual HRESULT Init(XI_EnvironmentOfRender* pEnvironmentOfRender);
    virtual HRESULT Fini();

    XC_PersonState* m_pActivePersonState = nullptr;
    XC_PersonState* m_pPassivePersonState = nullptr;
    XC_PersonCommandMenu* m_pPersonCommandMenu = nullptr;
    XC_DisplayCampAndTurn* m_pDisplayCampAndTurn = nullptr;
    XC_DisplaySkillName* m_pDisplaySkillName = nullptr;
    XC_DisplayBattleCondition* m_pDisplayBattleCondition = nullptr;
    XC_BattleToolsMenu* m_pBattleToolsMenu = nullptr;
    XC_BattleSkillMenu* m_pBattleSkillMenu = nullptr;
    XC_BattleCoordinatedAttackMenu* m_pBattleCoordinatedAttackMenu = nullptr;
    XC_BattleSystemMenu* m_pBattleSystemMenu = nullptr;
    XC_BattleExplain* m_pBattleExplain = nullptr;
    XC_DisplayHitDmg* m_pDisplayHitDmg = nullptr;

private:
    HRESULT StartMembers(XI_EnvironmentOfRender* pEnvironmentOfRender);
};

extern XC_BattleMenuMenager* g_pBattleMenuMenager;

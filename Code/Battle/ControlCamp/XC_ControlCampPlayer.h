#pragma once

#include "Code/Battle/ControlCamp/XC_ControlCampBase.h"
#include "GameProgram/D3DCommon/XC_RenderNode.h"
#include "GameProgram/Script/XC_ScriptSet.h"

#include <windows.h>

class XC_BattleToolsMenu;
class XC_PersonBattle;
class XC_PersonCommandMenu;
struct XS_ListItem;

// States of the player's turn.
enum XE_PlayerCampState : DWORD
{
    PCS_ChooseNextPerson = 0,
    PCS_IdleCursor = 1,
    PCS_SystemMenu = 2,
    PCS_EndTurn = 3,
    PCS_TeamState = 4,
    PCS_BattleCondition = 5,
    PCS_Option = 6,
    PCS_CommandRing = 7,
    PCS_MoveChooseFloor = 8,
    PCS_MoveChooseFacing = 9,
    PCS_Attack = 10,
    PCS_Skill = 11,
    PCS_Tools = 12,
    PCS_Evolution = 13,
    PCS_Devolution = 14,
    PCS_CoordinatedAttack = 15,
    PCS_Wait = 16,
    PCS_ChooseTarget = 17,
};

// A camp's turn commanded by the user: mouse and keys choose the person, its
// command, where it walks and which way it faces; each choice goes to the
// battle scene controller as a work. It never resolves an action itself.
class XC_ControlCampPlayer : public XC_ControlCampBase
{
public:
    static constexpr DWORD ARROW_COUNT = 4;

    XC_ControlCampPlayer() = default;
    ~XC_ControlCampPlayer() override;

    HRESULT Init(DWORD dwCampID) override;
    HRESULT Begin(float fElapsedTime) override;
    HRESULT End(float fElapsedTime) override;
    HRESULT ProceedCamp(float fElapsedTime) override;
    HRESULT SetState(DWORD dwState);

    DWORD GetState() const { return m_dwState; }
    DWORD GetStep() const { return m_dwStep; }
    XC_GamePerson* GetActionPerson() const { return m_pActionPersonObj; }
    LONG GetPersonTempIndex() const { return m_lPersonTempIndex; }
    LONG GetOriginFloorIndex() const { return m_lOriginFloorIndex; }
    const LONG* GetTableDistance() const { return m_plTableDistance; }
    XC_ScriptSet* GetDirectionArrow(DWORD dwFacing) { return &m_DirectionArrow[dwFacing]; }

private:
    void HideCursor();
    void ShowCursor();
    // True when the camp is done: the phase has gone to End.
    bool FirstFrameOfChoice();
    void SelectPerson(XC_GamePerson* pPersonObj);
    // The next person of the camp with RAP, walking as the reverse flag says.
    XC_GamePerson* FindNextPerson();
    XC_GamePerson* WalkFrom(XC_GamePerson* pFrom, BOOL bReverse) const;
    bool CanChoose(XC_GamePerson* pPersonObj) const;
    void ClearStateWindows(BOOL bAtOnce);
    void RunStayEvents(XC_GamePerson* pPersonObj);
    // Tab without Alt: the reverse flag from Shift; true when Tab went down.
    bool TakeTab();
    void LeaveRing();

    HRESULT ChooseNextPerson(float fElapsedTime);
    HRESULT IdleCursor(float fElapsedTime);
    HRESULT SystemMenu(float fElapsedTime);
    HRESULT EndTurn(float fElapsedTime);
    HRESULT TeamState(float fElapsedTime);
    HRESULT BattleCondition(float fElapsedTime);
    HRESULT Option(float fElapsedTime);
    HRESULT CommandRing(float fElapsedTime);
    HRESULT MoveChooseFloor(float fElapsedTime);
    HRESULT MoveChooseFacing(float fElapsedTime);
    HRESULT Evolution(float fElapsedTime);
    HRESULT Devolution(float fElapsedTime);
    HRESULT Wait(float fElapsedTime);
    HRESULT Attack(float fElapsedTime);
    HRESULT Skill(float fElapsedTime);
    HRESULT Tools(float fElapsedTime);
    HRESULT CoordinatedAttack(float fElapsedTime);
    HRESULT ChooseTarget(float fElapsedTime);
    HRESULT ChooseArea();
    HRESULT ChooseLine();
    HRESULT ChooseRelocation();

    HRESULT OpenRing();
    void MarkCommands();
    void ChooseCommand(DWORD dwCommand);
    void StartMove(DWORD dwTargetFloorIndex);
    void StartArrows(const char* szAction);
    // The arrow under the mouse, or -1.
    int HitArrow();
    void ConfirmFacing();
    void UndoMove();
    // Rebuilds the person from its data after an evolution or devolution.
    void RebuildPerson();
    void DebugPersonKeys();
    void ChangePersonByKey(XC_GamePerson* pPersonObj);
    void ReplaceTable(LONG*& plTable, LONG* plNew);

    // A new battle work in place of the one prepared before.
    XC_PersonBattle* NewPersonBattle();
    // A list item chosen by a left click on a focused row; false for none.
    bool TakeListChoice(XC_BattleToolsMenu* pMenu, XS_ListItem& sListItem);
    // A skill or co-ordinated attack of the list; false when it is disabled.
    bool PrepareSkill(const XS_ListItem& sListItem);
    HRESULT LeaveListMenu(XC_BattleToolsMenu* pMenu);
    LONG* BuildAttackScope(LONG lCenter, DWORD dwScopeType, DWORD dwFacing, LONG lNear, LONG lFar, bool bDistance);
    // The cell under the cursor among the highlighted ones, or -1.
    LONG PickShownFloor();
    void ShowHoverFeedback(const LONG* plTableScope);
    void HideHoverFeedback(BOOL bClearPassive);
    void ConfirmTarget(DWORD dwTargetFloorIndex, BOOL bHideHitDmg);
    void CancelTarget();
    void ReleaseTargetTables();

    XC_PersonCommandMenu* m_pPersonCommandMenu = nullptr;
    DWORD m_dwState = PCS_ChooseNextPerson;
    LONG m_lOriginFloorIndex = -1;
    DWORD m_dwOriginFacing = 0;
    XC_RenderNode m_ArrowRoot;
    XC_ScriptSet m_DirectionArrow[ARROW_COUNT];
    BOOL m_bReverse = 0;
    LONG m_lTargetFloorIndex = -1;
    LONG* m_plTableDistance = nullptr;
    LONG* m_plTableScope = nullptr;
    LONG* m_plTableLine[ARROW_COUNT] = {};
    XC_PersonBattle* m_pPersonBattle = nullptr;
    LONG m_lActionCost = 0;
    DWORD m_dwStep = 0;
};

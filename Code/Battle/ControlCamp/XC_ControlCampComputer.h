#pragma once

#include "Code/Battle/ControlCamp/XC_ControlCampBase.h"
#include "Code/Battle/ControlCamp/sTableResource.h"
#include "JC_DataManager/Control/JC_ControlSkill.h"

#include <utility>
#include <vector>

class JC_ControlPersonPower;
class XC_PersonSkillAI;

// The computer's camp turn: its persons act one after another in team-index
// order while they have RAP. Each action builds the floor tables from the
// person's point of view and tries, in order, to restore, to flee, to attack
// with a weapon or the best skill, to move, or to rest.
class XC_ControlCampComputer : public XC_ControlCampBase
{
public:
    static constexpr DWORD STATE_CHOOSE = 0;
    static constexpr DWORD STATE_ACT = 1;
    // A person whose actions never spend its RAP stops after this many.
    static constexpr int MAX_ACTIONS_A_PERSON = 32;

    XC_ControlCampComputer() = default;
    ~XC_ControlCampComputer() override;

    HRESULT Init(DWORD dwCampID) override;
    HRESULT ProceedCamp(float fElapsedTime) override;
    virtual HRESULT SetState(DWORD dwState);
    virtual HRESULT SelectActionPerson();
    virtual HRESULT DecideAI();
    virtual HRESULT DecideAI_Normal();
    virtual HRESULT DecideAI_AttackTarget();
    virtual HRESULT DecideAI_MoveToPosition();
    virtual HRESULT FindUsableSkill();
    virtual HRESULT FindBestSkill(DWORD dwSkillType, LONG& lScore, XC_PersonSkillAI*& pPersonSkillAI);
    virtual HRESULT NormalAI_Restore(BOOL& bActioned);
    virtual HRESULT NormalAI_VergeDeath(BOOL& bActioned);
    virtual HRESULT NormalAI_Attack(BOOL& bActioned);
    virtual HRESULT NormalAI_Move(BOOL& bActioned);
    virtual HRESULT NormalAI_Rest(BOOL& bActioned);
    virtual HRESULT NormalAI_MoveToForces(BOOL& rbActioned, BOOL bOur);
    virtual HRESULT NormalAI_MoveToNearestEnemy(BOOL& rbActioned);
    virtual HRESULT NormalAI_MoveToLeastHPEnemy(BOOL& rbActioned);
    virtual HRESULT NormalAI_MoveToFloor(BOOL& rbActioned, LONG lTargetFloorIndex);

    DWORD GetState() const { return m_dwState; }
    const sTableResource& GetTableResource() const { return m_TableResource; }
    const std::vector<std::pair<DWORD, DWORD>>& GetUsableSkills() const { return m_vecUsableSkill; }

private:
    // A step of the action chain, named as its failure is reported.
    using NormalStep = HRESULT (XC_ControlCampComputer::*)(BOOL&);
    struct XS_ChainStep
    {
        NormalStep pfnStep;
        const char* szCall;
        const char* szDone;
    };

    bool BuildTables();
    void FreeTables();
    // Tries the steps in order until one acts; false when none did.
    bool RunChain(const XS_ChainStep* pSteps, size_t uCount);
    bool IsNearDeath(JC_ControlPersonPower* pPower);
    // Runs the person's stay events and ends its actions: a rest spends what
    // RAP is left, so the turn always moves on.
    void RestPerson();
    // A skill AI's action; a failure costs the person all its RAP.
    void DoSkillAction(XC_PersonSkillAI* pPersonSkillAI);
    // A cell with a neighbour one can step from towards it this turn.
    bool HasReachableNeighbour(LONG lFloorIndex) const;
    // The free reachable cell nearest the target by walking cost; -1 when
    // none is nearer than the person's own cell.
    LONG FindNearestFreeFloor(LONG lTargetFloorIndex, LONG lPersonFloorIndex);
    void WriteFloorLine(const char* szFormat, LONG lFloorA, LONG lFloorB) const;
    void EndPerson(float fDelayTime);
    JC_ControlPersonPower* ActionPower() const;

    DWORD m_dwState = STATE_CHOOSE;
    DWORD m_dwSubState = 0;
    JC_ControlSkill m_ControlSkillObj;
    std::vector<std::pair<DWORD, DWORD>> m_vecUsableSkill;
    LONG* m_plTableMoveScope = nullptr;
    LONG* m_plTableAllMoveScope = nullptr;
    LONG* m_plTableAllPerson = nullptr;
    LONG* m_plTableAlliedForces = nullptr;
    LONG* m_plTableHostileForces = nullptr;
    LONG* m_plTableEnemyDistance = nullptr;
    LONG* m_plTableAlliedStrength = nullptr;
    LONG* m_plTableHostileStrength = nullptr;
    sTableResource m_TableResource;
    // Actions of the acting person so far this turn.
    int m_iPersonActions = 0;
};

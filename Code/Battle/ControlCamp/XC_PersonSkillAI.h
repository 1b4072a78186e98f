#pragma once

#include "Code/Battle/ControlCamp/XC_PersonAttackAI.h"
#include "JC_DataManager/Control/JC_ControlSkill.h"

// One skill of a computer person, aimed and scored with the attack AI's
// machinery; what a target is worth depends on the skill's kind: attack,
// revive, restore or state.
class XC_PersonSkillAI : public XC_PersonAttackAI
{
public:
    static constexpr DWORD SKILL_TYPE_ATTACK = 1;
    static constexpr DWORD SKILL_TYPE_REVIVE = 2;
    static constexpr DWORD SKILL_TYPE_RESTORE = 4;
    static constexpr DWORD SKILL_TYPE_STATE = 8;

    XC_PersonSkillAI() = default;
    ~XC_PersonSkillAI() override = default;

    virtual HRESULT Init(XC_GamePerson* pPersonObj, sTableResource* pTableResource, DWORD dwSkillID,
                         DWORD dwSkillLevel);
    HRESULT BuildPersonBattle(BOOL& bCanDo) override;
    int ComputePassivePersonScore(XC_GamePerson* pPassivePerson) override;
    virtual int ComputePassivePersonScore_Revive(XC_GamePerson* pPassivePerson);
    virtual int ComputePassivePersonScore_Restore(XC_GamePerson* pPassivePerson);
    virtual int ComputePassivePersonScore_Attack(XC_GamePerson* pPassivePerson);
    virtual int ComputePassivePersonScore_State(XC_GamePerson* pPassivePerson);

    DWORD GetSkillID() const { return m_dwSkillID; }
    DWORD GetSkillLevel() const { return m_dwSkillLevel; }

private:
    using XC_PersonAttackAI::Init;

    // The skill's own caster is no target of a skill for allies with a
    // near scope.
    bool IsRefusedSelfTarget(XC_GamePerson* pPassivePerson);
    // The least acceptable score of the skill's kind.
    int MinScore();

    DWORD m_dwSkillID = 0;
    DWORD m_dwSkillLevel = 0;
    JC_ControlSkill m_ControlSkillObj;
};

#pragma once

#include "JC_DataManager/Control/JC_ControlBase.h"
#include "JC_DataManager/Operator/JC_BaseEx.h"
#include "JC_DataManager/Operator/JC_OperatorSkill.h"
#include "JC_DataManager/Operator/JC_OperatorSkillPower.h"

constexpr DWORD JE_CONTROLSKILL_NO_SKILL = 0x89368031;
constexpr DWORD JE_CONTROLSKILL_NO_SKILL_POWER = 0x89368032;
constexpr DWORD JE_CONTROLSKILL_NULL_SKILL = 0x89368033;
constexpr DWORD JE_CONTROLSKILL_NULL_SKILL_POWER = 0x89368034;

// One skill at one level: its skill record and its skill-power record,
// bound side by side. The skill key is the skill's ID with the level in the
// low 16 bits.
class JC_ControlSkill : public JC_ControlBase, public JC_BaseEx
{
public:
    DWORD Initiation(JC_DataManager* pDataManager, JC_BehaviorAnalyser* pBehaviorAnalyser) override;
    virtual DWORD SetDataConponent(JC_DataComponent* pSkill, JC_DataComponent* pSkillPower);
    virtual DWORD SetDataConponent(DWORD dwSkillID, DWORD dwSkillLevel);
    virtual DWORD SetDataConponentByKey(DWORD dwSkillKey);

    DWORD GetSkillKey();

    std::string GetSkillName() { return m_OperatorSkillObj.GetSkillName(); }
    int GetIsSpontaneity() { return m_OperatorSkillObj.GetIsSpontaneity(); }
    DWORD GetLearnConditionCount() { return m_OperatorSkillObj.GetLearnConditionCount(); }
    std::string GetLearnCondition(DWORD dwIndex) { return m_OperatorSkillObj.GetLearnCondition(dwIndex); }

    std::string GetActionScriptID() { return m_OperatorSkillPowerObj.GetActionScriptID(); }
    int GetUseConditionRAP() { return m_OperatorSkillPowerObj.GetUseConditionRAP(); }
    int GetUseConditionMoney() { return m_OperatorSkillPowerObj.GetUseConditionMoney(); }
    int GetUseConditionSP() { return m_OperatorSkillPowerObj.GetUseConditionSP(); }
    int GetUseConditionMorale() { return m_OperatorSkillPowerObj.GetUseConditionMorale(); }
    int GetMustMorale() { return m_OperatorSkillPowerObj.GetMustMorale(); }
    int GetMustHPRangeMin() { return m_OperatorSkillPowerObj.GetMustHPRangeMin(); }
    int GetMustHPRangeMax() { return m_OperatorSkillPowerObj.GetMustHPRangeMax(); }
    JC_StringArray* GetBehavior() { return m_OperatorSkillPowerObj.GetBehavior(); }
    DWORD GetBehaviorCount() { return m_OperatorSkillPowerObj.GetBehaviorCount(); }
    std::string GetBehavior(DWORD dwIndex) { return m_OperatorSkillPowerObj.GetBehavior(dwIndex); }
    std::string GetExplainShort() { return m_OperatorSkillPowerObj.GetExplainShort(); }
    int GetSkillType() { return m_OperatorSkillPowerObj.GetSkillType(); }
    int GetUseJobType() { return m_OperatorSkillPowerObj.GetUseJobType(); }
    int GetHaveEffectStateFlag() { return m_OperatorSkillPowerObj.GetHaveEffectStateFlag(); }
    DWORD GetEffectStateCount() { return m_OperatorSkillPowerObj.GetEffectStateCount(); }
    DWORD GetEffectState(DWORD dwIndex) { return m_OperatorSkillPowerObj.GetEffectState(dwIndex); }
    int GetMustTargetCount() { return m_OperatorSkillPowerObj.GetMustTargetCount(); }

    int GetScopeShape() override { return m_OperatorSkillPowerObj.GetScopeShape(); }
    int GetScopeLV() override { return m_OperatorSkillPowerObj.GetScopeLV(); }
    int GetDistanceNear() override { return m_OperatorSkillPowerObj.GetDistanceNear(); }
    int GetDistanceFar() override { return m_OperatorSkillPowerObj.GetDistanceFar(); }
    int GetHeightHigh() override { return m_OperatorSkillPowerObj.GetHeightHigh(); }
    int GetHeightLow() override { return m_OperatorSkillPowerObj.GetHeightLow(); }
    int GetUseTarget() override { return m_OperatorSkillObj.GetUseTarget(); }
    int GetUseCamp() override { return m_OperatorSkillObj.GetUseCamp(); }
    int GetUseLifeState() override { return m_OperatorSkillObj.GetUseLifeState(); }

    BOOL IsBound() const { return m_bBound; }

private:
    JC_OperatorSkill m_OperatorSkillObj;
    JC_OperatorSkillPower m_OperatorSkillPowerObj;
    DWORD m_dwSkillID = 0;
    DWORD m_dwSkillPowerID = 0;
    BOOL m_bBound = FALSE;
};

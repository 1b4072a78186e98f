#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

// One level of a skill: its range, costs and conditions, its behaviour lines
// and the states it applies. Its ID is the skill's ID with the level in the
// low 16 bits.
class JC_OperatorSkillPower : public JC_OperatorBase
{
public:
    JC_OperatorSkillPower();

    DWORD GetID() { return GetValue<DWORD>("ID"); }
    int GetScopeShape() { return GetValue<int>("ScopeShape"); }
    int GetScopeLV() { return GetValue<int>("ScopeLV"); }
    int GetDistanceNear() { return GetValue<int>("DistanceNear"); }
    int GetDistanceFar() { return GetValue<int>("DistanceFar"); }
    int GetHeightHigh() { return GetValue<int>("HeightHigh"); }
    int GetHeightLow() { return GetValue<int>("HeightLow"); }
    std::string GetActionScriptID() { return GetValue<std::string>("ActionScriptID"); }
    int GetUseConditionRAP() { return GetValue<int>("UseConditionRAP"); }
    int GetUseConditionMoney() { return GetValue<int>("UseConditionMoney"); }
    int GetUseConditionSP() { return GetValue<int>("UseConditionSP"); }
    int GetUseConditionMorale() { return GetValue<int>("UseConditionMorale"); }
    int GetMustMorale() { return GetValue<int>("MustMorale"); }
    int GetMustHPRangeMin() { return GetValue<int>("MustHPRangeMin"); }
    int GetMustHPRangeMax() { return GetValue<int>("MustHPRangeMax"); }
    // The record's own behaviour lines, or null.
    JC_StringArray* GetBehavior();
    DWORD GetBehaviorCount();
    // "" outside the lines.
    std::string GetBehavior(DWORD dwIndex);
    std::string GetExplainShort() { return GetValue<std::string>("ExplainShort"); }
    int GetSkillType() { return GetValue<int>("SkillType"); }
    int GetUseJobType() { return GetValue<int>("UseJobType"); }
    int GetHaveEffectStateFlag() { return GetValue<int>("HaveEffectStateFlag"); }
    DWORD GetEffectStateCount() { return GetSpaceCount<JC_DWordArray>("EffectState"); }
    // 0 outside the list.
    DWORD GetEffectState(DWORD dwIndex);
    int GetMustTargetCount() { return GetValue<int>("MustTargetCount"); }
};

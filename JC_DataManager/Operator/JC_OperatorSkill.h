#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

// A skill of the fixed skill table: its texts, learning conditions and whom
// it may be used on.
class JC_OperatorSkill : public JC_OperatorBase
{
public:
    JC_OperatorSkill();

    DWORD GetID() { return GetValue<DWORD>("ID"); }
    std::string GetSkillName() { return GetValue<std::string>("SkillName"); }
    std::string GetExplain() { return GetValue<std::string>("Explain"); }
    int GetIsSpontaneity() { return GetValue<int>("IsSpontaneity"); }
    DWORD GetLearnConditionCount();
    // "" outside the list.
    std::string GetLearnCondition(DWORD dwIndex);
    std::string GetLearnConditionExplain() { return GetValue<std::string>("LearnConditionExplain"); }
    int GetUseTarget() { return GetValue<int>("UseTarget"); }
    int GetUseCamp() { return GetValue<int>("UseCamp"); }
    int GetUseLifeState() { return GetValue<int>("UseLifeState"); }

private:
    const JC_StringArray* GetLearnConditions();
};

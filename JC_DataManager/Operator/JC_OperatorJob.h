#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

// A job of the fixed job table, read only: its attributes, level-up
// coefficients and growth, and the skills it teaches.
class JC_OperatorJob : public JC_OperatorBase
{
public:
    JC_OperatorJob();

    std::string GetJobName() { return GetValue<std::string>("JobName"); }
    int GetJobType() { return GetValue<int>("JobType"); }
    int GetMaxJobLevel() { return GetValue<int>("MaxJobLevel"); }
    int GetHPCoefficient() { return GetValue<int>("HPCoefficient"); }
    int GetSPCoefficient() { return GetValue<int>("SPCoefficient"); }
    int GetPersonLevelUpPoint() { return GetValue<int>("PersonLevelUpPoint"); }
    int GetJobLevelUpPoint() { return GetValue<int>("JobLevelUpPoint"); }
    int GetMaxRAP() { return GetValue<int>("MaxRAP"); }
    int GetMove() { return GetValue<int>("Move"); }
    int GetStrength() { return GetValue<int>("Strength"); }
    int GetVitality() { return GetValue<int>("Vitality"); }
    int GetAgile() { return GetValue<int>("Agile"); }
    int GetDexterity() { return GetValue<int>("Dexterity"); }
    int GetIntelligence() { return GetValue<int>("Intelligence"); }
    int GetWisdom() { return GetValue<int>("Wisdom"); }
    int GetCharm() { return GetValue<int>("Charm"); }
    int GetLuck() { return GetValue<int>("Luck"); }
    int GetJumpUp() { return GetValue<int>("JumpUp"); }
    int GetJumpDown() { return GetValue<int>("JumpDown"); }
    int GetGrowRateStrength() { return GetValue<int>("GrowRateStrength"); }
    int GetGrowRateVitality() { return GetValue<int>("GrowRateVitality"); }
    int GetGrowRateAgile() { return GetValue<int>("GrowRateAgile"); }
    int GetGrowRateDexterity() { return GetValue<int>("GrowRateDexterity"); }
    int GetGrowRateIntelligence() { return GetValue<int>("GrowRateIntelligence"); }
    int GetGrowRateWisdom() { return GetValue<int>("GrowRateWisdom"); }
    int GetGrowRateCharm() { return GetValue<int>("GrowRateCharm"); }
    int GetGrowRateLuck() { return GetValue<int>("GrowRateLuck"); }
    // The record's own arrays, or null.
    JC_DWordArray* GetLearnSkillIDArray();
    JC_DWordArray* GetLearnSkillLVArray();
    DWORD GetLearnSkillCount();
    // Entry i, 0 outside the array.
    DWORD GetLearnSkillID(DWORD dwIndex);
    int GetLearnSkillLV(DWORD dwIndex);
};

#pragma once

#include "JC_DataManager/Control/JC_ControlPersonBase.h"

constexpr DWORD JE_LEVELUP_SET_NOT_BOUND = 0x89336031;
constexpr DWORD JE_LEVELUP_SET_BELOW_CURRENT = 0x89336032;
constexpr DWORD JE_LEVELUP_NOT_BOUND = 0x89336051;
constexpr DWORD JE_LEVELUP_NEGATIVE = 0x89336052;
constexpr DWORD JE_LEVELUP_NO_GROW_RATE = 0x89336053;
constexpr DWORD JE_JOBLEVEL_SET_NOT_BOUND = 0x89336091;
constexpr DWORD JE_JOBLEVEL_SET_BELOW_CURRENT = 0x89336092;
constexpr DWORD JE_JOBLEVEL_NOT_BOUND = 0x893360E1;
constexpr DWORD JE_JOBLEVEL_NEGATIVE = 0x893360E2;

// Raises the bound person's level or job level with the growth of its job.
// Every level is written at once, so a failure keeps the levels done.
class JC_ControlPersonLevelUp : public JC_ControlPersonBase
{
public:
    // A level past "MaxLevel" is cut to it. bDistribute spreads the job's
    // level-up points over the attributes by its grow rates; 0 keeps them
    // as unused points.
    DWORD SetLevel(int iLevel, BOOL bDistribute);
    DWORD LevelUp(int iCount, BOOL bDistribute);
    DWORD SetJobLevel(int iJobLevel, BOOL bDistribute);
    DWORD JobLevelUp(int iCount, BOOL bDistribute);

private:
    void ReportNotBound() const;
    // One point to the attribute a roll of 1..total picks.
    void GivePoint(const int (&cumulative)[8]);
};

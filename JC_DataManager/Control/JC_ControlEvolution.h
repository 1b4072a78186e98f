#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

// One evolution record, bound by its user before each use.
class JC_ControlEvolution : public JC_OperatorBase
{
public:
    // Percent.
    int GetEvolutionHP() { return GetValue<int>("EvolutionHP"); }
    int GetEvolutionMorale() { return GetValue<int>("EvolutionMorale"); }
    // 0 when the record has no behaviour list.
    DWORD GetEvolutionBehaviorCount();
    // Empty when the list is missing or has no such line.
    std::string GetEvolutionBehavior(DWORD dwIndex);

private:
    JC_StringArray* GetEvolutionBehaviorArray();
};

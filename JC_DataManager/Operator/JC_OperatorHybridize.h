#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

// A hybridisation rule of the fixed table: the person two persons merge
// into, by chance.
class JC_OperatorHybridize : public JC_OperatorBase
{
public:
    JC_OperatorHybridize();

    int GetSuccessRate() { return GetValue<int>("SuccessRate"); }
    // -1 is no person.
    int GetTagPersonID() { return GetValue<int>("TagPersonID"); }
    int GetFailTagPersonID() { return GetValue<int>("FailTagPersonID"); }
};

#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

// A hybridisation rule of the fixed table, keyed by the pair of persons
// merged: its chance and the persons made on success and on failure.
class JC_OperatorHybridize : public JC_OperatorBase
{
public:
    JC_OperatorHybridize();

    int GetSuccessRate() { return GetValue<int>("SuccessRate"); }
    DWORD GetTagPersonID() { return GetValue<DWORD>("TagPersonID"); }
    DWORD GetFailTagPersonID() { return GetValue<DWORD>("FailTagPersonID"); }
};

#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

// One floor cell of the battle scene. Floor i = IndexZ × MapWidth + IndexX.
class JC_OperatorFloor : public JC_OperatorBase
{
public:
    JC_OperatorFloor();

    DWORD GetLandformID() { return GetValue<DWORD>("LandformID"); }
    void SetLandformID(DWORD dwValue) { SetValue("LandformID", dwValue); }
    void SetIndex(int iValue) { SetValue("Index", iValue); }
    int GetIndexX() { return GetValue<int>("IndexX"); }
    void SetIndexX(int iValue) { SetValue("IndexX", iValue); }
    int GetIndexZ() { return GetValue<int>("IndexZ"); }
    void SetIndexZ(int iValue) { SetValue("IndexZ", iValue); }
    int GetIsDisableMagic() { return GetValue<int>("IsDisableMagic"); }
    void SetIsDisableMagic(int iValue) { SetValue("IsDisableMagic", iValue); }
    int GetDisableMagicRound() { return GetValue<int>("DisableMagicRound"); }
    void SetDisableMagicRound(int iValue) { SetValue("DisableMagicRound", iValue); }
};

#pragma once

#include "JC_DataManager/Operator/JC_BaseEx.h"
#include "JC_DataManager/Operator/JC_OperatorEquipmentBase.h"

// A weapon: equipment with a use range, absorption and behaviour lines. Its
// use target, camp and life state are the interface's defaults.
class JC_OperatorWeapon : public JC_OperatorEquipmentBase, public JC_BaseEx
{
public:
    JC_OperatorWeapon();

    int GetScopeShape() override { return GetValue<int>("ScopeShape"); }
    int GetScopeLV() override { return GetValue<int>("ScopeLV"); }
    int GetDistanceNear() override { return GetValue<int>("DistanceNear"); }
    int GetDistanceFar() override { return GetValue<int>("DistanceFar"); }
    int GetHeightHigh() override { return GetValue<int>("HeightHigh"); }
    int GetHeightLow() override { return GetValue<int>("HeightLow"); }

    int GetHPAbsorbRate() { return GetValue<int>("HPAbsorbRate"); }
    void SetHPAbsorbRate(int iValue) { SetValue("HPAbsorbRate", iValue); }
    int GetHPAbsorbValue() { return GetValue<int>("HPAbsorbValue"); }
    void SetHPAbsorbValue(int iValue) { SetValue("HPAbsorbValue", iValue); }
    int GetSPAbsorbRate() { return GetValue<int>("SPAbsorbRate"); }
    void SetSPAbsorbRate(int iValue) { SetValue("SPAbsorbRate", iValue); }
    int GetSPAbsorbValue() { return GetValue<int>("SPAbsorbValue"); }
    void SetSPAbsorbValue(int iValue) { SetValue("SPAbsorbValue", iValue); }

    // The record's own behaviour lines, or null.
    JC_StringArray* GetFightBehavior();
    int GetIsBothHand() { return GetWearPosition() == BOTH_HANDS ? 1 : 0; }
};

#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

// A kind of ground of the fixed landform table, read only.
class JC_OperatorLandform : public JC_OperatorBase
{
public:
    JC_OperatorLandform();

    int GetWalkConsume() { return GetValue<int>("WalkConsume"); }
    int GetCanStay() { return GetValue<int>("CanStay"); }
    int GetExtraNatureAttackRate() { return GetValue<int>("ExtraNatureAttackRate"); }
    int GetExtraNatureDefenseRate() { return GetValue<int>("ExtraNatureDefenseRate"); }
    int GetExtraHitRate() { return GetValue<int>("ExtraHitRate"); }
    int GetExtraDodgeRate() { return GetValue<int>("ExtraDodgeRate"); }
    int GetExtraHPRestoreRate() { return GetValue<int>("ExtraHPRestoreRate"); }
    int GetExtraSPRestoreRate() { return GetValue<int>("ExtraSPRestoreRate"); }
    int GetExtraHPDamageRate() { return GetValue<int>("ExtraHPDamageRate"); }
    int GetExtraSPDamageRate() { return GetValue<int>("ExtraSPDamageRate"); }
};

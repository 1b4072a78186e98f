#pragma once

#include "JC_DataManager/Operator/JC_BaseEx.h"
#include "JC_DataManager/Operator/JC_OperatorThingBase.h"

// A tool: a thing used up in battle, with its use range and behaviour lines.
class JC_OperatorTool : public JC_OperatorThingBase, public JC_BaseEx
{
public:
    JC_OperatorTool();

    int GetScopeShape() override { return GetValue<int>("ScopeShape"); }
    int GetScopeLV() override { return GetValue<int>("ScopeLV"); }
    int GetDistanceNear() override { return GetValue<int>("DistanceNear"); }
    int GetDistanceFar() override { return GetValue<int>("DistanceFar"); }
    int GetHeightHigh() override { return GetValue<int>("HeightHigh"); }
    int GetHeightLow() override { return GetValue<int>("HeightLow"); }
    int GetUseTarget() override { return GetValue<int>("UseTarget"); }
    int GetUseCamp() override { return GetValue<int>("UseCamp"); }
    int GetUseLifeState() override { return GetValue<int>("UseLifeState"); }

    // The record's own behaviour lines, or null.
    JC_StringArray* GetUseBehavior();
    std::string GetExplainShort() { return GetValue<std::string>("ExplainShort"); }
};

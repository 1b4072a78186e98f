#pragma once

#include "JC_DataManager/Operator/JC_OperatorThingBase.h"

// A gem (soul stone), inlaid into the sockets of equipment.
class JC_OperatorGem : public JC_OperatorThingBase
{
public:
    JC_OperatorGem();

    std::string GetTitleName() { return GetValue<std::string>("TitleName"); }
    int GetWearPosition() { return GetValue<int>("WearPosition"); }

    // The record's own lists, or null.
    JC_StringArray* GetInlayBehaviorArray();
    JC_StringArray* GetInlayBehaviorEquipArray();
    JC_StringArray* GetInlayBehaviorFightArray();
    DWORD GetInlayBehaviorCount();
    std::string GetInlayBehavior(DWORD dwIndex);
};

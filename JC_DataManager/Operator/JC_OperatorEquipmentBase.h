#pragma once

#include "JC_DataManager/Operator/JC_OperatorThingBase.h"

constexpr DWORD JE_EQUIPMENT_NULL_RECORD = 0x89041001;
constexpr DWORD JE_EQUIPMENT_KIND_UNREADABLE = 0x89041002;
constexpr DWORD JE_EQUIPMENT_KIND_MISMATCH = 0x89041003;
constexpr DWORD JE_EQUIPMENT_NOT_EQUIPMENT = 0x89041004;

// What weapons and wearings share: where they are worn, which jobs may
// equip them, their gem sockets and their behaviour lines. Used directly it
// accepts either; a refused record leaves the previous binding in place.
class JC_OperatorEquipmentBase : public JC_OperatorThingBase
{
public:
    static constexpr DWORD EQUIP_JOBS = 32;
    // The wear position of an item that takes both hands.
    static constexpr int BOTH_HANDS = 8;

    JC_OperatorEquipmentBase();

    DWORD SetDataConponent(JC_DataComponent* pRecord) override;

    int GetWearPosition() { return GetValue<int>("WearPosition"); }
    int GetHoleCount() { return GetValue<int>("HoleCount"); }
    // The job flag of job 0 to 31; 0 for any other index.
    int GetEquipJob(DWORD dwJobIndex);

    // The record's own arrays, or null.
    JC_DWordArray* GetGemArray();
    DWORD GetGemCount();
    DWORD GetGem(DWORD dwIndex);
    JC_StringArray* GetEquipBehaviorArray();
    DWORD GetEquipBehaviorCount();
    std::string GetEquipBehavior(DWORD dwIndex);

protected:
    explicit JC_OperatorEquipmentBase(DWORD dwOperatorKind);
};

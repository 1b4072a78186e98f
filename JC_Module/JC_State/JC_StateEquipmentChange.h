#pragma once

#include <windows.h>

#include <memory>
#include <vector>

class JC_ControlPerson;
class JC_ControlWarehouse;
class JC_DataComponent;
class JC_DataManager;
class JC_DebugLog;

// A put-on the warehouse refused to complete: it was undone.
constexpr DWORD JE_STATEEQUIPMENTCHANGE_PUT_ON_UNDONE = 0x8a0000c2;
// A take-off the warehouse refused to take back: the item stays worn.
constexpr DWORD JE_STATEEQUIPMENTCHANGE_TAKE_OFF_UNDONE = 0x8a0000c3;

// Moves equipment between the shown person and the weapon and wearing
// warehouses as one step: when the warehouse refuses a piece half-way, the
// person and both warehouses go back to what they held before, so nothing
// is lost or duplicated.
class JC_StateEquipmentChange
{
public:
    JC_StateEquipmentChange(JC_ControlPerson& person, const JC_ControlWarehouse& warehouse, JC_DataManager& dataManager,
                            JC_DebugLog& log);
    ~JC_StateEquipmentChange();
    JC_StateEquipmentChange(const JC_StateEquipmentChange&) = delete;
    JC_StateEquipmentChange& operator=(const JC_StateEquipmentChange&) = delete;

    // The thing of a drawer put on at a wear position; one piece leaves the
    // drawer and what was worn there goes back to its warehouse.
    DWORD PutOn(int iWarehouse, int iDrawerIndex, int iWearPosition);
    // What is worn at the wear position goes back to its warehouse.
    DWORD TakeOff(int iWearPosition);

private:
    DWORD TakeSnapshot();
    void RestoreSnapshot();
    void RestoreWarehouse(int iWarehouse, const std::vector<std::unique_ptr<JC_DataComponent>>& copies) const;
    DWORD ReturnToWarehouse(JC_DataComponent* pThing) const;

    JC_ControlPerson& m_Person;
    const JC_ControlWarehouse& m_Warehouse;
    JC_DataManager& m_DataManager;
    JC_DebugLog& m_Log;
    std::unique_ptr<JC_DataComponent> m_pPersonCopy;
    std::vector<std::unique_ptr<JC_DataComponent>> m_WeaponCopies;
    std::vector<std::unique_ptr<JC_DataComponent>> m_WearingCopies;
};

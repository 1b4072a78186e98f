#include "JC_Module/JC_State/JC_StateEquipmentChange.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "JC_DataManager/Control/JC_ControlPerson.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "TemplateSystem/JC_DataComponent.h"
#include "TemplateSystem/JC_DataComponentMaker.h"
#include "TemplateSystem/JC_DebugLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

DWORD CopyWarehouse(const JC_ControlWarehouse& warehouse, int iWarehouse,
                    std::vector<std::unique_ptr<JC_DataComponent>>& copies)
{
    copies.clear();
    const int iCount = warehouse.HowManyDrawerInWarehouse(iWarehouse);
    for (int i = 0; i < iCount; ++i) {
        auto pCopy = std::make_unique<JC_DataComponent>();
        const DWORD dwResult = pCopy->Copy(warehouse.GetDrawerObj(iWarehouse, i), JC_DataComponent::ADOPT_LAYOUT);
        if (dwResult != 0)
            return dwResult;
        copies.push_back(std::move(pCopy));
    }
    return 0;
}

} // namespace

JC_StateEquipmentChange::JC_StateEquipmentChange(JC_ControlPerson& person, const JC_ControlWarehouse& warehouse,
                                                 JC_DataManager& dataManager, JC_DebugLog& log)
    : m_Person(person), m_Warehouse(warehouse), m_DataManager(dataManager), m_Log(log)
{
}

JC_StateEquipmentChange::~JC_StateEquipmentChange() = default;

DWORD JC_StateEquipmentChange::TakeSnapshot()
{
    JC_DataComponent* const pPerson = m_Person.GetPersonDataComponent();
    if (pPerson == nullptr)
        return JE_TAKEOFF_NOT_BOUND;
    m_pPersonCopy = std::make_unique<JC_DataComponent>();
    DWORD dwResult = m_pPersonCopy->Copy(pPerson, JC_DataComponent::ADOPT_LAYOUT);
    if (dwResult == 0)
        dwResult = CopyWarehouse(m_Warehouse, JC_ControlWarehouse::WAREHOUSE_WEAPON, m_WeaponCopies);
    if (dwResult == 0)
        dwResult = CopyWarehouse(m_Warehouse, JC_ControlWarehouse::WAREHOUSE_WEARING, m_WearingCopies);
    return dwResult;
}

void JC_StateEquipmentChange::RestoreSnapshot()
{
    JC_DataComponent* const pPerson = m_Person.GetPersonDataComponent();
    pPerson->Copy(m_pPersonCopy.get(), JC_DataComponent::SAME_LAYOUT);
    // The controls read the worn records again.
    m_Person.SetControlPerson(pPerson);
    RestoreWarehouse(JC_ControlWarehouse::WAREHOUSE_WEAPON, m_WeaponCopies);
    RestoreWarehouse(JC_ControlWarehouse::WAREHOUSE_WEARING, m_WearingCopies);
}

void JC_StateEquipmentChange::RestoreWarehouse(int iWarehouse,
                                               const std::vector<std::unique_ptr<JC_DataComponent>>& copies) const
{
    const int iKind = m_Warehouse.TransformWarehouseToUnfixedDataKind(iWarehouse);
    JC_DataComponentMaker* const pWarehouse =
        iKind < 0 ? nullptr : m_DataManager.GetUnfixedDataObj(static_cast<DWORD>(iKind));
    if (pWarehouse == nullptr)
        return;
    pWarehouse->ClearAll();
    for (size_t i = 0; i < copies.size(); ++i)
        pWarehouse->SetComponent({0, static_cast<DWORD>(i)}, copies[i].get());
}

DWORD JC_StateEquipmentChange::ReturnToWarehouse(JC_DataComponent* pThing) const
{
    if (pThing == nullptr)
        return 0;
    return m_Warehouse.AddThingObj(pThing, JC_ControlWarehouse::WAREHOUSE_OF_THING, JC_ControlWarehouse::ID_OF_THING);
}

DWORD JC_StateEquipmentChange::PutOn(int iWarehouse, int iDrawerIndex, int iWearPosition)
{
    JC_DataComponent* const pDrawer = m_Warehouse.GetDrawerObj(iWarehouse, iDrawerIndex);
    JC_DataComponent* const pThing = pDrawer != nullptr ? m_Warehouse.GetDrawerObjInfo_Thing(pDrawer) : nullptr;
    DWORD dwResult = TakeSnapshot();
    if (dwResult != 0)
        return dwResult;
    std::unique_ptr<JC_DataComponent> pTakenRightHand;
    std::unique_ptr<JC_DataComponent> pTakenOther;
    dwResult = m_Person.GetPersonEquipObj()->PutOnEquipment(iWearPosition, pThing, pTakenRightHand, pTakenOther);
    if (dwResult != 0) {
        RestoreSnapshot();
        return dwResult;
    }
    dwResult = m_Warehouse.DelThing(iWarehouse, iDrawerIndex, 1);
    if (dwResult == 0)
        dwResult = ReturnToWarehouse(pTakenRightHand.get());
    if (dwResult == 0)
        dwResult = ReturnToWarehouse(pTakenOther.get());
    if (dwResult == 0)
        return 0;
    m_Log.PrintAt(s_szSourceFile, __LINE__,
                  " StateEquipmentChange PutOn WarehouseRefused. \r\n Warehouse:0x%08x DrawerIndex:%d "
                  "WearPosition:0x%08x \r\n HRESULT:0x%08x \r\n",
                  static_cast<unsigned>(iWarehouse), iDrawerIndex, static_cast<unsigned>(iWearPosition),
                  static_cast<unsigned>(dwResult));
    RestoreSnapshot();
    return JE_STATEEQUIPMENTCHANGE_PUT_ON_UNDONE;
}

DWORD JC_StateEquipmentChange::TakeOff(int iWearPosition)
{
    DWORD dwResult = TakeSnapshot();
    if (dwResult != 0)
        return dwResult;
    std::unique_ptr<JC_DataComponent> pTaken;
    dwResult = m_Person.GetPersonEquipObj()->TakeOffEquipment(iWearPosition, pTaken);
    if (dwResult != 0) {
        RestoreSnapshot();
        return dwResult;
    }
    dwResult = ReturnToWarehouse(pTaken.get());
    if (dwResult == 0)
        return 0;
    m_Log.PrintAt(s_szSourceFile, __LINE__,
                  " StateEquipmentChange TakeOff WarehouseRefused. \r\n WearPosition:0x%08x \r\n HRESULT:0x%08x \r\n",
                  static_cast<unsigned>(iWearPosition), static_cast<unsigned>(dwResult));
    RestoreSnapshot();
    return JE_STATEEQUIPMENTCHANGE_TAKE_OFF_UNDONE;
}

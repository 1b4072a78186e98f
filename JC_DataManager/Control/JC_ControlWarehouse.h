#pragma once

#include "JC_DataManager/Control/JC_ControlBase.h"
#include "TemplateSystem/JC_DataComponentMaker.h"

class JC_DataComponent;
class JC_DataComponentMaker;

constexpr DWORD JE_CONTROLWAREHOUSE_NAME_NULL_DRAWER = 0x893a2111;
constexpr DWORD JE_CONTROLWAREHOUSE_NAME_NO_THING = 0x893a2112;
constexpr DWORD JE_CONTROLWAREHOUSE_EXPLAIN_NULL_DRAWER = 0x893a2121;
constexpr DWORD JE_CONTROLWAREHOUSE_EXPLAINEX_NULL_DRAWER = 0x893a2131;
constexpr DWORD JE_CONTROLWAREHOUSE_INLAY_NULL_DRAWER = 0x893a2151;
constexpr DWORD JE_CONTROLWAREHOUSE_INLAY_BAD_KIND = 0x893a2152;
constexpr DWORD JE_CONTROLWAREHOUSE_INLAY_NO_THING = 0x893a2153;
constexpr DWORD JE_CONTROLWAREHOUSE_ADD_NULL_THING = 0x893a2211;
constexpr DWORD JE_CONTROLWAREHOUSE_ADD_FULL = 0x893a2212;
constexpr DWORD JE_CONTROLWAREHOUSE_ADD_NO_POSITION = 0x893a2213;
constexpr DWORD JE_CONTROLWAREHOUSE_ADD_NO_STACK = 0x893a2214;
constexpr DWORD JE_CONTROLWAREHOUSE_ADD_NO_STACK_DRAWER = 0x893a2215;
constexpr DWORD JE_CONTROLWAREHOUSE_ADD_BAD_WAREHOUSE = 0x893a2216;
constexpr DWORD JE_CONTROLWAREHOUSE_ADD_NO_THING = 0x893a2217;
constexpr DWORD JE_CONTROLWAREHOUSE_DEL_NO_DRAWER = 0x893a2311;
constexpr DWORD JE_CONTROLWAREHOUSE_EMPTY_NO_WAREHOUSE = 0x893a2411;

// The party's four warehouses, one a thing kind: ordered arrays of drawers.
// Gems and tools of one ID stack in one drawer; every weapon and wearing
// has a drawer of its own with its own copy of the thing, which may change
// after it is obtained.
class JC_ControlWarehouse : public JC_ControlBase
{
public:
    static constexpr int WAREHOUSE_GEM = 1;
    static constexpr int WAREHOUSE_TOOL = 2;
    static constexpr int WAREHOUSE_WEAPON = 3;
    static constexpr int WAREHOUSE_WEARING = 4;
    // AddThingObj takes the warehouse and the ID from the thing.
    static constexpr int WAREHOUSE_OF_THING = 0;
    static constexpr DWORD ID_OF_THING = 0;
    static constexpr int MAX_DRAWERS = 6000;
    static constexpr DWORD MAX_STACK = 99;

    // Warehouse 1..4 of ThingKind 0..3, or -1 after logging.
    int TransformThingKindToWarehouse(DWORD dwThingKind) const;
    // The unfixed data kind of a warehouse, or -1 after logging.
    int TransformWarehouseToUnfixedDataKind(int iWarehouse) const;
    // The fixed record of a thing, with the table's fallback record; null
    // for a kind outside 0..3.
    JC_DataComponent* GetFixedThingObj(DWORD dwThingKind, DWORD dwThingID) const;

    // -1 for an unknown warehouse.
    int HowManyDrawerInWarehouse(int iWarehouse) const;
    JC_DataComponent* GetDrawerObj(int iWarehouse, int iDrawerIndex) const;

    DWORD GetDrawerObjInfo_ThingKind(JC_DataComponent* pDrawer) const;
    DWORD GetDrawerObjInfo_ThingID(JC_DataComponent* pDrawer) const;
    DWORD GetDrawerObjInfo_ThingCount(JC_DataComponent* pDrawer) const;
    // Gems and tools: the fixed record; weapons and wearings: the drawer's
    // own copy.
    JC_DataComponent* GetDrawerObjInfo_Thing(JC_DataComponent* pDrawer) const;
    DWORD GetDrawerObjInfo_ThingName(JC_DataComponent* pDrawer, std::string& strText) const;
    // The fixed record's texts, for all four kinds.
    DWORD GetDrawerObjInfo_ThingExplain(JC_DataComponent* pDrawer, std::string& strText) const;
    DWORD GetDrawerObjInfo_ThingExplainEx(JC_DataComponent* pDrawer, std::string& strText) const;
    // 0 when there is no thing or no cost.
    int GetDrawerObjInfo_ThingCost(JC_DataComponent* pDrawer) const;
    // The first inlaid gem's text.
    DWORD GetDrawerObjInfo_ThingInlayExplain(JC_DataComponent* pDrawer, std::string& strText) const;
    void SetDrawerObjInfo_ThingID(JC_DataComponent* pDrawer, DWORD dwThingID) const;
    void SetDrawerObjInfo_ThingCount(JC_DataComponent* pDrawer, DWORD dwCount) const;
    void SetDrawerObjInfo_Thing(JC_DataComponent* pDrawer, JC_DataComponent* pThing) const;

    // The first drawer at or after the start holding the ID; -1 when none,
    // -2 on failure.
    int FindDrawer(int iWarehouse, DWORD dwThingID, int iStartFindIndex) const;
    // Where a new drawer of the ID goes: after every drawer of an equal or
    // smaller ID. -1 for a gem or tool that stacks onto its drawer, -2 on
    // failure.
    int FindThingInsertIndex(int iWarehouse, DWORD dwThingID) const;
    // One piece.
    DWORD AddThingObj(JC_DataComponent* pThing, int iWarehouse = WAREHOUSE_OF_THING,
                      DWORD dwThingID = ID_OF_THING) const;
    // Count pieces of a fixed thing.
    DWORD AddThing(int iWarehouse, DWORD dwThingID, int iCount) const;
    // Removes the drawer once it holds nothing more.
    DWORD DelThing(int iWarehouse, int iDrawerIndex, DWORD dwCount) const;
    DWORD EmptyWarehouse(int iWarehouse) const;
    int HowManyThingInWarehouse(int iWarehouse, DWORD dwThingID, int iStartFindIndex) const;

private:
    // The order of a drawer, in storage kept between calls: a fill of
    // thousands of drawers allocates no order per probe or insert.
    const JC_DataOrder& OrderAt(int iDrawerIndex) const;
    JC_DataComponentMaker* GetWarehouseObj(int iWarehouse) const;
    // The first drawer whose ID is above the given one (bOrEqual: not
    // below it), by halving the sorted drawers; -2 when a drawer cannot be
    // read.
    int FindFirstDrawerFrom(int iWarehouse, DWORD dwThingID, bool bOrEqual) const;
    DWORD StackOnto(int iWarehouse, DWORD dwThingID) const;
    DWORD InsertNewDrawer(int iWarehouse, int iPosition, DWORD dwThingID, JC_DataComponent* pThing) const;
    DWORD ReadFixedText(JC_DataComponent* pDrawer, const char* szItem, const char* szMethod, DWORD dwNullDrawer,
                        std::string& strText) const;

    mutable JC_DataOrder m_Order;
};

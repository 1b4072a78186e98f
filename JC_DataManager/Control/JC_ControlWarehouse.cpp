#include "JC_DataManager/Control/JC_ControlWarehouse.h"

#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_DataManager/Manager/JE_DataKind.h"
#include "JC_DataManager/Operator/JC_OperatorDrawer.h"
#include "JC_DataManager/Operator/JC_OperatorThingBase.h"
#include "TemplateSystem/JC_DataArrayManager.h"

#include <algorithm>
#include <memory>

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

bool IsStackingWarehouse(int iWarehouse)
{
    return iWarehouse == JC_ControlWarehouse::WAREHOUSE_GEM || iWarehouse == JC_ControlWarehouse::WAREHOUSE_TOOL;
}

bool IsPieceWarehouse(int iWarehouse)
{
    return iWarehouse == JC_ControlWarehouse::WAREHOUSE_WEAPON || iWarehouse == JC_ControlWarehouse::WAREHOUSE_WEARING;
}

// The ThingID item of the last drawer's template: a search over thousands of
// drawers of one template looks the name up once.
struct ThingIDItem
{
    const JC_Template* pTemplate = nullptr;
    const JC_TemplateItem* pItem = nullptr;
};

// The drawer's ThingID without a report; false when it cannot be read.
bool PeekThingID(JC_DataComponent* pDrawer, ThingIDItem& item, DWORD& dwThingID)
{
    if (pDrawer == nullptr)
        return false;
    if (pDrawer->GetTemplate() != item.pTemplate) {
        item.pTemplate = pDrawer->GetTemplate();
        item.pItem = pDrawer->GetItem("ThingID");
    }
    return pDrawer->GetItemValueAt(item.pItem, 0, &dwThingID) == 0;
}

// A 32-bit field of a drawer; 0 after logging the read's failure.
DWORD ReadDrawerField(JC_DebugLog& log, JC_DataComponent* pDrawer, const char* szItem, const char* szFailure)
{
    DWORD dwValue = 0;
    const DWORD dwResult = pDrawer != nullptr ? pDrawer->GetItemValueAt(szItem, 0, &dwValue) : JE_COMPONENT_GET_NO_ITEM;
    if (dwResult != 0) {
        log.PrintAt(s_szSourceFile, __LINE__, szFailure, static_cast<unsigned>(dwResult));
        return 0;
    }
    return dwValue;
}

} // namespace

int JC_ControlWarehouse::TransformThingKindToWarehouse(DWORD dwThingKind) const
{
    if (dwThingKind < THINGKIND_LIMIT)
        return static_cast<int>(dwThingKind) + WAREHOUSE_GEM;
    ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                       " ControlWarehouse TransformThingKindToWarehouse ThingKind NotSupport. \r\n ThingKind:0x%08x \r\n ",
                       static_cast<unsigned>(dwThingKind));
    return -1;
}

int JC_ControlWarehouse::TransformWarehouseToUnfixedDataKind(int iWarehouse) const
{
    if (iWarehouse >= WAREHOUSE_GEM && iWarehouse <= WAREHOUSE_WEARING)
        return UNFIXEDDATAKIND_WAREHOUSEGEM + (iWarehouse - WAREHOUSE_GEM);
    ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                       " ControlWarehouse TransformWarehouseToUnfixedDataKind Warehouse NotSupport. \r\n "
                       "Warehouse:0x%08x \r\n ",
                       static_cast<unsigned>(iWarehouse));
    return -1;
}

JC_DataComponent* JC_ControlWarehouse::GetFixedThingObj(DWORD dwThingKind, DWORD dwThingID) const
{
    if (!m_bInitiated)
        return nullptr;
    switch (dwThingKind) {
    case THINGKIND_GEM:
        return m_pDataManager->GetGemObj(dwThingID);
    case THINGKIND_TOOL:
        return m_pDataManager->GetToolObj(dwThingID);
    case THINGKIND_WEAPON:
        return m_pDataManager->GetWeaponObj(dwThingID);
    case THINGKIND_WEARING:
        return m_pDataManager->GetWearingObj(dwThingID);
    default:
        return nullptr;
    }
}

const JC_DataOrder& JC_ControlWarehouse::OrderAt(int iDrawerIndex) const
{
    m_Order.assign({0, static_cast<DWORD>(iDrawerIndex)});
    return m_Order;
}

JC_DataComponentMaker* JC_ControlWarehouse::GetWarehouseObj(int iWarehouse) const
{
    const int iKind = TransformWarehouseToUnfixedDataKind(iWarehouse);
    if (iKind < 0 || !m_bInitiated)
        return nullptr;
    JC_DataComponentMaker* pWarehouse = m_pDataManager->GetUnfixedDataObj(static_cast<DWORD>(iKind));
    if (pWarehouse == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse HowManyDrawerInWarehouse GetUnfixedDataObj Fail. \r\n "
                           "UnfixedDataKind:0x%08x \r\n ",
                           static_cast<unsigned>(iKind));
    }
    return pWarehouse;
}

int JC_ControlWarehouse::HowManyDrawerInWarehouse(int iWarehouse) const
{
    const JC_DataComponentMaker* pWarehouse = GetWarehouseObj(iWarehouse);
    if (pWarehouse == nullptr || pWarehouse->GetDistributeType() != JC_DataComponentMaker::DISTRIBUTE_ARRAY)
        return -1;
    return static_cast<int>(static_cast<const JC_DataArrayManager*>(pWarehouse)->GetComponentCount());
}

JC_DataComponent* JC_ControlWarehouse::GetDrawerObj(int iWarehouse, int iDrawerIndex) const
{
    const JC_DataComponentMaker* pWarehouse = GetWarehouseObj(iWarehouse);
    if (pWarehouse == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse GetDrawerObj TransformWarehouseToUnfixedDataKind Fail. \r\n "
                           "Warehouse:0x%08x \r\n ",
                           static_cast<unsigned>(iWarehouse));
        return nullptr;
    }
    const int iCount = HowManyDrawerInWarehouse(iWarehouse);
    if (iDrawerIndex < 0 || iDrawerIndex >= iCount) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse GetDrawerObj DrawerIndex Overflow. \r\n DrawerIndex:%d(DrawerCount:%d) \r\n ",
                           iDrawerIndex, iCount);
        return nullptr;
    }
    JC_DataComponent* pDrawer = nullptr;
    const DWORD dwResult = pWarehouse->GetComponentOrFail(OrderAt(iDrawerIndex), pDrawer);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse GetDrawerObj GetDataComponent Fail. \r\n DrawerIndex:%d \r\n "
                           "HRESULT:0x%08x \r\n ",
                           iDrawerIndex, static_cast<unsigned>(dwResult));
    }
    return pDrawer;
}

DWORD JC_ControlWarehouse::GetDrawerObjInfo_ThingKind(JC_DataComponent* pDrawer) const
{
    return ReadDrawerField(ErrorLog(), pDrawer, "ThingKind",
                           " ControlWarehouse GetDrawerObjInfo_ThingKind GetItemData(ThingKind) Fail. \r\n "
                           "HRESULT:0x%08x \r\n ");
}

DWORD JC_ControlWarehouse::GetDrawerObjInfo_ThingID(JC_DataComponent* pDrawer) const
{
    return ReadDrawerField(ErrorLog(), pDrawer, "ThingID",
                           " ControlWarehouse GetDrawerObjInfo_ThingID GetItemData(ThingID) Fail. \r\n "
                           "HRESULT:0x%08x \r\n ");
}

DWORD JC_ControlWarehouse::GetDrawerObjInfo_ThingCount(JC_DataComponent* pDrawer) const
{
    return ReadDrawerField(ErrorLog(), pDrawer, "ThingCount",
                           " ControlWarehouse GetDrawerObjInfo_ThingCount GetItemData(ThingCount) Fail. \r\n "
                           "HRESULT:0x%08x \r\n ");
}

JC_DataComponent* JC_ControlWarehouse::GetDrawerObjInfo_Thing(JC_DataComponent* pDrawer) const
{
    if (pDrawer == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " ControlWarehouse GetDrawerObjInfo_Thing DrawerObj NULL. \r\n ");
        return nullptr;
    }
    const DWORD dwThingKind = GetDrawerObjInfo_ThingKind(pDrawer);
    switch (dwThingKind) {
    case THINGKIND_GEM:
    case THINGKIND_TOOL:
        return GetFixedThingObj(dwThingKind, GetDrawerObjInfo_ThingID(pDrawer));
    case THINGKIND_WEAPON:
    case THINGKIND_WEARING: {
        JC_DataComponent* pThing = nullptr;
        const DWORD dwResult = pDrawer->GetItemValue("Thing", &pThing);
        if (dwResult != 0) {
            ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                               " ControlWarehouse GetDrawerObjInfo_Thing GetItemData(Thing) Fail. \r\n "
                               "HRESULT:0x%08x \r\n ",
                               static_cast<unsigned>(dwResult));
            return nullptr;
        }
        return pThing;
    }
    default:
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse GetDrawerObjInfo_Thing ThingKind NotSupport. \r\n ThingKind:0x%08x \r\n ",
                           static_cast<unsigned>(dwThingKind));
        return nullptr;
    }
}

DWORD JC_ControlWarehouse::GetDrawerObjInfo_ThingName(JC_DataComponent* pDrawer, std::string& strText) const
{
    strText.clear();
    if (pDrawer == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse GetDrawerObjInfo_ThingName DrawerObj NULL. \r\n ");
        return JE_CONTROLWAREHOUSE_NAME_NULL_DRAWER;
    }
    JC_DataComponent* pThing = GetDrawerObjInfo_Thing(pDrawer);
    if (pThing == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse GetDrawerObjInfo_ThingName GetDrawerObjInfo_Thing Fail. \r\n ");
        return JE_CONTROLWAREHOUSE_NAME_NO_THING;
    }
    return pThing->GetItemValue("Name", &strText);
}

DWORD JC_ControlWarehouse::ReadFixedText(JC_DataComponent* pDrawer, const char* szItem, const char* szMethod,
                                         DWORD dwNullDrawer, std::string& strText) const
{
    strText.clear();
    if (pDrawer == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " ControlWarehouse %s DrawerObj NULL. \r\n ", szMethod);
        return dwNullDrawer;
    }
    const DWORD dwThingKind = GetDrawerObjInfo_ThingKind(pDrawer);
    JC_DataComponent* pThing = GetFixedThingObj(dwThingKind, GetDrawerObjInfo_ThingID(pDrawer));
    if (pThing == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse %s ThingKind NotSupport. \r\n ThingKind:0x%08x \r\n ", szMethod,
                           static_cast<unsigned>(dwThingKind));
        return 0;
    }
    const DWORD dwResult = pThing->GetItemValue(szItem, &strText);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse %s GetItemData(%s) Fail. \r\n HRESULT:0x%08x \r\n ", szMethod, szItem,
                           static_cast<unsigned>(dwResult));
    }
    return dwResult;
}

DWORD JC_ControlWarehouse::GetDrawerObjInfo_ThingExplain(JC_DataComponent* pDrawer, std::string& strText) const
{
    return ReadFixedText(pDrawer, "Explain", "GetDrawerObjInfo_ThingExplain", JE_CONTROLWAREHOUSE_EXPLAIN_NULL_DRAWER,
                         strText);
}

DWORD JC_ControlWarehouse::GetDrawerObjInfo_ThingExplainEx(JC_DataComponent* pDrawer, std::string& strText) const
{
    return ReadFixedText(pDrawer, "ExplainEx", "GetDrawerObjInfo_ThingExplainEx",
                         JE_CONTROLWAREHOUSE_EXPLAINEX_NULL_DRAWER, strText);
}

int JC_ControlWarehouse::GetDrawerObjInfo_ThingCost(JC_DataComponent* pDrawer) const
{
    // A cost that cannot be had is no cost: callers add it up as money.
    JC_DataComponent* pThing = GetDrawerObjInfo_Thing(pDrawer);
    int iCost = 0;
    if (pThing == nullptr || pThing->GetItemValue("Cost", &iCost) != 0)
        return 0;
    return iCost;
}

DWORD JC_ControlWarehouse::GetDrawerObjInfo_ThingInlayExplain(JC_DataComponent* pDrawer, std::string& strText) const
{
    strText.clear();
    if (pDrawer == nullptr)
        return JE_CONTROLWAREHOUSE_INLAY_NULL_DRAWER;
    const DWORD dwThingKind = GetDrawerObjInfo_ThingKind(pDrawer);
    if (dwThingKind == THINGKIND_GEM || dwThingKind == THINGKIND_TOOL)
        return 0;
    if (dwThingKind != THINGKIND_WEAPON && dwThingKind != THINGKIND_WEARING)
        return JE_CONTROLWAREHOUSE_INLAY_BAD_KIND;
    JC_DataComponent* pThing = GetDrawerObjInfo_Thing(pDrawer);
    if (pThing == nullptr)
        return JE_CONTROLWAREHOUSE_INLAY_NO_THING;
    DWORD dwLargest = 0;
    DWORD dwSmallest = 0;
    DWORD dwCount = 0;
    if (!pThing->GetItemVectorInfo("Gem", dwLargest, dwSmallest, dwCount) || dwCount == 0)
        return 0;
    DWORD dwGemID = 0;
    DWORD dwResult = pThing->GetItemValueAt("Gem", 0, &dwGemID);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse GetDrawerObjInfo_ThingInlayExplain GetItemData(Gem) Fail. \r\n "
                           "HRESULT:0x%08x \r\n ",
                           static_cast<unsigned>(dwResult));
        return dwResult;
    }
    JC_DataComponent* pGem = GetFixedThingObj(THINGKIND_GEM, dwGemID);
    dwResult = pGem != nullptr ? pGem->GetItemValue("InlayExplain", &strText) : JE_CONTROLWAREHOUSE_INLAY_NO_THING;
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse GetDrawerObjInfo_ThingInlayExplain GetItemData(InlayExplain) Fail. \r\n "
                           "HRESULT:0x%08x \r\n ",
                           static_cast<unsigned>(dwResult));
    }
    return dwResult;
}

void JC_ControlWarehouse::SetDrawerObjInfo_ThingID(JC_DataComponent* pDrawer, DWORD dwThingID) const
{
    const DWORD dwResult = pDrawer != nullptr ? pDrawer->SetItemValue("ThingID", &dwThingID) : JE_COMPONENT_SET_NO_ITEM;
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse SetDrawerObjInfo_ThingID SetItemData(ThingID) Fail. \r\n "
                           "ThingID:0x%08x \r\n HRESULT:0x%08x \r\n ",
                           static_cast<unsigned>(dwThingID), static_cast<unsigned>(dwResult));
    }
}

void JC_ControlWarehouse::SetDrawerObjInfo_ThingCount(JC_DataComponent* pDrawer, DWORD dwCount) const
{
    const DWORD dwResult = pDrawer != nullptr ? pDrawer->SetItemValue("ThingCount", &dwCount) : JE_COMPONENT_SET_NO_ITEM;
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse SetDrawerObjInfo_ThingCount SetItemData(ThingCount) Fail. \r\n "
                           "ThingCount:0x%08x \r\n HRESULT:0x%08x \r\n ",
                           static_cast<unsigned>(dwCount), static_cast<unsigned>(dwResult));
    }
}

void JC_ControlWarehouse::SetDrawerObjInfo_Thing(JC_DataComponent* pDrawer, JC_DataComponent* pThing) const
{
    JC_OperatorThingBase thingOperator;
    if (pDrawer == nullptr || thingOperator.Initiation(m_pDataManager) != 0
        || thingOperator.SetDataConponent(pThing) != 0)
        return;
    const DWORD dwThingKind = thingOperator.GetThingKind();
    const DWORD dwDrawerThingKind = GetDrawerObjInfo_ThingKind(pDrawer);
    if (dwThingKind != dwDrawerThingKind) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse SetDrawerObjInfo_Thing ThingKind NotMatch. \r\n "
                           "InputObjThingKind:0x%08x DrawerObjThingKind:0x%08x \r\n ",
                           static_cast<unsigned>(dwThingKind), static_cast<unsigned>(dwDrawerThingKind));
        return;
    }
    if (dwThingKind != THINGKIND_WEAPON && dwThingKind != THINGKIND_WEARING)
        return;
    JC_DataComponent* pCopy = nullptr;
    DWORD dwResult = pDrawer->GetItemValue("Thing", &pCopy);
    // A drawer read with Thing "NULL" has no copy yet: it gets one.
    if (dwResult == 0 && pCopy == nullptr)
        dwResult = pDrawer->SetItemValue("Thing", static_cast<const JC_DataComponent*>(pThing));
    else if (dwResult == 0)
        dwResult = pCopy->Copy(pThing, JC_DataComponent::ADOPT_LAYOUT);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse SetDrawerObjInfo_Thing DataComponentObj Copy Fail. \r\n "
                           "HRESULT:0x%08x \r\n ",
                           static_cast<unsigned>(dwResult));
    }
}

int JC_ControlWarehouse::FindDrawer(int iWarehouse, DWORD dwThingID, int iStartFindIndex) const
{
    const JC_DataComponentMaker* pWarehouse = GetWarehouseObj(iWarehouse);
    const int iCount = HowManyDrawerInWarehouse(iWarehouse);
    if (pWarehouse == nullptr || iCount < 0)
        return -2;
    if (iStartFindIndex < 0 || iStartFindIndex > iCount) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse FindDrawer StartFindIndex Overflow. \r\n "
                           "StartFindIndex:%d(DrawerCount:%d) \r\n ",
                           iStartFindIndex, iCount);
        return -2;
    }
    JC_OperatorDrawer drawerOperator;
    if (drawerOperator.Initiation(m_pDataManager) != 0)
        return -2;
    for (int i = iStartFindIndex; i < iCount; ++i) {
        if (drawerOperator.SetDataConponent(pWarehouse->GetValidComponent(OrderAt(i))) != 0) {
            ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                               " ControlWarehouse FindDrawer SetDataConponent Fail. \r\n DrawerIndex:%d \r\n ", i);
            return -2;
        }
        if (drawerOperator.GetThingID() == dwThingID)
            return i;
    }
    return -1;
}

int JC_ControlWarehouse::FindFirstDrawerFrom(int iWarehouse, DWORD dwThingID, bool bOrEqual) const
{
    const JC_DataComponentMaker* pWarehouse = GetWarehouseObj(iWarehouse);
    const int iCount = HowManyDrawerInWarehouse(iWarehouse);
    if (pWarehouse == nullptr || iCount < 0)
        return -2;
    // The drawers are sorted by ThingID: halving keeps a fill of thousands
    // of drawers far from quadratic.
    ThingIDItem thingID;
    int iLow = 0;
    int iHigh = iCount;
    while (iLow < iHigh) {
        const int iMiddle = iLow + (iHigh - iLow) / 2;
        DWORD dwMiddleID = 0;
        if (!PeekThingID(pWarehouse->GetValidComponent(OrderAt(iMiddle)), thingID, dwMiddleID))
            return -2;
        const bool bBefore = bOrEqual ? dwMiddleID < dwThingID : dwMiddleID <= dwThingID;
        if (bBefore)
            iLow = iMiddle + 1;
        else
            iHigh = iMiddle;
    }
    return iLow;
}

int JC_ControlWarehouse::FindThingInsertIndex(int iWarehouse, DWORD dwThingID) const
{
    if (iWarehouse < WAREHOUSE_GEM || iWarehouse > WAREHOUSE_WEARING)
        return -2;
    if (HowManyDrawerInWarehouse(iWarehouse) < 0)
        return -1;
    if (IsStackingWarehouse(iWarehouse)) {
        const int iFirst = FindFirstDrawerFrom(iWarehouse, dwThingID, true);
        if (iFirst < 0)
            return -2;
        DWORD dwFirstID = 0;
        ThingIDItem thingID;
        if (iFirst < HowManyDrawerInWarehouse(iWarehouse)
            && PeekThingID(GetWarehouseObj(iWarehouse)->GetValidComponent(OrderAt(iFirst)), thingID, dwFirstID)
            && dwFirstID == dwThingID)
            return -1;
    }
    return FindFirstDrawerFrom(iWarehouse, dwThingID, false);
}

DWORD JC_ControlWarehouse::StackOnto(int iWarehouse, DWORD dwThingID) const
{
    const int iDrawerIndex = FindDrawer(iWarehouse, dwThingID, 0);
    if (iDrawerIndex < 0)
        return JE_CONTROLWAREHOUSE_ADD_NO_STACK;
    JC_DataComponent* pDrawer = GetDrawerObj(iWarehouse, iDrawerIndex);
    if (pDrawer == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse AddThing GetDrawerObj Fail. \r\n Warehouse:0x%08x DrawerIndex:%d \r\n ",
                           static_cast<unsigned>(iWarehouse), iDrawerIndex);
        return JE_CONTROLWAREHOUSE_ADD_NO_STACK_DRAWER;
    }
    // A full stack stays full: the piece is lost.
    const DWORD dwCount = GetDrawerObjInfo_ThingCount(pDrawer);
    SetDrawerObjInfo_ThingCount(pDrawer, dwCount >= MAX_STACK ? MAX_STACK : dwCount + 1);
    return 0;
}

DWORD JC_ControlWarehouse::InsertNewDrawer(int iWarehouse, int iPosition, DWORD dwThingID,
                                           JC_DataComponent* pThing) const
{
    auto pDrawer = std::make_unique<JC_DataComponent>();
    DWORD dwResult = pDrawer->CreateByTemplateID(m_pDataManager->GetTemplateManager()->GetTemplateList(),
                                                 DATACOMPONENTKIND_DRAWERGEM + (iWarehouse - WAREHOUSE_GEM));
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse AddThing CreateNewDataComponent Fail. \r\n Warehouse:0x%08x \r\n "
                           "HRESULT:0x%08x \r\n ",
                           static_cast<unsigned>(iWarehouse), static_cast<unsigned>(dwResult));
        return dwResult;
    }
    SetDrawerObjInfo_ThingID(pDrawer.get(), dwThingID);
    SetDrawerObjInfo_ThingCount(pDrawer.get(), 1);
    SetDrawerObjInfo_Thing(pDrawer.get(), pThing);
    // Drawers live in array warehouses (HowManyDrawerInWarehouse found one):
    // the new drawer moves in whole rather than being copied again.
    dwResult = static_cast<JC_DataArrayManager*>(GetWarehouseObj(iWarehouse))
                   ->AdoptComponent(OrderAt(iPosition), std::move(pDrawer));
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse AddThing InsDataComponent Fail. \r\n FindInsertIndex:%d \r\n "
                           "HRESULT:0x%08x \r\n ",
                           iPosition, static_cast<unsigned>(dwResult));
    }
    return dwResult;
}

DWORD JC_ControlWarehouse::AddThingObj(JC_DataComponent* pThing, int iWarehouse, DWORD dwThingID) const
{
    if (pThing == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " ControlWarehouse AddThing ThingObj NULL. \r\n ");
        return JE_CONTROLWAREHOUSE_ADD_NULL_THING;
    }
    if (iWarehouse == WAREHOUSE_OF_THING) {
        const DWORD dwResult = pThing->GetItemValue("Warehouse", &iWarehouse);
        if (dwResult != 0) {
            ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                               " ControlWarehouse AddThing GetItemData(Warehouse) Fail. HRESULT:0x%08x \r\n ",
                               static_cast<unsigned>(dwResult));
            return dwResult;
        }
    }
    if (HowManyDrawerInWarehouse(iWarehouse) >= MAX_DRAWERS)
        return JE_CONTROLWAREHOUSE_ADD_FULL;
    if (dwThingID == ID_OF_THING) {
        const DWORD dwResult = pThing->GetItemValue("ID", &dwThingID);
        if (dwResult != 0) {
            ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                               " ControlWarehouse AddThing GetItemData(ID) Fail. \r\n HRESULT:0x%08x \r\n ",
                               static_cast<unsigned>(dwResult));
            return dwResult;
        }
    }
    const int iPosition = FindThingInsertIndex(iWarehouse, dwThingID);
    if (iPosition == -2)
        return JE_CONTROLWAREHOUSE_ADD_NO_POSITION;
    if (iPosition == -1) {
        if (IsStackingWarehouse(iWarehouse))
            return StackOnto(iWarehouse, dwThingID);
        if (IsPieceWarehouse(iWarehouse))
            return JE_CONTROLWAREHOUSE_ADD_NO_POSITION;
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse AddThing Warehouse NotSupport. \r\n Warehouse:0x%08x \r\n ",
                           static_cast<unsigned>(iWarehouse));
        return JE_CONTROLWAREHOUSE_ADD_BAD_WAREHOUSE;
    }
    return InsertNewDrawer(iWarehouse, iPosition, dwThingID, pThing);
}

DWORD JC_ControlWarehouse::AddThing(int iWarehouse, DWORD dwThingID, int iCount) const
{
    if (iWarehouse < WAREHOUSE_GEM || iWarehouse > WAREHOUSE_WEARING) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse AddThing Warehouse NotSupport. \r\n Warehouse:0x%08x \r\n ",
                           static_cast<unsigned>(iWarehouse));
        return JE_CONTROLWAREHOUSE_ADD_BAD_WAREHOUSE;
    }
    JC_DataComponent* pThing = GetFixedThingObj(static_cast<DWORD>(iWarehouse - WAREHOUSE_GEM), dwThingID);
    if (pThing == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse AddThing GetThingObj Fail. \r\n Warehouse:0x%08x ThingID:0x%08x \r\n ",
                           static_cast<unsigned>(iWarehouse), static_cast<unsigned>(dwThingID));
        return JE_CONTROLWAREHOUSE_ADD_NO_THING;
    }
    // A stack holds MAX_STACK pieces at most: more would only be lost, one
    // by one.
    const int iPieces = IsStackingWarehouse(iWarehouse) ? std::min(iCount, static_cast<int>(MAX_STACK)) : iCount;
    for (int i = 0; i < iPieces; ++i) {
        const DWORD dwResult = AddThingObj(pThing, iWarehouse, dwThingID);
        if (dwResult != 0)
            return dwResult;
    }
    return 0;
}

DWORD JC_ControlWarehouse::DelThing(int iWarehouse, int iDrawerIndex, DWORD dwCount) const
{
    JC_DataComponent* pDrawer = GetDrawerObj(iWarehouse, iDrawerIndex);
    if (pDrawer == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse DelThing GetDrawerObj Fail. \r\n Warehouse:0x%08x DrawerIndex:%d \r\n ",
                           static_cast<unsigned>(iWarehouse), iDrawerIndex);
        return JE_CONTROLWAREHOUSE_DEL_NO_DRAWER;
    }
    const DWORD dwHeld = GetDrawerObjInfo_ThingCount(pDrawer);
    DWORD dwLeft = 0;
    if (dwCount <= dwHeld) {
        dwLeft = dwHeld - dwCount;
    } else {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse DelThing NotEnoughToDel. \r\n Warehouse:0x%08x DrawerIndex:0x%08x \r\n "
                           "DelThingCount:%d > ThingCount:%d \r\n ",
                           static_cast<unsigned>(iWarehouse), static_cast<unsigned>(iDrawerIndex),
                           static_cast<int>(dwCount), static_cast<int>(dwHeld));
    }
    if (dwLeft > 0) {
        SetDrawerObjInfo_ThingCount(pDrawer, dwLeft);
        return 0;
    }
    const DWORD dwResult = GetWarehouseObj(iWarehouse)->RemoveComponent(OrderAt(iDrawerIndex), nullptr);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlWarehouse DelThing MovDataComponent Fail. \r\n DrawerIndex:%d \r\n "
                           "HRESULT:0x%08x \r\n ",
                           iDrawerIndex, static_cast<unsigned>(dwResult));
    }
    return dwResult;
}

DWORD JC_ControlWarehouse::EmptyWarehouse(int iWarehouse) const
{
    JC_DataComponentMaker* pWarehouse = GetWarehouseObj(iWarehouse);
    if (pWarehouse == nullptr)
        return JE_CONTROLWAREHOUSE_EMPTY_NO_WAREHOUSE;
    return pWarehouse->ClearAll();
}

int JC_ControlWarehouse::HowManyThingInWarehouse(int iWarehouse, DWORD dwThingID, int iStartFindIndex) const
{
    const int iCount = HowManyDrawerInWarehouse(iWarehouse);
    if (iCount < 1 || iStartFindIndex < 0 || iStartFindIndex >= iCount)
        return 0;
    int iTotal = 0;
    for (int iIndex = FindDrawer(iWarehouse, dwThingID, iStartFindIndex); iIndex >= 0;
         iIndex = FindDrawer(iWarehouse, dwThingID, iIndex + 1)) {
        if (IsStackingWarehouse(iWarehouse))
            return static_cast<int>(GetDrawerObjInfo_ThingCount(GetDrawerObj(iWarehouse, iIndex)));
        ++iTotal;
    }
    return iTotal;
}

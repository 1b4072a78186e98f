#include "JC_DataManager/Control/JC_ControlShop.h"

#include <algorithm>
#include <climits>

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

} // namespace

DWORD JC_ControlShop::Initiation(JC_DataManager* pDataManager, JC_BehaviorAnalyser* pBehaviorAnalyser)
{
    DWORD dwResult = JC_ControlBase::Initiation(pDataManager, pBehaviorAnalyser);
    if (dwResult != 0)
        return dwResult;
    m_bDesignated = FALSE;
    m_bInitiated = FALSE;
    // Each part in its order; the first that fails ends the initiation.
    const auto failed = [this](DWORD dwStepResult, const char* szFailure) {
        if (dwStepResult != 0)
            ErrorLog().PrintAt(s_szSourceFile, __LINE__, szFailure, static_cast<unsigned>(dwStepResult));
        return dwStepResult != 0;
    };
    if (failed(dwResult = m_OperatorShopObj.Initiation(pDataManager),
               " ControlShop Initiation OperatorShopObjInitiation Fail. \r\n HRESULT:0x%08x \r\n")
        || failed(dwResult = m_ControlGameObj.Initiation(pDataManager),
                  " ControlShop Initiation ControlGameObjInitiation Fail. \r\n HRESULT:0x%08x \r\n")
        || failed(dwResult = m_ControlWarehouseObj.Initiation(pDataManager, pBehaviorAnalyser),
                  " ControlShop Initiation ControlWarehouseObjInitiation Fail. \r\n HRESULT:0x%08x \r\n")
        || failed(dwResult = m_OperatorThingBaseObj.Initiation(pDataManager),
                  " ControlShop Initiation OperatorThingBaseObjInitiation Fail. \r\n HRESULT:0x%08x \r\n")
        || failed(dwResult = m_OperatorEquipmentBaseObj.Initiation(pDataManager),
                  " ControlShop Initiation OperatorEquipmentBaseObjInitiation Fail. \r\n HRESULT:0x%08x \r\n"))
        return dwResult;
    m_bInitiated = TRUE;
    return 0;
}

DWORD JC_ControlShop::DesignateShopID(DWORD dwShopID)
{
    return DesignateShopObj(m_bInitiated ? m_pDataManager->GetShopObj(dwShopID) : nullptr);
}

DWORD JC_ControlShop::DesignateShopObj(JC_DataComponent* pShop)
{
    if (!m_bInitiated) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " ControlShop DesignateShopID YouMustInitiationFirst. \r\n");
        return JE_CONTROLSHOP_NOT_INITIATED;
    }
    if (pShop == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " ControlShop DesignateShopID ShopObj NULL. \r\n");
        return JE_CONTROLSHOP_NULL_SHOP;
    }
    m_bDesignated = FALSE;
    const DWORD dwResult = m_OperatorShopObj.SetDataConponent(pShop);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlShop DesignateShopID OperatorShopObj SetDataConponent Fail. \r\n "
                           "HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwResult));
        return dwResult;
    }
    m_bDesignated = TRUE;
    return 0;
}

long long JC_ControlShop::PriceOf(int iCost, int iRate, long long llCount)
{
    const long long llUnitTimes100 = static_cast<long long>(std::max(iCost, 0)) * std::max(iRate, 0);
    if (llCount <= 0 || llUnitTimes100 == 0)
        return 0;
    if (llCount > LLONG_MAX / llUnitTimes100)
        return LLONG_MAX;
    return llUnitTimes100 * llCount / 100;
}

int JC_ControlShop::UnitPriceOf(int iCost, int iRate)
{
    return static_cast<int>(std::min<long long>(PriceOf(iCost, iRate, 1), INT_MAX));
}

DWORD JC_ControlShop::GetSaleCount(DWORD dwThingKind)
{
    if (dwThingKind >= THINGKIND_LIMIT) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlShop GetSaleCount ThingKind NotSupport. \r\n ThingKind:0x%08x \r\n",
                           static_cast<unsigned>(dwThingKind));
        return 0;
    }
    return m_bDesignated ? m_OperatorShopObj.GetSaleCount(dwThingKind) : 0;
}

DWORD JC_ControlShop::GetSaleThingID(DWORD dwThingKind, DWORD dwSaleIndex)
{
    if (dwThingKind >= THINGKIND_LIMIT) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlShop GetSaleThingID ThingKind NotSupport. \r\n ThingKind:0x%08x \r\n",
                           static_cast<unsigned>(dwThingKind));
        return 0;
    }
    return m_bDesignated ? m_OperatorShopObj.GetSaleThingID(dwThingKind, dwSaleIndex) : 0;
}

JC_OperatorThingBase* JC_ControlShop::GetSaleThingObj(DWORD dwThingKind, DWORD dwSaleIndex)
{
    if (dwThingKind >= THINGKIND_LIMIT) {
        ErrorLog().Print("輸入的 ThingKind 無法辨識 \nThingKind:0x%x(%d) \n錯誤檔案:%s(Line:%d)\n\n",
                         static_cast<unsigned>(dwThingKind), static_cast<int>(dwThingKind), s_szSourceFile, __LINE__);
        return nullptr;
    }
    // An index past the list names no thing, not the fallback record.
    const DWORD dwThingID = dwSaleIndex < GetSaleCount(dwThingKind) ? GetSaleThingID(dwThingKind, dwSaleIndex) : 0;
    JC_DataComponent* pThing = dwThingID != 0 ? m_ControlWarehouseObj.GetFixedThingObj(dwThingKind, dwThingID)
                                              : nullptr;
    if (pThing == nullptr) {
        ErrorLog().Print("無法取得指定的資料元件(商店中的販售物品) \nThingKind:0x%x(%d) Index:%d \n 取得的SaleThingID:%d \n "
                         "錯誤檔案:%s(Line:%d)\n\n",
                         static_cast<unsigned>(dwThingKind), static_cast<int>(dwThingKind),
                         static_cast<int>(dwSaleIndex), static_cast<int>(dwThingID), s_szSourceFile, __LINE__);
        return nullptr;
    }
    const DWORD dwResult = m_OperatorThingBaseObj.SetDataConponent(pThing);
    if (dwResult != 0) {
        ErrorLog().Print("將販售的資料元件 設定給物品基礎操作者時 發生錯誤 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
                         static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return nullptr;
    }
    return &m_OperatorThingBaseObj;
}

int JC_ControlShop::GetSaleThingPhoto(DWORD dwThingKind, DWORD dwSaleIndex)
{
    JC_OperatorThingBase* pThing = GetSaleThingObj(dwThingKind, dwSaleIndex);
    return pThing != nullptr ? pThing->GetPhoto() : 0;
}

std::string JC_ControlShop::GetSaleThingName(DWORD dwThingKind, DWORD dwSaleIndex)
{
    JC_OperatorThingBase* pThing = GetSaleThingObj(dwThingKind, dwSaleIndex);
    m_strText = pThing != nullptr ? pThing->GetName() : std::string();
    return m_strText;
}

std::string JC_ControlShop::GetSaleThingExplain(DWORD dwThingKind, DWORD dwSaleIndex)
{
    JC_OperatorThingBase* pThing = GetSaleThingObj(dwThingKind, dwSaleIndex);
    m_strText = pThing != nullptr ? pThing->GetExplain() : std::string();
    return m_strText;
}

std::string JC_ControlShop::GetSaleThingExplainEx(DWORD dwThingKind, DWORD dwSaleIndex)
{
    JC_OperatorThingBase* pThing = GetSaleThingObj(dwThingKind, dwSaleIndex);
    m_strText = pThing != nullptr ? pThing->GetExplainEx() : std::string();
    return m_strText;
}

int JC_ControlShop::GetSaleThingBuyCost(DWORD dwThingKind, DWORD dwSaleIndex)
{
    JC_OperatorThingBase* pThing = GetSaleThingObj(dwThingKind, dwSaleIndex);
    return pThing != nullptr ? UnitPriceOf(pThing->GetCost(), GetExchangeRateBuy()) : 0;
}

int JC_ControlShop::GetSaleThingOwnCount(DWORD dwThingKind, DWORD dwSaleIndex)
{
    const DWORD dwThingID = GetSaleThingID(dwThingKind, dwSaleIndex);
    if (dwThingID == 0)
        return 0;
    return m_ControlWarehouseObj.HowManyThingInWarehouse(m_ControlWarehouseObj.TransformThingKindToWarehouse(dwThingKind),
                                                         dwThingID, 0);
}

std::string JC_ControlShop::GetSellerPhoto()
{
    return m_bDesignated ? m_OperatorShopObj.GetSellerPhoto() : std::string();
}

int JC_ControlShop::GetExchangeRateBuy()
{
    return m_bDesignated ? m_OperatorShopObj.GetExchangeRateBuy() : 0;
}

int JC_ControlShop::GetMoney()
{
    return m_ControlGameObj.GetMoney();
}

void JC_ControlShop::SetMoney(int iMoney)
{
    m_ControlGameObj.SetMoney(iMoney);
}

int JC_ControlShop::HowManyDrawerInWarehouse(int iWarehouse) const
{
    return m_ControlWarehouseObj.HowManyDrawerInWarehouse(iWarehouse);
}

JC_DataComponent* JC_ControlShop::InquiredDrawer(int iWarehouse, int iDrawerIndex, const char* szInquiry) const
{
    JC_DataComponent* pDrawer = m_ControlWarehouseObj.GetDrawerObj(iWarehouse, iDrawerIndex);
    if (pDrawer == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlShop %s GetDrawerObj Fail. \r\n Warehouse:0x%08x DrawerIndex:%d \r\n ", szInquiry,
                           static_cast<unsigned>(iWarehouse), iDrawerIndex);
    }
    return pDrawer;
}

DWORD JC_ControlShop::InquireThingID(int iWarehouse, int iDrawerIndex) const
{
    JC_DataComponent* pDrawer = InquiredDrawer(iWarehouse, iDrawerIndex, "InquireThingID");
    return pDrawer != nullptr ? m_ControlWarehouseObj.GetDrawerObjInfo_ThingID(pDrawer) : 0;
}

int JC_ControlShop::InquireThingPhoto(int iWarehouse, int iDrawerIndex)
{
    JC_DataComponent* pDrawer = InquiredDrawer(iWarehouse, iDrawerIndex, "InquireThingPhoto");
    if (pDrawer == nullptr)
        return 0;
    if (iWarehouse < JC_ControlWarehouse::WAREHOUSE_GEM || iWarehouse > JC_ControlWarehouse::WAREHOUSE_WEARING) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlShop InquireThingPhoto Warehouse NotSupport. \r\n Warehouse:0x%08x(1~4) \r\n",
                           static_cast<unsigned>(iWarehouse));
        return 0;
    }
    const DWORD dwThingID = m_ControlWarehouseObj.GetDrawerObjInfo_ThingID(pDrawer);
    JC_DataComponent* pThing = m_ControlWarehouseObj.GetFixedThingObj(
        static_cast<DWORD>(iWarehouse - JC_ControlWarehouse::WAREHOUSE_GEM), dwThingID);
    if (pThing == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlShop InquireThingPhoto GetFixedThingObj Fail. \r\n Warehouse:0x%08x ThingID:%d \r\n",
                           static_cast<unsigned>(iWarehouse), static_cast<int>(dwThingID));
        return 0;
    }
    const DWORD dwResult = m_OperatorThingBaseObj.SetDataConponent(pThing);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlShop InquireThingPhoto OperatorThingBaseObj SetDataConponent Fail. \r\n "
                           "HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwResult));
        return 0;
    }
    return m_OperatorThingBaseObj.GetPhoto();
}

std::string JC_ControlShop::InquireText(int iWarehouse, int iDrawerIndex, const char* szInquiry,
                                        JF_DrawerText pfnText)
{
    m_strText.clear();
    JC_DataComponent* pDrawer = InquiredDrawer(iWarehouse, iDrawerIndex, szInquiry);
    if (pDrawer != nullptr)
        (m_ControlWarehouseObj.*pfnText)(pDrawer, m_strText);
    return m_strText;
}

std::string JC_ControlShop::InquireThingName(int iWarehouse, int iDrawerIndex)
{
    return InquireText(iWarehouse, iDrawerIndex, "InquireThingName", &JC_ControlWarehouse::GetDrawerObjInfo_ThingName);
}

std::string JC_ControlShop::InquireThingExplain(int iWarehouse, int iDrawerIndex)
{
    return InquireText(iWarehouse, iDrawerIndex, "InquireThingExplain",
                       &JC_ControlWarehouse::GetDrawerObjInfo_ThingExplain);
}

std::string JC_ControlShop::InquireThingExplainEx(int iWarehouse, int iDrawerIndex)
{
    return InquireText(iWarehouse, iDrawerIndex, "InquireThingExplainEx",
                       &JC_ControlWarehouse::GetDrawerObjInfo_ThingExplainEx);
}

std::string JC_ControlShop::InquireThingInlayExplain(int iWarehouse, int iDrawerIndex)
{
    return InquireText(iWarehouse, iDrawerIndex, "InquireThingInlayExplain",
                       &JC_ControlWarehouse::GetDrawerObjInfo_ThingInlayExplain);
}

int JC_ControlShop::InquireThingCost(int iWarehouse, int iDrawerIndex)
{
    JC_DataComponent* pDrawer = InquiredDrawer(iWarehouse, iDrawerIndex, "InquireThingCost");
    if (pDrawer == nullptr || !m_bDesignated)
        return 0;
    return UnitPriceOf(m_ControlWarehouseObj.GetDrawerObjInfo_ThingCost(pDrawer),
                       m_OperatorShopObj.GetExchangeRateSell());
}

int JC_ControlShop::InquireThingOwnCount(int iWarehouse, int iDrawerIndex) const
{
    JC_DataComponent* pDrawer = InquiredDrawer(iWarehouse, iDrawerIndex, "InquireThingOwnCount");
    if (pDrawer == nullptr)
        return 0;
    const DWORD dwThingID = m_ControlWarehouseObj.GetDrawerObjInfo_ThingID(pDrawer);
    return m_ControlWarehouseObj.HowManyThingInWarehouse(iWarehouse, dwThingID != 0 ? dwThingID : 1, 0);
}

DWORD JC_ControlShop::BuyThing(DWORD dwThingKind, DWORD dwSaleIndex, int iCount)
{
    if (iCount == 0)
        return 0;
    if (iCount < 0)
        return JE_CONTROLSHOP_BAD_COUNT;
    JC_OperatorThingBase* pThing = GetSaleThingObj(dwThingKind, dwSaleIndex);
    if (pThing == nullptr)
        return JE_CONTROLSHOP_NO_SALE_THING;
    const DWORD dwThingID = pThing->GetID();
    const int iWarehouse = pThing->GetWarehouse();
    const long long llPrice = PriceOf(pThing->GetCost(), GetExchangeRateBuy(), iCount);
    const int iMoney = GetMoney();
    if (llPrice > iMoney)
        return JE_CONTROLSHOP_NOT_ENOUGH_MONEY;
    const DWORD dwResult = m_ControlWarehouseObj.AddThing(iWarehouse, dwThingID, iCount);
    if (dwResult != 0) {
        ErrorLog().Print("加入指定的物品到倉庫中 發生錯誤 \nThingWarehouse:0x%x \nThingID:0x%x \nCount:%d \n錯誤代碼:0x%x "
                         "\n錯誤檔案:%s(Line:%d)\n\n",
                         static_cast<unsigned>(iWarehouse), static_cast<unsigned>(dwThingID), iCount,
                         static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    SetMoney(static_cast<int>(iMoney - llPrice));
    return 0;
}

DWORD JC_ControlShop::SellThing(int iWarehouse, int iDrawerIndex, DWORD dwCount)
{
    JC_DataComponent* pDrawer = m_ControlWarehouseObj.GetDrawerObj(iWarehouse, iDrawerIndex);
    if (pDrawer == nullptr) {
        ErrorLog().Print("取得抽屜物件 發生錯誤 \nWarehouse:0x%x \nDrawerIndex:%d \n錯誤檔案:%s(Line:%d)\n\n",
                         static_cast<unsigned>(iWarehouse), iDrawerIndex, s_szSourceFile, __LINE__);
        return JE_CONTROLSHOP_NO_DRAWER;
    }
    const DWORD dwHeld = m_ControlWarehouseObj.GetDrawerObjInfo_ThingCount(pDrawer);
    if (dwCount > dwHeld) {
        ErrorLog().Print("賣的數量 超過庫存的數量 \n要賣的數量:%d 擁有的數量:%d \n錯誤檔案:%s(Line:%d)\n\n",
                         static_cast<int>(dwCount), static_cast<int>(dwHeld), s_szSourceFile, __LINE__);
        return JE_CONTROLSHOP_SELL_TOO_MANY;
    }
    const int iUnit = InquireThingCost(iWarehouse, iDrawerIndex);
    const DWORD dwResult = m_ControlWarehouseObj.DelThing(iWarehouse, iDrawerIndex, dwCount);
    if (dwResult != 0) {
        ErrorLog().Print("賣出物品要從倉庫刪除指定數量時發生錯誤 \n倉庫代碼:0x%x 抽屜索引:%d \n賣出數量:%d(存量:)%d \n錯誤代碼:0X%x "
                         "\n錯誤檔案:%s(Line:%d) \n\n",
                         static_cast<unsigned>(iWarehouse), iDrawerIndex, static_cast<int>(dwCount),
                         static_cast<int>(dwHeld), static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    const long long llMoney = GetMoney() + static_cast<long long>(iUnit) * dwCount;
    SetMoney(static_cast<int>(std::min<long long>(llMoney, JC_ControlGame::MAX_MONEY)));
    return 0;
}

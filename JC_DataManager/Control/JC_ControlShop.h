#pragma once

#include "JC_DataManager/Control/JC_ControlBase.h"
#include "JC_DataManager/Control/JC_ControlGame.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "JC_DataManager/Operator/JC_OperatorEquipmentBase.h"
#include "JC_DataManager/Operator/JC_OperatorShop.h"
#include "JC_DataManager/Operator/JC_OperatorThingBase.h"

constexpr DWORD JE_CONTROLSHOP_NOT_INITIATED = 0x89367011;
constexpr DWORD JE_CONTROLSHOP_NULL_SHOP = 0x89367012;
constexpr DWORD JE_CONTROLSHOP_NOT_ENOUGH_MONEY = 0x89367051;
// A sale index outside the kind's list, or a sale thing without a record.
constexpr DWORD JE_CONTROLSHOP_NO_SALE_THING = 0x89367052;
constexpr DWORD JE_CONTROLSHOP_BAD_COUNT = 0x89367053;
constexpr DWORD JE_CONTROLSHOP_NO_DRAWER = 0x89367081;
constexpr DWORD JE_CONTROLSHOP_SELL_TOO_MANY = 0x89367082;

// One shop at a time for the town screen: what is on sale and at what
// price, what the party owns, and buying and selling against the money.
// Prices are reckoned in 64 bits, so no count makes a purchase cheap.
class JC_ControlShop : public JC_ControlBase
{
public:
    DWORD Initiation(JC_DataManager* pDataManager, JC_BehaviorAnalyser* pBehaviorAnalyser) override;

    DWORD DesignateShopID(DWORD dwShopID);
    DWORD DesignateShopObj(JC_DataComponent* pShop);
    BOOL IsDesignated() const { return m_bDesignated; }

    // The shop's side, by thing kind and sale index.
    DWORD GetSaleCount(DWORD dwThingKind);
    DWORD GetSaleThingID(DWORD dwThingKind, DWORD dwSaleIndex);
    // The shop's thing operator bound to the sale thing, or null.
    JC_OperatorThingBase* GetSaleThingObj(DWORD dwThingKind, DWORD dwSaleIndex);
    int GetSaleThingPhoto(DWORD dwThingKind, DWORD dwSaleIndex);
    std::string GetSaleThingName(DWORD dwThingKind, DWORD dwSaleIndex);
    std::string GetSaleThingExplain(DWORD dwThingKind, DWORD dwSaleIndex);
    std::string GetSaleThingExplainEx(DWORD dwThingKind, DWORD dwSaleIndex);
    // The unit buying price.
    int GetSaleThingBuyCost(DWORD dwThingKind, DWORD dwSaleIndex);
    int GetSaleThingOwnCount(DWORD dwThingKind, DWORD dwSaleIndex);
    std::string GetSellerPhoto();
    int GetExchangeRateBuy();
    int GetMoney();
    void SetMoney(int iMoney);

    // The party's side, by warehouse and drawer.
    int HowManyDrawerInWarehouse(int iWarehouse) const;
    DWORD InquireThingID(int iWarehouse, int iDrawerIndex) const;
    int InquireThingPhoto(int iWarehouse, int iDrawerIndex);
    std::string InquireThingName(int iWarehouse, int iDrawerIndex);
    std::string InquireThingExplain(int iWarehouse, int iDrawerIndex);
    std::string InquireThingExplainEx(int iWarehouse, int iDrawerIndex);
    std::string InquireThingInlayExplain(int iWarehouse, int iDrawerIndex);
    // The unit selling price.
    int InquireThingCost(int iWarehouse, int iDrawerIndex);
    int InquireThingOwnCount(int iWarehouse, int iDrawerIndex) const;

    DWORD BuyThing(DWORD dwThingKind, DWORD dwSaleIndex, int iCount);
    DWORD SellThing(int iWarehouse, int iDrawerIndex, DWORD dwCount);

    JC_ControlWarehouse& GetControlWarehouse() { return m_ControlWarehouseObj; }

private:
    // A drawer of the party, or null after the named inquiry's report.
    JC_DataComponent* InquiredDrawer(int iWarehouse, int iDrawerIndex, const char* szInquiry) const;
    using JF_DrawerText = DWORD (JC_ControlWarehouse::*)(JC_DataComponent*, std::string&) const;
    std::string InquireText(int iWarehouse, int iDrawerIndex, const char* szInquiry, JF_DrawerText pfnText);
    // Cost × count × rate / 100 in 64 bits; negative costs and rates count
    // as 0, and a product past 64 bits as the largest price.
    static long long PriceOf(int iCost, int iRate, long long llCount);
    // A unit price as the screens show it.
    static int UnitPriceOf(int iCost, int iRate);

    BOOL m_bDesignated = FALSE;
    std::string m_strText;
    JC_OperatorShop m_OperatorShopObj;
    JC_ControlGame m_ControlGameObj;
    JC_ControlWarehouse m_ControlWarehouseObj;
    JC_OperatorThingBase m_OperatorThingBaseObj;
    JC_OperatorEquipmentBase m_OperatorEquipmentBaseObj;
};

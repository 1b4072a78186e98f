#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

// A shop of the fixed shop table: the thing IDs on sale for each thing
// kind and the exchange rates in percent.
class JC_OperatorShop : public JC_OperatorBase
{
public:
    JC_OperatorShop();

    JC_DWordArray* GetSaleGem() { return GetSale(THINGKIND_GEM); }
    JC_DWordArray* GetSaleTool() { return GetSale(THINGKIND_TOOL); }
    JC_DWordArray* GetSaleWeapon() { return GetSale(THINGKIND_WEAPON); }
    JC_DWordArray* GetSaleWearing() { return GetSale(THINGKIND_WEARING); }
    DWORD GetSaleGemCount() { return GetSaleCount(THINGKIND_GEM); }
    DWORD GetSaleToolCount() { return GetSaleCount(THINGKIND_TOOL); }
    DWORD GetSaleWeaponCount() { return GetSaleCount(THINGKIND_WEAPON); }
    DWORD GetSaleWearingCount() { return GetSaleCount(THINGKIND_WEARING); }
    DWORD GetSaleGemThingID(DWORD dwIndex) { return GetSaleThingID(THINGKIND_GEM, dwIndex); }
    DWORD GetSaleToolThingID(DWORD dwIndex) { return GetSaleThingID(THINGKIND_TOOL, dwIndex); }
    DWORD GetSaleWeaponThingID(DWORD dwIndex) { return GetSaleThingID(THINGKIND_WEAPON, dwIndex); }
    DWORD GetSaleWearingThingID(DWORD dwIndex) { return GetSaleThingID(THINGKIND_WEARING, dwIndex); }

    // The list of a thing kind, or null after logging.
    JC_DWordArray* GetSale(DWORD dwThingKind);
    // 0 without a list.
    DWORD GetSaleCount(DWORD dwThingKind);
    // 0 outside the list.
    DWORD GetSaleThingID(DWORD dwThingKind, DWORD dwIndex);

    std::string GetSellerPhoto() { return GetValue<std::string>("SellerPhoto"); }
    int GetExchangeRateBuy() { return GetValue<int>("ExchangeRateBuy"); }
    int GetExchangeRateSell() { return GetValue<int>("ExchangeRateSell"); }
};

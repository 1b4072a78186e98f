#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

// A shop of the fixed table: the ThingIDs on sale of each thing kind, the
// seller's picture and the exchange rates in percent.
class JC_OperatorShop : public JC_OperatorBase
{
public:
    JC_OperatorShop();

    // The record's own lists, or null.
    JC_DWordArray* GetSaleGem() { return GetSaleList("SaleGem", " OperatorShop GetSaleGem GetItemData(SaleGem) Fail. \r\n HRESULT:0x%08x \r\n"); }
    JC_DWordArray* GetSaleTool() { return GetSaleList("SaleTool", " OperatorShop GetSaleTool GetItemData(SaleTool) Fail. \r\n HRESULT:0x%08x \r\n"); }
    JC_DWordArray* GetSaleWeapon()
    {
        return GetSaleList("SaleWeapon", " OperatorShop GetSaleWeapon GetItemData(SaleWeapon) Fail. \r\n HRESULT:0x%08x \r\n");
    }
    JC_DWordArray* GetSaleWearing()
    {
        return GetSaleList("SaleWearing",
                           " OperatorShop GetSaleWearing GetItemData(SaleWearing) Fail. \r\n HRESULT:0x%08x \r\n");
    }
    DWORD GetSaleGemCount() { return CountOf(GetSaleGem()); }
    DWORD GetSaleToolCount() { return CountOf(GetSaleTool()); }
    DWORD GetSaleWeaponCount() { return CountOf(GetSaleWeapon()); }
    DWORD GetSaleWearingCount() { return CountOf(GetSaleWearing()); }
    DWORD GetSaleGemThingID(DWORD dwIndex) { return JF_EntryOf(GetSaleGem(), dwIndex); }
    DWORD GetSaleToolThingID(DWORD dwIndex) { return JF_EntryOf(GetSaleTool(), dwIndex); }
    DWORD GetSaleWeaponThingID(DWORD dwIndex) { return JF_EntryOf(GetSaleWeapon(), dwIndex); }
    DWORD GetSaleWearingThingID(DWORD dwIndex) { return JF_EntryOf(GetSaleWearing(), dwIndex); }

    std::string GetSellerPhoto() { return GetValue<std::string>("SellerPhoto"); }
    int GetExchangeRateBuy() { return GetValue<int>("ExchangeRateBuy"); }
    int GetExchangeRateSell() { return GetValue<int>("ExchangeRateSell"); }

private:
    JC_DWordArray* GetSaleList(const char* szItemName, const char* szFailure);
    static DWORD CountOf(const JC_DWordArray* pList) { return pList != nullptr ? static_cast<DWORD>(pList->size()) : 0; }
};

#include "JC_DataManager/Operator/JC_OperatorShop.h"

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

const char* const s_aszSaleItems[THINGKIND_LIMIT] = {"SaleGem", "SaleTool", "SaleWeapon", "SaleWearing"};

} // namespace

JC_OperatorShop::JC_OperatorShop() : JC_OperatorBase(DATACOMPONENTKIND_SHOP)
{
}

JC_DWordArray* JC_OperatorShop::GetSale(DWORD dwThingKind)
{
    if (dwThingKind >= THINGKIND_LIMIT)
        return nullptr;
    DWORD dwResult = 0;
    JC_DWordArray* pSale = GetSpace<JC_DWordArray>(s_aszSaleItems[dwThingKind], dwResult);
    if (pSale == nullptr) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " OperatorShop Get%s GetItemData(%s) Fail. \r\n HRESULT:0x%08x \r\n",
                       s_aszSaleItems[dwThingKind], s_aszSaleItems[dwThingKind], static_cast<unsigned>(dwResult));
    }
    return pSale;
}

DWORD JC_OperatorShop::GetSaleCount(DWORD dwThingKind)
{
    const JC_DWordArray* pSale = GetSale(dwThingKind);
    return pSale != nullptr ? static_cast<DWORD>(pSale->size()) : 0;
}

DWORD JC_OperatorShop::GetSaleThingID(DWORD dwThingKind, DWORD dwIndex)
{
    return JF_EntryOf(GetSale(dwThingKind), dwIndex);
}

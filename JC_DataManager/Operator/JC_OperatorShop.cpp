#include "JC_DataManager/Operator/JC_OperatorShop.h"

JC_OperatorShop::JC_OperatorShop() : JC_OperatorBase(DATACOMPONENTKIND_SHOP)
{
}

JC_DWordArray* JC_OperatorShop::GetSaleList(const char* szItemName, const char* szFailure)
{
    DWORD dwResult = 0;
    JC_DWordArray* pList = GetSpace<JC_DWordArray>(szItemName, dwResult);
    if (pList == nullptr)
        Log()->PrintAt(".\\JC_DataManager\\Operator\\JC_OperatorShop", __LINE__, szFailure, static_cast<unsigned>(dwResult));
    return pList;
}

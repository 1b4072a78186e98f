#include "JC_DataManager/Operator/JC_OperatorThingBase.h"

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

bool IsThingKind(DWORD dwKind)
{
    return dwKind == DATACOMPONENTKIND_GEM || dwKind == DATACOMPONENTKIND_TOOL || dwKind == DATACOMPONENTKIND_WEAPON
        || dwKind == DATACOMPONENTKIND_WEARING;
}

} // namespace

JC_OperatorThingBase::JC_OperatorThingBase() : JC_OperatorThingBase(DATACOMPONENTKIND_ANYTHING)
{
}

JC_OperatorThingBase::JC_OperatorThingBase(DWORD dwOperatorKind) : JC_OperatorBase(dwOperatorKind)
{
}

DWORD JC_OperatorThingBase::SetDataConponent(JC_DataComponent* pRecord)
{
    static const JS_BindRule s_Rule = {
        DATACOMPONENTKIND_ANYTHING, IsThingKind, s_szSourceFile,
        JE_THING_NULL_RECORD, JE_THING_KIND_UNREADABLE, JE_THING_KIND_MISMATCH, JE_THING_NOT_A_THING,
        "物品操作者 無法操作非物品型態資料元件 \n輸入的資料元件形態:0X%x(%d) \n 錯誤檔案:%s(Line:%d) \n\n",
    };
    return BindByRule(pRecord, s_Rule);
}

JC_StringArray* JC_OperatorThingBase::GetBehaviorLines(const std::string& strItemName, const char* szSourceFile,
                                                       int iSourceLine)
{
    DWORD dwResult = 0;
    JC_StringArray* pLines = GetSpace<JC_StringArray>(strItemName, dwResult);
    if (pLines == nullptr) {
        Log()->Print("取得物品的行為命令 取得內部完整的字串陣列指標 發生錯誤 \n錯誤代碼:0X%x \n錯誤檔案:%s(Line:%d) \n\n",
                     static_cast<unsigned>(dwResult), szSourceFile, iSourceLine);
    }
    return pLines;
}

DWORD JC_OperatorThingBase::GetVectorCount(const std::string& strItemName)
{
    DWORD dwLargest = 0;
    DWORD dwSmallest = 0;
    DWORD dwCount = 0;
    if (GetDataComponent() != nullptr)
        GetDataComponent()->GetItemVectorInfo(strItemName, dwLargest, dwSmallest, dwCount);
    return dwCount;
}

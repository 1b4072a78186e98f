#include "JC_DataManager/Operator/JC_OperatorDrawer.h"

namespace {

bool IsDrawerKind(DWORD dwKind)
{
    return dwKind >= DATACOMPONENTKIND_DRAWERGEM && dwKind <= DATACOMPONENTKIND_DRAWERWEARING;
}

} // namespace

JC_OperatorDrawer::JC_OperatorDrawer(DWORD dwOperatorKind) : JC_OperatorBase(dwOperatorKind)
{
}

DWORD JC_OperatorDrawer::SetDataConponent(JC_DataComponent* pRecord)
{
    static const JS_BindRule s_Rule = {
        DATACOMPONENTKIND_ANYDRAWER, IsDrawerKind, ".\\JC_DataManager\\Operator\\JC_OperatorDrawer",
        JE_DRAWER_NULL_RECORD, JE_DRAWER_KIND_UNREADABLE, JE_DRAWER_KIND_MISMATCH, JE_DRAWER_NOT_A_DRAWER,
        "抽屜操作者 無法操作非抽屜型態資料元件 \n輸入的資料元件形態:0X%x(%d) \n 錯誤檔案:%s(Line:%d) \n\n",
    };
    const DWORD dwResult = BindByRule(pRecord, s_Rule);
    if (dwResult == 0)
        ReadRecordKind(pRecord, m_dwDrawerKind);
    return dwResult;
}

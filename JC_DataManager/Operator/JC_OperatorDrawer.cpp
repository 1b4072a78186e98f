#include "JC_DataManager/Operator/JC_OperatorDrawer.h"

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

bool IsDrawerKind(DWORD dwKind)
{
    return dwKind >= DATACOMPONENTKIND_DRAWERGEM && dwKind <= DATACOMPONENTKIND_DRAWERWEARING;
}

} // namespace

JC_OperatorDrawer::JC_OperatorDrawer() : JC_OperatorDrawer(DATACOMPONENTKIND_ANYDRAWER)
{
}

JC_OperatorDrawer::JC_OperatorDrawer(DWORD dwDrawerKind) : JC_OperatorBase(dwDrawerKind)
{
}

DWORD JC_OperatorDrawer::SetDataConponent(JC_DataComponent* pRecord)
{
    static const JS_BindRule s_Rule = {
        DATACOMPONENTKIND_ANYDRAWER, IsDrawerKind, s_szSourceFile,
        JE_DRAWER_NULL_RECORD, JE_DRAWER_KIND_UNREADABLE, JE_DRAWER_KIND_MISMATCH, JE_DRAWER_NOT_A_DRAWER,
        "抽屜操作者 無法操作非抽屜型態資料元件 \n輸入的資料元件形態:0X%x(%d) \n 錯誤檔案:%s(Line:%d) \n\n",
    };
    const DWORD dwResult = BindByRule(pRecord, s_Rule);
    if (dwResult == 0)
        ReadRecordKind(pRecord, m_dwBoundKind);
    return dwResult;
}

#include "JC_DataManager/Control/JC_ControlScriptFlag.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

DWORD JC_ControlScriptFlag::Initiation(JC_DataManager* pDataManager)
{
    m_bReady = FALSE;
    DWORD dwResult = JC_OperatorBase::Initiation(pDataManager);
    if (dwResult != 0)
        return dwResult;
    const JC_DataComponentMaker* pFlags = pDataManager->GetUnfixedDataObj(UNFIXEDDATAKIND_SCRIPTFLAG);
    JC_DataComponent* pRecord = nullptr;
    dwResult = pFlags != nullptr ? pFlags->GetComponentOrFail({0, 0}, pRecord) : JE_DATAMANAGER_KIND_NOT_LOADED;
    if (dwResult != 0) {
        Log()->Print("無法取得 ScriptFlag 資料元件 \n錯誤代碼:%x \n錯誤檔案:%s(Line:%d) \n\n", static_cast<unsigned>(dwResult),
                     s_szSourceFile, __LINE__);
        return dwResult;
    }
    dwResult = SetDataConponent(pRecord);
    if (dwResult != 0) {
        Log()->Print("將 ScriptFlag 資料元件 設定給自己初始化時 發生錯誤 \n錯誤代碼:%x \n錯誤檔案:%s(Line:%d) \n\n",
                     static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    m_bReady = TRUE;
    return 0;
}

DWORD JC_ControlScriptFlag::SetFlagString(DWORD dwIndex, const std::string& strText)
{
    return m_bReady ? SetItemData("FlagString", dwIndex, &strText) : JE_OPERATOR_NULL_RECORD;
}

int JC_ControlScriptFlag::GetFlag(const char* szItemName, DWORD dwIndex)
{
    return m_bReady ? GetValue<int>(szItemName, dwIndex) : 0;
}

DWORD JC_ControlScriptFlag::SetFlag(const char* szItemName, DWORD dwIndex, int iValue)
{
    return m_bReady ? SetItemData(szItemName, dwIndex, &iValue) : JE_OPERATOR_NULL_RECORD;
}

DWORD JC_ControlScriptFlag::AddFlag(const char* szItemName, DWORD dwIndex, int iDelta)
{
    const DWORD dwSum = static_cast<DWORD>(GetFlag(szItemName, dwIndex)) + static_cast<DWORD>(iDelta);
    return SetFlag(szItemName, dwIndex, static_cast<int>(dwSum));
}

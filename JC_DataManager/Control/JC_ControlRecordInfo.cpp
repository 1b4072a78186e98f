#include "JC_DataManager/Control/JC_ControlRecordInfo.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

DWORD JC_ControlRecordInfo::InitRecordData()
{
    JC_DataManager* pDataManager = GetDataManager();
    return pDataManager != nullptr ? pDataManager->InitRecordData() : JE_OPERATOR_NULL_DATA_MANAGER;
}

DWORD JC_ControlRecordInfo::LoadRecordData(DWORD dwCheckTimes, DWORD dwToleranceLow, DWORD dwToleranceHigh)
{
    JC_DataManager* pDataManager = GetDataManager();
    if (pDataManager == nullptr)
        return JE_OPERATOR_NULL_DATA_MANAGER;
    return pDataManager->LoadRecordData(dwCheckTimes, dwToleranceLow, dwToleranceHigh);
}

int JC_ControlRecordInfo::GetLatestRecordIndex()
{
    JC_DataManager* pDataManager = GetDataManager();
    return pDataManager != nullptr ? pDataManager->GetLatestRecordIndex() : -1;
}

DWORD JC_ControlRecordInfo::SelectRecord(DWORD dwSlot)
{
    JC_DataManager* pDataManager = GetDataManager();
    const DWORD dwResult = pDataManager != nullptr ? SetDataConponent(pDataManager->GetRecordInfoObj(dwSlot))
                                                   : JE_OPERATOR_NULL_DATA_MANAGER;
    if (dwResult != 0)
        Log()->Print("將 RecordInfo 資料元件 設定給自己初始化時 發生錯誤 \n錯誤代碼:%x \n錯誤檔案:%s(Line:%d) \n\n",
                     static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
    return dwResult;
}

int JC_ControlRecordInfo::HaveRecord(DWORD dwSlot)
{
    return SelectRecord(dwSlot) == 0 ? GetValue<int>("HaveRecord") : 0;
}

std::string JC_ControlRecordInfo::GetText(DWORD dwSlot, const std::string& strItemName)
{
    return SelectRecord(dwSlot) == 0 ? GetValue<std::string>(strItemName) : std::string();
}

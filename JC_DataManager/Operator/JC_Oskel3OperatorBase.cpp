#include "JC_DataManager/Operator/JC_Oskel3OperatorBase.h"

#include "JC_DataManager/Manager/JF_ItemErrorName.h"

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

} // namespace

DWORD JC_Oskel3OperatorBase::Initiation(JC_DebugLog* pErrorLog, JC_DataComponent* pRecord)
{
    m_pDataComponent = nullptr;
    if (pErrorLog == nullptr)
        return JE_OSKEL3OPERATOR_NULL_LOG;
    m_pErrorLog = pErrorLog;
    if (pRecord == nullptr) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " Initiation DataComponentObj NULL. \r\n ");
        return JE_OSKEL3OPERATOR_NULL_RECORD;
    }
    m_pDataComponent = pRecord;
    return 0;
}

DWORD JC_Oskel3OperatorBase::GetItemData(const std::string& strItemName, DWORD dwIndex, JC_ValueOut value) const
{
    if (m_pDataComponent == nullptr)
        return JE_OSKEL3OPERATOR_NULL_RECORD;
    const DWORD dwResult = m_pDataComponent->GetItemValueAt(strItemName, dwIndex, value);
    if (dwResult != 0)
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                             " Get DataComponent ItemData Fail. \r\n ItemName:%s  \r\n Index:%d \r\n HRESULT:0x%08x(%s) \r\n",
                             strItemName.c_str(), static_cast<int>(dwIndex), static_cast<unsigned>(dwResult),
                             JF_ItemReadErrorName(dwResult));
    return dwResult;
}

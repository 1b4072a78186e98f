#include "JC_DataManager/Operator/JC_OperatorBase.h"

#include "JC_DataManager/Manager/JF_ItemErrorName.h"

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);
const char* const s_szKindItemName = "DataComponentKind";

} // namespace

JC_OperatorBase::JC_OperatorBase() : JC_OperatorBase(DATACOMPONENTKIND_ANY)
{
}

JC_OperatorBase::JC_OperatorBase(DWORD dwOperatorKind) : m_dwOperatorKind(dwOperatorKind)
{
}

DWORD JC_OperatorBase::Initiation(JC_DataManager* pDataManager)
{
    if (pDataManager == nullptr)
        return JE_OPERATOR_NULL_DATA_MANAGER;
    if (!pDataManager->IsInitiated())
        return JE_OPERATOR_DATA_MANAGER_NOT_INITIATED;
    m_pDataManager = pDataManager;
    m_pErrorLog = pDataManager->GetErrorLog();
    m_pDataComponent = nullptr;
    m_pCachedTemplate = nullptr;
    m_ItemCache.clear();
    return 0;
}

DWORD JC_OperatorBase::ReadRecordKind(JC_DataComponent* pRecord, DWORD& dwKind)
{
    dwKind = 0;
    return pRecord->GetItemValueAt(s_szKindItemName, 0, &dwKind);
}

void JC_OperatorBase::Bind(JC_DataComponent* pRecord)
{
    m_pDataComponent = pRecord;
}

DWORD JC_OperatorBase::BindByRule(JC_DataComponent* pRecord, const JS_BindRule& rule)
{
    if (pRecord == nullptr)
        return rule.dwNullRecord;
    DWORD dwKind = 0;
    const DWORD dwResult = ReadRecordKind(pRecord, dwKind);
    if (dwResult != 0) {
        Log()->Print("無法取得該資料元件的分類(DataComponentKind) \n錯誤代碼:%x \n錯誤檔案:%s(Line:%d) \n\n",
                     static_cast<unsigned>(dwResult), rule.szSourceFile, __LINE__);
        return rule.dwKindUnreadable;
    }
    const DWORD dwOperatorKind = GetOperatorKind();
    if (dwOperatorKind == rule.dwGroupKind) {
        if (!rule.pfnIsInGroup(dwKind)) {
            Log()->Print(rule.szNotInGroup, static_cast<unsigned>(dwKind), static_cast<int>(dwKind), rule.szSourceFile,
                         __LINE__);
            return rule.dwNotInGroup;
        }
    } else if (dwKind != dwOperatorKind) {
        Log()->Print("操作者的形態 和 資料元件的形態不吻合 無法操作 \n 資料元件形態:0X%x(%d) 操作者形態:0X%x(%d) \n "
                     "錯誤檔案:%s(Line:%d) \n\n",
                     static_cast<unsigned>(dwKind), static_cast<int>(dwKind), static_cast<unsigned>(dwOperatorKind),
                     static_cast<int>(dwOperatorKind), rule.szSourceFile, __LINE__);
        return rule.dwKindMismatch;
    }
    Bind(pRecord);
    return 0;
}

DWORD JC_OperatorBase::SetDataConponent(JC_DataComponent* pRecord)
{
    m_pDataComponent = nullptr;
    if (pRecord == nullptr) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " SetDataConponent DataComponentObjNULL. \r\n ");
        return JE_OPERATOR_NULL_RECORD;
    }
    DWORD dwKind = 0;
    const DWORD dwResult = ReadRecordKind(pRecord, dwKind);
    if (dwResult != 0) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " Get DataComponentKind ItemData Fail. \r\n HRESULT:0x%08x \r\n",
                       static_cast<unsigned>(dwResult));
        return JE_OPERATOR_KIND_UNREADABLE;
    }
    if (m_dwOperatorKind != DATACOMPONENTKIND_ANY && m_dwOperatorKind != dwKind) {
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       " OperatorKind MustTheSame DataComponentKind. \r\n OperatorKind:0x%08x \r\n "
                       "DataComponentKind:0x%08x \r\n HRESULT:0x%08x \r\n",
                       static_cast<unsigned>(m_dwOperatorKind), static_cast<unsigned>(dwKind), 0u);
        return JE_OPERATOR_KIND_MISMATCH;
    }
    m_pDataComponent = pRecord;
    return 0;
}

DWORD JC_OperatorBase::GetDataComponentKind()
{
    DWORD dwKind = 0;
    const DWORD dwResult = m_pDataComponent != nullptr ? ReadRecordKind(m_pDataComponent, dwKind)
                                                       : JE_COMPONENT_GET_NO_ITEM;
    if (dwResult != 0) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " Get DataComponentKind ItemData Fail. \r\n HRESULT:0x%08x \r\n",
                       static_cast<unsigned>(dwResult));
        return 0;
    }
    return dwKind;
}

int JC_OperatorBase::GetItemIndex(const std::string& strItemName)
{
    return m_pDataComponent != nullptr ? m_pDataComponent->GetItemIndex(strItemName) : -1;
}

// The failure lines of the data operations: reads and writes, with the
// element index where the operation has one.
DWORD JC_OperatorBase::Reported(DWORD dwResult, bool bWrite, const char* szItemName, const DWORD* pdwIndex,
                                int iSourceLine) const
{
    if (dwResult == 0)
        return 0;
    const char* const szOperation = bWrite ? "Set" : "Get";
    const char* const szName = bWrite ? JF_ItemWriteErrorName(dwResult) : JF_ItemReadErrorName(dwResult);
    if (pdwIndex != nullptr) {
        Log()->PrintAt(s_szSourceFile, iSourceLine,
                       " %s DataComponent ItemData Fail. \r\n ItemName:%s  \r\n Index:%d \r\n HRESULT:0x%08x(%s) \r\n",
                       szOperation, szItemName, static_cast<int>(*pdwIndex), static_cast<unsigned>(dwResult), szName);
    } else {
        Log()->PrintAt(s_szSourceFile, iSourceLine,
                       " %s DataComponent ItemData Fail. \r\n ItemName:%s  \r\n HRESULT:0x%08x(%s) \r\n", szOperation,
                       szItemName, static_cast<unsigned>(dwResult), szName);
    }
    return dwResult;
}

DWORD JC_OperatorBase::GetItemSpace(const std::string& strItemName, JC_ValueOut value)
{
    const DWORD dwResult = m_pDataComponent != nullptr ? m_pDataComponent->GetItemValue(strItemName, value)
                                                       : JE_COMPONENT_GET_NO_ITEM;
    return Reported(dwResult, false, strItemName.c_str(), nullptr, __LINE__);
}

DWORD JC_OperatorBase::GetItemData(const std::string& strItemName, DWORD dwIndex, JC_ValueOut value)
{
    const JC_TemplateItem* pItem = m_pDataComponent != nullptr ? m_pDataComponent->GetItem(strItemName) : nullptr;
    return ReadItem(strItemName.c_str(), pItem, dwIndex, value);
}

DWORD JC_OperatorBase::SetItemData(const std::string& strItemName, DWORD dwIndex, JC_ValueIn value)
{
    const JC_TemplateItem* pItem = m_pDataComponent != nullptr ? m_pDataComponent->GetItem(strItemName) : nullptr;
    return WriteItem(strItemName.c_str(), pItem, dwIndex, value);
}

const JC_TemplateItem* JC_OperatorBase::FindItem(const char* szItemName)
{
    if (m_pDataComponent == nullptr)
        return nullptr;
    const JC_Template* pTemplate = m_pDataComponent->GetTemplate();
    if (pTemplate != m_pCachedTemplate) {
        m_ItemCache.clear();
        m_pCachedTemplate = pTemplate;
    }
    const auto found = m_ItemCache.find(szItemName);
    if (found != m_ItemCache.end())
        return found->second;
    const JC_TemplateItem* pItem = m_pDataComponent->GetItem(szItemName);
    m_ItemCache.emplace(szItemName, pItem);
    return pItem;
}

DWORD JC_OperatorBase::ReadItem(const char* szItemName, const JC_TemplateItem* pItem, DWORD dwIndex,
                                JC_ValueOut value)
{
    const DWORD dwResult = m_pDataComponent != nullptr ? m_pDataComponent->GetItemValueAt(pItem, dwIndex, value)
                                                       : JE_COMPONENT_GET_NO_ITEM;
    return Reported(dwResult, false, szItemName, &dwIndex, __LINE__);
}

DWORD JC_OperatorBase::WriteItem(const char* szItemName, const JC_TemplateItem* pItem, DWORD dwIndex,
                                 JC_ValueIn value)
{
    const DWORD dwResult = m_pDataComponent != nullptr ? m_pDataComponent->SetItemValueAt(pItem, dwIndex, value)
                                                       : JE_COMPONENT_SET_NO_ITEM;
    return Reported(dwResult, true, szItemName, &dwIndex, __LINE__);
}

DWORD JC_OperatorBase::SetItemSpace(const std::string& strItemName, JC_ValueIn value)
{
    const DWORD dwResult = m_pDataComponent != nullptr ? m_pDataComponent->SetItemValue(strItemName, value)
                                                       : JE_COMPONENT_SET_NO_ITEM;
    return Reported(dwResult, true, strItemName.c_str(), nullptr, __LINE__);
}

DWORD JC_OperatorBase::SetItemDataText(const std::string& strItemName, const std::string& strText)
{
    const DWORD dwResult = m_pDataComponent != nullptr ? m_pDataComponent->SetItemValueText(strItemName, strText)
                                                       : JE_COMPONENT_SET_NO_ITEM;
    return Reported(dwResult, true, strItemName.c_str(), nullptr, __LINE__);
}

bool JC_OperatorBase::HasRoomFor(const std::string& strItemName)
{
    DWORD dwLargest = 0;
    DWORD dwSmallest = 0;
    DWORD dwCount = 0;
    if (m_pDataComponent == nullptr
        || !m_pDataComponent->GetItemVectorInfo(strItemName, dwLargest, dwSmallest, dwCount))
        return false;
    if (dwCount >= dwLargest) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " Append ItemData Fail. \r\n ItemName:%s  \r\n Count:%d \r\n",
                       strItemName.c_str(), static_cast<int>(dwCount));
        return false;
    }
    return true;
}

JC_DataComponent* JC_OperatorBase::GetDataComponent() const
{
    return m_pDataComponent;
}

JC_DataManager* JC_OperatorBase::GetDataManager() const
{
    return m_pDataManager;
}

DWORD JC_OperatorBase::GetOperatorKind() const
{
    return m_dwOperatorKind;
}

JC_DebugLog* JC_OperatorBase::Log() const
{
    return m_pErrorLog != nullptr ? m_pErrorLog : gp_DebugInfoObj;
}


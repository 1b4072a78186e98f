#include "JC_DataManager/Manager/JC_RecordDataManager.h"

#include "JC_DataManager/Manager/JE_DataKind.h"
#include "JC_DataManager/Manager/JF_ItemErrorName.h"

#include <cstdio>

namespace {

// Opens an existing file for shared reading.
HANDLE OpenForReading(const std::string& strPath)
{
    return CreateFileA(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool ReadLastWriteTime(const std::string& strPath, ULONGLONG& ullTime)
{
    const HANDLE hFile = OpenForReading(strPath);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    FILETIME lastWrite = {};
    const bool bRead = GetFileTime(hFile, nullptr, nullptr, &lastWrite) != FALSE;
    CloseHandle(hFile);
    ullTime = (static_cast<ULONGLONG>(lastWrite.dwHighDateTime) << 32) | lastWrite.dwLowDateTime;
    return bRead;
}

bool FileExists(const std::string& strPath)
{
    const HANDLE hFile = OpenForReading(strPath);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(hFile);
    return true;
}

JC_DataOrder SlotOrder(DWORD dwSlot)
{
    return JC_DataOrder{0, dwSlot};
}

} // namespace

JC_RecordDataManager::JC_RecordDataManager()
    : JC_DataFileManager(".\\JC_DataManager\\Manager\\JC_RecordDataManager", SLOT_COUNT,
                         JE_RECORDDATA_NULL_TEMPLATE_MANAGER, JE_RECORDDATA_TEMPLATE_MANAGER_NOT_INITIATED)
{
}

DWORD JC_RecordDataManager::InitRecordData()
{
    if (!m_bInitiated)
        return JE_RECORDDATA_INIT_NOT_INITIATED;
    ReleaseAll();
    const DWORD dwResult = LoadTemplateFile(SLOT_RECORD_LIST, g_szRecordDataFileName);
    if (dwResult != 0)
        return dwResult;
    return LoadTemplateFile(SLOT_SINGLE_RECORD, g_szRecordDataSingleFileName);
}

DWORD JC_RecordDataManager::LoadTemplateFile(DWORD dwSlot, const std::string& strFileName)
{
    const std::string strPath = m_strRootPath + g_szTemplateDataFolder + strFileName;
    DWORD dwBreakLine = 0;
    const DWORD dwResult = LoadSlot(dwSlot, strPath, dwBreakLine);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(m_szSourceFile, __LINE__,
                             " AnalyzeRecordDataFile Fail. \r\n DataFileName:%s \r\n BreakLine:%d \r\n "
                             "HRESULT:0x%08x \r\n",
                             strPath.c_str(), static_cast<int>(dwBreakLine), static_cast<unsigned>(dwResult));
    }
    return dwResult;
}

DWORD JC_RecordDataManager::LoadRecordData(DWORD dwCheckTimes, DWORD dwToleranceLow, DWORD dwToleranceHigh)
{
    if (!m_bInitiated)
        return JE_RECORDDATA_LOAD_NOT_INITIATED;
    JC_DataComponentMaker* pRecordList = GetRecordList();
    if (pRecordList == nullptr)
        return JE_RECORDDATA_LOAD_NOT_INITIATED;
    // Milliseconds to file-time units of 100 ns, held at the largest time.
    const ULONGLONG ullMilliseconds = (static_cast<ULONGLONG>(dwToleranceHigh) << 32) | dwToleranceLow;
    const ULONGLONG ullLargest = ~0ULL;
    const ULONGLONG ullTolerance = ullMilliseconds > ullLargest / 1000 ? ullLargest : ullMilliseconds * 1000;
    for (DWORD dwSlot = 0; dwSlot < RECORD_SLOT_COUNT; ++dwSlot) {
        JC_DataComponent* pListRecord = nullptr;
        const DWORD dwResult = pRecordList->GetComponentOrFail(SlotOrder(dwSlot), pListRecord);
        if (dwResult != 0) {
            m_pErrorLog->PrintAt(m_szSourceFile, __LINE__,
                                 " GetRecordDataComponent Fail. \r\n DataOrder:%d \r\n HRESULT:0x%08x \r\n",
                                 static_cast<int>(dwSlot), static_cast<unsigned>(dwResult));
            return dwResult;
        }
        const std::string strFolder = SlotFolder(dwSlot);
        const std::string strPath = strFolder + g_szRecordDataFileName;
        if (!FileExists(strPath)) {
            pListRecord->ResetToDefaults();
            continue;
        }
        if (dwCheckTimes == 1 && !AreSlotFilesConsistent(strFolder, ullTolerance))
            continue;
        if (!ReadSlotEntry(dwSlot, strPath, *pListRecord))
            pListRecord->ResetToDefaults();
    }
    return 0;
}

std::string JC_RecordDataManager::SlotFolder(DWORD dwSlot) const
{
    char szFolder[MAX_PATH * 2];
    std::snprintf(szFolder, sizeof(szFolder), g_szRecordSlotFolderFormat, (m_strRootPath + g_szSaveFolder).c_str(),
                  static_cast<unsigned>(dwSlot));
    return szFolder;
}

bool JC_RecordDataManager::AreSlotFilesConsistent(const std::string& strFolder, ULONGLONG ullTolerance) const
{
    std::vector<std::string> names;
    m_pTemplateManager->ListFiles(strFolder, "*.data", names);
    ULONGLONG ullReference = 0;
    for (size_t i = 0; i < names.size(); ++i) {
        ULONGLONG ullTime = 0;
        if (!ReadLastWriteTime(strFolder + names[i], ullTime))
            return false;
        if (i == 0)
            ullReference = ullTime;
        const ULONGLONG ullDifference = ullTime > ullReference ? ullTime - ullReference : ullReference - ullTime;
        if (ullDifference > ullTolerance)
            return false;
    }
    return true;
}

bool JC_RecordDataManager::ReadSlotEntry(DWORD dwSlot, const std::string& strPath, JC_DataComponent& listRecord)
{
    DWORD dwBreakLine = 0;
    DWORD dwResult = LoadSlot(SLOT_SINGLE_RECORD, strPath, dwBreakLine);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(m_szSourceFile, __LINE__,
                             " AnalyzeRecordDataFile Fail. \r\n DataFileName:%s \r\n BreakLine:%d \r\n "
                             "HRESULT:0x%08x \r\n",
                             strPath.c_str(), static_cast<int>(dwBreakLine), static_cast<unsigned>(dwResult));
        return false;
    }
    JC_DataComponent* pSingleRecord = nullptr;
    dwResult = GetSingleRecord()->GetComponentOrFail(SlotOrder(0), pSingleRecord);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(m_szSourceFile, __LINE__,
                             " GetSingleRecordDataComponent Fail. \r\n DataOrder:%d \r\n HRESULT:0x%08x \r\n",
                             static_cast<int>(dwSlot), static_cast<unsigned>(dwResult));
        return false;
    }
    // The entry must be laid out like the list's records.
    dwResult = listRecord.Copy(pSingleRecord, JC_DataComponent::SAME_LAYOUT);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(m_szSourceFile, __LINE__,
                             " CopyDataComponent Fail. \r\n DataOrder:%d \r\n HRESULT:0x%08x \r\n",
                             static_cast<int>(dwSlot), static_cast<unsigned>(dwResult));
        return false;
    }
    return true;
}

int JC_RecordDataManager::GetLatestRecordIndex()
{
    JC_DataComponentMaker* pRecordList = GetRecordList();
    if (pRecordList == nullptr)
        return static_cast<int>(JE_RECORDDATA_LOAD_NOT_INITIATED);
    DWORD dwLatestDate = 0;
    int iLatestSlot = -1;
    for (DWORD dwSlot = 0; dwSlot < LATEST_SEARCH_SLOTS; ++dwSlot) {
        JC_DataComponent* pRecord = nullptr;
        DWORD dwResult = pRecordList->GetComponentOrFail(SlotOrder(dwSlot), pRecord);
        if (dwResult != 0) {
            m_pErrorLog->PrintAt(m_szSourceFile, __LINE__,
                                 " CopyDataComponent Fail. \r\n LoopFind:%d \r\n HRESULT:0x%08x \r\n",
                                 static_cast<int>(dwSlot), static_cast<unsigned>(dwResult));
            return static_cast<int>(dwResult);
        }
        DWORD dwHaveRecord = 0;
        DWORD dwDate = 0;
        dwResult = ReadLatestCandidate(dwSlot, *pRecord, dwHaveRecord, dwDate);
        if (dwResult != 0)
            return static_cast<int>(dwResult);
        if (dwHaveRecord != 0 && dwDate > dwLatestDate) {
            dwLatestDate = dwDate;
            iLatestSlot = static_cast<int>(dwSlot);
        }
    }
    return iLatestSlot;
}

DWORD JC_RecordDataManager::ReadLatestCandidate(DWORD dwSlot, JC_DataComponent& record, DWORD& dwHaveRecord,
                                                DWORD& dwDate) const
{
    DWORD dwResult = record.GetItemValueAt("HaveRecord", 0, &dwHaveRecord);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(m_szSourceFile, __LINE__,
                             " GetItemData Fail. \r\n ItemName:HaveRecord \r\n LoopFind:%d \r\n "
                             "HRESULT:0x%08x(%s) \r\n",
                             static_cast<int>(dwSlot), static_cast<unsigned>(dwResult), JF_ItemReadErrorName(dwResult));
        return dwResult;
    }
    if (dwHaveRecord == 0)
        return 0;
    dwResult = record.GetItemValueAt("DateForCheck", 0, &dwDate);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(m_szSourceFile, __LINE__,
                             " GetItemData Fail. \r\n ItemName:DateForCheck \r\n LoopFind:%d \r\n "
                             "HRESULT:0x%08x(%s) \r\n",
                             static_cast<int>(dwSlot), static_cast<unsigned>(dwResult), JF_ItemReadErrorName(dwResult));
    }
    return dwResult;
}

JC_DataComponentMaker* JC_RecordDataManager::GetRecordList() const
{
    return GetComponentManager(SLOT_RECORD_LIST);
}

JC_DataComponentMaker* JC_RecordDataManager::GetSingleRecord() const
{
    return GetComponentManager(SLOT_SINGLE_RECORD);
}

#include "JC_DataManager/Manager/JC_UnfixedDataManager.h"

#include "JC_DataManager/Manager/JE_DataKind.h"

#include <cstdio>

JC_UnfixedDataManager::JC_UnfixedDataManager()
    : JC_DataFileManager(".\\JC_DataManager\\Manager\\JC_UnfixedDataManager", UNFIXEDDATAKIND_LIMIT,
                         JE_UNFIXEDDATA_NULL_TEMPLATE_MANAGER, JE_UNFIXEDDATA_TEMPLATE_MANAGER_NOT_INITIATED)
{
}

DWORD JC_UnfixedDataManager::InitUnfixedData(DWORD dwSetIndex)
{
    if (!m_bInitiated)
        return JE_UNFIXEDDATA_NOT_INITIATED;
    if (dwSetIndex > MAX_SET_INDEX) {
        m_pErrorLog->PrintAt(m_szSourceFile, __LINE__, " InitUnfixedData IndexOverload. \r\n Index:%d(MaxIndex:%d) \r\n ",
                             static_cast<int>(dwSetIndex), static_cast<int>(MAX_SET_INDEX));
        return JE_UNFIXEDDATA_INDEX_OVERLOAD;
    }
    ReleaseAll();
    char szFolder[MAX_PATH * 2];
    std::snprintf(szFolder, sizeof(szFolder), g_szUnfixedDataFolderFormat, m_strRootPath.c_str(),
                  g_szTemplateDataIrregularFolder, static_cast<unsigned>(dwSetIndex));
    for (DWORD dwKind = 0; dwKind < UNFIXEDDATAKIND_LIMIT; ++dwKind) {
        const std::string strPath = std::string(szFolder) + g_aszUnfixedDataFileNames[dwKind];
        DWORD dwBreakLine = 0;
        const DWORD dwResult = LoadSlot(dwKind, strPath, dwBreakLine);
        if (dwResult != 0) {
            m_pErrorLog->PrintAt(m_szSourceFile, __LINE__,
                                 " AnalyzeUnfixedDataFile Fail. \r\n DataFileName:%s \r\n BreakLine:%d \r\n "
                                 "HRESULT:0x%08x \r\n",
                                 strPath.c_str(), static_cast<int>(dwBreakLine), static_cast<unsigned>(dwResult));
            return dwResult;
        }
    }
    return 0;
}

JC_DataComponentMaker* JC_UnfixedDataManager::GetUnfixedDataObj(DWORD dwKind) const
{
    return GetComponentManager(dwKind);
}

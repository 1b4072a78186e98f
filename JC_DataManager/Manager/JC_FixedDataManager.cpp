#include "JC_DataManager/Manager/JC_FixedDataManager.h"

#include "JC_DataManager/Manager/JE_DataKind.h"

#include <cstdio>

JC_FixedDataManager::JC_FixedDataManager()
    : JC_DataFileManager(".\\JC_DataManager\\Manager\\JC_FixedDataManager", FIXEDDATAKIND_LIMIT,
                         JE_FIXEDDATA_NULL_TEMPLATE_MANAGER, JE_FIXEDDATA_TEMPLATE_MANAGER_NOT_INITIATED)
{
}

DWORD JC_FixedDataManager::InitFixedData(DWORD dwLevel)
{
    for (DWORD dwKind = 0; dwKind < FIXEDDATAKIND_LIMIT; ++dwKind) {
        const DWORD dwResult = LoadFixedData(dwLevel, dwKind);
        if (dwResult != 0)
            return dwResult;
    }
    return 0;
}

DWORD JC_FixedDataManager::LoadFixedData(DWORD dwLevel, DWORD dwKind)
{
    if (!m_bInitiated)
        return JE_FIXEDDATA_NOT_INITIATED;
    if (dwKind >= FIXEDDATAKIND_LIMIT) {
        m_pErrorLog->PrintAt(m_szSourceFile, __LINE__,
                             " FixedDataKind NotSupport. \r\n FixedDataKind:%d \r\n HRESULT:0x%08x \r\n",
                             static_cast<int>(dwKind), 0u);
        return JE_FIXEDDATA_KIND_NOT_SUPPORTED;
    }
    char szPath[MAX_PATH * 2];
    std::snprintf(szPath, sizeof(szPath), g_szFixedDataPathFormat, (m_strRootPath + g_szTemplateDataFolder).c_str(),
                  static_cast<unsigned>(dwLevel), g_aszFixedDataFileNames[dwKind]);
    DWORD dwBreakLine = 0;
    const DWORD dwResult = LoadSlot(dwKind, szPath, dwBreakLine);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(m_szSourceFile, __LINE__,
                             " AnalyzeFixedDataFile Fail. \r\n DataFileName:%s \r\n BreakLine:%d \r\n "
                             "HRESULT:0x%08x \r\n",
                             szPath, static_cast<int>(dwBreakLine), static_cast<unsigned>(dwResult));
    }
    return dwResult;
}

JC_DataComponentMaker* JC_FixedDataManager::GetFixedDataObj(DWORD dwKind) const
{
    return GetComponentManager(dwKind);
}

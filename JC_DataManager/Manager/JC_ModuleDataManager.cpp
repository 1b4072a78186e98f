#include "JC_DataManager/Manager/JC_ModuleDataManager.h"

#include "JC_DataManager/Manager/JE_DataKind.h"

JC_ModuleDataManager::JC_ModuleDataManager()
    : JC_DataFileManager(".\\JC_DataManager\\Manager\\JC_ModuleDataManager", MODULEDATAKIND_LIMIT,
                         JE_MODULEDATA_NULL_TEMPLATE_MANAGER, JE_MODULEDATA_TEMPLATE_MANAGER_NOT_INITIATED)
{
}

DWORD JC_ModuleDataManager::InitModuleData()
{
    for (DWORD dwKind = 0; dwKind < MODULEDATAKIND_LIMIT; ++dwKind) {
        const DWORD dwResult = LoadModuleData(dwKind);
        if (dwResult != 0)
            return dwResult;
    }
    return 0;
}

DWORD JC_ModuleDataManager::LoadModuleData(DWORD dwKind)
{
    if (!m_bInitiated)
        return JE_MODULEDATA_NOT_INITIATED;
    if (dwKind >= MODULEDATAKIND_LIMIT) {
        m_pErrorLog->PrintAt(m_szSourceFile, __LINE__,
                             " ModuleDataKind NotSupport. \r\n ModuleDataKind:%d \r\n HRESULT:0x%08x \r\n",
                             static_cast<int>(dwKind), 0u);
        return JE_MODULEDATA_KIND_NOT_SUPPORTED;
    }
    const std::string strPath = m_strRootPath + g_szTemplateDataFolder + g_aszModuleDataFileNames[dwKind];
    DWORD dwBreakLine = 0;
    const DWORD dwResult = LoadSlot(dwKind, strPath, dwBreakLine);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(m_szSourceFile, __LINE__,
                             " AnalyzeModuleDataFile Fail. \r\n DataFileName:%s \r\n BreakLine:%d \r\n "
                             "HRESULT:0x%08x \r\n",
                             strPath.c_str(), static_cast<int>(dwBreakLine), static_cast<unsigned>(dwResult));
    }
    return dwResult;
}

JC_DataComponentMaker* JC_ModuleDataManager::GetModuleDataObj(DWORD dwKind) const
{
    return GetComponentManager(dwKind);
}

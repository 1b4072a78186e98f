#include "JC_DataManager/Manager/JC_Oskel3UnfixedDataManager.h"

#include "JC_DataManager/Manager/JC_Oskel3Envelope.h"

#include <cstdio>

const char* const g_aszOskel3UnfixedDataFileNames[OSKEL3UNFIXEDDATAKIND_LIMIT] = {
    "UnfixedData_Game.DATA",
    "UnfixedData_WarehouseGem.DATA",
    "UnfixedData_WarehouseTool.DATA",
    "UnfixedData_WarehouseWeapon.DATA",
    "UnfixedData_WarehouseWearing.DATA",
};

JC_Oskel3UnfixedDataManager::JC_Oskel3UnfixedDataManager()
    : JC_DataFileManager(".\\JC_DataManager\\Manager\\JC_Oskel3UnfixedDataManager", OSKEL3UNFIXEDDATAKIND_LIMIT,
                         JE_OSKEL3DATA_NULL_TEMPLATE_MANAGER, JE_OSKEL3DATA_TEMPLATE_MANAGER_NOT_INITIATED)
{
}

DWORD JC_Oskel3UnfixedDataManager::Initiation(const std::string& strSetupPath,
                                              JC_OskelTemplateManager* pTemplateManager)
{
    ReleaseAll();
    const DWORD dwResult = JC_DataFileManager::Initiation(pTemplateManager);
    if (dwResult != 0)
        return dwResult;
    // The files come from the previous title's folder, not this game's.
    m_strRootPath = strSetupPath;
    return 0;
}

DWORD JC_Oskel3UnfixedDataManager::Reset()
{
    ReleaseAll();
    m_bInitiated = FALSE;
    m_strRootPath.clear();
    m_pErrorLog = nullptr;
    m_pTemplateManager = nullptr;
    return 0;
}

std::string JC_Oskel3UnfixedDataManager::SlotFolder(const std::string& strSetupPath, DWORD dwSlot)
{
    char szSlot[16];
    std::snprintf(szSlot, sizeof(szSlot), "%02u\\", static_cast<unsigned>(dwSlot));
    return strSetupPath + "SAVE\\" + szSlot;
}

DWORD JC_Oskel3UnfixedDataManager::LoadOskel3UnfixedData(DWORD dwSlot)
{
    if (!m_bInitiated)
        return JE_OSKEL3DATA_NOT_INITIATED;
    if (dwSlot > MAX_SLOT) {
        m_pErrorLog->PrintAt(m_szSourceFile, __LINE__, " LoadOskel3UnfixedData IndexOverload. \r\n Index:%d(MaxIndex:99) \r\n ",
                             static_cast<int>(dwSlot));
        return JE_OSKEL3DATA_INDEX_OVERLOAD;
    }
    ReleaseAll();
    const std::string strFolder = SlotFolder(m_strRootPath, dwSlot);
    for (DWORD dwKind = 0; dwKind < OSKEL3UNFIXEDDATAKIND_LIMIT; ++dwKind) {
        const DWORD dwResult = LoadKind(dwKind, strFolder + g_aszOskel3UnfixedDataFileNames[dwKind]);
        if (dwResult != 0)
            return dwResult;
    }
    return 0;
}

DWORD JC_Oskel3UnfixedDataManager::LoadKind(DWORD dwKind, const std::string& strPath)
{
    std::string strText;
    DWORD dwResult = JC_Oskel3Envelope::Read(strPath, strText);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(m_szSourceFile, __LINE__,
                             " LoadOskel3UnfixedData Decode Fail. \r\n DataFileName:%s \r\n HRESULT:0x%08x \r\n",
                             strPath.c_str(), static_cast<unsigned>(dwResult));
        return dwResult;
    }
    DWORD dwBreakLine = 0;
    dwResult = ParseSlot(dwKind, strText, dwBreakLine);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(m_szSourceFile, __LINE__,
                             " AnalyzeOskel3UnfixedDataFile Fail. \r\n DataFileName:%s \r\n BreakLine:%d \r\n "
                             "HRESULT:0x%08x \r\n",
                             strPath.c_str(), static_cast<int>(dwBreakLine), static_cast<unsigned>(dwResult));
        return dwResult;
    }
    return 0;
}

JC_DataComponentMaker* JC_Oskel3UnfixedDataManager::GetUnfixedDataObj(DWORD dwKind) const
{
    return GetComponentManager(dwKind);
}

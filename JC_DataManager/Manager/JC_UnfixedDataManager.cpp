#include "JC_DataManager/Manager/JC_UnfixedDataManager.h"

#include "JC_DataManager/Manager/JE_DataKind.h"
#include "TemplateSystem/JC_DataArrayManager.h"

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
        DWORD dwResult = LoadSlot(dwKind, strPath, dwBreakLine);
        if (dwResult == 0 && dwKind == UNFIXEDDATAKIND_SCRIPTINFO)
            dwResult = CheckScriptPositions(strPath);
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

DWORD JC_UnfixedDataManager::CheckScriptPositions(const std::string& strPath) const
{
    // The script stack is an array; another layout is refused where it is bound.
    const auto* pScripts = dynamic_cast<const JC_DataArrayManager*>(GetComponentManager(UNFIXEDDATAKIND_SCRIPTINFO));
    const DWORD dwCount = pScripts != nullptr ? pScripts->GetComponentCount() : 0;
    for (DWORD i = 0; i < dwCount; ++i) {
        JC_DataComponent* pScript = pScripts->GetValidComponent({0, i});
        if (pScript == nullptr)
            continue;
        int iTotalLine = 0;
        int iWillDealLine = 0;
        DWORD dwLargest = 0;
        DWORD dwSmallest = 0;
        DWORD dwLines = 0;
        pScript->GetItemValue("TotalLine", &iTotalLine);
        pScript->GetItemValue("WillDealLine", &iWillDealLine);
        pScript->GetItemVectorInfo("ScriptArray", dwLargest, dwSmallest, dwLines);
        if (iTotalLine == static_cast<int>(dwLines) && iWillDealLine >= 0 && iWillDealLine <= iTotalLine)
            continue;
        m_pErrorLog->PrintAt(m_szSourceFile, __LINE__,
                             " ScriptInfo PositionOutsideScript. \r\n DataFileName:%s \r\n Script:%d \r\n "
                             "TotalLine:%d(Lines:%d) WillDealLine:%d \r\n HRESULT:0x%08x \r\n",
                             strPath.c_str(), static_cast<int>(i), iTotalLine, static_cast<int>(dwLines), iWillDealLine,
                             static_cast<unsigned>(JE_UNFIXEDDATA_SCRIPT_POSITION));
        return JE_UNFIXEDDATA_SCRIPT_POSITION;
    }
    return 0;
}

JC_DataComponentMaker* JC_UnfixedDataManager::GetUnfixedDataObj(DWORD dwKind) const
{
    return GetComponentManager(dwKind);
}

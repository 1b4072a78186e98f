#include "JC_DataManager/Manager/JC_UnfixedDataManager.h"

#include "JC_DataManager/Manager/JE_DataKind.h"
#include "TemplateSystem/JC_DataArrayManager.h"

#include <algorithm>
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
        if (dwResult == 0 && (dwResult = CheckLoadedKind(dwKind, strPath)) != 0)
            ReleaseSlot(dwKind);
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

DWORD JC_UnfixedDataManager::CheckLoadedKind(DWORD dwKind, const std::string& strPath) const
{
    switch (dwKind) {
    case UNFIXEDDATAKIND_GAME:
    case UNFIXEDDATAKIND_SCRIPTFLAG:
        NoteRecordsPastTheFirst(dwKind, strPath);
        return 0;
    case UNFIXEDDATAKIND_SCENE:
        return CheckSceneFloors(strPath);
    case UNFIXEDDATAKIND_SCRIPTINFO:
        return CheckScriptPositions(strPath);
    default:
        return 0;
    }
}

void JC_UnfixedDataManager::NoteRecordsPastTheFirst(DWORD dwKind, const std::string& strPath) const
{
    const auto* pRecords = dynamic_cast<const JC_DataArrayManager*>(GetComponentManager(dwKind));
    const DWORD dwCount = pRecords != nullptr ? pRecords->GetComponentCount() : 0;
    for (DWORD i = 1; i < dwCount; ++i) {
        if (pRecords->GetValidComponent({0, i}) == nullptr)
            continue;
        m_pErrorLog->PrintAt(m_szSourceFile, __LINE__,
                             " OnlyTheFirstRecordIsRead. \r\n DataFileName:%s \r\n DataOrder:0,%d \r\n",
                             strPath.c_str(), static_cast<int>(i));
        return;
    }
}

DWORD JC_UnfixedDataManager::CheckSceneFloors(const std::string& strPath) const
{
    // The scene information at (0, 0), then one floor per cell.
    const auto* pScene = dynamic_cast<const JC_DataArrayManager*>(GetComponentManager(UNFIXEDDATAKIND_SCENE));
    JC_DataComponent* pInfo = pScene != nullptr ? pScene->GetValidComponent({0, 0}) : nullptr;
    if (pInfo == nullptr)
        return 0;
    int iWidth = 0;
    int iHeight = 0;
    pInfo->GetItemValue("MapWidth", &iWidth);
    pInfo->GetItemValue("MapHeight", &iHeight);
    const long long llCells = static_cast<long long>(std::max(iWidth, 0)) * std::max(iHeight, 0);
    long long llFloors = 0;
    for (DWORD i = 1; i < pScene->GetComponentCount(); ++i)
        llFloors += pScene->GetValidComponent({0, i}) != nullptr ? 1 : 0;
    if (llFloors >= llCells && llFloors == static_cast<long long>(pScene->GetComponentCount()) - 1)
        return 0;
    m_pErrorLog->PrintAt(m_szSourceFile, __LINE__,
                         " Scene FloorsMissing. \r\n DataFileName:%s \r\n MapWidth:%d MapHeight:%d Floors:%d(Positions:%d) "
                         "\r\n HRESULT:0x%08x \r\n",
                         strPath.c_str(), iWidth, iHeight, static_cast<int>(llFloors),
                         static_cast<int>(pScene->GetComponentCount()) - 1,
                         static_cast<unsigned>(JE_UNFIXEDDATA_SCENE_FLOORS));
    return JE_UNFIXEDDATA_SCENE_FLOORS;
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

#include "JC_DataManager/Manager/JC_DataManager.h"

#include "JC_DataManager/Manager/JE_DataKind.h"

JC_DataManager* gp_DataManagerObj = nullptr;

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

constexpr DWORD GEM_FALLBACK_ID = 1;
constexpr DWORD TOOL_FALLBACK_ID = 1;
constexpr DWORD WEAPON_FALLBACK_ID = 1;
constexpr DWORD WEARING_FALLBACK_ID = 1;
constexpr DWORD SKILL_FALLBACK_ID = 0;
constexpr DWORD SKILLPOWER_FALLBACK_ID = 1;

DWORD s_dwLastDefineGeneration = 0;

// The fixed table of each thing kind.
constexpr DWORD s_adwThingFixedKinds[THINGKIND_LIMIT] = {
    FIXEDDATAKIND_GEM,
    FIXEDDATAKIND_TOOL,
    FIXEDDATAKIND_WEAPON,
    FIXEDDATAKIND_WEARING,
};

} // namespace

DWORD JC_DataManager::Initiation(const std::string& strRootPath, JC_DebugLog* pErrorLog)
{
    m_bInitiated = FALSE;
    m_dwDefineGeneration = ++s_dwLastDefineGeneration;
    if (strRootPath.empty())
        return JE_DATAMANAGER_EMPTY_PATH;
    if (pErrorLog == nullptr)
        return JE_DATAMANAGER_NULL_LOG;
    m_strRootPath = strRootPath;
    m_pErrorLog = pErrorLog;
    // Records laid out by the templates die before the templates do.
    JC_DataFileManager* const dataManagers[] = {&m_FixedDataManagerObj, &m_UnfixedDataManagerObj,
                                                &m_ModuleDataManagerObj, &m_RecordDataManagerObj};
    for (JC_DataFileManager* pManager : dataManagers)
        pManager->ReleaseAll();
    DWORD dwResult = m_OskelTemplateManagerObj.LoadTemplateFiles(strRootPath, pErrorLog);
    if (dwResult != 0) {
        Log()->PrintAt(s_szSourceFile, __LINE__,
                             " Initiation OskelTemplateManagerObj Fail. \r\n HRESULT:0x%08x \r\n",
                             static_cast<unsigned>(dwResult));
        return dwResult;
    }
    struct JS_OwnedManager
    {
        JC_DataFileManager& manager;
        const char* szFailure;
    };
    const JS_OwnedManager owned[] = {
        {m_FixedDataManagerObj, " Initiation FixedDataManagerObj Fail. \r\n HRESULT:0x%08x \r\n"},
        {m_UnfixedDataManagerObj, " Initiation UnfixedDataManagerObj Fail. \r\n HRESULT:0x%08x \r\n"},
        {m_ModuleDataManagerObj, " Initiation ModuleDataManagerObj Fail. \r\n HRESULT:0x%08x \r\n"},
        {m_RecordDataManagerObj, " Initiation RecordDataManagerObj Fail. \r\n HRESULT:0x%08x \r\n"},
    };
    for (const JS_OwnedManager& manager : owned) {
        dwResult = manager.manager.Initiation(&m_OskelTemplateManagerObj);
        if (dwResult != 0) {
            Log()->PrintAt(s_szSourceFile, __LINE__, manager.szFailure, static_cast<unsigned>(dwResult));
            return dwResult;
        }
    }
    m_bInitiated = TRUE;
    return 0;
}

DWORD JC_DataManager::InitFixedData(DWORD dwLevel)
{
    return m_FixedDataManagerObj.InitFixedData(dwLevel);
}

DWORD JC_DataManager::InitUnfixedData(DWORD dwSetIndex)
{
    return m_UnfixedDataManagerObj.InitUnfixedData(dwSetIndex);
}

DWORD JC_DataManager::InitModuleData()
{
    return m_ModuleDataManagerObj.InitModuleData();
}

DWORD JC_DataManager::InitRecordData()
{
    return m_RecordDataManagerObj.InitRecordData();
}

DWORD JC_DataManager::LoadRecordData(DWORD dwCheckTimes, DWORD dwToleranceLow, DWORD dwToleranceHigh)
{
    return m_RecordDataManagerObj.LoadRecordData(dwCheckTimes, dwToleranceLow, dwToleranceHigh);
}

bool JC_DataManager::IsInitiated() const
{
    return m_bInitiated != FALSE;
}

JC_OskelTemplateManager* JC_DataManager::GetTemplateManager()
{
    return m_bInitiated ? &m_OskelTemplateManagerObj : nullptr;
}

JC_DataComponentMaker* JC_DataManager::GetUnfixedDataObj(DWORD dwKind) const
{
    return m_bInitiated ? m_UnfixedDataManagerObj.GetUnfixedDataObj(dwKind) : nullptr;
}

std::string JC_DataManager::GetPath() const
{
    return m_bInitiated ? m_strRootPath : std::string();
}

DWORD JC_DataManager::GetDefineInfo(const std::string& strDefineName) const
{
    return m_bInitiated ? m_OskelTemplateManagerObj.GetDefineInfo(strDefineName) : JE_DEFINE_NOT_FOUND;
}

DWORD JC_DataManager::GetDefineGeneration() const
{
    return m_dwDefineGeneration;
}

JC_DebugLog* JC_DataManager::GetErrorLog() const
{
    return m_bInitiated ? m_pErrorLog : nullptr;
}

JC_DebugLog* JC_DataManager::Log() const
{
    return m_pErrorLog != nullptr ? m_pErrorLog : gp_DebugInfoObj;
}

JC_DataComponent* JC_DataManager::GetFixedDataObj(DWORD dwKind, DWORD dwID) const
{
    const JC_DataComponentMaker* pManager = m_FixedDataManagerObj.GetFixedDataObj(dwKind);
    if (pManager == nullptr) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " GetFixedDataObj Fail. \r\n FixedDataKind:%d \r\n ",
                             static_cast<int>(dwKind));
        return nullptr;
    }
    JC_DataComponent* pRecord = pManager->GetKeyedIndex().FindByKey(dwID);
    if (pRecord == nullptr) {
        Log()->PrintAt(s_szSourceFile, __LINE__,
                             " GetDataComponent Fail. \r\n FixedDataKind:%d \r\n DataComponentID:%d \r\n ",
                             static_cast<int>(dwKind), static_cast<int>(dwID));
    }
    return pRecord;
}

JC_DataComponent* JC_DataManager::GetEvolutionObj(DWORD dwID) const
{
    return GetFixedDataObj(FIXEDDATAKIND_EVOLUTION, dwID);
}

JC_DataComponent* JC_DataManager::GetJobObj(DWORD dwID) const
{
    return GetFixedDataObj(FIXEDDATAKIND_JOB, dwID);
}

JC_DataComponent* JC_DataManager::GetLandformObj(DWORD dwID) const
{
    return GetFixedDataObj(FIXEDDATAKIND_LANDFORM, dwID);
}

JC_DataComponent* JC_DataManager::GetPersonObj(DWORD dwID) const
{
    return GetFixedDataObj(FIXEDDATAKIND_PERSON, dwID);
}

JC_DataComponent* JC_DataManager::GetShopObj(DWORD dwID) const
{
    return GetFixedDataObj(FIXEDDATAKIND_SHOP, dwID);
}

JC_DataComponent* JC_DataManager::GetHybridizeObj(DWORD dwFirstPersonID, DWORD dwSecondPersonID) const
{
    return GetFixedDataObj(FIXEDDATAKIND_HYBRIDIZE, (dwFirstPersonID << 16) + dwSecondPersonID);
}

JC_DataComponent* JC_DataManager::GetFallbackObj(DWORD dwKind, DWORD dwID, DWORD dwFallbackID,
                                                 const char* szFormat) const
{
    JC_DataComponent* pRecord = GetFixedDataObj(dwKind, dwID);
    if (pRecord != nullptr)
        return pRecord;
    JC_DataComponent* pFallback = GetFixedDataObj(dwKind, dwFallbackID);
    Log()->PrintAt(s_szSourceFile, __LINE__, szFormat, static_cast<unsigned>(dwID));
    return pFallback;
}

JC_DataComponent* JC_DataManager::GetGemObj(DWORD dwID) const
{
    return GetFallbackObj(FIXEDDATAKIND_GEM, dwID, GEM_FALLBACK_ID, " GetGemObj Fail. \r\n GemID:0x%08x \r\n");
}

JC_DataComponent* JC_DataManager::GetToolObj(DWORD dwID) const
{
    return GetFallbackObj(FIXEDDATAKIND_TOOL, dwID, TOOL_FALLBACK_ID, " GetToolObj Fail. \r\n ToolID:0x%08x \r\n");
}

JC_DataComponent* JC_DataManager::GetWeaponObj(DWORD dwID) const
{
    return GetFallbackObj(FIXEDDATAKIND_WEAPON, dwID, WEAPON_FALLBACK_ID,
                          " GetWeaponObj Fail. \r\n WeaponID:0x%08x \r\n");
}

JC_DataComponent* JC_DataManager::GetWearingObj(DWORD dwID) const
{
    return GetFallbackObj(FIXEDDATAKIND_WEARING, dwID, WEARING_FALLBACK_ID,
                          " GetWearingObj Fail. \r\n WearingID:0x%08x \r\n");
}

JC_DataComponent* JC_DataManager::GetSkillObj(DWORD dwID) const
{
    return GetFallbackObj(FIXEDDATAKIND_SKILL, dwID, SKILL_FALLBACK_ID, " GetSkillObj Fail. \r\n SkillID:0x%08x \r\n");
}

JC_DataComponent* JC_DataManager::GetSkillPowerObj(DWORD dwSkillPowerID) const
{
    return GetFallbackObj(FIXEDDATAKIND_SKILL, dwSkillPowerID, SKILLPOWER_FALLBACK_ID,
                          " GetSkillPowerObj Fail. \r\n SkillPowerID:0x%08x \r\n");
}

JC_DataComponent* JC_DataManager::GetSkillPowerObj(DWORD dwSkillID, DWORD dwSkillLevel) const
{
    return GetSkillPowerObj(dwSkillID | dwSkillLevel);
}

JC_DataComponent* JC_DataManager::GetThingObj(DWORD dwThingKind, DWORD dwID) const
{
    if (dwThingKind >= THINGKIND_LIMIT)
        return nullptr;
    return GetFixedDataObj(s_adwThingFixedKinds[dwThingKind], dwID);
}

DWORD JC_DataManager::GetComponentAt(const JC_DataComponentMaker* pManager, DWORD dwPosition,
                                     JC_DataComponent*& pComponent)
{
    pComponent = nullptr;
    if (pManager == nullptr)
        return JE_DATAMANAGER_KIND_NOT_LOADED;
    return pManager->GetComponentOrFail(JC_DataOrder{0, dwPosition}, pComponent);
}

JC_DataComponent* JC_DataManager::GetOrderedObj(const JC_DataComponentMaker* pManager, const std::string& strFile,
                                                DWORD dwPosition, int iSourceLine, const char* szFormat,
                                                bool bWithPosition) const
{
    JC_DataComponent* pComponent = nullptr;
    const DWORD dwResult = GetComponentAt(pManager, dwPosition, pComponent);
    if (dwResult == 0)
        return pComponent;
    const std::string strFormat = std::string(szFormat) + " DataFileName:%s \r\n";
    if (bWithPosition)
        Log()->PrintAt(s_szSourceFile, iSourceLine, strFormat.c_str(), static_cast<int>(dwPosition),
                       static_cast<unsigned>(dwResult), strFile.c_str());
    else
        Log()->PrintAt(s_szSourceFile, iSourceLine, strFormat.c_str(), static_cast<unsigned>(dwResult),
                       strFile.c_str());
    return nullptr;
}

JC_DataComponent* JC_DataManager::GetUnfixedObjAt(DWORD dwKind, DWORD dwPosition, int iSourceLine,
                                                  const char* szFormat, bool bWithPosition) const
{
    return GetOrderedObj(GetUnfixedDataObj(dwKind), m_UnfixedDataManagerObj.GetSlotFile(dwKind), dwPosition,
                         iSourceLine, szFormat, bWithPosition);
}

JC_DataComponent* JC_DataManager::GetModuleObjAt(DWORD dwKind, DWORD dwPosition, int iSourceLine,
                                                 const char* szFormat, bool bWithPosition) const
{
    return GetOrderedObj(m_ModuleDataManagerObj.GetModuleDataObj(dwKind), m_ModuleDataManagerObj.GetSlotFile(dwKind),
                         dwPosition, iSourceLine, szFormat, bWithPosition);
}

JC_DataComponent* JC_DataManager::GetGameDataComponent() const
{
    const char* const szFailure = " GetGameDataComponent Fail. \r\n HRESULT:0x%08x \r\n";
    JC_DataComponent* pGame = GetUnfixedObjAt(UNFIXEDDATAKIND_GAME, 0, __LINE__, szFailure, false);
    // Another record read as the game's would fail at every item it is asked.
    const JC_Template* pTemplate = pGame != nullptr ? pGame->GetTemplate() : nullptr;
    if (pTemplate == nullptr || pTemplate->GetTemplateID() == DATACOMPONENTKIND_GAME)
        return pGame;
    Log()->PrintAt(s_szSourceFile, __LINE__,
                   " GetGameDataComponent Fail. \r\n HRESULT:0x%08x \r\n DataFileName:%s \r\n "
                   "TemplateID:0x%08x(0x%08x) \r\n",
                   static_cast<unsigned>(JE_DATAMANAGER_WRONG_TEMPLATE),
                   m_UnfixedDataManagerObj.GetSlotFile(UNFIXEDDATAKIND_GAME).c_str(),
                   static_cast<unsigned>(pTemplate->GetTemplateID()), static_cast<unsigned>(DATACOMPONENTKIND_GAME));
    return nullptr;
}

bool JC_DataManager::GetWorldMapKind(DWORD dwWorldMapIndex, DWORD& dwKind) const
{
    if (dwWorldMapIndex > 1) {
        Log()->PrintAt(s_szSourceFile, __LINE__,
                             " WorldMapIndex NotSupport. \r\n WorldMapIndex:%d \r\n HRESULT:0x%08x \r\n",
                             static_cast<int>(dwWorldMapIndex), 0u);
        return false;
    }
    dwKind = UNFIXEDDATAKIND_WORLDMAP0 + dwWorldMapIndex;
    return true;
}

JC_DataComponent* JC_DataManager::GetWorldMapInfoDataComponent(DWORD dwWorldMapIndex) const
{
    DWORD dwKind = 0;
    if (!GetWorldMapKind(dwWorldMapIndex, dwKind))
        return nullptr;
    return GetUnfixedObjAt(dwKind, 0, __LINE__,
                           " GetWorldMapInfoDataComponent Fail. \r\n HRESULT:0x%08x \r\n", false);
}

JC_DataComponent* JC_DataManager::GetPlaceDataComponent(DWORD dwWorldMapIndex, DWORD dwPlaceIndex) const
{
    DWORD dwKind = 0;
    if (!GetWorldMapKind(dwWorldMapIndex, dwKind))
        return nullptr;
    const char* const szFailure = " GetPlaceDataComponent Fail. \r\n PlaceIndex:%d \r\n HRESULT:0x%08x \r\n";
    // Place 0 is "none": its order holds the world-map information.
    if (dwPlaceIndex == 0) {
        Log()->PrintAt(s_szSourceFile, __LINE__, szFailure, 0, static_cast<unsigned>(JE_DATAMANAGER_NO_SUCH_RECORD));
        return nullptr;
    }
    return GetUnfixedObjAt(dwKind, dwPlaceIndex, __LINE__, szFailure, true);
}

JC_DataComponent* JC_DataManager::GetSceneInfoDataComponent() const
{
    return GetUnfixedObjAt(UNFIXEDDATAKIND_SCENE, 0, __LINE__,
                           " GetSceneInfoDataComponent Fail. \r\n HRESULT:0x%08x \r\n", false);
}

JC_DataComponent* JC_DataManager::GetSceneFloorDataComponent(DWORD dwSceneFloorIndex) const
{
    JC_DataComponent* pComponent = nullptr;
    DWORD dwResult = JE_DATAMANAGER_NO_SUCH_RECORD;
    // The last index would wrap round to the scene information.
    if (dwSceneFloorIndex + 1 != 0)
        dwResult = GetComponentAt(GetUnfixedDataObj(UNFIXEDDATAKIND_SCENE), dwSceneFloorIndex + 1, pComponent);
    if (dwResult != 0) {
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       " GetSceneFloorDataComponent Fail. \r\n SceneFloorIndex:%d \r\n HRESULT:0x%08x \r\n "
                       "DataFileName:%s \r\n",
                       static_cast<int>(dwSceneFloorIndex), static_cast<unsigned>(dwResult),
                       m_UnfixedDataManagerObj.GetSlotFile(UNFIXEDDATAKIND_SCENE).c_str());
    }
    return pComponent;
}

JC_DataComponent* JC_DataManager::GetTeamFightPersonObj(DWORD dwTeamIndex) const
{
    return GetUnfixedObjAt(UNFIXEDDATAKIND_TEAMFIGHT, dwTeamIndex, __LINE__,
                           " Get TeamFight PersonDataComponent Fail. \r\n TeamIndex:%d \r\n HRESULT:0x%08x \r\n", true);
}

JC_DataComponent* JC_DataManager::GetModuleOptionObj() const
{
    return GetModuleObjAt(MODULEDATAKIND_OPTION, 0, __LINE__,
                          " Get Module Option DataComponent Fail. \r\n HRESULT:0x%08x \r\n", false);
}

JC_DataComponent* JC_DataManager::GetModuleStateObj() const
{
    return GetModuleObjAt(MODULEDATAKIND_STATE, 0, __LINE__,
                          " Get Module State DataComponent Fail. \r\n HRESULT:0x%08x \r\n", false);
}

JC_DataComponent* JC_DataManager::GetModuleTownObj() const
{
    return GetModuleObjAt(MODULEDATAKIND_TOWN, 0, __LINE__,
                          " Get Module Town DataComponent Fail. \r\n HRESULT:0x%08x \r\n", false);
}

JC_DataComponent* JC_DataManager::GetModuleWorldMapObj(DWORD dwWorldMapIndex) const
{
    return GetModuleObjAt(MODULEDATAKIND_WORLDMAP, dwWorldMapIndex, __LINE__,
                          " Get Module WorldMap DataComponent Fail. \r\n WorldMapIndex:%d \r\n HRESULT:0x%08x \r\n",
                          true);
}

JC_DataComponent* JC_DataManager::GetRecordInfoObj(DWORD dwRecordIndex) const
{
    return GetOrderedObj(m_RecordDataManagerObj.GetRecordList(), std::string(), dwRecordIndex, __LINE__,
                         " Get RecordInfo DataComponent Fail. \r\n RecordIndex:%d \r\n HRESULT:0x%08x \r\n", true);
}

int JC_DataManager::GetLatestRecordIndex()
{
    return m_RecordDataManagerObj.GetLatestRecordIndex();
}

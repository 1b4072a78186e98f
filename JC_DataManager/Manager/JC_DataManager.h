#pragma once

#include "JC_DataManager/Manager/JC_FixedDataManager.h"
#include "JC_DataManager/Manager/JC_ModuleDataManager.h"
#include "JC_DataManager/Manager/JC_RecordDataManager.h"
#include "JC_DataManager/Manager/JC_UnfixedDataManager.h"

constexpr DWORD JE_DATAMANAGER_EMPTY_PATH = 0x89020001;
constexpr DWORD JE_DATAMANAGER_NULL_LOG = 0x89020002;
// A record asked of a kind that is not loaded, or a place or floor that is
// no such record.
constexpr DWORD JE_DATAMANAGER_KIND_NOT_LOADED = 0x89020003;
constexpr DWORD JE_DATAMANAGER_NO_SUCH_RECORD = 0x89020004;
// A record of another template where the getter's kind is expected.
constexpr DWORD JE_DATAMANAGER_WRONG_TEMPLATE = 0x89020005;

// The one owner of the game's data: the templates, the fixed tables of a
// level, the save state, the screen layouts and the save-slot directory.
// Records are handed out by kind and ID or by data order; they stay owned by
// the manager that loaded them and die when their kind is loaded again.
class JC_DataManager
{
public:
    JC_DataManager() = default;
    virtual ~JC_DataManager() = default;
    JC_DataManager(const JC_DataManager&) = delete;
    JC_DataManager& operator=(const JC_DataManager&) = delete;

    // Loads the templates under the game folder (ending with a backslash)
    // and initiates the owned managers.
    virtual DWORD Initiation(const std::string& strRootPath, JC_DebugLog* pErrorLog);

    DWORD InitFixedData(DWORD dwLevel);
    DWORD InitUnfixedData(DWORD dwSetIndex);
    DWORD InitModuleData();
    DWORD InitRecordData();
    DWORD LoadRecordData(DWORD dwCheckTimes, DWORD dwToleranceLow, DWORD dwToleranceHigh);

    bool IsInitiated() const;
    JC_OskelTemplateManager* GetTemplateManager();
    JC_DataComponentMaker* GetUnfixedDataObj(DWORD dwKind) const;
    std::string GetPath() const;
    DWORD GetDefineInfo(const std::string& strDefineName) const;
    // Names the define tables GetDefineInfo answers from: it changes whenever
    // any data manager starts loading them, so a number kept from one set of
    // tables is never taken for another's.
    DWORD GetDefineGeneration() const;
    JC_DebugLog* GetErrorLog() const;

    // Fixed records by kind and ID; null when absent.
    JC_DataComponent* GetFixedDataObj(DWORD dwKind, DWORD dwID) const;
    JC_DataComponent* GetEvolutionObj(DWORD dwID) const;
    JC_DataComponent* GetJobObj(DWORD dwID) const;
    JC_DataComponent* GetLandformObj(DWORD dwID) const;
    JC_DataComponent* GetPersonObj(DWORD dwID) const;
    JC_DataComponent* GetShopObj(DWORD dwID) const;
    // The caller orders the pair: (first << 16) + second is the key.
    JC_DataComponent* GetHybridizeObj(DWORD dwFirstPersonID, DWORD dwSecondPersonID) const;
    // These give the fallback record for an ID that is not in the table.
    JC_DataComponent* GetGemObj(DWORD dwID) const;
    JC_DataComponent* GetToolObj(DWORD dwID) const;
    JC_DataComponent* GetWeaponObj(DWORD dwID) const;
    JC_DataComponent* GetWearingObj(DWORD dwID) const;
    JC_DataComponent* GetSkillObj(DWORD dwID) const;
    JC_DataComponent* GetSkillPowerObj(DWORD dwSkillPowerID) const;
    JC_DataComponent* GetSkillPowerObj(DWORD dwSkillID, DWORD dwSkillLevel) const;
    // No fallback; null and no report for a kind past the thing kinds.
    JC_DataComponent* GetThingObj(DWORD dwThingKind, DWORD dwID) const;

    // Save-state, module and save-slot records by data order.
    JC_DataComponent* GetGameDataComponent() const;
    JC_DataComponent* GetWorldMapInfoDataComponent(DWORD dwWorldMapIndex) const;
    // Places count from 1; the world-map information stands at 0.
    JC_DataComponent* GetPlaceDataComponent(DWORD dwWorldMapIndex, DWORD dwPlaceIndex) const;
    JC_DataComponent* GetSceneInfoDataComponent() const;
    // Floor i stands behind the scene information, at order (0, i + 1).
    JC_DataComponent* GetSceneFloorDataComponent(DWORD dwSceneFloorIndex) const;
    JC_DataComponent* GetTeamFightPersonObj(DWORD dwTeamIndex) const;
    JC_DataComponent* GetModuleOptionObj() const;
    JC_DataComponent* GetModuleStateObj() const;
    JC_DataComponent* GetModuleTownObj() const;
    JC_DataComponent* GetModuleWorldMapObj(DWORD dwWorldMapIndex) const;
    JC_DataComponent* GetRecordInfoObj(DWORD dwRecordIndex) const;
    int GetLatestRecordIndex();

private:
    // The bound log, or the data layer's debug log before Initiation.
    JC_DebugLog* Log() const;
    JC_DataComponent* GetFallbackObj(DWORD dwKind, DWORD dwID, DWORD dwFallbackID, const char* szFormat) const;
    // The component at (0, n) of a component manager, or the code.
    static DWORD GetComponentAt(const JC_DataComponentMaker* pManager, DWORD dwPosition,
                                JC_DataComponent*& pComponent);
    // The save-state kind of a world map; false, with its report, for an
    // index other than 0 and 1.
    bool GetWorldMapKind(DWORD dwWorldMapIndex, DWORD& dwKind) const;
    // The unfixed component at (0, n); null after logging the code with the
    // message, which takes the position first when bWithPosition, and the
    // file the records came from after it.
    JC_DataComponent* GetOrderedObj(const JC_DataComponentMaker* pManager, const std::string& strFile,
                                    DWORD dwPosition, int iSourceLine, const char* szFormat, bool bWithPosition) const;
    // The same for a save-state kind and a module kind.
    JC_DataComponent* GetUnfixedObjAt(DWORD dwKind, DWORD dwPosition, int iSourceLine, const char* szFormat,
                                      bool bWithPosition) const;
    JC_DataComponent* GetModuleObjAt(DWORD dwKind, DWORD dwPosition, int iSourceLine, const char* szFormat,
                                     bool bWithPosition) const;

    BOOL m_bInitiated = FALSE;
    DWORD m_dwDefineGeneration = 0;
    std::string m_strRootPath;
    JC_DebugLog* m_pErrorLog = nullptr;
    JC_OskelTemplateManager m_OskelTemplateManagerObj;
    JC_FixedDataManager m_FixedDataManagerObj;
    JC_UnfixedDataManager m_UnfixedDataManagerObj;
    JC_ModuleDataManager m_ModuleDataManagerObj;
    JC_RecordDataManager m_RecordDataManagerObj;
};

// The game's data manager; built and released by the data layer's build
// step.
extern JC_DataManager* gp_DataManagerObj;

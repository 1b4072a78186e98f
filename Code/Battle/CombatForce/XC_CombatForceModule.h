#pragma once

#include "GameProgram/Common/XC_String.h"
#include "GameProgram/Module/XC_ModuleBase.h"
#include "GameProgram/Script/XC_ScriptSet.h"

#include <windows.h>

#include <map>

class JC_DataComponent;
class XC_GamePerson;
class XC_ListMenu;
class XC_RenderAnimation;
class XC_RenderModule;
class XC_RenderObjManager;
class XC_RenderString;

// Modes of the deployment screen.
constexpr DWORD CF_Main = 0;
constexpr DWORD CF_Outfall = 1;
constexpr DWORD CF_Cancel = 2;
constexpr DWORD CF_Go = 3;

// A person of the party and whether it stands on the field.
struct XS_PersonOutfalInfo
{
    DWORD dwTeamIndex = 0;
    XC_String stringPersonName;
    // Sent into the battle by the battle itself: it cannot be taken off.
    BOOL m_bIsCoerceOutfall = 0;
    BOOL m_bIsOutfall = 0;
};

struct XS_StartingPointInfo
{
    DWORD dwFloorIndex = 0;
    BOOL m_bHavePerson = 0;
    DWORD dwPersonTeamIndex = 0;
};

// The deployment screen before a battle's first round: the player puts
// persons of the party on the map's starting points or takes them off again
// (after a yes/no question), each with a short script, and clicks "Go" once
// at least one person stands on the field. One static object of the program;
// the battle procedure pushes it on the module stack and it pops itself.
class XC_CombatForceModule : public XC_ModuleBase
{
public:
    XC_CombatForceModule();
    ~XC_CombatForceModule() override;

    // The question box asks on the same module stack.
    HRESULT SetModuleManager(XC_ModuleManager* pModuleManager) override;
    HRESULT OnOpen() override;
    HRESULT OnClose() override;
    void FrameMove(float fElapsedTime) override;

    // The procedure that opens the screen; its render environment draws it.
    virtual HRESULT SetBattleObj(XC_RenderModule* pBattleObj);
    virtual HRESULT BuildResource();
    virtual HRESULT DestroyResource();
    virtual HRESULT SetCombatForceMode(DWORD dwMode);
    virtual HRESULT CombatForceMode_Main(float fElapsedTime);
    virtual HRESULT CombatForceMode_Outfall(float fElapsedTime);
    virtual HRESULT CombatForceMode_Cancel(float fElapsedTime);
    virtual HRESULT CombatForceMode_Go(float fElapsedTime);
    // Recounts the persons on the field and rewrites the counter.
    virtual HRESULT UpdataOutfallCount();

    HRESULT ExecuteOutfallScript(XC_GamePerson* pPerson, const char* szScriptName);
    HRESULT ClearOutfallScript();
    bool IsOutfallScriptFinished();

    DWORD GetCombatForceMode() const { return m_dwCombatForceMode; }
    DWORD GetModeStep() const { return m_dwModeStep; }
    DWORD GetOutfallCount() const { return m_dwOutfallCount; }
    DWORD GetCoerceOutfallCount() const { return m_dwCoerceOutfallCount; }
    DWORD GetLookTargetFloorIndexPlayer() const { return m_dwLookTargetFloorIndexPlayer; }
    DWORD GetLookTargetFloorIndexComputer() const { return m_dwLookTargetFloorIndexComputer; }
    // The counter as shown, "% 2d/% 2d".
    const char* GetCountText() const { return m_strCount.c_str(); }
    const std::map<DWORD, XS_PersonOutfalInfo>& GetPersonOutfalInfo() const { return m_mapPersonOutfalInfo; }
    const std::map<DWORD, XS_StartingPointInfo>& GetStartingPointInfo() const { return m_mapStartingPointInfo; }
    XC_ListMenu* GetListMenu() const { return m_pListMenuObj; }
    XC_RenderAnimation* GetGoIcon() const { return m_pAni_GoIcon; }

private:
    XI_EnvironmentOfRender* Environment() const;
    void BuildPartyInfo();
    void CountCoercedPersons();
    void BuildStartingPoints();
    void FindLookTargets();
    void TurnPersons();
    void PlayMusic();
    bool IsGoIconUnderMouse() const;
    void PickStartingPoint();
    void FillPersonList();
    void ShowFocusedPerson();
    // Puts the party member of the list row on the clicked starting point.
    void PlacePerson(DWORD dwTeamIndex);
    void EndOutfall();
    void TakeOffPerson();
    void ShowActivePerson(JC_DataComponent* pPerson, BOOL bAtOnce) const;

    XC_ModuleManager* m_pModuleManager = nullptr;
    XC_RenderModule* m_pBattleObj = nullptr;
    XC_RenderObjManager* m_pRenderObjManager = nullptr;
    XC_ListMenu* m_pListMenuObj = nullptr;
    DWORD m_dwCombatForceMode = CF_Main;
    DWORD m_dwModeStep = 0;
    XS_StartingPointInfo* m_psHitStartingPointInfo = nullptr;
    int m_iLastFocusItem = -1;
    DWORD m_dwLookTargetFloorIndexPlayer = 0;
    DWORD m_dwLookTargetFloorIndexComputer = 0;
    DWORD m_dwOutfallCount = 0;
    DWORD m_dwCoerceOutfallCount = 0;
    XC_RenderAnimation* m_pAni_GoIcon = nullptr;
    XC_RenderAnimation* m_pAni_GoMenu = nullptr;
    XC_RenderString* m_pRS_Title = nullptr;
    XC_RenderString* m_pRS_Count = nullptr;
    XC_String m_strCount;
    std::map<DWORD, XS_PersonOutfalInfo> m_mapPersonOutfalInfo;
    std::map<DWORD, XS_StartingPointInfo> m_mapStartingPointInfo;
    XC_ScriptSet m_OutfallScript;
};

extern XC_CombatForceModule* g_pCombatForceModule;

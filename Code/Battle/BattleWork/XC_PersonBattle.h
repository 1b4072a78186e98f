#pragma once

#include "Code/Battle/BattleScript/XC_BattleResultInfo.h"
#include "Code/Battle/BattleScript/XC_BattleScriptManager.h"
#include "GameProgram/CameraMan/XS_CameraData.h"
#include "GameProgram/Sprite/XC_SpriteWorkBase.h"
#include "JC_DataManager/Control/JC_ControlPersonLevelUp.h"

#include <windows.h>

#include <vector>

class JC_BaseEx;
class JC_OrderInformation;
class XC_GamePerson;

// Kinds of action of a person battle work.
constexpr DWORD XE_ACTION_ATTACK = 1;
constexpr DWORD XE_ACTION_COUNTER = 2;
constexpr DWORD XE_ACTION_TOOL = 3;
constexpr DWORD XE_ACTION_SKILL = 4;

// Whom an action may target.
constexpr DWORD XE_USE_TARGET_PERSON = 1;
constexpr DWORD XE_USE_TARGET_FLOOR = 2;
constexpr DWORD XE_USE_CAMP_ALLIED = 1;
constexpr DWORD XE_USE_CAMP_HOSTILE = 2;
constexpr DWORD XE_USE_LIFE_EITHER = 3;
// The scope that takes only the nearest person.
constexpr DWORD XE_SCOPE_NEAREST = 6;

// The use range of the weapon, tool or skill of an action, as the scene
// tables and the scope displays build its distance and scope.
struct XS_BattleTargetInfo
{
    DWORD dwUseTarget = XE_USE_TARGET_PERSON;
    DWORD dwUseCamp = XE_USE_CAMP_HOSTILE;
    DWORD dwUseLifeState = XE_USE_LIFE_EITHER;
    DWORD dwScopeType = 0;
    LONG lScopeNear = 0;
    LONG lScopeLevel = 0;
    LONG lDistanceNear = 0;
    LONG lDistanceFar = 0;
    float fDistanceHeightHigh = 0.0f;
    float fDistanceHeightLow = 0.0f;
    float fScopeHeightHigh = 0.0f;
    float fScopeHeightLow = 0.0f;
    float fDistanceAbsHeightHigh = 0.0f;
    float fDistanceAbsHeightLow = 0.0f;
    float fScopeAbsHeightHigh = 0.0f;
    float fScopeAbsHeightLow = 0.0f;
    DWORD dwTargetFloorIndex = 0;
    DWORD dwActorFloorIndex = 0;
};

// One action of one person: an attack, a counter-attack, a tool or a skill.
// On Begin it deals the order once through the game data, keeps its results
// and loads the battle scripts that play them; at its end it raises levels,
// takes the dead off the field, restores the living, may start one
// counter-attack, shows the changed values and the things found, and puts
// the camera back. Persons are held by team index: one taken off the field
// during the action is never reached through a stale pointer.
class XC_PersonBattle : public XC_SpriteWorkBase
{
public:
    // Results at this experience make one level each.
    static constexpr LONG EXP_PER_LEVEL = 500;
    // Persons from this team index on raise their levels automatically.
    static constexpr DWORD FIRST_AUTO_LEVEL_INDEX = 200;

    XC_PersonBattle();
    ~XC_PersonBattle() override;

    void Begin() override;
    void End() override;
    BOOL Step(float fElapsedTime) override;

    void InitAttack(XC_GamePerson* pActivePersonObj);
    void InitCounter(XC_GamePerson* pPersonObj);
    void InitEffectTool(XC_GamePerson* pActivePersonObj, DWORD dwToolID);
    void InitEffectSkill(XC_GamePerson* pActivePersonObj, DWORD dwSkillPowerID);
    void InitEffectSkill(XC_GamePerson* pActivePersonObj, DWORD dwSkillID, DWORD dwSkillLevel);
    HRESULT AddActivePerson(XC_GamePerson* pActivePersonObj);
    HRESULT AddPassivePerson(XC_GamePerson* pPassivePersonObj);
    void ClearPassivePerson();
    void SetTargetFloorIndex(DWORD dwFloorIndex);
    DWORD GetTargetFloorIndex() const;
    XC_GamePerson* GetActivePerson(DWORD dwIndex) const;
    DWORD GetPassivePersonCount() const { return static_cast<DWORD>(m_vecPassiveTeamIndex.size()); }
    XC_GamePerson* GetPassivePerson(DWORD dwIndex) const;
    const std::vector<DWORD>& GetPassiveFloors() const { return m_vecPassiveFloor; }
    const XS_BattleTargetInfo* GetBattleTargetInfo() const { return &m_sBattleTargetInfo; }
    // The computer's AI aims the action itself: it sets the actor and target floors and their heights.
    XS_BattleTargetInfo* GetBattleTargetInfo() { return &m_sBattleTargetInfo; }
    DWORD GetActionType() const { return m_dwActionType; }
    DWORD GetEffect() const { return m_dwEffect; }
    const XC_BattleResultInfo& GetBattleResultInfo() const { return m_BattleResultInfoObj; }
    XC_BattleScriptManager& GetBattleScriptManager() { return m_BattleScriptManager; }

    virtual void SaveCamera();
    virtual void RestoreCamera();
    virtual void RestoreMouseCursor();
    virtual HRESULT ExecuteBattle();
    virtual HRESULT UpdateBattleTargetInfo(JC_BaseEx* pBaseEx);
    virtual HRESULT SelectTargets(const LONG* plTableScope);
    virtual BOOL FindNearestTarget(const LONG* plTableScope, XC_GamePerson** ppPerson);
    virtual BOOL IsTargetPerson(XC_GamePerson* pPersonObj);
    // The hit chance and damage against one target, changing nothing.
    virtual HRESULT ComputeHitDmg(XC_GamePerson* pPersonObj, LONG& lHit, LONG& lDmg);
    virtual BOOL BuildPassivePersons(const LONG* plTableScope);
    virtual void BuildPassiveFloors(const LONG* plTableScope);

    // The player's debug keys force every hit (1) or every dodge (2); any other value none.
    static void SetResultOverride(DWORD dwOverride);
    static DWORD GetResultOverride() { return s_dwResultOverride; }

protected:
    XC_BattleResultInfo m_BattleResultInfoObj;

private:
    XC_GamePerson* FindPerson(DWORD dwTeamIndex) const;
    XC_GamePerson* ActivePerson() const { return m_bHasActive ? FindPerson(m_dwActiveTeamIndex) : nullptr; }
    // The order of this action with the given targets, dealt; false after a report.
    bool DealOrder(JC_OrderInformation& order, DWORD dwPredictMode, const std::vector<DWORD>& passives);
    void StoreResults(JC_OrderInformation& order);
    void StoreResultPerson(XS_BattleResultPerson& record);
    // A called person enters the field turned to the actor and hidden until its script shows it.
    void BringCalledPerson(XS_BattleResultPerson& record);
    void BeginResultPersons();
    void KeepActorAlive(XC_GamePerson* pActor);
    void RaiseLevels(XC_GamePerson* pActor);
    void SettleResultPersons(XC_GamePerson* pActor);
    // Starts the counter-attack of a person next to the actor that may strike back.
    bool TryCounter(XC_GamePerson* pPersonObj, const XS_BattleResultPerson& record, XC_GamePerson* pActor);
    void StartCounter(XC_GamePerson* pPersonObj, XC_GamePerson* pActor);
    void JumpStrings(XC_GamePerson* pPersonObj, const XS_BattleResultPerson& record);
    void ShowFoundItems(const XS_BattleResultMain& sBattleResultMain);
    void ShowSkillName(BOOL bShow);
    static void FillBattleTargetInfo(JC_BaseEx* pBaseEx, float fActorFloorHeight, XS_BattleTargetInfo& info);

    XC_BattleScriptManager m_BattleScriptManager;
    DWORD m_dwStep = 0;
    XC_String m_strSkillName;
    XS_CameraData m_SavedCameraData;
    BOOL m_bSavedSoften = FALSE;
    float m_fSavedSoftenStep = 0.0f;
    float m_fSavedSoftenRate = 0.0f;
    bool m_bCameraSaved = false;
    BOOL m_bSavedCursorShown = FALSE;
    DWORD m_dwActionType = 0;
    DWORD m_dwEffect = 0;
    DWORD m_dwActiveTeamIndex = 0;
    bool m_bHasActive = false;
    std::vector<DWORD> m_vecActiveTeamIndex;
    std::vector<DWORD> m_vecPassiveTeamIndex;
    std::vector<DWORD> m_vecPassiveFloor;
    XS_BattleTargetInfo m_sBattleTargetInfo;
    JC_ControlPersonLevelUp m_ControlPersonLevelUp;

    static DWORD s_dwResultOverride;
};

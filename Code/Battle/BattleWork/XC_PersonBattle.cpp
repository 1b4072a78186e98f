#include "Code/Battle/BattleWork/XC_PersonBattle.h"

#include "Code/Battle/BattleWork/XC_DisplayGetItem.h"
#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/JumpString/XC_JumpStringManager.h"
#include "Code/Battle/XC_BattleSceneController.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "Code/Battle/XC_SceneTableManager.h"
#include "Code/DialogueScript/XC_DialogueController.h"
#include "Code/Menu/BattleMenu/XC_BattleMenuMenager.h"
#include "Code/Menu/BattleMenu/XC_DisplaySkillName.h"
#include "Code/XC_GameTime.h"
#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Painter/XI_EnvironmentOfRender.h"
#include "GameProgram/Resource/XC_AnimationPic.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Scene/XC_Mouse.h"
#include "GameProgram/Scene/XC_Scene.h"
#include "GameProgram/SpriteWork/XC_CameraManWork_Control.h"
#include "GameProgram/SpriteWork/XC_LightManWork_BrightnessControl.h"
#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Control/JC_ControlSkill.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_DataManager/Operator/JC_OperatorTool.h"
#include "JC_DataManager/Operator/JC_OperatorWeapon.h"
#include "JC_Order/JC_OrderInformation.h"
#include "JC_Order/JC_OrderManager.h"

#include <memory>
#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

DWORD XC_PersonBattle::s_dwResultOverride = 0;

namespace {

const DWORD SKILL_ID_MASK = 0xFFFF0000;
const DWORD SKILL_LEVEL_MASK = 0x0000FFFF;
// The skill-name picture of a counter-attack.
const DWORD COUNTER_SKILL_ID = 0xFFFF0000;
const float CAMERA_RETURN_TIME = 0.5f;
const float LIGHT_RETURN_TIME = 0.5f;
// Scope shapes measured from the actor's own floor.
const DWORD FIRST_SELF_SCOPE = 6;
const DWORD LAST_SELF_SCOPE = 8;
const LONG NO_BEST_VALUE = 999999999;

enum XE_Step
{
    STEP_START = 0,
    STEP_LOAD_PICTURES = 1,
    STEP_DELAY = 2,
    STEP_PLAY = 3,
};

XC_CameraMan* WorldCamera()
{
    XC_Scene* const pSceneObj = g_pPersonManager != nullptr ? g_pPersonManager->GetSceneObj() : nullptr;
    XI_EnvironmentOfRender* const pEnvironment = pSceneObj != nullptr ? pSceneObj->GetEnvironmentOfRender() : nullptr;
    return pEnvironment != nullptr ? pEnvironment->GetWorldCameraMan() : nullptr;
}

XC_LightMan* WorldLight()
{
    XC_Scene* const pSceneObj = g_pPersonManager != nullptr ? g_pPersonManager->GetSceneObj() : nullptr;
    XI_EnvironmentOfRender* const pEnvironment = pSceneObj != nullptr ? pSceneObj->GetEnvironmentOfRender() : nullptr;
    return pEnvironment != nullptr ? pEnvironment->GetWorldLightMan() : nullptr;
}

bool IsSelfScope(DWORD dwScopeType)
{
    return dwScopeType >= FIRST_SELF_SCOPE && dwScopeType <= LAST_SELF_SCOPE;
}

// Whether a command went wrong; the game data's failure codes have their top bit set.
bool Failed(DWORD dwResult)
{
    return static_cast<LONG>(dwResult) < 0;
}

} // namespace

XC_PersonBattle::XC_PersonBattle()
{
    SetName("XC_PersonBattle");
}

XC_PersonBattle::~XC_PersonBattle() = default;

void XC_PersonBattle::SetResultOverride(DWORD dwOverride)
{
    s_dwResultOverride = dwOverride == 1 || dwOverride == 2 ? dwOverride : 0;
}

XC_GamePerson* XC_PersonBattle::FindPerson(DWORD dwTeamIndex) const
{
    return g_pPersonManager != nullptr ? g_pPersonManager->GetPersonFromTeamIndex(dwTeamIndex) : nullptr;
}

void XC_PersonBattle::InitAttack(XC_GamePerson* pActivePersonObj)
{
    m_dwActionType = XE_ACTION_ATTACK;
    m_bHasActive = pActivePersonObj != nullptr;
    if (FAILED(AddActivePerson(pActivePersonObj)))
        return;
    m_dwActiveTeamIndex = pActivePersonObj->GetTeamIndex();
    JC_OperatorWeapon weapon;
    if (weapon.Initiation(gp_DataManagerObj) != 0
        || weapon.SetDataConponent(pActivePersonObj->GetControlPersonPower()->GetHandRight()) != 0) {
        XM_REPORT_FAILED("OperatorWeaponObj.SetDataConponent( pControlPersonPower->GetHandRight() )");
        return;
    }
    UpdateBattleTargetInfo(&weapon);
}

void XC_PersonBattle::InitCounter(XC_GamePerson* pPersonObj)
{
    InitAttack(pPersonObj);
    m_dwActionType = XE_ACTION_COUNTER;
}

void XC_PersonBattle::InitEffectTool(XC_GamePerson* pActivePersonObj, DWORD dwToolID)
{
    m_dwActionType = XE_ACTION_TOOL;
    m_dwEffect = dwToolID;
    m_bHasActive = pActivePersonObj != nullptr;
    if (FAILED(AddActivePerson(pActivePersonObj)))
        return;
    m_dwActiveTeamIndex = pActivePersonObj->GetTeamIndex();
    JC_OperatorTool tool;
    JC_DataComponent* const pToolObj = gp_DataManagerObj != nullptr ? gp_DataManagerObj->GetToolObj(dwToolID) : nullptr;
    if (pToolObj == nullptr || tool.Initiation(gp_DataManagerObj) != 0 || tool.SetDataConponent(pToolObj) != 0) {
        XM_REPORT_FAILED("OperatorToolObj.SetDataConponent( pToolObj )");
        return;
    }
    UpdateBattleTargetInfo(&tool);
}

void XC_PersonBattle::InitEffectSkill(XC_GamePerson* pActivePersonObj, DWORD dwSkillPowerID)
{
    m_dwActionType = XE_ACTION_SKILL;
    m_dwEffect = dwSkillPowerID;
    m_bHasActive = pActivePersonObj != nullptr;
    if (FAILED(AddActivePerson(pActivePersonObj)))
        return;
    m_dwActiveTeamIndex = pActivePersonObj->GetTeamIndex();
    JC_ControlSkill ControlSkillObj;
    if (ControlSkillObj.Initiation(gp_DataManagerObj, gp_BehaviorAnalyserObj) != 0
        || ControlSkillObj.SetDataConponentByKey(dwSkillPowerID) != 0) {
        XM_REPORT_FAILED("ControlSkillObj.SetDataConponent( dwSkillPowerID )");
        return;
    }
    UpdateBattleTargetInfo(&ControlSkillObj);
    m_strSkillName = ControlSkillObj.GetSkillName();
}

void XC_PersonBattle::InitEffectSkill(XC_GamePerson* pActivePersonObj, DWORD dwSkillID, DWORD dwSkillLevel)
{
    InitEffectSkill(pActivePersonObj, dwSkillID | dwSkillLevel);
}

HRESULT XC_PersonBattle::AddActivePerson(XC_GamePerson* pActivePersonObj)
{
    if (pActivePersonObj == nullptr) {
        XM_REPORT_FAILED("pActivePersonObj");
        return E_FAIL;
    }
    m_vecActiveTeamIndex.push_back(pActivePersonObj->GetTeamIndex());
    return S_OK;
}

HRESULT XC_PersonBattle::AddPassivePerson(XC_GamePerson* pPassivePersonObj)
{
    if (pPassivePersonObj == nullptr) {
        XM_REPORT_FAILED("pPassivePersonObj");
        return S_OK;
    }
    m_vecPassiveTeamIndex.push_back(pPassivePersonObj->GetTeamIndex());
    return S_OK;
}

void XC_PersonBattle::ClearPassivePerson()
{
    m_vecPassiveTeamIndex.clear();
}

void XC_PersonBattle::SetTargetFloorIndex(DWORD dwFloorIndex)
{
    m_BattleResultInfoObj.SetTargetFloorIndex(dwFloorIndex);
    m_sBattleTargetInfo.dwTargetFloorIndex = dwFloorIndex;
}

DWORD XC_PersonBattle::GetTargetFloorIndex() const
{
    return m_BattleResultInfoObj.GetTargetFloorIndex();
}

XC_GamePerson* XC_PersonBattle::GetActivePerson(DWORD dwIndex) const
{
    if (dwIndex >= m_vecActiveTeamIndex.size()) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return nullptr;
    }
    return FindPerson(m_vecActiveTeamIndex[dwIndex]);
}

XC_GamePerson* XC_PersonBattle::GetPassivePerson(DWORD dwIndex) const
{
    if (dwIndex >= m_vecPassiveTeamIndex.size()) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return nullptr;
    }
    return FindPerson(m_vecPassiveTeamIndex[dwIndex]);
}

HRESULT XC_PersonBattle::UpdateBattleTargetInfo(JC_BaseEx* pBaseEx)
{
    XC_GamePerson* const pActor = ActivePerson();
    const XC_Floorer* const pFloorer = g_pPersonManager != nullptr ? g_pPersonManager->GetFloorer() : nullptr;
    float fActorFloorHeight = 0.0f;
    if (pActor != nullptr) {
        m_sBattleTargetInfo.dwActorFloorIndex = pActor->GetFloorIndex();
        if (pFloorer != nullptr && m_sBattleTargetInfo.dwActorFloorIndex < pFloorer->GetFloorsCount())
            fActorFloorHeight = pFloorer->GetFloorHeight(m_sBattleTargetInfo.dwActorFloorIndex);
    }
    FillBattleTargetInfo(pBaseEx, fActorFloorHeight, m_sBattleTargetInfo);
    return S_OK;
}

void XC_PersonBattle::FillBattleTargetInfo(JC_BaseEx* pBaseEx, float fActorFloorHeight, XS_BattleTargetInfo& info)
{
    info.dwUseTarget = static_cast<DWORD>(pBaseEx->GetUseTarget());
    info.dwUseCamp = static_cast<DWORD>(pBaseEx->GetUseCamp());
    info.dwUseLifeState = static_cast<DWORD>(pBaseEx->GetUseLifeState());
    info.dwScopeType = static_cast<DWORD>(pBaseEx->GetScopeShape());
    const LONG lNear = pBaseEx->GetDistanceNear() / 100;
    const LONG lFar = pBaseEx->GetDistanceFar() / 100;
    // The shapes around the actor reach as far as the action does.
    const bool bSelf = IsSelfScope(info.dwScopeType);
    info.lScopeNear = bSelf ? lNear : 0;
    info.lScopeLevel = bSelf ? lFar : pBaseEx->GetScopeLV();
    info.lDistanceNear = bSelf ? 0 : lNear;
    info.lDistanceFar = bSelf ? 0 : lFar;
    info.fDistanceHeightHigh = static_cast<float>(pBaseEx->GetHeightHigh()) / 100.0f;
    info.fDistanceHeightLow = -static_cast<float>(pBaseEx->GetHeightLow()) / 100.0f;
    info.fScopeHeightHigh = info.fDistanceHeightHigh;
    info.fScopeHeightLow = info.fDistanceHeightLow;
    info.fDistanceAbsHeightHigh = info.fDistanceHeightHigh + fActorFloorHeight;
    info.fDistanceAbsHeightLow = info.fDistanceHeightLow + fActorFloorHeight;
    info.fScopeAbsHeightHigh = info.fDistanceAbsHeightHigh;
    info.fScopeAbsHeightLow = info.fDistanceAbsHeightLow;
}

BOOL XC_PersonBattle::IsTargetPerson(XC_GamePerson* pPersonObj)
{
    XC_GamePerson* const pActor = ActivePerson();
    if (pPersonObj == nullptr || pActor == nullptr)
        return FALSE;
    const DWORD dwActorCamp = static_cast<DWORD>(pActor->GetControlPersonPower()->GetCamp(FALSE));
    const DWORD dwCamp = static_cast<DWORD>(pPersonObj->GetControlPersonPower()->GetCamp(FALSE));
    const BOOL bAllied = XC_SceneTableManager::IsAlliedCamp(dwActorCamp, dwCamp);
    if (m_sBattleTargetInfo.dwUseCamp == XE_USE_CAMP_ALLIED && !bAllied)
        return FALSE;
    if (m_sBattleTargetInfo.dwUseCamp == XE_USE_CAMP_HOSTILE && bAllied)
        return FALSE;
    if (m_sBattleTargetInfo.dwUseLifeState != XE_USE_LIFE_EITHER
        && static_cast<DWORD>(pPersonObj->GetControlPersonPower()->GetLifeState()) != m_sBattleTargetInfo.dwUseLifeState)
        return FALSE;
    return TRUE;
}

BOOL XC_PersonBattle::FindNearestTarget(const LONG* plTableScope, XC_GamePerson** ppPerson)
{
    *ppPerson = nullptr;
    LONG lBest = NO_BEST_VALUE;
    XC_GamePerson* pPersonObj = nullptr;
    while (g_pPersonManager != nullptr && g_pPersonManager->GetNextPerson(pPersonObj, &pPersonObj, TRUE)) {
        const LONG lValue = plTableScope[pPersonObj->GetFloorIndex()];
        if (lValue != -1 && lValue < lBest && IsTargetPerson(pPersonObj)) {
            lBest = lValue;
            *ppPerson = pPersonObj;
        }
    }
    return *ppPerson != nullptr;
}

BOOL XC_PersonBattle::BuildPassivePersons(const LONG* plTableScope)
{
    if (m_sBattleTargetInfo.dwScopeType == XE_SCOPE_NEAREST) {
        XC_GamePerson* pNearest = nullptr;
        if (!FindNearestTarget(plTableScope, &pNearest))
            return FALSE;
        AddPassivePerson(pNearest);
        return TRUE;
    }
    BOOL bAdded = FALSE;
    XC_GamePerson* pPersonObj = nullptr;
    while (g_pPersonManager != nullptr && g_pPersonManager->GetNextPerson(pPersonObj, &pPersonObj, TRUE)) {
        if (plTableScope[pPersonObj->GetFloorIndex()] != -1 && IsTargetPerson(pPersonObj)) {
            AddPassivePerson(pPersonObj);
            bAdded = TRUE;
        }
    }
    return bAdded;
}

void XC_PersonBattle::BuildPassiveFloors(const LONG* plTableScope)
{
    if (g_pSceneTableManager == nullptr)
        return;
    const LONG* const plTableAllPerson = g_pSceneTableManager->BuildTableAllPerson();
    if (plTableAllPerson == nullptr) {
        XM_REPORT_FAILED("plTableAllPerson");
        return;
    }
    for (DWORD i = 0; i < g_pSceneTableManager->GetFloorCount(); ++i) {
        if (plTableScope[i] >= 0 && plTableAllPerson[i] == -1)
            m_vecPassiveFloor.push_back(i);
    }
}

HRESULT XC_PersonBattle::SelectTargets(const LONG* plTableScope)
{
    if (plTableScope == nullptr) {
        XM_REPORT_FAILED("plTableScope");
        return E_FAIL;
    }
    switch (m_sBattleTargetInfo.dwUseTarget) {
    case XE_USE_TARGET_PERSON: return BuildPassivePersons(plTableScope) ? S_OK : S_FALSE;
    case XE_USE_TARGET_FLOOR: BuildPassiveFloors(plTableScope); return S_OK;
    default: XF_ReportError(s_szSourceFile, __LINE__, nullptr); return E_FAIL;
    }
}

bool XC_PersonBattle::DealOrder(JC_OrderInformation& order, DWORD dwPredictMode, const std::vector<DWORD>& passives)
{
    if (gp_OrderManagerObj == nullptr || order.Initiation(gp_ControlManagerObj) != 0) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return false;
    }
    JC_OrderInput* const pOrderInput = order.GetOrderInput();
    if (m_vecActiveTeamIndex.empty())
        XM_REPORT_FAILED("count > 0");
    for (const DWORD dwTeamIndex : m_vecActiveTeamIndex) {
        if (pOrderInput->AddActivePerson(dwTeamIndex) != 0)
            XM_REPORT_FAILED("pOrderInput->AddActivePerson( pActivePersonObj->GetControlPersonPower().GetTeamID() )");
    }
    for (const DWORD dwTeamIndex : passives) {
        if (pOrderInput->AddPassivePerson(dwTeamIndex) != 0)
            XM_REPORT_FAILED("pOrderInput->AddPassivePerson( pPassivePersonObj->GetControlPersonPower().GetTeamID() )");
    }
    for (const DWORD dwFloor : dwPredictMode == 0 ? m_vecPassiveFloor : std::vector<DWORD>()) {
        if (pOrderInput->AddPassiveFloor(dwFloor) != 0)
            XM_REPORT_FAILED("pOrderInput->AddPassiveFloor( dwFloor )");
    }
    pOrderInput->SetPredictMode(dwPredictMode);
    switch (m_dwActionType) {
    case XE_ACTION_ATTACK: break;
    case XE_ACTION_COUNTER: pOrderInput->SetCounter(1); break;
    case XE_ACTION_TOOL: pOrderInput->AddToolEffect(m_dwEffect); break;
    case XE_ACTION_SKILL: pOrderInput->AddSkillEffect(m_dwEffect); break;
    default: XF_ReportError(s_szSourceFile, __LINE__, nullptr); return false;
    }
    DWORD dwResult = pOrderInput->OrderInputFinish();
    if (Failed(dwResult)) {
        XM_REPORT_FAILED_HR("pOrderInput->OrderInputFinish()", dwResult);
        return false;
    }
    dwResult = gp_OrderManagerObj->DealOrder(&order);
    if (Failed(dwResult)) {
        XM_REPORT_FAILED_HR("gp_OrderManagerObj->DealOrder( &OrderInformationObj )", dwResult);
        return false;
    }
    return true;
}

HRESULT XC_PersonBattle::ExecuteBattle()
{
    JC_OrderInformation OrderInformationObj;
    if (!DealOrder(OrderInformationObj, 0, m_vecPassiveTeamIndex))
        return E_FAIL;
    StoreResults(OrderInformationObj);
    return S_OK;
}

void XC_PersonBattle::StoreResults(JC_OrderInformation& order)
{
    JC_OrderResultManager* const pOrderResultManagerObj = order.GetOrderResultManager();
    XS_BattleResultMain sBattleResultMain;
    XC_BattleResultInfo::MakeBattleResultMain(*pOrderResultManagerObj->GetFinalOtherResult(), sBattleResultMain);
    if (m_dwActionType == XE_ACTION_SKILL) {
        sBattleResultMain.dwSkillLevel = m_dwEffect & SKILL_LEVEL_MASK;
        if (sBattleResultMain.dwSkillLevel > XE_MAX_PLAYED_SKILL_LEVEL) {
            XM_REPORT_FAILED("sBattleResultMain.dwSkillLevel <= 10");
            sBattleResultMain.dwSkillLevel = XE_MAX_PLAYED_SKILL_LEVEL;
        }
    }
    m_BattleResultInfoObj.SetBattleResultMain(sBattleResultMain);
    XS_BattleResultPerson sBattleResultPerson;
    for (DWORD i = 0; i < pOrderResultManagerObj->GetFinalActiveResultCount(); ++i) {
        XC_BattleResultInfo::MakeBattleResultPerson(*pOrderResultManagerObj->GetFinalActiveResult(i), sBattleResultPerson);
        StoreResultPerson(sBattleResultPerson);
    }
    for (DWORD i = 0; i < pOrderResultManagerObj->GetFinalPassiveResultCount(); ++i) {
        XC_BattleResultInfo::MakeBattleResultPerson(*pOrderResultManagerObj->GetFinalPassiveResult(i), sBattleResultPerson);
        StoreResultPerson(sBattleResultPerson);
    }
}

void XC_PersonBattle::StoreResultPerson(XS_BattleResultPerson& record)
{
    if (s_dwResultOverride == 1)
        record.dwHitType = XE_HIT_TYPE_HIT;
    else if (s_dwResultOverride == 2)
        record.dwHitType = XE_HIT_TYPE_DODGE;
    if (record.dwPersonType == XE_RESULT_PERSON_CALLED)
        BringCalledPerson(record);
    record.pPersonObj = FindPerson(record.dwTeamIndex);
    if (record.pPersonObj == nullptr) {
        XM_REPORT_FAILED("rBattleResultPerson.pPersonObj");
        return;
    }
    m_BattleResultInfoObj.AddBattleResultPerson(record);
}

void XC_PersonBattle::BringCalledPerson(XS_BattleResultPerson& record)
{
    if (g_pPersonManager == nullptr || FAILED(g_pPersonManager->AddPersonFromTeamIndex(record.dwTeamIndex))) {
        XM_REPORT_FAILED("g_pPersonManager->AddPersonFromTeamIndex( pResultPerson->m_TeamIndex )");
        return;
    }
    XC_GamePerson* const pCalled = FindPerson(record.dwTeamIndex);
    XC_GamePerson* const pActor = GetActivePerson(0);
    if (pCalled == nullptr)
        return;
    if (pActor != nullptr)
        pCalled->LookTarget(pActor->GetFloorIndex(), 1);
    pCalled->SetShow(FALSE);
}

void XC_PersonBattle::Begin()
{
    SaveCamera();
    XC_GamePerson* const pActor = ActivePerson();
    if (pActor == nullptr) {
        XM_REPORT_FAILED("m_pActivePersonObj");
        return;
    }
    pActor->LookTarget(m_BattleResultInfoObj.GetTargetFloorIndex(), 1);
    const HRESULT hr = ExecuteBattle();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("ExecuteBattle()", hr);
    BeginResultPersons();
    if (g_pPersonManager == nullptr || g_pPersonManager->GetSceneObj() == nullptr) {
        XM_REPORT_FAILED("g_pPersonManager");
        return;
    }
    m_BattleScriptManager.Init(g_pPersonManager->GetSceneObj()->GetEnvironmentOfRender());
    m_BattleScriptManager.LoadBattleScript(m_BattleResultInfoObj);
}

void XC_PersonBattle::BeginResultPersons()
{
    XC_GamePerson* const pActor = ActivePerson();
    for (DWORD i = 0; i < m_BattleResultInfoObj.GetBattleResultPersonCount(); ++i) {
        const XS_BattleResultPerson* const psRecord = m_BattleResultInfoObj.GetBattleResultPerson(i);
        XC_GamePerson* const pTempPersonObj = FindPerson(psRecord->dwTeamIndex);
        if (pTempPersonObj == nullptr)
            continue;
        if (FAILED(pTempPersonObj->SetPersonState(XE_PERSON_STATE_NONE)))
            XM_REPORT_FAILED("pTempPersonObj->SetPersonState(-1)");
        if (FAILED(pTempPersonObj->BackupPersonState()))
            XM_REPORT_FAILED("pTempPersonObj->BackupPersonState()");
        if (psRecord->dwPersonType == XE_RESULT_PERSON_ACTIVE)
            continue;
        if (pActor != nullptr && pTempPersonObj->GetLifeState() == DF_LifeState_Live)
            pTempPersonObj->LookTarget(pActor->GetFloorIndex(), 0);
        if (g_pBattleSceneController != nullptr)
            g_pBattleSceneController->Event_PersonAttackBegin(m_dwActiveTeamIndex, pTempPersonObj->GetTeamIndex());
    }
}

void XC_PersonBattle::ShowSkillName(BOOL bShow)
{
    XC_DisplaySkillName* const pDisplay =
        g_pBattleMenuMenager != nullptr ? g_pBattleMenuMenager->m_pDisplaySkillName : nullptr;
    if (pDisplay == nullptr)
        return;
    if (bShow && m_dwActionType == XE_ACTION_SKILL)
        pDisplay->SetSkillName(m_dwEffect & SKILL_ID_MASK);
    else if (bShow && m_dwActionType == XE_ACTION_COUNTER)
        pDisplay->SetSkillName(COUNTER_SKILL_ID);
    else if (bShow)
        return;
    pDisplay->SetShow(bShow);
}

BOOL XC_PersonBattle::Step(float fElapsedTime)
{
    if (g_pDialogueController != nullptr && g_pDialogueController->IsDialogueActive())
        return FALSE;
    switch (m_dwStep) {
    case STEP_START:
        m_fElapsedTime = 0.0f;
        ShowSkillName(TRUE);
        m_dwStep = STEP_LOAD_PICTURES;
        return FALSE;
    case STEP_LOAD_PICTURES:
        if (FAILED(XC_AnimationPic::LoadAnimationPicAll()))
            XM_REPORT_FAILED("XC_AnimationPic::LoadAnimationPicAll()");
        m_dwStep = STEP_DELAY;
        return FALSE;
    case STEP_DELAY:
        m_fElapsedTime += fElapsedTime;
        if (m_fElapsedTime > (g_pGameTime != nullptr ? g_pGameTime->fSkillDelay : 0.0f)) {
            m_BattleScriptManager.RunAllScript();
            m_dwStep = STEP_PLAY;
        }
        return FALSE;
    default:
        m_fElapsedTime += fElapsedTime;
        if (m_BattleScriptManager.GetAllWorkCount() != 0)
            return FALSE;
        ShowSkillName(FALSE);
        return TRUE;
    }
}

void XC_PersonBattle::End()
{
    RestoreMouseCursor();
    m_BattleScriptManager.Clear();
    XC_GamePerson* const pActor = ActivePerson();
    if (pActor != nullptr) {
        KeepActorAlive(pActor);
        RaiseLevels(pActor);
    }
    SettleResultPersons(pActor);
    const XS_BattleResultMain sBattleResultMain = *m_BattleResultInfoObj.GetBattleResultMain();
    m_BattleResultInfoObj.Clear();
    if (g_pBattleSceneController != nullptr)
        g_pBattleSceneController->Event_PersonAttackEnd();
    ShowFoundItems(sBattleResultMain);
    m_BattleScriptManager.Fini();
    RestoreCamera();
}

void XC_PersonBattle::KeepActorAlive(XC_GamePerson* pActor)
{
    JC_ControlPersonPower* const pPower = pActor->GetControlPersonPower();
    if (pPower->GetLifeState() != static_cast<int>(DF_LifeState_Live)) {
        pPower->SetLifeState(static_cast<int>(DF_LifeState_Live));
        pPower->SetHP(1);
    }
    pActor->UpdateLifeState();
}

void XC_PersonBattle::RaiseLevels(XC_GamePerson* pActor)
{
    JC_ControlPersonPower* const pPower = pActor->GetControlPersonPower();
    const LONG lExp = pPower->GetExp();
    const LONG lJobExp = pPower->GetJobExp();
    if (lExp >= EXP_PER_LEVEL || lJobExp >= EXP_PER_LEVEL) {
        m_ControlPersonLevelUp.Initiation(gp_DataManagerObj, gp_BehaviorAnalyserObj);
        m_ControlPersonLevelUp.SetControlPerson(pActor->GetDataComponentPersonObj());
        const BOOL bIsAuto = pActor->GetTeamIndex() >= FIRST_AUTO_LEVEL_INDEX;
        bool bLevelUpScript = false;
        if (lExp >= EXP_PER_LEVEL) {
            m_ControlPersonLevelUp.LevelUp(static_cast<int>(lExp / EXP_PER_LEVEL), bIsAuto);
            pPower->SetExp(static_cast<int>(lExp % EXP_PER_LEVEL));
            if (g_pBattleSceneController != nullptr)
                g_pBattleSceneController->ExecutePersonLevelUpScript(pActor);
            bLevelUpScript = true;
        }
        if (lJobExp >= EXP_PER_LEVEL) {
            m_ControlPersonLevelUp.JobLevelUp(static_cast<int>(lJobExp / EXP_PER_LEVEL), bIsAuto);
            pPower->SetJobExp(static_cast<int>(lJobExp % EXP_PER_LEVEL));
            if (!bLevelUpScript && g_pBattleSceneController != nullptr)
                g_pBattleSceneController->ExecutePersonJopLevelUpScript(pActor);
        }
    }
    pActor->UpdateLifeState();
    pActor->UpdatePersonStateFromData();
}

void XC_PersonBattle::SettleResultPersons(XC_GamePerson* pActor)
{
    bool bCountered = false;
    std::vector<DWORD> vecLeaving;
    for (DWORD i = 0; i < m_BattleResultInfoObj.GetBattleResultPersonCount(); ++i) {
        const XS_BattleResultPerson* const psBattleResultPerson = m_BattleResultInfoObj.GetBattleResultPerson(i);
        XC_GamePerson* const pPersonObj = FindPerson(psBattleResultPerson->dwTeamIndex);
        if (pPersonObj == nullptr) {
            XM_REPORT_FAILED("psBattleResultPerson");
            continue;
        }
        pPersonObj->UpdateLifeState();
        JC_ControlPersonPower* const pPower = pPersonObj->GetControlPersonPower();
        const bool bDead = pPersonObj->GetLifeState() == DF_LifeState_Dead;
        if (bDead && pPower->GetDieTime() == 0) {
            if (pPersonObj->GetShow() && g_pBattleSceneController != nullptr)
                g_pBattleSceneController->ExecutePersonDieNoBodyScript(pPersonObj);
            vecLeaving.push_back(psBattleResultPerson->dwTeamIndex);
        } else {
            // A body stays where it fell, facing as it fell, and strikes back no more.
            if (bDead)
                pPower->SetFace(static_cast<int>(pPersonObj->GetDirection()));
            pPersonObj->RestorePersonState();
            pPersonObj->UpdatePersonStateFromData();
            if (!bDead && !bCountered)
                bCountered = TryCounter(pPersonObj, *psBattleResultPerson, pActor);
        }
        JumpStrings(pPersonObj, *psBattleResultPerson);
    }
    // Taken off only now: the numbers and the counter above still used them.
    for (const DWORD dwTeamIndex : vecLeaving) {
        if (g_pPersonManager != nullptr)
            g_pPersonManager->DelPersonFromTeamIndex(dwTeamIndex);
    }
}

bool XC_PersonBattle::TryCounter(XC_GamePerson* pPersonObj, const XS_BattleResultPerson& record, XC_GamePerson* pActor)
{
    if (record.lIsCounter == 0 || pActor == nullptr || g_pSceneFunctionObj == nullptr)
        return false;
    if (g_pSceneFunctionObj->GetFloorDistance(static_cast<LONG>(pPersonObj->GetFloorIndex()),
                                              static_cast<LONG>(pActor->GetFloorIndex())) != 1)
        return false;
    StartCounter(pPersonObj, pActor);
    return true;
}

void XC_PersonBattle::StartCounter(XC_GamePerson* pPersonObj, XC_GamePerson* pActor)
{
    std::unique_ptr<XC_PersonBattle> pPersonBattle(new (std::nothrow) XC_PersonBattle);
    if (pPersonBattle == nullptr || g_pBattleSceneController == nullptr) {
        XM_REPORT_FAILED("pPersonBattle");
        return;
    }
    pPersonBattle->InitCounter(pPersonObj);
    pPersonBattle->AddPassivePerson(pActor);
    pPersonBattle->SetTargetFloorIndex(pActor->GetFloorIndex());
    g_pBattleSceneController->AddBattleWork(pPersonBattle.release(), SW_Simplex);
}

void XC_PersonBattle::JumpStrings(XC_GamePerson* pPersonObj, const XS_BattleResultPerson& record)
{
    if (g_pJumpStringManager == nullptr)
        return;
    const D3DXVECTOR3 vPosition = *pPersonObj->GetWorldPosition();
    if (record.dwPersonType == XE_RESULT_PERSON_ACTIVE) {
        g_pJumpStringManager->JumpEXP(vPosition, record.lExp);
        g_pJumpStringManager->JumpJEXP(vPosition, record.lJobExp);
    }
    if (record.lIsHPChange != 0) {
        if (record.lIsCritical == 0)
            g_pJumpStringManager->JumpHP(vPosition, record.lHPChange);
        else
            g_pJumpStringManager->JumpHPRed(vPosition, record.lHPChange);
    }
    if (record.lIsSPChange != 0)
        g_pJumpStringManager->JumpSP(vPosition, record.lSPChange);
}

void XC_PersonBattle::ShowFoundItems(const XS_BattleResultMain& sBattleResultMain)
{
    if (sBattleResultMain.vecGetItemText.empty() || g_pBattleSceneController == nullptr)
        return;
    XC_DisplayGetItem* const pDisplayGetItem = new (std::nothrow) XC_DisplayGetItem;
    if (pDisplayGetItem == nullptr) {
        XM_REPORT_FAILED("pDisplayGetItem");
        return;
    }
    for (const XC_String& strLine : sBattleResultMain.vecGetItemText)
        pDisplayGetItem->AddText(strLine.c_str());
    g_pBattleSceneController->AddBattleWork(pDisplayGetItem, SW_Simplex);
}

HRESULT XC_PersonBattle::ComputeHitDmg(XC_GamePerson* pPersonObj, LONG& lHit, LONG& lDmg)
{
    if (pPersonObj == nullptr) {
        XM_REPORT_FAILED("pPersonObj");
        return E_FAIL;
    }
    JC_OrderInformation OrderInformationObj;
    if (!DealOrder(OrderInformationObj, 1, {pPersonObj->GetTeamIndex()}))
        return E_FAIL;
    const JC_OrderResultManager* const pResults = OrderInformationObj.GetOrderResultManager();
    if (pResults->GetFinalActiveResultCount() == 0)
        return E_FAIL;
    // A preview that reached no target forecasts nothing.
    const JC_OrderFinalResultPassive* const pPassive = pResults->GetFinalPassiveResult(0);
    if (pPassive == nullptr) {
        XM_REPORT_FAILED("pPassiveResultObj");
        return E_FAIL;
    }
    lHit = pPassive->m_HitRate;
    lDmg = pPassive->m_ShowDamage;
    return 1;
}

void XC_PersonBattle::SaveCamera()
{
    XC_CameraMan* const pWorldCameraMan = WorldCamera();
    if (pWorldCameraMan == nullptr) {
        XM_REPORT_FAILED("pWorldCameraMan");
    } else {
        m_SavedCameraData = *pWorldCameraMan->GetCurrentData();
        m_bSavedSoften = pWorldCameraMan->GetSoften();
        m_fSavedSoftenStep = pWorldCameraMan->GetSoftenStep();
        m_fSavedSoftenRate = pWorldCameraMan->GetSoftenRate();
        m_bCameraSaved = true;
    }
    if (g_pMouseObj != nullptr) {
        m_bSavedCursorShown = g_pMouseObj->GetVisible();
        g_pMouseObj->SetVisible(FALSE);
    }
}

void XC_PersonBattle::RestoreMouseCursor()
{
    if (g_pMouseObj != nullptr)
        g_pMouseObj->SetVisible(m_bSavedCursorShown);
}

void XC_PersonBattle::RestoreCamera()
{
    if (g_pTimerManager != nullptr)
        g_pTimerManager->SetTimeScale(1.0f);
    XC_CameraMan* const pWorldCameraMan = WorldCamera();
    if (pWorldCameraMan == nullptr || !m_bCameraSaved || g_pBattleSceneController == nullptr)
        return;
    pWorldCameraMan->LockLookAt(FALSE);
    pWorldCameraMan->LockEye(FALSE);
    pWorldCameraMan->FollowLookAt(nullptr);
    pWorldCameraMan->FollowEye(nullptr);
    pWorldCameraMan->SetSoften(m_bSavedSoften);
    pWorldCameraMan->SetSoftenStep(m_fSavedSoftenStep);
    pWorldCameraMan->SetSoftenRate(m_fSavedSoftenRate);
    const XS_CameraData& now = *pWorldCameraMan->GetCurrentData();
    XC_GamePerson* const pActor = ActivePerson();
    if (pActor != nullptr
        && (now.m_vLookAt != m_SavedCameraData.m_vLookAt || now.m_fDistance != m_SavedCameraData.m_fDistance
            || now.m_fYaw != m_SavedCameraData.m_fYaw || now.m_fPitch != m_SavedCameraData.m_fPitch)) {
        XC_CameraManWork_Control* const pWork = new (std::nothrow) XC_CameraManWork_Control;
        if (pWork != nullptr && pWork->SetTarget(pWorldCameraMan)) {
            pWork->m_vPosition = *pActor->GetWorldPosition();
            pWork->m_fYaw = m_SavedCameraData.m_fYaw;
            pWork->m_fPitch = m_SavedCameraData.m_fPitch;
            pWork->m_fZoom = m_SavedCameraData.m_fDistance;
            pWork->m_bAbsPos = pWork->m_bAbsYaw = pWork->m_bAbsPitch = pWork->m_bAbsZoom = TRUE;
            pWork->SetWorkTime(CAMERA_RETURN_TIME);
            g_pBattleSceneController->GetControlSceneSprite()->AddWork(pWork);
        } else {
            delete pWork;
        }
    }
    XC_LightMan* const pLight = WorldLight();
    if (pLight != nullptr && pLight->GetBrightness() != 1.0f) {
        XC_LightManWork_BrightnessControl* const pWork = new (std::nothrow) XC_LightManWork_BrightnessControl;
        if (pWork != nullptr && pWork->SetTarget(pLight)) {
            pWork->m_fBrightnessControl = 1.0f;
            pWork->m_bAbsBrightness = TRUE;
            pWork->SetWorkTime(LIGHT_RETURN_TIME);
            g_pBattleSceneController->GetControlSceneSprite()->AddWork(pWork);
        } else {
            delete pWork;
        }
    }
}

#include "Code/Battle/GamePerson/XC_GamePerson.h"

#include "Code/Battle/XC_SceneFunction.h"

#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/XC_AnimationManager.h"
#include "GameProgram/Resource/XC_AnimationObject.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Script/XC_ScriptResource.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Control/JC_ControlSkill.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"

#include <cstdio>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

// Below this share of its HP a living person stands weak.
const float WEAK_HP_RATIO = 0.3f;
const DWORD PREPARED_POSES[] = {0, 4, 5, 16, 17};

std::map<DWORD, std::string>& StateScriptTable()
{
    static std::map<DWORD, std::string> s_mapStateScript;
    return s_mapStateScript;
}

} // namespace

XC_GamePerson::XC_GamePerson()
{
    m_SetDirectStateObj.SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
    m_SetDirectStateObj.SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    m_SetDirectStateObj.SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    m_SetDirectStateObj.SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    m_SetDirectStateObj.SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
}

XC_GamePerson::~XC_GamePerson()
{
    const HRESULT hr = Fini();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("Fini()", hr);
}

HRESULT XC_GamePerson::Init(JC_DataComponent* pDataComponentPerson, XC_Floorer* pFloorer)
{
    Fini();
    m_dwLifeState = DF_LifeState_Live;
    m_bWeak = FALSE;
    // A rebuilt person shows its status again.
    m_dwPersonState = XE_PERSON_STATE_NONE;
    if (pFloorer == nullptr)
        XM_REPORT_FAILED("pFloorer");
    BindRecord(pDataComponentPerson);
    m_pFloorer = pFloorer;

    char szFolder[32];
    std::snprintf(szFolder, sizeof(szFolder), "man\\%08x", static_cast<unsigned>(GetAnimationID()));
    if (FAILED(InitPerson(szFolder, XE_POSE_STAND, static_cast<DWORD>(m_ControlPersonPowerObj.GetFace())))) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    PlaceOnRecordFloor();
    const float fShadowSize = m_ControlPersonPowerObj.GetShadowSize();
    const D3DXVECTOR3 vShadowScale(fShadowSize, fShadowSize, fShadowSize);
    GetRenderShadow()->SetScale(&vShadowScale);

    char szFace[32];
    std::snprintf(szFace, sizeof(szFace), "face\\F%08x.ant", static_cast<unsigned>(GetAnimationID()));
    if (g_pAnimationManager != nullptr)
        m_pFaceAniObj = g_pAnimationManager->GetAnimation(szFace);

    std::string strExternalsScript;
    m_ControlPersonPowerObj.GetExternalsScript(strExternalsScript);
    if (!strExternalsScript.empty())
        RunScriptOnPerson(m_ExternalsScript, strExternalsScript);
    PreparePoses();
    return S_OK;
}

void XC_GamePerson::BindRecord(JC_DataComponent* pDataComponentPerson)
{
    if (gp_DataManagerObj == nullptr)
        XM_REPORT_FAILED("gp_DataManagerObj");
    if (gp_BehaviorAnalyserObj == nullptr)
        XM_REPORT_FAILED("gp_BehaviorAnalyserObj");
    DWORD dwResult = m_ControlPersonPowerObj.Initiation(gp_DataManagerObj, gp_BehaviorAnalyserObj);
    if (dwResult != 0)
        XM_REPORT_FAILED_HR("m_ControlPersonPowerObj.Initiation( gp_DataManagerObj , gp_BehaviorAnalyserObj )",
                            dwResult);
    dwResult = m_ControlPersonPowerObj.SetControlPerson(pDataComponentPerson);
    if (dwResult != 0)
        XM_REPORT_FAILED_HR("m_ControlPersonPowerObj.SetControlPerson( pPersonObj )", dwResult);
    m_pDataComponentPersonObj = pDataComponentPerson;
}

void XC_GamePerson::PlaceOnRecordFloor()
{
    const DWORD dwFloorIndex = GetFloorIndex();
    if (SUCCEEDED(SetFloorIndex(dwFloorIndex, TRUE)))
        return;
    XF_ReportError(s_szSourceFile, __LINE__,
                   XF_FormatText("SetFloorIndex error , FloorIndex = %d , FloorCount = %d",
                                 static_cast<int>(dwFloorIndex),
                                 m_pFloorer != nullptr ? static_cast<int>(m_pFloorer->GetFloorsCount()) : 0));
    if (FAILED(SetFloorIndex(0, TRUE)))
        XM_REPORT_FAILED("SetFloorIndex( 0 )");
}

void XC_GamePerson::PreparePoses()
{
    for (const DWORD dwPose : PREPARED_POSES) {
        const HRESULT hr = AddPreparePose(dwPose, TRUE);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR(XF_FormatText("AddPreparePose( %u , TRUE )", static_cast<unsigned>(dwPose)), hr);
    }
}

HRESULT XC_GamePerson::Fini()
{
    m_ExternalsScript.Clear();
    m_StateScript.Clear();
    if (m_pFaceAniObj != nullptr) {
        m_pFaceAniObj->Release();
        m_pFaceAniObj = nullptr;
    }
    FiniPerson();
    return S_OK;
}

void XC_GamePerson::RunScriptOnPerson(XC_ScriptSet& scriptSet, const std::string& strScriptName)
{
    HRESULT hr = scriptSet.Init(m_pEnvironmentOfRender);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("ScriptSet.Init( m_pEnvironmentOfRender )", hr);
    hr = scriptSet.LoadScript(strScriptName.c_str());
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("ScriptSet.Load( strScriptName )", hr);
    hr = AddChild(scriptSet.GetRenderNode());
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("AddChild( ScriptSet.GetRenderNode() )", hr);
    hr = scriptSet.GetScriptResource()->AddRenderObjToResource(this, "Person");
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("ScriptSet.GetScriptResource()->AddRenderObjToResource( this , \"Person\" )", hr);
    hr = scriptSet.RunAllScript();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("ScriptSet.RunScript()", hr);
}

HRESULT XC_GamePerson::GetUsableSkillList(SkillList& skillList)
{
    if (m_ControlPersonPowerObj.HasBehaviorState(JE_STATE_SILENCE) == 1)
        return S_OK;
    for (DWORD i = 0; i < m_ControlPersonPowerObj.GetLearnSkillCount(); ++i) {
        const DWORD dwSkillID = m_ControlPersonPowerObj.GetLearnSkillID(i);
        const int iSkillLevel = m_ControlPersonPowerObj.GetLearnSkillLV(i);
        if (iSkillLevel != 0 && CanUseSkill(dwSkillID, static_cast<DWORD>(iSkillLevel)))
            skillList.emplace_back(dwSkillID, static_cast<DWORD>(iSkillLevel));
    }
    return S_OK;
}

BOOL XC_GamePerson::CanUseSkill(DWORD dwSkillID, DWORD dwSkillLevel)
{
    JC_ControlSkill ControlSkillObj;
    const DWORD dwInit = ControlSkillObj.Initiation(gp_DataManagerObj, gp_BehaviorAnalyserObj);
    if (dwInit != 0) {
        XM_REPORT_FAILED_HR("ControlSkillObj.Initiation( gp_DataManagerObj , gp_BehaviorAnalyserObj )", dwInit);
        return FALSE;
    }
    if (ControlSkillObj.SetDataConponent(dwSkillID, dwSkillLevel) != 0) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("ControlSkill error , SkillID = %d , SkillLV = %d", static_cast<int>(dwSkillID),
                                     static_cast<int>(dwSkillLevel)));
        return FALSE;
    }
    const int iMorale = m_ControlPersonPowerObj.GetMorale();
    const int iMoney = gp_ControlManagerObj != nullptr ? gp_ControlManagerObj->m_ControlGameObj.GetMoney() : 0;
    const int iMaxHP = m_ControlPersonPowerObj.GetMaxHP();
    const DWORD dwHPRatio = iMaxHP > 0 ? static_cast<DWORD>(m_ControlPersonPowerObj.GetHP() * 100.0 / iMaxHP) : 0;
    return ControlSkillObj.GetIsSpontaneity() != 1
        && ControlSkillObj.GetUseConditionRAP() <= m_ControlPersonPowerObj.GetRAP()
        && ControlSkillObj.GetUseConditionSP() <= m_ControlPersonPowerObj.GetSP()
        && ControlSkillObj.GetUseConditionMorale() <= iMorale && ControlSkillObj.GetMustMorale() <= iMorale
        && ControlSkillObj.GetUseConditionMoney() <= iMoney
        && static_cast<DWORD>(ControlSkillObj.GetMustHPRangeMin()) <= dwHPRatio
        && dwHPRatio <= static_cast<DWORD>(ControlSkillObj.GetMustHPRangeMax());
}

BOOL XC_GamePerson::CanUseSkillPower(DWORD dwSkillPowerID)
{
    // The high half is passed in place, not shifted down.
    return CanUseSkill(dwSkillPowerID & 0xFFFF0000, dwSkillPowerID & 0xFFFF);
}

HRESULT XC_GamePerson::UpdatePersonStateFromData()
{
    const DWORD dwState = m_ControlPersonPowerObj.GetShowBehaviorState();
    return SetPersonState(dwState == 0 ? XE_PERSON_STATE_NONE : dwState);
}

HRESULT XC_GamePerson::SetPersonState(DWORD dwStateId)
{
    if (dwStateId == m_dwPersonState)
        return S_OK;
    if (m_dwPersonState != XE_PERSON_STATE_NONE) {
        if (FAILED(m_StateScript.Clear()))
            XM_REPORT_FAILED("m_StateScript.Clear()");
        if (FAILED(RestorePersonState()))
            XM_REPORT_FAILED("RestorePersonState()");
    }
    m_dwPersonState = dwStateId;
    if (dwStateId == XE_PERSON_STATE_NONE)
        return S_OK;
    if (FAILED(BackupPersonState()))
        XM_REPORT_FAILED("BackupPersonState()");
    const std::string* const pScriptName = FindStateScriptName(dwStateId);
    if (pScriptName != nullptr)
        RunScriptOnPerson(m_StateScript, *pScriptName);
    return S_OK;
}

HRESULT XC_GamePerson::UpdateLifeState()
{
    bool bChanged = false;
    const DWORD dwLifeState = static_cast<DWORD>(m_ControlPersonPowerObj.GetLifeState());
    if (dwLifeState != m_dwLifeState) {
        m_dwLifeState = dwLifeState;
        bChanged = true;
        g_pSceneFunctionObj->NotePersonChange();
        if (dwLifeState == DF_LifeState_Dead)
            m_ControlPersonPowerObj.SetRAP(0);
    }
    if (m_dwLifeState == DF_LifeState_Live) {
        const float fRatio = static_cast<float>(m_ControlPersonPowerObj.GetHP())
                           / static_cast<float>(m_ControlPersonPowerObj.GetMaxHP());
        const BOOL bWeak = fRatio < WEAK_HP_RATIO ? TRUE : FALSE;
        if (bWeak != m_bWeak) {
            m_bWeak = bWeak;
            bChanged = true;
        }
    }
    const DWORD dwPose = GetPose();
    if (bChanged && (dwPose == XE_POSE_STAND || dwPose == XE_POSE_WEAK || dwPose == XE_POSE_DEAD)) {
        if (FAILED(SetPose(XE_POSE_STAND)))
            XM_REPORT_FAILED("SetPose( 0 )");
    }
    return S_OK;
}

HRESULT XC_GamePerson::SetPose(DWORD dwPose)
{
    if (m_dwLifeState == DF_LifeState_Dead)
        return XC_Person::SetPose(XE_POSE_DEAD);
    if (m_dwLifeState != DF_LifeState_Live)
        XM_REPORT_FAILED("DF_LifeState_Live == m_dwLifeState");
    if (m_bWeak && dwPose == XE_POSE_STAND) {
        const HRESULT hr = XC_Person::SetPose(XE_POSE_WEAK);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("XC_Person::SetPose ( 12 )", hr);
        // The weak figure still reads as standing.
        SetCurrentPoseNumber(XE_POSE_STAND);
        return S_OK;
    }
    if (dwPose == XE_POSE_STAND)
        SetCurrentPoseNumber(XE_PERSON_STATE_NONE);
    return XC_Person::SetPose(dwPose);
}

HRESULT XC_GamePerson::SetFloorIndex(DWORD dwFloorIndex, BOOL bSetPosition)
{
    if (m_pFloorer == nullptr || dwFloorIndex >= m_pFloorer->GetFloorsCount())
        return E_FAIL;
    if (bSetPosition == 1) {
        const D3DXVECTOR3 vPosition = m_pFloorer->GetFloorPosition(dwFloorIndex);
        SetPosition(&vPosition);
    }
    m_ControlPersonPowerObj.SetSceneFloorIndex(static_cast<int>(dwFloorIndex));
    g_pSceneFunctionObj->NotePersonChange();
    return S_OK;
}

DWORD XC_GamePerson::GetFloorIndex()
{
    return static_cast<DWORD>(m_ControlPersonPowerObj.GetSceneFloorIndex());
}

HRESULT XC_GamePerson::LookTarget(DWORD dwTargetFloorIdx, BOOL bSaveDirection)
{
    if (m_pFloorer == nullptr) {
        XM_REPORT_FAILED("m_pFloorer");
        return E_FAIL;
    }
    if (dwTargetFloorIdx >= m_pFloorer->GetFloorsCount()) {
        XM_REPORT_FAILED("dwTargetFloorIdx < m_pFloorer->GetFloorsCount()");
        return E_FAIL;
    }
    if (dwTargetFloorIdx == GetFloorIndex())
        return RestoreDirectionFromDataComponent();
    const D3DXVECTOR3 vTarget = m_pFloorer->GetFloorPosition(dwTargetFloorIdx);
    LookAtPosition(&vTarget);
    if (bSaveDirection != 0)
        m_ControlPersonPowerObj.SetFace(static_cast<int>(GetDirection()));
    return S_OK;
}

HRESULT XC_GamePerson::RestoreDirectionFromDataComponent()
{
    SetDirection(static_cast<DWORD>(m_ControlPersonPowerObj.GetFace()));
    return S_OK;
}

HRESULT XC_GamePerson::BackupPersonState()
{
    return m_BackupSetDirectStateObj.Copy(&m_SetDirectStateObj);
}

HRESULT XC_GamePerson::RestorePersonState()
{
    if (FAILED(RestoreDirectionFromDataComponent()))
        XM_REPORT_FAILED("RestoreDirectionFromDataComponent()");
    if (m_pFloorer == nullptr) {
        XM_REPORT_FAILED("m_pFloorer");
    } else {
        const D3DXVECTOR3 vPosition = m_pFloorer->GetFloorPosition(GetFloorIndex());
        SetPosition(&vPosition);
    }
    const D3DXVECTOR3 vScale(1.0f, 1.0f, 1.0f);
    SetScale(&vScale);
    SetColor(0xFFFFFFFF);
    SetPose(XE_POSE_STAND);
    SetUseTimeScale(TRUE);
    if (FAILED(ClearPreparePose(FALSE)))
        XM_REPORT_FAILED("XC_Person::ClearPreparePose()");
    SetRePlay(TRUE);
    SetPlay(TRUE);
    SetPlaySpeed(1.0f);
    if (FAILED(m_SetDirectStateObj.Copy(&m_BackupSetDirectStateObj)))
        XM_REPORT_FAILED("m_SetDirectStateObj.Copy( &m_BackupSetDirectStateObj )");
    SetShow(TRUE);
    return S_OK;
}

JC_DataComponent* XC_GamePerson::GetDataComponentPersonObj() const
{
    if (m_pDataComponentPersonObj == nullptr)
        XM_REPORT_FAILED("m_pDataComponentPersonObj");
    return m_pDataComponentPersonObj;
}

DWORD XC_GamePerson::GetTeamIndex()
{
    return static_cast<DWORD>(m_ControlPersonPowerObj.GetTeamID());
}

DWORD XC_GamePerson::GetPersonID()
{
    return m_ControlPersonPowerObj.GetID();
}

DWORD XC_GamePerson::GetAnimationID()
{
    return m_ControlPersonPowerObj.GetAnimationID();
}

HRESULT XC_GamePerson::LoadStateScriptName(const XC_TextNode* pTNode)
{
    std::map<DWORD, std::string>& table = StateScriptTable();
    table.clear();
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return E_FAIL;
    }
    for (int i = 0; i < pTNode->GetChildNodeCount(); ++i) {
        const XC_TextNode* const pTNodeState = pTNode->FindChildNode(i);
        if (pTNodeState == nullptr) {
            XM_REPORT_FAILED("pTNodeState");
            continue;
        }
        const char* const szScriptName = pTNodeState->GetStr("StateScriptName", nullptr);
        if (szScriptName == nullptr) {
            XM_REPORT_FAILED("szScriptName");
            continue;
        }
        table[pTNodeState->GetDword("dwStateId", 0)] = szScriptName;
    }
    return S_OK;
}

const std::string* XC_GamePerson::FindStateScriptName(DWORD dwStateId)
{
    const std::map<DWORD, std::string>& table = StateScriptTable();
    const auto it = table.find(dwStateId);
    return it != table.end() ? &it->second : nullptr;
}

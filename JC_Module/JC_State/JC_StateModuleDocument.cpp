#include "JC_Module/JC_State/JC_StateModuleDocument.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "JC_DataManager/Control/JC_ControlGame.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_Module/JC_State/View/JC_StateModuleView0.h"
#include "JC_Module/JC_State/View/JC_StateModuleView1.h"
#include "JC_Module/JC_State/View/JC_StateModuleView2.h"
#include "JC_Module/JC_State/View/JC_StateModuleView3.h"
#include "JC_Module/JC_State/View/JC_StateModuleView4.h"
#include "JC_Module/JC_State/View/JC_StateModuleView5.h"
#include "JC_Module/JC_State/View/JC_StateModuleView6.h"
#include "JC_Module/JC_State/View/JC_StateModuleView7.h"
#include "JC_Module/JC_State/View/JC_StateModuleView8.h"
#include "JC_Module/JC_State/View/JC_StateModuleView9.h"
#include "JC_Module/JC_State/View/JC_StateModuleViewA.h"
#include "JC_Module/JC_State/View/JC_StateModuleViewB.h"
#include "JC_Module/JC_State/View/JC_StateModuleViewC.h"
#include "JC_Module/JC_State/JC_StateEquipmentChange.h"
#include "JC_Script/JC_ScriptManager.h"
#include "TemplateSystem/JC_DebugLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

JC_StateModuleDocument* g_pStateModuleDocumentObj = nullptr;

const int JC_StateModuleDocument::SHOWN_VIEWS[MODE_COUNT][COLUMN_COUNT] = {
    {-1, -1, -1, -1, -1, -1}, {0, 1, 2, 3, 4, 6},    {0, 1, -1, 3, 5, 6},
    {0, 1, 7, -1, -1, 6},     {0, 1, 10, -1, -1, 6}, {0, 1, 12, -1, -1, 6},
};
const int JC_StateModuleDocument::INPUT_VIEWS[MODE_COUNT][COLUMN_COUNT] = {
    {-1, -1, -1, -1, -1, -1}, {0, 2, 3, 4, -1, -1},    {3, 5, -1, -1, -1, -1},
    {7, -1, -1, -1, -1, -1},  {10, -1, -1, -1, -1, -1}, {12, -1, -1, -1, -1, -1},
};

namespace {

const JS_DocumentRouting ROUTING = {
    "StateModuleDocument",
    JC_StateModuleDocument::VIEW_COUNT,
    JC_StateModuleDocument::MODE_COUNT,
    JC_StateModuleDocument::COLUMN_COUNT,
    &JC_StateModuleDocument::SHOWN_VIEWS[0][0],
    &JC_StateModuleDocument::INPUT_VIEWS[0][0],
    JE_STATEMODULEDOCUMENT_VIEW_INDEX_NOT_SUPPORT,
    JE_STATEMODULEDOCUMENT_MODE_NOT_SUPPORT,
    FALSE,
};
const int FIRST_CAPTURE_PET_INDEX = 200;
const int LAST_CAPTURE_PET_INDEX = 298;
const int FLAG_DESIGNER_KEYS = 25;
const int FLAG_LAYOUT_RELOAD = 26;
const int UPDATE_SHOWN_VIEWS = -2;
const int UPDATE_EVERY_VIEW = -1;
const int DESIGNER_EXP = 100;
const int DESIGNER_MONEY = 10000;
// Views handed the person control.
const int PERSON_VIEWS[] = {0, 1, 3, 4, 5, 6, 12};

} // namespace

JC_StateModuleDocument::JC_StateModuleDocument() : JC_ModuleDocumentBase(ROUTING)
{
}

JC_StateModuleDocument::~JC_StateModuleDocument()
{
    if (IsActive())
        Close();
}

JC_ModuleViewBase* JC_StateModuleDocument::NewView(int iViewIndex)
{
    switch (iViewIndex) {
    case VIEW_FRAME:
        return new JC_StateModuleView0;
    case VIEW_STATUS:
        return new JC_StateModuleView1;
    case VIEW_TAB:
        return new JC_StateModuleView2;
    case VIEW_ATTRIBUTE:
        return new JC_StateModuleView3;
    case VIEW_EQUIPMENT:
        return new JC_StateModuleView4;
    case VIEW_CANDIDATE:
        return new JC_StateModuleView5;
    case VIEW_EXPLANATION:
        return new JC_StateModuleView6;
    case VIEW_THING:
        return new JC_StateModuleView7;
    case VIEW_QUANTITY:
        return new JC_StateModuleView8;
    case VIEW_SELECTION:
        return new JC_StateModuleView9;
    case VIEW_INLAY:
        return new JC_StateModuleViewA;
    case VIEW_INLAY_CONFIRM:
        return new JC_StateModuleViewB;
    default:
        return new JC_StateModuleViewC;
    }
}

JC_ControlModuleBase* JC_StateModuleDocument::GetLayoutControl()
{
    return m_Controls.pControlModuleState;
}

JC_StateModuleViewBase* JC_StateModuleDocument::StateView(int iViewIndex) const
{
    return static_cast<JC_StateModuleViewBase*>(GetView(iViewIndex));
}

DWORD JC_StateModuleDocument::GiveChildViews()
{
    for (const int iViewIndex : PERSON_VIEWS) {
        JC_StateModuleViewBase* const pView = StateView(iViewIndex);
        if (pView != nullptr)
            pView->SetControlPerson(&m_ControlPersonObj);
    }
    ThingView()->SetChildView(static_cast<JC_StateModuleView8*>(GetView(VIEW_QUANTITY)),
                              static_cast<JC_StateModuleView9*>(GetView(VIEW_SELECTION)));
    InlayView()->SetChildView(static_cast<JC_StateModuleViewB*>(GetView(VIEW_INLAY_CONFIRM)));
    return 0;
}

DWORD JC_StateModuleDocument::SetOperateTeam(DWORD dwTeam)
{
    if (!IsInitiated())
        return JE_STATEMODULEDOCUMENT_NOT_INITIATED;
    if (dwTeam != static_cast<DWORD>(TeamID::TEAMID_OUR) && dwTeam != static_cast<DWORD>(TeamID::TEAMID_FIGHT)) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleDocument SetOperateTeam OperateTeam NotSupport. \r\n "
                                      "OperateTeam:0x%08x \r\n",
                                      static_cast<unsigned>(dwTeam));
        return JE_STATEMODULEDOCUMENT_TEAM_NOT_SUPPORT;
    }
    m_dwOperateTeam = dwTeam;
    return 0;
}

DWORD JC_StateModuleDocument::SetOperatePerson(JC_DataComponent* pPerson)
{
    DWORD dwResult = m_ControlPersonObj.Initiation(m_Controls.pDataManager, m_Controls.pBehaviorAnalyser);
    if (dwResult != 0) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleDocument SetOperatePerson ControlPersonObjInitiation Fail. \r\n "
                                      "HRESULT:0x%08x \r\n",
                                      static_cast<unsigned>(dwResult));
        return dwResult;
    }
    dwResult = m_ControlPersonObj.SetControlPerson(pPerson);
    if (dwResult != 0) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleDocument SetOperatePerson ControlPersonObjSetControlPerson Fail. "
                                      "\r\n HRESULT:0x%08x \r\n",
                                      static_cast<unsigned>(dwResult));
        return dwResult;
    }
    m_iOperateTeamIndex = m_ControlPersonObj.GetPersonPowerObj()->GetTeamID();
    m_bCapturePet =
        m_iOperateTeamIndex >= FIRST_CAPTURE_PET_INDEX && m_iOperateTeamIndex <= LAST_CAPTURE_PET_INDEX ? 1 : 0;
    return 0;
}

DWORD JC_StateModuleDocument::WalkOperatePerson(JF_TeamWalk pfWalk, const char* szOperation, const char* szWalk)
{
    int iTeamIndex = m_iOperateTeamIndex;
    JC_DataComponent* pPerson = nullptr;
    DWORD dwResult = (m_Controls.pControlTeam->*pfWalk)(static_cast<TeamID>(m_dwOperateTeam), iTeamIndex, pPerson);
    if (dwResult != 0) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleDocument %s ControlTeamObj%s Fail. \r\n %s( Team:0x%08x , "
                                      "TeamIndex:%d ) \r\n HRESULT:0x%08x \r\n",
                                      szOperation, szWalk, szWalk, static_cast<unsigned>(m_dwOperateTeam), iTeamIndex,
                                      static_cast<unsigned>(dwResult));
        return dwResult;
    }
    dwResult = SetOperatePerson(pPerson);
    if (dwResult != 0)
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleDocument %s SetOperatePerson Fail. \r\n %s( Team:0x%08x , "
                                      "TeamIndex:%d ) \r\n HRESULT:0x%08x \r\n",
                                      szOperation, szWalk, static_cast<unsigned>(m_dwOperateTeam), iTeamIndex,
                                      static_cast<unsigned>(dwResult));
    return dwResult;
}

DWORD JC_StateModuleDocument::NextOperatePerson()
{
    return WalkOperatePerson(&JC_ControlTeam::GetNextPersonFromTeam, "NextOperatePerson", "GetNextPersonFromTeam");
}

DWORD JC_StateModuleDocument::PrevOperatePerson()
{
    return WalkOperatePerson(&JC_ControlTeam::GetPrevPersonFromTeam, "PrevOperatePerson", "GetPrevPersonFromTeam");
}

void JC_StateModuleDocument::SetPersonViewModes()
{
    JC_ModuleViewBase* const pTab = GetView(VIEW_TAB);
    JC_ModuleViewBase* const pEquipment = GetView(VIEW_EQUIPMENT);
    int iTabMode = -1;
    int iEquipmentMode = -1;
    if (m_bCapturePet) {
        iTabMode = 1;
        iEquipmentMode = 2;
    } else if (m_ControlPersonObj.GetPersonPowerObj()->GetCamp(FALSE) == 0) {
        iTabMode = 0;
        iEquipmentMode = 0;
    }
    if (pTab != nullptr && iTabMode >= 0)
        pTab->SetViewMode(iTabMode);
    if (pEquipment != nullptr && iEquipmentMode >= 0)
        pEquipment->SetViewMode(iEquipmentMode);
}

DWORD JC_StateModuleDocument::SetDocumentMode(int iMode)
{
    const DWORD dwResult = JC_ModuleDocumentBase::SetDocumentMode(iMode);
    if (dwResult != 0)
        return dwResult;
    JC_ModuleViewBase* const pFrame = GetView(VIEW_FRAME);
    JC_ModuleViewBase* const pExplanation = GetView(VIEW_EXPLANATION);
    if (pFrame != nullptr)
        pFrame->SetViewMode(JC_StateModuleView0::MODE_NO_PERSON_BUTTONS);
    if (pExplanation != nullptr)
        pExplanation->SetViewMode(0);
    if (iMode == MODE_MAIN) {
        if (pFrame != nullptr)
            pFrame->SetViewMode(JC_StateModuleView0::MODE_PERSON_BUTTONS);
        SetPersonViewModes();
    } else if (iMode == MODE_THING && GetView(VIEW_THING) != nullptr) {
        GetView(VIEW_THING)->SetViewMode(0);
    }
    return 0;
}

DWORD JC_StateModuleDocument::BackDocumentMode(int iMode)
{
    switch (iMode) {
    case MODE_MAIN:
        Close();
        break;
    case MODE_EQUIPMENT:
        SetDocumentMode(MODE_MAIN);
        if (EquipmentView() != nullptr)
            EquipmentView()->ClearSelection();
        break;
    case MODE_THING:
    case MODE_SKILL:
        SetDocumentMode(MODE_MAIN);
        UpdateView(VIEW_ATTRIBUTE);
        break;
    default:
        break;
    }
    return 0;
}

BOOL JC_StateModuleDocument::IsDocumentMessage(UINT uMsg) const
{
    return uMsg == WM_KEYUP || (uMsg >= WM_MOUSEMOVE && uMsg <= WM_MBUTTONUP && uMsg != WM_RBUTTONDBLCLK)
           || uMsg == WM_MOUSEWHEEL;
}

void JC_StateModuleDocument::DealDocumentMessage(UINT uMsg, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (uMsg == WM_RBUTTONDOWN)
        BackDocumentMode(GetDocumentMode());
}

LRESULT JC_StateModuleDocument::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_KEYUP) {
        const DWORD dwResult = DealDesignerKey(wParam);
        if (dwResult != 0)
            return static_cast<LRESULT>(static_cast<HRESULT>(dwResult));
    }
    return JC_ModuleDocumentBase::MsgProc(hWnd, uMsg, wParam, lParam);
}

void JC_StateModuleDocument::RunScriptLine(const std::string& strLine)
{
    gp_ScriptManagerObj->RealTimeScript(strLine);
    gp_ScriptManagerObj->UpdateAll();
}

void JC_StateModuleDocument::ReloadLayout()
{
    m_Controls.pDataManager->InitModuleData();
    m_pControlManager->m_ControlModuleOptionObj.Initiation(m_Controls.pDataManager);
    m_pControlManager->m_ControlModuleStateObj.Initiation(m_Controls.pDataManager);
    m_pControlManager->m_ControlModuleTownObj.Initiation(m_Controls.pDataManager);
    m_pControlManager->m_ControlModuleWorldMapObj.Initiation(m_Controls.pDataManager);
    Initiation(m_pModuleManager, m_pMouseState, m_pMouse, m_pControlManager);
    SetOperateTeam(m_dwOperateTeam);
    SetOperatePerson(m_ControlPersonObj.GetPersonDataComponent());
    OnClose();
    OnOpen();
}

DWORD JC_StateModuleDocument::DealDesignerKey(WPARAM wParam)
{
    if (gp_ScriptManagerObj == nullptr)
        return 0;
    JC_ControlScriptFlag* const pFlags = gp_ScriptManagerObj->GetScriptFlag();
    if (wParam == VK_F5) {
        if (pFlags->GetFlagSystem(FLAG_LAYOUT_RELOAD) == 1)
            ReloadLayout();
        return 0;
    }
    if (pFlags->GetFlagSystem(FLAG_DESIGNER_KEYS) == 0 || !m_ControlPersonObj.IsPersonBound())
        return 0;
    JC_ControlPersonPower* const pPower = m_ControlPersonObj.GetPersonPowerObj();
    DWORD dwResult = 0;
    switch (wParam) {
    case 'Q':
    case 'W':
        dwResult = wParam == 'Q' ? m_ControlPersonObj.GetPersonLevelUpObj()->LevelUp(1, FALSE)
                                 : m_ControlPersonObj.GetPersonLevelUpObj()->JobLevelUp(1, FALSE);
        if (dwResult != 0) {
            m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                          " StateModuleDocument MsgProc Key:%c %s Fail. \r\n HRESULT:0x%08x \r\n",
                                          static_cast<char>(wParam), wParam == 'Q' ? "LevelUp" : "JobLevelUp",
                                          static_cast<unsigned>(dwResult));
            return dwResult;
        }
        break;
    case 'E':
        pPower->SetExp(pPower->GetExp() + DESIGNER_EXP);
        break;
    case 'R':
        pPower->SetJobExp(pPower->GetJobExp() + DESIGNER_EXP);
        break;
    case 'T':
        m_Controls.pControlGame->AddMoney(DESIGNER_MONEY);
        break;
    case 'U':
        RunScriptLine("LoadScript,ModuleState_Gem.Txt");
        break;
    case 'I':
        RunScriptLine("LoadScript,ModuleState_Tool.Txt");
        break;
    case 'O':
        RunScriptLine("LoadScript,ModuleState_Weapon.Txt");
        break;
    case 'P':
        RunScriptLine("LoadScript,ModuleState_Wearing.Txt");
        break;
    case 'A':
    case 'S':
    case 'D':
    case 'F':
        break;
    default:
        return 0;
    }
    UpdateView(UPDATE_SHOWN_VIEWS);
    return 0;
}

DWORD JC_StateModuleDocument::ReleaseCapturePet()
{
    const DWORD dwTeam = m_dwOperateTeam;
    const int iTeamIndex = m_iOperateTeamIndex;
    DWORD dwResult = NextOperatePerson();
    if (dwResult != 0)
        return dwResult;
    if (m_iOperateTeamIndex == iTeamIndex) {
        // The walk came back to the released one: its record is shown.
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleDocument DealViewEvent ReleasePet OnlyPerson. \r\n Team:0x%08x "
                                      "TeamIndex:%d \r\n HRESULT:0x%08x \r\n",
                                      static_cast<unsigned>(dwTeam), iTeamIndex,
                                      static_cast<unsigned>(JE_STATEMODULEDOCUMENT_RELEASE_LAST_PERSON));
        return JE_STATEMODULEDOCUMENT_RELEASE_LAST_PERSON;
    }
    dwResult = m_Controls.pControlTeam->DelPersonFromTeam(static_cast<TeamID>(dwTeam), iTeamIndex);
    if (dwResult != 0)
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleDocument DealViewEvent DelPersonFromTeam Fail. \r\n Team:0x%08x "
                                      "TeamIndex:%d \r\n HRESULT:0x%08x \r\n",
                                      static_cast<unsigned>(dwTeam), iTeamIndex, static_cast<unsigned>(dwResult));
    return dwResult;
}

DWORD JC_StateModuleDocument::DealFrameEvent(DWORD dwViewEvent)
{
    DWORD dwResult = 0;
    if (dwViewEvent == JC_StateModuleView0::EVENT_PREV)
        dwResult = PrevOperatePerson();
    else if (dwViewEvent == JC_StateModuleView0::EVENT_NEXT)
        dwResult = NextOperatePerson();
    else if (dwViewEvent == JC_StateModuleView0::EVENT_FREE)
        dwResult = ReleaseCapturePet();
    if (dwResult != 0)
        return dwResult;
    GetView(VIEW_FRAME)->SetViewMode(JC_StateModuleView0::MODE_PERSON_BUTTONS);
    SetPersonViewModes();
    UpdateView(UPDATE_EVERY_VIEW);
    return 0;
}

DWORD JC_StateModuleDocument::DealViewEvent(int iViewIndex, DWORD dwViewEvent)
{
    m_iDealViewIndex = iViewIndex;
    m_dwDealEventId = dwViewEvent;
    switch (iViewIndex) {
    case VIEW_FRAME:
        return DealFrameEvent(dwViewEvent);
    case VIEW_TAB:
        if (dwViewEvent == JC_StateModuleView2::EVENT_THING)
            SetDocumentMode(MODE_THING);
        else if (dwViewEvent == JC_StateModuleView2::EVENT_SKILL)
            SetDocumentMode(MODE_SKILL);
        UpdateView(UPDATE_SHOWN_VIEWS);
        return 0;
    case VIEW_EQUIPMENT:
        return DealEquipmentEvent(dwViewEvent);
    case VIEW_CANDIDATE:
        return DealCandidateEvent(dwViewEvent);
    case VIEW_THING:
        DealThingEvent(dwViewEvent);
        return 0;
    case VIEW_INLAY:
        DealInlayEvent(dwViewEvent);
        return 0;
    case VIEW_SKILL:
        ShowExplanation();
        return 0;
    default:
        return 0;
    }
}

JC_StateModuleView4* JC_StateModuleDocument::EquipmentView() const
{
    return static_cast<JC_StateModuleView4*>(GetView(VIEW_EQUIPMENT));
}

JC_StateModuleView5* JC_StateModuleDocument::CandidateView() const
{
    return static_cast<JC_StateModuleView5*>(GetView(VIEW_CANDIDATE));
}

JC_StateModuleView6* JC_StateModuleDocument::ExplanationView() const
{
    return static_cast<JC_StateModuleView6*>(GetView(VIEW_EXPLANATION));
}

DWORD JC_StateModuleDocument::DealEquipmentEvent(DWORD dwViewEvent)
{
    switch (dwViewEvent) {
    case JC_StateModuleView4::EVENT_TAKEN_OFF:
        UpdateView(UPDATE_SHOWN_VIEWS);
        break;
    case JC_StateModuleView4::EVENT_SLOT_CHOSEN: {
        int iWarehouse = 0;
        int iWearPosition = 0;
        if (EquipmentView()->GetSelectedSlot(iWarehouse, iWearPosition) == 1) {
            CandidateView()->SetCandidateFilter(iWarehouse, 1, 0, iWearPosition);
            CandidateView()->SetViewMode(JC_StateModuleView5::MODE_ROWS);
        }
        SetDocumentMode(MODE_EQUIPMENT);
        UpdateView(UPDATE_SHOWN_VIEWS);
        break;
    }
    case JC_StateModuleView4::EVENT_SELECTION_CHANGED:
        ShowExplanation();
        break;
    default:
        break;
    }
    return 0;
}

DWORD JC_StateModuleDocument::PutOnCandidate()
{
    int iWarehouse = 0;
    int iDrawerIndex = 0;
    int iWearPosition = 0;
    if (CandidateView()->GetSelectedThing(iWarehouse, iDrawerIndex, iWearPosition) != 1)
        return 0;
    JC_StateEquipmentChange change(m_ControlPersonObj, *m_Controls.pControlWarehouse, *m_Controls.pDataManager,
                                   *m_Controls.pErrorLog);
    const DWORD dwResult = change.PutOn(iWarehouse, iDrawerIndex, iWearPosition);
    if (dwResult != 0)
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleDocument DealViewEvent PutOnEquipment Fail. \r\n "
                                      "WearPosition:0x%08x \r\n HRESULT:0x%08x \r\n",
                                      static_cast<unsigned>(iWearPosition), static_cast<unsigned>(dwResult));
    return dwResult;
}

DWORD JC_StateModuleDocument::DealCandidateEvent(DWORD dwViewEvent)
{
    if (dwViewEvent == JC_StateModuleView5::EVENT_SELECTION_CHANGED) {
        ShowExplanation();
        return 0;
    }
    if (dwViewEvent != JC_StateModuleView5::EVENT_CHOSEN)
        return 0;
    const DWORD dwResult = PutOnCandidate();
    if (dwResult != 0)
        return dwResult;
    SetDocumentMode(MODE_MAIN);
    EquipmentView()->ClearSelection();
    CandidateView()->ClearSelection();
    UpdateView(UPDATE_SHOWN_VIEWS);
    return 0;
}

void JC_StateModuleDocument::ShowExplanation()
{
    JC_StateModuleView6* const pExplanation = ExplanationView();
    if (pExplanation == nullptr)
        return;
    int iWarehouse = 0;
    int iIndex = 0;
    int iWearPosition = 0;
    switch (GetDocumentMode()) {
    case MODE_MAIN:
        if (EquipmentView() != nullptr && EquipmentView()->GetSelectedSlot(iWarehouse, iWearPosition) == 1) {
            pExplanation->SetViewMode(JC_StateModuleView6::MODE_EQUIPMENT);
            pExplanation->UpdateEquipment(iWearPosition);
            return;
        }
        break;
    case MODE_EQUIPMENT:
        if (CandidateView() != nullptr && CandidateView()->GetSelectedThing(iWarehouse, iIndex, iWearPosition) == 1) {
            pExplanation->SetViewMode(JC_StateModuleView6::MODE_THING);
            pExplanation->UpdateThing(iWarehouse, iIndex);
            return;
        }
        break;
    case MODE_THING:
        if (ThingView() != nullptr && ThingView()->GetSelectedThing(iWarehouse, iIndex) == 1) {
            pExplanation->SetViewMode(JC_StateModuleView6::MODE_THING);
            pExplanation->UpdateThing(iWarehouse, iIndex);
            return;
        }
        break;
    case MODE_INLAY:
        if (InlayView() != nullptr && InlayView()->GetSelectInfo(iWarehouse, iIndex) == 1) {
            pExplanation->SetViewMode(JC_StateModuleView6::MODE_THING);
            pExplanation->UpdateThing(iWarehouse, iIndex);
            return;
        }
        break;
    case MODE_SKILL: {
        DWORD dwSkillID = 0;
        DWORD dwLevel = 0;
        if (SkillView() != nullptr && SkillView()->GetSelectedSkill(dwSkillID, dwLevel) == 1) {
            pExplanation->SetViewMode(JC_StateModuleView6::MODE_SKILL);
            pExplanation->UpdateSkill(dwSkillID, dwLevel);
            return;
        }
        break;
    }
    default:
        break;
    }
    pExplanation->SetViewMode(JC_StateModuleView6::MODE_EMPTY);
}

JC_StateModuleView7* JC_StateModuleDocument::ThingView() const
{
    return static_cast<JC_StateModuleView7*>(GetView(VIEW_THING));
}

JC_StateModuleViewA* JC_StateModuleDocument::InlayView() const
{
    return static_cast<JC_StateModuleViewA*>(GetView(VIEW_INLAY));
}

JC_StateModuleViewC* JC_StateModuleDocument::SkillView() const
{
    return static_cast<JC_StateModuleViewC*>(GetView(VIEW_SKILL));
}

void JC_StateModuleDocument::DealThingEvent(DWORD dwViewEvent)
{
    if (dwViewEvent == JC_StateModuleView7::EVENT_SELECTION_CHANGED) {
        ShowExplanation();
        return;
    }
    if (dwViewEvent != JC_StateModuleView7::EVENT_INLAY || InlayView() == nullptr)
        return;
    ThingView()->SetViewMode(JC_StateModuleView7::MODE_LIST);
    int iWarehouse = 0;
    int iDrawerIndex = 0;
    if (ThingView()->GetSelectedThing(iWarehouse, iDrawerIndex) != 1)
        return;
    SetDocumentMode(MODE_INLAY);
    InlayView()->SetViewMode(JC_StateModuleViewA::MODE_LIST);
    InlayView()->SetFilterCondition(iDrawerIndex);
    UpdateView(VIEW_INLAY);
}

void JC_StateModuleDocument::DealInlayEvent(DWORD dwViewEvent)
{
    if (dwViewEvent == JC_StateModuleViewA::EVENT_SELECTION_CHANGED) {
        ShowExplanation();
        return;
    }
    if (dwViewEvent != JC_StateModuleViewA::EVENT_DONE)
        return;
    InlayView()->SetViewMode(JC_StateModuleViewA::MODE_LIST);
    SetDocumentMode(MODE_THING);
    ThingView()->ShowPage();
}

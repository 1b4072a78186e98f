#include "JC_Module/JC_WorldMap/View/JC_WorldMapView2.h"

#include "GameProgram/Common/XF_SourceFile.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetPosition.h"
#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetRotation.h"
#include "JC_DataManager/Control/JC_ControlModuleWorldMap.h"
#include "JC_DataManager/Control/JC_ControlTeam.h"
#include "JC_DataManager/Control/JC_ControlWorldMap.h"
#include "JC_DataManager/Operator/JC_OperatorPerson.h"
#include "JC_Module/JC_ModuleResource.h"
#include "JC_Module/JC_WorldMap/JC_PlaceTree.h"
#include "JC_Module/JC_WorldMap/JC_WorldMapDocument.h"
#include "JC_Module/JC_WorldMap/View/JC_WorldMapView3.h"
#include "JC_Script/JC_ScriptManager.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <algorithm>
#include <cmath>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const float PI = 3.14159265f;
// Seconds per map unit of the walk.
const float WALK_TIME_PER_UNIT = 0.3f;
const int FLAG_SHOWN_PERSON = 0;
const int NO_PERSON = -1;

enum JE_PlaceType
{
    PLACE_FIELD = 0,
    PLACE_TOWN = 1,
    PLACE_BATTLEFIELD = 2
};

} // namespace

JC_WorldMapView2::JC_WorldMapView2()
{
    m_WalkSprite.SetSequential(1);
}

JC_WorldMapView2::~JC_WorldMapView2()
{
    StopFollowing();
    UnbuildView();
}

float JC_WorldMapView2::FacingYaw(float fDX, float fDZ)
{
    const float fLength = std::sqrt(fDX * fDX + fDZ * fDZ);
    float fYaw = std::asin(std::clamp(fDX / fLength, -1.0f, 1.0f));
    if (fDZ < 0.0f)
        fYaw = PI - fYaw;
    return fYaw;
}

DWORD JC_WorldMapView2::BuildView()
{
    UnbuildView();
    SetPosition(Layout()->GetItemDataFloat("View2_X"), Layout()->GetItemDataFloat("View2_Y"),
                Layout()->GetItemDataFloat("View2_Z"));
    JC_ControlWorldMap* const pWorldMap = m_Controls.pControlWorldMap;
    const DWORD dwSite = pWorldMap->GetSitePlaceID();
    const DWORD dwResult = m_pModuleResource->BuildWorldMesh(&m_PersonModel, "", pWorldMap->GetPlacePhotoX(dwSite),
                                                             Layout()->GetItemDataFloat("View2_PersonModelY"),
                                                             pWorldMap->GetPlacePhotoZ(dwSite), nullptr);
    if (dwResult != 0) {
        m_Controls.pErrorLog->Print("WorldMapView2 在初始化 人物模型時 發生錯誤 \n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
                                    static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    XC_SetDirectState* const pStates = m_PersonModel.GetSetDirectState();
    pStates->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    pStates->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    pStates->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    pStates->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    m_iShownPerson = NO_PERSON;
    m_bBuilt = 1;
    return 0;
}

DWORD JC_WorldMapView2::UnbuildView()
{
    m_bBuilt = 0;
    return 0;
}

DWORD JC_WorldMapView2::OpenView()
{
    if (!m_bBuilt)
        return 0;
    m_bOpen = 1;
    ShowRenderItem(&m_PersonModel, 1);
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_WorldMapView2::CloseView()
{
    // A screen closed during a walk must not leave the camera on a model
    // that goes with the view.
    StopFollowing();
    ShowRenderItem(&m_PersonModel, 0);
    m_bOpen = 0;
    return 0;
}

void JC_WorldMapView2::StopFollowing()
{
    if (XC_CameraMan* const pCamera = WorldCamera())
        pCamera->FollowLookAt(nullptr);
}

std::string JC_WorldMapView2::PersonModelFile(int iPersonID) const
{
    if (iPersonID == NO_PERSON)
        return "";
    JC_DataComponent* pPerson = nullptr;
    m_Controls.pControlTeam->FindPersonFromTeam(TeamID::TEAMID_OUR, static_cast<DWORD>(iPersonID), pPerson);
    if (pPerson == nullptr)
        return "";
    JC_OperatorPerson person;
    person.Initiation(m_Controls.pDataManager);
    person.SetDataConponent(pPerson);
    return person.GetPersonModel();
}

DWORD JC_WorldMapView2::Update()
{
    if (!m_bOpen) {
        m_bUpdatePending = 1;
        return 0;
    }
    if (m_iViewMode == VIEW_MODE_CONFIRM)
        return 0;
    const int iPerson = gp_ScriptManagerObj != nullptr
                            ? gp_ScriptManagerObj->GetScriptFlag()->GetFlagSystem(FLAG_SHOWN_PERSON)
                            : NO_PERSON;
    if (iPerson != m_iShownPerson) {
        m_iShownPerson = iPerson;
        const DWORD dwResult = m_pModuleResource->ChangeWorldMesh(&m_PersonModel, PersonModelFile(iPerson).c_str());
        if (dwResult != 0) {
            m_Controls.pErrorLog->Print("WorldMapView2 在建立 人物模型時 人物旗標:%d 時 發生錯誤 \n錯誤代碼:0x%08x "
                                        "\n錯誤檔案:%s(Line:%d) \n\n",
                                        iPerson, static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
            return dwResult;
        }
        m_PersonModel.SetRotationY(PI);
    }
    m_bUpdatePending = 0;
    return 0;
}

DWORD JC_WorldMapView2::SetChildView(JC_WorldMapView3* pView)
{
    if (pView == nullptr)
        return JE_WORLDMAPVIEW2_NULL_CHILD_VIEW;
    m_pConfirmView = pView;
    pView->GetRenderNode()->SetParent(&m_RenderNode);
    return 0;
}

void JC_WorldMapView2::SetMoveRoute(DWORD dwFrom, DWORD dwTo)
{
    m_dwRouteStart = dwFrom;
    m_dwRouteEnd = dwTo;
}

void JC_WorldMapView2::CloseConfirmView()
{
    if (m_pConfirmView == nullptr)
        return;
    m_pConfirmView->SetViewActive(0);
    m_pConfirmView->CloseView();
}

DWORD JC_WorldMapView2::SetViewMode(int iMode)
{
    if (iMode < VIEW_MODE_STAND || iMode > VIEW_MODE_CONFIRM) {
        m_Controls.pErrorLog->Print("View 2 在設定顯示模式時 發生錯誤(不支援指定的顯示模式) \nViewMode:%d \n錯誤檔案:%s(Line:%d) "
                                    "\n\n",
                                    iMode, s_szSourceFile, __LINE__);
        return JE_WORLDMAPVIEW2_VIEW_MODE_NOT_SUPPORT;
    }
    m_iViewMode = iMode;
    if (!m_bOpen)
        return 0;
    switch (iMode) {
    case VIEW_MODE_STAND:
        CloseConfirmView();
        break;
    case VIEW_MODE_WALK:
        CloseConfirmView();
        StartWalk();
        break;
    default:
        if (m_pConfirmView != nullptr) {
            m_pConfirmView->OpenView();
            m_pConfirmView->SetViewActive(1);
        }
        break;
    }
    return 0;
}

void JC_WorldMapView2::StartWalk()
{
    m_bWalking = 0;
    std::vector<DWORD> route;
    JC_PlaceTree(m_Controls.pControlWorldMap).FindRoute(m_dwRouteStart, m_dwRouteEnd, route);
    if (route.size() <= 1)
        return;
    m_bWalking = 1;
    WalkRoute(route);
}

void JC_WorldMapView2::AddTurn(float fYaw)
{
    auto* const pTurn = new XC_RenderNodeWork_SetRotation;
    pTurn->m_bAbsRotation = TRUE;
    pTurn->m_vRotation = D3DXVECTOR3(0.0f, fYaw, 0.0f);
    pTurn->SetTarget(&m_PersonModel);
    m_WalkSprite.AddWork(pTurn);
}

DWORD JC_WorldMapView2::WalkRoute(const std::vector<DWORD>& route)
{
    const float fHeight = Layout()->GetItemDataFloat("View2_PersonModelY");
    if (XC_CameraMan* const pCamera = WorldCamera())
        pCamera->FollowLookAt(&m_PersonModel);
    JC_ControlWorldMap* const pWorldMap = m_Controls.pControlWorldMap;
    for (size_t k = 1; k < route.size(); ++k) {
        const JS_WorldMapPlace* const pFrom = Document()->GetPlace(route[k - 1]);
        const JS_WorldMapPlace* const pTo = Document()->GetPlace(route[k]);
        if (pFrom == nullptr || pTo == nullptr)
            break;
        const float fDX = pTo->fPhotoX - pFrom->fPhotoX;
        const float fDZ = pTo->fPhotoZ - pFrom->fPhotoZ;
        pWorldMap->SetSitePlaceID(route[k]);
        if (route[k - 1] != route[k])
            AddTurn(FacingYaw(fDX, fDZ));
        auto* const pMove = new XC_RenderNodeWork_SetPosition;
        pMove->m_bAbsPosition = TRUE;
        pMove->m_vPosition = D3DXVECTOR3(pTo->fPhotoX, fHeight, pTo->fPhotoZ);
        pMove->SetDelayTime(0.0f);
        pMove->SetWorkTime(WALK_TIME_PER_UNIT * std::sqrt(fDX * fDX + fDZ * fDZ));
        pMove->SetTarget(&m_PersonModel);
        m_WalkSprite.AddWork(pMove);
        if (!pWorldMap->GetPlaceOverScriptName(route[k]).empty())
            break;
    }
    AddTurn(PI);
    return 0;
}

DWORD JC_WorldMapView2::RunPlaceScript(const std::string& strScript, int iLine) const
{
    if (strScript.empty() || gp_ScriptManagerObj == nullptr)
        return 0;
    const DWORD dwResult = gp_ScriptManagerObj->LoadScript(strScript);
    if (dwResult != 0)
        m_Controls.pErrorLog->Print("載入劇本時 發生錯誤 \n劇本檔案名稱:%s \n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
                                    strScript.c_str(), static_cast<unsigned>(dwResult), s_szSourceFile, iLine);
    return dwResult;
}

DWORD JC_WorldMapView2::FrameMove(float /*fElapsedTime*/)
{
    if (!m_bOpen || !m_bActive)
        return 0;
    if (gp_ScriptManagerObj != nullptr
        && gp_ScriptManagerObj->GetScriptFlag()->GetFlagSystem(FLAG_SHOWN_PERSON) != m_iShownPerson)
        Update();
    if (m_iViewMode != VIEW_MODE_WALK || m_WalkSprite.GetWorkCount() != 0)
        return 0;
    StopFollowing();
    if (!m_bWalking) {
        m_dwViewEvent = EVENT_NO_WALK;
        return 1;
    }
    const DWORD dwResult = DealArrival();
    return dwResult != 0 ? dwResult : 1;
}

DWORD JC_WorldMapView2::DealArrival()
{
    JC_ControlWorldMap* const pWorldMap = m_Controls.pControlWorldMap;
    const DWORD dwSite = pWorldMap->GetSitePlaceID();
    // An over-script runs once.
    const std::string strOver = pWorldMap->GetPlaceOverScriptName(dwSite);
    pWorldMap->SetPlaceOverScriptName(dwSite, "");
    if (!strOver.empty()) {
        const DWORD dwResult = RunPlaceScript(strOver, __LINE__);
        if (dwResult != 0)
            return dwResult;
        m_dwViewEvent = EVENT_BACK_TO_MAP;
        return 0;
    }
    switch (pWorldMap->GetPlaceType(dwSite)) {
    case PLACE_FIELD:
    case PLACE_BATTLEFIELD:
        m_dwViewEvent = pWorldMap->GetPlaceIntoScriptName(dwSite).empty() ? EVENT_BACK_TO_MAP : EVENT_ARRIVED;
        break;
    case PLACE_TOWN:
        m_dwViewEvent = EVENT_ARRIVED;
        break;
    default:
        // A place of no known type cannot be entered; the map takes input
        // again instead of waiting for ever.
        m_dwViewEvent = EVENT_BACK_TO_MAP;
        break;
    }
    return 0;
}

DWORD JC_WorldMapView2::MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (!m_bActive || m_iViewMode != VIEW_MODE_CONFIRM || m_pConfirmView == nullptr)
        return 0;
    if (m_pConfirmView->MsgProc(uMsg, wParam, lParam) != 1)
        return 0;
    const DWORD dwAnswer = m_pConfirmView->GetViewEvent();
    m_pConfirmView->ClearViewEvent();
    return DealAnswer(dwAnswer);
}

DWORD JC_WorldMapView2::DealAnswer(DWORD dwAnswer)
{
    if (dwAnswer == JC_WorldMapView3::EVENT_CANCEL) {
        m_dwViewEvent = EVENT_BACK_TO_MAP;
        return 1;
    }
    if (dwAnswer != JC_WorldMapView3::EVENT_OK)
        return 0;
    JC_ControlWorldMap* const pWorldMap = m_Controls.pControlWorldMap;
    const DWORD dwSite = pWorldMap->GetSitePlaceID();
    const int iPlaceType = pWorldMap->GetPlaceType(dwSite);
    if (iPlaceType == PLACE_TOWN) {
        // A town's into-script runs at the first entry only.
        const std::string strInto = pWorldMap->GetPlaceIntoScriptName(dwSite);
        pWorldMap->SetPlaceIntoScriptName(dwSite, "");
        const DWORD dwResult = RunPlaceScript(strInto, __LINE__);
        if (dwResult != 0)
            return dwResult;
        m_dwViewEvent = EVENT_TOWN_ENTERED;
        return 1;
    }
    if (iPlaceType != PLACE_FIELD && iPlaceType != PLACE_BATTLEFIELD)
        return 0;
    const DWORD dwResult = RunPlaceScript(pWorldMap->GetPlaceIntoScriptName(dwSite), __LINE__);
    if (dwResult != 0)
        return dwResult;
    m_dwViewEvent = EVENT_BACK_TO_MAP;
    return 1;
}

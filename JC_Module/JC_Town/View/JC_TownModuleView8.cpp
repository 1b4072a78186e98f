#include "JC_Module/JC_Town/View/JC_TownModuleView8.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "JC_DataManager/Control/JC_ControlModuleTown.h"
#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_DataManager/Control/JC_ControlTeam.h"
#include "JC_Module/JC_ModuleResource.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView9.h"
#include "TemplateSystem/JC_DataComponent.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <cstdio>
#include <memory>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const int SQUARES[] = {JC_TownModuleView8::ITEM_SQUARE1, JC_TownModuleView8::ITEM_SQUARE2};
const int SOURCE_MODELS[] = {JC_TownModuleView8::ITEM_MONSTER1, JC_TownModuleView8::ITEM_MONSTER2};
const char* const STEP_KEYS[JC_TownModuleView8::STEP_COUNT] = {"View8_Step1UseTime", "View8_Step2UseTime",
                                                               "View8_Step3UseTime", "View8_Step4UseTime"};

void EnableAlphaBlend(XC_RenderingObject* pItem)
{
    XC_SetDirectState* const pStates = pItem->GetSetDirectState();
    pStates->SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
    pStates->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    pStates->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
}

} // namespace

JC_TownModuleView8::JC_TownModuleView8() : JC_TownModuleViewBase(8, ITEM_COUNT)
{
}

JC_TownModuleView8::~JC_TownModuleView8()
{
    UnbuildView();
}

void JC_TownModuleView8::ReportBuildFail(float fX, float fY, float fZ, const std::string& strFile,
                                         const std::string& strText, DWORD dwResult) const
{
    m_Controls.pErrorLog->Print("View8 在建立 視窗元件時 發生錯誤 \nItemX:%f , ItemY:%f , ItemZ:%f , ItemF:%s , "
                                "ItemT:%s \n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
                                fX, fY, fZ, strFile.c_str(), strText.c_str(), static_cast<unsigned>(dwResult),
                                s_szSourceFile, __LINE__);
}

DWORD JC_TownModuleView8::RefuseViewMode(int iMode, DWORD dwCode) const
{
    m_Controls.pErrorLog->Print(
        "View 4 在設定顯示模式時 發生錯誤(不支援指定的顯示模式) \nViewMode:%d \n錯誤檔案:%s(Line:%d) \n\n", iMode,
        s_szSourceFile, __LINE__);
    return dwCode;
}

DWORD JC_TownModuleView8::InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent,
                                         JC_ModuleMouse* pModuleMouse, JC_ModuleResource* pModuleResource)
{
    DWORD dwResult = JC_TownModuleViewBase::InitiationView(pControlManager, pParent, pModuleMouse, pModuleResource);
    if (dwResult != 0)
        return dwResult;
    dwResult = m_ControlPersonHybridizeObj.Initiation(m_Controls.pDataManager, m_Controls.pBehaviorAnalyser);
    if (dwResult != 0)
        m_Controls.pErrorLog->Print("TownModuleView8 無法重置 人物合體控制者 \n錯誤代碼:%x \n錯誤檔案:%s(Line:%d) \n\n",
                                    static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
    return dwResult;
}

DWORD JC_TownModuleView8::SetChildView(JC_ModuleViewBase* pView)
{
    if (pView == nullptr)
        return JE_TOWNMODULEVIEW8_NULL_CHILD_VIEW;
    m_pChildView = static_cast<JC_TownModuleView9*>(pView);
    m_pChildView->GetRenderNode()->SetParent(&m_RenderNode);
    return 0;
}

DWORD JC_TownModuleView8::BuildModel(int iItem, const char* szItem, float fScale)
{
    const DWORD dwResult = BuildAnimationItem(iItem, szItem, FALSE);
    if (dwResult != 0)
        return dwResult;
    GetAnimation(iItem)->SetScaleXYZ(fScale, fScale, fScale);
    EnableAlphaBlend(GetAnimation(iItem));
    return 0;
}

DWORD JC_TownModuleView8::BuildItems()
{
    DWORD dwResult = BuildAnimationItem(ITEM_BK, "Bk", TRUE);
    const float fBackScale = Layout()->GetItemDataFloat("View8_MonsterScaleBack");
    if (dwResult == 0)
        dwResult = BuildModel(ITEM_MONSTER1, "Monster1", fBackScale);
    if (dwResult == 0)
        dwResult = BuildModel(ITEM_MONSTER2, "Monster2", fBackScale);
    if (dwResult == 0)
        dwResult = BuildModel(ITEM_MONSTER3, "Monster3", Layout()->GetItemDataFloat("View8_MonsterScaleFront"));
    const char* const szSquares[] = {"MagicSquare1", "MagicSquare2", "MagicSquare3"};
    for (int i = 0; i < 3 && dwResult == 0; ++i)
        dwResult = BuildAnimationItem(ITEM_SQUARE1 + i, szSquares[i], TRUE);
    const char* const szShines[] = {"MagicShine1", "MagicShine2", "MagicShine3"};
    for (int i = 0; i < 3 && dwResult == 0; ++i) {
        auto pShine = std::make_unique<XC_RenderAnimation>();
        pShine->SetRePlay(0);
        dwResult = BuildAnimationItem(ITEM_SHINE1 + i, szShines[i], TRUE, 0.0f, 0.0f, std::move(pShine));
    }
    for (int i = 0; i < STEP_COUNT; ++i)
        m_fStepTimes[i] = Layout()->GetItemDataFloat(STEP_KEYS[i]);
    return dwResult;
}

DWORD JC_TownModuleView8::BuildView()
{
    UnbuildView();
    PlaceView();
    const DWORD dwResult = BuildItems();
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

DWORD JC_TownModuleView8::OpenView()
{
    if (!m_bBuilt)
        return 0;
    ShowRenderItemPage(GetAnimation(ITEM_BK), 1, 0);
    PlayRenderItem(GetAnimation(ITEM_BK), 1, 0, 0);
    ShowPages(ITEM_SQUARE1, ITEM_SQUARE2, 1);
    m_iPlaces[0] = -1;
    m_iPlaces[1] = -1;
    m_iResultPlace = -1;
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_TownModuleView8::SetViewMode(int iMode)
{
    if (iMode < MODE_CHOOSE || iMode > MODE_ANIMATION)
        return RefuseViewMode(iMode, JE_TOWNMODULEVIEW8_VIEW_MODE_NOT_SUPPORT);
    m_iViewMode = iMode;
    if (!m_bOpen)
        return 0;
    if (iMode == MODE_LIST) {
        m_pChildView->SetSelectPerson(m_iPlaces[0], m_iPlaces[1]);
        m_pChildView->OpenView();
        m_pChildView->SetViewActive(1);
        return 0;
    }
    m_pChildView->SetViewActive(0);
    m_pChildView->CloseView();
    if (iMode == MODE_ANIMATION) {
        m_iStep = 0;
        m_fTime = 0.0f;
    }
    return 0;
}

void JC_TownModuleView8::ShowModel(int iItem, int iPlace)
{
    JC_DataComponent* pPerson = nullptr;
    m_Controls.pControlTeam->GetPersonFromTeam(TeamID::TEAMID_OUR, iPlace, pPerson);
    JC_ControlPersonPower power;
    std::string strModel;
    if (pPerson != nullptr && power.Initiation(m_Controls.pDataManager, m_Controls.pBehaviorAnalyser) == 0
        && power.SetControlPerson(pPerson) == 0) {
        char szModel[MAX_PATH];
        std::snprintf(szModel, sizeof(szModel), "%s%08x\\00a.ant", GetPathPersonAni().c_str(),
                      static_cast<unsigned>((power.GetID() << 16) | power.GetJobID()));
        strModel = szModel;
    }
    XC_RenderAnimation* const pModel = GetAnimation(iItem);
    m_pModuleResource->ChangeScreenAnimation(pModel, strModel.c_str());
    ShowRenderItemPage(pModel, 1, 0);
    PlayRenderItem(pModel, 1, 0, 0);
}

void JC_TownModuleView8::SetSource(int iSource, int iPlace)
{
    if (m_iPlaces[iSource] == iPlace)
        return;
    m_iPlaces[iSource] = iPlace;
    XC_RenderAnimation* const pModel = GetAnimation(SOURCE_MODELS[iSource]);
    if (iPlace == -1) {
        m_pModuleResource->ChangeScreenAnimation(pModel, "");
        ShowRenderItemPage(pModel, 0, 0);
        return;
    }
    ShowModel(SOURCE_MODELS[iSource], iPlace);
}

DWORD JC_TownModuleView8::SetHybridizePerson(int iFirst, int iSecond)
{
    SetSource(0, iFirst);
    SetSource(1, iSecond);
    if (m_iPlaces[0] != -1 && m_iPlaces[1] != -1) {
        ShowRenderItemPage(GetAnimation(ITEM_SQUARE3), 1, 0);
        PlayRenderItem(GetAnimation(ITEM_SQUARE3), 1, 0, 0);
    }
    return 0;
}

void JC_TownModuleView8::HoverSquare(int iSquare)
{
    if (iSquare == m_iHoveredSquare)
        return;
    if (m_iHoveredSquare != -1)
        PlayRenderItem(GetAnimation(m_iHoveredSquare), 0, 0, 0);
    if (iSquare != -1)
        PlayRenderItem(GetAnimation(iSquare), 1, 1, 0);
    m_iHoveredSquare = iSquare;
}

DWORD JC_TownModuleView8::DealChildMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pChildView->MsgProc(uMsg, wParam, lParam) != 1)
        return 0;
    const DWORD dwChildEvent = m_pChildView->GetViewEvent();
    m_pChildView->ClearViewEvent();
    if (dwChildEvent == JC_TownModuleView9::EVENT_PICKED) {
        int iFirst = -1;
        int iSecond = -1;
        m_pChildView->GetSelectPerson(iFirst, iSecond);
        SetHybridizePerson(iFirst, iSecond);
    }
    m_dwViewEvent = EVENT_LIST_CLOSED;
    return 1;
}

DWORD JC_TownModuleView8::DealLeftButton()
{
    if (m_iResultPlace != -1) {
        ShowRenderItemPage(GetAnimation(ITEM_MONSTER3), 0, 0);
        m_iResultPlace = -1;
    }
    if (IsItemHit(ITEM_SQUARE3))
        return Merge();
    if (m_iHoveredSquare == -1)
        return 0;
    PlayRenderItem(GetAnimation(m_iHoveredSquare), 0, 0, 0);
    m_pChildView->SetViewMode(m_iHoveredSquare == ITEM_SQUARE1 ? JC_TownModuleView9::MODE_FIRST
                                                               : JC_TownModuleView9::MODE_SECOND);
    m_dwViewEvent = EVENT_OPEN_LIST;
    return 1;
}

DWORD JC_TownModuleView8::MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (!m_bActive)
        return 0;
    if (m_iViewMode == MODE_LIST)
        return DealChildMessage(uMsg, wParam, lParam);
    if (m_iViewMode == MODE_ANIMATION)
        return 0;
    if (uMsg == WM_MOUSEMOVE) {
        const int iHit = HitItem(SQUARES, 2);
        HoverSquare(iHit >= 0 ? SQUARES[iHit] : -1);
        return 0;
    }
    return uMsg == WM_LBUTTONDOWN ? DealLeftButton() : 0;
}

void JC_TownModuleView8::ReportMergeFail(DWORD dwResult) const
{
    m_Controls.pErrorLog->Print("合體時發生錯誤 \n來源TeamID:%d,%d \n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
                                m_iPlaces[0], m_iPlaces[1], static_cast<unsigned>(dwResult), s_szSourceFile,
                                __LINE__);
}

DWORD JC_TownModuleView8::Merge()
{
    if (m_iHoveredSquare != -1)
        PlayRenderItem(GetAnimation(m_iHoveredSquare), 0, 0, 0);
    ShowRenderItemPage(GetAnimation(ITEM_SQUARE3), 0, 0);
    JC_ControlTeam* const pTeam = m_Controls.pControlTeam;
    JC_DataComponent* pPersonA = nullptr;
    JC_DataComponent* pPersonB = nullptr;
    pTeam->GetPersonFromTeam(TeamID::TEAMID_OUR, m_iPlaces[0], pPersonA);
    pTeam->GetPersonFromTeam(TeamID::TEAMID_OUR, m_iPlaces[1], pPersonB);
    std::unique_ptr<JC_DataComponent> pMerged;
    const DWORD dwResult = m_ControlPersonHybridizeObj.Hybridize(pPersonA, pPersonB, pMerged);
    if (dwResult != 0 || pMerged == nullptr) {
        ReportMergeFail(dwResult);
        return dwResult;
    }
    const DWORD dwPlaced = PlaceMerged(pMerged.get());
    if (dwPlaced != 1)
        return dwPlaced;
    m_iPlaces[0] = -1;
    m_iPlaces[1] = -1;
    m_dwViewEvent = EVENT_MERGED;
    return 1;
}

DWORD JC_TownModuleView8::PlaceMerged(const JC_DataComponent* pMerged)
{
    JC_ControlTeam* const pTeam = m_Controls.pControlTeam;
    // The sources are kept until the merged monster has its place.
    std::unique_ptr<JC_DataComponent> pSources[2];
    for (int i = 0; i < 2; ++i) {
        JC_DataComponent* pSource = nullptr;
        pTeam->GetPersonFromTeam(TeamID::TEAMID_OUR, m_iPlaces[i], pSource);
        pSources[i] = std::make_unique<JC_DataComponent>();
        const DWORD dwResult = pSources[i]->Copy(pSource, JC_DataComponent::ADOPT_LAYOUT);
        if (dwResult != 0) {
            ReportMergeFail(dwResult);
            return dwResult;
        }
    }
    pTeam->DelPersonFromTeam(TeamID::TEAMID_OUR, m_iPlaces[0]);
    pTeam->DelPersonFromTeam(TeamID::TEAMID_OUR, m_iPlaces[1]);
    const int iPlace =
        pTeam->FindEmptyTeamIndex(TeamID::TEAMID_OUR, JC_ControlTeam::PET_FIRST, JC_ControlTeam::PET_LAST);
    DWORD dwResult = iPlace < 0 ? static_cast<DWORD>(iPlace) : 0;
    if (iPlace < 0)
        m_Controls.pErrorLog->Print("View 4 找出魔獸可以加入的位置時 發生錯誤 \n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
                                    static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
    JC_DataComponent* pAdded = nullptr;
    if (dwResult == 0) {
        dwResult = pTeam->AddPersonToTeam(TeamID::TEAMID_OUR, iPlace, pMerged, &pAdded);
        if (dwResult != 0)
            m_Controls.pErrorLog->Print(
                "從靜態資料加人物到我方隊伍時發生錯誤 \n加入位置:%d \n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n", iPlace,
                static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
    }
    if (dwResult != 0) {
        if (iPlace >= 0)
            pTeam->DelPersonFromTeam(TeamID::TEAMID_OUR, iPlace);
        for (int i = 0; i < 2; ++i)
            pTeam->AddPersonToTeam(TeamID::TEAMID_OUR, m_iPlaces[i], pSources[i].get());
        return dwResult;
    }
    JC_ControlPersonPower power;
    if (power.Initiation(m_Controls.pDataManager, m_Controls.pBehaviorAnalyser) == 0
        && power.SetControlPerson(pAdded) == 0)
        power.SetCamp(0);
    m_iResultPlace = iPlace;
    return 1;
}

void JC_TownModuleView8::PlayStep()
{
    switch (m_iStep) {
    case 0:
        for (const int iShine : {ITEM_SHINE1, ITEM_SHINE2}) {
            ShowRenderItemPage(GetAnimation(iShine), 1, 0);
            PlayRenderItem(GetAnimation(iShine), 1, 0, 0);
        }
        break;
    case 1:
        ShowRenderItemPage(GetAnimation(ITEM_MONSTER1), 0, 0);
        ShowRenderItemPage(GetAnimation(ITEM_MONSTER2), 0, 0);
        ShowRenderItemPage(GetAnimation(ITEM_SHINE3), 1, 0);
        PlayRenderItem(GetAnimation(ITEM_SHINE3), 1, 0, 0);
        break;
    case 2:
        ShowRenderItemPage(GetAnimation(ITEM_SHINE1), 0, 0);
        ShowRenderItemPage(GetAnimation(ITEM_SHINE2), 0, 0);
        ShowModel(ITEM_MONSTER3, m_iResultPlace);
        break;
    default:
        ShowRenderItemPage(GetAnimation(ITEM_SHINE3), 0, 0);
        break;
    }
    ++m_iStep;
}

DWORD JC_TownModuleView8::FrameMove(float fElapsedTime)
{
    if (!m_bOpen || !m_bActive || m_iViewMode != MODE_ANIMATION)
        return 0;
    m_fTime += fElapsedTime;
    if (m_iStep == 0) {
        PlayStep();
        return 0;
    }
    if (m_fTime < m_fStepTimes[m_iStep - 1])
        return 0;
    if (m_iStep == STEP_COUNT) {
        m_dwViewEvent = EVENT_ANIMATION_DONE;
        return 1;
    }
    PlayStep();
    return 0;
}

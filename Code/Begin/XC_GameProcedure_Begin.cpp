#include "Code/Begin/XC_GameProcedure_Begin.h"

#include "Code/MessageBox/XC_GameMessageBox.h"
#include "Code/XC_Game.h"
#include "Code/XC_GameFileName.h"
#include "Code/XC_GameText.h"
#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_Strtok.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/Input/XC_InputOfKeyboard.h"
#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "GameProgram/Resource/XC_AnimationObject.h"
#include "GameProgram/Resource/XC_AnimationPic.h"
#include "GameProgram/Scene/XC_Mouse.h"
#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Event/JC_EventManager.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_DataManager/Manager/JC_Oskel3TransformUnfixedData.h"
#include "JC_Order/JC_OrderDealManager.h"
#include "JC_Order/JC_OrderManager.h"
#include "JC_Script/DealScript/JC_ScriptDealManager.h"
#include "JC_Script/JC_ScriptManager.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <cstring>
#include <functional>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

const DWORD GF_TITLE_MUSIC = 125;
const DWORD GT_CARRY_OVER_QUESTION = 26;
const DWORD MENU_RENDER_GROUP = 70;
const DWORD SCENE_ELEMENT_RENDER_GROUP = 72;
const WPARAM ID_GAME_EXIT = 40006;
const float BUTTON_LOWER_Z = 50.0f;
const float LEVEL_BUTTON_LOWER_Z = 60.0f;

struct XS_ResetStep
{
    const char* szFailure;
    std::function<DWORD()> run;
};

D3DXVECTOR3 ReadPosition(const XC_TextNode* pTNode, const char* szName)
{
    D3DXVECTOR3 vPosition(0.0f, 0.0f, 0.0f);
    pTNode->GetVector3(szName, &vPosition.x, &vPosition.y, &vPosition.z);
    return vPosition;
}

} // namespace

XC_GameProcedure_Begin::XS_Button::~XS_Button()
{
    delete pAnimation;
}

XC_GameProcedure_Begin::XS_LevelButton::~XS_LevelButton()
{
    delete pAnimation;
}

XC_GameProcedure_Begin::XC_GameProcedure_Begin() = default;

XC_GameProcedure_Begin::~XC_GameProcedure_Begin()
{
    ClearBaseMap();
    ClearButton();
    ClearLevelButton();
}

HRESULT XC_GameProcedure_Begin::Init()
{
    if (ResetGameData() != 0)
        return E_FAIL;
    ShowCursor(FALSE);
    m_MessageSignboard.Init(GetEnvironmentOfRender(), TRUE);
    m_MessageSignboard.SetPositionXYZ(30.0f, 0.0f, 0.0f);
    if (g_pMouseObj != nullptr)
        g_pMouseObj->GetCursorManager()->AddChild(&m_MessageSignboard);
    m_SceneElementManager.Init(g_pPackFile_Data);
    m_SceneElementManager.SetEnvironmentOfRender(GetEnvironmentOfRender());
    m_SceneElementManager.SetShow(TRUE);
    return LoadConfig();
}

// The game data as a new start has it; each step only after the previous
// one succeeded.
HRESULT XC_GameProcedure_Begin::ResetGameData()
{
    const XS_ResetStep steps[] = {
        {" Build DataManagerObj InitUnfixedDataFail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_DataManagerObj->InitUnfixedData(0); }},
        {" Build DataManagerObj InitModuleDataFail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_DataManagerObj->InitModuleData(); }},
        {" Begin DataManagerObj InitRecordDataFail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_DataManagerObj->InitRecordData(); }},
        {" Begin DataManagerObj LoadRecordDataFail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_DataManagerObj->LoadRecordData(0, 60000, 0); }},
        {"重置 JC_BehaviorAnalyser物件 發生錯誤 \n 錯誤代碼:0x%x \n",
         [] { return gp_BehaviorAnalyserObj->Initiation(gp_DataManagerObj); }},
        {" ScriptDealLoad Initiation ControlManagerObj Fail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_ControlManagerObj->Initiation(gp_DataManagerObj, gp_BehaviorAnalyserObj); }},
        {" ScriptDealLoad Initiation OrderManagerObj Fail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_OrderManagerObj->Initiation(gp_ControlManagerObj); }},
        {" ScriptDealLoad Initiation OrderDealManagerObj Fail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_OrderDealManagerObj->Initiation(gp_OrderManagerObj); }},
        {" ScriptDealLoad Initiation EventManagerObj Fail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_EventManagerObj->Initiation(gp_ControlManagerObj); }},
        {" ScriptDealLoad ReInitiation EventManagerObj Fail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_EventManagerObj->EventClsAll(); }},
        {" ScriptDealLoad Initiation ScriptManagerObj Fail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_ScriptManagerObj->Initiation2(); }},
        {" ScriptDealLoad Initiation ScriptDealManagerObj Fail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_ScriptDealManagerObj->Initiation(gp_ControlManagerObj, gp_EventManagerObj); }},
    };
    if (gp_DataManagerObj == nullptr) {
        XM_REPORT_FAILED("gp_DataManagerObj");
        return E_FAIL;
    }
    for (const XS_ResetStep& step : steps) {
        const DWORD dwResult = step.run();
        if (dwResult != 0) {
            gp_DebugInfoObj->PrintAt(s_szSourceFile, __LINE__, step.szFailure, static_cast<unsigned>(dwResult));
            return static_cast<HRESULT>(dwResult);
        }
    }
    const HRESULT hr = XC_AnimationPic::LoadAnimationPicAll();
    if (hr != S_OK)
        XM_REPORT_FAILED_HR("XC_AnimationPic::LoadAnimationPicAll()", hr);
    return S_OK;
}

HRESULT XC_GameProcedure_Begin::LoadConfig()
{
    XS_FileData* pFileData = g_pPackFile_Data != nullptr ? g_pPackFile_Data->GetData("GameBeginConfig.txt") : nullptr;
    if (pFileData == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, "Cant Find \"GameBeginConfig.txt\"");
        return E_FAIL;
    }
    XC_TextTree TTree;
    const HRESULT hr = TTree.LoadMem(pFileData->pData, pFileData->dwSize);
    delete pFileData;
    if (hr != S_OK)
        XM_REPORT_FAILED_HR("TTree.LoadMem( pFileData->pData , pFileData->dwSize )", hr);

    XC_TextNode* pTNodeBackground = TTree.FindChildNode("[Background]");
    XC_TextNode* pTNodeButtonSet = TTree.FindChildNode("[Button]");
    XC_TextNode* pTNodeLevelButtonSet = TTree.FindChildNode("[LevelButton]");
    const struct
    {
        const XC_TextNode* pTNode;
        const char* szName;
    } sections[] = {{pTNodeBackground, "pTNodeBackground"},
                    {pTNodeButtonSet, "pTNodeButtonSet"},
                    {pTNodeLevelButtonSet, "pTNodeLevelButtonSet"}};
    for (const auto& section : sections) {
        if (section.pTNode == nullptr) {
            XM_REPORT_FAILED(section.szName);
            return E_FAIL;
        }
    }
    if (InitBaseMap(pTNodeBackground) != S_OK) {
        XM_REPORT_FAILED("InitBaseMap( pTNodeBackground )");
        return E_FAIL;
    }
    if (InitButton(pTNodeButtonSet) != S_OK) {
        XM_REPORT_FAILED("InitButton( pTNodeButtonSet )");
        return E_FAIL;
    }
    if (InitLevelButton(pTNodeLevelButtonSet) != S_OK) {
        XM_REPORT_FAILED("InitLevelButton( pTNodeLevelButtonSet )");
        return E_FAIL;
    }
    return S_OK;
}

HRESULT XC_GameProcedure_Begin::InitBaseMap(XC_TextNode* pTNode)
{
    m_pRA_Begin = new XC_RenderAnimation;
    const char* szAniName = pTNode->GetStr("szAniName", nullptr);
    if (szAniName == nullptr || m_pRA_Begin->LoadAnimation(szAniName) != S_OK)
        XM_REPORT_FAILED("m_pRA_Begin->SetAnimationObject( szAniName )");
    m_pRA_Begin->SetCoordinateSystem(1);
    m_pRA_Begin->SetRenderQueueGroup(MENU_RENDER_GROUP);
    m_pRA_Begin->SetEnvironmentOfRender(GetEnvironmentOfRender());
    const D3DXVECTOR3 vPosition = ReadPosition(pTNode, "xyzPos");
    m_pRA_Begin->SetPosition(&vPosition);
    m_pRA_Begin->SetPlaySpeed(1.0f);
    m_pRA_Begin->SetCurrentPage(0);
    m_pRA_Begin->SetRePlay(FALSE);

    const DWORD dwVersion = g_pGame != nullptr ? g_pGame->GetVersion() : 0;
    m_pRS_Version = new XC_RenderString;
    m_pRS_Version->SetCoordinateSystem(1);
    m_pRS_Version->SetRenderQueueGroup(MENU_RENDER_GROUP);
    m_pRS_Version->SetEnvironmentOfRender(GetEnvironmentOfRender());
    m_pRS_Version->SetString(XF_FormatText("V %01d.%02d", static_cast<int>(dwVersion / 100), static_cast<int>(dwVersion % 100)),
                             0xFFFFFFFF);
    const D3DXVECTOR3 vVersionPosition = ReadPosition(pTNode, "xyzVersionPos");
    m_pRS_Version->SetPosition(&vVersionPosition);

    if (g_pGame != nullptr) {
        XC_ShowAudio* pMusic = g_pGame->GetBackgroundMusicObj();
        const HRESULT hr = pMusic->AddMusic(g_pGameFileName->GetFileName(GF_TITLE_MUSIC), 0);
        if (hr != S_OK)
            XM_REPORT_FAILED_HR("g_pGame->GetBackgroundMusicObj()->AddAudio( g_pGameFileName->GetFileName( 125 ) , 0 )", hr);
        pMusic->Play();
    }
    const XC_TextNode* pTNodeElements = pTNode->FindChildNode("[SceneElementList]");
    if (pTNodeElements != nullptr) {
        m_SceneElementManager.LoadFromNode(pTNodeElements);
        m_SceneElementManager.SetRenderQueueGroup(SCENE_ELEMENT_RENDER_GROUP);
    }
    return S_OK;
}

XC_RenderAnimation* XC_GameProcedure_Begin::CreateButtonAnimation(const XC_TextNode* pTNode, float fLowerZ)
{
    XC_RenderAnimation* pAnimation = new XC_RenderAnimation;
    const char* szAniName = pTNode->GetStr("szAniName", nullptr);
    if (szAniName == nullptr || pAnimation->LoadAnimation(szAniName) != S_OK)
        XM_REPORT_FAILED("pAnimation->SetAnimationObject( szAniName )");
    pAnimation->SetCoordinateSystem(1);
    pAnimation->SetRenderQueueGroup(MENU_RENDER_GROUP);
    pAnimation->SetRePlay(FALSE);
    pAnimation->Stop();
    pAnimation->SetEnvironmentOfRender(GetEnvironmentOfRender());
    D3DXVECTOR3 vPosition = ReadPosition(pTNode, "xyzPos");
    vPosition.z -= fLowerZ;
    pAnimation->SetPosition(&vPosition);
    return pAnimation;
}

HRESULT XC_GameProcedure_Begin::InitButton(XC_TextNode* pTNode)
{
    for (int i = 0; i < pTNode->GetChildNodeCount(); ++i) {
        const XC_TextNode* pTNodeButton = pTNode->FindChildNode(i);
        auto pButton = std::make_unique<XS_Button>();
        pButton->pAnimation = CreateButtonAnimation(pTNodeButton, BUTTON_LOWER_Z);
        pButton->strCommand = pTNodeButton->GetStr("Command", "");
        m_ButtonList.push_back(std::move(pButton));
    }
    return S_OK;
}

HRESULT XC_GameProcedure_Begin::InitLevelButton(XC_TextNode* pTNode)
{
    for (int i = 0; i < pTNode->GetChildNodeCount(); ++i) {
        const XC_TextNode* pTNodeButton = pTNode->FindChildNode(i);
        auto pLevel = std::make_unique<XS_LevelButton>();
        pLevel->pAnimation = CreateButtonAnimation(pTNodeButton, LEVEL_BUTTON_LOWER_Z);
        pLevel->dwLevel = pTNodeButton->GetDword("dwLevel", 0);
        pLevel->bCanTransformOskel3 = pTNodeButton->GetBool("bCanTransformOskel3", FALSE);
        pLevel->strExplain = g_pGameText->GetText(pTNodeButton->GetDword("dwExplain", 0));
        m_LevelButtonList.push_back(std::move(pLevel));
    }
    return S_OK;
}

HRESULT XC_GameProcedure_Begin::Fini()
{
    if (ClearBaseMap() != S_OK)
        XM_REPORT_FAILED("ClearBaseMap()");
    if (ClearButton() != S_OK)
        XM_REPORT_FAILED("ClearButton()");
    if (ClearLevelButton() != S_OK)
        XM_REPORT_FAILED("ClearLevelButton()");
    return S_OK;
}

HRESULT XC_GameProcedure_Begin::ClearBaseMap()
{
    m_SceneElementManager.ClearAll();
    if (m_pRA_Begin != nullptr && g_pGame != nullptr) {
        const HRESULT hr = g_pGame->GetBackgroundMusicObj()->DelMusic(0);
        if (hr != S_OK)
            XM_REPORT_FAILED_HR("g_pGame->GetBackgroundMusicObj()->DelAudio( 0 )", hr);
    }
    delete m_pRA_Begin;
    m_pRA_Begin = nullptr;
    delete m_pRS_Version;
    m_pRS_Version = nullptr;
    m_MessageSignboard.DetachFromParent();
    return S_OK;
}

HRESULT XC_GameProcedure_Begin::ClearButton()
{
    m_pHitButton = nullptr;
    m_ButtonList.clear();
    return S_OK;
}

HRESULT XC_GameProcedure_Begin::ClearLevelButton()
{
    m_pHitLevelButton = nullptr;
    m_LevelButtonList.clear();
    return S_OK;
}

HRESULT XC_GameProcedure_Begin::OnOpen()
{
    CentreMouse();
    ShowCursor(TRUE);
    if (m_pRA_Begin != nullptr)
        m_pRA_Begin->SetShow(TRUE);
    if (m_pRS_Version != nullptr)
        m_pRS_Version->SetShow(TRUE);
    return S_OK;
}

void XC_GameProcedure_Begin::FrameMove(float)
{
    switch (m_iState) {
    case BS_TitleAnimation: StepTitleAnimation(); break;
    case BS_OpenMainMenu: StepOpenMainMenu(); break;
    case BS_MainMenu: StepMainMenu(); break;
    case BS_Command: StepCommand(); break;
    case BS_OpenLevelMenu: StepOpenLevelMenu(); break;
    case BS_LevelMenu: StepLevelMenu(); break;
    case BS_LevelChosen: StepLevelChosen(); break;
    case BS_CarryOverAnswer: StepCarryOverAnswer(); break;
    case BS_StartNewGame: StepStartNewGame(); break;
    case BS_LoadGame: StepLoadGame(); break;
    case BS_BackToMenu: m_iState = BS_OpenMainMenu; break;
    case BS_ExitGame: StepExitGame(); break;
    default: XF_ReportError(s_szSourceFile, __LINE__, nullptr); break;
    }
}

// A click or a key skips to the animation's last page.
void XC_GameProcedure_Begin::StepTitleAnimation()
{
    ShowCursor(FALSE);
    if (m_pRA_Begin == nullptr)
        return;
    const bool bClicked = g_pMouseStateObj != nullptr && (g_pMouseStateObj->IsButtonPressed(XC_MouseState::BUTTON_LEFT) ||
                                                          g_pMouseStateObj->IsButtonPressed(XC_MouseState::BUTTON_RIGHT));
    const bool bKey = g_pInputOfKeyboardObj != nullptr && g_pInputOfKeyboardObj->IsAnyKeyChanged();
    if (bClicked || bKey)
        m_pRA_Begin->SetCurrentPage(0xFFFFFFFF);
    if (m_pRA_Begin->IsLastPageEnd()) {
        CentreMouse();
        m_iState = BS_OpenMainMenu;
    }
}

void XC_GameProcedure_Begin::StepOpenMainMenu()
{
    m_pHitButton = nullptr;
    for (const auto& pButton : m_ButtonList) {
        StopOnFirstPage(pButton->pAnimation);
        pButton->pAnimation->SetShow(TRUE);
    }
    m_iState = BS_MainMenu;
}

void XC_GameProcedure_Begin::StepMainMenu()
{
    ShowCursor(TRUE);
    if (g_pMouseStateObj != nullptr && g_pMouseStateObj->IsMoved()) {
        XS_Button* pHitButton = HitTest(m_ButtonList);
        if (pHitButton != m_pHitButton) {
            if (m_pHitButton != nullptr)
                StopOnFirstPage(m_pHitButton->pAnimation);
            if (pHitButton != nullptr)
                PlayFromFirstPage(pHitButton->pAnimation);
            m_pHitButton = pHitButton;
        }
    }
    if (m_pHitButton != nullptr && g_pMouseStateObj != nullptr &&
        g_pMouseStateObj->IsButtonPressed(XC_MouseState::BUTTON_LEFT)) {
        ShowCursor(FALSE);
        m_iState = BS_Command;
    }
}

void XC_GameProcedure_Begin::StepCommand()
{
    if (m_pHitButton == nullptr || !HasReachedLastPage(m_pHitButton->pAnimation))
        return;
    XC_Strtok words;
    words.SetData(m_pHitButton->strCommand.c_str());
    const char* szCommand = words.GetToken(TRUE);
    if (szCommand == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, "check GameBeginConfig.txt");
        return;
    }
    if (std::strcmp(szCommand, "NewGame") == 0) {
        const char* szScript = words.GetToken(TRUE);
        if (szScript == nullptr) {
            XF_ReportError(s_szSourceFile, __LINE__, "check GameBeginConfig.txt");
            return;
        }
        m_strNewGameScirptName = szScript;
        m_iState = BS_OpenLevelMenu;
    } else if (std::strcmp(szCommand, "LoadGame") == 0) {
        m_iState = BS_LoadGame;
    } else if (std::strcmp(szCommand, "ExitGame") == 0) {
        m_iState = BS_ExitGame;
    }
}

void XC_GameProcedure_Begin::StepOpenLevelMenu()
{
    m_pHitLevelButton = nullptr;
    for (const auto& pButton : m_ButtonList)
        pButton->pAnimation->SetShow(FALSE);
    for (const auto& pLevel : m_LevelButtonList) {
        StopOnFirstPage(pLevel->pAnimation);
        pLevel->pAnimation->SetShow(TRUE);
    }
    m_iState = BS_LevelMenu;
}

void XC_GameProcedure_Begin::StepLevelMenu()
{
    ShowCursor(TRUE);
    if (g_pMouseStateObj == nullptr)
        return;
    if (g_pMouseStateObj->IsButtonPressed(XC_MouseState::BUTTON_RIGHT)) {
        m_MessageSignboard.SetShow(FALSE);
        for (const auto& pLevel : m_LevelButtonList)
            pLevel->pAnimation->SetShow(FALSE);
        m_iState = BS_OpenMainMenu;
        return;
    }
    if (g_pMouseStateObj->IsMoved()) {
        XS_LevelButton* pHitLevel = HitTest(m_LevelButtonList);
        if (pHitLevel != m_pHitLevelButton) {
            if (m_pHitLevelButton != nullptr)
                StopOnFirstPage(m_pHitLevelButton->pAnimation);
            if (pHitLevel != nullptr) {
                PlayFromFirstPage(pHitLevel->pAnimation);
                m_MessageSignboard.SetMessage(pHitLevel->strExplain.c_str());
            }
            m_pHitLevelButton = pHitLevel;
        }
        m_MessageSignboard.SetShow(m_pHitLevelButton != nullptr);
    }
    if (m_pHitLevelButton != nullptr && g_pMouseStateObj->IsButtonPressed(XC_MouseState::BUTTON_LEFT)) {
        ShowCursor(FALSE);
        m_MessageSignboard.SetShow(FALSE);
        m_iState = BS_LevelChosen;
    }
}

void XC_GameProcedure_Begin::StepLevelChosen()
{
    if (m_pHitLevelButton == nullptr || !HasReachedLastPage(m_pHitLevelButton->pAnimation))
        return;
    const DWORD dwLevel = m_pHitLevelButton->dwLevel;
    const std::string lines[] = {XF_FormatText("InitGame,%d,0", static_cast<int>(dwLevel)),
                                 XF_FormatText("Set,FlagSystem,10,%d", static_cast<int>(dwLevel))};
    for (const std::string& tt : lines) {
        const DWORD dwResult = gp_ScriptManagerObj->RealTimeScript(tt);
        if (static_cast<LONG>(dwResult) < 0)
            XM_REPORT_FAILED_HR("gp_ScriptManagerObj->RealTimeScript( tt )", dwResult);
    }
    m_iState = AskCarryOver(*m_pHitLevelButton) ? BS_CarryOverAnswer : BS_StartNewGame;
}

// Offers to carry the previous title's save over, when the level allows it
// and a save is found.
bool XC_GameProcedure_Begin::AskCarryOver(const XS_LevelButton& level)
{
    if (!level.bCanTransformOskel3 || g_pGameMessageBox == nullptr)
        return false;
    JC_Oskel3TransformUnfixedData cOskel3TransformUnfixedData;
    if (cOskel3TransformUnfixedData.Initiation(gp_ScriptManagerObj) != 0 || cOskel3TransformUnfixedData.Transform(1) != 0)
        return false;
    g_pGameMessageBox->ShowMessage(g_pGameText->GetText(GT_CARRY_OVER_QUESTION), MB_YESNO, D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    return true;
}

void XC_GameProcedure_Begin::StepCarryOverAnswer()
{
    if (g_pGameMessageBox != nullptr && g_pGameMessageBox->GetResult() == IDYES) {
        JC_Oskel3TransformUnfixedData cOskel3TransformUnfixedData;
        const DWORD dwResult = cOskel3TransformUnfixedData.Initiation(gp_ScriptManagerObj);
        if (dwResult != 0 || cOskel3TransformUnfixedData.Transform(0) != 0)
            XM_REPORT_FAILED("cOskel3TransformUnfixedData.Transform( 0 )");
    }
    m_iState = BS_StartNewGame;
}

// The script asks for the next procedure; it starts once, so a slow switch
// never gives the new game its money and things twice.
void XC_GameProcedure_Begin::StepStartNewGame()
{
    if (m_bNewGameStarted)
        return;
    m_bNewGameStarted = true;
    const DWORD dwResult = gp_ScriptManagerObj->LoadScript(m_strNewGameScirptName);
    if (static_cast<LONG>(dwResult) < 0)
        XM_REPORT_FAILED_HR("gp_ScriptManagerObj->LoadScript( m_strNewGameScirptName )", dwResult);
}

void XC_GameProcedure_Begin::StepLoadGame()
{
    if (m_pHitButton != nullptr)
        StopOnFirstPage(m_pHitButton->pAnimation);
    m_iState = BS_BackToMenu;
}

void XC_GameProcedure_Begin::StepExitGame()
{
    if (g_pVar != nullptr && g_pVar->g_hWnd != nullptr)
        PostMessageA(g_pVar->g_hWnd, WM_COMMAND, ID_GAME_EXIT, 0);
}

template <class TRecord>
TRecord* XC_GameProcedure_Begin::HitTest(const std::vector<std::unique_ptr<TRecord>>& records)
{
    if (g_pMouseObj != nullptr)
        g_pMouseObj->SetCursorPosition(g_pMouseStateObj->GetX(), g_pMouseStateObj->GetY());
    for (const std::unique_ptr<TRecord>& pRecord : records) {
        if (IsUnderMouse(pRecord->pAnimation))
            return pRecord.get();
    }
    return nullptr;
}

bool XC_GameProcedure_Begin::IsUnderMouse(XC_RenderAnimation* pAnimation)
{
    const XC_CameraMan* pCameraMan = GetScreenCameraMan();
    if (pCameraMan == nullptr)
        return false;
    D3DXVECTOR3 vOrigin(0.0f, 0.0f, 0.0f);
    D3DXVECTOR3 vDirection(0.0f, 0.0f, 1.0f);
    pCameraMan->GetPickRay(g_pMouseStateObj->GetX(), g_pMouseStateObj->GetY(), &vOrigin, &vDirection);
    float fDistance = 0.0f;
    return pAnimation->Pick(&vOrigin, &vDirection, &fDistance) != FALSE;
}

void XC_GameProcedure_Begin::CentreMouse()
{
    if (g_pMouseStateObj == nullptr)
        return;
    g_pMouseStateObj->ResetToCenter();
    if (g_pMouseObj != nullptr)
        g_pMouseObj->SetCursorPosition(g_pMouseStateObj->GetX(), g_pMouseStateObj->GetY());
}

void XC_GameProcedure_Begin::ShowCursor(BOOL bShow)
{
    if (g_pMouseObj != nullptr)
        g_pMouseObj->SetVisible(bShow);
}

void XC_GameProcedure_Begin::StopOnFirstPage(XC_RenderAnimation* pAnimation)
{
    pAnimation->Stop();
    pAnimation->SetCurrentPage(0);
}

void XC_GameProcedure_Begin::PlayFromFirstPage(XC_RenderAnimation* pAnimation)
{
    pAnimation->SetCurrentPage(0);
    pAnimation->Play();
}

bool XC_GameProcedure_Begin::HasReachedLastPage(const XC_RenderAnimation* pAnimation)
{
    XC_AnimationObject* pAniObj = nullptr;
    if (const_cast<XC_RenderAnimation*>(pAnimation)->GetAnimationObject(&pAniObj) != S_OK || pAniObj == nullptr)
        return true;
    const DWORD dwPageCount = pAniObj->GetPageCount();
    pAniObj->Release();
    return dwPageCount == 0 || pAnimation->GetCurrentPage() + 1 >= dwPageCount;
}

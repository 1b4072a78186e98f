#include "JC_Module/JC_Town/JC_TownModuleDocument.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/Resource/XC_AnimationPic.h"
#include "JC_DataManager/Control/JC_ControlGame.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "JC_DataManager/Control/JC_ControlWorldMap.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView0.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView1.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView2.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView3.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView4.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView5.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView6.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView7.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView8.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView9.h"
#include "JC_Script/JC_ScriptManager.h"

JC_TownModuleDocument* g_pTownModuleDocumentObj = nullptr;

namespace {

const int COLUMN_COUNT = 6;
const int SHOWN_VIEWS[JC_TownModuleDocument::MODE_COUNT][COLUMN_COUNT] = {
    {-1, -1, -1, -1, -1, -1}, {0, -1, -1, -1, -1, -1}, {1, 2, 3, 4, 5, 6},
    {1, 2, 3, 4, 5, 6},       {8, -1, -1, -1, -1, -1}, {8, -1, -1, -1, -1, -1},
};
const int INPUT_VIEWS[JC_TownModuleDocument::MODE_COUNT][COLUMN_COUNT] = {
    {-1, -1, -1, -1, -1, -1}, {0, -1, -1, -1, -1, -1}, {1, 2, 3, 4, 5, 6},
    {4, -1, -1, -1, -1, -1},  {8, -1, -1, -1, -1, -1}, {8, -1, -1, -1, -1, -1},
};
const JS_DocumentRouting ROUTING = {
    "TownModuleDocument",
    JC_TownModuleDocument::VIEW_COUNT,
    JC_TownModuleDocument::MODE_COUNT,
    COLUMN_COUNT,
    &SHOWN_VIEWS[0][0],
    &INPUT_VIEWS[0][0],
    JE_TOWNMODULEDOCUMENT_VIEW_INDEX_NOT_SUPPORT,
    JE_TOWNMODULEDOCUMENT_MODE_NOT_SUPPORT,
    TRUE,
};
const int FLAG_DESIGNER_KEYS = 25;
const int FLAG_LAYOUT_RELOAD = 26;
const int DESIGNER_MONEY = 10000;

// The warehouses the keys A, S, D and F empty, in that order.
const WPARAM WAREHOUSE_KEYS[] = {'A', 'S', 'D', 'F'};
// The state screen's test scripts of the keys U, I, O and P.
const struct
{
    WPARAM wKey;
    const char* szLine;
} SCRIPT_KEYS[] = {
    {'U', "LoadScript,ModuleState_Gem.Txt"},
    {'I', "LoadScript,ModuleState_Tool.Txt"},
    {'O', "LoadScript,ModuleState_Weapon.Txt"},
    {'P', "LoadScript,ModuleState_Wearing.Txt"},
};

} // namespace

JC_TownModuleDocument::JC_TownModuleDocument() : JC_ModuleDocumentBase(ROUTING)
{
}

JC_TownModuleDocument::~JC_TownModuleDocument()
{
    Close();
}

JC_ModuleViewBase* JC_TownModuleDocument::NewView(int iViewIndex)
{
    switch (iViewIndex) {
    case VIEW_MENU:
        return new JC_TownModuleView0;
    case VIEW_SELLER:
        return new JC_TownModuleView1;
    case VIEW_GOLD:
        return new JC_TownModuleView2;
    case VIEW_BUTTONS:
        return new JC_TownModuleView3;
    case VIEW_GOODS:
        return new JC_TownModuleView4;
    case VIEW_EXPLAIN:
        return new JC_TownModuleView5;
    case VIEW_COMPARE:
        return new JC_TownModuleView6;
    case VIEW_QUANTITY:
        return new JC_TownModuleView7;
    case VIEW_MERGE:
        return new JC_TownModuleView8;
    default:
        return new JC_TownModuleView9;
    }
}

JC_ControlModuleBase* JC_TownModuleDocument::GetLayoutControl()
{
    return m_Controls.pControlModuleTown;
}

JC_TownModuleView4* JC_TownModuleDocument::GetGoodsList() const
{
    return static_cast<JC_TownModuleView4*>(GetView(VIEW_GOODS));
}

JC_TownModuleView8* JC_TownModuleDocument::GetMerging() const
{
    return static_cast<JC_TownModuleView8*>(GetView(VIEW_MERGE));
}

DWORD JC_TownModuleDocument::GiveChildViews()
{
    DWORD dwResult = GetGoodsList()->SetChildView(GetView(VIEW_QUANTITY));
    if (dwResult == 0)
        dwResult = GetMerging()->SetChildView(GetView(VIEW_MONSTERS));
    if (dwResult != 0)
        return dwResult;
    XC_AnimationPic::LoadAnimationPicAll();
    return 0;
}

std::string JC_TownModuleDocument::SiteTownMusic() const
{
    JC_ControlWorldMap* const pWorldMap = m_Controls.pControlWorldMap;
    return pWorldMap->GetPlaceTownMusic(pWorldMap->GetSitePlaceID());
}

void JC_TownModuleDocument::StartMusic() const
{
    if (gp_ScriptManagerObj == nullptr)
        return;
    const std::string strMusic = SiteTownMusic();
    if (strMusic.empty()) {
        gp_ScriptManagerObj->RealTimeScript("Game,BackgroundMusic Stop");
        return;
    }
    gp_ScriptManagerObj->RealTimeScript("Game,BackgroundMusic AddMusic " + strMusic + " 20");
    gp_ScriptManagerObj->RealTimeScript("Game,BackgroundMusic Play");
}

HRESULT JC_TownModuleDocument::OnOpen()
{
    const HRESULT hr = JC_ModuleDocumentBase::OnOpen();
    if (SUCCEEDED(hr))
        StartMusic();
    return hr;
}

HRESULT JC_TownModuleDocument::OnClose()
{
    if (IsViewsReady() && gp_ScriptManagerObj != nullptr && !SiteTownMusic().empty())
        gp_ScriptManagerObj->RealTimeScript("Game,BackgroundMusic DelMusic 20");
    return JC_ModuleDocumentBase::OnClose();
}

BOOL JC_TownModuleDocument::IsDocumentMessage(UINT uMsg) const
{
    switch (uMsg) {
    case WM_KEYUP:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSEWHEEL:
        return TRUE;
    default:
        return FALSE;
    }
}

void JC_TownModuleDocument::DealDocumentMessage(UINT uMsg, WPARAM wParam, LPARAM /*lParam*/)
{
    if (uMsg == WM_RBUTTONDOWN)
        BackDocumentMode(GetDocumentMode());
    else if (uMsg == WM_KEYUP)
        DealDesignerKey(wParam);
}

void JC_TownModuleDocument::DealDesignerKey(WPARAM wKey)
{
    if (gp_ScriptManagerObj == nullptr)
        return;
    JC_ControlScriptFlag* const pFlags = gp_ScriptManagerObj->GetScriptFlag();
    if (wKey == VK_F5) {
        if (pFlags->GetFlagSystem(FLAG_LAYOUT_RELOAD) == 1)
            ReloadLayout();
        return;
    }
    if (pFlags->GetFlagSystem(FLAG_DESIGNER_KEYS) == 0)
        return;
    for (int i = 0; i < 4; ++i) {
        if (wKey == WAREHOUSE_KEYS[i]) {
            m_Controls.pControlWarehouse->EmptyWarehouse(JC_ControlWarehouse::WAREHOUSE_GEM + i);
            UpdateView(-2);
            return;
        }
    }
    if (wKey == 'T') {
        m_Controls.pControlGame->AddMoney(DESIGNER_MONEY);
        UpdateView(-2);
        return;
    }
    for (const auto& key : SCRIPT_KEYS) {
        if (wKey == key.wKey) {
            gp_ScriptManagerObj->RealTimeScript(key.szLine);
            gp_ScriptManagerObj->UpdateAll();
            UpdateView(-2);
            return;
        }
    }
}

void JC_TownModuleDocument::ReloadLayout()
{
    m_Controls.pDataManager->InitModuleData();
    m_pControlManager->m_ControlModuleOptionObj.Initiation(m_Controls.pDataManager);
    m_pControlManager->m_ControlModuleStateObj.Initiation(m_Controls.pDataManager);
    m_pControlManager->m_ControlModuleTownObj.Initiation(m_Controls.pDataManager);
    m_pControlManager->m_ControlModuleWorldMapObj.Initiation(m_Controls.pDataManager);
    Initiation(m_pModuleManager, m_pMouseState, m_pMouse, m_pControlManager);
    OnClose();
    OnOpen();
}

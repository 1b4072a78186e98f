// The world-map document's modes, keys and view events.
#include "JC_Module/JC_WorldMap/JC_WorldMapDocument.h"

#include "GameProgram/Common/XF_SourceFile.h"

#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Control/JC_ControlWorldMap.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_Module/JC_Option/JC_OptionModuleDocument.h"
#include "JC_Module/JC_WorldMap/View/JC_WorldMapView0.h"
#include "JC_Module/JC_WorldMap/View/JC_WorldMapView2.h"
#include "JC_Script/JC_ScriptManager.h"
#include "TemplateSystem/JC_DebugLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const int FLAG_LAYOUT_RELOAD = 26;
const int UPDATE_SHOWN_VIEWS = -2;

} // namespace

BOOL JC_WorldMapDocument::IsDocumentMessage(UINT uMsg) const
{
    return uMsg == WM_KEYUP || (uMsg >= WM_MOUSEMOVE && uMsg <= WM_RBUTTONUP) || uMsg == WM_MBUTTONDOWN
           || uMsg == WM_MBUTTONUP || uMsg == WM_MOUSEWHEEL;
}

void JC_WorldMapDocument::DealDocumentMessage(UINT uMsg, WPARAM wParam, LPARAM /*lParam*/)
{
    if (uMsg == WM_KEYUP && wParam == VK_ESCAPE) {
        if (GetDocumentMode() == MODE_MAP)
            OpenOptionScreen();
        return;
    }
    if (uMsg == WM_KEYUP && wParam == VK_F5) {
        if (gp_ScriptManagerObj != nullptr
            && gp_ScriptManagerObj->GetScriptFlag()->GetFlagSystem(FLAG_LAYOUT_RELOAD) == 1)
            ReloadLayout();
        return;
    }
    if (uMsg == WM_RBUTTONDOWN && GetDocumentMode() != MODE_OPTION)
        BackDocumentMode(GetDocumentMode());
}

DWORD JC_WorldMapDocument::BackDocumentMode(int /*iMode*/)
{
    return 0;
}

void JC_WorldMapDocument::OpenOptionScreen()
{
    KeepViewsInMode(MODE_OPTION);
    if (g_pOptionModuleDocument != nullptr)
        g_pOptionModuleDocument->Enable();
}

void JC_WorldMapDocument::ReloadLayout()
{
    m_Controls.pDataManager->InitModuleData();
    m_pControlManager->m_ControlModuleOptionObj.Initiation(m_Controls.pDataManager);
    m_pControlManager->m_ControlModuleStateObj.Initiation(m_Controls.pDataManager);
    m_pControlManager->m_ControlModuleTownObj.Initiation(m_Controls.pDataManager);
    m_pControlManager->m_ControlModuleWorldMapObj.Initiation(m_Controls.pDataManager);
    OnClose();
    OnOpen();
}

HRESULT JC_WorldMapDocument::OnSetFocus()
{
    if (GetDocumentMode() == MODE_MAP)
        RunMapScript();
    else if (GetDocumentMode() == MODE_OPTION)
        KeepViewsInMode(MODE_MAP);
    return S_OK;
}

void JC_WorldMapDocument::RunMapScript()
{
    JC_ControlWorldMap* const pWorldMap = m_Controls.pControlWorldMap;
    // Cleared first: the script runs once, and again only when a script
    // sets the field anew.
    const std::string strScript = pWorldMap->GetMapScript();
    pWorldMap->SetMapScript("");
    if (strScript.empty() || gp_ScriptManagerObj == nullptr)
        return;
    const DWORD dwResult = gp_ScriptManagerObj->LoadScript(strScript);
    if (dwResult != 0)
        m_Controls.pErrorLog->Print("載入劇本時 發生錯誤 \n劇本檔案名稱:%s \n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
                                    strScript.c_str(), static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
}

DWORD JC_WorldMapDocument::DealViewEvent(int iViewIndex, DWORD dwViewEvent)
{
    if (iViewIndex == VIEW_SCENE)
        DealSceneEvent(dwViewEvent);
    else if (iViewIndex == VIEW_WALK)
        DealWalkEvent(dwViewEvent);
    return 0;
}

DWORD JC_WorldMapDocument::DealSceneEvent(DWORD dwViewEvent)
{
    switch (dwViewEvent) {
    case JC_WorldMapView0::EVENT_OPTION:
        OpenOptionScreen();
        break;
    case JC_WorldMapView0::EVENT_STATE:
        SetDocumentEvent(EVENT_STATE_SCREEN);
        Close();
        break;
    case JC_WorldMapView0::EVENT_DESTINATION: {
        DWORD dwFrom = 0;
        DWORD dwTo = 0;
        SceneView()->GetMoveRoute(&dwFrom, &dwTo);
        WalkView()->SetMoveRoute(dwFrom, dwTo);
        WalkView()->SetViewMode(JC_WorldMapView2::VIEW_MODE_WALK);
        SetDocumentMode(MODE_WALK);
        break;
    }
    default:
        break;
    }
    return 0;
}

DWORD JC_WorldMapDocument::DealWalkEvent(DWORD dwViewEvent)
{
    switch (dwViewEvent) {
    case JC_WorldMapView2::EVENT_BACK_TO_MAP:
    case JC_WorldMapView2::EVENT_NO_WALK:
        SetDocumentMode(MODE_MAP);
        WalkView()->SetViewMode(JC_WorldMapView2::VIEW_MODE_STAND);
        UpdateView(UPDATE_SHOWN_VIEWS);
        break;
    case JC_WorldMapView2::EVENT_ARRIVED:
        SetDocumentMode(MODE_ARRIVED);
        WalkView()->SetViewMode(JC_WorldMapView2::VIEW_MODE_CONFIRM);
        UpdateView(UPDATE_SHOWN_VIEWS);
        break;
    case JC_WorldMapView2::EVENT_TOWN_ENTERED:
        SetDocumentMode(MODE_NONE);
        WalkView()->SetViewMode(JC_WorldMapView2::VIEW_MODE_STAND);
        SetDocumentEvent(EVENT_TOWN);
        Close();
        break;
    default:
        break;
    }
    return 0;
}

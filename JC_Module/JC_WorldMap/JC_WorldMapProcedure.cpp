#include "JC_Module/JC_WorldMap/JC_WorldMapProcedure.h"

#include "GameProgram/Common/XF_SourceFile.h"

#include "Code/XC_GameProcedureFactory.h"
#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/Scene/XC_Mouse.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Control/JC_ControlTeam.h"
#include "JC_DataManager/Control/JC_ControlWorldMap.h"
#include "JC_Module/JC_State/JC_StateModuleDocument.h"
#include "JC_Module/JC_WorldMap/JC_WorldMapDocument.h"
#include "JC_Script/JC_ScriptManager.h"
#include "TemplateSystem/JC_DebugLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

XC_GameProcedure* CreateWorldMapProcedure()
{
    return new JC_WorldMapProcedure;
}

JC_DebugLog* Log()
{
    return gp_ControlManagerObj != nullptr && gp_ControlManagerObj->GetErrorLog() != nullptr
               ? gp_ControlManagerObj->GetErrorLog()
               : gp_DebugInfoObj;
}

} // namespace

void JC_WorldMapProcedure::Register()
{
    XC_GameProcedureFactory::Register(GP_WorldMap, &CreateWorldMapProcedure);
}

HRESULT JC_WorldMapProcedure::SetModuleManager(XC_ModuleManager* pModuleManager)
{
    m_pManager = pModuleManager;
    return XC_GameProcedure::SetModuleManager(pModuleManager);
}

template <class Document>
void JC_WorldMapProcedure::CreateDocument(Document*& pGlobal, const char* szName)
{
    if (pGlobal != nullptr) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " WorldMapProcedure Init %s AlreadyExists. \r\n", szName);
        delete pGlobal;
    }
    pGlobal = new Document;
    pGlobal->Initiation(m_pManager, g_pMouseStateObj, g_pMouseObj, gp_ControlManagerObj);
}

template <class Document>
void JC_WorldMapProcedure::DeleteDocument(Document*& pGlobal)
{
    delete pGlobal;
    pGlobal = nullptr;
}

HRESULT JC_WorldMapProcedure::Init()
{
    CreateDocument(g_pStateModuleDocumentObj, "StateModuleDocument");
    CreateDocument(g_pWorldMapDocumentObj, "WorldMapDocument");
    SwitchScreen(SCREEN_NONE, 1);
    StartMusic();
    return 0;
}

HRESULT JC_WorldMapProcedure::Fini()
{
    if (gp_ControlManagerObj != nullptr && !gp_ControlManagerObj->m_ControlWorldMapObj.GetMusic().empty())
        RunMusicLine("Game,BackgroundMusic DelMusic 10");
    DeleteDocument(g_pStateModuleDocumentObj);
    DeleteDocument(g_pWorldMapDocumentObj);
    return 0;
}

void JC_WorldMapProcedure::StartMusic()
{
    if (gp_ControlManagerObj == nullptr)
        return;
    const std::string strMusic = gp_ControlManagerObj->m_ControlWorldMapObj.GetMusic();
    if (strMusic.empty()) {
        RunMusicLine("Game,BackgroundMusic Stop");
        return;
    }
    RunMusicLine("Game,BackgroundMusic AddMusic " + strMusic + " 10");
    RunMusicLine("Game,BackgroundMusic Play");
}

void JC_WorldMapProcedure::RunMusicLine(const std::string& strLine)
{
    if (gp_ScriptManagerObj == nullptr)
        return;
    gp_ScriptManagerObj->RealTimeScript(strLine);
    gp_ScriptManagerObj->UpdateAll();
}

JC_ModuleDocumentBase* JC_WorldMapProcedure::ScreenDocument(int iScreen)
{
    switch (iScreen) {
    case SCREEN_STATE:
        return g_pStateModuleDocumentObj;
    case SCREEN_WORLD_MAP:
        return g_pWorldMapDocumentObj;
    default:
        return nullptr;
    }
}

DWORD JC_WorldMapProcedure::SwitchScreen(int iScreen, int /*iMode*/)
{
    m_bSwitching = 1;
    JC_ModuleDocumentBase* const pOld = ScreenDocument(m_iCurrentScreen);
    if (pOld != nullptr)
        pOld->Close();
    m_bSwitching = 0;
    m_iCurrentScreen = iScreen;
    switch (iScreen) {
    case SCREEN_STATE:
        OpenStateScreen();
        break;
    case SCREEN_WORLD_MAP:
        if (g_pWorldMapDocumentObj != nullptr)
            g_pWorldMapDocumentObj->Enable();
        break;
    default:
        break;
    }
    return 0;
}

void JC_WorldMapProcedure::OpenStateScreen()
{
    if (g_pStateModuleDocumentObj == nullptr || gp_ControlManagerObj == nullptr)
        return;
    int iTeamIndex = -1;
    JC_DataComponent* pPerson = nullptr;
    gp_ControlManagerObj->m_ControlTeamObj.GetNextPersonFromTeam(TeamID::TEAMID_OUR, iTeamIndex, pPerson);
    g_pStateModuleDocumentObj->SetOperateTeam(static_cast<DWORD>(TeamID::TEAMID_OUR));
    g_pStateModuleDocumentObj->SetOperatePerson(pPerson);
    g_pStateModuleDocumentObj->Enable();
}

HRESULT JC_WorldMapProcedure::OnSetFocus()
{
    if (m_bSwitching)
        return S_OK;
    switch (m_iCurrentScreen) {
    case SCREEN_NONE:
        m_dwReturnStep = STEP_NONE;
        SwitchScreen(SCREEN_WORLD_MAP, 1);
        break;
    case SCREEN_STATE:
        if (m_dwReturnStep == STEP_STATE_FROM_MAP) {
            m_dwReturnStep = STEP_NONE;
            SwitchScreen(SCREEN_WORLD_MAP, 1);
        }
        break;
    case SCREEN_WORLD_MAP:
        DealWorldMapEvent();
        break;
    default:
        break;
    }
    return S_OK;
}

void JC_WorldMapProcedure::DealWorldMapEvent()
{
    if (g_pWorldMapDocumentObj == nullptr)
        return;
    switch (g_pWorldMapDocumentObj->GetDocumentEvent()) {
    case JC_WorldMapDocument::EVENT_STATE_SCREEN:
        m_dwReturnStep = STEP_STATE_FROM_MAP;
        SwitchScreen(SCREEN_STATE, 1);
        break;
    case JC_WorldMapDocument::EVENT_TOWN:
        m_dwReturnStep = STEP_TOWN;
        SwitchScreen(SCREEN_TOWN, 1);
        break;
    default:
        break;
    }
}

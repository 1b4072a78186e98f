#include "JC_Module/JC_WorldMap/JC_WorldMapProcedure.h"

#include "GameProgram/Common/XF_SourceFile.h"

#include "Code/XC_Game.h"
#include "Code/XC_GameProcedureFactory.h"
#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/Scene/XC_Mouse.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Control/JC_ControlTeam.h"
#include "JC_DataManager/Control/JC_ControlWorldMap.h"
#include "JC_Module/JC_State/JC_StateModuleDocument.h"
#include "JC_Module/JC_Town/JC_TownModuleDocument.h"
#include "JC_Module/JC_WorldMap/JC_WorldMapDocument.h"
#include "JC_Script/DealScript/JC_ScriptDealWorldMap.h"
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

// "IntoTown": the town of the running world map, opened over it.
DWORD EnterTownOfRunningMap()
{
    auto* const pProcedure =
        g_pGame != nullptr ? dynamic_cast<JC_WorldMapProcedure*>(g_pGame->GetProcedureObj()) : nullptr;
    if (pProcedure == nullptr)
        return JE_DEALWORLDMAP_NO_WORLDMAP_PROCEDURE;
    pProcedure->SwitchScreen(JC_WorldMapProcedure::SCREEN_TOWN, 1);
    pProcedure->SetReturnStep(JC_WorldMapProcedure::STEP_TOWN);
    return 0;
}

} // namespace

void JC_WorldMapProcedure::Register()
{
    XC_GameProcedureFactory::Register(GP_WorldMap, &CreateWorldMapProcedure);
    JC_ScriptDealWorldMap::SetIntoTown(&EnterTownOfRunningMap);
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
    CreateDocument(g_pTownModuleDocumentObj, "TownModuleDocument");
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
    DeleteDocument(g_pTownModuleDocumentObj);
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
    case SCREEN_TOWN:
        return g_pTownModuleDocumentObj;
    case SCREEN_WORLD_MAP:
        return g_pWorldMapDocumentObj;
    default:
        return nullptr;
    }
}

DWORD JC_WorldMapProcedure::SwitchScreen(int iScreen, int iMode)
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
    case SCREEN_TOWN:
        OpenTown(iMode);
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

void JC_WorldMapProcedure::OpenTown(int iMode)
{
    if (g_pTownModuleDocumentObj == nullptr)
        return;
    g_pTownModuleDocumentObj->Enable();
    g_pTownModuleDocumentObj->SetDocumentMode(iMode);
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
    case SCREEN_TOWN:
        DealTownEvent();
        break;
    case SCREEN_WORLD_MAP:
        DealWorldMapEvent();
        break;
    default:
        break;
    }
    return S_OK;
}

void JC_WorldMapProcedure::DealTownEvent()
{
    if (g_pTownModuleDocumentObj == nullptr)
        return;
    switch (g_pTownModuleDocumentObj->GetDocumentEvent()) {
    case JC_TownModuleDocument::EVENT_LEFT:
        m_dwReturnStep = STEP_NONE;
        SwitchScreen(SCREEN_WORLD_MAP, 1);
        break;
    case JC_TownModuleDocument::EVENT_EQUIP:
        // The state screen opens over the town; when it closes the town
        // comes back in its shop.
        if (m_dwReturnStep == STEP_TOWN) {
            m_dwReturnStep = STEP_STATE_FROM_TOWN;
            OpenStateScreen();
        } else {
            m_dwReturnStep = STEP_TOWN;
            OpenTown(JC_TownModuleDocument::MODE_SHOP);
        }
        break;
    default:
        break;
    }
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

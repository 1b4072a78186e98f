#include "tests/Code/Battle/BattleHost.h"

#include "Code/Battle/CombatForce/XC_CombatForceModule.h"
#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "Code/DialogueScript/XC_DialogueScriptManager.h"
#include "Code/XC_GameListFile.h"
#include "Code/XC_GameParameterFile.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/JF_Game.h"
#include "JC_Order/DealOrder/JC_OrderDealBase.h"
#include "JC_Script/JC_ScriptManager.h"

namespace {

const char* const SETUP_SCRIPT = "BattleSetup.txt";
const int MAX_SCRIPT_PASSES = 100;

// A battle procedure's part the deployment screen needs: the render
// environment its drawables join, here the host's scene.
class HostProcedure : public XC_RenderModule
{
public:
    explicit HostProcedure(XC_EnvironmentOfRender* pEnvironment) : m_pEnvironment(pEnvironment) {}
    XC_EnvironmentOfRender* GetEnvironmentOfRender() override { return m_pEnvironment; }

private:
    XC_EnvironmentOfRender* m_pEnvironment;
};

} // namespace

BattleHost::BattleHost(HostStep step, Start eStart)
    : BattleSceneApplication([step](BattleSceneApplication& app) { return step(static_cast<BattleHost&>(app)); })
    , m_eStart(eStart)
{
}

HRESULT BattleHost::InitDeviceObjects()
{
    const HRESULT hr = BattleSceneApplication::InitDeviceObjects();
    if (FAILED(hr))
        return hr;
    m_bStarted = StartGameData() && AddParty() && RunSetupScript() && PlaceParty() && StartBattleObjects();
    return S_OK;
}

bool BattleHost::StartGameData()
{
    g_pVar->g_szGamePath = m_szGamePath;
    XC_GameParameterFile::Load();
    XC_GameListFile::SetStateScriptLoader(&XC_GamePerson::LoadStateScriptName);
    XC_GameListFile::LoadGameFloorColor();
    XC_GameListFile::LoadPersonPoseList();
    XC_GameListFile::LoadPersonStateScriptList();
    return JF_Build(m_szGamePath) == 0;
}

bool BattleHost::AddParty()
{
    JC_ControlTeam& team = gp_ControlManagerObj->m_ControlTeamObj;
    team.EmptyTeam(TeamID::TEAMID_FIGHT);
    for (DWORD i = 0; i < PARTY_SIZE; ++i) {
        if (team.AddPersonToTeamFromFixedData(TeamID::TEAMID_OUR, static_cast<int>(i), i + 1) != 0)
            return false;
    }
    return true;
}

// The fighter and the healer join the hero on the next starting points.
bool BattleHost::PlaceParty()
{
    if (m_eStart == Start::ToDeploy)
        return true;
    JC_ControlTeam& team = gp_ControlManagerObj->m_ControlTeamObj;
    JC_ControlScene& scene = gp_ControlManagerObj->m_ControlSceneObj;
    for (DWORD i = 1; i < PARTY_SIZE; ++i) {
        const int iIndex = static_cast<int>(i);
        if (team.MovePersonFromTeamToTeam(TeamID::TEAMID_OUR, iIndex, TeamID::TEAMID_FIGHT, iIndex) != 0)
            return false;
        JC_DataComponent* pRecord = nullptr;
        team.GetPersonFromTeam(TeamID::TEAMID_FIGHT, iIndex, pRecord);
        JC_ControlPersonPower power;
        power.Initiation(gp_DataManagerObj, gp_BehaviorAnalyserObj);
        power.SetControlPerson(pRecord);
        power.SetSceneFloorIndex(scene.GetStartingPoint(i));
    }
    return true;
}

bool BattleHost::RunSetupScript()
{
    if (gp_ScriptManagerObj->LoadScript(std::string(SETUP_SCRIPT)) != 0)
        return false;
    for (int i = 0; i < MAX_SCRIPT_PASSES && gp_ScriptManagerObj->IsScriptLoaded(); ++i)
        gp_ScriptManagerObj->UpdateAll();
    return !gp_ScriptManagerObj->IsScriptLoaded();
}

bool BattleHost::StartBattleObjects()
{
    XC_Scene& scene = Scene();
    if (FAILED(scene.LoadScene(gp_ControlManagerObj->m_ControlSceneObj.GetSceneFileName().c_str())))
        return false;
    g_pSceneFunctionObj->SetSceneObj(&scene);
    if (FAILED(m_Persons.Init(&scene, &gp_ControlManagerObj->m_ControlTeamObj)))
        return false;
    g_pPersonManager = &m_Persons;
    m_Tables.Init();
    g_pSceneTableManager = &m_Tables;
    g_pSceneFunctionObj->RefreshCellCache();
    m_Controller.Init();
    g_pBattleSceneController = &m_Controller;
    m_Jumps.Init(scene.GetEnvironmentOfRender());
    g_pJumpStringManager = &m_Jumps;
    JC_OrderDealBase::SetBattle(g_pSceneFunctionObj);
    XC_DialogueScriptManager::SetBattle(&m_Dialogue);
    g_pBattleMenuMenager = &m_Menus;
    if (FAILED(m_Menus.Init(&Environment())))
        return false;
    g_pMouseStateObj = &MouseState();
    m_Modules.SetWindow(Window());
    m_pProcedure = std::make_unique<HostProcedure>(&Environment());
    PlaceBattleCamera();
    return true;
}

HRESULT BattleHost::OpenDeployment()
{
    if (FAILED(g_pCombatForceModule->SetModuleManager(&m_Modules))
        || FAILED(g_pCombatForceModule->SetBattleObj(m_pProcedure.get())))
        return E_FAIL;
    return g_pCombatForceModule->Enable();
}

HRESULT BattleHost::FrameMove()
{
    const HRESULT hr = BattleSceneApplication::FrameMove();
    m_Modules.FrameMove(GetFrameStep());
    MouseState().Clear();
    return hr;
}

void BattleHost::RenderOverlay()
{
    m_Modules.Render();
}

HRESULT BattleHost::DeleteDeviceObjects()
{
    m_Modules.RemoveAllModules();
    m_pProcedure.reset();
    m_Menus.Fini();
    g_pBattleMenuMenager = nullptr;
    if (g_pMouseStateObj == &MouseState())
        g_pMouseStateObj = nullptr;
    XC_DialogueScriptManager::SetBattle(nullptr);
    JC_OrderDealBase::SetBattle(nullptr);
    m_Jumps.ReleaseWords();
    g_pJumpStringManager = nullptr;
    m_Controller.Fini();
    g_pBattleSceneController = nullptr;
    m_Tables.Fini();
    g_pSceneTableManager = nullptr;
    m_Persons.DelAllPerson();
    m_Persons.Fini();
    g_pPersonManager = nullptr;
    g_pSceneFunctionObj->ClearCellCache();
    JF_Destroy();
    return BattleSceneApplication::DeleteDeviceObjects();
}

#pragma once

#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/JumpString/XC_JumpStringManager.h"
#include "Code/Battle/XC_BattleDialogue.h"
#include "Code/Battle/XC_BattleSceneController.h"
#include "Code/Battle/XC_SceneTableManager.h"
#include "Code/Menu/BattleMenu/XC_BattleMenuMenager.h"
#include "GameProgram/Module/XC_ModuleManager.h"
#include "GameProgram/Module/XC_RenderModule.h"

#include "tests/GameProgram/Scene/BattleSceneApplication.h"

#include <functional>
#include <memory>
#include <string>

// The sample battle as the battle procedure will start it: the game's data
// layer and tables, the party (the hero sent in by the battle set-up script
// with the enemies), the scene the scene record names, the battle's objects
// and menus built and published as its globals, and a module stack above
// the scene that the deployment screen opens on. Each frame runs the test's
// step after drawing.
class BattleHost : public BattleSceneApplication
{
public:
    // The party's team indexes and persons: the hero, the fighter, the healer.
    static constexpr DWORD PARTY_SIZE = 3;

    // Whether the fighter and the healer stand on the next starting points
    // already, or wait in the party to be deployed.
    enum class Start
    {
        Deployed,
        ToDeploy,
    };

    using HostStep = std::function<bool(BattleHost&)>;

    explicit BattleHost(HostStep step, Start eStart = Start::Deployed);

    XC_GamePersonManager& Persons() { return m_Persons; }
    XC_SceneTableManager& Tables() { return m_Tables; }
    XC_BattleSceneController& Controller() { return m_Controller; }
    XC_JumpStringManager& Jumps() { return m_Jumps; }
    XC_BattleMenuMenager& Menus() { return m_Menus; }
    XC_ModuleManager& Modules() { return m_Modules; }
    bool IsStarted() const { return m_bStarted; }
    void Screenshot(const std::string& strName) { SaveScreenshot(strName); }
    // Pushes the deployment screen as the battle's first round does.
    HRESULT OpenDeployment();

protected:
    HRESULT InitDeviceObjects() override;
    HRESULT DeleteDeviceObjects() override;
    HRESULT FrameMove() override;
    void RenderOverlay() override;

private:
    // The data layer, the game's tables and the teams of the battle.
    bool StartGameData();
    bool AddParty();
    bool PlaceParty();
    bool RunSetupScript();
    bool StartBattleObjects();

    XC_GamePersonManager m_Persons;
    XC_SceneTableManager m_Tables;
    XC_BattleSceneController m_Controller;
    XC_JumpStringManager m_Jumps;
    XC_BattleDialogue m_Dialogue;
    XC_BattleMenuMenager m_Menus;
    XC_ModuleManager m_Modules;
    // The procedure the deployment screen draws through: the host's scene.
    std::unique_ptr<XC_RenderModule> m_pProcedure;
    Start m_eStart;
    bool m_bStarted = false;
};

#pragma once

#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/JumpString/XC_JumpStringManager.h"
#include "Code/Battle/XC_BattleDialogue.h"
#include "Code/Battle/XC_BattleSceneController.h"
#include "Code/Battle/XC_SceneTableManager.h"

#include "tests/GameProgram/Scene/BattleSceneApplication.h"

#include <functional>
#include <string>

// The sample battle as the battle procedure will start it: the game's data
// layer and tables, the party at the first starting points, the enemies of
// the battle set-up script, the scene the scene record names, and the
// battle's objects built and published as its globals. Each frame runs the
// test's step after drawing.
class BattleHost : public BattleSceneApplication
{
public:
    // The party's team indexes and persons: the hero, the fighter, the healer.
    static constexpr DWORD PARTY_SIZE = 3;

    using HostStep = std::function<bool(BattleHost&)>;

    explicit BattleHost(HostStep step);

    XC_GamePersonManager& Persons() { return m_Persons; }
    XC_SceneTableManager& Tables() { return m_Tables; }
    XC_BattleSceneController& Controller() { return m_Controller; }
    XC_JumpStringManager& Jumps() { return m_Jumps; }
    bool IsStarted() const { return m_bStarted; }
    void Screenshot(const std::string& strName) { SaveScreenshot(strName); }

protected:
    HRESULT InitDeviceObjects() override;
    HRESULT DeleteDeviceObjects() override;

private:
    // The data layer, the game's tables and the teams of the battle.
    bool StartGameData();
    bool PlaceParty();
    bool RunSetupScript();
    bool StartBattleObjects();

    XC_GamePersonManager m_Persons;
    XC_SceneTableManager m_Tables;
    XC_BattleSceneController m_Controller;
    XC_JumpStringManager m_Jumps;
    XC_BattleDialogue m_Dialogue;
    bool m_bStarted = false;
};

#include "tests/Code/Battle/SampleBattleSetup.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_Script/JC_ScriptManager.h"

#include <string>

namespace {

const char* const SETUP_SCRIPT = "BattleSetup.txt";
const int MAX_SCRIPT_PASSES = 100;

} // namespace

bool SampleBattleSetup::AddParty()
{
    JC_ControlTeam& team = gp_ControlManagerObj->m_ControlTeamObj;
    team.EmptyTeam(TeamID::TEAMID_FIGHT);
    team.EmptyTeam(TeamID::TEAMID_OUR);
    for (DWORD i = 0; i < PARTY_SIZE; ++i) {
        if (team.AddPersonToTeamFromFixedData(TeamID::TEAMID_OUR, static_cast<int>(i), i + 1) != 0)
            return false;
    }
    return true;
}

bool SampleBattleSetup::PlaceParty()
{
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

bool SampleBattleSetup::RunSetupScript()
{
    if (gp_ScriptManagerObj->LoadScript(std::string(SETUP_SCRIPT)) != 0)
        return false;
    for (int i = 0; i < MAX_SCRIPT_PASSES && gp_ScriptManagerObj->IsScriptLoaded(); ++i)
        gp_ScriptManagerObj->UpdateAll();
    return !gp_ScriptManagerObj->IsScriptLoaded();
}

#pragma once

#include <windows.h>

// The sample battle's teams as a new battle finds them: the hero, the
// fighter and the healer at the first starting points of the scene record,
// and the enemies of "Script\BattleSetup.txt". Needs the built data layer.
namespace SampleBattleSetup {

constexpr DWORD PARTY_SIZE = 3;

bool PlaceParty();
bool RunSetupScript();

} // namespace SampleBattleSetup

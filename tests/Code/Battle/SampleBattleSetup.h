#pragma once

#include <windows.h>

// The sample battle's teams as a new battle finds them: the hero, the
// fighter and the healer in the party, the set-up script's enemies and the
// hero forced onto the first starting point, then the fighter and the healer
// on the next starting points as the deployment would place them. Needs the
// built data layer.
namespace SampleBattleSetup {

constexpr DWORD PARTY_SIZE = 3;

bool AddParty();
bool RunSetupScript();
bool PlaceParty();

} // namespace SampleBattleSetup

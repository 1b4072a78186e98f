#pragma once

#include <windows.h>

#include <string>

// The start-up and release of the game data layer and of the order, event
// and script systems that sit on it. The data manager is made here; the
// other global objects are static and are initiated here.

// Builds every global object in order on the game folder strGamePath (ending
// in '\\'). 0, or the code of the first step that failed, after its report; a
// failed build releases what it had made, so no half-built object stays in
// use.
DWORD JF_Build(const std::string& strGamePath);
// Releases the objects in reverse order: the data manager is freed and its
// pointer cleared, the static objects are made anew. Harmless when nothing is
// built; always 0.
DWORD JF_Destroy();

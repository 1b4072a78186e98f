#pragma once

#include <windows.h>

#include <string>

// The thirteen save-state files of the built data layer, written into a
// folder (with its trailing separator) under their own names. The game never
// saves: `gamerules` and the test build of the program write them so that
// tests can read what a run left.
DWORD JF_WriteSaveState(const std::string& strFolder);

#pragma once

#include <string>

// The map's frames on the game started on a game folder, with generated
// places; prints their times against the empty map's. 0, or 1 when the game
// or the map did not start.
int BenchMapFrames(const std::string& strFolder);

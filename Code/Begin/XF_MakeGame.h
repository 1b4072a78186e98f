#pragma once

#include "Code/XC_Game.h"

#include <memory>

// The game object the program runs. The program links the game itself; a
// test build links its own maker instead.
std::unique_ptr<XC_Game> XF_MakeGame();

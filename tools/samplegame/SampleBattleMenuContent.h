#pragma once

#include <filesystem>

// What the battle shows over the floor and before the first round: the
// animations and pictures of the lists, the ring of commands, the system
// menu, the banners, the forecast, the state windows' layouts, the
// deployment screen and the yes/no box; the co-ordinated attack table, the
// deployment music and the placing and taking-off scripts.
bool WriteSampleBattleMenuContent(const std::filesystem::path& output);

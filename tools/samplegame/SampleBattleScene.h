#pragma once

#include <filesystem>

// The scene file of the sample battlefield, in the data pack, as the scene
// information names it.
extern const char* const SAMPLE_BATTLE_SCENE_FILE;

// Writes the sample battlefield into the data pack folder: its scene file,
// made from the cell table, and the element files it names. The meshes are
// sources of the XFile pack.
bool WriteSampleBattleScene(const std::filesystem::path& dataFolder);

#pragma once

#include <filesystem>

// The world map's screen content: its animations under "Ani\WorldMap\" and
// their pictures under "AniTexture\WorldMap\" (name plates, the menu and its
// two buttons, the photo frame, the OK/Cancel box), the places' photos under
// "Texture\WorldMap\", the map's scene "GameData\WorldMap0.scn" and its music
// "Music\WorldMap.wav". The meshes are sources of the XFile pack.
bool WriteSampleWorldMapContent(const std::filesystem::path& output);

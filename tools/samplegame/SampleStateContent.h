#pragma once

#include <filesystem>

// The state screen's animations under "Ani\State\" and their pictures under
// "AniTexture\State\" (the frame, the panels, the rows, the buttons and the
// pop-up box), the thing and skill icons under "Texture\Icon\" with the
// default icons, and the faces of the monsters that join the party.
bool WriteSampleStateContent(const std::filesystem::path& output);

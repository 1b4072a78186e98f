#pragma once

#include <filesystem>

// The town screen's animations under "Ani\Town\" and their pictures under
// "AniTexture\Town\" (the town picture, the seller, the menu, the shop's
// panels and buttons, the dialog and the merging's squares and shines), the
// thing icons under "Texture\Town\Icon\", the party's faces "ef%08x.ant" and
// the monsters' faces and models, and the town's music.
bool WriteSampleTownContent(const std::filesystem::path& output);

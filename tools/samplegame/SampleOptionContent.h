#pragma once

#include <filesystem>

// The option screen's animations under "Ani\Option\" and their pictures under
// "AniTexture\Option\" (two-page buttons, switches, knobs, the panel, the
// list and the box), and the thumbnails of the sample's save records
// "Save\00" (a used record) and "Save\98" (restart record A).
bool WriteSampleOptionContent(const std::filesystem::path& output);

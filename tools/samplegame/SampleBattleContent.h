#pragma once

#include <filesystem>

// Writes what the battle draws that is made rather than kept as text: the
// poses and faces of the battle's persons with their pictures, and the
// pictures of the jumping numbers' glyphs.
bool WriteSampleBattleContent(const std::filesystem::path& output);

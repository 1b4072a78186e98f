#pragma once

#include <filesystem>

// Writes the game data of the sample game: the define files, templates and
// data files under the game folder's "Template", from the tables in the
// "tables" folder beside the content folder, whose "Template" mirrors it.
bool WriteSampleGameData(const std::filesystem::path& output, const std::filesystem::path& content);

#pragma once

#include <filesystem>

// What the game shell reads of the sample game besides its text sources:
// the file-name table "GameData\GameFileName.txt" (every id up to 227, the
// ones not used yet naming one placeholder file), the pictures of the logo,
// the now-loading picture, the cursor, the title and its buttons, the boxes
// and signboards, and the title music.
bool WriteSampleShellContent(const std::filesystem::path& output);

// "Font\GlyphTexts.txt": every text file of the game folder in one, so the
// glyph file covers every character the game can show.
bool WriteGlyphTexts(const std::filesystem::path& output);

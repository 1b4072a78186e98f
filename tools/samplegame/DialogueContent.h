#pragma once

#include <filesystem>

// The pictures of the dialogue box: its frame, the blinking "next" marker and
// the portraits of every speaker, each with a calm and a glad face.
bool WriteDialoguePictures(const std::filesystem::path& output);

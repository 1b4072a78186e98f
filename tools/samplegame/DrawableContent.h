#pragma once

#include <filesystem>

// The pictures the drawables read: the shadow's and the ground's "bk\bk001.bmp",
// a panel, the hero's pages seen from the front ("A", red) and the back
// ("B", blue), the two bar layers (the foreground with an alpha ramp),
// a spark for particles and a coin for picture words.
bool WriteDrawablePictures(const std::filesystem::path& output);

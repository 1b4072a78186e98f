#pragma once

#include <string>

// Small media files made for the player tests.

// A mono 16-bit 22050 Hz tone of the given length.
bool WriteToneWav(const std::string& path, double seconds);
// An uncompressed 24-bit AVI of 64×48 frames at 10 frames a second.
bool WriteColourAvi(const std::string& path, int frameCount);

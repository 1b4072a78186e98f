#pragma once

#include <filesystem>
#include <string>

// File helpers of the sample-game generator: every file goes through the
// safe writer, and texts are kept in UTF-8 in the repository and written in
// the game's code page 950.

bool WriteGameFile(const std::filesystem::path& path, const std::string& bytes);
std::string ReadWhole(const std::filesystem::path& path);
std::string ToCodePage950(const std::string& strUtf8);
// A mono 16-bit 22050 Hz ".wav" tone that fades out.
std::string SampleTone(double frequency, double seconds);

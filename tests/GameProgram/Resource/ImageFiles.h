#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Image files made in memory for the texture tests. A colour function gives
// the pixel at (x, y), counted from the top-left corner.
typedef std::function<std::uint32_t(int x, int y)> PixelFunction;

// An uncompressed 24-bit ".bmp"; colours are 0x00RRGGBB.
std::string MakeBmp24(int width, int height, const PixelFunction& pixel);
// An uncompressed A8R8G8B8 ".dds"; colours are 0xAARRGGBB.
std::string MakeDdsA8R8G8B8(int width, int height, const PixelFunction& pixel);
// One colour everywhere.
PixelFunction Solid(std::uint32_t colour);

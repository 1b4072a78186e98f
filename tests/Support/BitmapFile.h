#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An uncompressed 24- or 32-bit ".bmp" file read back for pixel checks, such
// as the screenshots that tests save of their back buffers.
class BitmapFile
{
public:
    // False when the file is missing or not such a bitmap.
    bool Load(const std::string& path);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // 0x00RRGGBB of the pixel, counted from the top-left corner.
    std::uint32_t Pixel(int x, int y) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_pixels;
};

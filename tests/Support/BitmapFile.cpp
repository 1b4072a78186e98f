#include "tests/Support/BitmapFile.h"

#include "tests/Support/ScopedTempFolder.h"

#include <cstring>

namespace {

std::uint32_t ReadLittle(const std::string& bytes, size_t at, size_t width)
{
    std::uint32_t value = 0;
    for (size_t i = 0; i < width; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

} // namespace

bool BitmapFile::Load(const std::string& path)
{
    const std::string bytes = ReadTestFile(path);
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0)
        return false;
    const std::uint32_t dataOffset = ReadLittle(bytes, 10, 4);
    const int width = static_cast<int>(ReadLittle(bytes, 18, 4));
    const int rawHeight = static_cast<int>(ReadLittle(bytes, 22, 4));
    const std::uint32_t bitsPerPixel = ReadLittle(bytes, 28, 2);
    const std::uint32_t compression = ReadLittle(bytes, 30, 4);
    if (width <= 0 || rawHeight == 0 || (bitsPerPixel != 24 && bitsPerPixel != 32))
        return false;
    if (compression != 0 && !(compression == 3 && bitsPerPixel == 32))
        return false;

    const bool bottomUp = rawHeight > 0;
    const int height = bottomUp ? rawHeight : -rawHeight;
    const size_t bytesPerPixel = bitsPerPixel / 8;
    const size_t stride = (width * bytesPerPixel + 3) & ~size_t(3);
    if (dataOffset + stride * height > bytes.size())
        return false;

    m_width = width;
    m_height = height;
    m_pixels.assign(size_t(width) * height, 0);
    for (int row = 0; row < height; ++row) {
        const size_t fileRow = bottomUp ? height - 1 - row : row;
        for (int x = 0; x < width; ++x) {
            const size_t at = dataOffset + fileRow * stride + x * bytesPerPixel;
            m_pixels[size_t(row) * width + x] = ReadLittle(bytes, at, 3);
        }
    }
    return true;
}

std::uint32_t BitmapFile::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    return m_pixels[size_t(y) * m_width + x];
}

#include "tests/GameProgram/Resource/ImageFiles.h"

namespace {

void PutU16(std::string& bytes, std::uint32_t value)
{
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>((value >> 8) & 0xFF);
}

void PutU32(std::string& bytes, std::uint32_t value)
{
    PutU16(bytes, value & 0xFFFF);
    PutU16(bytes, value >> 16);
}

} // namespace

std::string MakeBmp24(int width, int height, const PixelFunction& pixel)
{
    const std::uint32_t rowSize = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = rowSize * static_cast<std::uint32_t>(height);
    std::string bytes = "BM";
    PutU32(bytes, 54 + imageSize);
    PutU32(bytes, 0);
    PutU32(bytes, 54);
    PutU32(bytes, 40);
    PutU32(bytes, static_cast<std::uint32_t>(width));
    PutU32(bytes, static_cast<std::uint32_t>(height));
    PutU16(bytes, 1);
    PutU16(bytes, 24);
    for (std::uint32_t value : {0u, imageSize, 2835u, 2835u, 0u, 0u})
        PutU32(bytes, value);
    for (int y = height - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t colour = pixel(x, y);
            row += static_cast<char>(colour & 0xFF);
            row += static_cast<char>((colour >> 8) & 0xFF);
            row += static_cast<char>((colour >> 16) & 0xFF);
        }
        row.resize(rowSize, '\0');
        bytes += row;
    }
    return bytes;
}

std::string MakeDdsA8R8G8B8(int width, int height, const PixelFunction& pixel)
{
    std::string bytes = "DDS ";
    PutU32(bytes, 124);                                   // header size
    PutU32(bytes, 0x1 | 0x2 | 0x4 | 0x8 | 0x1000);        // caps, height, width, pitch, pixel format
    PutU32(bytes, static_cast<std::uint32_t>(height));
    PutU32(bytes, static_cast<std::uint32_t>(width));
    PutU32(bytes, static_cast<std::uint32_t>(width) * 4); // pitch
    PutU32(bytes, 0);                                     // depth
    PutU32(bytes, 0);                                     // mip levels
    for (int i = 0; i < 11; ++i)
        PutU32(bytes, 0);
    PutU32(bytes, 32);                                    // pixel format size
    PutU32(bytes, 0x40 | 0x1);                            // RGB with alpha
    PutU32(bytes, 0);                                     // no FourCC
    PutU32(bytes, 32);
    for (std::uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u})
        PutU32(bytes, mask);
    PutU32(bytes, 0x1000);                                // a texture
    for (int i = 0; i < 4; ++i)
        PutU32(bytes, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            PutU32(bytes, pixel(x, y));
    }
    return bytes;
}

PixelFunction Solid(std::uint32_t colour)
{
    return [colour](int, int) { return colour; };
}

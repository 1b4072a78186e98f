#include "tools/samplegame/SampleImage.h"

namespace {

void Put(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint32_t Blend(std::uint32_t dwFrom, std::uint32_t dwTo, int iStep, int iSteps)
{
    std::uint32_t dwResult = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int from = (dwFrom >> shift) & 0xFF;
        const int to = (dwTo >> shift) & 0xFF;
        dwResult |= static_cast<std::uint32_t>(from + (to - from) * iStep / iSteps) << shift;
    }
    return dwResult;
}

} // namespace

SampleImage::SampleImage(int iWidth, int iHeight, std::uint32_t dwColor)
    : m_iWidth(iWidth), m_iHeight(iHeight), m_Pixels(static_cast<size_t>(iWidth) * iHeight, dwColor)
{
}

void SampleImage::Set(int x, int y, std::uint32_t dwColor)
{
    if (x >= 0 && y >= 0 && x < m_iWidth && y < m_iHeight)
        m_Pixels[static_cast<size_t>(y) * m_iWidth + x] = dwColor;
}

void SampleImage::FillGradient(std::uint32_t dwTop, std::uint32_t dwBottom)
{
    for (int y = 0; y < m_iHeight; ++y)
        FillRect(0, y, m_iWidth, y + 1, Blend(dwTop, dwBottom, y, m_iHeight > 1 ? m_iHeight - 1 : 1));
}

void SampleImage::FillRect(int iLeft, int iTop, int iRight, int iBottom, std::uint32_t dwColor)
{
    for (int y = iTop; y < iBottom; ++y)
        for (int x = iLeft; x < iRight; ++x)
            Set(x, y, dwColor);
}

void SampleImage::DrawOutline(int iLeft, int iTop, int iRight, int iBottom, std::uint32_t dwColor)
{
    FillRect(iLeft, iTop, iRight, iTop + 1, dwColor);
    FillRect(iLeft, iBottom - 1, iRight, iBottom, dwColor);
    FillRect(iLeft, iTop, iLeft + 1, iBottom, dwColor);
    FillRect(iRight - 1, iTop, iRight, iBottom, dwColor);
}

void SampleImage::FillCircle(int iCentreX, int iCentreY, int iRadius, std::uint32_t dwColor)
{
    for (int y = -iRadius; y <= iRadius; ++y)
        for (int x = -iRadius; x <= iRadius; ++x)
            if (x * x + y * y <= iRadius * iRadius)
                Set(iCentreX + x, iCentreY + y, dwColor);
}

void SampleImage::FillChecker(int iCell, std::uint32_t dwFirst, std::uint32_t dwSecond)
{
    for (int y = 0; y < m_iHeight; ++y)
        for (int x = 0; x < m_iWidth; ++x)
            Set(x, y, ((x / iCell + y / iCell) % 2) == 0 ? dwFirst : dwSecond);
}

std::string SampleImage::ToBmp() const
{
    const std::uint32_t stride = (static_cast<std::uint32_t>(m_iWidth) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = stride * m_iHeight;
    std::string out("BM");
    Put(out, 54 + imageSize, 4);
    Put(out, 0, 4);
    Put(out, 54, 4);
    Put(out, 40, 4);
    Put(out, m_iWidth, 4);
    Put(out, m_iHeight, 4);
    Put(out, 1, 2);
    Put(out, 24, 2);
    Put(out, 0, 4);
    Put(out, imageSize, 4);
    Put(out, 2835, 4);
    Put(out, 2835, 4);
    Put(out, 0, 4);
    Put(out, 0, 4);
    for (int y = m_iHeight - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < m_iWidth; ++x)
            Put(row, m_Pixels[static_cast<size_t>(y) * m_iWidth + x], 3);
        row.resize(stride, '\0');
        out += row;
    }
    return out;
}

std::string SampleImage::ToDds(Alpha alpha) const
{
    std::string out("DDS ");
    Put(out, 124, 4);
    Put(out, 0x100F, 4);  // caps, height, width, pitch, pixel format
    Put(out, m_iHeight, 4);
    Put(out, m_iWidth, 4);
    Put(out, m_iWidth * 4, 4);
    for (int i = 0; i < 13; ++i)
        Put(out, 0, 4);  // depth, mipmaps, reserved
    Put(out, 32, 4);
    Put(out, 0x41, 4);  // RGB with alpha
    Put(out, 0, 4);
    Put(out, 32, 4);
    for (const std::uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u})
        Put(out, mask, 4);
    Put(out, 0x1000, 4);  // texture
    for (int i = 0; i < 4; ++i)
        Put(out, 0, 4);
    const int iLastColumn = m_iWidth > 1 ? m_iWidth - 1 : 1;
    for (int y = 0; y < m_iHeight; ++y) {
        for (int x = 0; x < m_iWidth; ++x) {
            const std::uint32_t dwAlpha =
                alpha == Alpha::Opaque ? 255 : 255 - static_cast<std::uint32_t>(x * 255 / iLastColumn);
            Put(out, (dwAlpha << 24) | (m_Pixels[static_cast<size_t>(y) * m_iWidth + x] & 0xFFFFFF), 4);
        }
    }
    return out;
}

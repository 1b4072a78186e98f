#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A picture drawn by the sample-game generator: simple shapes, gradients and
// outlines on a 24-bit canvas, saved as an uncompressed ".bmp" or ".dds".
class SampleImage
{
public:
    SampleImage(int iWidth, int iHeight, std::uint32_t dwColor);

    // Colours are 0x00RRGGBB.
    void FillGradient(std::uint32_t dwTop, std::uint32_t dwBottom);
    void FillRect(int iLeft, int iTop, int iRight, int iBottom, std::uint32_t dwColor);
    void DrawOutline(int iLeft, int iTop, int iRight, int iBottom, std::uint32_t dwColor);
    void FillCircle(int iCentreX, int iCentreY, int iRadius, std::uint32_t dwColor);
    void FillChecker(int iCell, std::uint32_t dwFirst, std::uint32_t dwSecond);

    // The ".bmp" file's bytes.
    std::string ToBmp() const;
    // An uncompressed A8R8G8B8 ".dds": opaque, or with its alpha falling from
    // 255 at the left column to 0 at the right, so an alpha test cuts it at a
    // fraction of its width.
    enum class Alpha { Opaque, FadingRight };
    std::string ToDds(Alpha alpha) const;

private:
    void Set(int x, int y, std::uint32_t dwColor);

    int m_iWidth;
    int m_iHeight;
    std::vector<std::uint32_t> m_Pixels;
};

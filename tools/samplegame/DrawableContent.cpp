#include "tools/samplegame/DrawableContent.h"

#include "GameProgram/Common/XF_SafeFileWriter.h"
#include "tools/samplegame/SampleImage.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace {

const std::uint32_t COLOR_KEY = 0x00FF00;

bool WriteBytes(const fs::path& path, const std::string& bytes)
{
    std::error_code ignored;
    fs::create_directories(path.parent_path(), ignored);
    if (FAILED(XF_WriteFileSafely(path.string().c_str(), bytes.data(), bytes.size()))) {
        std::fprintf(stderr, "samplegame: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

// The bar's foreground: opaque on the left, fading to clear on the right, so
// an alpha reference cuts it at the fraction.
std::string BarForeground()
{
    return SampleImage(128, 16, 0xE02020).ToDds(SampleImage::Alpha::FadingRight);
}

std::string BarBackground()
{
    return SampleImage(128, 16, 0x303040).ToDds(SampleImage::Alpha::Opaque);
}

// A figure on the colour key: head, shirt and legs; the arm swings with the page.
std::string Hero(std::uint32_t dwShirt, int iPage)
{
    SampleImage image(64, 96, COLOR_KEY);
    image.FillCircle(32, 16, 11, 0xF0C090);
    image.FillRect(18, 28, 46, 62, dwShirt);
    image.FillRect(20, 62, 30, 94, 0x403020);
    image.FillRect(34, 62, 44, 94, 0x403020);
    const int iArm = iPage == 1 ? 30 : 40;
    image.FillRect(46, iArm, 54, iArm + 20, dwShirt);
    return image.ToBmp();
}

} // namespace

bool WriteDrawablePictures(const fs::path& output)
{
    SampleImage ground(64, 64, 0xC8C8A0);
    ground.DrawOutline(0, 0, 64, 64, 0xA0A080);
    SampleImage panel(128, 64, 0x284878);
    panel.DrawOutline(0, 0, 128, 64, 0xE0E0FF);
    panel.DrawOutline(3, 3, 125, 61, 0x8090C0);
    SampleImage spark(16, 16, 0x000000);
    spark.FillCircle(8, 8, 6, 0xFFFFFF);
    SampleImage coin(16, 16, 0x000000);
    coin.FillCircle(8, 8, 7, 0xFFD040);
    coin.FillCircle(8, 8, 3, 0xC09020);

    bool bWritten = WriteBytes(output / "Texture" / "bk" / "bk001.bmp", ground.ToBmp())
                 && WriteBytes(output / "Texture" / "Panel.bmp", panel.ToBmp())
                 && WriteBytes(output / "Texture" / "Spark.bmp", spark.ToBmp())
                 && WriteBytes(output / "Texture" / "Coin.bmp", coin.ToBmp())
                 && WriteBytes(output / "AniTexture" / "BarFore.dds", BarForeground())
                 && WriteBytes(output / "AniTexture" / "BarBack.dds", BarBackground());
    for (int iPage = 1; iPage <= 2 && bWritten; ++iPage) {
        const std::string strPage = std::to_string(iPage);
        bWritten = WriteBytes(output / "AniTexture" / ("HeroA" + strPage + ".bmp"), Hero(0xD02020, iPage))
                && WriteBytes(output / "AniTexture" / ("HeroB" + strPage + ".bmp"), Hero(0x2040D0, iPage));
    }
    return bWritten;
}

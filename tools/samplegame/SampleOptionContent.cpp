#include "tools/samplegame/SampleOptionContent.h"

#include "tools/samplegame/SampleFiles.h"
#include "tools/samplegame/SampleImage.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Opaque pure green is the colour key of the pictures.
const std::uint32_t COLOR_KEY = 0x00FF00;
const std::uint32_t GOLD = 0xE0C060;
const std::uint32_t WHITE = 0xFFFFFF;

// One page of an animation: its picture under "AniTexture\Option\", drawn at
// the given scale and centred on the item's position.
std::string AnimationPage(const std::string& strPicture, float fScale)
{
    char szPage[256];
    std::snprintf(szPage, sizeof(szPage),
                  "100 0 0 -1 1 0.0 0.0 0.0 400.0\r\n"
                  "Option\\%s 1 %.1f 0.0 0.0 0.0 %.1f 0.0 0.0 0.0 1.0 0.0 0.0 0.0 4 4 1 5 6 ffffffff\r\n",
                  strPicture.c_str(), fScale, fScale);
    return szPage;
}

std::string Animation(const std::vector<std::string>& pictures, float fScale)
{
    std::string text = std::to_string(pictures.size()) + "\r\npages\r\n";
    for (const std::string& strPicture : pictures)
        text += AnimationPage(strPicture, fScale);
    return text;
}

// A button face: page 0 at rest, page 1 lit.
SampleImage Button(int iWidth, int iHeight, std::uint32_t dwFill, std::uint32_t dwEdge)
{
    SampleImage image(iWidth, iHeight, COLOR_KEY);
    image.FillRect(1, 1, iWidth - 1, iHeight - 1, dwFill);
    image.DrawOutline(1, 1, iWidth - 1, iHeight - 1, dwEdge);
    return image;
}

// The panel at half size (drawn twice as large): a frame and the three
// slider tracks, 90 pixels long, at the rows of the knobs.
SampleImage Panel()
{
    SampleImage image(180, 260, 0x182848);
    image.FillGradient(0x203868, 0x101830);
    image.DrawOutline(0, 0, 180, 260, GOLD);
    for (const int iRow : {150, 185, 220})
        image.FillRect(70, iRow - 1, 160, iRow + 1, 0xC0C0C0);
    return image;
}

SampleImage Knob()
{
    SampleImage image(16, 28, COLOR_KEY);
    image.FillRect(2, 0, 14, 28, 0xF0E0A0);
    image.DrawOutline(2, 0, 14, 28, 0x603010);
    return image;
}

// A thumbnail as the option screen writes them: 128 × 128 of the frame.
SampleImage Thumbnail(std::uint32_t dwSky)
{
    SampleImage image(128, 128, 0);
    image.FillGradient(dwSky, 0x183050);
    image.FillRect(0, 96, 128, 128, 0x285028);
    image.FillCircle(96, 32, 12, 0xF0E0A0);
    return image;
}

struct JS_Picture
{
    const char* szName;
    SampleImage image;
};

std::vector<JS_Picture> Pictures()
{
    return {
        {"Panel.bmp", Panel()},
        {"Save0.bmp", Button(160, 40, 0x2060A0, WHITE)},
        {"Save1.bmp", Button(160, 40, 0x40A0E0, GOLD)},
        {"Load0.bmp", Button(160, 40, 0x206040, WHITE)},
        {"Load1.bmp", Button(160, 40, 0x40A060, GOLD)},
        {"Title0.bmp", Button(160, 40, 0x802020, WHITE)},
        {"Title1.bmp", Button(160, 40, 0xC04040, GOLD)},
        {"Knob.bmp", Knob()},
        {"Switch0.bmp", Button(48, 28, 0x603030, 0xA0A0A0)},
        {"Switch1.bmp", Button(48, 28, 0x30C050, WHITE)},
        {"TitleSave.bmp", Button(160, 32, 0x2060A0, GOLD)},
        {"TitleLoad.bmp", Button(160, 32, 0x206040, GOLD)},
        {"Restart0.bmp", Button(180, 18, 0x302040, 0xA0A0A0)},
        {"Restart1.bmp", Button(180, 18, 0x604080, GOLD)},
        {"PageBar.bmp", Button(180, 16, 0x202830, 0xA0A0A0)},
        {"Prev0.bmp", Button(32, 24, 0x305080, WHITE)},
        {"Prev1.bmp", Button(32, 24, 0x60A0E0, GOLD)},
        {"Next0.bmp", Button(32, 24, 0x305080, WHITE)},
        {"Next1.bmp", Button(32, 24, 0x60A0E0, GOLD)},
        {"ListBar0.bmp", Button(180, 39, 0x182848, 0x808080)},
        {"ListBar1.bmp", Button(180, 39, 0x304878, GOLD)},
        {"Box.bmp", Button(150, 75, 0x402818, GOLD)},
        {"OK0.bmp", Button(96, 28, 0x305080, WHITE)},
        {"OK1.bmp", Button(96, 28, 0x60A0E0, GOLD)},
        {"Cancel0.bmp", Button(96, 28, 0x803030, WHITE)},
        {"Cancel1.bmp", Button(96, 28, 0xC05050, GOLD)},
    };
}

struct JS_Animation
{
    const char* szName;
    std::vector<std::string> pictures;
    float fScale;
};

const std::vector<JS_Animation>& Animations()
{
    static const std::vector<JS_Animation> s_Animations = {
        {"Panel.ant", {"Panel.bmp"}, 2.0f},
        {"Save.ant", {"Save0.bmp", "Save1.bmp"}, 1.0f},
        {"Load.ant", {"Load0.bmp", "Load1.bmp"}, 1.0f},
        {"Title.ant", {"Title0.bmp", "Title1.bmp"}, 1.0f},
        {"Knob.ant", {"Knob.bmp"}, 1.0f},
        {"Switch.ant", {"Switch0.bmp", "Switch1.bmp"}, 1.0f},
        {"TitleSave.ant", {"TitleSave.bmp"}, 1.0f},
        {"TitleLoad.ant", {"TitleLoad.bmp"}, 1.0f},
        {"Restart.ant", {"Restart0.bmp", "Restart1.bmp"}, 2.0f},
        {"PageBar.ant", {"PageBar.bmp"}, 2.0f},
        {"Prev.ant", {"Prev0.bmp", "Prev1.bmp"}, 1.0f},
        {"Next.ant", {"Next0.bmp", "Next1.bmp"}, 1.0f},
        {"ListBar.ant", {"ListBar0.bmp", "ListBar1.bmp"}, 2.0f},
        {"Box.ant", {"Box.bmp"}, 2.0f},
        {"OK.ant", {"OK0.bmp", "OK1.bmp"}, 1.0f},
        {"Cancel.ant", {"Cancel0.bmp", "Cancel1.bmp"}, 1.0f},
    };
    return s_Animations;
}

} // namespace

bool WriteSampleOptionContent(const fs::path& output)
{
    for (const JS_Picture& picture : Pictures()) {
        if (!WriteGameFile(output / "AniTexture" / "Option" / picture.szName, picture.image.ToBmp()))
            return false;
    }
    for (const JS_Animation& animation : Animations()) {
        if (!WriteGameFile(output / "Ani" / "Option" / animation.szName,
                           Animation(animation.pictures, animation.fScale)))
            return false;
    }
    return WriteGameFile(output / "Save" / "00" / "Record.bmp", Thumbnail(0x4080D0).ToBmp())
        && WriteGameFile(output / "Save" / "98" / "Record.bmp", Thumbnail(0xD08040).ToBmp());
}

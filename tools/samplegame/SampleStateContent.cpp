#include "tools/samplegame/SampleStateContent.h"

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
const std::uint32_t GREY = 0x808080;

std::string AnimationPage(const std::string& strFolder, const std::string& strPicture, float fScale)
{
    char szPage[256];
    std::snprintf(szPage, sizeof(szPage),
                  "100 0 0 -1 1 0.0 0.0 0.0 400.0\r\n"
                  "%s\\%s 1 %.1f 0.0 0.0 0.0 %.1f 0.0 0.0 0.0 1.0 0.0 0.0 0.0 4 4 1 5 6 ffffffff\r\n",
                  strFolder.c_str(), strPicture.c_str(), fScale, fScale);
    return szPage;
}

std::string Animation(const std::string& strFolder, const std::vector<std::string>& pictures, float fScale)
{
    std::string text = std::to_string(pictures.size()) + "\r\npages\r\n";
    for (const std::string& strPicture : pictures)
        text += AnimationPage(strFolder, strPicture, fScale);
    return text;
}

SampleImage Box(int iWidth, int iHeight, std::uint32_t dwFill, std::uint32_t dwEdge)
{
    SampleImage image(iWidth, iHeight, COLOR_KEY);
    image.FillRect(1, 1, iWidth - 1, iHeight - 1, dwFill);
    image.DrawOutline(1, 1, iWidth - 1, iHeight - 1, dwEdge);
    return image;
}

SampleImage Panel(int iWidth, int iHeight, std::uint32_t dwTop, std::uint32_t dwBottom)
{
    SampleImage image(iWidth, iHeight, dwTop);
    image.FillGradient(dwTop, dwBottom);
    image.DrawOutline(0, 0, iWidth, iHeight, GOLD);
    return image;
}

// A triangle of rows pointing up or down.
SampleImage Arrow(bool bUp, std::uint32_t dwInk)
{
    SampleImage image(16, 16, COLOR_KEY);
    for (int r = 0; r < 8; ++r) {
        const int iRow = bUp ? 4 + r : 11 - r;
        image.FillRect(8 - r, iRow, 8 + r, iRow + 1, dwInk);
    }
    return image;
}

// A thing's icon: a framed square with a mark of its number's colour.
SampleImage Icon(int iPhoto)
{
    const std::uint32_t dwColour = 0x204080 + static_cast<std::uint32_t>(iPhoto) * 0x0B1707;
    SampleImage image(32, 32, 0x202020);
    image.DrawOutline(0, 0, 32, 32, WHITE);
    image.FillCircle(16, 16, 10, dwColour & 0xFFFFFF);
    return image;
}

SampleImage DefaultIcon()
{
    SampleImage image(32, 32, 0x404040);
    image.DrawOutline(0, 0, 32, 32, GREY);
    image.FillRect(12, 12, 20, 20, GREY);
    return image;
}

SampleImage Face(std::uint32_t dwSkin)
{
    SampleImage image(96, 96, 0x183050);
    image.FillCircle(48, 52, 34, dwSkin);
    image.FillRect(32, 44, 40, 52, 0x101010);
    image.FillRect(56, 44, 64, 52, 0x101010);
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
        {"Frame.bmp", Panel(400, 300, 0x182848, 0x0C1428)},
        {"Status.bmp", Panel(170, 100, 0x203060, 0x101830)},
        {"Attribute.bmp", Panel(230, 130, 0x203060, 0x101830)},
        {"Explain.bmp", Panel(390, 55, 0x000000, 0x202020)},
        {"Tab0.bmp", Box(96, 28, 0x305080, WHITE)},
        {"Tab1.bmp", Box(96, 28, 0x60A0E0, GOLD)},
        {"SmallTab0.bmp", Box(68, 24, 0x305080, GREY)},
        {"SmallTab1.bmp", Box(68, 24, 0x60A0E0, GOLD)},
        {"Header.bmp", Box(140, 12, 0x402818, GOLD)},
        {"Slot0.bmp", Box(140, 19, 0x182848, GREY)},
        {"Slot1.bmp", Box(140, 19, 0x304878, GOLD)},
        {"Row0.bmp", Box(140, 15, 0x182848, GREY)},
        {"Row1.bmp", Box(140, 15, 0x304878, GOLD)},
        {"PageBar.bmp", Box(140, 12, 0x202830, GREY)},
        {"Gold.bmp", Box(140, 12, 0x403010, GOLD)},
        {"TakeOff0.bmp", Box(28, 24, 0x803030, WHITE)},
        {"TakeOff1.bmp", Box(28, 24, 0xC05050, GOLD)},
        {"Prev0.bmp", Box(32, 24, 0x305080, WHITE)},
        {"Prev1.bmp", Box(32, 24, 0x60A0E0, GOLD)},
        {"Next0.bmp", Box(32, 24, 0x305080, WHITE)},
        {"Next1.bmp", Box(32, 24, 0x60A0E0, GOLD)},
        {"Free0.bmp", Box(96, 24, 0x803030, WHITE)},
        {"Free1.bmp", Box(96, 24, 0xC05050, GOLD)},
        {"Add0.bmp", Box(16, 16, 0x306030, WHITE)},
        {"Add1.bmp", Box(16, 16, 0x60C060, GOLD)},
        {"Up0.bmp", Arrow(true, WHITE)},
        {"Up1.bmp", Arrow(true, GOLD)},
        {"Down0.bmp", Arrow(false, WHITE)},
        {"Down1.bmp", Arrow(false, GOLD)},
        {"Box.bmp", Box(150, 80, 0x402818, GOLD)},
        {"OK0.bmp", Box(96, 28, 0x305080, WHITE)},
        {"OK1.bmp", Box(96, 28, 0x60A0E0, GOLD)},
        {"Cancel0.bmp", Box(96, 28, 0x803030, WHITE)},
        {"Cancel1.bmp", Box(96, 28, 0xC05050, GOLD)},
        {"Choice0.bmp", Box(160, 26, 0x203048, GREY)},
        {"Choice1.bmp", Box(160, 26, 0x405878, GOLD)},
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
        {"Frame.ant", {"Frame.bmp"}, 2.0f},
        {"Status.ant", {"Status.bmp"}, 2.0f},
        {"Attribute.ant", {"Attribute.bmp"}, 2.0f},
        {"Explain.ant", {"Explain.bmp"}, 2.0f},
        {"Tab.ant", {"Tab0.bmp", "Tab1.bmp"}, 1.0f},
        {"SmallTab.ant", {"SmallTab0.bmp", "SmallTab1.bmp"}, 1.0f},
        {"Header.ant", {"Header.bmp"}, 2.0f},
        {"Slot.ant", {"Slot0.bmp", "Slot1.bmp"}, 2.0f},
        {"Row.ant", {"Row0.bmp", "Row1.bmp"}, 2.0f},
        {"PageBar.ant", {"PageBar.bmp"}, 2.0f},
        {"Gold.ant", {"Gold.bmp"}, 2.0f},
        {"TakeOff.ant", {"TakeOff0.bmp", "TakeOff1.bmp"}, 1.0f},
        {"Prev.ant", {"Prev0.bmp", "Prev1.bmp"}, 1.0f},
        {"Next.ant", {"Next0.bmp", "Next1.bmp"}, 1.0f},
        {"Free.ant", {"Free0.bmp", "Free1.bmp"}, 1.0f},
        {"Add.ant", {"Add0.bmp", "Add1.bmp"}, 1.0f},
        {"Up.ant", {"Up0.bmp", "Up1.bmp"}, 1.0f},
        {"Down.ant", {"Down0.bmp", "Down1.bmp"}, 1.0f},
        {"Box.ant", {"Box.bmp"}, 2.0f},
        {"OK.ant", {"OK0.bmp", "OK1.bmp"}, 1.0f},
        {"Cancel.ant", {"Cancel0.bmp", "Cancel1.bmp"}, 1.0f},
        {"Choice.ant", {"Choice0.bmp", "Choice1.bmp"}, 1.0f},
    };
    return s_Animations;
}

// The monsters that may join the party, by their animation IDs.
const struct
{
    const char* szAnimationID;
    std::uint32_t dwSkin;
} MONSTER_FACES[] = {{"000b0004", 0x40A040}, {"000c0004", 0x40A0E0}, {"000d0004", 0xC06030}};

// Photos of the fixed things and skills: every number the tables use.
const int LAST_PHOTO = 40;
const char* const DEFAULT_ICONS[] = {"DefaultTool.bmp", "DefaultWeapon.bmp", "DefaultWearing.bmp", "DefaultGem.bmp",
                                     "DefaultSkill.bmp"};

bool WriteIcons(const fs::path& output)
{
    const fs::path folder = output / "Texture" / "Icon";
    for (int iPhoto = 0; iPhoto <= LAST_PHOTO; ++iPhoto) {
        char szName[16];
        std::snprintf(szName, sizeof(szName), "%04d.bmp", iPhoto);
        if (!WriteGameFile(folder / szName, Icon(iPhoto).ToBmp()))
            return false;
    }
    for (const char* szName : DEFAULT_ICONS) {
        if (!WriteGameFile(folder / szName, DefaultIcon().ToBmp()))
            return false;
    }
    return true;
}

bool WriteMonsterFaces(const fs::path& output)
{
    for (const auto& face : MONSTER_FACES) {
        const std::string strPicture = std::string("Face") + face.szAnimationID + ".bmp";
        if (!WriteGameFile(output / "AniTexture" / "State" / strPicture, Face(face.dwSkin).ToBmp())
            || !WriteGameFile(output / "Ani" / "face" / (std::string("F") + face.szAnimationID + ".ant"),
                              Animation("State", {strPicture}, 1.0f)))
            return false;
    }
    return true;
}

} // namespace

bool WriteSampleStateContent(const fs::path& output)
{
    for (const JS_Picture& picture : Pictures()) {
        if (!WriteGameFile(output / "AniTexture" / "State" / picture.szName, picture.image.ToBmp()))
            return false;
    }
    for (const JS_Animation& animation : Animations()) {
        if (!WriteGameFile(output / "Ani" / "State" / animation.szName,
                           Animation("State", animation.pictures, animation.fScale)))
            return false;
    }
    return WriteIcons(output) && WriteMonsterFaces(output);
}

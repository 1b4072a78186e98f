#include "tools/samplegame/SampleTownContent.h"

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

// One page of an animation, its picture under "AniTexture\Town\", drawn at
// the scale and centred on the item's position.
std::string AnimationPage(const std::string& strPicture, float fScale)
{
    char szPage[256];
    std::snprintf(szPage, sizeof(szPage),
                  "100 0 0 -1 1 0.0 0.0 0.0 400.0\r\n"
                  "Town\\%s 1 %.1f 0.0 0.0 0.0 %.1f 0.0 0.0 0.0 1.0 0.0 0.0 0.0 4 4 1 5 6 ffffffff\r\n",
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

SampleImage Button(int iWidth, int iHeight, std::uint32_t dwFill, std::uint32_t dwEdge)
{
    SampleImage image(iWidth, iHeight, COLOR_KEY);
    image.FillRect(1, 1, iWidth - 1, iHeight - 1, dwFill);
    image.DrawOutline(1, 1, iWidth - 1, iHeight - 1, dwEdge);
    return image;
}

SampleImage Panel(int iWidth, int iHeight, std::uint32_t dwTop, std::uint32_t dwBottom)
{
    SampleImage image(iWidth, iHeight, 0);
    image.FillGradient(dwTop, dwBottom);
    image.DrawOutline(0, 0, iWidth, iHeight, GOLD);
    return image;
}

// The town at half size: sky, roofs and a road.
SampleImage TownPicture()
{
    SampleImage image(400, 300, 0);
    image.FillGradient(0x70A8E0, 0xC0E0F0);
    image.FillRect(0, 200, 400, 300, 0x6A8A40);
    image.FillRect(170, 200, 230, 300, 0xB09060);
    for (int i = 0; i < 4; ++i) {
        const int iLeft = 20 + i * 95;
        image.FillRect(iLeft, 140, iLeft + 70, 200, 0xE0D0B0);
        image.FillRect(iLeft - 5, 120, iLeft + 75, 140, 0xA03020);
        image.FillRect(iLeft + 28, 170, iLeft + 42, 200, 0x603010);
    }
    return image;
}

SampleImage Seller(std::uint32_t dwShirt)
{
    SampleImage image(96, 96, COLOR_KEY);
    image.FillRect(20, 56, 76, 96, dwShirt);
    image.FillCircle(48, 34, 22, 0xF0C090);
    image.FillRect(36, 28, 42, 34, 0x202020);
    image.FillRect(54, 28, 60, 34, 0x202020);
    return image;
}

SampleImage Face(std::uint32_t dwShirt, std::uint32_t dwSkin)
{
    SampleImage image(24, 24, COLOR_KEY);
    image.FillRect(0, 16, 24, 24, dwShirt);
    image.FillCircle(12, 10, 8, dwSkin);
    image.FillRect(8, 8, 10, 10, 0x202020);
    image.FillRect(14, 8, 16, 10, 0x202020);
    return image;
}

// The marked face: the same with a gold frame.
SampleImage MarkedFace(std::uint32_t dwShirt, std::uint32_t dwSkin)
{
    SampleImage image = Face(dwShirt, dwSkin);
    image.DrawOutline(0, 0, 24, 24, GOLD);
    return image;
}

SampleImage Monster(std::uint32_t dwBody, int iHorns)
{
    SampleImage image(96, 96, COLOR_KEY);
    image.FillCircle(48, 58, 34, dwBody);
    image.FillCircle(36, 50, 6, WHITE);
    image.FillCircle(60, 50, 6, WHITE);
    for (int i = 0; i < iHorns; ++i)
        image.FillRect(26 + i * 36, 14, 34 + i * 36, 30, 0xF0F0D0);
    return image;
}

SampleImage Icon(std::uint32_t dwFill, int iMark)
{
    SampleImage image(32, 32, 0x000000);
    image.FillRect(2, 2, 30, 30, dwFill);
    image.DrawOutline(2, 2, 30, 30, WHITE);
    image.FillCircle(16, 16, 3 + iMark % 8, WHITE);
    return image;
}

SampleImage Square(std::uint32_t dwRing)
{
    SampleImage image(96, 48, COLOR_KEY);
    image.FillRect(8, 8, 88, 40, dwRing);
    image.FillRect(16, 14, 80, 34, 0x201040);
    return image;
}

SampleImage Shine()
{
    SampleImage image(96, 96, COLOR_KEY);
    image.FillCircle(48, 48, 40, 0xFFF0A0);
    image.FillCircle(48, 48, 20, WHITE);
    return image;
}

struct JS_Picture
{
    std::string strName;
    SampleImage image;
};

std::vector<JS_Picture> Pictures()
{
    return {
        {"TownBackground.bmp", TownPicture()},
        {"Seller.bmp", Seller(0x2060A0)},
        {"Menu.bmp", Panel(100, 160, 0x203868, 0x101830)},
        {"Line0.bmp", Button(180, 32, 0x182848, 0x808080)},
        {"Line1.bmp", Button(180, 32, 0x304878, GOLD)},
        {"SellerFrame.bmp", Panel(100, 100, 0x402818, 0x201008)},
        {"Gold.bmp", Button(180, 32, 0x403010, GOLD)},
        {"Buy.bmp", Button(160, 36, 0x206040, WHITE)},
        {"Sell.bmp", Button(160, 36, 0x802020, WHITE)},
        {"Equip.bmp", Button(160, 36, 0x305080, WHITE)},
        {"Tab0.bmp", Button(76, 32, 0x202830, 0x808080)},
        {"Tab1.bmp", Button(76, 32, 0x304878, GOLD)},
        {"PageBar.bmp", Button(180, 16, 0x202830, 0xA0A0A0)},
        {"Prev0.bmp", Button(32, 24, 0x305080, WHITE)},
        {"Prev1.bmp", Button(32, 24, 0x60A0E0, GOLD)},
        {"Next0.bmp", Button(32, 24, 0x305080, WHITE)},
        {"Next1.bmp", Button(32, 24, 0x60A0E0, GOLD)},
        {"ThingBar0.bmp", Button(160, 21, 0x182848, 0x808080)},
        {"ThingBar1.bmp", Button(160, 21, 0x304878, GOLD)},
        {"Explain.bmp", Panel(120, 100, 0x182848, 0x101830)},
        {"Compare.bmp", Panel(120, 80, 0x182848, 0x101830)},
        {"Dialog.bmp", Panel(110, 90, 0x402818, 0x201008)},
        {"Up0.bmp", Button(28, 20, 0x305080, WHITE)},
        {"Up1.bmp", Button(28, 20, 0x60A0E0, GOLD)},
        {"Down0.bmp", Button(28, 20, 0x503080, WHITE)},
        {"Down1.bmp", Button(28, 20, 0xA060E0, GOLD)},
        {"OK0.bmp", Button(96, 28, 0x305080, WHITE)},
        {"OK1.bmp", Button(96, 28, 0x60A0E0, GOLD)},
        {"Cancel0.bmp", Button(96, 28, 0x803030, WHITE)},
        {"Cancel1.bmp", Button(96, 28, 0xC05050, GOLD)},
        {"MergeBk.bmp", Panel(400, 300, 0x180830, 0x080410)},
        {"Square0.bmp", Square(0x6040C0)},
        {"Square1.bmp", Square(0xC0A0FF)},
        {"Shine.bmp", Shine()},
        {"ListBk.bmp", Panel(110, 180, 0x182848, 0x101830)},
        {"ListBar0.bmp", Button(180, 36, 0x182848, 0x808080)},
        {"ListBar1.bmp", Button(180, 36, 0x304878, GOLD)},
        {"Card.bmp", Panel(90, 180, 0x203020, 0x101810)},
        {"FaceDefault0.bmp", Face(0x808080, 0xC0C0C0)},
        {"FaceDefault1.bmp", MarkedFace(0x808080, 0xC0C0C0)},
    };
}

struct JS_Animation
{
    std::string strName;
    std::vector<std::string> pictures;
    float fScale;
};

std::vector<JS_Animation> Animations()
{
    return {
        {"TownBackground.ant", {"TownBackground.bmp"}, 2.0f},
        {"Seller.ant", {"Seller.bmp"}, 1.0f},
        {"Menu.ant", {"Menu.bmp"}, 2.0f},
        {"Line.ant", {"Line0.bmp", "Line1.bmp"}, 1.0f},
        {"SellerFrame.ant", {"SellerFrame.bmp"}, 1.2f},
        {"Gold.ant", {"Gold.bmp"}, 1.0f},
        {"BuySell.ant", {"Buy.bmp", "Sell.bmp"}, 1.0f},
        {"Equip.ant", {"Equip.bmp"}, 1.0f},
        {"Tab.ant", {"Tab0.bmp", "Tab1.bmp"}, 1.0f},
        {"PageBar.ant", {"PageBar.bmp"}, 1.0f},
        {"Prev.ant", {"Prev0.bmp", "Prev1.bmp"}, 1.0f},
        {"Next.ant", {"Next0.bmp", "Next1.bmp"}, 1.0f},
        {"ThingBar.ant", {"ThingBar0.bmp", "ThingBar1.bmp"}, 2.0f},
        {"Explain.ant", {"Explain.bmp"}, 2.0f},
        {"Compare.ant", {"Compare.bmp"}, 2.0f},
        {"Dialog.ant", {"Dialog.bmp"}, 2.0f},
        {"Up.ant", {"Up0.bmp", "Up1.bmp"}, 1.0f},
        {"Down.ant", {"Down0.bmp", "Down1.bmp"}, 1.0f},
        {"OK.ant", {"OK0.bmp", "OK1.bmp"}, 1.0f},
        {"Cancel.ant", {"Cancel0.bmp", "Cancel1.bmp"}, 1.0f},
        {"MergeBk.ant", {"MergeBk.bmp"}, 2.0f},
        {"Square.ant", {"Square0.bmp", "Square1.bmp"}, 1.0f},
        {"Shine.ant", {"Shine.bmp"}, 1.0f},
        {"ListBk.ant", {"ListBk.bmp"}, 2.0f},
        {"ListBar.ant", {"ListBar0.bmp", "ListBar1.bmp"}, 1.0f},
        {"Card.ant", {"Card.bmp"}, 2.0f},
        {"Face\\Default.ant", {"FaceDefault0.bmp", "FaceDefault1.bmp"}, 1.0f},
    };
}

// The party's faces for the comparison (plain and marked) by person ID.
const struct
{
    unsigned uPersonID;
    std::uint32_t dwShirt;
} PARTY[] = {{1, 0xD02020}, {2, 0x2040D0}, {3, 0xF0F0F0}};

// The captured and merged monsters by animation id (person << 16 | job).
const struct
{
    unsigned uAnimationID;
    std::uint32_t dwBody;
    int iHorns;
} MONSTERS[] = {{0x000b0004, 0x40A040, 1}, {0x000c0004, 0x4080E0, 0}, {0x000d0004, 0xC04080, 2}};

// Icons by photo number: weapons, wearings, gems and tools.
const struct
{
    int iFirst;
    int iLast;
    std::uint32_t dwFill;
} ICONS[] = {{1, 5, 0x806040}, {11, 14, 0x406080}, {21, 23, 0x802080}, {31, 34, 0x408040}};

bool WriteParty(const fs::path& output)
{
    for (const auto& person : PARTY) {
        char szName[32];
        std::snprintf(szName, sizeof(szName), "%08x", person.uPersonID);
        const std::string strID(szName);
        if (!WriteGameFile(output / "AniTexture" / "Town" / ("Face" + strID + "_0.bmp"),
                           Face(person.dwShirt, 0xF0C090).ToBmp())
            || !WriteGameFile(output / "AniTexture" / "Town" / ("Face" + strID + "_1.bmp"),
                              MarkedFace(person.dwShirt, 0xF0C090).ToBmp())
            || !WriteGameFile(output / "Ani" / "Town" / "Face" / ("ef" + strID + ".ant"),
                              Animation({"Face" + strID + "_0.bmp", "Face" + strID + "_1.bmp"}, 1.0f)))
            return false;
    }
    return true;
}

bool WriteMonsters(const fs::path& output)
{
    for (const auto& monster : MONSTERS) {
        char szName[32];
        std::snprintf(szName, sizeof(szName), "%08x", monster.uAnimationID);
        const std::string strID(szName);
        const std::string strPicture = "Monster" + strID + ".bmp";
        if (!WriteGameFile(output / "AniTexture" / "Town" / strPicture, Monster(monster.dwBody, monster.iHorns).ToBmp())
            || !WriteGameFile(output / "Ani" / "Town" / "Monster" / strID / "00a.ant", Animation({strPicture}, 1.0f))
            || !WriteGameFile(output / "Ani" / "Town" / "Face" / ("F" + strID + ".ant"), Animation({strPicture}, 0.8f)))
            return false;
    }
    return true;
}

bool WriteIcons(const fs::path& output)
{
    const fs::path folder = output / "Texture" / "Town" / "Icon";
    for (const auto& icons : ICONS) {
        for (int i = icons.iFirst; i <= icons.iLast; ++i) {
            char szName[16];
            std::snprintf(szName, sizeof(szName), "%04d.bmp", i);
            if (!WriteGameFile(folder / szName, Icon(icons.dwFill, i).ToBmp()))
                return false;
        }
    }
    return WriteGameFile(folder / "Gem.bmp", Icon(0x802080, 0).ToBmp())
        && WriteGameFile(folder / "Tool.bmp", Icon(0x408040, 0).ToBmp())
        && WriteGameFile(folder / "Weapon.bmp", Icon(0x806040, 0).ToBmp())
        && WriteGameFile(folder / "Wearing.bmp", Icon(0x406080, 0).ToBmp());
}

// The texts the town's views make themselves (row padding and price mark,
// held count, quantity and cost), for the glyph file.
const char* const DRAWN_TEXTS = "\u3000\uFF33 持有數量： X 0123456789 G\r\n";

} // namespace

bool WriteSampleTownContent(const fs::path& output)
{
    for (const JS_Picture& picture : Pictures()) {
        if (!WriteGameFile(output / "AniTexture" / "Town" / picture.strName, picture.image.ToBmp()))
            return false;
    }
    for (const JS_Animation& animation : Animations()) {
        if (!WriteGameFile(output / "Ani" / "Town" / animation.strName, Animation(animation.pictures, animation.fScale)))
            return false;
    }
    return WriteParty(output) && WriteMonsters(output) && WriteIcons(output)
        && WriteGameFile(output / "Music" / "Town.wav", SampleTone(523.25, 2.0))
        && WriteGameFile(output / "Font" / "TownTexts.txt", std::string(DRAWN_TEXTS));
}

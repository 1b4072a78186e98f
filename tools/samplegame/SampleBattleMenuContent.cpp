#include "tools/samplegame/SampleBattleMenuContent.h"

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
const std::uint32_t NAVY = 0x182848;

// A picture of the battle menus under "AniTexture\BattleMenu\".
struct JS_Picture
{
    const char* szName;
    SampleImage image;
};

// A framed box: the menus' frames, bars and icons.
SampleImage Box(int iWidth, int iHeight, std::uint32_t dwFill, std::uint32_t dwEdge)
{
    SampleImage image(iWidth, iHeight, COLOR_KEY);
    image.FillRect(1, 1, iWidth - 1, iHeight - 1, dwFill);
    image.DrawOutline(1, 1, iWidth - 1, iHeight - 1, dwEdge);
    return image;
}

// A band to the picture's edges, with no clear margin: the deployment's top
// band, scaled to the screen's width, covers the field behind it.
SampleImage Band(int iWidth, int iHeight, std::uint32_t dwFill, std::uint32_t dwEdge)
{
    SampleImage image(iWidth, iHeight, dwFill);
    image.DrawOutline(0, 0, iWidth, iHeight, dwEdge);
    return image;
}

SampleImage Disc(int iSize, std::uint32_t dwFill)
{
    SampleImage image(iSize, iSize, COLOR_KEY);
    image.FillCircle(iSize / 2, iSize / 2, iSize / 2 - 1, WHITE);
    image.FillCircle(iSize / 2, iSize / 2, iSize / 2 - 3, dwFill);
    return image;
}

// An arrow pointing up or down, for the list's page buttons.
SampleImage Arrow(bool bUp)
{
    SampleImage image(24, 24, COLOR_KEY);
    for (int i = 0; i < 10; ++i) {
        const int iRow = bUp ? 6 + i : 17 - i;
        image.FillRect(12 - i, iRow, 12 + i, iRow + 1, GOLD);
    }
    return image;
}

// A yes tick or a no cross.
SampleImage Answer(bool bYes, std::uint32_t dwFill)
{
    SampleImage image = Box(24, 24, dwFill, WHITE);
    for (int i = 0; i < 14; ++i) {
        if (bYes)
            image.FillRect(4 + i, i < 6 ? 10 + i : 22 - i, 6 + i, i < 6 ? 12 + i : 24 - i, WHITE);
        else {
            image.FillRect(5 + i, 5 + i, 7 + i, 7 + i, WHITE);
            image.FillRect(17 - i, 5 + i, 19 - i, 7 + i, WHITE);
        }
    }
    return image;
}

// The state windows' gauges: a foreground each, whose alpha falls from the
// left to the right so the bar's alpha test shows the part of its fraction,
// over one background.
const int GAUGE_WIDTH = 64;
const struct
{
    const char* szKey;
    std::uint32_t dwFill;
} GAUGES[] = {{"RAP", 0xE0C040}, {"HP", 0xD03030}, {"MP", 0x3060D0}, {"MOR", 0x30B040}};

std::string GaugeForeground(const char* szKey)
{
    return std::string("Gauge") + szKey + ".dds";
}

std::vector<JS_Picture> Pictures()
{
    return {
        {"ListFrame.bmp", Box(224, 240, NAVY, GOLD)},
        {"ListBar.bmp", Box(192, 21, 0x406090, WHITE)},
        {"ListUp.bmp", Arrow(true)},
        {"ListDown.bmp", Arrow(false)},
        {"Mark.bmp", Disc(16, GOLD)},
        {"SystemMenu.bmp", Box(128, 120, NAVY, GOLD)},
        {"SystemBar0.bmp", Box(124, 26, 0x203050, 0x808080)},
        {"SystemBar1.bmp", Box(124, 26, 0x4070B0, WHITE)},
        {"AlliesTurn.bmp", Box(240, 48, 0x2050C0, WHITE)},
        {"EnemyTurn.bmp", Box(240, 48, 0xC03020, WHITE)},
        {"HitDmgArrow.bmp", Arrow(false)},
        {"Condition.bmp", Box(256, 200, NAVY, GOLD)},
        {"StateWindow.bmp", Box(256, 96, NAVY, GOLD)},
        {"GaugeBack.bmp", Box(GAUGE_WIDTH, 8, 0x202020, 0x606060)},
        {"LevelUp.bmp", Box(32, 12, 0xF0E040, WHITE)},
        {"RingArc.bmp", Disc(48, 0x304060)},
        {"RingEnable.bmp", Disc(40, 0x3070C0)},
        {"RingDisable.bmp", Disc(40, 0x505050)},
        {"RingAction.bmp", Disc(48, GOLD)},
        {"RingLabel.bmp", Box(28, 12, WHITE, WHITE)},
        {"GoIcon0.bmp", Box(64, 40, 0x603020, 0xA0A0A0)},
        {"GoIcon1.bmp", Box(64, 40, 0xE06020, WHITE)},
        {"GoMenu.bmp", Band(200, 24, NAVY, GOLD)},
        {"IconYes.bmp", Answer(true, 0x30A040)},
        {"IconNo.bmp", Answer(false, 0xB03030)},
        {"MessageBox.bmp", Box(208, 128, 0x202830, GOLD)},
    };
}

// One page: its picture from the top left at the item's position, scaled
// (sx, sy), shown for the time in milliseconds.
std::string Page(const std::string& strPicture, int iMilliseconds, int iWidth, int iHeight, float fScaleX = 1.0f,
                 float fScaleY = 1.0f, bool bCentred = false)
{
    char szPage[320];
    std::snprintf(szPage, sizeof(szPage),
                  "%d 0 0 -1 1 0.0 0.0 0.0 400.0\r\n"
                  "%s 1 %.3f 0.0 0.0 0.0 %.3f 0.0 0.0 0.0 1.0 %.1f %.1f 0.0 4 4 1 5 6 ffffffff\r\n",
                  iMilliseconds, strPicture.c_str(), fScaleX, fScaleY, bCentred ? 0.0f : iWidth * fScaleX / 2.0f,
                  bCentred ? 0.0f : -iHeight * fScaleY / 2.0f);
    return szPage;
}

struct JS_Animation
{
    const char* szName;
    std::vector<std::string> pages;
};

std::string AnimationText(const std::vector<std::string>& pages)
{
    std::string text = std::to_string(pages.size()) + "\r\npages\r\n";
    for (const std::string& strPage : pages)
        text += strPage;
    return text;
}

std::vector<JS_Animation> Animations()
{
    const std::string B = "BattleMenu\\";
    return {
        {"Menu\\skill\\SkillMenu.ant", {Page(B + "ListFrame.bmp", 1000, 224, 240)}},
        {"Menu\\skill\\SkillBar.ant", {Page(B + "ListBar.bmp", 1000, 192, 21)}},
        {"Menu\\skill\\SkIcon01.ant", {Page(B + "ListUp.bmp", 1000, 24, 24)}},
        {"Menu\\skill\\SkIcon02.ant", {Page(B + "ListDown.bmp", 1000, 24, 24)}},
        {"Menu\\skill\\msg_mark.ant", {Page(B + "Mark.bmp", 1000, 16, 16)}},
        {"Menu\\BattleSystemMenu.ant", {Page(B + "SystemMenu.bmp", 1000, 128, 120)}},
        {"Menu\\BattleSystemBar.ant",
         {Page(B + "SystemBar0.bmp", 200, 124, 26), Page(B + "SystemBar1.bmp", 200, 124, 26)}},
        {"Menu\\AlliesTurn.ant",
         {Page(B + "AlliesTurn.bmp", 300, 240, 48, 0.6f, 0.6f), Page(B + "AlliesTurn.bmp", 600, 240, 48),
          Page(B + "AlliesTurn.bmp", 300, 240, 48, 1.2f, 1.2f)}},
        {"Menu\\EnemyTurn.ant",
         {Page(B + "EnemyTurn.bmp", 300, 240, 48, 0.6f, 0.6f), Page(B + "EnemyTurn.bmp", 600, 240, 48),
          Page(B + "EnemyTurn.bmp", 300, 240, 48, 1.2f, 1.2f)}},
        {"Menu\\HitDmgArrow.ant", {Page(B + "HitDmgArrow.bmp", 1000, 24, 24)}},
        {"Menu\\WorldMapName02.ant", {Page(B + "Condition.bmp", 1000, 256, 200, 1.5f, 1.0f)}},
        {"Menu\\BattleMenu\\StateWindow.ant", {Page(B + "StateWindow.bmp", 1000, 256, 96)}},
        {"Menu\\BattleMenu\\LevelUp.ant", {Page(B + "LevelUp.bmp", 1000, 32, 12)}},
        {"Menu\\BattleMenu\\RingArc.ant", {Page(B + "RingArc.bmp", 1000, 48, 48)}},
        {"Menu\\BattleMenu\\RingEnable.ant", {Page(B + "RingEnable.bmp", 1000, 40, 40)}},
        {"Menu\\BattleMenu\\RingDisable.ant", {Page(B + "RingDisable.bmp", 1000, 40, 40)}},
        {"Menu\\BattleMenu\\RingAction.ant", {Page(B + "RingAction.bmp", 1000, 48, 48)}},
        {"Menu\\BattleMenu\\RingLabel.ant", {Page(B + "RingLabel.bmp", 1000, 28, 12)}},
        // Centred on its place, which the player clicks.
        {"Menu\\Go\\GoIcon.ant",
         {Page(B + "GoIcon0.bmp", 1000, 64, 40, 1.0f, 1.0f, true), Page(B + "GoIcon1.bmp", 1000, 64, 40, 1.0f, 1.0f, true)}},
        {"Menu\\Go\\GoMenu.ant", {Page(B + "GoMenu.bmp", 1000, 200, 24, 4.0f, 4.0f)}},
        {"WorldMap\\IconYes.ant", {Page(B + "IconYes.bmp", 1000, 24, 24), Page(B + "IconYes.bmp", 1000, 24, 24, 1.2f, 1.2f)}},
        {"WorldMap\\IconNo.ant", {Page(B + "IconNo.bmp", 1000, 24, 24), Page(B + "IconNo.bmp", 1000, 24, 24, 1.2f, 1.2f)}},
        {"WorldMap\\MessageBox.ant", {Page(B + "MessageBox.bmp", 1000, 208, 128)}},
    };
}

// The ring: a disc and a label for each of the eight commands, opening
// beside the person in a quarter second.
std::string PersonCommandMenuLayout()
{
    std::string text = "[Sys]\r\n{\r\n\txyzSysCenter = 560 , -300 , 0\r\n\tfRadius = 120\r\n\tfWorkTime = 0.25\r\n"
                       "\tBaseMap_Arc = Menu\\BattleMenu\\RingArc.ant\r\n"
                       "\tBaseMap_Enable = Menu\\BattleMenu\\RingEnable.ant\r\n"
                       "\tBaseMap_Disable = Menu\\BattleMenu\\RingDisable.ant\r\n"
                       "\tBaseMap_Action = Menu\\BattleMenu\\RingAction.ant\r\n";
    for (int i = 0; i < 8; ++i)
        text += "\t[Command" + std::to_string(i) + "]\r\n\t{\r\n\t\tString = Menu\\BattleMenu\\RingLabel.ant\r\n\t}\r\n";
    return text + "}\r\n";
}

// The window's frame stands behind everything else on it.
const float FRAME_Z = -90.0f;
const float ITEM_Z = -100.0f;

std::string Node(const std::string& strName, const std::string& strLeaves, float fX, float fY, float fZ = ITEM_Z)
{
    char szMatrix[128];
    std::snprintf(szMatrix, sizeof(szMatrix), "\t\t[Matrix]\r\n\t\t{\r\n\t\t\tfPosX = %.0f\r\n\t\t\tfPosY = %.0f\r\n"
                  "\t\t\tfPosZ = %.0f\r\n\t\t}\r\n", fX, fY, fZ);
    return "\t" + strName + "\r\n\t{\r\n\t\tCoordinateSystem = Screen\r\n" + strLeaves + szMatrix + "\t}\r\n";
}

// A gauge, centred on its position, draws the pixels of its foreground whose
// alpha reaches the reference (alpha test on, compared greater or equal).
std::string Gauge(const char* szKey, float fX, float fY)
{
    return Node(std::string("[PB_") + szKey + "]",
                "\t\tBackground = BattleMenu\\GaugeBack.bmp\r\n\t\tForeground = BattleMenu\\" + GaugeForeground(szKey)
                    + "\r\n\t\t[RenderState]\r\n\t\t{\r\n\t\t\t[SetRenderState]\r\n\t\t\t{\r\n"
                      "\t\t\t\tAlphaTest = 15 , 1\r\n\t\t\t\tAlphaFunc = 25 , 7\r\n\t\t\t}\r\n\t\t}\r\n",
                fX, fY);
}

// A text stands on its position: the row given is the bottom of its glyphs.
std::string Text(const std::string& strName, float fX, float fY, const char* szData = "-")
{
    return Node(strName, std::string("\t\tData = ") + szData + "\r\n", fX, fY);
}

// A state window, its top left corner at the given point: the frame, the
// portrait on the left; on the right the name and job, the levels with their
// marks and four rows of a label, a gauge and the numbers.
std::string PersonStateLayout(float fX, float fY)
{
    char szCenter[64];
    std::snprintf(szCenter, sizeof(szCenter), "\txyzSysCenter = %.0f , %.0f , 0\r\n", fX, fY);
    std::string strLayout =
        "[Sys]\r\n{\r\n" + std::string(szCenter)
        + Node("[Ani_BaseMap]", "\t\tAniName = Menu\\BattleMenu\\StateWindow.ant\r\n", 0.0f, 0.0f, FRAME_Z)
        + Node("[Ani_Portrait]", "\t\tAniName = error.ant\r\n", 40.0f, -88.0f)
        + Text("[Str_Name]", 84.0f, -20.0f) + Text("[Str_JobName]", 180.0f, -20.0f) + Text("[Str_LV]", 84.0f, -38.0f)
        + Node("[Ani_LevelUP]", "\t\tAniName = Menu\\BattleMenu\\LevelUp.ant\r\n", 122.0f, -26.0f)
        + Text("[Str_JLV]", 160.0f, -38.0f)
        + Node("[Ani_JLevelUP]", "\t\tAniName = Menu\\BattleMenu\\LevelUp.ant\r\n", 212.0f, -26.0f);
    float fRow = -52.0f;
    for (const auto& gauge : GAUGES) {
        const std::string strKey = gauge.szKey;
        strLayout += Text("[Str_" + strKey + "]", 84.0f, fRow, gauge.szKey)
                   + Gauge(gauge.szKey, 112.0f + GAUGE_WIDTH / 2, fRow + 8.0f)
                   + Text("[Str_" + strKey + "_State]", 180.0f, fRow);
        fRow -= 14.0f;
    }
    return strLayout + "}\r\n";
}

// One colour change of the person over a third of a second.
std::string ColorStep(const char* szName, const char* szColor)
{
    return std::string("\t\t[") + szName + "]\r\n\t\t{\r\n\t\t\tType = SetColor\r\n\t\t\tObject = Person\r\n"
         + "\t\t\tdwColor = #RGBA " + szColor + "\r\n\t\t\tfWorkTime = 0.3\r\n\t\t}\r\n";
}

// Placing: the person glows gold and settles; taking off: it fades away.
std::string OutfallScript(bool bPlace)
{
    const std::string strSteps = bPlace ? ColorStep("Glow", "255 220 64 255") + ColorStep("Settle", "255 255 255 255")
                                        : ColorStep("Fade", "255 255 255 0");
    return std::string(bPlace ? "// A deployed person glows on its starting point.\r\n[Outfall]\r\n"
                              : "// A person taken off the field fades away.\r\n[OutfallCancel]\r\n")
         + "{\r\n\t[Run]\r\n\t{\r\n" + strSteps + "\t}\r\n}\r\n";
}

} // namespace

bool WriteSampleBattleMenuContent(const fs::path& output)
{
    for (const JS_Picture& picture : Pictures()) {
        if (!WriteGameFile(output / "AniTexture" / "BattleMenu" / picture.szName, picture.image.ToBmp()))
            return false;
    }
    for (const auto& gauge : GAUGES) {
        const std::string strBytes = SampleImage(GAUGE_WIDTH, 8, gauge.dwFill).ToDds(SampleImage::Alpha::FadingRight);
        if (!WriteGameFile(output / "AniTexture" / "BattleMenu" / GaugeForeground(gauge.szKey), strBytes))
            return false;
    }
    for (const JS_Animation& animation : Animations()) {
        if (!WriteGameFile(output / "Ani" / animation.szName, AnimationText(animation.pages)))
            return false;
    }
    const fs::path layouts = output / "GameData" / "Menu" / "BattleMenu";
    const fs::path battle = output / "GameData" / "Battle";
    // Key skill, partner's skill, the attack: two who both know the strike
    // strike together.
    const std::string strCoordinatedAttacks = "H30000,H30000,H30000\r\n";
    return WriteGameFile(layouts / "BattleMenu_PersonCommandMenu.txt", PersonCommandMenuLayout())
        && WriteGameFile(layouts / "BattleMenu_ActivePersonState.txt", PersonStateLayout(8.0f, -488.0f))
        && WriteGameFile(layouts / "BattleMenu_PassivePersonState.txt", PersonStateLayout(536.0f, -488.0f))
        && WriteGameFile(battle / "CoordinatedAttack.txt", strCoordinatedAttacks)
        && WriteGameFile(battle / "Outfall.txt", OutfallScript(true))
        && WriteGameFile(battle / "OutfallCancel.txt", OutfallScript(false))
        && WriteGameFile(output / "Music" / "Deploy.wav", SampleTone(523.25, 2.0));
}

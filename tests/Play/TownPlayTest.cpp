#include "tests/Play/PlayedGame.h"

#include "tests/Support/BitmapFile.h"
#include "tests/Support/SampleGameApplication.h"
#include "tests/Support/TestOutput.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

const char* const PROGRAM = "Oskel4_trial_savestate.exe";
const char* const SAVE_STATE = "TestSaveState\\";

// Game pixels: the title's buttons; on the map, the crossroads beside the
// town where the party starts, and the town once the camera has followed
// the party to the crossroads; the box's OK.
const POINT NEW_GAME = {400, 360};
const POINT CROSSROADS = {615, 370};
const POINT TOWN_FROM_CROSSROADS = {197, 210};
const POINT BOX_OK = {330, 340};
const POINT CENTRE = {400, 300};
// The town's menu lines, the shop's buttons, tabs and first row, the
// quantity dialog's units up, the merging's squares and the list's rows.
const POINT MENU_SHOP = {640, 240};
const POINT MENU_MERGE = {640, 280};
const POINT MENU_LEAVE = {640, 400};
const POINT BUY_SELL = {110, 300};
const POINT EQUIP = {110, 350};
const POINT TAB_WEAPONS = {350, 40};
const POINT FIRST_ROW = {390, 90};
const POINT UNITS_UP = {440, 260};
const POINT SQUARE1 = {220, 380};
const POINT SQUARE2 = {580, 380};
const POINT SQUARE3 = {400, 480};
const POINT FIRST_LIST_ROW = {200, 150};
const POINT SECOND_LIST_ROW_RIGHT = {600, 200};
// Pixels to check: the menu's panel and the town's sky; the dialog's
// Cancel; the first face under the explanation; the first monster on its
// square, the merged one above; the map's ground.
const POINT MENU_PANEL = {560, 440};
const POINT SKY = {100, 30};
const POINT DIALOG_CANCEL = {455, 360};
const POINT FIRST_FACE = {580, 388};
const POINT FIRST_MONSTER = {220, 310};
const POINT MERGED_MONSTER = {400, 215};
const POINT MAP_GROUND = {100, 500};

std::string ReadText(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The quoted value of the first "KEY"VALUE" at or after a position.
std::string ValueAfter(const std::string& strText, const std::string& strKey, size_t uFrom = 0)
{
    const size_t uKey = strText.find(strKey + "\"", uFrom);
    if (uKey == std::string::npos)
        return {};
    const size_t uStart = uKey + strKey.size() + 1;
    return strText.substr(uStart, strText.find('"', uStart) - uStart);
}

// A screenshot kept among the test outputs, read back for pixel checks.
BitmapFile Shot(const PlayedGame& game, const std::string& strName)
{
    BitmapFile bitmap;
    const std::string strShot = game.Screenshot();
    if (strShot.empty())
        return bitmap;
    const std::string strKept = TestOutputFile("TownPlay" + strName + ".bmp");
    CopyFileA(strShot.c_str(), strKept.c_str(), FALSE);
    bitmap.Load(strShot);
    return bitmap;
}

int Red(std::uint32_t uPixel)
{
    return static_cast<int>((uPixel >> 16) & 0xFF);
}

int Green(std::uint32_t uPixel)
{
    return static_cast<int>((uPixel >> 8) & 0xFF);
}

int Blue(std::uint32_t uPixel)
{
    return static_cast<int>(uPixel & 0xFF);
}

// What a pixel should be, by its strongest channel.
enum class Hue
{
    Red,
    Green,
    Blue,
    Skin
};

bool IsHue(std::uint32_t uPixel, Hue hue)
{
    const int r = Red(uPixel);
    const int g = Green(uPixel);
    const int b = Blue(uPixel);
    switch (hue) {
    case Hue::Red:
        return r > g + 0x40 && r > b + 0x40;
    case Hue::Green:
        return g > r + 0x20 && g > b + 0x20;
    case Hue::Blue:
        return b > r + 0x20 && b > g;
    default:
        return r > 0xC0 && g > 0x90 && b < g;
    }
}

::testing::AssertionResult PixelIs(const BitmapFile& bitmap, POINT point, Hue hue)
{
    if (bitmap.Width() == 0)
        return ::testing::AssertionFailure() << "no screenshot";
    const std::uint32_t uPixel = bitmap.Pixel(point.x, point.y);
    if (IsHue(uPixel, hue))
        return ::testing::AssertionSuccess();
    char szText[64];
    std::snprintf(szText, sizeof(szText), "pixel (%ld, %ld) = %06x", point.x, point.y, static_cast<unsigned>(uPixel));
    return ::testing::AssertionFailure() << szText;
}

// The test build of the program, copied beside the game's own; false when
// it could not be.
bool CopyProgramIntoGame()
{
    char szSelf[MAX_PATH];
    GetModuleFileNameA(nullptr, szSelf, MAX_PATH);
    const std::filesystem::path program = std::filesystem::path(szSelf).parent_path() / PROGRAM;
    std::error_code ignored;
    std::filesystem::remove_all(SampleGameFolder() + SAVE_STATE, ignored);
    return CopyFileA(program.string().c_str(), (SampleGameFolder() + PROGRAM).c_str(), FALSE) != FALSE;
}

class TownPlay : public ::testing::Test
{
protected:
    // The first click selects the place, which brings it and the game's
    // cursor to the centre; the second sets out.
    void Walk(PlayedGame& game, POINT place)
    {
        ASSERT_TRUE(game.HopTo(place.x, place.y));
        Sleep(300);
        ASSERT_TRUE(game.Click(place.x, place.y));
        Sleep(800);
        ASSERT_TRUE(game.Click(place.x, place.y));
        game.GameCursorAtCentre();
        Sleep(6000);
    }

    // From the corner, so no lost move misplaces the click. The views pick
    // with the cursor of the frame before a move: a last small move settles
    // what is under the cursor before the click.
    void ClickAt(PlayedGame& game, POINT point, int iButton = 1, DWORD dwWait = 800)
    {
        ASSERT_TRUE(game.PinCursorToCorner());
        Sleep(100);
        ASSERT_TRUE(game.HopTo(point.x - 3, point.y));
        Sleep(200);
        ASSERT_TRUE(game.MoveTo(point.x, point.y));
        Sleep(200);
        ASSERT_TRUE(game.Click(point.x, point.y, iButton));
        Sleep(dwWait);
    }

    // A click that opens a screen, which puts the game's cursor at the centre.
    void OpenBy(PlayedGame& game, POINT point, int iButton = 1)
    {
        ClickAt(game, point, iButton, 2500);
        game.GameCursorAtCentre();
    }
};

} // namespace

TEST_F(TownPlay, TheTownIsEnteredTradedInMergedInAndLeft)
{
    ASSERT_TRUE(CopyProgramIntoGame()) << GetLastError();
    PlayedGame game(SampleGameFolder(), "-unattended 1", PROGRAM);
    ASSERT_TRUE(game.Started());
    ASSERT_TRUE(game.WaitForOutput("ChangeProcedure 10\n", 60000)) << game.Output();
    Sleep(2500);
    game.GameCursorAtCentre();
    ASSERT_TRUE(game.Click(NEW_GAME.x, NEW_GAME.y));
    Sleep(1500);
    ASSERT_TRUE(game.MoveTo(NEW_GAME.x, NEW_GAME.y - 150));
    Sleep(300);
    ASSERT_TRUE(game.Click(NEW_GAME.x, NEW_GAME.y));
    ASSERT_TRUE(game.WaitForOutput("ChangeProcedure 20\n", 20000)) << game.Output() << game.Log();
    Sleep(3000);
    // The map puts the game's cursor at its centre.
    game.GameCursorAtCentre();

    // The first stops at the crossroads and in the town run their scripts
    // and give the map back; the next arrival in the town asks to enter.
    Walk(game, CROSSROADS);
    Shot(game, "Walk1");
    Walk(game, TOWN_FROM_CROSSROADS);
    Shot(game, "Walk2");
    Walk(game, CROSSROADS);
    Shot(game, "Walk3");
    Walk(game, TOWN_FROM_CROSSROADS);
    EXPECT_TRUE(PixelIs(Shot(game, "Box"), BOX_OK, Hue::Blue));
    OpenBy(game, BOX_OK);
    const BitmapFile menu = Shot(game, "Menu");
    EXPECT_TRUE(PixelIs(menu, MENU_PANEL, Hue::Blue));
    EXPECT_TRUE(PixelIs(menu, SKY, Hue::Blue));

    // Buy two herbs (10 each), then sell one back (5).
    ClickAt(game, MENU_SHOP, 1, 1500);
    EXPECT_TRUE(PixelIs(Shot(game, "Shop"), BUY_SELL, Hue::Green));
    ClickAt(game, FIRST_ROW);
    ClickAt(game, FIRST_ROW);
    ClickAt(game, UNITS_UP);
    EXPECT_TRUE(PixelIs(Shot(game, "Buy"), DIALOG_CANCEL, Hue::Red));
    ASSERT_TRUE(game.Key("y"));
    Sleep(800);
    ClickAt(game, BUY_SELL);
    ClickAt(game, FIRST_ROW);
    ClickAt(game, FIRST_ROW);
    const BitmapFile sell = Shot(game, "Sell");
    EXPECT_TRUE(PixelIs(sell, BUY_SELL, Hue::Red));
    EXPECT_TRUE(PixelIs(sell, DIALOG_CANCEL, Hue::Red));
    ASSERT_TRUE(game.Key("y"));
    Sleep(800);

    // A weapon chosen in the list shows the faces of who would gain.
    ClickAt(game, BUY_SELL);
    ClickAt(game, TAB_WEAPONS);
    ASSERT_TRUE(game.HopTo(FIRST_ROW.x - 3, FIRST_ROW.y));
    Sleep(200);
    ASSERT_TRUE(game.MoveTo(FIRST_ROW.x, FIRST_ROW.y));
    Sleep(800);
    const BitmapFile weapon = Shot(game, "Weapon");
    EXPECT_TRUE(PixelIs(weapon, FIRST_FACE, Hue::Skin));
    EXPECT_TRUE(PixelIs(weapon, BUY_SELL, Hue::Green));

    // Equip: the state screen, whose close brings the shop back.
    OpenBy(game, EQUIP);
    EXPECT_FALSE(PixelIs(Shot(game, "State"), BUY_SELL, Hue::Green));
    OpenBy(game, CENTRE, 3);
    EXPECT_TRUE(PixelIs(Shot(game, "ShopAgain"), BUY_SELL, Hue::Green));

    // Merge the two captured monsters.
    ClickAt(game, CENTRE, 3, 1500);
    ClickAt(game, MENU_MERGE, 1, 1500);
    EXPECT_FALSE(PixelIs(Shot(game, "Merging"), SKY, Hue::Blue));
    ClickAt(game, SQUARE1);
    ClickAt(game, FIRST_LIST_ROW);
    ClickAt(game, SQUARE2);
    EXPECT_TRUE(PixelIs(Shot(game, "MergeList"), FIRST_MONSTER, Hue::Green));
    ClickAt(game, SECOND_LIST_ROW_RIGHT);
    ClickAt(game, SQUARE3, 1, 4000);
    const BitmapFile merged = Shot(game, "Merged");
    EXPECT_FALSE(PixelIs(merged, MERGED_MONSTER, Hue::Green));
    EXPECT_GT(Blue(merged.Pixel(MERGED_MONSTER.x, MERGED_MONSTER.y)), 0x70);

    // Leave to the map.
    ClickAt(game, CENTRE, 3, 1500);
    OpenBy(game, MENU_LEAVE);
    EXPECT_TRUE(PixelIs(Shot(game, "Map"), MAP_GROUND, Hue::Green));

    ASSERT_TRUE(game.Key("shift+Escape"));
    ASSERT_TRUE(game.WaitForExit(20000)) << game.Output();
    const std::string strFolder = SampleGameFolder() + SAVE_STATE;
    const std::string strGame = ReadText(strFolder + "UnfixedData_Game.DATA");
    EXPECT_EQ(ValueAfter(strGame, "Money"), "485") << game.Log();
    const std::string strTools = ReadText(strFolder + "UnfixedData_WarehouseTool.DATA");
    EXPECT_EQ(ValueAfter(strTools, "ThingCount", strTools.find("ThingID\"1\"")), "6");
    const std::string strTeam = ReadText(strFolder + "UnfixedData_TeamOur.DATA");
    // The merged monster takes the first source's place: the record's
    // result, or on a failed roll its failure result; both sources are gone.
    const std::string strMerged = ValueAfter(strTeam, "ID", strTeam.find("@DataOrder\"0,200\""));
    EXPECT_TRUE(strMerged == "13" || strMerged == "12") << strMerged;
    EXPECT_EQ(strTeam.find("@DataOrder\"0,201\""), std::string::npos);
    // The town's views report nothing (the font's notes on empty texts of
    // the monster card are the engine's own).
    EXPECT_EQ(game.Log().find("JC_Town"), std::string::npos) << game.Log();
}

#include "tests/Play/PlayedGame.h"

#include "tests/Support/BitmapFile.h"
#include "tests/Support/SampleGameApplication.h"
#include "tests/Support/TestOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

const char* const CLEAN_LOG = "Version 0.00 \r\nEngine 2.00\r\n";

// Game pixels: the title's new-game and level buttons; the map centres the
// party's place and puts the cursor there, and the next place on the route
// to the battlefield lies right of it and below; the place photo's middle.
const POINT NEW_GAME = {400, 360};
const POINT LEVEL = {400, 360};
const POINT CENTRE = {400, 300};
const POINT NEXT_PLACE = {615, 368};
const POINT PHOTO = {400, 200};
const POINT GROUND = {200, 300};

std::uint32_t PixelOf(const std::string& strShot, POINT at)
{
    BitmapFile bitmap;
    return bitmap.Load(strShot) ? bitmap.Pixel(at.x, at.y) : 0xFFFFFFFF;
}

int Red(std::uint32_t dwPixel) { return static_cast<int>((dwPixel >> 16) & 0xFF); }
int Green(std::uint32_t dwPixel) { return static_cast<int>((dwPixel >> 8) & 0xFF); }
int Blue(std::uint32_t dwPixel) { return static_cast<int>(dwPixel & 0xFF); }

// The map's open ground; the red disc of the battlefield's photo.
bool IsGround(std::uint32_t dwPixel) { return Green(dwPixel) > Red(dwPixel) + 0x30 && Green(dwPixel) > Blue(dwPixel) + 0x30; }
bool IsBattlefieldPhoto(std::uint32_t dwPixel) { return Red(dwPixel) > Green(dwPixel) + 0x60 && Red(dwPixel) > Blue(dwPixel) + 0x60; }

// A screenshot kept among the test outputs under a name of its own.
std::string Shot(const PlayedGame& game, const std::string& strName)
{
    const std::string strShot = game.Screenshot();
    if (!strShot.empty()) {
        std::error_code ignored;
        std::filesystem::copy_file(strShot, TestOutputFile("BattlefieldPlay" + strName + ".bmp"),
                                   std::filesystem::copy_options::overwrite_existing, ignored);
    }
    return strShot;
}

// The game's cursor follows a move of at most 200 pixels: farther targets
// are reached in hops.
bool ClickAt(PlayedGame& game, POINT from, POINT to)
{
    const int iSteps = 1 + std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)) / 150;
    for (int i = 1; i < iSteps; ++i) {
        if (!game.MoveTo(from.x + (to.x - from.x) * i / iSteps, from.y + (to.y - from.y) * i / iSteps))
            return false;
        Sleep(100);
    }
    return game.Click(to.x, to.y);
}

// A click on the next place of the route; the party walks there and the map
// centres it, with the cursor.
std::string WalkToNextPlace(PlayedGame& game, const std::string& strName)
{
    game.GameCursorAtCentre();
    if (!ClickAt(game, CENTRE, NEXT_PLACE))
        return {};
    Sleep(6000);
    game.GameCursorAtCentre();
    return Shot(game, strName);
}

} // namespace

// From the title over the map's crossroads to the battlefield's place, whose
// photo the map then shows; nothing is reported on the way.
TEST(BattlefieldPlay, ThePartyWalksFromTheTownToTheBattlefield)
{
    PlayedGame game(SampleGameFolder());
    ASSERT_TRUE(game.Started());
    ASSERT_TRUE(game.WaitForOutput("ChangeProcedure 10\n", 60000)) << game.Output();
    Sleep(3000);
    game.GameCursorAtCentre();
    ASSERT_TRUE(game.Click(NEW_GAME.x, NEW_GAME.y));
    Sleep(1500);
    ASSERT_TRUE(game.MoveTo(LEVEL.x, LEVEL.y - 150));
    Sleep(300);
    ASSERT_TRUE(game.Click(LEVEL.x, LEVEL.y));
    ASSERT_TRUE(game.WaitForOutput("ChangeProcedure 20\n", 20000)) << game.Output() << game.Log();
    Sleep(3000);
    const std::string strMap = Shot(game, "Map");
    ASSERT_FALSE(strMap.empty()) << game.Output() << game.Log();
    EXPECT_TRUE(IsGround(PixelOf(strMap, GROUND)));
    EXPECT_FALSE(IsBattlefieldPhoto(PixelOf(strMap, PHOTO))) << "the town's photo first";

    const std::string strCrossroads = WalkToNextPlace(game, "Crossroads");
    ASSERT_FALSE(strCrossroads.empty()) << game.Output() << game.Log();
    EXPECT_FALSE(IsBattlefieldPhoto(PixelOf(strCrossroads, PHOTO)));
    const std::string strBattlefield = WalkToNextPlace(game, "Battlefield");
    ASSERT_FALSE(strBattlefield.empty()) << game.Output() << game.Log();
    EXPECT_TRUE(IsBattlefieldPhoto(PixelOf(strBattlefield, PHOTO))) << std::hex << PixelOf(strBattlefield, PHOTO);
    EXPECT_TRUE(IsGround(PixelOf(strBattlefield, GROUND)));
    EXPECT_EQ(game.Log(), CLEAN_LOG);

    ASSERT_TRUE(game.Key("shift+Escape"));
    ASSERT_TRUE(game.WaitForExit(20000)) << game.Output();
}

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
// selected place and puts the cursor there, the next place on the route to
// the battlefield lying right of it and below, the previous one up left; the
// place photo's middle; open ground.
const POINT NEW_GAME = {400, 360};
const POINT LEVEL = {400, 360};
const POINT CENTRE = {400, 300};
const POINT NEXT_PLACE = {615, 368};
const POINT PHOTO = {400, 200};
const POINT PREVIOUS_PLACE = {185, 232};
const POINT GROUND = {200, 300};
// The box asking to enter a place; the deployment's Go.
const POINT BOX_OK = {330, 340};
const POINT GO = {695, 544};
// On the battlefield: grass below the pond and the knoll, the deployment's
// banner at the top and the state window at the bottom left.
const POINT FLOOR = {430, 480};
const POINT BANNER = {100, 50};
const POINT STATE_WINDOW = {240, 570};

std::uint32_t PixelOf(const std::string& strShot, POINT at)
{
    BitmapFile bitmap;
    return bitmap.Load(strShot) ? bitmap.Pixel(at.x, at.y) : 0xFFFFFFFF;
}

int Red(std::uint32_t dwPixel) { return static_cast<int>((dwPixel >> 16) & 0xFF); }
int Green(std::uint32_t dwPixel) { return static_cast<int>((dwPixel >> 8) & 0xFF); }
int Blue(std::uint32_t dwPixel) { return static_cast<int>(dwPixel & 0xFF); }

// Open ground or grass; a dark blue panel; the red disc of the battlefield's photo.
bool IsGround(std::uint32_t dwPixel) { return Green(dwPixel) > Red(dwPixel) + 0x30 && Green(dwPixel) > Blue(dwPixel) + 0x30; }
bool IsPanel(std::uint32_t dwPixel) { return Blue(dwPixel) > Red(dwPixel) + 0x20 && Blue(dwPixel) > Green(dwPixel) + 0x10; }
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

// A click selects a place and centres it with the cursor; a click on the
// selected place walks the party there.
bool WalkTo(PlayedGame& game, POINT place)
{
    game.GameCursorAtCentre();
    if (!ClickAt(game, CENTRE, place))
        return false;
    Sleep(2500);
    game.GameCursorAtCentre();
    if (!game.Click(CENTRE.x, CENTRE.y))
        return false;
    Sleep(9000);
    return true;
}

} // namespace

// From the title over the map to the battlefield: its first arrival runs
// its over-script, the second asks to enter; the sage's dialogue closed with
// Ctrl, the deployment and Go, and the hero's turn with its state window.
TEST(BattlefieldPlay, TheGameGoesFromTheMapIntoTheBattle)
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

    // Crossroads, battlefield, back to the crossroads and to the battlefield.
    for (const POINT& place : {NEXT_PLACE, NEXT_PLACE, PREVIOUS_PLACE, NEXT_PLACE})
        ASSERT_TRUE(WalkTo(game, place));
    const std::string strBox = Shot(game, "EnterBox");
    ASSERT_FALSE(strBox.empty()) << game.Output() << game.Log();
    EXPECT_FALSE(IsGround(PixelOf(strBox, CENTRE))) << "the box asks to enter";
    EXPECT_EQ(game.Log(), CLEAN_LOG) << "on the map";
    game.GameCursorAtCentre();
    ASSERT_TRUE(ClickAt(game, CENTRE, BOX_OK));
    ASSERT_TRUE(game.WaitForOutput("ChangeProcedure 30\n", 20000)) << game.Output() << game.Log();

    // Ctrl hurries the dialogue through its lines and closes it.
    Sleep(2000);
    for (int i = 0; i < 16; ++i) {
        ASSERT_TRUE(game.Key("ctrl"));
        Sleep(250);
    }
    Sleep(1500);
    const std::string strDeployment = Shot(game, "Deployment");
    ASSERT_FALSE(strDeployment.empty()) << game.Output() << game.Log();
    EXPECT_TRUE(IsGround(PixelOf(strDeployment, FLOOR))) << std::hex << PixelOf(strDeployment, FLOOR);
    EXPECT_TRUE(IsPanel(PixelOf(strDeployment, BANNER))) << "the deployment's banner";
    EXPECT_FALSE(IsPanel(PixelOf(strDeployment, STATE_WINDOW)));

    // The battle centres the game's cursor.
    game.GameCursorAtCentre();
    ASSERT_TRUE(ClickAt(game, CENTRE, GO));
    Sleep(3000);
    const std::string strTurn = Shot(game, "HeroTurn");
    ASSERT_FALSE(strTurn.empty()) << game.Output() << game.Log();
    EXPECT_TRUE(IsGround(PixelOf(strTurn, FLOOR)));
    EXPECT_TRUE(IsPanel(PixelOf(strTurn, STATE_WINDOW))) << "the hero's state window";

    const std::string strLog = game.Log();
    EXPECT_EQ(strLog.find("Battle LoadScene Error"), std::string::npos) << strLog;
    // Nothing is reported frame after frame.
    EXPECT_LT(strLog.size(), 2000u) << strLog;

    ASSERT_TRUE(game.Key("shift+Escape"));
    ASSERT_TRUE(game.WaitForExit(20000)) << game.Output();
}

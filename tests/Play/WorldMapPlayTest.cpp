#include "tests/Play/PlayedGame.h"

#include "tests/Support/BitmapFile.h"
#include "tests/Support/SampleGameApplication.h"
#include "tests/Support/TestOutput.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

const char* const CLEAN_LOG = "Version 0.00 \r\nEngine 2.00\r\n";

// Game pixels: the title's new-game and level buttons, the map's state
// button, the option panel's Title button.
const POINT NEW_GAME = {400, 360};
const POINT LEVEL = {400, 360};
const POINT STATE_BUTTON = {660, 560};
const POINT OPTION_TITLE = {200, 230};
const POINT EXIT_GAME = {400, 460};

struct Rgb
{
    int r, g, b;
};

Rgb PixelOf(const std::string& strShot, int iX, int iY)
{
    BitmapFile bitmap;
    if (!bitmap.Load(strShot))
        return {-1, -1, -1};
    const std::uint32_t dwPixel = bitmap.Pixel(iX, iY);
    return {static_cast<int>((dwPixel >> 16) & 0xFF), static_cast<int>((dwPixel >> 8) & 0xFF),
            static_cast<int>(dwPixel & 0xFF)};
}

// A screenshot kept among the test outputs under a name of its own.
std::string Shot(const PlayedGame& game, const std::string& strName)
{
    const std::string strShot = game.Screenshot();
    if (!strShot.empty()) {
        std::error_code ignored;
        std::filesystem::copy_file(strShot, TestOutputFile("WorldMapPlay" + strName + ".bmp"),
                                   std::filesystem::copy_options::overwrite_existing, ignored);
    }
    return strShot;
}

// The game's cursor follows a move of at most 200 pixels: farther targets
// are reached in hops.
bool Reach(PlayedGame& game, POINT from, POINT to)
{
    const int iSteps = 1 + std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)) / 150;
    for (int i = 1; i <= iSteps; ++i) {
        if (!game.MoveTo(from.x + (to.x - from.x) * i / iSteps, from.y + (to.y - from.y) * i / iSteps))
            return false;
        Sleep(100);
    }
    return true;
}

bool ClickAt(PlayedGame& game, POINT from, POINT to, int iButton = 1)
{
    return Reach(game, from, to) && game.Click(to.x, to.y, iButton);
}

} // namespace

TEST(WorldMapPlay, TheGamePlaysFromTheTitleToTheMapAndItsScreens)
{
    PlayedGame game(SampleGameFolder());
    ASSERT_TRUE(game.Started());
    ASSERT_TRUE(game.WaitForOutput("ChangeProcedure 10\n", 60000)) << game.Output();
    Sleep(2500);
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
    EXPECT_EQ(game.Log(), CLEAN_LOG);
    ASSERT_TRUE(game.Key("shift+Escape"));
    ASSERT_TRUE(game.WaitForExit(20000)) << game.Output();
}

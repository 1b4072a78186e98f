#include "tests/Play/PlayedGame.h"

#include "tests/Support/SampleGameApplication.h"
#include "tests/Support/TestOutput.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

const char* const CLEAN_LOG = "Version 0.00 \r\nEngine 2.00\r\n";

// Game pixels: the title's new-game and level buttons.
const POINT NEW_GAME = {400, 360};
const POINT LEVEL = {400, 360};

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

} // namespace

TEST(WorldMapPlay, TheGamePlaysFromTheTitleToTheMap)
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

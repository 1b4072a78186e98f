#include "tests/Play/PlayedGame.h"

#include "tests/Support/BitmapFile.h"
#include "tests/Support/InputWindow.h"
#include "tests/Support/SampleGameApplication.h"
#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <cstdint>
#include <string>

namespace {

// What the game writes to its log when nothing went wrong.
const char* const CLEAN_LOG = "Version 0.00 \r\nEngine 2.00\r\n";

// Title screen points, in game pixels: the three main buttons and the level
// button stand 60, 110 and 160 below the centre.
const POINT NEW_GAME = {400, 360};
const POINT EXIT_GAME = {400, 460};
const POINT LEVEL = {400, 360};

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

// Waits for the title and for its animation to end, so the menu takes
// clicks; the title has put the game's cursor at the centre.
void ReachTitleMenu(PlayedGame& game)
{
    ASSERT_TRUE(game.WaitForOutput("ChangeProcedure 10\n", 30000)) << game.Output();
    Sleep(2500);
    game.GameCursorAtCentre();
}

// The logo's gold bar right of its ring (the title has sky there). The logo
// fades in from dim, and under load its first frames come late, so shots are
// taken until the bar shows at full strength or the title begins.
bool LogoShown(const PlayedGame& game)
{
    for (int iShot = 0; iShot < 100; ++iShot) {
        const Rgb gold = PixelOf(game.Screenshot(), 500, 272);
        if (gold.r > 0x60 && gold.r > gold.b + 0x30)
            return true;
        if (game.Output().find("ChangeProcedure 10\n") != std::string::npos)
            return false;
        Sleep(100);
    }
    return false;
}

void ExpectCleanExit(const PlayedGame& game)
{
    ASSERT_TRUE(game.WaitForExit(20000)) << game.Output();
    EXPECT_EQ(game.ExitCode(), 0u);
}

} // namespace

// The logo, then the title; its exit button ends the program normally, and
// the log holds no report.
TEST(Play, LogoTitleAndExit)
{
    PlayedGame game(SampleGameFolder());
    ASSERT_TRUE(game.Started());
    ASSERT_TRUE(game.WaitForOutput("WM_ACTIVATE", 30000)) << game.Output();
    EXPECT_TRUE(LogoShown(game));

    ReachTitleMenu(game);
    const std::string strTitle = game.Screenshot();
    ASSERT_FALSE(strTitle.empty());
    // The title's sky at the top, the ground at the bottom.
    const Rgb sky = PixelOf(strTitle, 100, 10);
    EXPECT_GT(sky.b, sky.r + 0x40);
    const Rgb ground = PixelOf(strTitle, 100, 590);
    EXPECT_GT(ground.g, ground.b);

    ASSERT_TRUE(game.Click(EXIT_GAME.x, EXIT_GAME.y));
    ExpectCleanExit(game);
    EXPECT_EQ(game.Log(), CLEAN_LOG);
}

// A new game runs its script once; the script asks for the world map, which
// opens without a report; Shift+Escape ends the program normally.
TEST(Play, NewGameRunsItsScriptOnce)
{
    PlayedGame game(SampleGameFolder());
    ASSERT_TRUE(game.Started());
    ReachTitleMenu(game);
    ASSERT_TRUE(game.Click(NEW_GAME.x, NEW_GAME.y));
    Sleep(1500);
    // The level button stands where the new-game button stood: the pointer
    // leaves and comes back, so the level menu sees it arrive.
    ASSERT_TRUE(game.MoveTo(LEVEL.x, LEVEL.y - 150));
    Sleep(300);
    ASSERT_TRUE(game.Click(LEVEL.x, LEVEL.y));
    ASSERT_TRUE(game.WaitForOutput("ChangeProcedure 20\n", 20000)) << game.Output() << game.Log();
    Sleep(3000);
    ASSERT_TRUE(game.Key("shift+Escape"));
    ExpectCleanExit(game);
    const std::string strOutput = game.Output();
    EXPECT_EQ(strOutput.find("ChangeProcedure 20\n"), strOutput.rfind("ChangeProcedure 20\n"));
    EXPECT_EQ(game.Log(), CLEAN_LOG);
}

// Debug mode (B, T and Enter), then Ctrl+F9 plays the test script's dialogue
// over the title; holding Ctrl runs it to its end and the title comes back.
TEST(Play, DebugModeRunsTheTestDialogue)
{
    PlayedGame game(SampleGameFolder());
    ASSERT_TRUE(game.Started());
    ReachTitleMenu(game);
    const std::string strBefore = game.Screenshot();
    ASSERT_TRUE(game.Key("b+t+Return"));
    Sleep(500);
    ASSERT_TRUE(RunXdotool("keydown ctrl"));
    Sleep(300);
    ASSERT_TRUE(game.Key("F9"));
    ASSERT_TRUE(RunXdotool("keyup ctrl"));
    // Without Ctrl the first line waits in the dialogue box, whose dark blue
    // covers the title's ground.
    Sleep(2000);
    const std::string strDialogue = game.Screenshot();
    ASSERT_FALSE(strDialogue.empty()) << game.Output() << game.Log();
    const Rgb box = PixelOf(strDialogue, 600, 560);
    EXPECT_GT(box.b, box.g) << "no dialogue box";
    ASSERT_TRUE(RunXdotool("keydown ctrl"));
    Sleep(5000);
    ASSERT_TRUE(RunXdotool("keyup ctrl"));
    Sleep(1000);
    const std::string strAfter = game.Screenshot();
    ASSERT_FALSE(strAfter.empty()) << game.Output() << game.Log();
    const Rgb sky = PixelOf(strAfter, 100, 10);
    EXPECT_GT(sky.b, sky.r + 0x40) << "the title is not back";
    ASSERT_TRUE(game.Key("shift+Escape"));
    ExpectCleanExit(game);
    EXPECT_EQ(game.Log(), CLEAN_LOG);
}

// A damaged template folder: the data layer cannot be built, the program
// ends at once with its report and without a box.
TEST(Play, ADamagedTemplateFolderEndsTheProgram)
{
    const ScopedTempFolder folder;
    const std::string strGame = folder.Path() + "\\";
    const std::string strSample = SampleGameFolder();
    SHFILEOPSTRUCTA copy = {};
    // Both lists end in two null characters.
    const std::string strFrom = strSample + "*" + std::string(1, '\0');
    const std::string strTo = strGame + std::string(1, '\0');
    copy.wFunc = FO_COPY;
    copy.pFrom = strFrom.c_str();
    copy.pTo = strTo.c_str();
    copy.fFlags = FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI | FOF_SILENT;
    ASSERT_EQ(SHFileOperationA(&copy), 0);
    const std::string strDamaged = strGame + "Template\\TemplateData\\RecordData_Data.DATA";
    const HANDLE hFile = CreateFileA(strDamaged.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
    DWORD dwWritten = 0;
    WriteFile(hFile, "#define \x01\x02 ??\r\n@@@", 17, &dwWritten, nullptr);
    CloseHandle(hFile);

    PlayedGame game(strGame);
    ASSERT_TRUE(game.Started());
    ExpectCleanExit(game);
    EXPECT_NE(game.Log().find("JC Build( ) Error"), std::string::npos) << game.Log();
    EXPECT_EQ(game.Output().find("ChangeProcedure"), std::string::npos);
}

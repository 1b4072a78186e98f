#include "Code/Begin/XC_GameProcedure_Begin.h"

#include "tests/Code/StartedGameFixture.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/TextMutations.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Begin = XC_GameProcedure_Begin;

// The title's state, or -1 while another procedure runs.
int TitleState(const StartedGame& game)
{
    const Begin* pTitle = dynamic_cast<const Begin*>(game.GetProcedureObj());
    return pTitle != nullptr ? pTitle->GetState() : -1;
}

// Frames until the condition holds, at most about five seconds; the states
// the title passed through are noted.
bool FramesUntil(StartedGame& game, const std::function<bool()>& done, std::vector<int>* pStates = nullptr)
{
    const DWORD dwStart = GetTickCount();
    while (!done()) {
        if (GetTickCount() - dwStart > 5000)
            return false;
        game.Frame();
        if (pStates != nullptr && (pStates->empty() || pStates->back() != TitleState(game)))
            pStates->push_back(TitleState(game));
        Sleep(5);
    }
    return true;
}

// The title's main menu, reached with a click that skips its animation; the
// mouse stands at the centre.
void ReachMainMenu(StartedGame& game)
{
    ASSERT_EQ(game._ChangeProcedure(GP_Begin), S_OK);
    ASSERT_EQ(TitleState(game), Begin::BS_TitleAnimation);
    game.Frame();
    game.Press(WM_LBUTTONDOWN);
    ASSERT_TRUE(FramesUntil(game, [&] { return TitleState(game) == Begin::BS_MainMenu; }));
}

// Moves the game's mouse by the offset, then clicks the left button.
void ClickAt(StartedGame& game, int iDX, int iDY)
{
    game.MoveMouseBy(iDX, iDY);
    game.Frame();
    game.Press(WM_LBUTTONDOWN);
    game.Frame();
}

} // namespace

TEST_F(StartedGameTest, TitleMenus)
{
    StartedGame game;
    ASSERT_TRUE(game.Start());
    ReachMainMenu(game);

    // New game opens the level menu; the right button goes back.
    ClickAt(game, 0, 60);
    ASSERT_TRUE(FramesUntil(game, [&] { return TitleState(game) == Begin::BS_LevelMenu; }));
    EXPECT_EQ(dynamic_cast<const Begin*>(game.GetProcedureObj())->GetNewGameScriptName(), "NewGame.txt");
    game.Press(WM_RBUTTONDOWN);
    ASSERT_TRUE(FramesUntil(game, [&] { return TitleState(game) == Begin::BS_MainMenu; }));

    // Load game returns to the menu.
    std::vector<int> states;
    ClickAt(game, 0, 50);
    ASSERT_TRUE(FramesUntil(game, [&] { return TitleState(game) == Begin::BS_MainMenu; }, &states));
    EXPECT_EQ(states, (std::vector<int>{Begin::BS_Command, Begin::BS_LoadGame, Begin::BS_BackToMenu,
                                        Begin::BS_OpenMainMenu, Begin::BS_MainMenu}));
}

TEST_F(StartedGameTest, ANewGameCommandWithoutAScriptStaysPut)
{
    StartedGame game;
    ASSERT_TRUE(game.Start());
    OverlayPackFile pack;
    std::string strConfig = ReadTestFile(SampleGameFolder() + "GameData\\GameBeginConfig.txt");
    const size_t at = strConfig.find("NewGame NewGame.txt");
    ASSERT_NE(at, std::string::npos);
    strConfig.replace(at, 19, "NewGame");
    pack.Set("GameBeginConfig.txt", strConfig);
    const ErrorLogCapture log;
    ReachMainMenu(game);
    ClickAt(game, 0, 60);
    EXPECT_FALSE(FramesUntil(game, [&] { return TitleState(game) != Begin::BS_Command; }));
    EXPECT_EQ(TitleState(game), Begin::BS_Command);
    EXPECT_TRUE(log.Contains("check GameBeginConfig.txt"));
}

TEST_F(StartedGameTest, DamagedTitleConfigurations)
{
    StartedGame game;
    ASSERT_TRUE(game.Start());
    OverlayPackFile pack;
    const std::string strConfig = ReadTestFile(SampleGameFolder() + "GameData\\GameBeginConfig.txt");
    ASSERT_FALSE(strConfig.empty());
    std::vector<std::string> cases;
    AddMutations(strConfig, 400, &cases);
    for (size_t length = 0; length < strConfig.size(); length += 97)
        cases.push_back(strConfig.substr(0, length));
    cases.push_back("[Background]\r\n{\r\n}\r\n[Button]\r\n{\r\n[A]\r\n{\r\n}\r\n}\r\n[LevelButton]\r\n{\r\n}\r\n");
    cases.push_back("[Background]\r\n{\r\nxyzPos = 1e39 , nan , -1e39\r\n}\r\n[Button]\r\n{\r\n}\r\n[LevelButton]\r\n{\r\n"
                    "[L]\r\n{\r\ndwExplain = 4294967295\r\n}\r\n}\r\n");
    const ErrorLogCapture log;
    for (const std::string& strCase : cases) {
        pack.Set("GameBeginConfig.txt", strCase);
        const HRESULT hr = game._ChangeProcedure(GP_Begin);
        ASSERT_TRUE(hr == S_OK || hr == E_FAIL);
        game.Frames(2);
    }
    pack.Set("GameBeginConfig.txt", "[Button]\r\n{\r\n}\r\n");
    EXPECT_EQ(game._ChangeProcedure(GP_Begin), E_FAIL);
    EXPECT_TRUE(log.Contains("( pTNodeBackground ) failed"));
}

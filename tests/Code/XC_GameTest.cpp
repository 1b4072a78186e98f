#include "Code/DialogueScript/XC_DialogueController.h"

#include "tests/Code/GameObjectFixture.h"
#include "tests/Support/DebuggerOutput.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

std::vector<std::string> JournalProcedure::s_Journal;
HRESULT JournalProcedure::s_hrInit = S_OK;
HRESULT JournalProcedure::s_hrEnable = S_OK;

TEST(XC_Game, StepTime)
{
    const struct
    {
        float fElapsed;
        float fSpeed;
        float fExpected;
    } cases[] = {{0.01f, 1.0f, 0.01f}, {0.04f, 1.0f, 0.04f}, {0.2f, 1.0f, 0.04f}, {0.2f, 0.5f, 0.02f},
                 {0.01f, 0.0f, 0.0f},  {0.03f, 2.0f, 0.06f}};
    for (const auto& step : cases)
        EXPECT_FLOAT_EQ(XC_Game::GetStepTime(step.fElapsed, step.fSpeed), step.fExpected)
            << step.fElapsed << " at speed " << step.fSpeed;
}

TEST_F(GameObjectTest, ARequestSwitchesAtTheNextFrameAndTheLastOneWins)
{
    GameWithoutDevice game;
    const DebuggerOutput output;
    EXPECT_EQ(game.ChangeProcedure(GP_Logo), S_OK);
    EXPECT_EQ(game.ChangeProcedure(GP_Begin), S_OK);
    EXPECT_EQ(game.GetProcedureObj(), nullptr);
    ASSERT_EQ(game.Step(0.01f), S_OK);
    ASSERT_NE(game.GetProcedureObj(), nullptr);
    EXPECT_EQ(game.GetProcedureID(), GP_Begin);
    EXPECT_NE(output.Text().find("ChangeProcedure 10\n"), std::string::npos);
    EXPECT_EQ(output.Text().find("ChangeProcedure 5\n"), std::string::npos);
    // Built once, then stepped in the same frame from the module stack.
    EXPECT_EQ(JournalProcedure::s_Journal, (std::vector<std::string>{"Init", "Enable", "FrameMove"}));
}

TEST_F(GameObjectTest, NoneAndOutGameLeaveNoProcedure)
{
    for (int iID : {GP_None, GP_OutGame}) {
        GameWithoutDevice game;
        ASSERT_EQ(game._ChangeProcedure(GP_Battle), S_OK);
        JournalProcedure::s_Journal.clear();
        game.ChangeProcedure(iID);
        EXPECT_EQ(game.Step(0.01f), S_OK) << iID;
        EXPECT_EQ(game.GetProcedureObj(), nullptr) << iID;
        EXPECT_EQ(game.GetProcedureID(), iID);
        EXPECT_EQ(JournalProcedure::s_Journal, (std::vector<std::string>{"Fini", "delete"})) << iID;
    }
}

TEST_F(GameObjectTest, AFailedSwitchLeavesNoProcedureForThatFrame)
{
    const struct
    {
        const char* szCase;
        int iID;
        HRESULT hrInit;
        HRESULT hrEnable;
        std::vector<std::string> journal;
    } cases[] = {
        {"an id without a procedure", 7, S_OK, S_OK, {"Fini", "delete"}},
        {"the world map before it exists", GP_WorldMap, S_OK, S_OK, {"Fini", "delete"}},
        // The new procedure is finished before it is deleted.
        {"a failing Init", GP_Begin, E_FAIL, S_OK, {"Fini", "delete", "Init", "Fini", "delete"}},
        {"a failing Enable", GP_Begin, S_OK, E_FAIL, {"Fini", "delete", "Init", "Enable", "Fini", "delete"}},
    };
    for (const auto& failure : cases) {
        GameWithoutDevice game;
        const ErrorLogCapture log;
        JournalProcedure::s_hrInit = JournalProcedure::s_hrEnable = S_OK;
        ASSERT_EQ(game._ChangeProcedure(GP_Battle), S_OK);
        JournalProcedure::s_Journal.clear();
        JournalProcedure::s_hrInit = failure.hrInit;
        JournalProcedure::s_hrEnable = failure.hrEnable;
        game.ChangeProcedure(failure.iID);
        EXPECT_EQ(game.Step(0.01f), XC_GAME_E_CHANGE_PROCEDURE) << failure.szCase;
        EXPECT_EQ(game.GetProcedureObj(), nullptr) << failure.szCase;
        EXPECT_EQ(game.GetProcedureID(), failure.iID) << failure.szCase;
        EXPECT_EQ(JournalProcedure::s_Journal, failure.journal) << failure.szCase;
        EXPECT_TRUE(log.Contains("Game ChangeProcedure Error")) << failure.szCase;
        EXPECT_TRUE(log.Contains("ChangeProcedure ERROR")) << failure.szCase;
        // Without a window to close, the next frames run on with an empty stack.
        EXPECT_EQ(game.Step(0.01f), S_OK) << failure.szCase;
    }
}

TEST_F(GameObjectTest, ADialogueFreezesTheProcedure)
{
    GameWithoutDevice game;
    ASSERT_EQ(game._ChangeProcedure(GP_Battle), S_OK);
    JournalProcedure::s_Journal.clear();
    g_pDialogueController->AddDialogueScript("Dialogue\\Missing.txt");
    EXPECT_FALSE(game.CanUpdateModules());
    game.Step(0.01f);
    EXPECT_TRUE(JournalProcedure::s_Journal.empty());
    // The broken file is dropped; the frame after the dialogue ends steps again.
    for (int i = 0; i < 3 && JournalProcedure::s_Journal.empty(); ++i)
        game.Step(0.01f);
    EXPECT_TRUE(game.CanUpdateModules());
    EXPECT_EQ(JournalProcedure::s_Journal, (std::vector<std::string>{"FrameMove"}));
}

TEST_F(GameObjectTest, GameSpeedIsNeverNegative)
{
    GameWithoutDevice game;
    game.SetGameSpeed(-1.0f);
    EXPECT_FLOAT_EQ(game.GetGameSpeed(), 0.0f);
    game.SetGameSpeed(2.5f);
    EXPECT_FLOAT_EQ(game.GetGameSpeed(), 2.5f);
}

TEST_F(GameObjectTest, TheSettingsAreApplied)
{
    HKEY hKey = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Oskel4_Trial", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr),
              ERROR_SUCCESS);
    const struct
    {
        const char* szName;
        DWORD dwValue;
    } values[] = {{"GameSpeed", 50}, {"IsFullscreen", 2}, {"Version", 123}};
    for (const auto& value : values)
        RegSetValueExA(hKey, value.szName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value.dwValue), sizeof(DWORD));
    {
        GameWithoutDevice game;
        EXPECT_FLOAT_EQ(game.GetGameSpeed(), 0.5f);
        EXPECT_TRUE(game.IsWindowed());
        EXPECT_EQ(game.GetVersion(), 123u);
    }
    for (const auto& value : values)
        RegDeleteValueA(hKey, value.szName);
    RegCloseKey(hKey);
}

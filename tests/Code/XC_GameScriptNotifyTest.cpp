#include "Code/DialogueScript/XC_DialogueController.h"
#include "Code/XC_GameScriptNotify.h"

#include "tests/Code/GameObjectFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

TEST_F(GameObjectTest, GameLines)
{
    GameWithoutDevice game;
    const ErrorLogCapture log;
    XC_ShowAudio* pMusic = game.GetBackgroundMusicObj();
    const struct
    {
        const char* szLine;
        DWORD dwResult;
        int iVolume;
    } cases[] = {
        {"BackgroundMusic SetVolume 50", 0, 50},
        {"BackgroundMusic SetVolume 0x32", 0, 50},
        {"BackgroundMusic,SetVolume,20", 0, 20},
        {"BackgroundMusic Louder 3", 0, 20},
        {"BackgroundMusic AddMusic", static_cast<DWORD>(E_FAIL), 20},
        {"BackgroundMusic", static_cast<DWORD>(E_FAIL), 20},
        {"ShowVideo", static_cast<DWORD>(E_FAIL), 20},
        {"DialogueScript", static_cast<DWORD>(E_FAIL), 20},
        {"ChangeProcedure", static_cast<DWORD>(E_FAIL), 20},
        {"ChangeProcedure Nowhere", static_cast<DWORD>(E_FAIL), 20},
        {"changeprocedure WorldMap", 0, 20},
        {"", static_cast<DWORD>(E_FAIL), 20},
    };
    for (const auto& line : cases) {
        EXPECT_EQ(g_pGameScriptNotify->Deal(line.szLine), line.dwResult) << line.szLine;
        EXPECT_EQ(pMusic->GetVolumePercent(0), line.iVolume) << line.szLine;
    }
    EXPECT_TRUE(log.Contains("GameScriptNotify 錯誤關鍵字 changeprocedure"));
    EXPECT_TRUE(log.Contains("GameScriptNotify::HandleBackgroundMusic 錯誤關鍵字 Louder"));
    EXPECT_TRUE(log.Contains("XC_GameScriptNotify::HandleChangeProcedure 錯誤關鍵字 Nowhere"));
    // Only the lower-case key's line requested nothing.
    EXPECT_EQ(game.Step(0.01f), S_OK);
    EXPECT_EQ(game.GetProcedureID(), GP_None);
}

TEST_F(GameObjectTest, ChangeProcedureNamesTheIds)
{
    const struct
    {
        const char* szName;
        int iID;
    } names[] = {{"Logo", GP_Logo}, {"Begin", GP_Begin}, {"Battle", GP_Battle}, {"OutGame", GP_OutGame}, {"None", GP_None}};
    for (const auto& name : names) {
        GameWithoutDevice game;
        EXPECT_EQ(g_pGameScriptNotify->Deal(std::string("ChangeProcedure ") + name.szName), 0u) << name.szName;
        game.Step(0.01f);
        EXPECT_EQ(game.GetProcedureID(), name.iID) << name.szName;
    }
}

TEST_F(GameObjectTest, ADialogueLineQueuesItsFile)
{
    GameWithoutDevice game;
    EXPECT_EQ(g_pGameScriptNotify->Deal("DialogueScript Dialogue\\Missing.txt"), 0u);
    EXPECT_TRUE(g_pDialogueController->IsDialogueActive());
    for (int i = 0; i < 3 && g_pDialogueController->IsDialogueActive(); ++i)
        game.Step(0.01f);
    EXPECT_FALSE(g_pDialogueController->IsDialogueActive());
}

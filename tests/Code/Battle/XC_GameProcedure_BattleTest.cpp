#include "Code/Battle/XC_GameProcedure_Battle.h"
#include "Code/DialogueScript/XC_DialogueController.h"

#include "Code/Battle/CombatForce/XC_CombatForceModule.h"
#include "Code/Battle/ControlCamp/XC_ControlCampBase.h"
#include "Code/Battle/ControlCamp/XC_ControlCampComputer.h"
#include "Code/XC_GameCamp.h"
#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Menu/BattleMenu/XC_DisplayCampAndTurn.h"
#include "GameProgram/Common/XC_Register.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_Module/JC_Option/JC_OptionModuleDocument.h"
#include "JC_Module/JC_State/JC_StateModuleDocument.h"
#include "JC_Script/JC_ScriptManager.h"

#include "tests/Code/Battle/BattleProcedureFixture.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/FakeKeyboard.h"
#include "tests/Support/SteppedClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

TEST_F(BattleProcedureTest, NewAndSavedBattlesEnterTheirSteps)
{
    struct Case
    {
        const char* szWhat;
        int iProcedureID;
        SavedRecord saved;
        DWORD dwStepAfterInit;
        BOOL bSkipCampBegin;
        int iCampAfterInit;
        // After two frames.
        DWORD dwStepLater;
        int iTurnLater;
        const char* szReport;
    };
    const Case cases[] = {
        {"new battle", GP_Battle, {0, 20, 2}, XE_ROUND_DEPLOY, 0, 2, XE_ROUND_CAMP, 1, nullptr},
        {"dialogue battle", GP_DialogueBattle, {0, 20, 0}, XE_ROUND_DEPLOY, 0, 0, XE_ROUND_DEPLOY, 0, nullptr},
        {"resumed at round begin", GP_Battle, {3, 10, 1}, XE_ROUND_BEGIN, 0, 1, XE_ROUND_CAMP, 3, nullptr},
        {"resumed in a camp turn", GP_Battle, {3, 20, 2}, XE_ROUND_CAMP, 1, 2, XE_ROUND_CAMP, 3, nullptr},
        {"round step 5", GP_Battle, {3, 5, 1}, XE_ROUND_BEGIN, 0, 1, XE_ROUND_CAMP, 3, "Battle RoundStep Error , 5"},
        {"camp turn 7", GP_Battle, {3, 20, 7}, XE_ROUND_CAMP, 1, 0, XE_ROUND_CAMP, 3, "dwCampTure < DF_Camp_Count"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szWhat);
        Save(c.saved);
        const ErrorLogCapture log;
        ASSERT_EQ(Enter(c.iProcedureID), S_OK) << log.Text();
        EXPECT_EQ(Battle()->GetRoundStep(), c.dwStepAfterInit);
        EXPECT_EQ(g_bSkipCampBeginEvent, c.bSkipCampBegin);
        EXPECT_EQ(Record().GetCampTurn(), c.iCampAfterInit);
        if (c.szReport != nullptr) {
            EXPECT_TRUE(log.Contains(c.szReport)) << log.Text();
        }
        // The turn is not counted again when a round resumes; no further round begins.
        SpendAllRAP();
        Battle()->FrameMove(0.01f);
        Battle()->FrameMove(0.01f);
        EXPECT_EQ(Battle()->GetRoundStep(), c.dwStepLater);
        EXPECT_EQ(Record().GetTurn(), c.iTurnLater);
        g_bSkipCampBeginEvent = 0;
    }
}

TEST_F(BattleProcedureTest, ANewBattleCopiesTheSceneIntoTheRecord)
{
    Save({0, 0, 0});
    Record().BuildFloors(1, 1);
    ASSERT_EQ(Enter(), S_OK);
    const XC_Floorer* const pFloorer = Battle()->GetBattleScene()->GetFloorer();
    ASSERT_EQ(Record().GetMapWidth(), static_cast<int>(pFloorer->GetFloorerWidth()));
    ASSERT_EQ(Record().GetFloorCount(), static_cast<int>(pFloorer->GetFloorsCount()));
    for (DWORD i = 0; i < pFloorer->GetFloorsCount(); ++i)
        EXPECT_EQ(Record().GetLandformID(static_cast<int>(i)), pFloorer->GetFloorPropertyID(i)) << "cell " << i;
}

TEST_F(BattleProcedureTest, ASceneThatCannotLoadFailsBeforeAnyGlobalIsSet)
{
    const struct
    {
        const char* szSceneFile;
        const char* szReport;
    } cases[] = {
        {"", "Battle LoadScene Error"},
        {"Scene\\Missing.scn", "Battle LoadScene Error , scene\\missing.scn"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szSceneFile);
        Record().SetSceneFileName(c.szSceneFile);
        const ErrorLogCapture log;
        EXPECT_NE(Enter(), S_OK);
        EXPECT_EQ(m_Game.GetProcedureObj(), nullptr);
        EXPECT_TRUE(log.Contains(c.szReport)) << log.Text();
        EXPECT_EQ(g_pPersonManager, nullptr);
        EXPECT_EQ(g_pBattleSceneController, nullptr);
        EXPECT_EQ(g_pBattleMenuMenager, nullptr);
        EXPECT_EQ(g_pBattleSceneObj, nullptr);
        EXPECT_EQ(g_pStateModuleDocumentObj, nullptr);
        EXPECT_EQ(g_pOptionModuleDocument, nullptr);
    }
}

TEST_F(BattleProcedureTest, TheGlobalsLiveExactlyAsLongAsTheBattle)
{
    ASSERT_EQ(Enter(), S_OK);
    EXPECT_EQ(g_pPersonManager->GetPersonCount(), SampleBattleSetup::PARTY_SIZE + 4);
    EXPECT_NE(g_pBattleSceneController, nullptr);
    EXPECT_NE(g_pStateModuleDocumentObj, nullptr);
    EXPECT_NE(g_pOptionModuleDocument, nullptr);
    EXPECT_EQ(Enter(GP_Begin), S_OK);
    EXPECT_EQ(g_pPersonManager, nullptr);
    EXPECT_EQ(g_pBattleSceneObj, nullptr);
    EXPECT_EQ(g_pJumpStringManager, nullptr);
    EXPECT_EQ(g_pStateModuleDocumentObj, nullptr);
    EXPECT_EQ(g_pOptionModuleDocument, nullptr);
}

TEST_F(BattleProcedureTest, ANextFightScriptRunsOnceAndIsCleared)
{
    // The enemies come from the next-fight script instead of the set-up.
    ASSERT_TRUE(SampleBattleSetup::AddParty());
    ASSERT_TRUE(SampleBattleSetup::PlaceParty());
    Record().SetNextFightScript("BattleSetup.txt");
    ASSERT_EQ(Enter(), S_OK);
    EXPECT_EQ(Record().GetNextFightScript(), "");
    EXPECT_NE(g_pPersonManager->GetPersonFromTeamIndex(300), nullptr);

    Record().SetNextFightScript("Missing.txt");
    const ErrorLogCapture log;
    EXPECT_NE(Enter(), S_OK);
    EXPECT_TRUE(log.Contains("gp_ScriptManagerObj->LoadScript( strNextFightScript.c_str() ) error")) << log.Text();
    EXPECT_EQ(Record().GetNextFightScript(), "");
    EXPECT_EQ(g_pPersonManager, nullptr);
}

// Music and the banner change only when the turn passes to the other side.
TEST_F(BattleProcedureTest, TheSidesTakeTheirMusicAndBanner)
{
    Save({1, XE_ROUND_BEGIN, 0});
    ASSERT_EQ(Enter(), S_OK);
    XC_DisplayCampAndTurn* const pBanner = g_pBattleMenuMenager->m_pDisplayCampAndTurn;
    struct Seen
    {
        int iCamp;
        DWORD dwMusicCamp;
        bool operator==(const Seen& other) const
        {
            return iCamp == other.iCamp && dwMusicCamp == other.dwMusicCamp;
        }
    };
    std::vector<Seen> banners;
    DWORD dwMusicCamp = 0;
    FramesUntil([&] {
        SpendAllRAP();
        if (Battle()->GetMusicCamp() != dwMusicCamp) {
            dwMusicCamp = Battle()->GetMusicCamp();
            banners.push_back({Record().GetCampTurn(), dwMusicCamp});
            EXPECT_FALSE(pBanner->IsFinished());
        }
        return Record().GetTurn() >= 3;
    }, 60000);
    const std::vector<Seen> expected = {{0, 1}, {2, 2}, {0, 1}, {2, 2}};
    EXPECT_EQ(banners, expected);
}

TEST_F(BattleProcedureTest, VictoryInACampTurnKeepsTheControllerAndEndsTheBattle)
{
    Save({1, XE_ROUND_BEGIN, 0});
    ASSERT_EQ(Enter(), S_OK);
    FramesUntil([&] { return Battle()->GetCampObject() != nullptr; });
    ASSERT_NE(Battle()->GetCampObject(), nullptr);
    EXPECT_EQ(Battle()->Deal("Victory,BattleWin.txt"), 0u);
    EXPECT_EQ(Battle()->GetRoundStep(), XE_ROUND_FINISH);
    EXPECT_NE(Battle()->GetCampObject(), nullptr);
    EXPECT_TRUE(Battle()->IsVictory());
    FramesUntil([&] { return Battle()->IsBattleFinished() != 0; });
    EXPECT_TRUE(Battle()->IsBattleFinished());
    EXPECT_EQ(Battle()->GetFinishStep(), 3u);
    EXPECT_EQ(g_pPersonManager->GetPersonCount(), 0u);
}

TEST_F(BattleProcedureTest, BattleLines)
{
    Save({0, 0, 0});
    ASSERT_EQ(Enter(), S_OK);
    XC_GameProcedure_Battle& battle = *Battle();
    struct Case
    {
        const char* szLine;
        DWORD dwResult;
        const char* szReport;
    };
    const Case cases[] = {
        {"", static_cast<DWORD>(E_FAIL), nullptr},
        {"victory,BattleWin.txt", 0, "UnKnow Token \"victory\" "},
        {"DelPerson,0x12c", 0, nullptr},
        {"AddPerson,0x12c", 0, "g_pPersonManager->AddPersonFromTeamIndex( dwTeamID )"},
        {"AddPerson,301", 0, "g_pPersonManager->AddPersonFromTeamIndex( dwTeamID )"},
        {"DelPerson", 0, "szToken"},
        {"AddSceneElement", 0, "szSceneElementName"},
        {"SetMusicCampComputer,Battle_Boss.mid", 0, nullptr},
        {"SetMusicCampPlayer", 0, "szMusicName"},
    };
    for (const Case& c : cases) {
        const ErrorLogCapture log;
        EXPECT_EQ(battle.Deal(c.szLine), c.dwResult) << c.szLine;
        if (c.szReport != nullptr) {
            EXPECT_TRUE(log.Contains(c.szReport)) << c.szLine << "\n" << log.Text();
        }
    }
    EXPECT_EQ(battle.GetRoundStep(), XE_ROUND_DEPLOY);
    EXPECT_EQ(g_pPersonManager->GetPersonFromTeamIndex(300), nullptr);
    EXPECT_NE(g_pPersonManager->GetPersonFromTeamIndex(301), nullptr);
    EXPECT_EQ(g_pPersonManager->GetPersonFromTeamIndex(0), nullptr);
    EXPECT_EQ(Record().GetMusicCampComputer(), "Battle_Boss.mid");
    EXPECT_EQ(Record().GetMusicCampPlayer(), "");

    // Without a name the result script named before stays.
    EXPECT_EQ(battle.Deal("Victory,BattleWin.txt"), 0u);
    const ErrorLogCapture log;
    EXPECT_EQ(battle.Deal("Defeat"), 0u);
    EXPECT_TRUE(log.Contains("szScriptName")) << log.Text();
    EXPECT_EQ(battle.GetResultScript(), "BattleWin.txt");
    EXPECT_FALSE(battle.IsVictory());
    EXPECT_EQ(battle.GetRoundStep(), XE_ROUND_FINISH);
}

TEST_F(BattleProcedureTest, F5FlipsThePersonStrokeInTheRegistry)
{
    ASSERT_EQ(Enter(), S_OK);
    FakeKeyboardDevice device;
    FakeKeyboard keyboard(&device);
    XC_InputOfKeyboard* const pGameKeyboard = g_pInputOfKeyboardObj;
    g_pInputOfKeyboardObj = &keyboard;
    const BOOL bBefore = g_pPersonManager->GetPersonStrokeEnable();
    for (int i = 1; i <= 2; ++i) {
        device.keys[DIK_F5] = 0x80;
        keyboard.Update();
        Battle()->FrameMove(0.0f);
        device.keys[DIK_F5] = 0;
        keyboard.Update();
        const BOOL bExpected = (i % 2 == 1) ? !bBefore : bBefore;
        EXPECT_EQ(g_pPersonManager->GetPersonStrokeEnable(), bExpected);
        DWORD dwStored = 99;
        EXPECT_EQ(g_pRegisterObj->GetDword("IsPersonStrokeEnable", dwStored), S_OK);
        EXPECT_EQ(dwStored, static_cast<DWORD>(bExpected));
    }
    g_pInputOfKeyboardObj = pGameKeyboard;
}

// The computer commands every camp: the script deploys the forced hero and
// clicks Go, and the battle plays itself to its end through the sample's
// all-die events. A turn that never ends would stall the battle; each must
// end within a bounded number of frames.
TEST_F(BattleProcedureTest, AnAllComputerBattleRunsToItsEndWithEveryCampTurnInBoundedFrames)
{
    const int MAX_FRAMES_PER_CAMP_TURN = 1000;
    XC_GameCamp allComputer;
    allComputer.bControlCampPlayer = 0;
    XC_GameCamp* const pGameCamp = g_pGameCamp;
    g_pGameCamp = &allComputer;

    for (const char* szLine : {"EventManager,EventGroupPerson,EventClsAll_IsAllDie",
                               "EventManager,EventGroupPerson,EventAdd_IsAllDie,EnemiesDown,BattleWon.txt,DF_Camp_Computer",
                               "EventManager,EventGroupPerson,EventAdd_IsAllDie,PartyDown,BattleLost.txt,DF_Camp_Player"})
        ASSERT_EQ(gp_ScriptManagerObj->RealTimeScript(szLine), 0u) << szLine;

    // The battle's waits are timed: a stepped clock at eight times the speed
    // keeps them a few frames each, however slowly the frames are drawn.
    const SteppedClock clock;
    m_Game.SetGameSpeed(8.0f);
    Save({0, 0, 0});
    ASSERT_EQ(Enter(), S_OK);
    ASSERT_TRUE(FramesUntil([&] {
        clock.Step();
        return g_pCombatForceModule->IsActive() != FALSE;
    }));
    EXPECT_GE(g_pCombatForceModule->GetCoerceOutfallCount(), 1u);
    g_pCombatForceModule->SetCombatForceMode(CF_Go);
    // Dialogues in the battle wait for a player; Ctrl skips them.
    FakeKeyboardDevice device;
    FakeKeyboard keyboard(&device);
    XC_InputOfKeyboard* const pGameKeyboard = g_pInputOfKeyboardObj;
    g_pInputOfKeyboardObj = &keyboard;

    int iFrames = 0;
    int iWorstTurnFrames = 0;
    int iCampTurns = 0;
    bool bPartyByComputer = false;
    bool bFinished = false;
    bool bVictory = false;
    const XC_ControlCampBase* pTurn = nullptr;
    const DWORD dwStart = GetTickCount();
    const bool bEnded = FramesUntil([&] {
        clock.Step();
        device.keys[DIK_LCONTROL] = g_pDialogueController->IsDialogueActive() ? 0x80 : 0;
        keyboard.Update();
        XC_GameProcedure_Battle* const pBattle = Battle();
        if (pBattle == nullptr || pBattle->IsBattleFinished()) {
            bFinished = true;
            bVictory = pBattle == nullptr || pBattle->IsVictory();
            return true;
        }
        const XC_ControlCampBase* const pCamp = pBattle->GetCampObject();
        if (pCamp != pTurn) {
            iFrames = 0;
            pTurn = pCamp;
            if (pCamp != nullptr) {
                ++iCampTurns;
                bPartyByComputer |= Record().GetCampTurn() == 0
                    && dynamic_cast<const XC_ControlCampComputer*>(pCamp) != nullptr;
            }
        }
        if (pCamp != nullptr)
            iWorstTurnFrames = std::max(iWorstTurnFrames, ++iFrames);
        return iFrames > MAX_FRAMES_PER_CAMP_TURN;
    }, 120000);
    g_pGameCamp = pGameCamp;
    g_pInputOfKeyboardObj = pGameKeyboard;

    ASSERT_TRUE(bEnded) << "turn " << Record().GetTurn() << " camp " << Record().GetCampTurn();
    EXPECT_LE(iWorstTurnFrames, MAX_FRAMES_PER_CAMP_TURN) << "turn " << Record().GetTurn() << " camp " << Record().GetCampTurn();
    EXPECT_TRUE(bPartyByComputer);
    EXPECT_TRUE(bFinished);
    // The sample battle is tuned for the party to win from the fixed seed.
    EXPECT_TRUE(bVictory);
    EXPECT_GT(iCampTurns, 2);
    std::printf("all-computer battle: %d rounds, %d camp turns, worst turn %d frames, %s, %lu ms\n",
                Record().GetTurn(), iCampTurns, iWorstTurnFrames, bVictory ? "won" : "lost",
                GetTickCount() - dwStart);
}

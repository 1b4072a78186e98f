#include "Code/XC_GameScriptCommand.h"

#include "GameProgram/Sprite/XC_Sprite.h"
#include "GameProgram/SpriteWork/XC_SetAudioVolume.h"
#include "tests/Code/GameShellFakes.h"
#include "tests/GameProgram/Script/ScriptFixture.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

typedef std::vector<std::pair<std::string, std::string>> Leaves;

// One script whose command nodes go through the game's command set.
class GameCommandTest : public ScriptTest
{
protected:
    GameCommandTest()
    {
        Load("[S]\n{\n}\n");
        m_pScript = m_Set.GetScript(0);
    }

    // The node's result; its work, if any, goes to *ppWork or is deleted.
    HRESULT Dispatch(const Leaves& leaves, std::unique_ptr<XC_SpriteWorkBase>* ppWork = nullptr)
    {
        m_Nodes.push_back(MakeNode("[Cmd]", leaves));
        XC_SpriteWorkBase* pWork = nullptr;
        const HRESULT hr = m_Commands.AnalyzeCommand(m_pScript, m_Nodes.back().get(), &pWork);
        std::unique_ptr<XC_SpriteWorkBase> pOwned(pWork);
        if (ppWork != nullptr)
            *ppWork = std::move(pOwned);
        return hr;
    }

    XC_GameScriptCommand m_Commands;
    XC_Script* m_pScript = nullptr;
    std::vector<std::unique_ptr<XC_TextNode>> m_Nodes;
    FakeScriptManager m_ScriptManager;
    FakeGame m_Game;
};

} // namespace

TEST_F(GameCommandTest, GameScriptCallsLoadTheNamedFileOrErrorTxt)
{
    const struct
    {
        Leaves leaves;
        std::string strLoaded;
    } CASES[] = {
        {{{"Type", "CallGameScript"}}, "error.txt"},
        {{{"Type", "CallOskel3Script"}}, "error.txt"},
        {{{"Type", "CallGameScript"}, {"ScriptName", "Script\\Intro.txt"}}, "Script\\Intro.txt"},
        {{{"Type", "CallOskel3Script"}, {"ScriptName", "Script\\Intro.txt"}}, "Script\\Intro.txt"},
    };
    for (const auto& test : CASES) {
        m_ScriptManager.loaded.clear();
        std::unique_ptr<XC_SpriteWorkBase> pWork;
        EXPECT_EQ(Dispatch(test.leaves, &pWork), S_OK);
        EXPECT_EQ(pWork, nullptr);
        EXPECT_EQ(m_ScriptManager.loaded, std::vector<std::string>{test.strLoaded});
    }
    // The loader's failure is the command's.
    m_ScriptManager.dwLoadResult = 0x89BF0003;
    EXPECT_EQ(Dispatch({{"Type", "CallOskel3Script"}}), E_FAIL);
}

TEST_F(GameCommandTest, RealTimeScriptRunsEveryScriptLeafInOrder)
{
    m_ScriptManager.failingLine = "Game,Broken";
    EXPECT_EQ(Dispatch({{"Type", "RealTimeScript"},
                        {"Script", "SetFlag,Event,1,1"},
                        {"Comment", "not a line"},
                        {"Script", "Game,Broken"},
                        {"Script", "AddFlag,Event,1,2"}}),
              S_OK);
    EXPECT_EQ(m_ScriptManager.lines,
              (std::vector<std::string>{"SetFlag,Event,1,1", "Game,Broken", "AddFlag,Event,1,2"}));
    EXPECT_TRUE(m_Log.Contains("( gp_ScriptManagerObj->RealTimeScript( pTLeafSet->GetStr() ) ) failed , hr = 89bf0502"));

    m_ScriptManager.lines.clear();
    EXPECT_EQ(Dispatch({{"Type", "RealTimeScript"}}), S_OK);
    EXPECT_TRUE(m_ScriptManager.lines.empty());
}

TEST_F(GameCommandTest, WithoutAScriptManagerScriptCommandsFail)
{
    JC_ScriptManager* const pManager = gp_ScriptManagerObj;
    gp_ScriptManagerObj = nullptr;
    EXPECT_EQ(Dispatch({{"Type", "CallGameScript"}}), E_FAIL);
    EXPECT_EQ(Dispatch({{"Type", "RealTimeScript"}, {"Script", "Game,Stop"}}), E_FAIL);
    gp_ScriptManagerObj = pManager;
    EXPECT_TRUE(m_Log.Contains("( gp_ScriptManagerObj ) failed"));
}

TEST_F(GameCommandTest, SetAudioVolumeFadesChannelOneOverItsWorkTime)
{
    m_Game.music.SetVolumePercent(80, 1);
    XC_Sprite sprite;
    std::unique_ptr<XC_SpriteWorkBase> pWork;
    ASSERT_EQ(Dispatch({{"Type", "SetAudioVolume"}, {"dwVolume", "20"}, {"fWorkTime", "1.0"}}, &pWork), S_OK);
    ASSERT_NE(dynamic_cast<XC_SetAudioVolume*>(pWork.get()), nullptr);
    sprite.AddWork(pWork.release());
    const struct
    {
        float fStep;
        int iPercent;
    } FRAMES[] = {{0.5f, 50}, {0.25f, 35}, {0.25f, 20}};
    for (const auto& frame : FRAMES) {
        sprite.Update(frame.fStep);
        EXPECT_EQ(m_Game.music.GetVolumePercent(1), frame.iPercent) << frame.fStep;
        EXPECT_EQ(m_Game.music.GetVolumePercent(0), 100);
    }
    EXPECT_EQ(sprite.GetWorkCount(), 0u);
}

TEST_F(GameCommandTest, SetAudioVolumeWithoutWorkTimeSetsTheTargetAtOnce)
{
    const struct
    {
        Leaves leaves;
        int iPercent;
    } CASES[] = {
        {{{"Type", "SetAudioVolume"}, {"dwVolume", "60"}}, 60},
        {{{"Type", "SetAudioVolume"}}, 0},
    };
    for (const auto& test : CASES) {
        m_Game.music.SetVolumePercent(100, 1);
        XC_Sprite sprite;
        std::unique_ptr<XC_SpriteWorkBase> pWork;
        ASSERT_EQ(Dispatch(test.leaves, &pWork), S_OK);
        sprite.AddWork(pWork.release());
        EXPECT_EQ(m_Game.music.GetVolumePercent(1), test.iPercent);
        EXPECT_EQ(sprite.GetWorkCount(), 0u);
    }
}

TEST_F(GameCommandTest, SetAudioVolumeNeedsTheGamesMusicPlayer)
{
    std::unique_ptr<XC_SpriteWorkBase> pWork;
    m_Game.bHasMusic = false;
    EXPECT_EQ(Dispatch({{"Type", "SetAudioVolume"}, {"dwVolume", "60"}}, &pWork), E_FAIL);
    EXPECT_EQ(pWork, nullptr);
    EXPECT_TRUE(m_Log.Contains("( g_pGame->GetBackgroundMusicObj() ) failed"));

    XC_GameScriptCommand::SetGame(nullptr);
    EXPECT_EQ(Dispatch({{"Type", "SetAudioVolume"}, {"dwVolume", "60"}}, &pWork), E_FAIL);
    EXPECT_EQ(pWork, nullptr);
    EXPECT_TRUE(m_Log.Contains("( g_pGame ) failed"));
}

TEST_F(GameCommandTest, ShowVideoPlaysAtOnceAndOnlyReportsAFailure)
{
    EXPECT_EQ(Dispatch({{"Type", "ShowVideo"}, {"VideoName", "Video\\Opening.avi"}}), S_OK);
    m_Game.hrVideo = E_FAIL;
    EXPECT_EQ(Dispatch({{"Type", "ShowVideo"}}), S_OK);
    EXPECT_EQ(m_Game.videos, (std::vector<std::string>{"Video\\Opening.avi", ""}));
    EXPECT_TRUE(m_Log.Contains("( g_pGame->ShowVideo( stringVideoName.c_str() ) ) failed , hr = 80004005"));
}

TEST_F(GameCommandTest, EngineCommandsStayAvailable)
{
    ScriptDrawable* const pHero = AddObject(m_pScript, "Hero");
    EXPECT_EQ(Dispatch({{"Type", "SetShow"}, {"Object", "Hero"}, {"bShow", "1"}}), S_OK);
    EXPECT_TRUE(pHero->GetShow());
}

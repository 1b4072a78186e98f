#include "JC_Script/DealScript/JC_ScriptDealScene.h"

#include "JC_DataManager/Control/JC_ControlScene.h"

#include "tests/JC_DataManager/Control/ControlFixture.h"

namespace {

class ScriptDealScene : public ControlFixture
{
protected:
    ScriptDealScene()
    {
        Load();
        EXPECT_EQ(m_Scene.Initiation(&m_DataManager, &m_Analyser), 0u);
        EXPECT_EQ(m_Deal.Initiation(&m_Scene), 0u);
    }

    std::string Text(const char* szItem) const
    {
        std::string strValue;
        m_DataManager.GetUnfixedDataObj(UNFIXEDDATAKIND_SCENE)->GetValidComponent({0, 0})->GetItemValue(szItem, &strValue);
        return strValue;
    }
    int Number(const char* szItem) const
    {
        int iValue = -1;
        m_DataManager.GetUnfixedDataObj(UNFIXEDDATAKIND_SCENE)->GetValidComponent({0, 0})->GetItemValue(szItem, &iValue);
        return iValue;
    }

    JC_ControlScene m_Scene;
    JC_ScriptDealScene m_Deal;
};

} // namespace

TEST_F(ScriptDealScene, NumbersThatReadWrongAreReported)
{
    // Each is stored as atoi reads it, and reported with its line.
    for (const char* szText : {"SetTurn,abc", "SetMaxTurn,-5", "SetCampStep,1x", "SetRoundStep,"}) {
        EXPECT_EQ(m_Deal.Deal(szText), 0u) << szText;
        EXPECT_TRUE(Logged(std::string("Script:") + szText + " ")) << szText;
    }
    EXPECT_EQ(Number("Turn"), 0);
    EXPECT_EQ(Number("MaxTurn"), -5);
}

TEST_F(ScriptDealScene, SubCommandsStoreTheirFields)
{
    const struct
    {
        const char* szText;
        DWORD dwResult;
    } lines[] = {
        {"SetMusicCampPlayer,戰鬥.wav", 0},
        {"SetStartingPoint,9", 0},
        {"SetSceneFileName,Field,1.scn", 0},
        {"SetMapSize,3,2", 0},
        {"SetMaxTurn,30,x", 0},
        {"SetTurn, 4", 0},
        {"SetRoundStep,2", 0},
        {"SetCampStep,1", 0},
        {"SetCampTurn,DF_ROUND_CAMP", 0},
        {"SetWinCondition,全滅敵人", 0},
        {"SetLoseCondition,全滅", 0},
        {"SetWinScript,Win.txt,a,b", 0},
        {"SetLoseScript,Lose.txt", 0},
        {"SetNextFightScript,Next.txt", 0},
        {"SetMusicCampComputer,敵.wav", 0},
        {"SetStartingPoint,5", 0},
        {"SetStartingPoint,4", 0},
        {"setturn,5", JE_DEALSCENE_UNKNOWN_COMMAND},
    };
    for (const auto& line : lines)
        EXPECT_EQ(m_Deal.Deal(line.szText), line.dwResult) << line.szText;
    EXPECT_TRUE(Logged("Script:SetMaxTurn,30,x "));
    EXPECT_FALSE(Logged("Script:SetRoundStep,2 "));
    EXPECT_EQ(Text("SceneFileName"), "Field,1.scn");
    EXPECT_EQ(m_Scene.GetMapWidth(), 3);
    EXPECT_EQ(m_Scene.GetFloorCount(), 6);
    EXPECT_EQ(Number("MaxTurn"), 30);
    EXPECT_EQ(Number("Turn"), 4);
    EXPECT_EQ(Number("RoundStep"), 2);
    EXPECT_EQ(Number("CampStep"), 1);
    EXPECT_EQ(Number("CampTurn"), 0x10);
    EXPECT_EQ(Text("WinCondition"), "全滅敵人");
    EXPECT_EQ(Text("LoseCondition"), "全滅");
    EXPECT_EQ(Text("WinScript"), "Win.txt,a,b");
    EXPECT_EQ(Text("LoseScript"), "Lose.txt");
    EXPECT_EQ(Text("NextFightScript"), "Next.txt");
    // A new scene keeps the music.
    EXPECT_EQ(Text("MusicCampPlayer"), "戰鬥.wav");
    EXPECT_EQ(Text("MusicCampComputer"), "敵.wav");
    EXPECT_EQ(m_Scene.GetStartingPointCount(), 2);
    EXPECT_EQ(m_Scene.GetStartingPoint(0), 5);
    EXPECT_TRUE(Logged(" ScriptDealScene FunctionNameNotSupport. \r\n Script:setturn,5"));

    EXPECT_EQ(m_Deal.Deal("ClsStartingPoint,1"), 0u);
    EXPECT_EQ(m_Scene.GetStartingPointCount(), 0);
    EXPECT_EQ(m_Deal.Deal("SetMaxTurn"), 0u);
    EXPECT_EQ(Number("MaxTurn"), 0);
    EXPECT_EQ(m_Deal.Deal("SetCampTurn,DF_Nothing"), 0u);
    EXPECT_EQ(static_cast<DWORD>(Number("CampTurn")), 0xCDCDCDCDu);
    // One number builds no floors.
    EXPECT_EQ(m_Deal.Deal("SetMapSize,4"), 0u);
    EXPECT_EQ(m_Scene.GetMapWidth(), 4);
    EXPECT_EQ(m_Scene.GetMapHeight(), 0);
    EXPECT_EQ(m_Scene.GetFloorCount(), 0);

    JC_ScriptDealScene deal;
    EXPECT_EQ(deal.Initiation(nullptr), JE_DEALSCENE_NO_CONTROL);
    EXPECT_EQ(deal.Deal("SetTurn,1"), JE_DEALSCENE_NO_CONTROL);
}

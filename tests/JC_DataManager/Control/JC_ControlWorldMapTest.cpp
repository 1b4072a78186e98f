#include "tests/JC_DataManager/GameDataFixture.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlWorldMap.h"

namespace {

class ControlWorldMap : public GameDataTest
{
protected:
    void SetUp() override
    {
        GameDataTest::SetUp();
        ASSERT_EQ(m_Analyser.Initiation(&m_DataManager), 0u);
        ASSERT_EQ(m_Game.Initiation(&m_DataManager), 0u);
        ASSERT_EQ(m_Control.Initiation(&m_Game, &m_Analyser), 0u);
    }

    JC_BehaviorAnalyser m_Analyser;
    JC_ControlGame m_Game;
    JC_ControlWorldMap m_Control;
};

TEST_F(ControlWorldMap, EveryCallReadsTheCurrentWorldMap)
{
    EXPECT_EQ(m_Control.GetPlaceCount(), 2);
    EXPECT_EQ(m_Control.GetPlaceShopID(1), 11u);
    m_Game.SetWorldMapIndex(1);
    EXPECT_EQ(m_Control.GetPlaceCount(), 1);
    EXPECT_EQ(m_Control.GetPlaceShopID(1), 21u);
    m_Control.SetPlaceShopID(1, 30);
    m_Control.SetPlaceName(1, "十字路口");
    m_Game.SetWorldMapIndex(0);
    EXPECT_EQ(m_Control.GetPlaceShopID(1), 11u);
    m_Game.SetWorldMapIndex(1);
    EXPECT_EQ(m_Control.GetPlaceShopID(1), 30u);
    EXPECT_EQ(m_Control.GetPlaceName(1), "十字路口");
    EXPECT_EQ(m_Log.Count(" Fail."), 0u) << m_Log.Text();
}

TEST_F(ControlWorldMap, MissingPlacesAreLoggedAndReadAsZero)
{
    EXPECT_EQ(m_Control.GetPlaceShopID(7), 0u);
    EXPECT_EQ(m_Log.Count(" GetOperatorPlaceObj(PlaceID:7) Fail. \r\n OperatorPlaceObj NULL. \r\n"), 1u);
    EXPECT_EQ(m_Log.Count(" Get WorldMapPlaceObj Fail. \r\n WorldMapIndex:0 \r\n PlaceID:7 \r\n"), 1u);
    m_Control.SetPlaceShopID(0, 5);
    EXPECT_EQ(m_Log.Count(" GetOperatorPlaceObj(PlaceID:0) Fail."), 1u);
    EXPECT_EQ(m_Control.GetPlaceName(9), "");
    EXPECT_EQ(m_Control.GetCanGoPlace(9, 0), 0u);
    m_Game.SetWorldMapIndex(5);
    EXPECT_EQ(m_Control.GetOperatorWorldMapInfoObj(), nullptr);
    EXPECT_EQ(m_Control.GetPlaceCount(), 0);
    EXPECT_EQ(m_Log.Count(" Get WorldMapInfoObj Fail."), 2u);
}

TEST_F(ControlWorldMap, InitiationTakesTheGameControl)
{
    JC_ControlWorldMap control;
    EXPECT_EQ(control.Initiation(&m_DataManager, &m_Analyser), JE_CONTROLWORLDMAP_WRONG_INITIATION);
    EXPECT_EQ(control.IsInitiated(), FALSE);
    EXPECT_EQ(control.Initiation(static_cast<JC_ControlGame*>(nullptr), &m_Analyser), JE_CONTROLWORLDMAP_NULL_CONTROL_GAME);
    EXPECT_EQ(control.Initiation(&m_Game, nullptr), JE_CONTROLWORLDMAP_NULL_BEHAVIOR_ANALYSER);
    EXPECT_EQ(control.GetPlaceShopID(1), 0u);
    EXPECT_EQ(control.Initiation(&m_Game, &m_Analyser), 0u);
    EXPECT_EQ(control.IsInitiated(), TRUE);
}

} // namespace

#include "JC_DataManager/Control/JC_ControlScene.h"

#include "tests/JC_DataManager/Control/ControlFixture.h"

namespace {

class ControlScene : public ControlFixture
{
protected:
    ControlScene()
    {
        Load();
        EXPECT_EQ(m_Control.Initiation(&m_DataManager, &m_Analyser), 0u);
    }

    int FloorRecords() const
    {
        return static_cast<int>(m_DataManager.GetUnfixedDataObj(UNFIXEDDATAKIND_SCENE)->GetValidComponent({0, 0}) !=
                                nullptr) +
               static_cast<int>(CountFloors());
    }
    DWORD CountFloors() const
    {
        DWORD dwCount = 0;
        while (m_DataManager.GetUnfixedDataObj(UNFIXEDDATAKIND_SCENE)->GetValidComponent({0, dwCount + 1}) != nullptr)
            ++dwCount;
        return dwCount;
    }

    JC_ControlScene m_Control;
};

} // namespace

TEST_F(ControlScene, BuildFloorsNumbersTheCellsRowByRow)
{
    ASSERT_EQ(m_Control.BuildFloors(3, 2), 0u) << LogText();
    EXPECT_EQ(CountFloors(), 6u);
    EXPECT_EQ(m_Control.GetMapWidth(), 3);
    EXPECT_EQ(m_Control.GetMapHeight(), 2);
    EXPECT_EQ(m_Control.GetFloorCount(), 6);
    const int expected[6][2] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(m_Control.GetIndexX(i), expected[i][0]) << i;
        EXPECT_EQ(m_Control.GetIndexZ(i), expected[i][1]) << i;
        int iIndex = -1;
        m_DataManager.GetSceneFloorDataComponent(i)->GetItemValue("Index", &iIndex);
        EXPECT_EQ(iIndex, i);
        // Every floor starts from the template, whatever the old floors held.
        EXPECT_EQ(m_Control.GetLandformID(i), 1) << i;
    }

    // A second build replaces every floor.
    ASSERT_EQ(m_Control.BuildFloors(1, 4), 0u);
    EXPECT_EQ(CountFloors(), 4u);
    EXPECT_EQ(m_Control.GetIndexZ(3), 3);
    EXPECT_EQ(m_Control.GetIndexX(4), -1);
    EXPECT_TRUE(Logged("指定的地板索引位置:4"));

    // No floors at all, and then floors again from the bare information.
    ASSERT_EQ(m_Control.BuildFloors(0, 5), 0u);
    EXPECT_EQ(CountFloors(), 0u);
    EXPECT_EQ(FloorRecords(), 1);
    ASSERT_EQ(m_Control.BuildFloors(2, 2), 0u);
    EXPECT_EQ(CountFloors(), 4u);
}

TEST_F(ControlScene, SizesOutsideTheSceneDataAreRefusedBeforeAnythingChanges)
{
    EXPECT_EQ(m_Control.BuildFloors(-1, 2), JE_SCENE_BAD_SIZE);
    EXPECT_EQ(m_Control.BuildFloors(200, 200), JE_SCENE_BAD_SIZE);
    EXPECT_EQ(CountFloors(), 2u);
    EXPECT_EQ(m_Control.GetMapWidth(), 2);
    JC_ControlScene notInitiated;
    EXPECT_EQ(notInitiated.BuildFloors(1, 1), JE_SCENE_NO_SCENE_DATA);
}

TEST_F(ControlScene, FloorsAndTheirLandforms)
{
    EXPECT_EQ(m_Control.GetLandformID(0), 2);
    EXPECT_EQ(m_Control.GetWalkConsume(0), 3);
    EXPECT_EQ(m_Control.GetExtraHitRate(0), -10);
    EXPECT_EQ(m_Control.GetCanStay(1), 1);
    m_Control.SetLandformID(1, 9);
    EXPECT_EQ(static_cast<DWORD>(m_Control.GetWalkConsume(1)), JE_OPERATOR_NULL_RECORD);
    EXPECT_TRUE(Logged("指定的地形ID:0x9"));

    m_Control.SetDisableMagicRound(1, 3);
    EXPECT_EQ(m_Control.GetDisableMagicRound(1), 3);
    EXPECT_EQ(m_Control.GetIsDisableMagic(1), 1);
    m_Control.SetDisableMagicRound(1, 0);
    EXPECT_EQ(m_Control.GetIsDisableMagic(1), 0);
    m_Control.SetIsDisableMagic(0, 1);
    EXPECT_EQ(m_Control.GetIsDisableMagic(0), 1);
    EXPECT_EQ(m_Control.GetDisableMagicRound(7), -1);
    EXPECT_EQ(m_Control.GetDisableMagicRound(-1), -1);
    EXPECT_NE(m_Control.GetIsDisableMagic(7), 0);
}

TEST_F(ControlScene, SceneInformationAndStartingPoints)
{
    m_Control.SetTurn(4);
    m_Control.SetWinCondition("全滅敵人");
    EXPECT_EQ(m_Control.SetCampTurn(3), 0u);
    EXPECT_EQ(m_Control.AddStartingPoint(25), 0u);
    EXPECT_EQ(m_Control.AddStartingPoint(30), 0u);
    EXPECT_EQ(m_Control.GetStartingPointCount(), 2);
    EXPECT_EQ(m_Control.GetStartingPoint(1), 30);
    EXPECT_EQ(m_Control.GetWinCondition(), "全滅敵人");

    EXPECT_EQ(m_Control.ResetSceneInfo("Field.scn"), 0u);
    EXPECT_EQ(m_Control.GetTurn(), 0);
    EXPECT_EQ(m_Control.GetCampTurn(), 0);
    EXPECT_EQ(m_Control.GetSceneFileName(), "Field.scn");
    EXPECT_EQ(m_Control.GetWinCondition(), "");
    EXPECT_EQ(m_Control.GetStartingPointCount(), 0);

    JC_ControlScene notInitiated;
    EXPECT_EQ(notInitiated.GetStartingPointCount(), -1);
    EXPECT_EQ(notInitiated.GetSceneFileName(), "");
    EXPECT_NE(notInitiated.SetRoundStep(1), 0u);
}

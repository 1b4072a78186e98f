#include "JC_DataManager/Control/JC_ControlManager.h"

#include "tests/JC_DataManager/Control/ControlFixture.h"

#include <cstdlib>

namespace {

using ControlManager = ControlFixture;

} // namespace

TEST_F(ControlManager, InitiatesEveryControlInItsOrder)
{
    Load();
    JC_ControlManager manager;
    ASSERT_EQ(manager.Initiation(&m_DataManager, &m_Analyser), 0u) << LogText();
    EXPECT_EQ(manager.IsInitiated(), TRUE);
    EXPECT_EQ(manager.GetDataManager(), &m_DataManager);
    EXPECT_EQ(manager.GetErrorLog(), &m_Log);
    EXPECT_EQ(manager.GetBehaviorAnalyser(), &m_Analyser);
    EXPECT_EQ(manager.m_ControlGameObj.GetMoney(), 50);
    EXPECT_EQ(manager.m_ControlModuleOptionObj.GetItemDataLong("Width"), 800);
    EXPECT_EQ(manager.m_ControlModuleWorldMapObj.GetItemDataString("Title"), "選項");
    EXPECT_EQ(manager.m_ControlInlayObj.IsInitiated(), TRUE);
    EXPECT_EQ(manager.m_ControlSceneObj.GetMapWidth(), 2);
    EXPECT_EQ(manager.m_ControlWorldMapObj.IsInitiated(), TRUE);
    EXPECT_EQ(manager.m_ControlShopObj.IsInitiated(), TRUE);
    EXPECT_EQ(manager.m_ControlTeamObj.IsInitiated(), TRUE);
    EXPECT_EQ(manager.m_ControlWarehouseObj.IsInitiated(), TRUE);
    EXPECT_EQ(manager.m_ControlTeamPersonObj.GetDataManager(), &m_DataManager);
    EXPECT_EQ(LogText().find(" Fail."), std::string::npos) << LogText();
}

TEST_F(ControlManager, FailsWithTheFirstControlThatCannotBind)
{
    JC_ControlManager manager;
    EXPECT_EQ(manager.Initiation(nullptr, &m_Analyser), JE_CONTROLMANAGER_NULL_DATA_MANAGER);
    EXPECT_EQ(manager.Initiation(&m_DataManager, &m_Analyser), JE_CONTROLMANAGER_DATA_MANAGER_NOT_INITIATED);
    EXPECT_EQ(manager.m_ControlGameObj.IsInitiated(), FALSE);
    Load();
    EXPECT_EQ(manager.Initiation(&m_DataManager, nullptr), JE_CONTROLMANAGER_NULL_BEHAVIOR_ANALYSER);

    WriteModuleData({});
    ASSERT_EQ(m_DataManager.InitModuleData(), 0u);
    EXPECT_EQ(manager.Initiation(&m_DataManager, &m_Analyser), JE_CONTROLMODULEOPTION_NO_RECORD);
    EXPECT_EQ(manager.IsInitiated(), FALSE);
    EXPECT_EQ(manager.m_ControlGameObj.IsInitiated(), TRUE);
    EXPECT_EQ(manager.m_ControlInlayObj.IsInitiated(), FALSE);
    EXPECT_TRUE(Logged(" ControlModuleOption Initiation GetModuleOptionObj Fail. \r\n "));
    // A module control that never bound gives defaults without a report.
    EXPECT_EQ(manager.m_ControlModuleStateObj.GetItemDataLong("Width"), 0);
    EXPECT_FALSE(Logged(" ControlModuleState GetItemData Fail."));
}

TEST_F(ControlManager, ModuleControlsReadTheirLayoutsByItemName)
{
    Load();
    JC_ControlModuleTown town;
    ASSERT_EQ(town.Initiation(&m_DataManager), 0u);
    EXPECT_EQ(town.GetItemDataDword("Width"), 800u);
    EXPECT_FLOAT_EQ(town.GetItemDataFloat("Scale"), 1.5f);
    EXPECT_EQ(town.GetItemDataString("Title"), "選項");
    EXPECT_EQ(town.GetItemDataLong("Height"), 0);
    EXPECT_TRUE(Logged(" ControlModuleTown GetItemData Fail. \r\n ItemName:Height \r\n HRESULT:0x")) << LogText();
}

TEST(ControlManagerOnTheSampleGame, InitiatesEveryControlWithoutAFailure)
{
    const char* szSampleGame = std::getenv("OSKEL_SAMPLE_GAME");
    ASSERT_NE(szSampleGame, nullptr);
    TestLog log;
    JC_DataManager dataManager;
    ASSERT_EQ(dataManager.Initiation(szSampleGame, log.Get()), 0u) << log.Text();
    ASSERT_EQ(dataManager.InitFixedData(1), 0u) << log.Text();
    ASSERT_EQ(dataManager.InitUnfixedData(0), 0u) << log.Text();
    ASSERT_EQ(dataManager.InitModuleData(), 0u) << log.Text();
    ASSERT_EQ(dataManager.InitRecordData(), 0u) << log.Text();
    ASSERT_EQ(dataManager.LoadRecordData(0, 60000, 0), 0u) << log.Text();
    JC_BehaviorAnalyser analyser;
    ASSERT_EQ(analyser.Initiation(&dataManager), 0u);
    JC_ControlManager manager;
    EXPECT_EQ(manager.Initiation(&dataManager, &analyser), 0u) << log.Text();
    EXPECT_EQ(manager.IsInitiated(), TRUE);
    EXPECT_EQ(manager.m_ControlTeamPersonObj.IsInitiated(), TRUE);
    EXPECT_EQ(log.Count(" Fail."), 0u) << log.Text();

    // The sample's weapon gem raises a copy of a two-hole weapon's attack.
    JC_DataComponent weapon;
    ASSERT_EQ(weapon.Copy(dataManager.GetWeaponObj(2), JC_DataComponent::ADOPT_LAYOUT), 0u);
    int iAttack = 0;
    weapon.GetItemValue("Attack", &iAttack);
    EXPECT_EQ(manager.m_ControlInlayObj.ToInlay(dataManager.GetGemObj(1), &weapon), 0u) << log.Text();
    int iInlaidAttack = 0;
    weapon.GetItemValue("Attack", &iInlaidAttack);
    EXPECT_EQ(iInlaidAttack, iAttack + 3);
}

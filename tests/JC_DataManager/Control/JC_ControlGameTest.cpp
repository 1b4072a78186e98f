#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlBase.h"
#include "JC_DataManager/Control/JC_ControlGame.h"

#include "tests/JC_DataManager/GameFolderFixture.h"

namespace {

class ControlGame : public GameFolderFixture
{
protected:
    // A game record whose money the template holds to 0..dwMaximum.
    void MakeGame(const std::string& strMoneyRange)
    {
        WriteTemplate("Game", 0x70001,
                      ItemLine("Money", "INT32", "0", "", "", strMoneyRange) +
                          ItemLine("WorldMapIndex", "INT32", "0"));
        WriteUnfixedData({{"UnfixedData_Game.DATA", ArrayDataFile({{0x70001, "Money\"50\"\r\n"}})}});
        Initiate();
        ASSERT_EQ(m_DataManager.InitUnfixedData(0), 0u) << LogText();
        ASSERT_EQ(m_Control.Initiation(&m_DataManager), 0u) << LogText();
    }

    JC_ControlGame m_Control;
};

} // namespace

TEST_F(ControlGame, ControlBaseNeedsAnInitiatedDataManagerAndAnAnalyser)
{
    JC_ControlBase control;
    JC_BehaviorAnalyser analyser;
    EXPECT_EQ(control.Initiation(nullptr, &analyser), JE_CONTROL_NULL_DATA_MANAGER);
    EXPECT_EQ(control.Initiation(&m_DataManager, &analyser), JE_CONTROL_DATA_MANAGER_NOT_INITIATED);
    Initiate();
    EXPECT_EQ(control.Initiation(&m_DataManager, nullptr), JE_CONTROL_NULL_BEHAVIOR_ANALYSER);
    EXPECT_EQ(control.GetDataManager(), nullptr);
    EXPECT_EQ(control.GetErrorLog(), nullptr);
    EXPECT_EQ(control.Initiation(&m_DataManager, &analyser), 0u);
    EXPECT_EQ(control.IsInitiated(), TRUE);
    EXPECT_EQ(control.GetDataManager(), &m_DataManager);
    EXPECT_EQ(control.GetErrorLog(), &m_Log);
    EXPECT_EQ(control.GetBehaviorAnalyser(), &analyser);
}

TEST_F(ControlGame, WithoutAGameRecordTheControlIsNotReady)
{
    EXPECT_EQ(m_Control.Initiation(&m_DataManager), JE_OPERATOR_DATA_MANAGER_NOT_INITIATED);
    Initiate();
    EXPECT_EQ(m_Control.Initiation(&m_DataManager), JE_CONTROLGAME_NO_GAME_RECORD);
    EXPECT_TRUE(Logged(" ControlGame GetGameObj Fail. \r\n "));
    m_Control.SetMoney(10);
    EXPECT_EQ(m_Control.GetMoney(), 0);
    EXPECT_EQ(m_Control.IsInitiated(), FALSE);
}

TEST_F(ControlGame, AMissingOrForeignGameRecordIsReportedWithItsFile)
{
    WriteTemplate("Game", 0x70001, ItemLine("Money", "INT32", "0"));
    WriteTemplate("Other", 0x190002, ItemLine("Flag", "INT32", "0"));
    const struct
    {
        const char* szCase;
        std::string strFile;
        const char* szLogged;
    } cases[] = {
        {"no record", ArrayDataFile({}, "", 0x70001), "HRESULT:0x"},
        {"another template's record", ArrayDataFile({{0x190002, "Flag\"1\"\r\n"}}), "TemplateID:0x00190002(0x00070001)"},
    };
    for (const auto& gameCase : cases) {
        SCOPED_TRACE(gameCase.szCase);
        WriteUnfixedData({{"UnfixedData_Game.DATA", gameCase.strFile}});
        Initiate();
        ASSERT_EQ(m_DataManager.InitUnfixedData(0), 0u) << LogText();
        EXPECT_EQ(m_Control.Initiation(&m_DataManager), JE_CONTROLGAME_NO_GAME_RECORD);
        const std::string strLog = LogText();
        const size_t at = strLog.rfind(" GetGameDataComponent Fail. ");
        ASSERT_NE(at, std::string::npos) << strLog;
        const std::string strReport = strLog.substr(at, 300);
        EXPECT_NE(strReport.find("DataFileName:"), std::string::npos) << strReport;
        EXPECT_NE(strReport.find("UnfixedData_Game.DATA"), std::string::npos) << strReport;
        EXPECT_NE(strReport.find(gameCase.szLogged), std::string::npos) << strReport;
    }
}

TEST_F(ControlGame, MoneyIsHeldToItsRange)
{
    MakeGame("");
    EXPECT_EQ(m_Control.GetMoney(), 50);
    const struct
    {
        int iStart;
        int iDelta;
        int iMoney;
    } additions[] = {
        {50, -100, 0}, {99999990, 20, 99999999}, {10, 2147483647, 99999999}, {10, -2147483647 - 1, 0}, {7, 3, 10},
    };
    for (const auto& a : additions) {
        m_Control.SetMoney(a.iStart);
        m_Control.AddMoney(a.iDelta);
        EXPECT_EQ(m_Control.GetMoney(), a.iMoney) << a.iStart << " + " << a.iDelta;
    }
    m_Control.SetMoney(-5);
    EXPECT_EQ(m_Control.GetMoney(), 0);
    m_Control.SetMoney(123456789);
    EXPECT_EQ(m_Control.GetMoney(), 99999999);

    m_Control.SetWorldMapIndex(1);
    EXPECT_EQ(m_Control.GetWorldMapIndex(), 1);
    EXPECT_FALSE(Logged(" Money Fail."));
}

TEST_F(ControlGame, AWriteThatDoesNotReadBackEmptiesThePurse)
{
    MakeGame("0~1000");
    m_Control.SetMoney(900);
    EXPECT_EQ(m_Control.GetMoney(), 900);
    m_Control.AddMoney(200);
    EXPECT_TRUE(Logged(" Money Fail. \r\n "));
    EXPECT_EQ(m_Control.GetMoney(), 0);
    m_Control.SetMoney(5);
    EXPECT_EQ(m_Control.GetMoney(), 0);
}

#include "JC_Script/DealScript/JC_ScriptDealGame.h"

#include "JC_DataManager/Control/JC_ControlGame.h"

#include "tests/JC_Script/ScriptFixture.h"

#include <cstring>

namespace {

class ScriptDealGame : public ScriptFixture
{
protected:
    ScriptDealGame()
    {
        EXPECT_EQ(m_Game.Initiation(&m_DataManager), 0u) << LogText();
        EXPECT_EQ(m_Deal.Initiation(&m_Game), 0u);
        EXPECT_EQ(m_Scripts.AddFunction("ControlGame", &m_Deal), 0u);
    }

    JC_ControlGame m_Game;
    JC_ScriptDealGame m_Deal;
};

} // namespace

TEST_F(ScriptDealGame, MoneyAndWorldMapLines)
{
    // Numbers read by atoi rules; one that is no whole number is reported
    // with the line and read all the same.
    const struct
    {
        const char* szLine;
        DWORD dwResult;
        int iMoney;
        bool bReported;
    } lines[] = {
        {"ControlGame,SetMoney,300", 0, 300, false},
        {"ControlGame,AddMoney,-500", 0, 0, false},
        {"ControlGame,SetMoney,123456789", 0, 99999999, false},
        {"ControlGame,AddMoney,1", 0, 99999999, false},
        {"ControlGame,SetMoney, 42abc", 0, 42, true},
        {"ControlGame,AddMoney,", 0, 42, true},
        {"ControlGame,SetMoney,abc", 0, 0, true},
        {"ControlGame,SetMoney,12x", 0, 12, true},
        {"ControlGame,AddMoney,30,1", 0, 42, true},
        {"ControlGame,SetMoney,99999999999", 0, 99999999, true},
        {"ControlGame,SetMoney,42", 0, 42, false},
        {"ControlGame,Money,5", JE_DEALGAME_UNKNOWN_COMMAND, 42, true},
        {"ControlGame ,SetMoney,5", JE_SCRIPT_DISTRIBUTE_UNKNOWN, 42, false},
        {"ControlGame,SetWorldMapIndex,3", 0, 42, false},
    };
    for (const auto& line : lines) {
        EXPECT_EQ(m_Scripts.RealTimeScript(line.szLine), line.dwResult) << line.szLine;
        EXPECT_EQ(m_Game.GetMoney(), line.iMoney) << line.szLine;
        const std::string strReport = std::string("Script:") + (line.szLine + std::strlen("ControlGame,")) + " ";
        EXPECT_EQ(Logged(strReport), line.bReported) << line.szLine;
    }
    EXPECT_EQ(m_Game.GetWorldMapIndex(), 3);
    EXPECT_TRUE(Logged("Script:Money,5"));
}

TEST_F(ScriptDealGame, InitiationNeedsAnInitiatedControl)
{
    JC_ScriptDealGame deal;
    EXPECT_EQ(deal.Initiation(nullptr), JE_DEALGAME_NO_CONTROL);
    JC_ControlGame notInitiated;
    EXPECT_EQ(deal.Initiation(&notInitiated), JE_DEALGAME_CONTROL_NOT_INITIATED);
    EXPECT_EQ(deal.Deal("SetMoney,5"), JE_DEALGAME_NO_CONTROL);
}

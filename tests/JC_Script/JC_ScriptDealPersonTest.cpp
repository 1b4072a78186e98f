#include "JC_Script/DealScript/JC_ScriptDealPerson.h"

#include "JC_DataManager/Control/JC_ControlTeam.h"
#include "JC_DataManager/Control/JC_ControlTeamPerson.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "JC_Script/JC_ScriptManager.h"

#include "tests/JC_DataManager/Control/TeamFixture.h"

namespace {

class ScriptDealPerson : public TeamFixture
{
protected:
    ScriptDealPerson()
    {
        Write("Template\\Template\\TemplateDefine\\Team.h",
              "//[File]\r\n//[Head]\r\n//@Version \"H00080001\"\r\n//[HeadEnd]\r\n"
              "#define DF_Team_TeamOur 1 //@Combo \"\"\r\n//[FileEnd]\r\n");
        LoadTeams();
        CreateDirectoryA(Path("Script").c_str(), nullptr);
        EXPECT_EQ(gp_ScriptManagerObj->Initiation(Root(), &m_DataManager), 0u) << LogText();
        EXPECT_EQ(m_Team.Initiation(&m_DataManager, &m_Analyser), 0u);
        EXPECT_EQ(m_Warehouse.Initiation(&m_DataManager, &m_Analyser), 0u);
        EXPECT_EQ(m_TeamPerson.Initiation(&m_Team, &m_Warehouse), 0u) << LogText();
        EXPECT_EQ(m_Deal.Initiation(&m_TeamPerson), 0u);
        EXPECT_EQ(m_Team.AddPersonToTeamFromFixedData(TeamID::TEAMID_OUR, 0, 1), 0u) << LogText();
    }

    JC_ControlTeam m_Team;
    JC_ControlWarehouse m_Warehouse;
    JC_ControlTeamPerson m_TeamPerson;
    JC_ScriptDealPerson m_Deal;
};

} // namespace

TEST_F(ScriptDealPerson, ReceiveCopiesAFieldIntoAFlag)
{
    JC_ControlScriptFlag* pFlags = gp_ScriptManagerObj->GetScriptFlag();
    EXPECT_EQ(m_Deal.Deal("DF_Team_TeamOur,0,Receive,Level,0,FlagEvent,15"), 0u) << LogText();
    EXPECT_EQ(pFlags->GetFlagEvent(15), 5);
    EXPECT_EQ(m_Deal.Deal("DF_Team_TeamOur,0,Receive,MaxHP,0,FlagTalk,2"), 0u);
    EXPECT_EQ(pFlags->GetFlagTalk(2), 100);

    EXPECT_EQ(m_Deal.Deal("DF_Team_TeamOur,0,Receive,Level,0,FlagSystem,15"), JE_DEALPERSON_UNKNOWN_FLAG);
    EXPECT_EQ(pFlags->GetFlagSystem(15), 0);
    EXPECT_EQ(m_Deal.Deal("DF_Team_TeamOur,0,Receive,Nothing,0,FlagEvent,16"), JE_DEALPERSON_UNKNOWN_ITEM);
    EXPECT_EQ(m_Deal.Deal("DF_Team_TeamOur,0,Receive,Level,-1,FlagEvent,16"), JE_DEALPERSON_UNKNOWN_ITEM);
    EXPECT_NE(m_Deal.Deal("DF_Team_TeamOur,7,Receive,Level,0,FlagEvent,16"), 0u);
    EXPECT_TRUE(Logged(" GetPersonFromTeam Fail. \r\n OperatorTeam:0x00000001 \r\n TeamNumber:0x00000007"));
    EXPECT_EQ(pFlags->GetFlagEvent(16), 0);
}

TEST_F(ScriptDealPerson, OtherTypesGoToThePersonCommandHandler)
{
    EXPECT_NE(m_Deal.Deal("DF_Team_TeamOur,0,Fly,Away"), 0u);
    EXPECT_TRUE(Logged(" ScriptNotify Fail. \r\n Script:DF_Team_TeamOur,0,Fly,Away"));

    JC_ScriptDealPerson deal;
    EXPECT_EQ(deal.Initiation(nullptr), JE_DEALPERSON_NO_HANDLER);
    JC_ControlTeamPerson notInitiated;
    EXPECT_EQ(deal.Initiation(&notInitiated), JE_DEALPERSON_HANDLER_NOT_INITIATED);
}

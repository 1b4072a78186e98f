#include "JC_Script/DealScript/JC_ScriptDealEvent.h"

#include "tests/JC_DataManager/Event/EventFixture.h"

namespace {

class ScriptDealEvent : public EventFixture
{
protected:
    void SetUp() override
    {
        EventFixture::SetUp();
        if (IsSkipped())
            return;
        ASSERT_EQ(m_Deal.Initiation(&m_Events), 0u);
        m_Log.Clear();
    }
    bool Logged(const std::string& strPart) { return m_Log.Text().find(strPart) != std::string::npos; }

    JC_ScriptDealEvent m_Deal;
};

TEST_F(ScriptDealEvent, NeedsAnInitiatedEventManager)
{
    JC_ScriptDealEvent deal;
    EXPECT_EQ(deal.Initiation(nullptr), JE_DEALEVENT_NO_EVENT_MANAGER);
    JC_EventManager idle;
    EXPECT_EQ(deal.Initiation(&idle), JE_DEALEVENT_EVENT_MANAGER_NOT_INITIATED);
    EXPECT_EQ(deal.Deal("EventGroupScene,EventClsAll_HaveThing"), JE_DEALEVENT_NO_EVENT_MANAGER);
}

TEST_F(ScriptDealEvent, GroupsAndSubCommandsAreMatchedExactly)
{
    const struct
    {
        const char* szLine;
        DWORD dwResult;
    } cases[] = {
        {"EventGroupCampplayer,EventClsAll_HaveRoundEvent", JE_DEALEVENT_UNKNOWN_GROUP},
        {"", JE_DEALEVENT_UNKNOWN_GROUP},
        {"EventGroupCampPlayer,eventAdd_HaveRoundEvent,a,S,DF_Camp_Player,1", JE_DEALEVENT_UNKNOWN_CAMP_PLAYER_COMMAND},
        {"EventGroupCampPartner,", JE_DEALEVENT_UNKNOWN_CAMP_PARTNER_COMMAND},
        {"EventGroupCampNatural,X", JE_DEALEVENT_UNKNOWN_CAMP_NATURAL_COMMAND},
        {"EventGroupCampComputer, EventCls_HaveRoundEvent", JE_DEALEVENT_UNKNOWN_CAMP_COMPUTER_COMMAND},
        {"EventGroupPerson,EventAdd_Floor", JE_DEALEVENT_UNKNOWN_PERSON_COMMAND},
        {"EventGroupScene", JE_DEALEVENT_UNKNOWN_SCENE_COMMAND},
        {"EventGroupCampPlayer,EventAdd_HaveRoundEvent,a,S,DF_Camp_Player", JE_EVENTCAMP_ROUND_EVENT_FIELDS},
        {"EventGroupPerson,EventAdd_IsDie,", JE_EVENTPERSON_EMPTY_IS_DIE},
        {"EventGroupScene,EventAdd_HaveThing,a,S,1", JE_EVENTSCENE_HAVE_THING_FIELDS},
    };
    for (const auto& c : cases)
        EXPECT_EQ(m_Deal.Deal(c.szLine), c.dwResult) << c.szLine;
    EXPECT_TRUE(Logged(" 劇本指令_事件 無法識別事件物件名稱. \r\n Script:EventGroupCampplayer,EventClsAll_HaveRoundEvent"));
    EXPECT_TRUE(Logged(" 劇本指令_事件 無法識別事件物件中的功能名稱. \r\n Script:X"));
}

TEST_F(ScriptDealEvent, LinesReachTheGroupOperations)
{
    const char* const lines[] = {
        "EventGroupCampPlayer,EventAdd_HaveRoundEvent,Open,OpenScript,DF_Camp_Player,1",
        "EventGroupCampPlayer,EventAdd_HaveRoundEvent,,Nameless,DF_Camp_Player,2",
        "EventGroupCampComputer,EventAdd_HaveRoundEvent,Wrong,WrongScript,DF_Camp_Player,1",
        "EventGroupCampNatural,EventAdd_HaveRoundEvent,n,N,DF_Camp_Natural,1",
        "EventGroupPerson,EventAdd_IsDie,Boss,BossScript,0",
        "EventGroupPerson,EventAdd_HPInRange,Low,LowScript,0,0,30",
        "EventGroupScene,EventAdd_HaveThing,Free,FreeScript,0",
        "EventGroupScene,EventAdd_NPCInitiation,DF_Team_TeamFight,0,Power,Merge,HP,0,+10",
    };
    for (const char* szLine : lines)
        ASSERT_EQ(m_Deal.Deal(szLine), 0u) << szLine;
    EXPECT_EQ(Camp(0).GetRoundEvents(),
              (std::vector<std::string>{"Open,OpenScript,DF_Camp_Player,1", ",Nameless,DF_Camp_Player,2"}));
    EXPECT_EQ(Camp(3).GetRoundEvents().size(), 1u);
    EXPECT_EQ(m_Events.m_EventGroupPersonObj.GetHPInRange().GetConditions(),
              (std::vector<std::string>{"Low,LowScript,0,0,30"}));
    EXPECT_EQ(m_Events.m_EventGroupSceneObj.GetNPCInitiation(),
              (std::vector<std::string>{"DF_Team_TeamFight,0,Power,Merge,HP,0,+10"}));

    std::vector<JC_EventDealResultA> results;
    ASSERT_EQ(Camp(3).Event_CampBeginDynamic(results, 1), 0u);
    EXPECT_TRUE(results.empty()) << "a Player event added to the Computer group never fires";

    ASSERT_EQ(m_Deal.Deal("EventGroupCampPlayer,EventCls_HaveRoundEvent,"), 0u);
    EXPECT_EQ(Camp(0).GetRoundEvents(), (std::vector<std::string>{"Open,OpenScript,DF_Camp_Player,1"}));
    ASSERT_EQ(m_Deal.Deal("EventGroupCampNatural,EventClsAll_HaveRoundEvent,ignored,fields"), 0u);
    EXPECT_TRUE(Camp(2).GetRoundEvents().empty());
    ASSERT_EQ(m_Deal.Deal("EventGroupPerson,EventCls_HPInRange,Low"), 0u);
    EXPECT_TRUE(m_Events.m_EventGroupPersonObj.GetHPInRange().GetConditions().empty());
    ASSERT_EQ(m_Deal.Deal("EventGroupScene,EventClsAll_NPCInitiation"), 0u);
    EXPECT_TRUE(m_Events.m_EventGroupSceneObj.GetNPCInitiation().empty());
    ASSERT_EQ(m_Deal.Deal("EventGroupScene,EventCls_HaveThing,Free"), 0u);
    EXPECT_TRUE(m_Events.m_EventGroupSceneObj.GetHaveThing().empty());
}

} // namespace

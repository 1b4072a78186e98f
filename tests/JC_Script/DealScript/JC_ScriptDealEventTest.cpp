#include "JC_Script/DealScript/JC_ScriptDealEvent.h"

#include "tests/JC_DataManager/Event/EventFixture.h"

namespace {

class ScriptDealEvent : public EventFixture
{
protected:
    void SetUp() override
    {
        EventFixture::SetUp();
        if (HasFatalFailure())
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

namespace {

// Lines built of the handler's own names, numbers, defines and stray commas
// and blanks: every one is refused or stored, and the events that read the
// stored texts back neither crash nor read past their fields.
TEST_F(ScriptDealEvent, MalformedLinesAreRefusedOrKeptSafely)
{
    const char* const tokens[] = {
        "EventGroupCampPlayer", "EventGroupCampComputer", "EventGroupPerson", "EventGroupScene",
        "EventAdd_HaveRoundEvent", "EventCls_HaveRoundEvent", "EventAdd_FloorEvent", "EventAdd_WhoAttackWho",
        "EventAdd_HavePerson", "EventAdd_HPInRange", "EventAdd_IsDie", "EventAdd_IsAllDie", "EventAdd_HaveThing",
        "EventCls_HaveThing", "DF_Camp_Player", "DF_Camp_Computer", "DF_ThingKind_Tool", "0", "1", "-1", "3",
        "99999999999", "", " ", "a", "S", ",", ",,", "1024", "-2147483648",
    };
    AddPerson(0, 0, {{"SceneFloorIndex", 0}});
    AddPerson(1, 3, {{"MaxHP", 0}, {"HP", 0}});
    std::srand(7);
    for (int i = 0; i < 3000; ++i) {
        std::string strLine;
        const int iCount = std::rand() % 10;
        for (int t = 0; t < iCount; ++t)
            strLine += std::string(tokens[std::rand() % std::size(tokens)]) + (std::rand() % 3 != 0 ? "," : "");
        m_Deal.Deal(strLine);
        if (i % 200 != 0)
            continue;
        std::vector<JC_EventDealResultA> scripts;
        std::vector<JC_EventDealResultB> changes;
        for (int iCamp = 0; iCamp < 4; ++iCamp)
            Camp(iCamp).Event_CampBeginDynamic(scripts, 0);
        JC_EventGroupPerson& person = m_Events.m_EventGroupPersonObj;
        person.Event_StayDynamic(0, scripts, 0);
        person.Event_AttackStartDynamic(0, 1, scripts, 0);
        person.Event_AttackEndDynamic(scripts, 0);
        person.Event_SpecialDynamic(scripts, 0);
        m_Events.m_EventGroupSceneObj.Event_RoundBeginDynamic(scripts, 0);
    }
    for (int iCamp = 0; iCamp < 4; ++iCamp) {
        for (const std::string& strEvent : Camp(iCamp).GetRoundEvents())
            EXPECT_EQ(JC_EventConditionList::Split(strEvent).size(), 4u) << strEvent;
    }
    for (const std::string& strEvent : m_Events.m_EventGroupSceneObj.GetHaveThing())
        EXPECT_LE(JC_EventConditionList::Split(strEvent).size(), 6u) << strEvent;
}

} // namespace

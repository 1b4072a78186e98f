#include "tests/JC_DataManager/Event/EventFixture.h"

namespace {

using EventGroupCamp = EventFixture;

std::vector<std::string> Fired(JC_EventGroupCamp& group, BOOL bConsume = 1)
{
    std::vector<JC_EventDealResultA> results = {JC_EventDealResultA("stale")};
    EXPECT_EQ(group.Event_CampBeginDynamic(results, bConsume), 0u);
    std::vector<std::string> scripts;
    for (const JC_EventDealResultA& result : results)
        scripts.push_back(result.m_ScriptName);
    return scripts;
}

TEST_F(EventGroupCamp, SetCampTakesZeroToThreeOnly)
{
    JC_EventGroupCamp group;
    EXPECT_EQ(group.SetCamp(3), 0u);
    EXPECT_EQ(group.GetCamp(), 3);
    EXPECT_EQ(group.SetCamp(4), JE_EVENTCAMP_BAD_CAMP);
    EXPECT_EQ(group.GetCamp(), -1);
}

TEST_F(EventGroupCamp, RoundEventTextsAreCheckedBeforeTheyAreKept)
{
    const struct
    {
        const char* szEvent;
        DWORD dwResult;
    } cases[] = {
        {"", JE_EVENTCAMP_EMPTY_ROUND_EVENT},
        {"a,S,DF_Camp_Player", JE_EVENTCAMP_ROUND_EVENT_FIELDS},
        {"a,S,DF_Camp_Player,1,x", JE_EVENTCAMP_ROUND_EVENT_FIELDS},
        {"a,S,0,1", JE_EVENTCAMP_ROUND_EVENT_CAMP},
        {"a,S,DF_Camp_Any,1", JE_EVENTCAMP_ROUND_EVENT_CAMP},
        {"a,S,DF_Camp_Nobody,1", JE_EVENTCAMP_ROUND_EVENT_CAMP},
        {"a,S,DF_Camp_Computer,1", 0},
        {",,DF_Camp_Partner,", 0},
    };
    JC_EventGroupCamp& group = Camp(0);
    for (const auto& c : cases)
        EXPECT_EQ(group.EventAdd_HaveRoundEvent(c.szEvent), c.dwResult) << c.szEvent;
    EXPECT_EQ(group.GetRoundEvents(), (std::vector<std::string>{"a,S,DF_Camp_Computer,1", ",,DF_Camp_Partner,"}));
}

TEST_F(EventGroupCamp, RoundEventFiresAtItsTurnAndTakesItsNamesakesAlong)
{
    JC_EventGroupCamp& group = Camp(0);
    ASSERT_EQ(group.EventAdd_HaveRoundEvent("Open,OpenScript,DF_Camp_Player,1"), 0u);
    ASSERT_EQ(group.EventAdd_HaveRoundEvent("Open,LaterScript,DF_Camp_Player,3"), 0u);
    ASSERT_EQ(group.EventAdd_HaveRoundEvent("Other,OtherScript,DF_Camp_Player, 2junk"), 0u);
    ASSERT_EQ(group.EventAdd_HaveRoundEvent("Foe,FoeScript,DF_Camp_Computer,1"), 0u);

    m_Controls.m_ControlSceneObj.SetTurn(2);
    EXPECT_EQ(Fired(group, 0), (std::vector<std::string>{"OtherScript"})) << "not consumed";
    EXPECT_EQ(group.GetRoundEvents().size(), 4u);

    m_Controls.m_ControlSceneObj.SetTurn(1);
    EXPECT_EQ(Fired(group), (std::vector<std::string>{"OpenScript"}));
    EXPECT_EQ(group.GetRoundEvents(),
              (std::vector<std::string>{"Other,OtherScript,DF_Camp_Player, 2junk", "Foe,FoeScript,DF_Camp_Computer,1"}));
    EXPECT_TRUE(Fired(group).empty()) << "the Computer's event waits for its own group";
    EXPECT_EQ(Fired(Camp(3)), (std::vector<std::string>{}))
        << "an event is kept by the group it was added to";

    EXPECT_EQ(group.EventCls_HaveRoundEvent("Other"), 0u);
    EXPECT_EQ(group.EventCls_HaveRoundEvent("Nothing"), 0u);
    EXPECT_EQ(group.GetRoundEvents().size(), 1u);
}

TEST_F(EventGroupCamp, AnEventWithoutScriptIsConsumedWithoutRecord)
{
    ASSERT_EQ(Camp(1).EventAdd_HaveRoundEvent("Quiet,,DF_Camp_Partner,1"), 0u);
    EXPECT_TRUE(Fired(Camp(1)).empty());
    EXPECT_TRUE(Camp(1).GetRoundEvents().empty());
}

TEST_F(EventGroupCamp, AutoRestoreChangesHPAndSPByRatesAndKillsAtZero)
{
    AddPerson(0, 0, {{"MaxHP", 95}, {"HP", 5}, {"HPAutoDamageRate", -10}});
    AddPerson(1, 0, {{"MaxHP", 100}, {"HP", 90}, {"MaxSP", 40}, {"SP", 0}, {"HPAutoRestoreRate", 25},
                     {"SPAutoRestoreRate", 10}});
    AddPerson(2, 0, {{"MaxHP", 100}, {"HP", 100}});
    JC_DataComponent* pPoisoned = AddPerson(3, 0, {{"MaxHP", 100}, {"HP", 50}});
    AddState(pPoisoned, "Poison");
    JC_DataComponent* pNoBody = AddPerson(4, 0, {{"MaxHP", 10}, {"HP", 1}, {"HPAutoDamageRate", -50},
                                                  {"IsLegacyBody", 0}});
    AddPerson(5, 3, {{"MaxHP", 100}, {"HP", 50}, {"HPAutoRestoreRate", 10}});

    std::vector<JC_EventDealResultB> results;
    ASSERT_EQ(Camp(0).Event_CampBeginStatic1(results), 0u) << m_Log.Text();
    ASSERT_EQ(TeamIDs(results), (std::vector<int>{0, 1, 3, 4}));

    const JC_EventDealResultB& dying = results[0];
    EXPECT_EQ(dying.m_IsHPChange, 1);
    EXPECT_EQ(dying.m_HPChange, -9);
    EXPECT_EQ(dying.m_HPRealChange, -5);
    EXPECT_EQ(dying.m_IsSPChange, 0);
    EXPECT_EQ(dying.m_IsDie, 1);
    EXPECT_EQ(dying.m_IsHaveBody, 1);
    JC_DataComponent* pDying = nullptr;
    ASSERT_EQ(m_Controls.m_ControlTeamObj.GetPersonFromTeam(TeamID::TEAMID_FIGHT, 0, pDying), 0u);
    EXPECT_EQ(Get(pDying, "LifeState"), 2);
    EXPECT_EQ(Get(pDying, "DieTime"), 3);

    const JC_EventDealResultB& healed = results[1];
    EXPECT_EQ(healed.m_HPChange, 25);
    EXPECT_EQ(healed.m_HPRealChange, 10);
    EXPECT_EQ(healed.m_IsSPChange, 1);
    EXPECT_EQ(healed.m_SPChange, 4);
    EXPECT_EQ(healed.m_SPRealChange, 4);
    EXPECT_EQ(healed.m_IsDie, 0);

    const JC_EventDealResultB& poisoned = results[2];
    EXPECT_EQ(poisoned.m_IsHPChange + poisoned.m_IsSPChange + poisoned.m_HPChange + poisoned.m_HPRealChange, 0);
    EXPECT_EQ(poisoned.m_IsDie, 0);

    EXPECT_EQ(results[3].m_IsDie, 1);
    EXPECT_EQ(results[3].m_IsHaveBody, 0);
    EXPECT_EQ(Get(pNoBody, "DieTime"), 0);
}

TEST_F(EventGroupCamp, BehaviourUpdateListsTheLivingOfAllCampsPlayerFirst)
{
    AddPerson(0, 3);
    AddPerson(1, 0);
    AddPerson(2, 2, {{"LifeState", 2}});
    JC_DataComponent* pPartner = AddPerson(3, 1);
    AddState(pPartner, "Poison");
    std::vector<JC_EventDealResultD> results;
    ASSERT_EQ(Camp(3).Event_CampBeginStatic2(results), 0u);
    EXPECT_EQ(TeamIDs(results), (std::vector<int>{1, 3, 0}));
    for (const JC_EventDealResultD& result : results)
        EXPECT_EQ(result.m_EventKind, JE_EVENTKIND_D);
    EXPECT_EQ(m_Analyser.GetBehaviorGroupItems(pPartner, 0)->front(), "DF_State_Poison,DF_RoundType_Round,2,0,0,0,0")
        << "the round count went down";
}

TEST_F(EventGroupCamp, SummonedPersonsLeaveWhenTheirTimeIsUp)
{
    JC_DataComponent* pLast = AddPerson(0, 1, {{"IsSummonRole", 1}, {"SummonTime", 1}});
    JC_DataComponent* pLonger = AddPerson(1, 1, {{"IsSummonRole", 1}, {"SummonTime", 3}});
    AddPerson(2, 1, {{"SummonTime", 1}});
    std::vector<JC_EventDealResultE> results;
    ASSERT_EQ(Camp(1).Event_CampBeginStatic3(results), 0u);
    EXPECT_EQ(TeamIDs(results), (std::vector<int>{0}));
    EXPECT_EQ(Get(pLast, "SummonTime"), 0);
    EXPECT_EQ(Get(pLonger, "SummonTime"), 2);
    ASSERT_EQ(Camp(0).Event_CampBeginStatic3(results), 0u);
    EXPECT_TRUE(results.empty());
}

TEST_F(EventGroupCamp, TurnEndRefillsRAPOfTheLivingAndListsVanishingBodies)
{
    JC_DataComponent* pAlive = AddPerson(0, 0, {{"MaxRAP", 7}, {"RAP", 1}});
    JC_DataComponent* pDead = AddPerson(1, 0, {{"MaxRAP", 7}, {"RAP", 1}, {"LifeState", 2}, {"DieTime", 3}});
    AddPerson(2, 0, {{"LifeState", 2}, {"DieTime", 0}});
    ASSERT_EQ(Camp(0).Event_CampEndStatic1(), 0u);
    EXPECT_EQ(Get(pAlive, "RAP"), 7);
    EXPECT_EQ(Get(pDead, "RAP"), 1);

    std::vector<std::vector<int>> vanished;
    for (int iEnd = 0; iEnd < 3; ++iEnd) {
        std::vector<JC_EventDealResultE> results;
        ASSERT_EQ(Camp(0).Event_CampEndStatic2(results), 0u);
        vanished.push_back(TeamIDs(results));
    }
    EXPECT_EQ(vanished, (std::vector<std::vector<int>>{{2}, {2}, {1, 2}}));
}

TEST_F(EventGroupCamp, DisabledMagicCountsDownOnEveryFloor)
{
    JC_ControlScene& scene = m_Controls.m_ControlSceneObj;
    ASSERT_EQ(scene.BuildFloors(4, 1), 0u);
    const int rounds[] = {2, 0, 1, 5};
    for (int i = 0; i < 4; ++i)
        scene.SetDisableMagicRound(i, rounds[i]);
    ASSERT_EQ(Camp(0).UpdateFloorDisableMagic(), 0u);
    std::vector<std::pair<int, int>> floors;
    for (int i = 0; i < 4; ++i)
        floors.emplace_back(scene.GetIsDisableMagic(i), scene.GetDisableMagicRound(i));
    EXPECT_EQ(floors, (std::vector<std::pair<int, int>>{{1, 1}, {0, 0}, {0, 0}, {1, 4}}));
}

} // namespace

#include "tests/JC_DataManager/Event/EventFixture.h"

namespace {

using EventManager = EventFixture;

TEST_F(EventManager, RefusesAMissingOrUninitiatedControlManager)
{
    JC_EventManager events;
    EXPECT_EQ(events.Initiation(nullptr), JE_EVENTMANAGER_NULL_CONTROL_MANAGER);
    JC_ControlManager idle;
    EXPECT_EQ(events.Initiation(&idle), JE_EVENTMANAGER_CONTROL_MANAGER_NOT_INITIATED);
    EXPECT_EQ(events.IsInitiated(), 0);
    JC_EventGroupCamp group;
    EXPECT_EQ(group.Initiation(nullptr), JE_EVENTBASE_NULL_CONTROL_MANAGER);
}

TEST_F(EventManager, HoldsOneGroupForEachOfTheFourCamps)
{
    EXPECT_EQ(m_Events.IsInitiated(), 1);
    EXPECT_EQ(m_Events.GetEventGroupCamp(4), nullptr);
    EXPECT_EQ(m_Events.GetEventGroupCamp(-1), nullptr);
    for (int iCamp = 0; iCamp < 4; ++iCamp) {
        ASSERT_NE(m_Events.GetEventGroupCamp(iCamp), nullptr);
        EXPECT_EQ(m_Events.GetEventGroupCamp(iCamp)->GetCamp(), iCamp);
    }
    EXPECT_EQ(JC_EventGroupCamp().GetCamp(), -1);
    EXPECT_FALSE(m_Events.GetPath().empty());
}

TEST_F(EventManager, InitiatingAgainClearsTheEventsButNotTheQueuedPersonLines)
{
    ASSERT_EQ(Camp(0).EventAdd_HaveRoundEvent("a,S,DF_Camp_Player,1"), 0u);
    ASSERT_EQ(Camp(3).EventAdd_HaveRoundEvent("b,S,DF_Camp_Computer,2"), 0u);
    ASSERT_EQ(m_Events.m_EventGroupPersonObj.EventAdd_HPInRange("c,S,0,0,10"), 0u);
    ASSERT_EQ(m_Events.m_EventGroupSceneObj.EventAdd_HaveThing("d,S,0"), 0u);
    ASSERT_EQ(m_Events.m_EventGroupSceneObj.EventAdd_NPCInitiation("e"), 0u);
    ASSERT_EQ(m_Events.Initiation(&m_Controls), 0u);
    EXPECT_TRUE(Camp(0).GetRoundEvents().empty());
    EXPECT_TRUE(Camp(3).GetRoundEvents().empty());
    EXPECT_TRUE(m_Events.m_EventGroupPersonObj.GetHPInRange().IsEmpty());
    EXPECT_TRUE(m_Events.m_EventGroupSceneObj.GetHaveThing().empty());
    EXPECT_EQ(m_Events.m_EventGroupSceneObj.GetNPCInitiation(), (std::vector<std::string>{"e"}));
}

TEST_F(EventManager, PersonSearchesWalkTheFightTeamInPositionOrder)
{
    std::vector<int> teamIDs = {99};
    std::vector<JC_DataComponent*> persons = {nullptr};
    EXPECT_EQ(Camp(0).GetDesignatePersonObjFromTeam(4, 3, teamIDs, persons), 0u);
    EXPECT_TRUE(teamIDs.empty());
    EXPECT_TRUE(persons.empty());

    JC_DataComponent* pPlayer = AddPerson(0, 0);
    AddPerson(2, 3, {{"LifeState", 2}});
    JC_DataComponent* pCharmed = AddPerson(5, 3);
    AddState(pCharmed, "Charmed", "0");
    AddPerson(7, 1, {{"IsSummonRole", 1}, {"LifeState", 2}});

    EXPECT_EQ(Camp(0).GetDesignatePersonObjFromTeam(4, 3, teamIDs, persons), 0u);
    EXPECT_EQ(teamIDs, (std::vector<int>{0, 2, 5, 7}));
    EXPECT_EQ(Camp(0).GetDesignatePersonObjFromTeam(0, 1, teamIDs, persons), 0u);
    EXPECT_EQ(teamIDs, (std::vector<int>{0, 5})) << "the charmed person counts under its effective camp";
    EXPECT_EQ(persons, (std::vector<JC_DataComponent*>{pPlayer, pCharmed}));
    EXPECT_EQ(Camp(0).GetDesignatePersonObjFromTeam(3, 2, teamIDs, persons), 0u);
    EXPECT_EQ(teamIDs, (std::vector<int>{2}));
    EXPECT_EQ(Camp(0).GetDesignatePersonObjFromTeam(4, teamIDs, persons), 0u);
    EXPECT_EQ(teamIDs, (std::vector<int>{7})) << "summoned persons in any life state";
    EXPECT_EQ(Camp(0).GetDesignatePersonObjFromTeam(0, teamIDs, persons), 0u);
    EXPECT_TRUE(teamIDs.empty());
}

TEST(EventDealResult, RecordsCarryTheirKindAndCopyOnlyThePosition)
{
    EXPECT_EQ(JC_EventDealResult().m_EventKind, -1);
    EXPECT_EQ(JC_EventDealResultA("S").m_EventKind, 0);
    EXPECT_EQ(JC_EventDealResultB().m_EventKind, 1);
    EXPECT_EQ(JC_EventDealResultD().m_EventKind, 3);
    EXPECT_EQ(JC_EventDealResultE().m_EventKind, 4);
    JC_EventDealResultTeam head(JE_EVENTKIND_B, 0);
    head = JC_EventDealResultD(9);
    EXPECT_EQ(head.m_EventKind, JE_EVENTKIND_B);
    EXPECT_EQ(head.m_TeamID, 9);
}

} // namespace

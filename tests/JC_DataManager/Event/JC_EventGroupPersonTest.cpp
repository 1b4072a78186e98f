#include "tests/JC_DataManager/Event/EventFixture.h"

namespace {

class EventGroupPerson : public EventFixture
{
protected:
    JC_EventGroupPerson& Group() { return m_Events.m_EventGroupPersonObj; }

    std::vector<std::string> Special(BOOL bConsume = 1)
    {
        std::vector<JC_EventDealResultA> results;
        EXPECT_EQ(Group().Event_SpecialDynamic(results, bConsume), 0u) << m_Log.Text();
        return Scripts(results);
    }
    static std::vector<std::string> Scripts(const std::vector<JC_EventDealResultA>& results)
    {
        std::vector<std::string> scripts;
        for (const JC_EventDealResultA& result : results)
            scripts.push_back(result.m_ScriptName);
        return scripts;
    }
};

TEST_F(EventGroupPerson, AddRefusesEmptyTextsAndWrongFieldCounts)
{
    JC_EventGroupPerson& g = Group();
    const struct
    {
        DWORD (JC_EventGroupPerson::*pfnAdd)(const std::string&);
        const char* szText;
        DWORD dwResult;
    } cases[] = {
        {&JC_EventGroupPerson::EventAdd_FloorEvent, "", JE_EVENTPERSON_EMPTY_FLOOR_EVENT},
        {&JC_EventGroupPerson::EventAdd_FloorEvent, "a,S,0,1", JE_EVENTPERSON_FLOOR_EVENT_FIELDS},
        {&JC_EventGroupPerson::EventAdd_FloorEvent, "a,S,0,1,2", 0},
        {&JC_EventGroupPerson::EventAdd_WhoAttackWho, "", JE_EVENTPERSON_EMPTY_WHO_ATTACK_WHO},
        {&JC_EventGroupPerson::EventAdd_WhoAttackWho, "a,S,0,1,2", JE_EVENTPERSON_WHO_ATTACK_WHO_FIELDS},
        {&JC_EventGroupPerson::EventAdd_HavePerson, "", JE_EVENTPERSON_EMPTY_HAVE_PERSON},
        {&JC_EventGroupPerson::EventAdd_HavePerson, "a,S", JE_EVENTPERSON_HAVE_PERSON_FIELDS},
        {&JC_EventGroupPerson::EventAdd_HPInRange, "", JE_EVENTPERSON_EMPTY_HP_IN_RANGE},
        {&JC_EventGroupPerson::EventAdd_HPInRange, "a,S,0,30", JE_EVENTPERSON_HP_IN_RANGE_FIELDS},
        {&JC_EventGroupPerson::EventAdd_HPInRange, "a,S,0,30,", 0},
        {&JC_EventGroupPerson::EventAdd_IsDie, "", JE_EVENTPERSON_EMPTY_IS_DIE},
        {&JC_EventGroupPerson::EventAdd_IsDie, "a,S,0,", JE_EVENTPERSON_IS_DIE_FIELDS},
        {&JC_EventGroupPerson::EventAdd_IsAllDie, "", JE_EVENTPERSON_EMPTY_IS_ALL_DIE},
        {&JC_EventGroupPerson::EventAdd_IsAllDie, ",", JE_EVENTPERSON_IS_ALL_DIE_FIELDS},
    };
    for (const auto& c : cases)
        EXPECT_EQ((g.*c.pfnAdd)(c.szText), c.dwResult) << c.szText;
    EXPECT_EQ(g.GetHPInRange().GetConditions(), (std::vector<std::string>{"a,S,0,30,"}));
}

TEST_F(EventGroupPerson, FloorEventFiresForThePersonOnItsCell)
{
    std::vector<JC_EventDealResultA> results;
    EXPECT_EQ(Group().Event_StayDynamic(4, results, 1), 0u) << "no condition, no lookup";
    ASSERT_EQ(m_Controls.m_ControlSceneObj.BuildFloors(4, 2), 0u);
    AddPerson(0, 0, {{"SceneFloorIndex", 5}});
    ASSERT_EQ(Group().EventAdd_FloorEvent("Gate,Wrong,0,1,0"), 0u);
    ASSERT_EQ(Group().EventAdd_FloorEvent("Gate,GateScript,0,1,1"), 0u);
    ASSERT_EQ(Group().EventAdd_FloorEvent("Gate,Again,0,1,1"), 0u);
    ASSERT_EQ(Group().EventAdd_FloorEvent("Keep,KeepScript,0,1,1"), 0u);

    EXPECT_EQ(Group().Event_StayDynamic(4, results, 1), JE_CONTROLTEAM_GET_EMPTY);
    EXPECT_TRUE(results.empty());
    EXPECT_TRUE(m_Log.Text().find(" MustGetPersonFromFightTeam ButEmpty . ") != std::string::npos);

    ASSERT_EQ(Group().Event_StayDynamic(0, results, 0), 0u);
    EXPECT_EQ(Scripts(results), (std::vector<std::string>{"GateScript"})) << "not consumed";
    ASSERT_EQ(Group().Event_StayDynamic(0, results, 1), 0u);
    EXPECT_EQ(Scripts(results), (std::vector<std::string>{"GateScript"}));
    ASSERT_EQ(Group().Event_StayDynamic(0, results, 1), 0u);
    EXPECT_EQ(Scripts(results), (std::vector<std::string>{"KeepScript"})) << "every Gate went with the first";
}

TEST_F(EventGroupPerson, WhoAttackWhoAndHavePersonMatchTheirNumbers)
{
    ASSERT_EQ(Group().EventAdd_WhoAttackWho("Duel,DuelScript,2,7"), 0u);
    std::vector<JC_EventDealResultA> results;
    ASSERT_EQ(Group().Event_AttackStartDynamic(7, 2, results, 1), 0u);
    EXPECT_TRUE(results.empty());
    ASSERT_EQ(Group().Event_AttackStartDynamic(2, 7, results, 1), 0u);
    EXPECT_EQ(Scripts(results), (std::vector<std::string>{"DuelScript"}));

    ASSERT_EQ(m_Controls.m_ControlTeamObj.EmptyTeam(TeamID::TEAMID_OUR), 0u);
    ASSERT_EQ(Group().EventAdd_HavePerson("Join,JoinScript,42"), 0u);
    ASSERT_EQ(Group().Event_AttackEndDynamic(results, 1), 0u);
    EXPECT_TRUE(results.empty());
    JC_DataComponent person;
    ASSERT_EQ(person.CreateByTemplateID(m_DataManager.GetTemplateManager()->GetTemplateList(), DATACOMPONENTKIND_PERSON),
              0u);
    const DWORD dwID = 42;
    ASSERT_EQ(person.SetItemValueAt("ID", 0, &dwID), 0u);
    Set(&person, "JobID", 1);
    ASSERT_EQ(m_Controls.m_ControlTeamObj.AddPersonToTeam(TeamID::TEAMID_OUR, 3, &person), 0u) << m_Log.Text();
    ASSERT_EQ(Group().Event_AttackEndDynamic(results, 1), 0u);
    EXPECT_EQ(Scripts(results), (std::vector<std::string>{"JoinScript"}));
}

TEST_F(EventGroupPerson, HPInRangeBoundsAreInclusiveAndEmptyPositionsWait)
{
    AddPerson(0, 0, {{"MaxHP", 100}, {"HP", 30}});
    AddPerson(1, 0, {{"MaxHP", 300}, {"HP", 1}});
    AddPerson(2, 0, {{"MaxHP", 0}, {"HP", 0}});
    ASSERT_EQ(Group().EventAdd_HPInRange("Nobody,NobodyScript,9,0,100"), 0u);
    ASSERT_EQ(Group().EventAdd_HPInRange("NoMax,NoMaxScript,2,0,100"), 0u);
    ASSERT_EQ(Group().EventAdd_HPInRange("Low,LowScript,0,0,30"), 0u);
    ASSERT_EQ(Group().EventAdd_HPInRange("Mid,MidScript,0,30,50"), 0u);
    ASSERT_EQ(Group().EventAdd_HPInRange("Zero,ZeroScript,1,0,0"), 0u);
    EXPECT_EQ(Special(), (std::vector<std::string>{"LowScript"}));
    EXPECT_EQ(Special(), (std::vector<std::string>{"MidScript"}));
    EXPECT_EQ(Special(), (std::vector<std::string>{"ZeroScript"})) << "HP 1 of 300 is 0 percent";
    EXPECT_TRUE(Special().empty());
    EXPECT_EQ(Group().GetHPInRange().GetConditions().size(), 2u);
}

TEST_F(EventGroupPerson, DeathsAndWipedOutCampsFireOneAtATime)
{
    AddPerson(0, 3, {{"LifeState", 2}});
    JC_DataComponent* pCharmed = AddPerson(1, 3);
    AddState(pCharmed, "Charmed", "0");
    AddPerson(2, 0);
    ASSERT_EQ(Group().EventAdd_IsAllDie("Won,WonScript,DF_Camp_Computer"), 0u);
    ASSERT_EQ(Group().EventAdd_IsAllDie("Lost,LostScript,DF_Camp_Player"), 0u);
    ASSERT_EQ(Group().EventAdd_IsDie("Boss,BossScript,0"), 0u);
    ASSERT_EQ(Group().EventAdd_IsDie("Gone,GoneScript,6"), 0u);
    EXPECT_EQ(Group().EventCls_IsDie("Nobody"), 0u);

    EXPECT_EQ(Special(), (std::vector<std::string>{"BossScript"}));
    EXPECT_EQ(Special(), (std::vector<std::string>{"GoneScript"})) << "an empty position counts as dead";
    EXPECT_EQ(Special(), (std::vector<std::string>{"WonScript"})) << "the charmed Computer person fights for the Player";
    EXPECT_TRUE(Special().empty());

    AddState(AddPerson(4, 0), "Charmed", "3");
    ASSERT_EQ(Group().EventAdd_IsAllDie("Won,WonScript,DF_Camp_Computer"), 0u);
    EXPECT_TRUE(Special().empty()) << "a Player-camp person charmed to the Computer keeps it alive";
    ASSERT_EQ(m_Controls.m_ControlTeamObj.DelPersonFromTeam(TeamID::TEAMID_FIGHT, 2), 0u);
    EXPECT_TRUE(Special().empty()) << "the charmed Computer-camp person keeps the Player alive";
}

TEST_F(EventGroupPerson, RestTurnsRAPIntoHPAndSP)
{
    AddPerson(0, 0, {{"MaxHP", 250}, {"HP", 10}, {"MaxSP", 50}, {"SP", 49}, {"MaxRAP", 5}, {"RAP", 3}});
    JC_DataComponent* pFrozen = AddPerson(1, 0, {{"MaxHP", 100}, {"HP", 10}, {"MaxRAP", 5}, {"RAP", 3}});
    AddState(pFrozen, "Freeze");
    std::vector<JC_EventDealResultB> results;
    ASSERT_EQ(Group().Event_StayStatic2(0, results), 0u);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].m_TeamID, 0);
    EXPECT_EQ(results[0].m_HPChange, 9);
    EXPECT_EQ(results[0].m_HPRealChange, 9);
    EXPECT_EQ(results[0].m_SPChange, 3);
    EXPECT_EQ(results[0].m_SPRealChange, 1);
    EXPECT_EQ(results[0].m_IsHPChange + results[0].m_IsSPChange, 2);

    ASSERT_EQ(Group().Event_StayStatic2(1, results), 0u);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].m_HPChange, 0);
    EXPECT_EQ(Get(pFrozen, "RAP"), 0);
    EXPECT_EQ(Group().Event_StayStatic2(9, results), JE_CONTROLTEAM_GET_EMPTY);
    EXPECT_TRUE(results.empty());
}

} // namespace

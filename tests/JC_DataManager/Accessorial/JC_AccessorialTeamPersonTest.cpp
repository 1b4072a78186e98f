#include "JC_DataManager/Accessorial/JC_AccessorialTeamPerson.h"

#include "tests/JC_DataManager/Control/TeamFixture.h"

namespace {

class AccessorialTeamPerson : public TeamFixture
{
protected:
    AccessorialTeamPerson()
    {
        LoadTeams();
        EXPECT_EQ(m_Team.Initiation(&m_DataManager, &m_Analyser), 0u);
        EXPECT_EQ(m_TeamPerson.Initiation(&m_Team), 0u) << LogText();
    }

    // A person of the fixed table at the position, with a level and a life
    // state of its own.
    void Stand(TeamID teamID, int iTeamIndex, DWORD dwPersonID, int iLevel, int iLifeState = 1, int iSummon = 0)
    {
        JC_DataComponent* pPerson = nullptr;
        ASSERT_EQ(m_Team.AddPersonToTeam(teamID, iTeamIndex, m_DataManager.GetPersonObj(dwPersonID), &pPerson), 0u);
        pPerson->SetItemValue("Level", &iLevel);
        pPerson->SetItemValue("LifeState", &iLifeState);
        pPerson->SetItemValue("IsSummonRole", &iSummon);
    }

    JC_ControlTeam m_Team;
    JC_AccessorialTeamPerson m_TeamPerson;
};

} // namespace

TEST_F(AccessorialTeamPerson, EmptyTeamsGiveEmptyListsAndLevelZero)
{
    std::vector<int> positions = {7};
    std::vector<JC_DataComponent*> persons = {nullptr};
    EXPECT_EQ(m_TeamPerson.FindFightPersons(4, 3, positions, persons), 0u);
    EXPECT_TRUE(positions.empty());
    EXPECT_TRUE(persons.empty());
    EXPECT_EQ(m_TeamPerson.GetFightMaxLevel(), 0);
    EXPECT_EQ(m_TeamPerson.GetOurMaxLevel(), 0);
    EXPECT_EQ(m_TeamPerson.GetFightAverageLevelExcept(0), 0);
    EXPECT_EQ(m_TeamPerson.GetFightLevelAt(3), 0);

    JC_AccessorialTeamPerson alone;
    EXPECT_EQ(alone.Initiation(nullptr), JE_TEAMPERSON_NULL_TEAM_CONTROL);
    JC_ControlTeam idle;
    EXPECT_EQ(alone.Initiation(&idle), JE_TEAMPERSON_TEAM_CONTROL_NOT_INITIATED);
    EXPECT_EQ(alone.GetFightMaxLevel(), 0);
}

TEST_F(AccessorialTeamPerson, SearchesSeeEveryPositionLevelsOnlyTheFirst298)
{
    const TeamID fight = TeamID::TEAMID_FIGHT;
    Stand(fight, 0, 1, 4);
    Stand(fight, 3, 2, 10, 2);
    Stand(fight, 297, 1, 7, 1, 1);
    Stand(fight, 500, 2, 60);
    Stand(TeamID::TEAMID_OUR, 1, 1, 33);

    std::vector<int> positions;
    std::vector<JC_DataComponent*> persons;
    const struct
    {
        int iCamp;
        int iLifeState;
        std::vector<int> positions;
    } cases[] = {
        {4, 3, {0, 3, 297, 500}}, {0, 3, {0, 297}}, {3, 3, {3, 500}}, {4, 2, {3}}, {3, 1, {500}}, {1, 3, {}},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(m_TeamPerson.FindFightPersons(c.iCamp, c.iLifeState, positions, persons), 0u);
        EXPECT_EQ(positions, c.positions) << c.iCamp << "," << c.iLifeState;
        ASSERT_EQ(persons.size(), positions.size());
    }
    JC_DataComponent* pAt500 = nullptr;
    ASSERT_EQ(m_Team.GetPersonFromTeam(fight, 500, pAt500), 0u);
    ASSERT_EQ(m_TeamPerson.FindFightPersons(4, 3, positions, persons), 0u);
    EXPECT_EQ(persons.back(), pAt500);
    ASSERT_EQ(m_TeamPerson.FindFightSummonPersons(4, positions, persons), 0u);
    EXPECT_EQ(positions, std::vector<int>{297});
    ASSERT_EQ(m_TeamPerson.FindFightSummonPersons(3, positions, persons), 0u);
    EXPECT_TRUE(positions.empty());

    EXPECT_EQ(m_TeamPerson.GetFightMaxLevel(), 10);
    EXPECT_EQ(m_TeamPerson.GetFightAverageLevelExcept(3), (4 + 7) / 2);
    EXPECT_EQ(m_TeamPerson.GetFightAverageLevelExcept(-1), (4 + 10 + 7) / 3);
    EXPECT_EQ(m_TeamPerson.GetFightLevelAt(500), 60);
    EXPECT_EQ(m_TeamPerson.GetOurMaxLevel(), 33);

    // Nobody but the skipped person: no count to divide by.
    ASSERT_EQ(m_Team.EmptyTeam(fight), 0u);
    Stand(fight, 3, 2, 10);
    EXPECT_EQ(m_TeamPerson.GetFightAverageLevelExcept(3), 0);
}

#include "JC_DataManager/Control/JC_ControlTeam.h"

#include "TemplateSystem/JC_DataArrayManager.h"
#include "tests/JC_DataManager/Control/TeamFixture.h"

namespace {

constexpr TeamID OUR = TeamID::TEAMID_OUR;
constexpr TeamID FIGHT = TeamID::TEAMID_FIGHT;

class ControlTeam : public TeamFixture
{
protected:
    ControlTeam()
    {
        LoadTeams();
        EXPECT_EQ(m_Team.Initiation(&m_DataManager, &m_Analyser), 0u);
    }

    static int Field(JC_DataComponent* pPerson, const char* szName)
    {
        int iValue = -999;
        if (pPerson != nullptr)
            pPerson->GetItemValue(szName, &iValue);
        return iValue;
    }
    // The positions of the team, -1 for an empty one.
    std::vector<int> Levels(TeamID teamID)
    {
        const auto* pTeam = static_cast<const JC_DataArrayManager*>(
            m_DataManager.GetUnfixedDataObj(static_cast<DWORD>(m_Team.TransformTeamIDToUnfixedDataKind(teamID))));
        std::vector<int> levels;
        for (DWORD i = 0; i < pTeam->GetComponentCount(); ++i) {
            JC_DataComponent* pPerson = nullptr;
            levels.push_back(m_Team.GetPersonFromTeam(teamID, static_cast<int>(i), pPerson) == 0
                                 ? Field(pPerson, "Level") : -1);
        }
        return levels;
    }
    void Add(TeamID teamID, int iTeamIndex, DWORD dwPersonID = 1)
    {
        ASSERT_EQ(m_Team.AddPersonToTeamFromFixedData(teamID, iTeamIndex, dwPersonID), 0u) << LogText();
    }

    JC_ControlTeam m_Team;
};

} // namespace

TEST_F(ControlTeam, PositionsUpTo1023HoldPersonsThatKnowTheirPlace)
{
    JC_DataComponent* pPerson = reinterpret_cast<JC_DataComponent*>(1);
    ASSERT_EQ(m_Team.AddPersonToTeam(OUR, 1023, m_DataManager.GetPersonObj(2), &pPerson), 0u);
    EXPECT_EQ(Field(pPerson, "TeamID"), 1023);
    EXPECT_EQ(Field(pPerson, "Level"), 9);
    EXPECT_EQ(m_Team.AddPersonToTeam(OUR, 1024, m_DataManager.GetPersonObj(2), &pPerson), JE_CONTROLTEAM_ADD_BAD_INDEX);
    EXPECT_EQ(pPerson, nullptr);
    EXPECT_EQ(m_Team.AddPersonToTeam(OUR, -1, m_DataManager.GetPersonObj(2)), JE_CONTROLTEAM_ADD_BAD_INDEX);
    EXPECT_EQ(m_Team.AddPersonToTeam(static_cast<TeamID>(4), 0, m_DataManager.GetPersonObj(2)),
              JE_CONTROLTEAM_ADD_BAD_TEAM);
    EXPECT_TRUE(Logged("轉換隊伍代碼發生錯誤 查無轉換目標(UnfixedDataKind)\nTeam:0X4(4) \n錯誤檔案:"));
    EXPECT_EQ(m_Team.AddPersonToTeamFromFixedData(FIGHT, 0, 77), JE_CONTROLTEAM_NO_FIXED_PERSON);
    EXPECT_TRUE(Logged("無法將指定的靜態人物取出 加入隊伍中 \nPersonID:0X4d(77) \n"));

    Add(FIGHT, 700);
    const std::vector<int> levels = Levels(FIGHT);
    ASSERT_EQ(levels.size(), 701u);
    EXPECT_EQ(std::count(levels.begin(), levels.end(), -1), 700);
    EXPECT_EQ(levels[700], 5);
}

TEST_F(ControlTeam, DelLeavesAGapThatCutCloses)
{
    Add(OUR, 0, 1);
    Add(OUR, 1, 2);
    Add(OUR, 2, 1);
    ASSERT_EQ(m_Team.DelPersonFromTeam(OUR, 1), 0u);
    EXPECT_EQ(Levels(OUR), (std::vector<int>{5, -1, 5}));
    EXPECT_EQ(m_Team.FindEmptyTeamIndex(OUR, 0, 1023), 1);
    JC_DataComponent* pPerson = nullptr;
    ASSERT_EQ(m_Team.GetPersonFromTeam(OUR, 2, pPerson), 0u);
    EXPECT_EQ(Field(pPerson, "TeamID"), 2);
    EXPECT_EQ(m_Team.GetPersonFromTeam(OUR, 1, pPerson), JE_CONTROLTEAM_GET_EMPTY);
    EXPECT_NE(m_Team.DelPersonFromTeam(OUR, 1), 0u);

    // Cut takes the element out, so the gap's neighbours close up.
    Add(OUR, 1, 2);
    auto pCopy = NewRecord(0x160001);
    ASSERT_EQ(m_Team.CutPersonFromTeam(OUR, 1, pCopy.get()), 0u);
    EXPECT_EQ(Field(pCopy.get(), "Level"), 9);
    EXPECT_EQ(Levels(OUR), (std::vector<int>{5, 5}));

    ASSERT_EQ(m_Team.EmptyTeam(OUR), 0u);
    EXPECT_TRUE(Levels(OUR).empty());
    EXPECT_EQ(m_Team.EmptyTeam(static_cast<TeamID>(0)), JE_CONTROLTEAM_EMPTY_BAD_TEAM);
    EXPECT_EQ(m_Team.CutPersonFromTeam(static_cast<TeamID>(0), 0, nullptr), JE_CONTROLTEAM_CUT_BAD_TEAM);
    EXPECT_EQ(m_Team.DelPersonFromTeam(static_cast<TeamID>(9), 0), JE_CONTROLTEAM_DEL_BAD_TEAM);
}

TEST_F(ControlTeam, MoveCopiesAndNeverCreatesFromAnEmptyPosition)
{
    EXPECT_NE(m_Team.MovePersonFromTeamToTeam(OUR, 3, FIGHT, 3), 0u);
    EXPECT_TRUE(Levels(FIGHT).empty());
    EXPECT_EQ(m_Team.MovePersonFromTeamToTeam(static_cast<TeamID>(0), 3, FIGHT, 3),
              JE_CONTROLTEAM_MOVE_BAD_SOURCE_TEAM);
    EXPECT_EQ(m_Team.MovePersonFromTeamToTeam(OUR, 3, static_cast<TeamID>(0), 3),
              JE_CONTROLTEAM_MOVE_BAD_TARGET_TEAM);

    Add(OUR, 3, 2);
    Add(FIGHT, 4, 1);
    ASSERT_EQ(m_Team.MovePersonFromTeamToTeam(OUR, 3, FIGHT, 4), 0u);
    JC_DataComponent* pPerson = nullptr;
    ASSERT_EQ(m_Team.GetPersonFromTeam(FIGHT, 4, pPerson), 0u);
    EXPECT_EQ(Field(pPerson, "Level"), 9);
    EXPECT_EQ(Field(pPerson, "TeamID"), 4);
    EXPECT_EQ(Levels(OUR).back(), 9);
}

TEST_F(ControlTeam, CatchIntoAFullBandFailsAndLeavesTheCaughtPerson)
{
    Add(FIGHT, 7, 2);
    ASSERT_EQ(m_Team.Catch(7), 0u);
    JC_DataComponent* pPerson = nullptr;
    ASSERT_EQ(m_Team.GetPersonFromTeam(OUR, 501, pPerson), 0u);
    EXPECT_EQ(Field(pPerson, "TeamID"), 501);
    for (int i = 502; i <= 1023; ++i)
        Add(OUR, i);
    EXPECT_EQ(m_Team.Catch(7), JE_CONTROLTEAM_FIND_NONE_EMPTY);
    EXPECT_EQ(m_Team.GetPersonFromTeam(FIGHT, 7, pPerson), 0u);
    EXPECT_EQ(m_Team.Catch(8), JE_CONTROLTEAM_GET_EMPTY);
    EXPECT_EQ(m_Team.FindEmptyTeamIndex(static_cast<TeamID>(5), 0, 1), static_cast<int>(JE_CONTROLTEAM_FIND_BAD_TEAM));
    EXPECT_TRUE(Logged("操作的隊伍代碼 不支援 \nOperatorTeam:0x00000005 \n"));

    int iTeamIndex = 0;
    ASSERT_EQ(m_Team.AddFightPersonFromFixedData(2, iTeamIndex, pPerson), 0u);
    EXPECT_EQ(iTeamIndex, 501);
    EXPECT_EQ(Field(pPerson, "TeamID"), 501);
    EXPECT_EQ(m_Team.AddFightPersonFromFixedData(99, iTeamIndex, pPerson), JE_CONTROLTEAM_FIGHT_NO_FIXED_PERSON);
    EXPECT_EQ(iTeamIndex, -1);
}

TEST_F(ControlTeam, WalksWrapAroundOverOnePersonAndFailOverNone)
{
    struct Case
    {
        bool bForward;
        int iStart;
        DWORD dwResult;
        int iEnd;
    };
    JC_DataComponent* pPerson = nullptr;
    int iTeamIndex = -1;
    EXPECT_EQ(m_Team.GetNextPersonFromTeam(OUR, iTeamIndex, pPerson), JE_CONTROLTEAM_NEXT_NOBODY);
    iTeamIndex = 0;
    EXPECT_EQ(m_Team.GetPrevPersonFromTeam(OUR, iTeamIndex, pPerson), JE_CONTROLTEAM_PREV_NOBODY);

    Add(OUR, 5);
    Add(OUR, 600);
    const Case cases[] = {
        {true, 5, 0, 5},   {false, 5, 0, 5},   {true, -1, 0, 5},  {true, 298, 0, 5},
        {false, 0, 0, 5},  {true, -3, JE_CONTROLTEAM_NEXT_BAD_START, -2},
        {false, 400, JE_CONTROLTEAM_PREV_BAD_START, 399},
    };
    for (const Case& c : cases) {
        iTeamIndex = c.iStart;
        const DWORD dwResult = c.bForward ? m_Team.GetNextPersonFromTeam(OUR, iTeamIndex, pPerson)
                                          : m_Team.GetPrevPersonFromTeam(OUR, iTeamIndex, pPerson);
        EXPECT_EQ(dwResult, c.dwResult) << c.bForward << " " << c.iStart;
        EXPECT_EQ(iTeamIndex, c.iEnd) << c.bForward << " " << c.iStart;
        EXPECT_EQ(pPerson != nullptr, c.dwResult == 0);
    }
    iTeamIndex = 0;
    EXPECT_EQ(m_Team.GetNextPersonFromTeam(static_cast<TeamID>(0), iTeamIndex, pPerson), JE_CONTROLTEAM_NEXT_BAD_TEAM);
    EXPECT_EQ(m_Team.GetPrevPersonFromTeam(static_cast<TeamID>(0), iTeamIndex, pPerson), JE_CONTROLTEAM_PREV_BAD_TEAM);
}

TEST_F(ControlTeam, PetWalkAndTransformPet)
{
    int iTeamIndex = -1;
    JC_DataComponent* pPerson = nullptr;
    EXPECT_EQ(m_Team.GetNextPetFromTeamOur(iTeamIndex, pPerson), 0u);
    EXPECT_EQ(iTeamIndex, -1);

    // Pets at 200..297 leave one free pet position, 298, for three newcomers.
    for (int i = 200; i <= 297; ++i)
        Add(OUR, i);
    Add(OUR, 510, 2);
    Add(OUR, 501, 2);
    Add(OUR, 900, 1);
    ASSERT_EQ(m_Team.TransformPet(), 0u);
    ASSERT_EQ(m_Team.GetPersonFromTeam(OUR, 298, pPerson), 0u);
    EXPECT_EQ(Field(pPerson, "TeamID"), 298);
    EXPECT_EQ(m_Team.GetPersonFromTeam(OUR, 501, pPerson), JE_CONTROLTEAM_GET_EMPTY);
    EXPECT_EQ(m_Team.GetPersonFromTeam(OUR, 510, pPerson), 0u);
    EXPECT_EQ(m_Team.GetPersonFromTeam(OUR, 900, pPerson), 0u);

    iTeamIndex = 296;
    EXPECT_EQ(m_Team.GetNextPetFromTeamOur(iTeamIndex, pPerson), 0u);
    EXPECT_EQ(iTeamIndex, 297);
    EXPECT_EQ(m_Team.GetNextPetFromTeamOur(iTeamIndex, pPerson), 0u);
    EXPECT_EQ(iTeamIndex, 298);
    EXPECT_EQ(m_Team.GetNextPetFromTeamOur(iTeamIndex, pPerson), 0u);
    EXPECT_EQ(iTeamIndex, -1);
    EXPECT_EQ(pPerson, nullptr);
    iTeamIndex = 5;
    EXPECT_EQ(m_Team.GetNextPetFromTeamOur(iTeamIndex, pPerson), JE_CONTROLTEAM_PET_BAD_START);
}

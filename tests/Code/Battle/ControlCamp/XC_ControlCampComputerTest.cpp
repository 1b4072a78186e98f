#include "Code/Battle/ControlCamp/XC_ControlCampComputer.h"

#include "tests/Code/Battle/ControlCamp/CampFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr DWORD HERO = 1;
constexpr DWORD GOBLIN = 11;

// A computer camp on a row of cells: the goblin at team index 300 acts, the
// heroes from team index 0 are its enemies.
class ControlCampComputerTest : public CampFixture
{
protected:
    void SetUp() override
    {
        CampFixture::SetUp();
        std::srand(1);
        g_pGameAI->lRandomScore = 0;
        g_pGameTime->fPersonActionBegin2 = 0.0f;
        g_pGameTime->fPersonActionInterval2 = 0.0f;
        g_pGameTime->fPersonActionEnd2 = 0.0f;
        g_pGameTime->fPersonActionEnd = 0.0f;
    }

    static void Set(JC_DataComponent* pRecord, const std::string& strName, int iValue)
    {
        ASSERT_EQ(pRecord->SetItemValueAt(strName, 0, &iValue), 0u) << strName;
    }

    // The goblin on its cell, near death or not, and heroes on theirs.
    JC_DataComponent* Goblin(int iFloor, int iAIMove, bool bNearDeath)
    {
        JC_DataComponent* const pRecord = AddFightPerson(300, GOBLIN, iFloor);
        Set(pRecord, "AIMove", iAIMove);
        Set(pRecord, "HP", bNearDeath ? 10 : 70);
        return pRecord;
    }

    void Heroes(std::initializer_list<int> floors)
    {
        int iTeamIndex = 0;
        for (const int iFloor : floors)
            AddFightPerson(iTeamIndex++, HERO, iFloor);
    }

    // One action of the goblin: chosen, then its AI once.
    void ActOnce()
    {
        ASSERT_EQ(m_Camp->Init(XE_CAMP_COMPUTER), S_OK);
        m_Camp->SelectActionPerson();
        ASSERT_EQ(m_Camp->GetState(), XC_ControlCampComputer::STATE_ACT);
        m_Camp->DecideAI();
    }

    // Frames of the whole turn, the works played between them; the frames taken.
    int PlayTurn(int iFrames)
    {
        m_Camp->Init(XE_CAMP_COMPUTER);
        int iFrame = 0;
        while (iFrame < iFrames && !m_Camp->IsCampFinish()) {
            m_Camp->FrameMove(0.05f);
            RunWorks(0.05f);
            ++iFrame;
        }
        return iFrame;
    }

    // Everything off the field for the next case of a table.
    void Reset()
    {
        m_Camp.reset(new XC_ControlCampComputer);
        ClearField();
        m_strTrace.clear();
    }

    bool Traced(const std::string& strPart) const { return m_strTrace.find(strPart) != std::string::npos; }

    LONG GoblinFloor() { return static_cast<LONG>(m_Persons.GetPersonFromTeamIndex(300)->GetFloorIndex()); }

    std::unique_ptr<XC_ControlCampComputer> m_Camp{new XC_ControlCampComputer};
};

} // namespace

TEST_F(ControlCampComputerTest, EmptyCampEndsAtOnce)
{
    LayPlainFloor(4, 1);
    Heroes({0});
    Start();
    EXPECT_LT(PlayTurn(10), 10);
    EXPECT_FALSE(Traced("開始行動(AI)"));
}

TEST_F(ControlCampComputerTest, APersonThatCanOnlyRestEndsTheTurn)
{
    LayPlainFloor(12, 1);
    Goblin(0, 0, false);
    Heroes({11});
    Start();
    EXPECT_LT(PlayTurn(200), 200);
    EXPECT_TRUE(Traced("開始行動(AI)")) << m_strTrace;
    EXPECT_TRUE(Traced("\tRest       end \n\tRap = 0\n")) << m_strTrace;
}

TEST_F(ControlCampComputerTest, AiTypesOtherThanNormalEndThePerson)
{
    struct Case
    {
        int iAIType;
        const char* szReport;
    };
    for (const Case& c : {Case{1, "DecideAI_AttackTarget"}, Case{2, "DecideAI_MoveToPosition"}, Case{7, "hr"}}) {
        SCOPED_TRACE(c.iAIType);
        LayPlainFloor(6, 1);
        JC_DataComponent* const pRecord = Goblin(0, 4, false);
        Set(pRecord, "AIType", c.iAIType);
        Heroes({5});
        Start();
        ErrorLogCapture errors;
        ActOnce();
        EXPECT_EQ(m_Camp->GetState(), XC_ControlCampComputer::STATE_CHOOSE);
        EXPECT_TRUE(errors.Contains(c.szReport)) << errors.Text();
        // The next choice finds nobody after it: the turn ends.
        m_Camp->SelectActionPerson();
        EXPECT_EQ(m_Camp->GetCampPhase(), XC_ControlCampBase::PHASE_END);
        Reset();
    }
}

TEST_F(ControlCampComputerTest, NearDeathAtTheLimitAndWithoutMaximum)
{
    struct Case
    {
        int iHP;
        int iMaxHP;
        bool bNearDeath;
    };
    // AIHP is 30: 21 of 70 is exactly 30 %.
    for (const Case& c : {Case{21, 70, true}, Case{22, 70, false}, Case{0, 0, false}, Case{5, 0, false}}) {
        SCOPED_TRACE(c.iHP);
        LayPlainFloor(12, 1);
        JC_DataComponent* const pRecord = Goblin(0, 0, false);
        Set(pRecord, "MaxHP", c.iMaxHP);
        Set(pRecord, "HP", c.iHP);
        Heroes({11});
        Start();
        ActOnce();
        EXPECT_EQ(Traced("瀕死狀態啟動"), c.bNearDeath) << m_strTrace;
        // Near death the far enemy lets the flight step rest.
        EXPECT_TRUE(Traced(c.bNearDeath ? "\tVergeDeath end \n" : "\tRest       end \n")) << m_strTrace;
        Reset();
    }
}

TEST_F(ControlCampComputerTest, FlightByDistanceAndRap)
{
    struct Case
    {
        const char* szName;
        int iWidth;
        int iGoblin;
        int iHero;
        int iRAP;
        const char* szTrace;
        int iFloorAfter;
    };
    const Case cases[] = {
        {"9 cells away rests", 12, 0, 9, 10, "\t與敵人相距 9 格 , 在8格外不用逃跑 , 執行待機 \n", 0},
        {"8 cells with RAP 1 goes on", 12, 0, 8, 1, "\tRAP 1 < 2 無法逃跑 ", 0},
        {"3 cells at best gives up", 4, 1, 0, 10, "\t只能到到與敵人相距3格,不足4格,放棄逃跑 \n", -1},
        {"4 cells flees", 5, 1, 0, 10, "\t逃往地板4 ( 4 , 0 ) 位置 , 與敵人距離4格 \n", 4},
        {"own cell best rests", 5, 4, 0, 10, "\t無法移動,或找不到比目前更好的位置,但還在4格外,執行待機\n", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        LayPlainFloor(static_cast<DWORD>(c.iWidth), 1);
        JC_DataComponent* const pRecord = Goblin(c.iGoblin, 0, true);
        Set(pRecord, "RAP", c.iRAP);
        Heroes({c.iHero});
        Start();
        ActOnce();
        EXPECT_TRUE(Traced(c.szTrace)) << m_strTrace;
        if (c.iFloorAfter >= 0) {
            EXPECT_EQ(GoblinFloor(), c.iFloorAfter);
        }
        Reset();
    }
}

TEST_F(ControlCampComputerTest, MovesByAIMove)
{
    struct Case
    {
        int iAIMove;
        const char* szTrace;
        int iFloorAfter;
        int iRAPAfter;
    };
    // The hero stands out of reach: the goblin moves four cells towards it
    // (the hero's own cell is taken) or rests.
    const Case cases[] = {
        {0, "\tRest       end \n", 0, 0},
        {1, "\tRest       end \n", 0, 0},
        {3, "\tMoveToEnemy        \n", 4, 8},
        {4, "\t無法到達目標 獲該位置上有人 尋找新目標地板\n", 4, 8},
        {5, "MoveToLeastHPEnemy , TargetPersonIndex 0\n", 4, 8},
        {6, "\tRest       end \n", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.iAIMove);
        LayPlainFloor(16, 1);
        Goblin(0, c.iAIMove, false);
        Heroes({15});
        Start();
        ActOnce();
        EXPECT_TRUE(Traced(c.szTrace)) << m_strTrace;
        EXPECT_EQ(GoblinFloor(), c.iFloorAfter);
        EXPECT_EQ(Power(300)->GetRAP(), c.iRAPAfter);
        Reset();
    }
}

TEST_F(ControlCampComputerTest, PersonWithOneRapNeverMoves)
{
    LayPlainFloor(16, 1);
    JC_DataComponent* const pRecord = Goblin(0, 4, false);
    Set(pRecord, "RAP", 1);
    Heroes({15});
    Start();
    ActOnce();
    EXPECT_EQ(GoblinFloor(), 0);
    EXPECT_TRUE(Traced("\tRest       end \n")) << m_strTrace;
}

TEST_F(ControlCampComputerTest, OwnCellAsMoveTargetFails)
{
    LayPlainFloor(16, 1);
    Goblin(3, 0, false);
    Heroes({15});
    Start();
    ActOnce();
    BOOL bActioned = TRUE;
    EXPECT_EQ(m_Camp->NormalAI_MoveToFloor(bActioned, 3), S_OK);
    EXPECT_FALSE(bActioned);
    EXPECT_TRUE(Traced("\t目前位置地板3 ( 3 , 0 ) = 目標地板3 ( 3 , 0 ) , 移動失敗\n")) << m_strTrace;
}

TEST_F(ControlCampComputerTest, AIFieldsOutOfRangeAndSkillsWithoutTargetsStillEndTheTurn)
{
    struct Case
    {
        const char* szField;
        int iValue;
    };
    const Case cases[] = {
        {"AIType", -1}, {"AIType", 2147483647}, {"AIHP", -1},        {"AIHP", 2147483647},
        {"AIMove", -5}, {"AIMove", 1000000},    {"Move", -3},        {"Move", 1000000},
        {"RAP", -4},    {"RAP", 1000000},       {"AIAssist", -1000}, {"MaxHP", -10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.szField << " " << c.iValue);
        LayPlainFloor(12, 1);
        JC_DataComponent* const pRecord = Goblin(0, 4, false);
        Set(pRecord, c.szField, c.iValue);
        Heroes({11});
        Start();
        EXPECT_LT(PlayTurn(3000), 3000);
        Reset();
    }
    // The sorcerer's fire ball with nobody to aim at.
    LayPlainFloor(12, 1);
    AddFightPerson(300, 22, 0);
    Start();
    EXPECT_LT(PlayTurn(3000), 3000);
}

TEST_F(ControlCampComputerTest, ASkillMustBeatTheWeaponToBeCast)
{
    struct Case
    {
        int iMove;
        int iHero;
        const char* szChosen;
        const char* szNotChosen;
    };
    // With no random bonus both score 1 next to the hero, and the tie goes
    // to the weapon; a sorcerer that cannot move reaches three cells with its
    // fire ball only.
    const Case cases[] = {
        {4, 1, "\t執行一般攻擊\n", "\t執行 技能"},
        {0, 3, "\t執行 技能00010001 \n", "\t執行一般攻擊\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.iMove);
        LayPlainFloor(8, 1);
        JC_DataComponent* const pRecord = AddFightPerson(300, 22, 0);
        Set(pRecord, "Move", c.iMove);
        Heroes({c.iHero});
        Start();
        ActOnce();
        EXPECT_TRUE(Traced(c.szChosen)) << m_strTrace;
        EXPECT_FALSE(Traced(c.szNotChosen)) << m_strTrace;
        Reset();
    }
}

#include "tests/JC_DataManager/Control/PersonControlFixture.h"

#include "JC_DataManager/Control/JC_ControlPerson.h"
#include "JC_DataManager/Control/JC_ControlPersonEvolution.h"

#include <cstdlib>

namespace {

class PersonGrowth : public PersonControlFixture
{
protected:
    void SetUp() override
    {
        PersonControlFixture::SetUp();
        if (IsSkipped())
            return;
        ASSERT_EQ(m_Person.Initiation(&m_DataManager, &m_Analyser), 0u) << m_Log.Text();
        ASSERT_EQ(m_Person.SetControlPerson(m_pPerson.get()), 0u) << m_Log.Text();
        m_pJob = m_DataManager.GetJobObj(1);
        ASSERT_NE(m_pJob, nullptr);
    }
    // Job 1's grow rates, all others 0.
    void SetGrowRates(std::initializer_list<std::pair<const char*, int>> rates)
    {
        for (const char* szName : {"GrowRateStrength", "GrowRateVitality", "GrowRateAgile", "GrowRateDexterity",
                                   "GrowRateIntelligence", "GrowRateWisdom", "GrowRateCharm", "GrowRateLuck"})
            Set(m_pJob, szName, 0);
        for (const auto& rate : rates)
            Set(m_pJob, rate.first, rate.second);
    }

    JC_ControlPerson m_Person;
    JC_DataComponent* m_pJob = nullptr;
};

TEST_F(PersonGrowth, BindingNeedsInitiationAndAKnownJob)
{
    JC_ControlPersonPower power;
    EXPECT_EQ(power.SetControlPerson(m_pPerson.get()), JE_CONTROLPERSON_NOT_INITIATED);
    EXPECT_EQ(power.Initiation(nullptr, &m_Analyser), JE_CONTROLPERSON_NULL_DATA_MANAGER);
    EXPECT_EQ(power.Initiation(&m_DataManager, nullptr), JE_CONTROLPERSON_NULL_BEHAVIOR_ANALYSER);
    JC_DataManager notInitiated;
    EXPECT_EQ(power.Initiation(&notInitiated, &m_Analyser), JE_CONTROLPERSON_DATA_MANAGER_NOT_INITIATED);
    ASSERT_EQ(power.Initiation(&m_DataManager, &m_Analyser), 0u);
    EXPECT_EQ(power.GetOperatorPerson(), nullptr);
    EXPECT_EQ(power.GetPersonDataComponent(), nullptr);
    EXPECT_EQ(power.SetControlPerson(nullptr), JE_CONTROLPERSON_NULL_PERSON);
    EXPECT_NE(power.SetControlPerson(m_pJob), 0u);
    Set("JobID", 99);
    EXPECT_EQ(power.SetControlPerson(m_pPerson.get()), JE_CONTROLPERSON_NO_JOB);
    EXPECT_EQ(power.GetPersonDataComponent(), nullptr);
    EXPECT_EQ(m_Log.Count(" ControlPersonBase GetJobObj Fail. \r\n JobID:0x00000063 \r\n"), 1u);
    Set("JobID", 1);
    EXPECT_EQ(power.SetControlPerson(m_pPerson.get()), 0u);
    EXPECT_EQ(power.GetPersonDataComponent(), m_pPerson.get());
}

TEST_F(PersonGrowth, TheAggregateAnswersOnlyWhenEveryMemberIsBound)
{
    JC_ControlPerson person;
    EXPECT_EQ(person.Initiation(nullptr, &m_Analyser), JE_CONTROLPERSON_NULL_DATA_MANAGER);
    EXPECT_EQ(person.GetPersonPowerObj()->IsInitiated(), FALSE);
    ASSERT_EQ(person.Initiation(&m_DataManager, &m_Analyser), 0u);
    EXPECT_EQ(person.GetControlPersonPower(), nullptr);
    EXPECT_EQ(person.GetControlPersonEquip(), nullptr);
    EXPECT_EQ(person.GetControlPersonLevelUp(), nullptr);
    EXPECT_EQ(person.GetControlPersonTakeJob(), nullptr);
    EXPECT_NE(person.GetPersonHybridizeObj(), nullptr);
    ASSERT_EQ(person.SetControlPerson(m_pPerson.get()), 0u);
    ASSERT_NE(person.GetControlPersonPower(), nullptr);
    EXPECT_EQ(person.GetControlPersonPower()->GetPersonDataComponent(), m_pPerson.get());
    EXPECT_NE(person.GetControlPersonTakeJob(), nullptr);
    Set("JobID", 99);
    EXPECT_NE(person.SetControlPerson(m_pPerson.get()), 0u);
    EXPECT_EQ(person.GetControlPersonPower(), nullptr);
}

TEST_F(PersonGrowth, LevelsGrowHPAndSPByTheJob)
{
    JC_ControlPersonLevelUp& levelUp = *m_Person.GetControlPersonLevelUp();
    Set(m_pJob, "HPCoefficient", 3);
    Set(m_pJob, "SPCoefficient", 12);
    Set(m_pJob, "PersonLevelUpPoint", 2);
    Set("Vitality", 60);
    Set("Intelligence", 49);
    Set("Level", 1);
    Set("MaxLevel", 10);
    Set("HP", 50);
    Set("MaxHP", 100);
    Set("SP", 0);
    Set("MaxSP", 20);
    Set("Exp", 7);
    Set("NotUsePoint", 1);
    EXPECT_EQ(levelUp.LevelUp(2, 0), 0u);
    EXPECT_EQ(Get("Level"), 3);
    EXPECT_EQ(Get("Exp"), 0);
    EXPECT_EQ(Get("HP"), 50 + 2 * 21);
    EXPECT_EQ(Get("MaxHP"), 100 + 2 * 21);
    EXPECT_EQ(Get("SP"), 2 * 18);
    EXPECT_EQ(Get("MaxSP"), 20 + 2 * 18);
    EXPECT_EQ(Get("NotUsePoint"), 5);
    EXPECT_EQ(Get("Vitality"), 60);

    // Cut to MaxLevel; below the current level is refused.
    EXPECT_EQ(levelUp.SetLevel(13, 0), 0u);
    EXPECT_EQ(Get("Level"), 10);
    const int iMaxHP = Get("MaxHP");
    EXPECT_EQ(levelUp.LevelUp(5, 0), 0u);
    EXPECT_EQ(levelUp.SetLevel(13, 0), 0u);
    EXPECT_EQ(Get("MaxHP"), iMaxHP);
    EXPECT_EQ(levelUp.SetLevel(4, 0), JE_LEVELUP_SET_BELOW_CURRENT);
    EXPECT_EQ(levelUp.LevelUp(-1, 0), JE_LEVELUP_NEGATIVE);
}

TEST_F(PersonGrowth, PointsGoByGrowRates)
{
    JC_ControlPersonLevelUp& levelUp = *m_Person.GetControlPersonLevelUp();
    Set(m_pJob, "PersonLevelUpPoint", 3);
    Set("Level", 1);
    Set("MaxLevel", 99);
    const char* const aszAttributes[] = {"Strength", "Vitality", "Agile", "Dexterity",
                                         "Intelligence", "Wisdom", "Charm", "Luck"};
    for (const char* szName : aszAttributes)
        Set(szName, 10);
    // r = 1 is not below c1 = 1: every point goes to Luck.
    SetGrowRates({{"GrowRateStrength", 1}});
    std::srand(7);
    EXPECT_EQ(levelUp.LevelUp(2, 1), 0u);
    EXPECT_EQ(Get("Luck"), 16);
    EXPECT_EQ(Get("Strength"), 10);
    // Spread over two attributes, the sum is kept.
    SetGrowRates({{"GrowRateStrength", 5}, {"GrowRateVitality", 5}});
    EXPECT_EQ(levelUp.LevelUp(10, 1), 0u);
    EXPECT_EQ(Get("Strength") + Get("Vitality") + Get("Luck"), 10 + 10 + 16 + 30)
        << Get("Strength") << " " << Get("Vitality") << " " << Get("Luck") << " " << Get("Agile");
    EXPECT_GT(Get("Strength"), 10);
    EXPECT_EQ(Get("Agile"), 10);
    // All rates 0: the first level is raised, then the failure.
    SetGrowRates({});
    const int iLevel = Get("Level");
    Set("Exp", 9);
    EXPECT_EQ(levelUp.LevelUp(3, 1), JE_LEVELUP_NO_GROW_RATE);
    EXPECT_EQ(Get("Level"), iLevel + 1);
    EXPECT_EQ(Get("Exp"), 0);
    EXPECT_EQ(m_Log.Count("其成長係數總和為0"), 1u);
    Set(m_pJob, "PersonLevelUpPoint", 0);
    EXPECT_EQ(levelUp.LevelUp(1, 1), 0u);
}

TEST_F(PersonGrowth, JobLevelsGainPoints)
{
    JC_ControlPersonLevelUp& levelUp = *m_Person.GetControlPersonLevelUp();
    Set(m_pJob, "MaxJobLevel", 5);
    Set(m_pJob, "JobLevelUpPoint", 2);
    Set("JobLevel", 1);
    Set("JobExp", 4);
    Set("NotUseJobPoint", 0);
    EXPECT_EQ(levelUp.SetJobLevel(9, 1), 0u);
    EXPECT_EQ(Get("JobLevel"), 5);
    EXPECT_EQ(Get("JobExp"), 0);
    EXPECT_EQ(Get("NotUseJobPoint"), 8);
    EXPECT_EQ(levelUp.SetJobLevel(2, 1), JE_JOBLEVEL_SET_BELOW_CURRENT);
    EXPECT_EQ(levelUp.JobLevelUp(-2, 0), JE_JOBLEVEL_NEGATIVE);
    JC_ControlPersonLevelUp unbound;
    EXPECT_EQ(unbound.SetLevel(3, 0), JE_LEVELUP_SET_NOT_BOUND);
    EXPECT_EQ(unbound.JobLevelUp(3, 0), JE_JOBLEVEL_NOT_BOUND);
}

TEST_F(PersonGrowth, TakingAJobAddsItsValuesEveryTime)
{
    JC_ControlPersonTakeJob& takeJob = *m_Person.GetControlPersonTakeJob();
    JC_DataComponent* pJob = m_DataManager.GetJobObj(3);
    Set(pJob, "Strength", 5);
    Set(pJob, "MaxRAP", 2);
    Set("Strength", 20);
    Set("RAP", 3);
    Set("MaxRAP", 10);
    Set("JobLevel", 4);
    Set("Wisdom", 1);
    for (DWORD i = 0; i < 4; ++i)
        Set("LearnSkillID", 0x00090000 + i, i);
    EXPECT_EQ(takeJob.TakeJob(3), 0u);
    EXPECT_EQ(Get("JobID"), 3);
    EXPECT_EQ(Get("JobLevel"), 1);
    EXPECT_EQ(Get("Strength"), 25);
    EXPECT_EQ(Get("RAP"), 5);
    EXPECT_EQ(Get("MaxRAP"), 12);
    EXPECT_EQ(Get("Wisdom"), 4);
    EXPECT_EQ(static_cast<DWORD>(Get("LearnSkillID", 0)), 0x00020000u);
    EXPECT_EQ(static_cast<DWORD>(Get("LearnSkillID", 1)), 0x00010000u);
    EXPECT_EQ(static_cast<DWORD>(Get("LearnSkillID", 2)), 0x00090002u);
    Set("JobLevel", 3);
    EXPECT_EQ(takeJob.TakeJob(3), 0u);
    EXPECT_EQ(Get("Strength"), 30);
    EXPECT_EQ(Get("JobLevel"), 1);
    EXPECT_EQ(takeJob.TakeJob(77), JE_TAKEJOB_NO_JOB);
    EXPECT_EQ(Get("JobID"), 3);
    EXPECT_EQ(Get("Strength"), 30);
}

TEST_F(PersonGrowth, EvolutionNeedsLowHPAndHighMorale)
{
    JC_ControlPersonEvolution evolution;
    EXPECT_EQ(evolution.Initiation(nullptr), JE_PERSONEVOLUTION_NULL_POWER);
    JC_ControlPersonPower unInitiated;
    EXPECT_EQ(evolution.Initiation(&unInitiated), JE_PERSONEVOLUTION_NO_ERROR_LOG);
    ASSERT_EQ(evolution.Initiation(m_Person.GetControlPersonPower()), 0u);
    // Evolution 1: HP at most 30 %, Morale at least 80.
    Set("EvolutionID", 1);
    Set("Morale", 80);
    const struct
    {
        int iHP, iMaxHP;
        BOOL bCan;
    } cases[] = {{29, 100, 1}, {30, 100, 1}, {31, 100, 0}, {1, 3, 0}, {0, 0, 0}};
    for (const auto& c : cases) {
        Set("MaxHP", c.iMaxHP);
        Set("HP", c.iHP);
        EXPECT_EQ(evolution.CanEvolution(), c.bCan) << c.iHP << "/" << c.iMaxHP;
    }
    Set("MaxHP", 100);
    Set("HP", 30);
    Set("Morale", 79);
    EXPECT_EQ(evolution.CanEvolution(), 0);
    Set("EvolutionID", 0);
    Set("Morale", 80);
    EXPECT_EQ(evolution.CanEvolution(), 0);
}

TEST_F(PersonGrowth, EvolutionAppliesItsBehavioursOnceAndDevolutionTakesThemBack)
{
    JC_ControlPersonEvolution evolution;
    ASSERT_EQ(evolution.Initiation(m_Person.GetControlPersonPower()), 0u);
    Set("EvolutionID", 1);
    Set("MaxHP", 100);
    Set("HP", 90);
    Set("ExtraHitRate", 5);
    EXPECT_EQ(evolution.Devolution(), 0u);
    EXPECT_EQ(evolution.Evolution(), 0u);
    EXPECT_EQ(Get("EvolutionFlag"), 1);
    EXPECT_EQ(Get("MaxHP"), 120);
    EXPECT_EQ(Get("ExtraNatureAttackRate"), 20);
    EXPECT_EQ(Get("ExtraHitRate"), 15);
    EXPECT_EQ(evolution.Evolution(), 0u);
    EXPECT_EQ(Get("MaxHP"), 120);
    EXPECT_EQ(evolution.Devolution(), 0u);
    EXPECT_EQ(Get("EvolutionFlag"), 0);
    EXPECT_EQ(Get("MaxHP"), 100);
    EXPECT_EQ(Get("HP"), 90);
    EXPECT_EQ(Get("ExtraHitRate"), 5);

    // A lowered maximum cuts HP; a field outside the list ends the walk.
    JC_DataComponent* pRecord = m_DataManager.GetEvolutionObj(1);
    JC_StringArray* pBehaviors = nullptr;
    ASSERT_EQ(pRecord->GetItemValue("EvolutionBehavior", &pBehaviors), 0u);
    *pBehaviors = {"@Type\"DF_BehaviorType_Merge\" @Parameter\"MaxHP,0,-20\"",
                   "@Type\"DF_BehaviorType_Merge\" @Parameter\"Strength,0,+5\"",
                   "@Type\"DF_BehaviorType_Merge\" @Parameter\"MaxSP,0,+5\""};
    Set("MaxSP", 20);
    EXPECT_EQ(evolution.Evolution(), 0u);
    EXPECT_EQ(Get("MaxHP"), 80);
    EXPECT_EQ(Get("HP"), 80);
    EXPECT_EQ(Get("MaxSP"), 20);
    EXPECT_EQ(Get("EvolutionFlag"), 1);
    EXPECT_EQ(m_Log.Count(" Evolution YouCannotChangeThisItem. \r\n BehaviorParameter:Strength,0,+5 \r\n ItemName:Strength"),
              1u);
    EXPECT_EQ(evolution.Devolution(), 0u);
    EXPECT_EQ(Get("MaxHP"), 100);
    EXPECT_EQ(Get("HP"), 80);
    Set("EvolutionFlag", 1);
    Set("EvolutionID", 0);
    EXPECT_EQ(evolution.Devolution(), JE_DEVOLUTION_NO_EVOLUTION_ID);
}

TEST_F(PersonGrowth, HybridisationByThePairsRule)
{
    JC_ControlPersonHybridize& hybridize = *m_Person.GetPersonHybridizeObj();
    auto pGoblin = NewPerson();
    auto pSlime = NewPerson();
    Set(pGoblin.get(), "ID", 11);
    Set(pSlime.get(), "ID", 12);
    // Only the rule (11 << 16) + 12 exists; either order finds it.
    EXPECT_EQ(hybridize.GetTagPersonID(pSlime.get(), pGoblin.get()), 13);
    EXPECT_EQ(hybridize.GetTagPersonIDByID(11, 12), 13);
    EXPECT_EQ(hybridize.GetTagPersonIDByID(11, 13), -1);
    EXPECT_EQ(hybridize.GetTagPersonID(nullptr, pGoblin.get()), -1);

    JC_DataComponent* pRule = m_DataManager.GetHybridizeObj(11, 12);
    ASSERT_NE(pRule, nullptr);
    std::unique_ptr<JC_DataComponent> pNew;
    Set(pGoblin.get(), "Level", 10);
    Set(pSlime.get(), "Level", 15);
    Set(pGoblin.get(), "JobLevel", 1);
    Set(pSlime.get(), "JobLevel", 2);
    const struct
    {
        int iRate;
        int iPerson;
    } cases[] = {{100, 13}, {0, 12}};
    for (const auto& c : cases) {
        Set(pRule, "SuccessRate", c.iRate);
        for (int i = 0; i < 5; ++i) {
            ASSERT_EQ(hybridize.Hybridize(pSlime.get(), pGoblin.get(), pNew), 0u) << m_Log.Text();
            ASSERT_NE(pNew, nullptr);
            EXPECT_EQ(Get(pNew.get(), "ID"), c.iPerson);
            EXPECT_EQ(Get(pNew.get(), "Level"), 12);
            EXPECT_EQ(Get(pNew.get(), "JobLevel"), 1);
            EXPECT_EQ(Get(pNew.get(), "JobID"), 4);
            EXPECT_EQ(hybridize.GetPersonDataComponent(), pNew.get());
        }
    }
    // A target of -1 makes nobody.
    Set(pRule, "FailTagPersonID", -1);
    EXPECT_EQ(hybridize.Hybridize(pSlime.get(), pGoblin.get(), pNew), 0u);
    EXPECT_EQ(pNew, nullptr);
    // Below the fixed person's own level: the new person is not handed out.
    Set(pRule, "SuccessRate", 100);
    Set(pGoblin.get(), "Level", 0);
    Set(pSlime.get(), "Level", 0);
    EXPECT_EQ(hybridize.Hybridize(pSlime.get(), pGoblin.get(), pNew), JE_LEVELUP_SET_BELOW_CURRENT);
    EXPECT_EQ(pNew, nullptr);
    EXPECT_EQ(hybridize.GetPersonDataComponent(), nullptr);
    EXPECT_EQ(m_Log.Count("人物合體後 無法設定該人物的等級"), 1u);
    Set(pGoblin.get(), "ID", 20);
    EXPECT_EQ(hybridize.Hybridize(pSlime.get(), pGoblin.get(), pNew), JE_HYBRIDIZE_NO_RULE);
    EXPECT_EQ(m_Log.Count("無法取得指定的合體表 \nPersonAID:12 \nPersonBID:20"), 1u);
    EXPECT_EQ(hybridize.Hybridize(nullptr, pGoblin.get(), pNew), JE_HYBRIDIZE_NULL_PERSON_A);
    EXPECT_EQ(hybridize.Hybridize(pSlime.get(), nullptr, pNew), JE_HYBRIDIZE_NULL_PERSON_B);
}

} // namespace

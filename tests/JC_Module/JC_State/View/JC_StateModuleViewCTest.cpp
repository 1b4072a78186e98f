#include "JC_Module/JC_State/View/JC_StateModuleViewC.h"

#include "JC_DataManager/Operator/JC_OperatorPerson.h"

#include "tests/JC_Module/JC_State/StateScreenFixture.h"

#include <gtest/gtest.h>

namespace {

const DWORD FIREBALL = 0x00010000;
const DWORD STRIKE = 0x00030000;

} // namespace

// The hero (level 3, strength 14) on the skill page.
class StateSkills : public StateScreen
{
protected:
    void OpenSkills(JC_StateModuleDocument& document)
    {
        Open(document, 0);
        ASSERT_EQ(document.DealViewEvent(2, 2), 0u);
        ASSERT_EQ(document.GetDocumentMode(), 5);
        m_pView = static_cast<JC_StateModuleViewC*>(document.GetView(12));
    }
    static void SetConditions(DWORD dwSkill, const std::vector<std::string>& conditions)
    {
        JC_DataComponent* const pSkill = gp_DataManagerObj->GetSkillObj(dwSkill);
        ASSERT_NE(pSkill, nullptr);
        for (size_t i = 0; i < conditions.size(); ++i)
            ASSERT_EQ(pSkill->SetVectorElement("LearnCondition", static_cast<DWORD>(i), &conditions[i]), 0u);
    }
    static void SetBehaviors(DWORD dwSkill, DWORD dwLevel, const std::vector<std::string>& behaviors)
    {
        JC_DataComponent* const pPower = gp_DataManagerObj->GetSkillPowerObj(dwSkill, dwLevel);
        ASSERT_NE(pPower, nullptr);
        for (size_t i = 0; i < behaviors.size(); ++i)
            ASSERT_EQ(pPower->SetVectorElement("Behavior", static_cast<DWORD>(i), &behaviors[i]), 0u);
    }
    static std::string Merge(const char* szParameter)
    {
        return std::string("@Type\"DF_BehaviorType_Merge\" @Parameter\"") + szParameter + "\"";
    }

    JC_StateModuleViewC* m_pView = nullptr;
};

TEST_F(StateSkills, LearnConditionsReadKeyAndValueAndRefuseWhatTheyCannotRead)
{
    JC_StateModuleDocument document;
    OpenSkills(document);
    JC_ControlPersonPower& power = *document.GetControlPerson()->GetPersonPowerObj();
    ASSERT_EQ(power.GetLevel(), 3);
    const struct
    {
        std::vector<std::string> conditions;
        BOOL bLearnable;
    } cases[] = {
        {{"Level:3"}, 1},
        {{"Level:5 "}, 0},
        {{"Level:3 and more"}, 1},
        {{"Level:2", "Strength:14"}, 1},
        {{"Level:2", "Strength:15"}, 0},
        // Unsigned: a huge value is never reached.
        {{"Strength:4294967295"}, 0},
        {{"Level3"}, 0},
        {{"Speed:1"}, 0},
        {{"", "Level:1"}, 1},
    };
    JC_ControlSkill skill;
    skill.Initiation(gp_DataManagerObj, gp_ControlManagerObj->GetBehaviorAnalyser());
    for (const auto& c : cases) {
        JC_DataComponent* const pSkill = gp_DataManagerObj->GetSkillObj(FIREBALL);
        for (int i = 0; i < 4; ++i)
            pSkill->RemoveVectorElement("LearnCondition", 0);
        SetConditions(FIREBALL, c.conditions);
        ASSERT_EQ(skill.SetDataConponent(FIREBALL, 1), 0u);
        EXPECT_EQ(m_pView->CheckCanLearnNextLevel(power, skill), c.bLearnable) << c.conditions.back();
    }
    EXPECT_TRUE(Logged("CheckCanLearnNextLevel Fail LearnCondition Format Fail")) << LogText();
    EXPECT_TRUE(Logged("CheckCanLearnNextLevel Fail KeyStr NotSupport")) << LogText();
    document.Close();
}

TEST_F(StateSkills, RaisingASpontaneousSkillSpendsOnePointAndAppliesItsLinesOrNothing)
{
    JC_DataComponent* const pSkill = gp_DataManagerObj->GetSkillObj(STRIKE);
    const int iSpontaneous = 1;
    ASSERT_EQ(pSkill->SetItemValue("IsSpontaneity", &iSpontaneous), 0u);
    SetBehaviors(STRIKE, 2, {Merge("Vitality,0,+2"), Merge("Strength,0,-1")});
    SetBehaviors(STRIKE, 3, {Merge("Vitality,0,+1"), Merge("Strength,0,+10%")});
    JC_StateModuleDocument document;
    OpenSkills(document);
    JC_OperatorPerson& person = *document.GetControlPerson()->GetPersonPowerObj()->GetOperatorPerson();
    person.SetNotUseJobPoint(2);
    ASSERT_EQ(document.UpdateView(12), 0u);
    ASSERT_EQ(m_pView->GetLearntCount(), 3);
    ASSERT_EQ(m_pView->GetRow(0).dwSkillID, STRIKE);
    ASSERT_EQ(m_pView->GetRow(0).dwLevel, 1u);
    const int iVitality = person.GetVitality();
    const int iStrength = person.GetStrength();

    EXPECT_EQ(m_pView->DealAddButton(0), 0u) << LogText();
    EXPECT_EQ(person.GetNotUseJobPoint(), 1);
    EXPECT_EQ(person.GetLearnSkillLV(0), 2);
    EXPECT_EQ(person.GetVitality(), iVitality + 2);
    EXPECT_EQ(person.GetStrength(), iStrength - 1);

    // A percentage cannot be added: the raise is refused whole.
    ASSERT_EQ(m_pView->UpdateList(), 0u);
    EXPECT_EQ(m_pView->DealAddButton(0), JE_STATEMODULEVIEWC_BEHAVIOR_FORMAT);
    EXPECT_EQ(person.GetNotUseJobPoint(), 1);
    EXPECT_EQ(person.GetLearnSkillLV(0), 2);
    EXPECT_EQ(person.GetVitality(), iVitality + 2);
    EXPECT_TRUE(Logged("StateModuleViewC DealAddButton MergeOrderFormat Fail")) << LogText();

    // Without points, or on an empty row, nothing is raised.
    person.SetNotUseJobPoint(0);
    EXPECT_EQ(m_pView->DealAddButton(0), JE_STATEMODULEVIEWC_CANNOT_RAISE);
    EXPECT_EQ(m_pView->DealAddButton(1), JE_STATEMODULEVIEWC_CANNOT_RAISE);
    EXPECT_EQ(m_pView->DealAddButton(-1), JE_STATEMODULEVIEWC_CANNOT_RAISE);
    document.Close();
}

TEST_F(StateSkills, RowsShowTheLevelAndGreyWhatCannotBeLearnt)
{
    JC_StateModuleDocument document;
    OpenSkills(document);
    JC_OperatorPerson& person = *document.GetControlPerson()->GetPersonPowerObj()->GetOperatorPerson();
    // The hero has strike at level 1, the vitality skill and fireball ("Level:5") unlearnt.
    ASSERT_EQ(m_pView->GetLearntCount(), 3);
    EXPECT_EQ(m_pView->GetPageCount(), 1);
    EXPECT_EQ(m_pView->GetRow(0).strText.substr(m_pView->GetRow(0).strText.size() - 5), " LV 1");
    EXPECT_EQ(m_pView->GetRow(0).dwColor, 0xFFFFFFFFu);
    EXPECT_EQ(m_pView->GetRow(1).bLearnable, TRUE);
    EXPECT_EQ(m_pView->GetRow(1).dwColor, 0xFFFFFFFFu);
    EXPECT_EQ(m_pView->GetRow(2).dwSkillID, FIREBALL);
    EXPECT_EQ(m_pView->GetRow(2).bLearnable, FALSE);
    EXPECT_EQ(m_pView->GetRow(2).dwColor, JC_StateModuleViewC::GREY);
    EXPECT_EQ(m_pView->GetRow(3).dwSkillID, 0u);
    // Past the job's list its maximum reads 0: shown, never raised.
    person.SetLearnSkillID(3, 0x00020000);
    person.SetLearnSkillLV(3, 0);
    ASSERT_EQ(document.UpdateView(12), 0u);
    ASSERT_EQ(m_pView->GetLearntCount(), 4);
    EXPECT_EQ(m_pView->GetRow(3).bCanRaise, FALSE);
    EXPECT_TRUE(Logged("StateModuleViewC UpdateList Job LearnSkillLV Overflow")) << LogText();
    EXPECT_EQ(m_pView->NextPage(), 1u);
    EXPECT_EQ(m_pView->GetPage(), 0);
    document.Close();
}

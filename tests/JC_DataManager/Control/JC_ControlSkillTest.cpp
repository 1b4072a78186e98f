#include "tests/JC_DataManager/GameDataFixture.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlSkill.h"

namespace {

class ControlSkill : public GameDataTest
{
protected:
    void SetUp() override
    {
        GameDataTest::SetUp();
        ASSERT_EQ(m_Analyser.Initiation(&m_DataManager), 0u);
        ASSERT_EQ(m_Control.Initiation(&m_DataManager, &m_Analyser), 0u);
    }

    JC_BehaviorAnalyser m_Analyser;
    JC_ControlSkill m_Control;
};

TEST_F(ControlSkill, AKeyBindsTheSkillAndItsLevel)
{
    EXPECT_EQ(m_Control.SetDataConponentByKey(0x00030002), 0u);
    EXPECT_EQ(m_Control.IsBound(), TRUE);
    EXPECT_EQ(m_Control.GetSkillKey(), 0x00030002u);
    EXPECT_EQ(m_Control.GetBehaviorCount(), 0u);
    // A level the table lacks binds the fallback power.
    EXPECT_EQ(m_Control.SetDataConponent(0x00030000, 3), 0u);
    EXPECT_EQ(m_Control.GetSkillKey(), 0x00030001u);
    EXPECT_EQ(m_Log.Count(" GetSkillPowerObj Fail. \r\n SkillPowerID:0x00030003 \r\n"), 1u);
}

TEST_F(ControlSkill, RefusedRecordsLeaveItUnbound)
{
    JC_DataComponent* pSkill = m_DataManager.GetSkillObj(0x30000);
    JC_DataComponent* pPower = m_DataManager.GetSkillPowerObj(0x30002);
    EXPECT_EQ(m_Control.SetDataConponent(nullptr, pPower), JE_CONTROLSKILL_NULL_SKILL);
    EXPECT_EQ(m_Control.SetDataConponent(pSkill, nullptr), JE_CONTROLSKILL_NULL_SKILL_POWER);
    EXPECT_EQ(m_Control.SetDataConponent(pSkill, pSkill), JE_OPERATOR_KIND_MISMATCH);
    EXPECT_EQ(m_Control.IsBound(), FALSE);
    EXPECT_EQ(m_Log.Count(" ControlSkill SetSkillPowerDataConponent Fail. \r\n HRESULT:0x89040043 \r\n"), 1u);
    EXPECT_EQ(m_Control.SetDataConponent(pSkill, pPower), 0u);
    EXPECT_EQ(m_Control.IsBound(), TRUE);
}

TEST_F(ControlSkill, InitiationNeedsTheDataManagerAndTheAnalyser)
{
    JC_ControlSkill control;
    EXPECT_NE(control.Initiation(&m_DataManager, nullptr), 0u);
    EXPECT_EQ(control.IsInitiated(), FALSE);
    EXPECT_EQ(control.SetDataConponentByKey(0x00030002), JE_CONTROLSKILL_NO_SKILL);
    // The use range reads through the interface.
    ASSERT_EQ(m_Control.SetDataConponentByKey(0x00030002), 0u);
    JC_BaseEx& range = m_Control;
    EXPECT_EQ(range.GetScopeShape(), 0);
}

} // namespace

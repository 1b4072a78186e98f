#include "Code/Battle/BattleWork/XC_DisplayGetItem.h"
#include "Code/Battle/BattleWork/XC_DisplayMoveScope.h"

#include "Code/Battle/XC_BattleSceneController.h"
#include "Code/XC_GameTime.h"

#include "tests/Code/Battle/BattleFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

namespace {

class DisplayTest : public BattleFixture
{
protected:
    void SetUp() override
    {
        BattleFixture::SetUp();
        m_SavedTime = *g_pGameTime;
    }

    void TearDown() override
    {
        *g_pGameTime = m_SavedTime;
        BattleFixture::TearDown();
    }

    XC_GameTime m_SavedTime;
};

} // namespace

TEST_F(DisplayTest, FoundItemsShowOneLineAfterAnotherForTheirTime)
{
    g_pGameTime->fDisplayGetItem = 0.5f;
    ErrorLogCapture errors;
    XC_DisplayGetItem display;
    for (const char* szLine : {"a", "b", "c"})
        display.AddText(szLine);
    display.Begin();
    float fTime = 0.0f;
    while (!display.Step(0.25f) && fTime < 10.0f)
        fTime += 0.25f;
    EXPECT_FLOAT_EQ(fTime + 0.25f, 1.5f);
    display.End();
    // Without the battle menus every line is reported, and nothing breaks.
    EXPECT_TRUE(errors.Contains("g_pBattleMenuMenager")) << errors.Text();
}

TEST_F(DisplayTest, AMoveScopeWithoutAWorkTimeLastsTheGameTimesOne)
{
    LayPlainFloor(4, 4);
    AddFightPerson(0, 1, 5);
    StartBattle();
    XC_BattleSceneController controller;
    ASSERT_EQ(controller.Init(), S_OK);
    g_pBattleSceneController = &controller;
    g_pGameTime->fDisplayMoveScope = 0.75f;
    XC_DisplayMoveScope display;
    display.SetPerson(m_Persons.GetPersonFromTeamIndex(0));
    display.SetStartFloorIndex(0);
    display.Begin();
    EXPECT_FLOAT_EQ(display.GetWorkTime(), 0.75f);
    EXPECT_EQ(m_Persons.GetPersonFromTeamIndex(0)->GetFloorIndex(), 5u);
    display.End();
    g_pBattleSceneController = nullptr;
    controller.Fini();
}

#include "Code/Battle/XC_BattleDialogue.h"

#include "Code/Battle/XC_BattleSceneController.h"
#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

#include "tests/Code/Battle/BattleFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

namespace {

class BattleDialogueTest : public BattleFixture
{
protected:
    void SetUp() override
    {
        BattleFixture::SetUp();
        LayPlainFloor(4, 4);
        AddFightPerson(300, 11, 12);
        AddFightPerson(7, 1, 0);
        StartBattle();
    }

    XC_BattleDialogue m_Dialogue;
};

} // namespace

TEST_F(BattleDialogueTest, PersonsAreListedByTeamIndex)
{
    EXPECT_EQ(m_Dialogue.GetPersonTeamIndices(), (std::vector<int>{7, 300}));
    EXPECT_EQ(m_Dialogue.FindPerson(7), m_Persons.GetPersonFromTeamIndex(7));
    EXPECT_EQ(m_Dialogue.FindPerson(8), nullptr);
    EXPECT_EQ(m_Dialogue.FindPerson(-1), nullptr);
}

TEST_F(BattleDialogueTest, AWalkRecordsTheFloorAtOnceAndMovesTheFigureOverTime)
{
    XC_GamePerson* const pPerson = m_Persons.GetPersonFromTeamIndex(7);
    const D3DXVECTOR3 vStart = *pPerson->GetPosition();
    XC_SpriteWorkBase* const pWork = m_Dialogue.MovePersonToFloor(7, 3);
    ASSERT_NE(pWork, nullptr);
    EXPECT_EQ(pPerson->GetFloorIndex(), 3u);
    EXPECT_EQ(*pPerson->GetPosition(), vStart);

    XC_BattleSceneController controller;
    controller.AddBattleWork(pWork);
    for (int i = 0; i < 40 && controller.IsBattleWorking(); ++i)
        g_pTimerManager->Update(0.05f);
    EXPECT_EQ(*pPerson->GetPosition(), m_Scene.GetFloorer()->GetFloorPosition(3));

    ErrorLogCapture log;
    EXPECT_EQ(m_Dialogue.MovePersonToFloor(7, 16), nullptr);
    EXPECT_EQ(m_Dialogue.MovePersonToFloor(8, 1), nullptr);
    EXPECT_EQ(pPerson->GetFloorIndex(), 3u);
    EXPECT_FALSE(log.Text().empty());
}

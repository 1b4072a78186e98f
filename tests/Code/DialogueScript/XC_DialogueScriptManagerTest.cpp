#include "Code/DialogueScript/XC_DialogueScriptManager.h"

#include "tests/Code/DialogueScript/DialogueFixture.h"

#include <string>

namespace {

typedef DialogueTest DialogueScriptManagerTest;

} // namespace

TEST_F(DialogueScriptManagerTest, DialogueNodesBecomeDialogueScriptsInFileOrder)
{
    ASSERT_EQ(LoadAndRun("[Intro]\n{\n}\n" + DialogueNode("") + "[Outro]\n{\n}\n"), S_OK);
    ASSERT_EQ(m_Manager.GetScriptCount(), 3u);
    EXPECT_EQ(Script(0), nullptr);
    EXPECT_STREQ(m_Manager.GetScript(0)->GetName(), "[Intro]");
    ASSERT_NE(Script(1), nullptr);
    EXPECT_EQ(Script(2), nullptr);
    EXPECT_STREQ(m_Manager.GetScript(2)->GetName(), "[Outro]");
}

TEST_F(DialogueScriptManagerTest, AllDialogueScriptsShareThePersonDataReadOnce)
{
    ASSERT_EQ(LoadAndRun(DialogueNode("") + DialogueNode("")), S_OK);
    m_Pack.files["Dialogue\\DialoguePersonData.txt"] = "0x1 Changed face\\Hero.ant\r\n";
    for (DWORD dwScript = 0; dwScript < 2; ++dwScript) {
        XC_String strName;
        DWORD dwColor = 0;
        EXPECT_EQ(Script(dwScript)->GetPersonNameFromIndex(1, strName, dwColor), S_OK);
        EXPECT_EQ(strName, "Sage") << dwScript;
    }
    ASSERT_EQ(m_Manager.InitScriptManager(&m_Environment), S_OK);
    ASSERT_EQ(LoadAndRun(DialogueNode("")), S_OK);
    XC_String strName;
    DWORD dwColor = 0;
    EXPECT_EQ(Script()->GetPersonNameFromIndex(0, strName, dwColor), S_OK);
    EXPECT_EQ(strName, "Changed");
    EXPECT_EQ(Script()->GetPersonNameFromIndex(1, strName, dwColor), E_FAIL);
}

TEST_F(DialogueScriptManagerTest, WithoutPersonDataTheSetStillRunsButFindsNobody)
{
    m_Pack.files.erase("Dialogue\\DialoguePersonData.txt");
    EXPECT_EQ(m_Manager.InitScriptManager(&m_Environment), E_FAIL);
    EXPECT_TRUE(m_Log.Contains("XC_TextureManager::GetTextureList \n\t讀取檔案失敗 Dialogue\\DialoguePersonData.txt"));
    ASSERT_EQ(LoadAndRun(DialogueNode(Command("Line", {{"Type", "Dialogue"}, {"dwPerson", "0"}, {"dwTalk", "0"}}))),
              S_OK);
    EXPECT_EQ(m_Manager.GetAllWorkCount(), 0u);
}

TEST_F(DialogueScriptManagerTest, BattlePersonsAreNamedByTheirTeamIndexWhileABattleRuns)
{
    ASSERT_EQ(LoadAndRun(DialogueNode("")), S_OK);
    EXPECT_EQ(Part<XC_RenderingObject>("0007"), nullptr);
    m_Manager.Clear();

    FakeDialogueBattle battle;
    battle.Place(7);
    battle.Place(12);
    ASSERT_EQ(LoadAndRun(DialogueNode("")), S_OK);
    EXPECT_EQ(Part<XC_RenderingObject>("0007"), battle.persons[7].get());
    EXPECT_EQ(Part<XC_RenderingObject>("0012"), battle.persons[12].get());
    EXPECT_EQ(Part<XC_RenderingObject>("7"), nullptr);

    // Each run names the persons of that moment.
    m_Manager.Clear();
    battle.persons.erase(7);
    ASSERT_EQ(LoadAndRun(DialogueNode("")), S_OK);
    EXPECT_EQ(Part<XC_RenderingObject>("0007"), nullptr);
    EXPECT_EQ(Part<XC_RenderingObject>("0012"), battle.persons[12].get());
}

TEST_F(DialogueScriptManagerTest, AScriptCanMoveABattlePersonByItsName)
{
    FakeDialogueBattle battle;
    battle.Place(3);
    ASSERT_EQ(LoadAndRun(DialogueNode(Command("Show", {{"Type", "SetShow"}, {"Object", "0003"}, {"bShow", "1"}}))),
              S_OK);
    EXPECT_TRUE(battle.persons[3]->GetShow());
}

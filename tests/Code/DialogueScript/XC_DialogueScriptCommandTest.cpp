#include "Code/DialogueScript/XC_DialogueScriptCommand.h"

#include "tests/Code/DialogueScript/DialogueFixture.h"

#include <string>

namespace {

typedef DialogueTest DialogueCommandTest;

} // namespace

TEST_F(DialogueCommandTest, ATalkLineAloneTouchesNeitherNameNorPortrait)
{
    ASSERT_EQ(LoadAndRun(DialogueNode(Command("Line", {{"Type", "Dialogue"}, {"dwTalk", "1"}}))), S_OK);
    EXPECT_EQ(Characters(Part<XC_RenderString>("TalkA")), std::string("Are you there?").size());
    EXPECT_EQ(Part<XC_RenderString>("TalkA")->GetShowWordCount(), 0u);
    EXPECT_EQ(Characters(Part<XC_RenderString>("NameA")), 1u); // still "-"
    EXPECT_EQ(PageCount(Part<XC_RenderAnimation>("PortraitA")), 3u);
    EXPECT_EQ(Characters(Part<XC_RenderString>("TalkB")), 1u);
    EXPECT_EQ(m_Manager.GetAllWorkCount(), 1u);
}

TEST_F(DialogueCommandTest, TargetBFillsTheSecondSpeakersBox)
{
    ASSERT_EQ(LoadAndRun(DialogueNode(Command("Line", {{"Type", "Dialogue"},
                                                       {"Target", "B"},
                                                       {"dwPerson", "1"},
                                                       {"dwExpression", "2"},
                                                       {"dwTalk", "3"}}))),
              S_OK);
    XC_RenderString* const pName = Part<XC_RenderString>("NameB");
    ASSERT_EQ(Characters(pName), 4u); // "Sage"
    EXPECT_EQ(pName->GetRenderWord(0)->dwColor, 0xFFFF0000u);
    EXPECT_EQ(PageCount(Part<XC_RenderAnimation>("PortraitB")), 4u);
    EXPECT_EQ(Part<XC_RenderAnimation>("PortraitB")->GetCurrentPage(), 2u);
    EXPECT_EQ(Characters(Part<XC_RenderString>("TalkB")), 4u); // "Bye."
    EXPECT_EQ(Characters(Part<XC_RenderString>("NameA")), 1u);
    EXPECT_EQ(Characters(Part<XC_RenderString>("TalkA")), 1u);
}

TEST_F(DialogueCommandTest, AMissingPersonOrLineFailsTheWholeCommandAndTheDialogueGoesOn)
{
    const struct
    {
        const char* szPerson;
        const char* szTalk;
        const char* szReport;
    } CASES[] = {
        {"7", "0", "XC_DialogueScript::GetPersonDataFromIndex Error"},
        {"0", "4", "XC_DialogueScript::GetDialogueFromLineNum Error"},
    };
    for (const auto& test : CASES) {
        ASSERT_EQ(LoadAndRun(DialogueNode(
                      Command("Line", {{"Type", "Dialogue"}, {"dwPerson", test.szPerson}, {"dwTalk", test.szTalk}}) +
                      Command("After", {{"Type", "Dialogue"}, {"dwExpression", "1"}}))),
                  S_OK);
        EXPECT_EQ(Characters(Part<XC_RenderString>("TalkA")), 1u) << test.szPerson;
        EXPECT_EQ(Part<XC_RenderAnimation>("PortraitA")->GetCurrentPage(), 1u) << test.szPerson;
        EXPECT_EQ(m_Manager.GetAllWorkCount(), 0u);
        EXPECT_TRUE(m_Log.Contains(test.szReport));
        m_Manager.Clear();
    }
}

TEST_F(DialogueCommandTest, TalkSetsSpeakerFramePageAndLine)
{
    ASSERT_EQ(LoadAndRun(DialogueNode(Command(
                  "Line", {{"Type", "Talk"}, {"dwPersonIdx", "0"}, {"dwPage", "1"}, {"dwTalk", "0"}}))),
              S_OK);
    XC_RenderString* const pName = Part<XC_RenderString>("NameA");
    ASSERT_EQ(Characters(pName), 4u); // "Hero"
    EXPECT_EQ(pName->GetRenderWord(0)->dwColor, 0xFFFFFFFFu);
    EXPECT_EQ(Part<XC_RenderAnimation>("FrameA")->GetCurrentPage(), 1u);
    EXPECT_EQ(Characters(Part<XC_RenderString>("TalkA")), 6u); // "Hello."
    EXPECT_EQ(m_Manager.GetAllWorkCount(), 1u);
}

TEST_F(DialogueCommandTest, FaceAndExpressionChangeTheFaceObject)
{
    const std::string strRun =
        Command("Face", {{"Type", "SetFace"}, {"Target", "B"}, {"dwPersonIdx", "1"}}) +
        Command("Look", {{"Type", "SetExpression"}, {"Target", "B"}, {"dwExpression", "9"}});
    ASSERT_EQ(LoadAndRun(DialogueNode(strRun)), S_OK);
    XC_RenderAnimation* const pFace = Part<XC_RenderAnimation>("FaceB");
    EXPECT_EQ(PageCount(pFace), 4u);
    EXPECT_EQ(pFace->GetCurrentPage(), 3u); // the last page
    EXPECT_EQ(PageCount(Part<XC_RenderAnimation>("FaceA")), 3u);
}

TEST_F(DialogueCommandTest, AMissingPartOrOneOfTheWrongKindFailsTheCommand)
{
    std::string strText = DialogueNode(Command("Line", {{"Type", "Talk"}, {"dwPage", "1"}, {"dwTalk", "0"}}));
    strText.replace(strText.find("Name = FrameA"), 13, "Name = FrameX");
    ASSERT_EQ(LoadAndRun(strText), S_OK);
    EXPECT_TRUE(m_Log.Contains("( pRA_Frame ) failed"));
    EXPECT_EQ(m_Manager.GetAllWorkCount(), 0u);
    m_Manager.Clear();

    strText = DialogueNode(Command("Line", {{"Type", "Dialogue"}, {"dwTalk", "0"}}));
    const std::string strTalkA = "Type = string\nName = TalkA";
    strText.replace(strText.find(strTalkA), strTalkA.size(), "Type = ani\nName = TalkA");
    ASSERT_EQ(LoadAndRun(strText), S_OK);
    EXPECT_TRUE(m_Log.Contains("( pRenderStringObj ) failed"));
    EXPECT_EQ(m_Manager.GetAllWorkCount(), 0u);
}

TEST_F(DialogueCommandTest, PersonToFloorNeedsABattleWithThePerson)
{
    const std::string strMove = DialogueNode(
        Command("Walk", {{"Type", "PersonToFloor"}, {"dwPerosnIdx", "7"}, {"dwFloorIdx", "12"}}));
    ASSERT_EQ(LoadAndRun(strMove), S_OK);
    EXPECT_TRUE(m_Log.Contains("PersonToFloor Error , need in BattleScene"));
    EXPECT_EQ(m_Manager.GetAllWorkCount(), 0u);
    m_Manager.Clear();

    FakeDialogueBattle battle;
    battle.Place(5);
    ASSERT_EQ(LoadAndRun(strMove), S_OK);
    EXPECT_TRUE(m_Log.Contains("PersonToFloor Error , can't find person \"7\""));
    m_Manager.Clear();
    ASSERT_EQ(LoadAndRun(DialogueNode(Command("Walk", {{"Type", "PersonToFloor"}, {"dwPerosnIdx", "5"}}))), S_OK);
    EXPECT_TRUE(battle.moves.empty());
    m_Manager.Clear();

    battle.Place(7);
    ASSERT_EQ(LoadAndRun(strMove), S_OK);
    EXPECT_EQ(battle.moves, (std::vector<std::pair<int, int>>{{7, 12}}));
}

TEST_F(DialogueCommandTest, DialogueCommandsRefuseAnOrdinaryScript)
{
    ASSERT_EQ(LoadAndRun("[Other]\n{\n}\n"), S_OK);
    for (const char* szType : {"Dialogue", "Talk", "SetFace", "SetExpression"}) {
        std::unique_ptr<XC_TextNode> pNode = MakeNode("[Cmd]", {{"Type", szType}, {"dwTalk", "0"}});
        XC_SpriteWorkBase* pWork = nullptr;
        EXPECT_EQ(g_pDialogueScriptCommandObj->AnalyzeCommand(m_Manager.GetScript(0), pNode.get(), &pWork), E_FAIL)
            << szType;
        EXPECT_EQ(pWork, nullptr);
    }
    EXPECT_TRUE(m_Log.Contains("( pDialogueScript ) failed"));
}

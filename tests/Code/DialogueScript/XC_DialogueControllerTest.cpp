#include "Code/DialogueScript/XC_DialogueController.h"

#include "tests/Code/DialogueScript/DialogueFixture.h"

#include <string>

namespace {

// The cursor, counting how often it is permitted to show.
class CountingMouse : public XC_Mouse
{
public:
    void SetEnable(BOOL bEnable) override
    {
        iPermits += bEnable ? 1 : 0;
        XC_Mouse::SetEnable(bEnable);
    }
    int iPermits = 0;
};

// A controller of its own on the fake environment, with dialogue files of
// one line each ("One.txt", "Two.txt") and one without works ("Empty.txt").
class DialogueControllerTest : public DialogueTest
{
protected:
    DialogueControllerTest()
    {
        g_pMouseObj = &m_Mouse;
        m_Pack.files["Dialogue\\One.txt"] =
            DialogueNode(Command("Line", {{"Type", "Dialogue"}, {"Target", "A"}, {"dwTalk", "0"}}));
        m_Pack.files["Dialogue\\Two.txt"] =
            DialogueNode(Command("Line", {{"Type", "Dialogue"}, {"Target", "B"}, {"dwTalk", "1"}}));
        m_Pack.files["Dialogue\\Empty.txt"] = DialogueNode("");
        EXPECT_EQ(m_Controller.Init(&m_Environment), S_OK);
    }
    ~DialogueControllerTest() override
    {
        m_Controller.Fini();
        g_pMouseObj = m_Input.GetMouse();
    }

    // The game's frame: the controller first, then the timers.
    void GameFrame()
    {
        m_Controller.FrameMove(0.1f);
        Frame(0.1f);
    }
    // Frames with a click each until the running file has finished.
    void ClickThrough()
    {
        for (int i = 0; i < 20 && m_Controller.GetDialogueScriptManager()->GetAllWorkCount() != 0; ++i) {
            m_Input.Click();
            Frame(0.1f);
        }
    }
    XC_RenderString* ControllerPart(const char* szName)
    {
        XC_Script* const pScript = m_Controller.GetDialogueScriptManager()->GetScript(0);
        return pScript != nullptr ? dynamic_cast<XC_RenderString*>(pScript->GetScriptResource()->GetRenderObj(szName))
                                  : nullptr;
    }

    CountingMouse m_Mouse;
    XC_DialogueController m_Controller;
};

} // namespace

TEST_F(DialogueControllerTest, QueuedFilesRunOneAfterTheOther)
{
    m_Mouse.SetVisible(TRUE);
    EXPECT_EQ(m_Controller.AddDialogueScript("Dialogue\\One.txt"), S_OK);
    EXPECT_EQ(m_Controller.AddDialogueScript("Dialogue\\Two.txt"), S_OK);
    EXPECT_TRUE(m_Controller.IsDialogueActive());
    EXPECT_FALSE(m_Mouse.GetEnable());
    EXPECT_EQ(m_Controller.GetDialogueScriptManager()->GetScriptCount(), 0u); // nothing loaded yet

    GameFrame();
    EXPECT_EQ(m_Controller.GetDialogueScriptManager()->GetScriptCount(), 1u);
    EXPECT_EQ(Characters(ControllerPart("TalkA")), 6u); // "Hello."
    for (int i = 0; i < 30; ++i)
        GameFrame(); // the line waits for the player
    EXPECT_EQ(Characters(ControllerPart("TalkB")), 1u);

    ClickThrough();
    GameFrame();
    EXPECT_EQ(Characters(ControllerPart("TalkA")), 1u);
    EXPECT_EQ(Characters(ControllerPart("TalkB")), 14u); // "Are you there?"
    EXPECT_TRUE(m_Controller.IsDialogueActive());
    EXPECT_EQ(m_Mouse.iPermits, 0);

    ClickThrough();
    GameFrame();
    EXPECT_FALSE(m_Controller.IsDialogueActive());
    EXPECT_EQ(m_Controller.GetDialogueScriptManager()->GetScriptCount(), 0u);
    EXPECT_TRUE(m_Mouse.GetEnable());
    GameFrame();
    EXPECT_EQ(m_Mouse.iPermits, 1);
}

TEST_F(DialogueControllerTest, AFileWithoutWorksStaysActiveUntilTheNextFrame)
{
    m_Controller.AddDialogueScript("Dialogue\\Empty.txt");
    GameFrame();
    EXPECT_EQ(m_Controller.GetDialogueScriptManager()->GetScriptCount(), 1u);
    EXPECT_TRUE(m_Controller.IsDialogueActive());
    GameFrame();
    EXPECT_FALSE(m_Controller.IsDialogueActive());
}

TEST_F(DialogueControllerTest, ABrokenOrMissingFileIsReportedAndSkipped)
{
    m_Pack.files["Dialogue\\Broken.txt"] = "[Dialogue]\n{\n[Run]\n{\n";
    for (const char* szFile : {"Dialogue\\Missing.txt", "Dialogue\\Broken.txt"})
        m_Controller.AddDialogueScript(szFile);
    m_Controller.AddDialogueScript("Dialogue\\One.txt");
    GameFrame();
    GameFrame();
    EXPECT_TRUE(m_Log.Contains("( m_DialogueScriptManager.Load( rstrDialogueScriptName.c_str() ) ) failed , hr = "));
    EXPECT_TRUE(m_Log.Contains(" \r\nDialogue\\Missing.txt"));
    EXPECT_TRUE(m_Controller.IsDialogueActive());
    GameFrame();
    EXPECT_EQ(Characters(ControllerPart("TalkA")), 6u);
    ClickThrough();
    GameFrame();
    EXPECT_FALSE(m_Controller.IsDialogueActive());
}

TEST_F(DialogueControllerTest, ADialogueNamingAMissingPersonEnds)
{
    m_Pack.files["Dialogue\\Stranger.txt"] =
        DialogueNode(Command("Line", {{"Type", "Dialogue"}, {"dwPerson", "99"}, {"dwTalk", "0"}}));
    m_Controller.AddDialogueScript("Dialogue\\Stranger.txt");
    GameFrame();
    GameFrame();
    EXPECT_FALSE(m_Controller.IsDialogueActive());
    EXPECT_TRUE(m_Log.Contains("XC_DialogueScript::GetPersonDataFromIndex Error"));
}

#include "Code/DialogueScript/XC_DialogueScriptWork_Dialogue.h"

#include "GameProgram/Sprite/XC_Sprite.h"
#include "tests/Code/DialogueScript/DialogueFixture.h"

#include <string>

namespace {

// One line typed into a text object of the fake environment, run by a sprite
// as a script would, with the player's input.
class DialogueWorkTest : public ::testing::Test
{
protected:
    DialogueWorkTest() { m_Text.SetEnvironmentOfRender(&m_Environment); }

    void Start(const std::string& strLine)
    {
        m_pWork = new XC_DialogueScriptWork_Dialogue;
        m_pWork->SetTarget(&m_Text, strLine.c_str());
        m_Sprite.AddWork(m_pWork);
    }
    // One frame; false once the work is over.
    bool Frame(float fElapsedTime)
    {
        m_Input.BeginFrame();
        m_Sprite.Update(fElapsedTime);
        m_Input.EndFrame();
        return m_Sprite.GetWorkCount() != 0;
    }
    bool MarkerShown() { return m_pWork->GetTalkNextMarker()->GetShow() != FALSE; }

    ErrorLogCapture m_Log;
    FakeEnvironment m_Environment;
    FakeFont m_Font;
    DialogueAnimations m_Animations;
    DialogueInput m_Input;
    XC_RenderString m_Text;
    XC_Sprite m_Sprite;
    XC_DialogueScriptWork_Dialogue* m_pWork = nullptr;
};

} // namespace

TEST_F(DialogueWorkTest, ALineOfNCharactersTypesInNTenthsOfASecond)
{
    Start("ABCDE");
    EXPECT_EQ(m_Text.GetWordCount(), 5u);
    EXPECT_EQ(m_Text.GetShowWordCount(), 0u);
    for (DWORD dwFrame = 1; dwFrame <= 10; ++dwFrame) {
        ASSERT_TRUE(Frame(0.05f));
        EXPECT_EQ(m_Text.GetShowWordCount(), dwFrame / 2) << dwFrame;
        EXPECT_EQ(MarkerShown(), dwFrame == 10) << dwFrame;
    }
    // Whole and waiting for the player, however long.
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(Frame(0.05f));
    m_Input.Click();
    EXPECT_FALSE(Frame(0.05f));
    EXPECT_EQ(m_Text.GetShowWordCount(), 255u);
}

TEST_F(DialogueWorkTest, ConfirmingCompletesTheLineFromTheFirstFrameAfter40Milliseconds)
{
    // Frames of 1/64 s: the input is tested before the frame's time is
    // counted, so the fourth frame is the first at 0.04 s or later.
    Start("A long line of talk");
    m_Input.HoldKey(DIK_SPACE, true);
    ASSERT_TRUE(Frame(0.015625f)); // Space went down: too early
    m_Input.HoldKey(DIK_SPACE, false);
    ASSERT_TRUE(Frame(0.015625f));
    m_Input.HoldKey(DIK_SPACE, true);
    ASSERT_TRUE(Frame(0.015625f)); // pressed again at 0.03125 s: too early
    EXPECT_EQ(m_Text.GetShowWordCount(), 0u);
    EXPECT_FALSE(MarkerShown());
    m_Input.HoldKey(DIK_SPACE, false);
    ASSERT_TRUE(Frame(0.015625f));
    m_Input.Click();
    ASSERT_TRUE(Frame(0.015625f)); // at 0.0625 s: the whole line, the marker, and no close yet
    EXPECT_EQ(m_Text.GetShowWordCount(), m_Text.GetWordCount() + 1);
    EXPECT_TRUE(MarkerShown());
}

TEST_F(DialogueWorkTest, HeldCtrlRunsALineThroughAndClosesItAtHalfASecond)
{
    for (const DWORD dwKey : {static_cast<DWORD>(DIK_LCONTROL), static_cast<DWORD>(DIK_RCONTROL)}) {
        Start("Hold on!");
        m_Input.HoldKey(dwKey, true);
        // Frames of 1/32 s: complete on frame 3 (at 0.0625 s), closed on frame 17 (at 0.5 s).
        int iFrame = 0;
        int iCompleted = 0;
        while (Frame(0.03125f) && iFrame < 100) {
            ++iFrame;
            if (iCompleted == 0 && MarkerShown())
                iCompleted = iFrame;
        }
        EXPECT_EQ(iCompleted, 3) << dwKey;
        EXPECT_EQ(iFrame + 1, 17) << dwKey;
        m_Input.HoldKey(dwKey, false);
    }
}

TEST_F(DialogueWorkTest, LongLinesShowAtMost255CharactersAtTheEnd)
{
    Start(std::string(300, 'x'));
    m_Input.HoldKey(DIK_LCONTROL, true);
    for (int i = 0; i < 100 && Frame(0.03125f); ++i) {
    }
    EXPECT_EQ(m_Text.GetWordCount(), 300u);
    EXPECT_EQ(m_Text.GetShowWordCount(), 255u);
}

TEST_F(DialogueWorkTest, TheMarkerStandsRightOfTheTextsLongestLine)
{
    D3DXVECTOR3 vPosition(10.0f, 100.0f, 0.0f);
    m_Text.SetPosition(&vPosition);
    m_Text.SetLineMaxLength(300.0f);
    m_Text.SetLineInterval(20.0f);
    m_Text.SetCoordinateSystem(1);
    Start("Hi");
    XC_RenderAnimation* const pMarker = m_pWork->GetTalkNextMarker();
    const D3DXVECTOR3* const pMarkerPosition = pMarker->GetWorldPosition();
    EXPECT_FLOAT_EQ(pMarkerPosition->x, 10.0f + 300.0f + 20.0f);
    EXPECT_FLOAT_EQ(pMarkerPosition->y, 100.0f + 23.0f - 5.0f * 20.0f);
    EXPECT_EQ(pMarker->GetCoordinateSystem(), 1u);
    EXPECT_EQ(pMarker->GetRenderQueueGroup(), m_Text.GetRenderQueueGroup());
    EXPECT_EQ(pMarker->GetEnvironmentOfRender(), &m_Environment);
}

TEST_F(DialogueWorkTest, WithoutATextObjectTheWorkEndsAtOnce)
{
    XC_DialogueScriptWork_Dialogue* const pWork = new XC_DialogueScriptWork_Dialogue;
    pWork->SetTarget(nullptr, "Nobody reads this");
    m_Sprite.AddWork(pWork);
    EXPECT_EQ(m_Sprite.GetWorkCount(), 0u);
    EXPECT_TRUE(m_Log.Contains("( m_pRenderStringObj ) failed"));
}

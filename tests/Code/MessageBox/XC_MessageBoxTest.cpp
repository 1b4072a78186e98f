#include "Code/MessageBox/XC_MessageBox.h"

#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "tests/Code/StartedGameFixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// The yes/no box of the started game, on its module stack.
class MessageBoxTest : public StartedGameTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Game.Start());
        ASSERT_EQ(m_Game._ChangeProcedure(GP_None), S_OK);
        m_pBox = std::make_unique<XC_MessageBox>();
        ASSERT_EQ(m_pBox->SetModuleManager(m_Game.GetModuleManager()), S_OK);
        ASSERT_EQ(m_pBox->Init("?", D3DXVECTOR3(0.0f, 0.0f, 0.0f)), S_OK);
    }

    void TearDown() override
    {
        if (m_pBox != nullptr)
            m_pBox->Close();
        m_pBox.reset();
    }

    // The window pixel at the middle of an icon: its place in the frame plus
    // the frame's, its 24-pixel picture drawn from its top left.
    POINT IconCentre(const XC_RenderAnimation* pIcon) const
    {
        const D3DXVECTOR3* const pBox = m_pBox->GetBox()->GetPosition();
        const D3DXVECTOR3* const pIconAt = pIcon->GetPosition();
        return {static_cast<LONG>(400 + pBox->x + pIconAt->x + 12), static_cast<LONG>(300 - (pBox->y + pIconAt->y - 12))};
    }

    // The game's mouse moves onto the point in this frame.
    void MoveTo(POINT point)
    {
        g_pMouseStateObj->SetPosition(static_cast<float>(point.x - 1), static_cast<float>(point.y));
        m_Game.MoveMouseBy(1, 0);
    }

    StartedGame m_Game;
    std::unique_ptr<XC_MessageBox> m_pBox;
};

} // namespace

TEST_F(MessageBoxTest, AnswersOnlyAClickOnAHighlightedIcon)
{
    EXPECT_EQ(m_pBox->GetResult(), 0u) << "no answer yet";
    ASSERT_EQ(m_pBox->Enable(), S_OK);
    m_Game.Frame();

    // The mouse stands on yes without having moved: the click does nothing.
    g_pMouseStateObj->SetPosition(static_cast<float>(IconCentre(m_pBox->GetYesIcon()).x),
                                  static_cast<float>(IconCentre(m_pBox->GetYesIcon()).y));
    m_Game.Press(WM_LBUTTONDOWN);
    m_Game.Frame();
    EXPECT_TRUE(m_pBox->IsActive());
    EXPECT_EQ(m_pBox->GetYesIcon()->GetCurrentPage(), 0u);

    MoveTo(IconCentre(m_pBox->GetYesIcon()));
    m_Game.Frame();
    EXPECT_EQ(m_pBox->GetYesIcon()->GetCurrentPage(), 1u);
    EXPECT_EQ(m_pBox->GetNoIcon()->GetCurrentPage(), 0u);
    m_Game.Press(WM_LBUTTONDOWN);
    m_Game.Frame();
    EXPECT_FALSE(m_pBox->IsActive());
    EXPECT_EQ(m_pBox->GetResult(), 1u);

    // Opened again: both icons dark; no answers 0.
    ASSERT_EQ(m_pBox->Enable(), S_OK);
    m_Game.Frame();
    EXPECT_EQ(m_pBox->GetYesIcon()->GetCurrentPage(), 0u);
    MoveTo(IconCentre(m_pBox->GetNoIcon()));
    m_Game.Frame();
    m_Game.Press(WM_LBUTTONDOWN);
    m_Game.Frame();
    EXPECT_FALSE(m_pBox->IsActive());
    EXPECT_EQ(m_pBox->GetResult(), 0u);
}

TEST_F(MessageBoxTest, ASecondInitReplacesTheBox)
{
    const D3DXVECTOR3 vFirst = *m_pBox->GetBox()->GetPosition();
    ASSERT_EQ(m_pBox->Init("!", D3DXVECTOR3(100.0f, 50.0f, 0.0f)), S_OK);
    // The frame moved back by its anchor from the new position, and holds the
    // new text and icons only.
    EXPECT_FLOAT_EQ(m_pBox->GetBox()->GetPosition()->x, vFirst.x + 100.0f);
    EXPECT_FLOAT_EQ(m_pBox->GetBox()->GetPosition()->y, vFirst.y + 50.0f);
    EXPECT_EQ(m_pBox->GetBox()->GetChildCount(), 3u);
    EXPECT_FLOAT_EQ(vFirst.x, -104.0f) << "the sample box is 208 wide";
}

#include "Code/MessageBox/XC_GameMessageBox.h"

#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "tests/Code/StartedGameFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

namespace {

// The window pixel at the middle of a button's picture: the box is centred
// on its root, so a button stands at its place in the box moved back by the
// box picture's anchor (128, -64), its own picture centred at (32, -12).
POINT ButtonCentre(const XC_RenderAnimation* pButton)
{
    const D3DXVECTOR3* pPosition = pButton->GetPosition();
    return {static_cast<LONG>(400 + pPosition->x - 128 + 32), static_cast<LONG>(300 - (pPosition->y + 64 - 12))};
}

} // namespace

TEST_F(StartedGameTest, MessageBoxButtonsByType)
{
    StartedGame game;
    ASSERT_TRUE(game.Start());
    const ErrorLogCapture log;
    const struct
    {
        UINT uType;
        DWORD dwButtons;
        float fFirstX;
    } types[] = {{MB_OK, 1, 70.0f}, {MB_OKCANCEL, 2, 20.0f}, {MB_ABORTRETRYIGNORE, 3, 0.0f},
                 {MB_YESNOCANCEL, 3, 0.0f}, {MB_YESNO, 2, 20.0f}, {MB_RETRYCANCEL, 2, 20.0f}, {9, 1, 70.0f}};
    for (const auto& type : types) {
        ASSERT_EQ(g_pGameMessageBox->ShowMessage("?", type.uType, D3DXVECTOR3(0.0f, 0.0f, 0.0f)), S_OK);
        EXPECT_EQ(g_pGameMessageBox->GetButtonCount(), type.dwButtons) << type.uType;
        EXPECT_FLOAT_EQ(g_pGameMessageBox->GetButtonAnimation(0)->GetPosition()->x, type.fFirstX) << type.uType;
        EXPECT_EQ(g_pGameMessageBox->GetButtonAnimation(type.dwButtons), nullptr) << type.uType;
        g_pGameMessageBox->Close();
    }
    EXPECT_FLOAT_EQ(g_pGameMessageBox->GetButtonAnimation(0)->GetPosition()->y, -94.0f);
    EXPECT_TRUE(log.Contains("message box type 9"));
}

TEST_F(StartedGameTest, MessageBoxAnswersTheClickedButton)
{
    StartedGame game;
    ASSERT_TRUE(game.Start());
    ASSERT_EQ(game._ChangeProcedure(GP_None), S_OK);
    ASSERT_EQ(g_pGameMessageBox->ShowMessage("?", MB_YESNO, D3DXVECTOR3(0.0f, 0.0f, 0.0f)), S_OK);
    game.Frame();
    const POINT yes = ButtonCentre(g_pGameMessageBox->GetButtonAnimation(0));
    const POINT no = ButtonCentre(g_pGameMessageBox->GetButtonAnimation(1));

    // Hovering lights the button up; moving off before the click answers nothing.
    g_pMouseStateObj->SetPosition(static_cast<float>(yes.x), static_cast<float>(yes.y));
    game.Frame();
    EXPECT_EQ(g_pGameMessageBox->GetResult(), IDYES);
    EXPECT_EQ(g_pGameMessageBox->GetButtonAnimation(0)->GetCurrentPage(), 1u);
    g_pMouseStateObj->SetPosition(700.0f, 50.0f);
    game.Press(WM_LBUTTONDOWN);
    game.Frame();
    EXPECT_EQ(g_pGameMessageBox->GetResult(), -1);
    EXPECT_TRUE(g_pGameMessageBox->IsActive());

    g_pMouseStateObj->SetPosition(static_cast<float>(no.x), static_cast<float>(no.y));
    game.Press(WM_LBUTTONDOWN);
    game.Frame();
    EXPECT_FALSE(g_pGameMessageBox->IsActive());
    EXPECT_EQ(g_pGameMessageBox->GetResult(), IDNO);
}

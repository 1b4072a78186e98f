#include "JC_Module/JC_State/View/JC_StateModuleViewBase.h"

#include "JC_Module/JC_State/View/JC_StateModuleView0.h"
#include "JC_Module/JC_State/View/JC_StateModuleView1.h"
#include "JC_Module/JC_State/View/JC_StateModuleView2.h"
#include "JC_Module/JC_State/View/JC_StateModuleView3.h"

#include "tests/JC_Module/JC_State/StateScreenFixture.h"

#include <gtest/gtest.h>

TEST_F(StateScreen, EachViewRefusesModesItHasNotAndANullPersonControl)
{
    const struct
    {
        int iView;
        int iLastMode;
        DWORD dwModeCode;
        DWORD dwNullPersonCode;
    } cases[] = {
        {0, 1, JE_STATEMODULEVIEW0_VIEW_MODE_NOT_SUPPORT, JE_STATEMODULEVIEW0_NULL_CONTROL_PERSON},
        {1, 0, JE_STATEMODULEVIEW1_VIEW_MODE_NOT_SUPPORT, JE_STATEMODULEVIEW1_NULL_CONTROL_PERSON},
        {2, 1, JE_STATEMODULEVIEW2_VIEW_MODE_NOT_SUPPORT, 0x8a022031},
        {3, 0, JE_STATEMODULEVIEW3_VIEW_MODE_NOT_SUPPORT, JE_STATEMODULEVIEW3_NULL_CONTROL_PERSON},
    };
    JC_StateModuleDocument document;
    Open(document, 0);
    for (const auto& c : cases) {
        auto* const pView = static_cast<JC_StateModuleViewBase*>(document.GetView(c.iView));
        const int iMode = pView->GetViewMode();
        for (const int iBad : {-1, c.iLastMode + 1})
            EXPECT_EQ(pView->SetViewMode(iBad), c.dwModeCode) << c.iView << " " << iBad;
        EXPECT_EQ(pView->GetViewMode(), iMode) << c.iView;
        EXPECT_EQ(pView->SetControlPerson(nullptr), c.dwNullPersonCode) << c.iView;
    }
    EXPECT_TRUE(Logged(" StateModuleView2 SetViewMode ViewMode NotSupport. \r\n ViewMode:0x00000002")) << LogText();
    document.Close();
}

TEST_F(StateScreen, AnUpdateWhileClosedWaitsForTheNextOpening)
{
    JC_StateModuleDocument document;
    Open(document, 0);
    auto* const pFrame = static_cast<JC_StateModuleView0*>(document.GetView(0));
    ASSERT_EQ(document.SetDocumentMode(0), 0u);
    EXPECT_EQ(pFrame->Update(), 0u);
    EXPECT_EQ(pFrame->IsUpdatePending(), TRUE);
    ASSERT_EQ(document.SetDocumentMode(1), 0u);
    EXPECT_EQ(pFrame->IsUpdatePending(), FALSE);
    document.Close();
}

TEST_F(StateScreen, AMissingFaceEndsTheFrameUpdateWithTheUpdateStillPending)
{
    JC_StateModuleDocument document;
    Open(document, 0);
    ASSERT_EQ(Team().AddPersonToTeamFromFixedData(TeamID::TEAMID_OUR, 7, GOBLIN), 0u);
    ASSERT_EQ(document.SetOperatePerson(Person(7)), 0u);
    auto* const pFrame = static_cast<JC_StateModuleView0*>(document.GetView(0));
    ASSERT_EQ(document.SetDocumentMode(0), 0u);
    pFrame->Update();
    ASSERT_EQ(document.SetDocumentMode(1), 0u);
    EXPECT_EQ(pFrame->IsUpdatePending(), TRUE);
    EXPECT_TRUE(Logged(" StateModuleView0 Update Fail.. \r\n FaceFilePathName:face\\F000b")) << LogText();
    document.Close();
}

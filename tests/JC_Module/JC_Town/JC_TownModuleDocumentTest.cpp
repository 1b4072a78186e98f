#include "JC_Module/JC_Town/JC_TownModuleDocument.h"

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "JC_DataManager/Control/JC_ControlGame.h"
#include "JC_DataManager/Control/JC_ControlWorldMap.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView0.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView3.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView4.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView8.h"
#include "JC_Script/JC_ScriptManager.h"

#include "tests/JC_Module/JC_Town/TownScreenFixture.h"

#include <gtest/gtest.h>

using Mode = JC_TownModuleDocument::JE_Mode;
using View = JC_TownModuleDocument::JE_View;

TEST_F(TownScreen, ModesOpenTheirViewsAndTheQuantityModeChangesOnlyTheInputRow)
{
    JC_TownModuleDocument document;
    Open(document);
    EXPECT_EQ(document.GetDocumentMode(), Mode::MODE_MENU);
    EXPECT_EQ(document.GetView(View::VIEW_MENU)->IsOpen(), TRUE);
    EXPECT_EQ(document.GetView(View::VIEW_MENU)->IsViewActive(), TRUE);

    ASSERT_EQ(document.SetDocumentMode(Mode::MODE_SHOP), 0u);
    EXPECT_EQ(document.GetView(View::VIEW_MENU)->IsOpen(), FALSE);
    auto* const pGoods = View<JC_TownModuleView4>(document, View::VIEW_GOODS);
    // The sell list would go back to buying if the list were closed and opened.
    ASSERT_EQ(pGoods->SetViewMode(JC_TownModuleView4::MODE_SELL), 0u);
    for (const int iMode : {Mode::MODE_SHOP_QUANTITY, Mode::MODE_SHOP}) {
        ASSERT_EQ(document.SetDocumentMode(iMode), 0u);
        for (int i = View::VIEW_SELLER; i <= View::VIEW_COMPARE; ++i) {
            EXPECT_EQ(document.GetView(i)->IsOpen(), TRUE) << i;
            EXPECT_EQ(document.GetView(i)->IsViewActive(), iMode == Mode::MODE_SHOP || i == View::VIEW_GOODS) << i;
        }
        EXPECT_EQ(pGoods->GetViewMode(), JC_TownModuleView4::MODE_SELL);
    }

    for (const int iMode : {-1, 6}) {
        EXPECT_EQ(document.SetDocumentMode(iMode), JE_TOWNMODULEDOCUMENT_MODE_NOT_SUPPORT) << iMode;
        EXPECT_EQ(document.GetDocumentMode(), Mode::MODE_SHOP);
    }
    EXPECT_TRUE(Logged(" TownModuleDocument SetDocumentMode DocumentMode NotSupport. \r\n DocumentMode:0x00000006"))
        << LogText();
    for (const int iView : {10, -4})
        EXPECT_EQ(document.UpdateView(iView), JE_TOWNMODULEDOCUMENT_VIEW_INDEX_NOT_SUPPORT) << iView;
    document.Close();
}

TEST_F(TownScreen, TheRightButtonReturnsToTheMenuFromTheShopAndFromMergingOnly)
{
    const struct
    {
        int iMode;
        int iAfter;
    } cases[] = {
        {Mode::MODE_MENU, Mode::MODE_MENU},          {Mode::MODE_SHOP, Mode::MODE_MENU},
        {Mode::MODE_SHOP_QUANTITY, Mode::MODE_SHOP_QUANTITY}, {Mode::MODE_MERGE, Mode::MODE_MENU},
        {Mode::MODE_MERGE_LIST, Mode::MODE_MERGE_LIST},
    };
    JC_TownModuleDocument document;
    Open(document);
    for (const auto& c : cases) {
        ASSERT_EQ(document.SetDocumentMode(c.iMode), 0u);
        EXPECT_EQ(document.MsgProc(nullptr, WM_RBUTTONDOWN, 0, 0), 1);
        EXPECT_EQ(document.GetDocumentMode(), c.iAfter) << c.iMode;
        EXPECT_EQ(document.IsViewsReady(), TRUE) << "the right button never closes the town";
    }
    document.Close();
}

TEST_F(TownScreen, LeavingAndEquippingCloseTheTownWithTheirDocumentEvent)
{
    const struct
    {
        int iView;
        DWORD dwViewEvent;
        DWORD dwDocumentEvent;
    } cases[] = {
        {View::VIEW_MENU, JC_TownModuleView0::EVENT_LEAVE, JC_TownModuleDocument::EVENT_LEFT},
        {View::VIEW_BUTTONS, JC_TownModuleView3::EVENT_EQUIP, JC_TownModuleDocument::EVENT_EQUIP},
    };
    JC_TownModuleDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    for (const auto& c : cases) {
        ASSERT_EQ(document.Enable(), S_OK);
        ASSERT_EQ(document.SetDocumentMode(c.iView == View::VIEW_MENU ? Mode::MODE_MENU : Mode::MODE_SHOP), 0u);
        EXPECT_EQ(document.DealViewEvent(c.iView, c.dwViewEvent), 0u);
        EXPECT_EQ(document.GetDocumentEvent(), c.dwDocumentEvent);
        EXPECT_EQ(document.IsViewsReady(), FALSE);
        EXPECT_EQ(document.GetView(View::VIEW_MENU), nullptr) << "the views are destroyed on closing";
    }
}

TEST_F(TownScreen, MenuLinesFollowThePlaceAndLeavingRunsTheExitScriptOnce)
{
    const DWORD GREY = 0xFFA0A0A0;
    const DWORD WHITE = 0xFFFFFFFF;
    WorldMap().SetPlaceHaveShop(1, 0);
    JC_TownModuleDocument document;
    Open(document);
    auto* const pMenu = View<JC_TownModuleView0>(document, View::VIEW_MENU);
    const struct
    {
        int iLine;
        DWORD dwColor;
        BOOL bFrame;
    } lines[] = {{0, WHITE, TRUE}, {1, GREY, FALSE}, {2, WHITE, TRUE}, {5, WHITE, TRUE}};
    for (const auto& line : lines) {
        EXPECT_EQ(TextColor(pMenu->GetString(JC_TownModuleView0::ITEM_LINE_T + line.iLine)), line.dwColor)
            << line.iLine;
        EXPECT_EQ(pMenu->GetAnimation(JC_TownModuleView0::ITEM_LINE_BK + line.iLine)->GetShow(), line.bFrame)
            << line.iLine;
    }
    for (const int iLine : {3, 4})
        EXPECT_EQ(pMenu->GetString(JC_TownModuleView0::ITEM_LINE_T + iLine)->GetShow(), FALSE) << iLine;

    // The plaza lists the passers by name and offers the way back.
    ASSERT_EQ(pMenu->SetViewMode(JC_TownModuleView0::MODE_PLAZA), 0u);
    ASSERT_EQ(pMenu->Update(), 0u);
    for (int iLine = 0; iLine < JC_TownModuleView0::LINE_COUNT; ++iLine)
        EXPECT_EQ(pMenu->GetAnimation(JC_TownModuleView0::ITEM_LINE_BK + iLine)->GetShow(),
                  iLine < 2 || iLine == JC_TownModuleView0::LINE_BACK)
            << iLine;
    EXPECT_EQ(pMenu->SetViewMode(2), JE_TOWNMODULEVIEW0_VIEW_MODE_NOT_SUPPORT);
    document.Close();
}

TEST_F(TownScreen, AnExitScriptRunsOnceAndOneThatFailsToLoadKeepsTheTownOpen)
{
    JC_TownModuleDocument document;
    Open(document);
    auto* const pMenu = View<JC_TownModuleView0>(document, View::VIEW_MENU);

    WorldMap().SetPlaceExitScriptName(1, "Missing.txt");
    EXPECT_NE(pMenu->ChooseLine(JC_TownModuleView0::LINE_BACK), 1u);
    EXPECT_TRUE(Logged("Missing.txt")) << LogText();
    EXPECT_EQ(WorldMap().GetPlaceExitScriptName(1), "");
    EXPECT_EQ(document.IsViewsReady(), TRUE);
    // The next click finds the name cleared and leaves at once.
    pMenu->ClearViewEvent();
    EXPECT_EQ(pMenu->ChooseLine(JC_TownModuleView0::LINE_BACK), 1u);
    EXPECT_EQ(pMenu->GetViewEvent(), static_cast<DWORD>(JC_TownModuleView0::EVENT_LEAVE));

    ASSERT_TRUE(WriteTestFile(GamePath("Script\\Exit.txt"), "Set,FlagEvent,10,1\n"));
    WorldMap().SetPlaceExitScriptName(1, "Exit.txt");
    EXPECT_EQ(pMenu->ChooseLine(JC_TownModuleView0::LINE_BACK), 1u);
    EXPECT_EQ(gp_ScriptManagerObj->GetScriptCount(), 1u);
    EXPECT_EQ(WorldMap().GetPlaceExitScriptName(1), "");
    EXPECT_EQ(pMenu->ChooseLine(JC_TownModuleView0::LINE_BACK), 1u);
    EXPECT_EQ(gp_ScriptManagerObj->GetScriptCount(), 1u) << "the script is loaded once";
    document.Close();
}

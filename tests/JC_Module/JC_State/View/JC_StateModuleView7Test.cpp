#include "JC_Module/JC_State/View/JC_StateModuleView7.h"

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlGame.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "JC_Module/JC_State/View/JC_StateModuleView8.h"
#include "JC_Module/JC_State/View/JC_StateModuleView9.h"

#include "tests/JC_Module/JC_State/StateScreenFixture.h"

#include <gtest/gtest.h>

TEST(JC_StateModuleView7, AStackIsPaddedToElevenFullWidthPlacesByItsByteLength)
{
    const std::string BLANK = "　";
    auto blanks = [&BLANK](int iCount) {
        std::string strText;
        for (int i = 0; i < iCount; ++i)
            strText += BLANK;
        return strText;
    };
    // The names are CP950: two bytes a full-width character.
    const std::string HERB = "藥草";
    ASSERT_EQ(HERB.size(), 4u);
    const struct
    {
        std::string strName;
        DWORD dwCount;
        std::string strRow;
    } cases[] = {
        {HERB, 1, HERB},
        {HERB, 0, HERB},
        {HERB, 7, HERB + blanks(9) + "X 7"},
        {HERB, 99, HERB + blanks(9) + "X99"},
        // An odd byte length rounds toward zero.
        {"abc", 2, "abc" + blanks(10) + "X 2"},
        {std::string(22, 'a'), 3, std::string(22, 'a') + "X 3"},
        {std::string(30, 'a'), 3, std::string(30, 'a') + "X 3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JC_StateModuleView7::RowName(c.strName, c.dwCount), c.strRow) << c.strName << " " << c.dwCount;
}

class StateInventory : public StateScreen
{
protected:
    static const JC_ControlWarehouse& Warehouse() { return gp_ControlManagerObj->m_ControlWarehouseObj; }
    static JC_ControlGame& Game() { return gp_ControlManagerObj->m_ControlGameObj; }
    void OpenInventory(JC_StateModuleDocument& document)
    {
        Open(document, 0);
        ASSERT_EQ(document.DealViewEvent(2, 1), 0u);
        ASSERT_EQ(document.GetDocumentMode(), 3);
        m_pView = static_cast<JC_StateModuleView7*>(document.GetView(7));
    }

    JC_StateModuleView7* m_pView = nullptr;
};

TEST_F(StateInventory, PagesHoldTenDrawersAndTurnRound)
{
    const struct
    {
        int iDrawers;
        DWORD dwTurns;
        int iPageAfterNext;
        int iSecondPageRows;
    } cases[] = {{0, 0, 0, 0}, {10, 1, 0, 10}, {11, 1, 1, 1}};
    for (const auto& c : cases) {
        ASSERT_EQ(Warehouse().EmptyWarehouse(2), 0u);
        for (int i = 1; i <= c.iDrawers; ++i)
            ASSERT_EQ(Warehouse().AddThing(2, static_cast<DWORD>(i), 1), 0u) << LogText();
        JC_StateModuleDocument document;
        OpenInventory(document);
        EXPECT_EQ(m_pView->GetWarehouse(), 2);
        EXPECT_EQ(m_pView->NextPage(), c.dwTurns) << c.iDrawers;
        EXPECT_EQ(m_pView->GetPage(), c.iPageAfterNext) << c.iDrawers;
        ASSERT_EQ(m_pView->ShowPage(), 0u);
        int iRows = 0;
        for (int r = 0; r < JC_StateModuleView7::ROW_COUNT; ++r)
            iRows += m_pView->GetRowName(r).empty() ? 0 : 1;
        EXPECT_EQ(iRows, c.iSecondPageRows) << c.iDrawers;
        EXPECT_EQ(m_pView->PrevPage(), c.dwTurns);
        EXPECT_EQ(m_pView->GetPage(), 0);
        document.Close();
    }
}

TEST_F(StateInventory, TheGoldShowsNinePlaces)
{
    const struct
    {
        int iMoney;
        const char* szShown;
        int iMoneyAfter;
    } cases[] = {{123456, "   123456", 123456}, {99999999, " 99999999", 99999999}};
    JC_StateModuleDocument document;
    OpenInventory(document);
    for (const auto& c : cases) {
        ASSERT_EQ(gp_DataManagerObj->GetGameDataComponent()->SetItemValueAt("Money", 0, &c.iMoney), 0u);
        ASSERT_EQ(m_pView->ShowGold(), 0u);
        EXPECT_EQ(m_pView->GetGoldText(), c.szShown) << c.iMoney;
        EXPECT_EQ(Game().GetMoney(), c.iMoneyAfter) << c.iMoney;
    }
    // The game's own add path stops at the limit.
    Game().SetMoney(99999990);
    Game().AddMoney(10000);
    ASSERT_EQ(m_pView->ShowGold(), 0u);
    EXPECT_EQ(m_pView->GetGoldText(), " 99999999");
    document.Close();
}

// A game whose template leaves the money's range open can hold more than the
// box shows, or less than nothing: the money is reset and the box shows what
// the record holds after the reset.
TEST_F(StateInventory, TheGoldShowsTheMoneyAfterItsReset)
{
    JF_Destroy();
    const std::string strTemplate = GamePath("Template\\Template\\Game.temp");
    std::string strText = ReadTestFile(strTemplate);
    const std::string strRange = "@MinMax \"0~99999999\"";
    const size_t uRange = strText.find(strRange);
    ASSERT_NE(uRange, std::string::npos);
    ASSERT_TRUE(WriteTestFile(strTemplate, strText.replace(uRange, strRange.size(), "@MinMax \"\"")));
    ASSERT_EQ(JF_Build(GamePath("")), 0u) << LogText();
    ASSERT_EQ(Team().EmptyTeam(TeamID::TEAMID_OUR), 0u);
    AddToParty(0, HERO);
    JC_StateModuleDocument document;
    OpenInventory(document);
    for (const int iMoney : {100000000, 0x7FFFFFFF, -5}) {
        ASSERT_EQ(gp_DataManagerObj->GetGameDataComponent()->SetItemValueAt("Money", 0, &iMoney), 0u) << iMoney;
        ASSERT_EQ(m_pView->ShowGold(), 0u);
        EXPECT_EQ(m_pView->GetGoldText(), "        0") << iMoney;
        EXPECT_EQ(RecordedMoney(), 0) << iMoney;
    }
    // Within the limit nothing is reset.
    const int iMoney = 5000;
    ASSERT_EQ(gp_DataManagerObj->GetGameDataComponent()->SetItemValueAt("Money", 0, &iMoney), 0u);
    ASSERT_EQ(m_pView->ShowGold(), 0u);
    EXPECT_EQ(m_pView->GetGoldText(), "     5000");
    document.Close();
}

TEST_F(StateInventory, TabsChooseTheWarehouseAndStartAtTheFirstPage)
{
    JC_StateModuleDocument document;
    OpenInventory(document);
    const int WAREHOUSES[] = {2, 3, 4, 1};
    for (int i = 0; i < JC_StateModuleView7::TAB_COUNT; ++i) {
        ASSERT_EQ(m_pView->SelectTab(JC_StateModuleView7::ITEM_FIRST_TAB + i), 0u);
        EXPECT_EQ(m_pView->GetWarehouse(), WAREHOUSES[i]);
        EXPECT_EQ(m_pView->IsGemTab(), i == 3);
        EXPECT_EQ(m_pView->GetPage(), 0);
    }
    EXPECT_EQ(m_pView->SetViewMode(3), JE_STATEMODULEVIEW7_VIEW_MODE_NOT_SUPPORT);
    document.Close();
}

TEST_F(StateInventory, ThrowingAwayTakesPartOrAllOfADrawerAndRefusesMore)
{
    ASSERT_EQ(Warehouse().EmptyWarehouse(2), 0u);
    ASSERT_EQ(Warehouse().AddThing(2, 1, 5), 0u);
    ASSERT_EQ(Warehouse().AddThing(2, 2, 3), 0u);
    JC_StateModuleDocument document;
    OpenInventory(document);
    auto count = [](int iDrawer) {
        return Warehouse().GetDrawerObjInfo_ThingCount(Warehouse().GetDrawerObj(2, iDrawer));
    };
    EXPECT_EQ(m_pView->ThrowAway(2, 0, 2), 0u);
    EXPECT_EQ(count(0), 3u);
    for (const int iCount : {4, -1, 100})
        EXPECT_EQ(m_pView->ThrowAway(2, 0, iCount), JE_STATEMODULEVIEW7_COUNT_NOT_HELD) << iCount;
    EXPECT_EQ(count(0), 3u);
    EXPECT_EQ(m_pView->ThrowAway(2, 0, 0), 0u);
    EXPECT_EQ(count(0), 3u);
    EXPECT_EQ(m_pView->ThrowAway(2, 0, 3), 0u);
    ASSERT_EQ(Warehouse().HowManyDrawerInWarehouse(2), 1);
    EXPECT_EQ(count(0), 3u);
    EXPECT_EQ(m_pView->ThrowAway(2, 5, 1), JE_STATEMODULEVIEW7_COUNT_NOT_HELD);
    EXPECT_TRUE(Logged("StateModuleView7 ThrowAway CountNotHeld")) << LogText();
    document.Close();
}

TEST_F(StateInventory, TheQuantityDigitsWrapAndOKClampsToTheDrawer)
{
    ASSERT_EQ(Warehouse().EmptyWarehouse(2), 0u);
    ASSERT_EQ(Warehouse().AddThing(2, 1, 3), 0u);
    JC_StateModuleDocument document;
    OpenInventory(document);
    auto* const pBox = static_cast<JC_StateModuleView8*>(document.GetView(8));
    int iCount = -1;
    BOOL bWhole = 1;
    ASSERT_EQ(pBox->SetThingInfo(2, 0), 0u);
    EXPECT_EQ(pBox->GetMaximumCount(), 3);
    pBox->GetThingCount(iCount, bWhole);
    EXPECT_EQ(iCount, 1);
    EXPECT_EQ(bWhole, FALSE);
    // Units: 1 → 0 → 9; tens: 0 → 9 → 0.
    const struct
    {
        bool bTens;
        int iStep;
        int iCount;
    } steps[] = {{false, -1, 0}, {false, -1, 9}, {true, 1, 19}, {true, -1, 9}, {true, -1, 99}, {true, 1, 9},
                 {false, 1, 0},  {false, 1, 1},  {true, 1, 11}};
    for (const auto& step : steps) {
        if (step.bTens)
            pBox->AddTensDigit(step.iStep);
        else
            pBox->AddUnitsDigit(step.iStep);
        pBox->GetThingCount(iCount, bWhole);
        EXPECT_EQ(iCount, step.iCount);
        EXPECT_EQ(pBox->GetCountColor(), step.iCount > 3 ? JC_StateModuleView8::WARNING : 0xFFFFFFFF) << step.iCount;
    }
    // 11 of 3: OK clamps to 3 and keeps the box; a second OK takes it.
    EXPECT_EQ(pBox->ConfirmCount(), 0u);
    pBox->GetThingCount(iCount, bWhole);
    EXPECT_EQ(iCount, 3);
    EXPECT_EQ(bWhole, TRUE);
    EXPECT_EQ(pBox->ConfirmCount(), 1u);
    EXPECT_EQ(pBox->GetViewEvent(), static_cast<DWORD>(JC_StateModuleView8::EVENT_OK));
    EXPECT_EQ(pBox->SetViewMode(1), JE_STATEMODULEVIEW8_VIEW_MODE_NOT_SUPPORT);
    document.Close();
}

TEST_F(StateInventory, TheMenuHidesAnEmptyChoiceAndRefusesChoicesOutsideIt)
{
    JC_StateModuleDocument document;
    OpenInventory(document);
    auto* const pMenu = static_cast<JC_StateModuleView9*>(document.GetView(9));
    ASSERT_EQ(pMenu->SetSelectInfo(0, "first"), 0u);
    ASSERT_EQ(pMenu->SetSelectInfo(2, "third"), 0u);
    for (const int iIndex : {3, -1})
        EXPECT_EQ(pMenu->SetSelectInfo(iIndex, "x"), JE_STATEMODULEVIEW9_SELECT_INDEX_OVERFLOW) << iIndex;
    // Set while closed, shown at the opening.
    ASSERT_EQ(pMenu->Update(), 0u);
    ASSERT_EQ(pMenu->OpenView(), 0u);
    const bool bShown[] = {true, false, true};
    for (int i = 0; i < JC_StateModuleView9::CHOICE_COUNT; ++i) {
        EXPECT_EQ(pMenu->GetString(JC_StateModuleView9::ITEM_FIRST_TEXT + i)->GetShow() != 0, bShown[i]) << i;
        EXPECT_EQ(pMenu->GetAnimation(JC_StateModuleView9::ITEM_FIRST_BUTTON + i)->GetShow() != 0, bShown[i]) << i;
    }
    pMenu->CloseView();
    document.Close();
}

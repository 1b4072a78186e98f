#include "JC_Module/JC_Town/JC_TownModuleDocument.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView0.h"

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "JC_DataManager/Control/JC_ControlGame.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView2.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView3.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView4.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView7.h"
#include "TemplateSystem/JC_DataComponent.h"

#include "tests/JC_Module/JC_Town/TownScreenFixture.h"

#include <gtest/gtest.h>

using Mode = JC_TownModuleDocument::JE_Mode;
using View = JC_TownModuleDocument::JE_View;
using Goods = JC_TownModuleView4;
using Dialog = JC_TownModuleView7;

namespace {

const int TAB_TOOLS = 0;
const int TAB_WEAPONS = 1;
const int TAB_ARMOUR = 2;
const int TAB_GEMS = 3;

} // namespace

// The town open in its shop, buying from the goods list.
class TownShop : public TownScreen
{
protected:
    void OpenShop()
    {
        Open(m_Document);
        ASSERT_EQ(m_Document.DealViewEvent(View::VIEW_MENU, JC_TownModuleView0::EVENT_SHOP), 0u);
        ASSERT_EQ(m_Document.GetDocumentMode(), Mode::MODE_SHOP);
    }
    Goods* GoodsList() const { return View<Goods>(m_Document, View::VIEW_GOODS); }
    Dialog* QuantityDialog() const { return View<Dialog>(m_Document, View::VIEW_QUANTITY); }
    // The list on a tab with its first row selected, and the dialog opened on it.
    void ChooseFirstRow(int iTab, int iListMode)
    {
        ASSERT_EQ(GoodsList()->SetViewMode(iListMode), 0u);
        GoodsList()->SetTab(iTab);
        ASSERT_EQ(GoodsList()->RefreshList(), 0u);
        GoodsList()->SelectRow(0);
        ASSERT_EQ(GoodsList()->HasSelection(), TRUE);
        ASSERT_EQ(m_Document.DealViewEvent(View::VIEW_GOODS, Goods::EVENT_CHOSEN), 0u);
        ASSERT_EQ(m_Document.GetDocumentMode(), Mode::MODE_SHOP_QUANTITY);
    }
    LRESULT PressKey(WPARAM wKey) { return m_Document.MsgProc(nullptr, WM_KEYUP, wKey, 0); }
    static JC_DataComponent* Shop() { return gp_DataManagerObj->GetShopObj(1); }
    static void SetSaleList(const char* szKind, const std::vector<DWORD>& ids)
    {
        const JC_DWordArray list(ids.begin(), ids.end());
        ASSERT_EQ(Shop()->SetItemValue(szKind, &list), 0u) << szKind;
    }

    JC_TownModuleDocument m_Document;
};

TEST_F(TownShop, GoldAbove99999999IsStoredBackAndShownInNinePlaces)
{
    Game().SetMoney(100000000);
    OpenShop();
    auto* const pGold = View<JC_TownModuleView2>(m_Document, View::VIEW_GOLD);
    EXPECT_EQ(Game().GetMoney(), 99999999);
    EXPECT_EQ(pGold->GetString(JC_TownModuleView2::ITEM_GOLD_T)->GetWordCount(), 9u);
    EXPECT_EQ(pGold->SetViewMode(1), JE_TOWNMODULEVIEW2_VIEW_MODE_NOT_SUPPORT);
    m_Document.Close();
}

TEST_F(TownShop, TheToggleSwitchesTheListAndTwicePressedIsBackToBuying)
{
    OpenShop();
    auto* const pButtons = View<JC_TownModuleView3>(m_Document, View::VIEW_BUTTONS);
    for (const int iState : {JC_TownModuleView3::STATE_SELL, JC_TownModuleView3::STATE_BUY}) {
        EXPECT_EQ(pButtons->Toggle(), 1u);
        EXPECT_EQ(pButtons->GetViewEvent(), static_cast<DWORD>(JC_TownModuleView3::EVENT_TOGGLE));
        pButtons->ClearViewEvent();
        EXPECT_EQ(m_Document.DealViewEvent(View::VIEW_BUTTONS, JC_TownModuleView3::EVENT_TOGGLE), 0u);
        EXPECT_EQ(pButtons->GetBuySellState(), iState);
        EXPECT_EQ(pButtons->GetAnimation(JC_TownModuleView3::ITEM_BUY_SELL)->GetCurrentPage(),
                  iState == JC_TownModuleView3::STATE_SELL ? 1u : 0u);
        EXPECT_EQ(GoodsList()->GetViewMode(), iState == JC_TownModuleView3::STATE_SELL ? Goods::MODE_SELL : Goods::MODE_BUY);
    }
    // Left in sell, the shop reopens in buy with its toggle.
    pButtons->Toggle();
    m_Document.DealViewEvent(View::VIEW_BUTTONS, JC_TownModuleView3::EVENT_TOGGLE);
    ASSERT_EQ(m_Document.MsgProc(nullptr, WM_RBUTTONDOWN, 0, 0), 1);
    ASSERT_EQ(m_Document.DealViewEvent(View::VIEW_MENU, JC_TownModuleView0::EVENT_SHOP), 0u);
    EXPECT_EQ(pButtons->GetBuySellState(), JC_TownModuleView3::STATE_BUY);
    EXPECT_EQ(GoodsList()->GetViewMode(), Goods::MODE_BUY);
    m_Document.Close();
}

TEST_F(TownShop, PagesWrapAroundAndAnEmptyListKeepsPageZero)
{
    std::vector<DWORD> tools;
    for (int i = 0; i < 25; ++i)
        tools.push_back(1 + i % 4);
    SetSaleList("SaleTool", tools);
    SetSaleList("SaleGem", {});
    OpenShop();
    Goods* const pGoods = GoodsList();
    const struct
    {
        DWORD (Goods::*pfnStep)();
        int iPage;
    } steps[] = {{&Goods::NextPage, 1}, {&Goods::NextPage, 2}, {&Goods::NextPage, 0}, {&Goods::PrevPage, 2}};
    for (const auto& step : steps) {
        EXPECT_EQ((pGoods->*step.pfnStep)(), 1u);
        EXPECT_EQ(pGoods->GetPage(), step.iPage);
    }
    ASSERT_EQ(pGoods->RefreshList(), 0u);
    for (int r = 0; r < Goods::ROW_COUNT; ++r)
        EXPECT_EQ(pGoods->GetEntry(r).iListIndex, r < 5 ? 20 + r : -1) << r;

    pGoods->SetTab(TAB_GEMS);
    EXPECT_EQ(pGoods->GetPage(), 0);
    EXPECT_EQ(pGoods->NextPage(), 0u);
    EXPECT_EQ(pGoods->PrevPage(), 0u);
    ASSERT_EQ(pGoods->RefreshList(), 0u);
    for (int r = 0; r < Goods::ROW_COUNT; ++r)
        EXPECT_EQ(pGoods->GetEntry(r).iListIndex, -1) << r;
    pGoods->SelectRow(0);
    EXPECT_EQ(pGoods->HasSelection(), FALSE) << "an empty row is no selection";
    m_Document.Close();
}

TEST_F(TownShop, TheQuantityLimitsNeverGoBelowZeroOrAboveAStack)
{
    const struct
    {
        const char* szCase;
        int iTab;
        int iWarehouse;
        int iHeldStacks;
        int iListMode;
        int iMaxCount;
    } cases[] = {
        {"99 tools held", TAB_TOOLS, 2, 99, Goods::MODE_BUY_QUANTITY, 0},
        {"120 tools held", TAB_TOOLS, 2, 120, Goods::MODE_BUY_QUANTITY, 0},
        {"300 weapons held", TAB_WEAPONS, 3, 300, Goods::MODE_BUY_QUANTITY, 0},
        {"150 weapons held", TAB_WEAPONS, 3, 150, Goods::MODE_BUY_QUANTITY, 99},
        {"one armour sold of three", TAB_ARMOUR, 4, 3, Goods::MODE_SELL_QUANTITY, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szCase);
        for (int iWarehouse = 1; iWarehouse <= 4; ++iWarehouse)
            Warehouse().EmptyWarehouse(iWarehouse);
        Open(m_Document);
        m_Document.DealViewEvent(View::VIEW_MENU, JC_TownModuleView0::EVENT_SHOP);
        const DWORD dwThingID = GoodsList()->GetControlShop().GetSaleThingID(c.iTab == TAB_TOOLS ? 1 : c.iTab + 1, 0);
        const bool bOneADrawer = c.iWarehouse != 2;
        for (int i = 0; i < (bOneADrawer ? c.iHeldStacks : 1); ++i) {
            ASSERT_EQ(Warehouse().AddThing(c.iWarehouse, dwThingID, bOneADrawer ? 1 : std::min(c.iHeldStacks, 99)), 0u);
        }
        if (!bOneADrawer && c.iHeldStacks > 99) {
            ASSERT_EQ(Warehouse().AddThing(c.iWarehouse, dwThingID, c.iHeldStacks - 99), 0u);
        }
        ChooseFirstRow(c.iTab, c.iListMode == Goods::MODE_BUY_QUANTITY ? Goods::MODE_BUY : Goods::MODE_SELL);
        EXPECT_EQ(GoodsList()->GetViewMode(), c.iListMode);
        EXPECT_EQ(QuantityDialog()->IsOpen(), TRUE);
        EXPECT_EQ(QuantityDialog()->GetMaxCount(), c.iMaxCount);
        m_Document.Close();
    }
}

TEST_F(TownShop, RowTextsPadNamesShorterThan18Bytes)
{
    const struct
    {
        std::string strName;
        int iSpaces;
    } cases[] = {{"鐵劍", 7}, {"abcdefghijklmnopq", 0}, {"abcdefghijklmnop", 1}, {"abcdefghijklmnopqr", 0},
                 {"abcdefghijklmnopqrstu", 0}, {"", 9}};
    for (const auto& c : cases) {
        std::string strExpected = c.strName;
        for (int i = 0; i < c.iSpaces; ++i)
            strExpected += "　";
        EXPECT_EQ(Goods::RowText(c.strName, 15), strExpected + "Ｓ15") << c.strName;
    }
}

TEST_F(TownShop, AConfirmedCountBuysAndSellsAndZeroDoesNothing)
{
    for (int iWarehouse = 1; iWarehouse <= 4; ++iWarehouse)
        Warehouse().EmptyWarehouse(iWarehouse);
    Game().SetMoney(1000);
    OpenShop();
    const DWORD dwThingID = GoodsList()->GetControlShop().GetSaleThingID(1, 0);
    const int iPrice = GoodsList()->GetControlShop().GetSaleThingBuyCost(1, 0);

    ChooseFirstRow(TAB_TOOLS, Goods::MODE_BUY);
    QuantityDialog()->AddUnits(1);
    EXPECT_EQ(PressKey('Y'), 1);
    EXPECT_EQ(m_Document.GetDocumentMode(), Mode::MODE_SHOP);
    EXPECT_EQ(GoodsList()->GetViewMode(), Goods::MODE_BUY);
    EXPECT_EQ(QuantityDialog()->IsOpen(), FALSE);
    EXPECT_EQ(Game().GetMoney(), 1000 - 2 * iPrice);
    EXPECT_EQ(Warehouse().HowManyThingInWarehouse(2, dwThingID, 0), 2);

    ChooseFirstRow(TAB_TOOLS, Goods::MODE_BUY);
    QuantityDialog()->AddUnits(-1);
    EXPECT_EQ(PressKey('Y'), 1);
    EXPECT_EQ(m_Document.GetDocumentMode(), Mode::MODE_SHOP);
    EXPECT_EQ(Game().GetMoney(), 1000 - 2 * iPrice) << "a count of 0 buys nothing";

    ChooseFirstRow(TAB_TOOLS, Goods::MODE_SELL);
    EXPECT_EQ(QuantityDialog()->GetMaxCount(), 2);
    EXPECT_EQ(PressKey('Y'), 1);
    EXPECT_EQ(Warehouse().HowManyThingInWarehouse(2, dwThingID, 0), 1);
    EXPECT_GT(Game().GetMoney(), 1000 - 2 * iPrice);

    ChooseFirstRow(TAB_TOOLS, Goods::MODE_SELL);
    EXPECT_EQ(PressKey('N'), 1);
    EXPECT_EQ(Warehouse().HowManyThingInWarehouse(2, dwThingID, 0), 1) << "a cancel sells nothing";
    m_Document.Close();
}

TEST_F(TownShop, AFailedBuyKeepsTheDialogAndATotalAbove2To31IsRefused)
{
    for (int iWarehouse = 1; iWarehouse <= 4; ++iWarehouse)
        Warehouse().EmptyWarehouse(iWarehouse);
    // 99 of this price make 4,294,997,091: in 32 bits they wrap to 30,795.
    const int iCost = 43383809;
    Game().SetMoney(100000);
    OpenShop();
    const DWORD dwToolID = GoodsList()->GetControlShop().GetSaleThingID(1, 0);
    ASSERT_EQ(gp_DataManagerObj->GetToolObj(dwToolID)->SetItemValue("Cost", &iCost), 0u);
    ChooseFirstRow(TAB_TOOLS, Goods::MODE_BUY);
    QuantityDialog()->AddTens(-1);
    QuantityDialog()->AddUnits(-1);
    QuantityDialog()->AddUnits(-1);
    ASSERT_EQ(QuantityDialog()->GetTens() * 10 + QuantityDialog()->GetUnits(), 99);
    EXPECT_FALSE(QuantityDialog()->CheckMoney(99));
    PressKey('Y');
    EXPECT_EQ(GoodsList()->GetViewMode(), Goods::MODE_BUY_QUANTITY);
    EXPECT_EQ(Game().GetMoney(), 100000);

    // The sale list changes under the open dialog: the shop refuses the buy.
    SetSaleList("SaleTool", {});
    Game().SetMoney(99999999);
    QuantityDialog()->AddTens(0);
    QuantityDialog()->AddUnits(-8);
    PressKey('Y');
    EXPECT_TRUE(Logged(" TownModuleView4 MsgProc ControlShopObj Buy Fail.")) << LogText();
    EXPECT_EQ(m_Document.GetDocumentMode(), Mode::MODE_SHOP_QUANTITY);
    EXPECT_EQ(QuantityDialog()->IsOpen(), TRUE);
    EXPECT_EQ(Game().GetMoney(), 99999999);
    m_Document.Close();
}

TEST_F(TownShop, DigitsWrapWithoutCarryAndAMaximumOfZeroConfirmsZeroOnTheSecondTry)
{
    OpenShop();
    Dialog* const pDialog = QuantityDialog();
    ASSERT_EQ(pDialog->SetCountDialog(0, 10), 0u);
    ASSERT_EQ(pDialog->OpenView(), 0u);
    pDialog->SetViewActive(1);
    EXPECT_EQ(TextColor(pDialog->GetString(Dialog::ITEM_BK_T)), 0xFFFF0000u);
    EXPECT_EQ(TextColor(pDialog->GetString(Dialog::ITEM_COUNT_T)), Dialog::RED);
    EXPECT_EQ(pDialog->MsgProc(WM_KEYUP, 'Y', 0), 0u);
    EXPECT_EQ(pDialog->GetTens() * 10 + pDialog->GetUnits(), 0);
    EXPECT_EQ(pDialog->MsgProc(WM_KEYUP, 'Y', 0), 1u);
    EXPECT_EQ(pDialog->GetViewEvent(), static_cast<DWORD>(Dialog::EVENT_CONFIRMED));

    pDialog->SetCountDialog(99, 10);
    for (int i = 0; i < 9; ++i)
        pDialog->AddUnits(1);
    EXPECT_EQ(pDialog->GetUnits(), 0);
    EXPECT_EQ(pDialog->GetTens(), 0) << "no carry into the tens";
    pDialog->AddTens(-1);
    EXPECT_EQ(pDialog->GetTens(), 9);
    EXPECT_EQ(pDialog->SetViewMode(2), JE_TOWNMODULEVIEW7_VIEW_MODE_NOT_SUPPORT);
    pDialog->ClearViewEvent();
    EXPECT_EQ(pDialog->MsgProc(WM_RBUTTONUP, 0, 0), 1u);
    EXPECT_EQ(pDialog->GetViewEvent(), static_cast<DWORD>(Dialog::EVENT_CANCELLED));
    m_Document.Close();
}

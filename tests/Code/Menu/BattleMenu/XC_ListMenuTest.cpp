#include "Code/Menu/BattleMenu/XC_ListMenu.h"

#include "GameProgram/Input/XC_MouseState.h"

#include "tests/Code/Battle/BattleFixture.h"

#include <memory>
#include <string>

namespace {

// A list started on the battle fixture's environment and filled with named
// items; the test owns the mouse state the list reads.
class ListMenuTest : public BattleFixture
{
protected:
    void SetUp() override
    {
        BattleFixture::SetUp();
        g_pMouseStateObj = &m_Mouse;
        m_pMenu = std::make_unique<XC_ListMenu>();
        ASSERT_EQ(m_pMenu->Init(&m_Environment), S_OK);
    }

    void TearDown() override
    {
        // The menu's animations go before the animation manager does.
        m_pMenu.reset();
        g_pMouseStateObj = nullptr;
        BattleFixture::TearDown();
    }

    void ShowItems(int iCount)
    {
        for (int i = 0; i < iCount; ++i) {
            XS_ListItem item;
            item.stringText = "item" + std::to_string(i);
            item.dwData1 = static_cast<DWORD>(i);
            m_pMenu->AddItem(item);
        }
        m_pMenu->SetShow(TRUE);
    }

    // One frame with the wheel turned by a notch, up (positive) or down.
    void TurnWheel(int iNotches)
    {
        m_Mouse.Clear();
        m_Mouse.OnWindowMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(iNotches * WHEEL_DELTA)), 0);
        m_pMenu->UpdateMenu();
    }

    XC_MouseState m_Mouse;
    std::unique_ptr<XC_ListMenu> m_pMenu;
};

} // namespace

TEST_F(ListMenuTest, PagesFollowTheItemCount)
{
    struct Case
    {
        int iItems;
        int iPageCount;
    };
    for (const Case& c : {Case{0, 0}, Case{1, 1}, Case{10, 1}, Case{11, 2}, Case{23, 3}}) {
        ShowItems(c.iItems);
        EXPECT_EQ(m_pMenu->GetPageCount(), c.iPageCount) << c.iItems;
        EXPECT_EQ(m_pMenu->GetPage(), 0) << c.iItems;
        EXPECT_EQ(m_pMenu->GetFocusItem(), -1) << c.iItems;
        m_pMenu->SetShow(FALSE);
        EXPECT_EQ(m_pMenu->GetItemCount(), 0) << "hiding empties the list";
    }
}

TEST_F(ListMenuTest, HitTestMeasuresFromTheMenuCorner)
{
    ShowItems(23);
    // The menu's corner is at (500, -200) when it hangs under no node.
    struct Case
    {
        float fX;
        float fY;
        BOOL bHit;
        int iItem;
    };
    const Case cases[] = {
        {500.0f, -200.0f, TRUE, 0},   {692.0f, -200.0f, TRUE, 0},  {692.9f, -200.0f, TRUE, 0},
        {693.0f, -200.0f, FALSE, -1}, {499.0f, -200.0f, FALSE, -1}, {500.0f, -199.0f, FALSE, -1},
        {500.0f, -221.0f, TRUE, 1},   {500.0f, -409.0f, TRUE, 9},  {500.0f, -410.0f, FALSE, -1},
    };
    for (const Case& c : cases) {
        const D3DXVECTOR3 point(c.fX, c.fY, 0.0f);
        int iItem = -1;
        EXPECT_EQ(m_pMenu->HitTestItemAt(&point, nullptr, iItem), c.bHit) << c.fX << "," << c.fY;
        if (c.bHit) {
            EXPECT_EQ(iItem, c.iItem) << c.fX << "," << c.fY;
        }
    }
}

TEST_F(ListMenuTest, WheelWrapsAroundThePages)
{
    ShowItems(23);
    TurnWheel(1);
    EXPECT_EQ(m_pMenu->GetPage(), 2) << "back from the first page goes to the last";
    int iItem = -1;
    EXPECT_FALSE(m_pMenu->HitTestItem(500, -200 - 5 * 21, iItem)) << "row 5 of the last page holds nothing";
    EXPECT_TRUE(m_pMenu->HitTestItem(500, -200 - 2 * 21, iItem));
    EXPECT_EQ(iItem, 22);
    TurnWheel(-1);
    EXPECT_EQ(m_pMenu->GetPage(), 0) << "forward from the last page goes to the first";
    TurnWheel(-1);
    EXPECT_EQ(m_pMenu->GetPage(), 1);
}

TEST_F(ListMenuTest, OnePageIgnoresTheWheel)
{
    ShowItems(10);
    TurnWheel(-1);
    EXPECT_EQ(m_pMenu->GetPage(), 0);
}

TEST_F(ListMenuTest, FocusAndItemsStayWithinTheList)
{
    ShowItems(11);
    EXPECT_EQ(m_pMenu->SetFocusItem(10), S_OK);
    EXPECT_EQ(m_pMenu->GetFocusItem(), 10);
    for (const int iBad : {11, 12, -2}) {
        EXPECT_EQ(m_pMenu->SetFocusItem(iBad), E_FAIL) << iBad;
        EXPECT_EQ(m_pMenu->GetFocusItem(), 10) << iBad;
    }
    EXPECT_EQ(m_pMenu->SetFocusItem(-1), S_OK);
    EXPECT_EQ(m_pMenu->GetFocusItem(), -1);

    XS_ListItem item;
    item.dwData1 = 77;
    for (const int iBad : {-1, 11}) {
        EXPECT_EQ(m_pMenu->GetItem(iBad, item), E_FAIL) << iBad;
        EXPECT_EQ(item.dwData1, 77u) << "a refused read leaves the record";
    }
    ASSERT_EQ(m_pMenu->GetItem(10, item), S_OK);
    EXPECT_EQ(item.stringText, "item10");
    EXPECT_EQ(item.dwData1, 10u);
}

TEST_F(ListMenuTest, InitTwiceListsTheMembersOnce)
{
    const DWORD dwCount = m_pMenu->GetRenderingObjectCount();
    ASSERT_EQ(m_pMenu->Init(&m_Environment), S_OK);
    EXPECT_EQ(m_pMenu->GetRenderingObjectCount(), dwCount);
    EXPECT_EQ(dwCount, 15u);
    EXPECT_EQ(m_pMenu->Fini(), S_OK);
    EXPECT_EQ(m_pMenu->GetRenderingObjectCount(), 0u);
}

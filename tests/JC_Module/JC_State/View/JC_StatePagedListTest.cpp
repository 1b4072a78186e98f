#include "JC_Module/JC_State/View/JC_StatePagedList.h"

#include <gtest/gtest.h>

TEST(JC_StatePagedList, PagesHoldTheirRowsAndTurnRoundAtBothEnds)
{
    JC_StatePagedList list(6);
    list.SetEntryCount(7);
    EXPECT_EQ(list.GetPageCount(), 2);
    EXPECT_EQ(list.EntryAt(5), 5);
    list.NextPage();
    EXPECT_EQ(list.GetPage(), 1);
    EXPECT_EQ(list.EntryAt(0), 6);
    for (int r = 1; r < 6; ++r)
        EXPECT_EQ(list.EntryAt(r), -1) << r;
    list.NextPage();
    EXPECT_EQ(list.GetPage(), 0);
    list.PrevPage();
    EXPECT_EQ(list.GetPage(), 1);
    // A new list starts on its first page.
    list.SetEntryCount(12);
    EXPECT_EQ(list.GetPage(), 0);
    EXPECT_EQ(list.GetPageCount(), 2);
    EXPECT_EQ(list.EntryAt(6), -1);
    EXPECT_EQ(list.EntryAt(-1), -1);
}

TEST(JC_StatePagedList, AnEmptyListHasNoPagesToTurn)
{
    for (const int iCount : {0, -5}) {
        JC_StatePagedList list(10);
        list.SetEntryCount(iCount);
        EXPECT_EQ(list.GetPageCount(), 0);
        list.NextPage();
        list.PrevPage();
        EXPECT_EQ(list.GetPage(), 0);
        EXPECT_EQ(list.EntryAt(0), -1);
    }
}

TEST(JC_StatePagedList, AResizedListKeepsItsPageWhileThePageLasts)
{
    const struct
    {
        int iEntries;
        int iPage;
    } cases[] = {{30, 2}, {21, 2}, {20, 1}, {5, 0}, {0, 0}};
    for (const auto& c : cases) {
        JC_StatePagedList list(10);
        list.SetEntryCount(25);
        list.PrevPage();
        ASSERT_EQ(list.GetPage(), 2);
        list.ResizeEntries(c.iEntries);
        EXPECT_EQ(list.GetPage(), c.iPage) << c.iEntries;
        EXPECT_EQ(list.NextPage(), c.iEntries > 0) << c.iEntries;
    }
}

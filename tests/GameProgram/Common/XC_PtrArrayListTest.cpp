#include "GameProgram/Common/XC_PtrArrayList.h"

#include <gtest/gtest.h>

TEST(XC_PtrArrayList, GrowsByDoublingAndKeepsOrder)
{
    int values[40];
    XC_PtrArrayList<int> list;
    EXPECT_EQ(list.GetCapacity(), 16u);
    for (int i = 0; i < 16; ++i)
        ASSERT_EQ(list.Add(&values[i]), S_OK);
    EXPECT_EQ(list.GetCapacity(), 16u);
    ASSERT_EQ(list.Add(&values[16]), S_OK);
    EXPECT_EQ(list.GetCapacity(), 32u);
    EXPECT_EQ(list.Count(), 17u);
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(list.GetPtr(i), &values[i]);
    for (int i = 17; i < 33; ++i)
        list.Add(&values[i]);
    EXPECT_EQ(list.GetCapacity(), 64u);
}

TEST(XC_PtrArrayList, RemoveKeepsTheRestInOrder)
{
    int a = 0, b = 0, c = 0;
    XC_PtrArrayList<int> list;
    list.Add(&a);
    list.Add(&b);
    list.Add(&c);
    list.RemoveAt(0);
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.GetPtr(0), &b);
    EXPECT_EQ(list.GetPtr(1), &c);
    // Indexes past the count are ignored and read as null.
    list.RemoveAt(2);
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.GetPtr(2), nullptr);
    list.RemoveAll();
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.GetPtr(0), nullptr);
}

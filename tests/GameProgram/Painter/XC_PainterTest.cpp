#include "GameProgram/Painter/XC_Painter.h"

#include "GameProgram/D3DCommon/XC_GlobalVariable.h"

#include "tests/GameProgram/Painter/FakeDrawable.h"
#include "tests/Support/DebuggerOutput.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

namespace {

// A painter test with the global device set to one that logs depth clears
// and the frame's render counters at their start values.
class XC_PainterTest : public testing::Test
{
protected:
    XC_PainterTest() : m_Device(m_Log)
    {
        g_pVar->g_pD3DDevice = &m_Device;
        g_iRenderBeginNum = 0;
        g_iRenderMaxCount = 1000;
        g_iRenderCount = 0;
        g_dwRenderObjCountTotal = 0;
        g_dwRenderObjCountInside = 0;
    }
    ~XC_PainterTest() override { g_pVar->g_pD3DDevice = nullptr; }

    DrawLog m_Log;
    ClearLoggingDevice m_Device;
};

} // namespace

TEST_F(XC_PainterTest, GroupsDrawInKeyOrderEachOnAClearedDepthBuffer)
{
    FakeDrawable screen5(m_Log, "screen5", 5, CS_Screen);
    FakeDrawable world5(m_Log, "world5", 5, CS_World);
    FakeDrawable screen3(m_Log, "screen3", 3, CS_Screen);
    FakeDrawable world30(m_Log, "world30", 30, CS_World);
    FakeDrawable world30b(m_Log, "world30b", 30, CS_World, 1.0f);
    XC_Painter painter;
    for (XC_RenderingObject* pObj : {(XC_RenderingObject*)&world30b, (XC_RenderingObject*)&screen5,
                                     (XC_RenderingObject*)&world30, (XC_RenderingObject*)&world5,
                                     (XC_RenderingObject*)&screen3})
        ASSERT_TRUE(painter.AddRenderObj(pObj));

    painter.Render();
    // Keys 7, 10, 11 and 60: a group's world queue before its screen queue.
    const DrawLog expected = {"|", "screen3", "|", "world5", "|", "screen5", "|", "world30", "world30b"};
    EXPECT_EQ(m_Log, expected);
    EXPECT_EQ(painter.GetRenderObjCount_Total(), 5u);
    EXPECT_EQ(painter.GetRenderObjCount_Inside(), 5u);
    EXPECT_EQ(g_dwRenderObjCountTotal, 5u);
    EXPECT_EQ(g_dwRenderObjCountInside, 5u);
    EXPECT_EQ(g_iRenderCount, 5);

    for (XC_RenderingObject* pObj : {(XC_RenderingObject*)&world30b, (XC_RenderingObject*)&screen5,
                                     (XC_RenderingObject*)&world30, (XC_RenderingObject*)&world5,
                                     (XC_RenderingObject*)&screen3})
        ASSERT_TRUE(painter.RemoveRenderObj(pObj));
}

TEST_F(XC_PainterTest, OpaqueNearestFirstThenAlphaFarthestFirst)
{
    FakeDrawable opaque3(m_Log, "opaque3", 40, CS_World, 3.0f);
    FakeDrawable opaque1(m_Log, "opaque1", 40, CS_World, 1.0f);
    FakeDrawable opaque2(m_Log, "opaque2", 40, CS_World, -2.0f);
    FakeDrawable alpha5(m_Log, "alpha5", 40, CS_World, 5.0f, TRUE);
    FakeDrawable alpha9(m_Log, "alpha9", 40, CS_World, 9.0f, TRUE);
    FakeDrawable alpha7(m_Log, "alpha7", 40, CS_World, 7.0f, TRUE);
    FakeDrawable hidden(m_Log, "hidden", 40, CS_World, 0.0f);
    hidden.bVisible = FALSE;
    XC_Painter painter;
    for (FakeDrawable* pObj : {&alpha5, &opaque3, &hidden, &alpha9, &opaque1, &alpha7, &opaque2})
        painter.AddRenderObj(pObj);

    painter.Render();
    const DrawLog expected = {"|", "opaque2", "opaque1", "opaque3", "alpha9", "alpha7", "alpha5"};
    EXPECT_EQ(m_Log, expected);
    EXPECT_EQ(painter.GetRenderObjCount_Total(), 7u);
    EXPECT_EQ(painter.GetRenderObjCount_Inside(), 6u);

    // Sorted anew each frame: the hidden one shows, an alpha one is culled.
    m_Log.clear();
    hidden.bVisible = TRUE;
    alpha9.bVisible = FALSE;
    painter.Render();
    const DrawLog second = {"|", "opaque2", "hidden", "opaque1", "opaque3", "alpha7", "alpha5"};
    EXPECT_EQ(m_Log, second);
    EXPECT_EQ(g_dwRenderObjCountTotal, 14u); // the statistics add up over the frame
    EXPECT_EQ(g_dwRenderObjCountInside, 12u);

    for (FakeDrawable* pObj : {&alpha5, &opaque3, &hidden, &alpha9, &opaque1, &alpha7, &opaque2})
        painter.RemoveRenderObj(pObj);
}

TEST_F(XC_PainterTest, RenderCountersCapTheObjectsDrawnAcrossGroups)
{
    // Two groups of three opaque objects, drawn in the order a1..a3, b1..b3.
    FakeDrawable a1(m_Log, "a1", 1, CS_World, 1.0f), a2(m_Log, "a2", 1, CS_World, 2.0f),
        a3(m_Log, "a3", 1, CS_World, 3.0f, TRUE);
    FakeDrawable b1(m_Log, "b1", 2, CS_World, 1.0f), b2(m_Log, "b2", 2, CS_World, 2.0f, TRUE),
        b3(m_Log, "b3", 2, CS_World, 1.5f, TRUE);
    XC_Painter painter;
    for (FakeDrawable* pObj : {&a1, &a2, &a3, &b1, &b2, &b3})
        painter.AddRenderObj(pObj);

    struct Case
    {
        int iBeginNum, iMaxCount;
        DrawLog drawn;
        int iFinalCount;
    };
    const Case cases[] = {
        {2, 3, {"|", "a3", "|", "b1", "b2"}, 5}, // the third to fifth, the alpha pass cut short
        {0, 2, {"|", "a1", "a2", "|"}, 2},        // a later group still gets its depth clear
        {0, 1000, {"|", "a1", "a2", "a3", "|", "b1", "b2", "b3"}, 6},
        {6, 1000, {"|", "|"}, 6},                 // all counted, none drawn
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.iBeginNum * 100 + c.iMaxCount);
        m_Log.clear();
        g_iRenderBeginNum = c.iBeginNum;
        g_iRenderMaxCount = c.iMaxCount;
        g_iRenderCount = 0;
        painter.Render();
        EXPECT_EQ(m_Log, c.drawn);
        EXPECT_EQ(g_iRenderCount, c.iFinalCount);
    }

    // The count runs on across painters within one frame.
    m_Log.clear();
    g_iRenderBeginNum = 0;
    g_iRenderMaxCount = 4;
    g_iRenderCount = 0;
    FakeDrawable other(m_Log, "other", 0, CS_World);
    XC_Painter otherPainter;
    otherPainter.AddRenderObj(&other);
    otherPainter.Render();
    painter.Render();
    const DrawLog shared = {"|", "other", "|", "a1", "a2", "a3", "|"};
    EXPECT_EQ(m_Log, shared);

    otherPainter.RemoveRenderObj(&other);
    for (FakeDrawable* pObj : {&a1, &a2, &a3, &b1, &b2, &b3})
        painter.RemoveRenderObj(pObj);
}

TEST_F(XC_PainterTest, AGroupLivesWhileItHasMembers)
{
    ErrorLogCapture log;
    FakeDrawable first(m_Log, "first", 7), second(m_Log, "second", 7), stranger(m_Log, "stranger", 7),
        elsewhere(m_Log, "elsewhere", 8, CS_Screen);
    XC_Painter painter;
    ASSERT_TRUE(painter.AddRenderObj(&first));
    ASSERT_TRUE(painter.AddRenderObj(&second));
    EXPECT_FALSE(painter.RemoveRenderObj(&stranger)); // its group exists, it is not in it
    EXPECT_FALSE(painter.RemoveRenderObj(&elsewhere)); // no group under its key
    EXPECT_EQ(painter.GetRenderObjCount_Total(), 2u);
    EXPECT_FALSE(painter.AddRenderObj(nullptr));
    EXPECT_FALSE(painter.RemoveRenderObj(nullptr));
    EXPECT_TRUE(log.Contains("( pRenderObj ) failed"));

    ASSERT_TRUE(painter.RemoveRenderObj(&first));
    ASSERT_TRUE(painter.RemoveRenderObj(&second));
    EXPECT_FALSE(painter.RemoveRenderObj(&second)); // the group went with its last member
    painter.Render();
    EXPECT_TRUE(m_Log.empty());

    ASSERT_TRUE(painter.AddRenderObj(&second)); // a new group
    painter.Render();
    const DrawLog expected = {"|", "second"};
    EXPECT_EQ(m_Log, expected);
    ASSERT_TRUE(painter.RemoveRenderObj(&second));
}

TEST_F(XC_PainterTest, GroupWithNothingVisibleCostsNoClear)
{
    FakeDrawable hidden(m_Log, "hidden", 10), shown(m_Log, "shown", 11);
    hidden.bVisible = FALSE;
    XC_Painter painter;
    painter.AddRenderObj(&hidden);
    painter.AddRenderObj(&shown);
    painter.Render();
    const DrawLog expected = {"|", "shown"};
    EXPECT_EQ(m_Log, expected);
    EXPECT_EQ(painter.GetRenderObjCount_Inside(), 1u);
    painter.RemoveRenderObj(&hidden);
    painter.RemoveRenderObj(&shown);
}

TEST_F(XC_PainterTest, GroupIdPastTheLastIsReportedAndStillDrawnLast)
{
    ErrorLogCapture log;
    FakeDrawable late(m_Log, "late", 150), last(m_Log, "last", 99, CS_Screen);
    XC_Painter painter;
    ASSERT_TRUE(painter.AddRenderObj(&late));
    ASSERT_TRUE(painter.AddRenderObj(&last));
    EXPECT_TRUE(log.Contains("( dwGroupID < RQG_None ) failed"));
    painter.Render();
    const DrawLog expected = {"|", "last", "|", "late"};
    EXPECT_EQ(m_Log, expected);
    ASSERT_TRUE(painter.RemoveRenderObj(&late));
    ASSERT_TRUE(painter.RemoveRenderObj(&last));
}

TEST_F(XC_PainterTest, DrawablesLeftAtTheEndAreListed)
{
    ErrorLogCapture log;
    DebuggerOutput output;
    FakeDrawable left(m_Log, "RO00042", 3);
    {
        XC_Painter painter;
        painter.AddRenderObj(&left);
    }
    EXPECT_TRUE(log.Contains("( m_ROSet_List.size() == 0 ) failed"));
    EXPECT_NE(output.Text().find(" \n繪圖物件未從場景移除 ,1 , RO00042 \n"), std::string::npos);

    // Emptied groups leave nothing to list; a painter whose groups were
    // removed stays usable.
    XC_Painter painter;
    painter.AddRenderObj(&left);
    painter.RemoveAllGroups();
    EXPECT_EQ(painter.GetRenderObjCount_Total(), 0u);
    ASSERT_TRUE(painter.AddRenderObj(&left));
    painter.Render();
    EXPECT_EQ(m_Log, DrawLog({"|", "RO00042"}));
    ASSERT_TRUE(painter.RemoveRenderObj(&left));
}

#include "GameProgram/Scene/XC_Mouse.h"

#include "GameProgram/RenderingObject/XC_RenderingObject.h"

#include "tests/GameProgram/Scene/RenderFixture.h"
#include "tests/GameProgram/Scene/SceneTestText.h"
#include "tests/Support/ErrorLogCapture.h"

namespace {

class MouseTest : public RenderFixture
{
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        m_Pack.Add("Cursor.txt", PictureElements("Arrow", 1));
    }

    XC_Mouse m_Mouse;
};

} // namespace

TEST_F(MouseTest, InitNeedsAPackFileAnEnvironmentAndItsCursorFile)
{
    ErrorLogCapture log;
    EXPECT_EQ(m_Mouse.Init(nullptr, &m_Environment, "Cursor.txt"), E_FAIL);
    EXPECT_EQ(m_Mouse.Init(&m_Pack, nullptr, "Cursor.txt"), E_FAIL);
    EXPECT_TRUE(log.Contains("( pPackFile ) failed")) << log.Text();
    EXPECT_TRUE(log.Contains("( pEnvironmentOfRender ) failed")) << log.Text();
    EXPECT_EQ(m_Mouse.Init(&m_Pack, &m_Environment, "NoCursor.txt"), E_FAIL);
    EXPECT_EQ(m_Mouse.GetCursorManager()->GetRenderingObjectCount(), 0u);

    ASSERT_EQ(m_Mouse.Init(&m_Pack, &m_Environment, "Cursor.txt"), S_OK);
    EXPECT_EQ(m_Mouse.GetEnvironmentOfRender(), &m_Environment);
    EXPECT_EQ(m_Mouse.GetCursorManager()->GetRenderingObjectCount(), 1u);
    // A second set-up replaces the first.
    ASSERT_EQ(m_Mouse.Init(&m_Pack, &m_Environment, "Cursor.txt"), S_OK);
    EXPECT_EQ(m_Mouse.GetCursorManager()->GetRenderingObjectCount(), 1u);
    EXPECT_EQ(m_Mouse.Fini(), S_OK);
    EXPECT_EQ(m_Mouse.GetCursorManager()->GetRenderingObjectCount(), 0u);
}

TEST_F(MouseTest, ShownOnlyWhileVisibleAndEnabled)
{
    ASSERT_EQ(m_Mouse.Init(&m_Pack, &m_Environment, "Cursor.txt"), S_OK);
    XC_RenderingObject* const pArrow = m_Mouse.GetCursorManager()->GetRenderingObject(0);
    // Loaded hidden: the cursor starts invisible and enabled.
    EXPECT_EQ(pArrow->GetShow(), 0);
    struct Case
    {
        BOOL bVisible, bEnable, bShown;
    };
    const Case cases[] = {{1, 1, 1}, {1, 0, 0}, {0, 1, 0}, {0, 0, 0}, {1, 1, 1}};
    for (const Case& c : cases) {
        m_Mouse.SetVisible(c.bVisible);
        m_Mouse.SetEnable(c.bEnable);
        EXPECT_EQ(m_Mouse.GetVisible(), c.bVisible);
        EXPECT_EQ(m_Mouse.GetEnable(), c.bEnable);
        EXPECT_EQ(m_Mouse.GetCursorManager()->GetShow(), c.bShown) << c.bVisible << c.bEnable;
        EXPECT_EQ(pArrow->GetShow(), c.bShown) << c.bVisible << c.bEnable;
    }
}

TEST_F(MouseTest, CursorPositionIsCentredOnTheScreenWithYUp)
{
    struct Case
    {
        float fX, fY, fCursorX, fCursorY;
    };
    const Case cases[] = {{400.0f, 300.0f, 0.0f, 0.0f}, {410.0f, 290.0f, 10.0f, 10.0f},
                          {0.0f, 0.0f, -400.0f, 300.0f}, {800.0f, 600.0f, 400.0f, -300.0f}};
    for (const Case& c : cases) {
        m_Mouse.SetCursorPosition(c.fX, c.fY);
        EXPECT_FLOAT_EQ(m_Mouse.GetCursorPosX(), c.fCursorX) << c.fX << "," << c.fY;
        EXPECT_FLOAT_EQ(m_Mouse.GetCursorPosY(), c.fCursorY) << c.fX << "," << c.fY;
    }
}

#include "JC_Module/JC_WorldMap/View/JC_WorldMapView3.h"

#include "tests/JC_Module/JC_WorldMap/WorldMapScreenFixture.h"

#include <gtest/gtest.h>

namespace {

// The box with the button under the cursor chosen by the test.
class PointedBox : public JC_WorldMapView3
{
public:
    int iHit = -1;

protected:
    int HitButton() const override { return iHit; }
};

const int NONE = -1;
const int OK = JC_WorldMapView3::EVENT_OK;
const int CANCEL = JC_WorldMapView3::EVENT_CANCEL;

} // namespace

TEST_F(WorldMapScreen, TheBoxAnswersOnlyAReleaseOverThePressedButton)
{
    JC_WorldMapDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    XC_RenderNode parent;
    const struct
    {
        const char* szCase;
        BOOL bActive;
        int iPressOn;
        int iReleaseOn;
        UINT uRelease;
        DWORD dwResult;
        DWORD dwEvent;
    } cases[] = {
        {"OK", TRUE, OK, OK, WM_LBUTTONUP, 1, OK},
        {"Cancel", TRUE, CANCEL, CANCEL, WM_LBUTTONUP, 1, CANCEL},
        {"moved off the button", TRUE, OK, NONE, WM_LBUTTONUP, 0, 0},
        {"released on the other button", TRUE, OK, CANCEL, WM_LBUTTONUP, 0, 0},
        {"no press before the release", TRUE, NONE, OK, WM_LBUTTONUP, 0, 0},
        {"right button anywhere", TRUE, NONE, NONE, WM_RBUTTONUP, 1, CANCEL},
        {"inactive", FALSE, OK, OK, WM_LBUTTONUP, 0, 0},
        {"inactive right button", FALSE, NONE, NONE, WM_RBUTTONUP, 0, 0},
    };
    for (const auto& c : cases) {
        PointedBox box;
        ASSERT_EQ(box.InitiationView(gp_ControlManagerObj, &parent, document.GetModuleMouse(),
                                     document.GetModuleResource()),
                  0u);
        ASSERT_EQ(box.BuildView(), 0u) << LogText();
        box.OpenView();
        box.SetViewActive(c.bActive);
        box.iHit = c.iPressOn;
        EXPECT_EQ(box.MsgProc(WM_LBUTTONDOWN, 0, 0), 0u) << c.szCase;
        box.iHit = c.iReleaseOn;
        EXPECT_EQ(box.MsgProc(c.uRelease, 0, 0), c.dwResult) << c.szCase;
        EXPECT_EQ(box.GetViewEvent(), c.dwEvent) << c.szCase;
    }
}

TEST_F(WorldMapScreen, TheBoxHasOnlyModeZero)
{
    JC_WorldMapDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    XC_RenderNode parent;
    JC_WorldMapView3 box;
    ASSERT_EQ(box.InitiationView(gp_ControlManagerObj, &parent, document.GetModuleMouse(),
                                 document.GetModuleResource()),
              0u);
    EXPECT_EQ(box.SetViewMode(1), JE_WORLDMAPVIEW3_VIEW_MODE_NOT_SUPPORT);
    EXPECT_EQ(box.GetViewMode(), 0);
    EXPECT_TRUE(Logged("ViewMode:Ox1(1) \n錯誤代碼:0x8a029031")) << LogText();
}

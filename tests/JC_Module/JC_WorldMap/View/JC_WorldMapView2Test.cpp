#include "JC_Module/JC_WorldMap/View/JC_WorldMapView2.h"

#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetPosition.h"
#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetRotation.h"
#include "JC_Module/JC_WorldMap/View/JC_WorldMapView3.h"

#include "tests/JC_Module/JC_WorldMap/WorldMapScreenFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const float PI = 3.14159265f;

// The box with the button under the cursor chosen by the test.
class PointedBox : public JC_WorldMapView3
{
public:
    int iHit = -1;

protected:
    int HitButton() const override { return iHit; }
};

// The walking person of an opened map, every place open.
class WalkingPerson : public WorldMapScreen
{
protected:
    void Open()
    {
        for (DWORD p = 1; p <= 3; ++p)
            WorldMap().SetPlaceIsOpen(p, 1);
        ASSERT_EQ(Initiate(m_Document), 0u);
        ASSERT_EQ(m_Document.Enable(), S_OK);
        ASSERT_EQ(m_Document.IsViewsReady(), TRUE) << LogText();
    }
    JC_WorldMapView2* Person() const
    {
        return static_cast<JC_WorldMapView2*>(m_Document.GetView(JC_WorldMapDocument::VIEW_WALK));
    }
    // Walks from the party's place to the destination and lets the works
    // run out; the first frame after them.
    DWORD WalkTo(DWORD dwDestination)
    {
        Person()->SetMoveRoute(WorldMap().GetSitePlaceID(), dwDestination);
        Person()->SetViewMode(JC_WorldMapView2::VIEW_MODE_WALK);
        for (int i = 0; i < 100 && Person()->GetWalkSprite()->GetWorkCount() != 0; ++i)
            g_pTimerManager->Update(1.0f);
        return Person()->FrameMove(0.0f);
    }
    static void SetPlaceType(DWORD dwPlaceID, int iType)
    {
        ASSERT_EQ(WorldMap().GetOperatorPlaceObj(dwPlaceID)->SetItemData("PlaceType", 0, &iType), 0u);
    }
    void WriteScript(const std::string& strName)
    {
        ASSERT_TRUE(WriteTestFile(GamePath("Script\\" + strName), "Set,FlagEvent,9,1\r\n"));
    }

    JC_WorldMapDocument m_Document;
};

float TurnOf(const XC_Sprite& sprite, DWORD dwWork)
{
    return static_cast<const XC_RenderNodeWork_SetRotation*>(sprite.GetSpriteWork(dwWork))->m_vRotation.y;
}

} // namespace

TEST(JC_WorldMapView2, TheFacingOfAStepInEachQuadrant)
{
    const struct
    {
        float fDX, fDZ, fYaw;
    } cases[] = {
        {0.0f, 1.0f, 0.0f},        {1.0f, 1.0f, PI / 4.0f},         {1.0f, 0.0f, PI / 2.0f},
        {1.0f, -1.0f, 3.0f * PI / 4.0f}, {0.0f, -1.0f, PI},        {-1.0f, -1.0f, 5.0f * PI / 4.0f},
        {-1.0f, 0.0f, -PI / 2.0f}, {-1.0f, 1.0f, -PI / 4.0f},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(JC_WorldMapView2::FacingYaw(c.fDX, c.fDZ), c.fYaw, 1e-5f) << c.fDX << " " << c.fDZ;
}

TEST_F(WalkingPerson, AWalkTurnsAndMovesPlaceByPlaceAndWritesTheSiteAtOnce)
{
    WorldMap().SetPlaceOverScriptName(2, "");
    WorldMap().SetPlaceOverScriptName(3, "");
    Open();
    JC_WorldMapView2* const pPerson = Person();
    pPerson->SetMoveRoute(1, 3);
    ASSERT_EQ(pPerson->SetViewMode(JC_WorldMapView2::VIEW_MODE_WALK), 0u);
    EXPECT_EQ(pPerson->IsWalking(), TRUE);
    EXPECT_EQ(WorldMap().GetSitePlaceID(), 3u);
    // Turn, move, turn, move, the final turn towards the viewer.
    const XC_Sprite& sprite = *pPerson->GetWalkSprite();
    ASSERT_EQ(sprite.GetWorkCount(), 5u);
    EXPECT_NEAR(TurnOf(sprite, 0), JC_WorldMapView2::FacingYaw(10.0f, -5.0f), 1e-5f);
    const auto* const pMove = static_cast<const XC_RenderNodeWork_SetPosition*>(sprite.GetSpriteWork(1));
    EXPECT_EQ(pMove->m_vPosition, D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    EXPECT_NEAR(pMove->GetWorkTime(), 0.3f * std::sqrt(125.0f), 1e-4f);
    EXPECT_NEAR(TurnOf(sprite, 4), PI, 1e-5f);
}

TEST_F(WalkingPerson, AWalkToTheSamePlaceTurnsOnlyAtItsEnd)
{
    Open();
    JC_WorldMapView2* const pPerson = Person();
    pPerson->SetMoveRoute(1, 1);
    ASSERT_EQ(pPerson->SetViewMode(JC_WorldMapView2::VIEW_MODE_WALK), 0u);
    const XC_Sprite& sprite = *pPerson->GetWalkSprite();
    ASSERT_EQ(sprite.GetWorkCount(), 2u);
    EXPECT_EQ(static_cast<const XC_RenderNodeWork_SetPosition*>(sprite.GetSpriteWork(0))->GetWorkTime(), 0.0f);
    EXPECT_NEAR(TurnOf(sprite, 1), PI, 1e-5f);
}

TEST_F(WalkingPerson, AnOverScriptStopsTheWalkRunsOnceAndLeadsBackToTheMap)
{
    WriteScript("OverCrossroads.txt");
    Open();
    EXPECT_EQ(WalkTo(3), 1u);
    EXPECT_EQ(WorldMap().GetSitePlaceID(), 2u);
    EXPECT_EQ(WorldMap().GetPlaceOverScriptName(2), "");
    EXPECT_EQ(Person()->GetViewEvent(), static_cast<DWORD>(JC_WorldMapView2::EVENT_BACK_TO_MAP));
}

TEST_F(WalkingPerson, NoRouteIsEventThree)
{
    Open();
    WorldMap().SetPlaceIsOpen(3, 0);
    EXPECT_EQ(WalkTo(3), 1u);
    EXPECT_EQ(Person()->IsWalking(), FALSE);
    EXPECT_EQ(Person()->GetViewEvent(), static_cast<DWORD>(JC_WorldMapView2::EVENT_NO_WALK));
    EXPECT_EQ(WorldMap().GetSitePlaceID(), 1u);
}

TEST_F(WalkingPerson, ArrivalAndAnswerByPlaceTypeAndIntoScript)
{
    WriteScript("Into.txt");
    const struct
    {
        int iType;
        const char* szInto;
        DWORD dwArrival;
        DWORD dwAfterOK;
        const char* szIntoAfter;
    } cases[] = {
        {0, "", JC_WorldMapView2::EVENT_BACK_TO_MAP, 0, ""},
        {0, "Into.txt", JC_WorldMapView2::EVENT_ARRIVED, JC_WorldMapView2::EVENT_BACK_TO_MAP, "Into.txt"},
        {1, "", JC_WorldMapView2::EVENT_ARRIVED, JC_WorldMapView2::EVENT_TOWN_ENTERED, ""},
        {1, "Into.txt", JC_WorldMapView2::EVENT_ARRIVED, JC_WorldMapView2::EVENT_TOWN_ENTERED, ""},
        {2, "", JC_WorldMapView2::EVENT_BACK_TO_MAP, 0, ""},
        {2, "Into.txt", JC_WorldMapView2::EVENT_ARRIVED, JC_WorldMapView2::EVENT_BACK_TO_MAP, "Into.txt"},
        // A place of no known type cannot be entered: back to the map.
        {3, "Into.txt", JC_WorldMapView2::EVENT_BACK_TO_MAP, 0, "Into.txt"},
    };
    Open();
    PointedBox box;
    XC_RenderNode parent;
    ASSERT_EQ(box.InitiationView(gp_ControlManagerObj, &parent, m_Document.GetModuleMouse(),
                                 m_Document.GetModuleResource()),
              0u);
    ASSERT_EQ(box.BuildView(), 0u);
    ASSERT_EQ(Person()->SetChildView(&box), 0u);
    EXPECT_EQ(Person()->SetChildView(nullptr), JE_WORLDMAPVIEW2_NULL_CHILD_VIEW);
    for (const auto& c : cases) {
        WorldMap().SetPlaceOverScriptName(1, "");
        WorldMap().SetPlaceIntoScriptName(1, c.szInto);
        SetPlaceType(1, c.iType);
        Person()->ClearViewEvent();
        EXPECT_EQ(WalkTo(1), 1u) << c.iType << c.szInto;
        EXPECT_EQ(Person()->GetViewEvent(), c.dwArrival) << c.iType << c.szInto;
        if (c.dwAfterOK != 0) {
            m_Document.DealViewEvent(JC_WorldMapDocument::VIEW_WALK, c.dwArrival);
            EXPECT_EQ(Person()->GetViewMode(), JC_WorldMapView2::VIEW_MODE_CONFIRM);
            EXPECT_EQ(box.IsOpen(), TRUE);
            EXPECT_EQ(box.IsViewActive(), TRUE);
            box.iHit = JC_WorldMapView3::EVENT_OK;
            EXPECT_EQ(Person()->MsgProc(WM_LBUTTONDOWN, 0, 0), 0u);
            EXPECT_EQ(Person()->MsgProc(WM_LBUTTONUP, 0, 0), 1u);
            EXPECT_EQ(Person()->GetViewEvent(), c.dwAfterOK) << c.iType << c.szInto;
            EXPECT_EQ(box.GetViewEvent(), 0u);
        }
        EXPECT_EQ(WorldMap().GetPlaceIntoScriptName(1), c.szIntoAfter) << c.iType << c.szInto;
        m_Document.SetDocumentMode(JC_WorldMapDocument::MODE_MAP);
        Person()->SetViewMode(JC_WorldMapView2::VIEW_MODE_STAND);
        EXPECT_EQ(box.IsOpen(), FALSE);
    }
    // Cancel, the right button anywhere, goes back to the map.
    Person()->SetViewMode(JC_WorldMapView2::VIEW_MODE_CONFIRM);
    EXPECT_EQ(Person()->MsgProc(WM_RBUTTONUP, 0, 0), 1u);
    EXPECT_EQ(Person()->GetViewEvent(), static_cast<DWORD>(JC_WorldMapView2::EVENT_BACK_TO_MAP));
    EXPECT_EQ(Person()->SetViewMode(3), JE_WORLDMAPVIEW2_VIEW_MODE_NOT_SUPPORT);
}

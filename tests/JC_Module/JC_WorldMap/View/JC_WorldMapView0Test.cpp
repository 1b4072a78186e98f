#include "JC_Module/JC_WorldMap/View/JC_WorldMapView0.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "JC_DataManager/Control/JC_ControlModuleWorldMap.h"

#include "tests/JC_Module/JC_WorldMap/WorldMapScreenFixture.h"

#include <gtest/gtest.h>

namespace {

JC_WorldMapView0* SceneOf(const JC_WorldMapDocument& document)
{
    return static_cast<JC_WorldMapView0*>(document.GetView(JC_WorldMapDocument::VIEW_SCENE));
}

} // namespace

TEST_F(WorldMapScreen, TheCursorAtTheEdgesScrollsTheMapWithinItsBoundaries)
{
    // Margin 16 pixels, speed 20 units a second, boundaries x -30..30 and
    // z -20..20; the camera looks at the town (-10, 0, 5).
    const struct
    {
        const char* szCase;
        float fX, fY, fTime;
        D3DXVECTOR3 vLookAt;
    } cases[] = {
        {"centre", 400.0f, 300.0f, 0.1f, {-10.0f, 0.0f, 5.0f}},
        {"right edge", 799.0f, 300.0f, 0.1f, {-10.0f + 1.875f, 0.0f, 5.0f}},
        {"left edge", 0.0f, 300.0f, 0.1f, {-12.0f, 0.0f, 5.0f}},
        {"top right corner", 799.0f, 0.0f, 0.1f, {-10.0f + 1.875f, 0.0f, 7.0f}},
        {"bottom left corner", 0.0f, 599.0f, 0.1f, {-12.0f, 0.0f, 5.0f - 1.875f}},
        {"clamped right and up", 799.0f, 0.0f, 100.0f, {30.0f, 0.0f, 20.0f}},
        {"clamped left and down", 0.0f, 599.0f, 100.0f, {-30.0f, 0.0f, -20.0f}},
    };
    JC_WorldMapDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    ASSERT_EQ(document.Enable(), S_OK);
    JC_WorldMapView0* const pScene = SceneOf(document);
    XC_CameraMan* const pCamera = document.GetWorldCameraMan();
    for (const auto& c : cases) {
        const D3DXVECTOR3 vTown(-10.0f, 0.0f, 5.0f);
        pCamera->SetTargetLookAt(&vTown);
        m_State.SetPosition(c.fX, c.fY);
        EXPECT_EQ(pScene->FrameMove(c.fTime), 0u);
        const D3DXVECTOR3& vLookAt = pCamera->GetTargetData()->m_vLookAt;
        EXPECT_NEAR(vLookAt.x, c.vLookAt.x, 1e-4f) << c.szCase;
        EXPECT_NEAR(vLookAt.z, c.vLookAt.z, 1e-4f) << c.szCase;
    }

    // No edge band without a margin; nothing while the map takes no input.
    const float fNoMargin = 0.0f;
    ASSERT_EQ(gp_ControlManagerObj->m_ControlModuleWorldMapObj.SetItemData("ScrollMargin", 0, &fNoMargin), 0u);
    ASSERT_EQ(pScene->BuildView(), 0u);
    pScene->OpenView();
    const D3DXVECTOR3 vTown(-10.0f, 0.0f, 5.0f);
    pCamera->SetTargetLookAt(&vTown);
    m_State.SetPosition(0.0f, 0.0f);
    pScene->FrameMove(1.0f);
    EXPECT_EQ(pCamera->GetTargetData()->m_vLookAt, vTown);
    pScene->SetViewActive(0);
    m_State.SetPosition(799.0f, 599.0f);
    pScene->FrameMove(1.0f);
    EXPECT_EQ(pCamera->GetTargetData()->m_vLookAt, vTown);
}

TEST_F(WorldMapScreen, SelectingAPlaceShowsItsPhotoAndAPlaceWithoutNameCannotBeSelected)
{
    WorldMap().SetPlaceName(3, "");
    JC_WorldMapDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    ASSERT_EQ(document.Enable(), S_OK);
    JC_WorldMapView0* const pScene = SceneOf(document);
    XC_RenderingObject* const pPhoto = pScene->GetMenuItem(JC_WorldMapView0::ITEM_PHOTO_BACKGROUND);
    EXPECT_EQ(pScene->GetSelectedPlace(), 1u);
    EXPECT_EQ(pScene->GetPlaceMark(1)->nameBackground.GetShow(), FALSE);
    EXPECT_EQ(pPhoto->GetShow(), TRUE);
    // The nameless place shows only its model and cannot be chosen.
    EXPECT_EQ(pScene->GetPlaceMark(3)->nameBackground.GetShow(), FALSE);
    EXPECT_EQ(pScene->GetPlaceMark(3)->name.GetShow(), FALSE);
    EXPECT_EQ(pScene->GetPlaceMark(3)->model.GetShow(), TRUE);
    EXPECT_EQ(pScene->SelectPlace(3), 0u);
    EXPECT_EQ(pScene->GetSelectedPlace(), 1u);
    EXPECT_EQ(pScene->SelectPlace(4), 0u);
    EXPECT_EQ(pScene->GetSelectedPlace(), 1u);

    m_State.SetPosition(10.0f, 20.0f);
    EXPECT_EQ(pScene->SelectPlace(2), 0u);
    EXPECT_EQ(pScene->GetPlaceMark(1)->nameBackground.GetShow(), TRUE);
    EXPECT_EQ(pScene->GetPlaceMark(2)->nameBackground.GetShow(), FALSE);
    EXPECT_EQ(*pPhoto->GetPosition(), D3DXVECTOR3(0.0f, 7.0f, 0.0f));
    EXPECT_EQ(document.GetWorldCameraMan()->GetTargetData()->m_vLookAt, D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(m_State.GetX(), 400.0f);
    EXPECT_EQ(m_State.GetY(), 300.0f);

    EXPECT_EQ(pScene->SelectPlace(0), 0u);
    EXPECT_EQ(pScene->GetSelectedPlace(), 0u);
    EXPECT_EQ(pPhoto->GetShow(), FALSE);
    EXPECT_EQ(pScene->GetMenuItem(JC_WorldMapView0::ITEM_PHOTO)->GetShow(), FALSE);
    EXPECT_EQ(pScene->GetPlaceMark(2)->nameBackground.GetShow(), TRUE);
}

TEST_F(WorldMapScreen, TheWheelIsTakenEvenWhenItDoesNotZoom)
{
    JC_WorldMapDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    ASSERT_EQ(document.Enable(), S_OK);
    JC_WorldMapView0* const pScene = SceneOf(document);
    XC_CameraMan* const pCamera = document.GetWorldCameraMan();
    const float fDistance = pCamera->GetTargetData()->m_fDistance;
    EXPECT_EQ(pScene->MsgProc(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0), 1u);
    EXPECT_FLOAT_EQ(pCamera->GetTargetData()->m_fDistance, fDistance + 5.0f);
    EXPECT_EQ(pScene->MsgProc(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0), 1u);
    EXPECT_FLOAT_EQ(pCamera->GetTargetData()->m_fDistance, fDistance);
    const DWORD dwOff = 0;
    ASSERT_EQ(gp_ControlManagerObj->m_ControlModuleWorldMapObj.SetItemData("View0_EnableMouseWheel", 0, &dwOff), 0u);
    EXPECT_EQ(pScene->MsgProc(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0), 1u);
    EXPECT_FLOAT_EQ(pCamera->GetTargetData()->m_fDistance, fDistance);
    // A release with no button held raises nothing; a right press clears
    // the selection.
    EXPECT_EQ(pScene->MsgProc(WM_LBUTTONUP, 0, 0), 0u);
    EXPECT_EQ(pScene->MsgProc(WM_RBUTTONDOWN, 0, 0), 0u);
    EXPECT_EQ(pScene->GetSelectedPlace(), 0u);
    EXPECT_EQ(pScene->SetViewMode(1), JE_WORLDMAPVIEW0_VIEW_MODE_NOT_SUPPORT);
}

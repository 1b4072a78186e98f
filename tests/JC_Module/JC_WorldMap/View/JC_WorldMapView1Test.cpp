#include "JC_Module/JC_WorldMap/View/JC_WorldMapView1.h"

#include "JC_DataManager/Control/JC_ControlModuleWorldMap.h"

#include "tests/JC_Module/JC_WorldMap/WorldMapScreenFixture.h"

#include <gtest/gtest.h>

namespace {

JC_WorldMapView1* SignsOf(const JC_WorldMapDocument& document)
{
    return static_cast<JC_WorldMapView1*>(document.GetView(JC_WorldMapDocument::VIEW_SIGNS));
}

void SetLayoutFloat(const char* szKey, float fValue)
{
    ASSERT_EQ(gp_ControlManagerObj->m_ControlModuleWorldMapObj.SetItemData(szKey, 0, &fValue), 0u);
}

} // namespace

TEST_F(WorldMapScreen, EachLinkGetsEvenlySpacedSignsOnce)
{
    // Town (-10, 5) - crossroads (0, 0) - battlefield (10, -5): each link is
    // 10 units on its longer axis, so 4 signs 2.5 apart split it in five. The
    // crossroads lists both links, the town and the battlefield one each.
    WorldMap().SetPlaceIsOpen(2, 1);
    JC_WorldMapDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    ASSERT_EQ(document.Enable(), S_OK);
    const JC_WorldMapView1* const pSigns = SignsOf(document);
    ASSERT_EQ(pSigns->GetSignCount(), 8u);
    const D3DXVECTOR3 positions[] = {{-8.0f, 0.0f, 4.0f}, {-6.0f, 0.0f, 3.0f}, {-4.0f, 0.0f, 2.0f},
                                     {-2.0f, 0.0f, 1.0f}, {2.0f, 0.0f, -1.0f}, {4.0f, 0.0f, -2.0f},
                                     {6.0f, 0.0f, -3.0f}, {8.0f, 0.0f, -4.0f}};
    for (DWORD i = 0; i < 8; ++i) {
        EXPECT_NEAR(pSigns->GetSign(i)->vPosition.x, positions[i].x, 1e-4f) << i;
        EXPECT_NEAR(pSigns->GetSign(i)->vPosition.z, positions[i].z, 1e-4f) << i;
        // The battlefield is closed: its link's signs are built, not shown.
        EXPECT_EQ(pSigns->GetSign(i)->iShown, i < 4 ? 1 : 0) << i;
        EXPECT_EQ(pSigns->GetSign(i)->model.GetShow(), i < 4 ? TRUE : FALSE) << i;
    }
}

TEST_F(WorldMapScreen, SignCountsOfLinksAndSpacings)
{
    const struct
    {
        const char* szCase;
        float fPathDS;
        float fPathDD;
        std::vector<DWORD> townLinks;
        std::vector<DWORD> crossroadsLinks;
        DWORD dwSigns;
    } cases[] = {
        {"both links", 2.0f, 2.5f, {2}, {1, 3}, 8},
        {"listed only by the higher place", 2.0f, 2.5f, {}, {1, 3}, 4},
        {"listed only by the lower place", 2.0f, 2.5f, {2}, {3}, 8},
        {"listed twice", 2.0f, 2.5f, {2, 2}, {3}, 12},
        {"self-links and missing places", 2.0f, 2.5f, {1, 9}, {2, 3}, 4},
        {"not longer than PathDS", 10.0f, 2.5f, {2}, {1, 3}, 0},
        {"shorter than one spacing", 2.0f, 11.0f, {2}, {1, 3}, 0},
        {"spacing 0", 2.0f, 0.0f, {2}, {1, 3}, 0},
        {"negative spacing", 2.0f, -1.0f, {2}, {1, 3}, 0},
        {"a tiny spacing is capped", 2.0f, 0.0001f, {2}, {1, 3}, 2 * JC_WorldMapView1::MAX_SIGNS_PER_LINK},
    };
    for (const auto& c : cases) {
        SetLayoutFloat("View1_PathDS", c.fPathDS);
        SetLayoutFloat("View1_PathDD", c.fPathDD);
        SetLinks(1, c.townLinks);
        SetLinks(2, c.crossroadsLinks);
        SetLinks(3, {});
        JC_WorldMapDocument document;
        ASSERT_EQ(Initiate(document), 0u);
        ASSERT_EQ(document.Enable(), S_OK);
        EXPECT_EQ(SignsOf(document)->GetSignCount(), c.dwSigns) << c.szCase;
        document.Close();
    }
}

TEST_F(WorldMapScreen, SystemFlag2LaysTheSignsAnewOnlyWhileTheViewTakesInput)
{
    JC_WorldMapDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    ASSERT_EQ(document.Enable(), S_OK);
    JC_WorldMapView1* const pSigns = SignsOf(document);
    EXPECT_EQ(pSigns->GetSign(0)->iShown, 0);
    WorldMap().SetPlaceIsOpen(2, 1);
    Flags().SetFlagSystem(2, 1);
    pSigns->SetViewActive(0);
    EXPECT_EQ(pSigns->FrameMove(0.0f), 0u);
    EXPECT_EQ(Flags().GetFlagSystem(2), 1);
    EXPECT_EQ(pSigns->GetSign(0)->iShown, 0);
    pSigns->SetViewActive(1);
    EXPECT_EQ(pSigns->FrameMove(0.0f), 0u);
    EXPECT_EQ(Flags().GetFlagSystem(2), 0);
    EXPECT_EQ(pSigns->GetSign(0)->iShown, 1);
    EXPECT_EQ(pSigns->GetSign(0)->model.GetShow(), TRUE);
    EXPECT_EQ(pSigns->MsgProc(WM_LBUTTONDOWN, 0, 0), 0u);
    EXPECT_EQ(pSigns->SetViewMode(1), JE_WORLDMAPVIEW1_VIEW_MODE_NOT_SUPPORT);
}

#include "JC_Module/JC_State/View/JC_StateModuleViewA.h"

#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "JC_Module/JC_State/View/JC_StateModuleViewB.h"

#include "tests/JC_Module/JC_State/StateScreenFixture.h"

#include <gtest/gtest.h>

class StateInlay : public StateScreen
{
protected:
    StateInlay()
    {
        // Gems: 1 and 3 for weapons, 2 for wearings.
        for (const DWORD dwGem : {1u, 2u, 3u})
            EXPECT_EQ(Warehouse().AddThing(1, dwGem, 2), 0u);
        // Weapons 1 (one hole), 2 (two), 3 (two); wearings 2 (one hole), 3 (none).
        for (const DWORD dwWeapon : {1u, 2u, 3u})
            EXPECT_EQ(Warehouse().AddThing(3, dwWeapon, 1), 0u);
        for (const DWORD dwWearing : {2u, 3u})
            EXPECT_EQ(Warehouse().AddThing(4, dwWearing, 1), 0u);
    }

    static const JC_ControlWarehouse& Warehouse() { return gp_ControlManagerObj->m_ControlWarehouseObj; }
    static DWORD GemCount(int iDrawer)
    {
        return Warehouse().GetDrawerObjInfo_ThingCount(Warehouse().GetDrawerObj(1, iDrawer));
    }
};

TEST_F(StateInlay, TheGemsWearKindChoosesTheWarehouseAndOnlyFreeHolesAreListed)
{
    JC_StateModuleDocument document;
    Open(document, 0);
    auto* const pPage = static_cast<JC_StateModuleViewA*>(document.GetView(10));
    const struct
    {
        int iGemDrawer;
        DWORD dwResult;
        int iWarehouse;
        size_t uEntries;
    } cases[] = {
        {0, 0, 3, 3}, {1, 0, 4, 1}, {2, 0, 3, 3}, {3, JE_STATEMODULEVIEWA_NO_GEM_DRAWER, 0, 0},
        {-1, JE_STATEMODULEVIEWA_NO_GEM_DRAWER, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pPage->SetFilterCondition(c.iGemDrawer), c.dwResult) << c.iGemDrawer;
        EXPECT_EQ(pPage->GetBrowsedWarehouse(), c.iWarehouse) << c.iGemDrawer;
        EXPECT_EQ(pPage->GetEntries().size(), c.uEntries) << c.iGemDrawer;
    }
    // A gem of no wear kind lists nothing.
    const int iNoKind = 7;
    JC_DataComponent* const pGem = Warehouse().GetDrawerObjInfo_Thing(Warehouse().GetDrawerObj(1, 0));
    ASSERT_EQ(pGem->SetItemValue("WearPosition", &iNoKind), 0u);
    EXPECT_EQ(pPage->SetFilterCondition(0), JE_STATEMODULEVIEWA_WEAR_POSITION_NOT_SUPPORT);
    EXPECT_TRUE(pPage->GetEntries().empty());
    document.Close();
}

TEST_F(StateInlay, AnInlayTakesOneGemAndARefusedOneTakesNone)
{
    JC_StateModuleDocument document;
    Open(document, 0);
    auto* const pPage = static_cast<JC_StateModuleViewA*>(document.GetView(10));
    ASSERT_EQ(pPage->SetFilterCondition(0), 0u);
    ASSERT_EQ(pPage->GetEntries().size(), 3u);
    ASSERT_EQ(pPage->GetEntries()[0].iDrawerIndex, 0);
    EXPECT_EQ(pPage->InlayEntry(0), 0u) << LogText();
    EXPECT_EQ(GemCount(0), 1u);
    // The short sword's one hole is taken now.
    EXPECT_NE(pPage->InlayEntry(0), 0u);
    EXPECT_EQ(GemCount(0), 1u);
    ASSERT_EQ(pPage->SetFilterCondition(0), 0u);
    EXPECT_EQ(pPage->GetEntries().size(), 2u);
    // The last gem of the drawer empties it.
    EXPECT_EQ(pPage->InlayEntry(0), 0u);
    EXPECT_EQ(Warehouse().HowManyDrawerInWarehouse(1), 2);
    EXPECT_EQ(pPage->InlayEntry(5), 0u);
    document.Close();
}

TEST_F(StateInlay, TheConfirmationNamesTheGemAndTheEquipment)
{
    JC_StateModuleDocument document;
    Open(document, 0);
    auto* const pBox = static_cast<JC_StateModuleViewB*>(document.GetView(11));
    EXPECT_EQ(pBox->GetLine(1), "鑲嵌到");
    ASSERT_EQ(pBox->SetInlayInfo("紅魂石", "短劍"), 0u);
    EXPECT_EQ(pBox->GetLine(0), "確定要將紅魂石");
    EXPECT_EQ(pBox->GetLine(1), "鑲嵌到");
    EXPECT_EQ(pBox->GetLine(2), "短劍？");
    EXPECT_EQ(pBox->SetViewMode(1), JE_STATEMODULEVIEWB_VIEW_MODE_NOT_SUPPORT);
    document.Close();
}

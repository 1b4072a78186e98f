#include "JC_Module/JC_State/View/JC_StateModuleView5.h"

#include "JC_DataManager/Control/JC_ControlWarehouse.h"

#include "tests/JC_Module/JC_State/StateScreenFixture.h"

#include <gtest/gtest.h>

TEST(JC_StateModuleView5, ARecordFitsTheSlotsItsWearPositionNames)
{
    const int SLOTS[] = {1, 2, 4, 0x10, 0x40, 0x80};
    const struct
    {
        int iRecord;
        bool bFits[6];
    } cases[] = {
        {1, {true, false, false, false, false, false}},   {2, {false, true, false, false, false, false}},
        {4, {false, false, true, false, false, false}},   {8, {false, false, true, false, false, false}},
        {0x10, {false, false, false, true, false, false}}, {0x20, {false, false, false, false, true, true}},
        {0x40, {true, true, true, true, true, true}},      {0, {true, true, true, true, true, true}},
    };
    for (const auto& c : cases) {
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(JC_StateModuleView5::FitsWearPosition(c.iRecord, SLOTS[i]) != 0, c.bFits[i])
                << c.iRecord << " at " << SLOTS[i];
    }
}

class StateCandidates : public StateScreen
{
protected:
    static const JC_ControlWarehouse& Warehouse() { return gp_ControlManagerObj->m_ControlWarehouseObj; }
    static JC_DataComponent* ThingOfDrawer(int iWarehouse, int iDrawer)
    {
        return Warehouse().GetDrawerObjInfo_Thing(Warehouse().GetDrawerObj(iWarehouse, iDrawer));
    }
};

TEST_F(StateCandidates, TheFilterTakesWarehouseJobHolesAndWearPosition)
{
    // Weapons: 1 short sword (one hole), 3 the two-handed axe, 4 a staff.
    ASSERT_EQ(Warehouse().AddThing(3, 1, 1), 0u);
    ASSERT_EQ(Warehouse().AddThing(3, 3, 1), 0u);
    ASSERT_EQ(Warehouse().AddThing(3, 4, 1), 0u);
    // Wearings: 2 a shield, 4 a ring for either accessory slot.
    ASSERT_EQ(Warehouse().AddThing(4, 2, 1), 0u);
    ASSERT_EQ(Warehouse().AddThing(4, 4, 1), 0u);
    JC_StateModuleDocument document;
    Open(document, 0);
    auto* const pView = static_cast<JC_StateModuleView5*>(document.GetView(5));
    const struct
    {
        int iWarehouse;
        int iHoleCheck;
        int iWearPosition;
        size_t uCount;
    } cases[] = {
        {3, 0, 4, 3}, {3, 0, 2, 0}, {4, 0, 2, 1}, {4, 0, 0x40, 1}, {4, 0, 0x80, 1}, {4, 0, 1, 0}, {3, 0, 0, 3},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(pView->SetCandidateFilter(c.iWarehouse, 1, c.iHoleCheck, c.iWearPosition), 0u);
        ASSERT_EQ(pView->CollectCandidates(), 0u) << LogText();
        EXPECT_EQ(pView->GetCandidates().size(), c.uCount) << c.iWarehouse << " at " << c.iWearPosition;
    }
    // Holes: the sword's one hole taken by a gem leaves two candidates.
    ASSERT_EQ(gp_ControlManagerObj->m_ControlInlayObj.ToInlay(gp_DataManagerObj->GetGemObj(1), ThingOfDrawer(3, 0)),
              0u)
        << LogText();
    ASSERT_EQ(pView->SetCandidateFilter(3, 0, 1, 4), 0u);
    ASSERT_EQ(pView->CollectCandidates(), 0u);
    EXPECT_EQ(pView->GetCandidates().size(), 2u);
    ASSERT_EQ(pView->SetCandidateFilter(3, 0, 0, 4), 0u);
    ASSERT_EQ(pView->CollectCandidates(), 0u);
    EXPECT_EQ(pView->GetCandidates().size(), 3u);
    // The job: the hero's job may not wear the staff. The view takes the person's job when it refreshes on
    // the candidates page, not on a bare collect.
    ASSERT_EQ(document.GetControlPerson()->GetPersonPowerObj()->GetJobID(), 1u);
    const int iRefused = 0;
    ASSERT_EQ(ThingOfDrawer(3, 2)->SetItemValue("EquipJob_Monk", &iRefused), 0u);
    ASSERT_EQ(pView->SetCandidateFilter(3, 1, 0, 4), 0u);
    ASSERT_EQ(document.SetDocumentMode(2), 0u);
    ASSERT_EQ(document.UpdateView(-2), 0u);
    EXPECT_EQ(pView->GetCandidates().size(), 2u) << LogText();
    // Filters the view cannot list keep the one before.
    EXPECT_EQ(pView->SetCandidateFilter(1, 1, 0, 4), JE_STATEMODULEVIEW5_WAREHOUSE_NOT_SUPPORT);
    EXPECT_EQ(pView->SetCandidateFilter(3, 1, 0, 8), JE_STATEMODULEVIEW5_WEAR_POSITION_NOT_SUPPORT);
    EXPECT_EQ(pView->SetCandidateFilter(3, 1, 0, 0x20), JE_STATEMODULEVIEW5_WEAR_POSITION_NOT_SUPPORT);
    document.Close();
}

TEST_F(StateCandidates, SevenCandidatesMakeTwoPagesAndAnEmptyWarehouseNone)
{
    JC_StateModuleDocument document;
    Open(document, 0);
    auto* const pView = static_cast<JC_StateModuleView5*>(document.GetView(5));
    ASSERT_EQ(pView->SetCandidateFilter(3, 0, 0, 4), 0u);
    ASSERT_EQ(pView->CollectCandidates(), 0u);
    EXPECT_EQ(pView->GetPagedList().GetPageCount(), 0);
    int iWarehouse = 0;
    int iDrawer = 0;
    int iPosition = 0;
    EXPECT_EQ(pView->GetSelectedThing(iWarehouse, iDrawer, iPosition), 0u);

    ASSERT_EQ(Warehouse().AddThing(3, 1, 7), 0u);
    ASSERT_EQ(Warehouse().HowManyDrawerInWarehouse(3), 7);
    ASSERT_EQ(pView->CollectCandidates(), 0u);
    EXPECT_EQ(pView->GetPagedList().GetPageCount(), 2);
    EXPECT_EQ(pView->NextPage(), 0u);
    EXPECT_EQ(pView->GetPagedList().EntryAt(0), 6);
    EXPECT_EQ(pView->GetPagedList().EntryAt(1), -1);
    EXPECT_EQ(pView->ShowPage(), 0u);
    document.Close();
}

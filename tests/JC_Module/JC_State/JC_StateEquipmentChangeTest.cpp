#include "JC_Module/JC_State/JC_StateEquipmentChange.h"

#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "JC_Module/JC_State/View/JC_StateModuleView4.h"
#include "JC_Module/JC_State/View/JC_StateModuleView5.h"
#include "JC_Module/JC_State/View/JC_StateModuleView6.h"

#include "tests/JC_Module/JC_State/StateScreenFixture.h"

#include <gtest/gtest.h>

namespace {

const int WEAPONS = JC_ControlWarehouse::WAREHOUSE_WEAPON;
const int WEARINGS = JC_ControlWarehouse::WAREHOUSE_WEARING;

} // namespace

// The hero wears the long sword with a gem in the right hand, clothes and
// boots; the weapon warehouse gets a short sword.
class StateEquipment : public StateScreen
{
protected:
    StateEquipment()
    {
        EXPECT_EQ(Warehouse().AddThing(WEAPONS, 1, 1), 0u);
        m_Person.Initiation(gp_DataManagerObj, gp_ControlManagerObj->GetBehaviorAnalyser());
        EXPECT_EQ(m_Person.SetControlPerson(Person(0)), 0u);
    }

    static const JC_ControlWarehouse& Warehouse() { return gp_ControlManagerObj->m_ControlWarehouseObj; }
    JC_StateEquipmentChange Change()
    {
        return JC_StateEquipmentChange(m_Person, Warehouse(), *gp_DataManagerObj, *gp_DebugInfoObj);
    }
    static std::string NameOf(JC_DataComponent* pThing)
    {
        std::string strName;
        if (pThing != nullptr)
            pThing->GetItemValue("Name", &strName);
        return strName;
    }
    static std::string DrawerName(int iWarehouse, int iDrawer)
    {
        return NameOf(Warehouse().GetDrawerObjInfo_Thing(Warehouse().GetDrawerObj(iWarehouse, iDrawer)));
    }
    JC_ControlPersonPower& Power() { return *m_Person.GetPersonPowerObj(); }

    JC_ControlPerson m_Person;
};

TEST_F(StateEquipment, PuttingOnSwapsTheWornItemWithTheDrawersAndTakingOffReturnsIt)
{
    const int iStrength = Power().GetOperatorPerson()->GetStrength();
    ASSERT_EQ(NameOf(Power().GetHandRight()), "烈焰長劍");
    ASSERT_EQ(Change().PutOn(WEAPONS, 0, 4), 0u) << LogText();
    EXPECT_EQ(NameOf(Power().GetHandRight()), "短劍");
    ASSERT_EQ(Warehouse().HowManyDrawerInWarehouse(WEAPONS), 1);
    EXPECT_EQ(DrawerName(WEAPONS, 0), "烈焰長劍");
    // The long sword's +2 strength went with it.
    EXPECT_EQ(Power().GetOperatorPerson()->GetStrength(), iStrength - 2);

    ASSERT_EQ(Change().TakeOff(4), 0u) << LogText();
    EXPECT_FALSE(Power().HasHandRight());
    EXPECT_EQ(Warehouse().HowManyDrawerInWarehouse(WEAPONS), 2);
    ASSERT_EQ(Change().TakeOff(0x10), 0u) << LogText();
    EXPECT_FALSE(Power().HasFoot());
    EXPECT_EQ(Warehouse().HowManyDrawerInWarehouse(WEARINGS), 1);
    EXPECT_EQ(DrawerName(WEARINGS, 0), "皮靴");
}

TEST_F(StateEquipment, AWarehouseThatRefusesLeavesEverythingAsItWas)
{
    // The worn sword names a warehouse that does not exist.
    const int iNoWarehouse = 9;
    ASSERT_EQ(Power().GetHandRight()->SetItemValue("Warehouse", &iNoWarehouse), 0u);
    const int iStrength = Power().GetOperatorPerson()->GetStrength();
    EXPECT_EQ(Change().PutOn(WEAPONS, 0, 4), JE_STATEEQUIPMENTCHANGE_PUT_ON_UNDONE);
    EXPECT_EQ(NameOf(Power().GetHandRight()), "烈焰長劍");
    EXPECT_EQ(Power().GetOperatorPerson()->GetStrength(), iStrength);
    ASSERT_EQ(Warehouse().HowManyDrawerInWarehouse(WEAPONS), 1);
    EXPECT_EQ(DrawerName(WEAPONS, 0), "短劍");
    EXPECT_EQ(Warehouse().GetDrawerObjInfo_ThingCount(Warehouse().GetDrawerObj(WEAPONS, 0)), 1u);

    EXPECT_EQ(Change().TakeOff(4), JE_STATEEQUIPMENTCHANGE_TAKE_OFF_UNDONE);
    EXPECT_EQ(NameOf(Power().GetHandRight()), "烈焰長劍");
    EXPECT_EQ(Warehouse().HowManyDrawerInWarehouse(WEAPONS), 1);
    EXPECT_TRUE(Logged("StateEquipmentChange TakeOff WarehouseRefused")) << LogText();

    // A drawer that is not there puts nothing on.
    EXPECT_NE(Change().PutOn(WEAPONS, 5, 4), 0u);
    EXPECT_NE(Change().PutOn(WEAPONS, -1, 4), 0u);
    EXPECT_EQ(NameOf(Power().GetHandRight()), "烈焰長劍");
}

TEST_F(StateEquipment, TheCandidatesPageReplacesTheSlotsAndAClickWithoutARowPutsNothingOn)
{
    JC_StateModuleDocument document;
    Open(document, 0);
    // Mode 2 replaces the tabs and the slots by the candidates.
    ASSERT_EQ(document.SetDocumentMode(2), 0u);
    EXPECT_FALSE(document.GetView(2)->IsOpen());
    EXPECT_FALSE(document.GetView(4)->IsOpen());
    EXPECT_TRUE(document.GetView(5)->IsOpen());
    EXPECT_TRUE(document.GetView(6)->IsOpen());
    ASSERT_EQ(document.SetDocumentMode(1), 0u);
    EXPECT_TRUE(document.GetView(4)->IsOpen());
    EXPECT_FALSE(document.GetView(5)->IsOpen());

    auto* const pCandidates = static_cast<JC_StateModuleView5*>(document.GetView(5));
    ASSERT_EQ(pCandidates->SetCandidateFilter(WEAPONS, 1, 0, 4), 0u);
    ASSERT_EQ(document.SetDocumentMode(2), 0u);
    ASSERT_EQ(document.UpdateView(-2), 0u);
    ASSERT_EQ(pCandidates->GetCandidates().size(), 1u);
    // Without a selected row the click puts nothing on.
    EXPECT_EQ(document.DealViewEvent(5, JC_StateModuleView5::EVENT_CHOSEN), 0u);
    EXPECT_EQ(NameOf(document.GetControlPerson()->GetPersonPowerObj()->GetHandRight()), "烈焰長劍");
    EXPECT_EQ(document.GetDocumentMode(), 1);
    EXPECT_EQ(Warehouse().HowManyDrawerInWarehouse(WEAPONS), 1);
    // The slots show the label and the name of what is worn, "－－" where nothing is.
    auto* const pSlots = static_cast<JC_StateModuleView4*>(document.GetView(4));
    ASSERT_GE(pSlots->GetSlotText(0).size(), 8u) << LogText();
    ASSERT_GE(pSlots->GetSlotText(1).size(), 4u) << LogText();
    EXPECT_EQ(pSlots->GetSlotText(0).substr(pSlots->GetSlotText(0).size() - 8), "烈焰長劍") << LogText();
    EXPECT_EQ(pSlots->GetSlotText(1).substr(pSlots->GetSlotText(1).size() - 4), "－－");
    document.Close();
}

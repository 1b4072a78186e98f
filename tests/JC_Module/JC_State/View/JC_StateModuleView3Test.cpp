#include "JC_Module/JC_State/View/JC_StateModuleView3.h"

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "JC_DataManager/Operator/JC_OperatorPerson.h"

#include "tests/JC_Module/JC_State/StateScreenFixture.h"

#include <gtest/gtest.h>

TEST_F(StateScreen, AddButtonsShowOnlyWithPointsAndBelow99)
{
    using View3 = JC_StateModuleView3;
    const struct
    {
        int iPoints;
        int iStrength;
        int iVitality;
        bool bShown[View3::BUTTON_COUNT];
    } cases[] = {
        {0, 10, 10, {false, false, false, false, false, false, false, false}},
        {-3, 10, 10, {false, false, false, false, false, false, false, false}},
        {1, 98, 10, {true, true, true, true, true, false, false, false}},
        {5, 10, 99, {true, false, true, true, true, false, false, false}},
        {5, 120, 99, {false, false, true, true, true, false, false, false}},
    };
    JC_StateModuleDocument document;
    Open(document, 0);
    auto* const pView = static_cast<View3*>(document.GetView(3));
    JC_OperatorPerson* const pPerson = document.GetControlPerson()->GetPersonPowerObj()->GetOperatorPerson();
    for (const auto& c : cases) {
        pPerson->SetNotUsePoint(c.iPoints);
        pPerson->SetStrength(c.iStrength);
        pPerson->SetVitality(c.iVitality);
        ASSERT_EQ(document.UpdateView(3), 0u);
        EXPECT_EQ(pView->GetValue(View3::ENTRY_NOT_USE_POINT), c.iPoints);
        for (int k = 0; k < View3::BUTTON_COUNT; ++k)
            EXPECT_EQ(pView->GetAddButton(k)->GetShow() != 0, c.bShown[k]) << c.iPoints << " button " << k;
    }
    document.Close();
}

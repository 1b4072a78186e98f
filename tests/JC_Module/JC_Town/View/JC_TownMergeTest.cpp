#include "JC_Module/JC_Town/JC_TownModuleDocument.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView0.h"

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "JC_DataManager/Control/JC_ControlTeam.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView8.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView9.h"
#include "TemplateSystem/JC_DataComponent.h"

#include "tests/JC_Module/JC_Town/TownScreenFixture.h"

#include <gtest/gtest.h>

using Mode = JC_TownModuleDocument::JE_Mode;
using View = JC_TownModuleDocument::JE_View;
using Merging = JC_TownModuleView8;
using Monsters = JC_TownModuleView9;

namespace {

const DWORD GOBLIN = 11;
const DWORD SLIME = 12;
const DWORD CHIMERA = 13;

DWORD PersonID(JC_DataComponent* pPerson)
{
    DWORD dwID = 0;
    if (pPerson != nullptr)
        pPerson->GetItemValue("ID", &dwID);
    return dwID;
}

} // namespace

class TownMerge : public TownScreen
{
protected:
    void OpenMerging()
    {
        ASSERT_EQ(Team().EmptyTeam(TeamID::TEAMID_OUR), 0u);
        Open(m_Document);
        ASSERT_EQ(m_Document.DealViewEvent(View::VIEW_MENU, JC_TownModuleView0::EVENT_MERGE), 0u);
        ASSERT_EQ(m_Document.GetDocumentMode(), Mode::MODE_MERGE);
    }
    void AddToParty(int iTeamIndex, DWORD dwPersonID)
    {
        ASSERT_EQ(Team().AddPersonToTeamFromFixedData(TeamID::TEAMID_OUR, iTeamIndex, dwPersonID), 0u) << LogText();
    }
    // Every merge succeeds and gives the chimera.
    static void SureMerge()
    {
        const int iRate = 100;
        JC_DataComponent* const pRule = gp_DataManagerObj->GetHybridizeObj(GOBLIN, SLIME);
        ASSERT_NE(pRule, nullptr);
        ASSERT_EQ(pRule->SetItemValue("SuccessRate", &iRate), 0u);
    }
    Merging* Merge() const { return View<Merging>(m_Document, View::VIEW_MERGE); }
    Monsters* List() const { return View<Monsters>(m_Document, View::VIEW_MONSTERS); }

    JC_TownModuleDocument m_Document;
};

TEST_F(TownMerge, TwoPickedMonstersMergeIntoAThirdAtTheFirstFreePlace)
{
    OpenMerging();
    AddToParty(200, GOBLIN);
    AddToParty(201, SLIME);
    SureMerge();
    // The list picks the first source, then the second; a monster picked
    // already cannot be picked again.
    ASSERT_EQ(m_Document.DealViewEvent(View::VIEW_MERGE, Merging::EVENT_OPEN_LIST), 0u);
    ASSERT_EQ(m_Document.GetDocumentMode(), Mode::MODE_MERGE_LIST);
    ASSERT_EQ(List()->IsOpen(), TRUE);
    EXPECT_EQ(List()->GetListCount(), 2);
    EXPECT_EQ(List()->PickRow(1), 1u);
    EXPECT_EQ(List()->SetViewMode(Monsters::MODE_SECOND), 0u);
    EXPECT_EQ(List()->PickRow(1), 0u) << "the goblin is picked already";
    EXPECT_EQ(List()->PickRow(3), 0u) << "an empty row";
    EXPECT_EQ(List()->PickRow(2), 1u);
    int iFirst = -1;
    int iSecond = -1;
    List()->GetSelectPerson(iFirst, iSecond);
    EXPECT_EQ(iFirst, 200);
    EXPECT_EQ(iSecond, 201);
    ASSERT_EQ(Merge()->SetHybridizePerson(iFirst, iSecond), 0u);
    EXPECT_EQ(Merge()->GetAnimation(Merging::ITEM_SQUARE3)->GetShow(), TRUE);
    EXPECT_TRUE(m_Pack.WasAsked("Town\\Monster\\000b0004\\00a.ant"));

    EXPECT_EQ(Merge()->Merge(), 1u) << LogText();
    EXPECT_EQ(PersonID(Person(200)), CHIMERA);
    EXPECT_EQ(Person(201), nullptr);
    EXPECT_EQ(Merge()->GetResultPlace(), 200);
    EXPECT_EQ(Merge()->GetFirstPlace(), -1);
    m_Document.Close();
}

TEST_F(TownMerge, NoResultKeepsBothAndAFullBandStillMerges)
{
    OpenMerging();
    AddToParty(200, GOBLIN);
    AddToParty(201, SLIME);
    // A pair without a rule makes no one.
    ASSERT_EQ(Merge()->SetHybridizePerson(200, 200), 0u);
    EXPECT_NE(Merge()->Merge(), 1u);
    EXPECT_EQ(PersonID(Person(200)), GOBLIN);
    EXPECT_EQ(Merge()->GetViewMode(), Merging::MODE_CHOOSE);

    for (int i = 202; i <= JC_ControlTeam::PET_LAST; ++i)
        AddToParty(i, SLIME);
    SureMerge();
    ASSERT_EQ(Merge()->SetHybridizePerson(200, 201), 0u);
    EXPECT_EQ(Merge()->Merge(), 1u) << LogText();
    EXPECT_EQ(PersonID(Person(200)), CHIMERA);
    m_Document.Close();
}

TEST_F(TownMerge, AFailedPlacementPutsBothSourcesBack)
{
    OpenMerging();
    // Sources outside the monster band free no place in a full band.
    AddToParty(0, GOBLIN);
    AddToParty(1, SLIME);
    for (int i = JC_ControlTeam::PET_FIRST; i <= JC_ControlTeam::PET_LAST; ++i)
        AddToParty(i, SLIME);
    SureMerge();
    ASSERT_EQ(Merge()->SetHybridizePerson(0, 1), 0u);
    EXPECT_NE(Merge()->Merge(), 1u);
    EXPECT_EQ(PersonID(Person(0)), GOBLIN);
    EXPECT_EQ(PersonID(Person(1)), SLIME);
    EXPECT_EQ(Merge()->GetResultPlace(), -1);
    m_Document.Close();
}

TEST_F(TownMerge, TheAnimationTakesOneStepAFrameByTheTimeSinceItBegan)
{
    OpenMerging();
    AddToParty(200, GOBLIN);
    AddToParty(201, SLIME);
    SureMerge();
    ASSERT_EQ(Merge()->SetHybridizePerson(200, 201), 0u);
    ASSERT_EQ(Merge()->Merge(), 1u);
    ASSERT_EQ(m_Document.DealViewEvent(View::VIEW_MERGE, Merging::EVENT_MERGED), 0u);
    ASSERT_EQ(Merge()->GetViewMode(), Merging::MODE_ANIMATION);
    // Steps at 0.5, 1.0, 1.5 and 2.0 s (the sample layout).
    const struct
    {
        float fElapsed;
        int iStep;
        DWORD dwResult;
    } frames[] = {{0.4f, 1, 0}, {0.05f, 1, 0}, {0.1f, 2, 0}, {0.6f, 3, 0}, {3.0f, 4, 0}, {0.0f, 4, 1}};
    for (const auto& frame : frames) {
        EXPECT_EQ(Merge()->FrameMove(frame.fElapsed), frame.dwResult) << frame.fElapsed;
        EXPECT_EQ(Merge()->GetAnimationStep(), frame.iStep) << frame.fElapsed;
    }
    EXPECT_EQ(Merge()->GetAnimation(Merging::ITEM_MONSTER1)->GetShow(), FALSE);
    EXPECT_EQ(Merge()->GetAnimation(Merging::ITEM_MONSTER3)->GetShow(), TRUE);
    EXPECT_EQ(Merge()->GetViewEvent(), static_cast<DWORD>(Merging::EVENT_ANIMATION_DONE));
    m_Document.Close();
}

TEST_F(TownMerge, TwelveMonstersMakeThreePagesAndAnEmptyListNone)
{
    OpenMerging();
    List()->BuildPersonList();
    EXPECT_EQ(List()->GetListCount(), 0);
    EXPECT_FALSE(List()->NextPage());
    EXPECT_EQ(List()->GetPage(), 0);
    for (int i = 0; i < 12; ++i)
        AddToParty(200 + i * 2, i % 2 == 0 ? GOBLIN : SLIME);
    ASSERT_EQ(List()->SetSelectPerson(-1, -1), 0u);
    EXPECT_EQ(List()->GetListCount(), 12);
    EXPECT_TRUE(List()->PrevPage());
    EXPECT_EQ(List()->GetPage(), 2);
    List()->UpdatePersonList();
    for (int iRow = 1; iRow <= Monsters::ROW_COUNT; ++iRow)
        EXPECT_EQ(List()->GetString(Monsters::ITEM_NAME + iRow - 1)->GetShow(), iRow <= 2) << iRow;
    EXPECT_EQ(List()->PickRow(3), 0u);
    EXPECT_TRUE(List()->NextPage());
    EXPECT_EQ(List()->GetPage(), 0);

    // The list moves beside the card once for the second pick, and back.
    const float fX = List()->GetAnimation(Monsters::ITEM_LIST_BK)->GetPosition()->x;
    List()->SetViewMode(Monsters::MODE_SECOND);
    List()->SetViewMode(Monsters::MODE_SECOND);
    EXPECT_FLOAT_EQ(List()->GetAnimation(Monsters::ITEM_LIST_BK)->GetPosition()->x, fX + 400.0f);
    List()->SetViewMode(Monsters::MODE_FIRST);
    EXPECT_FLOAT_EQ(List()->GetAnimation(Monsters::ITEM_LIST_BK)->GetPosition()->x, fX);
    m_Document.Close();
}

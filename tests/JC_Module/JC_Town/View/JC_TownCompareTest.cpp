#include "JC_Module/JC_Town/JC_TownModuleDocument.h"

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "JC_DataManager/Control/JC_ControlTeam.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView5.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView6.h"
#include "TemplateSystem/JC_DataComponent.h"

#include "tests/JC_Module/JC_Town/TownScreenFixture.h"

#include <gtest/gtest.h>

using View = JC_TownModuleDocument::JE_View;
using Compare = JC_TownModuleView6;

namespace {

const DWORD KIND_TOOL = 1;
const DWORD KIND_WEAPON = 2;
const DWORD KIND_WEARING = 3;
// The sample's two-handed axe, the fighter's; the healer's leather shield.
const DWORD AXE = 3;
const DWORD SHIELD = 2;
const DWORD RING = 4;
const DWORD FIGHTER = 2;
const DWORD HEALER = 3;

std::string RecordText(const JC_DataComponent* pPerson)
{
    std::string strText;
    pPerson->WriteComponent(strText, false, "", false, false);
    return strText;
}

} // namespace

class TownCompare : public TownScreen
{
protected:
    void OpenShop()
    {
        ASSERT_EQ(Team().EmptyTeam(TeamID::TEAMID_OUR), 0u);
        Open(m_Document);
        ASSERT_EQ(m_Document.SetDocumentMode(JC_TownModuleDocument::MODE_SHOP), 0u);
    }
    void AddToParty(int iTeamIndex, DWORD dwPersonID)
    {
        ASSERT_EQ(Team().AddPersonToTeamFromFixedData(TeamID::TEAMID_OUR, iTeamIndex, dwPersonID), 0u) << LogText();
    }
    Compare* Faces() const { return View<Compare>(m_Document, View::VIEW_COMPARE); }

    JC_TownModuleDocument m_Document;
};

TEST_F(TownCompare, TheExplanationShowsFourLinesAtMost)
{
    OpenShop();
    auto* const pExplain = View<JC_TownModuleView5>(m_Document, View::VIEW_EXPLAIN);
    EXPECT_EQ(pExplain->GetAnimation(JC_TownModuleView5::ITEM_BK)->GetColor() >> 24, 200u)
        << "the layout's opacity";
    ASSERT_EQ(pExplain->SetViewMode(JC_TownModuleView5::MODE_SHOWN), 0u);
    pExplain->SetExplainLines({"a", "bb", "ccc", "dddd", "eeeee", "ffffff"});
    for (int i = 0; i < JC_TownModuleView5::LINE_COUNT; ++i)
        EXPECT_EQ(pExplain->GetString(JC_TownModuleView5::ITEM_LINE + i)->GetWordCount(), static_cast<DWORD>(i + 1));
    pExplain->SetExplainLines({});
    for (int i = 0; i < JC_TownModuleView5::LINE_COUNT; ++i)
        EXPECT_EQ(pExplain->GetString(JC_TownModuleView5::ITEM_LINE + i)->GetWordCount(), 0u);
    EXPECT_EQ(pExplain->SetViewMode(2), JE_TOWNMODULEVIEW5_VIEW_MODE_NOT_SUPPORT);
    EXPECT_EQ(pExplain->GetViewMode(), JC_TownModuleView5::MODE_SHOWN);
    m_Document.Close();
}

TEST_F(TownCompare, OnlyWeaponsAndWearingsOtherThanAccessoriesGetFaces)
{
    OpenShop();
    AddToParty(0, HEALER);
    const struct
    {
        DWORD dwKind;
        DWORD dwThingID;
        DWORD dwResult;
        int iFaces;
    } cases[] = {
        {KIND_TOOL, 1, 0, 0},      {0, 1, 0, 0}, {KIND_WEARING, RING, 0, 0}, {KIND_WEARING, SHIELD, 0, 1},
        {4, 1, JE_TOWNMODULEVIEW6_THING_KIND_NOT_SUPPORT, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Faces()->UpdateInfo(c.dwKind, c.dwThingID), c.dwResult) << c.dwKind << " " << c.dwThingID;
        EXPECT_EQ(Faces()->GetFaceCount(), c.iFaces) << c.dwKind << " " << c.dwThingID;
    }
    EXPECT_TRUE(m_Pack.WasAsked("Town\\Face\\ef00000003.ant")) << testing::PrintToString(m_Pack.Requests());
    m_Document.Close();
}

TEST_F(TownCompare, TwentyOneCapablePersonsGiveTwentyFaces)
{
    OpenShop();
    for (int i = 0; i < 21; ++i)
        AddToParty(i, HEALER);
    AddToParty(200, 11);
    EXPECT_EQ(Faces()->UpdateInfo(KIND_WEARING, SHIELD), 0u) << LogText();
    EXPECT_EQ(Faces()->GetFaceCount(), Compare::FACE_COUNT);
    m_Document.Close();
}

TEST_F(TownCompare, TryingOnLeavesEveryRecordAsItWas)
{
    OpenShop();
    // The healer holds a staff beside her shield; the fighter a two-handed axe.
    AddToParty(0, HEALER);
    AddToParty(1, FIGHTER);
    const std::string strHealer = RecordText(Person(0));
    const std::string strFighter = RecordText(Person(1));
    const struct
    {
        DWORD dwKind;
        DWORD dwThingID;
    } cases[] = {{KIND_WEAPON, AXE}, {KIND_WEARING, SHIELD}};
    for (const auto& c : cases) {
        EXPECT_EQ(Faces()->UpdateInfo(c.dwKind, c.dwThingID), 0u) << LogText();
        EXPECT_EQ(RecordText(Person(0)), strHealer) << c.dwThingID;
        EXPECT_EQ(RecordText(Person(1)), strFighter) << c.dwThingID;
    }
    m_Document.Close();
}

#include "Code/Battle/BattleScript/XC_BattleScriptCommand.h"

#include "Code/Battle/BattleScript/XC_BattleScript.h"
#include "GameProgram/Script/XC_ScriptMessageAssigner.h"
#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetPosition.h"

#include "tests/Code/Battle/BattleFixture.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

struct SelectingCommand : XC_BattleScriptCommand
{
    using XC_ScriptCommand::Select;
};

// The battle command set read against one battle script whose person is the
// hero, on a floor the test lays.
class BattleScriptCommandTest : public BattleFixture
{
protected:
    void TearDown() override
    {
        m_Script.Fini();
        BattleFixture::TearDown();
    }

    // The hero at one floor facing a direction, and its script.
    void Start(DWORD dwWidth, DWORD dwLength, const std::vector<TestCell>& cells, int iHeroFloor, DWORD dwFacing)
    {
        LayFloor(dwWidth, dwLength, cells);
        AddFightPerson(0, 1, iHeroFloor);
        StartBattle();
        m_pHero = m_Persons.GetPersonFromTeamIndex(0);
        m_pHero->SetDirection(dwFacing);
        const std::string strText = "[ActivePerson]\n{\n[ActionList]\n{\n}\n}\n";
        ASSERT_EQ(m_Tree.LoadMem(strText.data(), static_cast<DWORD>(strText.size())), S_OK);
        XS_BattleResultPerson record;
        record.pPersonObj = m_pHero;
        ASSERT_EQ(m_Script.Init(&m_Environment, &m_Assigner), S_OK);
        m_Script.SetBattleResultPerson(record);
        ASSERT_EQ(m_Script.Load(m_Tree.FindChildNode(0)), S_OK);
    }

    XC_TextNode* Node(const std::vector<std::pair<std::string, std::string>>& leaves)
    {
        m_Nodes.push_back(std::make_unique<XC_TextNode>());
        m_Nodes.back()->SetName("[Command]");
        for (const auto& [strName, strValue] : leaves)
            m_Nodes.back()->AddLeaf(strName.c_str(), strValue.c_str());
        return m_Nodes.back().get();
    }

    D3DXVECTOR3 XYZ(const std::string& strValue)
    {
        SelectingCommand command;
        command.Select(&m_Script, Node({{"Value", strValue}}));
        return command.GetXYZParameter("Value");
    }

    HRESULT Run(const std::vector<std::pair<std::string, std::string>>& leaves,
                std::unique_ptr<XC_SpriteWorkBase>* ppWork = nullptr)
    {
        XC_SpriteWorkBase* pWork = nullptr;
        const HRESULT hr = g_pBattleScriptCommandObj->AnalyzeCommand(&m_Script, Node(leaves), &pWork);
        if (ppWork != nullptr)
            ppWork->reset(pWork);
        else
            delete pWork;
        return hr;
    }

    HRESULT Repulse(LONG lSquareCount)
    {
        return Run({{"Type", "PersonRepulse"}, {"Object", "Person"}, {"lSquareCount", std::to_string(lSquareCount)},
                    {"fHeightDeltaUp", "50.9"}, {"fHeightDeltaDown", "50.9"}});
    }

    XC_TextTree m_Tree;
    XC_ScriptMessageAssigner m_Assigner;
    XC_BattleScript m_Script;
    XC_GamePerson* m_pHero = nullptr;
    std::vector<std::unique_ptr<XC_TextNode>> m_Nodes;
};

} // namespace

TEST_F(BattleScriptCommandTest, ReferenceFloorHeightTruncatesTowardZeroAndKeepsTheFallbackOffTheGrid)
{
    std::vector<TestCell> cells(12);
    for (int i = 0; i < 12; ++i)
        cells[i].fHeight = static_cast<float>(i % 4 + 10 * (i / 4));
    Start(4, 3, cells, 0, 1);
    struct Case
    {
        const char* szValue;
        float fY;
    };
    const Case cases[] = {
        {"#ReferenceFloorHeight 2.7 5 -1.2 99", 12.0f},  {"#ReferenceFloorHeight -0.5 5 -0.5 99", 0.0f},
        {"#ReferenceFloorHeight 3.9 5 -2.9 99", 23.0f},  {"#ReferenceFloorHeight 4.1 5 -1 99", 99.0f},
        {"#ReferenceFloorHeight -1.5 5 -1 99", 99.0f},   {"#ReferenceFloorHeight 1 5 0.5 99", 1.0f},
        {"#ReferenceFloorHeight 1 5 3.5 99", 99.0f},     {"#ReferenceFloorHeight 1e30 5 -1 99", 99.0f},
        {"#ReferenceFloorHeight -1e30 5 -1e30 99", 99.0f},
    };
    for (const Case& c : cases) {
        const D3DXVECTOR3 v = XYZ(c.szValue);
        EXPECT_EQ(v.y, c.fY) << c.szValue;
    }
    EXPECT_EQ(XYZ("#ReferenceFloorHeight 2.7 5 -1.2 99").x, 2.7f);
}

TEST_F(BattleScriptCommandTest, FloorPositionsByIndexAndByColumnAndRow)
{
    Start(4, 3, std::vector<TestCell>(12), 0, 1);
    const D3DXVECTOR3 vCell6 = m_Persons.GetFloorer()->GetFloorPosition(6);
    EXPECT_EQ(XYZ("#FloorPosition 6"), vCell6);
    EXPECT_EQ(XYZ("#FloorPositionXZ 2 1"), vCell6);
    ErrorLogCapture errors;
    EXPECT_EQ(XYZ("#FloorPositionXZ 9 1"), D3DXVECTOR3(0, 0, 0));
    EXPECT_EQ(XYZ("#FloorPositionXZ 4294967295 4294967295"), D3DXVECTOR3(0, 0, 0));
    EXPECT_FALSE(errors.Contains("szParameterName")) << errors.Text();
    EXPECT_EQ(XYZ("#FloorPosition 12"), D3DXVECTOR3(0, 0, 0));
    EXPECT_TRUE(errors.Contains("dwFloorIndex < pFloorer->GetFloorsCount()")) << errors.Text();
}

TEST_F(BattleScriptCommandTest, RepulsePushesAwayFromTheFacingOrTowardsItForANegativeCount)
{
    Start(6, 1, std::vector<TestCell>(6), 3, 1);
    EXPECT_EQ(Repulse(3), S_OK);
    EXPECT_EQ(m_pHero->GetFloorIndex(), 0u);
    EXPECT_EQ(m_pHero->GetControlPersonPower()->GetFace(), 1);
    m_pHero->SetFloorIndex(2, 0);
    EXPECT_EQ(Repulse(-3), S_OK);
    EXPECT_EQ(m_pHero->GetFloorIndex(), 5u);
    EXPECT_EQ(Repulse(0), S_OK);
    EXPECT_EQ(m_pHero->GetFloorIndex(), 5u);
}

TEST_F(BattleScriptCommandTest, RepulseStopsBeforeTheFirstCellItMayNotEnter)
{
    struct Case
    {
        const char* szWhat;
        TestCell cell;
        float fFartherHeight;
        DWORD dwStop;
    };
    // One row a case: the hero stands on column 4 facing east and is pushed
    // three cells west; each case changes column 2 (and column 1's height,
    // which is compared with the start, not with column 2).
    const Case cases[] = {
        {"free", TestCell{}, 0.0f, 1},
        {"water", TestCell{4, 0.0f, 0, 0, 0, 0}, 0.0f, 3},
        {"closed side", TestCell{0, 0.0f, 0, 2, 0, 0}, 0.0f, 3},
        {"too high", TestCell{0, 0.6f, 0, 0, 0, 0}, 0.0f, 3},
        {"too low", TestCell{0, -0.6f, 0, 0, 0, 0}, 0.0f, 3},
        {"high against the start only", TestCell{0, 0.4f, 0, 0, 0, 0}, 0.8f, 2},
        {"another person", TestCell{}, 0.0f, 3},
    };
    const DWORD dwRows = sizeof(cases) / sizeof(cases[0]);
    std::vector<TestCell> cells(6 * dwRows);
    for (DWORD r = 0; r < dwRows; ++r) {
        cells[r * 6 + 2] = cases[r].cell;
        cells[r * 6 + 1].fHeight = cases[r].fFartherHeight;
        if (cases[r].cell.dwEast == 2)
            cells[r * 6 + 3].dwWest = 2;
    }
    AddFightPerson(1, 1, static_cast<int>((dwRows - 1) * 6 + 2));
    Start(6, dwRows, cells, 4, 1);
    for (DWORD r = 0; r < dwRows; ++r) {
        m_pHero->SetFloorIndex(r * 6 + 4, 0);
        EXPECT_EQ(Repulse(3), S_OK);
        EXPECT_EQ(m_pHero->GetFloorIndex(), r * 6 + cases[r].dwStop) << cases[r].szWhat;
    }
}

TEST_F(BattleScriptCommandTest, HitsAreCountedPerScriptAndHomingReturnsToTheCell)
{
    Start(4, 1, std::vector<TestCell>(4), 2, 1);
    for (LONG lCount = 1; lCount <= 3; ++lCount) {
        EXPECT_EQ(Run({{"Type", "JumpResult"}, {"Object", "Person"}}), S_OK);
        EXPECT_EQ(m_Script.GetJumpResultCount(), lCount);
    }
    std::unique_ptr<XC_SpriteWorkBase> pWork;
    ASSERT_EQ(Run({{"Type", "PersonHoming"}, {"Object", "Person"}}, &pWork), S_OK);
    const auto* const pHoming = dynamic_cast<const XC_RenderNodeWork_SetPosition*>(pWork.get());
    ASSERT_NE(pHoming, nullptr);
    EXPECT_TRUE(pHoming->m_bAbsPosition);
    EXPECT_EQ(pHoming->m_vPosition, m_Persons.GetFloorer()->GetFloorPosition(2));

    ErrorLogCapture errors;
    EXPECT_EQ(Run({{"Type", "UpdatePersonLifeState"}, {"Object", "Nobody"}}), E_FAIL);
    EXPECT_EQ(Run({{"Type", "UpdatePersonLifeState"}, {"Object", "Person"}}), S_OK);
    SelectingCommand command;
    command.Select(&m_Script, Node({{"Id", "#GetPersonID Person"}, {"Surface", "#GetSurfaceID Person"}}));
    EXPECT_EQ(command.GetDwordParameter("Id", 0), m_pHero->GetPersonID());
    EXPECT_EQ(command.GetDwordParameter("Surface", 0), m_pHero->GetAnimationID());
}

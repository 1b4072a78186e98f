#include "Code/Menu/BattleMenu/XC_BattleMenuMenager.h"

#include "Code/Menu/BattleMenu/XC_BattleCoordinatedAttackMenu.h"
#include "Code/Menu/BattleMenu/XC_BattleExplain.h"
#include "Code/Menu/BattleMenu/XC_BattleSkillMenu.h"
#include "Code/Menu/BattleMenu/XC_BattleSystemMenu.h"
#include "Code/Menu/BattleMenu/XC_DisplayBattleCondition.h"
#include "Code/Menu/BattleMenu/XC_DisplayCampAndTurn.h"
#include "Code/Menu/BattleMenu/XC_DisplayHitDmg.h"
#include "Code/Menu/BattleMenu/XC_DisplaySkillName.h"
#include "Code/Menu/BattleMenu/XC_PersonCommandMenu.h"
#include "Code/Menu/BattleMenu/XC_PersonState.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"

#include "tests/Code/Battle/BattleFixture.h"

#include <memory>
#include <string>

namespace {

// The manager on the fixture's environment with no data pack: the
// co-ordinated-attack table cannot be read, so its start fails halfway.
class BattleMenuMenagerTest : public BattleFixture
{
protected:
    void SetUp() override
    {
        BattleFixture::SetUp();
        m_pSavedPack = g_pPackFile_Data;
        g_pPackFile_Data = nullptr;
        g_pBattleMenuMenager = m_pMenager.get();
    }

    void TearDown() override
    {
        m_pMenager.reset();
        g_pBattleMenuMenager = nullptr;
        g_pPackFile_Data = m_pSavedPack;
        BattleFixture::TearDown();
    }

    // The twelve members in their order.
    std::vector<const void*> Members() const
    {
        const XC_BattleMenuMenager& m = *m_pMenager;
        return {m.m_pActivePersonState,      m.m_pPassivePersonState, m.m_pPersonCommandMenu,
                m.m_pDisplayCampAndTurn,     m.m_pDisplaySkillName,   m.m_pDisplayBattleCondition,
                m.m_pBattleToolsMenu,        m.m_pBattleSkillMenu,    m.m_pBattleCoordinatedAttackMenu,
                m.m_pBattleSystemMenu,       m.m_pBattleExplain,      m.m_pDisplayHitDmg};
    }

    XI_PackFile* m_pSavedPack = nullptr;
    std::unique_ptr<XC_BattleMenuMenager> m_pMenager = std::make_unique<XC_BattleMenuMenager>();
};

} // namespace

TEST_F(BattleMenuMenagerTest, HalfFailedInitThenFiniLeavesNoMember)
{
    EXPECT_EQ(m_pMenager->Init(&m_Environment), E_FAIL);
    const std::vector<const void*> first = Members();
    for (const void* pMember : first)
        EXPECT_NE(pMember, nullptr);
    EXPECT_EQ(m_pMenager->GetChildCount(), 12u);
    EXPECT_NEAR(m_pMenager->GetPosition()->x, -400.0f, 1e-4f);
    EXPECT_NEAR(m_pMenager->GetPosition()->y, 300.0f, 1e-4f);
    // The members after the failed one were never started.
    EXPECT_EQ(m_pMenager->m_pBattleSystemMenu->GetRenderingObjectCount(), 0u);
    EXPECT_EQ(m_pMenager->m_pBattleSkillMenu->GetRenderingObjectCount(), 15u);

    // A second Init destroys the first set and makes a fresh one.
    EXPECT_EQ(m_pMenager->Init(&m_Environment), E_FAIL);
    EXPECT_EQ(m_pMenager->GetChildCount(), 12u);

    EXPECT_EQ(m_pMenager->Fini(), S_OK);
    for (const void* pMember : Members())
        EXPECT_EQ(pMember, nullptr);
    EXPECT_EQ(m_pMenager->GetChildCount(), 0u);
    EXPECT_EQ(m_pMenager->Fini(), S_OK);
}

TEST_F(BattleMenuMenagerTest, ListsShowTheExplanationOfTheFocus)
{
    m_pMenager->Init(&m_Environment);
    XC_BattleToolsMenu& tools = *m_pMenager->m_pBattleToolsMenu;
    XS_ListItem item;
    item.stringMessage = "explained";
    tools.AddItem(item);
    tools.SetShow(TRUE);
    EXPECT_TRUE(m_pMenager->m_pBattleExplain->GetShow());
    EXPECT_EQ(tools.SetFocusItem(0), S_OK);
    EXPECT_EQ(tools.SetFocusItem(1), E_FAIL) << "past the items";
    EXPECT_EQ(tools.GetFocusItem(), 0);
    tools.SetShow(FALSE);
    EXPECT_FALSE(m_pMenager->m_pBattleExplain->GetShow());
    EXPECT_EQ(m_pMenager->m_pBattleSkillMenu->LoadTools(), E_FAIL);
}

TEST(BattleListNames, FillUpToSevenCharacters)
{
    const std::string strSpace = "\xA1\x40";
    struct Case
    {
        std::string strName;
        int iSpaces;
    };
    const Case cases[] = {
        {"\xA4\x40\xA4\x47\xA4\x54", 4},
        {std::string(16, 'x'), 0},
        {std::string(14, 'x'), 0},
        {"", 7},
        {"abc", 6},
    };
    for (const Case& c : cases) {
        std::string strExpected = c.strName;
        for (int i = 0; i < c.iSpaces; ++i)
            strExpected += strSpace;
        EXPECT_EQ(XC_BattleToolsMenu::FillUpName(c.strName.c_str()), strExpected) << c.strName;
    }
}

TEST(CoordinatedAttackTable, JunkLinesAreLeftOut)
{
    XC_BattleCoordinatedAttackMenu menu;
    const std::string strTable = "H10,H20,H30\r\n"
                                 "junk\r\n"
                                 "H10,H21\r\n"
                                 "\r\n"
                                 "H10,H22,H31\r\n"
                                 "H11,H2z,H32\r\n"
                                 "\xff\xfe\x01,H,H\r\n";
    ASSERT_EQ(menu.LoadTable(strTable.data(), static_cast<DWORD>(strTable.size()), "Table.txt"), S_OK);
    EXPECT_EQ(menu.GetTableRowCount(), 2u) << "the two good rows, both under one key";
    EXPECT_FALSE(menu.HasItem());
}

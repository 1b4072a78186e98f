#include "Code/Menu/BattleMenu/XC_BattleCoordinatedAttackMenu.h"
#include "Code/Menu/BattleMenu/XC_PersonCommandMenu.h"
#include "Code/Menu/BattleMenu/XC_PersonState.h"
#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"

#include "tests/Code/Battle/BattleFixture.h"

#include <random>
#include <string>

namespace {

const char* const RING_FILE = "Menu\\BattleMenu\\BattleMenu_PersonCommandMenu.txt";
const char* const STATE_FILE = "Menu\\BattleMenu\\BattleMenu_ActivePersonState.txt";

std::string RingLayout()
{
    std::string strText = "[Sys]\n{\n\txyzSysCenter = 300 , -200 , 0\n\tfRadius = 100\n\tfWorkTime = 0.2\n"
                          "\tBaseMap_Arc = Arc.ant\n\tBaseMap_Enable = Arc.ant\n\tBaseMap_Disable = Arc.ant\n"
                          "\tBaseMap_Action = Arc.ant\n";
    for (int i = 0; i < XD_PersonCommandIdCount; ++i)
        strText += "\t[Command" + std::to_string(i) + "]\n\t{\n\t\tString = Arc.ant\n\t}\n";
    return strText + "}\n";
}

std::string StateLayout()
{
    std::string strText = "[Sys]\n{\n\txyzSysCenter = 10 , -20 , 0\n";
    for (const char* szNode : {"[Ani_BaseMap]", "[Ani_Portrait]", "[PB_HP]", "[Str_Name]", "[Str_HP_State]"})
        strText += std::string("\t") + szNode + "\n\t{\n\t\tFile = Arc.ant\n\t\txyzPosition = 1 , 2 , 3\n\t}\n";
    return strText + "}\n";
}

// Every cut of the text, and seeded copies with bytes overwritten.
std::vector<std::string> Damaged(const std::string& strGood)
{
    std::vector<std::string> damaged;
    for (size_t n = 0; n < strGood.size(); n += 3)
        damaged.push_back(strGood.substr(0, n));
    std::mt19937 random(38);
    for (int i = 0; i < 60; ++i) {
        std::string strText = strGood;
        for (int j = 0; j < 4; ++j)
            strText[random() % strText.size()] = static_cast<char>(random() % 256);
        damaged.push_back(strText);
    }
    return damaged;
}

// Damaged layout files and tables: reports only, and the menus stay usable.
class BattleMenuBadInputTest : public BattleFixture
{
protected:
    void SetUp() override
    {
        BattleFixture::SetUp();
        m_pSavedPack = g_pPackFile_Data;
        g_pPackFile_Data = &m_Pack;
        m_Pack.Add("Arc.ant", AntFile(1));
    }

    void TearDown() override
    {
        g_pPackFile_Data = m_pSavedPack;
        BattleFixture::TearDown();
    }

    XI_PackFile* m_pSavedPack = nullptr;
};

} // namespace

TEST_F(BattleMenuBadInputTest, DamagedRingFiles)
{
    for (const std::string& strText : Damaged(RingLayout())) {
        m_Pack.Add(RING_FILE, strText);
        XC_PersonCommandMenu menu;
        ASSERT_EQ(menu.Init(&m_Environment), S_OK);
        menu.HideCommand(PCI_Evolution);
        menu.SetShow(TRUE);
        menu.SetFocusCommand(PCI_Attack);
        g_pTimerManager->Update(0.3f);
        menu.SetShow(FALSE);
        g_pTimerManager->Update(0.3f);
        g_pTimerManager->Update(0.05f);
        EXPECT_EQ(menu.GetRingPhase(), DWORD(XC_PersonCommandMenu::RING_CLOSED));
    }
}

TEST_F(BattleMenuBadInputTest, DamagedStateWindowFiles)
{
    for (const std::string& strText : Damaged(StateLayout())) {
        m_Pack.Add(STATE_FILE, strText);
        XC_PersonState state;
        ASSERT_EQ(state.Init(&m_Environment, STATE_FILE), S_OK);
        EXPECT_EQ(state.GetRenderingObjectCount(), 20u);
        state.SetHP(1, 2);
        state.SetShow(TRUE);
    }
}

TEST_F(BattleMenuBadInputTest, DamagedCoordinatedAttackTables)
{
    for (const std::string& strText : Damaged("H10,H20,H30\r\nH11,H21,H31\r\nH12,H22,H32\r\n")) {
        XC_BattleCoordinatedAttackMenu menu;
        EXPECT_EQ(menu.LoadTable(strText.data(), static_cast<DWORD>(strText.size()), "Table.txt"), S_OK);
        EXPECT_LE(menu.GetTableRowCount(), 3u);
    }
}

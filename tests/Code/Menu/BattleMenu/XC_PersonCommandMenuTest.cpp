#include "Code/Menu/BattleMenu/XC_PersonCommandMenu.h"

#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"

#include "tests/Code/Battle/BattleFixture.h"

#include <cmath>
#include <memory>
#include <string>

namespace {

// The ring read from a menu file of the fixture's pack; every picture is a
// one-page animation.
class PersonCommandMenuTest : public BattleFixture
{
protected:
    void SetUp() override
    {
        BattleFixture::SetUp();
        m_pSavedPack = g_pPackFile_Data;
        g_pPackFile_Data = &m_Pack;
        for (const char* szName : {"Arc.ant", "Enable.ant", "Disable.ant", "Action.ant", "Label.ant"})
            m_Pack.Add(szName, AntFile(1));
    }

    void TearDown() override
    {
        m_pMenu.reset();
        g_pPackFile_Data = m_pSavedPack;
        BattleFixture::TearDown();
    }

    void AddMenuFile(float fWorkTime)
    {
        std::string strText = "[Sys]\n{\n\txyzSysCenter = 300 , -200 , 0\n\tfRadius = 100\n\tfWorkTime = " +
                              std::to_string(fWorkTime) +
                              "\n\tBaseMap_Arc = Arc.ant\n\tBaseMap_Enable = Enable.ant\n"
                              "\tBaseMap_Disable = Disable.ant\n\tBaseMap_Action = Action.ant\n";
        for (int i = 0; i < XD_PersonCommandIdCount; ++i)
            strText += "\t[Command" + std::to_string(i) + "]\n\t{\n\t\tString = Label.ant\n\t}\n";
        strText += "}\n";
        m_Pack.Add("Menu\\BattleMenu\\BattleMenu_PersonCommandMenu.txt", strText);
    }

    static float EndAngle(int k, int iShown) { return std::acos(0.8f - 1.6f * k / (iShown - 1)); }

    XI_PackFile* m_pSavedPack = nullptr;
    std::unique_ptr<XC_PersonCommandMenu> m_pMenu = std::make_unique<XC_PersonCommandMenu>();
};

} // namespace

TEST_F(PersonCommandMenuTest, OpeningSpreadsTheShownCommandsOverTheArc)
{
    AddMenuFile(0.0f);
    ASSERT_EQ(m_pMenu->Init(&m_Environment), S_OK);
    EXPECT_EQ(m_pMenu->GetRenderingObjectCount(), 18u);
    EXPECT_NEAR(m_pMenu->GetPosition()->x, 300.0f, 1e-4f);

    // With a work time of 0 the discs stand at their places at once.
    m_pMenu->SetShow(TRUE);
    EXPECT_EQ(m_pMenu->GetRingPhase(), DWORD(XC_PersonCommandMenu::RING_OPEN));
    for (int i = 0; i < XD_PersonCommandIdCount; ++i)
        EXPECT_NEAR(m_pMenu->GetCommandAngle(i), EndAngle(i, 8), 1e-5f) << i;
    m_pMenu->SetShow(FALSE);
    m_pMenu->ResetCommandArc();
    g_pTimerManager->Update(0.05f);

    for (DWORD dwHidden : {PCI_Evolution, PCI_Devolution, PCI_CoordinatedAttack})
        m_pMenu->HideCommand(dwHidden);
    m_pMenu->HideCommand(XD_PersonCommandIdCount);
    m_pMenu->SetShow(TRUE);
    const DWORD adwShown[] = {PCI_Move, PCI_Attack, PCI_Skill, PCI_Tools, PCI_Wait};
    for (int k = 0; k < 5; ++k)
        EXPECT_NEAR(m_pMenu->GetCommandAngle(adwShown[k]), EndAngle(k, 5), 1e-5f) << k;
    EXPECT_NEAR(EndAngle(0, 5) * 180.0f / D3DX_PI, 36.87f, 0.01f);
    EXPECT_NEAR(EndAngle(4, 5) * 180.0f / D3DX_PI, 143.13f, 0.01f);
}

TEST_F(PersonCommandMenuTest, ClosingGathersOnTheFocusOrTheTop)
{
    AddMenuFile(0.5f);
    ASSERT_EQ(m_pMenu->Init(&m_Environment), S_OK);
    m_pMenu->SetShow(TRUE);
    EXPECT_EQ(m_pMenu->GetRingPhase(), DWORD(XC_PersonCommandMenu::RING_OPENING));
    g_pTimerManager->Update(0.25f);
    EXPECT_NEAR(m_pMenu->GetCommandAngle(0), 0.5f * EndAngle(0, 8), 1e-4f) << "half way out";
    g_pTimerManager->Update(0.3f);
    EXPECT_EQ(m_pMenu->GetRingPhase(), DWORD(XC_PersonCommandMenu::RING_OPEN));

    m_pMenu->SetFocusCommand(PCI_Skill);
    m_pMenu->SetShow(FALSE);
    g_pTimerManager->Update(0.6f);
    for (int i = 0; i < XD_PersonCommandIdCount; ++i)
        EXPECT_NEAR(m_pMenu->GetCommandAngle(i), EndAngle(2, 8), 1e-5f) << i;
    g_pTimerManager->Update(0.05f);
    EXPECT_EQ(m_pMenu->GetFocusCommand(), XC_PersonCommandMenu::NO_COMMAND);

    // The next opening spreads from the chosen command; a close with no
    // focus sends every disc back to the top.
    m_pMenu->SetShow(TRUE);
    g_pTimerManager->Update(0.6f);
    m_pMenu->SetShow(FALSE);
    g_pTimerManager->Update(0.6f);
    for (int i = 0; i < XD_PersonCommandIdCount; ++i)
        EXPECT_NEAR(m_pMenu->GetCommandAngle(i), 0.0f, 1e-5f) << i;
}

TEST_F(PersonCommandMenuTest, MissingFileBuildsNothing)
{
    ASSERT_EQ(m_pMenu->Init(&m_Environment), S_OK);
    EXPECT_EQ(m_pMenu->GetRenderingObjectCount(), 0u);
    m_pMenu->SetShow(TRUE);
    m_pMenu->SetFocusCommand(PCI_Move);
    m_pMenu->SetShow(FALSE);
    g_pTimerManager->Update(0.05f);
    const D3DXVECTOR3 vOrigin(0.0f, 0.0f, -100.0f);
    const D3DXVECTOR3 vDirection(0.0f, 0.0f, 1.0f);
    float fDistance = 0.0f;
    DWORD dwIndex = 0;
    EXPECT_FALSE(m_pMenu->HitTestCommand(&vOrigin, &vDirection, &fDistance, &dwIndex));
}

#include "JC_Module/JC_Option/View/JC_OptionModuleView0.h"

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"

#include "tests/JC_Module/JC_Option/OptionScreenFixture.h"

#include <gtest/gtest.h>

TEST(JC_OptionModuleView0, SpeedSettingsMapOntoTheSliderAndBack)
{
    struct Case
    {
        DWORD dwGameSpeed;
        DWORD dwPercent;
    };
    const Case cases[] = {{100, 33}, {50, 0}, {10, 0}, {200, 100}, {250, 100}, {125, 50}};
    for (const Case& c : cases)
        EXPECT_EQ(JC_OptionModuleView0::SpeedPercentOf(c.dwGameSpeed, 0.5f, 2.0f), c.dwPercent) << c.dwGameSpeed;
    // Equal ends never divide: at or below the minimum comes first.
    EXPECT_EQ(JC_OptionModuleView0::SpeedPercentOf(100, 1.0f, 1.0f), 0u);
    EXPECT_EQ(JC_OptionModuleView0::SpeedPercentOf(101, 1.0f, 1.0f), 100u);
}

TEST(JC_OptionModuleView0, ASpeedTheSliderShowsIsKeptAndAMovedSliderSetsItsOwn)
{
    struct Case
    {
        DWORD dwGameSpeed;
        DWORD dwPercent;
        DWORD dwResult;
    };
    // 100 opens at percent 33, which alone would give 99.
    const Case cases[] = {
        {100, 33, 100}, {100, 0, 50}, {100, 100, 200}, {99, 33, 99}, {98, 33, 99}, {300, 100, 200}, {10, 0, 50},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JC_OptionModuleView0::GameSpeedOf(c.dwGameSpeed, c.dwPercent, 0.5f, 2.0f), c.dwResult)
            << c.dwGameSpeed << " " << c.dwPercent;
    }
}

TEST(JC_OptionModuleView0, DraggedValuesStayWithinTheTrack)
{
    struct Case
    {
        float fCursorX;
        float fPixelsPerPercent;
        DWORD dwValue;
    };
    // The track starts at x 100.
    const Case cases[] = {
        {100, 2, 0}, {151, 2, 25}, {300, 2, 100}, {700, 2, 100}, {20, 2, 0}, {150, 0, 0}, {150, -1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JC_OptionModuleView0::SliderValue(c.fCursorX, 100.0f, c.fPixelsPerPercent), c.dwValue)
            << c.fCursorX << " " << c.fPixelsPerPercent;
    }
}

TEST_F(OptionScreen, ThePanelWritesItsSettingsWhenItCloses)
{
    g_pSetting->m_bMusicFlag = 0;
    g_pSetting->m_dwMusicVolume = 70;
    g_pSetting->m_bSoundFlag = 1;
    g_pSetting->m_dwSoundVolume = 20;
    JC_OptionModuleDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    ASSERT_EQ(document.Enable(), S_OK);
    auto* const pPanel = static_cast<JC_OptionModuleView0*>(document.GetView(0));
    ASSERT_NE(pPanel, nullptr);
    EXPECT_EQ(pPanel->IsOpen(), TRUE);
    EXPECT_EQ(pPanel->GetItem(JC_OptionModuleView0::ITEM_MUSIC_FLG)->GetCurrentPage(), 0u);
    EXPECT_EQ(pPanel->GetItem(JC_OptionModuleView0::ITEM_SOUND_FLG)->GetCurrentPage(), 1u);
    EXPECT_EQ(pPanel->SetViewMode(1), JE_OPTIONMODULEVIEW0_VIEW_MODE_NOT_SUPPORT);
    EXPECT_EQ(pPanel->GetViewMode(), 0);
    document.Close();

    XC_Setting read;
    ASSERT_EQ(read.SetRegisterKey(HKEY_CURRENT_USER, m_SettingsKey.Path().c_str()), S_OK);
    ASSERT_EQ(read.Load(), S_OK);
    EXPECT_EQ(read.m_bMusicFlag, 0u);
    EXPECT_EQ(read.m_dwMusicVolume, 70u);
    EXPECT_EQ(read.m_bSoundFlag, 1u);
    EXPECT_EQ(read.m_dwSoundVolume, 20u);
}

TEST_F(OptionScreen, NothingIsHitWhileThePanelIsInactiveOrTheCursorIsOffItems)
{
    JC_OptionModuleDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    ASSERT_EQ(document.Enable(), S_OK);
    JC_ModuleViewBase* const pPanel = document.GetView(0);
    for (const UINT uMsg : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP}) {
        EXPECT_EQ(pPanel->MsgProc(uMsg, 0, 0), 0u);
        EXPECT_EQ(pPanel->GetViewEvent(), 0u);
    }
    pPanel->SetViewActive(0);
    EXPECT_EQ(pPanel->MsgProc(WM_LBUTTONDOWN, 0, 0), 0u);
    document.Close();
}

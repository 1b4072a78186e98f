#include "tests/Code/Battle/BattleHost.h"

#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Menu/BattleMenu/XC_BattleExplain.h"
#include "Code/Menu/BattleMenu/XC_BattleSkillMenu.h"
#include "Code/Menu/BattleMenu/XC_BattleSystemMenu.h"
#include "Code/Menu/BattleMenu/XC_DisplayBattleCondition.h"
#include "Code/Menu/BattleMenu/XC_DisplayCampAndTurn.h"
#include "Code/Menu/BattleMenu/XC_DisplayHitDmg.h"
#include "Code/Menu/BattleMenu/XC_PersonCommandMenu.h"
#include "Code/Menu/BattleMenu/XC_PersonState.h"

#include "tests/Support/BitmapFile.h"
#include "tests/Support/TestOutput.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

namespace {

struct Region
{
    int iLeft;
    int iTop;
    int iRight;
    int iBottom;
};

BitmapFile Picture(const std::string& strName)
{
    BitmapFile picture;
    EXPECT_TRUE(picture.Load(TestOutputFile(strName))) << strName;
    return picture;
}

// How many pixels of the region differ between two screenshots.
int ChangedPixels(const std::string& strBefore, const std::string& strAfter, const Region& region)
{
    const BitmapFile before = Picture(strBefore);
    const BitmapFile after = Picture(strAfter);
    if (before.Width() < 800 || after.Width() < 800)
        return 0;
    int iChanged = 0;
    for (int y = region.iTop; y < region.iBottom; ++y) {
        for (int x = region.iLeft; x < region.iRight; ++x)
            iChanged += before.Pixel(x, y) != after.Pixel(x, y) ? 1 : 0;
    }
    return iChanged;
}

int Red(std::uint32_t dwPixel)
{
    return static_cast<int>((dwPixel >> 16) & 0xFF);
}
int Green(std::uint32_t dwPixel)
{
    return static_cast<int>((dwPixel >> 8) & 0xFF);
}

void Play(const BattleHost::HostStep& step)
{
    std::unique_ptr<BattleHost> pHost(new BattleHost(step));
    ASSERT_EQ(pHost->Create(GetModuleHandleA(nullptr)), S_OK);
    ASSERT_TRUE(pHost->IsStarted());
    pHost->Pause(TRUE);
    EXPECT_EQ(pHost->Run(), 0u);
}

} // namespace

// Every menu and display of the battle over the sample floor, in two
// screenshots against the bare floor: each changes its part of the screen.
TEST(BattleMenuPlay, EveryMenuAndDisplayShows)
{
    Play([](BattleHost& host) {
        XC_BattleMenuMenager& menus = host.Menus();
        XC_GamePerson* const pHero = host.Persons().GetPersonFromTeamIndex(0);
        XC_GamePerson* const pEnemy = host.Persons().GetPersonFromTeamIndex(300);
        switch (host.Frames()) {
        case 6:
            host.Screenshot("BattleMenuBare.bmp");
            break;
        case 7:
            menus.m_pActivePersonState->SetPersonData(pHero->GetDataComponentPersonObj(), TRUE);
            menus.m_pPassivePersonState->SetPersonData(pEnemy->GetDataComponentPersonObj(), TRUE);
            menus.m_pDisplayCampAndTurn->Start(TRUE, 1);
            menus.m_pDisplayHitDmg->SetHitDmg(75, 30);
            menus.m_pDisplayHitDmg->SetShow(TRUE);
            menus.m_pBattleExplain->SetMessage("Explain");
            menus.m_pBattleExplain->SetShow(TRUE);
            menus.m_pBattleSkillMenu->LoadSkillItem(pHero);
            menus.m_pBattleSkillMenu->SetShow(TRUE);
            break;
        case 12:
            host.Screenshot("BattleMenuWindows.bmp");
            menus.m_pBattleSkillMenu->SetShow(FALSE);
            menus.m_pDisplayHitDmg->SetShow(FALSE);
            menus.m_pPersonCommandMenu->SetShow(TRUE);
            menus.m_pBattleSystemMenu->SetShow(TRUE);
            menus.m_pBattleSystemMenu->SetSelect(1);
            menus.m_pDisplayBattleCondition->SetCondition("Win", "Lose");
            menus.m_pDisplayBattleCondition->SetShow(TRUE);
            break;
        case 30:
            host.Screenshot("BattleMenuRingAndSystem.bmp");
            return false;
        default: break;
        }
        return true;
    });
    // The two state windows along the bottom.
    EXPECT_GT(ChangedPixels("BattleMenuBare.bmp", "BattleMenuWindows.bmp", {8, 488, 264, 584}), 2000);
    EXPECT_GT(ChangedPixels("BattleMenuBare.bmp", "BattleMenuWindows.bmp", {536, 488, 792, 584}), 2000);
    // Their texts stand inside them, nothing above.
    EXPECT_EQ(ChangedPixels("BattleMenuBare.bmp", "BattleMenuWindows.bmp", {8, 468, 264, 488}), 0);
    // The hero's morale gauge (60 of 100, row 574, columns 120 to 183) is
    // filled at its left end only.
    const BitmapFile windows = Picture("BattleMenuWindows.bmp");
    const std::uint32_t dwFilled = windows.Pixel(124, 574);
    const std::uint32_t dwEmpty = windows.Pixel(179, 574);
    EXPECT_GT(Green(dwFilled), 2 * Red(dwFilled)) << std::hex << dwFilled;
    EXPECT_LT(Green(dwEmpty), 0x80) << std::hex << dwEmpty;
    // The skill list at its corner, right of the middle.
    EXPECT_GT(ChangedPixels("BattleMenuBare.bmp", "BattleMenuWindows.bmp", {500, 200, 700, 400}), 2000);
    // The ring, the system menu and the condition box.
    EXPECT_GT(ChangedPixels("BattleMenuBare.bmp", "BattleMenuRingAndSystem.bmp", {0, 0, 800, 480}), 10000);
}

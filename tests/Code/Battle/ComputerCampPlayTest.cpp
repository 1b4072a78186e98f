#include "Code/Battle/ControlCamp/XC_ControlCampComputer.h"
#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/XC_GameTime.h"

#include "tests/Code/Battle/BattleHost.h"
#include "tests/Support/TestOutput.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr DWORD ENEMIES[] = {300, 301, 302, 303};
// Frames a whole computer turn may take at the shortened delays.
constexpr int TURN_FRAMES = 12000;

size_t Count(const std::string& strText, const std::string& strPart)
{
    size_t uCount = 0;
    for (size_t uAt = strText.find(strPart); uAt != std::string::npos; uAt = strText.find(strPart, uAt + 1))
        ++uCount;
    return uCount;
}

} // namespace

// The computer's camp plays one whole turn on the sample battle; its debug
// lines go to a trace file beside the screenshots.
TEST(ComputerCampPlay, EnemiesMoveAttackAndUseASkill)
{
    const XC_GameTime savedTime = *g_pGameTime;
    std::string strTrace;
    std::map<DWORD, DWORD> startFloors;
    std::map<DWORD, DWORD> endFloors;
    std::unique_ptr<XC_ControlCampComputer> pCamp;
    bool bFinished = false;
    std::unique_ptr<BattleHost> pHost(new BattleHost([&](BattleHost& host) {
        if (host.Frames() < 4)
            return true;
        if (!pCamp) {
            // The host loads the game's timings; shorter delays keep the turn brief.
            g_pGameTime->fPersonActionBegin2 = 0.05f;
            g_pGameTime->fPersonActionInterval2 = 0.05f;
            g_pGameTime->fPersonActionEnd2 = 0.05f;
            for (const DWORD dwTeamIndex : ENEMIES)
                startFloors[dwTeamIndex] = host.Persons().GetPersonFromTeamIndex(dwTeamIndex)->GetFloorIndex();
            XC_ControlCampBase::SetDebugTrace(&strTrace);
            // The game's random score bonus draws the same numbers every run.
            std::srand(7);
            pCamp.reset(new XC_ControlCampComputer);
            EXPECT_EQ(pCamp->Init(XE_CAMP_COMPUTER), S_OK);
            return true;
        }
        pCamp->FrameMove(1.0f / 30.0f);
        if (!pCamp->IsCampFinish())
            return host.Frames() < TURN_FRAMES;
        bFinished = true;
        for (const DWORD dwTeamIndex : ENEMIES) {
            if (XC_GamePerson* const pPersonObj = host.Persons().GetPersonFromTeamIndex(dwTeamIndex))
                endFloors[dwTeamIndex] = pPersonObj->GetFloorIndex();
        }
        host.Screenshot("ComputerCampPlayEnd.bmp");
        return false;
    }));
    ASSERT_EQ(pHost->Create(GetModuleHandleA(nullptr)), S_OK);
    ASSERT_TRUE(pHost->IsStarted());
    pHost->Pause(TRUE);
    EXPECT_EQ(pHost->Run(), 0u);
    XC_ControlCampBase::SetDebugTrace(nullptr);
    pCamp.reset();
    pHost.reset();
    *g_pGameTime = savedTime;
    std::ofstream(TestOutputFile("ComputerCampTrace.txt"), std::ios::binary) << strTrace;

    ASSERT_TRUE(bFinished) << strTrace;
    EXPECT_EQ(Count(strTrace, "開始行動(AI)"), std::size(ENEMIES)) << strTrace;
    EXPECT_GE(Count(strTrace, "\t執行一般攻擊\n"), 1u) << strTrace;
    EXPECT_GE(Count(strTrace, "\t執行 技能"), 1u) << strTrace;
    int iMoved = 0;
    for (const auto& [dwTeamIndex, dwFloor] : endFloors)
        iMoved += dwFloor != startFloors[dwTeamIndex] ? 1 : 0;
    EXPECT_GE(iMoved, 1);
}

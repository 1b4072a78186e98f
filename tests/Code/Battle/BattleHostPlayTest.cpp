#include "tests/Code/Battle/BattleHost.h"

#include "Code/Battle/BattleWork/XC_PersonMove.h"
#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Scene/XC_Floorer.h"

#include "tests/Support/BitmapFile.h"
#include "tests/Support/TestOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace {

// The battle host for as many frames as the step wants.
void Play(const BattleHost::HostStep& step)
{
    std::unique_ptr<BattleHost> pHost(new BattleHost(step));
    ASSERT_EQ(pHost->Create(GetModuleHandleA(nullptr)), S_OK);
    ASSERT_TRUE(pHost->IsStarted());
    pHost->Pause(TRUE);
    EXPECT_EQ(pHost->Run(), 0u);
}

BitmapFile Picture(const std::string& strName)
{
    BitmapFile picture;
    EXPECT_TRUE(picture.Load(TestOutputFile(strName))) << strName;
    return picture;
}

// The largest amount by which one channel (a shift of 16 red, 8 green, 0
// blue) exceeds the other two near a point.
int StrongestNear(const BitmapFile& picture, POINT point, int iRadius, int iShift)
{
    int iBest = -255;
    for (int y = std::max(0L, point.y - iRadius); y <= std::min(599L, point.y + iRadius); ++y) {
        for (int x = std::max(0L, point.x - iRadius); x <= std::min(799L, point.x + iRadius); ++x) {
            const std::uint32_t dwPixel = picture.Pixel(x, y);
            const int aChannel[3] = {static_cast<int>((dwPixel >> 16) & 0xFF), static_cast<int>((dwPixel >> 8) & 0xFF),
                                     static_cast<int>(dwPixel & 0xFF)};
            const int iIndex = 2 - iShift / 8;
            int iOthers = 0;
            for (int i = 0; i < 3; ++i) {
                if (i != iIndex)
                    iOthers = std::max(iOthers, aChannel[i]);
            }
            iBest = std::max(iBest, aChannel[iIndex] - iOthers);
        }
    }
    return iBest;
}

int BrightestNear(const BitmapFile& picture, POINT point, int iRadius)
{
    int iBest = 0;
    for (int y = std::max(0L, point.y - iRadius); y <= std::min(599L, point.y + iRadius); ++y) {
        for (int x = std::max(0L, point.x - iRadius); x <= std::min(799L, point.x + iRadius); ++x) {
            const std::uint32_t dwPixel = picture.Pixel(x, y);
            iBest = std::max(iBest, static_cast<int>(std::min({(dwPixel >> 16) & 0xFF, (dwPixel >> 8) & 0xFF,
                                                                dwPixel & 0xFF})));
        }
    }
    return iBest;
}

std::uint32_t PixelAt(const BitmapFile& picture, POINT point)
{
    return picture.Pixel(point.x, point.y);
}

D3DXVECTOR3 Above(const D3DXVECTOR3& vPosition, float fHeight)
{
    return vPosition + D3DXVECTOR3(0.0f, fHeight, 0.0f);
}

} // namespace

TEST(BattlePlay, TheSampleFloorHoldsThePartyAndTheEnemies)
{
    POINT hero = {};
    Play([&](BattleHost& host) {
        if (host.Frames() < 8)
            return true;
        EXPECT_EQ(host.Persons().GetPersonCount(), 7u);
        for (const DWORD dwTeamIndex : {0u, 1u, 2u, 300u, 301u, 302u, 303u})
            EXPECT_NE(host.Persons().GetPersonFromTeamIndex(dwTeamIndex), nullptr) << dwTeamIndex;
        hero = host.ScreenPoint(Above(*host.Persons().GetPersonFromTeamIndex(0)->GetPosition(), 0.8f));
        host.Screenshot("BattlePlayFloor.bmp");
        return false;
    });
    // The hero's red shirt stands over its cell.
    EXPECT_GT(StrongestNear(Picture("BattlePlayFloor.bmp"), hero, 40, 16), 80);
}

TEST(BattlePlay, TheHerosMoveScopeShowsInItsFileColour)
{
    POINT cell = {};
    Play([&](BattleHost& host) {
        XC_GamePerson* const pHero = host.Persons().GetPersonFromTeamIndex(0);
        if (host.Frames() == 4) {
            // A free cell two steps north of the hero, inside its scope.
            const LONG lCell = static_cast<LONG>(pHero->GetFloorIndex()) - 20;
            cell = host.ScreenPoint(host.Scene().GetFloorer()->GetFloorPosition(static_cast<DWORD>(lCell)));
            host.Screenshot("BattlePlayBeforeScope.bmp");
            const LONG* const plScope = host.Tables().BuildTableMoveScope(pHero, -1);
            EXPECT_GE(plScope[lCell], 0);
            host.Controller().ShowMoveScopeTable(plScope);
            return true;
        }
        if (host.Frames() < 8)
            return true;
        host.Screenshot("BattlePlayScope.bmp");
        return false;
    });
    const std::uint32_t dwBefore = PixelAt(Picture("BattlePlayBeforeScope.bmp"), cell);
    const std::uint32_t dwAfter = PixelAt(Picture("BattlePlayScope.bmp"), cell);
    // The scope's colour is blue: the cell turns bluer and less red.
    EXPECT_GT(static_cast<int>(dwAfter & 0xFF), static_cast<int>(dwBefore & 0xFF) + 20);
    EXPECT_LT(static_cast<int>((dwAfter >> 16) & 0xFF), static_cast<int>((dwBefore >> 16) & 0xFF));
}

TEST(BattlePlay, AWalkOfThreeCellsJumpsOverTheKnoll)
{
    // (5, 7) to (8, 7) over the knoll at (7, 7), raised by half a unit.
    const DWORD START = 75;
    const DWORD TARGET = 78;
    D3DXVECTOR3 vMiddle(0.0f, 0.0f, 0.0f);
    D3DXVECTOR3 vEnd(0.0f, 0.0f, 0.0f);
    D3DXVECTOR3 vTarget(0.0f, 0.0f, 0.0f);
    int iStartFrame = 0;
    Play([&](BattleHost& host) {
        XC_GamePerson* const pHealer = host.Persons().GetPersonFromTeamIndex(2);
        if (iStartFrame == 0 && host.Frames() == 4) {
            EXPECT_TRUE(g_pSceneFunctionObj->IsFloorThroughOne(76, 77));
            pHealer->SetFloorIndex(START, TRUE);
            XC_PersonMove* const pMove = new XC_PersonMove;
            pMove->SetPerson(pHealer);
            pMove->SetStartFloorIndex(START);
            pMove->SetTargetFloorIndex(TARGET);
            host.Controller().AddBattleWork(pMove);
            vTarget = host.Scene().GetFloorer()->GetFloorPosition(TARGET);
            iStartFrame = host.Frames();
            return true;
        }
        if (iStartFrame == 0 || host.Frames() < iStartFrame + 2)
            return true;
        if (vMiddle.x == 0.0f && host.Controller().IsBattleWorking()
            && pHealer->GetPosition()->x > host.Scene().GetFloorer()->GetFloorPosition(START).x + 0.5f) {
            vMiddle = *pHealer->GetPosition();
            host.Screenshot("BattlePlayWalkMiddle.bmp");
        }
        if (host.Controller().IsBattleWorking() && host.Frames() < iStartFrame + 20000)
            return true;
        vEnd = *pHealer->GetPosition();
        host.Screenshot("BattlePlayWalkEnd.bmp");
        return false;
    });
    EXPECT_GT(vMiddle.x, 0.0f);
    EXPECT_LT(vMiddle.x, vTarget.x);
    EXPECT_NEAR(vEnd.x, vTarget.x, 1e-3f);
    EXPECT_NEAR(vEnd.z, vTarget.z, 1e-3f);
}

TEST(BattlePlay, HPNumbersJumpOverThePerson)
{
    POINT head = {};
    Play([&](BattleHost& host) {
        XC_GamePerson* const pHero = host.Persons().GetPersonFromTeamIndex(0);
        if (host.Frames() == 4) {
            EXPECT_EQ(host.Jumps().JumpHP(*pHero->GetPosition(), -25), S_OK);
            EXPECT_EQ(host.Jumps().GetWorkCount(), 1u);
            head = host.ScreenPoint(Above(*pHero->GetPosition(), 2.0f));
            return true;
        }
        if (host.Frames() < 10)
            return true;
        host.Screenshot("BattlePlayHP.bmp");
        return false;
    });
    EXPECT_GT(BrightestNear(Picture("BattlePlayHP.bmp"), head, 60), 200);
}

// Two persons drawn on one cell are hit at the same distance by a ray from
// the camera: the lower team index is picked, alone and against the floor.
TEST(BattlePlay, PickTiesGoToTheLowerTeamIndex)
{
    Play([](BattleHost& host) {
        XC_GamePerson* const pHero = host.Persons().GetPersonFromTeamIndex(0);
        XC_GamePerson* const pFighter = host.Persons().GetPersonFromTeamIndex(1);
        if (host.Frames() == 4) {
            EXPECT_EQ(pFighter->SetFloorIndex(pHero->GetFloorIndex(), TRUE), S_OK);
            pFighter->SetRotation(pHero->GetRotation());
            return true;
        }
        if (host.Frames() < 8)
            return true;
        const POINT point = host.ScreenPoint(Above(*pHero->GetPosition(), 0.5f));
        D3DXVECTOR3 vOrigin;
        D3DXVECTOR3 vDirection;
        g_pWorldCameraMan->GetPickRay(static_cast<float>(point.x), static_cast<float>(point.y), &vOrigin, &vDirection);
        XC_GamePerson* pPicked = nullptr;
        float fDistance = 0.0f;
        EXPECT_TRUE(host.Persons().PickPersonByRay(&vOrigin, &vDirection, &pPicked, &fDistance));
        EXPECT_EQ(pPicked, pHero);
        pPicked = nullptr;
        EXPECT_TRUE(host.Persons().PickPerson(&vOrigin, &vDirection, &pPicked, nullptr));
        EXPECT_EQ(pPicked, pHero);
        return false;
    });
}

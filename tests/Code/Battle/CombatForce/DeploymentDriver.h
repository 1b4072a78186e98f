#pragma once

#include "Code/Battle/CombatForce/XC_CombatForceModule.h"
#include "Code/MessageBox/XC_MessageBox.h"
#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/Scene/XC_Floorer.h"

#include "tests/Code/Battle/BattleHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

// Plays the sample battle's deployment on the host as a player would: one
// action a frame, each answering true when it is done, by the mouse of the
// host's window.
class DeploymentDriver
{
public:
    using Action = std::function<bool(BattleHost&)>;

    // The actions in order, after the scene's first frames; false when the
    // host did not start or the actions took too long.
    static bool Play(const std::vector<Action>& actions, BattleHost::Start eStart = BattleHost::Start::ToDeploy)
    {
        size_t uNext = 0;
        bool bInTime = true;
        std::unique_ptr<BattleHost> pHost(new BattleHost(
            [&](BattleHost& host) {
                if (host.Frames() < 4)
                    return true;
                if (host.Frames() > MAX_FRAMES) {
                    bInTime = false;
                    return false;
                }
                if (actions[uNext](host))
                    ++uNext;
                return uNext < actions.size();
            },
            eStart));
        if (FAILED(pHost->Create(GetModuleHandleA(nullptr))) || !pHost->IsStarted())
            return false;
        pHost->Pause(TRUE);
        pHost->Run();
        EXPECT_TRUE(bInTime) << "stopped at action " << uNext;
        return bInTime;
    }

    static Action Open()
    {
        return [](BattleHost& host) {
            EXPECT_EQ(host.OpenDeployment(), S_OK);
            return true;
        };
    }

    // Waits until the world camera stands still.
    static Action Settle()
    {
        return [](BattleHost&) { return !g_pWorldCameraMan->IsMoving(); };
    }

    static Action Check(std::function<void(BattleHost&)> check)
    {
        return [check](BattleHost& host) {
            check(host);
            return true;
        };
    }

    static Action WaitFor(std::function<bool()> condition)
    {
        return [condition](BattleHost&) { return condition(); };
    }

    static void MoveTo(BattleHost& host, POINT point)
    {
        host.MouseState().SetPosition(static_cast<float>(point.x), static_cast<float>(point.y));
        host.MouseState().SetMoved(TRUE);
    }

    // The mouse moves there in one frame and the button goes down in the next.
    static std::vector<Action> Click(std::function<POINT(BattleHost&)> where, UINT uButtonDown = WM_LBUTTONDOWN)
    {
        return {[where](BattleHost& host) {
                    MoveTo(host, where(host));
                    return true;
                },
                [uButtonDown](BattleHost& host) {
                    host.MouseState().OnWindowMessage(uButtonDown, 0, 0);
                    return true;
                },
                [uButtonDown](BattleHost& host) {
                    host.MouseState().OnWindowMessage(uButtonDown + 1, 0, 0);
                    return true;
                }};
    }

    static std::vector<Action> ClickCell(DWORD dwFloorIndex)
    {
        std::vector<Action> actions = {Settle()};
        for (Action& action : Click([dwFloorIndex](BattleHost& host) {
                 return host.ScreenPoint(host.Scene().GetFloorer()->GetFloorPosition(dwFloorIndex));
             }))
            actions.push_back(std::move(action));
        return actions;
    }

    // The middle of a list row: rows of 21 pixels under the list's corner,
    // which hangs at the screen's middle.
    static std::vector<Action> ClickListRow(int iRow)
    {
        return Click([iRow](BattleHost&) { return POINT{400 + 96, 300 + 21 * iRow + 10}; });
    }

    static std::vector<Action> ClickIcon(bool bYes)
    {
        return Click([bYes](BattleHost&) {
            XC_RenderAnimation* const pIcon = bYes ? g_pMessageBox->GetYesIcon() : g_pMessageBox->GetNoIcon();
            const D3DXVECTOR3* const pBox = g_pMessageBox->GetBox()->GetPosition();
            const D3DXVECTOR3* const pAt = pIcon->GetPosition();
            return POINT{static_cast<LONG>(400 + pBox->x + pAt->x + 12), static_cast<LONG>(300 - (pBox->y + pAt->y - 12))};
        });
    }

    // The middle of the Go icon.
    static std::vector<Action> ClickGo() { return Click([](BattleHost&) { return POINT{695, 544}; }); }

    static void Append(std::vector<Action>& actions, std::vector<Action> more)
    {
        for (Action& action : more)
            actions.push_back(std::move(action));
    }

private:
    static constexpr int MAX_FRAMES = 3000;
};

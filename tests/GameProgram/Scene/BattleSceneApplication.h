#pragma once

#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/Painter/XC_Painter.h"
#include "GameProgram/Scene/XC_Scene.h"

#include "tests/Support/SampleGameApplication.h"

#include <d3dx9math.h>

#include <functional>
#include <string>

// The sample game's application with the battle scene initialised on the
// data pack and drawn each frame through a painter, and the window's mouse
// messages in a mouse state. Each frame runs the test's step after
// drawing; the window closes when the step answers false.
class BattleSceneApplication : public SampleGameApplication
{
public:
    using FrameStep = std::function<bool(BattleSceneApplication&)>;

    explicit BattleSceneApplication(FrameStep step);

    XC_Scene& Scene() { return m_Scene; }
    XC_EnvironmentOfRender& Environment() { return m_Environment; }
    XC_MouseState& MouseState() { return m_MouseState; }
    HWND Window() const { return m_hWnd; }
    int Frames() const { return m_iFrames; }

    // The battle's view: the floor's centre seen from the start pitch of the
    // world camera (45°) and its start zoom (50), with the application's yaw.
    void PlaceBattleCamera();
    // The screen pixel of a point of the world through the world camera.
    POINT ScreenPoint(const D3DXVECTOR3& vWorld) const;
    using SampleGameApplication::SaveScreenshot;

    LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;

protected:
    HRESULT InitDeviceObjects() override;
    HRESULT DeleteDeviceObjects() override;
    HRESULT Render() override;
    // Drawn over the scene in the same frame.
    virtual void RenderOverlay() {}

private:
    FrameStep m_Step;
    XC_Painter m_Painter;
    XC_EnvironmentOfRender m_Environment;
    XC_Scene m_Scene;
    XC_MouseState m_MouseState;
    int m_iFrames = 0;
};

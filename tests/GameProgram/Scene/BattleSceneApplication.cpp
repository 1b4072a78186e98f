#include "tests/GameProgram/Scene/BattleSceneApplication.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Scene/XC_Floorer.h"

namespace {

const float BATTLE_CAMERA_DISTANCE = 50.0f;
const float BATTLE_CAMERA_PITCH = 0.7853982f;
const float BATTLE_CAMERA_YAW = -0.7853982f;

} // namespace

BattleSceneApplication::BattleSceneApplication(FrameStep step)
    : m_Step(std::move(step))
{
    SetBackgroundColor(0xFF000000);
}

HRESULT BattleSceneApplication::InitDeviceObjects()
{
    const HRESULT hr = SampleGameApplication::InitDeviceObjects();
    if (FAILED(hr))
        return hr;
    // The camera and light men exist from here on.
    m_Environment.SetWorldCameraMan(nullptr);
    m_Environment.SetWorldLightMan(nullptr);
    m_Environment.SetScreenCameraMan(nullptr);
    m_Environment.SetScreenLightMan(nullptr);
    m_Environment.SetPainter(&m_Painter);
    return m_Scene.Init(&m_Environment, g_pPackFile_Data);
}

// The scene lets its meshes and textures go before the managers finish.
HRESULT BattleSceneApplication::DeleteDeviceObjects()
{
    m_Scene.Fini();
    return SampleGameApplication::DeleteDeviceObjects();
}

LRESULT BattleSceneApplication::MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    m_MouseState.OnWindowMessage(uMsg, wParam, lParam);
    return SampleGameApplication::MsgProc(hWnd, uMsg, wParam, lParam);
}

HRESULT BattleSceneApplication::Render()
{
    m_pD3DDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, GetBackgroundColor(),
                        1.0f, 0);
    if (SUCCEEDED(m_pD3DDevice->BeginScene())) {
        XF_UpdateAllRenderNodes();
        g_iRenderCount = 0;
        m_Painter.Render();
        RenderOverlay();
        m_pD3DDevice->EndScene();
    }
    ++m_iFrames;
    if (!m_Step(*this))
        PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
    return S_OK;
}

void BattleSceneApplication::PlaceBattleCamera()
{
    const XC_Floorer* const pFloor = m_Scene.GetFloorer();
    const float fCentreX = pFloor->GetFloorerWidth() * 0.5f;
    const float fCentreZ = -(pFloor->GetFloorerLength() * 0.5f);
    g_pWorldCameraMan->PlaceCamera(fCentreX, 0.0f, fCentreZ, BATTLE_CAMERA_DISTANCE, BATTLE_CAMERA_YAW,
                                   BATTLE_CAMERA_PITCH);
}

POINT BattleSceneApplication::ScreenPoint(const D3DXVECTOR3& vWorld) const
{
    const D3DVIEWPORT9 viewport = {0, 0, 800, 600, 0.0f, 1.0f};
    D3DXMATRIX matIdentity;
    D3DXMatrixIdentity(&matIdentity);
    D3DXVECTOR3 vScreen;
    D3DXVec3Project(&vScreen, &vWorld, &viewport, g_pWorldCameraMan->GetProjectionMatrix(),
                    g_pWorldCameraMan->GetViewMatrix(), &matIdentity);
    return POINT{static_cast<LONG>(vScreen.x + 0.5f), static_cast<LONG>(vScreen.y + 0.5f)};
}

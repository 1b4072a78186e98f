#include "JC_Module/JC_ModuleMouse.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/Painter/XI_EnvironmentOfRender.h"
#include "GameProgram/Scene/XC_Mouse.h"

namespace {

const float SCREEN_WIDTH = 800.0f;
const float SCREEN_HEIGHT = 600.0f;
const float SCREEN_HALF_WIDTH = 400.0f;
const float SCREEN_HALF_HEIGHT = 300.0f;

DWORD CastRay(const XC_CameraMan* pCameraMan, float fX, float fY, D3DXVECTOR3* pvOrigin, D3DXVECTOR3* pvDirection)
{
    if (pCameraMan == nullptr || pCameraMan->GetPickRay(fX, fY, pvOrigin, pvDirection) == nullptr)
        return JE_MODULEMOUSE_NO_PICK_RAY;
    return 0;
}

} // namespace

DWORD JC_ModuleMouse::Initiation(XC_MouseState* pMouseState, XC_Mouse* pMouse)
{
    if (pMouseState == nullptr)
        return JE_MODULEMOUSE_NULL_MOUSE_STATE;
    if (pMouse == nullptr)
        return JE_MODULEMOUSE_NULL_MOUSE;
    m_pMouseState = pMouseState;
    m_pMouse = pMouse;
    return 0;
}

DWORD JC_ModuleMouse::SetMouseRect(float fLeft, float fTop, float fWidth, float fHeight)
{
    if (fLeft < 0.0f || fLeft > SCREEN_WIDTH)
        return JE_MODULEMOUSE_LEFT_OUT_OF_SCREEN;
    if (fTop < 0.0f || fTop > SCREEN_HEIGHT)
        return JE_MODULEMOUSE_TOP_OUT_OF_SCREEN;
    if (fLeft + fWidth > SCREEN_WIDTH)
        return JE_MODULEMOUSE_RIGHT_OUT_OF_SCREEN;
    if (fTop + fHeight > SCREEN_HEIGHT)
        return JE_MODULEMOUSE_BOTTOM_OUT_OF_SCREEN;
    m_fLeft = fLeft;
    m_fTop = fTop;
    m_fWidth = fWidth;
    m_fHeight = fHeight;
    return 0;
}

DWORD JC_ModuleMouse::OnOpen()
{
    m_bSavedShow = m_pMouse->GetVisible();
    m_pMouseState->ResetToCenter();
    m_pMouse->SetCursorPosition(m_pMouseState->GetX(), m_pMouseState->GetY());
    m_pMouse->SetVisible(1);
    return 0;
}

DWORD JC_ModuleMouse::OnClose()
{
    m_pMouse->SetVisible(0);
    m_pMouse->SetVisible(m_bSavedShow);
    return 0;
}

DWORD JC_ModuleMouse::Update()
{
    float fX = m_pMouseState->GetX();
    float fY = m_pMouseState->GetY();
    if (fX < m_fLeft)
        fX = m_fLeft;
    if (fY < m_fTop)
        fY = m_fTop;
    if (m_fLeft + m_fWidth < fX)
        fX = m_fLeft + m_fWidth;
    if (m_fTop + m_fHeight < fY)
        fY = m_fTop + m_fHeight;
    m_pMouseState->SetPosition(fX, fY);
    m_pMouse->SetCursorPosition(fX, fY);
    return 0;
}

float JC_ModuleMouse::GetCursorX() const
{
    return m_pMouse->GetCursorPosX() + SCREEN_HALF_WIDTH;
}

float JC_ModuleMouse::GetCursorY() const
{
    return m_pMouse->GetCursorPosY() - SCREEN_HALF_HEIGHT;
}

float JC_ModuleMouse::GetCursorScreenX() const
{
    return GetCursorX();
}

float JC_ModuleMouse::GetCursorScreenY() const
{
    return SCREEN_HALF_HEIGHT - m_pMouse->GetCursorPosY();
}

float JC_ModuleMouse::GetMouseX() const
{
    return m_pMouseState->GetX();
}

float JC_ModuleMouse::GetMouseY() const
{
    return m_pMouseState->GetY();
}

DWORD JC_ModuleMouse::GetScreenPickRay(D3DXVECTOR3* pvOrigin, D3DXVECTOR3* pvDirection) const
{
    XI_EnvironmentOfRender* const pEnvironment = m_pMouse->GetEnvironmentOfRender();
    if (pEnvironment == nullptr)
        return JE_MODULEMOUSE_NO_PICK_RAY;
    return CastRay(pEnvironment->GetScreenCameraMan(), GetCursorScreenX(), GetCursorScreenY(), pvOrigin, pvDirection);
}

DWORD JC_ModuleMouse::GetWorldPickRay(D3DXVECTOR3* pvOrigin, D3DXVECTOR3* pvDirection) const
{
    XI_EnvironmentOfRender* const pEnvironment = m_pMouse->GetEnvironmentOfRender();
    if (pEnvironment == nullptr)
        return JE_MODULEMOUSE_NO_PICK_RAY;
    return CastRay(pEnvironment->GetWorldCameraMan(), GetMouseX(), GetMouseY(), pvOrigin, pvDirection);
}

DWORD JC_ModuleMouse::CenterCursor()
{
    m_pMouseState->SetPosition(SCREEN_HALF_WIDTH, SCREEN_HALF_HEIGHT);
    return Update();
}

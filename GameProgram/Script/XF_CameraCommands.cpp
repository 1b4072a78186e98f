#include "GameProgram/Script/XF_CameraCommands.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Painter/XI_EnvironmentOfRender.h"
#include "GameProgram/Script/XC_Script.h"
#include "GameProgram/Script/XF_CommandSupport.h"
#include "GameProgram/SpriteWork/XC_CameraManWork_Control.h"
#include "GameProgram/SpriteWork/XC_CameraManWork_ShakeCamera.h"
#include "GameProgram/SpriteWork/XC_LightManWork_BrightnessControl.h"

#include <cmath>
#include <memory>
#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const float DEGREE_TO_RADIAN = 0.017453292f;
const float HALF_PI = 1.5707964f;
const float QUARTER_PI = 0.7853982f;
const float TWO_PI = 6.2831855f;

XI_EnvironmentOfRender* EnvironmentOf(XC_ScriptCommand* pCommandObj)
{
    XC_Script* const pScriptObj = XM_COMMAND_SCRIPT(pCommandObj);
    if (pScriptObj == nullptr)
        return nullptr;
    XI_EnvironmentOfRender* const pEnvironment = pScriptObj->GetEnvironmentOfRender();
    if (pEnvironment == nullptr)
        XM_REPORT_FAILED("pEnvironmentOfRender");
    return pEnvironment;
}

XC_CameraMan* WorldCameraOf(XC_ScriptCommand* pCommandObj)
{
    XI_EnvironmentOfRender* const pEnvironment = EnvironmentOf(pCommandObj);
    return pEnvironment != nullptr ? pEnvironment->GetWorldCameraMan() : nullptr;
}

// "ScreenCamera" picks the screen camera man, anything else the world one.
XC_CameraMan* ChosenCameraOf(XC_ScriptCommand* pCommandObj)
{
    XI_EnvironmentOfRender* const pEnvironment = EnvironmentOf(pCommandObj);
    if (pEnvironment == nullptr)
        return nullptr;
    if (pCommandObj->GetStringParameter("Object", "") == "ScreenCamera")
        return pEnvironment->GetScreenCameraMan();
    return pEnvironment->GetWorldCameraMan();
}

HRESULT CameraControl(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    std::unique_ptr<XC_CameraManWork_Control> pWork(new (std::nothrow) XC_CameraManWork_Control);
    if (pWork == nullptr || XM_COMMAND_SCRIPT(pCommandObj) == nullptr)
        return E_FAIL;
    pWork->m_bAbsPos = pCommandObj->GetBoolParameter("bAbsPos", FALSE);
    pWork->m_bAbsYaw = pCommandObj->GetBoolParameter("bAbsYaw", FALSE);
    pWork->m_bAbsPitch = pCommandObj->GetBoolParameter("bAbsPitch", FALSE);
    pWork->m_bAbsZoom = pCommandObj->GetBoolParameter("bAbsZoom", FALSE);
    pWork->m_vPosition = pCommandObj->GetXYZParameter("xyzPosition");
    pWork->m_fYaw = pCommandObj->GetFloatParameter("fYaw", 0.0f) * DEGREE_TO_RADIAN;
    pWork->m_fPitch = pCommandObj->GetFloatParameter("fPitch", 0.0f) * DEGREE_TO_RADIAN;
    pWork->m_fZoom = pCommandObj->GetFloatParameter("fZoom", 0.0f);
    // A work without its camera would step nothing; it is refused instead.
    if (!pWork->SetTarget(ChosenCameraOf(pCommandObj)))
        return E_FAIL;
    *rpSpriteWorkObj = pWork.release();
    return S_OK;
}

HRESULT ShakeCamera(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    std::unique_ptr<XC_CameraManWork_ShakeCamera> pWork(new (std::nothrow) XC_CameraManWork_ShakeCamera);
    if (pWork == nullptr || XM_COMMAND_SCRIPT(pCommandObj) == nullptr)
        return E_FAIL;
    pWork->m_fVerticalShakeFrequency1 = pCommandObj->GetFloatParameter("fVerticalShakeFrequency1", 0.0f);
    pWork->m_fVerticalShakeFrequency2 = pCommandObj->GetFloatParameter("fVerticalShakeFrequency2", 0.0f);
    pWork->m_fVerticalShakeRange1 = pCommandObj->GetFloatParameter("fVerticalShakeRange1", 0.0f);
    pWork->m_fVerticalShakeRange2 = pCommandObj->GetFloatParameter("fVerticalShakeRange2", 0.0f);
    pWork->m_fHorizontalShakeFrequency1 = pCommandObj->GetFloatParameter("fHorizontalShakeFrequency1", 0.0f);
    pWork->m_fHorizontalShakeFrequency2 = pCommandObj->GetFloatParameter("fHorizontalShakeFrequency2", 0.0f);
    pWork->m_fHorizontalShakeRange1 = pCommandObj->GetFloatParameter("fHorizontalShakeRange1", 0.0f);
    pWork->m_fHorizontalShakeRange2 = pCommandObj->GetFloatParameter("fHorizontalShakeRange2", 0.0f);
    if (FAILED(pWork->SetTarget(ChosenCameraOf(pCommandObj))))
        return E_FAIL;
    *rpSpriteWorkObj = pWork.release();
    return S_OK;
}

HRESULT LightManBrightnessControl(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    std::unique_ptr<XC_LightManWork_BrightnessControl> pWork(new (std::nothrow) XC_LightManWork_BrightnessControl);
    if (pWork == nullptr) {
        XM_REPORT_FAILED("pBrightnessControlObj");
        return E_FAIL;
    }
    XI_EnvironmentOfRender* const pEnvironment = EnvironmentOf(pCommandObj);
    XC_LightMan* const pLightMan = pEnvironment != nullptr ? pEnvironment->GetWorldLightMan() : nullptr;
    if (pLightMan == nullptr || !pWork->SetTarget(pLightMan)) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    pWork->m_fBrightnessControl = pCommandObj->GetFloatParameter("fBrightnessControl", 0.0f);
    pWork->m_bAbsBrightness = pCommandObj->GetBoolParameter("bAbsBrightness", FALSE);
    *rpSpriteWorkObj = pWork.release();
    return S_OK;
}

// The camera's target yaw wrapped into [0, 2π].
float WrappedYaw(float fYaw)
{
    if (!std::isfinite(fYaw))
        return 0.0f;
    fYaw = std::fmod(fYaw, TWO_PI);
    if (fYaw < 0.0f)
        fYaw += TWO_PI;
    return fYaw;
}

HRESULT CameraReferRenderNode(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    XC_CameraMan* const pCameraMan = WorldCameraOf(pCommandObj);
    if (pCameraMan == nullptr)
        return E_FAIL;
    XC_RenderNode* const pReferNode = XF_GetRenderNodeParameter(pCommandObj, "ReferRenderNode");
    const DWORD dwRelativeDirection = pCommandObj->GetDwordParameter("dwRelativeDirection", 0);
    float fRotateSpeed = pCommandObj->GetFloatParameter("fRotateSpeed", 0.0f);
    // No node to turn to: the command ends without a work.
    if (pReferNode == nullptr)
        return S_OK;
    if (!(fRotateSpeed > 1.0f))
        fRotateSpeed = 1.0f;
    fRotateSpeed *= DEGREE_TO_RADIAN;

    float fAngle = pReferNode->GetWorldRotation().y;
    if (dwRelativeDirection <= 3)
        fAngle -= static_cast<float>(dwRelativeDirection) * HALF_PI;
    const float fTargetYaw = static_cast<float>(XF_AngleToQuarter(fAngle)) * HALF_PI - QUARTER_PI;
    const float fCameraYaw = WrappedYaw(pCameraMan->GetTargetData()->m_fYaw);
    // The same direction a turn apart (7π/4 and −π/4) needs no turn either.
    if (XF_FloatEqual(fCameraYaw, fTargetYaw) || std::fabs(XF_AngleDiff(fCameraYaw, fTargetYaw)) < 0.001f)
        return S_OK;

    std::unique_ptr<XC_CameraManWork_Control> pWork(new (std::nothrow) XC_CameraManWork_Control);
    if (pWork == nullptr)
        return E_OUTOFMEMORY;
    pWork->m_bAbsYaw = TRUE;
    pWork->m_fYaw = fTargetYaw;
    pWork->SetTarget(pCameraMan);
    const float fWorkTime = std::fabs(XF_AngleDiff(fCameraYaw, fTargetYaw)) / fRotateSpeed;
    XF_WriteFloatLeaf(pCommandObj->GetTextNode(), "fWorkTime", fWorkTime, true);
    *rpSpriteWorkObj = pWork.release();
    return S_OK;
}

HRESULT CameraLookAtLock(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    XC_CameraMan* const pCameraMan = WorldCameraOf(pCommandObj);
    if (pCameraMan != nullptr)
        pCameraMan->LockLookAt(pCommandObj->GetBoolParameter("bLock", FALSE));
    return S_OK;
}

HRESULT CameraEyeLock(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    XC_CameraMan* const pCameraMan = WorldCameraOf(pCommandObj);
    if (pCameraMan != nullptr)
        pCameraMan->LockEye(pCommandObj->GetBoolParameter("bLock", FALSE));
    return S_OK;
}

HRESULT SoftenCamera(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    XC_CameraMan* const pCameraMan = WorldCameraOf(pCommandObj);
    if (pCameraMan != nullptr)
        pCameraMan->SetSoften(pCommandObj->GetBoolParameter("bEnable", FALSE));
    return S_OK;
}

// The node of "FollowTarget"; null (stop following) for an empty name or "None".
XC_RenderNode* FollowTargetOf(XC_ScriptCommand* pCommandObj)
{
    const XC_String strTarget = pCommandObj->GetStringParameter("FollowTarget", "");
    if (strTarget.empty() || strTarget == "None")
        return nullptr;
    XC_RenderNode* const pRenderNode = pCommandObj->GetScriptObj()->GetScriptResource()->GetRenderNode(strTarget.c_str());
    if (pRenderNode == nullptr)
        XM_REPORT_FAILED("pRenderNode");
    return pRenderNode;
}

HRESULT CameraLookAtFollow(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    XC_CameraMan* const pCameraMan = WorldCameraOf(pCommandObj);
    if (pCameraMan != nullptr)
        pCameraMan->FollowLookAt(FollowTargetOf(pCommandObj));
    return S_OK;
}

HRESULT CameraEyeFollow(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    XC_CameraMan* const pCameraMan = WorldCameraOf(pCommandObj);
    if (pCameraMan != nullptr)
        pCameraMan->FollowEye(FollowTargetOf(pCommandObj));
    return S_OK;
}

} // namespace

void XF_AddCameraCommands(std::map<XC_String, XF_AnalyzeCommand>* pCommandTable)
{
    std::map<XC_String, XF_AnalyzeCommand>& table = *pCommandTable;
    table["CameraControl"] = CameraControl;
    table["ShakeCamera"] = ShakeCamera;
    table["CameraReferRenderNode"] = CameraReferRenderNode;
    table["LightManBrightnessControl"] = LightManBrightnessControl;
    table["CameraLookAtLock"] = CameraLookAtLock;
    table["CameraEyeLock"] = CameraEyeLock;
    table["CameraLookAtFollow"] = CameraLookAtFollow;
    table["CameraEyeFollow"] = CameraEyeFollow;
    table["SoftenCamera"] = SoftenCamera;
}

#pragma once

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Script/XC_ScriptCommand.h"

#include <d3dx9math.h>

#include <memory>
#include <new>

class XC_RenderingObject;
class XC_RenderNode;
class XC_ScriptWork;

// What every command handler starts with: the script whose node is being
// dispatched. Null, reported at the handler's source location, when the
// dispatcher or the script is missing.
XC_Script* XF_GetCommandScript(XC_ScriptCommand* pCommandObj, const char* szSourceFile, int iLine);

// The rendering object or render node named by the string parameter, looked
// up in the script's resources (which report a missing name).
XC_RenderingObject* XF_GetRenderObjParameter(XC_ScriptCommand* pCommandObj, const char* szParameterName);
XC_RenderNode* XF_GetRenderNodeParameter(XC_ScriptCommand* pCommandObj, const char* szParameterName);

// The rendering object named by "Object" when it is of the class T; an
// object of another class counts as not found.
template <class T>
T* XF_GetTargetParameter(XC_ScriptCommand* pCommandObj)
{
    return dynamic_cast<T*>(XF_GetRenderObjParameter(pCommandObj, "Object"));
}

// A new work W on the object that XF_GetTargetParameter<T> finds; null,
// reported at the handler's place without a text, when the script or the
// object is missing or the work refuses the object.
template <class W, class T>
std::unique_ptr<W> XF_MakeTargetedWork(XC_ScriptCommand* pCommandObj, const char* szSourceFile, int iLine)
{
    std::unique_ptr<W> pWork(new (std::nothrow) W);
    if (pWork == nullptr || XF_GetCommandScript(pCommandObj, szSourceFile, iLine) == nullptr)
        return nullptr;
    T* const pTarget = XF_GetTargetParameter<T>(pCommandObj);
    if (pTarget == nullptr || !pWork->SetTarget(pTarget)) {
        XF_ReportError(szSourceFile, iLine, nullptr);
        return nullptr;
    }
    return pWork;
}

// A work that runs the file named by "ScriptFile" below the calling script,
// its first script renamed by "ScriptName" when the node has that leaf. Null,
// reported, when the file cannot be loaded or holds no script.
XC_ScriptWork* XF_MakeScriptWork(XC_ScriptCommand* pCommandObj, XC_Script* pScriptObj, const char* szCommandName);

// Sets the position, rotation and scale of the node from the leaves
// "xyzPosition", "xyzRotation" and "xyzScale" the command node holds.
void XF_PlaceFromParameters(XC_ScriptCommand* pCommandObj, XC_RenderNode* pRenderNode);

// Replaces the value of the node's leaf with the number ("%f"), adding the
// leaf when bAdd is set and the node lacks it; false when it has none.
bool XF_WriteFloatLeaf(XC_TextNode* pTNode, const char* szLeafName, float fValue, bool bAdd);

#define XM_COMMAND_SCRIPT(pCommandObj) XF_GetCommandScript(pCommandObj, s_szSourceFile, __LINE__)
#define XM_MAKE_TARGETED_WORK(W, T, pCommandObj) XF_MakeTargetedWork<W, T>(pCommandObj, s_szSourceFile, __LINE__)

#include "GameProgram/Script/XF_NodeCommands.h"

#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/RenderingObject/XC_RenderingObject.h"
#include "GameProgram/Script/XC_Script.h"
#include "GameProgram/Script/XF_CommandSupport.h"
#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetMoveRotation.h"
#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetPosition.h"
#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetRotation.h"
#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetScale.h"
#include "GameProgram/SpriteWork/XC_RenderObjWork_SetColor.h"

#include <cstring>
#include <memory>
#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

// A new node work on the object named by "Object"; null, reported without a
// text, when there is none. Only "SetPosition" limits itself to rendering objects.
template <class T>
std::unique_ptr<T> MakeNodeWork(XC_ScriptCommand* pCommandObj, bool bRenderObjOnly)
{
    std::unique_ptr<T> pWork(new (std::nothrow) T);
    if (pWork == nullptr || XM_COMMAND_SCRIPT(pCommandObj) == nullptr)
        return nullptr;
    XC_RenderNode* const pTarget =
        bRenderObjOnly ? XF_GetRenderObjParameter(pCommandObj, "Object") : XF_GetRenderNodeParameter(pCommandObj, "Object");
    if (pTarget == nullptr || !pWork->SetTarget(pTarget)) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return nullptr;
    }
    return pWork;
}

HRESULT SetPosition(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    std::unique_ptr<XC_RenderNodeWork_SetPosition> pWork = MakeNodeWork<XC_RenderNodeWork_SetPosition>(pCommandObj, true);
    if (pWork == nullptr)
        return E_FAIL;
    pWork->m_bAbsPosition = pCommandObj->GetBoolParameter("bAbsPosition", FALSE);
    pWork->m_vPosition = pCommandObj->GetXYZParameter("xyzPosition");
    pWork->m_fSpeedBegin = pCommandObj->GetFloatParameter("fSpeedBegin", 0.0f);
    pWork->m_fSpeedEnd = pCommandObj->GetFloatParameter("fSpeedEnd", 0.0f);
    pWork->m_fSpeedChangePoint = pCommandObj->GetFloatParameter("fSpeedChangePoint", 0.0f);
    pWork->m_dwMoveType = static_cast<DWORD>(pCommandObj->GetLongParameter("dwMoveType", 0));
    pWork->m_fMoveArg = pCommandObj->GetFloatParameter("fMoveArg", 0.0f);
    *rpSpriteWorkObj = pWork.release();
    return S_OK;
}

HRESULT SetRotation(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    std::unique_ptr<XC_RenderNodeWork_SetRotation> pWork = MakeNodeWork<XC_RenderNodeWork_SetRotation>(pCommandObj, false);
    if (pWork == nullptr)
        return E_FAIL;
    pWork->m_bAbsRotation = pCommandObj->GetBoolParameter("bAbsRotation", FALSE);
    pWork->m_vRotation = pCommandObj->GetXYZParameter("xyzRotation");
    *rpSpriteWorkObj = pWork.release();
    return S_OK;
}

HRESULT SetScale(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    std::unique_ptr<XC_RenderNodeWork_SetScale> pWork = MakeNodeWork<XC_RenderNodeWork_SetScale>(pCommandObj, false);
    if (pWork == nullptr)
        return E_FAIL;
    pWork->m_bAbsScale = pCommandObj->GetBoolParameter("bAbsScale", FALSE);
    pWork->m_vScale = pCommandObj->GetXYZParameter("xyzScale");
    *rpSpriteWorkObj = pWork.release();
    return S_OK;
}

HRESULT SetMoveRotation(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    std::unique_ptr<XC_RenderNodeWork_SetMoveRotation> pWork =
        MakeNodeWork<XC_RenderNodeWork_SetMoveRotation>(pCommandObj, false);
    if (pWork == nullptr)
        return E_FAIL;
    *rpSpriteWorkObj = pWork.release();
    return S_OK;
}

HRESULT SetColor(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    std::unique_ptr<XC_RenderObjWork_SetColor> pWork =
        XM_MAKE_TARGETED_WORK(XC_RenderObjWork_SetColor, XC_RenderingObject, pCommandObj);
    if (pWork == nullptr)
        return E_FAIL;
    pWork->m_dwColor = pCommandObj->GetDwordParameter("dwColor", 0);
    *rpSpriteWorkObj = pWork.release();
    return S_OK;
}

// The object of "Object" for the immediate handlers; null, reported with
// their shared text, when there is none.
XC_RenderingObject* FindShownObject(XC_ScriptCommand* pCommandObj)
{
    if (XM_COMMAND_SCRIPT(pCommandObj) == nullptr)
        return nullptr;
    XC_RenderingObject* const pRenderObj = XF_GetRenderObjParameter(pCommandObj, "Object");
    if (pRenderObj == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed \r\n%s", "pRenderObj", "Script SetShow Error , Can't Find Object"));
    }
    return pRenderObj;
}

HRESULT SetShow(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    XC_RenderingObject* const pRenderObj = FindShownObject(pCommandObj);
    if (pRenderObj == nullptr)
        return E_FAIL;
    pRenderObj->SetShow(pCommandObj->GetBoolParameter("bShow", FALSE));
    return S_OK;
}

HRESULT SetRenderObj(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    XC_RenderingObject* const pRenderObj = FindShownObject(pCommandObj);
    if (pRenderObj == nullptr)
        return E_FAIL;
    const XC_TextNode* const pTNode = pCommandObj->GetTextNode();
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return S_OK;
    }
    for (int i = 0; i < pTNode->GetLeafCount(); ++i) {
        const XC_TextLeaf* const pTLeafSet = pTNode->GetLeaf(i);
        if (pTLeafSet->GetName() == nullptr || std::strcmp(pTLeafSet->GetName(), "Set") != 0)
            continue;
        const HRESULT hr = pRenderObj->AnalyzeScript(pTLeafSet->GetStr());
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("pRenderObj->AnalyzeScript( pTLeafSet->GetStr() )", hr);
    }
    return S_OK;
}

HRESULT SetRenderObjEx(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    XC_RenderingObject* const pRenderObj = FindShownObject(pCommandObj);
    if (pRenderObj == nullptr)
        return E_FAIL;
    XC_String strScript;
    for (int i = 0;; ++i) {
        const XC_String strLeafName = XF_FormatText("SetEx%d", i);
        if (!pCommandObj->HasParameter(strLeafName.c_str()))
            break;
        strScript += pCommandObj->GetStringParameter(strLeafName.c_str(), "");
        strScript += ' ';
    }
    const HRESULT hr = pRenderObj->AnalyzeScript(strScript.c_str());
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pRenderObj->AnalyzeScript( strScript.c_str() )", hr);
    return S_OK;
}

HRESULT SetNodeLink(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    XC_Script* const pScriptObj = XM_COMMAND_SCRIPT(pCommandObj);
    if (pScriptObj == nullptr)
        return E_FAIL;
    const XC_String strParent = pCommandObj->GetStringParameter("Parent", "");
    XC_RenderNode* pRN_Parent = nullptr;
    if (strParent != "NULL") {
        pRN_Parent = pScriptObj->GetScriptResource()->GetRenderNode(strParent.c_str());
        if (pRN_Parent == nullptr) {
            XM_REPORT_FAILED("pRN_Parent");
            return E_FAIL;
        }
    }
    XC_RenderNode* const pRN_Child = XF_GetRenderNodeParameter(pCommandObj, "Child");
    if (pRN_Child == nullptr) {
        XM_REPORT_FAILED("pRN_Child");
        return E_FAIL;
    }
    pRN_Child->SetParent(pRN_Parent);
    return S_OK;
}

} // namespace

void XF_AddNodeCommands(std::map<XC_String, XF_AnalyzeCommand>* pCommandTable)
{
    std::map<XC_String, XF_AnalyzeCommand>& table = *pCommandTable;
    table["SetPosition"] = SetPosition;
    table["SetRotation"] = SetRotation;
    table["SetScale"] = SetScale;
    table["SetMoveRotation"] = SetMoveRotation;
    table["SetColor"] = SetColor;
    table["SetRenderObj"] = SetRenderObj;
    table["SetRenderObjEx"] = SetRenderObjEx;
    table["SetShow"] = SetShow;
    table["SetNodeLink"] = SetNodeLink;
}

#include "GameProgram/Script/XF_FlowCommands.h"

#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"
#include "GameProgram/RenderingObject/XC_RenderingObject.h"
#include "GameProgram/Script/XC_Script.h"
#include "GameProgram/Script/XC_ScriptMessageAssigner.h"
#include "GameProgram/Script/XC_ScriptWork.h"
#include "GameProgram/Script/XF_CommandSupport.h"
#include "GameProgram/SpriteWork/XC_ScriptWork_While.h"

#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

// More messages than this from one "While" would keep a frame busy for ever.
const DWORD MAX_WHILE_COUNT = 65536;

HRESULT CallScript(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    XC_Script* const pScriptObj = XM_COMMAND_SCRIPT(pCommandObj);
    if (pScriptObj == nullptr)
        return E_FAIL;
    XC_ScriptWork* const pScriptWork = XF_MakeScriptWork(pCommandObj, pScriptObj, "CallScript");
    if (pScriptWork == nullptr)
        return E_FAIL;
    XF_PlaceFromParameters(pCommandObj, pScriptWork->GetScriptSet()->GetRenderNode());
    *rpSpriteWorkObj = pScriptWork;
    return S_OK;
}

HRESULT Nothing(XC_ScriptCommand*, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    *rpSpriteWorkObj = new (std::nothrow) XC_SpriteWorkBase;
    if (*rpSpriteWorkObj == nullptr) {
        XM_REPORT_FAILED("pSpriteWorkBase");
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT DistanceDelay(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    if (pCommandObj == nullptr) {
        XM_REPORT_FAILED("pCommandObj");
        return E_FAIL;
    }
    if (FAILED(Nothing(pCommandObj, rpSpriteWorkObj)))
        return E_OUTOFMEMORY;
    D3DXVECTOR3 vPosition1 = pCommandObj->GetXYZParameter("xyzPosition1");
    D3DXVECTOR3 vPosition2 = pCommandObj->GetXYZParameter("xyzPosition2");
    if (pCommandObj->GetBoolParameter("bPlaneDistance", FALSE))
        vPosition1.y = vPosition2.y = 0.0f;
    const float fTime = XF_GetDistance(&vPosition1, &vPosition2) * pCommandObj->GetFloatParameter("fDistanceToTime", 0.0f);
    // The dispatcher reads "fWorkTime" right after this handler.
    if (!XF_WriteFloatLeaf(pCommandObj->GetTextNode(), "fWorkTime", fTime, false)) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed \r\n%s", "pTLeaf", "腳本工作DistanceDelay 必須要有fWorkTime參數"));
    }
    return S_OK;
}

HRESULT While(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    XC_ScriptWork_While* const pScriptWork_WhileObj = new (std::nothrow) XC_ScriptWork_While;
    if (pScriptWork_WhileObj == nullptr) {
        XM_REPORT_FAILED("pScriptWork_WhileObj");
        return E_OUTOFMEMORY;
    }
    pScriptWork_WhileObj->m_dwCount = pCommandObj->GetDwordParameter("dwCount", 0);
    if (pScriptWork_WhileObj->m_dwCount > MAX_WHILE_COUNT) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("While dwCount %lu is above %lu", pScriptWork_WhileObj->m_dwCount, MAX_WHILE_COUNT));
        pScriptWork_WhileObj->m_dwCount = MAX_WHILE_COUNT;
    }
    pScriptWork_WhileObj->m_dwMsg = pCommandObj->GetDwordParameter("dwMsg", 0);
    pScriptWork_WhileObj->m_bIncrease = pCommandObj->GetBoolParameter("bIncrease", FALSE);
    *rpSpriteWorkObj = pScriptWork_WhileObj;
    return S_OK;
}

HRESULT If(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    XC_Script* const pScriptObj = XM_COMMAND_SCRIPT(pCommandObj);
    if (pScriptObj == nullptr)
        return E_FAIL;
    XC_TextNode* const pTNode = pCommandObj->GetTextNode();
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return E_FAIL;
    }
    const BOOL bExpression = pCommandObj->GetBoolParameter("bExpression", FALSE);
    pScriptObj->CheckStart(pTNode, bExpression ? XF_CONDITION_THEN : XF_CONDITION_ELSE);
    return S_OK;
}

HRESULT FinishWork(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    XC_Script* const pScriptObj = XM_COMMAND_SCRIPT(pCommandObj);
    if (pScriptObj == nullptr)
        return E_FAIL;
    pScriptObj->GetSpriteObj()->FinishWork(pCommandObj->GetStringParameter("WorkName", "").c_str());
    return S_OK;
}

HRESULT ClearAllWork(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    XC_Script* const pScriptObj = XM_COMMAND_SCRIPT(pCommandObj);
    if (pScriptObj == nullptr)
        return E_FAIL;
    pScriptObj->GetSpriteObj()->ClearAllWork();
    return S_OK;
}

HRESULT SendScriptMessage(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    XC_Script* const pScriptObj = XM_COMMAND_SCRIPT(pCommandObj);
    if (pScriptObj == nullptr)
        return E_FAIL;
    XS_ScriptMessage message;
    message.m_strTarget = pCommandObj->GetStringParameter("Target", "");
    message.m_strAction = pCommandObj->GetStringParameter("Action", "");
    if (message.m_strTarget == pScriptObj->GetName() || message.m_strTarget == "This") {
        if (!pScriptObj->HasAction(message.m_strAction.c_str())) {
            XF_ReportError(s_szSourceFile, __LINE__,
                           XF_FormatText("\"%s\" SendMessage : no action %s", pScriptObj->GetName(),
                                         message.m_strAction.c_str()));
        }
        return pScriptObj->RunAction(message.m_strAction.c_str());
    }
    XC_ScriptMessageAssigner* const pAssigner = pScriptObj->GetScriptMessageAssigner();
    if (pAssigner == nullptr) {
        XM_REPORT_FAILED("pScriptMessageAssigner");
        return E_FAIL;
    }
    return pAssigner->SendMessage(message);
}

HRESULT SetParameter(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    XC_Script* const pScriptObj = XM_COMMAND_SCRIPT(pCommandObj);
    if (pScriptObj == nullptr)
        return E_FAIL;
    const XC_String strName = pCommandObj->GetStringParameter("ParameterName", "");
    const XC_String strData = pCommandObj->GetStringParameter("ParameterData", "");
    return pScriptObj->GetScriptParameter()->SetParameter(strName.c_str(), strData.c_str());
}

HRESULT SetTimeElapseSpeed(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    if (pCommandObj == nullptr) {
        XM_REPORT_FAILED("pCommandObj");
        return E_FAIL;
    }
    if (g_pTimerManager == nullptr) {
        XM_REPORT_FAILED("g_pTimerManager");
        return S_OK;
    }
    g_pTimerManager->SetTimeScale(pCommandObj->GetFloatParameter("fElapseSpeed", 0.0f));
    return S_OK;
}

HRESULT SetTimerObj(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    if (XM_COMMAND_SCRIPT(pCommandObj) == nullptr)
        return E_FAIL;
    XC_RenderingObject* const pRenderObj = XF_GetRenderObjParameter(pCommandObj, "Object");
    if (pRenderObj == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed \r\n%s", "pRenderObj", "Script SetShow Error , Can't Find Object"));
        return E_FAIL;
    }
    XC_Timer* const pTimer = dynamic_cast<XC_Timer*>(pRenderObj);
    if (pTimer == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("SetTimerObj Error , %s , 不是Timer物件 , ",
                                     pCommandObj->GetStringParameter("Object", "").c_str()));
        return S_OK;
    }
    pTimer->SetUseTimeScale(pCommandObj->GetBoolParameter("bUseRealTime", FALSE) ? FALSE : TRUE);
    return S_OK;
}

} // namespace

void XF_AddFlowCommands(std::map<XC_String, XF_AnalyzeCommand>* pCommandTable)
{
    std::map<XC_String, XF_AnalyzeCommand>& table = *pCommandTable;
    table["CallScript"] = CallScript;
    table["Nothing"] = Nothing;
    table["DistanceDelay"] = DistanceDelay;
    table["While"] = While;
    table["FinishWork"] = FinishWork;
    table["ClearAllWork"] = ClearAllWork;
    table["SendMessage"] = SendScriptMessage;
    table["SetParameter"] = SetParameter;
    table["SetTimeElapseSpeed"] = SetTimeElapseSpeed;
    table["SetTimerObj"] = SetTimerObj;
    table["If"] = If;
}

#include "GameProgram/Script/XC_ScriptCommand.h"

#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_InitOrder.h"
#include "GameProgram/Script/XC_Script.h"
#include "GameProgram/Script/XF_CameraCommands.h"
#include "GameProgram/Script/XF_FlowCommands.h"
#include "GameProgram/Script/XF_NodeCommands.h"
#include "GameProgram/Script/XF_NodeFunctions.h"
#include "GameProgram/Script/XF_PersonCommands.h"
#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

#include <cmath>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_ScriptCommand::XC_ScriptCommand()
{
    XF_AddNodeFunctions(&m_LongFunctionTable, &m_XYZFunctionTable);
    XF_AddFlowCommands(&m_CommandTable);
    XF_AddNodeCommands(&m_CommandTable);
    XF_AddCameraCommands(&m_CommandTable);
    XF_AddPersonCommands(&m_CommandTable);
}

XC_ScriptCommand::~XC_ScriptCommand() = default;

XC_Script* XC_ScriptCommand::GetScriptObj()
{
    return m_pScriptObj;
}

void XC_ScriptCommand::Select(XC_Script* pScriptObj, XC_TextNode* pTNodeCommand)
{
    m_pScriptObj = pScriptObj;
    SetScriptParameter(pScriptObj != nullptr ? pScriptObj->GetScriptParameter() : nullptr);
    if (pTNodeCommand != nullptr)
        SetTextNode(pTNodeCommand);
}

HRESULT XC_ScriptCommand::AnalyzeCommand(XC_Script* pScriptObj, XC_TextNode* pTNodeCommand,
                                         XC_SpriteWorkBase** rpSpriteWorkObj)
{
    if (pScriptObj == nullptr)
        XM_REPORT_FAILED("pScriptObj");
    if (pTNodeCommand == nullptr) {
        XM_REPORT_FAILED("pTNodeCommand");
        return E_FAIL;
    }
    *rpSpriteWorkObj = nullptr;

    // A handler may dispatch again ("If", "SendMessage"): the state of this
    // dispatch is put back for the caller when it is done.
    XC_Script* const pOuterScript = m_pScriptObj;
    XC_TextNode* const pOuterNode = m_pTextNodeObj;
    XC_ScriptParameter* const pOuterParameter = m_pCurrentScriptParameter;
    const XF_AnalyzeCommand fpOuterCommand = m_fpAnalyzeCommand;

    Select(pScriptObj, pTNodeCommand);
    const HRESULT hr = Dispatch(rpSpriteWorkObj);
    if (SUCCEEDED(hr)) {
        Select(pScriptObj, pTNodeCommand);
        ReportUnsentConditions(*rpSpriteWorkObj);
    }
    if (SUCCEEDED(hr) && *rpSpriteWorkObj != nullptr)
        SetCommonFields(*rpSpriteWorkObj);

    m_pScriptObj = pOuterScript;
    m_pTextNodeObj = pOuterNode;
    m_pCurrentScriptParameter = pOuterParameter;
    m_fpAnalyzeCommand = fpOuterCommand;
    return hr;
}

HRESULT XC_ScriptCommand::Dispatch(XC_SpriteWorkBase** rpSpriteWorkObj)
{
    const XC_String stringType = GetStringParameter("Type", "");
    if (stringType.empty()) {
        XM_REPORT_FAILED("stringType.length() > 0");
        XF_ReportError(s_szSourceFile, __LINE__, "腳本分析錯誤 沒有 Type 參數 ");
        return E_FAIL;
    }
    const auto row = m_CommandTable.find(stringType);
    if (row == m_CommandTable.end()) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("找不到腳本分析指令 %s , 檢查是否輸入錯誤", stringType.c_str()));
        return E_FAIL;
    }
    m_fpAnalyzeCommand = row->second;
    if (m_fpAnalyzeCommand == nullptr) {
        XM_REPORT_FAILED("fpAnalyzeCommand");
        return E_FAIL;
    }
    const HRESULT hr = m_fpAnalyzeCommand(this, rpSpriteWorkObj);
    if (FAILED(hr)) {
        // A handler that fails must not leave a work behind.
        if (*rpSpriteWorkObj != nullptr) {
            XM_REPORT_FAILED("!( S_OK != hr && rpSpriteWorkObj )");
            delete *rpSpriteWorkObj;
            *rpSpriteWorkObj = nullptr;
        }
        return E_FAIL;
    }
    return S_OK;
}

void XC_ScriptCommand::SetCommonFields(XC_SpriteWorkBase* pWork)
{
    if (m_pTextNodeObj->FindLeaf("WorkName") != nullptr)
        pWork->SetName(GetStringParameter("WorkName", "").c_str());
    else
        pWork->SetName(m_pTextNodeObj->GetName() != nullptr ? m_pTextNodeObj->GetName() : "");
    pWork->SetDelayTime(ReadTime("fDelayTime"));
    pWork->SetWorkTime(ReadTime("fWorkTime"));
}

float XC_ScriptCommand::ReadTime(const char* szName)
{
    const float fTime = GetFloatParameter(szName, 0.0f);
    if (std::isfinite(fTime) && fTime >= 0.0f && fTime <= MAX_TIME)
        return fTime;
    XC_String strPath;
    XC_Script::BuildNodePath(m_pTextNodeObj, &strPath);
    XF_ReportError(s_szSourceFile, __LINE__,
                   XF_FormatText("\"%s\" %s = %g : not a time of 0 to %g seconds; 0 is used", strPath.c_str(), szName,
                                 static_cast<double>(fTime), static_cast<double>(MAX_TIME)));
    return 0.0f;
}

void XC_ScriptCommand::ReportUnsentConditions(const XC_SpriteWorkBase* pWork)
{
    for (int i = 0; i < m_pTextNodeObj->GetChildNodeCount(); ++i) {
        const XC_TextNode* const pTNodeChild = m_pTextNodeObj->FindChildNode(i);
        const DWORD dwCondition = pTNodeChild->GetDword("dwConditionOfStart", 0);
        if (dwCondition == 0 || CanSendMessage(pWork, dwCondition))
            continue;
        XC_String strPath;
        XC_Script::BuildNodePath(pTNodeChild, &strPath);
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("\"%s\" dwConditionOfStart = %lu : its command \"%s\" never sends that message",
                                     strPath.c_str(), dwCondition, GetStringParameter("Type", "").c_str()));
    }
}

bool XC_ScriptCommand::CanSendMessage(const XC_SpriteWorkBase* pWork, DWORD dwMessage)
{
    if (pWork != nullptr)
        return pWork->CanSendMessage(dwMessage);
    // "If" starts its followers itself, by its branch.
    return GetStringParameter("Type", "") == "If" && (dwMessage == XF_CONDITION_THEN || dwMessage == XF_CONDITION_ELSE);
}

static XC_ScriptCommand s_ScriptCommandObj XM_INIT_ORDER(XE_INIT_SCRIPT_COMMAND);
XC_ScriptCommand* g_pScriptCommandObj = &s_ScriptCommandObj;

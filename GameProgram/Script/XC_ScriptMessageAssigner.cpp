#include "GameProgram/Script/XC_ScriptMessageAssigner.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Script/XC_Script.h"

#include <vector>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

HRESULT XC_ScriptMessageAssigner::Register(XC_Script* pScriptObj)
{
    m_setScript.insert(pScriptObj);
    return S_OK;
}

HRESULT XC_ScriptMessageAssigner::Unregister(XC_Script* pScriptObj)
{
    if (m_setScript.erase(pScriptObj) == 0) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    return S_OK;
}

HRESULT XC_ScriptMessageAssigner::SendMessage(const XS_ScriptMessage& message)
{
    // An action may create or finish scripts: walk a snapshot and reach only
    // those still registered when their turn comes.
    const std::vector<XC_Script*> scripts(m_setScript.begin(), m_setScript.end());
    bool bHeard = false;
    for (XC_Script* pScriptObj : scripts) {
        if (m_setScript.count(pScriptObj) == 0 || message.m_strTarget != pScriptObj->GetName())
            continue;
        bHeard = bHeard || pScriptObj->HasAction(message.m_strAction.c_str());
        pScriptObj->RunAction(message.m_strAction.c_str());
    }
    if (!bHeard) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("SendMessage : no script %s with an action %s", message.m_strTarget.c_str(),
                                     message.m_strAction.c_str()));
    }
    return S_OK;
}

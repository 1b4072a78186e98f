#pragma once

#include "GameProgram/Script/XS_ScriptMessage.h"

#include <windows.h>

#include <set>

class XC_Script;

// The live scripts that messages can reach by script name. It does not own them.
class XC_ScriptMessageAssigner
{
public:
    XC_ScriptMessageAssigner() = default;
    XC_ScriptMessageAssigner(const XC_ScriptMessageAssigner&) = delete;
    XC_ScriptMessageAssigner& operator=(const XC_ScriptMessageAssigner&) = delete;

    HRESULT Register(XC_Script* pScriptObj);
    HRESULT Unregister(XC_Script* pScriptObj);
    // Runs the action in every registered script of the target name.
    HRESULT SendMessage(const XS_ScriptMessage& message);

private:
    std::set<XC_Script*> m_setScript;
};

#pragma once

#include "GameProgram/Common/XC_String.h"

// What "SendMessage" asks of the live scripts: the scripts named m_strTarget
// (brackets included) run their action-list entry m_strAction.
struct XS_ScriptMessage
{
    XC_String m_strTarget;
    XC_String m_strAction;
};

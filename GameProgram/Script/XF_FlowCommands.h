#pragma once

#include "GameProgram/Script/XC_ScriptCommand.h"

// The messages "If" starts its followers with: its expression true, false.
constexpr DWORD XF_CONDITION_THEN = 1;
constexpr DWORD XF_CONDITION_ELSE = 2;

// The handlers that shape a script's course: calls, pauses, loops, branches,
// work control, messages, named values and the flow of time.
void XF_AddFlowCommands(std::map<XC_String, XF_AnalyzeCommand>* pCommandTable);

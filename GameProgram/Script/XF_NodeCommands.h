#pragma once

#include "GameProgram/Script/XC_ScriptCommand.h"

// The handlers that move, turn, scale, colour, show, re-script and re-parent
// a script's named objects.
void XF_AddNodeCommands(std::map<XC_String, XF_AnalyzeCommand>* pCommandTable);

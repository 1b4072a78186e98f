#pragma once

#include "GameProgram/Script/XC_ScriptParameterAnalyzer.h"

#include <map>

// The '#' value functions of the command dispatcher: a person's direction,
// a named node's world transform and the world point under a screen point.
void XF_AddNodeFunctions(std::map<XC_String, XF_LongFunction>* pLongTable,
                         std::map<XC_String, XF_XYZFunction>* pXYZTable);

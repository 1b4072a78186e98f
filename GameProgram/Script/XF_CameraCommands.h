#pragma once

#include "GameProgram/Script/XC_ScriptCommand.h"

// The handlers that drive the camera men and the world light man of a
// script's render environment.
void XF_AddCameraCommands(std::map<XC_String, XF_AnalyzeCommand>* pCommandTable);

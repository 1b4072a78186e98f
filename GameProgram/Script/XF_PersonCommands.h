#pragma once

#include "GameProgram/Script/XC_ScriptCommand.h"

// The handlers that animate persons and page animations, leave after-images,
// play sounds and clone a person into a script of its own.
void XF_AddPersonCommands(std::map<XC_String, XF_AnalyzeCommand>* pCommandTable);

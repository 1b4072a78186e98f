#pragma once

#include <windows.h>

#include <string>

// A handler of the game scripts' lines of one function name. It gets the line
// without its first field and the comma after it.
class JI_ScriptNotify
{
public:
    virtual DWORD Deal(const std::string& strText) = 0;
    virtual ~JI_ScriptNotify() = default;
};

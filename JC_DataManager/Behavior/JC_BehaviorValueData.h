#pragma once

#include <windows.h>

#include <string>

// One value part of a behaviour item: a define reference (a text holding
// "DF_", resolved by whoever uses it) or a number with its marks. The number
// keeps no sign; the minus flag carries it.
struct JC_BehaviorValueData
{
    BOOL bValid = 0;
    BOOL bIsDefine = 0;
    std::string strDefine;
    DWORD dwNumber = 0;
    BOOL bIsRelative = 0;
    BOOL bPlus = 0;
    BOOL bMinus = 0;
    BOOL bPercent = 0;
};

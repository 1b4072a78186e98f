#pragma once

#include <windows.h>

#include <string>

class JC_BehaviorAnalyser;
class JC_DebugLog;
class JC_OperatorPerson;

// The behaviour type whose entries change a person field.
constexpr DWORD JD_BEHAVIORTYPE_MERGE = 0x10002;

// A behaviour entry that changes a person field: "@Parameter" is the field
// name, the index (decimal) and the value text, comma-separated.
struct JS_MergeBehavior
{
    bool bMerge = false;
    std::string strParameter;
    std::string strField;
    DWORD dwIndex = 0;
    std::string strValue;
};

// Takes a behaviour entry apart: 0 with bMerge false for an entry of another
// type; dwEmptyCode when its type or parameter is missing, a failure code
// when the parameter has fewer than three parts; both logged.
DWORD JF_ReadMergeBehavior(const JC_BehaviorAnalyser& analyser, JC_DebugLog& log, const char* szSourceFile,
                           const std::string& strBehavior, DWORD dwEmptyCode, JS_MergeBehavior& merge);

// Applies (bAdd) or reverses the entry's value on its field; a changed
// maximum cuts the current value ("HP" for "MaxHP" and so on) down to it.
void JF_MergePersonField(JC_OperatorPerson& person, const JS_MergeBehavior& merge, bool bAdd);

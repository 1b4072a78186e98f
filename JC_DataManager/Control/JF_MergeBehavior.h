#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

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

// Walks behaviour entries in order: an entry of another type is passed over,
// and reported when bReportOtherTypes; visit gets every Merge entry and ends
// the walk by answering false. The first failure to read an entry ends it
// with its code.
DWORD JF_WalkMergeBehaviors(const JC_BehaviorAnalyser& analyser, JC_DebugLog& log, const char* szSourceFile,
                            const std::vector<std::string>& behaviors, DWORD dwEmptyCode, bool bReportOtherTypes,
                            const std::function<bool(JS_MergeBehavior&)>& visit);

// Applies (bAdd) or reverses the entry's value on its field; a changed
// maximum cuts the current value ("HP" for "MaxHP" and so on) down to it.
void JF_MergePersonField(JC_OperatorPerson& person, const JS_MergeBehavior& merge, bool bAdd);

#pragma once

#include "JC_DataManager/Behavior/JC_BehaviorBase.h"
#include "JC_DataManager/Behavior/JC_BehaviorValueData.h"

constexpr DWORD JE_BEHAVIOR_VALUE_EMPTY = 0x89131101;
constexpr DWORD JE_BEHAVIOR_VALUE_NO_NUMBER = 0x89131102;

// The value parts of behaviour items: "DF_" define references, or numbers
// with an optional leading "+" or "-" and an optional trailing "%".
class JC_BehaviorValue : public JC_BehaviorBase
{
public:
    // A valid record and 0, or the failure with the record left invalid.
    DWORD AnalyzeBehaviorValue(const std::string& strText, JC_BehaviorValueData& value) const;
    // The value's text: the text it was read from when it is not valid, the
    // define text for a define, else sign, decimal number and "%".
    std::string ComposeBehaviorValue(const JC_BehaviorValueData& value, const std::string& strReadText) const;
};

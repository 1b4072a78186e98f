#include "JC_DataManager/Behavior/JC_BehaviorValue.h"

DWORD JC_BehaviorValue::AnalyzeBehaviorValue(const std::string& strText, JC_BehaviorValueData& value) const
{
    value = JC_BehaviorValueData();
    if (strText.empty())
        return JE_BEHAVIOR_VALUE_EMPTY;
    if (strText.find("DF_") != std::string::npos) {
        value.bIsDefine = 1;
        value.strDefine = strText;
        value.bValid = 1;
        return 0;
    }
    bool bPlus = false;
    bool bMinus = false;
    bool bPercent = false;
    const DWORD dwResult = SplitNumber(strText, value.dwNumber, bPlus, bMinus, bPercent);
    if (dwResult == JE_NUMBER_SIGN_ONLY)
        return JE_BEHAVIOR_VALUE_NO_NUMBER;
    if (dwResult != 0)
        return dwResult;
    value.bPlus = bPlus;
    value.bMinus = bMinus;
    value.bPercent = bPercent;
    value.bIsRelative = bPlus || bMinus || bPercent;
    value.bValid = 1;
    return 0;
}

std::string JC_BehaviorValue::ComposeBehaviorValue(const JC_BehaviorValueData& value,
                                                   const std::string& strReadText) const
{
    if (!value.bValid)
        return strReadText;
    if (value.bIsDefine)
        return value.strDefine;
    std::string strText;
    if (value.bPlus)
        strText = "+";
    else if (value.bMinus)
        strText = "-";
    strText += UIntToStr(value.dwNumber);
    if (value.bPercent)
        strText += "%";
    return strText;
}

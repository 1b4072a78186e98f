#include "TemplateSystem/JC_StrNumCalculate.h"

namespace {

// A relative number read against a base: its amount (the value, or that many
// percent of the base, the 32-bit product taken as signed and divided with
// truncation) and its sign.
struct Relative
{
    DWORD dwAmount = 0;
    bool bPlus = false;
    bool bMinus = false;
};

bool ReadRelative(DWORD dwBase, const std::string& strText, Relative& relative)
{
    DWORD dwValue = 0;
    bool bPercent = false;
    if (JC_StrNumSwitch::SplitNumber(strText, dwValue, relative.bPlus, relative.bMinus, bPercent) != 0)
        return false;
    relative.dwAmount = bPercent ? static_cast<DWORD>(static_cast<int>(dwBase * dwValue) / 100) : dwValue;
    return true;
}

} // namespace

DWORD JC_StrNumCalculate::AddValue(DWORD dwBase, const std::string& strText)
{
    Relative relative;
    if (!ReadRelative(dwBase, strText, relative))
        return 0;
    if (relative.bPlus)
        return dwBase + relative.dwAmount;
    if (relative.bMinus)
        return dwBase - relative.dwAmount;
    return relative.dwAmount;
}

DWORD JC_StrNumCalculate::SubValue(DWORD dwBase, const std::string& strText)
{
    Relative relative;
    if (!ReadRelative(dwBase, strText, relative))
        return 0;
    if (relative.bPlus)
        return dwBase - relative.dwAmount;
    if (relative.bMinus)
        return relative.dwAmount + dwBase;
    return relative.dwAmount;
}

#pragma once

#include "TemplateSystem/JC_StrNumSwitch.h"

// Applies relative number texts ("+n", "-n", "n%", "+n%") to base values.
class JC_StrNumCalculate : public JC_StrNumSwitch
{
public:
    // n, or n percent of the base for "n%": added to the base for "+",
    // subtracted for "-", in place of the base without a sign. 0 for a text
    // that is no number.
    static DWORD AddValue(DWORD dwBase, const std::string& strText);
    // The inverse: subtracted for "+", added for "-", in place without a sign.
    static DWORD SubValue(DWORD dwBase, const std::string& strText);
};

#include "TemplateSystem/JC_TemplateItemTypeInt32.h"

DWORD JC_TemplateItemTypeInt32::ParseMinMax(const std::string* pText, const JC_Template&,
                                            JC_TemplateItem& item) const
{
    return ReadIntRange(pText, item);
}

DWORD JC_TemplateItemTypeInt32::ParseDefault(const std::string* pText, const JC_Template& tmpl,
                                             JC_TemplateItem& item) const
{
    return ReadNumberDefault(pText, tmpl, true, JE_INT32_DEFAULT_NOT_NUMBER, JE_INT32_DEFAULT_OUTSIDE, item);
}

#include "TemplateSystem/JC_TemplateItemTypeFloat.h"

DWORD JC_TemplateItemTypeFloat::ParseMinMax(const std::string* pText, const JC_Template&,
                                            JC_TemplateItem& item) const
{
    return ReadFloatRange(pText, item) == 0 ? 0 : JE_FLOAT_BAD_RANGE;
}

DWORD JC_TemplateItemTypeFloat::ParseDefault(const std::string* pText, const JC_Template&,
                                             JC_TemplateItem& item) const
{
    return ReadFloatDefault(pText, JE_FLOAT_DEFAULT_NOT_NUMBER, JE_FLOAT_DEFAULT_OUTSIDE, item);
}

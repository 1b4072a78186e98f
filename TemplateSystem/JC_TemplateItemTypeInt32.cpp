#include "TemplateSystem/JC_TemplateItemTypeInt32.h"

#include "TemplateSystem/JC_DataComponent.h"

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

JC_ItemValue JC_TemplateItemTypeInt32::MakeValue(const JC_TemplateItem&) const
{
    return 0;
}

DWORD JC_TemplateItemTypeInt32::FormatValue(const JC_DataComponent& component, const JC_TemplateItem& item,
                                            const JC_ItemValue&, DWORD, DWORD dwRadix, bool,
                                            std::string& strText) const
{
    return FormatNumber32(component, item, true, dwRadix, strText);
}

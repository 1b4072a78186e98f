#include "TemplateSystem/JC_TemplateItemTypeUInt32.h"

DWORD JC_TemplateItemTypeUInt32::ParseMinMax(const std::string* pText, const JC_Template&,
                                             JC_TemplateItem& item) const
{
    JC_TemplatePlainItem* pSpaceItem = ReferredItem(item);
    const DWORD dwWidest = pSpaceItem != nullptr ? ReferMask(item) : 0xFFFFFFFF;
    const DWORD dwResult = ReadUIntRange(pText, dwWidest, item);
    if (dwResult != 0)
        return dwResult;
    const DWORD dwMaximum = std::get<DWORD>(item.m_Maximum);
    if (dwMaximum > dwWidest)
        return JE_UINT32_MAXIMUM_TOO_LARGE;
    if (pSpaceItem != nullptr) {
        Widen(pSpaceItem->m_Minimum, item, std::get<DWORD>(item.m_Minimum));
        Widen(pSpaceItem->m_Maximum, item, dwMaximum);
    }
    return 0;
}

DWORD JC_TemplateItemTypeUInt32::ParseDefault(const std::string* pText, const JC_Template& tmpl,
                                              JC_TemplateItem& item) const
{
    const DWORD dwResult = ReadNumberDefault(pText, tmpl, false, JE_UINT32_DEFAULT_NOT_NUMBER,
                                             JE_UINT32_DEFAULT_OUTSIDE, item);
    if (dwResult != 0)
        return dwResult;
    if (JC_TemplatePlainItem* pSpaceItem = ReferredItem(item))
        Widen(pSpaceItem->m_Default, item, std::get<DWORD>(item.m_Default));
    return 0;
}

#include "TemplateSystem/JC_TemplateReferItem.h"

JC_TemplateReferItem::JC_TemplateReferItem()
    : JC_TemplateItem(true, NO_BIT)
{
}

bool JC_TemplateReferItem::HasBits() const
{
    return m_dwFirstBound <= m_dwSecondBound && m_dwSecondBound <= 63;
}

DWORD JC_TemplateReferItem::GetBitCount() const
{
    return m_dwSecondBound - m_dwFirstBound + 1;
}

DWORD JC_TemplateReferItem::GetMask() const
{
    const DWORD dwBits = GetBitCount();
    return dwBits >= 32 ? 0xFFFFFFFF : (DWORD(1) << dwBits) - 1;
}

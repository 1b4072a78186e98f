#include "TemplateSystem/JC_TemplateItem.h"

namespace {

bool IsRadix(DWORD dwRadix)
{
    return dwRadix == 2 || dwRadix == 10 || dwRadix == 16;
}

} // namespace

JC_TemplateItem::JC_TemplateItem(bool bRefer, DWORD dwBound)
    : m_dwFirstBound(dwBound)
    , m_dwSecondBound(dwBound)
    , m_bRefer(bRefer)
{
}

bool JC_TemplateItem::SetFirstRadix(DWORD dwRadix)
{
    const bool bValid = IsRadix(dwRadix);
    m_dwRadixes = (m_dwRadixes & 0x0000FFFF) | ((bValid ? dwRadix : 10) << 16);
    return bValid;
}

bool JC_TemplateItem::SetSecondRadix(DWORD dwRadix)
{
    const bool bValid = IsRadix(dwRadix);
    m_dwRadixes = (m_dwRadixes & 0xFFFF0000) | (bValid ? dwRadix : 10);
    return bValid;
}

DWORD JC_TemplateItem::GetFirstRadix() const
{
    return m_dwRadixes >> 16;
}

DWORD JC_TemplateItem::GetSecondRadix() const
{
    return m_dwRadixes & 0xFFFF;
}

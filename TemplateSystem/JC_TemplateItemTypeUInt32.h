#pragma once

#include "TemplateSystem/JC_TemplateItemType.h"

constexpr DWORD JE_UINT32_MAXIMUM_TOO_LARGE = 0x88129911;
constexpr DWORD JE_UINT32_DEFAULT_NOT_NUMBER = 0x88129921;
constexpr DWORD JE_UINT32_DEFAULT_OUTSIDE = 0x88129922;

// UINT32: an unsigned 32-bit number within its range; as a refer item, a
// bit range of a SPACE item whose range and default it widens.
class JC_TemplateItemTypeUInt32 : public JC_TemplateItemType
{
public:
    DWORD ParseMinMax(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;
    DWORD ParseDefault(const std::string* pText, const JC_Template& tmpl, JC_TemplateItem& item) const override;
};

#pragma once

#include "TemplateSystem/JC_TemplateItem.h"

class JC_TemplatePlainItem;

// A UINT32 or COMBO item that is the bit range m_dwFirstBound..m_dwSecondBound
// of a SPACE32 or SPACE64 plain item; it has no value of its own.
class JC_TemplateReferItem : public JC_TemplateItem
{
public:
    // Bounds -1 until "@ReferBit" is read.
    static constexpr DWORD NO_BIT = 0xFFFFFFFF;

    JC_TemplateReferItem();

    // Whether "@ReferBit" gave a range inside 64 bits.
    bool HasBits() const;
    // The number of bits, 1 to 32, and a mask of that many low bits.
    DWORD GetBitCount() const;
    DWORD GetMask() const;

    // The SPACE item the bits live in; the template owns it.
    JC_TemplatePlainItem* m_pReferredItem = nullptr;
};

#pragma once

#include "TemplateSystem/JC_ItemValue.h"
#include "TemplateSystem/JC_StrNumSwitch.h"

// The caller's variables of a component's reads and writes, as the component
// and the item type handlers take them apart.

// The caller's variable of type T, or null when it is of another type.
template <typename T>
const T* JF_InAs(const JC_ValueIn& value)
{
    const T* const* ppValue = std::get_if<const T*>(&value);
    return ppValue != nullptr ? *ppValue : nullptr;
}

template <typename T>
T* JF_OutAs(const JC_ValueOut& value)
{
    T* const* ppValue = std::get_if<T*>(&value);
    return ppValue != nullptr ? *ppValue : nullptr;
}

// A 32-bit variable, int or DWORD, as its bit pattern.
inline bool JF_ReadIn32(const JC_ValueIn& value, DWORD& dwBits)
{
    if (const int* pInt = JF_InAs<int>(value)) {
        dwBits = static_cast<DWORD>(*pInt);
        return true;
    }
    if (const DWORD* pDWord = JF_InAs<DWORD>(value)) {
        dwBits = *pDWord;
        return true;
    }
    return false;
}

inline bool JF_WriteOut32(const JC_ValueOut& value, DWORD dwBits)
{
    if (int* pInt = JF_OutAs<int>(value)) {
        *pInt = static_cast<int>(dwBits);
        return true;
    }
    if (DWORD* pDWord = JF_OutAs<DWORD>(value)) {
        *pDWord = dwBits;
        return true;
    }
    return false;
}

// A 32-bit pattern as text in radix 2, 16 or (any other) 10.
inline std::string JF_FormatBits32(DWORD dwBits, bool bSigned, DWORD dwRadix)
{
    switch (dwRadix) {
    case 2: return JC_StrNumSwitch::UIntToBinStr(dwBits);
    case 16: return JC_StrNumSwitch::IntToHexStr(static_cast<int>(dwBits));
    default: return bSigned ? JC_StrNumSwitch::IntToStr(static_cast<int>(dwBits)) : JC_StrNumSwitch::UIntToStr(dwBits);
    }
}

#pragma once

#include "TemplateSystem/JE_ItemType.h"

#include <cmath>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

// A range bound or a default of an item, in the width of its type: signed or
// unsigned 32 bits, a float, 64 bits or a text; none where the type has none.
using JS_ItemConstant = std::variant<std::monostate, int, DWORD, float, ULONGLONG, std::string>;

// What a template file says about one item, in the form the type handlers
// made of it. The reader, the handlers and the data components read and
// write the fields directly.
class JC_TemplateItem
{
public:
    // Both radixes 10: the first in the high half, the second in the low.
    static constexpr DWORD DEFAULT_RADIXES = 0x000A000A;

    virtual ~JC_TemplateItem() = default;
    JC_TemplateItem(const JC_TemplateItem&) = delete;
    JC_TemplateItem& operator=(const JC_TemplateItem&) = delete;

    // A refer item is a bit range of a SPACE32 or SPACE64 plain item.
    bool IsRefer() const;
    // Store a radix of 2, 10 or 16 and answer true; any other value stores 10
    // and answers false. The other half is left alone.
    bool SetFirstRadix(DWORD dwRadix);
    bool SetSecondRadix(DWORD dwRadix);
    DWORD GetFirstRadix() const;
    DWORD GetSecondRadix() const;
    // Whether a value lies within the item's bounds; a bound of another type,
    // or none, does not limit. NaN lies within no bounds.
    template <typename T>
    bool IsWithinBounds(T value) const;

    // The position in the template's plain or refer list.
    DWORD m_dwIndex = 0;
    std::string m_strName;
    std::string m_strExplain;
    DWORD m_dwType = ITEMTYPE_INT32;
    // A VECTOR's element type, a Template item's sub-template identifier.
    DWORD m_dwTypeEx = 0;
    DWORD m_dwRadixes = DEFAULT_RADIXES;
    JS_ItemConstant m_Minimum;
    JS_ItemConstant m_Maximum;
    // The define names a COMBO item may take, in template order.
    std::vector<std::string> m_ComboNames;
    // For a VECTOR the value of every new element.
    JS_ItemConstant m_Default;
    // Refer item: the lowest bit. Plain VECTOR: the largest element count.
    DWORD m_dwFirstBound;
    // Refer item: the highest bit. Plain VECTOR: the smallest element count.
    DWORD m_dwSecondBound;

protected:
    JC_TemplateItem(bool bRefer, DWORD dwBound);

private:
    const bool m_bRefer;
};

inline bool JC_TemplateItem::IsRefer() const
{
    return m_bRefer;
}

template <typename T>
bool JC_TemplateItem::IsWithinBounds(T value) const
{
    if constexpr (std::is_floating_point_v<T>) {
        if (std::isnan(value))
            return false;
    }
    const T* pMinimum = std::get_if<T>(&m_Minimum);
    const T* pMaximum = std::get_if<T>(&m_Maximum);
    return (pMinimum == nullptr || value >= *pMinimum) && (pMaximum == nullptr || value <= *pMaximum);
}

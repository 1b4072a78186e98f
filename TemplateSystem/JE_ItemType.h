#pragma once

#include <windows.h>

// Item type numbers: the position of the type's name in the type table.
// Templates and data files write the names, items store the numbers.
enum JE_ItemType : DWORD
{
    ITEMTYPE_INT32,
    ITEMTYPE_UINT32,
    ITEMTYPE_FLOAT,
    ITEMTYPE_BOOL,
    ITEMTYPE_COMBO,
    ITEMTYPE_STRING,
    ITEMTYPE_SPACE32,
    ITEMTYPE_SPACE64,
    ITEMTYPE_VECTOR,
    ITEMTYPE_TEMPLATE,
    ITEMTYPE_COUNT,
};

// The type names, matched exactly (case-sensitive).
inline constexpr const char* g_aszItemTypeNames[ITEMTYPE_COUNT] = {
    "INT32", "UINT32", "FLOAT", "BOOL", "COMBO", "STRING", "SPACE32", "SPACE64", "VECTOR", "Template",
};

// The element types a VECTOR item may have.
inline bool JF_IsVectorElementType(DWORD dwType)
{
    return dwType == ITEMTYPE_INT32 || dwType == ITEMTYPE_UINT32 || dwType == ITEMTYPE_FLOAT
        || dwType == ITEMTYPE_STRING;
}

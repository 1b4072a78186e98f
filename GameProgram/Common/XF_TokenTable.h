#pragma once

#include <cstddef>
#include <cstring>

// Script tokens are analysed through tables of { szName, handler } rows; this
// finds the row of a token, or null when the table has none (or the token is
// null). Names compare exactly, case included.
template <class Row, size_t N>
const Row* XF_FindToken(const Row (&table)[N], const char* szToken)
{
    if (szToken == nullptr)
        return nullptr;
    for (const Row& row : table) {
        if (std::strcmp(szToken, row.szName) == 0)
            return &row;
    }
    return nullptr;
}

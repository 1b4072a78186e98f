#pragma once

#include <windows.h>

#include <string>
#include <vector>

constexpr DWORD JE_NAMEMAP_NAME_PRESENT = 0x80010014;

// A small map from names to values, kept as two arrays sorted by name. A
// value is pointer-sized, so a caller may keep a pointer in it.
class JC_NameValueMap
{
public:
    // What Get and Remove answer for a name that is absent: a value, not a
    // code, so a stored value equal to it cannot be told apart.
    static constexpr DWORD_PTR ABSENT = 0xCDCDCDCD;

    virtual ~JC_NameValueMap() = default;

    void Clear();
    // Empties the map, then holds dwCount entries of empty names and zero
    // values.
    void Reset(DWORD dwCount);
    // Inserts at the sorted place; JE_NAMEMAP_NAME_PRESENT keeps the old value.
    DWORD Add(const std::string& strName, DWORD_PTR dwValue);
    // The value, or ABSENT.
    DWORD_PTR Get(const std::string& strName) const;
    // 0, or ABSENT when there was no such name.
    DWORD_PTR Remove(const std::string& strName);

private:
    std::vector<std::string> m_Names;
    std::vector<DWORD_PTR> m_Values;
};

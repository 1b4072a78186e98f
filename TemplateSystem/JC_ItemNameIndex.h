#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

constexpr DWORD JE_NAMEINDEX_NAME_PRESENT = 0x88124013;
constexpr DWORD JE_NAMEINDEX_NAME_ABSENT = 0x88124023;
constexpr DWORD JE_NAMEINDEX_DUMP_FAILED = 0x88124031;

// A template's item names, sorted, each with the item's index in its list
// and whether it is a refer item. Lookups go through a hash table of the
// sorted positions, as records read their fields by name.
class JC_ItemNameIndex
{
public:
    virtual ~JC_ItemNameIndex() = default;

    // Empties the index and makes room for dwSize names.
    virtual void Reserve(DWORD dwSize);
    virtual void Clear();
    virtual DWORD AddName(const std::string& strName, DWORD dwIndex, bool bRefer);
    virtual DWORD FindName(std::string_view strName, DWORD& dwIndex, bool& bRefer) const;
    // Writes every entry, in name order, to a text file for reading by eye.
    virtual DWORD DumpNames(const std::string& strPath) const;

    // Names are short: a plain loop beats a call into the C runtime's memcmp.
    static bool SameName(std::string_view strA, std::string_view strB)
    {
        if (strA.size() != strB.size())
            return false;
        for (size_t i = 0; i < strA.size(); ++i) {
            if (strA[i] != strB[i])
                return false;
        }
        return true;
    }

private:
    void Rehash();
    void HashPosition(DWORD dwPosition);

    std::vector<std::string> m_Names;
    std::vector<DWORD> m_Indexes;
    std::vector<bool> m_ReferFlags;
    // Open addressing over a power-of-two table at most half full; a slot
    // holds a position in the sorted arrays, or EMPTY_SLOT.
    std::vector<DWORD> m_Slots;
};

#pragma once

#include <windows.h>

#include <cstring>
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
    // Views of names are taken by reference: the Windows x64 convention
    // passes a view by value as a copy of one 16-byte block, which the
    // processor cannot forward from the caller's two 8-byte stores, and
    // every lookup would stall on it.
    virtual DWORD FindName(const std::string_view& strName, DWORD& dwIndex, bool& bRefer) const;
    // Writes every entry, in name order, to a text file for reading by eye.
    virtual DWORD DumpNames(const std::string& strPath) const;

    // Names are short: overlapping loads beat a call into the C runtime's
    // memcmp and a loop whose end the processor cannot foresee.
    static bool SameName(std::string_view strA, std::string_view strB)
    {
        const size_t size = strA.size();
        if (size != strB.size())
            return false;
        const char* const pA = strA.data();
        const char* const pB = strB.data();
        if (size >= 8) {
            for (size_t at = 0; at + 8 < size; at += 8) {
                if (Load<ULONGLONG>(pA + at) != Load<ULONGLONG>(pB + at))
                    return false;
            }
            return Load<ULONGLONG>(pA + size - 8) == Load<ULONGLONG>(pB + size - 8);
        }
        if (size >= 4)
            return Load<DWORD>(pA) == Load<DWORD>(pB) && Load<DWORD>(pA + size - 4) == Load<DWORD>(pB + size - 4);
        for (size_t at = 0; at < size; ++at) {
            if (pA[at] != pB[at])
                return false;
        }
        return true;
    }

    // The bytes at p as a number of type T, whatever their alignment.
    template <typename T>
    static T Load(const char* p)
    {
        T value;
        std::memcpy(&value, p, sizeof(T));
        return value;
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

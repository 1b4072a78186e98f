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
// sorted positions, as records read their fields by name; the lookup is
// inline, as every field read by name runs it.
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
    // One name with what it answers, in one place: a lookup that finds it
    // reads one entry.
    struct Entry
    {
        std::string strName;
        DWORD dwIndex = 0;
        bool bRefer = false;
    };
    // A slot keeps its name's hash beside the position, so a probe that
    // meets another name rarely compares the names.
    struct Slot
    {
        DWORD dwHash = 0;
        DWORD dwPosition = EMPTY_SLOT;
    };
    static constexpr DWORD EMPTY_SLOT = MAXDWORD;

    static DWORD HashName(const std::string_view& strName);
    const Entry* FindEntry(const std::string_view& strName) const;
    void Rehash();
    void HashPosition(DWORD dwPosition);

    // Sorted by name.
    std::vector<Entry> m_Entries;
    // Open addressing over a power-of-two table at most half full.
    std::vector<Slot> m_Slots;
};

// Names are short: up to 16 bytes are taken in two overlapping loads, so the
// hash runs no loop and mispredicts no branch on the name's length.
inline DWORD JC_ItemNameIndex::HashName(const std::string_view& strName)
{
    const char* const pName = strName.data();
    const size_t size = strName.size();
    ULONGLONG ullFirst = 0;
    ULONGLONG ullLast = 0;
    if (size >= 8) {
        ullFirst = Load<ULONGLONG>(pName);
        ullLast = Load<ULONGLONG>(pName + size - 8);
        for (size_t at = 8; at + 8 < size; at += 8)
            ullFirst = (ullFirst * 0x9E3779B97F4A7C15ull) ^ Load<ULONGLONG>(pName + at);
    } else if (size >= 4) {
        ullFirst = Load<DWORD>(pName);
        ullLast = Load<DWORD>(pName + size - 4);
    } else if (size > 0) {
        ullFirst = static_cast<BYTE>(pName[0]) | static_cast<BYTE>(pName[size / 2]) << 8
                 | static_cast<BYTE>(pName[size - 1]) << 16;
    }
    // The fold brings every input bit into the low half, and the multiply
    // spreads the low half over the high half it answers: enough for a table
    // of a few hundred names, at half the cost of a full finishing mix.
    ULONGLONG ullMix = ullFirst ^ (ullLast * 0x9E3779B97F4A7C15ull) ^ size;
    ullMix ^= ullMix >> 32;
    ullMix *= 0xFF51AFD7ED558CCDull;
    return static_cast<DWORD>(ullMix >> 32);
}

inline const JC_ItemNameIndex::Entry* JC_ItemNameIndex::FindEntry(const std::string_view& strName) const
{
    if (m_Slots.empty())
        return nullptr;
    const DWORD dwHash = HashName(strName);
    const size_t mask = m_Slots.size() - 1;
    for (size_t at = dwHash & mask; m_Slots[at].dwPosition != EMPTY_SLOT; at = (at + 1) & mask) {
        const Slot& slot = m_Slots[at];
        if (slot.dwHash == dwHash && SameName(m_Entries[slot.dwPosition].strName, strName))
            return &m_Entries[slot.dwPosition];
    }
    return nullptr;
}

inline DWORD JC_ItemNameIndex::FindName(const std::string_view& strName, DWORD& dwIndex, bool& bRefer) const
{
    const Entry* pEntry = FindEntry(strName);
    if (pEntry == nullptr)
        return JE_NAMEINDEX_NAME_ABSENT;
    dwIndex = pEntry->dwIndex;
    bRefer = pEntry->bRefer;
    return 0;
}

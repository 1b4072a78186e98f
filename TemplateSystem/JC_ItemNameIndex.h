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
// names, as records read their fields by name; the lookup of a short name
// is inline and compares no text.
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
    // A slot answers a lookup by itself: the name's key, and the item's
    // index and refer flag.
    struct Slot
    {
        ULONGLONG ullKey = EMPTY_KEY;
        DWORD dwIndex = 0;
        // The flag shares the position's word: 16 bytes a slot.
        DWORD dwPosition : 31 = 0;
        DWORD bRefer : 1 = 0;
    };
    // Names shorter than this are their own keys; longer ones are hashed.
    static constexpr size_t KEY_BYTES = 8;
    // No name has this key: the name of no bytes has key 0.
    static constexpr ULONGLONG EMPTY_KEY = 1;
    // Odd, with its bits spread: 2^64 over the golden ratio.
    static constexpr ULONGLONG MIX = 0x9E3779B97F4A7C15ull;
    static constexpr DWORD MIN_SLOT_BITS = 5;

    static ULONGLONG KeyOf(const std::string_view& strName);
    static ULONGLONG KeyOfShortName(const std::string_view& strName);
    static ULONGLONG KeyOfLongName(const std::string_view& strName);
    size_t SlotOf(ULONGLONG ullKey) const;
    // The slot of the key where bMatches holds, or null at an empty slot.
    template <typename MATCH>
    const Slot* ProbeSlots(ULONGLONG ullKey, const MATCH& bMatches) const;
    const Slot* FindSlot(const std::string_view& strName) const;
    const Slot* FindLongName(const std::string_view& strName) const;
    void Rehash();
    void HashSlot(const Slot& slot);

    // Sorted by name.
    std::vector<std::string> m_Names;
    // Open addressing over a power-of-two table at most half full, never
    // empty; a slot's position is its name's place in m_Names.
    std::vector<Slot> m_Slots = std::vector<Slot>(size_t{1} << MIN_SLOT_BITS);
    // A key's first slot is the top bits of its product with MIX, which
    // depend on every bit of the key.
    DWORD m_dwSlotShift = 64 - MIN_SLOT_BITS;
};

// The name's bytes with its size in the top byte. Names are short: loads
// that overlap beat a loop whose end the processor cannot foresee.
inline ULONGLONG JC_ItemNameIndex::KeyOfShortName(const std::string_view& strName)
{
    const char* const pName = strName.data();
    const size_t size = strName.size();
    const ULONGLONG ullSize = static_cast<ULONGLONG>(size) << 56;
    if (size >= 4) {
        const ULONGLONG ullLast = Load<DWORD>(pName + size - 4);
        return ullSize | Load<DWORD>(pName) | ullLast << (size - 4) * 8;
    }
    if (size == 0)
        return 0;
    const ULONGLONG ullMiddle = static_cast<BYTE>(pName[size / 2]);
    const ULONGLONG ullLast = static_cast<BYTE>(pName[size - 1]);
    return ullSize | static_cast<BYTE>(pName[0]) | ullMiddle << size / 2 * 8 | ullLast << (size - 1) * 8;
}

inline size_t JC_ItemNameIndex::SlotOf(ULONGLONG ullKey) const
{
    return static_cast<size_t>((ullKey * MIX) >> m_dwSlotShift);
}

template <typename MATCH>
const JC_ItemNameIndex::Slot* JC_ItemNameIndex::ProbeSlots(ULONGLONG ullKey, const MATCH& bMatches) const
{
    const size_t mask = m_Slots.size() - 1;
    for (size_t at = SlotOf(ullKey);; at = (at + 1) & mask) {
        const Slot& slot = m_Slots[at];
        if (slot.ullKey == ullKey && bMatches(slot))
            return &slot;
        if (slot.ullKey == EMPTY_KEY)
            return nullptr;
    }
}

// A short name's key is the name: equal keys are the match.
inline const JC_ItemNameIndex::Slot* JC_ItemNameIndex::FindSlot(const std::string_view& strName) const
{
    if (strName.size() >= KEY_BYTES)
        return FindLongName(strName);
    return ProbeSlots(KeyOfShortName(strName), [](const Slot&) { return true; });
}

inline DWORD JC_ItemNameIndex::FindName(const std::string_view& strName, DWORD& dwIndex, bool& bRefer) const
{
    const Slot* pSlot = FindSlot(strName);
    if (pSlot == nullptr)
        return JE_NAMEINDEX_NAME_ABSENT;
    dwIndex = pSlot->dwIndex;
    bRefer = pSlot->bRefer;
    return 0;
}

#include "TemplateSystem/JC_ItemNameIndex.h"

#include "TemplateSystem/JF_FileWrite.h"
#include "TemplateSystem/JF_SortedArray.h"

#include <cstdio>

void JC_ItemNameIndex::Reserve(DWORD dwSize)
{
    Clear();
    m_Names.reserve(dwSize);
}

void JC_ItemNameIndex::Clear()
{
    m_Names.clear();
    m_Slots.clear();
    Rehash();
}

DWORD JC_ItemNameIndex::AddName(const std::string& strName, DWORD dwIndex, bool bRefer)
{
    const int iAt = FindStringInsertPos(strName, m_Names);
    if (iAt < 0)
        return JE_NAMEINDEX_NAME_PRESENT;
    const DWORD dwAt = static_cast<DWORD>(iAt);
    m_Names.insert(m_Names.begin() + iAt, strName);
    // The names after the new one moved up by one place.
    for (Slot& slot : m_Slots) {
        if (slot.ullKey != EMPTY_KEY && slot.dwPosition >= dwAt)
            ++slot.dwPosition;
    }
    if (m_Names.size() * 2 > m_Slots.size())
        Rehash();
    HashSlot(Slot{KeyOf(strName), dwIndex, dwAt, bRefer});
    return 0;
}

ULONGLONG JC_ItemNameIndex::KeyOf(const std::string_view& strName)
{
    return strName.size() >= KEY_BYTES ? KeyOfLongName(strName) : KeyOfShortName(strName);
}

// The bytes mixed in 8-byte loads, the last two overlapping, with the top
// bit set, so that no long name's key is a short name's.
ULONGLONG JC_ItemNameIndex::KeyOfLongName(const std::string_view& strName)
{
    const char* const pName = strName.data();
    const size_t size = strName.size();
    ULONGLONG ullMix = Load<ULONGLONG>(pName);
    for (size_t at = 8; at + 8 < size; at += 8)
        ullMix = (ullMix * MIX) ^ Load<ULONGLONG>(pName + at);
    return ((ullMix * MIX) ^ Load<ULONGLONG>(pName + size - 8) ^ size) | 1ull << 63;
}

// A long name's key is a hash: equal keys still compare the names.
const JC_ItemNameIndex::Slot* JC_ItemNameIndex::FindLongName(const std::string_view& strName) const
{
    return ProbeSlots(KeyOfLongName(strName),
                      [&](const Slot& slot) { return SameName(m_Names[slot.dwPosition], strName); });
}

// Makes the table at least twice the names and puts every filled slot back.
void JC_ItemNameIndex::Rehash()
{
    DWORD dwBits = MIN_SLOT_BITS;
    while ((size_t{1} << dwBits) < m_Names.size() * 2)
        ++dwBits;
    std::vector<Slot> oldSlots(size_t{1} << dwBits);
    oldSlots.swap(m_Slots);
    m_dwSlotShift = 64 - dwBits;
    for (const Slot& slot : oldSlots) {
        if (slot.ullKey != EMPTY_KEY)
            HashSlot(slot);
    }
}

void JC_ItemNameIndex::HashSlot(const Slot& slot)
{
    const size_t mask = m_Slots.size() - 1;
    size_t at = SlotOf(slot.ullKey);
    while (m_Slots[at].ullKey != EMPTY_KEY)
        at = (at + 1) & mask;
    m_Slots[at] = slot;
}

DWORD JC_ItemNameIndex::DumpNames(const std::string& strPath) const
{
    std::vector<const Slot*> slotsInNameOrder(m_Names.size());
    for (const Slot& slot : m_Slots) {
        if (slot.ullKey != EMPTY_KEY)
            slotsInNameOrder[slot.dwPosition] = &slot;
    }
    std::string strText;
    for (const Slot* pSlot : slotsInNameOrder) {
        char szEntry[32];
        std::snprintf(szEntry, sizeof(szEntry), " ItemIndex:%d IsRefer:%d\r\n", static_cast<int>(pSlot->dwIndex),
                      pSlot->bRefer ? 1 : 0);
        strText += "ItemName:" + m_Names[pSlot->dwPosition] + szEntry;
    }
    return JF_WriteFile(strPath, strText) ? 0 : JE_NAMEINDEX_DUMP_FAILED;
}

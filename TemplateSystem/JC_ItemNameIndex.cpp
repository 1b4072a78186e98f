#include "TemplateSystem/JC_ItemNameIndex.h"

#include "TemplateSystem/JF_FileWrite.h"
#include "TemplateSystem/JF_SortedArray.h"

#include <cstdio>

namespace {

constexpr DWORD EMPTY_SLOT = MAXDWORD;
constexpr size_t MIN_SLOTS = 32;

// Names are short: up to 16 bytes are taken in two overlapping loads, so the
// hash runs no loop and mispredicts no branch on the name's length.
DWORD HashName(const std::string_view& strName)
{
    const char* const pName = strName.data();
    const size_t size = strName.size();
    ULONGLONG ullFirst = 0;
    ULONGLONG ullLast = 0;
    if (size >= 8) {
        ullFirst = JC_ItemNameIndex::Load<ULONGLONG>(pName);
        ullLast = JC_ItemNameIndex::Load<ULONGLONG>(pName + size - 8);
        for (size_t at = 8; at + 8 < size; at += 8)
            ullFirst = (ullFirst * 0x9E3779B97F4A7C15ull) ^ JC_ItemNameIndex::Load<ULONGLONG>(pName + at);
    } else if (size >= 4) {
        ullFirst = JC_ItemNameIndex::Load<DWORD>(pName);
        ullLast = JC_ItemNameIndex::Load<DWORD>(pName + size - 4);
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

} // namespace


void JC_ItemNameIndex::Reserve(DWORD dwSize)
{
    Clear();
    m_Names.reserve(dwSize);
    m_Indexes.reserve(dwSize);
    m_ReferFlags.reserve(dwSize);
}

void JC_ItemNameIndex::Clear()
{
    m_Names.clear();
    m_Indexes.clear();
    m_ReferFlags.clear();
    m_Slots.clear();
}

DWORD JC_ItemNameIndex::AddName(const std::string& strName, DWORD dwIndex, bool bRefer)
{
    const int iAt = FindStringInsertPos(strName, m_Names);
    if (iAt < 0)
        return JE_NAMEINDEX_NAME_PRESENT;
    m_Names.insert(m_Names.begin() + iAt, strName);
    m_Indexes.insert(m_Indexes.begin() + iAt, dwIndex);
    m_ReferFlags.insert(m_ReferFlags.begin() + iAt, bRefer);
    if (m_Names.size() * 2 > m_Slots.size()) {
        Rehash();
        return 0;
    }
    // The names after the new one moved up by one place.
    for (DWORD& dwSlot : m_Slots) {
        if (dwSlot != EMPTY_SLOT && dwSlot >= static_cast<DWORD>(iAt))
            ++dwSlot;
    }
    HashPosition(static_cast<DWORD>(iAt));
    return 0;
}

void JC_ItemNameIndex::Rehash()
{
    size_t slots = MIN_SLOTS;
    while (slots < m_Names.size() * 2)
        slots *= 2;
    m_Slots.assign(slots, EMPTY_SLOT);
    for (size_t i = 0; i < m_Names.size(); ++i)
        HashPosition(static_cast<DWORD>(i));
}

void JC_ItemNameIndex::HashPosition(DWORD dwPosition)
{
    const size_t mask = m_Slots.size() - 1;
    size_t at = HashName(m_Names[dwPosition]) & mask;
    while (m_Slots[at] != EMPTY_SLOT)
        at = (at + 1) & mask;
    m_Slots[at] = dwPosition;
}

DWORD JC_ItemNameIndex::FindName(const std::string_view& strName, DWORD& dwIndex, bool& bRefer) const
{
    if (m_Slots.empty())
        return JE_NAMEINDEX_NAME_ABSENT;
    const size_t mask = m_Slots.size() - 1;
    for (size_t at = HashName(strName) & mask; m_Slots[at] != EMPTY_SLOT; at = (at + 1) & mask) {
        const DWORD dwPosition = m_Slots[at];
        if (SameName(m_Names[dwPosition], strName)) {
            dwIndex = m_Indexes[dwPosition];
            bRefer = m_ReferFlags[dwPosition];
            return 0;
        }
    }
    return JE_NAMEINDEX_NAME_ABSENT;
}

DWORD JC_ItemNameIndex::DumpNames(const std::string& strPath) const
{
    std::string strText;
    for (size_t i = 0; i < m_Names.size(); ++i) {
        char szEntry[32];
        std::snprintf(szEntry, sizeof(szEntry), " ItemIndex:%d IsRefer:%d\r\n", static_cast<int>(m_Indexes[i]),
                      m_ReferFlags[i] ? 1 : 0);
        strText += "ItemName:" + m_Names[i] + szEntry;
    }
    return JF_WriteFile(strPath, strText) ? 0 : JE_NAMEINDEX_DUMP_FAILED;
}

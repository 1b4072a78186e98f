#include "TemplateSystem/JC_ItemNameIndex.h"

#include "TemplateSystem/JF_FileWrite.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr size_t MIN_SLOTS = 32;

} // namespace


void JC_ItemNameIndex::Reserve(DWORD dwSize)
{
    Clear();
    m_Entries.reserve(dwSize);
}

void JC_ItemNameIndex::Clear()
{
    m_Entries.clear();
    m_Slots.clear();
}

DWORD JC_ItemNameIndex::AddName(const std::string& strName, DWORD dwIndex, bool bRefer)
{
    if (FindEntry(strName) != nullptr)
        return JE_NAMEINDEX_NAME_PRESENT;
    const auto it = std::lower_bound(m_Entries.begin(), m_Entries.end(), strName,
                                     [](const Entry& entry, const std::string& strKey) { return entry.strName < strKey; });
    const DWORD dwAt = static_cast<DWORD>(it - m_Entries.begin());
    m_Entries.insert(it, Entry{strName, dwIndex, bRefer});
    if (m_Entries.size() * 2 > m_Slots.size()) {
        Rehash();
        return 0;
    }
    // The names after the new one moved up by one place.
    for (Slot& slot : m_Slots) {
        if (slot.dwPosition != EMPTY_SLOT && slot.dwPosition >= dwAt)
            ++slot.dwPosition;
    }
    HashPosition(dwAt);
    return 0;
}

void JC_ItemNameIndex::Rehash()
{
    size_t slots = MIN_SLOTS;
    while (slots < m_Entries.size() * 2)
        slots *= 2;
    m_Slots.assign(slots, Slot{});
    for (size_t i = 0; i < m_Entries.size(); ++i)
        HashPosition(static_cast<DWORD>(i));
}

void JC_ItemNameIndex::HashPosition(DWORD dwPosition)
{
    const DWORD dwHash = HashName(m_Entries[dwPosition].strName);
    const size_t mask = m_Slots.size() - 1;
    size_t at = dwHash & mask;
    while (m_Slots[at].dwPosition != EMPTY_SLOT)
        at = (at + 1) & mask;
    m_Slots[at] = Slot{dwHash, dwPosition};
}

DWORD JC_ItemNameIndex::DumpNames(const std::string& strPath) const
{
    std::string strText;
    for (const Entry& entry : m_Entries) {
        char szEntry[32];
        std::snprintf(szEntry, sizeof(szEntry), " ItemIndex:%d IsRefer:%d\r\n", static_cast<int>(entry.dwIndex),
                      entry.bRefer ? 1 : 0);
        strText += "ItemName:" + entry.strName + szEntry;
    }
    return JF_WriteFile(strPath, strText) ? 0 : JE_NAMEINDEX_DUMP_FAILED;
}

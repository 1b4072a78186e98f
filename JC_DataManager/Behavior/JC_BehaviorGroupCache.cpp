#include "JC_DataManager/Behavior/JC_BehaviorGroupCache.h"

#include "GameProgram/Common/XF_Cp950.h"
#include "JC_DataManager/Behavior/JC_BehaviorBase.h"

#include <cstdint>
#include <cstring>

namespace {

// Compared a word at a time in line: the runtime's memcmp behind string
// equality walks byte by byte, and these comparisons run at every query.
bool SameBytes(const char* pKept, const char* pItem, size_t size)
{
    std::uint64_t difference = 0;
    size_t at = 0;
    for (; at + sizeof(std::uint64_t) <= size; at += sizeof(std::uint64_t)) {
        std::uint64_t kept = 0;
        std::uint64_t item = 0;
        std::memcpy(&kept, pKept + at, sizeof(kept));
        std::memcpy(&item, pItem + at, sizeof(item));
        difference |= kept ^ item;
    }
    for (; at < size; ++at)
        difference |= static_cast<std::uint64_t>(pKept[at] ^ pItem[at]);
    return difference == 0;
}

bool SameText(const std::string& strKept, const std::string& strItem)
{
    return strKept.size() == strItem.size() && SameBytes(strKept.data(), strItem.data(), strKept.size());
}

JS_BehaviorItemIndex IndexItem(const std::string& strItem)
{
    // The parts end where DecomposeOrder cuts them: at every comma that
    // stands on a character boundary.
    JS_BehaviorItemIndex item;
    size_t begin = 0;
    while (!strItem.empty()) {
        const size_t comma = XF_FindChar(strItem, ',', begin);
        const size_t end = comma == std::string::npos ? strItem.size() : comma;
        if (item.dwPartCount < JS_BehaviorItemIndex::KEPT_PARTS)
            item.partEnds[item.dwPartCount] = static_cast<DWORD>(end);
        ++item.dwPartCount;
        if (comma == std::string::npos)
            break;
        begin = comma + 1;
    }
    item.bNamed = item.dwPartCount > 1 && item.partEnds[0] > 0;
    return item;
}

} // namespace

std::string_view JS_BehaviorItemIndex::Part(const std::string& strItem, DWORD dwPart) const
{
    const DWORD dwBegin = dwPart == 0 ? 0 : partEnds[dwPart - 1] + 1;
    const DWORD dwEnd = dwPartCount == 0 ? 0 : partEnds[dwPart];
    return std::string_view(strItem).substr(dwBegin, dwEnd - dwBegin);
}

DWORD JS_BehaviorItemIndex::State(const std::string& strItem, const JC_BehaviorBase& analyser)
{
    if (bResolved)
        return dwState;
    dwState = analyser.GetDefineInfo(std::string(Part(strItem, 0)));
    bResolved = dwState != JC_BehaviorBase::UNKNOWN_DEFINE;
    return dwState;
}

bool JS_BehaviorItemIndex::KeepsPart(DWORD dwPart) const
{
    return dwPart < KEPT_PARTS;
}

JS_BehaviorItemIndex& JS_BehaviorGroupIndex::Item(const JC_StringArray& current, size_t i)
{
    if (!SameText(items[i], current[i]))
        Index(current);
    return index[i];
}

JS_BehaviorItemIndex& JS_BehaviorGroupIndex::NamedItem(const JC_StringArray& current, size_t i)
{
    // The first comma is found on character boundaries that the bytes before
    // it decide alone: the same bytes up to it leave it and the name where
    // they were, whatever follows.
    const JS_BehaviorItemIndex& item = index[i];
    if (item.dwPartCount < 2)
        return Item(current, i);
    const size_t name = item.partEnds[0] + 1;
    if (current[i].size() < name || !SameBytes(items[i].data(), current[i].data(), name))
        Index(current);
    return index[i];
}

void JS_BehaviorGroupIndex::Index(const JC_StringArray& current)
{
    std::vector<JS_BehaviorItemIndex> fresh;
    fresh.reserve(current.size());
    for (size_t i = 0; i < current.size(); ++i) {
        const bool bKept = i < items.size() && SameText(items[i], current[i]);
        fresh.push_back(bKept ? index[i] : IndexItem(current[i]));
    }
    items = current;
    index = std::move(fresh);
}

JS_BehaviorGroupIndex& JC_BehaviorGroupCache::IndexOf(const JC_StringArray& items, DWORD dwGeneration)
{
    if (dwGeneration != m_dwGeneration) {
        m_Groups.clear();
        m_Passing = JS_BehaviorGroupIndex();
        m_dwGeneration = dwGeneration;
    }
    if (items.empty() || items.size() > MAX_KEPT_ITEMS) {
        m_Passing.Index(items);
        return m_Passing;
    }
    // Keyed by the array's address; each entry is checked against its text
    // when it is read, so an array freed and another made in its place is
    // indexed again where it differs.
    const auto found = m_Groups.find(&items);
    if (found != m_Groups.end()) {
        if (found->second.items.size() != items.size())
            found->second.Index(items);
        return found->second;
    }
    if (m_Groups.size() >= MAX_KEPT_GROUPS)
        m_Groups.clear();
    JS_BehaviorGroupIndex& group = m_Groups[&items];
    group.Index(items);
    return group;
}

#include "JC_DataManager/Behavior/JC_BehaviorGroupCache.h"

#include "GameProgram/Common/XF_Cp950.h"
#include "JC_DataManager/Behavior/JC_BehaviorBase.h"

#include <cstdint>
#include <cstring>

namespace {

// Compared a word at a time in line: the runtime's memcmp behind string
// equality walks byte by byte, and this comparison runs at every query.
bool SameText(const std::string& strKept, const std::string& strItem)
{
    const size_t size = strKept.size();
    if (size != strItem.size())
        return false;
    const char* const pKept = strKept.data();
    const char* const pItem = strItem.data();
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

bool SameTexts(const JC_StringArray& kept, const JC_StringArray& items)
{
    if (kept.size() != items.size())
        return false;
    for (size_t i = 0; i < kept.size(); ++i) {
        if (!SameText(kept[i], items[i]))
            return false;
    }
    return true;
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

JS_BehaviorGroupIndex& JC_BehaviorGroupCache::IndexOf(const JC_StringArray& items, DWORD dwGeneration)
{
    if (dwGeneration != m_dwGeneration) {
        m_Groups.clear();
        m_Passing = JS_BehaviorGroupIndex();
        m_dwGeneration = dwGeneration;
    }
    if (items.empty() || items.size() > MAX_KEPT_ITEMS) {
        Index(items, m_Passing);
        return m_Passing;
    }
    // Keyed by the array's address, checked by its texts: an array freed and
    // another made in its place is indexed again unless it holds the same.
    const auto found = m_Groups.find(&items);
    if (found != m_Groups.end()) {
        if (!SameTexts(found->second.items, items))
            Index(items, found->second);
        return found->second;
    }
    if (m_Groups.size() >= MAX_KEPT_GROUPS)
        m_Groups.clear();
    JS_BehaviorGroupIndex& group = m_Groups[&items];
    Index(items, group);
    return group;
}

void JC_BehaviorGroupCache::Index(const JC_StringArray& items, JS_BehaviorGroupIndex& group)
{
    // An item still in its place keeps what its reads resolved: a write
    // mostly changes one item of a group.
    std::vector<JS_BehaviorItemIndex> index;
    index.reserve(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const bool bKept = i < group.items.size() && SameText(group.items[i], items[i]);
        index.push_back(bKept ? group.index[i] : IndexItem(items[i]));
    }
    group.items = items;
    group.index = std::move(index);
}

JS_BehaviorItemIndex JC_BehaviorGroupCache::IndexItem(const std::string& strItem)
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

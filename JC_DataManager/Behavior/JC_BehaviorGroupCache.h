#pragma once

#include "TemplateSystem/JC_ItemValue.h"

#include <array>
#include <string_view>
#include <unordered_map>

class JC_BehaviorBase;

// One behaviour-group item as the state queries read it: the number its
// first part names and where its comma-separated parts end.
struct JS_BehaviorItemIndex
{
    // Parts whose bounds are kept; later parts are split from the text.
    static constexpr DWORD KEPT_PARTS = 8;

    // The define number of the first part, looked up at its first read and
    // kept once known; a name no define file gives is looked up (and
    // reported) again at every read, as it was before it was indexed.
    DWORD State(const std::string& strItem, const JC_BehaviorBase& analyser);
    // Part dwPart of the item's text: part 0, or a part below both the part
    // count and the kept parts.
    std::string_view Part(const std::string& strItem, DWORD dwPart) const;
    bool KeepsPart(DWORD dwPart) const;

    DWORD dwPartCount = 0;
    std::array<DWORD, KEPT_PARTS> partEnds{};
    DWORD dwState = 0;
    bool bResolved = false;
    // The first part ends at a comma and is not empty: the group query
    // reads only such items.
    bool bNamed = false;
};

// The items of one group as they were when they were indexed: the texts
// themselves, compared at every read, and the index of each.
struct JS_BehaviorGroupIndex
{
    JC_StringArray items;
    std::vector<JS_BehaviorItemIndex> index;
};

// Keeps the index of each behaviour group the queries read, so that a state
// query reads numbers instead of splitting every item and looking its define
// names up again. An index is used only while its group holds exactly the
// texts it was made from and the define tables are the ones it resolved
// against; any write to a group (through the analyser, a script, a copy of
// the record or a reload) changes the texts, and the next read indexes them
// again.
class JC_BehaviorGroupCache
{
public:
    // Groups kept at most, and the longest group kept: a longer (or empty)
    // group is indexed for the one read.
    static constexpr size_t MAX_KEPT_GROUPS = 4096;
    static constexpr size_t MAX_KEPT_ITEMS = 64;

    // The index of the group's items as they are now. Valid until the next
    // call; dwGeneration names the define tables the names resolve against.
    JS_BehaviorGroupIndex& IndexOf(const JC_StringArray& items, DWORD dwGeneration);

private:
    static void Index(const JC_StringArray& items, JS_BehaviorGroupIndex& group);
    static JS_BehaviorItemIndex IndexItem(const std::string& strItem);

    std::unordered_map<const JC_StringArray*, JS_BehaviorGroupIndex> m_Groups;
    JS_BehaviorGroupIndex m_Passing;
    DWORD m_dwGeneration = 0;
};

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
// themselves and the index of each. An entry is read only through Item or
// NamedItem, which first compare its text with the group's text at its place.
struct JS_BehaviorGroupIndex
{
    // The entry of item i of the current texts (as many as the index has),
    // the group indexed again first when that text is not the one the entry
    // was made from.
    JS_BehaviorItemIndex& Item(const JC_StringArray& current, size_t i);
    // The same for a read of the entry's state and name alone, which compares
    // the text only up to its first comma.
    JS_BehaviorItemIndex& NamedItem(const JC_StringArray& current, size_t i);
    // Indexes the current texts; an item still in its place keeps what its
    // reads resolved, as a write mostly changes one item of a group.
    void Index(const JC_StringArray& current);

    JC_StringArray items;
    std::vector<JS_BehaviorItemIndex> index;
};

// Keeps the index of each behaviour group the queries read, so that a state
// query reads numbers instead of splitting every item and looking its define
// names up again. An entry is used only while its item holds exactly the
// text it was made from and the define tables are the ones it resolved
// against; any write to a group (through the analyser, a script, a copy of
// the record or a reload) changes the texts, and the next read of a changed
// item indexes the group again.
class JC_BehaviorGroupCache
{
public:
    // Groups kept at most, and the longest group kept: a longer (or empty)
    // group is indexed for the one read.
    static constexpr size_t MAX_KEPT_GROUPS = 4096;
    static constexpr size_t MAX_KEPT_ITEMS = 64;

    // The index of the group, of as many items as it holds now; read its
    // entries through Item. Valid until the next call; dwGeneration names the
    // define tables the names resolve against.
    JS_BehaviorGroupIndex& IndexOf(const JC_StringArray& items, DWORD dwGeneration);

private:

    std::unordered_map<const JC_StringArray*, JS_BehaviorGroupIndex> m_Groups;
    JS_BehaviorGroupIndex m_Passing;
    DWORD m_dwGeneration = 0;
};

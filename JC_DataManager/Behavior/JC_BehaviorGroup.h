#pragma once

#include "JC_DataManager/Behavior/JC_BehaviorGroupCache.h"
#include "JC_DataManager/Behavior/JC_BehaviorItem.h"
#include "JC_DataManager/Behavior/JC_BehaviorValue.h"

class JC_DataComponent;

constexpr DWORD JE_BEHAVIOR_GROUP_TOO_LARGE = 0x89135111;
constexpr DWORD JE_BEHAVIOR_GROUP_UNREADABLE = 0x89135112;
constexpr DWORD JE_BEHAVIOR_FIND_STATE_UNKNOWN = 0x89135113;
constexpr DWORD JE_BEHAVIOR_ITEM_TOO_FEW_PARTS = 0x89135140;
constexpr DWORD JE_BEHAVIOR_ROUND_TYPE_UNKNOWN = 0x89135141;
constexpr DWORD JE_BEHAVIOR_EXTRA_A = 0x89135142;
constexpr DWORD JE_BEHAVIOR_EXTRA_B = 0x89135143;
constexpr DWORD JE_BEHAVIOR_CLEAR_GROUP_UNAVAILABLE = 0x89135171;
constexpr DWORD JE_BEHAVIOR_REMOVE_GROUP_UNAVAILABLE = 0x891351A1;
constexpr DWORD JE_BEHAVIOR_REMOVE_STATE_UNKNOWN = 0x891351A2;
constexpr DWORD JE_BEHAVIOR_USE_GROUP_UNAVAILABLE = 0x891351D1;
constexpr DWORD JE_BEHAVIOR_USE_STATE_UNKNOWN = 0x891351D2;
constexpr DWORD JE_BEHAVIOR_COUNT_DOWN_GROUP_UNAVAILABLE = 0x89135241;
constexpr DWORD JE_BEHAVIOR_NULL_PERSON = 0x89135281;
constexpr DWORD JE_BEHAVIOR_NOT_PERSON = 0x89135282;

// Round types of behaviour items.
constexpr DWORD JD_ROUND_COUNTED_BY_CAMP = 0x10;
constexpr DWORD JD_ROUND_COUNTED_BY_USE = 0x30;
constexpr DWORD JD_ROUND_ENDED_BY_ATTACK = 0x50;

// A person's lasting states: behaviour-group items, one string each, in the
// person record's fields "BehaviorGroup0" to "BehaviorGroup2". An item is
// state, round type, count, second number, third number, ExtraA and ExtraB,
// comma-separated; state and round type are define names.
class JC_BehaviorGroup : public JC_BehaviorValue
{
public:
    static constexpr DWORD MAX_GROUP = 3;
    // The group query also reads "BehaviorGroup3" and "BehaviorGroup4".
    static constexpr DWORD MAX_QUERY_GROUP = 5;
    static constexpr DWORD PERSON_KIND = 0x160001;

    DWORD CheckPersonDataComponent(JC_DataComponent* pPerson) const;
    // The group's array, owned by the record; null after a logged failure.
    JC_StringArray* GetBehaviorGroupItems(JC_DataComponent* pPerson, DWORD dwGroup) const;

    // The first item of the state: its text and index, or an empty text and
    // -1 when there is none (0 either way).
    DWORD GetBehavior(JC_DataComponent* pPerson, DWORD dwGroup, DWORD dwState, std::string& strItem,
                      int& iIndex) const;
    // Takes one item apart.
    DWORD GetBehavior(const std::string& strItem, JC_BehaviorItem& item) const;
    // Puts an item taken apart together again.
    DWORD SetBehavior(const JC_BehaviorItem& item, std::string& strItem) const;

    // 1 and the part's text (or define number) of the first item of the
    // state; 0 when there is none or on any failure.
    DWORD GetBehaviorItemPart(JC_DataComponent* pPerson, DWORD dwGroup, DWORD dwState, DWORD dwPart,
                              std::string& strPart) const;
    DWORD GetBehavior_Combo(JC_DataComponent* pPerson, DWORD dwGroup, DWORD dwState, DWORD dwPart,
                            DWORD& dwNumber) const;

    // 1 when the group holds an item of the state, 0 when not, else a
    // failure code: callers test for exactly 1.
    DWORD HaveBehaviorInGroup(JC_DataComponent* pPerson, DWORD dwGroup, DWORD dwState) const;
    // 1 when any of the three groups holds the state, else 0.
    DWORD HaveBehavior(JC_DataComponent* pPerson, DWORD dwState) const;

    DWORD ClearBehaviorGroup(JC_DataComponent* pPerson, DWORD dwGroup) const;
    DWORD RemoveBehaviorInGroup(JC_DataComponent* pPerson, DWORD dwGroup, DWORD dwState) const;
    DWORD RemoveBehavior(JC_DataComponent* pPerson, DWORD dwState) const;
    // One use of the first item of the state, for items counted by use.
    DWORD UseBehaviorInGroup(JC_DataComponent* pPerson, DWORD dwGroup, DWORD dwState) const;
    DWORD UseBehavior(JC_DataComponent* pPerson, DWORD dwState) const;
    // The behaviour items' update has two occasions, kept apart: a blow ends
    // the items that last until the person is struck (the attack deals), and
    // a camp's turn counts down the items that last some rounds (the camp
    // events). One function for both would end items at the wrong time.
    DWORD RemoveBehaviorsEndedByAttackInGroup(JC_DataComponent* pPerson, DWORD dwGroup) const;
    DWORD RemoveBehaviorsEndedByAttack(JC_DataComponent* pPerson) const;
    DWORD CountDownRoundBehaviorsInGroup(JC_DataComponent* pPerson, DWORD dwGroup) const;
    DWORD CountDownRoundBehaviors(JC_DataComponent* pPerson) const;

private:
    // The group's array after the person check; dwUnavailable when the group
    // cannot be had.
    DWORD OpenGroup(JC_DataComponent* pPerson, DWORD dwGroup, DWORD dwUnavailable,
                    JC_StringArray*& pItems) const;
    // The index of the first item whose state resolves to dwState, or -1;
    // with ppFound, also its entry, checked against its text, which holds
    // until the next read of any group.
    DWORD FindState(const JC_StringArray& items, DWORD dwState, DWORD dwUnknownState, int& iIndex,
                    const JS_BehaviorItemIndex** ppFound = nullptr) const;
    // The find form after the person check: the group's items and the index
    // of the first item of the state (null and -1 when there is none), which
    // holds until the next read of any group.
    DWORD FindInGroup(JC_DataComponent* pPerson, DWORD dwGroup, DWORD dwState, const JC_StringArray*& pItems,
                      const JS_BehaviorItemIndex*& pFound, int& iIndex) const;
    JS_BehaviorGroupIndex& IndexOf(const JC_StringArray& items) const;
    // Removes every item of the round type ended by an attack, or counts
    // every item of another round type down.
    DWORD WalkRoundItems(JC_DataComponent* pPerson, DWORD dwGroup, DWORD dwUnavailable, DWORD dwRoundType) const;
    // Counts the item down by one; removed when the count reaches exactly 0,
    // else written back. False when it was removed.
    bool CountDown(JC_StringArray& items, size_t index, JC_BehaviorItem& item) const;
    // Runs the group form on groups 0 to 2 until one fails.
    template <typename GroupOperation>
    DWORD ForEachGroup(GroupOperation operation) const;

    // What the queries know of the groups they read; every read checks it
    // against the group's texts.
    mutable JC_BehaviorGroupCache m_GroupCache;
};

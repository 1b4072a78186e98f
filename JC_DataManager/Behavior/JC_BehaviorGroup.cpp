#include "JC_DataManager/Behavior/JC_BehaviorGroup.h"

#include "JC_DataManager/Manager/JC_DataManager.h"
#include "TemplateSystem/JC_DataComponent.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <algorithm>
#include <iterator>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

// Field names made once, at their first use: every state query reads them.
const std::string& KindFieldName()
{
    static const std::string s_strName = "DataComponentKind";
    return s_strName;
}

// dwGroup below MAX_QUERY_GROUP.
const std::string& GroupFieldName(DWORD dwGroup)
{
    static const std::string s_astrNames[] = {"BehaviorGroup0", "BehaviorGroup1", "BehaviorGroup2",
                                              "BehaviorGroup3", "BehaviorGroup4"};
    static_assert(std::size(s_astrNames) == JC_BehaviorGroup::MAX_QUERY_GROUP);
    return s_astrNames[dwGroup];
}

// A count part: its number, negative after a leading "-", so that a count
// composed as signed decimal reads back as it was written.
int ReadCount(const std::string& strPart)
{
    const DWORD dwNumber = JC_StrNumSwitch::GetNumber(strPart);
    return static_cast<int>(JC_StrNumSwitch::IsMinus(strPart) ? 0u - dwNumber : dwNumber);
}

} // namespace

DWORD JC_BehaviorGroup::CheckPersonDataComponent(JC_DataComponent* pPerson) const
{
    if (pPerson == nullptr) {
        ErrorLog().Print("輸入的人物資料元件 是 NULL \n錯誤檔案:%s(Line:%d)\n\n", s_szSourceFile, __LINE__);
        return JE_BEHAVIOR_NULL_PERSON;
    }
    DWORD dwKind = 0;
    const DWORD dwResult = pPerson->GetItemValue(KindFieldName(), &dwKind);
    if (dwResult != 0) {
        ErrorLog().Print("取得欄位資料發生錯誤 \n 要取得的欄位名稱:%s \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d)\n\n",
                         "DataComponentKind", static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    if (dwKind != PERSON_KIND) {
        ErrorLog().Print("輸入的資料元件 不是人物資料元件 \n資料元件形態:0X%x \n錯誤檔案:%s(Line:%d)\n\n", static_cast<unsigned>(dwKind),
                         s_szSourceFile, __LINE__);
        return JE_BEHAVIOR_NOT_PERSON;
    }
    return 0;
}

JC_StringArray* JC_BehaviorGroup::GetBehaviorGroupItems(JC_DataComponent* pPerson, DWORD dwGroup) const
{
    if (dwGroup >= MAX_GROUP) {
        ErrorLog().Print("指定的存組不存在 \n輸入的GroupIndex:%d(MaxGroup:%d) \n錯誤檔案:%s(Line:%d)\n\n",
                         static_cast<int>(dwGroup), static_cast<int>(MAX_GROUP), s_szSourceFile, __LINE__);
        return nullptr;
    }
    if (pPerson == nullptr) {
        ErrorLog().Print("輸入的人物資料元件 是 NULL \n錯誤檔案:%s(Line:%d)\n\n", s_szSourceFile, __LINE__);
        return nullptr;
    }
    const std::string& strField = GroupFieldName(dwGroup);
    JC_StringArray* pItems = nullptr;
    const DWORD dwResult = pPerson->GetItemValue(strField, &pItems);
    if (dwResult != 0) {
        ErrorLog().Print("取得欄位資料發生錯誤 \n 要取得的欄位名稱:%s \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d)\n\n",
                         strField.c_str(), static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return nullptr;
    }
    return pItems;
}

DWORD JC_BehaviorGroup::GetBehavior(JC_DataComponent* pPerson, DWORD dwGroup, DWORD dwState,
                                    std::string& strItem, int& iIndex) const
{
    const DWORD dwCheck = CheckPersonDataComponent(pPerson);
    if (dwCheck != 0)
        return dwCheck;
    strItem.clear();
    const JC_StringArray* pItems = nullptr;
    const JS_BehaviorItemIndex* pFound = nullptr;
    const DWORD dwResult = FindInGroup(pPerson, dwGroup, dwState, pItems, pFound, iIndex);
    if (pFound != nullptr)
        strItem = (*pItems)[iIndex];
    return dwResult;
}

DWORD JC_BehaviorGroup::GetBehavior(const std::string& strItem, JC_BehaviorItem& item) const
{
    item = JC_BehaviorItem();
    item.strItem = strItem;
    JC_StringArray parts;
    DecomposeOrder(strItem, parts);
    if (parts.size() < JC_BehaviorItem::PART_COUNT) {
        ErrorLog().Print("行為項目的部份不足七個 \n分析的字串:%s \n錯誤檔案:%s(Line:%d)\n\n", strItem.c_str(),
                         s_szSourceFile, __LINE__);
        return JE_BEHAVIOR_ITEM_TOO_FEW_PARTS;
    }
    std::copy_n(parts.begin(), JC_BehaviorItem::PART_COUNT, item.strParts.begin());
    item.strState = parts[0];

    const DWORD dwRoundType = GetDefineInfo(parts[1]);
    if (dwRoundType == UNKNOWN_DEFINE) {
        ErrorLog().Print("分析 回合型態 發生錯誤 \n分析的字串:%s \n錯誤檔案:%s(Line:%d)\n\n", parts[1].c_str(),
                         s_szSourceFile, __LINE__);
        return JE_BEHAVIOR_ROUND_TYPE_UNKNOWN;
    }
    item.dwRoundType = dwRoundType;
    item.iCount = ReadCount(parts[2]);
    item.iSecond = ReadCount(parts[3]);
    item.iThird = ReadCount(parts[4]);

    DWORD dwResult = AnalyzeBehaviorValue(parts[5], item.ExtraA);
    if (dwResult != 0) {
        ErrorLog().Print("分析 數值(依該狀態需求) ExtraA 發生錯誤 \n分析的字串:%s \n錯誤代碼:0X%x \n錯誤檔案:%s(Line:%d)\n\n",
                         parts[5].c_str(), static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return JE_BEHAVIOR_EXTRA_A;
    }
    dwResult = AnalyzeBehaviorValue(parts[6], item.ExtraB);
    if (dwResult != 0) {
        ErrorLog().Print("分析 數值(依該狀態需求) ExtraB 發生錯誤 \n分析的字串:%s \n錯誤代碼:0X%x \n錯誤檔案:%s(Line:%d)\n\n",
                         parts[6].c_str(), static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return JE_BEHAVIOR_EXTRA_B;
    }
    item.bValid = 1;
    return 0;
}

DWORD JC_BehaviorGroup::SetBehavior(const JC_BehaviorItem& item, std::string& strItem) const
{
    strItem = item.strParts[0] + "," + item.strParts[1] + "," + IntToStr(item.iCount) + "," +
              IntToStr(item.iSecond) + "," + IntToStr(item.iThird) + "," +
              ComposeBehaviorValue(item.ExtraA, item.strParts[5]) + "," +
              ComposeBehaviorValue(item.ExtraB, item.strParts[6]);
    return 0;
}

DWORD JC_BehaviorGroup::GetBehaviorItemPart(JC_DataComponent* pPerson, DWORD dwGroup, DWORD dwState,
                                            DWORD dwPart, std::string& strPart) const
{
    strPart.clear();
    const JC_StringArray* pItems = nullptr;
    const JS_BehaviorItemIndex* pFound = nullptr;
    int iIndex = -1;
    if (CheckPersonDataComponent(pPerson) != 0 || FindInGroup(pPerson, dwGroup, dwState, pItems, pFound, iIndex) != 0)
        return 0;
    if (pFound == nullptr || dwPart >= pFound->dwPartCount)
        return 0;
    const std::string& strItem = (*pItems)[iIndex];
    if (pFound->KeepsPart(dwPart)) {
        strPart = pFound->Part(strItem, dwPart);
        return 1;
    }
    JC_StringArray parts;
    DecomposeOrder(strItem, parts);
    strPart = parts[dwPart];
    return 1;
}

DWORD JC_BehaviorGroup::GetBehavior_Combo(JC_DataComponent* pPerson, DWORD dwGroup, DWORD dwState, DWORD dwPart,
                                          DWORD& dwNumber) const
{
    dwNumber = UNKNOWN_DEFINE;
    std::string strPart;
    if (GetBehaviorItemPart(pPerson, dwGroup, dwState, dwPart, strPart) != 1)
        return 0;
    dwNumber = GetDefineInfo(strPart);
    return dwNumber != UNKNOWN_DEFINE ? 1 : 0;
}

DWORD JC_BehaviorGroup::HaveBehaviorInGroup(JC_DataComponent* pPerson, DWORD dwGroup, DWORD dwState) const
{
    if (dwGroup >= MAX_QUERY_GROUP) {
        ErrorLog().Print("指定的群組不存在 \n輸入的GroupIndex:%d(MaxGroup:%d) \n錯誤檔案:%s(Line:%d)\n\n",
                         static_cast<int>(dwGroup), static_cast<int>(MAX_GROUP), s_szSourceFile, __LINE__);
        return JE_BEHAVIOR_GROUP_TOO_LARGE;
    }
    JC_StringArray* pItems = nullptr;
    const DWORD dwResult = pPerson != nullptr
                               ? pPerson->GetItemValue(GroupFieldName(dwGroup), &pItems)
                               : JE_BEHAVIOR_NULL_PERSON;
    if (dwResult != 0) {
        ErrorLog().Print("取得欄位資料發生錯誤 \n 要取得的欄位名稱:BehaviorGroup%d \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d)\n\n",
                         static_cast<int>(dwGroup), static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return JE_BEHAVIOR_GROUP_UNREADABLE;
    }
    JS_BehaviorGroupIndex& group = IndexOf(*pItems);
    for (size_t i = 0; i < pItems->size(); ++i) {
        // Only the text before a comma names the state.
        JS_BehaviorItemIndex& item = group.NamedItem(*pItems, i);
        if (!item.bNamed)
            continue;
        const DWORD dwItemState = item.State((*pItems)[i], *this);
        if (dwItemState != UNKNOWN_DEFINE && dwItemState == dwState)
            return 1;
    }
    return 0;
}

DWORD JC_BehaviorGroup::HaveBehavior(JC_DataComponent* pPerson, DWORD dwState) const
{
    for (DWORD dwGroup = 0; dwGroup < MAX_GROUP; ++dwGroup) {
        if (HaveBehaviorInGroup(pPerson, dwGroup, dwState) == 1)
            return 1;
    }
    return 0;
}

DWORD JC_BehaviorGroup::ClearBehaviorGroup(JC_DataComponent* pPerson, DWORD dwGroup) const
{
    JC_StringArray* pItems = nullptr;
    const DWORD dwResult = OpenGroup(pPerson, dwGroup, JE_BEHAVIOR_CLEAR_GROUP_UNAVAILABLE, pItems);
    if (dwResult != 0)
        return dwResult;
    pItems->clear();
    return 0;
}

DWORD JC_BehaviorGroup::RemoveBehaviorInGroup(JC_DataComponent* pPerson, DWORD dwGroup, DWORD dwState) const
{
    JC_StringArray* pItems = nullptr;
    DWORD dwResult = OpenGroup(pPerson, dwGroup, JE_BEHAVIOR_REMOVE_GROUP_UNAVAILABLE, pItems);
    if (dwResult != 0)
        return dwResult;
    int iIndex = -1;
    dwResult = FindState(*pItems, dwState, JE_BEHAVIOR_REMOVE_STATE_UNKNOWN, iIndex);
    if (dwResult != 0)
        return dwResult;
    if (iIndex >= 0)
        pItems->erase(pItems->begin() + iIndex);
    return 0;
}

DWORD JC_BehaviorGroup::RemoveBehavior(JC_DataComponent* pPerson, DWORD dwState) const
{
    return ForEachGroup([&](DWORD dwGroup) { return RemoveBehaviorInGroup(pPerson, dwGroup, dwState); });
}

DWORD JC_BehaviorGroup::UseBehaviorInGroup(JC_DataComponent* pPerson, DWORD dwGroup, DWORD dwState) const
{
    JC_StringArray* pItems = nullptr;
    DWORD dwResult = OpenGroup(pPerson, dwGroup, JE_BEHAVIOR_USE_GROUP_UNAVAILABLE, pItems);
    if (dwResult != 0)
        return dwResult;
    int iIndex = -1;
    dwResult = FindState(*pItems, dwState, JE_BEHAVIOR_USE_STATE_UNKNOWN, iIndex);
    if (dwResult != 0 || iIndex < 0)
        return dwResult;
    JC_BehaviorItem item;
    GetBehavior((*pItems)[iIndex], item);
    if (item.dwRoundType == JD_ROUND_COUNTED_BY_USE)
        CountDown(*pItems, iIndex, item);
    return 0;
}

DWORD JC_BehaviorGroup::UseBehavior(JC_DataComponent* pPerson, DWORD dwState) const
{
    return ForEachGroup([&](DWORD dwGroup) { return UseBehaviorInGroup(pPerson, dwGroup, dwState); });
}

DWORD JC_BehaviorGroup::RemoveBehaviorsEndedByAttackInGroup(JC_DataComponent* pPerson, DWORD dwGroup) const
{
    return WalkRoundItems(pPerson, dwGroup, JE_BEHAVIOR_USE_GROUP_UNAVAILABLE, JD_ROUND_ENDED_BY_ATTACK);
}

DWORD JC_BehaviorGroup::RemoveBehaviorsEndedByAttack(JC_DataComponent* pPerson) const
{
    return ForEachGroup([&](DWORD dwGroup) { return RemoveBehaviorsEndedByAttackInGroup(pPerson, dwGroup); });
}

DWORD JC_BehaviorGroup::CountDownRoundBehaviorsInGroup(JC_DataComponent* pPerson, DWORD dwGroup) const
{
    return WalkRoundItems(pPerson, dwGroup, JE_BEHAVIOR_COUNT_DOWN_GROUP_UNAVAILABLE, JD_ROUND_COUNTED_BY_CAMP);
}

DWORD JC_BehaviorGroup::CountDownRoundBehaviors(JC_DataComponent* pPerson) const
{
    return ForEachGroup([&](DWORD dwGroup) { return CountDownRoundBehaviorsInGroup(pPerson, dwGroup); });
}

DWORD JC_BehaviorGroup::OpenGroup(JC_DataComponent* pPerson, DWORD dwGroup, DWORD dwUnavailable,
                                  JC_StringArray*& pItems) const
{
    pItems = nullptr;
    const DWORD dwCheck = CheckPersonDataComponent(pPerson);
    if (dwCheck != 0)
        return dwCheck;
    pItems = GetBehaviorGroupItems(pPerson, dwGroup);
    if (pItems == nullptr) {
        ErrorLog().Print("無法取得人物的 BehaviorGroupItem \n GroupIndex:%d \n錯誤檔案:%s(Line:%d)\n\n",
                         static_cast<int>(dwGroup), s_szSourceFile, __LINE__);
        return dwUnavailable;
    }
    return 0;
}

DWORD JC_BehaviorGroup::FindState(const JC_StringArray& items, DWORD dwState, DWORD dwUnknownState, int& iIndex,
                                  const JS_BehaviorItemIndex** ppFound) const
{
    iIndex = -1;
    JS_BehaviorGroupIndex& group = IndexOf(items);
    for (size_t i = 0; i < items.size(); ++i) {
        JS_BehaviorItemIndex& item = group.NamedItem(items, i);
        const DWORD dwItemState = item.State(items[i], *this);
        if (dwItemState == UNKNOWN_DEFINE) {
            ErrorLog().Print("定義值轉換成對應數值動作失敗 \n定義的字串:%s \n錯誤檔案:%s(Line:%d)\n\n",
                             std::string(item.Part(items[i], 0)).c_str(), s_szSourceFile, __LINE__);
            return dwUnknownState;
        }
        if (dwItemState == dwState) {
            iIndex = static_cast<int>(i);
            // Its parts are read from here: the whole text is checked.
            if (ppFound != nullptr)
                *ppFound = &group.Item(items, i);
            return 0;
        }
    }
    return 0;
}

DWORD JC_BehaviorGroup::FindInGroup(JC_DataComponent* pPerson, DWORD dwGroup, DWORD dwState,
                                    const JC_StringArray*& pItems, const JS_BehaviorItemIndex*& pFound,
                                    int& iIndex) const
{
    pItems = nullptr;
    pFound = nullptr;
    iIndex = -1;
    if (dwGroup >= MAX_GROUP) {
        ErrorLog().Print("指定的群組不存在 \n輸入的GroupIndex:%d(MaxGroup:%d) \n錯誤檔案:%s(Line:%d)\n\n",
                         static_cast<int>(dwGroup), static_cast<int>(MAX_GROUP), s_szSourceFile, __LINE__);
        return JE_BEHAVIOR_GROUP_TOO_LARGE;
    }
    pItems = GetBehaviorGroupItems(pPerson, dwGroup);
    if (pItems == nullptr)
        return JE_BEHAVIOR_GROUP_UNREADABLE;
    return FindState(*pItems, dwState, JE_BEHAVIOR_FIND_STATE_UNKNOWN, iIndex, &pFound);
}

JS_BehaviorGroupIndex& JC_BehaviorGroup::IndexOf(const JC_StringArray& items) const
{
    return m_GroupCache.IndexOf(items, m_pDataManager != nullptr ? m_pDataManager->GetDefineGeneration() : 0);
}

DWORD JC_BehaviorGroup::WalkRoundItems(JC_DataComponent* pPerson, DWORD dwGroup, DWORD dwUnavailable,
                                       DWORD dwRoundType) const
{
    JC_StringArray* pItems = nullptr;
    const DWORD dwResult = OpenGroup(pPerson, dwGroup, dwUnavailable, pItems);
    if (dwResult != 0)
        return dwResult;
    // After a removal the walk goes on with the item that took its place.
    for (size_t i = 0; i < pItems->size();) {
        JC_BehaviorItem item;
        GetBehavior((*pItems)[i], item);
        if (item.dwRoundType != dwRoundType) {
            ++i;
            continue;
        }
        if (dwRoundType == JD_ROUND_ENDED_BY_ATTACK)
            pItems->erase(pItems->begin() + i);
        else if (CountDown(*pItems, i, item))
            ++i;
    }
    return 0;
}

bool JC_BehaviorGroup::CountDown(JC_StringArray& items, size_t index, JC_BehaviorItem& item) const
{
    item.iCount = static_cast<int>(static_cast<DWORD>(item.iCount) - 1);
    if (item.iCount == 0) {
        items.erase(items.begin() + index);
        return false;
    }
    SetBehavior(item, items[index]);
    return true;
}

template <typename GroupOperation>
DWORD JC_BehaviorGroup::ForEachGroup(GroupOperation operation) const
{
    for (DWORD dwGroup = 0; dwGroup < MAX_GROUP; ++dwGroup) {
        const DWORD dwResult = operation(dwGroup);
        if (dwResult != 0)
            return dwResult;
    }
    return 0;
}

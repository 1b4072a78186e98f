#include "JC_DataManager/Control/JC_ControlPersonPower.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Manager/JF_ItemErrorName.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

// The part of a behaviour-group item that holds its modifier, and the part
// some states keep their second modifier in.
constexpr DWORD MODIFIER_PART = 5;
constexpr DWORD SECOND_MODIFIER_PART = 6;
constexpr int LIFE_STATE_FALLEN = 2;
constexpr int LIFE_STATE_ALIVE = 1;
constexpr int FULL_MORALE = 100;
constexpr int CONFUSED_CAMP = 2;
constexpr DWORD EVOLVED_BIT = 0x80000000;
constexpr int ROLL_LIMIT = 400;
constexpr int ROLLS_PER_SLOT = 100;

// States that keep the person from acting, in the order they are tested.
constexpr std::initializer_list<DWORD> s_CannotActStates = {JE_STATE_FREEZE, JE_STATE_STONE, JE_STATE_FAINT,
                                                            JE_STATE_NUMB, JE_STATE_SLEEP};

// The states shown, in the order they are shown, with their marks.
struct JS_StateMark
{
    DWORD dwState;
    const char* szMark;
};
constexpr JS_StateMark s_StateMarks[] = {
    {JE_STATE_FREEZE, "凍"},  {JE_STATE_STONE, "石"},  {JE_STATE_BURN, "灼"},    {JE_STATE_FAINT, "昏"},
    {JE_STATE_NUMB, "麻"},    {JE_STATE_SLEEP, "眠"},  {JE_STATE_CHARMED, "迷"}, {JE_STATE_CONFUSE, "亂"},
    {JE_STATE_BERSERK, "狂"}, {JE_STATE_RAGE, "暴"},   {JE_STATE_POISON, "毒"},  {JE_STATE_SILENCE, "默"},
    {JE_STATE_FEAR, "恐"},    {JE_STATE_BLIND, "盲"},  {JE_STATE_CURSE, "咒"},
};

// x raised by r percent, the 32-bit product first.
int RaisedBy(int iValue, int iRate)
{
    const int iProduct = static_cast<int>(static_cast<DWORD>(iValue) * static_cast<DWORD>(iRate));
    return static_cast<int>(static_cast<DWORD>(iValue) + static_cast<DWORD>(iProduct / 100));
}

// The person's rate field of each weapon kind from 0x10000 on; 0x1000B has
// none.
constexpr int FIRST_WEAPON_KIND = 0x10000;
const char* const s_aszWeaponKindRates[] = {
    "ExtraGlove", "ExtraClaw", "ExtraSword", "ExtraBothSword", "ExtraShortSword", "ExtraLance", "ExtraHammer",
    "ExtraAx",    "ExtraStick", "ExtraArrow", "ExtraKnife",    nullptr,           "ExtraGun",
};

// Elements 1 to 9 have a rate field; 1 to 10 a resistance.
const char* const s_aszElementRates[] = {"ExtraNil", "ExtraEarth", "ExtraWater", "ExtraFire", "ExtraWind",
                                         "ExtraIce", "ExtraThunder", "ExtraLight", "ExtraDark"};
const char* const s_aszAntibodies[] = {"AntibodyNil",  "AntibodyEarth",   "AntibodyWater", "AntibodyFire",
                                       "AntibodyWind", "AntibodyIce",     "AntibodyThunder", "AntibodyLight",
                                       "AntibodyDark", "AntibodyNature"};
constexpr int ELEMENT_FIRE = 4;
constexpr int ELEMENT_WIND = 5;

const char* const s_aszEquipmentSlots[] = {"HandLeft", "Body", "Foot", "Accessary0", "Accessary1"};

} // namespace

DWORD JC_ControlPersonPower::GetItemData(const std::string& strName, JC_ValueOut value)
{
    const DWORD dwResult = m_pPerson != nullptr ? m_pPerson->GetItemValue(strName, value) : JE_COMPONENT_GET_NO_ITEM;
    if (dwResult != 0)
        ErrorLog().Print("取得遊戲資訊物件欄位資料發生錯誤件 \nItemName:%s \n錯誤代碼:%x(%s) \n錯誤檔案:%s(Line:%d) \n\n",
                         strName.c_str(), static_cast<unsigned>(dwResult), JF_ItemReadErrorName(dwResult),
                         s_szSourceFile, __LINE__);
    return dwResult;
}

DWORD JC_ControlPersonPower::GetItemDataAt(const std::string& strName, DWORD dwIndex, JC_ValueOut value)
{
    const DWORD dwResult = m_pPerson != nullptr ? m_pPerson->GetItemValueAt(strName, dwIndex, value)
                                                : JE_COMPONENT_GET_NO_ITEM;
    if (dwResult != 0)
        ErrorLog().Print(
            "取得遊戲資訊物件欄位資料發生錯誤件 \nItemName:%s Index:%d \n錯誤代碼:%x(%s) \n錯誤檔案:%s(Line:%d) \n\n",
            strName.c_str(), static_cast<int>(dwIndex), static_cast<unsigned>(dwResult),
            JF_ItemReadErrorName(dwResult), s_szSourceFile, __LINE__);
    return dwResult;
}

DWORD JC_ControlPersonPower::SetItemDataStr(const std::string& strName, const std::string& strText)
{
    const DWORD dwResult = m_pPerson != nullptr ? m_pPerson->SetItemValueText(strName, strText)
                                                : JE_COMPONENT_SET_NO_ITEM;
    if (dwResult != 0)
        ErrorLog().Print(
            "設定遊戲資訊物件欄位資料發生錯誤件 \nItemName:%s ItemDataStr:%s \n錯誤代碼:%x(%s) \n錯誤檔案:%s(Line:%d) \n\n",
            strName.c_str(), strText.c_str(), static_cast<unsigned>(dwResult), JF_ItemWriteErrorName(dwResult),
            s_szSourceFile, __LINE__);
    return dwResult;
}

DWORD JC_ControlPersonPower::SetItemDataAt(const std::string& strName, DWORD dwIndex, JC_ValueIn value)
{
    const DWORD dwResult = m_pPerson != nullptr ? m_pPerson->SetItemValueAt(strName, dwIndex, value)
                                                : JE_COMPONENT_SET_NO_ITEM;
    if (dwResult != 0)
        ErrorLog().Print(
            "設定遊戲資訊物件欄位資料發生錯誤件 \nItemName:%s Index:%d \n錯誤代碼:%x(%s) \n錯誤檔案:%s(Line:%d) \n\n",
            strName.c_str(), static_cast<int>(dwIndex), static_cast<unsigned>(dwResult),
            JF_ItemWriteErrorName(dwResult), s_szSourceFile, __LINE__);
    return dwResult;
}

const JC_BehaviorAnalyser& JC_ControlPersonPower::Analyser() const
{
    // Before Initiation every question finds no person and is refused.
    static const JC_BehaviorAnalyser s_Unbound;
    return m_pBehaviorAnalyser != nullptr ? *m_pBehaviorAnalyser : s_Unbound;
}

int JC_ControlPersonPower::ApplyBehaviorModifier(DWORD dwState, DWORD dwPart, int iValue)
{
    DWORD dwRunning = static_cast<DWORD>(iValue);
    for (int iGroup = JC_BehaviorGroup::MAX_GROUP - 1; iGroup >= 0; --iGroup) {
        std::string strPart;
        if (Analyser().GetBehaviorItemPart(m_pPerson, iGroup, dwState, dwPart, strPart) == 1)
            dwRunning = JC_StrNumCalculate::AddValue(dwRunning, strPart);
    }
    return static_cast<int>(dwRunning);
}

void JC_ControlPersonPower::Record(DWORD dwState, BOOL bRecord)
{
    if (bRecord == 1)
        m_RecordedBehavior.push_back(dwState);
}

int JC_ControlPersonPower::Modified(int iStored, DWORD dwState, BOOL bRecord)
{
    const int iValue = ApplyBehaviorModifier(dwState, MODIFIER_PART, iStored);
    Record(dwState, bRecord);
    return iValue;
}

bool JC_ControlPersonPower::HoldsAny(std::initializer_list<DWORD> states)
{
    return std::any_of(states.begin(), states.end(), [this](DWORD dwState) { return HasBehaviorState(dwState); });
}

bool JC_ControlPersonPower::CannotAct()
{
    return HoldsAny(s_CannotActStates);
}

int JC_ControlPersonPower::GetMove(BOOL bRecord)
{
    if (CannotAct() || HasBehaviorState(JE_STATE_FEAR))
        return 0;
    return Modified(m_OperatorPersonObj.GetMove(), JE_STATE_MOVE, bRecord);
}

int JC_ControlPersonPower::GetStrength(BOOL bRecord)
{
    return Modified(m_OperatorPersonObj.GetStrength(), JE_STATE_STRENGTH, bRecord);
}

int JC_ControlPersonPower::GetVitality(BOOL bRecord)
{
    return Modified(m_OperatorPersonObj.GetVitality(), JE_STATE_VITALITY, bRecord);
}

int JC_ControlPersonPower::GetAgile(BOOL bRecord)
{
    return Modified(m_OperatorPersonObj.GetAgile(), JE_STATE_AGILE, bRecord);
}

int JC_ControlPersonPower::GetDexterity(BOOL bRecord)
{
    return Modified(m_OperatorPersonObj.GetDexterity(), JE_STATE_DEXTERITY, bRecord);
}

int JC_ControlPersonPower::GetIntelligence(BOOL bRecord)
{
    return Modified(m_OperatorPersonObj.GetIntelligence(), JE_STATE_INTELLIGENCE, bRecord);
}

int JC_ControlPersonPower::GetWisdom(BOOL bRecord)
{
    return Modified(m_OperatorPersonObj.GetWisdom(), JE_STATE_WISDOM, bRecord);
}

int JC_ControlPersonPower::GetCharm(BOOL bRecord)
{
    return Modified(m_OperatorPersonObj.GetCharm(), JE_STATE_CHARM, bRecord);
}

int JC_ControlPersonPower::GetLuck(BOOL bRecord)
{
    return Modified(m_OperatorPersonObj.GetLuck(), JE_STATE_LUCK, bRecord);
}

int JC_ControlPersonPower::GetExtraNatureAttackRate(BOOL bRecord)
{
    return Modified(m_OperatorPersonObj.GetExtraNatureAttackRate(), JE_STATE_EXTRA_NATURE_ATTACK_RATE, bRecord);
}

int JC_ControlPersonPower::GetExtraMagicAttackRate(BOOL bRecord)
{
    return Modified(m_OperatorPersonObj.GetExtraMagicAttackRate(), JE_STATE_EXTRA_MAGIC_ATTACK_RATE, bRecord);
}

int JC_ControlPersonPower::GetExtraNatureDefenseRate(BOOL bRecord)
{
    return Modified(m_OperatorPersonObj.GetExtraNatureDefenseRate(), JE_STATE_EXTRA_NATURE_DEFENSE_RATE, bRecord);
}

int JC_ControlPersonPower::GetExtraMagicDefenseRate(BOOL bRecord)
{
    return Modified(m_OperatorPersonObj.GetExtraMagicDefenseRate(), JE_STATE_EXTRA_MAGIC_DEFENSE_RATE, bRecord);
}

int JC_ControlPersonPower::GetExtraHitRate(BOOL bRecord)
{
    return Modified(m_OperatorPersonObj.GetExtraHitRate(), JE_STATE_EXTRA_HIT_RATE, bRecord);
}

int JC_ControlPersonPower::GetExtraDodgeRate(BOOL bRecord)
{
    if (CannotAct() || HasBehaviorState(JE_STATE_FEAR))
        return 0;
    return Modified(m_OperatorPersonObj.GetExtraDodgeRate(), JE_STATE_EXTRA_DODGE_RATE, bRecord);
}

int JC_ControlPersonPower::GetHPAutoRestoreRate(BOOL bRecord)
{
    return Modified(m_OperatorPersonObj.GetHPAutoRestoreRate(), JE_STATE_HP_AUTO_RESTORE_RATE, bRecord);
}

int JC_ControlPersonPower::GetSPAutoRestoreRate(BOOL bRecord)
{
    return Modified(m_OperatorPersonObj.GetSPAutoRestoreRate(), JE_STATE_SP_AUTO_RESTORE_RATE, bRecord);
}

int JC_ControlPersonPower::GetHPAutoDamageRate(BOOL bRecord)
{
    // Poison adds its own damage on top; only the rate's state is recorded.
    const int iRate = Modified(m_OperatorPersonObj.GetHPAutoDamageRate(), JE_STATE_HP_AUTO_DAMAGE_RATE, bRecord);
    return ApplyBehaviorModifier(JE_STATE_POISON, MODIFIER_PART, iRate);
}

int JC_ControlPersonPower::GetSPAutoDamageRate(BOOL bRecord)
{
    return Modified(m_OperatorPersonObj.GetSPAutoDamageRate(), JE_STATE_SP_AUTO_DAMAGE_RATE, bRecord);
}

int JC_ControlPersonPower::GetRAP()
{
    return CannotAct() ? 0 : m_OperatorPersonObj.GetRAP();
}

int JC_ControlPersonPower::GetExtraDodgeCounterRate()
{
    return CannotAct() || HasBehaviorState(JE_STATE_FEAR) ? 0 : m_OperatorPersonObj.GetExtraDodgeCounterRate();
}

int JC_ControlPersonPower::GetExtraCounterRate()
{
    return CannotAct() ? 0 : m_OperatorPersonObj.GetExtraCounterRate();
}

BOOL JC_ControlPersonPower::IsCannotAct()
{
    return CannotAct() ? 1 : 0;
}

int JC_ControlPersonPower::GetAIMove()
{
    return GetMove(0) == 0 ? 1 : m_OperatorPersonObj.GetAIMove();
}

int JC_ControlPersonPower::GetMoveType(BOOL bUse)
{
    int iMoveType = m_OperatorPersonObj.GetMoveType();
    for (int iGroup = JC_BehaviorGroup::MAX_GROUP - 1; iGroup >= 0; --iGroup) {
        if (Analyser().HaveBehaviorInGroup(m_pPerson, iGroup, JE_STATE_MOVE_TYPE) != 1)
            continue;
        DWORD dwMoveType = 0;
        if (Analyser().GetBehavior_Combo(m_pPerson, iGroup, JE_STATE_MOVE_TYPE, MODIFIER_PART, dwMoveType)
            == 1)
            iMoveType = static_cast<int>(dwMoveType);
        else
            ErrorLog().PrintAt(s_szSourceFile, __LINE__, " BehaviorAnalyserObj GetBehavior_Combo Fail. \r\n");
        break;
    }
    if (bUse == 1) {
        for (int iGroup = JC_BehaviorGroup::MAX_GROUP - 1; iGroup >= 0; --iGroup)
            Analyser().UseBehaviorInGroup(m_pPerson, iGroup, JE_STATE_MOVE_TYPE);
    }
    return iMoveType;
}

int JC_ControlPersonPower::GetCamp(BOOL bStoredOnly)
{
    if (bStoredOnly == 1)
        return m_OperatorPersonObj.GetCamp();
    std::string strItem;
    int iIndex = -1;
    DWORD dwResult = Analyser().GetBehavior(m_pPerson, 0, JE_STATE_CHARMED, strItem, iIndex);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " BehaviorAnalyserObj GetBehavior Fail. \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwResult));
        return -1;
    }
    if (iIndex < 0)
        return HasBehaviorState(JE_STATE_CONFUSE) ? CONFUSED_CAMP : m_OperatorPersonObj.GetCamp();
    JC_StringArray parts;
    dwResult = Analyser().DecomposeOrder(strItem, parts);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " BehaviorAnalyserObj DecomposeOrder Fail. \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwResult));
        return -1;
    }
    // An item too short to name a camp leaves the person in its own.
    if (parts.size() <= MODIFIER_PART)
        return m_OperatorPersonObj.GetCamp();
    return static_cast<int>(std::strtol(parts[MODIFIER_PART].c_str(), nullptr, 10));
}

int JC_ControlPersonPower::Clamp(int iOld, int iValue, int iMax, void (JC_OperatorPerson::*pfnSet)(int))
{
    const int iClamped = iValue > iMax ? iMax : std::max(iValue, 0);
    (m_OperatorPersonObj.*pfnSet)(iClamped);
    return iClamped - iOld;
}

int JC_ControlPersonPower::SetHP(int iValue)
{
    return Clamp(GetHP(), iValue, GetMaxHP(), &JC_OperatorPerson::SetHP);
}

int JC_ControlPersonPower::SetSP(int iValue)
{
    return Clamp(GetSP(), iValue, GetMaxSP(), &JC_OperatorPerson::SetSP);
}

int JC_ControlPersonPower::SetRAP(int iValue)
{
    return Clamp(GetRAP(), iValue, GetMaxRAP(), &JC_OperatorPerson::SetRAP);
}

int JC_ControlPersonPower::SetMorale(int iValue)
{
    return Clamp(GetMorale(), iValue, GetMaxMorale(), &JC_OperatorPerson::SetMorale);
}

DWORD JC_ControlPersonPower::Restore(BOOL bHP, BOOL bSP, BOOL bRAP, BOOL bClearStates, BOOL bRevive, BOOL bMorale)
{
    if (bHP == 1)
        SetHP(GetMaxHP());
    if (bSP == 1)
        SetSP(GetMaxSP());
    if (bRAP == 1)
        SetRAP(GetMaxRAP());
    if (bClearStates == 1) {
        for (DWORD dwGroup = 0; dwGroup < JC_BehaviorGroup::MAX_GROUP; ++dwGroup)
            Analyser().ClearBehaviorGroup(m_pPerson, dwGroup);
    }
    if (bRevive == 1) {
        m_OperatorPersonObj.SetLifeState(LIFE_STATE_ALIVE);
        m_OperatorPersonObj.SetDieTime(0);
    }
    // Written as it stands, whatever the person's MaxMorale.
    if (bMorale == 1)
        m_OperatorPersonObj.SetMorale(FULL_MORALE);
    return 0;
}

void JC_ControlPersonPower::SetLifeState(int iLifeState)
{
    m_OperatorPersonObj.SetLifeState(iLifeState);
    if (iLifeState == LIFE_STATE_FALLEN)
        Restore(0, 0, 0, 1, 0, 0);
}

BOOL JC_ControlPersonPower::HasBehaviorState(DWORD dwState)
{
    return Analyser().HaveBehavior(m_pPerson, dwState) == 1 ? 1 : 0;
}

int JC_ControlPersonPower::GetBehaviorStateValue(DWORD dwState)
{
    const int iValue = ApplyBehaviorModifier(dwState, MODIFIER_PART, 0);
    UseBehaviorState(dwState);
    return iValue;
}

DWORD JC_ControlPersonPower::ClearBehaviorStateInGroup(DWORD dwGroup, DWORD dwState)
{
    return Analyser().RemoveBehaviorInGroup(m_pPerson, dwGroup, dwState);
}

DWORD JC_ControlPersonPower::ClearBehaviorState(DWORD dwState)
{
    return Analyser().RemoveBehavior(m_pPerson, dwState);
}

DWORD JC_ControlPersonPower::UseBehaviorState(DWORD dwState)
{
    return Analyser().UseBehavior(m_pPerson, dwState);
}

DWORD JC_ControlPersonPower::RemoveBehaviorsEndedByAttack()
{
    return Analyser().RemoveBehaviorsEndedByAttack(m_pPerson);
}

DWORD JC_ControlPersonPower::GetShowBehaviorState()
{
    for (const JS_StateMark& mark : s_StateMarks) {
        if (HasBehaviorState(mark.dwState))
            return mark.dwState;
    }
    return 0;
}

void JC_ControlPersonPower::GetBehaviorStateText(std::string& strText)
{
    strText.clear();
    for (const JS_StateMark& mark : s_StateMarks) {
        if (HasBehaviorState(mark.dwState))
            strText += mark.szMark;
    }
    if (strText.empty())
        strText = "正常";
}

BOOL JC_ControlPersonPower::IsStateImmune(DWORD dwState)
{
    return m_OperatorPersonObj.GetStateImmunity(dwState) > 0 ? 1 : 0;
}

DWORD JC_ControlPersonPower::UseRecordedBehavior(BOOL bUse, BOOL bDistinct)
{
    if (bUse == 1) {
        if (bDistinct == 1) {
            std::array<bool, JE_STATE_LIMIT> held{};
            for (DWORD dwState : m_RecordedBehavior) {
                if (dwState < JE_STATE_LIMIT)
                    held[dwState] = true;
            }
            m_RecordedBehavior.clear();
            for (DWORD dwState = 0; dwState < JE_STATE_LIMIT; ++dwState) {
                if (held[dwState])
                    m_RecordedBehavior.push_back(dwState);
            }
        }
        // Walked on a copy: a use changes nothing recorded, but the list is
        // the caller's to read until it is emptied below.
        const std::vector<DWORD> recorded = m_RecordedBehavior;
        for (DWORD dwState : recorded)
            UseBehaviorState(dwState);
    }
    m_RecordedBehavior.clear();
    return 0;
}

int JC_ControlPersonPower::ReadWorn(JC_DataComponent* pItem, const char* szField)
{
    int iValue = 0;
    if (pItem == nullptr || pItem->GetItemValueAt(szField, 0, &iValue) != 0)
        return 0;
    return iValue;
}

int JC_ControlPersonPower::ReadHandRight(const char* szField)
{
    return HasHandRight() ? ReadWorn(GetHandRight(), szField) : 0;
}

int JC_ControlPersonPower::GetWeaponKind()
{
    return HasHandRight() ? ReadWorn(GetHandRight(), "WeaponKind") : -1;
}

int JC_ControlPersonPower::GetEquipDefense()
{
    int iDefense = 0;
    for (const char* szSlot : s_aszEquipmentSlots) {
        DWORD dwResult = 0;
        JC_DataComponent* pItem = nullptr;
        dwResult = m_OperatorPersonObj.GetItemSpace(szSlot, &pItem);
        DWORD dwID = 0;
        if (dwResult == 0 && pItem != nullptr && pItem->GetItemValueAt("ID", 0, &dwID) == 0 && dwID != 0)
            iDefense += ReadWorn(pItem, "Defense");
    }
    return iDefense;
}

int JC_ControlPersonPower::GetWeaponKindRate(int iKind)
{
    const int iSlot = iKind - FIRST_WEAPON_KIND;
    const char* szField = iSlot >= 0 && iSlot < static_cast<int>(std::size(s_aszWeaponKindRates))
                              ? s_aszWeaponKindRates[iSlot]
                              : nullptr;
    if (szField == nullptr) {
        ErrorLog().Print("無法識別輸入的武器類型 \n輸入的武器類型ID:%d \n錯誤檔案:%s(Line:%d) \n\n", iKind, s_szSourceFile,
                         __LINE__);
        return 0;
    }
    int iKindRate = 0;
    m_OperatorPersonObj.GetItemData(szField, 0, &iKindRate);
    const int iWeaponRate = RaisedBy(m_OperatorPersonObj.GetExtraWeapon(), m_OperatorPersonObj.GetExtraNature());
    return RaisedBy(iKindRate, iWeaponRate);
}

int JC_ControlPersonPower::GetElementRate(int iElement)
{
    if (iElement == 0)
        return 0;
    if (iElement < 1 || iElement > static_cast<int>(std::size(s_aszElementRates))) {
        ErrorLog().Print("無法識別輸入的元素 \n輸入的元素ID:%d \n錯誤檔案:%s(Line:%d) \n\n", iElement, s_szSourceFile,
                         __LINE__);
        return 0;
    }
    int iRate = 0;
    m_OperatorPersonObj.GetItemData(s_aszElementRates[iElement - 1], 0, &iRate);
    const int iElementRate = RaisedBy(m_OperatorPersonObj.GetExtraElement(), m_OperatorPersonObj.GetExtraMagic());
    return RaisedBy(iRate, iElementRate);
}

int JC_ControlPersonPower::GetBaseAttack(BOOL bRecord)
{
    if (!HasHandRight())
        return 0;
    const int iKind = GetWeaponKind();
    const int iWeaponPart = RaisedBy(GetWeaponAttack(), GetWeaponKindRate(iKind));
    const int iStrength = GetStrength(bRecord);
    if (iKind == JD_WEAPONKIND_ARROW || iKind == JD_WEAPONKIND_GUN)
        return (iStrength + GetDexterity(bRecord)) / 2 + iWeaponPart;
    return iStrength * 3 / 2 + iWeaponPart;
}

int JC_ControlPersonPower::GetAttack(BOOL bRecord)
{
    const int iBaseAttack = GetBaseAttack(bRecord);
    int iAttack = RaisedBy(iBaseAttack, GetExtraNatureAttackRate(bRecord));
    iAttack = Modified(iAttack, JE_STATE_BERSERK, bRecord);
    return Modified(iAttack, JE_STATE_RAGE, bRecord);
}

int JC_ControlPersonPower::GetMagicAttack(BOOL bRecord)
{
    const int iIntelligence = GetIntelligence(bRecord);
    return RaisedBy(iIntelligence, GetExtraMagicAttackRate(bRecord));
}

int JC_ControlPersonPower::GetTotalVitality(BOOL bRecord)
{
    const int iStoredVitality = GetVitality(bRecord);
    int iVitality = RaisedBy(iStoredVitality, GetExtraNatureDefenseRate(bRecord));
    iVitality = ApplyBehaviorModifier(JE_STATE_BERSERK, SECOND_MODIFIER_PART, iVitality);
    Record(JE_STATE_BERSERK, bRecord);
    iVitality = ApplyBehaviorModifier(JE_STATE_RAGE, SECOND_MODIFIER_PART, iVitality);
    Record(JE_STATE_RAGE, bRecord);
    return Modified(iVitality, JE_STATE_BURN, bRecord);
}

int JC_ControlPersonPower::GetMagicDefense(BOOL bRecord)
{
    const int iIntelligence = GetIntelligence(bRecord);
    const int iDefense = RaisedBy(iIntelligence, GetExtraMagicDefenseRate(bRecord));
    return Modified(iDefense, JE_STATE_CURSE, bRecord);
}

int JC_ControlPersonPower::GetHit(BOOL bRecord)
{
    const int iDexterity = GetDexterity(bRecord);
    const int iHit = RaisedBy(iDexterity + GetLevel(), GetExtraHitRate(bRecord));
    return Modified(iHit, JE_STATE_BLIND, bRecord);
}

int JC_ControlPersonPower::GetDodge(BOOL bRecord)
{
    if (CannotAct())
        return 0;
    const int iAgile = GetAgile(bRecord);
    return RaisedBy(iAgile + GetLevel(), GetExtraDodgeRate(bRecord));
}

int JC_ControlPersonPower::GetCriticalRate(BOOL bRecord)
{
    const int iDexterity = GetDexterity(bRecord);
    const int iCritical = iDexterity / 4 + GetLuck(bRecord) / 5;
    return RaisedBy(iCritical, GetExtraFierceAttackRate());
}

int JC_ControlPersonPower::GetElementMagicAttackByID(int iElement, BOOL bRecord)
{
    const int iMagicAttack = GetMagicAttack(bRecord);
    return RaisedBy(iMagicAttack, GetElementRate(iElement));
}

int JC_ControlPersonPower::GetElementMagicAttack(const std::string& strElementName, BOOL bRecord)
{
    DWORD dwElement = m_pDataManager != nullptr ? m_pDataManager->GetDefineInfo(strElementName)
                                                : JC_BehaviorBase::UNKNOWN_DEFINE;
    if (dwElement == JC_BehaviorBase::UNKNOWN_DEFINE) {
        ErrorLog().Print("無法識別輸入的元素 \n輸入的元素字串:%s \n錯誤檔案:%s(Line:%d) \n\n", strElementName.c_str(),
                         s_szSourceFile, __LINE__);
        dwElement = 0;
    }
    return GetElementMagicAttackByID(static_cast<int>(dwElement), bRecord);
}

int JC_ControlPersonPower::GetAntibody(int iElement)
{
    if (iElement < 1 || iElement > JD_ELEMENT_NATURE)
        return 0;
    int iAntibody = 0;
    m_OperatorPersonObj.GetItemData(s_aszAntibodies[iElement - 1], 0, &iAntibody);
    if (iElement == ELEMENT_FIRE)
        return ApplyBehaviorModifier(JE_STATE_STONE, MODIFIER_PART, iAntibody);
    if (iElement == ELEMENT_WIND)
        return ApplyBehaviorModifier(JE_STATE_FREEZE, MODIFIER_PART, iAntibody);
    return iAntibody;
}

int JC_ControlPersonPower::PickThing(bool bSteal, int iRoll, DWORD& dwKind, DWORD& dwID, BOOL bTake)
{
    dwKind = 0xFFFFFFFF;
    dwID = 0;
    if (iRoll < 1 || iRoll > ROLL_LIMIT)
        return 0;
    int iRemaining = iRoll;
    for (DWORD dwSlot = 0; dwSlot < JC_OperatorPerson::THING_SLOTS; ++dwSlot) {
        // A legacy roll names its slot outright.
        if (!bSteal && dwSlot != static_cast<DWORD>((iRoll - 1) / ROLLS_PER_SLOT))
            continue;
        int iRate = 0;
        DWORD dwSlotKind = 0;
        DWORD dwSlotID = 0;
        if (bSteal)
            GetStealThing(dwSlot, iRate, dwSlotKind, dwSlotID);
        else
            GetLegacyThing(dwSlot, iRate, dwSlotKind, dwSlotID);
        if (dwSlotID == 0) {
            if (bSteal)
                continue;
            return 0;
        }
        if (bSteal && iRate < iRemaining) {
            iRemaining -= iRate;
            continue;
        }
        dwKind = dwSlotKind;
        dwID = dwSlotID;
        if (bTake == 1) {
            if (bSteal)
                m_OperatorPersonObj.SetStealThing(dwSlot, 0, dwSlotKind, 0);
            else
                m_OperatorPersonObj.SetLegacyThing(dwSlot, 0, dwSlotKind, 0);
        }
        return 1;
    }
    return 0;
}

int JC_ControlPersonPower::PickLegacyThing(int iRoll, DWORD& dwKind, DWORD& dwID, BOOL bTake)
{
    return PickThing(false, iRoll, dwKind, dwID, bTake);
}

int JC_ControlPersonPower::PickStealThing(int iRoll, DWORD& dwKind, DWORD& dwID, BOOL bTake)
{
    return PickThing(true, iRoll, dwKind, dwID, bTake);
}

int JC_ControlPersonPower::GetStealThingTotalRate()
{
    int iTotal = 0;
    for (DWORD dwSlot = 0; dwSlot < JC_OperatorPerson::THING_SLOTS; ++dwSlot) {
        int iRate = 0;
        DWORD dwKind = 0;
        DWORD dwID = 0;
        GetStealThing(dwSlot, iRate, dwKind, dwID);
        iTotal += iRate;
    }
    return iTotal;
}

BOOL JC_ControlPersonPower::HaveLearnSkill(DWORD dwSkillKey)
{
    JC_DWordArray* pIDs = nullptr;
    DWORD dwResult = GetItemData("LearnSkillID", &pIDs);
    if (dwResult != 0 || pIDs == nullptr) {
        ErrorLog().Print("取得人物習得技能的識別碼的陣列指標 發生錯誤 \n錯誤代碼:0X%x \n錯誤檔案:%s(Line:%d) \n\n",
                         static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return FALSE;
    }
    JC_DWordArray* pLevels = nullptr;
    dwResult = GetItemData("LearnSkillLV", &pLevels);
    if (dwResult != 0 || pLevels == nullptr) {
        ErrorLog().Print("取得人物習得技能的等級的陣列指標 發生錯誤 \n錯誤代碼:0X%x \n錯誤檔案:%s(Line:%d) \n\n",
                         static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return FALSE;
    }
    const DWORD dwSkill = dwSkillKey & 0xFFFF0000;
    const DWORD dwLevel = dwSkillKey & 0x0000FFFF;
    const size_t count = std::min(pIDs->size(), pLevels->size());
    for (size_t i = 0; i < count; ++i) {
        if ((*pIDs)[i] == dwSkill && (*pLevels)[i] != 0 && dwLevel <= (*pLevels)[i])
            return TRUE;
    }
    return FALSE;
}

DWORD JC_ControlPersonPower::GetAnimationID()
{
    const DWORD dwID = m_OperatorPersonObj.GetPersonJobKey();
    return GetEvolutionFlag() == 1 ? dwID | EVOLVED_BIT : dwID;
}

void JC_ControlPersonPower::GetAnimationFileName(std::string& strText)
{
    char szName[32];
    std::snprintf(szName, sizeof(szName), "F%08x.ant", static_cast<unsigned>(GetAnimationID()));
    strText = szName;
}

int JC_ControlPersonPower::GetAIAssist(DWORD dwIndex)
{
    int iValue = 0;
    m_OperatorPersonObj.GetItemData("AIAssist", dwIndex, &iValue);
    return iValue;
}

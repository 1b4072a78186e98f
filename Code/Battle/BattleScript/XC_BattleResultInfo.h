#pragma once

#include "GameProgram/Common/XC_String.h"

#include <windows.h>

#include <vector>

class JC_OrderFinalResultActive;
class JC_OrderFinalResultOther;
class JC_OrderFinalResultPassive;
class XC_GamePerson;

// Kinds of person in a battle result.
constexpr DWORD XE_RESULT_PERSON_ACTIVE = 0;
constexpr DWORD XE_RESULT_PERSON_PASSIVE = 1;
constexpr DWORD XE_RESULT_PERSON_CALLED = 2;

// Hit types and result types of a result person, as the battle scripts fit them.
constexpr DWORD XE_HIT_TYPE_DODGE = 0;
constexpr DWORD XE_HIT_TYPE_HIT = 1;
constexpr DWORD XE_RESULT_TYPE_LIVE = 0;
constexpr DWORD XE_RESULT_TYPE_DIE_HAVE_BODY = 1;
constexpr DWORD XE_RESULT_TYPE_DIE_NO_BODY = 2;

// A skill is played at this level at most.
constexpr DWORD XE_MAX_PLAYED_SKILL_LEVEL = 10;

// The action as a whole.
struct XS_BattleResultMain
{
    DWORD dwSkillLevel = 1;
    LONG lExp = 0;
    LONG lJobExp = 0;
    LONG lMoney = 0;
    LONG lIsSteal = 0;
    LONG lIsStealThing = 0;
    // The lines of money and things found, in the order they are shown.
    std::vector<XC_String> vecGetItemText;
    // The battle-script file that plays the action.
    XC_String stringScriptName;
};

// What happened to one person. The person is found again by its team index:
// the pointer is only good while the person stays on the field.
struct XS_BattleResultPerson
{
    XC_GamePerson* pPersonObj = nullptr;
    DWORD dwTeamIndex = 0;
    DWORD dwPersonType = XE_RESULT_PERSON_ACTIVE;
    DWORD dwHitType = XE_HIT_TYPE_DODGE;
    LONG lIsCritical = 0;
    LONG lIsCounter = 0;
    LONG lIsHPChange = 0;
    LONG lIsSPChange = 0;
    LONG lHPChange = 0;
    LONG lHPChangeReal = 0;
    LONG lSPChange = 0;
    LONG lSPChangeReal = 0;
    DWORD dwResultType = XE_RESULT_TYPE_LIVE;
    LONG lExp = 0;
    LONG lJobExp = 0;
};

// The outcome of one battle action as the battle scripts play it and the
// person battle work applies it: the main record, one record per person
// touched, the target floor and the actor's floor.
class XC_BattleResultInfo
{
public:
    // The folder of the battle-script files and the file of an action that names none.
    static constexpr const char* SCRIPT_FOLDER = "BattleScript\\";
    static constexpr const char* DEFAULT_SCRIPT = "1000.txt";

    XC_BattleResultInfo() = default;
    virtual ~XC_BattleResultInfo();
    XC_BattleResultInfo(const XC_BattleResultInfo&) = delete;
    XC_BattleResultInfo& operator=(const XC_BattleResultInfo&) = delete;

    HRESULT Copy(const XC_BattleResultInfo& other);
    // Empties the person records and the target floor; the main record and
    // the actor's floor stay.
    HRESULT Clear();
    HRESULT SetBattleResultMain(const XS_BattleResultMain& record);
    HRESULT AddBattleResultPerson(const XS_BattleResultPerson& record);
    const XS_BattleResultMain* GetBattleResultMain() const { return &m_sBattleResultMain; }
    DWORD GetBattleResultPersonCount() const { return static_cast<DWORD>(m_vecBattleResultPerson.size()); }
    // Null, reported, past the count.
    const XS_BattleResultPerson* GetBattleResultPerson(DWORD dwBattleResultPersoIndex) const;
    HRESULT SetTargetFloorIndex(DWORD dwFloorIndex);
    DWORD GetTargetFloorIndex() const { return m_dwTargetFloorIndex; }
    DWORD GetActiveFloorIndex() const { return m_dwActiveFloorIndex; }

    // The main record of an order's other result: experience, money, steals,
    // the found-item lines and the script.
    static void MakeBattleResultMain(const JC_OrderFinalResultOther& other, XS_BattleResultMain& record);
    // The person fields of a final result, by field name; the person itself
    // is the caller's to find.
    static void MakeBattleResultPerson(const JC_OrderFinalResultActive& active, XS_BattleResultPerson& record);
    static void MakeBattleResultPerson(const JC_OrderFinalResultPassive& passive, XS_BattleResultPerson& record);

private:
    static void AddFoundThingLines(const JC_OrderFinalResultOther& other, XS_BattleResultMain& record);

    XS_BattleResultMain m_sBattleResultMain;
    std::vector<XS_BattleResultPerson> m_vecBattleResultPerson;
    DWORD m_dwTargetFloorIndex = 0;
    DWORD m_dwActiveFloorIndex = 0;
};

#pragma once

#include "JC_DataManager/Control/JC_Random.h"
#include "JC_Order/DealOrder/JI_OrderDealBattle.h"
#include "JC_Order/DealOrder/JI_OrderDealRollWatch.h"
#include "JC_Order/JI_OrderDeal.h"

#include <string>
#include <vector>

// The shared operations' refusals when the order has no dealing person or
// result: a missing one fails the operation instead of passing for success.
constexpr DWORD JE_ORDERDEAL_NO_DEALING_ACTIVE = 0x89630001;
constexpr DWORD JE_ORDERDEAL_NO_DEALING_ACTIVE_RESULT = 0x89630002;
constexpr DWORD JE_ORDERDEAL_NO_DEALING_PASSIVE = 0x89630003;
constexpr DWORD JE_ORDERDEAL_NO_DEALING_PASSIVE_RESULT = 0x89630004;

// Behaviour states the deals look at.
constexpr DWORD JD_STATE_STRUCK_DOWN = 50;
constexpr DWORD JD_STATE_CATCH_IMMUNE = 51;
// Persons immune to this state take no terrain rates.
constexpr DWORD JD_STATE_TERRAIN_IMMUNE = 52;
constexpr DWORD JD_STATE_HP_ABSORB_IMMUNE = 54;
constexpr DWORD JD_STATE_SP_ABSORB_IMMUNE = 55;
constexpr DWORD JD_STATE_SURE_EVADE = 60;
constexpr DWORD JD_STATE_SURE_HIT = 61;
constexpr DWORD JD_STATE_IGNORE_DEFENSE = 62;
constexpr DWORD JD_STATE_NO_PHYSICAL_DAMAGE = 63;
constexpr DWORD JD_STATE_NO_MAGIC_DAMAGE = 64;

class JC_BehaviorAnalyser;
class JC_ControlGame;
class JC_ControlPersonPower;
class JC_ControlScene;
class JC_ControlTeam;
class JC_ControlTeamPerson;
class JC_ControlWarehouse;
class JC_DataManager;
class JC_DebugLog;
class JC_OrderBehavior;
class JC_OrderInput;
class JC_OrderResultActive;
class JC_OrderResultManager;
class JC_OrderResultPassive;

// The persons and results of the target being dealt.
struct JS_OrderDealing
{
    JC_ControlPersonPower* pActor = nullptr;
    JC_ControlPersonPower* pTarget = nullptr;
    JC_OrderResultActive* pActiveResult = nullptr;
    JC_OrderResultPassive* pTargetResult = nullptr;
};

// A deal's codes for the objects it needs, 0 for one it does without.
struct JS_OrderDealingCodes
{
    DWORD dwNoActor;
    DWORD dwNoTarget;
    DWORD dwNoActiveResult;
    DWORD dwNoTargetResult;
};

// The common base of the deals: binds a deal to the order being dealt and
// holds the calculations several deals share. Every person getter takes the
// record flag 1 in a real order and 0 in a preview.
class JC_OrderDealBase : public JI_OrderDeal
{
public:
    virtual ~JC_OrderDealBase() = default;

    DWORD Initiation(JC_OrderInformation* pOrderInformation) override;

    // The battle side every deal shares; null until the battle provides it.
    static void SetBattle(JI_OrderDealBattle* pBattle) { s_pBattle = pBattle; }
    // The dice of every deal; null restores the C runtime's.
    static void SetRandom(JC_Random* pRandom) { s_pRandom = pRandom != nullptr ? pRandom : &s_DefaultRandom; }
    // Told of every roll and what it decided; null for none.
    static void SetRollWatch(JI_OrderDealRollWatch* pWatch) { s_pRollWatch = pWatch; }

protected:
    int Random(int iMax) { return s_pRandom->Random(iMax); }
    int Random(int iMin, int iMax) { return s_pRandom->Random(iMin, iMax); }
    int Chance(int iPercent) { return s_pRandom->Chance(iPercent); }
    // Tells the roll watch what a drawn value decided; gives back bYes.
    bool Decided(const char* szRoll, int iValue, bool bYes) const;
    // Chance's draw (none for 0, else Random(99) + 1 against the percent),
    // told to the roll watch.
    bool RollChance(const char* szRoll, int iPercent);

    DWORD CalculateHitRate(JC_ControlPersonPower* pActive, JC_ControlPersonPower* pPassive, const std::string& strHit,
                           const std::string& strDodge, DWORD dwPredict, DWORD dwUseTerrain, int& iHitPercent);
    DWORD CalculateAttackDefense(JC_ControlPersonPower* pActive, JC_ControlPersonPower* pPassive,
                                 const std::string& strAttack, const std::string& strDefense, DWORD dwPredict,
                                 DWORD dwUseTerrain, int& iAttack, int& iDefense);
    int GetDirectionRate(JC_ControlPersonPower* pActive, JC_ControlPersonPower* pPassive);
    int GetFaceValue(JC_ControlPersonPower* pActive, JC_ControlPersonPower* pPassive, int iFront, int iBack, int iSide);
    DWORD AbsorbHPSP(int iHPAmount, int iHPRate, int iSPAmount, int iSPRate, DWORD dwCheckImmunity);
    DWORD ApplyHPSPChange(int& iHP, int& iSP);
    DWORD DealPassiveDie(DWORD dwDieOut);
    DWORD CalculateExp();
    DWORD TakeLegacyMoney();
    DWORD TakeLegacyThing();
    // Team indices of the fight team's persons on the four cells next to a
    // floor, of a camp (4 any) and life state (3 any); the number found or a
    // failing code.
    DWORD GetAdjacentPersons(int iFloor, int iCamp, int iLifeState, std::vector<int>& teamIndices);

    // Fetches what the deal needs in the order actor, target, active result,
    // target result; the first missing one is logged and its code returned.
    DWORD FetchDealing(const char* szSourceFile, const JS_OrderDealingCodes& codes, JS_OrderDealing& dealing) const;
    // A line that deals no damage shows only its chance to take effect.
    static void ShowChance(JC_OrderResultPassive& passive, int iPercent);
    static void ShowNoDamage(JC_OrderResultPassive& passive) { ShowChance(passive, 100); }
    // The line missed the target.
    void Miss(JC_OrderResultPassive& passive);
    // A real blow on a fallen target removes its body.
    void RemoveBody(JC_ControlPersonPower& target, JC_OrderResultPassive& passive);
    // The target struck down: its death, experience and spoils.
    DWORD Fell(DWORD dwDieOut);
    // Applies the target's HP and SP change; at 0 HP the target falls
    // (ORDERDEAL_NEXT_TARGET), else it lives on (ORDERDEAL_NEXT_LINE).
    DWORD SettleBlow(DWORD dwDieOut);
    // The damage after the target's resistance to an element (0 none).
    static int ApplyResistance(JC_ControlPersonPower& target, int iElement, int iDamage);
    // The damage raised by the actor's and lowered by the target's damage rates.
    static int ApplyDamageRates(JC_ControlPersonPower& actor, JC_ControlPersonPower& target, int iDamage);
    // Uses up a state that decided a blow, with its line to the debugger.
    static void UseUpState(JC_ControlPersonPower& holder, DWORD dwState, const char* szDebugLine);
    bool IsPreview() const;
    // The value of a define name, 0 for a name without one.
    int DefineOrZero(const std::string& strName) const;

    // A modifier applied to a value; empty or malformed gives 0.
    static int AddValue(int iValue, const std::string& strModifier);
    // A parameter read as a whole decimal number; anything else is 0.
    static int ParameterNumber(const std::string& strParameter);
    BOOL RecordFlag() const;
    // The name of a thing record, empty when there is none.
    std::string ThingName(DWORD dwKind, DWORD dwID) const;
    // Logs a failure of the deal at its source line and gives back its code.
    DWORD LogAt(const char* szSourceFile, int iLine, DWORD dwResult, const char* szMessage) const;

    JC_OrderInformation* m_pOrderInformation = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;
    JC_DataManager* m_pDataManager = nullptr;
    JC_BehaviorAnalyser* m_pBehaviorAnalyser = nullptr;
    JC_ControlGame* m_pControlGame = nullptr;
    JC_ControlScene* m_pControlScene = nullptr;
    JC_ControlTeam* m_pControlTeam = nullptr;
    JC_ControlTeamPerson* m_pControlTeamPerson = nullptr;
    JC_ControlWarehouse* m_pControlWarehouse = nullptr;
    JC_OrderInput* m_pOrderInput = nullptr;
    JC_OrderBehavior* m_pOrderBehavior = nullptr;
    JC_OrderResultManager* m_pOrderResultManager = nullptr;

    static JI_OrderDealBattle* s_pBattle;

private:
    // The landform rate of a person's floor raises a value unless the
    // person is immune to terrain.
    int WithTerrain(int iValue, JC_ControlPersonPower* pPerson, DWORD dwUseTerrain, int (JC_ControlScene::*pfnRate)(int));
    // 0, or the code of the first dealing object missing, logged.
    DWORD RequireDealing(bool bActive, bool bActiveResult) const;

    static JC_Random s_DefaultRandom;
    static JC_Random* s_pRandom;
    static JI_OrderDealRollWatch* s_pRollWatch;
};

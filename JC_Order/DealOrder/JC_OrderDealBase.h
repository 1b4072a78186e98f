#pragma once

#include "JC_DataManager/Control/JC_Random.h"
#include "JC_Order/DealOrder/JI_OrderDealBattle.h"
#include "JC_Order/JI_OrderDeal.h"

#include <string>

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
class JC_OrderResultManager;
class JC_OrderResultPassive;

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

protected:
    int Random(int iMax) { return s_pRandom->Random(iMax); }
    int Random(int iMin, int iMax) { return s_pRandom->Random(iMin, iMax); }
    int Chance(int iPercent) { return s_pRandom->Chance(iPercent); }

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

    // A modifier applied to a value; empty or malformed gives 0.
    static int AddValue(int iValue, const std::string& strModifier);
    // A parameter read as a whole decimal number; anything else is 0.
    static int ParameterNumber(const std::string& strParameter);
    BOOL RecordFlag() const;
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
    bool RequireDealing(bool bActive, bool bActiveResult) const;

    static JC_Random s_DefaultRandom;
    static JC_Random* s_pRandom;
};

#pragma once

#include "JC_DataManager/Control/JC_ControlEvolution.h"

class JC_BehaviorAnalyser;
class JC_ControlPersonPower;

constexpr DWORD JE_PERSONEVOLUTION_NULL_POWER = 0x89333001;
constexpr DWORD JE_PERSONEVOLUTION_NO_ERROR_LOG = 0x89333002;
constexpr DWORD JE_PERSONEVOLUTION_NO_DATA_MANAGER = 0x89333003;
constexpr DWORD JE_PERSONEVOLUTION_NO_ANALYSER = 0x89333004;
constexpr DWORD JE_EVOLUTION_NO_PERSON = 0x89333101;
constexpr DWORD JE_EVOLUTION_BEHAVIOR_EMPTY = 0x89333102;
constexpr DWORD JE_DEVOLUTION_NO_EVOLUTION_ID = 0x89333201;
constexpr DWORD JE_DEVOLUTION_NO_PERSON = 0x89333202;
constexpr DWORD JE_DEVOLUTION_BEHAVIOR_EMPTY = 0x89333203;
constexpr DWORD JE_EVOLUTION_ID_ZERO = 0x89333301;
constexpr DWORD JE_EVOLUTION_NO_RECORD = 0x89333302;

// Evolves and devolves the person bound to a power control: the evolution
// record's behaviours applied or taken back, and the evolved flag.
class JC_ControlPersonEvolution
{
public:
    JC_ControlPersonEvolution() = default;
    virtual ~JC_ControlPersonEvolution() = default;
    JC_ControlPersonEvolution(const JC_ControlPersonEvolution&) = delete;
    JC_ControlPersonEvolution& operator=(const JC_ControlPersonEvolution&) = delete;

    virtual DWORD Initiation(JC_ControlPersonPower* pPowerControl);

    DWORD SetEvolutionInfo(DWORD dwEvolutionID);
    // 1 when HP is low enough and morale high enough.
    BOOL CanEvolution();
    DWORD Evolution();
    DWORD Devolution();

private:
    // SetEvolutionInfo with the report of the callers.
    DWORD BindEvolution(DWORD dwEvolutionID);
    // Applies (bEvolve) or takes back the record's behaviours, in order; a
    // field outside the evolution fields ends the walk.
    DWORD WalkBehaviors(bool bEvolve);
    JC_DebugLog& ErrorLog() const;

    JC_ControlPersonPower* m_pPowerControl = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;
    JC_DataManager* m_pDataManager = nullptr;
    JC_BehaviorAnalyser* m_pBehaviorAnalyser = nullptr;
    JC_ControlEvolution m_ControlEvolutionObj;
};

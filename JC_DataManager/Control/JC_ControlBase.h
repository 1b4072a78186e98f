#pragma once

#include "JC_DataManager/Control/JC_Random.h"

#include <windows.h>

#include <initializer_list>
#include <string>

class JC_BehaviorAnalyser;
class JC_OperatorBase;
class JC_DataManager;
class JC_DebugLog;

constexpr DWORD JE_CONTROL_NULL_DATA_MANAGER = 0x89200011;
constexpr DWORD JE_CONTROL_DATA_MANAGER_NOT_INITIATED = 0x89200012;
constexpr DWORD JE_CONTROL_NULL_BEHAVIOR_ANALYSER = 0x89200013;

// Base of the controls that work on several records: it keeps the data
// manager, its error log and the behaviour analyser, none of them owned.
class JC_ControlBase : public JC_Random
{
public:
    ~JC_ControlBase() override = default;

    virtual DWORD Initiation(JC_DataManager* pDataManager, JC_BehaviorAnalyser* pBehaviorAnalyser);

    BOOL IsInitiated() const { return m_bInitiated; }
    // Null until initiated.
    JC_DataManager* GetDataManager() const;
    JC_DebugLog* GetErrorLog() const;
    JC_BehaviorAnalyser* GetBehaviorAnalyser() const;

protected:
    // An operator a control owns, and the report of its failed initiation: a
    // format of the code, the source file and the line.
    struct JS_OwnedOperator
    {
        JC_OperatorBase& operatorObj;
        const char* szFailure;
    };

    // Initiates the operators in order; the first failure is logged and
    // returned.
    DWORD InitiateOperators(std::initializer_list<JS_OwnedOperator> operators, const char* szSourceFile) const;
    // The error log; the data layer's debug log while not initiated.
    JC_DebugLog& ErrorLog() const;

    BOOL m_bInitiated = FALSE;
    JC_DataManager* m_pDataManager = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;
    JC_BehaviorAnalyser* m_pBehaviorAnalyser = nullptr;
    std::string m_strGamePath;
};

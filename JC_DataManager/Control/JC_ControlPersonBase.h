#pragma once

#include "JC_DataManager/Control/JC_Random.h"
#include "JC_DataManager/Operator/JC_OperatorJob.h"
#include "JC_DataManager/Operator/JC_OperatorPerson.h"

class JC_BehaviorAnalyser;

constexpr DWORD JE_CONTROLPERSON_NULL_DATA_MANAGER = 0x89330011;
constexpr DWORD JE_CONTROLPERSON_DATA_MANAGER_NOT_INITIATED = 0x89330012;
constexpr DWORD JE_CONTROLPERSON_NULL_BEHAVIOR_ANALYSER = 0x89330013;
constexpr DWORD JE_CONTROLPERSON_NOT_INITIATED = 0x89330021;
constexpr DWORD JE_CONTROLPERSON_NULL_PERSON = 0x89330022;
constexpr DWORD JE_CONTROLPERSON_NO_JOB = 0x89330023;

// Base of every control that works on one person: it binds the person's
// record together with the record of the person's job. Neither record is
// owned: persons belong to the teams or to whoever made them, jobs to the
// data manager.
class JC_ControlPersonBase : public JC_Random
{
public:
    ~JC_ControlPersonBase() override = default;

    virtual DWORD Initiation(JC_DataManager* pDataManager, JC_BehaviorAnalyser* pBehaviorAnalyser);
    // A failed bind leaves the control unbound.
    virtual DWORD SetControlPerson(JC_DataComponent* pPerson);

    BOOL IsInitiated() const { return m_bInitiated; }
    BOOL IsPersonBound() const { return m_bPersonBound; }
    // Null while not initiated.
    JC_DebugLog* GetErrorLog() const;
    JC_BehaviorAnalyser* GetBehaviorAnalyser() const;
    JC_DataManager* GetDataManager() const;
    // Null unless initiated and bound.
    JC_OperatorPerson* GetOperatorPerson();
    JC_DataComponent* GetPersonDataComponent() const;
    JC_OperatorJob* GetOperatorJob() { return &m_OperatorJobObj; }

protected:
    // The error log; the data layer's debug log while not initiated.
    JC_DebugLog& ErrorLog() const;
    bool IsBound() const { return m_bInitiated && m_bPersonBound; }
    // For a person record about to be destroyed.
    void ForgetPerson()
    {
        m_bPersonBound = FALSE;
        m_pPerson = nullptr;
    }

    BOOL m_bInitiated = FALSE;
    BOOL m_bPersonBound = FALSE;
    JC_DataManager* m_pDataManager = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;
    JC_BehaviorAnalyser* m_pBehaviorAnalyser = nullptr;
    JC_DataComponent* m_pPerson = nullptr;
    JC_OperatorPerson m_OperatorPersonObj;
    JC_OperatorJob m_OperatorJobObj;
};

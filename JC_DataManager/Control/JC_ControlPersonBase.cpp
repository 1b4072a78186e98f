#include "JC_DataManager/Control/JC_ControlPersonBase.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

DWORD JC_ControlPersonBase::Initiation(JC_DataManager* pDataManager, JC_BehaviorAnalyser* pBehaviorAnalyser)
{
    m_bInitiated = FALSE;
    m_bPersonBound = FALSE;
    m_pDataManager = nullptr;
    m_pErrorLog = nullptr;
    m_pBehaviorAnalyser = nullptr;
    m_pPerson = nullptr;
    if (pDataManager == nullptr)
        return JE_CONTROLPERSON_NULL_DATA_MANAGER;
    if (!pDataManager->IsInitiated())
        return JE_CONTROLPERSON_DATA_MANAGER_NOT_INITIATED;
    if (pBehaviorAnalyser == nullptr)
        return JE_CONTROLPERSON_NULL_BEHAVIOR_ANALYSER;
    m_pDataManager = pDataManager;
    m_pErrorLog = pDataManager->GetErrorLog();
    m_pBehaviorAnalyser = pBehaviorAnalyser;
    DWORD dwResult = m_OperatorPersonObj.Initiation(pDataManager);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlPersonBase Initiation OperatorPersonObj Fail. \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwResult));
        return dwResult;
    }
    dwResult = m_OperatorJobObj.Initiation(pDataManager);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlPersonBase Initiation OperatorJob Fail. \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwResult));
        return dwResult;
    }
    m_bInitiated = TRUE;
    return 0;
}

DWORD JC_ControlPersonBase::SetControlPerson(JC_DataComponent* pPerson)
{
    if (!m_bInitiated)
        return JE_CONTROLPERSON_NOT_INITIATED;
    m_bPersonBound = FALSE;
    m_pPerson = nullptr;
    if (pPerson == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " ControlPersonBase SetControlPerson Fail PersonObj NULL. \r\n");
        return JE_CONTROLPERSON_NULL_PERSON;
    }
    DWORD dwResult = m_OperatorPersonObj.SetDataConponent(pPerson);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlPersonBase SetPersonDataConponent Fail. \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwResult));
        return dwResult;
    }
    m_pPerson = pPerson;
    const DWORD dwJobID = m_OperatorPersonObj.GetJobID();
    JC_DataComponent* pJob = m_pDataManager->GetJobObj(dwJobID);
    if (pJob == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " ControlPersonBase GetJobObj Fail. \r\n JobID:0x%08x \r\n",
                           static_cast<unsigned>(dwJobID));
        return JE_CONTROLPERSON_NO_JOB;
    }
    dwResult = m_OperatorJobObj.SetDataConponent(pJob);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlPersonBase SetJobDataConponent Fail. \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwResult));
        return dwResult;
    }
    m_bPersonBound = TRUE;
    return 0;
}

JC_DebugLog* JC_ControlPersonBase::GetErrorLog() const
{
    return m_bInitiated ? m_pErrorLog : nullptr;
}

JC_BehaviorAnalyser* JC_ControlPersonBase::GetBehaviorAnalyser() const
{
    return m_bInitiated ? m_pBehaviorAnalyser : nullptr;
}

JC_DataManager* JC_ControlPersonBase::GetDataManager() const
{
    return m_bInitiated ? m_pDataManager : nullptr;
}

JC_OperatorPerson* JC_ControlPersonBase::GetOperatorPerson()
{
    return IsBound() ? &m_OperatorPersonObj : nullptr;
}

JC_DataComponent* JC_ControlPersonBase::GetPersonDataComponent() const
{
    return IsBound() ? m_pPerson : nullptr;
}

JC_DebugLog& JC_ControlPersonBase::ErrorLog() const
{
    return m_pErrorLog != nullptr ? *m_pErrorLog : *gp_DebugInfoObj;
}

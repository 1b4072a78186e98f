#include "JC_DataManager/Control/JC_ControlBase.h"

#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_DataManager/Operator/JC_OperatorBase.h"

DWORD JC_ControlBase::Initiation(JC_DataManager* pDataManager, JC_BehaviorAnalyser* pBehaviorAnalyser)
{
    m_bInitiated = FALSE;
    m_pDataManager = nullptr;
    m_pErrorLog = nullptr;
    m_pBehaviorAnalyser = nullptr;
    if (pDataManager == nullptr)
        return JE_CONTROL_NULL_DATA_MANAGER;
    if (!pDataManager->IsInitiated())
        return JE_CONTROL_DATA_MANAGER_NOT_INITIATED;
    if (pBehaviorAnalyser == nullptr)
        return JE_CONTROL_NULL_BEHAVIOR_ANALYSER;
    m_pDataManager = pDataManager;
    m_pErrorLog = pDataManager->GetErrorLog();
    m_pBehaviorAnalyser = pBehaviorAnalyser;
    m_strGamePath = pDataManager->GetPath();
    m_bInitiated = TRUE;
    return 0;
}

JC_DataManager* JC_ControlBase::GetDataManager() const
{
    return m_bInitiated ? m_pDataManager : nullptr;
}

JC_DebugLog* JC_ControlBase::GetErrorLog() const
{
    return m_bInitiated ? m_pErrorLog : nullptr;
}

JC_BehaviorAnalyser* JC_ControlBase::GetBehaviorAnalyser() const
{
    return m_bInitiated ? m_pBehaviorAnalyser : nullptr;
}

JC_DebugLog& JC_ControlBase::ErrorLog() const
{
    return m_pErrorLog != nullptr ? *m_pErrorLog : *gp_DebugInfoObj;
}

DWORD JC_ControlBase::InitiateOperators(std::initializer_list<JS_OwnedOperator> operators,
                                        const char* szSourceFile) const
{
    for (const JS_OwnedOperator& owned : operators) {
        const DWORD dwResult = owned.operatorObj.Initiation(m_pDataManager);
        if (dwResult != 0) {
            ErrorLog().Print(owned.szFailure, static_cast<unsigned>(dwResult), szSourceFile, __LINE__);
            return dwResult;
        }
    }
    return 0;
}

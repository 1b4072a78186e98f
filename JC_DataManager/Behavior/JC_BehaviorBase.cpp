#include "JC_DataManager/Behavior/JC_BehaviorBase.h"

#include "GameProgram/Common/XF_Cp950.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "TemplateSystem/JC_DebugLog.h"

DWORD JC_BehaviorBase::Initiation(JC_DataManager* pDataManager)
{
    m_pDataManager = nullptr;
    m_pErrorLog = nullptr;
    if (pDataManager == nullptr)
        return JE_BEHAVIOR_NULL_DATA_MANAGER;
    if (!pDataManager->IsInitiated())
        return JE_BEHAVIOR_DATA_MANAGER_NOT_INITIATED;
    m_pDataManager = pDataManager;
    m_pErrorLog = pDataManager->GetErrorLog();
    return 0;
}

std::string JC_BehaviorBase::GetType(const std::string& strBehavior) const
{
    return GetQuotedValue(strBehavior, "@Type");
}

std::string JC_BehaviorBase::GetParameter(const std::string& strBehavior) const
{
    return GetQuotedValue(strBehavior, "@Parameter");
}

DWORD JC_BehaviorBase::DecomposeOrder(const std::string& strText, JC_StringArray& parts) const
{
    parts.clear();
    const DWORD dwCount = m_Segments.GetSegmentCount(strText);
    parts.resize(dwCount);
    std::string strRest = strText;
    for (DWORD i = 0; i < dwCount; ++i)
        m_Segments.PopSegment(parts[i], strRest);
    return 0;
}

DWORD JC_BehaviorBase::GetDefineInfo(const std::string& strDefineName) const
{
    if (m_pDataManager == nullptr)
        return UNKNOWN_DEFINE;
    return m_pDataManager->GetDefineInfo(strDefineName);
}

JC_DebugLog& JC_BehaviorBase::ErrorLog() const
{
    return m_pErrorLog != nullptr ? *m_pErrorLog : *gp_DebugInfoObj;
}

std::string JC_BehaviorBase::GetQuotedValue(const std::string& strBehavior, const std::string& strKeyword)
{
    // Keywords and quotes are searched on character boundaries: a trail byte
    // of a double-byte character may read as '@'.
    const size_t keyword = XF_FindText(strBehavior, strKeyword);
    if (keyword == std::string::npos)
        return std::string();
    const size_t open = XF_FindChar(strBehavior, '"', keyword + strKeyword.size());
    if (open == std::string::npos)
        return std::string();
    const size_t close = XF_FindChar(strBehavior, '"', open + 1);
    if (close == std::string::npos)
        return std::string();
    return strBehavior.substr(open + 1, close - open - 1);
}

#include "JC_Script/DealScript/JC_ScriptDealTeam.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlTeam.h"
#include "TemplateSystem/JC_DebugLog.h"
#include "TemplateSystem/JF_NumberText.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

DWORD JC_ScriptDealTeam::Initiation(JC_ControlTeam* pControlTeam)
{
    if (pControlTeam == nullptr)
        return JE_DEALTEAM_NO_CONTROL;
    if (pControlTeam->IsInitiated() != TRUE)
        return JE_DEALTEAM_CONTROL_NOT_INITIATED;
    m_pControlTeam = pControlTeam;
    m_pErrorLog = pControlTeam->GetErrorLog();
    return 0;
}

DWORD JC_ScriptDealTeam::PopTeam(std::string& strText) const
{
    return m_pControlTeam->GetBehaviorAnalyser()->GetDefineInfo(PopField(strText));
}

DWORD JC_ScriptDealTeam::ReportFailure(const char* szCommand, const std::string& strText, DWORD dwResult,
                                       int iLine) const
{
    if (dwResult != 0)
        m_pErrorLog->PrintAt(s_szSourceFile, iLine,
                             " ScriptDealTeam Deal \"%s\" Script Fail. \r\n Script:%s \r\n HRESULT:0x%08x \r\n", szCommand,
                             strText.c_str(), static_cast<unsigned>(dwResult));
    return dwResult;
}

DWORD JC_ScriptDealTeam::Deal(const std::string& strText)
{
    if (m_pControlTeam == nullptr)
        return JE_DEALTEAM_NO_CONTROL;
    std::string strRest = strText;
    const std::string strCommand = PopField(strRest);
    if (strCommand == "AddPersonToTeamFromFixedData") {
        const TeamID teamID = static_cast<TeamID>(PopTeam(strRest));
        const int iTeamIndex = JF_DecimalToInt(PopField(strRest));
        const DWORD dwPersonID = static_cast<DWORD>(JF_DecimalToInt(strRest));
        const DWORD dwResult = m_pControlTeam->AddPersonToTeamFromFixedData(teamID, iTeamIndex, dwPersonID);
        if (dwResult != 0)
            m_pErrorLog->Print("劇本指令 AddPersonToTeamFromFixedData 處理時發生錯誤 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
                               static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    if (strCommand == "EmptyTeam") {
        const DWORD dwResult = m_pControlTeam->EmptyTeam(static_cast<TeamID>(PopTeam(strRest)));
        if (dwResult != 0)
            m_pErrorLog->Print("劇本指令 EmptyTeam 處理時發生錯誤 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
                               static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    if (strCommand == "DelPersonFromTeam") {
        const TeamID teamID = static_cast<TeamID>(PopTeam(strRest));
        const int iTeamIndex = JF_DecimalToInt(strRest);
        return ReportFailure("DelPersonFromTeam", strText, m_pControlTeam->DelPersonFromTeam(teamID, iTeamIndex),
                             __LINE__);
    }
    if (strCommand == "MovePersonFromTeamToTeam") {
        const TeamID sourceTeamID = static_cast<TeamID>(PopTeam(strRest));
        const int iSourceTeamIndex = JF_DecimalToInt(PopField(strRest));
        const TeamID targetTeamID = static_cast<TeamID>(PopTeam(strRest));
        const int iTargetTeamIndex = JF_DecimalToInt(strRest);
        return ReportFailure("MovePersonFromTeamToTeam", strText,
                             m_pControlTeam->MovePersonFromTeamToTeam(sourceTeamID, iSourceTeamIndex, targetTeamID,
                                                                      iTargetTeamIndex),
                             __LINE__);
    }
    if (strCommand == "Catch")
        return ReportFailure("Catch", strText, m_pControlTeam->Catch(JF_DecimalToInt(strRest)), __LINE__);
    m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " ScriptDealTeam FunctionNameNotSupport. \r\n Script:%s \r\n",
                         strText.c_str());
    return JE_DEALTEAM_UNKNOWN_COMMAND;
}

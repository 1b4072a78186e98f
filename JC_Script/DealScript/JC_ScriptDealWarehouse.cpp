#include "JC_Script/DealScript/JC_ScriptDealWarehouse.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "TemplateSystem/JC_DebugLog.h"
#include "TemplateSystem/JF_NumberText.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

DWORD JC_ScriptDealWarehouse::Initiation(JC_ControlWarehouse* pControlWarehouse)
{
    if (pControlWarehouse == nullptr)
        return JE_DEALWAREHOUSE_NO_CONTROL;
    if (pControlWarehouse->IsInitiated() != TRUE)
        return JE_DEALWAREHOUSE_CONTROL_NOT_INITIATED;
    m_pControlWarehouse = pControlWarehouse;
    m_pErrorLog = pControlWarehouse->GetErrorLog();
    return 0;
}

DWORD JC_ScriptDealWarehouse::ReportFailure(const char* szCommand, const std::string& strText, DWORD dwResult,
                                            int iLine) const
{
    if (dwResult != 0)
        m_pErrorLog->PrintAt(s_szSourceFile, iLine,
                             " ScriptDealWarehouse Deal \"%s\" Script Fail. \r\n Script:%s \r\n HRESULT:0x%08x \r\n",
                             szCommand, strText.c_str(), static_cast<unsigned>(dwResult));
    return dwResult;
}

DWORD JC_ScriptDealWarehouse::Deal(const std::string& strText)
{
    if (m_pControlWarehouse == nullptr)
        return JE_DEALWAREHOUSE_NO_CONTROL;
    std::string strRest = strText;
    const std::string strCommand = PopField(strRest);
    if (strCommand != "AddThing" && strCommand != "EmptyWarehouse") {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " ScriptDealWarehouse FunctionNameNotSupport. \r\n Script:%s \r\n",
                             strText.c_str());
        return JE_DEALWAREHOUSE_UNKNOWN_COMMAND;
    }
    const int iWarehouse =
        static_cast<int>(m_pControlWarehouse->GetBehaviorAnalyser()->GetDefineInfo(PopField(strRest)));
    if (strCommand == "EmptyWarehouse")
        return ReportFailure("EmptyWarehouse", strText, m_pControlWarehouse->EmptyWarehouse(iWarehouse), __LINE__);
    const DWORD dwThingID = static_cast<DWORD>(JF_DecimalToInt(PopField(strRest)));
    const int iCount = JF_DecimalToInt(strRest);
    return ReportFailure("AddThing", strText, m_pControlWarehouse->AddThing(iWarehouse, dwThingID, iCount), __LINE__);
}

#include "JC_Script/DealScript/JC_ScriptDealPerson.h"

#include "JC_DataManager/Control/JC_ControlTeamPerson.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_Script/JC_ScriptManager.h"
#include "TemplateSystem/JC_DebugLog.h"
#include "TemplateSystem/JF_NumberText.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

DWORD JC_ScriptDealPerson::Initiation(JC_ControlTeamPerson* pControlTeamPerson)
{
    if (pControlTeamPerson == nullptr)
        return JE_DEALPERSON_NO_HANDLER;
    if (pControlTeamPerson->IsInitiated() != TRUE)
        return JE_DEALPERSON_HANDLER_NOT_INITIATED;
    m_pControlTeamPerson = pControlTeamPerson;
    m_pErrorLog = pControlTeamPerson->GetErrorLog();
    return 0;
}

DWORD JC_ScriptDealPerson::Deal(const std::string& strText)
{
    if (m_pControlTeamPerson == nullptr)
        return JE_DEALPERSON_NO_HANDLER;
    std::string strRest = strText;
    const DWORD dwTeamID = m_pControlTeamPerson->GetDataManager()->GetDefineInfo(PopField(strRest));
    const int iTeamNumber = JF_DecimalToInt(PopField(strRest));
    const std::string strType = PopField(strRest);
    if (strType == "Receive")
        return Receive(dwTeamID, iTeamNumber, strRest, strText);
    const DWORD dwResult =
        m_pControlTeamPerson->ScriptNotify(static_cast<TeamID>(dwTeamID), iTeamNumber, strType, strRest);
    if (dwResult != 0)
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " ScriptNotify Fail. \r\n Script:%s \r\n HRESULT:0x%08x \r\n",
                             strText.c_str(), static_cast<unsigned>(dwResult));
    return dwResult;
}

// Every element of an item the person's template holds can be read.
DWORD JC_ScriptDealPerson::Receive(DWORD dwTeamID, int iTeamNumber, std::string& strRest, const std::string& strText)
{
    const std::string strItemName = PopField(strRest);
    const int iItemIndex = JF_DecimalToInt(PopField(strRest));
    JC_DataComponent* pPerson = nullptr;
    DWORD dwResult =
        m_pControlTeamPerson->GetControlTeam()->GetPersonFromTeam(static_cast<TeamID>(dwTeamID), iTeamNumber, pPerson);
    if (dwResult == 0 && pPerson == nullptr)
        dwResult = JE_DEALPERSON_UNKNOWN_ITEM;
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                             " GetPersonFromTeam Fail. \r\n OperatorTeam:0x%08x \r\n TeamNumber:0x%08x \r\n HRESULT:0x%08x \r\n",
                             static_cast<unsigned>(dwTeamID), static_cast<unsigned>(iTeamNumber),
                             static_cast<unsigned>(dwResult));
        return dwResult;
    }
    if (pPerson->GetItemIndex(strItemName) < 0 || iItemIndex < 0) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                             " GetPersonFromTeam Fail. \r\n OperatorTeam:0x%08x \r\n TeamNumber:0x%08x \r\n HRESULT:0x%08x \r\n",
                             static_cast<unsigned>(dwTeamID), static_cast<unsigned>(iTeamNumber), 0u);
        return JE_DEALPERSON_UNKNOWN_ITEM;
    }
    int iValue = 0;
    dwResult = pPerson->GetItemValueAt(strItemName, static_cast<DWORD>(iItemIndex), &iValue);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                             " GetItemData Fail. \r\n ItemName:%s \r\n ItemIndex:0x%08x \r\n HRESULT:0x%08x \r\n",
                             strItemName.c_str(), static_cast<unsigned>(iItemIndex), static_cast<unsigned>(dwResult));
        return dwResult;
    }
    const std::string strFlagType = PopField(strRest);
    const DWORD dwFlagIndex = static_cast<DWORD>(JF_DecimalToInt(strRest));
    JC_ControlScriptFlag* pFlags = gp_ScriptManagerObj->GetScriptFlag();
    if (strFlagType == "FlagEvent")
        pFlags->SetFlagEvent(dwFlagIndex, iValue);
    else if (strFlagType == "FlagTalk")
        pFlags->SetFlagTalk(dwFlagIndex, iValue);
    else {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " ScripFlagType NotSupport. \r\n Script:%s \r\n", strText.c_str());
        return JE_DEALPERSON_UNKNOWN_FLAG;
    }
    return 0;
}

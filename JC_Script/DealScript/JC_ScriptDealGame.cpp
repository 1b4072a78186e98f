#include "JC_Script/DealScript/JC_ScriptDealGame.h"

#include "JC_DataManager/Control/JC_ControlGame.h"
#include "TemplateSystem/JC_DebugLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

DWORD JC_ScriptDealGame::Initiation(JC_ControlGame* pControlGame)
{
    if (pControlGame == nullptr)
        return JE_DEALGAME_NO_CONTROL;
    if (pControlGame->IsInitiated() != TRUE)
        return JE_DEALGAME_CONTROL_NOT_INITIATED;
    m_pControlGame = pControlGame;
    m_pErrorLog = pControlGame->GetErrorLog();
    return 0;
}

DWORD JC_ScriptDealGame::Deal(const std::string& strText)
{
    if (m_pControlGame == nullptr)
        return JE_DEALGAME_NO_CONTROL;
    std::string strRest = strText;
    const std::string strCommand = PopField(strRest);
    if (strCommand != "SetMoney" && strCommand != "AddMoney" && strCommand != "SetWorldMapIndex") {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " 劇本指令_事件 無法識別功能名稱. \r\n Script:%s \r\n",
                             strText.c_str());
        return JE_DEALGAME_UNKNOWN_COMMAND;
    }
    const int iNumber = ReadNumber(strRest, strText, m_pErrorLog, s_szSourceFile);
    if (strCommand == "SetMoney")
        m_pControlGame->SetMoney(iNumber);
    else if (strCommand == "AddMoney")
        m_pControlGame->AddMoney(iNumber);
    else
        m_pControlGame->SetWorldMapIndex(iNumber);
    return 0;
}

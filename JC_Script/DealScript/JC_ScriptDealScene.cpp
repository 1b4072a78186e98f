#include "JC_Script/DealScript/JC_ScriptDealScene.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlScene.h"
#include "TemplateSystem/JC_DebugLog.h"
#include "TemplateSystem/JF_NumberText.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

DWORD JC_ScriptDealScene::Initiation(JC_ControlScene* pControlScene)
{
    if (pControlScene == nullptr)
        return JE_DEALSCENE_NO_CONTROL;
    if (pControlScene->IsInitiated() != TRUE)
        return JE_DEALSCENE_CONTROL_NOT_INITIATED;
    m_pControlScene = pControlScene;
    m_pErrorLog = pControlScene->GetErrorLog();
    return 0;
}

DWORD JC_ScriptDealScene::Deal(const std::string& strText)
{
    if (m_pControlScene == nullptr)
        return JE_DEALSCENE_NO_CONTROL;
    std::string strArgument = strText;
    const std::string strCommand = PopField(strArgument);
    if (strCommand == "SetSceneFileName") {
        m_pControlScene->ResetSceneInfo(strArgument);
        return 0;
    }
    if (strCommand == "SetMapSize") {
        const int iWidth = JF_DecimalToInt(PopField(strArgument));
        return m_pControlScene->BuildFloors(iWidth, JF_DecimalToInt(strArgument));
    }
    DWORD dwResult = 0;
    if (DealNumber(strCommand, strArgument, dwResult))
        return dwResult;
    if (strCommand == "SetCampTurn") {
        m_pControlScene->SetCampTurn(static_cast<int>(m_pControlScene->GetBehaviorAnalyser()->GetDefineInfo(strArgument)));
        return 0;
    }
    if (DealText(strCommand, strArgument))
        return 0;
    if (strCommand == "ClsStartingPoint") {
        m_pControlScene->ClearStartingPoints();
        return 0;
    }
    if (strCommand == "SetStartingPoint")
        return m_pControlScene->AddStartingPoint(static_cast<DWORD>(JF_DecimalToInt(strArgument)));
    m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " ScriptDealScene FunctionNameNotSupport. \r\n Script:%s \r\n",
                         strText.c_str());
    return JE_DEALSCENE_UNKNOWN_COMMAND;
}

// The scene control binds the scene record itself and logs its failures;
// these commands answer 0 either way.
bool JC_ScriptDealScene::DealNumber(const std::string& strCommand, const std::string& strArgument,
                                    DWORD& dwResult) const
{
    dwResult = 0;
    if (strCommand != "SetMaxTurn" && strCommand != "SetTurn" && strCommand != "SetRoundStep"
        && strCommand != "SetCampStep")
        return false;
    const std::string strLine = strCommand + "," + strArgument;
    const int iNumber = ReadNumber(strArgument, strLine, m_pErrorLog, s_szSourceFile);
    // Turns and steps count up from 0.
    if (iNumber < 0)
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " ScriptDealScene NegativeNumber. \r\n Script:%s \r\n",
                             strLine.c_str());
    if (strCommand == "SetMaxTurn")
        m_pControlScene->SetMaxTurn(iNumber);
    else if (strCommand == "SetTurn")
        m_pControlScene->SetTurn(iNumber);
    else if (strCommand == "SetRoundStep")
        m_pControlScene->SetRoundStep(iNumber);
    else
        m_pControlScene->SetCampStep(iNumber);
    return true;
}

bool JC_ScriptDealScene::DealText(const std::string& strCommand, const std::string& strArgument) const
{
    static const struct
    {
        const char* szCommand;
        void (JC_ControlScene::*pfnSet)(const std::string&);
    } setters[] = {
        {"SetWinCondition", &JC_ControlScene::SetWinCondition},
        {"SetLoseCondition", &JC_ControlScene::SetLoseCondition},
        {"SetWinScript", &JC_ControlScene::SetWinScript},
        {"SetLoseScript", &JC_ControlScene::SetLoseScript},
        {"SetNextFightScript", &JC_ControlScene::SetNextFightScript},
        {"SetMusicCampPlayer", &JC_ControlScene::SetMusicCampPlayer},
        {"SetMusicCampComputer", &JC_ControlScene::SetMusicCampComputer},
    };
    for (const auto& setter : setters) {
        if (strCommand == setter.szCommand) {
            (m_pControlScene->*setter.pfnSet)(strArgument);
            return true;
        }
    }
    return false;
}

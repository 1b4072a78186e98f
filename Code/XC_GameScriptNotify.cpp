#include "Code/XC_GameScriptNotify.h"

#include "Code/DialogueScript/XC_DialogueController.h"
#include "Code/XC_Game.h"
#include "Code/XC_GameProcedureFactory.h"
#include "GameProgram/Common/XC_Strtok.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_InitOrder.h"
#include "GameProgram/Common/XF_SourceFile.h"
#include "JC_Script/JC_ScriptManager.h"

#include <cstring>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

XC_GameScriptNotify s_GameScriptNotify XM_INIT_ORDER(XE_INIT_GAME_SHELL_TABLES + 6);
XC_GameScriptNotify* g_pGameScriptNotify = &s_GameScriptNotify;

namespace {

struct XS_ProcedureName
{
    const char* szName;
    int iProcedureID;
};

const XS_ProcedureName s_ProcedureNames[] = {{"None", GP_None},           {"Logo", GP_Logo},
                                             {"Begin", GP_Begin},         {"WorldMap", GP_WorldMap},
                                             {"Battle", GP_Battle},       {"DialogueBattle", GP_DialogueBattle},
                                             {"OutGame", GP_OutGame}};

// The front word, removed; null, with a report, when there is none.
const char* TakeWord(XC_Strtok& words, int iLine)
{
    const char* szWord = words.GetToken(TRUE);
    if (szWord == nullptr)
        XF_ReportError(s_szSourceFile, iLine, nullptr);
    return szWord;
}

} // namespace

HRESULT XC_GameScriptNotify::Init()
{
    if (gp_ScriptManagerObj == nullptr)
        return E_FAIL;
    const DWORD dwResult = gp_ScriptManagerObj->AddFunction("Game", this);
    if (dwResult != 0)
        XM_REPORT_FAILED_HR("gp_ScriptManagerObj->AddFunction( \"Game\" , this )", dwResult);
    return S_OK;
}

HRESULT XC_GameScriptNotify::Fini()
{
    if (gp_ScriptManagerObj == nullptr)
        return E_FAIL;
    const DWORD dwResult = gp_ScriptManagerObj->DelFunction("Game");
    if (dwResult != 0)
        XM_REPORT_FAILED_HR("gp_ScriptManagerObj->DelFunction( \"Game\" )", dwResult);
    return S_OK;
}

DWORD XC_GameScriptNotify::Deal(const std::string& strText)
{
    XC_Strtok words;
    if (words.SetData(strText.c_str()) != S_OK) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return static_cast<DWORD>(E_FAIL);
    }
    const char* szKey = TakeWord(words, __LINE__);
    if (szKey == nullptr)
        return static_cast<DWORD>(E_FAIL);
    if (std::strcmp(szKey, "BackgroundMusic") == 0)
        return static_cast<DWORD>(HandleBackgroundMusic(words));
    if (std::strcmp(szKey, "ShowVideo") == 0)
        return static_cast<DWORD>(HandleShowVideo(words));
    if (std::strcmp(szKey, "DialogueScript") == 0)
        return static_cast<DWORD>(HandleDialogueScript(words));
    if (std::strcmp(szKey, "ChangeProcedure") == 0)
        return static_cast<DWORD>(HandleChangeProcedure(words));
    XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("GameScriptNotify 錯誤關鍵字 %s", szKey));
    return 0;
}

HRESULT XC_GameScriptNotify::HandleBackgroundMusic(XC_Strtok& words)
{
    const char* szSubKey = TakeWord(words, __LINE__);
    if (szSubKey == nullptr || g_pGame == nullptr)
        return E_FAIL;
    XC_ShowAudio* pMusic = g_pGame->GetBackgroundMusicObj();
    if (std::strcmp(szSubKey, "AddMusic") == 0) {
        const char* szFileName = TakeWord(words, __LINE__);
        if (szFileName == nullptr)
            return E_FAIL;
        const std::string strFileName = szFileName;
        return pMusic->AddMusic(strFileName.c_str(), words.GetTokenDword(TRUE));
    }
    if (std::strcmp(szSubKey, "DelMusic") == 0)
        return pMusic->DelMusic(words.GetTokenDword(TRUE));
    if (std::strcmp(szSubKey, "Play") == 0)
        pMusic->Play();
    else if (std::strcmp(szSubKey, "Stop") == 0)
        pMusic->Stop();
    else if (std::strcmp(szSubKey, "Pause") == 0)
        pMusic->Pause();
    else if (std::strcmp(szSubKey, "SetReplay") == 0)
        pMusic->SetReplay(words.GetTokenBool(TRUE) != FALSE);
    else if (std::strcmp(szSubKey, "SetVolume") == 0)
        pMusic->SetVolumePercent(words.GetTokenDword(TRUE), 0);
    else
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("GameScriptNotify::HandleBackgroundMusic 錯誤關鍵字 %s", szSubKey));
    return S_OK;
}

HRESULT XC_GameScriptNotify::HandleShowVideo(XC_Strtok& words)
{
    const char* szFileName = TakeWord(words, __LINE__);
    if (szFileName == nullptr || g_pGame == nullptr)
        return E_FAIL;
    const HRESULT hr = g_pGame->PlayVideo(szFileName);
    if (hr != S_OK)
        XM_REPORT_FAILED_HR("g_pGame->ShowVideo( szFileName )", hr);
    return S_OK;
}

HRESULT XC_GameScriptNotify::HandleDialogueScript(XC_Strtok& words)
{
    const char* szFileName = TakeWord(words, __LINE__);
    if (szFileName == nullptr || g_pDialogueController == nullptr)
        return E_FAIL;
    const HRESULT hr = g_pDialogueController->AddDialogueScript(szFileName);
    if (hr != S_OK)
        XM_REPORT_FAILED_HR("g_pDialogueController->AddDialogueScript( szFileName )", hr);
    return S_OK;
}

HRESULT XC_GameScriptNotify::HandleChangeProcedure(XC_Strtok& words)
{
    const char* szName = TakeWord(words, __LINE__);
    if (szName == nullptr || g_pGame == nullptr)
        return E_FAIL;
    for (const XS_ProcedureName& procedure : s_ProcedureNames) {
        if (std::strcmp(szName, procedure.szName) == 0)
            return g_pGame->ChangeProcedure(procedure.iProcedureID);
    }
    XF_ReportError(s_szSourceFile, __LINE__,
                   XF_FormatText("XC_GameScriptNotify::HandleChangeProcedure 錯誤關鍵字 %s", szName));
    return E_FAIL;
}

#include "Code/DialogueScript/XC_DialogueScriptCommand.h"

#include "Code/DialogueScript/XC_DialogueScript.h"
#include "Code/DialogueScript/XC_DialogueScriptManager.h"
#include "Code/DialogueScript/XC_DialogueScriptWork_Dialogue.h"
#include "Code/DialogueScript/XI_DialogueBattle.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/Common/XF_InitOrder.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"

#include <memory>
#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

// The dialogue script that runs the command; null, reported, for any other script.
XC_DialogueScript* GetDialogueScript(XC_ScriptCommand* pCommandObj)
{
    XC_DialogueScript* const pDialogueScript = dynamic_cast<XC_DialogueScript*>(pCommandObj->GetScriptObj());
    if (pDialogueScript == nullptr)
        XM_REPORT_FAILED("pDialogueScript");
    return pDialogueScript;
}

// The dialogue box part named by the prefix and the command's "Target" (NameA,
// PortraitB, ...); null when the script has none of the class T.
template <class T>
T* FindBoxPart(XC_ScriptCommand* pCommandObj, XC_DialogueScript* pDialogueScript, const char* szPrefix)
{
    const XC_String strName = XC_String(szPrefix) + pCommandObj->GetStringParameter("Target", "A");
    return dynamic_cast<T*>(pDialogueScript->GetScriptResource()->GetRenderObj(strName.c_str()));
}

// A new work typing line dwLineNum of the script into the text; null when the line does not exist.
XC_DialogueScriptWork_Dialogue* MakeDialogueWork(XC_DialogueScript* pDialogueScript, XC_RenderString* pRenderStringObj,
                                                 DWORD dwLineNum)
{
    XC_String stringDialogue;
    const HRESULT hr = pDialogueScript->GetDialogueFromLineNum(dwLineNum, stringDialogue);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("pDialogueScript->GetDialogueFromLineNum( dwLineNum , stringDialogue )", hr);
        return nullptr;
    }
    XC_DialogueScriptWork_Dialogue* const pWork = new (std::nothrow) XC_DialogueScriptWork_Dialogue;
    if (pWork == nullptr) {
        XM_REPORT_FAILED("pDialogueWork");
        return nullptr;
    }
    pWork->SetTarget(pRenderStringObj, stringDialogue.c_str());
    return pWork;
}

// The portrait animation shows page dwPage; a missing one is reported.
void ShowPage(XC_RenderAnimation* pRenderAniObj, const char* szObjectName, DWORD dwPage)
{
    if (pRenderAniObj == nullptr) {
        XM_REPORT_FAILED(szObjectName);
        return;
    }
    pRenderAniObj->SetCurrentPage(dwPage);
}

HRESULT ShowPerson(XC_ScriptCommand* pCommandObj, XC_DialogueScript* pDialogueScript)
{
    XC_String strAniName;
    XC_String strPersonName;
    DWORD dwColor = 0;
    if (FAILED(pDialogueScript->GetPersonDataFromIndex(pCommandObj->GetDwordParameter("dwPerson", 0), strAniName,
                                                       strPersonName, dwColor)))
        return E_FAIL;
    XC_RenderString* const pRenderStringObj = FindBoxPart<XC_RenderString>(pCommandObj, pDialogueScript, "Name");
    if (pRenderStringObj != nullptr) {
        const HRESULT hr = pRenderStringObj->SetString(strPersonName.c_str(), dwColor);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("pRenderStringObj->SetString( strPersonName.c_str() )", hr);
    }
    XC_RenderAnimation* const pRenderAniObj = FindBoxPart<XC_RenderAnimation>(pCommandObj, pDialogueScript, "Portrait");
    if (pRenderAniObj == nullptr) {
        XM_REPORT_FAILED("pRenderAniObj");
        return S_OK;
    }
    const HRESULT hr = pRenderAniObj->LoadAnimation(strAniName.c_str());
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pRenderAniObj->SetAnimationObject( strAniName.c_str() )", hr);
    return S_OK;
}

HRESULT Dialogue(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    XC_DialogueScript* const pDialogueScript = GetDialogueScript(pCommandObj);
    if (pDialogueScript == nullptr)
        return E_FAIL;
    if (pCommandObj->HasParameter("dwPerson") && FAILED(ShowPerson(pCommandObj, pDialogueScript)))
        return E_FAIL;
    if (pCommandObj->HasParameter("dwExpression")) {
        ShowPage(FindBoxPart<XC_RenderAnimation>(pCommandObj, pDialogueScript, "Portrait"), "pRenderAniObj",
                 pCommandObj->GetDwordParameter("dwExpression", 0));
    }
    if (pCommandObj->HasParameter("dwTalk")) {
        XC_RenderString* const pRenderStringObj = FindBoxPart<XC_RenderString>(pCommandObj, pDialogueScript, "Talk");
        if (pRenderStringObj == nullptr) {
            XM_REPORT_FAILED("pRenderStringObj");
            return E_FAIL;
        }
        *rpSpriteWorkObj =
            MakeDialogueWork(pDialogueScript, pRenderStringObj, pCommandObj->GetDwordParameter("dwTalk", 0));
        if (*rpSpriteWorkObj == nullptr)
            return E_FAIL;
    }
    return S_OK;
}

HRESULT ShowSpeakerName(XC_ScriptCommand* pCommandObj, XC_DialogueScript* pDialogueScript)
{
    const DWORD dwPerson = pCommandObj->GetDwordParameter("dwPersonIdx", 0);
    XC_String strName;
    DWORD dwColor = 0;
    HRESULT hr = pDialogueScript->GetPersonNameFromIndex(dwPerson, strName, dwColor);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("pDialogueScript->GetPersonNameFromIndex( dwPerson , strName , dwColor )", hr);
        return hr;
    }
    XC_RenderString* const pRS_Name = FindBoxPart<XC_RenderString>(pCommandObj, pDialogueScript, "Name");
    if (pRS_Name == nullptr) {
        XM_REPORT_FAILED("pRS_Name");
        return E_FAIL;
    }
    hr = pRS_Name->SetString(strName.c_str(), dwColor);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pRS_Name->SetString( strName.c_str() )", hr);
    return hr;
}

HRESULT Talk(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    XC_DialogueScript* const pDialogueScript = GetDialogueScript(pCommandObj);
    if (pDialogueScript == nullptr)
        return E_FAIL;
    if (pCommandObj->HasParameter("dwPersonIdx")) {
        const HRESULT hr = ShowSpeakerName(pCommandObj, pDialogueScript);
        if (FAILED(hr))
            return hr;
    }
    if (pCommandObj->HasParameter("dwPage")) {
        XC_RenderAnimation* const pRA_Frame = FindBoxPart<XC_RenderAnimation>(pCommandObj, pDialogueScript, "Frame");
        if (pRA_Frame == nullptr) {
            XM_REPORT_FAILED("pRA_Frame");
            return E_FAIL;
        }
        pRA_Frame->SetCurrentPage(pCommandObj->GetDwordParameter("dwPage", 0));
    }
    if (pCommandObj->HasParameter("dwTalk")) {
        XC_RenderString* const pRS_Talk = FindBoxPart<XC_RenderString>(pCommandObj, pDialogueScript, "Talk");
        if (pRS_Talk == nullptr) {
            XM_REPORT_FAILED("pRS_Talk");
            return E_FAIL;
        }
        *rpSpriteWorkObj = MakeDialogueWork(pDialogueScript, pRS_Talk, pCommandObj->GetDwordParameter("dwTalk", 0));
        if (*rpSpriteWorkObj == nullptr)
            return E_FAIL;
    }
    return S_OK;
}

HRESULT SetFace(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    XC_DialogueScript* const pDialogueScript = GetDialogueScript(pCommandObj);
    if (pDialogueScript == nullptr)
        return E_FAIL;
    const DWORD dwPerson = pCommandObj->GetDwordParameter("dwPersonIdx", 0);
    XC_String strAniName;
    HRESULT hr = pDialogueScript->GetPersonFaceFromIndex(dwPerson, strAniName);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("pDialogueScript->GetPersonFaceFromIndex( dwPerson , strAniName )", hr);
        return hr;
    }
    XC_RenderAnimation* const pRA_Face = FindBoxPart<XC_RenderAnimation>(pCommandObj, pDialogueScript, "Face");
    if (pRA_Face == nullptr) {
        XM_REPORT_FAILED("pRA_Face");
        return S_OK;
    }
    hr = pRA_Face->LoadAnimation(strAniName.c_str());
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pRA_Face->SetAnimationObject( strAniName.c_str() )", hr);
    return S_OK;
}

HRESULT SetExpression(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    XC_DialogueScript* const pDialogueScript = GetDialogueScript(pCommandObj);
    if (pDialogueScript == nullptr)
        return E_FAIL;
    ShowPage(FindBoxPart<XC_RenderAnimation>(pCommandObj, pDialogueScript, "Face"), "pRA_Obj",
             pCommandObj->GetDwordParameter("dwExpression", 0));
    return S_OK;
}

HRESULT PersonToFloor(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    XI_DialogueBattle* const pBattle = XC_DialogueScriptManager::GetBattle();
    if (pBattle == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, "PersonToFloor Error , need in BattleScene");
        return E_FAIL;
    }
    if (!pCommandObj->HasParameter("dwPerosnIdx") || !pCommandObj->HasParameter("dwFloorIdx")) {
        XF_ReportError(s_szSourceFile, __LINE__, "PersonToFloor Error , need dwPerosnIdx and dwFloorIdx");
        return E_FAIL;
    }
    const int iTeamIndex = static_cast<int>(pCommandObj->GetDwordParameter("dwPerosnIdx", 0));
    const int iFloor = static_cast<int>(pCommandObj->GetDwordParameter("dwFloorIdx", 0));
    if (pBattle->FindPerson(iTeamIndex) == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("PersonToFloor Error , can't find person \"%d\"", iTeamIndex));
        return E_FAIL;
    }
    *rpSpriteWorkObj = pBattle->MovePersonToFloor(iTeamIndex, iFloor);
    if (*rpSpriteWorkObj == nullptr) {
        XM_REPORT_FAILED("pPersonMoveObj");
        return E_FAIL;
    }
    return S_OK;
}

} // namespace

XC_DialogueScriptCommand::XC_DialogueScriptCommand()
{
    m_CommandTable["Dialogue"] = Dialogue;
    m_CommandTable["SetFace"] = SetFace;
    m_CommandTable["SetExpression"] = SetExpression;
    m_CommandTable["Talk"] = Talk;
    m_CommandTable["PersonToFloor"] = PersonToFloor;
}

XC_DialogueScriptCommand::~XC_DialogueScriptCommand() = default;

static XC_DialogueScriptCommand s_DialogueScriptCommandObj XM_INIT_ORDER(XE_INIT_GAME_SHELL_TABLES);
XC_DialogueScriptCommand* g_pDialogueScriptCommandObj = &s_DialogueScriptCommandObj;

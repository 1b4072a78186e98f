#include "Code/DialogueScript/XC_DialogueScript.h"

#include "Code/DialogueScript/XC_DialogueScriptCommand.h"
#include "Code/DialogueScript/XC_DialogueScriptManager.h"
#include "GameProgram/Common/XC_Strtok.h"
#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "GameProgram/Resource/XC_AnimationPic.h"
#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_DataManager/Manager/JC_DataManager.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

// The first word of a person line that takes the person from the player's team.
const char* const s_szFromOurTeam = "fromourteam";
// Name colours of persons from the team: "Sex" 0 blue, any other pink.
const DWORD SEX_0_NAME_COLOR = 0xff8dcef3;
const DWORD OTHER_SEX_NAME_COLOR = 0xfff4abcf;

// Reports what is wrong with person line dwPerson of the person data file.
void ReportPersonLine(int iLine, DWORD dwPerson, const char* szWhat)
{
    XF_ReportError(s_szSourceFile, iLine,
                   XF_FormatText("XC_DialogueScript::GetPersonDataFromIndex Error , %s line %lu %s",
                                 XC_DialogueScriptManager::PERSON_DATA_FILE, static_cast<unsigned long>(dwPerson),
                                 szWhat));
}

// Name, portrait and colour of the person of the player's team whose ID is dwPersonID.
HRESULT ReadTeamPerson(DWORD dwPersonID, XC_String& strAniName, XC_String& strName, DWORD& dwColor)
{
    JC_ControlPersonPower cControlPersonPowerObj;
    const DWORD dwResult = cControlPersonPowerObj.Initiation(gp_DataManagerObj, gp_BehaviorAnalyserObj);
    if (dwResult != 0) {
        XM_REPORT_FAILED_HR("cControlPersonPowerObj.Initiation( gp_DataManagerObj , gp_BehaviorAnalyserObj )",
                            dwResult);
    }
    JC_DataComponent* pPerson = nullptr;
    if (dwResult != 0 || gp_ControlManagerObj == nullptr
        || gp_ControlManagerObj->m_ControlTeamObj.FindPersonFromTeam(TeamID::TEAMID_OUR, dwPersonID, pPerson) != 0
        || cControlPersonPowerObj.SetControlPerson(pPerson) != 0) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("DialogueScript Dialogue2 error , can't find dwPersonID = %d",
                                     static_cast<int>(dwPersonID)));
        return E_FAIL;
    }
    std::string strPersonName;
    cControlPersonPowerObj.GetPersonName(strPersonName);
    strName = strPersonName;
    char szAniName[32];
    std::snprintf(szAniName, sizeof(szAniName), "face\\sf%08x.ant",
                  static_cast<unsigned>(cControlPersonPowerObj.GetAnimationID()));
    strAniName = szAniName;
    dwColor = cControlPersonPowerObj.GetSex() == 0 ? SEX_0_NAME_COLOR : OTHER_SEX_NAME_COLOR;
    return S_OK;
}

} // namespace

XC_DialogueScript::XC_DialogueScript()
{
    if (g_pDialogueScriptCommandObj == nullptr)
        XM_REPORT_FAILED("g_pDialogueScriptCommandObj");
    else
        m_pScriptCommandObj = g_pDialogueScriptCommandObj;
}

XC_DialogueScript::~XC_DialogueScript() = default;

HRESULT XC_DialogueScript::Load(XC_TextNode* pTNodeScript)
{
    HRESULT hr = XC_Script::Load(pTNodeScript);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("XC_Script::Load( pTNodeScript )", hr);
        return E_FAIL;
    }
    const XC_TextNode* const pTNodeSys = pTNodeScript != nullptr ? pTNodeScript->FindChildNode("[Sys]") : nullptr;
    const XC_TextLeaf* const pTLeafFile = pTNodeSys != nullptr ? pTNodeSys->FindLeaf("DialogueFile") : nullptr;
    const char* const lpctstrDialogueFileName = pTLeafFile != nullptr ? pTLeafFile->GetStr() : nullptr;
    if (lpctstrDialogueFileName == nullptr) {
        XM_REPORT_FAILED("lpctstrDialogueFileName");
    } else {
        hr = LoadDialogueFile(lpctstrDialogueFileName);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("LoadDialogueFile( lpctstrDialogueFileName )", hr);
    }
    hr = XC_AnimationPic::LoadAnimationPicAll();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("XC_AnimationPic::LoadAnimationPicAll()", hr);
    return S_OK;
}

HRESULT XC_DialogueScript::SetPersonData(const XC_IOTextFile* pDialoguePersonData)
{
    if (pDialoguePersonData == nullptr)
        XM_REPORT_FAILED("pDialoguePersonData");
    m_pDialoguePersonData = pDialoguePersonData;
    return S_OK;
}

HRESULT XC_DialogueScript::LoadDialogueFile(const char* szDialogueFileName)
{
    m_DialogueFile.Clear();
    if (szDialogueFileName == nullptr) {
        XM_REPORT_FAILED("szDialogueFileName");
        return E_FAIL;
    }
    m_strDialogueFileName = szDialogueFileName;
    if (g_pPackFile_Data == nullptr) {
        XM_REPORT_FAILED("g_pPackFile_Data");
        return E_FAIL;
    }
    const std::unique_ptr<XS_FileData> pFileData(g_pPackFile_Data->GetData(szDialogueFileName));
    if (pFileData == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("XC_DialogueScript::LoadDialogueFile\n\t讀取檔案失敗 %s", szDialogueFileName));
        return E_FAIL;
    }
    const HRESULT hr =
        m_DialogueFile.LoadFromMemory(reinterpret_cast<const char*>(pFileData->pData), pFileData->dwSize);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_DialogueFile.LoadFromMemory( pFileData->pData , pFileData->dwSize )", hr);
        return E_FAIL;
    }
    return S_OK;
}

HRESULT XC_DialogueScript::GetDialogueFromLineNum(DWORD dwLineNum, XC_String& stringDialogue) const
{
    const char* const szLine = m_DialogueFile.GetLine(dwLineNum);
    if (szLine == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("XC_DialogueScript::GetDialogueFromLineNum Error , %s has no line %lu",
                                     m_strDialogueFileName.c_str(), static_cast<unsigned long>(dwLineNum)));
        return E_FAIL;
    }
    stringDialogue = szLine;
    return S_OK;
}

HRESULT XC_DialogueScript::GetPersonDataFromIndex(DWORD dwPerson, XC_String& strAniName, XC_String& strName,
                                                  DWORD& dwColor) const
{
    const char* const szLine = m_pDialoguePersonData != nullptr ? m_pDialoguePersonData->GetLine(dwPerson) : nullptr;
    if (szLine == nullptr) {
        ReportPersonLine(__LINE__, dwPerson, "does not exist");
        return E_FAIL;
    }
    XC_Strtok strtokObj;
    if (FAILED(strtokObj.SetData(szLine)) || !strtokObj.HasToken()) {
        ReportPersonLine(__LINE__, dwPerson, "has no words");
        return E_FAIL;
    }
    if (std::strcmp(strtokObj.GetToken(FALSE), s_szFromOurTeam) == 0) {
        strtokObj.PopFrontToken();
        return ReadTeamPerson(strtokObj.GetTokenDword(TRUE), strAniName, strName, dwColor);
    }
    dwColor = strtokObj.GetTokenDword(TRUE);
    const char* const szName = strtokObj.GetToken(TRUE);
    if (szName == nullptr) {
        ReportPersonLine(__LINE__, dwPerson, "has no name");
        return E_FAIL;
    }
    strName = szName;
    const char* const szAniName = strtokObj.GetToken(TRUE);
    if (szAniName == nullptr) {
        ReportPersonLine(__LINE__, dwPerson, "has no portrait");
        return E_FAIL;
    }
    strAniName = szAniName;
    return S_OK;
}

HRESULT XC_DialogueScript::GetPersonFaceFromIndex(DWORD dwPerson, XC_String& strAniName) const
{
    XC_String strName;
    DWORD dwColor = 0;
    return GetPersonDataFromIndex(dwPerson, strAniName, strName, dwColor);
}

HRESULT XC_DialogueScript::GetPersonNameFromIndex(DWORD dwPerson, XC_String& strName, DWORD& dwColor) const
{
    XC_String strAniName;
    return GetPersonDataFromIndex(dwPerson, strAniName, strName, dwColor);
}

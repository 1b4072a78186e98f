#include "Code/DialogueScript/XC_DialogueScriptManager.h"

#include "Code/DialogueScript/XC_DialogueScript.h"
#include "Code/DialogueScript/XI_DialogueBattle.h"
#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "GameProgram/Script/XC_ScriptResource.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

XI_DialogueBattle* XC_DialogueScriptManager::s_pBattle = nullptr;

XC_DialogueScriptManager::XC_DialogueScriptManager() = default;

// The scripts point at the person data: they go before it.
XC_DialogueScriptManager::~XC_DialogueScriptManager()
{
    Fini();
}

HRESULT XC_DialogueScriptManager::InitScriptManager(XI_EnvironmentOfRender* pEnvironmentOfRender)
{
    HRESULT hr = Init(pEnvironmentOfRender);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("Init( pEnvironmentOfRender )", hr);
        return E_FAIL;
    }
    m_DialoguePersonData.Clear();
    if (g_pPackFile_Data == nullptr) {
        XM_REPORT_FAILED("g_pPackFile_Data");
        return E_FAIL;
    }
    const std::unique_ptr<XS_FileData> pFileData(g_pPackFile_Data->GetData(PERSON_DATA_FILE));
    if (pFileData == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("XC_TextureManager::GetTextureList \n\t讀取檔案失敗 %s", PERSON_DATA_FILE));
        return E_FAIL;
    }
    hr = m_DialoguePersonData.LoadFromMemory(reinterpret_cast<const char*>(pFileData->pData), pFileData->dwSize);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_DialoguePersonData.LoadFromMemory( pFileData->pData , pFileData->dwSize )", hr);
        return E_FAIL;
    }
    return S_OK;
}

HRESULT XC_DialogueScriptManager::CreateScript(XC_TextNode* pTNodeScript)
{
    if (pTNodeScript == nullptr || pTNodeScript->GetName() == nullptr
        || std::strcmp(pTNodeScript->GetName(), "[Dialogue]") != 0)
        return XC_ScriptSet::CreateScript(pTNodeScript);

    XC_DialogueScript* const pDialogueScrip = new (std::nothrow) XC_DialogueScript;
    if (pDialogueScrip == nullptr) {
        XM_REPORT_FAILED("pDialogueScrip");
        return E_OUTOFMEMORY;
    }
    HRESULT hr = pDialogueScrip->Init(m_pEnvironmentOfRender, m_pScriptMessageAssigner);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pDialogueScrip->Init( m_pEnvironmentOfRender , m_pScriptMessageAssigner )", hr);
    hr = pDialogueScrip->Load(pTNodeScript);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pDialogueScrip->Load( pTNodeScript )", hr);
    AdoptScript(pDialogueScrip);
    hr = pDialogueScrip->SetPersonData(&m_DialoguePersonData);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pDialogueScrip->SetPersonData( &m_DialoguePersonData )", hr);
    return S_OK;
}

void XC_DialogueScriptManager::AddBattlePersons()
{
    if (s_pBattle == nullptr)
        return;
    for (const int iTeamIndex : s_pBattle->GetPersonTeamIndices()) {
        char szName[16];
        std::snprintf(szName, sizeof(szName), "%04d", iTeamIndex);
        const HRESULT hr = m_pScriptResourceObj->AddRenderObjToResource(s_pBattle->FindPerson(iTeamIndex), szName);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("m_pScriptResourceObj->AddRenderObjToResource( pPerson , szName )", hr);
    }
}

HRESULT XC_DialogueScriptManager::RunAllScript()
{
    if (m_pScriptResourceObj == nullptr) {
        XM_REPORT_FAILED("m_pScriptResourceObj");
        return E_FAIL;
    }
    m_pScriptResourceObj->Clear();
    AddBattlePersons();
    return XC_ScriptSet::RunAllScript();
}

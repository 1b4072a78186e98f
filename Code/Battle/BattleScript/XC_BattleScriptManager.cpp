#include "Code/Battle/BattleScript/XC_BattleScriptManager.h"

#include "Code/Battle/BattleScript/XC_BattleScript.h"
#include "Code/Battle/BattleScript/XC_BattleScriptCommand.h"
#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/XC_Game.h"
#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Script/XC_Script.h"
#include "GameProgram/Script/XC_ScriptParameter.h"
#include "GameProgram/Script/XC_ScriptResource.h"

#include <cstring>
#include <memory>
#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

const char* const s_szSysNode = "[BattleScriptSys]";

bool IsTemplate(const char* szName)
{
    for (const char* szTemplate : {"[ActivePerson]", "[ActivePerson2]", "[PassivePerson]", "[CallPerson]"}) {
        if (std::strcmp(szName, szTemplate) == 0)
            return true;
    }
    return false;
}

} // namespace

XC_BattleScriptManager::XC_BattleScriptManager() = default;

// The scripts go while the target node they may name still stands.
XC_BattleScriptManager::~XC_BattleScriptManager()
{
    Fini();
}

HRESULT XC_BattleScriptManager::LoadBattleScript(const XC_BattleResultInfo& rBattleResultInfoObj)
{
    HRESULT hr = m_BattleResultInfoObj.Copy(rBattleResultInfoObj);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_BattleResultInfoObj.Copy( rBattleResultInfoObj )", hr);
    hr = Load(m_BattleResultInfoObj.GetBattleResultMain()->stringScriptName.c_str());
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("XC_BattleScriptManager::Load( m_BattleResultInfoObj.GetBattleResultMain()->stringScriptName.c_str() )",
                            hr);
    }
    return S_OK;
}

HRESULT XC_BattleScriptManager::Load(const char* szFileName)
{
    m_dwActivePersonCount = 0;
    m_dwPassivePersonCount = 0;
    if (FAILED(LoadScript(szFileName))) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    for (DWORD i = 0; i < m_BattleResultInfoObj.GetBattleResultPersonCount(); ++i) {
        if (FAILED(AddBattleResultPerson(*m_BattleResultInfoObj.GetBattleResultPerson(i)))) {
            XF_ReportError(s_szSourceFile, __LINE__, nullptr);
            return E_FAIL;
        }
    }
    PublishTargetFloor();
    if (!g_bDebugMode) {
        const HRESULT hr = m_pScriptParameter->SetParameter(
            "dwSkillLevel",
            XF_FormatText("%d", static_cast<int>(m_BattleResultInfoObj.GetBattleResultMain()->dwSkillLevel)));
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("m_pScriptParameter->SetParameter( \"dwSkillLevel\" , szSkillLevel )", hr);
    }
    return S_OK;
}

void XC_BattleScriptManager::PublishTargetFloor()
{
    const XC_Floorer* const pFloorer = g_pPersonManager != nullptr ? g_pPersonManager->GetFloorer() : nullptr;
    const DWORD dwFloorIndex = m_BattleResultInfoObj.GetTargetFloorIndex();
    if (pFloorer == nullptr || dwFloorIndex >= pFloorer->GetFloorsCount()) {
        XM_REPORT_FAILED("dwTargetFloorIndex < pFloorer->GetFloorsCount()");
    } else {
        const D3DXVECTOR3 vPosition = pFloorer->GetFloorPosition(dwFloorIndex);
        m_RenderNodeTargetFloor.SetPosition(&vPosition);
    }
    const HRESULT hr = m_pScriptResourceObj->AddRenderNodeToResource(&m_RenderNodeTargetFloor, "TargetFloor");
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_pScriptResourceObj->AddRenderNodeToResource( &m_RenderNodeTargetFloor , \"TargetFloor\" )", hr);
    SetPosition("xyzTargetFloorPos", *m_RenderNodeTargetFloor.GetPosition());
}

HRESULT XC_BattleScriptManager::Clear()
{
    // The shared tables fall back to a script that is about to go.
    if (m_pScriptParameter != nullptr)
        m_pScriptParameter->SetParent(nullptr);
    if (m_pScriptResourceObj != nullptr)
        m_pScriptResourceObj->SetParent(nullptr);
    return XC_ScriptSet::Clear();
}

HRESULT XC_BattleScriptManager::CreateScript(XC_TextNode* pTNodeScript)
{
    const char* const szName = pTNodeScript != nullptr ? pTNodeScript->GetName() : nullptr;
    if (szName != nullptr && std::strcmp(szName, s_szSysNode) == 0)
        return CreateSysScript(pTNodeScript);
    if (szName != nullptr && IsTemplate(szName))
        return S_OK;
    const HRESULT hr = XC_ScriptSet::CreateScript(pTNodeScript);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("XC_ScriptSet::CreateScript( pTNodeScript )", hr);
        return hr;
    }
    XC_Script* const pBattleScript = m_PAL_Script.GetPtr(m_PAL_Script.Count() - 1);
    if (pBattleScript == nullptr) {
        XM_REPORT_FAILED("pBattleScript");
        return E_FAIL;
    }
    pBattleScript->SetScriptCommand(g_pBattleScriptCommandObj);
    return S_OK;
}

HRESULT XC_BattleScriptManager::CreateSysScript(XC_TextNode* pTNodeScript)
{
    if (m_PAL_Script.Count() != 0) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("%s\r\n%s", "[BattleScriptSys] Need Be First Node ",
                                     "0 == XC_ScriptSet::m_PAL_Script.Count()"));
    }
    const HRESULT hr = XC_ScriptSet::CreateScript(pTNodeScript);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("XC_ScriptSet::CreateScript( pTNodeScript )", hr);
        return hr;
    }
    XC_Script* const pBattleScriptSys = m_PAL_Script.GetPtr(0);
    if (pBattleScriptSys == nullptr) {
        XM_REPORT_FAILED("pBattleScriptSys");
        return E_FAIL;
    }
    pBattleScriptSys->GetScriptParameter()->SetParent(nullptr);
    pBattleScriptSys->GetScriptResource()->SetParent(nullptr);
    m_pScriptParameter->SetParent(pBattleScriptSys->GetScriptParameter());
    m_pScriptResourceObj->SetParent(pBattleScriptSys->GetScriptResource());
    return S_OK;
}

HRESULT XC_BattleScriptManager::AddBattleResultPerson(const XS_BattleResultPerson& rcBattleResultPerson)
{
    XC_TextNode* pTNodeScript = nullptr;
    switch (rcBattleResultPerson.dwPersonType) {
    case XE_RESULT_PERSON_ACTIVE: pTNodeScript = PublishActivePerson(rcBattleResultPerson); break;
    case XE_RESULT_PERSON_PASSIVE: pTNodeScript = PublishPassivePerson(rcBattleResultPerson); break;
    case XE_RESULT_PERSON_CALLED: pTNodeScript = PublishCallPerson(rcBattleResultPerson); break;
    default: XF_ReportError(s_szSourceFile, __LINE__, nullptr); return E_FAIL;
    }
    if (pTNodeScript != nullptr)
        CreateBattleScript(pTNodeScript, rcBattleResultPerson);
    return S_OK;
}

XC_TextNode* XC_BattleScriptManager::FindTemplate(const char* szName) const
{
    XC_TextNode* const pTNodeScript = m_pTNodeScriptSet != nullptr ? m_pTNodeScriptSet->FindChildNode(szName) : nullptr;
    if (pTNodeScript == nullptr)
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed \r\n%s", "pTNodeScript", XF_FormatText("Can,t fine %s ", szName)));
    return pTNodeScript;
}

void XC_BattleScriptManager::AddResource(XC_RenderingObject* pRenderObj, const char* szName)
{
    // A later person of a kind takes the name over.
    const HRESULT hr = m_pScriptResourceObj->SetRenderObjOfResource(pRenderObj, szName);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR(XF_FormatText("m_pScriptResourceObj->AddRenderObjToResource( pPersonObj , \"%s\" )", szName), hr);
}

void XC_BattleScriptManager::SetPosition(const char* szName, const D3DXVECTOR3& vPosition)
{
    const HRESULT hr = m_pScriptParameter->SetParameter(
        szName, XF_FormatText("%f , %f , %f", static_cast<double>(vPosition.x), static_cast<double>(vPosition.y),
                              static_cast<double>(vPosition.z)));
    if (FAILED(hr))
        XM_REPORT_FAILED_HR(XF_FormatText("m_pScriptParameter->SetParameter( \"%s\" , szPosition )", szName), hr);
}

XC_TextNode* XC_BattleScriptManager::PublishActivePerson(const XS_BattleResultPerson& rcBattleResultPerson)
{
    XC_GamePerson* const pPersonObj = rcBattleResultPerson.pPersonObj;
    const bool bFirst = m_dwActivePersonCount++ == 0;
    AddResource(pPersonObj, bFirst ? "ActivePerson" : "ActivePerson2");
    if (pPersonObj != nullptr)
        SetPosition(bFirst ? "xyzActivePersonPos" : "xyzActivePersonPos2", *pPersonObj->GetWorldPosition());
    if (bFirst)
        return FindTemplate("[ActivePerson]");
    if (XC_TextNode* const pTNodeScript =
            m_pTNodeScriptSet != nullptr ? m_pTNodeScriptSet->FindChildNode("[ActivePerson2]") : nullptr)
        return pTNodeScript;
    XF_ReportError(s_szSourceFile, __LINE__, "Can,t fine [ActivePerson2] , Use [ActivePerson]");
    return FindTemplate("[ActivePerson]");
}

XC_TextNode* XC_BattleScriptManager::PublishPassivePerson(const XS_BattleResultPerson& rcBattleResultPerson)
{
    if (m_dwPassivePersonCount++ == 0)
        AddResource(rcBattleResultPerson.pPersonObj, "PassivePerson");
    return FindTemplate("[PassivePerson]");
}

XC_TextNode* XC_BattleScriptManager::PublishCallPerson(const XS_BattleResultPerson& rcBattleResultPerson)
{
    AddResource(rcBattleResultPerson.pPersonObj, "CallPerson");
    return FindTemplate("[CallPerson]");
}

void XC_BattleScriptManager::CreateBattleScript(XC_TextNode* pTNodeScript,
                                                const XS_BattleResultPerson& rcBattleResultPerson)
{
    XC_BattleScript* const pBattleScript = new (std::nothrow) XC_BattleScript;
    if (pBattleScript == nullptr) {
        XM_REPORT_FAILED("pBattleScript");
        return;
    }
    HRESULT hr = pBattleScript->Init(m_pEnvironmentOfRender, m_pScriptMessageAssigner);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pBattleScript->Init( g_pBattleSceneObj->GetEnvironmentOfRender() , m_pScriptMessageAssigner )", hr);
    hr = pBattleScript->SetBattleResultPerson(rcBattleResultPerson);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pBattleScript->SetBattleResultPerson( rcBattleResultPerson )", hr);
    hr = pBattleScript->Load(pTNodeScript);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pBattleScript->Load( pTNodeScript )", hr);
    AdoptScript(pBattleScript);
    hr = pBattleScript->PrepareResource();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pBattleScript->PrepareResource()", hr);
}

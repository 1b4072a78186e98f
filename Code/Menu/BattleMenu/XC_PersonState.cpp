#include "Code/Menu/BattleMenu/XC_PersonState.h"

#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderPercentageBar.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_DataManager/Manager/JC_DataManager.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

const DWORD STATE_TIMER_RANK = 3;
// The Menu layer.
const DWORD STATE_RENDER_GROUP = 70;
const float SWITCH_DELAY = 0.3f;
const DWORD TEXT_COLOR = 0xFFFFFFFF;

XC_String FormatText(const char* szFormat, DWORD dwFirst, DWORD dwSecond)
{
    char szText[64];
    std::snprintf(szText, sizeof(szText), szFormat, static_cast<int>(dwFirst), static_cast<int>(dwSecond));
    return szText;
}

} // namespace

XC_PersonState::XC_PersonState()
    : XC_Timer(STATE_TIMER_RANK)
{
}

XC_PersonState::~XC_PersonState()
{
    Fini();
}

HRESULT XC_PersonState::Init(XI_EnvironmentOfRender* pEnvironmentOfRender, const char* szIniFileName)
{
    Fini();
    SetEnvironmentOfRender(pEnvironmentOfRender);
    XC_RenderObjManager::SetShow(FALSE);

    for (XC_RenderAnimation** ppAni : {&m_pRA_BaseMap, &m_pRA_Portrait, &m_pRA_LevelUP, &m_pRA_JLevelUP})
        *ppAni = new XC_RenderAnimation;
    for (XC_RenderPercentageBar** ppBar : {&m_pRP_RAP, &m_pRP_HP, &m_pRP_MP, &m_pRP_MOR})
        *ppBar = new XC_RenderPercentageBar;
    for (XC_RenderString** ppText :
         {&m_pRS_Name, &m_pRS_JobName, &m_pRS_LV, &m_pRS_JLV, &m_pRS_RAP, &m_pRS_RAP_State, &m_pRS_HP,
          &m_pRS_HP_State, &m_pRS_MP, &m_pRS_MP_State, &m_pRS_MOR, &m_pRS_MOR_State})
        *ppText = new XC_RenderString;

    _SetRenderObj(szIniFileName);

    const std::initializer_list<XC_RenderingObject*> objects = {
        m_pRA_BaseMap, m_pRA_Portrait,  m_pRA_LevelUP, m_pRA_JLevelUP, m_pRP_RAP,      m_pRP_HP,  m_pRP_MP,
        m_pRP_MOR,     m_pRS_Name,      m_pRS_JobName, m_pRS_LV,       m_pRS_JLV,      m_pRS_RAP, m_pRS_RAP_State,
        m_pRS_HP,      m_pRS_HP_State,  m_pRS_MP,      m_pRS_MP_State, m_pRS_MOR,      m_pRS_MOR_State};
    for (XC_RenderingObject* pObj : objects)
        AddRenderingObject(pObj);
    SetCoordinateSystemAll(1);
    SetRenderQueueGroup(STATE_RENDER_GROUP);
    return S_OK;
}

HRESULT XC_PersonState::_SetRenderObj(const char* szIniFileName)
{
    if (szIniFileName == nullptr) {
        XM_REPORT_FAILED("szIniFileName");
        return E_FAIL;
    }
    if (g_pPackFile_Data == nullptr) {
        XM_REPORT_FAILED("g_pPackFile_Data");
        return E_FAIL;
    }
    std::unique_ptr<XS_FileData> pFileData(g_pPackFile_Data->GetData(szIniFileName));
    if (pFileData == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("XC_PersonState::_SetRenderObj\n\t讀取檔案失敗 %s", szIniFileName));
        return E_FAIL;
    }
    XC_TextTree TTree;
    const HRESULT hr = TTree.LoadMem(pFileData->pData, pFileData->dwSize);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("TTree.LoadMem( pFileData->pData , pFileData->dwSize )", hr);
    pFileData.reset();

    XC_TextNode* const pTNodeSys = TTree.FindChildNode("[Sys]");
    if (pTNodeSys == nullptr) {
        XM_REPORT_FAILED("TNodeSys");
        return E_FAIL;
    }
    D3DXVECTOR3 vCenter;
    if (pTNodeSys->GetVector3("xyzSysCenter", &vCenter.x, &vCenter.y, &vCenter.z))
        SetPosition(&vCenter);

    const struct
    {
        XC_RenderingObject* pObj;
        const char* szNode;
        const char* szCall;
    } loads[] = {
        {m_pRA_BaseMap, "[Ani_BaseMap]", "m_pRA_BaseMap ->AnalyzeDataFromNode(TNode)"},
        {m_pRA_Portrait, "[Ani_Portrait]", "m_pRA_Portrait ->AnalyzeDataFromNode(TNode)"},
        {m_pRA_LevelUP, "[Ani_LevelUP]", "m_pRA_LevelUP ->AnalyzeDataFromNode(TNode)"},
        {m_pRA_JLevelUP, "[Ani_JLevelUP]", "m_pRA_JLevelUP ->AnalyzeDataFromNode(TNode)"},
        {m_pRP_RAP, "[PB_RAP]", "m_pRP_RAP ->AnalyzeDataFromNode(TNode)"},
        {m_pRP_HP, "[PB_HP]", "m_pRP_HP ->AnalyzeDataFromNode(TNode)"},
        {m_pRP_MP, "[PB_MP]", "m_pRP_MP ->AnalyzeDataFromNode(TNode)"},
        {m_pRP_MOR, "[PB_MOR]", "m_pRP_MOR ->AnalyzeDataFromNode(TNode)"},
        {m_pRS_Name, "[Str_Name]", "m_pRS_Name ->AnalyzeDataFromNode(TNode)"},
        {m_pRS_JobName, "[Str_JobName]", "m_pRS_JobName ->AnalyzeDataFromNode(TNode)"},
        {m_pRS_LV, "[Str_LV]", "m_pRS_LV ->AnalyzeDataFromNode(TNode)"},
        {m_pRS_JLV, "[Str_JLV]", "m_pRS_JLV ->AnalyzeDataFromNode(TNode)"},
        {m_pRS_RAP, "[Str_RAP]", "m_pRS_RAP ->AnalyzeDataFromNode(TNode)"},
        {m_pRS_RAP_State, "[Str_RAP_State]", "m_pRS_RAP_State ->AnalyzeDataFromNode(TNode)"},
        {m_pRS_HP, "[Str_HP]", "m_pRS_HP ->AnalyzeDataFromNode(TNode)"},
        {m_pRS_HP_State, "[Str_HP_State]", "m_pRS_HP_State ->AnalyzeDataFromNode(TNode)"},
        {m_pRS_MP, "[Str_MP]", "m_pRS_MP ->AnalyzeDataFromNode(TNode)"},
        {m_pRS_MP_State, "[Str_MP_State]", "m_pRS_MP_State ->AnalyzeDataFromNode(TNode)"},
        {m_pRS_MOR, "[Str_MOR]", "m_pRS_MOR ->AnalyzeDataFromNode(TNode)"},
        {m_pRS_MOR_State, "[Str_MOR_State]", "m_pRS_MOR_State ->AnalyzeDataFromNode(TNode)"},
    };
    for (const auto& load : loads) {
        XC_TextNode* const pTNode = pTNodeSys->FindChildNode(load.szNode);
        if (pTNode == nullptr || FAILED(load.pObj->LoadFromTextNode(pTNode)))
            XM_REPORT_FAILED(load.szCall);
    }
    return S_OK;
}

HRESULT XC_PersonState::Fini()
{
    Stop();
    m_pPerson = nullptr;
    m_bLevelUp = 0;
    m_bJobLevelUp = 0;
    for (XC_RenderAnimation** ppAni : {&m_pRA_BaseMap, &m_pRA_Portrait, &m_pRA_LevelUP, &m_pRA_JLevelUP})
        *ppAni = nullptr;
    for (XC_RenderPercentageBar** ppBar : {&m_pRP_RAP, &m_pRP_HP, &m_pRP_MP, &m_pRP_MOR})
        *ppBar = nullptr;
    for (XC_RenderString** ppText :
         {&m_pRS_Name, &m_pRS_JobName, &m_pRS_LV, &m_pRS_JLV, &m_pRS_RAP, &m_pRS_RAP_State, &m_pRS_HP,
          &m_pRS_HP_State, &m_pRS_MP, &m_pRS_MP_State, &m_pRS_MOR, &m_pRS_MOR_State})
        *ppText = nullptr;
    ClearAll();
    return S_OK;
}

void XC_PersonState::SetShow(BOOL bShow)
{
    XC_RenderObjManager::SetShow(bShow);
    if (!bShow || m_pRA_LevelUP == nullptr)
        return;
    m_pRA_LevelUP->SetShow(m_bLevelUp);
    m_pRA_JLevelUP->SetShow(m_bJobLevelUp);
}

HRESULT XC_PersonState::SetPersonData(JC_DataComponent* pDataComponentPerson, BOOL bAtOnce)
{
    if (bAtOnce) {
        m_pPerson = pDataComponentPerson;
        if (pDataComponentPerson == nullptr) {
            SetShow(FALSE);
            return S_OK;
        }
        LoadPersonData(pDataComponentPerson);
        SetShow(TRUE);
        return S_OK;
    }
    if (pDataComponentPerson == m_pPerson)
        return S_OK;
    m_pPerson = pDataComponentPerson;
    Start();
    SetTime(0.0f);
    return S_OK;
}

void XC_PersonState::Update(float /*fDelta*/)
{
    if (GetTime() < SWITCH_DELAY)
        return;
    if (m_pPerson == nullptr) {
        SetShow(FALSE);
    } else {
        LoadPersonData(m_pPerson);
        SetShow(TRUE);
    }
    Stop();
    SetTime(0.0f);
}

HRESULT XC_PersonState::LoadPersonData(JC_DataComponent* pDataComponentPerson)
{
    JC_ControlPersonPower power;
    if (power.Initiation(gp_DataManagerObj, gp_BehaviorAnalyserObj) != 0) {
        XM_REPORT_FAILED("ControlPersonPowerObj.Initiation( gp_DataManagerObj , gp_BehaviorAnalyserObj )");
        return E_FAIL;
    }
    if (pDataComponentPerson == nullptr || power.SetControlPerson(pDataComponentPerson) != 0) {
        XM_REPORT_FAILED("ControlPersonPowerObj.SetControlPerson( pDataComponentPerson )");
        return E_FAIL;
    }
    char szPortrait[32];
    std::snprintf(szPortrait, sizeof(szPortrait), "face\\F%08x.ant", static_cast<unsigned>(power.GetAnimationID()));
    SetPortrait(szPortrait);
    std::string strText;
    power.GetPersonName(strText);
    SetPersonName(strText.c_str());
    power.GetJobName(strText);
    SetJobName(strText.c_str());
    SetLV(static_cast<DWORD>(power.GetLevel()));
    SetJLV(static_cast<DWORD>(power.GetJobLevel()));
    SetRAP(static_cast<DWORD>(power.GetRAP()), static_cast<DWORD>(power.GetMaxRAP()));
    SetHP(static_cast<DWORD>(power.GetHP()), static_cast<DWORD>(power.GetMaxHP()));
    SetMP(static_cast<DWORD>(power.GetSP()), static_cast<DWORD>(power.GetMaxSP()));
    SetMOR(static_cast<DWORD>(power.GetMorale()), static_cast<DWORD>(power.GetMaxMorale()));
    m_bLevelUp = power.GetNotUsePoint() > 0;
    m_bJobLevelUp = power.GetNotUseJobPoint() > 0;
    return S_OK;
}

HRESULT XC_PersonState::SetPortrait(const char* lpctstrPortraitName)
{
    if (lpctstrPortraitName == nullptr) {
        XM_REPORT_FAILED("lpctstrPortraitName");
        return E_FAIL;
    }
    if (m_pRA_Portrait != nullptr && FAILED(m_pRA_Portrait->LoadAnimation(lpctstrPortraitName)))
        XM_REPORT_FAILED("m_pRA_Portrait->SetAnimationObject( lpctstrPortraitName )");
    return S_OK;
}

HRESULT XC_PersonState::SetPersonName(const char* lpctstrPersonName)
{
    if (lpctstrPersonName == nullptr) {
        XM_REPORT_FAILED("lpctstrPersonName");
        return E_FAIL;
    }
    if (std::strlen(lpctstrPersonName) == 0)
        XM_REPORT_FAILED("strlen( lpctstrPersonName ) > 0");
    if (m_pRS_Name != nullptr)
        m_pRS_Name->SetString(lpctstrPersonName, m_pRS_Name->GetColor());
    return S_OK;
}

HRESULT XC_PersonState::SetJobName(const char* lpctstrJobName)
{
    if (lpctstrJobName == nullptr) {
        XM_REPORT_FAILED("lpctstrJobName");
        return E_FAIL;
    }
    if (std::strlen(lpctstrJobName) == 0)
        XM_REPORT_FAILED("strlen( lpctstrJobName ) > 0");
    if (m_pRS_JobName != nullptr)
        m_pRS_JobName->SetString(lpctstrJobName, m_pRS_JobName->GetColor());
    return S_OK;
}

HRESULT XC_PersonState::SetLV(DWORD dwLV)
{
    if (m_pRS_LV != nullptr)
        m_pRS_LV->SetString(FormatText("LV %2d", dwLV, 0).c_str(), m_pRS_LV->GetColor());
    return S_OK;
}

HRESULT XC_PersonState::SetJLV(DWORD dwJLV)
{
    if (m_pRS_JLV != nullptr)
        m_pRS_JLV->SetString(FormatText("J.LV %2d", dwJLV, 0).c_str(), m_pRS_JLV->GetColor());
    return S_OK;
}

float XC_PersonState::GaugeRatio(DWORD dwCur, DWORD dwMax)
{
    if (dwMax == 0)
        return 0.0f;
    return static_cast<float>(dwCur) / static_cast<float>(dwMax);
}

void XC_PersonState::SetGauge(XC_RenderString* pText, XC_RenderPercentageBar* pBar, const char* szFormat,
                              DWORD dwCur, DWORD dwMax, const char* szGuard)
{
    if (dwCur > dwMax)
        XM_REPORT_FAILED(szGuard);
    if (pText == nullptr)
        return;
    pText->SetString(FormatText(szFormat, dwCur, dwMax).c_str(), TEXT_COLOR);
    pBar->SetPercentage(GaugeRatio(dwCur, dwMax));
}

HRESULT XC_PersonState::SetRAP(DWORD dwCurRAP, DWORD dwMaxRAP)
{
    SetGauge(m_pRS_RAP_State, m_pRP_RAP, "%d/%d", dwCurRAP, dwMaxRAP, "dwCurRAP <= dwMaxRAP");
    return S_OK;
}

HRESULT XC_PersonState::SetHP(DWORD dwCurHP, DWORD dwMaxHP)
{
    m_strHP = FormatText("%3d/%3d", dwCurHP, dwMaxHP);
    SetGauge(m_pRS_HP_State, m_pRP_HP, "%3d/%3d", dwCurHP, dwMaxHP, "dwCurHP <= dwMaxHP");
    return S_OK;
}

HRESULT XC_PersonState::SetMP(DWORD dwCurMP, DWORD dwMaxMP)
{
    SetGauge(m_pRS_MP_State, m_pRP_MP, "%3d/%3d", dwCurMP, dwMaxMP, "dwCurMP <= dwMaxMP");
    return S_OK;
}

HRESULT XC_PersonState::SetMOR(DWORD dwCurMOR, DWORD dwMaxMOR)
{
    SetGauge(m_pRS_MOR_State, m_pRP_MOR, "%3d/%3d", dwCurMOR, dwMaxMOR, "dwCurMOR <= dwMaxMOR");
    return S_OK;
}

float XC_PersonState::GetHPGauge() const
{
    return m_pRP_HP != nullptr ? m_pRP_HP->GetPercentage() : 0.0f;
}

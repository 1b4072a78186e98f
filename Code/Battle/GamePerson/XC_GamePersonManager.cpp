#include "Code/Battle/GamePerson/XC_GamePersonManager.h"

#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Scene/XC_Scene.h"
#include "JC_DataManager/Control/JC_ControlTeam.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

XC_GamePersonManager* g_pPersonManager = nullptr;

namespace {

const float NO_HIT_DISTANCE = 1000.0f;

} // namespace

XC_GamePersonManager::~XC_GamePersonManager()
{
    m_mapGamePerson.clear();
    Fini();
}

HRESULT XC_GamePersonManager::Init(XC_Scene* pSceneObj, JC_ControlTeam* pControlTeamObj)
{
    g_pSceneFunctionObj->NotePersonChange();
    if (pSceneObj == nullptr || pControlTeamObj == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    Fini();
    m_pSceneObj = pSceneObj;
    m_pControlTeamObj = pControlTeamObj;
    m_pFloorer = pSceneObj->GetFloorer();
    if (m_pFloorer == nullptr)
        XM_REPORT_FAILED("m_pFloorer");
    XI_EnvironmentOfRender* const pEnvironment = pSceneObj->GetEnvironmentOfRender();
    if (pEnvironment == nullptr)
        XM_REPORT_FAILED("m_pSceneObj->GetEnvironmentOfRender()");
    SetEnvironmentOfRender(pEnvironment);
    for (DWORD i = 0; i < XE_TEAM_INDEX_COUNT; ++i)
        AddPersonFromTeamIndex(i);
    return S_OK;
}

HRESULT XC_GamePersonManager::Fini()
{
    g_pSceneFunctionObj->NotePersonChange();
    ClearAll();
    // The persons are gone: the index must not keep them.
    m_mapGamePerson.clear();
    m_pSceneObj = nullptr;
    m_pFloorer = nullptr;
    m_pControlTeamObj = nullptr;
    return S_OK;
}

XC_Scene* XC_GamePersonManager::GetSceneObj() const
{
    if (m_pSceneObj == nullptr)
        XM_REPORT_FAILED("m_pSceneObj");
    return m_pSceneObj;
}

XC_Floorer* XC_GamePersonManager::GetFloorer() const
{
    if (m_pFloorer == nullptr)
        XM_REPORT_FAILED("m_pFloorer");
    return m_pFloorer;
}

JC_ControlTeam* XC_GamePersonManager::GetControlTeam() const
{
    if (m_pControlTeamObj == nullptr)
        XM_REPORT_FAILED("m_pControlTeamObj");
    return m_pControlTeamObj;
}

HRESULT XC_GamePersonManager::AddPersonFromTeamIndex(DWORD dwTeamIndex)
{
    g_pSceneFunctionObj->NotePersonChange();
    if (m_pControlTeamObj == nullptr) {
        XM_REPORT_FAILED("m_pControlTeamObj");
        return E_FAIL;
    }
    JC_DataComponent* pDataComponentObj = nullptr;
    const DWORD dwResult =
        m_pControlTeamObj->GetPersonFromTeam(TeamID::TEAMID_FIGHT, static_cast<int>(dwTeamIndex), pDataComponentObj);
    if (dwResult != 0)
        return static_cast<HRESULT>(dwResult);
    if (pDataComponentObj == nullptr) {
        XM_REPORT_FAILED("pDataComponentObj");
        return E_FAIL;
    }
    // A second person under one index would be drawn but never found again.
    if (m_mapGamePerson.find(dwTeamIndex) != m_mapGamePerson.end()) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed \r\n%s",
                                     "m_mapGamePerson.find( dwTeamIndex ) == m_mapGamePerson.end()",
                                     XF_FormatText("檢查TeamIndex %d , 不應該發生有相同id的情形",
                                                   static_cast<int>(dwTeamIndex))));
        return E_FAIL;
    }
    return BuildPerson(dwTeamIndex, pDataComponentObj);
}

HRESULT XC_GamePersonManager::BuildPerson(DWORD dwTeamIndex, JC_DataComponent* pDataComponentObj)
{
    XC_GamePerson* const pPersonObj = new XC_GamePerson();
    pPersonObj->SetEnvironmentOfRender(GetEnvironmentOfRender());
    if (FAILED(pPersonObj->Init(pDataComponentObj, m_pFloorer))) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        delete pPersonObj;
        return E_FAIL;
    }
    m_mapGamePerson.emplace(dwTeamIndex, pPersonObj);
    AddRenderingObject(pPersonObj);
    if (FAILED(pPersonObj->UpdateLifeState()))
        XM_REPORT_FAILED("pPersonObj->UpdateLifeState( )");
    if (FAILED(pPersonObj->UpdatePersonStateFromData()))
        XM_REPORT_FAILED("pPersonObj->UpdatePersonStateFromData( )");
    ApplyStroke(pPersonObj);
    return S_OK;
}

HRESULT XC_GamePersonManager::DelPersonFromTeamIndex(DWORD dwTeamIndex)
{
    g_pSceneFunctionObj->NotePersonChange();
    const auto it = m_mapGamePerson.find(dwTeamIndex);
    if (it == m_mapGamePerson.end()) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    XC_GamePerson* const pPersonObj = it->second;
    m_mapGamePerson.erase(it);
    if (pPersonObj == nullptr) {
        XM_REPORT_FAILED("pPersonObj");
        return E_FAIL;
    }
    const bool bKeepRecord = dwTeamIndex < XE_FIRST_BATTLE_ONLY_INDEX && !ReturnToParty(pPersonObj, dwTeamIndex);
    if (FAILED(DelRenderingObject(pPersonObj)))
        XM_REPORT_FAILED("XC_RenderObjManager::DelRenderingObject( pPersonObj )");
    // A party member that could not go back stays in the fight team rather
    // than being lost.
    if (bKeepRecord || m_pControlTeamObj == nullptr)
        return S_OK;
    if (m_pControlTeamObj->DelPersonFromTeam(TeamID::TEAMID_FIGHT, static_cast<int>(dwTeamIndex)) != 0)
        XM_REPORT_FAILED("m_pControlTeamObj->DelPersonFromTeam( 0X00000003 , dwTeamIndex )");
    return S_OK;
}

bool XC_GamePersonManager::ReturnToParty(XC_GamePerson* pPersonObj, DWORD dwTeamIndex)
{
    JC_ControlPersonPower* const pPower = pPersonObj->GetControlPersonPower();
    if (pPower->Restore(1, 1, 1, 1, 1, 1) != 0)
        XM_REPORT_FAILED("InitiationPersonData( 1 , 1 , 1 , 1 , 1 , 1 )");
    pPower->SetSceneFloorIndex(0);
    if (m_pControlTeamObj == nullptr
        || m_pControlTeamObj->MovePersonFromTeamToTeam(TeamID::TEAMID_FIGHT, static_cast<int>(dwTeamIndex),
                                                       TeamID::TEAMID_OUR, static_cast<int>(dwTeamIndex))
               != 0) {
        XM_REPORT_FAILED(
            "m_pControlTeamObj->MovePersonFromTeamToTeam( 0X00000003 , dwTeamIndex , 0X00000001 , dwTeamIndex )");
        return false;
    }
    return true;
}

HRESULT XC_GamePersonManager::DelAllPerson()
{
    while (!m_mapGamePerson.empty())
        DelPersonFromTeamIndex(m_mapGamePerson.begin()->first);
    return S_OK;
}

XC_GamePerson* XC_GamePersonManager::GetPersonFromTeamIndex(DWORD dwTeamIndex) const
{
    const auto it = m_mapGamePerson.find(dwTeamIndex);
    return it != m_mapGamePerson.end() ? it->second : nullptr;
}

BOOL XC_GamePersonManager::GetNextPerson(XC_GamePerson* pPrev, XC_GamePerson** ppNext) const
{
    *ppNext = nullptr;
    auto it = m_mapGamePerson.begin();
    if (pPrev != nullptr) {
        const DWORD dwTeamIndex = pPrev->GetTeamIndex();
        it = m_mapGamePerson.upper_bound(dwTeamIndex);
        if (it != m_mapGamePerson.end() && it->first <= dwTeamIndex)
            XM_REPORT_FAILED("it->first > dwTeamIndex");
    }
    if (it == m_mapGamePerson.end())
        return FALSE;
    *ppNext = it->second;
    return TRUE;
}

BOOL XC_GamePersonManager::GetNextPersonInList(XC_GamePerson* pPrev, XC_GamePerson** ppNext) const
{
    *ppNext = nullptr;
    auto it = m_mapGamePerson.begin();
    if (pPrev != nullptr) {
        while (it != m_mapGamePerson.end() && it->second != pPrev)
            ++it;
        if (it == m_mapGamePerson.end())
            return FALSE;
        ++it;
    }
    if (it == m_mapGamePerson.end())
        return FALSE;
    *ppNext = it->second;
    return TRUE;
}

BOOL XC_GamePersonManager::GetNextPerson(XC_GamePerson* pPrev, XC_GamePerson** ppNext, BOOL bByTeamIndex) const
{
    return bByTeamIndex ? GetNextPerson(pPrev, ppNext) : GetNextPersonInList(pPrev, ppNext);
}

BOOL XC_GamePersonManager::GetPrevPerson(XC_GamePerson* pNext, XC_GamePerson** ppPrev) const
{
    *ppPrev = nullptr;
    auto it = pNext != nullptr ? m_mapGamePerson.lower_bound(pNext->GetTeamIndex()) : m_mapGamePerson.end();
    if (it == m_mapGamePerson.begin())
        return FALSE;
    *ppPrev = (--it)->second;
    return TRUE;
}

DWORD XC_GamePersonManager::GetPersonCount() const
{
    return GetRenderingObjectCount();
}

BOOL XC_GamePersonManager::PickPersonByRay(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection,
                                           XC_GamePerson** ppPerson, float* pfDistance)
{
    float fBest = NO_HIT_DISTANCE;
    XC_GamePerson* pBest = nullptr;
    for (const auto& entry : m_mapGamePerson) {
        float fDistance = NO_HIT_DISTANCE;
        if (entry.second->Pick(pvOrigin, pvDirection, &fDistance) && fDistance < fBest) {
            fBest = fDistance;
            pBest = entry.second;
        }
    }
    if (pBest == nullptr)
        return FALSE;
    *ppPerson = pBest;
    if (pfDistance != nullptr)
        *pfDistance = fBest;
    return TRUE;
}

XC_GamePerson* XC_GamePersonManager::FindLastPersonOnFloor(DWORD dwFloorIndex) const
{
    XC_GamePerson* pFound = nullptr;
    for (const auto& entry : m_mapGamePerson) {
        if (entry.second->GetFloorIndex() == dwFloorIndex)
            pFound = entry.second;
    }
    return pFound;
}

BOOL XC_GamePersonManager::PickPerson(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection,
                                      XC_GamePerson** ppPerson, float* pfDistance)
{
    XC_GamePerson* pHitPerson = nullptr;
    float fPersonDistance = NO_HIT_DISTANCE;
    const BOOL bPerson = PickPersonByRay(pvOrigin, pvDirection, &pHitPerson, &fPersonDistance);
    DWORD dwFloorIndex = 0;
    float fFloorDistance = NO_HIT_DISTANCE;
    const BOOL bFloor =
        m_pFloorer != nullptr && m_pFloorer->PickFloor(pvOrigin, pvDirection, &dwFloorIndex, &fFloorDistance, FALSE);
    if (bPerson && (!bFloor || fPersonDistance <= fFloorDistance)) {
        *ppPerson = pHitPerson;
        if (pfDistance != nullptr)
            *pfDistance = fPersonDistance;
        return TRUE;
    }
    if (!bFloor)
        return FALSE;
    XC_GamePerson* const pOnFloor = FindLastPersonOnFloor(dwFloorIndex);
    if (pOnFloor == nullptr)
        return FALSE;
    *ppPerson = pOnFloor;
    if (pfDistance != nullptr)
        *pfDistance = fFloorDistance;
    return TRUE;
}

BOOL XC_GamePersonManager::PickFloor(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection,
                                     DWORD* pdwFloorIndex, float* pfDistance, BOOL bOnlyDrawnFloor)
{
    XC_GamePerson* pHitPerson = nullptr;
    float fPersonDistance = NO_HIT_DISTANCE;
    const BOOL bPerson = PickPersonByRay(pvOrigin, pvDirection, &pHitPerson, &fPersonDistance);
    DWORD dwFloorIndex = 0;
    float fFloorDistance = NO_HIT_DISTANCE;
    const BOOL bFloor = m_pFloorer != nullptr
                     && m_pFloorer->PickFloor(pvOrigin, pvDirection, &dwFloorIndex, &fFloorDistance, bOnlyDrawnFloor);
    if (bPerson && (!bFloor || fPersonDistance <= fFloorDistance)) {
        const DWORD dwPersonFloor = pHitPerson->GetFloorIndex();
        if (bOnlyDrawnFloor == 1 && (m_pFloorer == nullptr || !m_pFloorer->ShowFloor_IsDrawFloor(dwPersonFloor)))
            return FALSE;
        *pdwFloorIndex = dwPersonFloor;
        if (pfDistance != nullptr)
            *pfDistance = fPersonDistance;
        return TRUE;
    }
    if (!bFloor)
        return FALSE;
    *pdwFloorIndex = dwFloorIndex;
    if (pfDistance != nullptr)
        *pfDistance = fFloorDistance;
    return TRUE;
}

void XC_GamePersonManager::ApplyStroke(XC_RenderingObject* pRenderObj) const
{
    // Stroked persons are drawn opaque.
    const DWORD dwAlphaBlendEnable = m_bPersonStrokeEnable ? 0 : 1;
    const HRESULT hr = pRenderObj->GetSetDirectState()->SetRenderState(D3DRS_ALPHABLENDENABLE, dwAlphaBlendEnable);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR(
            "pRenderObj->GetSetDirectStateObj()->SetRenderState( D3DRS_ALPHABLENDENABLE , bAlphaBlendEnable )", hr);
}

void XC_GamePersonManager::SetPersonStrokeEnable(BOOL bFlag)
{
    m_bPersonStrokeEnable = bFlag;
    for (DWORD i = 0; i < GetRenderingObjectCount(); ++i) {
        XC_RenderingObject* const pRenderObj = GetRenderingObject(i);
        if (pRenderObj == nullptr) {
            XM_REPORT_FAILED("pRenderObj");
            continue;
        }
        ApplyStroke(pRenderObj);
    }
}

#include "Code/Battle/BattleScript/XC_BattleScriptCommand.h"

#include "Code/Battle/BattleScript/XC_BattleScript.h"
#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/JumpString/XC_JumpStringManager.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "Code/Battle/XC_SceneTableManager.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_InitOrder.h"
#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Scene/XC_Scene.h"
#include "GameProgram/Script/XC_Script.h"
#include "GameProgram/SpriteWork/XC_RenderNodeWork_SetPosition.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

typedef XC_ScriptParameterAnalyzer XA;

namespace {

// Persons immune to this state cannot be pushed.
const DWORD STATE_UNMOVABLE = 53;
// Cells are one unit wide; rows run along negative z.
const float CELL_SIZE = 1.0f;

XC_Script* ScriptOf(XA* pAnalyzer)
{
    XC_ScriptCommand* const pScriptCommandbj = dynamic_cast<XC_ScriptCommand*>(pAnalyzer);
    if (pScriptCommandbj == nullptr) {
        XM_REPORT_FAILED("pScriptCommandbj");
        return nullptr;
    }
    XC_Script* const pScriptObj = pScriptCommandbj->GetScriptObj();
    if (pScriptObj == nullptr)
        XM_REPORT_FAILED("pScriptObj");
    return pScriptObj;
}

XC_GamePerson* FindPerson(XC_Script* pScriptObj, const char* szName)
{
    return dynamic_cast<XC_GamePerson*>(pScriptObj->GetScriptResource()->GetRenderObj(szName));
}

// The game person a string argument names in the running script's resources.
XC_GamePerson* PersonArgument(XA* pAnalyzer, XC_Strtok* pTokens)
{
    XC_Script* const pScriptObj = ScriptOf(pAnalyzer);
    if (pScriptObj == nullptr)
        return nullptr;
    XC_String strName;
    if (FAILED(pAnalyzer->EvaluateString(pTokens, &strName))) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return nullptr;
    }
    XC_GamePerson* const pPerson = FindPerson(pScriptObj, strName.c_str());
    if (pPerson == nullptr)
        XM_REPORT_FAILED("pPerson");
    return pPerson;
}

HRESULT GetPersonID(XA* pAnalyzer, XC_Strtok* pTokens, DWORD* pResult)
{
    XC_GamePerson* const pPerson = PersonArgument(pAnalyzer, pTokens);
    if (pPerson == nullptr)
        return E_FAIL;
    *pResult = pPerson->GetPersonID();
    return S_OK;
}

HRESULT GetSurfaceID(XA* pAnalyzer, XC_Strtok* pTokens, DWORD* pResult)
{
    XC_GamePerson* const pPerson = PersonArgument(pAnalyzer, pTokens);
    if (pPerson == nullptr)
        return E_FAIL;
    *pResult = pPerson->GetAnimationID();
    return S_OK;
}

// The floor of the battle's scene; null, reported with the function's own text, without one.
XC_Floorer* BattleFloorer(const char* szNoSceneText)
{
    XC_Scene* const pSceneObj = g_pPersonManager != nullptr ? g_pPersonManager->GetSceneObj() : nullptr;
    if (pSceneObj == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, szNoSceneText);
        return nullptr;
    }
    XC_Floorer* const pFloorer = pSceneObj->GetFloorer();
    if (pFloorer == nullptr)
        XM_REPORT_FAILED("pFloorer");
    return pFloorer;
}

// Whole cells toward zero; a value beyond LONG's range is no cell at all.
bool CellOf(float fCoordinate, LONG& lCell)
{
    const float fCell = std::trunc(fCoordinate / CELL_SIZE);
    if (!(fCell > -2147483648.0f && fCell < 2147483648.0f))
        return false;
    lCell = static_cast<LONG>(fCell);
    return true;
}

HRESULT ReferenceFloorHeight(XA* pAnalyzer, XC_Strtok* pTokens, D3DXVECTOR3* pResult)
{
    const XC_Floorer* const pFloorer = BattleFloorer("無法分析 #ReferenceFloorHeight 因為沒有場景可以取得地板");
    if (pFloorer == nullptr)
        return E_FAIL;
    D3DXVECTOR3 vPosition;
    float fFallbackHeight = 0.0f;
    if (FAILED(pAnalyzer->EvaluateXYZ(pTokens, &vPosition)) || FAILED(pAnalyzer->EvaluateFloat(pTokens, &fFallbackHeight))) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    *pResult = vPosition;
    LONG lX = 0;
    LONG lZ = 0;
    LONG lFloorIndex = -1;
    const bool bOnGrid = CellOf(vPosition.x, lX) && CellOf(-vPosition.z, lZ)
                      && SUCCEEDED(pFloorer->GetFloorIdxFromFloorXZ_Long(&lFloorIndex, lX, lZ)) && lFloorIndex >= 0
                      && static_cast<DWORD>(lFloorIndex) < pFloorer->GetFloorsCount();
    pResult->y = bOnGrid ? pFloorer->GetFloorHeight(static_cast<DWORD>(lFloorIndex)) : fFallbackHeight;
    return S_OK;
}

HRESULT FloorPosition(XA* pAnalyzer, XC_Strtok* pTokens, D3DXVECTOR3* pResult)
{
    const XC_Floorer* const pFloorer = BattleFloorer("無法分析 #FloorPosition 因為沒有場景可以取得地板");
    if (pFloorer == nullptr)
        return E_FAIL;
    DWORD dwFloorIndex = 0;
    if (FAILED(pAnalyzer->EvaluateDword(pTokens, &dwFloorIndex))) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    if (dwFloorIndex >= pFloorer->GetFloorsCount()) {
        XM_REPORT_FAILED("dwFloorIndex < pFloorer->GetFloorsCount()");
        return E_FAIL;
    }
    *pResult = pFloorer->GetFloorPosition(dwFloorIndex);
    return S_OK;
}

HRESULT FloorPositionXZ(XA* pAnalyzer, XC_Strtok* pTokens, D3DXVECTOR3* pResult)
{
    const XC_Floorer* const pFloorer = BattleFloorer("無法分析 #FloorPositionXZ 因為沒有場景可以取得地板");
    if (pFloorer == nullptr)
        return E_FAIL;
    DWORD dwX = 0;
    DWORD dwZ = 0;
    if (FAILED(pAnalyzer->EvaluateDword(pTokens, &dwX)) || FAILED(pAnalyzer->EvaluateDword(pTokens, &dwZ))) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    DWORD dwFloorIndex = 0;
    if (FAILED(pFloorer->GetFloorIdxFromFloorXZ(&dwFloorIndex, dwX, dwZ)))
        return S_OK;
    if (dwFloorIndex >= pFloorer->GetFloorsCount()) {
        XM_REPORT_FAILED("dwFloorIndex < pFloorer->GetFloorsCount()");
        return S_OK;
    }
    *pResult = pFloorer->GetFloorPosition(dwFloorIndex);
    return S_OK;
}

// The game person of the command's "Object"; null, reported, when there is none.
XC_GamePerson* CommandPerson(XC_ScriptCommand* pCommandObj)
{
    XC_Script* const pScriptObj = pCommandObj->GetScriptObj();
    if (pScriptObj == nullptr) {
        XM_REPORT_FAILED("pScriptObj");
        return nullptr;
    }
    const XC_String strObject = pCommandObj->GetStringParameter("Object", "");
    XC_GamePerson* const pPerson = FindPerson(pScriptObj, strObject.c_str());
    if (pPerson == nullptr)
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
    return pPerson;
}

HRESULT PersonHoming(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    std::unique_ptr<XC_RenderNodeWork_SetPosition> pWork(new (std::nothrow) XC_RenderNodeWork_SetPosition);
    XC_GamePerson* const pPerson = CommandPerson(pCommandObj);
    if (pWork == nullptr || pPerson == nullptr || !pWork->SetTarget(pPerson)) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    const XC_Floorer* const pFloorer = g_pPersonManager != nullptr ? g_pPersonManager->GetFloorer() : nullptr;
    const DWORD dwFloorIdx = pPerson->GetFloorIndex();
    if (pFloorer == nullptr || dwFloorIdx >= pFloorer->GetFloorsCount()) {
        XM_REPORT_FAILED("dwFloorIdx < g_pPersonManager->GetSceneObj()->GetFloorer()->GetFloorsCount()");
        return E_FAIL;
    }
    pWork->m_bAbsPosition = TRUE;
    pWork->m_vPosition = pFloorer->GetFloorPosition(dwFloorIdx);
    *rpSpriteWorkObj = pWork.release();
    return S_OK;
}

// The direction a push goes: away from the facing for a positive count.
DWORD RepulseDirection(DWORD dwFace, LONG lSquareCount)
{
    if (dwFace > 3) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        dwFace = 0;
    }
    return lSquareCount >= 1 ? (dwFace + 2) % 4 : dwFace;
}

// Whether one more push step from lFrom into lNext is allowed.
bool CanRepulseInto(LONG lStart, LONG lFrom, LONG lNext, const LONG* plTableAllPerson, LONG lUp, LONG lDown)
{
    return lNext >= 0 && g_pSceneFunctionObj->IsFloorCanStay(lNext) != 0 && plTableAllPerson[lNext] == -1
        && g_pSceneFunctionObj->GetFloorThrough(lFrom, lNext) != 2
        && g_pSceneFunctionObj->CheckFloorJump(lStart, lNext, lUp, lDown) != 0;
}

// A float limit as a whole number of hundredths; values past LONG's range saturate.
LONG WholeLimit(float fValue)
{
    if (!(fValue > -2147483648.0f))
        return fValue != fValue ? 0 : LONG_MIN;
    if (!(fValue < 2147483648.0f))
        return LONG_MAX;
    return static_cast<LONG>(fValue);
}

HRESULT PersonRepulse(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    XC_GamePerson* const pPerson = CommandPerson(pCommandObj);
    if (pPerson == nullptr)
        return E_FAIL;
    JC_ControlPersonPower* const pPower = pPerson->GetControlPersonPower();
    if (pPower->IsStateImmune(STATE_UNMOVABLE))
        return S_OK;
    const LONG lSquareCount = pCommandObj->GetLongParameter("lSquareCount", 0);
    const LONG lUp = WholeLimit(pCommandObj->GetFloatParameter("fHeightDeltaUp", 0.0f));
    const LONG lDown = WholeLimit(pCommandObj->GetFloatParameter("fHeightDeltaDown", 0.0f));
    if (g_pSceneTableManager == nullptr || g_pSceneFunctionObj == nullptr) {
        XM_REPORT_FAILED("g_pSceneTableManager");
        return E_FAIL;
    }
    const LONG* const plTableAllPerson = g_pSceneTableManager->BuildTableAllPerson();
    if (plTableAllPerson == nullptr) {
        XM_REPORT_FAILED("plTableAllPerson");
        return E_FAIL;
    }
    const DWORD dwDirection = RepulseDirection(pPerson->GetDirection(), lSquareCount);
    const LONG lStart = static_cast<LONG>(pPerson->GetFloorIndex());
    const LONG lSteps = std::min<LONG>(std::labs(lSquareCount == LONG_MIN ? LONG_MAX : lSquareCount),
                                       static_cast<LONG>(g_pSceneTableManager->GetFloorCount()));
    LONG lCurrent = lStart;
    for (LONG i = 0; i < lSteps; ++i) {
        const LONG lNext = g_pSceneFunctionObj->GetNeighborFloor(lCurrent, dwDirection);
        if (!CanRepulseInto(lStart, lCurrent, lNext, plTableAllPerson, lUp, lDown))
            break;
        lCurrent = lNext;
    }
    const LONG lNewPersonFloorIndex = lCurrent;
    const HRESULT hr = pPerson->SetFloorIndex(static_cast<DWORD>(lNewPersonFloorIndex), 0);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pPerson->SetFloorIndex( lNewPersonFloorIndex , 0 )", hr);
    pPower->SetFace(static_cast<int>(pPerson->GetDirection()));
    return S_OK;
}

HRESULT JumpResult(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    XC_BattleScript* const pScriptObj = dynamic_cast<XC_BattleScript*>(pCommandObj->GetScriptObj());
    if (pScriptObj == nullptr) {
        XM_REPORT_FAILED("pScriptObj");
        return E_FAIL;
    }
    XC_GamePerson* const pPerson = CommandPerson(pCommandObj);
    if (pPerson == nullptr)
        return E_FAIL;
    const LONG lCount = pScriptObj->GetJumpResultCount() + 1;
    if (lCount >= 2 && g_pJumpStringManager != nullptr)
        g_pJumpStringManager->JumpHit(*pPerson->GetWorldPosition(), lCount);
    pScriptObj->SetJumpResultCount(lCount);
    return S_OK;
}

HRESULT UpdatePersonLifeState(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    XC_GamePerson* const pPersonObj = CommandPerson(pCommandObj);
    if (pPersonObj == nullptr)
        return E_FAIL;
    const HRESULT hr = pPersonObj->UpdateLifeState();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pPersonObj->UpdateLifeState()", hr);
    return S_OK;
}

} // namespace

XC_BattleScriptCommand::XC_BattleScriptCommand()
{
    m_DwordFunctionTable["#GetPersonID"] = GetPersonID;
    m_DwordFunctionTable["#GetSurfaceID"] = GetSurfaceID;
    m_XYZFunctionTable["#ReferenceFloorHeight"] = ReferenceFloorHeight;
    m_XYZFunctionTable["#FloorPosition"] = FloorPosition;
    m_XYZFunctionTable["#FloorPositionXZ"] = FloorPositionXZ;
    m_CommandTable["PersonHoming"] = PersonHoming;
    m_CommandTable["PersonRepulse"] = PersonRepulse;
    m_CommandTable["JumpResult"] = JumpResult;
    m_CommandTable["UpdatePersonLifeState"] = UpdatePersonLifeState;
}

XC_BattleScriptCommand::~XC_BattleScriptCommand() = default;

static XC_BattleScriptCommand s_BattleScriptCommandObj XM_INIT_ORDER(XE_INIT_BATTLE_SCRIPT_COMMAND);
XC_BattleScriptCommand* g_pBattleScriptCommandObj = &s_BattleScriptCommandObj;

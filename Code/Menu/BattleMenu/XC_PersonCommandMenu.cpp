#include "Code/Menu/BattleMenu/XC_PersonCommandMenu.h"

#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "GameProgram/Resource/XC_AnimationManager.h"
#include "GameProgram/Resource/XC_AnimationObject.h"

#include <cmath>
#include <memory>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

const char* const MENU_FILE = "Menu\\BattleMenu\\BattleMenu_PersonCommandMenu.txt";
const DWORD COMMAND_TIMER_RANK = 2;
// The Menu layer.
const DWORD COMMAND_RENDER_GROUP = 70;
const float FOCUS_DEPTH = -20.0f;
const float LABEL_DEPTH = -30.0f;
const float FOCUSED_DISC_DEPTH = -50.0f;
const float UNFOCUSED_DISC_DEPTH = 50.0f;

// The named animation from the manager with a reference for the caller, or
// null with a report.
XC_AnimationObject* TakeAnimation(const XC_TextNode* pTNode, const char* szLeaf)
{
    const char* const lpctstrGetStr = pTNode->GetStr(szLeaf, nullptr);
    if (lpctstrGetStr == nullptr) {
        XM_REPORT_FAILED("lpctstrGetStr");
        return nullptr;
    }
    XC_AnimationObject* const pAniObj =
        g_pAnimationManager != nullptr ? g_pAnimationManager->GetAnimation(lpctstrGetStr) : nullptr;
    if (pAniObj == nullptr)
        XM_REPORT_FAILED("pAniObj");
    return pAniObj;
}

void SetAnimation(XC_RenderAnimation* pRenderAni, const XC_TextNode* pTNode, const char* szLeaf)
{
    XC_AnimationObject* const pAniObj = TakeAnimation(pTNode, szLeaf);
    if (pAniObj == nullptr)
        return;
    pRenderAni->SetAnimationObject(pAniObj, TRUE);
    pAniObj->Release();
}

void ReleaseAnimation(XC_AnimationObject*& rpAniObj)
{
    if (rpAniObj != nullptr)
        rpAniObj->Release();
    rpAniObj = nullptr;
}

} // namespace

XC_PersonCommandMenu::XC_PersonCommandMenu()
    : XC_Timer(COMMAND_TIMER_RANK)
{
}

XC_PersonCommandMenu::~XC_PersonCommandMenu()
{
    Fini();
}

HRESULT XC_PersonCommandMenu::Init(XI_EnvironmentOfRender* pEnvironmentOfRender)
{
    Fini();
    if (pEnvironmentOfRender == nullptr)
        XM_REPORT_FAILED("pEnvironmentOfRender");
    XC_RenderObjManager::SetEnvironmentOfRender(pEnvironmentOfRender);
    XC_RenderObjManager::SetShow(FALSE);

    std::unique_ptr<XS_FileData> pFileData;
    if (g_pPackFile_Data != nullptr)
        pFileData.reset(g_pPackFile_Data->GetData(MENU_FILE));
    if (pFileData == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("XC_PersonCommandMenu::Init\n\t讀取檔案失敗 %s", MENU_FILE));
        return S_OK;
    }
    XC_TextTree TTree;
    const HRESULT hr = TTree.LoadMem(pFileData->pData, pFileData->dwSize);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("TTree.LoadMem( pFileData->pData , pFileData->dwSize )", hr);
    pFileData.reset();

    const XC_TextNode* const pTNodeSys = TTree.FindChildNode("[Sys]");
    if (pTNodeSys == nullptr)
        XM_REPORT_FAILED("pTNodeSys");
    else
        Build(pTNodeSys);
    SetCoordinateSystemAll(1);
    SetRenderQueueGroup(COMMAND_RENDER_GROUP);
    EnableAllCommands();
    return S_OK;
}

void XC_PersonCommandMenu::Build(const XC_TextNode* pTNodeSys)
{
    D3DXVECTOR3 vCenter;
    if (pTNodeSys->GetVector3("xyzSysCenter", &vCenter.x, &vCenter.y, &vCenter.z))
        SetPosition(&vCenter);
    m_fRadius = pTNodeSys->GetFloat("fRadius", 0.0f);
    m_fRestAngle = 0.0f;
    m_fWorkTime = pTNodeSys->GetFloat("fWorkTime", 0.0f);

    m_pRA_Arc = new XC_RenderAnimation;
    m_pRA_Action = new XC_RenderAnimation;
    AddChild(m_pRA_Arc);
    m_pRA_Action->SetPositionZ(FOCUS_DEPTH);
    AddRenderingObject(m_pRA_Arc);
    AddRenderingObject(m_pRA_Action);
    SetAnimation(m_pRA_Arc, pTNodeSys, "BaseMap_Arc");
    SetAnimation(m_pRA_Action, pTNodeSys, "BaseMap_Action");
    m_pRA_Arc->SetRePlay(FALSE);
    m_pRA_Action->SetRePlay(FALSE);
    m_pAniObj_Enable = TakeAnimation(pTNodeSys, "BaseMap_Enable");
    if (m_pAniObj_Enable == nullptr)
        XM_REPORT_FAILED("m_pAniObj_Enable");
    m_pAniObj_Disable = TakeAnimation(pTNodeSys, "BaseMap_Disable");
    if (m_pAniObj_Disable == nullptr)
        XM_REPORT_FAILED("m_pAniObj_Disable");
    for (DWORD i = 0; i < XD_PersonCommandIdCount; ++i)
        BuildCommand(i, pTNodeSys->FindChildNode(static_cast<int>(i)));
}

void XC_PersonCommandMenu::BuildCommand(DWORD dwIndex, const XC_TextNode* pTNodeCommand)
{
    Command& command = m_Commands[dwIndex];
    command.pDisc = new XC_RenderAnimation;
    command.pLabel = new XC_RenderAnimation;
    AddChild(command.pDisc);
    command.pDisc->AddChild(command.pLabel);
    command.pDisc->SetPositionZ(-10.0f - static_cast<float>(dwIndex));
    command.pLabel->SetPositionZ(LABEL_DEPTH);
    AddRenderingObject(command.pDisc);
    AddRenderingObject(command.pLabel);
    if (pTNodeCommand == nullptr)
        XM_REPORT_FAILED("pTNodeCommand");
    else
        SetAnimation(command.pLabel, pTNodeCommand, "String");
    command.fAngle = command.fStartAngle = command.fEndAngle = m_fRestAngle;
}

HRESULT XC_PersonCommandMenu::Fini()
{
    Stop();
    for (Command& command : m_Commands)
        command = Command();
    m_pRA_Arc = nullptr;
    m_pRA_Action = nullptr;
    m_dwOpen = 0;
    m_iRingPhase = RING_CLOSED;
    m_iFocusCommand = NO_COMMAND;
    ClearAll();
    ReleaseAnimation(m_pAniObj_Enable);
    ReleaseAnimation(m_pAniObj_Disable);
    return S_OK;
}

void XC_PersonCommandMenu::SetCommandState(DWORD ePersonCommandId, DWORD dwState)
{
    if (ePersonCommandId >= XD_PersonCommandIdCount) {
        XM_REPORT_FAILED("ePersonCommandId<XD_PersonCommandIdCount");
        return;
    }
    Command& command = m_Commands[ePersonCommandId];
    command.iCommandState = dwState;
    if (command.pDisc != nullptr)
        command.pDisc->SetAnimationObject(dwState == COMMAND_ENABLED ? m_pAniObj_Enable : m_pAniObj_Disable, TRUE);
    if (dwState == COMMAND_HIDDEN && command.pDisc != nullptr) {
        command.pDisc->SetShow(FALSE);
        command.pLabel->SetShow(FALSE);
    }
}

void XC_PersonCommandMenu::EnableAllCommands()
{
    for (DWORD i = 0; i < XD_PersonCommandIdCount; ++i)
        SetCommandState(i, COMMAND_ENABLED);
}

void XC_PersonCommandMenu::DisableCommand(DWORD ePersonCommandId)
{
    SetCommandState(ePersonCommandId, COMMAND_DISABLED);
}

void XC_PersonCommandMenu::HideCommand(DWORD ePersonCommandId)
{
    SetCommandState(ePersonCommandId, COMMAND_HIDDEN);
}

void XC_PersonCommandMenu::SetShow(BOOL bShow)
{
    const DWORD dwOpen = bShow ? 1 : 0;
    if (dwOpen == m_dwOpen)
        return;
    if (dwOpen)
        Open();
    else
        Close();
}

void XC_PersonCommandMenu::Open()
{
    m_dwOpen = 1;
    m_fElapsed = 0.0f;
    int iShown = 0;
    for (const Command& command : m_Commands)
        iShown += command.iCommandState != COMMAND_HIDDEN ? 1 : 0;
    // Equal vertical steps from 0.8 to -0.8 of the radius on the right half.
    const float fSteps = iShown > 1 ? static_cast<float>(iShown - 1) : 1.0f;
    int k = 0;
    for (Command& command : m_Commands) {
        if (command.iCommandState == COMMAND_HIDDEN)
            continue;
        if (command.pDisc != nullptr) {
            command.pDisc->SetShow(TRUE);
            command.pLabel->SetShow(TRUE);
        }
        command.fStartAngle = command.fAngle;
        command.fEndAngle = std::acos(0.8f - 1.6f * static_cast<float>(k) / fSteps);
        ++k;
    }
    if (m_pRA_Arc != nullptr)
        m_pRA_Arc->SetShow(TRUE);
    m_dwResetArc = 0;
    Start();
    m_iRingPhase = RING_OPENING;
    m_iFocusCommand = NO_COMMAND;
    Update(0.0f);
}

void XC_PersonCommandMenu::Close()
{
    m_dwOpen = 0;
    m_fElapsed = 0.0f;
    const float fTarget = m_iFocusCommand < XD_PersonCommandIdCount ? m_Commands[m_iFocusCommand].fEndAngle
                                                                     : m_fRestAngle;
    for (Command& command : m_Commands) {
        command.fStartAngle = command.fAngle;
        command.fEndAngle = fTarget;
    }
    m_iRingPhase = RING_CLOSING;
    Update(0.0f);
}

void XC_PersonCommandMenu::PlaceDisc(const Command& command) const
{
    if (command.pDisc == nullptr)
        return;
    command.pDisc->SetPositionX(std::trunc(m_fRadius * std::sin(command.fAngle)));
    command.pDisc->SetPositionY(std::trunc(m_fRadius * std::cos(command.fAngle)));
}

void XC_PersonCommandMenu::Update(float fDelta)
{
    if (m_iRingPhase == RING_OPEN)
        return;
    if (m_iRingPhase == RING_CLOSED) {
        m_fElapsed = m_fWorkTime;
        Stop();
        Reset();
        SetFocusCommand(NO_COMMAND);
        XC_RenderObjManager::SetShow(FALSE);
        if (m_dwResetArc)
            ResetAngles();
        return;
    }
    m_fElapsed += fDelta;
    float t = m_fWorkTime < 1e-07f ? 1.0f : m_fElapsed / m_fWorkTime;
    if (t >= 1.0f) {
        t = 1.0f;
        m_fElapsed = m_fWorkTime;
        m_iRingPhase = m_iRingPhase == RING_OPENING ? RING_OPEN : RING_CLOSED;
    }
    for (Command& command : m_Commands) {
        command.fAngle = t * command.fEndAngle + (1.0f - t) * command.fStartAngle;
        PlaceDisc(command);
    }
}

BOOL XC_PersonCommandMenu::HitTestCommand(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection,
                                          float* pfDistance, DWORD* pdwIndex)
{
    for (DWORD i = 0; i < XD_PersonCommandIdCount; ++i) {
        const Command& command = m_Commands[i];
        if (command.iCommandState != COMMAND_ENABLED || command.pDisc == nullptr)
            continue;
        if (command.pDisc->Pick(pvOrigin, pvDirection, pfDistance)) {
            *pdwIndex = i;
            return TRUE;
        }
    }
    return FALSE;
}

void XC_PersonCommandMenu::SetFocusCommand(DWORD dwIndex)
{
    if (dwIndex == m_iFocusCommand)
        return;
    if (dwIndex != NO_COMMAND && dwIndex >= XD_PersonCommandIdCount) {
        XM_REPORT_FAILED("dwIndex < XD_PersonCommandIdCount");
        return;
    }
    if (m_iFocusCommand != NO_COMMAND && m_Commands[m_iFocusCommand].pDisc != nullptr)
        m_Commands[m_iFocusCommand].pDisc->SetPositionZ(UNFOCUSED_DISC_DEPTH);
    if (m_pRA_Action != nullptr) {
        m_pRA_Action->SetShow(FALSE);
        m_pRA_Action->DetachFromParent();
    }
    m_iFocusCommand = dwIndex;
    if (dwIndex == NO_COMMAND || m_Commands[dwIndex].pDisc == nullptr || m_pRA_Action == nullptr)
        return;
    m_Commands[dwIndex].pDisc->SetPositionZ(FOCUSED_DISC_DEPTH);
    m_Commands[dwIndex].pDisc->AddChild(m_pRA_Action);
    m_pRA_Action->SetShow(TRUE);
    m_pRA_Action->SetCurrentPage(0);
}

void XC_PersonCommandMenu::ResetAngles()
{
    for (Command& command : m_Commands)
        command.fAngle = command.fStartAngle = command.fEndAngle = m_fRestAngle;
}

void XC_PersonCommandMenu::ResetCommandArc()
{
    if (m_iRingPhase == RING_CLOSED)
        ResetAngles();
    else
        m_dwResetArc = 1;
}

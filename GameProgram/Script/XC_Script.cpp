#include "GameProgram/Script/XC_Script.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Painter/XI_EnvironmentOfRender.h"
#include "GameProgram/RenderingObject/XC_RenderingObject.h"
#include "GameProgram/Script/XC_ScriptCommand.h"
#include "GameProgram/Script/XC_ScriptMessageAssigner.h"
#include "GameProgram/Sprite/XC_DeferredDeletion.h"
#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

#include <algorithm>
#include <vector>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

// A command node whose followers are being started: the script it belongs
// to, the condition they wait for and the next child to look at.
struct XS_PendingStart
{
    XC_Script* pScriptObj;
    XC_TextNode* pTNode;
    DWORD dwCondition;
    int iNextChild;
    bool bTraceEnd;
};

// Starts wait here, depth first, instead of on the machine stack, so a
// long chain of commands that end at once cannot exhaust it.
std::vector<XS_PendingStart> s_PendingStarts;
int s_iDrivers = 0;
int s_iPassStarts = 0;

} // namespace

XC_Script::XC_Script()
    : m_pScriptCommandObj(g_pScriptCommandObj)
{
    if (g_pScriptCommandObj == nullptr)
        XM_REPORT_FAILED("g_pScriptCommandObj");
}

XC_Script::~XC_Script()
{
    if (m_pScriptMessageAssigner != nullptr)
        XM_REPORT_FAILED("0 == m_pScriptMessageAssigner");
    for (XS_PendingStart& start : s_PendingStarts) {
        if (start.pScriptObj == this)
            start.pScriptObj = nullptr;
    }
}

HRESULT XC_Script::Init(XI_EnvironmentOfRender* pEnvironmentOfRender, XC_ScriptMessageAssigner* pScriptMessageAssigner)
{
    if (pEnvironmentOfRender == nullptr) {
        XM_REPORT_FAILED("pEnvironmentOfRender");
        return E_FAIL;
    }
    m_pEnvironmentOfRender = pEnvironmentOfRender;
    m_RenderObjManager.SetEnvironmentOfRender(pEnvironmentOfRender);
    if (pScriptMessageAssigner == nullptr) {
        XM_REPORT_FAILED("pScriptMessageAssigner");
        return E_FAIL;
    }
    m_pScriptMessageAssigner = pScriptMessageAssigner;
    m_pScriptMessageAssigner->Register(this);
    return S_OK;
}

HRESULT XC_Script::Fini()
{
    Clear();
    if (m_pScriptMessageAssigner != nullptr) {
        m_pScriptMessageAssigner->Unregister(this);
        m_pScriptMessageAssigner = nullptr;
    }
    return S_OK;
}

HRESULT XC_Script::Load(XC_TextNode* pTNodeScript)
{
    Clear();
    if (pTNodeScript == nullptr) {
        XM_REPORT_FAILED("pTNodeScript");
        return S_OK;
    }
    SetName(pTNodeScript->GetName());

    const XC_TextNode* const pTNodeParameter = pTNodeScript->FindChildNode("[Parameter]");
    if (pTNodeParameter != nullptr && pTNodeParameter->GetLeafCount() > 0)
        m_ScriptParameterObj.LoadFromTextNode(pTNodeParameter);

    // The objects loaded next start hidden; "SetShow" shows them.
    m_RenderObjManager.SetShow(FALSE);
    XC_TextNode* const pTNodeResource = pTNodeScript->FindChildNode("[Resource]");
    if (pTNodeResource != nullptr && pTNodeResource->GetChildNodeCount() > 0)
        m_RenderObjManager.LoadFromTextNode(pTNodeResource);

    m_pTNodeActionList = pTNodeScript->FindChildNode("[ActionList]");
    m_pTNodeRun = pTNodeScript->FindChildNode("[Run]");
    std::vector<const char*> children = {"[Parameter]", "[Resource]", "[ActionList]", "[Run]"};
    for (const char* const szSection : GetOwnSections())
        children.push_back(szSection);
    pTNodeScript->ReportUnknownChildren(children.data(), children.size(),
                                        XF_FormatText("\"%s\"", m_szScriptName.c_str()));

    XC_CameraMan* const pCameraMan =
        m_pEnvironmentOfRender != nullptr ? m_pEnvironmentOfRender->GetWorldCameraMan() : nullptr;
    const HRESULT hrCamera = pCameraMan != nullptr
                                 ? m_ScriptResourceObj.AddRenderNodeToResource(pCameraMan->GetCameraRenderNode(), "Camera")
                                 : E_FAIL;
    if (FAILED(hrCamera)) {
        XM_REPORT_FAILED_HR("m_ScriptResourceObj.AddRenderNodeToResource( "
                            "m_pEnvironmentOfRender->GetWorldCameraMan()->GetCameraRenderNode() , \"Camera\" )",
                            hrCamera);
    }
    for (DWORD i = 0; i < m_RenderObjManager.GetRenderingObjectCount(); ++i) {
        const HRESULT hr = m_ScriptResourceObj.AddRenderObjToResource(m_RenderObjManager.GetRenderingObject(i), nullptr);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("m_ScriptResourceObj.AddRenderObjToResource ( m_RenderObjManager.GetRenderingObject(i) )", hr);
    }
    return S_OK;
}

bool XC_Script::HasAction(const char* szActionName) const
{
    return m_pTNodeActionList != nullptr && szActionName != nullptr
        && m_pTNodeActionList->FindChildNode(szActionName) != nullptr;
}

HRESULT XC_Script::Clear()
{
    m_pTNodeActionList = nullptr;
    m_pTNodeRun = nullptr;
    m_dwRunIndex = 0;
    m_SpriteObj.ClearAllWork();
    m_ScriptResourceObj.Clear();
    m_RenderObjManager.ClearAll();
    return S_OK;
}

const char* XC_Script::GetName() const
{
    return m_szScriptName.c_str();
}

void XC_Script::SetName(const char* szScriptName)
{
    if (szScriptName == nullptr) {
        XM_REPORT_FAILED("szScriptName");
        return;
    }
    m_szScriptName = szScriptName;
}

HRESULT XC_Script::RunScript()
{
    const XC_DeferredDeletion deletionScope;
    if (m_pTNodeRun != nullptr) {
        RunEvent();
        return S_OK;
    }
    return RunAction("[Init]");
}

HRESULT XC_Script::RunAction(const char* szActionName)
{
    if (m_pTNodeActionList == nullptr || szActionName == nullptr)
        return S_OK;
    XC_TextNode* const pTNodeAction = m_pTNodeActionList->FindChildNode(szActionName);
    if (pTNodeAction != nullptr)
        CheckStart(pTNodeAction, 0);
    return S_OK;
}

DWORD XC_Script::GetWorkCount() const
{
    return m_SpriteObj.GetWorkCount();
}

HRESULT XC_Script::SetScriptCommand(XI_ScriptCommand* pScriptCommandObj)
{
    if (pScriptCommandObj == nullptr) {
        XM_REPORT_FAILED("pScriptCommandObj");
        return E_FAIL;
    }
    m_pScriptCommandObj = pScriptCommandObj;
    return S_OK;
}

XC_RenderObjManager* XC_Script::GetRenderObjManager()
{
    return &m_RenderObjManager;
}

XC_Sprite* XC_Script::GetSpriteObj()
{
    return &m_SpriteObj;
}

XI_EnvironmentOfRender* XC_Script::GetEnvironmentOfRender()
{
    return m_pEnvironmentOfRender;
}

XC_ScriptMessageAssigner* XC_Script::GetScriptMessageAssigner()
{
    return m_pScriptMessageAssigner;
}

XC_RenderNode* XC_Script::GetRootRenderNode()
{
    return &m_RenderObjManager;
}

XC_ScriptParameter* XC_Script::GetScriptParameter()
{
    return &m_ScriptParameterObj;
}

XC_ScriptResource* XC_Script::GetScriptResource()
{
    return &m_ScriptResourceObj;
}

void XC_Script::SetTraceFile(HANDLE hTraceFile)
{
    m_hTraceFile = hTraceFile;
}

DWORD XC_Script::OnCallBack(DWORD_PTR dwValue1, DWORD_PTR, DWORD_PTR dwValue3, DWORD_PTR)
{
    XC_TextNode* const pTNode = reinterpret_cast<XC_TextNode*>(dwValue1);
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return 0;
    }
    const XC_DeferredDeletion deletionScope;
    const DWORD dwMessage = static_cast<DWORD>(dwValue3);
    if (dwMessage == 0)
        --iRunEvent;
    StartFollowers(pTNode, dwMessage, dwMessage == 0);
    return 0;
}

void XC_Script::CheckStart(XC_TextNode* pTNode, DWORD dwCondition)
{
    if (pTNode == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return;
    }
    const XC_DeferredDeletion deletionScope;
    const size_t uBase = s_PendingStarts.size();
    // Past the nesting limit the start waits for the driver below it.
    if (PushStart(pTNode, dwCondition, false) && s_iDrivers < MAX_EVENT_NESTING)
        DriveStarts(uBase);
}

void XC_Script::StartFollowers(XC_TextNode* pTNode, DWORD dwCondition, bool bTraceEnd)
{
    const XC_DeferredDeletion deletionScope;
    const size_t uBase = s_PendingStarts.size();
    if (!PushStart(pTNode, dwCondition, bTraceEnd)) {
        if (bTraceEnd)
            WriteTrace(pTNode, "     End\n");
        return;
    }
    // Within a driver the followers run when the step that ended their
    // parent returns, so the chain does not deepen the machine stack.
    if (s_iDrivers == 0)
        DriveStarts(uBase);
}

bool XC_Script::PushStart(XC_TextNode* pTNode, DWORD dwCondition, bool bTraceEnd)
{
    if (s_iPassStarts >= MAX_STARTS_PER_PASS) {
        // Dropped as if it had ended at once, so "[Run]" goes on.
        if (s_iPassStarts++ == MAX_STARTS_PER_PASS) {
            XF_ReportError(s_szSourceFile, __LINE__,
                           XF_FormatText("\"%s\" starts commands without end; the rest is dropped", GetName()));
        }
        return false;
    }
    ++s_iPassStarts;
    ++iRunEvent;
    s_PendingStarts.push_back(XS_PendingStart{this, pTNode, dwCondition, 0, bTraceEnd});
    return true;
}

void XC_Script::DriveStarts(size_t uBase)
{
    ++s_iDrivers;
    while (s_PendingStarts.size() > uBase) {
        const size_t uMark = s_PendingStarts.size();
        StepStart();
        // What one step started runs in the order it was started.
        if (s_PendingStarts.size() > uMark)
            std::reverse(s_PendingStarts.begin() + static_cast<std::ptrdiff_t>(uMark), s_PendingStarts.end());
    }
    if (--s_iDrivers == 0)
        s_iPassStarts = 0;
}

void XC_Script::StepStart()
{
    const size_t uTop = s_PendingStarts.size() - 1;
    XS_PendingStart& start = s_PendingStarts[uTop];
    XC_Script* const pScriptObj = start.pScriptObj;
    if (pScriptObj == nullptr) {
        s_PendingStarts.pop_back();
        return;
    }
    if (start.bTraceEnd) {
        start.bTraceEnd = false;
        pScriptObj->WriteTrace(start.pTNode, "     End\n");
    }
    // Children are counted afresh each turn: a command may not remove nodes,
    // but the index keeps the walk safe if one ever does.
    while (start.iNextChild < start.pTNode->GetChildNodeCount()) {
        XC_TextNode* const pTNodeChild = start.pTNode->FindChildNode(start.iNextChild++);
        if (pTNodeChild->GetDword("dwConditionOfStart", 0) == start.dwCondition) {
            // The step may push starts and so move the vector: no reference is kept past it.
            pScriptObj->DoEvent(pTNodeChild);
            return;
        }
    }
    s_PendingStarts.pop_back();
    pScriptObj->LeaveRunEvent();
}

void XC_Script::LeaveRunEvent()
{
    --iRunEvent;
    if (iRunEvent < 0) {
        XM_REPORT_FAILED("iRunEvent >= 0");
        iRunEvent = 0;
    }
    if (iRunEvent == 0)
        RunEvent();
}

void XC_Script::RunEvent()
{
    // A row of commands that end at once runs through in this loop rather
    // than by recursion.
    while (m_pTNodeRun != nullptr && m_dwRunIndex < static_cast<DWORD>(m_pTNodeRun->GetChildNodeCount())) {
        XC_TextNode* const pTNodeChild = m_pTNodeRun->FindChildNode(static_cast<int>(m_dwRunIndex));
        ++m_dwRunIndex;
        ++iRunEvent;
        DoEvent(pTNodeChild);
        --iRunEvent;
        if (iRunEvent < 0) {
            XM_REPORT_FAILED("iRunEvent >= 0");
            iRunEvent = 0;
        }
        if (iRunEvent != 0)
            return;
    }
}

void XC_Script::DoEvent(XC_TextNode* pTNode)
{
    WriteTrace(pTNode, "     Begin\n");
    if (m_pScriptCommandObj == nullptr) {
        XM_REPORT_FAILED("m_pScriptCommandObj");
        return;
    }
    XC_SpriteWorkBase* pSpriteWorkBaseObj = nullptr;
    if (FAILED(m_pScriptCommandObj->AnalyzeCommand(this, pTNode, &pSpriteWorkBaseObj))) {
        XC_String strPath;
        BuildNodePath(pTNode, &strPath);
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("\"%s\" DoEvent \"%s\" error", m_szScriptName.c_str(), strPath.c_str()));
        return;
    }
    if (pSpriteWorkBaseObj == nullptr) {
        StartFollowers(pTNode, 0, true);
        return;
    }
    ++iRunEvent;
    pSpriteWorkBaseObj->Connect(this, reinterpret_cast<DWORD_PTR>(pTNode), 0);
    const HRESULT hr = GetWorkSprite(pTNode)->AddWork(pSpriteWorkBaseObj);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("GetWorkSprite( pTNode )->AddWork( pSpriteWorkBaseObj )", hr);
}

HRESULT XC_Script::BuildNodePath(const XC_TextNode* pTNode, XC_String* pstrPath)
{
    if (pTNode == nullptr)
        return E_FAIL;
    std::vector<const XC_TextNode*> nodes;
    for (const XC_TextNode* pNode = pTNode; pNode != nullptr; pNode = pNode->GetParent())
        nodes.push_back(pNode);
    pstrPath->clear();
    for (auto it = nodes.rbegin(); it != nodes.rend(); ++it) {
        const char* const szName = (*it)->GetName();
        pstrPath->append(szName != nullptr ? szName : "");
        pstrPath->push_back(' ');
    }
    return S_OK;
}

void XC_Script::WriteTrace(const XC_TextNode* pTNode, const char* szEvent) const
{
    if (m_hTraceFile == INVALID_HANDLE_VALUE)
        return;
    XC_String strLine;
    BuildNodePath(pTNode, &strLine);
    strLine += szEvent;
    DWORD dwWritten = 0;
    WriteFile(m_hTraceFile, strLine.data(), static_cast<DWORD>(strLine.size()), &dwWritten, nullptr);
}

#include "Code/Battle/BattleScript/XC_BattleScript.h"

#include "Code/Battle/BattleScript/XC_BattleScriptCommand.h"
#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "GameProgram/Common/XC_TextLeaf.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_Person.h"
#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

#include <cstring>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

const char* const s_szActionList = "[ActionList]";

void ReportMissing(int iLine, const char* szExpression, const char* szText)
{
    XF_ReportError(s_szSourceFile, iLine, XF_FormatText("( %s ) failed \r\n%s", szExpression, szText));
}

} // namespace

XC_BattleScript::XC_BattleScript()
{
    if (g_pBattleScriptCommandObj == nullptr)
        XM_REPORT_FAILED("g_pBattleScriptCommandObj");
    else
        m_pScriptCommandObj = g_pBattleScriptCommandObj;
    m_RealTimeSpriteObj.SetUseTimeScale(FALSE);
}

// The list is forgotten before the copy it points at goes.
XC_BattleScript::~XC_BattleScript()
{
    XC_BattleScript::Clear();
}

HRESULT XC_BattleScript::Clear()
{
    m_RealTimeSpriteObj.ClearAllWork();
    return XC_Script::Clear();
}

HRESULT XC_BattleScript::SetBattleResultPerson(const XS_BattleResultPerson& record)
{
    m_sBattleResultPerson = record;
    return S_OK;
}

const XS_BattleResultPerson* XC_BattleScript::GetBattleResultPerson() const
{
    return &m_sBattleResultPerson;
}

HRESULT XC_BattleScript::Load(XC_TextNode* pTNodeScript)
{
    if (FAILED(XC_Script::Load(pTNodeScript)) || pTNodeScript == nullptr)
        return E_FAIL;
    const XC_TextNode* const pTNodeTemplateList = pTNodeScript->FindChildNode(s_szActionList);
    if (pTNodeTemplateList == nullptr) {
        ReportMissing(__LINE__, "pTNodeActionList",
                      XF_FormatText("\"%s\" has no [ActionList]", pTNodeScript->GetName()));
        return E_FAIL;
    }
    if (FAILED(m_TNodeActionList.CopyFrom(pTNodeTemplateList))) {
        XM_REPORT_FAILED("m_TNodeActionList.CopyFrom( pTNodeActionList )");
        return E_FAIL;
    }
    m_TNodeActionList.SetParent(pTNodeScript);
    if (FAILED(ChooseHitAndResult())) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    m_pTNodeActionList = &m_TNodeActionList;
    const HRESULT hr = m_ScriptResourceObj.AddRenderObjToResource(m_sBattleResultPerson.pPersonObj, "Person");
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_ScriptResourceObj.AddRenderObjToResource( m_sBattleResultPerson.pPersonObj , \"Person\" )", hr);
    return LayOverlay(pTNodeScript);
}

HRESULT XC_BattleScript::LayOverlay(const XC_TextNode* pTNodeScript)
{
    const char* szOverlay = nullptr;
    switch (m_sBattleResultPerson.dwHitType) {
    case XE_HIT_TYPE_HIT: szOverlay = "[ActionList_Hit]"; break;
    case XE_HIT_TYPE_DODGE: szOverlay = "[ActionList_Dodge]"; break;
    default:
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("擊中判斷出現意外 dwHitType = %d ", static_cast<int>(m_sBattleResultPerson.dwHitType)));
        return E_FAIL;
    }
    const XC_TextNode* const pTNodeOverlay = pTNodeScript->FindChildNode(szOverlay);
    if (pTNodeOverlay == nullptr)
        return S_OK;
    for (int i = 0; i < pTNodeOverlay->GetChildNodeCount(); ++i) {
        const XC_TextNode* const pTNodeChild = pTNodeOverlay->FindChildNode(i);
        XC_TextNode* const pTNodeCopy = pTNodeChild->Clone();
        if (pTNodeCopy == nullptr)
            return E_FAIL;
        if (XC_TextNode* const pTNodeOld = m_TNodeActionList.FindChildNode(pTNodeChild->GetName()))
            m_TNodeActionList.DeleteChildNode(pTNodeOld);
        m_TNodeActionList.AddChildNode(pTNodeCopy);
    }
    return S_OK;
}

bool XC_BattleScript::ChooseBranch(XC_TextNode* pTNodeBranch, const char* szChild)
{
    XC_TextNode* const pTNodeChosen = pTNodeBranch->FindChildNode(szChild);
    if (pTNodeChosen == nullptr)
        return false;
    pTNodeBranch->RemoveChildNode(pTNodeChosen);
    pTNodeChosen->SetName(pTNodeBranch->GetName());
    m_TNodeActionList.DeleteChildNode(pTNodeBranch);
    m_TNodeActionList.AddChildNode(pTNodeChosen);
    return true;
}

HRESULT XC_BattleScript::ChooseHitAndResult()
{
    if (FAILED(ChooseHit()))
        return E_FAIL;
    if (m_sBattleResultPerson.dwPersonType != XE_RESULT_PERSON_PASSIVE)
        return S_OK;
    return ChooseResult();
}

HRESULT XC_BattleScript::ChooseHit()
{
    XC_TextNode* const pTNodeHit = m_TNodeActionList.FindChildNode("[Hit]");
    if (pTNodeHit == nullptr)
        return S_OK;
    switch (m_sBattleResultPerson.dwHitType) {
    case XE_HIT_TYPE_HIT: ChooseBranch(pTNodeHit, "[HitHit]"); return S_OK;
    case XE_HIT_TYPE_DODGE: ChooseBranch(pTNodeHit, "[HitDodge]"); return S_OK;
    default:
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("擊中判斷出現意外 dwHitType = %d ", static_cast<int>(m_sBattleResultPerson.dwHitType)));
        return E_FAIL;
    }
}

HRESULT XC_BattleScript::ChooseResult()
{
    XC_TextNode* const pTNode1 = m_TNodeActionList.FindChildNode("[Result]");
    if (pTNode1 == nullptr) {
        ReportMissing(__LINE__, "pTNode1", "Passive Script Can't Find \"[Result]\"");
        return E_FAIL;
    }
    const char* szChild = nullptr;
    const char* szMissing = nullptr;
    switch (m_sBattleResultPerson.dwResultType) {
    case XE_RESULT_TYPE_LIVE:
        szChild = "[ResultLive]";
        szMissing = "Can't Find [ResultLive]         from %s -> [ActionList] -> [Hit] ";
        break;
    case XE_RESULT_TYPE_DIE_HAVE_BODY:
        szChild = "[ResultDieHaveBody]";
        szMissing = "Can't Find [ResultDieHaveBody]  from %s -> [ActionList] -> [Hit] ";
        break;
    case XE_RESULT_TYPE_DIE_NO_BODY:
        szChild = "[ResultDieNoBody]";
        szMissing = "Can't Find [ResultDieNoBody]    from %s -> [ActionList] -> [Hit] ";
        break;
    default:
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("結果判斷出現意外 dwResultType = %d ",
                                     static_cast<int>(m_sBattleResultPerson.dwResultType)));
        return E_FAIL;
    }
    if (!ChooseBranch(pTNode1, szChild)) {
        ReportMissing(__LINE__, "pTNode2", XF_FormatText(szMissing, GetName()));
        XM_REPORT_FAILED("pTNode2");
        return E_FAIL;
    }
    return S_OK;
}

HRESULT XC_BattleScript::PrepareResource()
{
    const HRESULT hr = PreparePersonPose(&m_TNodeActionList);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("PreparePersonPose( &m_TNodeActionList )", hr);
        return hr;
    }
    return S_OK;
}

HRESULT XC_BattleScript::PreparePersonPose(XC_TextNode* pTNode)
{
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return S_OK;
    }
    PreparePose(pTNode);
    for (int i = 0; i < pTNode->GetChildNodeCount(); ++i) {
        const HRESULT hr = PreparePersonPose(pTNode->FindChildNode(i));
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("PreparePersonPose( pTNode->FindChildNode( i ) )", hr);
    }
    return S_OK;
}

void XC_BattleScript::PreparePose(const XC_TextNode* pTNode)
{
    const char* const szType = pTNode->GetStr("Type", nullptr);
    if (szType == nullptr || std::strcmp(szType, "SetPose") != 0)
        return;
    const char* const szPose = pTNode->GetStr("Pose", nullptr);
    const char* const szPerson = pTNode->GetStr("Object", nullptr);
    if (szPose == nullptr) {
        ReportMissing(__LINE__, "szPose",
                      XF_FormatText("XC_BattleScript::PreparePersonPose Error , Cant Find Pose , pTNode = %s",
                                    pTNode->GetName()));
    }
    if (szPerson == nullptr) {
        ReportMissing(__LINE__, "szPerson",
                      XF_FormatText("XC_BattleScript::PreparePersonPose Error , Cant Find Object , pTNode = %s",
                                    pTNode->GetName()));
    }
    if (szPose == nullptr || szPerson == nullptr)
        return;
    XC_RenderingObject* const pRenderObj = m_ScriptResourceObj.GetRenderObj(szPerson);
    if (pRenderObj == nullptr) {
        XM_REPORT_FAILED("pRenderObj");
        return;
    }
    XC_Person* const pPerson = dynamic_cast<XC_Person*>(pRenderObj);
    if (pPerson == nullptr) {
        ReportMissing(__LINE__, "pPerson",
                      XF_FormatText("XC_BattleScript::PreparePersonPose Error , Cant Find Object , pTNode = %s",
                                    pTNode->GetName()));
        return;
    }
    pPerson->AddPreparePose(XC_Person::GetPersonPoseIndex(szPose), 0);
}

DWORD XC_BattleScript::GetWorkCount() const
{
    return m_SpriteObj.GetWorkCount() + m_RealTimeSpriteObj.GetWorkCount();
}

XC_Sprite* XC_BattleScript::GetWorkSprite(const XC_TextNode* pTNodeCommand)
{
    return pTNodeCommand->GetBool("bUseRealTime", FALSE) != 0 ? &m_RealTimeSpriteObj : &m_SpriteObj;
}

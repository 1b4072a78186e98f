#include "GameProgram/Script/XF_PersonCommands.h"

#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/RenderingObject/XC_Person.h"
#include "GameProgram/RenderingObject/XC_RenderObjManager.h"
#include "GameProgram/Script/XC_Script.h"
#include "GameProgram/Script/XC_ScriptWork.h"
#include "GameProgram/Script/XF_CommandSupport.h"
#include "GameProgram/SpecialEfficacy/XC_ResidualImage.h"
#include "GameProgram/SpriteWork/XC_AniWork_SetAniPlay.h"
#include "GameProgram/SpriteWork/XC_PerformerWork_Direction.h"
#include "GameProgram/SpriteWork/XC_PersonWork_SetPose.h"
#include "GameProgram/SpriteWork/XC_PlaySoundWork.h"
#include "GameProgram/SpriteWork/XC_SpriteWork_ShowAni.h"

#include <cstring>
#include <memory>
#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

// D3DRS_ALPHABLENDENABLE, D3DRS_SRCBLEND and D3DRS_DESTBLEND.
const DWORD RS_ALPHA_BLEND_ENABLE = 27;
const DWORD RS_SRC_BLEND = 19;
const DWORD RS_DEST_BLEND = 20;

// A work that ends with its animation's last page while its node has
// followers waiting for a message: its time becomes long enough for the page
// to end it. The node's own leaves are read raw.
void ApplyLongWorkRule(XC_TextNode* pTNode, BOOL bLastPageEnd)
{
    if (pTNode == nullptr || pTNode->GetChildNodeCount() == 0 || !bLastPageEnd)
        return;
    XC_TextLeaf* const pTLeafWorkTime = pTNode->FindLeaf("fWorkTime");
    if (pTLeafWorkTime == nullptr || !(pTLeafWorkTime->GetFloat() > 0.5f))
        return;
    for (int i = 0; i < pTNode->GetChildNodeCount(); ++i) {
        if (pTNode->FindChildNode(i)->GetDword("dwConditionOfStart", 0) != 0) {
            pTLeafWorkTime->SetValue("9999.0");
            return;
        }
    }
}

// The end flags of a page work; then the long-work rule on its node.
void ReadPageEndFlags(XC_ScriptCommand* pCommandObj, XC_PageWorkBase* pWork)
{
    pWork->m_bRestoreWhenFinishWork = pCommandObj->GetBoolParameter("bRestoreWhenFinishWork", FALSE);
    pWork->m_bLastPageEnd = pCommandObj->GetBoolParameter("bLastPageEnd", FALSE);
    ApplyLongWorkRule(pCommandObj->GetTextNode(), pWork->m_bLastPageEnd);
}

// Hands every leaf "szLeafName" of the command node, raw, to the function.
template <class F>
void ForEachRawLeaf(XC_ScriptCommand* pCommandObj, const char* szLeafName, F fpLine)
{
    const XC_TextNode* const pTNode = pCommandObj->GetTextNode();
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return;
    }
    for (int i = 0; i < pTNode->GetLeafCount(); ++i) {
        const XC_TextLeaf* const pTLeafSet = pTNode->GetLeaf(i);
        if (pTLeafSet->GetName() != nullptr && std::strcmp(pTLeafSet->GetName(), szLeafName) == 0)
            fpLine(pTLeafSet->GetStr());
    }
}

HRESULT SetPose(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    std::unique_ptr<XC_PersonWork_SetPose> pWork(new (std::nothrow) XC_PersonWork_SetPose);
    XC_Script* const pScriptObj = XM_COMMAND_SCRIPT(pCommandObj);
    if (pWork == nullptr || pScriptObj == nullptr)
        return E_FAIL;
    const XC_String strObject = pCommandObj->GetStringParameter("Object", "");
    if (strObject.empty())
        XM_REPORT_FAILED("strObject.length() > 0");
    XC_Person* const pPerson = dynamic_cast<XC_Person*>(pScriptObj->GetScriptResource()->GetRenderObj(strObject.c_str()));
    if (pPerson == nullptr || !pWork->SetTarget(pPerson)) {
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("SetPose Can't Find Object \"%s\" ", strObject.c_str()));
        return E_FAIL;
    }
    const XC_String strPose = pCommandObj->GetStringParameter("Pose", "");
    if (strPose.empty()) {
        XF_ReportError(s_szSourceFile, __LINE__, "設定姿勢工作錯誤 找不到 參數 Pose ");
        return E_FAIL;
    }
    pWork->m_dwPose = XC_Person::GetPersonPoseIndex(strPose.c_str());
    ReadPageEndFlags(pCommandObj, pWork.get());
    pWork->m_dwReplayType = pCommandObj->GetDwordParameter("dwReplayType", XC_PersonWork_SetPose::REPLAY_KEEP);
    *rpSpriteWorkObj = pWork.release();
    return S_OK;
}

HRESULT PersonChangeDirection(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    std::unique_ptr<XC_PerformerWork_Direction> pPerformerWork_Direction =
        XM_MAKE_TARGETED_WORK(XC_PerformerWork_Direction, XC_Performer, pCommandObj);
    if (pPerformerWork_Direction == nullptr)
        return E_FAIL;
    const DWORD dwAdjustDirection = pCommandObj->GetDwordParameter("dwAdjustDirection", 0);
    if (dwAdjustDirection > 1) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed \r\n%s", "dwAdjustDirection <= 1",
                                     "PersonChangeDirection 參數 dwAdjustDirection 錯誤"));
    }
    pPerformerWork_Direction->m_bAbsDirection = dwAdjustDirection != 0;
    pPerformerWork_Direction->m_dwDirection = pCommandObj->GetDwordParameter("dwDirection", 0);
    pPerformerWork_Direction->m_bRestoreWhenFinishWork = pCommandObj->GetBoolParameter("bRestoreWhenFinishWork", FALSE);
    if (pPerformerWork_Direction->m_dwDirection > 3) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed \r\n%s", "pPerformerWork_Direction->m_dwDirection <= 3",
                                     "PersonChangeDirection 參數 dwDirection 錯誤"));
    }
    *rpSpriteWorkObj = pPerformerWork_Direction.release();
    return S_OK;
}

HRESULT PersonLookAtPosition(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    if (XM_COMMAND_SCRIPT(pCommandObj) == nullptr)
        return E_FAIL;
    XC_Person* const pPerson = XF_GetTargetParameter<XC_Person>(pCommandObj);
    if (pPerson == nullptr) {
        XM_REPORT_FAILED("pPerson");
        return E_FAIL;
    }
    const D3DXVECTOR3 vTarget = pCommandObj->GetXYZParameter("xyzTarget");
    pPerson->LookAtPosition(&vTarget);
    return S_OK;
}

// A copy of a person, placed and named "Person" in the first script of a
// called file, which owns it from then on.
HRESULT CallHumanCloningScript(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    XC_Script* const pScriptObj = XM_COMMAND_SCRIPT(pCommandObj);
    if (pScriptObj == nullptr)
        return E_FAIL;
    XC_Person* const pSourcePerson = dynamic_cast<XC_Person*>(XF_GetRenderObjParameter(pCommandObj, "CopyPerson"));
    if (pSourcePerson == nullptr)
        return E_FAIL;
    // A person never given its path has no animations to copy.
    const char* const szSufaceName = pSourcePerson->GetPersonPath();
    if (szSufaceName == nullptr || szSufaceName[0] == '\0') {
        XM_REPORT_FAILED("szSufaceName");
        return E_FAIL;
    }
    std::unique_ptr<XC_Person> pNewPerosn(new (std::nothrow) XC_Person);
    if (pNewPerosn == nullptr) {
        XM_REPORT_FAILED("pNewPerosn");
        return E_OUTOFMEMORY;
    }
    if (pNewPerosn->InitPerson(szSufaceName, 0, 0) != S_OK)
        return E_FAIL;
    std::unique_ptr<XC_ScriptWork> pScriptWork(XF_MakeScriptWork(pCommandObj, pScriptObj, "CallHumanCloningScript"));
    if (pScriptWork == nullptr)
        return E_FAIL;
    XC_Script* const pNewScriptObj = pScriptWork->GetScriptObj(0);
    XC_RenderObjManager* const pManager = pNewScriptObj->GetRenderObjManager();
    XF_PlaceFromParameters(pCommandObj, pManager);
    *rpSpriteWorkObj = pScriptWork.release();

    pNewPerosn->SetPosition(pManager->QueryWorldPosition());
    const D3DXVECTOR3 vRotation = pManager->GetWorldRotation();
    pNewPerosn->SetRotation(&vRotation);
    pNewPerosn->SetScale(pManager->QueryWorldScale());
    pNewPerosn->SetName("Person");
    XC_Person* const pPerson = pNewPerosn.release();
    HRESULT hr = pManager->AddRenderingObject(pPerson);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pNewScriptObj->GetRenderObjManager()->AddRenderingObject( pNewPerosn )", hr);
    hr = pNewScriptObj->GetScriptResource()->AddRenderObjToResource(pPerson, "Person");
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pNewScriptObj->GetScriptResource()->AddRenderObjToResource( pNewPerosn , \"Person\")", hr);
    // Its transform above is a world transform.
    pPerson->SetParent(nullptr);
    return S_OK;
}

HRESULT SetAniPlay(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    std::unique_ptr<XC_AniWork_SetAniPlay> pWork =
        XM_MAKE_TARGETED_WORK(XC_AniWork_SetAniPlay, XC_RenderAnimation, pCommandObj);
    if (pWork == nullptr)
        return E_FAIL;
    pWork->m_bSetCurrentPage = pCommandObj->GetBoolParameter("bSetCurrentPage", FALSE);
    pWork->m_bSetRePlay = pCommandObj->GetBoolParameter("bSetRePlay", FALSE);
    pWork->m_bSetPlay = pCommandObj->GetBoolParameter("bSetPlay", FALSE);
    pWork->m_bSetBeginPage = pCommandObj->GetBoolParameter("bSetBeginPage", FALSE);
    pWork->m_bSetEndPage = pCommandObj->GetBoolParameter("bSetEndPage", FALSE);
    pWork->m_bSetPlaySpeed = pCommandObj->GetBoolParameter("bSetPlaySpeed", FALSE);
    pWork->m_bSetMirror = pCommandObj->GetBoolParameter("bSetMirror", FALSE);
    pWork->m_dwCurrentPage = pCommandObj->GetDwordParameter("dwCurrentPage", 0);
    pWork->m_bRePlay = pCommandObj->GetBoolParameter("bRePlay", FALSE);
    pWork->m_bPlay = pCommandObj->GetBoolParameter("bPlay", FALSE);
    pWork->m_dwBeginPage = pCommandObj->GetDwordParameter("dwBeginPage", 0);
    pWork->m_dwEndPage = pCommandObj->GetDwordParameter("dwEndPage", 0);
    pWork->m_fPlaySpeed = pCommandObj->GetFloatParameter("fPlaySpeed", 0.0f);
    pWork->m_bMirror = pCommandObj->GetBoolParameter("bMirror", FALSE);
    ReadPageEndFlags(pCommandObj, pWork.get());
    *rpSpriteWorkObj = pWork.release();
    return S_OK;
}

HRESULT ShowAni(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    XC_Script* const pScriptObj = pCommandObj->GetScriptObj();
    if (pScriptObj == nullptr) {
        XM_REPORT_FAILED("pScriptObj");
        return E_FAIL;
    }
    std::unique_ptr<XC_SpriteWork_ShowAni> pSpriteWork_ShowAniObj(new (std::nothrow) XC_SpriteWork_ShowAni);
    if (pSpriteWork_ShowAniObj == nullptr) {
        XM_REPORT_FAILED("pSpriteWork_ShowAniObj");
        return E_OUTOFMEMORY;
    }
    const XC_String strAniName = pCommandObj->GetStringParameter("AniName", "");
    if (FAILED(pSpriteWork_ShowAniObj->SetTarget(pScriptObj->GetEnvironmentOfRender(), strAniName.c_str())))
        return E_FAIL;
    XC_RenderAnimation* const pRA_Object = pSpriteWork_ShowAniObj->GetRenderAnimation();
    ForEachRawLeaf(pCommandObj, "Set", [pRA_Object](const char* szLine) {
        const HRESULT hr = static_cast<XC_RenderingObject*>(pRA_Object)->AnalyzeScript(szLine);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("((XC_RenderingObject*)pRA_Object)->AnalyzeScript( pTLeafSet->GetStr() )", hr);
    });
    *rpSpriteWorkObj = pSpriteWork_ShowAniObj.release();
    return S_OK;
}

HRESULT ResidualImage(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    std::unique_ptr<XC_ResidualImage> pWork = XM_MAKE_TARGETED_WORK(XC_ResidualImage, XC_RenderingObject, pCommandObj);
    if (pWork == nullptr)
        return E_FAIL;
    pWork->m_bWaitEveryResidualImageDeath = pCommandObj->GetBoolParameter("bWaitEveryResidualImageDeath", FALSE);
    pWork->m_fLifeTime = pCommandObj->GetFloatParameter("fLifeTime", 0.0f);
    pWork->m_fSamplingFrequency = pCommandObj->GetFloatParameter("fSamplingFrequency", 0.0f);
    pWork->m_dwColorStart = pCommandObj->GetDwordParameter("dwColorStart", 0);
    pWork->m_dwColorEnd = pCommandObj->GetDwordParameter("dwColorEnd", 0);
    XC_SetDirectState* const pSetDirectState = pWork->GetSetDirectState();
    if (pCommandObj->GetBoolParameter("bAlphaBlen", FALSE)) {
        pSetDirectState->SetRenderState(RS_ALPHA_BLEND_ENABLE, 1);
        pSetDirectState->SetRenderState(RS_SRC_BLEND, pCommandObj->GetDwordParameter("dwSrcBlend", 0));
        pSetDirectState->SetRenderState(RS_DEST_BLEND, pCommandObj->GetDwordParameter("dwDestBlend", 0));
    }
    ForEachRawLeaf(pCommandObj, "SetDirectState", [pSetDirectState](const char* szLine) {
        const HRESULT hr = pSetDirectState->ScriptSetDirectState(szLine);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("pSetDirectState->ScriptSetDirectState( pTLeafSet->GetStr() )", hr);
    });
    *rpSpriteWorkObj = pWork.release();
    return S_OK;
}

HRESULT PlaySound(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    std::unique_ptr<XC_PlaySoundWork> pPlaySoundWorkObj(new (std::nothrow) XC_PlaySoundWork);
    if (pPlaySoundWorkObj == nullptr) {
        XM_REPORT_FAILED("pPlaySoundWorkObj");
        return E_OUTOFMEMORY;
    }
    if (pPlaySoundWorkObj->SetSoundName(pCommandObj->GetStringParameter("SoundName", "").c_str()) != S_OK)
        return E_FAIL;
    *rpSpriteWorkObj = pPlaySoundWorkObj.release();
    return S_OK;
}

} // namespace

void XF_AddPersonCommands(std::map<XC_String, XF_AnalyzeCommand>* pCommandTable)
{
    std::map<XC_String, XF_AnalyzeCommand>& table = *pCommandTable;
    table["SetPose"] = SetPose;
    table["PersonChangeDirection"] = PersonChangeDirection;
    table["PersonLookAtPosition"] = PersonLookAtPosition;
    table["CallHumanCloningScript"] = CallHumanCloningScript;
    table["ResidualImage"] = ResidualImage;
    table["SetAniPlay"] = SetAniPlay;
    table["PlaySound"] = PlaySound;
    table["ShowAni"] = ShowAni;
}

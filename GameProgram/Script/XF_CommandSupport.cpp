#include "GameProgram/Script/XF_CommandSupport.h"

#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_RenderNode.h"
#include "GameProgram/Script/XC_Script.h"
#include "GameProgram/Script/XC_ScriptWork.h"

#include <memory>
#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_Script* XF_GetCommandScript(XC_ScriptCommand* pCommandObj, const char* szSourceFile, int iLine)
{
    if (pCommandObj == nullptr) {
        XF_ReportError(szSourceFile, iLine, XF_FormatText("( %s ) failed", "pCommandObj"));
        return nullptr;
    }
    XC_Script* const pScriptObj = pCommandObj->GetScriptObj();
    if (pScriptObj == nullptr)
        XF_ReportError(szSourceFile, iLine, XF_FormatText("( %s ) failed", "pScriptObj"));
    return pScriptObj;
}

XC_RenderingObject* XF_GetRenderObjParameter(XC_ScriptCommand* pCommandObj, const char* szParameterName)
{
    XC_Script* const pScriptObj = pCommandObj->GetScriptObj();
    if (pScriptObj == nullptr)
        return nullptr;
    const XC_String strName = pCommandObj->GetStringParameter(szParameterName, "");
    return pScriptObj->GetScriptResource()->GetRenderObj(strName.c_str());
}

XC_RenderNode* XF_GetRenderNodeParameter(XC_ScriptCommand* pCommandObj, const char* szParameterName)
{
    XC_Script* const pScriptObj = pCommandObj->GetScriptObj();
    if (pScriptObj == nullptr)
        return nullptr;
    const XC_String strName = pCommandObj->GetStringParameter(szParameterName, "");
    return pScriptObj->GetScriptResource()->GetRenderNode(strName.c_str());
}

XC_ScriptWork* XF_MakeScriptWork(XC_ScriptCommand* pCommandObj, XC_Script* pScriptObj, const char* szCommandName)
{
    const XC_String strScriptFile = pCommandObj->GetStringParameter("ScriptFile", "");
    std::unique_ptr<XC_ScriptWork> pScriptWork(new (std::nothrow) XC_ScriptWork);
    if (pScriptWork == nullptr) {
        XM_REPORT_FAILED("pScriptWork");
        return nullptr;
    }
    if (FAILED(pScriptWork->SetTarget(strScriptFile.c_str(), pScriptObj)))
        return nullptr;
    // A file that holds no script has nothing to run.
    if (pScriptWork->GetScriptSet()->GetScriptCount() == 0) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("%s %s holds no script", szCommandName, strScriptFile.c_str()));
        return nullptr;
    }
    if (pCommandObj->HasParameter("ScriptName"))
        pScriptWork->GetScriptObj(0)->SetName(pCommandObj->GetStringParameter("ScriptName", "").c_str());
    return pScriptWork.release();
}

void XF_PlaceFromParameters(XC_ScriptCommand* pCommandObj, XC_RenderNode* pRenderNode)
{
    if (pCommandObj->HasParameter("xyzPosition")) {
        const D3DXVECTOR3 vPosition = pCommandObj->GetXYZParameter("xyzPosition");
        pRenderNode->SetPosition(&vPosition);
    }
    if (pCommandObj->HasParameter("xyzRotation")) {
        const D3DXVECTOR3 vRotation = pCommandObj->GetXYZParameter("xyzRotation");
        pRenderNode->SetRotation(&vRotation);
    }
    if (pCommandObj->HasParameter("xyzScale")) {
        const D3DXVECTOR3 vScale = pCommandObj->GetXYZParameter("xyzScale");
        pRenderNode->SetScale(&vScale);
    }
}

bool XF_WriteFloatLeaf(XC_TextNode* pTNode, const char* szLeafName, float fValue, bool bAdd)
{
    const char* const szValue = XF_FormatText("%f", static_cast<double>(fValue));
    XC_TextLeaf* const pTLeaf = pTNode->FindLeaf(szLeafName);
    if (pTLeaf != nullptr) {
        pTLeaf->SetValue(szValue != nullptr ? szValue : "0");
        return true;
    }
    if (bAdd)
        pTNode->AddLeaf(szLeafName, szValue != nullptr ? szValue : "0");
    return false;
}

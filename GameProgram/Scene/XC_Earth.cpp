#include "GameProgram/Scene/XC_Earth.h"

#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Effect/XC_Effect.h"
#include "GameProgram/Effect/XC_EffectManager.h"
#include "GameProgram/RenderingObject/XC_RenderXFile.h"
#include "GameProgram/Resource/XC_XFileManager.h"

#include <algorithm>
#include <cstdio>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD EARTH_RENDER_QUEUE_GROUP = 30;
const char* const BLANKS = " \t\r\n";

// The next blank-separated word of the text from the position on; empty
// when none is left. The position moves past it.
std::string NextWord(const std::string& strText, size_t* pPosition)
{
    const size_t begin = strText.find_first_not_of(BLANKS, *pPosition);
    if (begin == std::string::npos) {
        *pPosition = strText.size();
        return std::string();
    }
    const size_t end = std::min(strText.find_first_of(BLANKS, begin), strText.size());
    *pPosition = end;
    return strText.substr(begin, end - begin);
}

// The effect of the name given to the mesh; a missing one is reported and
// the mesh is drawn without it.
void GiveEffect(XC_RenderXFile* pRenderXFileObj, const std::string& strEffectName)
{
    if (g_pEffectManager == nullptr) {
        XM_REPORT_FAILED("g_pEffectManager");
        return;
    }
    XC_Effect* const pEffectObj = g_pEffectManager->GetEffect(strEffectName.c_str());
    if (pEffectObj == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed \r\n%s", "pEffectObj",
                                     XF_FormatText("Load Error , EffectObj %s ", strEffectName.c_str())));
    }
    const HRESULT hr = pRenderXFileObj->SetEffect(pEffectObj);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pRenderXFileObj->SetEffect( pEffectObj )", hr);
    if (pEffectObj != nullptr)
        pEffectObj->Release();
}

} // namespace

void XC_Earth::AddMesh(const char* szText)
{
    if (g_pXFileManager == nullptr) {
        XM_REPORT_FAILED("g_pXFileManager");
        return;
    }
    const std::string strText = szText != nullptr ? szText : "";
    size_t position = 0;
    const std::string strXFileName = NextWord(strText, &position);
    const std::string strEffectName = NextWord(strText, &position);
    if (strXFileName.empty()) {
        XM_REPORT_FAILED("strlen(szXFileName)>0");
        return;
    }
    XC_XFileObject* const pXFileObj = g_pXFileManager->GetXFile(strXFileName.c_str());
    if (pXFileObj == nullptr) {
        XM_REPORT_FAILED("pXFileObj");
        return;
    }
    XC_RenderXFile* const pRenderXFileObj = new XC_RenderXFile;
    pRenderXFileObj->SetXFileObject(pXFileObj);
    pXFileObj->Release();
    if (!strEffectName.empty())
        GiveEffect(pRenderXFileObj, strEffectName);
    pRenderXFileObj->SetName(strText.c_str());
    pRenderXFileObj->SetRenderQueueGroup(EARTH_RENDER_QUEUE_GROUP);
    AddRenderingObject(pRenderXFileObj);
}

HRESULT XC_Earth::DelMesh(const char* szName)
{
    return DelRenderingObject(szName);
}

XC_RenderXFile* XC_Earth::GetMesh(DWORD dwIndex) const
{
    return dynamic_cast<XC_RenderXFile*>(GetRenderingObject(dwIndex));
}

DWORD XC_Earth::GetMeshCount() const
{
    return GetRenderingObjectCount();
}

BOOL XC_Earth::SaveToNode(XC_TextNode* pTNode) const
{
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return FALSE;
    }
    for (DWORD i = 0; i < GetRenderingObjectCount(); ++i) {
        const XC_RenderXFile* const pRenderXFileObj = GetMesh(i);
        if (pRenderXFileObj == nullptr) {
            XM_REPORT_FAILED("pRenderXFileObj");
            continue;
        }
        char szLeafName[32];
        std::snprintf(szLeafName, sizeof(szLeafName), "Mesh%02lu", static_cast<unsigned long>(i));
        pTNode->AddLeaf(szLeafName, pRenderXFileObj->GetName());
    }
    return TRUE;
}

BOOL XC_Earth::LoadFromNode(const XC_TextNode* pTNode)
{
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return FALSE;
    }
    ClearAll();
    for (int i = 0; i < pTNode->GetLeafCount(); ++i)
        AddMesh(pTNode->GetLeaf(i)->GetValue());
    return TRUE;
}

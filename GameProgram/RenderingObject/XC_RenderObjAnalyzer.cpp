#include "GameProgram/RenderingObject/XC_RenderObjAnalyzer.h"

#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_InitOrder.h"
#include "GameProgram/RenderingObject/XC_ParticleEmitter.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderBackground.h"
#include "GameProgram/RenderingObject/XC_RenderPic.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "GameProgram/RenderingObject/XC_RenderXFile.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

XC_RenderObjAnalyzer s_RenderObjAnalyzer XM_INIT_ORDER(XE_INIT_RENDER_OBJ_ANALYZER);

} // namespace

XC_RenderObjAnalyzer* g_pRenderObjAnalyzer = &s_RenderObjAnalyzer;

XC_RenderObjAnalyzer::XC_RenderObjAnalyzer()
{
    RegisterRenderObjType("xfile", &XC_RenderObjAnalyzer::CreateRenderObj<XC_RenderXFile>);
    RegisterRenderObjType("ani", &XC_RenderObjAnalyzer::CreateRenderObj<XC_RenderAnimation>);
    RegisterRenderObjType("string", &XC_RenderObjAnalyzer::CreateRenderObj<XC_RenderString>);
    RegisterRenderObjType("particle", &XC_RenderObjAnalyzer::CreateRenderObj<XC_ParticleEmitter>);
    RegisterRenderObjType("pic", &XC_RenderObjAnalyzer::CreateRenderObj<XC_RenderPic>);
    RegisterRenderObjType("background", &XC_RenderObjAnalyzer::CreateRenderObj<XC_RenderBackground>);
}

void XC_RenderObjAnalyzer::ReportFailedCreation(int iLine)
{
    XF_ReportError(s_szSourceFile, iLine, nullptr);
}

XC_RenderingObject* XC_RenderObjAnalyzer::AnalyzeRenderObj(XC_TextNode* pTNode)
{
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return nullptr;
    }
    const char* const szType = pTNode->GetStr("Type", nullptr);
    if (szType == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, "無法分析繪圖物件 找不到繪圖物件類型名稱");
        return nullptr;
    }
    XC_String strType(szType);
    strType.MakeLower();
    const auto it = m_mapRenderObjType.find(strType);
    if (it == m_mapRenderObjType.end()) {
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("無法分析繪圖物件\" %s \"", szType));
        return nullptr;
    }
    if (it->second == nullptr) {
        XM_REPORT_FAILED("fpAnalyzeRenderObj");
        return nullptr;
    }
    return it->second(pTNode);
}

HRESULT XC_RenderObjAnalyzer::RegisterRenderObjType(const char* lpctstrType, fpAnalyzeRenderObj pfnAnalyzeRenderObj)
{
    if (lpctstrType == nullptr) {
        XM_REPORT_FAILED("lpctstrType");
        return E_FAIL;
    }
    if (pfnAnalyzeRenderObj == nullptr)
        XM_REPORT_FAILED("fpAnalyzeRenderObj");
    m_mapRenderObjType[XC_String(lpctstrType)] = pfnAnalyzeRenderObj;
    return S_OK;
}

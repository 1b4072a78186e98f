#include "GameProgram/SpriteWork/XC_RenderNodeWorkBase.h"

#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

BOOL XC_RenderNodeWorkBase::SetTarget(XC_RenderNode* pRenderNodeObj)
{
    if (pRenderNodeObj == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return FALSE;
    }
    m_pRenderNodeObj = pRenderNodeObj;
    return TRUE;
}

bool XC_RenderNodeWorkBase::CheckTarget(const char* szSourceFile, int iLine) const
{
    if (m_pRenderNodeObj != nullptr)
        return true;
    XF_ReportError(szSourceFile, iLine, XF_FormatText("( %s ) failed", "m_pRenderNodeObj"));
    return false;
}

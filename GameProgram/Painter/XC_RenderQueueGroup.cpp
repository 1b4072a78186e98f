#include "GameProgram/Painter/XC_RenderQueueGroup.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Painter/XC_Painter.h"
#include "GameProgram/RenderingObject/XC_RenderingObject.h"

#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_RenderQueueGroup::~XC_RenderQueueGroup()
{
    if (m_ROSet_List.empty())
        return;
    XM_REPORT_FAILED("m_ROSet_List.size() == 0");
    int iNumber = 0;
    for (XC_RenderingObject* const pRenderObj : m_ROSet_List) {
        const std::string text = " \n繪圖物件未從場景移除 ," + std::to_string(++iNumber) + " , "
                               + pRenderObj->GetName() + " \n";
        OutputDebugStringA(text.c_str());
    }
}

BOOL XC_RenderQueueGroup::AddRenderObj(XC_RenderingObject* pRenderObj)
{
    if (pRenderObj == nullptr) {
        XM_REPORT_FAILED("pRenderObj");
        return FALSE;
    }
    m_ROSet_List.insert(pRenderObj);
    return TRUE;
}

BOOL XC_RenderQueueGroup::RemoveRenderObj(XC_RenderingObject* pRenderObj)
{
    if (pRenderObj == nullptr) {
        XM_REPORT_FAILED("pRenderObj");
        return FALSE;
    }
    return m_ROSet_List.erase(pRenderObj) != 0 ? TRUE : FALSE;
}

DWORD XC_RenderQueueGroup::GetRenderObjCount_Total() const
{
    return static_cast<DWORD>(m_ROSet_List.size());
}

DWORD XC_RenderQueueGroup::GetRenderObjCount_Inside() const
{
    return static_cast<DWORD>(m_ROMMap_NoAlpha.size() + m_ROMMap_Alpha.size());
}

BOOL XC_RenderQueueGroup::Sort()
{
    m_ROMMap_NoAlpha.clear();
    m_ROMMap_Alpha.clear();
    for (XC_RenderingObject* const pRenderObj : m_ROSet_List) {
        float fSortValue = 0.0f;
        if (!pRenderObj->CheckVisible(&fSortValue))
            continue;
        if (pRenderObj->IsAlphaBlend())
            m_ROMMap_Alpha.insert({fSortValue, pRenderObj});
        else
            m_ROMMap_NoAlpha.insert({fSortValue, pRenderObj});
    }
    return m_ROMMap_NoAlpha.empty() && m_ROMMap_Alpha.empty() ? FALSE : TRUE;
}

void XC_RenderQueueGroup::Render()
{
    if (m_ROMMap_NoAlpha.empty() && m_ROMMap_Alpha.empty())
        XM_REPORT_FAILED("!( m_ROMMap_NoAlpha.empty() && m_ROMMap_Alpha.empty() )");
    for (auto it = m_ROMMap_NoAlpha.begin(); it != m_ROMMap_NoAlpha.end(); ++it) {
        if (!DrawCounted(it->second))
            return;
    }
    for (auto it = m_ROMMap_Alpha.rbegin(); it != m_ROMMap_Alpha.rend(); ++it) {
        if (!DrawCounted(it->second))
            return;
    }
}

bool XC_RenderQueueGroup::DrawCounted(XC_RenderingObject* pRenderObj)
{
    if (g_iRenderCount - g_iRenderBeginNum >= g_iRenderMaxCount)
        return false;
    ++g_iRenderCount;
    if (g_iRenderBeginNum < g_iRenderCount)
        pRenderObj->Render();
    return true;
}

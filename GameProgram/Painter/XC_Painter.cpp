#include "GameProgram/Painter/XC_Painter.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/Painter/XC_RenderQueueGroup.h"
#include "GameProgram/RenderingObject/XC_RenderingObject.h"

#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

int g_iRenderBeginNum = 0;
int g_iRenderMaxCount = 1000;
int g_iRenderCount = 0;
DWORD g_dwRenderObjCountTotal = 0;
DWORD g_dwRenderObjCountInside = 0;

XC_Painter::~XC_Painter()
{
    RemoveAllGroups();
}

DWORD XC_Painter::GetQueueKey(const XC_RenderingObject* pRenderObj)
{
    const DWORD dwGroupID = pRenderObj->GetRenderQueueGroup();
    if (dwGroupID >= RQG_None)
        XM_REPORT_FAILED("dwGroupID < RQG_None");
    return dwGroupID * 2 + (pRenderObj->GetCoordinateSystem() == CS_Screen ? 1 : 0);
}

BOOL XC_Painter::AddRenderObj(XC_RenderingObject* pRenderObj)
{
    if (pRenderObj == nullptr) {
        XM_REPORT_FAILED("pRenderObj");
        return FALSE;
    }
    XC_RenderQueueGroup* const pGroup = FindOrCreateGroup(GetQueueKey(pRenderObj));
    if (pGroup == nullptr) {
        XM_REPORT_FAILED("pGroup");
        return FALSE;
    }
    if (!pGroup->AddRenderObj(pRenderObj)) {
        XF_ReportError(s_szSourceFile, __LINE__, "");
        return FALSE;
    }
    return TRUE;
}

XC_RenderQueueGroup* XC_Painter::FindOrCreateGroup(DWORD dwKey)
{
    const auto it = m_mapRenderQueueGroup.find(dwKey);
    if (it != m_mapRenderQueueGroup.end())
        return it->second;
    XC_RenderQueueGroup* const pGroup = new (std::nothrow) XC_RenderQueueGroup;
    if (pGroup != nullptr)
        m_mapRenderQueueGroup[dwKey] = pGroup;
    return pGroup;
}

BOOL XC_Painter::RemoveRenderObj(XC_RenderingObject* pRenderObj)
{
    if (pRenderObj == nullptr) {
        XM_REPORT_FAILED("pRenderObj");
        return FALSE;
    }
    const auto it = m_mapRenderQueueGroup.find(GetQueueKey(pRenderObj));
    if (it == m_mapRenderQueueGroup.end()) {
        XF_ReportError(s_szSourceFile, __LINE__, "");
        return FALSE;
    }
    XC_RenderQueueGroup* const pGroup = it->second;
    if (!pGroup->RemoveRenderObj(pRenderObj)) {
        XF_ReportError(s_szSourceFile, __LINE__, "");
        return FALSE;
    }
    if (pGroup->GetRenderObjCount_Total() == 0) {
        delete pGroup;
        m_mapRenderQueueGroup.erase(it);
    }
    return TRUE;
}

void XC_Painter::Render()
{
    for (const auto& entry : m_mapRenderQueueGroup) {
        XC_RenderQueueGroup* const pGroup = entry.second;
        if (pGroup->GetRenderObjCount_Total() == 0) {
            XF_ReportError(s_szSourceFile, __LINE__,
                           XF_FormatText("( %s ) failed \r\n%s", "pGroup->GetRenderObjCount_Total() > 0",
                                         "圖層的繪圖物件數量不應該為0"));
        }
        if (pGroup->Sort()) {
            ClearDepthBuffer();
            pGroup->Render();
        }
    }
    g_dwRenderObjCountTotal += GetRenderObjCount_Total();
    g_dwRenderObjCountInside += GetRenderObjCount_Inside();
}

void XC_Painter::ClearDepthBuffer()
{
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    if (pDevice == nullptr) {
        XM_REPORT_FAILED("g_pVar->g_pD3DDevice");
        return;
    }
    pDevice->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0xFFFFFFFF, 1.0f, 0);
}

void XC_Painter::RemoveAllGroups()
{
    for (auto& entry : m_mapRenderQueueGroup)
        delete entry.second;
    m_mapRenderQueueGroup.clear();
}

DWORD XC_Painter::GetRenderObjCount_Total() const
{
    DWORD dwCount = 0;
    for (const auto& entry : m_mapRenderQueueGroup)
        dwCount += entry.second->GetRenderObjCount_Total();
    return dwCount;
}

DWORD XC_Painter::GetRenderObjCount_Inside() const
{
    DWORD dwCount = 0;
    for (const auto& entry : m_mapRenderQueueGroup)
        dwCount += entry.second->GetRenderObjCount_Inside();
    return dwCount;
}

#include "JC_Module/JC_Town/View/JC_TownModuleViewBase.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderPic.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlModuleTown.h"
#include "JC_Module/JC_ModuleMouse.h"
#include "JC_Module/JC_ModuleResource.h"
#include "TemplateSystem/JC_DebugLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

JC_TownModuleViewBase::JC_TownModuleViewBase(int iViewNumber, int iItemCount)
    : m_Items(iItemCount), m_iViewNumber(iViewNumber)
{
}

JC_TownModuleViewBase::~JC_TownModuleViewBase() = default;

DWORD JC_TownModuleViewBase::InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent,
                                            JC_ModuleMouse* pModuleMouse, JC_ModuleResource* pModuleResource)
{
    const DWORD dwResult = JC_ModuleViewBase::InitiationView(pControlManager, pParent, pModuleMouse, pModuleResource);
    if (dwResult != 0)
        return dwResult;
    m_strPathAni = Layout()->GetItemDataString("PathAni");
    m_strPathThingIcon = Layout()->GetItemDataString("PathThingIcon");
    m_strPathFace = Layout()->GetItemDataString("PathFace");
    m_strPathPersonAni = Layout()->GetItemDataString("PathPersonAni");
    return 0;
}

DWORD JC_TownModuleViewBase::ViewCode(DWORD dwFailure) const
{
    return 0x8a220000 | (static_cast<DWORD>(m_iViewNumber) << 12) | dwFailure;
}

XC_RenderAnimation* JC_TownModuleViewBase::GetAnimation(int iItem) const
{
    return static_cast<XC_RenderAnimation*>(m_Items[iItem].get());
}

XC_RenderString* JC_TownModuleViewBase::GetString(int iItem) const
{
    return static_cast<XC_RenderString*>(m_Items[iItem].get());
}

XC_RenderPic* JC_TownModuleViewBase::GetPicture(int iItem) const
{
    return static_cast<XC_RenderPic*>(m_Items[iItem].get());
}

std::string JC_TownModuleViewBase::ItemKey(const char* szItem, const char* szSuffix) const
{
    return "View" + std::to_string(m_iViewNumber) + "_" + szItem + szSuffix;
}

float JC_TownModuleViewBase::ItemFloat(const char* szItem, const char* szSuffix) const
{
    return Layout()->GetItemDataFloat(ItemKey(szItem, szSuffix));
}

void JC_TownModuleViewBase::PlaceView()
{
    SetPosition(ItemFloat("", "X"), ItemFloat("", "Y"), ItemFloat("", "Z"));
}

void JC_TownModuleViewBase::ReportBuildFail(float fX, float fY, float fZ, const std::string& strFile,
                                            const std::string& strText, DWORD dwResult) const
{
    m_Controls.pErrorLog->PrintAt(
        s_szSourceFile, __LINE__,
        " TownModuleView%d Build Fail. \r\n ItemX:%f , ItemY:%f , ItemZ:%f , ItemF:%s , ItemT:%s \r\n HRESULT:0x%08x \r\n",
        m_iViewNumber, fX, fY, fZ, strFile.c_str(), strText.c_str(), static_cast<unsigned>(dwResult));
}

DWORD JC_TownModuleViewBase::RefuseViewMode(int iMode, DWORD dwCode) const
{
    m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                  " TownModuleView%d SetViewMode ViewMode NotSupport. \r\n ViewMode:0x%08x \r\n ",
                                  m_iViewNumber, static_cast<unsigned>(iMode));
    return dwCode;
}

DWORD JC_TownModuleViewBase::BuildAnimationItem(int iItem, const char* szItem, BOOL bFileKey, float fDX, float fDY,
                                                std::unique_ptr<XC_RenderAnimation> pItem)
{
    const float fX = ItemFloat(szItem, "X") + fDX;
    const float fY = ItemFloat(szItem, "Y") + fDY;
    const float fZ = ItemFloat(szItem, "Z");
    const std::string strFile = bFileKey ? m_strPathAni + Layout()->GetItemDataString(ItemKey(szItem, "F")) : "";
    if (pItem == nullptr)
        pItem = std::make_unique<XC_RenderAnimation>();
    const DWORD dwResult =
        m_pModuleResource->BuildScreenAnimation(pItem.get(), strFile.c_str(), fX, fY, fZ, &m_RenderNode);
    m_Items[iItem] = std::move(pItem);
    if (dwResult != 0)
        ReportBuildFail(fX, fY, fZ, strFile, "", dwResult);
    return dwResult;
}

DWORD JC_TownModuleViewBase::BuildStringItem(int iItem, const char* szItem, const char* szText, float fDX, float fDY,
                                             std::unique_ptr<XC_RenderString> pItem)
{
    const float fX = ItemFloat(szItem, "X") + fDX;
    const float fY = ItemFloat(szItem, "Y") + fDY;
    const float fZ = ItemFloat(szItem, "Z");
    if (pItem == nullptr)
        pItem = std::make_unique<XC_RenderString>();
    const DWORD dwResult =
        szText != nullptr
            ? m_pModuleResource->BuildScreenStringWithText(pItem.get(), szText, JD_TOWN_WHITE, fX, fY, fZ,
                                                           &m_RenderNode)
            : m_pModuleResource->BuildScreenString(pItem.get(), JD_TOWN_WHITE, fX, fY, fZ, &m_RenderNode);
    m_Items[iItem] = std::move(pItem);
    if (dwResult != 0)
        ReportBuildFail(fX, fY, fZ, "", szText != nullptr ? szText : "", dwResult);
    return dwResult;
}

DWORD JC_TownModuleViewBase::BuildPictureItem(int iItem, const char* szItem, float fDX, float fDY)
{
    const float fX = ItemFloat(szItem, "X") + fDX;
    const float fY = ItemFloat(szItem, "Y") + fDY;
    const float fZ = ItemFloat(szItem, "Z");
    auto pItem = std::make_unique<XC_RenderPic>();
    const DWORD dwResult = m_pModuleResource->BuildScreenPicture(pItem.get(), "", fX, fY, fZ, &m_RenderNode);
    m_Items[iItem] = std::move(pItem);
    if (dwResult != 0)
        ReportBuildFail(fX, fY, fZ, "", "", dwResult);
    return dwResult;
}

DWORD JC_TownModuleViewBase::UnbuildView()
{
    for (std::unique_ptr<XC_RenderingObject>& pItem : m_Items)
        pItem.reset();
    m_bBuilt = 0;
    return 0;
}

void JC_TownModuleViewBase::SetItemsShown(BOOL bShow)
{
    for (const std::unique_ptr<XC_RenderingObject>& pItem : m_Items) {
        if (pItem != nullptr)
            pItem->SetShow(bShow);
    }
}

void JC_TownModuleViewBase::ShowPages(int iFirst, int iLast, BOOL bShow)
{
    for (int i = iFirst; i <= iLast; ++i)
        ShowRenderItemPage(GetAnimation(i), bShow, 0);
}

DWORD JC_TownModuleViewBase::CloseView()
{
    SetItemsShown(0);
    m_bOpen = 0;
    return 0;
}

int JC_TownModuleViewBase::HitItem(const int* piItems, int iCount) const
{
    D3DXVECTOR3 vOrigin, vDirection;
    if (m_pModuleMouse->GetScreenPickRay(&vOrigin, &vDirection) != 0)
        return -1;
    for (int i = 0; i < iCount; ++i) {
        if (IsRenderItemHit(m_Items[piItems[i]].get(), &vOrigin, &vDirection))
            return i;
    }
    return -1;
}

BOOL JC_TownModuleViewBase::IsItemHit(int iItem) const
{
    return HitItem(&iItem, 1) == 0;
}

void JC_TownModuleViewBase::SetText(int iItem, const std::string& strText, DWORD dwColor) const
{
    GetString(iItem)->SetString(strText.c_str(), dwColor);
}

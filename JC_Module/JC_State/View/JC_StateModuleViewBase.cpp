#include "JC_Module/JC_State/View/JC_StateModuleViewBase.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderPic.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlModuleState.h"
#include "JC_Module/JC_ModuleMouse.h"
#include "JC_Module/JC_ModuleResource.h"
#include "JC_Module/JC_State/View/JC_StatePagedList.h"
#include "TemplateSystem/JC_DebugLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD WHITE = 0xFFFFFFFF;

} // namespace

JC_StateModuleViewBase::JC_StateModuleViewBase(int iViewNumber, int iItemCount)
    : m_Items(iItemCount), m_iViewNumber(iViewNumber)
{
}

JC_StateModuleViewBase::~JC_StateModuleViewBase() = default;

DWORD JC_StateModuleViewBase::InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent,
                                             JC_ModuleMouse* pModuleMouse, JC_ModuleResource* pModuleResource)
{
    const DWORD dwResult = JC_ModuleViewBase::InitiationView(pControlManager, pParent, pModuleMouse, pModuleResource);
    if (dwResult != 0)
        return dwResult;
    m_strPathAni = Layout()->GetItemDataString("PathAni");
    m_strPathFace = Layout()->GetItemDataString("PathFace");
    m_strPathThingIcon = Layout()->GetItemDataString("PathThingIcon");
    m_strPathSkillIcon = Layout()->GetItemDataString("PathSkillIcon");
    return 0;
}

DWORD JC_StateModuleViewBase::ViewCode(DWORD dwFailure) const
{
    return 0x8a020000 | (static_cast<DWORD>(m_iViewNumber) << 12) | dwFailure;
}

DWORD JC_StateModuleViewBase::SetControlPerson(JC_ControlPerson* pControlPerson)
{
    if (pControlPerson == nullptr)
        return ViewCode(JE_STATEMODULEVIEW_NULL_CONTROL_PERSON);
    m_pControlPerson = pControlPerson;
    return 0;
}

XC_RenderAnimation* JC_StateModuleViewBase::GetAnimation(int iItem) const
{
    return static_cast<XC_RenderAnimation*>(m_Items[iItem].get());
}

XC_RenderString* JC_StateModuleViewBase::GetString(int iItem) const
{
    return static_cast<XC_RenderString*>(m_Items[iItem].get());
}

XC_RenderPic* JC_StateModuleViewBase::GetPicture(int iItem) const
{
    return static_cast<XC_RenderPic*>(m_Items[iItem].get());
}

const char* JC_StateModuleViewBase::ViewName() const
{
    static const char* const s_aszNames[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C"};
    return s_aszNames[m_iViewNumber];
}

std::string JC_StateModuleViewBase::ItemKey(const char* szItem, const char* szSuffix) const
{
    return std::string("View") + ViewName() + "_" + szItem + szSuffix;
}

void JC_StateModuleViewBase::PlaceView()
{
    SetPosition(Layout()->GetItemDataFloat(ItemKey("", "X")), Layout()->GetItemDataFloat(ItemKey("", "Y")),
                Layout()->GetItemDataFloat(ItemKey("", "Z")));
}

void JC_StateModuleViewBase::ReportBuildFail(float fX, float fY, float fZ, const std::string& strFile,
                                             const std::string& strText, DWORD dwResult) const
{
    m_Controls.pErrorLog->PrintAt(
        s_szSourceFile, __LINE__,
        " StateModuleView%s Build Fail. \r\n ItemX:%f , ItemY:%f , ItemZ:%f , ItemF:%s , ItemT:%s \r\n "
        "HRESULT:0x%08x \r\n",
        ViewName(), fX, fY, fZ, strFile.c_str(), strText.c_str(), static_cast<unsigned>(dwResult));
}

DWORD JC_StateModuleViewBase::BuildAnimationItem(int iItem, const char* szItem, BOOL bFileKey)
{
    const float fX = Layout()->GetItemDataFloat(ItemKey(szItem, "X"));
    const float fY = Layout()->GetItemDataFloat(ItemKey(szItem, "Y"));
    const float fZ = Layout()->GetItemDataFloat(ItemKey(szItem, "Z"));
    const std::string strFile = bFileKey ? Layout()->GetItemDataString(ItemKey(szItem, "F")) : std::string();
    auto pItem = std::make_unique<XC_RenderAnimation>();
    const DWORD dwResult = m_pModuleResource->BuildScreenAnimation(
        pItem.get(), strFile.empty() ? "" : (m_strPathAni + strFile).c_str(), fX, fY, fZ, &m_RenderNode);
    m_Items[iItem] = std::move(pItem);
    if (dwResult != 0)
        ReportBuildFail(fX, fY, fZ, strFile, "", dwResult);
    return dwResult;
}

DWORD JC_StateModuleViewBase::BuildStringItem(int iItem, const char* szItem, const char* szTextKey)
{
    const float fX = Layout()->GetItemDataFloat(ItemKey(szItem, "X"));
    const float fY = Layout()->GetItemDataFloat(ItemKey(szItem, "Y"));
    const float fZ = Layout()->GetItemDataFloat(ItemKey(szItem, "Z"));
    const std::string strText = szTextKey != nullptr ? Layout()->GetItemDataString(ItemKey(szTextKey, "")) : "";
    auto pItem = std::make_unique<XC_RenderString>();
    const DWORD dwResult =
        szTextKey != nullptr
            ? m_pModuleResource->BuildScreenStringWithText(pItem.get(), strText.c_str(), WHITE, fX, fY, fZ,
                                                           &m_RenderNode)
            : m_pModuleResource->BuildScreenString(pItem.get(), WHITE, fX, fY, fZ, &m_RenderNode);
    m_Items[iItem] = std::move(pItem);
    if (dwResult != 0)
        ReportBuildFail(fX, fY, fZ, "", strText, dwResult);
    return dwResult;
}

DWORD JC_StateModuleViewBase::RefuseViewMode(int iMode, DWORD dwCode) const
{
    m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                  " StateModuleView%s SetViewMode ViewMode NotSupport. \r\n ViewMode:0x%08x \r\n ",
                                  ViewName(), static_cast<unsigned>(iMode));
    return dwCode;
}

DWORD JC_StateModuleViewBase::UnbuildView()
{
    for (std::unique_ptr<XC_RenderingObject>& pItem : m_Items)
        pItem.reset();
    m_bBuilt = 0;
    return 0;
}

DWORD JC_StateModuleViewBase::OpenView()
{
    if (!m_bBuilt)
        return 0;
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

void JC_StateModuleViewBase::SetItemsShown(BOOL bShow)
{
    for (const std::unique_ptr<XC_RenderingObject>& pItem : m_Items) {
        if (pItem != nullptr)
            pItem->SetShow(bShow);
    }
}

DWORD JC_StateModuleViewBase::CloseView()
{
    SetItemsShown(0);
    m_bOpen = 0;
    return 0;
}

int JC_StateModuleViewBase::HitItem(const int* piItems, int iCount) const
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

void JC_StateModuleViewBase::PressButton(const int* piItems, int iCount)
{
    const int iHit = HitItem(piItems, iCount);
    if (iHit < 0)
        return;
    PlayRenderItem(GetAnimation(piItems[iHit]), 0, 1, 0);
    m_iPressedButton = iHit;
    m_bPressed = 1;
}

int JC_StateModuleViewBase::ReleaseButton(const int* piItems)
{
    if (!m_bPressed)
        return -1;
    m_bPressed = 0;
    const int iButton = m_iPressedButton;
    PlayRenderItem(GetAnimation(piItems[iButton]), 0, 0, 0);
    return HitItem(piItems + iButton, 1) == 0 ? iButton : -1;
}

void JC_StateModuleViewBase::ClearSelectedBar()
{
    if (m_iSelectedBar >= 0)
        PlayRenderItem(GetAnimation(m_iSelectedBar), 0, 0, 0);
    m_iSelectedBar = -1;
}

DWORD JC_StateModuleViewBase::HoverBars(const int* piBars, int iCount, DWORD dwChanged)
{
    const int iHit = HitItem(piBars, iCount);
    if (iHit < 0) {
        if (m_iSelectedBar < 0)
            return 0;
        ClearSelectedBar();
        m_dwViewEvent = dwChanged;
        return 1;
    }
    if (piBars[iHit] == m_iSelectedBar)
        return 0;
    ClearSelectedBar();
    m_iSelectedBar = piBars[iHit];
    PlayRenderItem(GetAnimation(m_iSelectedBar), 0, 1, 0);
    m_dwViewEvent = dwChanged;
    return 1;
}

DWORD JC_StateModuleViewBase::ClickSelectedBar(DWORD dwClicked, DWORD dwChanged)
{
    if (m_iSelectedBar < 0)
        return 0;
    const int iSelected = m_iSelectedBar;
    if (HitItem(&iSelected, 1) == 0) {
        m_dwViewEvent = dwClicked;
        return 1;
    }
    m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__, " StateModuleView%s Fail. \r\n SelectDisplay Fail. \r\n",
                                  ViewName());
    ClearSelectedBar();
    m_dwViewEvent = dwChanged;
    return 1;
}

DWORD JC_StateModuleViewBase::BuildRowItems(int iFirstItem, int iRowCount, const char* szItem, JE_RowItemKind eKind)
{
    const float fX = Layout()->GetItemDataFloat(ItemKey(szItem, "X"));
    const float fY = Layout()->GetItemDataFloat(ItemKey(szItem, "Y"));
    const float fZ = Layout()->GetItemDataFloat(ItemKey(szItem, "Z"));
    const float fDY = Layout()->GetItemDataFloat(ItemKey(szItem, "DY"));
    const std::string strFile = eKind == ROW_ANIMATION ? Layout()->GetItemDataString(ItemKey(szItem, "F")) : "";
    const std::string strPath = strFile.empty() ? std::string() : m_strPathAni + strFile;
    for (int i = 0; i < iRowCount; ++i) {
        const float fRowY = fY + static_cast<float>(i) * fDY;
        DWORD dwResult = 0;
        if (eKind == ROW_ANIMATION) {
            auto pItem = std::make_unique<XC_RenderAnimation>();
            dwResult = m_pModuleResource->BuildScreenAnimation(pItem.get(), strPath.c_str(), fX, fRowY, fZ,
                                                               &m_RenderNode);
            m_Items[iFirstItem + i] = std::move(pItem);
        } else if (eKind == ROW_PICTURE) {
            auto pItem = std::make_unique<XC_RenderPic>();
            dwResult = m_pModuleResource->BuildScreenPicture(pItem.get(), "", fX, fRowY, fZ, &m_RenderNode);
            m_Items[iFirstItem + i] = std::move(pItem);
        } else {
            auto pItem = std::make_unique<XC_RenderString>();
            dwResult = m_pModuleResource->BuildScreenString(pItem.get(), WHITE, fX, fRowY, fZ, &m_RenderNode);
            m_Items[iFirstItem + i] = std::move(pItem);
        }
        if (dwResult != 0) {
            ReportBuildFail(fX, fRowY, fZ, strFile, "", dwResult);
            return dwResult;
        }
    }
    return 0;
}

int JC_StateModuleViewBase::PlayPageButtons(int iPrevItem, int iNextItem)
{
    const int piButtons[] = {iPrevItem, iNextItem};
    const int iHit = HitItem(piButtons, 2);
    PlayRenderItem(GetAnimation(iPrevItem), iHit == 0 ? 1 : 0, 0, 0);
    PlayRenderItem(GetAnimation(iNextItem), iHit == 1 ? 1 : 0, 0, 0);
    return iHit;
}

DWORD JC_StateModuleViewBase::HoverPagedRows(int iPrevItem, int iNextItem, const int* piBars, int iCount,
                                             DWORD dwChanged)
{
    if (PlayPageButtons(iPrevItem, iNextItem) < 0)
        return HoverBars(piBars, iCount, dwChanged);
    if (m_iSelectedBar < 0)
        return 0;
    ClearSelectedBar();
    m_dwViewEvent = dwChanged;
    return 1;
}

BOOL JC_StateModuleViewBase::TurnPageAtClick(JC_StatePagedList& list, int iPrevItem, int iNextItem) const
{
    const int iButtons[] = {iPrevItem, iNextItem};
    const int iButton = HitItem(iButtons, 2);
    if (iButton < 0)
        return 0;
    if (iButton == 0)
        list.PrevPage();
    else
        list.NextPage();
    return 1;
}

#include "JC_Module/JC_State/View/JC_StateModuleViewA.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderPic.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlInlay.h"
#include "JC_DataManager/Control/JC_ControlModuleState.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "JC_Module/JC_ModuleResource.h"
#include "JC_Module/JC_State/View/JC_StateModuleViewB.h"
#include "TemplateSystem/JC_DataComponent.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <cstdio>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD WHITE = 0xFFFFFFFF;
const char* const UNKNOWN_GEM = "不明";
const int ROW_BARS[JC_StateModuleViewA::ROW_COUNT] = {5, 6, 7, 8, 9, 10, 11, 12, 13, 14};

} // namespace

JC_StateModuleViewA::JC_StateModuleViewA()
    : JC_StateModuleViewBase(10, ITEM_COUNT), m_strGemName(UNKNOWN_GEM), m_PagedList(ROW_COUNT)
{
}

JC_StateModuleViewA::~JC_StateModuleViewA()
{
    UnbuildView();
}

DWORD JC_StateModuleViewA::InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent,
                                          JC_ModuleMouse* pModuleMouse, JC_ModuleResource* pModuleResource)
{
    const DWORD dwResult =
        JC_StateModuleViewBase::InitiationView(pControlManager, pParent, pModuleMouse, pModuleResource);
    if (dwResult != 0)
        return dwResult;
    return m_OperatorEquipmentBaseObj.Initiation(m_Controls.pDataManager);
}

DWORD JC_StateModuleViewA::SetChildView(JC_StateModuleViewB* pConfirm)
{
    if (pConfirm == nullptr) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleViewA SetChildView Fail. \r\n StateModuleViewBObjNULL. \r\n");
        return JE_STATEMODULEVIEWA_NULL_CONFIRM_VIEW;
    }
    m_pConfirmView = pConfirm;
    pConfirm->GetRenderNode()->SetParent(&m_RenderNode);
    return 0;
}

DWORD JC_StateModuleViewA::BuildView()
{
    UnbuildView();
    PlaceView();
    DWORD dwResult = BuildAnimationItem(ITEM_BAR, "Bar", TRUE);
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_BAR_T, "BarT", "BarT");
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_PAGE_BK, "PageBK", TRUE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_PREV, "Prev", TRUE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_NEXT, "Next", TRUE);
    if (dwResult == 0)
        dwResult = BuildRowItems(ITEM_FIRST_ROW_BAR, ROW_COUNT, "EquipmentBar", ROW_ANIMATION);
    if (dwResult == 0)
        dwResult = BuildRowItems(ITEM_FIRST_ICON, ROW_COUNT, "EquipmentIcon", ROW_PICTURE);
    if (dwResult == 0)
        dwResult = BuildRowItems(ITEM_FIRST_NAME, ROW_COUNT, "EquipmentName", ROW_STRING);
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

DWORD JC_StateModuleViewA::OpenView()
{
    if (!m_bBuilt)
        return 0;
    for (const int iItem : {ITEM_BAR, ITEM_PAGE_BK, ITEM_PREV, ITEM_NEXT})
        ShowRenderItemPage(GetAnimation(iItem), 1, 0);
    for (const int iBar : ROW_BARS)
        ShowRenderItemPage(GetAnimation(iBar), 1, 0);
    GetString(ITEM_BAR_T)->SetShow(1);
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_StateModuleViewA::CloseView()
{
    m_iSelectedBar = -1;
    return JC_StateModuleViewBase::CloseView();
}

DWORD JC_StateModuleViewA::Update()
{
    if (m_iViewMode == MODE_CONFIRM && m_pConfirmView != nullptr)
        return m_pConfirmView->Update();
    if (!m_bOpen) {
        m_bUpdatePending = 1;
        return 0;
    }
    UpdatePage();
    m_bUpdatePending = 0;
    return 0;
}

DWORD JC_StateModuleViewA::SetFilterCondition(int iGemDrawer)
{
    m_iGemDrawer = iGemDrawer;
    m_strGemName = UNKNOWN_GEM;
    m_iWarehouse = 0;
    m_Entries.clear();
    m_PagedList.SetEntryCount(0);
    const JC_ControlWarehouse& warehouse = *m_Controls.pControlWarehouse;
    JC_DataComponent* const pGemDrawer = warehouse.GetDrawerObj(JC_ControlWarehouse::WAREHOUSE_GEM, iGemDrawer);
    if (pGemDrawer == nullptr) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleViewA SetFilterCondition Fail. \r\n ControlWarehouseObjGetDrawerObj "
                                      "Fail. \r\n");
        return JE_STATEMODULEVIEWA_NO_GEM_DRAWER;
    }
    warehouse.GetDrawerObjInfo_ThingName(pGemDrawer, m_strGemName);
    JC_DataComponent* const pGem = warehouse.GetDrawerObjInfo_Thing(pGemDrawer);
    int iWearPosition = 0;
    if (pGem != nullptr)
        pGem->GetItemValueAt("WearPosition", 0, &iWearPosition);
    if (iWearPosition == JD_GEM_FOR_WEAPON) {
        m_iWarehouse = JC_ControlWarehouse::WAREHOUSE_WEAPON;
    } else if (iWearPosition == JD_GEM_FOR_WEARING) {
        m_iWarehouse = JC_ControlWarehouse::WAREHOUSE_WEARING;
    } else {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleViewA SetFilterCondition Fail. \r\n WearPositionExNotSupport. \r\n");
        return JE_STATEMODULEVIEWA_WEAR_POSITION_NOT_SUPPORT;
    }
    const int iDrawers = warehouse.HowManyDrawerInWarehouse(m_iWarehouse);
    for (int i = 0; i < iDrawers; ++i) {
        JC_DataComponent* const pDrawer = warehouse.GetDrawerObj(m_iWarehouse, i);
        const DWORD dwResult = m_OperatorEquipmentBaseObj.SetDataConponent(
            pDrawer != nullptr ? warehouse.GetDrawerObjInfo_Thing(pDrawer) : nullptr);
        if (dwResult != 0)
            return dwResult;
        const int iHoles = m_OperatorEquipmentBaseObj.GetHoleCount();
        if (iHoles > 0 && static_cast<int>(m_OperatorEquipmentBaseObj.GetGemCount()) < iHoles)
            m_Entries.push_back({m_OperatorEquipmentBaseObj.GetName(), i, m_OperatorEquipmentBaseObj.GetPhoto()});
    }
    m_PagedList.SetEntryCount(static_cast<int>(m_Entries.size()));
    return 0;
}

DWORD JC_StateModuleViewA::UpdatePage()
{
    const char* szDefaultKey = m_iWarehouse == JC_ControlWarehouse::WAREHOUSE_WEAPON    ? "DefaultIconWeapon"
                               : m_iWarehouse == JC_ControlWarehouse::WAREHOUSE_WEARING ? "DefaultIconWearing"
                                                                                         : nullptr;
    const std::string strDefault =
        GetPathThingIcon() + (szDefaultKey != nullptr ? Layout()->GetItemDataString(szDefaultKey) : "");
    for (int r = 0; r < ROW_COUNT; ++r) {
        const int iEntry = m_PagedList.EntryAt(r);
        std::string strIcon;
        std::string strName;
        if (iEntry >= 0) {
            char szIcon[MAX_PATH];
            std::snprintf(szIcon, sizeof(szIcon), "%s%04d.bmp", GetPathThingIcon().c_str(), m_Entries[iEntry].iPhoto);
            strIcon = szIcon;
            strName = m_Entries[iEntry].strName;
        }
        const DWORD dwResult = m_pModuleResource->ChangeScreenPictureOrDefault(GetPicture(ITEM_FIRST_ICON + r),
                                                                               strIcon.c_str(), strDefault.c_str());
        if (dwResult != 0)
            return dwResult;
        GetString(ITEM_FIRST_NAME + r)->SetString(strName.c_str(), WHITE);
    }
    return 0;
}

DWORD JC_StateModuleViewA::NextPage()
{
    m_PagedList.NextPage();
    return 0;
}

DWORD JC_StateModuleViewA::PrevPage()
{
    m_PagedList.PrevPage();
    return 0;
}

int JC_StateModuleViewA::SelectedEntry() const
{
    if (m_iSelectedBar < 0)
        return -1;
    return m_PagedList.EntryAt(m_iSelectedBar - ITEM_FIRST_ROW_BAR);
}

DWORD JC_StateModuleViewA::GetSelectInfo(int& iWarehouse, int& iDrawerIndex) const
{
    const int iEntry = SelectedEntry();
    if (iEntry < 0)
        return 0;
    iWarehouse = m_iWarehouse;
    iDrawerIndex = m_Entries[iEntry].iDrawerIndex;
    return 1;
}

DWORD JC_StateModuleViewA::InlayEntry(int iEntry)
{
    if (iEntry < 0 || iEntry >= static_cast<int>(m_Entries.size()))
        return 0;
    const JC_ControlWarehouse& warehouse = *m_Controls.pControlWarehouse;
    JC_DataComponent* const pGemDrawer = warehouse.GetDrawerObj(JC_ControlWarehouse::WAREHOUSE_GEM, m_iGemDrawer);
    JC_DataComponent* const pDrawer = warehouse.GetDrawerObj(m_iWarehouse, m_Entries[iEntry].iDrawerIndex);
    JC_DataComponent* const pGem = pGemDrawer != nullptr ? warehouse.GetDrawerObjInfo_Thing(pGemDrawer) : nullptr;
    JC_DataComponent* const pEquipment = pDrawer != nullptr ? warehouse.GetDrawerObjInfo_Thing(pDrawer) : nullptr;
    const DWORD dwResult = m_Controls.pControlInlay->ToInlay(pGem, pEquipment);
    if (dwResult != 0)
        return dwResult;
    return warehouse.DelThing(JC_ControlWarehouse::WAREHOUSE_GEM, m_iGemDrawer, 1);
}

DWORD JC_StateModuleViewA::DealConfirmMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pConfirmView->MsgProc(uMsg, wParam, lParam) != 1)
        return 0;
    const DWORD dwEvent = m_pConfirmView->GetViewEvent();
    m_pConfirmView->ClearViewEvent();
    if (dwEvent == JC_StateModuleViewB::EVENT_OK) {
        InlayEntry(SelectedEntry());
        m_dwViewEvent = EVENT_DONE;
        return 1;
    }
    SetViewMode(MODE_LIST);
    return 0;
}

DWORD JC_StateModuleViewA::DealListMessage(UINT uMsg)
{
    if (uMsg == WM_RBUTTONDOWN) {
        m_dwViewEvent = EVENT_DONE;
        return 1;
    }
    if (uMsg == WM_MOUSEMOVE)
        return HoverPagedRows(ITEM_PREV, ITEM_NEXT, ROW_BARS, ROW_COUNT, EVENT_SELECTION_CHANGED);
    if (uMsg != WM_LBUTTONDOWN)
        return 0;
    if (TurnPageAtClick(m_PagedList, ITEM_PREV, ITEM_NEXT)) {
        UpdatePage();
        return 0;
    }
    if (m_iSelectedBar < 0)
        return 0;
    const int iSelected = m_iSelectedBar;
    if (HitItem(&iSelected, 1) != 0)
        return ClickSelectedBar(0, EVENT_SELECTION_CHANGED);
    if (SelectedEntry() >= 0)
        SetViewMode(MODE_CONFIRM);
    return 0;
}

DWORD JC_StateModuleViewA::MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (!m_bActive)
        return 0;
    if (m_iViewMode == MODE_CONFIRM && m_pConfirmView != nullptr)
        return DealConfirmMessage(uMsg, wParam, lParam);
    return DealListMessage(uMsg);
}

DWORD JC_StateModuleViewA::SetViewMode(int iMode)
{
    if (iMode != MODE_LIST && iMode != MODE_CONFIRM)
        return RefuseViewMode(iMode, JE_STATEMODULEVIEWA_VIEW_MODE_NOT_SUPPORT);
    m_iViewMode = iMode;
    if (!m_bOpen)
        return 0;
    if (iMode == MODE_LIST) {
        if (m_pConfirmView != nullptr) {
            m_pConfirmView->CloseView();
            m_pConfirmView->SetViewActive(0);
        }
        for (int r = 0; r < ROW_COUNT; ++r) {
            ShowRenderItem(GetPicture(ITEM_FIRST_ICON + r), 1);
            GetString(ITEM_FIRST_NAME + r)->SetShow(1);
        }
    } else if (m_pConfirmView != nullptr && SelectedEntry() >= 0) {
        m_pConfirmView->SetInlayInfo(m_strGemName, m_Entries[SelectedEntry()].strName);
        m_pConfirmView->OpenView();
        m_pConfirmView->SetViewActive(1);
    }
    m_bUpdatePending = 1;
    return 0;
}

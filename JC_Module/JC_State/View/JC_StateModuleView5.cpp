#include "JC_Module/JC_State/View/JC_StateModuleView5.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderPic.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlPerson.h"
#include "JC_DataManager/Control/JC_ControlPersonEquip.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "JC_Module/JC_ModuleResource.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <cstdio>

namespace {

const DWORD WHITE = 0xFFFFFFFF;
const int ROW_BARS[JC_StateModuleView5::ROW_COUNT] = {5, 6, 7, 8, 9, 10};
const int FILTER_POSITIONS[] = {0,
                                JD_WEARPOSITION_BODY,
                                JD_WEARPOSITION_HANDLEFT,
                                JD_WEARPOSITION_HANDRIGHT,
                                JD_WEARPOSITION_FOOT,
                                JD_WEARPOSITION_ACCESSARY0,
                                JD_WEARPOSITION_ACCESSARY1};

} // namespace

JC_StateModuleView5::JC_StateModuleView5() : JC_StateModuleViewBase(5, ITEM_COUNT), m_PagedList(ROW_COUNT)
{
}

JC_StateModuleView5::~JC_StateModuleView5()
{
    UnbuildView();
}

BOOL JC_StateModuleView5::FitsWearPosition(int iRecordPosition, int iFilterPosition)
{
    switch (iRecordPosition) {
    case JD_WEARPOSITION_BODY:
    case JD_WEARPOSITION_HANDLEFT:
    case JD_WEARPOSITION_HANDRIGHT:
    case JD_WEARPOSITION_FOOT:
        return iFilterPosition == iRecordPosition;
    case JD_WEARPOSITION_BOTHHAND:
        return iFilterPosition == JD_WEARPOSITION_HANDRIGHT;
    case JD_WEARPOSITION_ACCESSARY:
        return iFilterPosition == JD_WEARPOSITION_ACCESSARY0 || iFilterPosition == JD_WEARPOSITION_ACCESSARY1;
    default:
        return 1;
    }
}

DWORD JC_StateModuleView5::InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent,
                                          JC_ModuleMouse* pModuleMouse, JC_ModuleResource* pModuleResource)
{
    const DWORD dwResult =
        JC_StateModuleViewBase::InitiationView(pControlManager, pParent, pModuleMouse, pModuleResource);
    if (dwResult != 0)
        return dwResult;
    return m_OperatorEquipmentBaseObj.Initiation(m_Controls.pDataManager);
}

DWORD JC_StateModuleView5::BuildView()
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

DWORD JC_StateModuleView5::OpenView()
{
    if (!m_bBuilt)
        return 0;
    for (const int iItem : {ITEM_BAR, ITEM_PAGE_BK, ITEM_PREV, ITEM_NEXT})
        ShowRenderItemPage(GetAnimation(iItem), 1, 0);
    for (const int iBar : ROW_BARS)
        ShowRenderItemPage(GetAnimation(iBar), 1, 0);
    ShowRenderItem(GetString(ITEM_BAR_T), 1);
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_StateModuleView5::CloseView()
{
    m_iSelectedBar = -1;
    return JC_StateModuleViewBase::CloseView();
}

DWORD JC_StateModuleView5::Update()
{
    if (!m_bOpen) {
        m_bUpdatePending = 1;
        return 0;
    }
    if (m_pControlPerson != nullptr)
        m_dwJobID = m_pControlPerson->GetPersonPowerObj()->GetJobID();
    CollectCandidates();
    ShowPage();
    m_bUpdatePending = 0;
    return 0;
}

DWORD JC_StateModuleView5::SetCandidateFilter(int iWarehouse, int iJobCheck, int iHoleCheck, int iWearPosition)
{
    if (iWarehouse != JC_ControlWarehouse::WAREHOUSE_WEAPON && iWarehouse != JC_ControlWarehouse::WAREHOUSE_WEARING)
        return JE_STATEMODULEVIEW5_WAREHOUSE_NOT_SUPPORT;
    bool bKnown = false;
    for (const int iPosition : FILTER_POSITIONS)
        bKnown = bKnown || iPosition == iWearPosition;
    if (!bKnown)
        return JE_STATEMODULEVIEW5_WEAR_POSITION_NOT_SUPPORT;
    m_iWarehouse = iWarehouse;
    m_iJobCheck = iJobCheck;
    m_iHoleCheck = iHoleCheck;
    m_iWearPosition = iWearPosition;
    return 0;
}

BOOL JC_StateModuleView5::IsCandidate()
{
    if (m_iJobCheck == 1 && m_OperatorEquipmentBaseObj.GetEquipJob(m_dwJobID) != 1)
        return 0;
    if (m_iHoleCheck == 1
        && m_OperatorEquipmentBaseObj.GetHoleCount() <= static_cast<int>(m_OperatorEquipmentBaseObj.GetGemCount()))
        return 0;
    return m_iWearPosition == 0 || FitsWearPosition(m_OperatorEquipmentBaseObj.GetWearPosition(), m_iWearPosition);
}

DWORD JC_StateModuleView5::CollectCandidates()
{
    if (m_iWarehouse == 0)
        return 0;
    const JC_ControlWarehouse& warehouse = *m_Controls.pControlWarehouse;
    const int iDrawerCount = warehouse.HowManyDrawerInWarehouse(m_iWarehouse);
    std::vector<JS_Candidate> candidates;
    for (int d = 0; d < iDrawerCount; ++d) {
        JC_DataComponent* const pDrawer = warehouse.GetDrawerObj(m_iWarehouse, d);
        const DWORD dwResult = m_OperatorEquipmentBaseObj.SetDataConponent(
            pDrawer != nullptr ? warehouse.GetDrawerObjInfo_Thing(pDrawer) : nullptr);
        if (dwResult != 0)
            return dwResult;
        if (IsCandidate())
            candidates.push_back({m_OperatorEquipmentBaseObj.GetName(), d, m_OperatorEquipmentBaseObj.GetPhoto()});
    }
    m_Candidates = std::move(candidates);
    m_PagedList.SetEntryCount(static_cast<int>(m_Candidates.size()));
    return 0;
}

DWORD JC_StateModuleView5::NextPage()
{
    m_PagedList.NextPage();
    return 0;
}

DWORD JC_StateModuleView5::PrevPage()
{
    m_PagedList.PrevPage();
    return 0;
}

DWORD JC_StateModuleView5::ShowPage()
{
    if (m_iViewMode == MODE_NO_ROWS || !m_bBuilt)
        return 0;
    for (int r = 0; r < ROW_COUNT; ++r) {
        const int iEntry = m_PagedList.EntryAt(r);
        std::string strIcon;
        std::string strName;
        if (iEntry >= 0) {
            char szIcon[MAX_PATH];
            std::snprintf(szIcon, sizeof(szIcon), "%s%04d.bmp", GetPathThingIcon().c_str(), m_Candidates[iEntry].iPhoto);
            strIcon = szIcon;
            strName = m_Candidates[iEntry].strName;
        }
        const DWORD dwResult = m_pModuleResource->ChangeScreenPicture(GetPicture(ITEM_FIRST_ICON + r), strIcon.c_str());
        if (dwResult != 0)
            return dwResult;
        GetString(ITEM_FIRST_NAME + r)->SetString(strName.c_str(), WHITE);
    }
    return 0;
}

DWORD JC_StateModuleView5::MsgProc(UINT uMsg, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (!m_bActive || m_iViewMode == MODE_NO_ROWS)
        return 0;
    if (uMsg == WM_MOUSEMOVE)
        return HoverPagedRows(ITEM_PREV, ITEM_NEXT, ROW_BARS, ROW_COUNT, EVENT_SELECTION_CHANGED);
    if (uMsg != WM_LBUTTONDOWN)
        return 0;
    if (TurnPageAtClick(m_PagedList, ITEM_PREV, ITEM_NEXT)) {
        ShowPage();
        return 0;
    }
    return ClickSelectedBar(EVENT_CHOSEN, EVENT_SELECTION_CHANGED);
}

DWORD JC_StateModuleView5::SetViewMode(int iMode)
{
    if (iMode != MODE_ROWS && iMode != MODE_NO_ROWS)
        return RefuseViewMode(iMode, JE_STATEMODULEVIEW5_VIEW_MODE_NOT_SUPPORT);
    m_iViewMode = iMode;
    if (m_bOpen) {
        for (int r = 0; r < ROW_COUNT; ++r) {
            ShowRenderItem(GetPicture(ITEM_FIRST_ICON + r), iMode == MODE_ROWS);
            ShowRenderItem(GetString(ITEM_FIRST_NAME + r), iMode == MODE_ROWS);
        }
    }
    m_bUpdatePending = 1;
    return 0;
}

DWORD JC_StateModuleView5::ClearSelection()
{
    ClearSelectedBar();
    return 0;
}

int JC_StateModuleView5::SelectedCandidate() const
{
    if (m_iSelectedBar < 0)
        return -1;
    return m_PagedList.EntryAt(m_iSelectedBar - ITEM_FIRST_ROW_BAR);
}

DWORD JC_StateModuleView5::GetSelectedThingName(std::string& strName) const
{
    const int iCandidate = SelectedCandidate();
    if (iCandidate < 0)
        return 0;
    const JC_ControlWarehouse& warehouse = *m_Controls.pControlWarehouse;
    JC_DataComponent* const pDrawer = warehouse.GetDrawerObj(m_iWarehouse, m_Candidates[iCandidate].iDrawerIndex);
    if (pDrawer == nullptr || warehouse.GetDrawerObjInfo_ThingName(pDrawer, strName) != 0)
        return 0;
    return 1;
}

DWORD JC_StateModuleView5::GetSelectedThing(int& iWarehouse, int& iDrawerIndex, int& iWearPosition) const
{
    const int iCandidate = SelectedCandidate();
    if (iCandidate < 0)
        return 0;
    iWarehouse = m_iWarehouse;
    iDrawerIndex = m_Candidates[iCandidate].iDrawerIndex;
    iWearPosition = m_iWearPosition;
    return 1;
}

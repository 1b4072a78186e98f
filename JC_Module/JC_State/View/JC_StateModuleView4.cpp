#include "JC_Module/JC_State/View/JC_StateModuleView4.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderPic.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlModuleState.h"
#include "JC_DataManager/Control/JC_ControlPerson.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "JC_Module/JC_ModuleResource.h"
#include "JC_Module/JC_State/JC_StateEquipmentChange.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <cstdio>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD WHITE = 0xFFFFFFFF;
const char* const NOTHING_WORN = "－－";

struct JS_Slot
{
    int iWearPosition;
    const char* szLabelKey;
    int iWarehouse;
};

const JS_Slot SLOTS[JC_StateModuleView4::SLOT_COUNT] = {
    {JD_WEARPOSITION_HANDRIGHT, "View4_EquipmentNameHRT", JC_ControlWarehouse::WAREHOUSE_WEAPON},
    {JD_WEARPOSITION_HANDLEFT, "View4_EquipmentNameHLT", JC_ControlWarehouse::WAREHOUSE_WEARING},
    {JD_WEARPOSITION_BODY, "View4_EquipmentNameB0T", JC_ControlWarehouse::WAREHOUSE_WEARING},
    {JD_WEARPOSITION_FOOT, "View4_EquipmentNameF0T", JC_ControlWarehouse::WAREHOUSE_WEARING},
    {JD_WEARPOSITION_ACCESSARY0, "View4_EquipmentNameA0T", JC_ControlWarehouse::WAREHOUSE_WEARING},
    {JD_WEARPOSITION_ACCESSARY1, "View4_EquipmentNameA1T", JC_ControlWarehouse::WAREHOUSE_WEARING},
};

const int SLOT_BARS[JC_StateModuleView4::SLOT_COUNT] = {2, 3, 4, 5, 6, 7};
const int TAKE_OFF_BUTTONS[JC_StateModuleView4::SLOT_COUNT] = {20, 21, 22, 23, 24, 25};

} // namespace

JC_StateModuleView4::JC_StateModuleView4() : JC_StateModuleViewBase(4, ITEM_COUNT)
{
}

JC_StateModuleView4::~JC_StateModuleView4()
{
    UnbuildView();
}

int JC_StateModuleView4::SlotOfWearPosition(int iWearPosition)
{
    for (int i = 0; i < SLOT_COUNT; ++i) {
        if (SLOTS[i].iWearPosition == iWearPosition)
            return i;
    }
    return -1;
}

JC_DataComponent* JC_StateModuleView4::WornAt(JC_ControlPersonPower& power, int iSlot)
{
    switch (SLOTS[iSlot].iWearPosition) {
    case JD_WEARPOSITION_HANDRIGHT:
        return power.HasHandRight() ? power.GetHandRight() : nullptr;
    case JD_WEARPOSITION_HANDLEFT:
        return power.HasHandLeft() ? power.GetHandLeft() : nullptr;
    case JD_WEARPOSITION_BODY:
        return power.HasBody() ? power.GetBody() : nullptr;
    case JD_WEARPOSITION_FOOT:
        return power.HasFoot() ? power.GetFoot() : nullptr;
    case JD_WEARPOSITION_ACCESSARY0:
        return power.HasAccessary0() ? power.GetAccessary0() : nullptr;
    default:
        return power.HasAccessary1() ? power.GetAccessary1() : nullptr;
    }
}

DWORD JC_StateModuleView4::InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent,
                                          JC_ModuleMouse* pModuleMouse, JC_ModuleResource* pModuleResource)
{
    DWORD dwResult = JC_StateModuleViewBase::InitiationView(pControlManager, pParent, pModuleMouse, pModuleResource);
    if (dwResult != 0)
        return dwResult;
    dwResult = m_OperatorEquipmentBaseObj.Initiation(m_Controls.pDataManager);
    if (dwResult != 0)
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleView4 Initiation OperatorEquipmentBaseObjInitiation Fail. \r\n "
                                      "HRESULT:0x%08x \r\n",
                                      static_cast<unsigned>(dwResult));
    return dwResult;
}

DWORD JC_StateModuleView4::BuildView()
{
    UnbuildView();
    PlaceView();
    DWORD dwResult = BuildAnimationItem(ITEM_BAR, "Bar", TRUE);
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_BAR_T, "BarT", "BarT");
    if (dwResult == 0)
        dwResult = BuildRowItems(ITEM_FIRST_SLOT_BAR, SLOT_COUNT, "EquipmentBar", ROW_ANIMATION);
    if (dwResult == 0)
        dwResult = BuildRowItems(ITEM_FIRST_ICON, SLOT_COUNT, "EquipmentIcon", ROW_PICTURE);
    if (dwResult == 0)
        dwResult = BuildRowItems(ITEM_FIRST_NAME, SLOT_COUNT, "EquipmentName", ROW_STRING);
    if (dwResult == 0)
        dwResult = BuildRowItems(ITEM_FIRST_TAKE_OFF, SLOT_COUNT, "EquipmentTakeOff", ROW_ANIMATION);
    if (dwResult != 0)
        return dwResult;
    for (int i = 0; i < SLOT_COUNT; ++i)
        m_Labels[i] = Layout()->GetItemDataString(SLOTS[i].szLabelKey);
    m_bBuilt = 1;
    return 0;
}

DWORD JC_StateModuleView4::OpenView()
{
    m_iSelectedBar = -1;
    if (!m_bBuilt)
        return 0;
    ShowRenderItemPage(GetAnimation(ITEM_BAR), 1, 0);
    ShowRenderItem(GetString(ITEM_BAR_T), 1);
    for (int i = 0; i < SLOT_COUNT; ++i) {
        ShowRenderItemPage(GetAnimation(ITEM_FIRST_SLOT_BAR + i), 1, 0);
        ShowRenderItem(GetPicture(ITEM_FIRST_ICON + i), 1);
        ShowRenderItem(GetString(ITEM_FIRST_NAME + i), 1);
    }
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_StateModuleView4::ShowSlot(int iSlot)
{
    JC_DataComponent* const pWorn = WornAt(*m_pControlPerson->GetPersonPowerObj(), iSlot);
    std::string strName = NOTHING_WORN;
    std::string strIcon;
    if (pWorn != nullptr) {
        const DWORD dwResult = m_OperatorEquipmentBaseObj.SetDataConponent(pWorn);
        if (dwResult != 0) {
            m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                          " StateModuleView4 Update Fail. \r\n OperatorEquipmentBaseObj "
                                          "SetDataConponent Fail. \r\n HRESULT:0x%08x \r\n",
                                          static_cast<unsigned>(dwResult));
            return dwResult;
        }
        strName = m_OperatorEquipmentBaseObj.GetName();
        char szIcon[MAX_PATH];
        std::snprintf(szIcon, sizeof(szIcon), "%s%04d.bmp", GetPathThingIcon().c_str(),
                      m_OperatorEquipmentBaseObj.GetPhoto());
        strIcon = szIcon;
    }
    const DWORD dwResult = m_pModuleResource->ChangeScreenPicture(GetPicture(ITEM_FIRST_ICON + iSlot), strIcon.c_str());
    if (dwResult != 0)
        return dwResult;
    m_Texts[iSlot] = m_Labels[iSlot] + strName;
    GetString(ITEM_FIRST_NAME + iSlot)->SetString(m_Texts[iSlot].c_str(), WHITE);
    return 0;
}

DWORD JC_StateModuleView4::Update()
{
    if (!m_bOpen) {
        m_bUpdatePending = 1;
        return 0;
    }
    for (int i = 0; i < SLOT_COUNT; ++i) {
        const DWORD dwResult = ShowSlot(i);
        if (dwResult != 0)
            return dwResult;
    }
    m_bUpdatePending = 0;
    return 0;
}

BOOL JC_StateModuleView4::IsCampZero() const
{
    return m_pControlPerson->GetPersonPowerObj()->GetCamp(FALSE) == 0;
}

DWORD JC_StateModuleView4::TakeOffAt(int iSlot, DWORD& dwResult)
{
    dwResult = 0;
    if (WornAt(*m_pControlPerson->GetPersonPowerObj(), iSlot) == nullptr)
        return 0;
    JC_StateEquipmentChange change(*m_pControlPerson, *m_Controls.pControlWarehouse, *m_Controls.pDataManager,
                                   *m_Controls.pErrorLog);
    dwResult = change.TakeOff(SLOTS[iSlot].iWearPosition);
    if (dwResult != 0) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleView4 TakeOffEquipment Fail. \r\n WearPosition:0x%08x \r\n "
                                      "HRESULT:0x%08x \r\n",
                                      static_cast<unsigned>(SLOTS[iSlot].iWearPosition),
                                      static_cast<unsigned>(dwResult));
        return 0;
    }
    m_dwViewEvent = EVENT_TAKEN_OFF;
    return 1;
}

DWORD JC_StateModuleView4::MsgProc(UINT uMsg, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (!m_bActive || m_pControlPerson == nullptr)
        return 0;
    if (uMsg == WM_MOUSEMOVE)
        return HoverBars(SLOT_BARS, SLOT_COUNT, EVENT_SELECTION_CHANGED);
    if (uMsg != WM_LBUTTONDOWN)
        return 0;
    const int iButton = HitItem(TAKE_OFF_BUTTONS, SLOT_COUNT);
    if (iButton >= 0) {
        DWORD dwResult = 0;
        if (TakeOffAt(iButton, dwResult) != 0)
            return 1;
        if (dwResult != 0)
            return dwResult;
    }
    if (!IsCampZero() || m_iViewMode == MODE_LOCKED)
        return 0;
    return ClickSelectedBar(EVENT_SLOT_CHOSEN, EVENT_SELECTION_CHANGED);
}

DWORD JC_StateModuleView4::SetViewMode(int iMode)
{
    if (iMode < MODE_NORMAL || iMode > MODE_LOCKED)
        return RefuseViewMode(iMode, JE_STATEMODULEVIEW4_VIEW_MODE_NOT_SUPPORT);
    m_iViewMode = iMode;
    if (!m_bOpen)
        return 0;
    const BOOL bShow = iMode == MODE_NORMAL && m_pControlPerson != nullptr && IsCampZero();
    for (const int iButton : TAKE_OFF_BUTTONS)
        ShowRenderItemPage(GetAnimation(iButton), bShow, 0);
    return 0;
}

DWORD JC_StateModuleView4::ClearSelection()
{
    ClearSelectedBar();
    return 0;
}

DWORD JC_StateModuleView4::GetSelectedSlot(int& iWarehouse, int& iWearPosition) const
{
    if (m_iSelectedBar < 0)
        return 0;
    const int iSlot = m_iSelectedBar - ITEM_FIRST_SLOT_BAR;
    iWarehouse = SLOTS[iSlot].iWarehouse;
    iWearPosition = SLOTS[iSlot].iWearPosition;
    return 1;
}

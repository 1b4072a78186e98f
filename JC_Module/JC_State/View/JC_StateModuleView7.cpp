#include "JC_Module/JC_State/View/JC_StateModuleView7.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderPic.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlGame.h"
#include "JC_DataManager/Control/JC_ControlModuleState.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "JC_Module/JC_ModuleResource.h"
#include "JC_Module/JC_State/View/JC_StateModuleView8.h"
#include "JC_Module/JC_State/View/JC_StateModuleView9.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <cstdio>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD WHITE = 0xFFFFFFFF;
const DWORD GREY = 0xFFA0A0A0;
// The text ends at its position.
const DWORD ALIGN_RIGHT = 2;
const int NAME_PLACES = 11;
const char* const FULL_WIDTH_BLANK = "　";

struct JS_Tab
{
    const char* szCaption;
    int iWarehouse;
    const char* szDefaultIconKey;
};

const JS_Tab TABS[JC_StateModuleView7::TAB_COUNT] = {
    {"道具", JC_ControlWarehouse::WAREHOUSE_TOOL, "DefaultIconTool"},
    {"武器", JC_ControlWarehouse::WAREHOUSE_WEAPON, "DefaultIconWeapon"},
    {"防具", JC_ControlWarehouse::WAREHOUSE_WEARING, "DefaultIconWearing"},
    {"魂石", JC_ControlWarehouse::WAREHOUSE_GEM, "DefaultIconGem"},
};

const int TAB_ITEMS[JC_StateModuleView7::TAB_COUNT] = {2, 3, 4, 5};
const int ROW_BARS[JC_StateModuleView7::ROW_COUNT] = {13, 14, 15, 16, 17, 18, 19, 20, 21, 22};

} // namespace

JC_StateModuleView7::JC_StateModuleView7() : JC_StateModuleViewBase(7, ITEM_COUNT), m_PagedList(ROW_COUNT)
{
}

JC_StateModuleView7::~JC_StateModuleView7()
{
    UnbuildView();
}

std::string JC_StateModuleView7::RowName(const std::string& strName, DWORD dwCount)
{
    if (dwCount <= 1)
        return strName;
    std::string strRow = strName;
    const int iBlanks = NAME_PLACES - static_cast<int>(strName.size()) / 2;
    for (int i = 0; i < iBlanks; ++i)
        strRow += FULL_WIDTH_BLANK;
    char szCount[16];
    std::snprintf(szCount, sizeof(szCount), "X%2u", static_cast<unsigned>(dwCount));
    return strRow + szCount;
}

DWORD JC_StateModuleView7::InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent,
                                          JC_ModuleMouse* pModuleMouse, JC_ModuleResource* pModuleResource)
{
    const DWORD dwResult =
        JC_StateModuleViewBase::InitiationView(pControlManager, pParent, pModuleMouse, pModuleResource);
    if (dwResult != 0)
        return dwResult;
    return m_OperatorThingBaseObj.Initiation(m_Controls.pDataManager);
}

DWORD JC_StateModuleView7::SetChildView(JC_StateModuleView8* pQuantity, JC_StateModuleView9* pSelection)
{
    if (pQuantity == nullptr) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleView7 SetChildView Fail. \r\n StateModuleView8ObjNULL. \r\n");
        return JE_STATEMODULEVIEW7_NULL_QUANTITY_VIEW;
    }
    if (pSelection == nullptr) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleView7 SetChildView Fail. \r\n StateModuleView9ObjNULL. \r\n");
        return JE_STATEMODULEVIEW7_NULL_SELECTION_VIEW;
    }
    m_pQuantityView = pQuantity;
    m_pSelectionView = pSelection;
    pQuantity->GetRenderNode()->SetParent(&m_RenderNode);
    pSelection->GetRenderNode()->SetParent(&m_RenderNode);
    return 0;
}

DWORD JC_StateModuleView7::BuildSideBySide(int iFirstItem, int iCount, const char* szItem, const char* szStepKey,
                                           BOOL bAnimation)
{
    const float fX = Layout()->GetItemDataFloat(ItemKey(szItem, "X"));
    const float fY = Layout()->GetItemDataFloat(ItemKey(szItem, "Y"));
    const float fZ = Layout()->GetItemDataFloat(ItemKey(szItem, "Z"));
    const float fDX = Layout()->GetItemDataFloat(ItemKey(szStepKey, ""));
    const std::string strFile = bAnimation ? Layout()->GetItemDataString(ItemKey(szItem, "F")) : "";
    for (int i = 0; i < iCount; ++i) {
        const float fItemX = fX + static_cast<float>(i) * fDX;
        DWORD dwResult = 0;
        if (bAnimation) {
            auto pItem = std::make_unique<XC_RenderAnimation>();
            dwResult = m_pModuleResource->BuildScreenAnimation(pItem.get(), strFile.empty() ? "" : (GetPathAni() + strFile).c_str(), fItemX,
                                                               fY, fZ, &m_RenderNode);
            m_Items[iFirstItem + i] = std::move(pItem);
        } else {
            auto pItem = std::make_unique<XC_RenderString>();
            dwResult = m_pModuleResource->BuildScreenStringWithText(pItem.get(), TABS[i].szCaption, WHITE, fItemX, fY,
                                                                    fZ, &m_RenderNode);
            m_Items[iFirstItem + i] = std::move(pItem);
        }
        if (dwResult != 0) {
            ReportBuildFail(fItemX, fY, fZ, strFile, bAnimation ? "" : TABS[i].szCaption, dwResult);
            return dwResult;
        }
    }
    return 0;
}

DWORD JC_StateModuleView7::BuildView()
{
    UnbuildView();
    PlaceView();
    DWORD dwResult = BuildAnimationItem(ITEM_GOLD, "Gold", TRUE);
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_GOLD_T, "GoldT", nullptr);
    if (dwResult == 0) {
        GetString(ITEM_GOLD_T)->SetAligeText(ALIGN_RIGHT);
        dwResult = BuildSideBySide(ITEM_FIRST_TAB, TAB_COUNT, "Tab", "TabDX", TRUE);
    }
    if (dwResult == 0)
        dwResult = BuildSideBySide(ITEM_FIRST_TAB_T, TAB_COUNT, "TabT", "TabTDX", FALSE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_PAGE_BK, "PageBK", TRUE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_PREV, "Prev", TRUE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_NEXT, "Next", TRUE);
    if (dwResult == 0)
        dwResult = BuildRowItems(ITEM_FIRST_ROW_BAR, ROW_COUNT, "ThingBar", ROW_ANIMATION);
    if (dwResult == 0)
        dwResult = BuildRowItems(ITEM_FIRST_ICON, ROW_COUNT, "ThingIcon", ROW_PICTURE);
    if (dwResult == 0)
        dwResult = BuildRowItems(ITEM_FIRST_NAME, ROW_COUNT, "ThingName", ROW_STRING);
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

void JC_StateModuleView7::ShowTab(int iTab, BOOL bCurrent)
{
    ShowRenderItemPage(GetAnimation(iTab), 1, bCurrent ? 1 : 0);
    XC_RenderString* const pCaption = GetString(iTab - ITEM_FIRST_TAB + ITEM_FIRST_TAB_T);
    const int iIndex = iTab - ITEM_FIRST_TAB;
    pCaption->SetString(TABS[iIndex].szCaption, bCurrent ? WHITE : GREY);
    pCaption->SetShow(1);
}

DWORD JC_StateModuleView7::OpenView()
{
    m_iSelectedBar = -1;
    if (!m_bBuilt)
        return 0;
    ShowGold();
    ShowRenderItemPage(GetAnimation(ITEM_GOLD), 1, 0);
    GetString(ITEM_GOLD_T)->SetShow(1);
    for (const int iTab : TAB_ITEMS)
        ShowTab(iTab, iTab == m_iTab);
    for (const int iItem : {ITEM_PAGE_BK, ITEM_PREV, ITEM_NEXT})
        ShowRenderItemPage(GetAnimation(iItem), 1, 0);
    for (int r = 0; r < ROW_COUNT; ++r) {
        ShowRenderItemPage(GetAnimation(ITEM_FIRST_ROW_BAR + r), 1, 0);
        ShowRenderItem(GetPicture(ITEM_FIRST_ICON + r), 1);
        ShowRenderItem(GetString(ITEM_FIRST_NAME + r), 1);
    }
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_StateModuleView7::CloseView()
{
    SetItemsShown(0);
    if (m_iViewMode != MODE_LIST)
        SetViewMode(MODE_LIST);
    m_bOpen = 0;
    return 0;
}

DWORD JC_StateModuleView7::Update()
{
    if (m_iViewMode == MODE_QUANTITY)
        return m_pQuantityView->Update();
    if (m_iViewMode == MODE_SELECTION)
        return m_pSelectionView->Update();
    if (!m_bOpen) {
        m_bUpdatePending = 1;
        return 0;
    }
    ShowGold();
    ShowPage();
    m_bUpdatePending = 0;
    return 0;
}

DWORD JC_StateModuleView7::ShowGold()
{
    JC_ControlGame* const pGame = m_Controls.pControlGame;
    int iMoney = pGame->GetMoney();
    if (static_cast<unsigned>(iMoney) > static_cast<unsigned>(MONEY_LIMIT)) {
        pGame->SetMoney(0);
        // The box shows what the record holds now.
        iMoney = pGame->GetMoney();
    }
    char szGold[16];
    std::snprintf(szGold, sizeof(szGold), "%9d", iMoney);
    m_strGold = szGold;
    if (m_Items[ITEM_GOLD_T] != nullptr)
        GetString(ITEM_GOLD_T)->SetString(szGold, WHITE);
    return 0;
}

DWORD JC_StateModuleView7::SelectTab(int iTab)
{
    if (iTab < ITEM_FIRST_TAB || iTab >= ITEM_FIRST_TAB + TAB_COUNT)
        return 0;
    if (m_bBuilt) {
        PlayRenderItem(GetAnimation(m_iTab), 0, 0, 0);
        GetString(m_iTab - ITEM_FIRST_TAB + ITEM_FIRST_TAB_T)->SetString(TABS[m_iTab - ITEM_FIRST_TAB].szCaption, GREY);
        PlayRenderItem(GetAnimation(iTab), 0, 1, 0);
        GetString(iTab - ITEM_FIRST_TAB + ITEM_FIRST_TAB_T)->SetString(TABS[iTab - ITEM_FIRST_TAB].szCaption, WHITE);
    }
    m_iTab = iTab;
    m_iWarehouse = TABS[iTab - ITEM_FIRST_TAB].iWarehouse;
    m_PagedList.SetEntryCount(DrawerCount());
    return 0;
}

int JC_StateModuleView7::DrawerCount() const
{
    return m_Controls.pControlWarehouse->HowManyDrawerInWarehouse(m_iWarehouse);
}

DWORD JC_StateModuleView7::PrevPage()
{
    m_PagedList.ResizeEntries(DrawerCount());
    return m_PagedList.PrevPage() ? 1 : 0;
}

DWORD JC_StateModuleView7::NextPage()
{
    m_PagedList.ResizeEntries(DrawerCount());
    return m_PagedList.NextPage() ? 1 : 0;
}

DWORD JC_StateModuleView7::ShowRow(int iRow, int iDrawerIndex, const std::string& strDefaultIcon)
{
    std::string strIcon;
    std::string strName;
    m_RowThings[iRow] = nullptr;
    if (iDrawerIndex >= 0) {
        const JC_ControlWarehouse& warehouse = *m_Controls.pControlWarehouse;
        JC_DataComponent* const pDrawer = warehouse.GetDrawerObj(m_iWarehouse, iDrawerIndex);
        JC_DataComponent* const pThing = pDrawer != nullptr ? warehouse.GetDrawerObjInfo_Thing(pDrawer) : nullptr;
        const DWORD dwResult = m_OperatorThingBaseObj.SetDataConponent(pThing);
        if (dwResult != 0)
            return dwResult;
        m_RowThings[iRow] = pThing;
        char szIcon[MAX_PATH];
        std::snprintf(szIcon, sizeof(szIcon), "%s%04d.bmp", GetPathThingIcon().c_str(),
                      m_OperatorThingBaseObj.GetPhoto());
        strIcon = szIcon;
        strName = RowName(m_OperatorThingBaseObj.GetName(), warehouse.GetDrawerObjInfo_ThingCount(pDrawer));
    }
    m_RowNames[iRow] = strName;
    if (!m_bBuilt)
        return 0;
    const DWORD dwResult = m_pModuleResource->ChangeScreenPictureOrDefault(
        GetPicture(ITEM_FIRST_ICON + iRow), strIcon.c_str(), strDefaultIcon.c_str());
    if (dwResult != 0)
        return dwResult;
    GetString(ITEM_FIRST_NAME + iRow)->SetString(strName.c_str(), WHITE);
    return 0;
}

DWORD JC_StateModuleView7::ShowPage()
{
    m_PagedList.ResizeEntries(DrawerCount());
    const std::string strDefaultIcon =
        GetPathThingIcon() + Layout()->GetItemDataString(TABS[m_iTab - ITEM_FIRST_TAB].szDefaultIconKey);
    for (int r = 0; r < ROW_COUNT; ++r) {
        const DWORD dwResult = ShowRow(r, m_PagedList.EntryAt(r), strDefaultIcon);
        if (dwResult != 0)
            return dwResult;
    }
    return 0;
}

BOOL JC_StateModuleView7::IsThingSelected() const
{
    return m_iSelectedBar >= 0 && m_RowThings[m_iSelectedBar - ITEM_FIRST_ROW_BAR] != nullptr;
}

DWORD JC_StateModuleView7::ClearSelection()
{
    ClearSelectedBar();
    return 0;
}

DWORD JC_StateModuleView7::GetSelectedThingName(std::string& strName) const
{
    int iWarehouse = 0;
    int iDrawerIndex = 0;
    if (GetSelectedThing(iWarehouse, iDrawerIndex) == 0)
        return 0;
    const JC_ControlWarehouse& warehouse = *m_Controls.pControlWarehouse;
    JC_DataComponent* const pDrawer = warehouse.GetDrawerObj(iWarehouse, iDrawerIndex);
    return pDrawer != nullptr && warehouse.GetDrawerObjInfo_ThingName(pDrawer, strName) == 0 ? 1 : 0;
}

DWORD JC_StateModuleView7::GetSelectedThing(int& iWarehouse, int& iDrawerIndex) const
{
    if (!IsThingSelected())
        return 0;
    iWarehouse = m_iWarehouse;
    iDrawerIndex = m_PagedList.EntryAt(m_iSelectedBar - ITEM_FIRST_ROW_BAR);
    return 1;
}

DWORD JC_StateModuleView7::ThrowAway(int iWarehouse, int iDrawerIndex, int iCount) const
{
    const JC_ControlWarehouse& warehouse = *m_Controls.pControlWarehouse;
    JC_DataComponent* const pDrawer = warehouse.GetDrawerObj(iWarehouse, iDrawerIndex);
    // Counted unsigned, as the drawer holds it: a damaged record may hold more than an int.
    const DWORD dwHeld = pDrawer != nullptr ? warehouse.GetDrawerObjInfo_ThingCount(pDrawer) : 0;
    if (iCount < 0 || static_cast<DWORD>(iCount) > dwHeld) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleView7 ThrowAway CountNotHeld. \r\n Warehouse:0x%08x DrawerIndex:%d "
                                      "Count:%d ThingCount:%u \r\n",
                                      static_cast<unsigned>(iWarehouse), iDrawerIndex, iCount,
                                      static_cast<unsigned>(dwHeld));
        return JE_STATEMODULEVIEW7_COUNT_NOT_HELD;
    }
    if (iCount == 0)
        return 0;
    return warehouse.DelThing(iWarehouse, iDrawerIndex, static_cast<DWORD>(iCount));
}

DWORD JC_StateModuleView7::DealQuantityMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pQuantityView->MsgProc(uMsg, wParam, lParam) != 1)
        return 0;
    const DWORD dwEvent = m_pQuantityView->GetViewEvent();
    m_pQuantityView->ClearViewEvent();
    if (dwEvent == JC_StateModuleView8::EVENT_OK) {
        int iCount = 0;
        BOOL bWholeDrawer = 0;
        m_pQuantityView->GetThingCount(iCount, bWholeDrawer);
        int iWarehouse = 0;
        int iDrawerIndex = 0;
        if (GetSelectedThing(iWarehouse, iDrawerIndex) == 1 && ThrowAway(iWarehouse, iDrawerIndex, iCount) == 0
            && bWholeDrawer)
            ClearSelectedBar();
        ShowPage();
    }
    SetViewMode(MODE_LIST);
    return 0;
}

DWORD JC_StateModuleView7::DealSelectionMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pSelectionView->MsgProc(uMsg, wParam, lParam) != 1)
        return 0;
    const DWORD dwChoice = m_pSelectionView->GetViewEvent();
    m_pSelectionView->ClearViewEvent();
    if (dwChoice == 1) {
        m_dwViewEvent = EVENT_INLAY;
        return 1;
    }
    SetViewMode(dwChoice == 2 ? MODE_QUANTITY : MODE_LIST);
    return 0;
}

BOOL JC_StateModuleView7::ClickPageOrTab()
{
    m_PagedList.ResizeEntries(DrawerCount());
    if (TurnPageAtClick(m_PagedList, ITEM_PREV, ITEM_NEXT)) {
        ShowPage();
        return 1;
    }
    const int iTab = HitItem(TAB_ITEMS, TAB_COUNT);
    if (iTab < 0)
        return 0;
    if (TAB_ITEMS[iTab] != m_iTab) {
        SelectTab(TAB_ITEMS[iTab]);
        ShowPage();
    }
    return 1;
}

DWORD JC_StateModuleView7::DealListMessage(UINT uMsg)
{
    if (uMsg == WM_MOUSEMOVE) {
        PlayPageButtons(ITEM_PREV, ITEM_NEXT);
        return HoverBars(ROW_BARS, ROW_COUNT, EVENT_SELECTION_CHANGED);
    }
    if (uMsg != WM_LBUTTONDOWN || ClickPageOrTab())
        return 0;
    if (m_iSelectedBar < 0)
        return 0;
    const int iSelected = m_iSelectedBar;
    if (HitItem(&iSelected, 1) != 0)
        return ClickSelectedBar(0, EVENT_SELECTION_CHANGED);
    if (IsThingSelected())
        SetViewMode(IsGemTab() ? MODE_SELECTION : MODE_QUANTITY);
    return 0;
}

DWORD JC_StateModuleView7::MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (!m_bActive)
        return 0;
    if (m_iViewMode == MODE_QUANTITY)
        return DealQuantityMessage(uMsg, wParam, lParam);
    if (m_iViewMode == MODE_SELECTION)
        return DealSelectionMessage(uMsg, wParam, lParam);
    return DealListMessage(uMsg);
}

DWORD JC_StateModuleView7::SetViewMode(int iMode)
{
    if (iMode < MODE_LIST || iMode > MODE_SELECTION)
        return RefuseViewMode(iMode, JE_STATEMODULEVIEW7_VIEW_MODE_NOT_SUPPORT);
    m_iViewMode = iMode;
    if (!m_bOpen || m_pQuantityView == nullptr || m_pSelectionView == nullptr)
        return 0;
    int iWarehouse = 0;
    int iDrawerIndex = 0;
    if (iMode == MODE_QUANTITY && GetSelectedThing(iWarehouse, iDrawerIndex) == 1) {
        m_pQuantityView->SetThingInfo(iWarehouse, iDrawerIndex);
        m_pQuantityView->OpenView();
        m_pQuantityView->SetViewActive(1);
    } else {
        m_pQuantityView->CloseView();
        m_pQuantityView->SetViewActive(0);
    }
    if (iMode == MODE_SELECTION) {
        m_pSelectionView->ClearSelectInfo();
        m_pSelectionView->SetSelectInfo(0, Layout()->GetItemDataString("View9_Select1"));
        m_pSelectionView->SetSelectInfo(1, Layout()->GetItemDataString("View9_Select2"));
        m_pSelectionView->SetSelectInfo(2, Layout()->GetItemDataString("View9_Select3"));
        m_pSelectionView->Update();
        m_pSelectionView->OpenView();
        m_pSelectionView->SetViewActive(1);
    } else {
        m_pSelectionView->CloseView();
        m_pSelectionView->SetViewActive(0);
    }
    return 0;
}

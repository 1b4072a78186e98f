#include "JC_Module/JC_Town/View/JC_TownModuleView4.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderPic.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlModuleTown.h"
#include "JC_DataManager/Control/JC_ControlWorldMap.h"
#include "JC_Module/JC_ModuleResource.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView7.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <algorithm>
#include <cstdio>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const struct
{
    const char* szLabel;
    DWORD dwSaleKind;
    int iWarehouse;
    const char* szDefaultIcon;
} TABS[JC_TownModuleView4::TAB_COUNT] = {
    {"道具", JC_TownModuleView4::SALE_TOOL, 2, "DefaultIconTool"},
    {"武器", JC_TownModuleView4::SALE_WEAPON, 3, "DefaultIconWeapon"},
    {"防具", JC_TownModuleView4::SALE_WEARING, 4, "DefaultIconWearing"},
    {"魂石", JC_TownModuleView4::SALE_GEM, 1, "DefaultIconGem"},
};
const int TAB_ITEMS[] = {0, 1, 2, 3};
const int BAR_ITEMS[] = {11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
// A stack holds at most 99; a weapon or wearing takes a drawer of 300.
const int MAX_STACK = 99;
const int MAX_DRAWERS = 300;
const int PADDED_NAME_BYTES = 18;

int ClampedCount(long long llCount)
{
    return static_cast<int>(std::clamp<long long>(llCount, 0, MAX_STACK));
}

} // namespace

JC_TownModuleView4::JC_TownModuleView4() : JC_TownModuleViewBase(4, ITEM_COUNT)
{
}

JC_TownModuleView4::~JC_TownModuleView4()
{
    UnbuildView();
}

DWORD JC_TownModuleView4::InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent,
                                         JC_ModuleMouse* pModuleMouse, JC_ModuleResource* pModuleResource)
{
    DWORD dwResult = JC_TownModuleViewBase::InitiationView(pControlManager, pParent, pModuleMouse, pModuleResource);
    if (dwResult != 0)
        return dwResult;
    dwResult = m_ControlShopObj.Initiation(m_Controls.pDataManager, m_Controls.pBehaviorAnalyser);
    if (dwResult != 0)
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " TownModuleView4 Initiation InitiationControlShopObj Fail. \r\n HRESULT:0x%08x \r\n ",
                                      static_cast<unsigned>(dwResult));
    return dwResult;
}

DWORD JC_TownModuleView4::SetChildView(JC_ModuleViewBase* pView)
{
    if (pView == nullptr)
        return JE_TOWNMODULEVIEW4_NULL_CHILD_VIEW;
    m_pChildView = static_cast<JC_TownModuleView7*>(pView);
    m_pChildView->GetRenderNode()->SetParent(&m_RenderNode);
    return 0;
}

DWORD JC_TownModuleView4::BuildItems()
{
    DWORD dwResult = 0;
    const float fTabStep = ItemFloat("TabD", "X");
    for (int i = 0; i < TAB_COUNT && dwResult == 0; ++i)
        dwResult = BuildAnimationItem(ITEM_TAB + i, "Tab", TRUE, i * fTabStep);
    const float fLabelStep = ItemFloat("TabTD", "X");
    for (int i = 0; i < TAB_COUNT && dwResult == 0; ++i)
        dwResult = BuildStringItem(ITEM_TAB_T + i, "TabT", TABS[i].szLabel, i * fLabelStep);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_PAGE_BK, "PageBK", TRUE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_PREV, "Prev", TRUE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_NEXT, "Next", TRUE);
    const float fBarStep = ItemFloat("ThingBarD", "Y");
    for (int r = 0; r < ROW_COUNT && dwResult == 0; ++r)
        dwResult = BuildAnimationItem(ITEM_BAR + r, "ThingBar", TRUE, 0.0f, r * fBarStep);
    const float fIconStep = ItemFloat("ThingIconD", "Y");
    for (int r = 0; r < ROW_COUNT && dwResult == 0; ++r)
        dwResult = BuildPictureItem(ITEM_ICON + r, "ThingIcon", 0.0f, r * fIconStep);
    const float fNameStep = ItemFloat("ThingNameD", "Y");
    for (int r = 0; r < ROW_COUNT && dwResult == 0; ++r)
        dwResult = BuildStringItem(ITEM_NAME + r, "ThingName", nullptr, 0.0f, r * fNameStep);
    return dwResult;
}

DWORD JC_TownModuleView4::BuildView()
{
    UnbuildView();
    PlaceView();
    const DWORD dwResult = BuildItems();
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

void JC_TownModuleView4::ShowTab(int iTab, BOOL bCurrent)
{
    ShowRenderItemPage(GetAnimation(ITEM_TAB + iTab), 1, bCurrent ? 1 : 0);
    GetString(ITEM_TAB_T + iTab)->SetColor(bCurrent ? JD_TOWN_WHITE : JD_TOWN_GREY);
}

DWORD JC_TownModuleView4::OpenView()
{
    if (!m_bBuilt)
        return 0;
    for (int i = 0; i < TAB_COUNT; ++i) {
        ShowTab(i, i == m_iTab);
        ShowRenderItem(GetString(ITEM_TAB_T + i), 1);
    }
    ShowPages(ITEM_PAGE_BK, ITEM_BAR + ROW_COUNT - 1, 1);
    for (int i = ITEM_ICON; i < ITEM_COUNT; ++i)
        ShowRenderItem(m_Items[i].get(), 1);
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_TownModuleView4::CloseView()
{
    SetItemsShown(0);
    if (m_iViewMode != MODE_BUY)
        SetViewMode(MODE_BUY);
    m_bOpen = 0;
    return 0;
}

DWORD JC_TownModuleView4::SetViewMode(int iMode)
{
    if (iMode < MODE_BUY || iMode > MODE_SELL_QUANTITY) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " TownModuleView4 SetViewMode ViewMode NotSupport. \r\n ViewMode:0x%08x \r\n ",
                                      static_cast<unsigned>(iMode));
        return JE_TOWNMODULEVIEW4_VIEW_MODE_NOT_SUPPORT;
    }
    m_iViewMode = iMode;
    if (!m_bOpen)
        return 0;
    if (iMode == MODE_BUY || iMode == MODE_SELL) {
        m_pChildView->SetViewActive(0);
        m_pChildView->CloseView();
        return Update();
    }
    int iMaxCount = 0;
    DWORD dwUnitPrice = 0;
    if (!GetQuantityBounds(iMaxCount, dwUnitPrice))
        return 0;
    const bool bSell = iMode == MODE_SELL_QUANTITY;
    // Weapons and wearings are sold one at a time.
    if (bSell && (m_dwSaleKind == SALE_WEAPON || m_dwSaleKind == SALE_WEARING))
        iMaxCount = std::min(iMaxCount, 1);
    m_pChildView->SetViewMode(bSell ? JC_TownModuleView7::MODE_SELL : JC_TownModuleView7::MODE_BUY);
    m_pChildView->SetCountDialog(iMaxCount, dwUnitPrice);
    m_pChildView->OpenView();
    m_pChildView->SetViewActive(1);
    return 0;
}

BOOL JC_TownModuleView4::HasSelection() const
{
    return m_iSelectedItem >= ITEM_BAR && m_Entries[m_iSelectedItem - ITEM_BAR].iListIndex != -1;
}

void JC_TownModuleView4::ClearSelection()
{
    if (m_iSelectedItem >= 0)
        PlayRenderItem(GetAnimation(m_iSelectedItem), 0, 0, 0);
    m_iSelectedItem = -1;
}

BOOL JC_TownModuleView4::GetQuantityBounds(int& iMaxCount, DWORD& dwUnitPrice)
{
    iMaxCount = 0;
    dwUnitPrice = 0;
    if (!HasSelection())
        return 0;
    const JS_Entry& entry = m_Entries[m_iSelectedItem - ITEM_BAR];
    dwUnitPrice = entry.dwPrice;
    if (!IsBuying()) {
        iMaxCount = static_cast<int>(std::min<DWORD>(entry.dwHeld, INT_MAX));
        return 1;
    }
    if (m_dwSaleKind == SALE_GEM || m_dwSaleKind == SALE_TOOL) {
        // More than a stack held leaves nothing to buy.
        iMaxCount = ClampedCount(static_cast<long long>(MAX_STACK) - entry.dwHeld);
        return 1;
    }
    const int iDrawers = m_ControlShopObj.HowManyDrawerInWarehouse(m_iWarehouse);
    iMaxCount = ClampedCount(static_cast<long long>(MAX_DRAWERS) - std::max(iDrawers, 0));
    return 1;
}

BOOL JC_TownModuleView4::GetSelectedThing(DWORD& dwThingKind, DWORD& dwThingID) const
{
    if (!HasSelection()) {
        dwThingKind = static_cast<DWORD>(-1);
        dwThingID = 0;
        return 0;
    }
    const JS_Entry& entry = m_Entries[m_iSelectedItem - ITEM_BAR];
    dwThingKind = entry.dwThingKind;
    dwThingID = entry.dwThingID;
    return 1;
}

BOOL JC_TownModuleView4::GetSelectedExplanation(std::vector<std::string>& lines) const
{
    lines.clear();
    if (!HasSelection())
        return 0;
    lines = m_Entries[m_iSelectedItem - ITEM_BAR].explainLines;
    return 1;
}

DWORD JC_TownModuleView4::SetTab(int iTab)
{
    if (m_iTab != -1 && m_bBuilt)
        ShowTab(m_iTab, 0);
    m_iTab = iTab;
    if (m_bBuilt)
        ShowTab(iTab, 1);
    m_dwSaleKind = TABS[iTab].dwSaleKind;
    m_iWarehouse = TABS[iTab].iWarehouse;
    m_iPage = 0;
    return 0;
}

int JC_TownModuleView4::ListCount()
{
    if (m_iViewMode == MODE_BUY)
        return static_cast<int>(std::min<DWORD>(m_ControlShopObj.GetSaleCount(m_dwSaleKind), INT_MAX));
    if (m_iViewMode == MODE_SELL)
        return std::max(m_ControlShopObj.HowManyDrawerInWarehouse(m_iWarehouse), 0);
    return 0;
}

DWORD JC_TownModuleView4::StepPage(int iStep)
{
    if (m_iViewMode != MODE_BUY && m_iViewMode != MODE_SELL)
        return 0;
    const int iPages = (ListCount() + ROW_COUNT - 1) / ROW_COUNT;
    if (iPages == 0) {
        m_iPage = 0;
        return 0;
    }
    m_iPage = (m_iPage + iStep + iPages) % iPages;
    return 1;
}

DWORD JC_TownModuleView4::PrevPage()
{
    return StepPage(-1);
}

DWORD JC_TownModuleView4::NextPage()
{
    return StepPage(1);
}

std::string JC_TownModuleView4::DefaultIcon() const
{
    for (const auto& tab : TABS) {
        if (tab.dwSaleKind == m_dwSaleKind)
            return GetPathThingIcon() + Layout()->GetItemDataString(tab.szDefaultIcon);
    }
    return "";
}

std::string JC_TownModuleView4::RowText(const std::string& strName, DWORD dwPrice)
{
    std::string strText = strName;
    const int iLength = static_cast<int>(strName.size());
    for (int i = 0; i < (PADDED_NAME_BYTES - iLength) / 2; ++i)
        strText += "　";
    return strText + "Ｓ" + std::to_string(dwPrice);
}

void JC_TownModuleView4::FillEntry(JS_Entry& entry, int iIndex)
{
    JC_ControlShop& shop = m_ControlShopObj;
    const auto dwIndex = static_cast<DWORD>(iIndex);
    entry.iListIndex = iIndex;
    if (m_iViewMode == MODE_BUY) {
        entry.dwThingID = shop.GetSaleThingID(m_dwSaleKind, dwIndex);
        entry.dwPhoto = static_cast<DWORD>(shop.GetSaleThingPhoto(m_dwSaleKind, dwIndex));
        entry.strName = shop.GetSaleThingName(m_dwSaleKind, dwIndex);
        entry.dwPrice = static_cast<DWORD>(std::max(shop.GetSaleThingBuyCost(m_dwSaleKind, dwIndex), 0));
        entry.dwHeld = static_cast<DWORD>(std::max(shop.GetSaleThingOwnCount(m_dwSaleKind, dwIndex), 0));
        entry.explainLines = {shop.GetSaleThingExplain(m_dwSaleKind, dwIndex),
                              shop.GetSaleThingExplainEx(m_dwSaleKind, dwIndex), ""};
    } else {
        entry.dwThingID = shop.InquireThingID(m_iWarehouse, iIndex);
        entry.dwPhoto = static_cast<DWORD>(shop.InquireThingPhoto(m_iWarehouse, iIndex));
        entry.strName = shop.InquireThingName(m_iWarehouse, iIndex);
        entry.dwPrice = static_cast<DWORD>(std::max(shop.InquireThingCost(m_iWarehouse, iIndex), 0));
        entry.dwHeld = static_cast<DWORD>(std::max(shop.InquireThingOwnCount(m_iWarehouse, iIndex), 0));
        entry.explainLines = {shop.InquireThingExplain(m_iWarehouse, iIndex),
                              shop.InquireThingExplainEx(m_iWarehouse, iIndex),
                              shop.InquireThingInlayExplain(m_iWarehouse, iIndex)};
    }
    char szHeld[64];
    std::snprintf(szHeld, sizeof(szHeld), "持有數量：%u", static_cast<unsigned>(entry.dwHeld));
    entry.explainLines.emplace_back(szHeld);
}

DWORD JC_TownModuleView4::RefreshList()
{
    const int iCount = ListCount();
    const int iFirst = m_iPage * ROW_COUNT;
    const int iLast = std::min(iFirst + ROW_COUNT - 1, iCount - 1);
    const std::string strDefaultIcon = DefaultIcon();
    for (int r = 0; r < ROW_COUNT; ++r) {
        JS_Entry& entry = m_Entries[r];
        entry = JS_Entry();
        entry.dwThingKind = m_dwSaleKind;
        std::string strIcon;
        std::string strText;
        if (iFirst + r <= iLast) {
            FillEntry(entry, iFirst + r);
            char szIcon[MAX_PATH];
            std::snprintf(szIcon, sizeof(szIcon), "%s%04u.bmp", GetPathThingIcon().c_str(),
                          static_cast<unsigned>(entry.dwPhoto));
            strIcon = szIcon;
            strText = RowText(entry.strName, entry.dwPrice);
        }
        const DWORD dwResult =
            m_pModuleResource->ChangeScreenPictureOrDefault(GetPicture(ITEM_ICON + r), strIcon.c_str(),
                                                            strDefaultIcon.c_str());
        if (dwResult != 0)
            return dwResult;
        SetText(ITEM_NAME + r, strText, JD_TOWN_WHITE);
    }
    return 0;
}

DWORD JC_TownModuleView4::Update()
{
    if (m_iViewMode == MODE_BUY_QUANTITY || m_iViewMode == MODE_SELL_QUANTITY)
        return m_pChildView->Update();
    if (!m_bOpen) {
        m_bUpdatePending = 1;
        return 0;
    }
    JC_ControlWorldMap* const pWorldMap = m_Controls.pControlWorldMap;
    const DWORD dwPlaceID = pWorldMap->GetSitePlaceID();
    if (pWorldMap->GetPlaceHaveShop(dwPlaceID) == 0)
        return CloseView();
    const DWORD dwShopID = pWorldMap->GetPlaceShopID(dwPlaceID);
    const DWORD dwResult = m_ControlShopObj.DesignateShopID(dwShopID);
    if (dwResult != 0) {
        m_Controls.pErrorLog->PrintAt(
            s_szSourceFile, __LINE__,
            " TownModuleView4 Update ControlShopObjDesignateShopID Fail. \r\n SitePlaceID:0x%08x ShopID:0x%08x \r\n "
            "HRESULT:0x%08x \r\n",
            static_cast<unsigned>(dwPlaceID), static_cast<unsigned>(dwShopID), static_cast<unsigned>(dwResult));
        return dwResult;
    }
    RefreshList();
    m_bUpdatePending = 0;
    return 0;
}

void JC_TownModuleView4::SelectRow(int iRow)
{
    SelectBar(iRow >= 0 && iRow < ROW_COUNT ? ITEM_BAR + iRow : -1);
}

void JC_TownModuleView4::SelectBar(int iItem)
{
    if (m_iSelectedItem >= 0)
        PlayRenderItem(GetAnimation(m_iSelectedItem), 0, 0, 0);
    if (iItem >= 0)
        PlayRenderItem(GetAnimation(iItem), 0, 1, 0);
    m_iSelectedItem = iItem;
    m_dwViewEvent = EVENT_SELECTION;
}

DWORD JC_TownModuleView4::DealMouseMove()
{
    const BOOL bPrev = IsItemHit(ITEM_PREV);
    const BOOL bNext = !bPrev && IsItemHit(ITEM_NEXT);
    PlayRenderItem(GetAnimation(ITEM_PREV), bPrev ? 1 : 0, 0, 0);
    PlayRenderItem(GetAnimation(ITEM_NEXT), bNext ? 1 : 0, 0, 0);
    const int iBar = HitItem(BAR_ITEMS, ROW_COUNT);
    if (iBar >= 0) {
        if (ITEM_BAR + iBar == m_iSelectedItem)
            return 0;
        SelectBar(ITEM_BAR + iBar);
        return 1;
    }
    if (m_iSelectedItem < 0)
        return 0;
    SelectBar(-1);
    return 1;
}

DWORD JC_TownModuleView4::DealLeftButton()
{
    if (IsItemHit(ITEM_PREV)) {
        PrevPage();
        RefreshList();
        return 0;
    }
    if (IsItemHit(ITEM_NEXT)) {
        NextPage();
        RefreshList();
        return 0;
    }
    const int iTab = HitItem(TAB_ITEMS, TAB_COUNT);
    if (iTab >= 0) {
        if (iTab != m_iTab) {
            SetTab(iTab);
            RefreshList();
        }
        return 0;
    }
    if (m_iSelectedItem < 0)
        return 0;
    if (!IsItemHit(m_iSelectedItem)) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__, " TownModuleView4 Fail. \r\n SelectDisplay Fail. \r\n");
        SelectBar(-1);
        return 1;
    }
    if (!HasSelection())
        return 0;
    m_dwViewEvent = EVENT_CHOSEN;
    return 1;
}

DWORD JC_TownModuleView4::Trade(int iListIndex, int iCount)
{
    if (IsBuying()) {
        const DWORD dwResult = m_ControlShopObj.BuyThing(m_dwSaleKind, static_cast<DWORD>(iListIndex), iCount);
        if (dwResult != 0)
            m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                          " TownModuleView4 MsgProc ControlShopObj Buy Fail. \r\n ThingKind:0x%08x "
                                          "SelectIndex:%d ConfirmCount:%d \r\n HRESULT:0x%08x \r\n",
                                          static_cast<unsigned>(m_dwSaleKind), iListIndex, iCount,
                                          static_cast<unsigned>(dwResult));
        return dwResult;
    }
    const DWORD dwResult = m_ControlShopObj.SellThing(m_iWarehouse, iListIndex, static_cast<DWORD>(iCount));
    if (dwResult != 0)
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " TownModuleView4 MsgProc ControlShopObj Sale Fail. \r\n WarehouseType:0x%08x "
                                      "SelectIndex:%d ConfirmCount:%d \r\n HRESULT:0x%08x \r\n",
                                      static_cast<unsigned>(m_iWarehouse), iListIndex, iCount,
                                      static_cast<unsigned>(dwResult));
    return dwResult;
}

DWORD JC_TownModuleView4::DealDialog(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pChildView->MsgProc(uMsg, wParam, lParam) != 1)
        return 0;
    const DWORD dwChildEvent = m_pChildView->GetViewEvent();
    m_pChildView->ClearViewEvent();
    if (dwChildEvent == JC_TownModuleView7::EVENT_CONFIRMED && HasSelection()) {
        int iCount = 0;
        m_pChildView->GetConfirmCount(iCount);
        const int iListIndex = m_iPage * ROW_COUNT + (m_iSelectedItem - ITEM_BAR);
        if (iCount != 0) {
            const DWORD dwResult = Trade(iListIndex, iCount);
            if (dwResult != 0)
                return dwResult;
        }
    }
    ClearSelection();
    m_dwViewEvent = EVENT_QUANTITY_DONE;
    return 1;
}

DWORD JC_TownModuleView4::MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (!m_bActive)
        return 0;
    if (m_iViewMode == MODE_BUY_QUANTITY || m_iViewMode == MODE_SELL_QUANTITY)
        return DealDialog(uMsg, wParam, lParam);
    if (uMsg == WM_MOUSEMOVE)
        return DealMouseMove();
    if (uMsg == WM_LBUTTONDOWN)
        return DealLeftButton();
    return 0;
}

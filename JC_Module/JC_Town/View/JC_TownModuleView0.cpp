#include "JC_Module/JC_Town/View/JC_TownModuleView0.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlModuleTown.h"
#include "JC_DataManager/Control/JC_ControlWorldMap.h"
#include "JC_Module/JC_ModuleMouse.h"
#include "JC_Module/JC_ModuleResource.h"
#include "JC_Script/JC_ScriptManager.h"
#include "TemplateSystem/JC_DebugLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const int LINE_FRAMES[] = {3, 4, 5, 6, 7, 8};
const int LINE_PLAZA = 0;
const int LINE_SHOP = 1;
const int LINE_MERGE = 2;
const int LINES_LISTED = 5;

std::unique_ptr<XC_RenderString> CenteredText()
{
    auto pText = std::make_unique<XC_RenderString>();
    pText->SetAligeText(1);
    return pText;
}

} // namespace

JC_TownModuleView0::JC_TownModuleView0() : JC_TownModuleViewBase(0, ITEM_COUNT)
{
}

JC_TownModuleView0::~JC_TownModuleView0()
{
    UnbuildView();
}

DWORD JC_TownModuleView0::SitePlace() const
{
    return m_Controls.pControlWorldMap->GetSitePlaceID();
}

void JC_TownModuleView0::ReportBuildFail(float fX, float fY, float fZ, const std::string& strFile,
                                         const std::string& strText, DWORD dwResult) const
{
    m_Controls.pErrorLog->Print("View0 在建立 視窗元件時 發生錯誤 \nItemX:%f , ItemY:%f , ItemZ:%f , ItemF:%s , "
                                "ItemT:%s \n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
                                fX, fY, fZ, strFile.c_str(), strText.c_str(), static_cast<unsigned>(dwResult),
                                s_szSourceFile, __LINE__);
}

DWORD JC_TownModuleView0::RefuseViewMode(int iMode, DWORD dwCode) const
{
    m_Controls.pErrorLog->Print(
        "View 0 在設定顯示模式時 發生錯誤(該模組視窗 不支援指定的顯示模式) \nViewMode:%d \n錯誤檔案:%s(Line:%d) \n\n",
        iMode, s_szSourceFile, __LINE__);
    return dwCode;
}

DWORD JC_TownModuleView0::BuildItems()
{
    JC_ControlWorldMap* const pWorldMap = m_Controls.pControlWorldMap;
    const DWORD dwPlaceID = SitePlace();
    const float fX = ItemFloat("BK", "X");
    const float fY = ItemFloat("BK", "Y");
    const float fZ = ItemFloat("BK", "Z");
    const std::string strBackground = GetPathAni() + pWorldMap->GetPlaceTownBackground(dwPlaceID);
    auto pBackground = std::make_unique<XC_RenderAnimation>();
    DWORD dwResult =
        m_pModuleResource->BuildScreenAnimation(pBackground.get(), strBackground.c_str(), fX, fY, fZ, &m_RenderNode);
    m_Items[ITEM_BK] = std::move(pBackground);
    if (dwResult != 0) {
        ReportBuildFail(fX, fY, fZ, strBackground, "", dwResult);
        return dwResult;
    }
    dwResult = BuildAnimationItem(ITEM_MENU, "Menu", TRUE);
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_MENU_T, "MenuT", pWorldMap->GetPlaceName(dwPlaceID).c_str(), 0.0f, 0.0f,
                                   CenteredText());
    const float fFrameStep = ItemFloat("LineBKD", "Y");
    for (int i = 0; i < LINE_COUNT && dwResult == 0; ++i)
        dwResult = BuildAnimationItem(ITEM_LINE_BK + i, "LineBK", TRUE, 0.0f, i * fFrameStep);
    const float fTextStep = ItemFloat("LineD", "Y");
    for (int i = 0; i < LINE_COUNT && dwResult == 0; ++i) {
        dwResult = BuildStringItem(ITEM_LINE_T + i, "Line", nullptr, 0.0f, i * fTextStep, CenteredText());
    }
    return dwResult;
}

DWORD JC_TownModuleView0::BuildView()
{
    UnbuildView();
    PlaceView();
    const DWORD dwResult = BuildItems();
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

DWORD JC_TownModuleView0::OpenView()
{
    if (!m_bBuilt)
        return 0;
    m_iHoveredLine = -1;
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    ShowRenderItemPage(GetAnimation(ITEM_BK), 1, 0);
    ShowRenderItemPage(GetAnimation(ITEM_MENU), 1, 0);
    for (int i = ITEM_MENU_T; i < ITEM_COUNT; ++i) {
        if (i < ITEM_LINE_BK || i >= ITEM_LINE_T)
            ShowRenderItem(m_Items[i].get(), 1);
    }
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_TownModuleView0::SetViewMode(int iMode)
{
    if (iMode != MODE_MENU && iMode != MODE_PLAZA)
        return RefuseViewMode(iMode, JE_TOWNMODULEVIEW0_VIEW_MODE_NOT_SUPPORT);
    m_iViewMode = iMode;
    if (m_bOpen)
        m_iHoveredLine = -1;
    return 0;
}

void JC_TownModuleView0::ShowLine(int iLine, const std::string& strText, BOOL bShow, BOOL bChoosable)
{
    ShowRenderItemPage(GetAnimation(ITEM_LINE_BK + iLine), bShow && bChoosable, 0);
    SetText(ITEM_LINE_T + iLine, strText, bChoosable ? JD_TOWN_WHITE : JD_TOWN_GREY);
    ShowRenderItem(GetString(ITEM_LINE_T + iLine), bShow);
}

void JC_TownModuleView0::UpdateMenu(DWORD dwPlaceID)
{
    JC_ControlWorldMap* const pWorldMap = m_Controls.pControlWorldMap;
    ShowLine(LINE_PLAZA, Layout()->GetItemDataString("View0_Mode0Line0T"), 1,
             pWorldMap->GetPlazaPasserCount(dwPlaceID) >= 1);
    ShowLine(LINE_SHOP, Layout()->GetItemDataString("View0_Mode0Line1T"), 1,
             pWorldMap->GetPlaceHaveShop(dwPlaceID) != 0);
    ShowLine(LINE_MERGE, Layout()->GetItemDataString("View0_Mode0Line2T"), 1,
             pWorldMap->GetPlaceHaveHybridize(dwPlaceID) != 0);
    ShowLine(3, "", 0, 0);
    ShowLine(4, "", 0, 0);
    ShowLine(LINE_BACK, Layout()->GetItemDataString("View0_Mode0Line5T"), 1, 1);
}

void JC_TownModuleView0::UpdatePlaza(DWORD dwPlaceID)
{
    JC_ControlWorldMap* const pWorldMap = m_Controls.pControlWorldMap;
    const DWORD dwPassers = pWorldMap->GetPlazaPasserCount(dwPlaceID);
    for (int i = 0; i < LINES_LISTED; ++i) {
        const std::string strName =
            static_cast<DWORD>(i) < dwPassers ? pWorldMap->GetPlazaPasserName(dwPlaceID, i) : std::string();
        ShowLine(i, strName, !strName.empty(), 1);
    }
    ShowLine(LINE_BACK, Layout()->GetItemDataString("View0_Mode1Line5T"), 1, 1);
}

DWORD JC_TownModuleView0::Update()
{
    if (!m_bOpen) {
        m_bUpdatePending = 1;
        return 0;
    }
    if (m_iViewMode == MODE_MENU)
        UpdateMenu(SitePlace());
    else
        UpdatePlaza(SitePlace());
    m_bUpdatePending = 0;
    return 0;
}

int JC_TownModuleView0::HitLine() const
{
    return HitItem(LINE_FRAMES, LINE_COUNT);
}

void JC_TownModuleView0::HoverLine(int iLine)
{
    if (iLine == m_iHoveredLine)
        return;
    if (m_iHoveredLine >= 0)
        PlayRenderItem(GetAnimation(ITEM_LINE_BK + m_iHoveredLine), 0, 0, 0);
    if (iLine >= 0)
        PlayRenderItem(GetAnimation(ITEM_LINE_BK + iLine), 0, 1, 0);
    m_iHoveredLine = iLine;
}

DWORD JC_TownModuleView0::LoadPlaceScript(const std::string& strScript) const
{
    const DWORD dwResult = gp_ScriptManagerObj->LoadScript(strScript);
    if (dwResult != 0)
        m_Controls.pErrorLog->Print("載入劇本時 發生錯誤 \n劇本檔案名稱:%s \n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
                                    strScript.c_str(), static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
    return dwResult;
}

DWORD JC_TownModuleView0::ChooseMenu(int iLine)
{
    switch (iLine) {
    case LINE_PLAZA:
        SetViewMode(MODE_PLAZA);
        return 1;
    case LINE_SHOP:
        m_dwViewEvent = EVENT_SHOP;
        return 1;
    case LINE_MERGE:
        m_dwViewEvent = EVENT_MERGE;
        return 1;
    case LINE_BACK: {
        m_dwViewEvent = EVENT_LEAVE;
        JC_ControlWorldMap* const pWorldMap = m_Controls.pControlWorldMap;
        const DWORD dwPlaceID = SitePlace();
        // Cleared before it runs: an exit script runs once.
        const std::string strScript = pWorldMap->GetPlaceExitScriptName(dwPlaceID);
        pWorldMap->SetPlaceExitScriptName(dwPlaceID, "");
        if (strScript.empty())
            return 1;
        const DWORD dwResult = LoadPlaceScript(strScript);
        return dwResult != 0 ? dwResult : 1;
    }
    default:
        return 0;
    }
}

DWORD JC_TownModuleView0::ChoosePasser(int iLine)
{
    if (iLine == LINE_BACK) {
        SetViewMode(MODE_MENU);
        return 1;
    }
    const DWORD dwPlaceID = SitePlace();
    const DWORD dwResult =
        LoadPlaceScript(m_Controls.pControlWorldMap->GetPlazaPasserScript(dwPlaceID, static_cast<DWORD>(iLine)));
    if (dwResult != 0)
        return dwResult;
    // The script may change the place: the lines are read again.
    m_bUpdatePending = 1;
    return 0;
}

DWORD JC_TownModuleView0::ChooseLine(int iLine)
{
    if (iLine < 0 || iLine >= LINE_COUNT)
        return 0;
    return m_iViewMode == MODE_PLAZA ? ChoosePasser(iLine) : ChooseMenu(iLine);
}

DWORD JC_TownModuleView0::MsgProc(UINT uMsg, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (!m_bActive)
        return 0;
    if (uMsg == WM_MOUSEMOVE) {
        HoverLine(HitLine());
        return 0;
    }
    return uMsg == WM_LBUTTONDOWN ? ChooseLine(HitLine()) : 0;
}

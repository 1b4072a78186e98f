#include "JC_Module/JC_Town/View/JC_TownModuleView7.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlGame.h"
#include "JC_DataManager/Control/JC_ControlModuleTown.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <cstdio>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const int BUTTONS[] = {JC_TownModuleView7::ITEM_ADD_A, JC_TownModuleView7::ITEM_ADD_B, JC_TownModuleView7::ITEM_SUB_A,
                       JC_TownModuleView7::ITEM_SUB_B, JC_TownModuleView7::ITEM_OK,    JC_TownModuleView7::ITEM_CANCEL};
const int BUTTON_COUNT = 6;
const DWORD FULL_RED = 0xFFFF0000;

int StepDigit(int iDigit, int iStep)
{
    if (iStep == 0)
        return 0;
    const int iNext = iDigit + iStep;
    if (iNext >= 10)
        return 0;
    return iNext < 0 ? 9 : iNext;
}

} // namespace

JC_TownModuleView7::JC_TownModuleView7() : JC_TownModuleViewBase(7, ITEM_COUNT)
{
}

JC_TownModuleView7::~JC_TownModuleView7()
{
    UnbuildView();
}

void JC_TownModuleView7::ReportBuildFail(float fX, float fY, float fZ, const std::string& strFile,
                                         const std::string& strText, DWORD dwResult) const
{
    m_Controls.pErrorLog->Print("View7 在建立 視窗元件時 發生錯誤 \nItemX:%f , ItemY:%f , ItemZ:%f , ItemF:%s , "
                                "ItemT:%s \n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
                                fX, fY, fZ, strFile.c_str(), strText.c_str(), static_cast<unsigned>(dwResult),
                                s_szSourceFile, __LINE__);
}

DWORD JC_TownModuleView7::RefuseViewMode(int iMode, DWORD dwCode) const
{
    m_Controls.pErrorLog->Print(
        "View 3 在設定顯示模式時 發生錯誤(不支援指定的顯示模式) \nViewMode:%d \n錯誤檔案:%s(Line:%d) \n\n", iMode,
        s_szSourceFile, __LINE__);
    return dwCode;
}

DWORD JC_TownModuleView7::BuildItems()
{
    DWORD dwResult = BuildAnimationItem(ITEM_BK, "Bk", TRUE);
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_BK_T, "BkT", Layout()->GetItemDataString("View7_BkT").c_str());
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_COUNT_T, "ThingCount", nullptr);
    const char* const szButtons[] = {"AddA", "AddB", "SubA", "SubB"};
    for (int i = 0; i < 4 && dwResult == 0; ++i)
        dwResult = BuildAnimationItem(ITEM_ADD_A + i, szButtons[i], TRUE);
    if (dwResult == 0) {
        auto pCost = std::make_unique<XC_RenderString>();
        pCost->SetAligeText(2);
        dwResult = BuildStringItem(ITEM_COST, "Cost", "0 G", 0.0f, 0.0f, std::move(pCost));
    }
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_OK, "OK", TRUE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_CANCEL, "Cancel", TRUE);
    return dwResult;
}

DWORD JC_TownModuleView7::BuildView()
{
    UnbuildView();
    PlaceView();
    const DWORD dwResult = BuildItems();
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

DWORD JC_TownModuleView7::OpenView()
{
    if (!m_bBuilt)
        return 0;
    ShowRenderItemPage(GetAnimation(ITEM_BK), 1, 0);
    if (m_iMaxCount == 0)
        SetText(ITEM_BK_T, Layout()->GetItemDataString("View7_BkTFull"), FULL_RED);
    else
        SetText(ITEM_BK_T, Layout()->GetItemDataString("View7_BkT"), JD_TOWN_WHITE);
    ShowRenderItem(GetString(ITEM_BK_T), 1);
    ShowRenderItem(GetString(ITEM_COUNT_T), 1);
    ShowPages(ITEM_ADD_A, ITEM_SUB_B, 1);
    ShowRenderItem(GetString(ITEM_COST), 1);
    ShowPages(ITEM_OK, ITEM_CANCEL, 1);
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_TownModuleView7::SetViewMode(int iMode)
{
    if (iMode != MODE_BUY && iMode != MODE_SELL)
        return RefuseViewMode(iMode, JE_TOWNMODULEVIEW7_VIEW_MODE_NOT_SUPPORT);
    m_iViewMode = iMode;
    return 0;
}

DWORD JC_TownModuleView7::SetCountDialog(int iMaxCount, DWORD dwUnitPrice)
{
    m_iMaxCount = iMaxCount;
    m_dwUnitPrice = dwUnitPrice;
    m_iTens = 0;
    m_iUnits = 1;
    return UpdateCountText();
}

DWORD JC_TownModuleView7::GetConfirmCount(int& iCount) const
{
    iCount = Count();
    return 0;
}

DWORD JC_TownModuleView7::AddTens(int iStep)
{
    m_iTens = StepDigit(m_iTens, iStep);
    return UpdateCountText();
}

DWORD JC_TownModuleView7::AddUnits(int iStep)
{
    m_iUnits = StepDigit(m_iUnits, iStep);
    return UpdateCountText();
}

DWORD JC_TownModuleView7::UpdateCountText()
{
    if (!m_bBuilt)
        return 0;
    const int iCount = Count();
    char szText[64];
    std::snprintf(szText, sizeof(szText), "X %d %d", m_iTens, m_iUnits);
    SetText(ITEM_COUNT_T, szText, m_iMaxCount < iCount ? RED : JD_TOWN_WHITE);
    std::snprintf(szText, sizeof(szText), "%lld G", Total(iCount));
    SetText(ITEM_COST, szText, CheckMoney(iCount) ? JD_TOWN_WHITE : RED);
    return 0;
}

bool JC_TownModuleView7::CheckMaxCount(int iCount)
{
    if (iCount <= m_iMaxCount)
        return true;
    m_iTens = m_iMaxCount / 10;
    m_iUnits = m_iMaxCount % 10;
    UpdateCountText();
    return false;
}

bool JC_TownModuleView7::CheckMoney(int iCount) const
{
    if (m_iViewMode != MODE_BUY)
        return true;
    const auto llMoney = static_cast<long long>(static_cast<unsigned>(m_Controls.pControlGame->GetMoney()));
    return Total(iCount) <= llMoney;
}

DWORD JC_TownModuleView7::Confirm()
{
    const int iCount = Count();
    if (!CheckMaxCount(iCount) || !CheckMoney(iCount))
        return 0;
    m_dwViewEvent = EVENT_CONFIRMED;
    return 1;
}

DWORD JC_TownModuleView7::ReleaseButton()
{
    if (!m_bPressed)
        return 0;
    m_bPressed = 0;
    PlayRenderItem(GetAnimation(m_iPressedButton), 0, 0, 0);
    if (!IsItemHit(m_iPressedButton))
        return 0;
    switch (m_iPressedButton) {
    case ITEM_ADD_A:
        AddTens(1);
        return 0;
    case ITEM_ADD_B:
        AddUnits(1);
        return 0;
    case ITEM_SUB_A:
        AddTens(-1);
        return 0;
    case ITEM_SUB_B:
        AddUnits(-1);
        return 0;
    case ITEM_OK:
        return Confirm();
    default:
        m_dwViewEvent = EVENT_CANCELLED;
        return 1;
    }
}

DWORD JC_TownModuleView7::MsgProc(UINT uMsg, WPARAM wParam, LPARAM /*lParam*/)
{
    if (!m_bActive)
        return 0;
    switch (uMsg) {
    case WM_LBUTTONDOWN: {
        m_iPressedButton = -1;
        const int iHit = HitItem(BUTTONS, BUTTON_COUNT);
        if (iHit >= 0) {
            m_iPressedButton = BUTTONS[iHit];
            m_bPressed = 1;
            PlayRenderItem(GetAnimation(m_iPressedButton), 0, 1, 0);
        }
        return 0;
    }
    case WM_LBUTTONUP:
        return ReleaseButton();
    case WM_KEYUP:
        if (wParam == 'N') {
            m_dwViewEvent = EVENT_CANCELLED;
            return 1;
        }
        return wParam == 'Y' ? Confirm() : 0;
    case WM_RBUTTONUP:
        m_dwViewEvent = EVENT_CANCELLED;
        return 1;
    default:
        return 0;
    }
}

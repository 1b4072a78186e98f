#include "JC_Module/JC_Town/View/JC_TownModuleView3.h"

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"

JC_TownModuleView3::JC_TownModuleView3() : JC_TownModuleViewBase(3, ITEM_COUNT)
{
}

JC_TownModuleView3::~JC_TownModuleView3()
{
    UnbuildView();
}

DWORD JC_TownModuleView3::BuildView()
{
    UnbuildView();
    PlaceView();
    DWORD dwResult = BuildAnimationItem(ITEM_BUY_SELL, "BuySell", TRUE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_EQUIP, "Equip", TRUE);
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

DWORD JC_TownModuleView3::OpenView()
{
    if (!m_bBuilt)
        return 0;
    ShowRenderItemPage(GetAnimation(ITEM_BUY_SELL), 1, m_iBuySellState == STATE_SELL ? 1 : 0);
    ShowRenderItemPage(GetAnimation(ITEM_EQUIP), 1, 0);
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_TownModuleView3::CloseView()
{
    m_iBuySellState = STATE_BUY;
    return JC_TownModuleViewBase::CloseView();
}

DWORD JC_TownModuleView3::MsgProc(UINT uMsg, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (!m_bActive || uMsg != WM_LBUTTONDOWN)
        return 0;
    if (IsItemHit(ITEM_BUY_SELL))
        return Toggle();
    if (IsItemHit(ITEM_EQUIP)) {
        m_dwViewEvent = EVENT_EQUIP;
        return 1;
    }
    return 0;
}

DWORD JC_TownModuleView3::Toggle()
{
    m_iBuySellState = m_iBuySellState == STATE_BUY ? STATE_SELL : STATE_BUY;
    PlayRenderItem(GetAnimation(ITEM_BUY_SELL), 0, m_iBuySellState == STATE_SELL ? 1 : 0, 0);
    m_dwViewEvent = EVENT_TOGGLE;
    return 1;
}

DWORD JC_TownModuleView3::SetViewMode(int iMode)
{
    if (iMode != 0)
        return RefuseViewMode(iMode, JE_TOWNMODULEVIEW3_VIEW_MODE_NOT_SUPPORT);
    m_iViewMode = iMode;
    return 0;
}

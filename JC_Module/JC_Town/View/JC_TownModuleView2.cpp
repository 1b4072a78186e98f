#include "JC_Module/JC_Town/View/JC_TownModuleView2.h"

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlGame.h"

#include <cstdio>

JC_TownModuleView2::JC_TownModuleView2() : JC_TownModuleViewBase(2, ITEM_COUNT)
{
}

JC_TownModuleView2::~JC_TownModuleView2()
{
    UnbuildView();
}

DWORD JC_TownModuleView2::BuildView()
{
    UnbuildView();
    PlaceView();
    DWORD dwResult = BuildAnimationItem(ITEM_GOLD, "Gold", TRUE);
    if (dwResult == 0) {
        auto pText = std::make_unique<XC_RenderString>();
        pText->SetAligeText(2);
        dwResult = BuildStringItem(ITEM_GOLD_T, "GoldT", nullptr, 0.0f, 0.0f, std::move(pText));
    }
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

DWORD JC_TownModuleView2::OpenView()
{
    if (!m_bBuilt)
        return 0;
    ShowRenderItemPage(GetAnimation(ITEM_GOLD), 1, 0);
    ShowRenderItem(GetString(ITEM_GOLD_T), 1);
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_TownModuleView2::Update()
{
    if (!m_bOpen) {
        m_bUpdatePending = 1;
        return 0;
    }
    // The money is unsigned to the screen: what no purse holds is cut back.
    unsigned uMoney = static_cast<unsigned>(m_Controls.pControlGame->GetMoney());
    if (uMoney > static_cast<unsigned>(MAX_MONEY)) {
        m_Controls.pControlGame->SetMoney(MAX_MONEY);
        uMoney = MAX_MONEY;
    }
    char szText[16];
    std::snprintf(szText, sizeof(szText), "%9u", uMoney);
    SetText(ITEM_GOLD_T, szText, JD_TOWN_WHITE);
    m_bUpdatePending = 0;
    return 0;
}

DWORD JC_TownModuleView2::MsgProc(UINT /*uMsg*/, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return 0;
}

DWORD JC_TownModuleView2::SetViewMode(int iMode)
{
    if (iMode != 0)
        return RefuseViewMode(iMode, JE_TOWNMODULEVIEW2_VIEW_MODE_NOT_SUPPORT);
    m_iViewMode = iMode;
    return 0;
}

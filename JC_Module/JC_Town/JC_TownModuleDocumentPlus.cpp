#include "JC_Module/JC_Town/JC_TownModuleDocument.h"

#include "JC_Module/JC_Town/View/JC_TownModuleView0.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView1.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView3.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView4.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView5.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView6.h"
#include "JC_Module/JC_Town/View/JC_TownModuleView8.h"

#include <string>
#include <vector>

namespace {

const int UPDATE_SHOWN_VIEWS = -2;
const int UPDATE_EVERY_VIEW = -1;

} // namespace

DWORD JC_TownModuleDocument::BackDocumentMode(int iMode)
{
    if (iMode == MODE_SHOP) {
        SetDocumentMode(MODE_MENU);
        UpdateView(UPDATE_SHOWN_VIEWS);
    } else if (iMode == MODE_MERGE && GetMerging()->GetViewMode() == JC_TownModuleView8::MODE_CHOOSE) {
        SetDocumentMode(MODE_MENU);
    }
    return 0;
}

void JC_TownModuleDocument::LeaveTown(DWORD dwDocumentEvent)
{
    SetDocumentEvent(dwDocumentEvent);
    Close();
    UpdateView(UPDATE_EVERY_VIEW);
}

DWORD JC_TownModuleDocument::DealViewEvent(int iViewIndex, DWORD dwViewEvent)
{
    switch (iViewIndex) {
    case VIEW_MENU:
        return DealMenuEvent(dwViewEvent);
    case VIEW_BUTTONS:
        return DealButtonsEvent(dwViewEvent);
    case VIEW_GOODS:
        return DealGoodsEvent(dwViewEvent);
    case VIEW_MERGE:
        return DealMergeEvent(dwViewEvent);
    default:
        return 0;
    }
}

DWORD JC_TownModuleDocument::DealMenuEvent(DWORD dwViewEvent)
{
    switch (dwViewEvent) {
    case JC_TownModuleView0::EVENT_SHOP:
        GetView(VIEW_SELLER)->Update();
        SetDocumentMode(MODE_SHOP);
        break;
    case JC_TownModuleView0::EVENT_MERGE:
        SetDocumentMode(MODE_MERGE);
        break;
    case JC_TownModuleView0::EVENT_LEAVE:
        LeaveTown(EVENT_LEFT);
        return 0;
    default:
        break;
    }
    UpdateView(UPDATE_EVERY_VIEW);
    return 0;
}

DWORD JC_TownModuleDocument::DealButtonsEvent(DWORD dwViewEvent)
{
    if (dwViewEvent == JC_TownModuleView3::EVENT_EQUIP) {
        LeaveTown(EVENT_EQUIP);
        return 0;
    }
    if (dwViewEvent == JC_TownModuleView3::EVENT_TOGGLE) {
        const int iState = static_cast<JC_TownModuleView3*>(GetView(VIEW_BUTTONS))->GetBuySellState();
        if (iState == JC_TownModuleView3::STATE_BUY)
            GetGoodsList()->SetViewMode(JC_TownModuleView4::MODE_BUY);
        else if (iState == JC_TownModuleView3::STATE_SELL)
            GetGoodsList()->SetViewMode(JC_TownModuleView4::MODE_SELL);
    }
    UpdateView(UPDATE_EVERY_VIEW);
    return 0;
}

DWORD JC_TownModuleDocument::DealGoodsEvent(DWORD dwViewEvent)
{
    JC_TownModuleView4* const pGoods = GetGoodsList();
    const int iListMode = pGoods->GetViewMode();
    switch (dwViewEvent) {
    case JC_TownModuleView4::EVENT_SELECTION:
        return ShowExplanation();
    case JC_TownModuleView4::EVENT_CHOSEN:
        SetDocumentMode(MODE_SHOP_QUANTITY);
        if (iListMode == JC_TownModuleView4::MODE_BUY)
            pGoods->SetViewMode(JC_TownModuleView4::MODE_BUY_QUANTITY);
        else if (iListMode == JC_TownModuleView4::MODE_SELL)
            pGoods->SetViewMode(JC_TownModuleView4::MODE_SELL_QUANTITY);
        return 0;
    case JC_TownModuleView4::EVENT_QUANTITY_DONE:
        SetDocumentMode(MODE_SHOP);
        if (iListMode == JC_TownModuleView4::MODE_BUY_QUANTITY)
            pGoods->SetViewMode(JC_TownModuleView4::MODE_BUY);
        else if (iListMode == JC_TownModuleView4::MODE_SELL_QUANTITY)
            pGoods->SetViewMode(JC_TownModuleView4::MODE_SELL);
        return ShowExplanation();
    default:
        return 0;
    }
}

DWORD JC_TownModuleDocument::DealMergeEvent(DWORD dwViewEvent)
{
    JC_TownModuleView8* const pMerging = GetMerging();
    switch (dwViewEvent) {
    case JC_TownModuleView8::EVENT_OPEN_LIST:
        SetDocumentMode(MODE_MERGE_LIST);
        pMerging->SetViewMode(JC_TownModuleView8::MODE_LIST);
        break;
    case JC_TownModuleView8::EVENT_LIST_CLOSED:
        SetDocumentMode(MODE_MERGE);
        pMerging->SetViewMode(JC_TownModuleView8::MODE_CHOOSE);
        break;
    case JC_TownModuleView8::EVENT_MERGED:
        pMerging->SetViewMode(JC_TownModuleView8::MODE_ANIMATION);
        break;
    case JC_TownModuleView8::EVENT_ANIMATION_DONE:
        pMerging->SetViewMode(JC_TownModuleView8::MODE_CHOOSE);
        break;
    default:
        break;
    }
    UpdateView(UPDATE_EVERY_VIEW);
    return 0;
}

DWORD JC_TownModuleDocument::ShowExplanation()
{
    GetView(VIEW_GOLD)->Update();
    JC_TownModuleView4* const pGoods = GetGoodsList();
    auto* const pExplain = static_cast<JC_TownModuleView5*>(GetView(VIEW_EXPLAIN));
    auto* const pCompare = static_cast<JC_TownModuleView6*>(GetView(VIEW_COMPARE));
    if (!pGoods->HasSelection()) {
        pExplain->SetViewMode(JC_TownModuleView5::MODE_HIDDEN);
        pCompare->SetViewMode(JC_TownModuleView6::MODE_HIDDEN);
        return 0;
    }
    pExplain->SetViewMode(JC_TownModuleView5::MODE_SHOWN);
    pCompare->SetViewMode(JC_TownModuleView6::MODE_SHOWN);
    std::vector<std::string> lines;
    pGoods->GetSelectedExplanation(lines);
    pExplain->SetExplainLines(lines);
    DWORD dwThingKind = 0;
    DWORD dwThingID = 0;
    pGoods->GetSelectedThing(dwThingKind, dwThingID);
    pCompare->UpdateInfo(dwThingKind, dwThingID);
    return 0;
}

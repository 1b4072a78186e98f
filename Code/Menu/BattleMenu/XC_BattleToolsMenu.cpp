#include "Code/Menu/BattleMenu/XC_BattleToolsMenu.h"

#include "Code/Menu/BattleMenu/XC_BattleExplain.h"
#include "Code/Menu/BattleMenu/XC_BattleMenuMenager.h"
#include "Code/XC_GameText.h"
#include "GameProgram/Common/XF_Common.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_DataManager/Operator/JC_OperatorTool.h"

#include <algorithm>
#include <cstring>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

const int TOOLS_WAREHOUSE = 2;
const size_t NAME_FILL_CHARACTERS = 7;
// A full-width space of code page 950.
const char* const FULL_WIDTH_SPACE = "\xA1\x40";

XC_BattleExplain* Explain()
{
    return g_pBattleMenuMenager != nullptr ? g_pBattleMenuMenager->m_pBattleExplain : nullptr;
}

} // namespace

XC_String XC_BattleToolsMenu::FillUpName(const char* szName)
{
    XC_String strText(szName);
    // Names are double-byte text: two bytes a character.
    const size_t dwlen = std::min(strText.size() / 2, NAME_FILL_CHARACTERS);
    for (size_t i = dwlen; i < NAME_FILL_CHARACTERS; ++i)
        strText += FULL_WIDTH_SPACE;
    return strText;
}

void XC_BattleToolsMenu::SetShow(BOOL bShow)
{
    if (Explain() != nullptr)
        Explain()->SetShow(bShow);
    XC_ListMenu::SetShow(bShow);
}

HRESULT XC_BattleToolsMenu::SetFocusItem(int iItemIndex)
{
    const HRESULT hr = XC_ListMenu::SetFocusItem(iItemIndex);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("XC_ListMenu::SetFocusItem( iItemIndex )", hr);
        return hr;
    }
    if (Explain() == nullptr)
        return S_OK;
    if (iItemIndex >= 0) {
        if (FAILED(Explain()->SetMessage(m_vecListItem[iItemIndex].stringMessage.c_str())))
            XM_REPORT_FAILED("g_pBattleMenuMenager->m_pBattleExplain->SetMessage( m_vecListItem[iItemIndex].stringMessage )");
        return S_OK;
    }
    const char* const szText = g_pGameText != nullptr ? g_pGameText->GetText(m_dwExplainTextID) : "";
    if (FAILED(Explain()->SetMessage(szText)))
        XM_REPORT_FAILED("g_pBattleMenuMenager->m_pBattleExplain->SetMessage( szText )");
    return S_OK;
}

HRESULT XC_BattleToolsMenu::LoadTools()
{
    ClearItem();
    if (gp_ControlManagerObj == nullptr || gp_DataManagerObj == nullptr) {
        XM_REPORT_FAILED("gp_ControlManagerObj");
        return E_FAIL;
    }
    const JC_ControlWarehouse& warehouse = gp_ControlManagerObj->m_ControlWarehouseObj;
    const int iDrawerCount = warehouse.HowManyDrawerInWarehouse(TOOLS_WAREHOUSE);
    JC_OperatorTool OperatorToolObj;
    OperatorToolObj.Initiation(gp_DataManagerObj);
    for (int i = 0; i < iDrawerCount; ++i) {
        JC_DataComponent* const pDrawerObj = warehouse.GetDrawerObj(TOOLS_WAREHOUSE, i);
        if (pDrawerObj == nullptr) {
            XM_REPORT_FAILED("pDrawerObj");
            continue;
        }
        const DWORD dwThingID = warehouse.GetDrawerObjInfo_ThingID(pDrawerObj);
        const DWORD dwThingCount = warehouse.GetDrawerObjInfo_ThingCount(pDrawerObj);
        std::string strName;
        warehouse.GetDrawerObjInfo_ThingName(pDrawerObj, strName);

        XS_ListItem sListItem;
        sListItem.stringText = FillUpName(strName.c_str()) + " x" + std::to_string(dwThingCount);
        sListItem.dwData1 = dwThingID;
        JC_DataComponent* const pToolObj = gp_DataManagerObj->GetToolObj(dwThingID);
        if (pToolObj == nullptr || OperatorToolObj.SetDataConponent(pToolObj) != 0)
            XM_REPORT_FAILED("pToolObj");
        else
            sListItem.stringMessage = OperatorToolObj.GetExplainShort();
        if (FAILED(AddItem(sListItem)))
            XM_REPORT_FAILED("AddItem( sListItem )");
    }
    return S_OK;
}

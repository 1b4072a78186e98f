#include "Code/Menu/BattleMenu/XC_BattleSkillMenu.h"

#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "GameProgram/Common/XF_Common.h"
#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Control/JC_ControlSkill.h"
#include "JC_DataManager/Manager/JC_DataManager.h"

#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

const DWORD USABLE_COLOR = 0xFFFFFFFF;
const DWORD GREYED_COLOR = 0xFFA0A0A0;

} // namespace

XC_BattleSkillMenu::XC_BattleSkillMenu()
{
    m_dwExplainTextID = 11;
}

HRESULT XC_BattleSkillMenu::LoadTools()
{
    return E_FAIL;
}

HRESULT XC_BattleSkillMenu::StartSkillControl(JC_ControlSkill& ControlSkillObj, const char* szSourceFile)
{
    if (gp_DataManagerObj == nullptr)
        XF_ReportError(szSourceFile, __LINE__, XF_FormatText("( %s ) failed", "gp_DataManagerObj"));
    if (gp_BehaviorAnalyserObj == nullptr)
        XF_ReportError(szSourceFile, __LINE__, XF_FormatText("( %s ) failed", "gp_BehaviorAnalyserObj"));
    const DWORD dwResult = ControlSkillObj.Initiation(gp_DataManagerObj, gp_BehaviorAnalyserObj);
    if (dwResult == 0)
        return S_OK;
    XF_ReportError(szSourceFile, __LINE__,
                   XF_FormatText("( %s ) failed , hr = %x ",
                                 "ControlSkillObj.Initiation( gp_DataManagerObj , gp_BehaviorAnalyserObj )",
                                 static_cast<unsigned>(dwResult)));
    return E_FAIL;
}

XS_ListItem XC_BattleSkillMenu::SkillItem(JC_ControlSkill& ControlSkillObj, XC_GamePerson* pPersonObj,
                                          DWORD dwSkillID, DWORD dwLevel)
{
    XS_ListItem sListItem;
    const BOOL bUsable = pPersonObj->CanUseSkill(dwSkillID, dwLevel);
    sListItem.dwColor = bUsable ? USABLE_COLOR : GREYED_COLOR;
    sListItem.bDisable = bUsable ? 0 : 1;
    sListItem.stringText =
        FillUpName(ControlSkillObj.GetSkillName().c_str()) + " lv" + std::to_string(dwLevel);
    sListItem.dwData1 = dwSkillID | dwLevel;
    sListItem.stringMessage = ControlSkillObj.GetExplainShort();
    return sListItem;
}

HRESULT XC_BattleSkillMenu::LoadSkillItem(XC_GamePerson* pPersonObj)
{
    JC_ControlSkill ControlSkillObj;
    ClearItem();
    if (FAILED(StartSkillControl(ControlSkillObj, s_szSourceFile)))
        return E_FAIL;
    if (pPersonObj == nullptr) {
        XM_REPORT_FAILED("pPersonObj");
        return E_FAIL;
    }
    JC_ControlPersonPower* const pPower = pPersonObj->GetControlPersonPower();
    for (DWORD i = 0; i < pPower->GetLearnSkillCount(); ++i) {
        const DWORD dwSkillID = pPower->GetLearnSkillID(i);
        const DWORD dwLevel = static_cast<DWORD>(pPower->GetLearnSkillLV(i));
        if (dwLevel == 0)
            continue;
        if (ControlSkillObj.SetDataConponent(dwSkillID, dwLevel) != 0) {
            XM_REPORT_FAILED("ControlSkillObj.SetDataConponent( dwSkillID , dwSkillLevel )");
            continue;
        }
        // Skills that act by themselves are never chosen.
        if (ControlSkillObj.GetIsSpontaneity() == 1)
            continue;
        AddItem(SkillItem(ControlSkillObj, pPersonObj, dwSkillID, dwLevel));
    }
    return S_OK;
}

HRESULT XC_BattleSkillMenu::HasUsableSkill(XC_GamePerson* pPersonObj)
{
    JC_ControlSkill ControlSkillObj;
    const HRESULT hr = StartSkillControl(ControlSkillObj, s_szSourceFile);
    if (FAILED(hr))
        return hr;
    if (pPersonObj == nullptr || gp_ControlManagerObj == nullptr) {
        XM_REPORT_FAILED("pPersonObj");
        return 0;
    }
    JC_ControlPersonPower* const pPower = pPersonObj->GetControlPersonPower();
    const int iMoney = gp_ControlManagerObj->m_ControlGameObj.GetMoney();
    for (DWORD i = 0; i < pPower->GetLearnSkillCount(); ++i) {
        const DWORD dwSkillID = pPower->GetLearnSkillID(i);
        const DWORD dwLevel = static_cast<DWORD>(pPower->GetLearnSkillLV(i));
        if (dwSkillID == 0 || dwLevel == 0 || ControlSkillObj.SetDataConponent(dwSkillID, dwLevel) != 0 ||
            ControlSkillObj.GetIsSpontaneity() == 1)
            continue;
        if (ControlSkillObj.GetUseConditionMoney() <= iMoney && ControlSkillObj.GetUseConditionRAP() <= pPower->GetRAP() &&
            ControlSkillObj.GetUseConditionSP() <= pPower->GetSP() &&
            ControlSkillObj.GetUseConditionMorale() <= pPower->GetMorale() &&
            ControlSkillObj.GetMustMorale() <= pPower->GetMorale())
            return 1;
    }
    return 0;
}

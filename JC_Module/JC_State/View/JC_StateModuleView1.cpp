#include "JC_Module/JC_State/View/JC_StateModuleView1.h"

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlModuleState.h"
#include "JC_DataManager/Control/JC_ControlPerson.h"

#include <cstdio>

namespace {

const DWORD WHITE = 0xFFFFFFFF;
const DWORD RED = 0xFFFF0000;
const int RED_BELOW_PERCENT = 30;
// The line names of the layout keys, in item order after the background.
const char* const LINE_NAMES[JC_StateModuleView1::ITEM_COUNT] = {
    "Bk", "PersonName", "JobName", "State", "Level", "Exp", "JobLevel", "JobExp", "HP", "SP", "Morale",
};

std::string Format(const char* szFormat, const std::string& strLabel, int iValue)
{
    char szText[256];
    std::snprintf(szText, sizeof(szText), szFormat, strLabel.c_str(), iValue);
    return szText;
}

std::string Format(const char* szFormat, int iValue)
{
    char szText[32];
    std::snprintf(szText, sizeof(szText), szFormat, iValue);
    return szText;
}

} // namespace

JC_StateModuleView1::JC_StateModuleView1() : JC_StateModuleViewBase(1, ITEM_COUNT)
{
}

JC_StateModuleView1::~JC_StateModuleView1()
{
    UnbuildView();
}

DWORD JC_StateModuleView1::ValueColor(int iValue, int iMaximum)
{
    if (iMaximum == 0)
        return WHITE;
    return static_cast<long long>(iValue) * 100 / iMaximum < RED_BELOW_PERCENT ? RED : WHITE;
}

DWORD JC_StateModuleView1::BuildView()
{
    UnbuildView();
    PlaceView();
    DWORD dwResult = BuildAnimationItem(ITEM_BK, "Bk", TRUE);
    for (int i = ITEM_PERSON_NAME; i < ITEM_COUNT && dwResult == 0; ++i)
        dwResult = BuildStringItem(i, LINE_NAMES[i], nullptr);
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

void JC_StateModuleView1::SetLine(int iItem, const std::string& strText)
{
    GetString(iItem)->SetString(strText.c_str(), WHITE);
}

void JC_StateModuleView1::SetValueLine(int iItem, int iValue, int iMaximum)
{
    XC_RenderString* const pLine = GetString(iItem);
    pLine->SetString(Layout()->GetItemDataString(ItemKey(LINE_NAMES[iItem], "T")).c_str(), WHITE);
    pLine->AddString(Format("%4d", iValue).c_str(), ValueColor(iValue, iMaximum));
    pLine->AddString(Format("/%4d", iMaximum).c_str(), WHITE);
}

DWORD JC_StateModuleView1::Update()
{
    if (!m_bOpen) {
        m_bUpdatePending = 1;
        return 0;
    }
    JC_ControlPersonPower* const pPower = m_pControlPerson->GetPersonPowerObj();
    auto label = [this](int iItem) { return Layout()->GetItemDataString(ItemKey(LINE_NAMES[iItem], "T")); };
    std::string strValue;
    pPower->GetPersonName(strValue);
    SetLine(ITEM_PERSON_NAME, label(ITEM_PERSON_NAME) + strValue);
    pPower->GetJobName(strValue);
    SetLine(ITEM_JOB_NAME, label(ITEM_JOB_NAME) + strValue);
    pPower->GetBehaviorStateText(strValue);
    SetLine(ITEM_STATE, label(ITEM_STATE) + strValue);
    SetLine(ITEM_LEVEL, Format("%s%d", label(ITEM_LEVEL), pPower->GetLevel()));
    SetLine(ITEM_EXP, Format("%s%3d/500", label(ITEM_EXP), pPower->GetExp()));
    SetLine(ITEM_JOB_LEVEL, Format("%s%d", label(ITEM_JOB_LEVEL), pPower->GetJobLevel()));
    SetLine(ITEM_JOB_EXP, Format("%s%3d/500", label(ITEM_JOB_EXP), pPower->GetJobExp()));
    SetValueLine(ITEM_HP, pPower->GetHP(), pPower->GetMaxHP());
    SetValueLine(ITEM_SP, pPower->GetSP(), pPower->GetMaxSP());
    SetLine(ITEM_MORALE, Format("%s%d%%", label(ITEM_MORALE), pPower->GetMorale()));
    m_bUpdatePending = 0;
    return 0;
}

DWORD JC_StateModuleView1::SetViewMode(int iMode)
{
    if (iMode != 0)
        return RefuseViewMode(iMode, JE_STATEMODULEVIEW1_VIEW_MODE_NOT_SUPPORT);
    m_iViewMode = iMode;
    if (m_bOpen) {
        SetItemsShown(1);
        ShowRenderItemPage(GetAnimation(ITEM_BK), 1, 0);
    }
    return 0;
}

#include "JC_Module/JC_State/View/JC_StateModuleViewC.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderPic.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlModuleState.h"
#include "JC_DataManager/Control/JC_ControlPerson.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_DataManager/Manager/JE_DataKind.h"
#include "JC_DataManager/Operator/JC_OperatorPerson.h"
#include "JC_Module/JC_ModuleResource.h"
#include "TemplateSystem/JC_DebugLog.h"
#include "TemplateSystem/JC_StrNumCalculate.h"
#include "TemplateSystem/JC_StrNumSwitch.h"

#include <cstdio>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD WHITE = 0xFFFFFFFF;
const DWORD BEHAVIOR_SET = 0x10001;
const DWORD BEHAVIOR_ADD = 0x10002;
const size_t BEHAVIOR_PARTS = 3;
const int SKILL_BARS[JC_StateModuleViewC::ROW_COUNT] = {7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
const int ADD_BUTTONS[JC_StateModuleViewC::ROW_COUNT] = {37, 38, 39, 40, 41, 42, 43, 44, 45, 46};

std::string Formatted(const char* szFormat, const std::string& strText, int iValue)
{
    char szLine[256];
    std::snprintf(szLine, sizeof(szLine), szFormat, strText.c_str(), iValue);
    return szLine;
}

} // namespace

JC_StateModuleViewC::JC_StateModuleViewC() : JC_StateModuleViewBase(12, ITEM_COUNT), m_PagedList(ROW_COUNT)
{
}

JC_StateModuleViewC::~JC_StateModuleViewC()
{
    UnbuildView();
}

DWORD JC_StateModuleViewC::InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent,
                                          JC_ModuleMouse* pModuleMouse, JC_ModuleResource* pModuleResource)
{
    DWORD dwResult = JC_StateModuleViewBase::InitiationView(pControlManager, pParent, pModuleMouse, pModuleResource);
    if (dwResult != 0)
        return dwResult;
    dwResult = m_ControlSkillObj.Initiation(m_Controls.pDataManager, m_Controls.pBehaviorAnalyser);
    if (dwResult != 0) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleViewC Initiation ControlSkillObjInitiation Fail. \r\n HRESULT:0x%08x "
                                      "\r\n",
                                      static_cast<unsigned>(dwResult));
        return dwResult;
    }
    dwResult = m_OperatorJobObj.Initiation(m_Controls.pDataManager);
    if (dwResult != 0)
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleViewC Initiation OperatorJobInitiation Fail. \r\n HRESULT:0x%08x \r\n",
                                      static_cast<unsigned>(dwResult));
    return dwResult;
}

DWORD JC_StateModuleViewC::SetControlPerson(JC_ControlPerson* pControlPerson)
{
    if (pControlPerson == nullptr)
        return JE_STATEMODULEVIEWC_NULL_CONTROL_PERSON;
    m_pControlPerson = pControlPerson;
    m_pPower = pControlPerson->GetPersonPowerObj();
    m_pPerson = m_pPower->GetOperatorPerson();
    return 0;
}

DWORD JC_StateModuleViewC::BuildView()
{
    UnbuildView();
    PlaceView();
    DWORD dwResult = BuildAnimationItem(ITEM_POINT, "NotUsePoint", TRUE);
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_POINT_T, "NotUsePointT", nullptr);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_BAR, "Bar", TRUE);
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_BAR_T, "BarT", "BarT");
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_PAGE_BK, "PageBK", TRUE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_PREV, "Prev", TRUE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_NEXT, "Next", TRUE);
    if (dwResult == 0)
        dwResult = BuildRowItems(ITEM_FIRST_SKILL_BAR, ROW_COUNT, "SkillBar", ROW_ANIMATION);
    if (dwResult == 0)
        dwResult = BuildRowItems(ITEM_FIRST_ICON, ROW_COUNT, "SkillIcon", ROW_PICTURE);
    if (dwResult == 0)
        dwResult = BuildRowItems(ITEM_FIRST_NAME, ROW_COUNT, "SkillName", ROW_STRING);
    if (dwResult == 0)
        dwResult = BuildRowItems(ITEM_FIRST_ADD, ROW_COUNT, "AddButton", ROW_ANIMATION);
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

DWORD JC_StateModuleViewC::OpenView()
{
    if (!m_bBuilt)
        return 0;
    for (const int iItem : {ITEM_POINT, ITEM_BAR, ITEM_PAGE_BK, ITEM_PREV, ITEM_NEXT})
        ShowRenderItemPage(GetAnimation(iItem), 1, 0);
    for (const int iBar : SKILL_BARS)
        ShowRenderItemPage(GetAnimation(iBar), 1, 0);
    GetString(ITEM_POINT_T)->SetShow(1);
    GetString(ITEM_BAR_T)->SetShow(1);
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_StateModuleViewC::CloseView()
{
    m_iSelectedBar = -1;
    m_bPressed = 0;
    return JC_StateModuleViewBase::CloseView();
}

DWORD JC_StateModuleViewC::SetViewMode(int iMode)
{
    if (iMode != 0)
        return RefuseViewMode(iMode, JE_STATEMODULEVIEWC_VIEW_MODE_NOT_SUPPORT);
    m_iViewMode = iMode;
    return 0;
}

DWORD JC_StateModuleViewC::ShowPoints()
{
    const std::string strText =
        Formatted("%s%6d", Layout()->GetItemDataString("ViewC_NotUsePointT"), m_pPerson->GetNotUseJobPoint());
    if (m_Items[ITEM_POINT_T] != nullptr)
        GetString(ITEM_POINT_T)->SetString(strText.c_str(), WHITE);
    return 0;
}

DWORD JC_StateModuleViewC::Update()
{
    if (!m_bOpen) {
        m_bUpdatePending = 1;
        return 0;
    }
    m_iLearntCount = static_cast<int>(m_pPerson->GetLearnSkillCount());
    m_PagedList.SetEntryCount(m_iLearntCount);
    const DWORD dwJobID = m_pPower->GetJobID();
    JC_DataComponent* const pJob = m_Controls.pDataManager->GetJobObj(dwJobID);
    if (pJob == nullptr) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleViewC Update Fail. \r\n GetJobObj(JobID:0x%08x) Fail. \r\n",
                                      static_cast<unsigned>(dwJobID));
        return JE_STATEMODULEVIEWC_NO_JOB;
    }
    const DWORD dwResult = m_OperatorJobObj.SetDataConponent(pJob);
    if (dwResult != 0) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleViewC Update Fail. \r\n SetDataConponent(JobID:0x%08x) Fail. \r\n",
                                      static_cast<unsigned>(dwJobID));
        return dwResult;
    }
    ShowPoints();
    UpdateList();
    UpdateAddButton();
    m_bUpdatePending = 0;
    return 0;
}

int JC_StateModuleViewC::JobMaximumLevel(int iIndex)
{
    const JC_DWordArray* const pMaxima = m_OperatorJobObj.GetLearnSkillLVArray();
    if (pMaxima == nullptr || static_cast<size_t>(iIndex) >= pMaxima->size()) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleViewC UpdateList Job LearnSkillLV Overflow. \r\n Index:%d \r\n",
                                      iIndex);
        return 0;
    }
    return static_cast<int>((*pMaxima)[iIndex]);
}

void JC_StateModuleViewC::FillRow(int iRow)
{
    JS_Row& row = m_Rows[iRow];
    row = JS_Row();
    const int iIndex = m_PagedList.EntryAt(iRow);
    if (iIndex < 0)
        return;
    row.dwSkillID = m_pPerson->GetLearnSkillID(static_cast<DWORD>(iIndex));
    const int iLevel = m_pPerson->GetLearnSkillLV(static_cast<DWORD>(iIndex));
    row.dwLevel = static_cast<DWORD>(iLevel > 0 ? iLevel : 0);
    const BOOL bBelowMaximum = iLevel < JobMaximumLevel(iIndex);
    m_ControlSkillObj.SetDataConponent(row.dwSkillID, bBelowMaximum ? row.dwLevel + 1 : row.dwLevel);
    row.strName = m_ControlSkillObj.GetSkillName();
    row.bCanRaise = bBelowMaximum;
    row.bLearnable = bBelowMaximum && (row.dwLevel != 0 || CheckCanLearnNextLevel(*m_pPower, m_ControlSkillObj));
    row.strText = row.dwLevel == 0 ? row.strName : Formatted("%s LV%2d", row.strName, static_cast<int>(row.dwLevel));
    row.dwColor = row.dwLevel == 0 && !row.bLearnable ? GREY : WHITE;
}

void JC_StateModuleViewC::ShowRow(int iRow, const std::string& strDefaultIcon)
{
    const JS_Row& row = m_Rows[iRow];
    XC_RenderPic* const pIcon = GetPicture(ITEM_FIRST_ICON + iRow);
    XC_RenderString* const pName = GetString(ITEM_FIRST_NAME + iRow);
    if (row.dwSkillID == 0) {
        ShowRenderItem(pIcon, 0);
        pName->SetShow(0);
        return;
    }
    char szIcon[MAX_PATH];
    std::snprintf(szIcon, sizeof(szIcon), "%sH%08x.bmp", GetPathSkillIcon().c_str(),
                  static_cast<unsigned>(row.dwSkillID));
    const DWORD dwResult = m_pModuleResource->ChangeScreenPictureOrDefault(pIcon, szIcon, strDefaultIcon.c_str());
    ShowRenderItem(pIcon, dwResult == 0);
    if (dwResult != 0)
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleViewC UpdateList GetSkillIcon Fail. \r\n SkillIconFileName:%s \r\n "
                                      "SkillID:0x%08x \r\n",
                                      szIcon, static_cast<unsigned>(row.dwSkillID));
    pName->SetString(row.strText.c_str(), row.dwColor);
    pName->SetShow(1);
}

DWORD JC_StateModuleViewC::UpdateList()
{
    for (int r = 0; r < ROW_COUNT; ++r)
        FillRow(r);
    if (!m_bBuilt)
        return 0;
    const std::string strDefaultIcon = GetPathSkillIcon() + Layout()->GetItemDataString("DefaultIconSkill");
    for (int r = 0; r < ROW_COUNT; ++r)
        ShowRow(r, strDefaultIcon);
    return 0;
}

DWORD JC_StateModuleViewC::UpdateAddButton()
{
    if (!m_bOpen)
        return 0;
    const BOOL bPoints = m_pPerson->GetNotUseJobPoint() > 0;
    for (int r = 0; r < ROW_COUNT; ++r)
        ShowRenderItemPage(GetAnimation(ADD_BUTTONS[r]), bPoints && m_Rows[r].bCanRaise && m_Rows[r].bLearnable, 0);
    return 0;
}

int JC_StateModuleViewC::HoldsCondition(JC_ControlPersonPower& power, const std::string& strKey, DWORD dwValue) const
{
    const struct
    {
        const char* szKey;
        int (JC_ControlPersonPower::*pfAttribute)(BOOL);
    } attributes[] = {
        {"Strength", &JC_ControlPersonPower::GetStrength},         {"Vitality", &JC_ControlPersonPower::GetVitality},
        {"Agile", &JC_ControlPersonPower::GetAgile},               {"Dexterity", &JC_ControlPersonPower::GetDexterity},
        {"Intelligence", &JC_ControlPersonPower::GetIntelligence}, {"Wisdom", &JC_ControlPersonPower::GetWisdom},
        {"Charm", &JC_ControlPersonPower::GetCharm},               {"Luck", &JC_ControlPersonPower::GetLuck},
    };
    if (strKey == "SkillPower")
        return power.HaveLearnSkill(dwValue) == 1 ? 1 : 0;
    if (strKey == "Level")
        return static_cast<DWORD>(power.GetLevel()) >= dwValue ? 1 : 0;
    if (strKey == "JobLevel")
        return static_cast<DWORD>(power.GetJobLevel()) >= dwValue ? 1 : 0;
    for (const auto& attribute : attributes) {
        if (strKey == attribute.szKey)
            return static_cast<DWORD>((power.*attribute.pfAttribute)(0)) >= dwValue ? 1 : 0;
    }
    return -1;
}

BOOL JC_StateModuleViewC::CheckCanLearnNextLevel(JC_ControlPersonPower& power, JC_ControlSkill& skill)
{
    const DWORD dwCount = skill.GetLearnConditionCount();
    for (DWORD i = 0; i < dwCount; ++i) {
        const std::string strCondition = skill.GetLearnCondition(i);
        if (strCondition.empty())
            continue;
        const size_t uColon = strCondition.find(':');
        const char* szFailure = "LearnCondition Format Fail";
        int iHolds = -1;
        if (uColon != std::string::npos) {
            const size_t uEnd = strCondition.find(' ', uColon + 1);
            const std::string strValue =
                strCondition.substr(uColon + 1, uEnd == std::string::npos ? std::string::npos : uEnd - uColon - 1);
            DWORD dwValue = 0;
            JC_StrNumSwitch::StrToUInt(strValue, dwValue);
            iHolds = HoldsCondition(power, strCondition.substr(0, uColon), dwValue);
            szFailure = "KeyStr NotSupport";
        }
        if (iHolds < 0) {
            // A key the game does not know never holds: a designer's typo must not open a skill.
            m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                          " CheckCanLearnNextLevel Fail %s. \r\n SkillPowerID:0x%08x \r\n "
                                          "LearnCondition:%s(Index:%d) \r\n",
                                          szFailure, static_cast<unsigned>(skill.GetSkillKey()), strCondition.c_str(),
                                          static_cast<int>(i));
            return 0;
        }
        if (iHolds == 0)
            return 0;
    }
    return 1;
}

DWORD JC_StateModuleViewC::ReadFieldChanges(JC_ControlSkill& skill, std::vector<JS_FieldChange>& changes) const
{
    const JC_BehaviorAnalyser& analyser = *m_Controls.pBehaviorAnalyser;
    const DWORD dwCount = skill.GetBehaviorCount();
    for (DWORD i = 0; i < dwCount; ++i) {
        const std::string strBehavior = skill.GetBehavior(i);
        const DWORD dwType = analyser.GetDefineInfo(analyser.GetType(strBehavior));
        if (dwType != BEHAVIOR_SET && dwType != BEHAVIOR_ADD)
            continue;
        const std::string strParameter = analyser.GetParameter(strBehavior);
        JC_StringArray parts;
        analyser.DecomposeOrder(strParameter, parts);
        const bool bAmount = parts.size() >= BEHAVIOR_PARTS
                             && (JC_StrNumSwitch::IsPlus(parts[2]) || JC_StrNumSwitch::IsMinus(parts[2]))
                             && !JC_StrNumSwitch::IsPercent(parts[2]);
        if (parts.size() < BEHAVIOR_PARTS || (dwType == BEHAVIOR_ADD && !bAmount)) {
            m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                          " StateModuleViewC DealAddButton MergeOrderFormat Fail. \r\n "
                                          "BehaviorParameter:%s \r\n ",
                                          strParameter.c_str());
            return JE_STATEMODULEVIEWC_BEHAVIOR_FORMAT;
        }
        // The field must exist at its index, or the raise would spend the point and change nothing.
        DWORD dwIndex = 0;
        int iCurrent = 0;
        const bool bDigits = !parts[1].empty() && parts[1].find_first_not_of("0123456789") == std::string::npos;
        if (!bDigits || JC_StrNumSwitch::StrToUInt(parts[1], dwIndex) != 0
            || m_pPerson->GetItemData(parts[0], dwIndex, &iCurrent) != 0) {
            m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                          " StateModuleViewC DealAddButton MergeOrderField Fail. \r\n "
                                          "BehaviorParameter:%s \r\n ",
                                          strParameter.c_str());
            return JE_STATEMODULEVIEWC_BEHAVIOR_FORMAT;
        }
        changes.push_back({dwType == BEHAVIOR_SET, parts[0], dwIndex, analyser.GetDefineInfo(parts[2]), parts[2]});
    }
    return 0;
}

void JC_StateModuleViewC::ApplyFieldChange(const JS_FieldChange& change)
{
    if (change.bSet) {
        m_pPerson->SetItemData(change.strField, change.dwIndex, &change.dwSetValue);
        return;
    }
    int iValue = 0;
    m_pPerson->GetItemData(change.strField, change.dwIndex, &iValue);
    const int iNew = static_cast<int>(JC_StrNumCalculate::AddValue(static_cast<DWORD>(iValue), change.strAmount));
    if (change.strField == "RAP")
        m_pPerson->SetRAP(iNew);
    else if (change.strField == "Morale")
        m_pPerson->SetMorale(iNew);
    else
        m_pPerson->SetItemData(change.strField, change.dwIndex, &iNew);
}

DWORD JC_StateModuleViewC::DealAddButton(int iRow)
{
    if (iRow < 0 || iRow >= ROW_COUNT)
        return JE_STATEMODULEVIEWC_CANNOT_RAISE;
    const JS_Row& row = m_Rows[iRow];
    if (row.dwSkillID == 0 || !row.bCanRaise || m_pPerson->GetNotUseJobPoint() <= 0)
        return JE_STATEMODULEVIEWC_CANNOT_RAISE;
    // The data layer answers an unknown skill power with a stand-in; a point is never spent on that.
    const DWORD dwPowerID = row.dwSkillID | (row.dwLevel + 1);
    if (m_Controls.pDataManager->GetFixedDataObj(FIXEDDATAKIND_SKILL, dwPowerID) == nullptr) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleViewC DealAddButton SkillPower NotFound. \r\n SkillPowerID:0x%08x \r\n",
                                      static_cast<unsigned>(dwPowerID));
        return JE_STATEMODULEVIEWC_NO_SKILL_POWER;
    }
    JC_ControlSkill skill;
    skill.Initiation(m_Controls.pDataManager, m_Controls.pBehaviorAnalyser);
    DWORD dwResult = skill.SetDataConponent(row.dwSkillID, row.dwLevel + 1);
    if (dwResult != 0)
        return dwResult;
    // Every line is read before anything changes, so a bad line raises nothing.
    std::vector<JS_FieldChange> changes;
    if (skill.GetIsSpontaneity() != 0) {
        dwResult = ReadFieldChanges(skill, changes);
        if (dwResult != 0)
            return dwResult;
    }
    m_pPerson->SetNotUseJobPoint(m_pPerson->GetNotUseJobPoint() - 1);
    ShowPoints();
    m_pPerson->SetLearnSkillLV(static_cast<DWORD>(m_PagedList.EntryAt(iRow)), static_cast<int>(row.dwLevel + 1));
    for (const JS_FieldChange& change : changes)
        ApplyFieldChange(change);
    return 0;
}

DWORD JC_StateModuleViewC::PrevPage()
{
    return m_PagedList.PrevPage() ? 1 : 0;
}

DWORD JC_StateModuleViewC::NextPage()
{
    return m_PagedList.NextPage() ? 1 : 0;
}

void JC_StateModuleViewC::ClearSelectedSkill()
{
    ClearSelectedBar();
}

DWORD JC_StateModuleViewC::GetSelectedSkill(DWORD& dwSkillID, DWORD& dwLevel) const
{
    if (m_iSelectedBar < 0)
        return 0;
    const JS_Row& row = m_Rows[m_iSelectedBar - ITEM_FIRST_SKILL_BAR];
    dwSkillID = row.dwSkillID;
    dwLevel = row.dwLevel;
    return row.dwSkillID != 0 ? 1 : 0;
}

DWORD JC_StateModuleViewC::MsgProc(UINT uMsg, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (!m_bActive)
        return 0;
    if (uMsg == WM_MOUSEMOVE) {
        PlayPageButtons(ITEM_PREV, ITEM_NEXT);
        return HoverBars(SKILL_BARS, ROW_COUNT, EVENT_SKILL_CHANGED);
    }
    if (uMsg == WM_LBUTTONDOWN) {
        if (TurnPageAtClick(m_PagedList, ITEM_PREV, ITEM_NEXT)) {
            UpdateList();
            UpdateAddButton();
            return 0;
        }
        PressButton(ADD_BUTTONS, ROW_COUNT);
        return 0;
    }
    if (uMsg != WM_LBUTTONUP)
        return 0;
    const int iReleased = ReleaseButton(ADD_BUTTONS);
    if (iReleased < 0)
        return 0;
    DealAddButton(iReleased);
    UpdateList();
    UpdateAddButton();
    m_dwViewEvent = EVENT_SKILL_CHANGED;
    return 1;
}

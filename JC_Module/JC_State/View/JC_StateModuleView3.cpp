#include "JC_Module/JC_State/View/JC_StateModuleView3.h"

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlModuleState.h"
#include "JC_DataManager/Control/JC_ControlPerson.h"
#include "JC_Module/JC_ModuleResource.h"

#include <cstdio>

namespace {

const DWORD WHITE = 0xFFFFFFFF;
const char* const LABEL_KEYS[JC_StateModuleView3::ENTRY_COUNT] = {
    "View3_STRT",  "View3_VITT",  "View3_AGIT",  "View3_DEXT",  "View3_INTT",  "View3_CHAT",
    "View3_LUKT",  "View3_WIST",  "View3_MOVT",  "View3_RAPT",  "View3_ATKT",  "View3_DEFT",
    "View3_MATKT", "View3_MDEFT", "View3_HITT",  "View3_DODGET", "View3_NotUsePointT",
};
const int ATTRIBUTE_ROWS = 5;
const int ATTRIBUTE_COLUMNS = 2;
const int DERIVED_COUNT = 6;

const char* EntryFormat(int iEntry)
{
    if (iEntry == JC_StateModuleView3::ENTRY_NOT_USE_POINT)
        return "%s%6d";
    return iEntry >= JC_StateModuleView3::ENTRY_ATK ? "%s%3d" : "%s%2d";
}

// The record field of an attribute the panel reads and may raise.
int ReadAttribute(JC_OperatorPerson& person, int iEntry)
{
    switch (iEntry) {
    case JC_StateModuleView3::ENTRY_STR:
        return person.GetStrength();
    case JC_StateModuleView3::ENTRY_VIT:
        return person.GetVitality();
    case JC_StateModuleView3::ENTRY_AGI:
        return person.GetAgile();
    case JC_StateModuleView3::ENTRY_DEX:
        return person.GetDexterity();
    case JC_StateModuleView3::ENTRY_INT:
        return person.GetIntelligence();
    case JC_StateModuleView3::ENTRY_CHA:
        return person.GetCharm();
    case JC_StateModuleView3::ENTRY_LUK:
        return person.GetLuck();
    case JC_StateModuleView3::ENTRY_WIS:
        return person.GetWisdom();
    case JC_StateModuleView3::ENTRY_MOV:
        return person.GetMove();
    case JC_StateModuleView3::ENTRY_RAP:
        return person.GetRAP();
    default:
        return person.GetNotUsePoint();
    }
}

void WriteAttribute(JC_OperatorPerson& person, int iEntry, int iValue)
{
    switch (iEntry) {
    case JC_StateModuleView3::ENTRY_STR:
        person.SetStrength(iValue);
        break;
    case JC_StateModuleView3::ENTRY_VIT:
        person.SetVitality(iValue);
        break;
    case JC_StateModuleView3::ENTRY_AGI:
        person.SetAgile(iValue);
        break;
    case JC_StateModuleView3::ENTRY_DEX:
        person.SetDexterity(iValue);
        break;
    case JC_StateModuleView3::ENTRY_INT:
        person.SetIntelligence(iValue);
        break;
    case JC_StateModuleView3::ENTRY_CHA:
        person.SetCharm(iValue);
        break;
    case JC_StateModuleView3::ENTRY_LUK:
        person.SetLuck(iValue);
        break;
    case JC_StateModuleView3::ENTRY_WIS:
        person.SetWisdom(iValue);
        break;
    default:
        person.SetNotUsePoint(iValue);
        break;
    }
}

} // namespace

JC_StateModuleView3::JC_StateModuleView3() : JC_StateModuleViewBase(3, ITEM_COUNT)
{
    for (int i = 0; i < BUTTON_COUNT; ++i)
        m_Buttons[i] = ITEM_FIRST_BUTTON + i;
}

JC_StateModuleView3::~JC_StateModuleView3()
{
    UnbuildView();
}

DWORD JC_StateModuleView3::BuildPositionedItem(int iItem, BOOL bAnimation, float fX, float fY, float fZ,
                                               const std::string& strFile)
{
    DWORD dwResult = 0;
    if (bAnimation) {
        auto pItem = std::make_unique<XC_RenderAnimation>();
        dwResult = m_pModuleResource->BuildScreenAnimation(
            pItem.get(), strFile.empty() ? "" : (GetPathAni() + strFile).c_str(), fX, fY, fZ, &m_RenderNode);
        m_Items[iItem] = std::move(pItem);
    } else {
        auto pItem = std::make_unique<XC_RenderString>();
        dwResult = m_pModuleResource->BuildScreenString(pItem.get(), WHITE, fX, fY, fZ, &m_RenderNode);
        m_Items[iItem] = std::move(pItem);
    }
    if (dwResult != 0)
        ReportBuildFail(fX, fY, fZ, strFile, "", dwResult);
    return dwResult;
}

DWORD JC_StateModuleView3::BuildItems()
{
    DWORD dwResult = BuildAnimationItem(ITEM_BK, "Bk", TRUE);
    const float fButtonX = Layout()->GetItemDataFloat("View3_AddButtonX");
    const float fButtonY = Layout()->GetItemDataFloat("View3_AddButtonY");
    const float fButtonZ = Layout()->GetItemDataFloat("View3_AddButtonZ");
    const float fButtonDX = Layout()->GetItemDataFloat("View3_AddButtonDX");
    const float fButtonDY = Layout()->GetItemDataFloat("View3_AddButtonDY");
    const std::string strButtonFile = Layout()->GetItemDataString("View3_AddButtonF");
    for (int k = 0; k < BUTTON_COUNT && dwResult == 0; ++k)
        dwResult = BuildPositionedItem(ITEM_FIRST_BUTTON + k, TRUE,
                                       fButtonX + static_cast<float>(k / SHOWN_BUTTON_COUNT) * fButtonDX,
                                       fButtonY + static_cast<float>(k) * fButtonDY, fButtonZ, strButtonFile);
    const float fX = Layout()->GetItemDataFloat("View3_AttributeX");
    const float fY = Layout()->GetItemDataFloat("View3_AttributeY");
    const float fZ = Layout()->GetItemDataFloat("View3_AttributeZ");
    const float fDX = Layout()->GetItemDataFloat("View3_AttributeDX");
    const float fDY = Layout()->GetItemDataFloat("View3_AttributeDY");
    for (int c = 0; c < ATTRIBUTE_COLUMNS; ++c) {
        for (int r = 0; r < ATTRIBUTE_ROWS && dwResult == 0; ++r)
            dwResult = BuildPositionedItem(ITEM_FIRST_TEXT + ATTRIBUTE_ROWS * c + r, FALSE,
                                           fX + static_cast<float>(c) * fDX, fY + static_cast<float>(r) * fDY, fZ,
                                           "");
    }
    const float fExX = Layout()->GetItemDataFloat("View3_AttributeExX");
    const float fExY = Layout()->GetItemDataFloat("View3_AttributeExY");
    const float fExZ = Layout()->GetItemDataFloat("View3_AttributeExZ");
    const float fExDY = Layout()->GetItemDataFloat("View3_AttributeExDY");
    for (int i = 0; i < DERIVED_COUNT && dwResult == 0; ++i)
        dwResult = BuildPositionedItem(ITEM_FIRST_TEXT + ENTRY_ATK + i, FALSE, fExX,
                                       fExY + static_cast<float>(i) * fExDY, fExZ, "");
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_FIRST_TEXT + ENTRY_NOT_USE_POINT, "NotUsePoint", nullptr);
    return dwResult;
}

DWORD JC_StateModuleView3::BuildView()
{
    UnbuildView();
    PlaceView();
    const DWORD dwResult = BuildItems();
    if (dwResult != 0)
        return dwResult;
    for (int i = 0; i < ENTRY_COUNT; ++i)
        m_Labels[i] = Layout()->GetItemDataString(LABEL_KEYS[i]);
    m_bBuilt = 1;
    return 0;
}

void JC_StateModuleView3::ShowEntry(int iEntry)
{
    char szText[256];
    std::snprintf(szText, sizeof(szText), EntryFormat(iEntry), m_Labels[iEntry].c_str(), m_Values[iEntry]);
    GetEntryText(iEntry)->SetString(szText, WHITE);
}

void JC_StateModuleView3::ReadDerivedValues()
{
    JC_ControlPersonPower* const pPower = m_pControlPerson->GetPersonPowerObj();
    m_Values[ENTRY_ATK] = pPower->GetBaseAttack(0);
    m_Values[ENTRY_DEF] = pPower->GetEquipDefense();
    m_Values[ENTRY_MATK] = pPower->GetMagicAttack(0);
    m_Values[ENTRY_MDEF] = pPower->GetMagicDefense(0);
    m_Values[ENTRY_HIT] = pPower->GetHit(0);
    m_Values[ENTRY_DODGE] = pPower->GetDodge(0);
    for (int i = ENTRY_ATK; i <= ENTRY_DODGE; ++i)
        ShowEntry(i);
}

DWORD JC_StateModuleView3::Update()
{
    if (!m_bOpen) {
        m_bUpdatePending = 1;
        return 0;
    }
    JC_OperatorPerson* const pPerson = m_pControlPerson->GetPersonPowerObj()->GetOperatorPerson();
    if (pPerson == nullptr)
        return 0;
    for (int i = ENTRY_STR; i <= ENTRY_RAP; ++i)
        m_Values[i] = ReadAttribute(*pPerson, i);
    m_Values[ENTRY_NOT_USE_POINT] = ReadAttribute(*pPerson, ENTRY_NOT_USE_POINT);
    for (int i = ENTRY_STR; i <= ENTRY_RAP; ++i)
        ShowEntry(i);
    ShowEntry(ENTRY_NOT_USE_POINT);
    ReadDerivedValues();
    ShowAddButtons(m_Values[ENTRY_NOT_USE_POINT]);
    m_bUpdatePending = 0;
    return 0;
}

DWORD JC_StateModuleView3::ShowAddButtons(int iNotUsePoint)
{
    if (!m_bOpen)
        return 0;
    if (iNotUsePoint <= 0) {
        for (int k = 0; k < BUTTON_COUNT; ++k)
            ShowRenderItemPage(GetAddButton(k), 0, 0);
        return 0;
    }
    for (int k = 0; k < SHOWN_BUTTON_COUNT; ++k)
        ShowRenderItemPage(GetAddButton(k), m_Values[k] < ATTRIBUTE_LIMIT, 0);
    return 0;
}

void JC_StateModuleView3::SpendPoint(int iEntry)
{
    JC_OperatorPerson* const pPerson = m_pControlPerson->GetPersonPowerObj()->GetOperatorPerson();
    if (pPerson == nullptr)
        return;
    ++m_Values[iEntry];
    WriteAttribute(*pPerson, iEntry, m_Values[iEntry]);
    --m_Values[ENTRY_NOT_USE_POINT];
    WriteAttribute(*pPerson, ENTRY_NOT_USE_POINT, m_Values[ENTRY_NOT_USE_POINT]);
    ShowEntry(iEntry);
    ShowEntry(ENTRY_NOT_USE_POINT);
    ShowAddButtons(m_Values[ENTRY_NOT_USE_POINT]);
    ReadDerivedValues();
}

DWORD JC_StateModuleView3::MsgProc(UINT uMsg, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (!m_bActive)
        return 0;
    if (uMsg == WM_LBUTTONDOWN) {
        PressButton(m_Buttons, BUTTON_COUNT);
        return 0;
    }
    if (uMsg != WM_LBUTTONUP)
        return 0;
    const int iReleased = ReleaseButton(m_Buttons);
    if (iReleased >= 0)
        SpendPoint(iReleased);
    return 0;
}

DWORD JC_StateModuleView3::SetViewMode(int iMode)
{
    if (iMode != 0)
        return RefuseViewMode(iMode, JE_STATEMODULEVIEW3_VIEW_MODE_NOT_SUPPORT);
    m_iViewMode = iMode;
    if (m_bOpen) {
        ShowRenderItemPage(GetAnimation(ITEM_BK), 1, 0);
        for (int i = 0; i < ENTRY_COUNT; ++i)
            ShowRenderItem(GetEntryText(i), 1);
    }
    return 0;
}

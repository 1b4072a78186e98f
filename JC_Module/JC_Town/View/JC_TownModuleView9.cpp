#include "JC_Module/JC_Town/View/JC_TownModuleView9.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlModuleTown.h"
#include "JC_DataManager/Control/JC_ControlTeam.h"
#include "JC_Module/JC_ModuleResource.h"
#include "TemplateSystem/JC_DataComponent.h"
#include "TemplateSystem/JC_DebugLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const int BARS[] = {1, 2, 3, 4, 5};
// The list's items, which move beside the card for the second pick.
const int LAST_LIST_ITEM = JC_TownModuleView9::ITEM_NEXT;
const char* const CARD_TEXTS[] = {"PersonName", "JobName", "Level", "JobLevel", "HP", "SP"};

} // namespace

JC_TownModuleView9::JC_TownModuleView9() : JC_TownModuleViewBase(9, ITEM_COUNT)
{
}

JC_TownModuleView9::~JC_TownModuleView9()
{
    UnbuildView();
}

void JC_TownModuleView9::ReportBuildFail(float fX, float fY, float fZ, const std::string& strFile,
                                         const std::string& strText, DWORD dwResult) const
{
    m_Controls.pErrorLog->Print("View9 在建立 視窗元件時 發生錯誤 \nItemX:%f , ItemY:%f , ItemZ:%f , ItemF:%s , "
                                "ItemT:%s \n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
                                fX, fY, fZ, strFile.c_str(), strText.c_str(), static_cast<unsigned>(dwResult),
                                s_szSourceFile, __LINE__);
}

DWORD JC_TownModuleView9::RefuseViewMode(int iMode, DWORD dwCode) const
{
    m_Controls.pErrorLog->Print(
        "View 5 在設定顯示模式時 發生錯誤(不支援指定的顯示模式) \nViewMode:%d \n錯誤檔案:%s(Line:%d) \n\n", iMode,
        s_szSourceFile, __LINE__);
    return dwCode;
}

DWORD JC_TownModuleView9::InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent,
                                         JC_ModuleMouse* pModuleMouse, JC_ModuleResource* pModuleResource)
{
    DWORD dwResult = JC_TownModuleViewBase::InitiationView(pControlManager, pParent, pModuleMouse, pModuleResource);
    if (dwResult != 0)
        return dwResult;
    dwResult = m_ControlPersonPowerObj.Initiation(m_Controls.pDataManager, m_Controls.pBehaviorAnalyser);
    if (dwResult != 0)
        m_Controls.pErrorLog->Print("TownModuleView9 無法重置 人物能力控制者 \n錯誤代碼:%x \n錯誤檔案:%s(Line:%d) \n\n",
                                    static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
    return dwResult;
}

DWORD JC_TownModuleView9::BuildItems()
{
    DWORD dwResult = BuildAnimationItem(ITEM_LIST_BK, "ListBK", TRUE);
    const float fBarStep = ItemFloat("ListBarD", "Y");
    for (int r = 0; r < ROW_COUNT && dwResult == 0; ++r)
        dwResult = BuildAnimationItem(ITEM_BAR + r, "ListBar", TRUE, 0.0f, r * fBarStep);
    const float fNameStep = ItemFloat("ListNameD", "Y");
    for (int r = 0; r < ROW_COUNT && dwResult == 0; ++r)
        dwResult = BuildStringItem(ITEM_NAME + r, "ListName", "", 0.0f, r * fNameStep);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_PAGE_BK, "PageBK", TRUE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_PREV, "Prev", TRUE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_NEXT, "Next", TRUE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_INFO_BK, "InfoBK", TRUE);
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_INFO_T, "InfoT", Layout()->GetItemDataString("View9_InfoT").c_str());
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_FACE, "Face", FALSE);
    for (int i = 0; i < 6 && dwResult == 0; ++i) {
        auto pText = std::make_unique<XC_RenderString>();
        if (ITEM_PERSON_NAME + i >= ITEM_HP)
            pText->SetAligeText(1);
        dwResult = BuildStringItem(ITEM_PERSON_NAME + i, CARD_TEXTS[i], "", 0.0f, 0.0f, std::move(pText));
    }
    return dwResult;
}

DWORD JC_TownModuleView9::BuildView()
{
    UnbuildView();
    PlaceView();
    const DWORD dwResult = BuildItems();
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

DWORD JC_TownModuleView9::OpenView()
{
    if (!m_bBuilt)
        return 0;
    ShowPages(ITEM_LIST_BK, ITEM_BAR + ROW_COUNT - 1, 1);
    ShowPages(ITEM_PAGE_BK, ITEM_INFO_BK, 1);
    ShowRenderItemPage(GetAnimation(ITEM_FACE), 1, 0);
    ShowRenderItem(GetString(ITEM_INFO_T), 1);
    for (int i = ITEM_PERSON_NAME; i < ITEM_COUNT; ++i)
        ShowRenderItem(GetString(i), 1);
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_TownModuleView9::SetViewMode(int iMode)
{
    if (iMode != MODE_FIRST && iMode != MODE_SECOND)
        return RefuseViewMode(iMode, JE_TOWNMODULEVIEW9_VIEW_MODE_NOT_SUPPORT);
    if (iMode != m_iViewMode && m_bBuilt) {
        const float fShift = Layout()->GetItemDataFloat("View9_ListDX") * (iMode == MODE_SECOND ? 1.0f : -1.0f);
        for (int i = ITEM_LIST_BK; i <= LAST_LIST_ITEM; ++i)
            m_Items[i]->AddPositionX(fShift);
    }
    m_iViewMode = iMode;
    return 0;
}

DWORD JC_TownModuleView9::SetSelectPerson(int iFirst, int iSecond)
{
    m_iPicked[0] = iFirst;
    m_iPicked[1] = iSecond;
    m_iPage = 0;
    return BuildPersonList();
}

void JC_TownModuleView9::GetSelectPerson(int& iFirst, int& iSecond) const
{
    iFirst = m_iPicked[0];
    iSecond = m_iPicked[1];
}

DWORD JC_TownModuleView9::BuildPersonList()
{
    m_Places.clear();
    m_Names.clear();
    JC_ControlTeam* const pTeam = m_Controls.pControlTeam;
    int iPlace = -1;
    JC_DataComponent* pPerson = nullptr;
    while (pTeam->GetNextPetFromTeamOur(iPlace, pPerson) == 0 && iPlace != -1) {
        std::string strName;
        pPerson->GetItemValue("PersonName", &strName);
        m_Places.push_back(iPlace);
        m_Names.push_back(strName);
    }
    m_iPage = 0;
    return UpdatePersonList();
}

DWORD JC_TownModuleView9::UpdatePersonList()
{
    const int iFirst = m_iPage * ROW_COUNT;
    for (int r = 0; r < ROW_COUNT; ++r) {
        XC_RenderString* const pName = GetString(ITEM_NAME + r);
        const int iIndex = iFirst + r;
        if (iIndex >= GetListCount()) {
            pName->SetShow(0);
            continue;
        }
        const bool bPicked = m_Places[iIndex] == m_iPicked[0] || m_Places[iIndex] == m_iPicked[1];
        SetText(ITEM_NAME + r, m_Names[iIndex], bPicked ? JD_TOWN_GREY : JD_TOWN_WHITE);
        pName->SetShow(1);
    }
    return 0;
}

DWORD JC_TownModuleView9::ShowCard(const std::string& strFace, const std::string (&texts)[6])
{
    const DWORD dwResult = m_pModuleResource->ChangeScreenAnimation(GetAnimation(ITEM_FACE), strFace.c_str());
    if (dwResult != 0) {
        m_Controls.pErrorLog->Print(
            "View9 在建立 視窗元件時 發生錯誤 \nResFilePathName:%s \n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
            strFace.c_str(), static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    for (int i = 0; i < 6; ++i)
        SetText(ITEM_PERSON_NAME + i, texts[i], JD_TOWN_WHITE);
    return 0;
}

DWORD JC_TownModuleView9::UpdatePersonInfo()
{
    const int iIndex = m_iPage * ROW_COUNT + m_iHoveredRow - 1;
    std::string texts[6];
    if (m_iHoveredRow == -1 || iIndex >= GetListCount())
        return ShowCard("", texts);
    JC_DataComponent* pPerson = nullptr;
    m_Controls.pControlTeam->GetPersonFromTeam(TeamID::TEAMID_OUR, m_Places[iIndex], pPerson);
    JC_ControlPersonPower& power = m_ControlPersonPowerObj;
    power.SetControlPerson(pPerson);
    std::string strFace;
    power.GetAnimationFileName(strFace);
    power.GetPersonName(texts[0]);
    power.GetJobName(texts[1]);
    texts[2] = std::to_string(power.GetLevel());
    texts[3] = std::to_string(power.GetJobLevel());
    texts[4] = std::to_string(power.GetHP()) + "/" + std::to_string(power.GetMaxHP());
    texts[5] = std::to_string(power.GetSP()) + "/" + std::to_string(power.GetMaxSP());
    return ShowCard(GetPathFace() + strFace, texts);
}

bool JC_TownModuleView9::StepPage(int iStep)
{
    const int iPages = PageCount();
    if (iPages == 0) {
        m_iPage = 0;
        return false;
    }
    m_iPage = (m_iPage + iStep + iPages) % iPages;
    return true;
}

bool JC_TownModuleView9::PrevPage()
{
    return StepPage(-1);
}

bool JC_TownModuleView9::NextPage()
{
    return StepPage(1);
}

void JC_TownModuleView9::HoverRow(int iRow)
{
    if (iRow == m_iHoveredRow)
        return;
    if (m_iHoveredRow != -1)
        PlayRenderItem(GetAnimation(ITEM_BAR + m_iHoveredRow - 1), 0, 0, 0);
    if (iRow != -1)
        PlayRenderItem(GetAnimation(ITEM_BAR + iRow - 1), 0, 1, 0);
    m_iHoveredRow = iRow;
    UpdatePersonInfo();
}

void JC_TownModuleView9::DealMouseMove()
{
    const BOOL bPrev = IsItemHit(ITEM_PREV);
    const BOOL bNext = !bPrev && IsItemHit(ITEM_NEXT);
    PlayRenderItem(GetAnimation(ITEM_PREV), bPrev ? 1 : 0, 0, 0);
    PlayRenderItem(GetAnimation(ITEM_NEXT), bNext ? 1 : 0, 0, 0);
    if (bPrev || bNext) {
        HoverRow(-1);
        return;
    }
    const int iBar = HitItem(BARS, ROW_COUNT);
    HoverRow(iBar >= 0 ? iBar + 1 : -1);
}

DWORD JC_TownModuleView9::DealLeftButton()
{
    const bool bPrev = IsItemHit(ITEM_PREV);
    const bool bNext = !bPrev && IsItemHit(ITEM_NEXT);
    if ((bPrev && PrevPage()) || (bNext && NextPage())) {
        HoverRow(-1);
        UpdatePersonList();
        return 0;
    }
    const int iBar = HitItem(BARS, ROW_COUNT);
    return iBar >= 0 ? PickRow(iBar + 1) : 0;
}

DWORD JC_TownModuleView9::PickRow(int iRow)
{
    const int iIndex = m_iPage * ROW_COUNT + iRow - 1;
    if (iRow < 1 || iRow > ROW_COUNT || iIndex >= GetListCount())
        return 0;
    const int iPlace = m_Places[iIndex];
    if (iPlace == m_iPicked[0] || iPlace == m_iPicked[1])
        return 0;
    m_iPicked[m_iViewMode == MODE_FIRST ? 0 : 1] = iPlace;
    HoverRow(-1);
    m_dwViewEvent = EVENT_PICKED;
    return 1;
}

DWORD JC_TownModuleView9::MsgProc(UINT uMsg, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (!m_bActive)
        return 0;
    switch (uMsg) {
    case WM_MOUSEMOVE:
        DealMouseMove();
        return 0;
    case WM_LBUTTONDOWN:
        return DealLeftButton();
    case WM_RBUTTONUP:
        m_dwViewEvent = EVENT_CANCELLED;
        return 1;
    default:
        return 0;
    }
}

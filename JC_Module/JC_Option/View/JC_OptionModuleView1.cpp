#include "JC_Module/JC_Option/View/JC_OptionModuleView1.h"

#include "GameProgram/Common/XF_SourceFile.h"

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "JC_DataManager/Control/JC_ControlModuleOption.h"
#include "JC_Module/JC_ModuleMouse.h"
#include "JC_Module/JC_ModuleResource.h"
#include "JC_Script/JC_ScriptManager.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <cstdio>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD TEXT_COLOR = 0xFFFFFFFF;
const DWORD RECORD_TOLERANCE = 60000;
const int FLAG_RECORD_RESCAN = 28;
const char* const TEXT_NAMES[JC_OptionModuleView1::TEXT_COUNT] = {
    "ListChapter", "ListPart", "ListLV", "ListRound", "ListMoney", "ListDate",
};

std::string Key(const char* szName, const char* szSuffix)
{
    return std::string("View1_") + szName + szSuffix;
}

} // namespace

JC_OptionModuleView1::~JC_OptionModuleView1()
{
    UnbuildView();
}

DWORD JC_OptionModuleView1::InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent,
                                           JC_ModuleMouse* pModuleMouse, JC_ModuleResource* pModuleResource)
{
    DWORD dwResult = JC_OptionModuleViewBase::InitiationView(pControlManager, pParent, pModuleMouse, pModuleResource);
    if (dwResult != 0)
        return dwResult;
    dwResult = m_RecordInfo.Initiation(m_Controls.pDataManager);
    if (dwResult != 0) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " OptionModule View1 ControlRecordInfoObj InitiationFail. \r\n HRESULT:0x%08x \r\n",
                                      static_cast<unsigned>(dwResult));
        return dwResult;
    }
    dwResult = m_RecordInfo.InitRecordData();
    if (dwResult != 0)
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " OptionModule View1 ControlRecordInfoObj InitRecordData Fail. \r\n HRESULT:0x%08x \r\n",
                                      static_cast<unsigned>(dwResult));
    return dwResult;
}

JC_OptionModuleView1::JS_Place JC_OptionModuleView1::ReadPlace(const char* szName, float fRowOffset) const
{
    JC_ControlModuleOption* const pLayout = m_Controls.pControlModuleOption;
    return {pLayout->GetItemDataFloat(Key(szName, "X")), pLayout->GetItemDataFloat(Key(szName, "Y")) + fRowOffset,
            pLayout->GetItemDataFloat(Key(szName, "Z"))};
}

void JC_OptionModuleView1::ReportBuild(int iLine, const JS_Place& place, const std::string& strFile,
                                       DWORD dwResult) const
{
    m_Controls.pErrorLog->PrintAt(
        s_szSourceFile, iLine,
        " OptionModule View1 Build Fail. \r\n ItemX:%f , ItemY:%f , ItemZ:%f , ItemF:%s , ItemT:%s \r\n HRESULT:0x%08x \r\n",
        place.fX, place.fY, place.fZ, strFile.c_str(), "", static_cast<unsigned>(dwResult));
}

DWORD JC_OptionModuleView1::BuildAnimation(std::unique_ptr<XC_RenderAnimation>& pItem, const char* szName,
                                           const char* szFileKey, float fRowOffset)
{
    const JS_Place place = ReadPlace(szName, fRowOffset);
    const std::string strFile =
        szFileKey == nullptr ? std::string() : m_Controls.pControlModuleOption->GetItemDataString(szFileKey);
    pItem = std::make_unique<XC_RenderAnimation>();
    const DWORD dwResult = m_pModuleResource->BuildScreenAnimation(
        pItem.get(), strFile.empty() ? "" : AnimationFile(strFile).c_str(), place.fX, place.fY, place.fZ, &m_RenderNode);
    if (dwResult != 0)
        ReportBuild(__LINE__, place, strFile, dwResult);
    return dwResult;
}

DWORD JC_OptionModuleView1::BuildText(XC_RenderString* pItem, const char* szName, float fRowOffset)
{
    const JS_Place place = ReadPlace(szName, fRowOffset);
    const DWORD dwResult =
        m_pModuleResource->BuildScreenString(pItem, TEXT_COLOR, place.fX, place.fY, place.fZ, &m_RenderNode);
    if (dwResult != 0)
        ReportBuild(__LINE__, place, "", dwResult);
    return dwResult;
}

DWORD JC_OptionModuleView1::BuildRow(int iRow, float fRowOffset)
{
    JS_Row& row = m_Rows[iRow];
    row.pic.SetScaleXYZ(0.9375f, 0.7031f, 1.0f);
    const JS_Place place = ReadPlace("ListPic", fRowOffset);
    DWORD dwResult = m_pModuleResource->BuildScreenPicture(&row.pic, "", place.fX, place.fY, place.fZ, &m_RenderNode);
    if (dwResult != 0) {
        ReportBuild(__LINE__, place, "", dwResult);
        return dwResult;
    }
    for (int i = 0; i < TEXT_COUNT && dwResult == 0; ++i)
        dwResult = BuildText(&row.texts[i], TEXT_NAMES[i], fRowOffset);
    return dwResult;
}

DWORD JC_OptionModuleView1::BuildView()
{
    UnbuildView();
    JC_ControlModuleOption* const pLayout = m_Controls.pControlModuleOption;
    SetPosition(pLayout->GetItemDataFloat("View1_X"), pLayout->GetItemDataFloat("View1_Y"),
                pLayout->GetItemDataFloat("View1_Z"));
    m_pRestartAText = std::make_unique<XC_RenderString>();
    m_pRestartBText = std::make_unique<XC_RenderString>();
    m_pPageText = std::make_unique<XC_RenderString>();
    DWORD dwResult = BuildAnimation(m_pTitle, "Title", nullptr, 0.0f);
    if (dwResult == 0)
        dwResult = BuildAnimation(m_pRestartA, "RestartABK", "View1_RestartABKF", 0.0f);
    if (dwResult == 0)
        dwResult = BuildText(m_pRestartAText.get(), "RestartAT", 0.0f);
    if (dwResult == 0)
        dwResult = BuildAnimation(m_pRestartB, "RestartBBK", "View1_RestartBBKF", 0.0f);
    if (dwResult == 0)
        dwResult = BuildText(m_pRestartBText.get(), "RestartBT", 0.0f);
    if (dwResult == 0)
        dwResult = BuildAnimation(m_pPageBk, "PageBK", "View1_PageBKF", 0.0f);
    if (dwResult == 0)
        dwResult = BuildAnimation(m_pPrev, "Prev", "View1_PrevF", 0.0f);
    if (dwResult == 0)
        dwResult = BuildAnimation(m_pNext, "Next", "View1_NextF", 0.0f);
    if (dwResult == 0)
        dwResult = BuildText(m_pPageText.get(), "Page", 0.0f);
    const float fRowStep = pLayout->GetItemDataFloat("View1_ListDY");
    for (int i = 0; i < ROWS_PER_PAGE && dwResult == 0; ++i)
        dwResult = BuildAnimation(m_pListBars[i], "ListBar", "View1_ListBarF", fRowStep * static_cast<float>(i));
    for (int i = 0; i < ROWS_PER_PAGE && dwResult == 0; ++i)
        dwResult = BuildRow(i, fRowStep * static_cast<float>(i));
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

DWORD JC_OptionModuleView1::UnbuildView()
{
    m_pTitle.reset();
    m_pRestartA.reset();
    m_pRestartAText.reset();
    m_pRestartB.reset();
    m_pRestartBText.reset();
    m_pPageBk.reset();
    m_pPrev.reset();
    m_pNext.reset();
    m_pPageText.reset();
    for (std::unique_ptr<XC_RenderAnimation>& pBar : m_pListBars)
        pBar.reset();
    for (JS_Row& row : m_Rows) {
        row.pic.DetachFromParent();
        for (XC_RenderString& text : row.texts)
            text.DetachFromParent();
    }
    m_bBuilt = 0;
    return 0;
}

DWORD JC_OptionModuleView1::RescanFlag() const
{
    return gp_ScriptManagerObj != nullptr && gp_ScriptManagerObj->GetScriptFlag()->GetFlagSystem(FLAG_RECORD_RESCAN) != 0
               ? 0
               : 1;
}

DWORD JC_OptionModuleView1::LoadRecords()
{
    const DWORD dwResult = m_RecordInfo.LoadRecordData(RescanFlag(), RECORD_TOLERANCE, 0);
    if (dwResult != 0)
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " OptionModule View1 ControlRecordInfoObj LoadRecordData Fail. \r\n HRESULT:0x%08x \r\n",
                                      static_cast<unsigned>(dwResult));
    return dwResult;
}

XC_RenderAnimation* JC_OptionModuleView1::RestartButton(int iRecord) const
{
    return iRecord == RESTART_RECORD_A ? m_pRestartA.get() : m_pRestartB.get();
}

XC_RenderString* JC_OptionModuleView1::GetRestartText(int iRecord) const
{
    return iRecord == RESTART_RECORD_A ? m_pRestartAText.get() : m_pRestartBText.get();
}

void JC_OptionModuleView1::ShowRestart(int iRecord, const char* szLabelKey)
{
    XC_RenderString* const pText = GetRestartText(iRecord);
    if (m_RecordInfo.HaveRecord(iRecord) == 1) {
        const std::string strText =
            m_Controls.pControlModuleOption->GetItemDataString(szLabelKey) + m_RecordInfo.GetDate(iRecord);
        pText->SetString(strText.c_str(), TEXT_COLOR);
        pText->SetShow(1);
        return;
    }
    pText->SetString("", TEXT_COLOR);
    pText->SetShow(0);
}

DWORD JC_OptionModuleView1::OpenView()
{
    if (!m_bBuilt)
        return 0;
    m_iSelectRecord = -1;
    for (XC_RenderAnimation* const pItem : {m_pRestartA.get(), m_pRestartB.get(), m_pPageBk.get(), m_pPrev.get(),
                                            m_pNext.get()})
        ShowRenderItemPage(pItem, 1, 0);
    ShowRenderItem(m_pPageText.get(), 1);
    for (const std::unique_ptr<XC_RenderAnimation>& pBar : m_pListBars)
        ShowRenderItemPage(pBar.get(), 1, 0);
    const DWORD dwResult = LoadRecords();
    if (dwResult != 0)
        return dwResult;
    ShowRestart(RESTART_RECORD_A, "View1_RestartAT");
    ShowRestart(RESTART_RECORD_B, "View1_RestartBT");
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    if (m_iViewMode == VIEW_MODE_SAVE || m_iViewMode == VIEW_MODE_LOAD) {
        const int iLatest = m_RecordInfo.GetLatestRecordIndex();
        m_iPage = iLatest < 0 ? 0 : iLatest / ROWS_PER_PAGE;
    }
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_OptionModuleView1::CloseView()
{
    for (XC_RenderingObject* const pItem :
         {static_cast<XC_RenderingObject*>(m_pTitle.get()), static_cast<XC_RenderingObject*>(m_pRestartA.get()),
          static_cast<XC_RenderingObject*>(m_pRestartAText.get()), static_cast<XC_RenderingObject*>(m_pRestartB.get()),
          static_cast<XC_RenderingObject*>(m_pRestartBText.get()), static_cast<XC_RenderingObject*>(m_pPageBk.get()),
          static_cast<XC_RenderingObject*>(m_pPrev.get()), static_cast<XC_RenderingObject*>(m_pNext.get()),
          static_cast<XC_RenderingObject*>(m_pPageText.get())}) {
        if (pItem != nullptr)
            pItem->SetShow(0);
    }
    for (const std::unique_ptr<XC_RenderAnimation>& pBar : m_pListBars) {
        if (pBar != nullptr)
            pBar->SetShow(0);
    }
    for (int i = 0; i < ROWS_PER_PAGE; ++i)
        ShowRow(i, 0);
    m_bUpdatePending = 1;
    m_iHoverRow = -1;
    m_iPage = 0;
    m_bOpen = 0;
    return 0;
}

DWORD JC_OptionModuleView1::Update()
{
    if (m_iViewMode == VIEW_MODE_CONFIRM)
        return m_pChildView != nullptr ? m_pChildView->Update() : 0;
    if (!m_bOpen) {
        m_bUpdatePending = 1;
        return 0;
    }
    UpdateRecordList();
    m_bUpdatePending = 0;
    return 0;
}

DWORD JC_OptionModuleView1::SetChildView(JC_ModuleViewBase* pChildView)
{
    if (pChildView == nullptr) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " OptionModuleView1 SetChildView Fail. \r\n OptionModuleView2ObjNULL. \r\n");
        return JE_OPTIONMODULEVIEW1_NO_CHILD_VIEW;
    }
    m_pChildView = pChildView;
    pChildView->GetRenderNode()->SetParent(&m_RenderNode);
    return 0;
}

DWORD JC_OptionModuleView1::SetViewMode(int iMode)
{
    if (iMode < 0 || iMode >= VIEW_MODE_COUNT) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " OptionModule View1 ViewMode NotSupport. \r\n ViewMode:0x%08x \r\n ",
                                      static_cast<unsigned>(iMode));
        return JE_OPTIONMODULEVIEW1_VIEW_MODE_NOT_SUPPORT;
    }
    m_iViewMode = iMode;
    if (!m_bOpen)
        return 0;
    if (iMode == VIEW_MODE_CONFIRM) {
        if (m_pChildView != nullptr) {
            m_pChildView->OpenView();
            m_pChildView->SetViewActive(1);
            m_pChildView->Update();
        }
    } else {
        if (m_pChildView != nullptr) {
            m_pChildView->CloseView();
            m_pChildView->SetViewActive(0);
        }
        const char* const szTitleKey = iMode == VIEW_MODE_SAVE ? "View1_TitleSaveF" : "View1_TitleLoadF";
        const std::string strFile = m_Controls.pControlModuleOption->GetItemDataString(szTitleKey);
        const DWORD dwResult =
            m_pModuleResource->ChangeScreenAnimation(m_pTitle.get(), strFile.empty() ? "" : AnimationFile(strFile).c_str());
        if (dwResult != 0)
            return dwResult;
    }
    ShowRenderItemPage(m_pTitle.get(), 1, 0);
    return 0;
}

DWORD JC_OptionModuleView1::ReloadRecord()
{
    DWORD dwResult = m_RecordInfo.InitRecordData();
    if (dwResult != 0) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " OptionModule View1 ControlRecordInfoObj InitRecordData Fail. \r\n HRESULT:0x%08x \r\n",
                                      static_cast<unsigned>(dwResult));
        return dwResult;
    }
    dwResult = LoadRecords();
    if (dwResult != 0)
        return dwResult;
    UpdateRecordList();
    return 0;
}

DWORD JC_OptionModuleView1::NextPage()
{
    m_iPage = m_iPage >= PAGE_COUNT - 1 ? 0 : m_iPage + 1;
    return UpdateRecordList();
}

DWORD JC_OptionModuleView1::PrevPage()
{
    m_iPage = m_iPage <= 0 ? PAGE_COUNT - 1 : m_iPage - 1;
    return UpdateRecordList();
}

void JC_OptionModuleView1::ShowRow(int iRow, BOOL bShow)
{
    JS_Row& row = m_Rows[iRow];
    row.pic.SetShow(bShow);
    for (XC_RenderString& text : row.texts)
        text.SetShow(bShow);
}

DWORD JC_OptionModuleView1::UpdateRecordList()
{
    for (int i = 0; i < ROWS_PER_PAGE; ++i) {
        const int iRecord = m_iPage * ROWS_PER_PAGE + i;
        if (m_RecordInfo.HaveRecord(iRecord) == 0) {
            ShowRow(i, 0);
            continue;
        }
        JS_Row& row = m_Rows[i];
        m_pModuleResource->ChangeScreenPicture(&row.pic, m_RecordInfo.GetPic(iRecord).c_str());
        const std::string texts[TEXT_COUNT] = {
            m_RecordInfo.GetChapter(iRecord), m_RecordInfo.GetPart(iRecord),  m_RecordInfo.GetLeaderLevel(iRecord),
            m_RecordInfo.GetRound(iRecord),   m_RecordInfo.GetMoney(iRecord), m_RecordInfo.GetDate(iRecord),
        };
        for (int t = 0; t < TEXT_COUNT; ++t)
            row.texts[t].SetString(texts[t].c_str(), TEXT_COLOR);
        ShowRow(i, 1);
    }
    if (m_pPageText != nullptr) {
        char szPage[16];
        std::snprintf(szPage, sizeof(szPage), "%02d", m_iPage);
        m_pPageText->SetString(szPage, TEXT_COLOR);
    }
    return 0;
}

BOOL JC_OptionModuleView1::HighlightPair(XC_RenderAnimation* pFirst, XC_RenderAnimation* pSecond,
                                         const D3DXVECTOR3& vOrigin, const D3DXVECTOR3& vDirection)
{
    const BOOL bFirst = IsRenderItemHit(pFirst, &vOrigin, &vDirection);
    const BOOL bSecond = !bFirst && IsRenderItemHit(pSecond, &vOrigin, &vDirection);
    PlayRenderItem(pFirst, 0, bFirst ? 1 : 0, 0);
    PlayRenderItem(pSecond, 0, bSecond ? 1 : 0, 0);
    if (bFirst || bSecond)
        SetHoverRow(-1);
    return bFirst || bSecond;
}

void JC_OptionModuleView1::SetHoverRow(int iRow)
{
    if (iRow == m_iHoverRow)
        return;
    if (m_iHoverRow != -1)
        PlayRenderItem(m_pListBars[m_iHoverRow].get(), 0, 0, 0);
    if (iRow != -1)
        PlayRenderItem(m_pListBars[iRow].get(), 0, 1, 0);
    m_iHoverRow = iRow;
}

void JC_OptionModuleView1::MoveHover(const D3DXVECTOR3& vOrigin, const D3DXVECTOR3& vDirection)
{
    if (HighlightPair(m_pPrev.get(), m_pNext.get(), vOrigin, vDirection))
        return;
    if (HighlightPair(m_pRestartA.get(), m_pRestartB.get(), vOrigin, vDirection))
        return;
    for (int i = 0; i < ROWS_PER_PAGE; ++i) {
        if (IsRenderItemHit(m_pListBars[i].get(), &vOrigin, &vDirection)) {
            SetHoverRow(i);
            return;
        }
    }
    SetHoverRow(-1);
}

DWORD JC_OptionModuleView1::ChooseRow()
{
    const int iRecord = m_iPage * ROWS_PER_PAGE + m_iHoverRow;
    if (m_iViewMode == VIEW_MODE_SAVE) {
        m_iSelectRecord = iRecord;
        m_dwViewEvent = EVENT_RECORD_CHOSEN;
        // Asked of the record folders as they are now, not of the list's copy.
        JC_ControlRecordInfo current;
        current.Initiation(m_Controls.pDataManager);
        current.InitRecordData();
        current.LoadRecordData(0, RECORD_TOLERANCE, 0);
        if (current.HaveRecord(m_iSelectRecord) == 1) {
            SetViewMode(VIEW_MODE_CONFIRM);
            return 0;
        }
        return 1;
    }
    if (m_iViewMode == VIEW_MODE_LOAD && m_RecordInfo.HaveRecord(iRecord) != 0) {
        m_iSelectRecord = iRecord;
        m_dwViewEvent = EVENT_RECORD_CHOSEN;
        return 1;
    }
    return 0;
}

DWORD JC_OptionModuleView1::Press(const D3DXVECTOR3& vOrigin, const D3DXVECTOR3& vDirection)
{
    if (m_iHoverRow != -1)
        return ChooseRow();
    if (IsRenderItemHit(m_pPrev.get(), &vOrigin, &vDirection)) {
        PrevPage();
        return 0;
    }
    if (IsRenderItemHit(m_pNext.get(), &vOrigin, &vDirection)) {
        NextPage();
        return 0;
    }
    if (m_iViewMode != VIEW_MODE_LOAD)
        return 0;
    for (const int iRecord : {RESTART_RECORD_A, RESTART_RECORD_B}) {
        if (IsRenderItemHit(RestartButton(iRecord), &vOrigin, &vDirection) && m_RecordInfo.HaveRecord(iRecord) == 1) {
            m_iSelectRecord = iRecord;
            m_dwViewEvent = EVENT_RECORD_CHOSEN;
            return 1;
        }
    }
    return 0;
}

DWORD JC_OptionModuleView1::ChildMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pChildView == nullptr || m_pChildView->MsgProc(uMsg, wParam, lParam) != 1)
        return 0;
    const DWORD dwChildEvent = m_pChildView->GetViewEvent();
    m_pChildView->ClearViewEvent();
    SetViewMode(VIEW_MODE_SAVE);
    // OK hands the pending choice to the document; Cancel keeps it untaken.
    return dwChildEvent == 1 ? 1 : 0;
}

DWORD JC_OptionModuleView1::MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (!m_bActive || !m_bBuilt)
        return 0;
    if (m_iViewMode == VIEW_MODE_CONFIRM)
        return ChildMessage(uMsg, wParam, lParam);
    if (uMsg != WM_MOUSEMOVE && uMsg != WM_LBUTTONDOWN)
        return 0;
    D3DXVECTOR3 vOrigin, vDirection;
    if (m_pModuleMouse->GetScreenPickRay(&vOrigin, &vDirection) != 0)
        return 0;
    if (uMsg == WM_MOUSEMOVE) {
        MoveHover(vOrigin, vDirection);
        return 0;
    }
    return Press(vOrigin, vDirection);
}

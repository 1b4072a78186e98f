#include "JC_Module/JC_State/View/JC_StateModuleView9.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlModuleState.h"
#include "JC_Module/JC_ModuleResource.h"
#include "TemplateSystem/JC_DebugLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD WHITE = 0xFFFFFFFF;
const int BUTTONS[JC_StateModuleView9::CHOICE_COUNT] = {5, 6, 7};

} // namespace

JC_StateModuleView9::JC_StateModuleView9() : JC_StateModuleViewBase(9, ITEM_COUNT), m_Texts(CHOICE_COUNT)
{
}

JC_StateModuleView9::~JC_StateModuleView9()
{
    UnbuildView();
}

DWORD JC_StateModuleView9::BuildChoiceItems(int iFirstItem, const char* szItem, BOOL bAnimation)
{
    const float fX = Layout()->GetItemDataFloat(ItemKey(szItem, "X"));
    const float fY = Layout()->GetItemDataFloat(ItemKey(szItem, "Y"));
    const float fZ = Layout()->GetItemDataFloat(ItemKey(szItem, "Z"));
    const float fDX = Layout()->GetItemDataFloat(ItemKey(szItem, "DX"));
    const float fDY = Layout()->GetItemDataFloat(ItemKey(szItem, "DY"));
    const float fDZ = Layout()->GetItemDataFloat(ItemKey(szItem, "DZ"));
    const std::string strFile = bAnimation ? Layout()->GetItemDataString(ItemKey(szItem, "F")) : "";
    for (int i = 0; i < CHOICE_COUNT; ++i) {
        const float fStep = static_cast<float>(i);
        const float fItemX = fX + fStep * fDX;
        const float fItemY = fY + fStep * fDY;
        const float fItemZ = fZ + fStep * fDZ;
        DWORD dwResult = 0;
        if (bAnimation) {
            auto pItem = std::make_unique<XC_RenderAnimation>();
            dwResult = m_pModuleResource->BuildScreenAnimation(pItem.get(), strFile.empty() ? "" : (GetPathAni() + strFile).c_str(), fItemX,
                                                               fItemY, fItemZ, &m_RenderNode);
            m_Items[iFirstItem + i] = std::move(pItem);
        } else {
            auto pItem = std::make_unique<XC_RenderString>();
            dwResult = m_pModuleResource->BuildScreenStringWithText(pItem.get(), "", WHITE, fItemX, fItemY, fItemZ,
                                                                    &m_RenderNode);
            m_Items[iFirstItem + i] = std::move(pItem);
        }
        if (dwResult != 0) {
            ReportBuildFail(fItemX, fItemY, fItemZ, strFile, "", dwResult);
            return dwResult;
        }
    }
    return 0;
}

DWORD JC_StateModuleView9::BuildView()
{
    UnbuildView();
    PlaceView();
    DWORD dwResult = BuildAnimationItem(ITEM_BK, "Bk", TRUE);
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_BK_T, "BkT", "BkT");
    if (dwResult == 0)
        dwResult = BuildChoiceItems(ITEM_FIRST_TEXT, "Select", FALSE);
    if (dwResult == 0)
        dwResult = BuildChoiceItems(ITEM_FIRST_BUTTON, "SelectOK", TRUE);
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

DWORD JC_StateModuleView9::OpenView()
{
    if (!m_bBuilt)
        return 0;
    ShowRenderItemPage(GetAnimation(ITEM_BK), 1, 0);
    GetString(ITEM_BK_T)->SetShow(1);
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_StateModuleView9::Update()
{
    if (!m_bOpen) {
        m_bUpdatePending = 1;
        return 0;
    }
    for (int i = 0; i < CHOICE_COUNT; ++i) {
        const BOOL bShown = !m_Texts[i].empty();
        XC_RenderString* const pText = GetString(ITEM_FIRST_TEXT + i);
        pText->SetString(m_Texts[i].c_str(), WHITE);
        pText->SetShow(bShown);
        ShowRenderItemPage(GetAnimation(BUTTONS[i]), bShown, 0);
    }
    m_bUpdatePending = 0;
    return 0;
}

DWORD JC_StateModuleView9::MsgProc(UINT uMsg, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (!m_bActive || uMsg != WM_LBUTTONDOWN)
        return 0;
    const int iHit = HitItem(BUTTONS, CHOICE_COUNT);
    if (iHit < 0)
        return 0;
    m_dwViewEvent = static_cast<DWORD>(iHit + 1);
    return 1;
}

DWORD JC_StateModuleView9::SetViewMode(int iMode)
{
    if (iMode != 0)
        return RefuseViewMode(iMode, JE_STATEMODULEVIEW9_VIEW_MODE_NOT_SUPPORT);
    m_iViewMode = iMode;
    return 0;
}

DWORD JC_StateModuleView9::ClearSelectInfo()
{
    m_Texts.assign(CHOICE_COUNT, std::string());
    return 0;
}

DWORD JC_StateModuleView9::SetSelectInfo(int iIndex, std::string strText)
{
    if (iIndex < 0 || iIndex >= CHOICE_COUNT) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleView9 SetSelectInfo SelectIndex Overflow. \r\n SelectIndex:%d() \r\n ",
                                      iIndex);
        return JE_STATEMODULEVIEW9_SELECT_INDEX_OVERFLOW;
    }
    m_Texts[iIndex] = std::move(strText);
    return 0;
}

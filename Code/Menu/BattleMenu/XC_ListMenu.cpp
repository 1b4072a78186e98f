#include "Code/Menu/BattleMenu/XC_ListMenu.h"

#include "Code/Battle/XC_BattleSceneController.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Input/XC_MouseState.h"

#include <cstdio>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

// The Menu layer plus one.
const DWORD LIST_RENDER_GROUP = 71;
const DWORD SCREEN_COORDINATE_SYSTEM = 1;

// The mouse point in screen coordinates, refreshed by the scene controller.
const D3DXVECTOR3* ScreenMousePoint(const D3DXVECTOR3** ppDirection)
{
    if (g_pBattleSceneController == nullptr || FAILED(g_pBattleSceneController->UpdateScreenMouseRay()))
        return nullptr;
    *ppDirection = g_pBattleSceneController->GetMouseRayDirection();
    return g_pBattleSceneController->GetMouseRayOrigin();
}

BOOL IsPointOn(XC_RenderAnimation& aniObj, const D3DXVECTOR3* pPoint, const D3DXVECTOR3* pDirection)
{
    float fDistance = 0.0f;
    return aniObj.Pick(pPoint, pDirection, &fDistance);
}

} // namespace

XC_ListMenu::~XC_ListMenu()
{
    Fini();
}

HRESULT XC_ListMenu::Init(XI_EnvironmentOfRender* pEnvironmentOfRender)
{
    // A repeated Init must not list the members twice.
    Fini();
    SetEnvironmentOfRender(pEnvironmentOfRender);
    XC_RenderObjManager::SetShow(FALSE);
    SetPositionX(500.0f);
    SetPositionY(-200.0f);

    AddAnimation(m_Ani_Frame, "Menu\\skill\\SkillMenu.ant");
    AddAnimation(m_Ani_UpButton, "Menu\\skill\\SkIcon01.ant");
    AddAnimation(m_Ani_DownButton, "Menu\\skill\\SkIcon02.ant");
    AddAnimation(m_Ani_FocusBar, "Menu\\skill\\SkillBar.ant");
    AddRenderingObject(&m_RS_Page);

    for (XC_RenderAnimation* pButton : {&m_Ani_UpButton, &m_Ani_DownButton}) {
        pButton->SetPlay(FALSE);
        pButton->SetRePlay(FALSE);
        pButton->SetCurrentPage(0);
    }
    m_Ani_UpButton.SetPositionXYZ(197.0f, 0.0f, -50.0f);
    m_Ani_DownButton.SetPositionXYZ(197.0f, -32.0f, -50.0f);
    m_Ani_FocusBar.SetPositionXYZ(0.0f, 0.0f, -100.0f);
    m_Ani_FocusBar.ResetPlayState();
    m_Ani_FocusBar.SetRePlay(FALSE);

    m_RS_Page.SetRenderFontFrame(TRUE);
    m_RS_Page.SetPositionXYZ(54.0f, 6.0f, -10.0f);
    m_RS_Page.SetAligeText(1);

    for (int r = 0; r < ROW_COUNT; ++r) {
        m_RS_Row[r].SetEnvironmentOfRender(pEnvironmentOfRender);
        m_RS_Row[r].SetRenderFontFrame(TRUE);
        m_RS_Row[r].SetPositionXYZ(0.0f, static_cast<float>(-ROW_HEIGHT * (r + 1)), -150.0f);
        AddRenderingObject(&m_RS_Row[r]);
    }
    SetCoordinateSystemAll(SCREEN_COORDINATE_SYSTEM);
    SetRenderQueueGroup(LIST_RENDER_GROUP);
    return S_OK;
}

void XC_ListMenu::AddAnimation(XC_RenderAnimation& aniObj, const char* szFileName)
{
    AddRenderingObject(&aniObj);
    const HRESULT hr = aniObj.LoadAnimation(szFileName);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR(szFileName, hr);
}

HRESULT XC_ListMenu::Fini()
{
    // The members stay alive: only the base's references go.
    m_Ani_FocusBar.DetachFromParent();
    RemoveAll();
    return S_OK;
}

HRESULT XC_ListMenu::AddItem(const XS_ListItem& sListItem)
{
    m_vecListItem.push_back(sListItem);
    return S_OK;
}

HRESULT XC_ListMenu::ClearItem()
{
    m_vecListItem.clear();
    return S_OK;
}

void XC_ListMenu::SetShow(BOOL bShow)
{
    XC_RenderObjManager::SetShow(bShow);
    if (bShow) {
        m_iFocusItem = -1;
        m_iPage = 0;
        const int iCount = GetItemCount();
        m_iPageCount = iCount / ROW_COUNT + (iCount % ROW_COUNT != 0 ? 1 : 0);
        m_bPaging = m_iPageCount >= 2;
        const HRESULT hr = UpdatePage();
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("UpdatePage( )", hr);
        if (g_pMouseStateObj != nullptr)
            g_pMouseStateObj->SetMoved(TRUE);
        m_bUpPress = 0;
        m_bDownPress = 0;
    } else {
        ClearItem();
    }
    const HRESULT hr = SetFocusItem(-1);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("SetFocusItem( -1 )", hr);
}

HRESULT XC_ListMenu::UpdatePage()
{
    if (m_iPageCount <= 0)
        m_iPage = 0;
    else if (m_iPage >= m_iPageCount)
        m_iPage = m_iPageCount - 1;

    for (int r = 0; r < ROW_COUNT; ++r) {
        const int i = m_iPage * ROW_COUNT + r;
        if (i >= GetItemCount()) {
            m_RS_Row[r].SetString("", m_RS_Row[r].GetColor());
            continue;
        }
        m_RS_Row[r].SetString(m_vecListItem[i].stringText.c_str(), m_vecListItem[i].dwColor);
        m_RS_Row[r].SetColor(m_vecListItem[i].dwColor);
    }
    char szPage[32];
    std::snprintf(szPage, sizeof(szPage), "%2d / %d", m_iPage + 1, m_iPageCount);
    m_RS_Page.SetString(szPage, m_RS_Page.GetColor());
    return S_OK;
}

void XC_ListMenu::TurnPage(int iStep)
{
    if (m_iPageCount <= 0)
        return;
    m_iPage = ((m_iPage + iStep) % m_iPageCount + m_iPageCount) % m_iPageCount;
    UpdatePage();
}

HRESULT XC_ListMenu::UpdateUpDwonButton()
{
    m_Ani_UpButton.SetCurrentPage(m_bUpPress ? 1 : 0);
    m_Ani_DownButton.SetCurrentPage(m_bDownPress ? 1 : 0);
    if (g_pMouseStateObj == nullptr)
        return S_OK;

    const D3DXVECTOR3* pDirection = nullptr;
    if (g_pMouseStateObj->IsButtonPressed(XC_MouseState::BUTTON_LEFT)) {
        const D3DXVECTOR3* const pPoint = ScreenMousePoint(&pDirection);
        if (pPoint != nullptr) {
            if (IsPointOn(m_Ani_UpButton, pPoint, pDirection))
                m_bUpPress = 1;
            if (IsPointOn(m_Ani_DownButton, pPoint, pDirection))
                m_bDownPress = 1;
        }
    }
    if (g_pMouseStateObj->IsButtonReleased(XC_MouseState::BUTTON_LEFT)) {
        const D3DXVECTOR3* const pPoint = ScreenMousePoint(&pDirection);
        if (pPoint != nullptr && m_bUpPress && IsPointOn(m_Ani_UpButton, pPoint, pDirection))
            TurnPage(-1);
        if (pPoint != nullptr && m_bDownPress && IsPointOn(m_Ani_DownButton, pPoint, pDirection))
            TurnPage(1);
        m_bUpPress = 0;
        m_bDownPress = 0;
    }
    const float fWheelDelta = g_pMouseStateObj->GetWheelDelta();
    if (fWheelDelta != 0.0f) {
        TurnPage(fWheelDelta > 0.0f ? -1 : 1);
        FocusItemAtMouse();
    }
    return S_OK;
}

void XC_ListMenu::FocusItemAtMouse()
{
    const D3DXVECTOR3* pDirection = nullptr;
    const D3DXVECTOR3* const pPoint = ScreenMousePoint(&pDirection);
    int iItemIndex = -1;
    if (pPoint == nullptr || !HitTestItemAt(pPoint, pDirection, iItemIndex))
        iItemIndex = -1;
    const HRESULT hr = SetFocusItem(iItemIndex);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("SetFocusItem( iItemIndex )", hr);
}

HRESULT XC_ListMenu::UpdateMenu()
{
    if (m_bPaging) {
        const HRESULT hr = UpdateUpDwonButton();
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("UpdateUpDwonButton()", hr);
    }
    if (g_pMouseStateObj != nullptr && g_pMouseStateObj->IsMoved())
        FocusItemAtMouse();
    return S_OK;
}

HRESULT XC_ListMenu::GetItem(int iItemIndex, XS_ListItem& sListItem) const
{
    if (iItemIndex < 0 || iItemIndex >= GetItemCount())
        return E_FAIL;
    sListItem = m_vecListItem[iItemIndex];
    return S_OK;
}

HRESULT XC_ListMenu::SetFocusItem(int iItemIndex)
{
    if (iItemIndex >= GetItemCount() || iItemIndex < -1) {
        XM_REPORT_FAILED("iItemIndex < (INT)m_vecListItem.size()");
        return E_FAIL;
    }
    m_iFocusItem = iItemIndex;
    if (iItemIndex < 0) {
        m_Ani_FocusBar.SetShow(FALSE);
        return S_OK;
    }
    m_Ani_FocusBar.SetShow(TRUE);
    m_Ani_FocusBar.SetParent(&m_RS_Row[iItemIndex % ROW_COUNT]);
    return S_OK;
}

int XC_ListMenu::GetFocusItem() const
{
    return m_iFocusItem;
}

BOOL XC_ListMenu::HitTestItem(int x, int y, int& riItemIndex) const
{
    const D3DXVECTOR3* const pWorld = const_cast<XC_ListMenu*>(this)->GetWorldPosition();
    const float dx = static_cast<float>(x) - pWorld->x;
    const float dy = static_cast<float>(y) - pWorld->y;
    if (dy > 0.0f || dx < 0.0f || dx > static_cast<float>(ROW_WIDTH))
        return FALSE;
    const float fRow = -dy / static_cast<float>(ROW_HEIGHT);
    if (fRow >= static_cast<float>(ROW_COUNT))
        return FALSE;
    riItemIndex = static_cast<int>(fRow) + m_iPage * ROW_COUNT;
    if (riItemIndex < 0)
        XM_REPORT_FAILED("riItemIndex >= 0");
    if (riItemIndex >= 0 && riItemIndex < GetItemCount())
        return TRUE;
    riItemIndex = 0;
    return FALSE;
}

BOOL XC_ListMenu::HitTestItemAt(const D3DXVECTOR3* pPoint, const D3DXVECTOR3* /*pOtherPoint*/, int& riItemIndex) const
{
    if (pPoint == nullptr)
        return FALSE;
    return HitTestItem(static_cast<int>(pPoint->x), static_cast<int>(pPoint->y), riItemIndex);
}

#pragma once

#include "Code/Menu/BattleMenu/XS_ListItem.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderObjManager.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"

#include <vector>

// The battle's paged list: a framed panel of ten rows, a page counter, two
// page buttons and a focus bar over any number of items. Driven by the mouse
// alone; its owner reads the focused item and decides on a click. Its
// objects are members: the base's list only refers to them.
class XC_ListMenu : public XC_RenderObjManager
{
public:
    static constexpr int ROW_COUNT = 10;
    static constexpr int ROW_HEIGHT = 21;
    static constexpr int ROW_WIDTH = 192;

    XC_ListMenu() = default;
    ~XC_ListMenu() override;

    void SetShow(BOOL bShow) override;

    virtual HRESULT Init(XI_EnvironmentOfRender* pEnvironmentOfRender);
    virtual HRESULT Fini();
    virtual HRESULT AddItem(const XS_ListItem& sListItem);
    virtual HRESULT ClearItem();
    virtual HRESULT UpdatePage();
    virtual HRESULT UpdateUpDwonButton();
    virtual HRESULT UpdateMenu();
    virtual HRESULT GetItem(int iItemIndex, XS_ListItem& sListItem) const;
    // Refused (E_FAIL) for an index past the items or below -1.
    virtual HRESULT SetFocusItem(int iItemIndex);
    virtual int GetFocusItem() const;
    virtual BOOL HitTestItem(int x, int y, int& riItemIndex) const;
    virtual BOOL HitTestItemAt(const D3DXVECTOR3* pPoint, const D3DXVECTOR3* pOtherPoint, int& riItemIndex) const;

    int GetItemCount() const { return static_cast<int>(m_vecListItem.size()); }
    int GetPage() const { return m_iPage; }
    int GetPageCount() const { return m_iPageCount; }

protected:
    // Turns iStep pages, wrapping at both ends.
    void TurnPage(int iStep);
    // Focuses the row under the mouse, or nothing.
    void FocusItemAtMouse();
    // Loads a member animation and lists it.
    void AddAnimation(XC_RenderAnimation& aniObj, const char* szFileName);

    int m_iFocusItem = -1;
    XC_RenderAnimation m_Ani_Frame;
    XC_RenderAnimation m_Ani_UpButton;
    XC_RenderAnimation m_Ani_DownButton;
    XC_RenderAnimation m_Ani_FocusBar;
    XC_RenderString m_RS_Page;
    XC_RenderString m_RS_Row[ROW_COUNT];
    BOOL m_bUpPress = 0;
    BOOL m_bDownPress = 0;
    std::vector<XS_ListItem> m_vecListItem;
    int m_iPage = 0;
    int m_iPageCount = 0;
    BOOL m_bPaging = 0;
};

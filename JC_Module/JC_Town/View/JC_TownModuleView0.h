#pragma once

#include "JC_Module/JC_Town/View/JC_TownModuleViewBase.h"

constexpr DWORD JE_TOWNMODULEVIEW0_VIEW_MODE_NOT_SUPPORT = 0x8A220031;

// The town's main menu: the town picture, the menu frame with the town's
// name and six lines, offering the plaza, the shop, merging and leaving, or
// listing the plaza's passers, whose scripts it starts.
class JC_TownModuleView0 : public JC_TownModuleViewBase
{
public:
    enum JE_Item
    {
        ITEM_BK,
        ITEM_MENU,
        ITEM_MENU_T,
        ITEM_LINE_BK,
        ITEM_LINE_T = ITEM_LINE_BK + 6,
        ITEM_COUNT = ITEM_LINE_T + 6
    };
    enum JE_ViewMode
    {
        MODE_MENU,
        MODE_PLAZA
    };
    enum JE_ViewEvent
    {
        EVENT_SHOP = 1,
        EVENT_MERGE = 2,
        EVENT_LEAVE = 3
    };
    static constexpr int LINE_COUNT = 6;
    static constexpr int LINE_BACK = 5;

    JC_TownModuleView0();
    ~JC_TownModuleView0() override;

    DWORD BuildView() override;
    DWORD OpenView() override;
    DWORD Update() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;

    // What a click on a line does: 1 when the view takes it, else 0 or the
    // failure of a script's load.
    virtual DWORD ChooseLine(int iLine);

    int GetHoveredLine() const { return m_iHoveredLine; }

protected:
    void ReportBuildFail(float fX, float fY, float fZ, const std::string& strFile, const std::string& strText,
                         DWORD dwResult) const override;
    DWORD RefuseViewMode(int iMode, DWORD dwCode) const override;

private:
    DWORD BuildItems();
    // One line's frame and text: shown in white, grey without its frame, or hidden.
    void ShowLine(int iLine, const std::string& strText, BOOL bShow, BOOL bChoosable);
    void UpdateMenu(DWORD dwPlaceID);
    void UpdatePlaza(DWORD dwPlaceID);
    void HoverLine(int iLine);
    DWORD ChooseMenu(int iLine);
    DWORD ChoosePasser(int iLine);
    // Loads a place's script; a failure is logged and its code given.
    DWORD LoadPlaceScript(const std::string& strScript) const;
    int HitLine() const;
    DWORD SitePlace() const;

    int m_iHoveredLine = -1;
};

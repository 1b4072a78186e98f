#pragma once

#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_Module/JC_Town/View/JC_TownModuleViewBase.h"

#include <string>
#include <vector>

constexpr DWORD JE_TOWNMODULEVIEW9_VIEW_MODE_NOT_SUPPORT = 0x8a229031;

// The party's captured monsters, five names a page, with a card of the
// monster under the pointer; the merging view opens it to pick the first or
// the second source. A monster picked already is grey and cannot be picked.
class JC_TownModuleView9 : public JC_TownModuleViewBase
{
public:
    static constexpr int ROW_COUNT = 5;
    enum JE_Item
    {
        ITEM_LIST_BK,
        ITEM_BAR,
        ITEM_NAME = ITEM_BAR + ROW_COUNT,
        ITEM_PAGE_BK = ITEM_NAME + ROW_COUNT,
        ITEM_PREV,
        ITEM_NEXT,
        ITEM_INFO_BK,
        ITEM_INFO_T,
        ITEM_FACE,
        ITEM_PERSON_NAME,
        ITEM_JOB_NAME,
        ITEM_LEVEL,
        ITEM_JOB_LEVEL,
        ITEM_HP,
        ITEM_SP,
        ITEM_COUNT
    };
    enum JE_ViewMode
    {
        MODE_FIRST,
        MODE_SECOND
    };
    enum JE_ViewEvent
    {
        EVENT_PICKED = 1,
        EVENT_CANCELLED = 2
    };

    JC_TownModuleView9();
    ~JC_TownModuleView9() override;

    DWORD InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent, JC_ModuleMouse* pModuleMouse,
                         JC_ModuleResource* pModuleResource) override;
    DWORD BuildView() override;
    DWORD OpenView() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;

    virtual DWORD SetSelectPerson(int iFirst, int iSecond);
    virtual void GetSelectPerson(int& iFirst, int& iSecond) const;
    virtual DWORD BuildPersonList();
    virtual DWORD UpdatePersonList();
    virtual DWORD UpdatePersonInfo();
    // Picks the monster of a row (1..5) for the view mode's source: 1 with
    // event 1, or 0 for an empty row or a monster picked already.
    virtual DWORD PickRow(int iRow);
    virtual bool PrevPage();
    virtual bool NextPage();

    int GetPage() const { return m_iPage; }
    int GetListCount() const { return static_cast<int>(m_Places.size()); }
    int GetHoveredRow() const { return m_iHoveredRow; }

protected:
    void ReportBuildFail(float fX, float fY, float fZ, const std::string& strFile, const std::string& strText,
                         DWORD dwResult) const override;
    DWORD RefuseViewMode(int iMode, DWORD dwCode) const override;

private:
    DWORD BuildItems();
    int PageCount() const { return (GetListCount() + ROW_COUNT - 1) / ROW_COUNT; }
    bool StepPage(int iStep);
    void HoverRow(int iRow);
    void DealMouseMove();
    DWORD DealLeftButton();
    // Sets the card's face and texts; empty ones clear it.
    DWORD ShowCard(const std::string& strFace, const std::string (&texts)[6]);

    int m_iPicked[2] = {-1, -1};
    std::vector<int> m_Places;
    std::vector<std::string> m_Names;
    int m_iPage = 0;
    int m_iHoveredRow = -1;
    JC_ControlPersonPower m_ControlPersonPowerObj;
};

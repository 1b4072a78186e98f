#pragma once

#include "JC_DataManager/Operator/JC_OperatorEquipmentBase.h"
#include "JC_Module/JC_State/View/JC_StatePagedList.h"
#include "JC_Module/JC_State/View/JC_StateModuleViewBase.h"

#include <string>
#include <vector>

constexpr DWORD JE_STATEMODULEVIEW5_NULL_CONTROL_PERSON = 0x8a025031;
constexpr DWORD JE_STATEMODULEVIEW5_WAREHOUSE_NOT_SUPPORT = 0x8a025061;
constexpr DWORD JE_STATEMODULEVIEW5_WEAR_POSITION_NOT_SUPPORT = 0x8a025062;
constexpr DWORD JE_STATEMODULEVIEW5_VIEW_MODE_NOT_SUPPORT = 0x8a025091;

// The candidates for one equipment slot: the things of the weapon or
// wearing warehouse that fit the wear position (and the person's job, and a
// free gem hole when asked), six to a page.
class JC_StateModuleView5 : public JC_StateModuleViewBase
{
public:
    static constexpr int ROW_COUNT = 6;
    static constexpr int ITEM_BAR = 0;
    static constexpr int ITEM_BAR_T = 1;
    static constexpr int ITEM_PAGE_BK = 2;
    static constexpr int ITEM_PREV = 3;
    static constexpr int ITEM_NEXT = 4;
    static constexpr int ITEM_FIRST_ROW_BAR = 5;
    static constexpr int ITEM_FIRST_ICON = ITEM_FIRST_ROW_BAR + ROW_COUNT;
    static constexpr int ITEM_FIRST_NAME = ITEM_FIRST_ICON + ROW_COUNT;
    static constexpr int ITEM_COUNT = ITEM_FIRST_NAME + ROW_COUNT;
    enum JE_ViewEvent
    {
        EVENT_CHOSEN = 1,
        EVENT_SELECTION_CHANGED = 2
    };
    enum JE_ViewMode
    {
        MODE_ROWS,
        MODE_NO_ROWS
    };
    struct JS_Candidate
    {
        std::string strName;
        int iDrawerIndex;
        int iPhoto;
    };

    JC_StateModuleView5();
    ~JC_StateModuleView5() override;

    DWORD InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent, JC_ModuleMouse* pModuleMouse,
                         JC_ModuleResource* pModuleResource) override;
    DWORD BuildView() override;
    DWORD OpenView() override;
    DWORD CloseView() override;
    DWORD Update() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;

    virtual DWORD SetCandidateFilter(int iWarehouse, int iJobCheck, int iHoleCheck, int iWearPosition);
    virtual DWORD ClearSelection();
    virtual DWORD GetSelectedThingName(std::string& strName) const;
    virtual DWORD GetSelectedThing(int& iWarehouse, int& iDrawerIndex, int& iWearPosition) const;
    virtual DWORD CollectCandidates();
    virtual DWORD NextPage();
    virtual DWORD PrevPage();
    virtual DWORD ShowPage();

    // Whether a record's "WearPosition" may be worn at a slot's wear position.
    static BOOL FitsWearPosition(int iRecordPosition, int iFilterPosition);
    const std::vector<JS_Candidate>& GetCandidates() const { return m_Candidates; }
    const JC_StatePagedList& GetPagedList() const { return m_PagedList; }

private:
    BOOL IsCandidate();
    // The candidate of the selected row, -1 for none or an empty row.
    int SelectedCandidate() const;

    int m_iWarehouse = 0;
    int m_iJobCheck = 0;
    int m_iHoleCheck = 0;
    int m_iWearPosition = 0;
    DWORD m_dwJobID = 0;
    std::vector<JS_Candidate> m_Candidates;
    JC_StatePagedList m_PagedList;
    JC_OperatorEquipmentBase m_OperatorEquipmentBaseObj;
};

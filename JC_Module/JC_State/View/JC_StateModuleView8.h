#pragma once

#include "JC_Module/JC_State/View/JC_StateModuleViewBase.h"

constexpr DWORD JE_STATEMODULEVIEW8_VIEW_MODE_NOT_SUPPORT = 0x8a028031;

// The quantity pop-up of the inventory: how many pieces of one drawer's
// thing, as two digits that wrap within 0..9 with a button up and down for
// each. A count above the drawer's is drawn red and clamped by OK.
class JC_StateModuleView8 : public JC_StateModuleViewBase
{
public:
    enum JE_Item
    {
        ITEM_BK,
        ITEM_BK_T,
        ITEM_THING_NAME,
        ITEM_THING_COUNT,
        ITEM_ADD_TENS,
        ITEM_ADD_UNITS,
        ITEM_SUB_TENS,
        ITEM_SUB_UNITS,
        ITEM_OK,
        ITEM_CANCEL,
        ITEM_COUNT
    };
    enum JE_ViewEvent
    {
        EVENT_OK = 1,
        EVENT_CANCEL = 2
    };
    static constexpr DWORD WARNING = 0xFFFF2020;

    JC_StateModuleView8();
    ~JC_StateModuleView8() override;

    DWORD BuildView() override;
    DWORD OpenView() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;

    // Binds the box to a drawer; the count starts at 1.
    DWORD SetThingInfo(int iWarehouse, int iDrawerIndex);
    // The count, and 1 in the flag when it is the drawer's whole count.
    DWORD GetThingCount(int& iCount, BOOL& bWholeDrawer) const;
    DWORD AddTensDigit(int iStep);
    DWORD AddUnitsDigit(int iStep);
    DWORD ShowThingCount();
    // OK: 1 with the event when the count fits the drawer, else the count is
    // clamped to the drawer's and the box stays.
    DWORD ConfirmCount();

    int GetMaximumCount() const { return m_iMaximumCount; }
    DWORD GetCountColor() const;

protected:
    void ReportBuildFail(float fX, float fY, float fZ, const std::string& strFile, const std::string& strText,
                         DWORD dwResult) const override;

private:
    int Count() const { return m_iTens * 10 + m_iUnits; }

    int m_iWarehouse = 2;
    int m_iDrawerIndex = 0;
    int m_iMaximumCount = 0;
    int m_iTens = 0;
    int m_iUnits = 1;
};

#pragma once

#include "JC_Module/JC_Town/View/JC_TownModuleViewBase.h"

constexpr DWORD JE_TOWNMODULEVIEW7_VIEW_MODE_NOT_SUPPORT = 0x8a227031;

// The dialog of how many to buy or sell: two digits stepped by their own
// buttons, the total price, and a confirmation refused above the maximum
// or, when buying, above the party's money.
class JC_TownModuleView7 : public JC_TownModuleViewBase
{
public:
    enum JE_Item
    {
        ITEM_BK,
        ITEM_BK_T,
        ITEM_COUNT_T,
        ITEM_ADD_A,
        ITEM_ADD_B,
        ITEM_SUB_A,
        ITEM_SUB_B,
        ITEM_COST,
        ITEM_OK,
        ITEM_CANCEL,
        ITEM_COUNT
    };
    enum JE_ViewMode
    {
        MODE_BUY,
        MODE_SELL
    };
    enum JE_ViewEvent
    {
        EVENT_CONFIRMED = 1,
        EVENT_CANCELLED = 2
    };
    static constexpr DWORD RED = 0xFFFF2020;

    JC_TownModuleView7();
    ~JC_TownModuleView7() override;

    DWORD BuildView() override;
    DWORD OpenView() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;

    virtual DWORD SetCountDialog(int iMaxCount, DWORD dwUnitPrice);
    virtual DWORD GetConfirmCount(int& iCount) const;
    virtual DWORD AddTens(int iStep);
    virtual DWORD AddUnits(int iStep);
    virtual DWORD UpdateCountText();
    // False (the digits lowered to the maximum) when the count is above it.
    virtual bool CheckMaxCount(int iCount);
    // False when buying the count costs more than the party's money.
    virtual bool CheckMoney(int iCount) const;

    int GetMaxCount() const { return m_iMaxCount; }
    int GetTens() const { return m_iTens; }
    int GetUnits() const { return m_iUnits; }

protected:
    void ReportBuildFail(float fX, float fY, float fZ, const std::string& strFile, const std::string& strText,
                         DWORD dwResult) const override;
    DWORD RefuseViewMode(int iMode, DWORD dwCode) const override;

private:
    DWORD BuildItems();
    int Count() const { return m_iTens * 10 + m_iUnits; }
    // The total in 64 bits: no count makes a purchase cheap.
    long long Total(int iCount) const { return static_cast<long long>(iCount) * m_dwUnitPrice; }
    DWORD Confirm();
    DWORD ReleaseButton();

    int m_iMaxCount = 0;
    DWORD m_dwUnitPrice = 0;
    int m_iTens = 0;
    int m_iUnits = 1;
    BOOL m_bPressed = 0;
    int m_iPressedButton = -1;
};

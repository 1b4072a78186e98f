#pragma once

#include "JC_Module/JC_State/View/JC_StateModuleViewBase.h"

#include <string>

constexpr DWORD JE_STATEMODULEVIEW3_NULL_CONTROL_PERSON = 0x8a023031;
constexpr DWORD JE_STATEMODULEVIEW3_VIEW_MODE_NOT_SUPPORT = 0x8a023061;

// The attribute panel: ten attributes, six values derived from them and the
// unused points, with add buttons that spend a point on STR, VIT, AGI, DEX or
// INT up to 99. Spending writes the person record at once.
class JC_StateModuleView3 : public JC_StateModuleViewBase
{
public:
    enum JE_Entry
    {
        ENTRY_STR,
        ENTRY_VIT,
        ENTRY_AGI,
        ENTRY_DEX,
        ENTRY_INT,
        ENTRY_CHA,
        ENTRY_LUK,
        ENTRY_WIS,
        ENTRY_MOV,
        ENTRY_RAP,
        ENTRY_ATK,
        ENTRY_DEF,
        ENTRY_MATK,
        ENTRY_MDEF,
        ENTRY_HIT,
        ENTRY_DODGE,
        ENTRY_NOT_USE_POINT,
        ENTRY_COUNT
    };
    static constexpr int BUTTON_COUNT = 8;
    // Charm, Luck and Wisdom have buttons that are never shown.
    static constexpr int SHOWN_BUTTON_COUNT = 5;
    static constexpr int ATTRIBUTE_LIMIT = 99;
    static constexpr int ITEM_BK = 0;
    static constexpr int ITEM_FIRST_BUTTON = 1;
    static constexpr int ITEM_FIRST_TEXT = ITEM_FIRST_BUTTON + BUTTON_COUNT;
    static constexpr int ITEM_COUNT = ITEM_FIRST_TEXT + ENTRY_COUNT;

    JC_StateModuleView3();
    ~JC_StateModuleView3() override;

    DWORD BuildView() override;
    DWORD Update() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;
    virtual DWORD ShowAddButtons(int iNotUsePoint);

    int GetValue(int iEntry) const { return m_Values[iEntry]; }
    XC_RenderAnimation* GetAddButton(int iEntry) const { return GetAnimation(ITEM_FIRST_BUTTON + iEntry); }
    XC_RenderString* GetEntryText(int iEntry) const { return GetString(ITEM_FIRST_TEXT + iEntry); }

private:
    DWORD BuildPositionedItem(int iItem, BOOL bAnimation, float fX, float fY, float fZ, const std::string& strFile);
    DWORD BuildItems();
    void ReadDerivedValues();
    void ShowEntry(int iEntry);
    void SpendPoint(int iEntry);

    std::string m_Labels[ENTRY_COUNT];
    int m_Values[ENTRY_COUNT] = {};
    int m_Buttons[BUTTON_COUNT] = {};
};

#pragma once

#include "JC_Module/JC_Town/View/JC_TownModuleViewBase.h"

class JC_ControlPersonEquip;
class JC_ControlPersonPower;
class JC_DataComponent;

constexpr DWORD JE_TOWNMODULEVIEW6_VIEW_MODE_NOT_SUPPORT = 0x8a226031;
constexpr DWORD JE_TOWNMODULEVIEW6_THING_KIND_NOT_SUPPORT = 0x8a226101;
constexpr DWORD JE_TOWNMODULEVIEW6_NO_THING = 0x8a226102;

// The faces of the party's persons who can equip the selected weapon or
// wearing, up to twenty, each marked when it would raise that person's
// right-hand attack or total defence. Each person tries the thing on a copy
// of its record, so the party stays exactly as it was.
class JC_TownModuleView6 : public JC_TownModuleViewBase
{
public:
    static constexpr int FACE_COUNT = 20;
    enum JE_Item
    {
        ITEM_BK,
        ITEM_FACE,
        ITEM_COUNT = ITEM_FACE + FACE_COUNT
    };
    enum JE_ViewMode
    {
        MODE_HIDDEN,
        MODE_SHOWN
    };

    JC_TownModuleView6();
    ~JC_TownModuleView6() override;

    DWORD BuildView() override;
    DWORD OpenView() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;
    // Fills the faces for a thing of a kind (0 gem, 1 tool, 2 weapon, 3 wearing).
    virtual DWORD UpdateInfo(DWORD dwThingKind, DWORD dwThingID);

    // How many faces the last UpdateInfo filled.
    int GetFaceCount() const { return m_iFaceCount; }

private:
    DWORD BuildItems();
    // The thing's record, or null after the report.
    JC_DataComponent* FindThing(DWORD dwThingKind, DWORD dwThingID, DWORD& dwResult) const;
    DWORD FillFaces(JC_DataComponent* pThing, BOOL bWeapon, int iPosition);
    // Whether the person can wear the thing and whether it would gain by it.
    DWORD TryOn(JC_DataComponent* pPerson, JC_DataComponent* pThing, BOOL bWeapon, int iPosition,
                JC_ControlPersonPower& power, JC_ControlPersonEquip& equip, BOOL& bCanEquip, BOOL& bImproved) const;
    DWORD ShowFace(int iSlot, DWORD dwPersonID, BOOL bImproved);
    DWORD ClearFaces(int iFirst);

    int m_iFaceCount = 0;
};

#pragma once

#include "JC_DataManager/Control/JC_ControlPersonHybridize.h"
#include "JC_Module/JC_Town/View/JC_TownModuleViewBase.h"

class JC_DataComponent;
class JC_TownModuleView9;

constexpr DWORD JE_TOWNMODULEVIEW8_NULL_CHILD_VIEW = 0x8a228031;
constexpr DWORD JE_TOWNMODULEVIEW8_VIEW_MODE_NOT_SUPPORT = 0x8a228061;

// The monster merging: two captured monsters picked on two magic squares
// through the party list, merged on the third into a new monster that joins
// the party at the first free monster place, with a short timed animation.
class JC_TownModuleView8 : public JC_TownModuleViewBase
{
public:
    enum JE_Item
    {
        ITEM_BK,
        ITEM_MONSTER1,
        ITEM_MONSTER2,
        ITEM_MONSTER3,
        ITEM_SQUARE1,
        ITEM_SQUARE2,
        ITEM_SQUARE3,
        ITEM_SHINE1,
        ITEM_SHINE2,
        ITEM_SHINE3,
        ITEM_COUNT
    };
    enum JE_ViewMode
    {
        MODE_CHOOSE,
        MODE_LIST,
        MODE_ANIMATION
    };
    enum JE_ViewEvent
    {
        EVENT_OPEN_LIST = 1,
        EVENT_LIST_CLOSED = 2,
        EVENT_MERGED = 3,
        EVENT_ANIMATION_DONE = 4
    };
    static constexpr int STEP_COUNT = 4;

    JC_TownModuleView8();
    ~JC_TownModuleView8() override;

    DWORD InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent, JC_ModuleMouse* pModuleMouse,
                         JC_ModuleResource* pModuleResource) override;
    DWORD BuildView() override;
    DWORD OpenView() override;
    DWORD FrameMove(float fElapsedTime) override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;
    virtual DWORD SetChildView(JC_ModuleViewBase* pView);
    virtual DWORD SetHybridizePerson(int iFirst, int iSecond);
    // Merges the two sources; 1 when the merged monster joined the party.
    virtual DWORD Merge();

    int GetFirstPlace() const { return m_iPlaces[0]; }
    int GetSecondPlace() const { return m_iPlaces[1]; }
    int GetResultPlace() const { return m_iResultPlace; }
    int GetAnimationStep() const { return m_iStep; }

protected:
    void ReportBuildFail(float fX, float fY, float fZ, const std::string& strFile, const std::string& strText,
                         DWORD dwResult) const override;
    DWORD RefuseViewMode(int iMode, DWORD dwCode) const override;

private:
    DWORD BuildItems();
    DWORD BuildModel(int iItem, const char* szItem, float fScale);
    // Loads the person's model at a team place into a model item and shows it.
    void ShowModel(int iItem, int iPlace);
    void SetSource(int iSource, int iPlace);
    void HoverSquare(int iSquare);
    DWORD DealChildMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    DWORD DealLeftButton();
    // Takes both sources out; a failure to place the merged monster puts them back.
    DWORD PlaceMerged(const JC_DataComponent* pMerged);
    void ReportMergeFail(DWORD dwResult) const;
    void PlayStep();

    JC_TownModuleView9* m_pChildView = nullptr;
    int m_iPlaces[2] = {-1, -1};
    int m_iResultPlace = -1;
    int m_iHoveredSquare = -1;
    float m_fStepTimes[STEP_COUNT] = {};
    int m_iStep = 0;
    float m_fTime = 0.0f;
    JC_ControlPersonHybridize m_ControlPersonHybridizeObj;
};

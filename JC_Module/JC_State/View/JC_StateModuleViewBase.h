#pragma once

#include "JC_Module/JC_ModuleViewBase.h"

#include <memory>
#include <string>
#include <vector>

class JC_ControlModuleState;
class JC_ControlPerson;
class JC_StatePagedList;
class XC_RenderPic;
class XC_RenderString;

// The views of the state screen: their pictures' folders come from the state
// layout record, their widgets are built by the layout keys "View%d_<item>"
// and held by index, and most of them show the person the document shows.
class JC_StateModuleViewBase : public JC_ModuleViewBase
{
public:
    // The view number names the view in reports and forms its codes 0x8a02N0CC.
    JC_StateModuleViewBase(int iViewNumber, int iItemCount);
    ~JC_StateModuleViewBase() override;

    DWORD InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent, JC_ModuleMouse* pModuleMouse,
                         JC_ModuleResource* pModuleResource) override;
    DWORD UnbuildView() override;
    // Opens a built view in its stored mode; an update that came while closed runs now.
    DWORD OpenView() override;
    DWORD CloseView() override;
    virtual DWORD SetControlPerson(JC_ControlPerson* pControlPerson);

    const std::string& GetPathAni() const { return m_strPathAni; }
    const std::string& GetPathFace() const { return m_strPathFace; }
    const std::string& GetPathThingIcon() const { return m_strPathThingIcon; }
    const std::string& GetPathSkillIcon() const { return m_strPathSkillIcon; }
    int GetViewNumber() const { return m_iViewNumber; }
    XC_RenderAnimation* GetAnimation(int iItem) const;
    XC_RenderString* GetString(int iItem) const;
    XC_RenderPic* GetPicture(int iItem) const;

protected:
    // 0x8a02N0CC of this view.
    DWORD ViewCode(DWORD dwFailure) const;
    JC_ControlModuleState* Layout() const { return m_Controls.pControlModuleState; }
    // "0" to "9", then "A", "B", "C".
    const char* ViewName() const;
    // "View" + the view's name + "_" + the item's name + the suffix.
    std::string ItemKey(const char* szItem, const char* szSuffix) const;
    // An animation at the item's X, Y, Z; with a file key, the animation
    // folder + its "F" text (an item without one gets its file later).
    DWORD BuildAnimationItem(int iItem, const char* szItem, BOOL bFileKey);
    // An empty text, or with szTextKey the text of that key, in white.
    DWORD BuildStringItem(int iItem, const char* szItem, const char* szTextKey);
    enum JE_RowItemKind
    {
        ROW_ANIMATION,
        ROW_PICTURE,
        ROW_STRING
    };
    // A column of iRowCount items of one key name, row i at (X, Y + i × DY, Z);
    // animations show the "F" file, pictures and texts start empty.
    DWORD BuildRowItems(int iFirstItem, int iRowCount, const char* szItem, JE_RowItemKind eKind);
    // "View%d_X", "View%d_Y", "View%d_Z".
    void PlaceView();
    virtual void ReportBuildFail(float fX, float fY, float fZ, const std::string& strFile,
                                 const std::string& strText, DWORD dwResult) const;
    // Reports an unsupported view mode and gives the view's code for it.
    DWORD RefuseViewMode(int iMode, DWORD dwCode) const;
    // Whether an item of these lies under the mouse's ray: its position in the list, else -1.
    int HitItem(const int* piItems, int iCount) const;
    // A button press is taken on button-down (the button stops on its
    // pressed page) and counts at button-up only over the same button:
    // ReleaseButton gives its position in the list, or -1.
    void PressButton(const int* piItems, int iCount);
    int ReleaseButton(const int* piItems);
    void SetItemsShown(BOOL bShow);
    // Hovering a row bar selects it (its page 1) and raises dwChanged;
    // leaving every bar drops the selection and raises it too. 1 when raised.
    DWORD HoverBars(const int* piBars, int iCount, DWORD dwChanged);
    // A click on the selected bar raises dwClicked; a click elsewhere drops
    // the selection with a report and raises dwChanged. 0 without a selection.
    DWORD ClickSelectedBar(DWORD dwClicked, DWORD dwChanged);
    // The selected bar back to page 0, and no selection.
    void ClearSelectedBar();
    // The page button under the mouse plays, the other stands still: which
    // one was hit (0 previous, 1 next), or -1.
    int PlayPageButtons(int iPrevItem, int iNextItem);
    // Over a page button the selection drops (raising dwChanged), else the
    // rows take the hover.
    DWORD HoverPagedRows(int iPrevItem, int iNextItem, const int* piBars, int iCount, DWORD dwChanged);
    // A click on the previous or next page button turns the list's page: 1
    // when one of them was hit, whether or not there were pages to turn.
    BOOL TurnPageAtClick(JC_StatePagedList& list, int iPrevItem, int iNextItem) const;

    JC_ControlPerson* m_pControlPerson = nullptr;
    std::vector<std::unique_ptr<XC_RenderingObject>> m_Items;
    BOOL m_bPressed = 0;
    int m_iPressedButton = -1;
    // The item of the selected row bar, -1 for none.
    int m_iSelectedBar = -1;

private:
    int m_iViewNumber;
    std::string m_strPathAni;
    std::string m_strPathFace;
    std::string m_strPathThingIcon;
    std::string m_strPathSkillIcon;
};

// The failures every state view shares, as CC of 0x8a02N0CC.
constexpr DWORD JE_STATEMODULEVIEW_NULL_CONTROL_PERSON = 0x31;

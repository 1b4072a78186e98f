#pragma once

#include "JC_Module/JC_ModuleViewBase.h"

#include <memory>
#include <string>
#include <vector>

class JC_ControlModuleTown;
class XC_RenderPic;
class XC_RenderString;

// The views of the town screen: their files' folders come from the town
// layout record, their widgets are built by the layout keys "View%d_<item>"
// and held by index.
class JC_TownModuleViewBase : public JC_ModuleViewBase
{
public:
    // The view number names the view in reports and forms its codes 0x8a22N0CC.
    JC_TownModuleViewBase(int iViewNumber, int iItemCount);
    ~JC_TownModuleViewBase() override;

    // The base's, then the four folders of the layout record.
    DWORD InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent, JC_ModuleMouse* pModuleMouse,
                         JC_ModuleResource* pModuleResource) override;
    DWORD UnbuildView() override;
    DWORD CloseView() override;

    const std::string& GetPathAni() const { return m_strPathAni; }
    const std::string& GetPathThingIcon() const { return m_strPathThingIcon; }
    const std::string& GetPathFace() const { return m_strPathFace; }
    const std::string& GetPathPersonAni() const { return m_strPathPersonAni; }
    int GetViewNumber() const { return m_iViewNumber; }
    XC_RenderAnimation* GetAnimation(int iItem) const;
    XC_RenderString* GetString(int iItem) const;
    XC_RenderPic* GetPicture(int iItem) const;

protected:
    JC_ControlModuleTown* Layout() const { return m_Controls.pControlModuleTown; }
    // "View%d_" + the item's name + the suffix.
    std::string ItemKey(const char* szItem, const char* szSuffix) const;
    float ItemFloat(const char* szItem, const char* szSuffix) const;
    // "View%d_X", "View%d_Y", "View%d_Z".
    void PlaceView();
    // An animation at the item's X, Y, Z moved by (fDX, fDY); with a file key
    // the animation folder + its "F" text, else an empty file. pItem, when
    // given, is the widget to build (set up before its build).
    DWORD BuildAnimationItem(int iItem, const char* szItem, BOOL bFileKey, float fDX = 0.0f, float fDY = 0.0f,
                             std::unique_ptr<XC_RenderAnimation> pItem = nullptr);
    // A text in white at the item's X, Y, Z moved by (fDX, fDY): szText, or
    // none when null. pItem, when given, is the widget to build.
    DWORD BuildStringItem(int iItem, const char* szItem, const char* szText, float fDX = 0.0f, float fDY = 0.0f,
                          std::unique_ptr<XC_RenderString> pItem = nullptr);
    // A picture without a texture.
    DWORD BuildPictureItem(int iItem, const char* szItem, float fDX = 0.0f, float fDY = 0.0f);
    // The report of a failed build; some views word it their own way.
    virtual void ReportBuildFail(float fX, float fY, float fZ, const std::string& strFile, const std::string& strText,
                                 DWORD dwResult) const;
    // Reports an unsupported view mode and gives the code for it.
    virtual DWORD RefuseViewMode(int iMode, DWORD dwCode) const;
    // The first of the items under the mouse's ray: its position in the list, else -1.
    int HitItem(const int* piItems, int iCount) const;
    BOOL IsItemHit(int iItem) const;
    void SetText(int iItem, const std::string& strText, DWORD dwColor) const;
    void SetItemsShown(BOOL bShow);
    // Shows or hides the items first..last at one page.
    void ShowPages(int iFirst, int iLast, BOOL bShow);
    // 0x8a22N0CC of this view.
    DWORD ViewCode(DWORD dwFailure) const;

    std::vector<std::unique_ptr<XC_RenderingObject>> m_Items;

private:
    int m_iViewNumber;
    std::string m_strPathAni;
    std::string m_strPathThingIcon;
    std::string m_strPathFace;
    std::string m_strPathPersonAni;
};

constexpr DWORD JD_TOWN_WHITE = 0xFFFFFFFF;
constexpr DWORD JD_TOWN_GREY = 0xFFA0A0A0;

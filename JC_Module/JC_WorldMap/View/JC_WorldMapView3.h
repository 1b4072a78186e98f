#pragma once

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_Module/JC_ModuleButtonPress.h"
#include "JC_Module/JC_WorldMap/View/JC_WorldMapViewBase.h"

#include <memory>

constexpr DWORD JE_WORLDMAPVIEW3_VIEW_MODE_NOT_SUPPORT = 0x8A029031;

// The OK/Cancel box of the map: asks whether to enter the place the party
// has reached. The walking person opens it and reads its events.
class JC_WorldMapView3 : public JC_WorldMapViewBase
{
public:
    enum JE_ViewEvent
    {
        EVENT_OK = 1,
        EVENT_CANCEL = 2
    };

    ~JC_WorldMapView3() override;

    DWORD BuildView() override;
    DWORD UnbuildView() override;
    DWORD OpenView() override;
    DWORD CloseView() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;

    XC_RenderAnimation* GetButton(JE_ViewEvent eButton) const;

protected:
    // The button under the cursor: 1 OK, 2 Cancel, -1 none.
    virtual int HitButton() const;

private:
    DWORD BuildButton(std::unique_ptr<XC_RenderAnimation>& pItem, const char* szName);
    void ReportBuild(int iLine, const char* szName, const std::string& strFile, const std::string& strText,
                     DWORD dwResult) const;
    std::unique_ptr<XC_RenderAnimation> m_pBk;
    std::unique_ptr<XC_RenderAnimation> m_pOK;
    std::unique_ptr<XC_RenderAnimation> m_pCancel;
    std::unique_ptr<XC_RenderString> m_pLine1;
    JC_ModuleButtonPress m_Press;
};

#pragma once

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderPic.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "GameProgram/RenderingObject/XC_RenderXFile.h"
#include "GameProgram/Scene/XC_Scene.h"
#include "JC_Module/JC_ModuleButtonPress.h"
#include "JC_Module/JC_WorldMap/View/JC_WorldMapViewBase.h"

#include <memory>
#include <vector>

constexpr DWORD JE_WORLDMAPVIEW0_VIEW_MODE_NOT_SUPPORT = 0x8A120031;

// The marker of one place on the map: its name on a plate and its model.
struct XS_PlaceMark
{
    XC_RenderAnimation nameBackground;
    XC_RenderString name;
    XC_RenderXFile model;
    BOOL bNameEmpty = 0;
};

// The 3-D map: the scene, a marker for every place, the state and option
// buttons and the photo of the selected place. It scrolls at the screen's
// edges, zooms with the wheel, selects a place with one click and chooses it
// as the destination with a second click on the same place.
class JC_WorldMapView0 : public JC_WorldMapViewBase
{
public:
    enum JE_ViewEvent
    {
        EVENT_OPTION = 1,
        EVENT_STATE = 2,
        EVENT_DESTINATION = 4
    };
    enum JE_MenuItem
    {
        ITEM_MENU_BACKGROUND,
        ITEM_OPTION,
        ITEM_STATE,
        ITEM_PHOTO_BACKGROUND,
        ITEM_PHOTO,
        ITEM_COUNT
    };

    ~JC_WorldMapView0() override;

    DWORD BuildView() override;
    DWORD UnbuildView() override;
    DWORD OpenView() override;
    DWORD CloseView() override;
    // Edge scrolling.
    DWORD FrameMove(float fElapsedTime) override;
    DWORD Update() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;
    void GetMoveRoute(DWORD* pdwFrom, DWORD* pdwTo) const;
    // 0 clears the selection; a place without a name cannot be selected.
    DWORD SelectPlace(DWORD dwPlaceID);

    DWORD GetSelectedPlace() const { return m_dwSelectedPlace; }
    XC_RenderingObject* GetMenuItem(JE_MenuItem eItem) const;
    // Null for an ID without a marker.
    XS_PlaceMark* GetPlaceMark(DWORD dwPlaceID) const;
    DWORD GetMarkCount() const { return static_cast<DWORD>(m_marks.size()); }

private:
    DWORD BuildMenuItem(JE_MenuItem eItem, const char* szName);
    DWORD BuildPhoto();
    DWORD BuildPlaceMark(DWORD dwPlaceID, XS_PlaceMark& mark);
    void ReportItem(int iLine, const char* szName, const std::string& strFile, DWORD dwResult) const;
    void PlaceCamera();
    // The map's scroll for this frame: the cursor in the edge bands, clamped
    // at the boundaries.
    D3DXVECTOR3 EdgeScroll(float fElapsedTime) const;
    // The menu button under the screen ray: ITEM_OPTION, ITEM_STATE or -1.
    int HitButton(const D3DXVECTOR3& vOrigin, const D3DXVECTOR3& vDirection) const;
    DWORD HitPlace(const D3DXVECTOR3& vOrigin, const D3DXVECTOR3& vDirection) const;
    DWORD ReleaseButton(const D3DXVECTOR3& vOrigin, const D3DXVECTOR3& vDirection);
    DWORD DealLeftButtonDown();
    DWORD DealWheel(WPARAM wParam) const;

    XC_Scene m_Scene;
    std::unique_ptr<XC_RenderAnimation> m_pMenuAnimations[ITEM_PHOTO];
    std::unique_ptr<XC_RenderPic> m_pPhoto;
    std::vector<std::unique_ptr<XS_PlaceMark>> m_marks;
    float m_fMapBoundaryUp = 0.0f;
    float m_fMapBoundaryBottom = 0.0f;
    float m_fMapBoundaryLeft = 0.0f;
    float m_fMapBoundaryRight = 0.0f;
    float m_fScrollMargin = 0.0f;
    float m_fScrollSpeed = 0.0f;
    DWORD m_dwRouteStart = 0;
    DWORD m_dwSelectedPlace = 0;
    DWORD m_dwDestination = 0;
    JC_ModuleButtonPress m_Press;
};

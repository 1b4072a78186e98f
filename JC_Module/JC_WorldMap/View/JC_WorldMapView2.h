#pragma once

#include "GameProgram/RenderingObject/XC_RenderXFile.h"
#include "GameProgram/Sprite/XC_Sprite.h"
#include "JC_Module/JC_WorldMap/View/JC_WorldMapViewBase.h"

#include <string>
#include <vector>

class JC_WorldMapView3;

constexpr DWORD JE_WORLDMAPVIEW2_VIEW_MODE_NOT_SUPPORT = 0x8A1220B1;
constexpr DWORD JE_WORLDMAPVIEW2_NULL_CHILD_VIEW = 0x8A122031;

// The party on the map: the model of the person named by system flag 0,
// standing on the party's place. It walks the route to the chosen place,
// runs the scripts of the place it stops at and asks through the OK/Cancel
// box whether to enter it.
class JC_WorldMapView2 : public JC_WorldMapViewBase
{
public:
    enum JE_ViewMode
    {
        VIEW_MODE_STAND,
        VIEW_MODE_WALK,
        VIEW_MODE_CONFIRM
    };
    enum JE_ViewEvent
    {
        EVENT_BACK_TO_MAP = 1,
        EVENT_ARRIVED = 2,
        EVENT_NO_WALK = 3,
        EVENT_TOWN_ENTERED = 4
    };

    JC_WorldMapView2();
    ~JC_WorldMapView2() override;

    DWORD BuildView() override;
    DWORD UnbuildView() override;
    DWORD OpenView() override;
    DWORD CloseView() override;
    // Follows system flag 0 and ends a walk when its works are done.
    DWORD FrameMove(float fElapsedTime) override;
    // Loads the model of the person of system flag 0.
    DWORD Update() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;
    DWORD SetChildView(JC_WorldMapView3* pView);
    void SetMoveRoute(DWORD dwFrom, DWORD dwTo);
    // Queues the turns and moves of a route of place IDs; the party's place
    // is written step by step, and a place with an over-script ends it.
    DWORD WalkRoute(const std::vector<DWORD>& route);

    // The facing (rotation about Y) of a step by (dX, dZ) on the map.
    static float FacingYaw(float fDX, float fDZ);

    const XC_RenderXFile* GetPersonModel() const { return &m_PersonModel; }
    const XC_Sprite* GetWalkSprite() const { return &m_WalkSprite; }
    int GetShownPerson() const { return m_iShownPerson; }
    BOOL IsWalking() const { return m_bWalking; }

private:
    std::string PersonModelFile(int iPersonID) const;
    void CloseConfirmView();
    void StartWalk();
    void AddTurn(float fYaw);
    void StopFollowing();
    DWORD RunPlaceScript(const std::string& strScript, int iLine) const;
    DWORD DealArrival();
    DWORD DealAnswer(DWORD dwAnswer);

    XC_RenderXFile m_PersonModel;
    XC_Sprite m_WalkSprite;
    int m_iShownPerson = -1;
    DWORD m_dwRouteStart = 0;
    DWORD m_dwRouteEnd = 0;
    BOOL m_bWalking = 0;
    JC_WorldMapView3* m_pConfirmView = nullptr;
};

#pragma once

#include "JC_Module/JC_ModuleDocumentBase.h"

#include <d3dx9math.h>

#include <string>
#include <vector>

class JC_WorldMapView0;
class JC_WorldMapView2;

constexpr DWORD JE_WORLDMAPDOCUMENT_VIEW_INDEX_NOT_SUPPORT = 0x8A000031;
constexpr DWORD JE_WORLDMAPDOCUMENT_MODE_NOT_SUPPORT = 0x8A000061;

// One place of the world map as the screen reads it when it opens; the place
// with ID p is element p - 1 of the document's table.
struct JS_WorldMapPlace
{
    int iPlaceType = 0;
    int iIsOpen = 0;
    std::string strName;
    std::string strPhoto;
    float fPhotoX = 0.0f;
    float fPhotoZ = 0.0f;
    std::vector<DWORD> canGoPlaces;
    std::string strOverScriptName;
    std::string strIntoScriptName;
    std::string strExitScriptName;
    // Where the place stands on the 3-D map: (photo X, 0, photo Z).
    D3DXVECTOR3 vPosition = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
};

// The world-map screen: the 3-D map with its places and menu, the route
// signs, the walking person and its OK/Cancel box. It walks the party to the
// place the player chooses, opens the option screen over itself and reports
// to the world-map procedure when the player asks for the party's state or
// enters a town.
class JC_WorldMapDocument : public JC_ModuleDocumentBase
{
public:
    enum JE_Mode
    {
        MODE_NONE,
        MODE_MAP,
        MODE_WALK,
        MODE_ARRIVED,
        MODE_OPTION,
        MODE_COUNT
    };
    enum JE_View
    {
        VIEW_SCENE,
        VIEW_SIGNS,
        VIEW_WALK,
        VIEW_CONFIRM,
        VIEW_COUNT
    };
    enum JE_DocumentEvent
    {
        EVENT_STATE_SCREEN = 1,
        EVENT_TOWN = 2
    };

    JC_WorldMapDocument();
    ~JC_WorldMapDocument() override;

    // Also creates and initiates the option screen, g_pOptionModuleDocument.
    DWORD Initiation(XC_ModuleManager* pModuleManager, XC_MouseState* pMouseState, XC_Mouse* pMouse,
                     JC_ControlManager* pControlManager) override;
    HRESULT OnOpen() override;
    // Runs the map's pending script, or comes back from the option screen.
    HRESULT OnSetFocus() override;
    // The right button goes nowhere on the map.
    virtual DWORD BackDocumentMode(int iMode);
    DWORD DealViewEvent(int iViewIndex, DWORD dwViewEvent) override;

    // The places read at the opening; null while closed.
    const JS_WorldMapPlace* GetPlaceTable() const { return m_places.empty() ? nullptr : m_places.data(); }
    DWORD GetPlaceCount() const { return static_cast<DWORD>(m_places.size()); }
    // The place of that ID, or null when the table has none.
    const JS_WorldMapPlace* GetPlace(DWORD dwPlaceID) const;

protected:
    JC_ModuleViewBase* NewView(int iViewIndex) override;
    JC_ControlModuleBase* GetLayoutControl() override;
    DWORD LoadDocumentData() override;
    void ReleaseDocumentData() override { m_places.clear(); }
    DWORD GiveChildViews() override;
    BOOL IsDocumentMessage(UINT uMsg) const override;
    void DealDocumentMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

private:
    JC_WorldMapView0* SceneView() const;
    JC_WorldMapView2* WalkView() const;
    void OpenOptionScreen();
    // F5 for the designers: the layouts read anew and the screen rebuilt.
    void ReloadLayout();
    void RunMapScript();
    DWORD DealSceneEvent(DWORD dwViewEvent);
    DWORD DealWalkEvent(DWORD dwViewEvent);

    std::vector<JS_WorldMapPlace> m_places;
};

// The world-map screen of the world-map procedure, which owns it.
extern JC_WorldMapDocument* g_pWorldMapDocumentObj;

#include "JC_Module/JC_WorldMap/JC_WorldMapDocument.h"

#include "GameProgram/Common/XF_SourceFile.h"

#include "JC_DataManager/Control/JC_ControlModuleWorldMap.h"
#include "JC_DataManager/Control/JC_ControlWorldMap.h"
#include "JC_Module/JC_Option/JC_OptionModuleDocument.h"
#include "JC_Module/JC_WorldMap/View/JC_WorldMapView0.h"
#include "JC_Module/JC_WorldMap/View/JC_WorldMapView1.h"
#include "JC_Module/JC_WorldMap/View/JC_WorldMapView2.h"
#include "JC_Module/JC_WorldMap/View/JC_WorldMapView3.h"
#include "TemplateSystem/JC_DebugLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

JC_WorldMapDocument* g_pWorldMapDocumentObj = nullptr;

namespace {

const int COLUMN_COUNT = 5;
const int SHOWN_VIEWS[JC_WorldMapDocument::MODE_COUNT][COLUMN_COUNT] = {
    {-1, -1, -1, -1, -1}, {0, 1, 2, -1, -1}, {0, 1, 2, -1, -1}, {0, 1, 2, -1, -1}, {-1, -1, -1, -1, -1},
};
const int ACTIVE_VIEWS[JC_WorldMapDocument::MODE_COUNT][COLUMN_COUNT] = {
    {-1, -1, -1, -1, -1}, {0, 1, 2, -1, -1}, {1, 2, -1, -1, -1}, {2, -1, -1, -1, -1}, {-1, -1, -1, -1, -1},
};
const JS_DocumentRouting ROUTING = {
    "WorldMapDocument",
    JC_WorldMapDocument::VIEW_COUNT,
    JC_WorldMapDocument::MODE_COUNT,
    COLUMN_COUNT,
    &SHOWN_VIEWS[0][0],
    &ACTIVE_VIEWS[0][0],
    JE_WORLDMAPDOCUMENT_VIEW_INDEX_NOT_SUPPORT,
    JE_WORLDMAPDOCUMENT_MODE_NOT_SUPPORT,
    TRUE,
};

} // namespace

JC_WorldMapDocument::JC_WorldMapDocument() : JC_ModuleDocumentBase(ROUTING)
{
}

JC_WorldMapDocument::~JC_WorldMapDocument()
{
    delete g_pOptionModuleDocument;
    g_pOptionModuleDocument = nullptr;
}

DWORD JC_WorldMapDocument::Initiation(XC_ModuleManager* pModuleManager, XC_MouseState* pMouseState,
                                      XC_Mouse* pMouse, JC_ControlManager* pControlManager)
{
    DWORD dwResult = JC_ModuleDocumentBase::Initiation(pModuleManager, pMouseState, pMouse, pControlManager);
    if (dwResult != 0)
        return dwResult;
    // The battle owns the same global while it runs; one left here would be
    // lost.
    if (g_pOptionModuleDocument != nullptr)
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " WorldMapDocument Initiation OptionModuleDocument AlreadyExists. \r\n");
    delete g_pOptionModuleDocument;
    g_pOptionModuleDocument = new JC_OptionModuleDocument;
    dwResult = g_pOptionModuleDocument->Initiation(pModuleManager, pMouseState, pMouse, pControlManager);
    if (dwResult != 0)
        m_Controls.pErrorLog->Print("重置 選單模組物件時 發生錯誤 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
                                    static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
    return dwResult;
}

HRESULT JC_WorldMapDocument::OnOpen()
{
    // The event of the last visit was read by the procedure; it must not
    // lead a later, unrelated close astray.
    ClearDocumentEvent();
    return JC_ModuleDocumentBase::OnOpen();
}

const JS_WorldMapPlace* JC_WorldMapDocument::GetPlace(DWORD dwPlaceID) const
{
    if (dwPlaceID == 0 || dwPlaceID > m_places.size())
        return nullptr;
    return &m_places[dwPlaceID - 1];
}

DWORD JC_WorldMapDocument::LoadDocumentData()
{
    m_places.clear();
    JC_ControlWorldMap* const pWorldMap = m_Controls.pControlWorldMap;
    const int iPlaceCount = pWorldMap->GetPlaceCount();
    for (DWORD dwPlaceID = 1; static_cast<int>(dwPlaceID) <= iPlaceCount; ++dwPlaceID) {
        // A count beyond the records ends the table at the first missing
        // one (the control has reported it), so no view reads a place that
        // is not there.
        if (pWorldMap->GetOperatorPlaceObj(dwPlaceID) == nullptr)
            break;
        JS_WorldMapPlace place;
        place.iPlaceType = pWorldMap->GetPlaceType(dwPlaceID);
        place.iIsOpen = pWorldMap->GetPlaceIsOpen(dwPlaceID);
        place.strName = pWorldMap->GetPlaceName(dwPlaceID);
        place.strPhoto = pWorldMap->GetPlacePhoto(dwPlaceID);
        place.fPhotoX = pWorldMap->GetPlacePhotoX(dwPlaceID);
        place.fPhotoZ = pWorldMap->GetPlacePhotoZ(dwPlaceID);
        place.canGoPlaces.resize(pWorldMap->GetCanGoPlaceCount(dwPlaceID));
        for (DWORD i = 0; i < place.canGoPlaces.size(); ++i)
            place.canGoPlaces[i] = pWorldMap->GetCanGoPlace(dwPlaceID, i);
        place.strOverScriptName = pWorldMap->GetPlaceOverScriptName(dwPlaceID);
        place.strIntoScriptName = pWorldMap->GetPlaceIntoScriptName(dwPlaceID);
        place.strExitScriptName = pWorldMap->GetPlaceExitScriptName(dwPlaceID);
        place.vPosition = D3DXVECTOR3(place.fPhotoX, 0.0f, place.fPhotoZ);
        m_places.push_back(place);
    }
    return 0;
}

JC_ModuleViewBase* JC_WorldMapDocument::NewView(int iViewIndex)
{
    switch (iViewIndex) {
    case VIEW_SCENE:
        return new JC_WorldMapView0;
    case VIEW_SIGNS:
        return new JC_WorldMapView1;
    case VIEW_WALK:
        return new JC_WorldMapView2;
    default:
        return new JC_WorldMapView3;
    }
}

JC_ControlModuleBase* JC_WorldMapDocument::GetLayoutControl()
{
    return m_Controls.pControlModuleWorldMap;
}

JC_WorldMapView0* JC_WorldMapDocument::SceneView() const
{
    return static_cast<JC_WorldMapView0*>(GetView(VIEW_SCENE));
}

JC_WorldMapView2* JC_WorldMapDocument::WalkView() const
{
    return static_cast<JC_WorldMapView2*>(GetView(VIEW_WALK));
}

DWORD JC_WorldMapDocument::GiveChildViews()
{
    return WalkView()->SetChildView(static_cast<JC_WorldMapView3*>(GetView(VIEW_CONFIRM)));
}

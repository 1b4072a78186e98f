#include "JC_Module/JC_WorldMap/View/JC_WorldMapView0.h"

#include "GameProgram/Common/XF_SourceFile.h"

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "JC_DataManager/Control/JC_ControlModuleWorldMap.h"
#include "JC_DataManager/Control/JC_ControlWorldMap.h"
#include "JC_Module/JC_ModuleMouse.h"
#include "JC_Module/JC_ModuleResource.h"
#include "JC_Module/JC_WorldMap/JC_WorldMapDocument.h"
#include "TemplateSystem/JC_DebugLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD TEXT_COLOR = 0xFFFFFFFF;
const float DEGREE = 0.017453292f;
const float MODEL_SCALE = 0.6f;
const float NAME_APPROACH_DISTANCE = 0.05f;
const DWORD NAME_ALIGNMENT = 1;
const float WHEEL_STEP = 5.0f;
const float SCREEN_WIDTH = 800.0f;
const float SCREEN_HEIGHT = 600.0f;

std::string Key(const char* szName, const char* szSuffix)
{
    return std::string("View0_") + szName + szSuffix;
}

// The model key of a place type; a type without one shows no model.
const char* ModelKey(int iPlaceType)
{
    static const char* const s_szKeys[] = {"View0_PlaceModuleFF", "View0_PlaceModuleTF", "View0_PlaceModuleHF"};
    return iPlaceType >= 0 && iPlaceType < 3 ? s_szKeys[iPlaceType] : nullptr;
}

void SetWorldItemLook(XC_RenderingObject* pItem, float fScale)
{
    pItem->SetInheritScale(1);
    pItem->SetScaleXYZ(fScale, fScale, fScale);
    pItem->SetBillboardingEnable(1);
}

} // namespace

JC_WorldMapView0::~JC_WorldMapView0()
{
    UnbuildView();
}

XC_RenderingObject* JC_WorldMapView0::GetMenuItem(JE_MenuItem eItem) const
{
    if (eItem == ITEM_PHOTO)
        return m_pPhoto.get();
    return eItem >= 0 && eItem < ITEM_PHOTO ? m_pMenuAnimations[eItem].get() : nullptr;
}

XS_PlaceMark* JC_WorldMapView0::GetPlaceMark(DWORD dwPlaceID) const
{
    if (dwPlaceID == 0 || dwPlaceID > m_marks.size())
        return nullptr;
    return m_marks[dwPlaceID - 1].get();
}

void JC_WorldMapView0::ReportItem(int iLine, const char* szName, const std::string& strFile, DWORD dwResult) const
{
    m_Controls.pErrorLog->Print("WorldMap View0 在建立 視窗元件時 發生錯誤 \nItemX:%f , ItemY:%f , ItemZ:%f , ItemF:%s , "
                                "ItemT:%s \n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
                                Layout()->GetItemDataFloat(Key(szName, "X")),
                                Layout()->GetItemDataFloat(Key(szName, "Y")),
                                Layout()->GetItemDataFloat(Key(szName, "Z")), strFile.c_str(), "",
                                static_cast<unsigned>(dwResult), s_szSourceFile, iLine);
}

DWORD JC_WorldMapView0::BuildMenuItem(JE_MenuItem eItem, const char* szName)
{
    const std::string strFile = Layout()->GetItemDataString(Key(szName, "F"));
    m_pMenuAnimations[eItem] = std::make_unique<XC_RenderAnimation>();
    const DWORD dwResult = m_pModuleResource->BuildScreenAnimation(
        m_pMenuAnimations[eItem].get(), AnimationFile(strFile).c_str(), Layout()->GetItemDataFloat(Key(szName, "X")),
        Layout()->GetItemDataFloat(Key(szName, "Y")), Layout()->GetItemDataFloat(Key(szName, "Z")), &m_RenderNode);
    if (dwResult != 0)
        ReportItem(__LINE__, szName, strFile, dwResult);
    return dwResult;
}

DWORD JC_WorldMapView0::BuildPhoto()
{
    const std::string strFile = Layout()->GetItemDataString("View0_PlacePicBKF");
    m_pMenuAnimations[ITEM_PHOTO_BACKGROUND] = std::make_unique<XC_RenderAnimation>();
    XC_RenderAnimation* const pBackground = m_pMenuAnimations[ITEM_PHOTO_BACKGROUND].get();
    DWORD dwResult = m_pModuleResource->BuildWorldAnimation(pBackground, AnimationFile(strFile).c_str(), 0.0f, 0.0f,
                                                            0.0f, nullptr);
    if (dwResult != 0) {
        ReportItem(__LINE__, "PlacePicBK", strFile, dwResult);
        return dwResult;
    }
    SetWorldItemLook(pBackground, Layout()->GetItemDataFloat("View0_AniScale"));
    m_pPhoto = std::make_unique<XC_RenderPic>();
    dwResult = m_pModuleResource->BuildWorldPicture(m_pPhoto.get(), "", 0.0f, 0.0f, 0.0f, nullptr);
    if (dwResult != 0) {
        ReportItem(__LINE__, "PlacePic", "", dwResult);
        return dwResult;
    }
    SetWorldItemLook(m_pPhoto.get(), Layout()->GetItemDataFloat("View0_PicScale"));
    return 0;
}

DWORD JC_WorldMapView0::BuildPlaceMark(DWORD dwPlaceID, XS_PlaceMark& mark)
{
    const JS_WorldMapPlace& place = *Document()->GetPlace(dwPlaceID);
    const float fX = place.fPhotoX;
    const float fZ = place.fPhotoZ;
    const std::string strPlate = AnimationFile(Layout()->GetItemDataString("View0_PlaceBKF"));
    DWORD dwResult = m_pModuleResource->BuildWorldAnimation(&mark.nameBackground, strPlate.c_str(), fX,
                                                            Layout()->GetItemDataFloat("View0_PlaceBKY"), fZ, nullptr);
    if (dwResult != 0) {
        m_Controls.pErrorLog->Print("WorldMapView0 在建立 第%d個據點時 的 據點名稱背景時 發生錯誤 \nPlaceNameBK:%s "
                                    "\n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
                                    static_cast<int>(dwPlaceID), strPlate.c_str(), static_cast<unsigned>(dwResult),
                                    s_szSourceFile, __LINE__);
        return dwResult;
    }
    SetWorldItemLook(&mark.nameBackground, Layout()->GetItemDataFloat("View0_AniScale"));

    mark.bNameEmpty = place.strName.empty();
    dwResult = m_pModuleResource->BuildWorldStringWithText(&mark.name, place.strName.c_str(), TEXT_COLOR, fX,
                                                           Layout()->GetItemDataFloat("View0_PlaceNameY"), fZ, nullptr);
    if (dwResult != 0) {
        m_Controls.pErrorLog->Print("WorldMapView0 在建立 第%d個據點時 的 據點名稱時 發生錯誤 \nPlaceName:%s "
                                    "\n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
                                    static_cast<int>(dwPlaceID), place.strName.c_str(),
                                    static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    SetWorldItemLook(&mark.name, Layout()->GetItemDataFloat("View0_StrScale"));
    mark.name.SetAligeText(NAME_ALIGNMENT);
    mark.name.SetApproachCameraDistance(NAME_APPROACH_DISTANCE);

    const char* const szModelKey = ModelKey(place.iPlaceType);
    const std::string strModel = szModelKey != nullptr ? XFile(Layout()->GetItemDataString(szModelKey)) : "";
    dwResult = m_pModuleResource->BuildWorldMesh(&mark.model, strModel.c_str(), fX,
                                                 Layout()->GetItemDataFloat("View0_PlaceModuleY"), fZ, nullptr);
    if (dwResult != 0) {
        m_Controls.pErrorLog->Print("WorldMapView0 在建立 第%d個據點時 的 據點模型時 發生錯誤 \nTownModel:%s "
                                    "\n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
                                    static_cast<int>(dwPlaceID), strModel.c_str(), static_cast<unsigned>(dwResult),
                                    s_szSourceFile, __LINE__);
        return dwResult;
    }
    mark.model.SetScaleXYZ(MODEL_SCALE, MODEL_SCALE, MODEL_SCALE);
    return 0;
}

DWORD JC_WorldMapView0::BuildView()
{
    UnbuildView();
    m_fMapBoundaryUp = Layout()->GetItemDataFloat("MapBoundaryUp");
    m_fMapBoundaryBottom = Layout()->GetItemDataFloat("MapBoundaryBottom");
    m_fMapBoundaryLeft = Layout()->GetItemDataFloat("MapBoundaryLeft");
    m_fMapBoundaryRight = Layout()->GetItemDataFloat("MapBoundaryRight");
    m_fScrollMargin = Layout()->GetItemDataFloat("ScrollMargin");
    m_fScrollSpeed = Layout()->GetItemDataFloat("ScrollSpeed");
    SetPosition(Layout()->GetItemDataFloat("View0_X"), Layout()->GetItemDataFloat("View0_Y"),
                Layout()->GetItemDataFloat("View0_Z"));

    const std::string strScene = m_Controls.pControlWorldMap->GetMapSceneName();
    DWORD dwResult = m_pModuleResource->BuildScene(&m_Scene, strScene.c_str());
    if (dwResult != 0) {
        m_Controls.pErrorLog->Print("WorldMapView0 在建立 世界地圖模型時 發生錯誤 \nMapSceneName:%s \n錯誤代碼:0x%08x "
                                    "\n錯誤檔案:%s(Line:%d) \n\n",
                                    strScene.c_str(), static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    dwResult = BuildMenuItem(ITEM_MENU_BACKGROUND, "MenuBK");
    if (dwResult == 0)
        dwResult = BuildMenuItem(ITEM_STATE, "MenuState");
    if (dwResult == 0)
        dwResult = BuildMenuItem(ITEM_OPTION, "MenuOption");
    if (dwResult == 0)
        dwResult = BuildPhoto();
    if (dwResult != 0)
        return dwResult;

    const DWORD dwPlaceCount = Document()->GetPlaceCount();
    m_marks.clear();
    for (DWORD dwPlaceID = 1; dwPlaceID <= dwPlaceCount; ++dwPlaceID) {
        m_marks.push_back(std::make_unique<XS_PlaceMark>());
        dwResult = BuildPlaceMark(dwPlaceID, *m_marks.back());
        if (dwResult != 0)
            return dwResult;
    }
    m_bBuilt = 1;
    return 0;
}

DWORD JC_WorldMapView0::UnbuildView()
{
    for (std::unique_ptr<XC_RenderAnimation>& pItem : m_pMenuAnimations)
        pItem.reset();
    m_pPhoto.reset();
    m_marks.clear();
    m_dwSelectedPlace = 0;
    m_bBuilt = 0;
    return 0;
}

void JC_WorldMapView0::PlaceCamera()
{
    XC_CameraMan* const pCamera = WorldCamera();
    if (pCamera == nullptr)
        return;
    pCamera->PlaceCamera(m_Controls.pControlWorldMap->GetPlacePhotoX(m_dwRouteStart),
                         Layout()->GetItemDataFloat("WorldCameraPointY"),
                         m_Controls.pControlWorldMap->GetPlacePhotoZ(m_dwRouteStart),
                         Layout()->GetItemDataFloat("WorldCameraPointZoom"),
                         Layout()->GetItemDataFloat("WorldCameraPointYaw") * DEGREE,
                         Layout()->GetItemDataFloat("WorldCameraPointPitch") * DEGREE);
}

DWORD JC_WorldMapView0::OpenView()
{
    if (!m_bBuilt)
        return 0;
    m_bOpen = 1;
    m_dwRouteStart = m_Controls.pControlWorldMap->GetSitePlaceID();
    PlaceCamera();
    m_Scene.SetShow(1);
    ShowRenderItemPage(m_pMenuAnimations[ITEM_MENU_BACKGROUND].get(), 1, 0);
    ShowRenderItemPage(m_pMenuAnimations[ITEM_STATE].get(), 1, 0);
    ShowRenderItemPage(m_pMenuAnimations[ITEM_OPTION].get(), 1, 0);
    for (const std::unique_ptr<XS_PlaceMark>& pMark : m_marks) {
        if (!pMark->bNameEmpty) {
            ShowRenderItemPage(&pMark->nameBackground, 1, 0);
            ShowRenderItem(&pMark->name, 1);
        }
        ShowRenderItem(&pMark->model, 1);
    }
    SelectPlace(m_dwRouteStart);
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_WorldMapView0::CloseView()
{
    m_Scene.SetShow(0);
    for (std::unique_ptr<XC_RenderAnimation>& pItem : m_pMenuAnimations) {
        if (pItem != nullptr)
            pItem->SetShow(0);
    }
    if (m_pPhoto != nullptr)
        m_pPhoto->SetShow(0);
    for (const std::unique_ptr<XS_PlaceMark>& pMark : m_marks) {
        ShowRenderItemPage(&pMark->nameBackground, 0, 0);
        ShowRenderItem(&pMark->name, 0);
        ShowRenderItem(&pMark->model, 0);
    }
    m_bOpen = 0;
    return 0;
}

DWORD JC_WorldMapView0::Update()
{
    if (!m_bOpen) {
        m_bUpdatePending = 1;
        return 0;
    }
    m_dwRouteStart = m_Controls.pControlWorldMap->GetSitePlaceID();
    m_bUpdatePending = 0;
    return 0;
}

DWORD JC_WorldMapView0::SetViewMode(int iMode)
{
    if (iMode != 0) {
        m_Controls.pErrorLog->Print("View 0 在設定顯示模式時 發生錯誤(該世界地圖視窗 不支援指定的顯示模式) \nViewMode:%d "
                                    "\n錯誤檔案:%s(Line:%d) \n\n",
                                    iMode, s_szSourceFile, __LINE__);
        return JE_WORLDMAPVIEW0_VIEW_MODE_NOT_SUPPORT;
    }
    m_iViewMode = iMode;
    return 0;
}

void JC_WorldMapView0::GetMoveRoute(DWORD* pdwFrom, DWORD* pdwTo) const
{
    *pdwFrom = m_dwRouteStart;
    *pdwTo = m_dwDestination;
}

DWORD JC_WorldMapView0::SelectPlace(DWORD dwPlaceID)
{
    if (dwPlaceID == m_dwSelectedPlace)
        return 0;
    XS_PlaceMark* const pMark = GetPlaceMark(dwPlaceID);
    if (dwPlaceID != 0 && (pMark == nullptr || pMark->bNameEmpty))
        return 0;
    ShowRenderItemPage(m_pMenuAnimations[ITEM_PHOTO_BACKGROUND].get(), 0, 0);
    ShowRenderItem(m_pPhoto.get(), 0);
    if (XS_PlaceMark* const pOld = GetPlaceMark(m_dwSelectedPlace))
        ShowRenderItemPage(&pOld->nameBackground, 1, 0);
    m_dwSelectedPlace = dwPlaceID;
    if (dwPlaceID == 0)
        return 0;

    const JS_WorldMapPlace& place = *Document()->GetPlace(dwPlaceID);
    ShowRenderItemPage(&pMark->nameBackground, 0, 0);
    m_pModuleResource->ChangeWorldPicture(m_pPhoto.get(), PictureFile(place.strPhoto).c_str());
    XC_RenderAnimation* const pBackground = m_pMenuAnimations[ITEM_PHOTO_BACKGROUND].get();
    const D3DXVECTOR3 vUp(0.0f, 1.0f, 0.0f);
    const D3DXVECTOR3 vBackground = place.vPosition + vUp * Layout()->GetItemDataFloat("View0_PlacePicBKY");
    const D3DXVECTOR3 vPhoto = place.vPosition + vUp * Layout()->GetItemDataFloat("View0_PlacePicY");
    if (pBackground != nullptr)
        pBackground->SetPosition(&vBackground);
    if (m_pPhoto != nullptr)
        m_pPhoto->SetPosition(&vPhoto);
    ShowRenderItemPage(pBackground, 1, 0);
    ShowRenderItem(m_pPhoto.get(), 1);
    if (XC_CameraMan* const pCamera = WorldCamera())
        pCamera->SetTargetLookAt(&place.vPosition);
    m_pModuleMouse->CenterCursor();
    return 0;
}

D3DXVECTOR3 JC_WorldMapView0::EdgeScroll(float fElapsedTime) const
{
    const float fMargin = m_fScrollMargin;
    D3DXVECTOR3 vScroll(0.0f, 0.0f, 0.0f);
    // A margin of 0 or less has no edge band.
    if (fMargin <= 0.0f)
        return vScroll;
    const float fX = m_pModuleMouse->GetMouseX();
    const float fY = m_pModuleMouse->GetMouseY();
    const float fStep = fElapsedTime * m_fScrollSpeed / fMargin;
    if (fX > SCREEN_WIDTH - fMargin)
        vScroll.x = (fX - (SCREEN_WIDTH - fMargin)) * fStep;
    else if (fX < fMargin)
        vScroll.x = -(fMargin - fX) * fStep;
    if (fY > SCREEN_HEIGHT - fMargin)
        vScroll.z = -(fY - (SCREEN_HEIGHT - fMargin)) * fStep;
    else if (fY < fMargin)
        vScroll.z = (fMargin - fY) * fStep;
    if (vScroll.x == 0.0f && vScroll.z == 0.0f)
        return vScroll;
    const D3DXVECTOR3& vLookAt = WorldCamera()->GetTargetData()->m_vLookAt;
    if (vScroll.x < 0.0f && vLookAt.x + vScroll.x < m_fMapBoundaryLeft)
        vScroll.x = m_fMapBoundaryLeft - vLookAt.x;
    else if (vScroll.x > 0.0f && vLookAt.x + vScroll.x > m_fMapBoundaryRight)
        vScroll.x = m_fMapBoundaryRight - vLookAt.x;
    if (vScroll.z < 0.0f && vLookAt.z + vScroll.z < m_fMapBoundaryBottom)
        vScroll.z = m_fMapBoundaryBottom - vLookAt.z;
    else if (vScroll.z > 0.0f && vLookAt.z + vScroll.z > m_fMapBoundaryUp)
        vScroll.z = m_fMapBoundaryUp - vLookAt.z;
    return vScroll;
}

DWORD JC_WorldMapView0::FrameMove(float fElapsedTime)
{
    if (!m_bOpen || !m_bActive || WorldCamera() == nullptr)
        return 0;
    D3DXVECTOR3 vOrigin, vDirection;
    if (m_pModuleMouse->GetScreenPickRay(&vOrigin, &vDirection) == 0) {
        for (const JE_MenuItem eItem : {ITEM_MENU_BACKGROUND, ITEM_STATE, ITEM_OPTION}) {
            if (IsRenderItemHit(m_pMenuAnimations[eItem].get(), &vOrigin, &vDirection))
                return 0;
        }
    }
    const D3DXVECTOR3 vScroll = EdgeScroll(fElapsedTime);
    if (vScroll.x != 0.0f || vScroll.z != 0.0f)
        WorldCamera()->AddTargetLookAt(&vScroll);
    return 0;
}

int JC_WorldMapView0::HitButton(const D3DXVECTOR3& vOrigin, const D3DXVECTOR3& vDirection) const
{
    if (IsRenderItemHit(m_pMenuAnimations[ITEM_STATE].get(), &vOrigin, &vDirection))
        return ITEM_STATE;
    if (IsRenderItemHit(m_pMenuAnimations[ITEM_OPTION].get(), &vOrigin, &vDirection))
        return ITEM_OPTION;
    return -1;
}

DWORD JC_WorldMapView0::HitPlace(const D3DXVECTOR3& vOrigin, const D3DXVECTOR3& vDirection) const
{
    for (DWORD i = 0; i < m_marks.size(); ++i) {
        if (IsRenderItemHit(&m_marks[i]->model, &vOrigin, &vDirection))
            return i + 1;
    }
    return 0;
}

DWORD JC_WorldMapView0::ReleaseButton(const D3DXVECTOR3& vOrigin, const D3DXVECTOR3& vDirection)
{
    if (!m_Press.IsPressing())
        return 0;
    const int iPressed = m_Press.GetPressedButton();
    const int iTaken = m_Press.Release(HitButton(vOrigin, vDirection));
    PlayRenderItem(m_pMenuAnimations[iPressed].get(), 0, 0, 0);
    if (iTaken == -1)
        return 0;
    m_dwViewEvent = iTaken == ITEM_OPTION ? EVENT_OPTION : EVENT_STATE;
    return 1;
}

DWORD JC_WorldMapView0::DealLeftButtonDown()
{
    D3DXVECTOR3 vOrigin, vDirection;
    m_pModuleMouse->GetScreenPickRay(&vOrigin, &vDirection);
    const int iButton = HitButton(vOrigin, vDirection);
    if (iButton != -1) {
        PlayRenderItem(m_pMenuAnimations[iButton].get(), 0, 1, 0);
        m_Press.Press(iButton);
        return 0;
    }
    D3DXVECTOR3 vWorldOrigin, vWorldDirection;
    m_pModuleMouse->GetWorldPickRay(&vWorldOrigin, &vWorldDirection);
    const DWORD dwPlaceID = HitPlace(vWorldOrigin, vWorldDirection);
    if (dwPlaceID == 0)
        return 0;
    if (dwPlaceID == m_dwSelectedPlace) {
        m_dwDestination = m_dwSelectedPlace;
        m_dwViewEvent = EVENT_DESTINATION;
        SelectPlace(0);
        return 1;
    }
    SelectPlace(dwPlaceID);
    return ReleaseButton(vOrigin, vDirection);
}

DWORD JC_WorldMapView0::DealWheel(WPARAM wParam) const
{
    XC_CameraMan* const pCamera = WorldCamera();
    if (Layout()->GetItemDataDword("View0_EnableMouseWheel") == 1 && pCamera != nullptr)
        pCamera->AddTargetDistance(static_cast<short>(HIWORD(wParam)) < 0 ? WHEEL_STEP : -WHEEL_STEP);
    return 1;
}

DWORD JC_WorldMapView0::MsgProc(UINT uMsg, WPARAM wParam, LPARAM /*lParam*/)
{
    if (!m_bActive || !m_bBuilt)
        return 0;
    switch (uMsg) {
    case WM_MOUSEWHEEL:
        return DealWheel(wParam);
    case WM_LBUTTONDOWN:
        return DealLeftButtonDown();
    case WM_LBUTTONUP: {
        D3DXVECTOR3 vOrigin, vDirection;
        m_pModuleMouse->GetScreenPickRay(&vOrigin, &vDirection);
        return ReleaseButton(vOrigin, vDirection);
    }
    case WM_RBUTTONDOWN:
        SelectPlace(0);
        return 0;
    default:
        return 0;
    }
}

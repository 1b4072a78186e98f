#include "JC_Module/JC_Town/View/JC_TownModuleView1.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/Resource/XC_AnimationPic.h"
#include "JC_DataManager/Control/JC_ControlWorldMap.h"
#include "JC_Module/JC_ModuleResource.h"
#include "TemplateSystem/JC_DebugLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

JC_TownModuleView1::JC_TownModuleView1() : JC_TownModuleViewBase(1, ITEM_COUNT)
{
}

JC_TownModuleView1::~JC_TownModuleView1()
{
    UnbuildView();
}

DWORD JC_TownModuleView1::InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent,
                                         JC_ModuleMouse* pModuleMouse, JC_ModuleResource* pModuleResource)
{
    DWORD dwResult = JC_TownModuleViewBase::InitiationView(pControlManager, pParent, pModuleMouse, pModuleResource);
    if (dwResult != 0)
        return dwResult;
    dwResult = m_ControlShopObj.Initiation(m_Controls.pDataManager, m_Controls.pBehaviorAnalyser);
    if (dwResult != 0)
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " TownModuleView1 ControlShopObj Initiation Fail. \r\n HRESULT:0x%08x \r\n",
                                      static_cast<unsigned>(dwResult));
    return dwResult;
}

DWORD JC_TownModuleView1::BuildView()
{
    UnbuildView();
    PlaceView();
    DWORD dwResult = BuildAnimationItem(ITEM_BK, "Bk", TRUE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_SELLER, "Seller", FALSE);
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

DWORD JC_TownModuleView1::OpenView()
{
    if (!m_bBuilt)
        return 0;
    ShowRenderItemPage(GetAnimation(ITEM_BK), 1, 0);
    ShowRenderItemPage(GetAnimation(ITEM_SELLER), 1, 0);
    PlayRenderItem(GetAnimation(ITEM_SELLER), 1, 0, 0);
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_TownModuleView1::Update()
{
    if (!m_bOpen) {
        m_bUpdatePending = 1;
        return 0;
    }
    JC_ControlWorldMap* const pWorldMap = m_Controls.pControlWorldMap;
    const DWORD dwPlaceID = pWorldMap->GetSitePlaceID();
    if (pWorldMap->GetPlaceHaveShop(dwPlaceID) == 0)
        return CloseView();
    const DWORD dwShopID = pWorldMap->GetPlaceShopID(dwPlaceID);
    const DWORD dwResult = m_ControlShopObj.DesignateShopID(dwShopID);
    if (dwResult != 0) {
        m_Controls.pErrorLog->PrintAt(
            s_szSourceFile, __LINE__,
            " TownModuleView1 Update ControlShopObj DesignateShopID Fail. \r\n SitePlaceID:0x%08x ShopID:0x%08x \r\n "
            "HRESULT:0x%08x \r\n",
            static_cast<unsigned>(dwPlaceID), static_cast<unsigned>(dwShopID), static_cast<unsigned>(dwResult));
        return dwResult;
    }
    const std::string strSeller = GetPathAni() + m_ControlShopObj.GetSellerPhoto();
    m_pModuleResource->ChangeScreenAnimation(GetAnimation(ITEM_SELLER), strSeller.c_str());
    XC_AnimationPic::LoadAnimationPicAll();
    m_bUpdatePending = 0;
    return 0;
}

DWORD JC_TownModuleView1::MsgProc(UINT /*uMsg*/, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return 0;
}

DWORD JC_TownModuleView1::SetViewMode(int iMode)
{
    if (iMode != 0)
        return RefuseViewMode(iMode, JE_TOWNMODULEVIEW1_VIEW_MODE_NOT_SUPPORT);
    m_iViewMode = iMode;
    return 0;
}

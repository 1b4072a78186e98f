#include "JC_Module/JC_WorldMap/View/JC_WorldMapViewBase.h"

#include "JC_DataManager/Control/JC_ControlModuleWorldMap.h"
#include "JC_Module/JC_WorldMap/JC_WorldMapDocument.h"

DWORD JC_WorldMapViewBase::InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent,
                                          JC_ModuleMouse* pModuleMouse, JC_ModuleResource* pModuleResource)
{
    const DWORD dwResult = JC_ModuleViewBase::InitiationView(pControlManager, pParent, pModuleMouse, pModuleResource);
    if (dwResult != 0)
        return dwResult;
    m_strPathXFile = Layout()->GetItemDataString("PathXFile");
    m_strPathAni = Layout()->GetItemDataString("PathAni");
    m_strPathPic = Layout()->GetItemDataString("PathPic");
    return 0;
}

JC_WorldMapDocument* JC_WorldMapViewBase::Document() const
{
    return static_cast<JC_WorldMapDocument*>(m_pDocument);
}

XC_CameraMan* JC_WorldMapViewBase::WorldCamera() const
{
    return m_pDocument != nullptr ? Document()->GetWorldCameraMan() : nullptr;
}

#include "JC_Module/JC_Option/View/JC_OptionModuleViewBase.h"

#include "JC_DataManager/Control/JC_ControlModuleOption.h"

DWORD JC_OptionModuleViewBase::InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent,
                                              JC_ModuleMouse* pModuleMouse, JC_ModuleResource* pModuleResource)
{
    const DWORD dwResult = JC_ModuleViewBase::InitiationView(pControlManager, pParent, pModuleMouse, pModuleResource);
    if (dwResult != 0)
        return dwResult;
    m_strPathAni = m_Controls.pControlModuleOption->GetItemDataString("PathAni");
    m_strPathPic = m_Controls.pControlModuleOption->GetItemDataString("PathPic");
    return 0;
}

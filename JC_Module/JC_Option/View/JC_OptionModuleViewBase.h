#pragma once

#include "JC_Module/JC_ModuleViewBase.h"

#include <string>

// The views of the option screen: their animations' folder comes from the
// option layout record.
class JC_OptionModuleViewBase : public JC_ModuleViewBase
{
public:
    DWORD InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent, JC_ModuleMouse* pModuleMouse,
                         JC_ModuleResource* pModuleResource) override;

protected:
    // "%s%s" of the animation folder and a layout file text.
    std::string AnimationFile(const std::string& strFile) const { return m_strPathAni + strFile; }

    std::string m_strPathAni;
    std::string m_strPathPic;
};

#pragma once

#include "JC_Module/JC_ModuleViewBase.h"

#include <string>

class JC_ControlModuleWorldMap;
class XC_CameraMan;
class JC_WorldMapDocument;

// The views of the world-map screen: their models', animations' and
// pictures' folders come from the world-map layout record.
class JC_WorldMapViewBase : public JC_ModuleViewBase
{
public:
    DWORD InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent, JC_ModuleMouse* pModuleMouse,
                         JC_ModuleResource* pModuleResource) override;

protected:
    // "%s%s" of a folder and a layout file text; no file stays empty, so
    // the item is built without a resource instead of from the folder.
    std::string XFile(const std::string& strFile) const { return Joined(m_strPathXFile, strFile); }
    std::string AnimationFile(const std::string& strFile) const { return Joined(m_strPathAni, strFile); }
    std::string PictureFile(const std::string& strFile) const { return Joined(m_strPathPic, strFile); }
    JC_ControlModuleWorldMap* Layout() const { return m_Controls.pControlModuleWorldMap; }
    JC_WorldMapDocument* Document() const;
    XC_CameraMan* WorldCamera() const;

    static std::string Joined(const std::string& strFolder, const std::string& strFile)
    {
        return strFile.empty() ? strFile : strFolder + strFile;
    }

    std::string m_strPathXFile;
    std::string m_strPathAni;
    std::string m_strPathPic;
};

#pragma once

#include "GameProgram/Scene/XI_Scene.h"

#include <windows.h>

class XC_Earth;
class XC_Floorer;
class XC_SceneElementManager;
class XC_TextNode;
class XI_EnvironmentOfRender;
class XI_PackFile;

// The stage of a battle: the earth, the scene elements, the world light
// man's lights and fog, and the floor of cells. Loaded from a scene file of
// the pack file, a text tree with one node per part.
class XC_Scene : public XI_Scene
{
public:
    XC_Scene() = default;
    ~XC_Scene() override;
    XC_Scene(const XC_Scene&) = delete;
    XC_Scene& operator=(const XC_Scene&) = delete;

    XC_LightMan* GetWorldLightMan() override;
    XC_CameraMan* GetWorldCameraMan() override;
    XC_LightMan* GetScreenLightMan() override;
    XC_CameraMan* GetScreenCameraMan() override;

    // Builds the parts and binds them to the environment and the pack file,
    // neither of which the scene owns.
    virtual HRESULT Init(XI_EnvironmentOfRender* pEnvironmentOfRender, XI_PackFile* pPackFile);
    virtual HRESULT Fini();
    virtual BOOL IsInited() const;
    virtual HRESULT ClearScene();
    // E_FAIL, with the scene unchanged, only when the pack file lacks the file.
    virtual HRESULT LoadScene(const char* szSceneFileName);
    // Writes the scene file to disk.
    virtual HRESULT SaveScene(const char* szSceneFileName);
    virtual HRESULT _LoadSceneFromTextTree(const XC_TextNode* pTNode);
    virtual HRESULT _SaveSceneToTextTree(XC_TextNode* pTNode);
    virtual void SetShow(BOOL bShow);
    virtual XC_Earth* GetEarth();
    virtual XC_SceneElementManager* GetSEManager();
    virtual XC_Floorer* GetFloorer();
    virtual XI_PackFile* GetPackFile();
    virtual XI_EnvironmentOfRender* GetEnvironmentOfRender();

private:
    // False, with a report, before Init.
    bool HasEnvironment() const;
    // False, with a report, for a null node or before Init.
    bool CanUseTree(const XC_TextNode* pTNode) const;
    // The texture of the floor's cells, a report when it cannot be had.
    void GiveFloorTexture();

    XC_Floorer* m_pFloorer = nullptr;
    XC_Earth* m_pEarth = nullptr;
    XC_SceneElementManager* m_pSEManager = nullptr;
    XI_EnvironmentOfRender* m_pEnvironmentOfRender = nullptr;
    BOOL m_bInited = 0;
    XI_PackFile* m_pPackFile = nullptr;
};

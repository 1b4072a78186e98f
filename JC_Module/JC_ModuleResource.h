#pragma once

#include <windows.h>

class XC_EnvironmentOfRender;
class XC_RenderAnimation;
class XC_RenderNode;
class XC_RenderPic;
class XC_RenderString;
class XC_RenderXFile;
class XC_RenderingObject;
class XC_Scene;

// The byte KK of 0x89E1KK01 (null widget) and 0x89E1KK02 (no resource).
enum JE_ModuleResourceKind : DWORD
{
    JE_MODULERESOURCE_INITIATION = 0x01,
    JE_MODULERESOURCE_SCREEN_ANIMATION = 0x02,
    JE_MODULERESOURCE_SCREEN_PICTURE = 0x03,
    JE_MODULERESOURCE_SCREEN_STRING = 0x04,
    JE_MODULERESOURCE_SCENE = 0x05,
    JE_MODULERESOURCE_WORLD_ANIMATION = 0x06,
    JE_MODULERESOURCE_WORLD_PICTURE = 0x07,
    JE_MODULERESOURCE_WORLD_STRING = 0x08,
    JE_MODULERESOURCE_WORLD_MESH = 0x09,
    JE_MODULERESOURCE_SCREEN_GAME_PICTURE = 0x0A,
};

constexpr DWORD JE_MODULERESOURCE_NULL_ENVIRONMENT = 0x89E10101;

constexpr DWORD JF_ModuleResourceNullWidget(JE_ModuleResourceKind eKind)
{
    return 0x89E10001 | (static_cast<DWORD>(eKind) << 8);
}

constexpr DWORD JF_ModuleResourceNoResource(JE_ModuleResourceKind eKind)
{
    return 0x89E10002 | (static_cast<DWORD>(eKind) << 8);
}

// Turns a screen's layout entry into a drawn widget: loads the resource
// through the engine's managers, puts the widget into the document's render
// environment and frame, hangs it under its parent and places it. Owns
// nothing; a failure leaves the widget where it was.
class JC_ModuleResource
{
public:
    JC_ModuleResource() = default;
    virtual ~JC_ModuleResource() = default;
    JC_ModuleResource(const JC_ModuleResource&) = delete;
    JC_ModuleResource& operator=(const JC_ModuleResource&) = delete;

    virtual DWORD Initiation(XC_EnvironmentOfRender* pEnvironment);

    virtual DWORD BuildScreenStringWithText(XC_RenderString* pItem, const char* szText, DWORD dwColor, float fX,
                                            float fY, float fZ, XC_RenderNode* pParent);
    virtual DWORD BuildScreenString(XC_RenderString* pItem, DWORD dwColor, float fX, float fY, float fZ,
                                    XC_RenderNode* pParent);
    virtual DWORD ChangeScreenPictureOrDefault(XC_RenderPic* pItem, const char* szFile, const char* szDefaultFile);
    virtual DWORD ChangeScreenPicture(XC_RenderPic* pItem, const char* szFile);
    virtual DWORD BuildScreenPicture(XC_RenderPic* pItem, const char* szFile, float fX, float fY, float fZ,
                                     XC_RenderNode* pParent);
    virtual DWORD ChangeScreenAnimationOrDefault(XC_RenderAnimation* pItem, const char* szFile,
                                                 const char* szDefaultFile);
    virtual DWORD ChangeScreenAnimation(XC_RenderAnimation* pItem, const char* szFile);
    virtual DWORD BuildScreenAnimation(XC_RenderAnimation* pItem, const char* szFile, float fX, float fY, float fZ,
                                       XC_RenderNode* pParent);
    virtual DWORD ChangeWorldMesh(XC_RenderXFile* pItem, const char* szFile);
    virtual DWORD BuildWorldMesh(XC_RenderXFile* pItem, const char* szFile, float fX, float fY, float fZ,
                                 XC_RenderNode* pParent);
    virtual DWORD BuildWorldStringWithText(XC_RenderString* pItem, const char* szText, DWORD dwColor, float fX,
                                           float fY, float fZ, XC_RenderNode* pParent);
    virtual DWORD BuildWorldString(XC_RenderString* pItem, DWORD dwColor, float fX, float fY, float fZ,
                                   XC_RenderNode* pParent);
    virtual DWORD ChangeWorldPicture(XC_RenderPic* pItem, const char* szFile);
    virtual DWORD BuildWorldPicture(XC_RenderPic* pItem, const char* szFile, float fX, float fY, float fZ,
                                    XC_RenderNode* pParent);
    virtual DWORD ChangeWorldAnimation(XC_RenderAnimation* pItem, const char* szFile);
    virtual DWORD BuildWorldAnimation(XC_RenderAnimation* pItem, const char* szFile, float fX, float fY, float fZ,
                                      XC_RenderNode* pParent);
    virtual DWORD BuildScene(XC_Scene* pScene, const char* szSceneFile);
    virtual DWORD ChangeScreenGamePicture(XC_RenderPic* pItem, const char* szFile);
    virtual DWORD BuildScreenGamePicture(XC_RenderPic* pItem, const char* szFile, float fX, float fY, float fZ,
                                         XC_RenderNode* pParent);

private:
    DWORD LoadAnimation(XC_RenderAnimation* pItem, const char* szFile, const char* szDefaultFile,
                        JE_ModuleResourceKind eKind) const;
    DWORD LoadPicture(XC_RenderPic* pItem, const char* szFile, const char* szDefaultFile,
                      JE_ModuleResourceKind eKind) const;
    DWORD LoadGamePicture(XC_RenderPic* pItem, const char* szFile) const;
    DWORD LoadMesh(XC_RenderXFile* pItem, const char* szFile) const;
    DWORD SetText(XC_RenderString* pItem, const char* szText, DWORD dwColor, JE_ModuleResourceKind eKind) const;
    // Steps 3 to 6 of every build once its load (dwLoaded) succeeded:
    // environment, frame, parent, place; the load's code when it failed.
    DWORD PlaceLoaded(DWORD dwLoaded, XC_RenderingObject* pItem, DWORD dwCoordinateSystem, float fX, float fY,
                      float fZ, XC_RenderNode* pParent) const;

    XC_EnvironmentOfRender* m_pEnvironment = nullptr;
};

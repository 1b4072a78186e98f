#include "JC_Module/JC_ModuleResource.h"

#include "Code/XC_Game.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderPic.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "GameProgram/RenderingObject/XC_RenderXFile.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/XC_AnimationManager.h"
#include "GameProgram/Resource/XC_TextureManager.h"
#include "GameProgram/Resource/XC_XFileManager.h"
#include "GameProgram/Scene/XC_Scene.h"

namespace {

const DWORD FRAME_WORLD = 0;
const DWORD FRAME_SCREEN = 1;

bool IsEmpty(const char* szText)
{
    return szText == nullptr || szText[0] == '\0';
}

// The manager's texture of the file, or of the default file when one is given.
XC_Texture* TextureOf(XC_TextureManager* pManager, const char* szFile, const char* szDefaultFile)
{
    if (pManager == nullptr)
        return nullptr;
    return szDefaultFile == nullptr ? pManager->GetTexture(szFile) : pManager->GetTextureOrDefault(szFile, szDefaultFile);
}

} // namespace

DWORD JC_ModuleResource::Initiation(XC_EnvironmentOfRender* pEnvironment)
{
    if (pEnvironment == nullptr)
        return JE_MODULERESOURCE_NULL_ENVIRONMENT;
    m_pEnvironment = pEnvironment;
    return 0;
}

DWORD JC_ModuleResource::LoadAnimation(XC_RenderAnimation* pItem, const char* szFile, const char* szDefaultFile,
                                       JE_ModuleResourceKind eKind) const
{
    if (pItem == nullptr)
        return JF_ModuleResourceNullWidget(eKind);
    if (IsEmpty(szFile)) {
        pItem->SetAnimationObject(nullptr, 1);
        return 0;
    }
    if (g_pAnimationManager == nullptr)
        return JF_ModuleResourceNoResource(eKind);
    XC_AnimationObject* const pAnimation = szDefaultFile == nullptr
                                               ? g_pAnimationManager->GetAnimation(szFile)
                                               : g_pAnimationManager->GetAnimationOrDefault(szFile, szDefaultFile);
    if (pAnimation == nullptr)
        return JF_ModuleResourceNoResource(eKind);
    pItem->SetAnimationObject(pAnimation, 1);
    pAnimation->Release();
    return 0;
}

DWORD JC_ModuleResource::LoadPicture(XC_RenderPic* pItem, const char* szFile, const char* szDefaultFile,
                                     JE_ModuleResourceKind eKind) const
{
    if (pItem == nullptr)
        return JF_ModuleResourceNullWidget(eKind);
    if (IsEmpty(szFile)) {
        pItem->SetTextureObj(static_cast<XC_Texture*>(nullptr));
        return 0;
    }
    XC_Texture* const pTexture = TextureOf(g_pTextureManager, szFile, szDefaultFile);
    if (pTexture == nullptr)
        return JF_ModuleResourceNoResource(eKind);
    pItem->SetTextureObj(pTexture);
    pTexture->Release();
    return 0;
}

DWORD JC_ModuleResource::LoadGamePicture(XC_RenderPic* pItem, const char* szFile) const
{
    const JE_ModuleResourceKind eKind = JE_MODULERESOURCE_SCREEN_GAME_PICTURE;
    if (pItem == nullptr)
        return JF_ModuleResourceNullWidget(eKind);
    pItem->SetTextureObj(static_cast<XC_Texture*>(nullptr));
    if (IsEmpty(szFile))
        return 0;
    XC_Texture* const pTexture = TextureOf(g_pGameTextureManager, szFile, nullptr);
    if (pTexture == nullptr)
        return JF_ModuleResourceNoResource(eKind);
    pItem->SetTextureObj(pTexture);
    pTexture->Release();
    return 0;
}

DWORD JC_ModuleResource::LoadMesh(XC_RenderXFile* pItem, const char* szFile) const
{
    const JE_ModuleResourceKind eKind = JE_MODULERESOURCE_WORLD_MESH;
    if (pItem == nullptr)
        return JF_ModuleResourceNullWidget(eKind);
    if (IsEmpty(szFile)) {
        pItem->SetXFileObject(nullptr);
        return 0;
    }
    XC_XFileObject* const pMesh = g_pXFileManager == nullptr ? nullptr : g_pXFileManager->GetXFile(szFile);
    if (pMesh == nullptr)
        return JF_ModuleResourceNoResource(eKind);
    pItem->SetXFileObject(pMesh);
    pMesh->Release();
    return 0;
}

DWORD JC_ModuleResource::SetText(XC_RenderString* pItem, const char* szText, DWORD dwColor,
                                 JE_ModuleResourceKind eKind) const
{
    if (pItem == nullptr)
        return JF_ModuleResourceNullWidget(eKind);
    pItem->SetString(szText == nullptr ? "" : szText, dwColor);
    return 0;
}

DWORD JC_ModuleResource::PlaceLoaded(DWORD dwLoaded, XC_RenderingObject* pItem, DWORD dwCoordinateSystem, float fX,
                                     float fY, float fZ, XC_RenderNode* pParent) const
{
    if (dwLoaded != 0)
        return dwLoaded;
    pItem->SetEnvironmentOfRender(m_pEnvironment);
    pItem->SetCoordinateSystem(dwCoordinateSystem);
    pItem->SetParent(pParent);
    pItem->SetPositionX(fX);
    pItem->SetPositionY(fY);
    pItem->SetPositionZ(fZ);
    return 0;
}

DWORD JC_ModuleResource::BuildScreenStringWithText(XC_RenderString* pItem, const char* szText, DWORD dwColor,
                                                   float fX, float fY, float fZ, XC_RenderNode* pParent)
{
    return PlaceLoaded(SetText(pItem, szText, dwColor, JE_MODULERESOURCE_SCREEN_STRING), pItem, FRAME_SCREEN, fX, fY, fZ,
                       pParent);
}

DWORD JC_ModuleResource::BuildScreenString(XC_RenderString* pItem, DWORD dwColor, float fX, float fY, float fZ,
                                           XC_RenderNode* pParent)
{
    return BuildScreenStringWithText(pItem, "", dwColor, fX, fY, fZ, pParent);
}

DWORD JC_ModuleResource::ChangeScreenPictureOrDefault(XC_RenderPic* pItem, const char* szFile,
                                                      const char* szDefaultFile)
{
    return LoadPicture(pItem, szFile, szDefaultFile == nullptr ? "" : szDefaultFile,
                       JE_MODULERESOURCE_SCREEN_PICTURE);
}

DWORD JC_ModuleResource::ChangeScreenPicture(XC_RenderPic* pItem, const char* szFile)
{
    return LoadPicture(pItem, szFile, nullptr, JE_MODULERESOURCE_SCREEN_PICTURE);
}

DWORD JC_ModuleResource::BuildScreenPicture(XC_RenderPic* pItem, const char* szFile, float fX, float fY, float fZ,
                                            XC_RenderNode* pParent)
{
    return PlaceLoaded(ChangeScreenPicture(pItem, szFile), pItem, FRAME_SCREEN, fX, fY, fZ, pParent);
}

DWORD JC_ModuleResource::ChangeScreenAnimationOrDefault(XC_RenderAnimation* pItem, const char* szFile,
                                                        const char* szDefaultFile)
{
    return LoadAnimation(pItem, szFile, szDefaultFile == nullptr ? "" : szDefaultFile,
                         JE_MODULERESOURCE_SCREEN_ANIMATION);
}

DWORD JC_ModuleResource::ChangeScreenAnimation(XC_RenderAnimation* pItem, const char* szFile)
{
    return LoadAnimation(pItem, szFile, nullptr, JE_MODULERESOURCE_SCREEN_ANIMATION);
}

DWORD JC_ModuleResource::BuildScreenAnimation(XC_RenderAnimation* pItem, const char* szFile, float fX, float fY,
                                              float fZ, XC_RenderNode* pParent)
{
    return PlaceLoaded(ChangeScreenAnimation(pItem, szFile), pItem, FRAME_SCREEN, fX, fY, fZ, pParent);
}

DWORD JC_ModuleResource::ChangeWorldMesh(XC_RenderXFile* pItem, const char* szFile)
{
    return LoadMesh(pItem, szFile);
}

DWORD JC_ModuleResource::BuildWorldMesh(XC_RenderXFile* pItem, const char* szFile, float fX, float fY, float fZ,
                                        XC_RenderNode* pParent)
{
    return PlaceLoaded(LoadMesh(pItem, szFile), pItem, FRAME_WORLD, fX, fY, fZ, pParent);
}

DWORD JC_ModuleResource::BuildWorldStringWithText(XC_RenderString* pItem, const char* szText, DWORD dwColor,
                                                  float fX, float fY, float fZ, XC_RenderNode* pParent)
{
    return PlaceLoaded(SetText(pItem, szText, dwColor, JE_MODULERESOURCE_WORLD_STRING), pItem, FRAME_WORLD, fX, fY, fZ,
                       pParent);
}

DWORD JC_ModuleResource::BuildWorldString(XC_RenderString* pItem, DWORD dwColor, float fX, float fY, float fZ,
                                          XC_RenderNode* pParent)
{
    return BuildWorldStringWithText(pItem, "", dwColor, fX, fY, fZ, pParent);
}

DWORD JC_ModuleResource::ChangeWorldPicture(XC_RenderPic* pItem, const char* szFile)
{
    return LoadPicture(pItem, szFile, nullptr, JE_MODULERESOURCE_WORLD_PICTURE);
}

DWORD JC_ModuleResource::BuildWorldPicture(XC_RenderPic* pItem, const char* szFile, float fX, float fY, float fZ,
                                           XC_RenderNode* pParent)
{
    return PlaceLoaded(ChangeWorldPicture(pItem, szFile), pItem, FRAME_WORLD, fX, fY, fZ, pParent);
}

DWORD JC_ModuleResource::ChangeWorldAnimation(XC_RenderAnimation* pItem, const char* szFile)
{
    return LoadAnimation(pItem, szFile, nullptr, JE_MODULERESOURCE_WORLD_ANIMATION);
}

DWORD JC_ModuleResource::BuildWorldAnimation(XC_RenderAnimation* pItem, const char* szFile, float fX, float fY,
                                             float fZ, XC_RenderNode* pParent)
{
    return PlaceLoaded(ChangeWorldAnimation(pItem, szFile), pItem, FRAME_WORLD, fX, fY, fZ, pParent);
}

DWORD JC_ModuleResource::BuildScene(XC_Scene* pScene, const char* szSceneFile)
{
    if (pScene == nullptr)
        return JF_ModuleResourceNullWidget(JE_MODULERESOURCE_SCENE);
    if (!pScene->IsInited())
        pScene->Init(m_pEnvironment, g_pPackFile_Data);
    else
        pScene->ClearScene();
    // A scene that cannot be loaded stays empty; the screen still opens.
    if (!IsEmpty(szSceneFile))
        pScene->LoadScene(szSceneFile);
    return 0;
}

DWORD JC_ModuleResource::ChangeScreenGamePicture(XC_RenderPic* pItem, const char* szFile)
{
    return LoadGamePicture(pItem, szFile);
}

DWORD JC_ModuleResource::BuildScreenGamePicture(XC_RenderPic* pItem, const char* szFile, float fX, float fY, float fZ,
                                                XC_RenderNode* pParent)
{
    return PlaceLoaded(LoadGamePicture(pItem, szFile), pItem, FRAME_SCREEN, fX, fY, fZ, pParent);
}

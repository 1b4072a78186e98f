#pragma once

#include "GameProgram/Resource/XC_AnimationObject.h"
#include "GameProgram/Resource/XC_ResourceManager.h"

#include <windows.h>

class XC_2DTextureManager;
class XC_IOTextFile;
class XI_MusicManager;
class XI_PackFile;

// The frame animations by ".ant" file name, read from a pack file and shared
// through the resource base. A name that cannot be had gives "error.ant".
// Pictures take their textures from the 2D texture manager, pages their
// sounds from the music manager; this manager owns neither.
class XC_AnimationManager : public XC_ResourceManager
{
public:
    XC_AnimationManager();
    ~XC_AnimationManager() override;

    // Drops every animation first; E_FAIL, keeping none, when one is missing.
    HRESULT Init(XI_PackFile* pPackFile, XC_2DTextureManager* p2DTextureManager, XI_MusicManager* pMusicManager);
    // Deletes every animation, reporting those still held.
    HRESULT Fini();

    // The animation with one reference for the caller, else "error.ant";
    // null when that cannot be had either.
    XC_AnimationObject* GetAnimation(const char* szResourceName);
    // As GetAnimation, trying the default name (when given) before "error.ant".
    XC_AnimationObject* GetAnimationOrDefault(const char* szResourceName, const char* szDefaultName);

    HRESULT CreateObjct(const char* szResourceName, XC_Resource** ppResourceObj) override;
    HRESULT DeleteResource(XC_Resource* pResourceObj) override;

private:
    // The file's lines; E_FAIL when the pack file lacks it.
    HRESULT ReadLines(const char* szResourceName, XC_IOTextFile* pIOTextFileObj);

    XC_2DTextureManager* m_p2DTextureManager;
    XI_MusicManager* m_pMusicManager;
};

// The animation manager of the running device; null while there is none.
extern XC_AnimationManager* g_pAnimationManager;

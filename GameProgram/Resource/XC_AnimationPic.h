#pragma once

#include "GameProgram/DirectState/XC_SetDirectState.h"

#include <windows.h>
#include <d3d9.h>
#include <d3dx9math.h>

#include <set>
#include <string>

class XC_2DTexture;
class XC_2DTextureManager;
class XC_IOTextFile;

// One picture of an animation page: a 2D texture placed by its own matrix
// and drawn with its own blending. Reading a picture does not load its
// texture; every picture read waits in one program-wide set until its
// texture is loaded, when first drawn or earlier in batches.
class XC_AnimationPic
{
public:
    XC_AnimationPic();
    // Leaves the set of pictures waiting for their texture.
    virtual ~XC_AnimationPic();
    XC_AnimationPic(const XC_AnimationPic&) = delete;
    XC_AnimationPic& operator=(const XC_AnimationPic&) = delete;

    // Reads the next line of the file: texture name, winding, the matrix's
    // three columns by rows, colour and alpha operations, blending and the
    // colour. The picture joins the waiting set.
    HRESULT LoadPic(XC_IOTextFile* pIOTextFileObj, XC_2DTextureManager* p2DTextureManager);
    // Loads the texture (or "error.bmp") unless it is loaded.
    HRESULT CheckTextureExist();
    // Leaves the waiting set when not loaded and lets the texture go.
    void ReleaseTexture();

    // Loads the textures of at most dwCount waiting pictures. A texture that
    // cannot be had stops the batch with E_FAIL, its picture still waiting.
    static HRESULT LoadAnimationPic(DWORD dwCount);
    // The same for every waiting picture.
    static HRESULT LoadAnimationPicAll();
    static DWORD GetUnloadPicCount();

    DWORD m_dwColorOp;
    DWORD m_dwAlphaOp;
    BOOL m_bAlphaBlend;
    DWORD m_dwSrcBlend;
    DWORD m_dwDestBlend;
    D3DCOLOR m_dwColor;
    // 1 keeps the quad's winding; another value means the matrix mirrors it.
    int m_iWinding;
    D3DXMATRIX m_matPic;
    XC_2DTexture* m_p2DTextureObj;
    // The picture's device-state changes, in force while it is drawn.
    XC_SetDirectState m_SetDirectState;
    BOOL m_bLoadedTexture;
    char m_szTextureName[MAX_PATH];
    XC_2DTextureManager* m_p2DTextureManager;

private:
    HRESULT ReadPicLine(const char* szLine);
    HRESULT ReadTextureName(const std::string& strName);
    void FillDirectState();
    // Loads the texture of the first waiting picture.
    static HRESULT LoadFirstUnloadPic();

    static std::set<XC_AnimationPic*> m_setUnloadAnimationPic;
};

#pragma once

#include "GameProgram/Resource/XC_ResourceManager.h"
#include "GameProgram/Resource/XC_Texture.h"

#include <windows.h>
#include <d3d9.h>
#include <d3dx9math.h>

class XC_TextureList;
class XI_PackFile;

// The textures of the 3-D world by name. Images are read from the pack file
// through D3DX, handed out counted and shared through the resource base; a
// name that cannot be had falls back to "error.bmp". A name containing ".tl"
// is a texture list, built afresh for every request.
class XC_TextureManager : public XC_ResourceManager
{
public:
    XC_TextureManager();
    ~XC_TextureManager() override;

    // Keeps the pack file (not owned) and builds the unit quad on the
    // device of g_pVar. Must precede every load.
    HRESULT Init(XI_PackFile* pPackFile);
    // Releases the quad and deletes every texture, reporting those still held.
    HRESULT Fini();

    // The texture with one reference for the caller, else "error.bmp"; null
    // only when that cannot be had either.
    XC_Texture* GetTexture(const char* szResourceName);
    // As GetTexture without the "error.bmp" step; a missing texture gives
    // GetTexture of the default name, or null without one.
    XC_Texture* GetTextureOrDefault(const char* szResourceName, const char* szDefaultName);
    // A new list whose one reference belongs to the caller, or null. Lists
    // are not kept in the table; their pages are.
    XC_TextureList* GetTextureList(const char* szResourceName);
    // True for a name that asks for a texture list (it holds ".tl").
    static bool IsTextureListName(const char* szResourceName);

    HRESULT CreateObjct(const char* szResourceName, XC_Resource** ppResourceObj) override;
    HRESULT DeleteResource(XC_Resource* pResourceObj) override;

    // Draws the texture as its image-sized quad under the world matrix. Only
    // the world transform, the stage-0 texture, the stream and the vertex
    // format are set; every other state is the caller's.
    HRESULT RenderTexture(XC_Texture* pTexture, const D3DXMATRIX* pmatWorld);

    // The box shown when a texture cannot be created blocks the program: it
    // is on by default and must be switched off for unattended runs.
    void SetMessageBox(BOOL bShow);

private:
    // Steps 1 and 2 of GetTexture: a list or a table entry, or null.
    XC_Texture* FindOrLoad(const char* szResourceName);
    HRESULT CreateTexture(const char* szResourceName, const BYTE* pData, DWORD dwSize, XC_Resource** ppResourceObj);
    void ShowCreateFailure(HRESULT hr) const;
    void ReleaseVertexBuffer();

    IDirect3DVertexBuffer9* m_pVB;
    BOOL m_bMessageBox;
};

// The texture manager of the running device; null while there is none.
extern XC_TextureManager* g_pTextureManager;

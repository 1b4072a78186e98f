#pragma once

#include "GameProgram/Common/XC_PtrArrayList.h"
#include "GameProgram/Common/XC_Timer.h"
#include "GameProgram/Resource/XC_Texture.h"

#include <windows.h>
#include <d3d9.h>
#include <d3dx9math.h>

class XC_TextNode;

// A texture that changes with time: pages of the texture manager shown one
// after another, each for the frame time. Described by a ".tl" text tree
// whose "[Sys]" node names the pages in "[List]" or as a numbered
// "TextureBatch". Not kept by any manager: it starts with one reference,
// owned by whoever asked for it, and its last release destroys it.
class XC_TextureList : public XC_Texture, public XC_Timer
{
public:
    XC_TextureList();
    ~XC_TextureList() override;

    void Release() override;
    // The current page's texture, null without pages.
    IDirect3DTexture9* GetTexture() const override;
    // Draws the current page at its own image size.
    HRESULT Render(const D3DXMATRIX* pmatWorld) override;

    // Parses the block as a text tree and loads its "[Sys]" node.
    virtual HRESULT LoadMem(const void* pData, DWORD dwSize);
    // "[List]" first, "TextureBatch" only when that fails; then "fFrameTime".
    virtual HRESULT Load(const XC_TextNode* pTNode);
    // Releases every page.
    virtual HRESULT ClearPages();
    // Appends a page, taking over the caller's reference.
    virtual void AddPage(XC_Texture* pTexture);
    // Seconds per page; a time that is not above 0 is refused.
    virtual void SetFrameTime(float fFrameTime);
    virtual float GetFrameTime() const;
    virtual DWORD GetPageCount() const;
    // The page shown at fTime for a caller that keeps its own time; the
    // pages repeat in both directions. Null without pages.
    virtual IDirect3DTexture9* GetTextureAtTime(float fTime) const;
    // Null, with a report, past the last page.
    virtual IDirect3DTexture9* GetPageTexture(DWORD dwPage) const;
    // E_FAIL without a report when the node has no "[List]".
    virtual HRESULT LoadList(const XC_TextNode* pTNode);
    // "pattern , first ~ last , digits": each number from first to last put
    // in place of "(*)", zero-padded to the digit count. No "TextureBatch"
    // leaf gives S_OK with no pages.
    virtual HRESULT LoadBatch(const XC_TextNode* pTNode);

    // Turns the page once the timer has passed the frame time; the time
    // beyond it is dropped and at most one page turns per frame.
    void Update(float fDelta) override;

private:
    // Takes the named page from the texture manager; none: every page goes.
    HRESULT AddNamedPage(const char* szTextureName);
    IDirect3DTexture9* TextureOfPage(DWORD dwPage) const;

    XC_PtrArrayList<XC_Texture> m_PAL_Texture;
    float m_fFrameTime;
    DWORD m_dwCurrentPage;
};

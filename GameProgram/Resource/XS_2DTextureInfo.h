#pragma once

#include <windows.h>
#include <d3d9.h>

#include <vector>

// One piece of a 2D texture: cells that all lie in one shared texture, drawn
// from its own vertex buffer of six vertices a cell.
struct XS_2DTextureInfo
{
    XS_2DTextureInfo() = default;
    // Releases the vertex buffer.
    ~XS_2DTextureInfo();
    XS_2DTextureInfo(const XS_2DTextureInfo&) = delete;
    XS_2DTextureInfo& operator=(const XS_2DTextureInfo&) = delete;

    // The shared texture; not owned.
    IDirect3DTexture9* m_p2DTexBuf = nullptr;
    IDirect3DVertexBuffer9* m_pVB = nullptr;
    // The index of the shared texture in the manager's list.
    DWORD m_dwTextureID = 0xFFFFFFFF;
    // The slots used, in cell order.
    std::vector<DWORD> m_SlotList;
};

#pragma once

#include <windows.h>
#include <d3d9.h>

#include <vector>

// One shared square texture of the 2D texture manager, cut into slots that
// hold the cells of many images, with a bit per texel of level 0 that marks
// it transparent.
struct XS_2DTextureBuffer
{
    XS_2DTextureBuffer() = default;
    // Releases the texture.
    virtual ~XS_2DTextureBuffer();
    XS_2DTextureBuffer(const XS_2DTextureBuffer&) = delete;
    XS_2DTextureBuffer& operator=(const XS_2DTextureBuffer&) = delete;

    // Marks the lowest free slot used and gives its number; the caller has
    // made sure that one is free.
    DWORD TakeLowestFreeSlot();
    // Marks a used slot free again.
    void FreeSlot(DWORD dwSlot);
    // Bit (y × width + x) of the colour-key bit map: 1 marks a transparent texel.
    bool IsTransparent(DWORD dwPos) const;
    void SetTransparent(DWORD dwPos, bool bTransparent);

    IDirect3DTexture9* pTexture = nullptr;
    // One entry a slot: 0 free, 1 used.
    std::vector<DWORD> SlotState;
    DWORD dwFreeSlotCount = 0;
    D3DFORMAT Format = D3DFMT_UNKNOWN;
    // Bit (index mod 8) of byte (index / 8), row by row.
    std::vector<BYTE> ColorKeyBuffer;
};

#include "GameProgram/Resource/XS_2DTextureBuffer.h"

XS_2DTextureBuffer::~XS_2DTextureBuffer()
{
    if (pTexture != nullptr)
        pTexture->Release();
}

DWORD XS_2DTextureBuffer::TakeLowestFreeSlot()
{
    DWORD dwSlot = 0;
    while (dwSlot < SlotState.size() && SlotState[dwSlot] != 0)
        ++dwSlot;
    SlotState[dwSlot] = 1;
    --dwFreeSlotCount;
    return dwSlot;
}

void XS_2DTextureBuffer::FreeSlot(DWORD dwSlot)
{
    if (SlotState[dwSlot] == 0)
        return;
    SlotState[dwSlot] = 0;
    ++dwFreeSlotCount;
}

bool XS_2DTextureBuffer::IsTransparent(DWORD dwPos) const
{
    return (ColorKeyBuffer[dwPos / 8] >> (dwPos % 8) & 1) != 0;
}

void XS_2DTextureBuffer::SetTransparent(DWORD dwPos, bool bTransparent)
{
    const BYTE bMask = static_cast<BYTE>(1 << (dwPos % 8));
    if (bTransparent)
        ColorKeyBuffer[dwPos / 8] |= bMask;
    else
        ColorKeyBuffer[dwPos / 8] &= static_cast<BYTE>(~bMask);
}

#pragma once

#include "GameProgram/Common/XC_PtrArrayList.h"
#include "GameProgram/Resource/XC_2DTexture.h"
#include "GameProgram/Resource/XC_ResourceManager.h"
#include "GameProgram/Resource/XS_2DTextureBuffer.h"

#include <windows.h>
#include <d3d9.h>
#include <d3dx9.h>

#include <memory>
#include <vector>

class XI_PackFile;
struct VERTEX_XYZ_TEX1;

// The small images of the interface and of frame animations. Every image is
// cut into square cells; cells with an opaque pixel are packed, with a
// one-texel border copied from their neighbours, into the slots of a few
// shared textures. Hands out counted 2D textures by name through the
// resource base and falls back to "error.bmp".
class XC_2DTextureManager : public XC_ResourceManager
{
public:
    XC_2DTextureManager();
    ~XC_2DTextureManager() override;

    // Texture and slot widths are raised to powers of two from 8; a texture
    // over 1024 or a slot wider than the texture is refused.
    HRESULT Init(XI_PackFile* pPackFile, DWORD dwTextureWidth, DWORD dwSlotWidth);
    // Deletes every image and shared texture.
    HRESULT Fini();

    // The image with one reference, else "error.bmp"; null when neither loads.
    XC_2DTexture* GetTexture(const char* szResourceName);
    // Null, with a report, past the last shared texture.
    XS_2DTextureBuffer* GetTextureBuffer(DWORD dwIndex) const;
    DWORD GetTextureBufferCount() const;
    // Draws a shared texture at the screen's top left, to look at the packing.
    void RenderTextureBuffer(DWORD dwIndex);
    DWORD GetTextureWidth() const;

    HRESULT CreateObjct(const char* szResourceName, XC_Resource** ppResourceObj) override;
    // Frees the image's slots; their texels stay until another image takes them.
    HRESULT DeleteResource(XC_Resource* pResourceObj) override;

private:
    typedef std::vector<std::unique_ptr<XS_2DTextureInfo>> PieceList;
    struct LockedImage;
    struct ImageCells;

    static const DWORD SCRATCH_SURFACE_COUNT = 5;

    // The first shared texture of the format with enough free slots, else a new one.
    HRESULT _FindTextureBufferUsability(DWORD dwNeedSlotCount, D3DFORMAT format, DWORD* pdwBufferIndex);
    HRESULT NewTextureBuffer(D3DFORMAT format);
    // Pack the image with 32-bit A8R8G8B8 or 16-bit A1R5G5B5 texels. A
    // failure gives back every slot the image took.
    HRESULT _LoadImage32(const BYTE* pData, DWORD dwSize, const D3DXIMAGE_INFO* pImageInfo, PieceList* pPieces);
    HRESULT _LoadImage16(const BYTE* pData, DWORD dwSize, const D3DXIMAGE_INFO* pImageInfo, PieceList* pPieces);
    HRESULT PackImage(const BYTE* pData, DWORD dwSize, const D3DXIMAGE_INFO* pImageInfo, D3DFORMAT format,
                      PieceList* pPieces);
    ImageCells MarkCells(const LockedImage& image) const;
    bool HasOpaquePixel(const LockedImage& image, DWORD dwLeft, DWORD dwTop) const;
    HRESULT PackCells(const LockedImage& image, const ImageCells& cells, D3DFORMAT format, PieceList* pPieces);
    // Fills the piece with the next marked cells from *pdwCell on.
    HRESULT FillPiece(const LockedImage& image, const ImageCells& cells, DWORD dwSlotCount, DWORD* pdwCell,
                      XS_2DTextureInfo* pPiece);
    void WriteCell(const LockedImage& image, const ImageCells& cells, DWORD dwCell, DWORD dwSlot,
                   XS_2DTextureBuffer* pTextureBuffer, const D3DLOCKED_RECT& texels,
                   VERTEX_XYZ_TEX1* pVertices) const;
    void WriteCellQuad(const LockedImage& image, DWORD dwColumn, DWORD dwRow, DWORD dwSlotX, DWORD dwSlotY,
                       VERTEX_XYZ_TEX1* pVertices) const;
    // The image row (or column) that slot row (or column) dwSlotIndex of the
    // cell in that row (or column) takes.
    DWORD SourceIndex(DWORD dwCell, DWORD dwCellCount, DWORD dwSlotIndex) const;
    void FreeSlots(const PieceList& pieces);
    // The smallest scratch surface of the format that holds the image, or null.
    IDirect3DSurface9* ScratchSurfaceFor(DWORD dwWidth, DWORD dwHeight, D3DFORMAT format) const;
    void CreateScratchSurfaces(IDirect3DDevice9* pD3DDevice);
    void ReleaseScratchSurfaces();
    void DeleteTextureBuffers();

    XC_PtrArrayList<XS_2DTextureBuffer> m_PAL_2DTextureBuffer;
    DWORD m_dwTextureWidth;
    DWORD m_dwSlotWidth;
    DWORD m_dwSlotsPerRow;
    DWORD m_dwTextureSlotCount;
    // A cell is a slot less its border.
    DWORD m_dwImageSlotWidth;
    // Edges 64, 128, 256, 512 and 1024, to decode images into.
    IDirect3DSurface9* m_rpSurface32[SCRATCH_SURFACE_COUNT];
    IDirect3DSurface9* m_rpSurface16[SCRATCH_SURFACE_COUNT];
};

// The 2D texture manager of the running device; null while there is none.
extern XC_2DTextureManager* g_p2DTextureManager;

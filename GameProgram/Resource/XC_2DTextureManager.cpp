#include "GameProgram/Resource/XC_2DTextureManager.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "GameProgram/Resource/VERTEX_XYZ_TEX1.h"

#include <algorithm>
#include <cstring>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_2DTextureManager* g_p2DTextureManager = nullptr;

namespace {

const char* const ERROR_TEXTURE_NAME = "error.bmp";
// Opaque pure green becomes transparent.
const D3DCOLOR COLOR_KEY = 0xFF00FF00;
const DWORD MIN_WIDTH = 8;
const DWORD MAX_IMAGE_EDGE = 1024;
const DWORD SURFACE_EDGES[] = {64, 128, 256, 512, 1024};

// The smallest power of two from 8 on that is not below the request; past
// 1024 the search stops with 2048.
DWORD PowerOfTwoFrom8(DWORD dwRequested)
{
    DWORD dwWidth = MIN_WIDTH;
    while (dwWidth < dwRequested && dwWidth <= MAX_IMAGE_EDGE)
        dwWidth *= 2;
    return dwWidth;
}

DWORD BytesPerTexel(D3DFORMAT format)
{
    return format == D3DFMT_A8R8G8B8 ? 4 : 2;
}

bool IsOpaque(DWORD dwTexel, D3DFORMAT format)
{
    if (format == D3DFMT_A8R8G8B8)
        return (dwTexel >> 24) != 0;
    return (dwTexel & 0x8000) != 0;
}

DWORD ReadTexel(const BYTE* pRow, DWORD dwX, DWORD dwBytes)
{
    if (dwBytes == 4) {
        DWORD dwTexel = 0;
        std::memcpy(&dwTexel, pRow + dwX * 4, 4);
        return dwTexel;
    }
    WORD wTexel = 0;
    std::memcpy(&wTexel, pRow + dwX * 2, 2);
    return wTexel;
}

void WriteTexel(BYTE* pRow, DWORD dwX, DWORD dwBytes, DWORD dwTexel)
{
    if (dwBytes == 4) {
        std::memcpy(pRow + dwX * 4, &dwTexel, 4);
        return;
    }
    const WORD wTexel = static_cast<WORD>(dwTexel);
    std::memcpy(pRow + dwX * 2, &wTexel, 2);
}

const char* FormatName(D3DFORMAT format)
{
    return format == D3DFMT_A8R8G8B8 ? "D3DFMT_A8R8G8B8" : "D3DFMT_A1R5G5B5";
}

} // namespace

// The decoded image in a locked scratch surface.
struct XC_2DTextureManager::LockedImage
{
    const BYTE* pBits;
    INT iPitch;
    DWORD dwWidth;
    DWORD dwHeight;
    D3DFORMAT format;

    DWORD Texel(DWORD dwX, DWORD dwY) const { return ReadTexel(pBits + dwY * iPitch, dwX, BytesPerTexel(format)); }
    bool IsOpaqueAt(DWORD dwX, DWORD dwY) const { return IsOpaque(Texel(dwX, dwY), format); }
};

// The image's cells, row by row from the top left, and which of them hold an
// opaque pixel.
struct XC_2DTextureManager::ImageCells
{
    DWORD dwColumns = 0;
    DWORD dwRows = 0;
    std::vector<DWORD> Marked;
    DWORD dwMarkedCount = 0;
};

XC_2DTextureManager::XC_2DTextureManager()
    : m_dwTextureWidth(0)
    , m_dwSlotWidth(0)
    , m_dwSlotsPerRow(0)
    , m_dwTextureSlotCount(0)
    , m_dwImageSlotWidth(0)
    , m_rpSurface32()
    , m_rpSurface16()
{
    SetManagerName("XC_2DTextureManager");
}

XC_2DTextureManager::~XC_2DTextureManager()
{
    ReleaseScratchSurfaces();
    DeleteTextureBuffers();
}

HRESULT XC_2DTextureManager::Init(XI_PackFile* pPackFile, DWORD dwTextureWidth, DWORD dwSlotWidth)
{
    const DWORD dwRoundTextureWidth = PowerOfTwoFrom8(dwTextureWidth);
    // The slot arithmetic needs a power of two: a slot width is raised as
    // the texture width is.
    const DWORD dwRoundSlotWidth = PowerOfTwoFrom8(dwSlotWidth);
    if (dwRoundTextureWidth > MAX_IMAGE_EDGE || dwRoundSlotWidth > dwRoundTextureWidth) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("XC_2DTextureManager::Init , dwTextureWidth = %u , dwSlotWidth = %u",
                                     static_cast<unsigned>(dwTextureWidth), static_cast<unsigned>(dwSlotWidth)));
        return E_FAIL;
    }
    // Shared textures of other sizes would be written past their edges.
    if (m_PAL_2DTextureBuffer.Count() > 0) {
        XM_REPORT_FAILED("m_PAL_2DTextureBuffer.Count() == 0");
        return E_FAIL;
    }
    IDirect3DDevice9* const pD3DDevice = g_pVar->g_pD3DDevice;
    if (pD3DDevice == nullptr) {
        XM_REPORT_FAILED("g_pVar->g_pD3DDevice");
        return E_FAIL;
    }
    if (FAILED(SetPackFile(pPackFile)))
        return E_FAIL;
    m_dwTextureWidth = dwRoundTextureWidth;
    m_dwSlotWidth = dwRoundSlotWidth;
    ReleaseScratchSurfaces();
    CreateScratchSurfaces(pD3DDevice);
    m_dwSlotsPerRow = m_dwTextureWidth / m_dwSlotWidth;
    m_dwTextureSlotCount = m_dwSlotsPerRow * m_dwSlotsPerRow;
    m_dwImageSlotWidth = m_dwSlotWidth - 2;
    return S_OK;
}

void XC_2DTextureManager::CreateScratchSurfaces(IDirect3DDevice9* pD3DDevice)
{
    for (DWORD i = 0; i < SCRATCH_SURFACE_COUNT; ++i) {
        const UINT uEdge = SURFACE_EDGES[i];
        for (D3DFORMAT format : {D3DFMT_A8R8G8B8, D3DFMT_A1R5G5B5}) {
            IDirect3DSurface9** const ppSurface =
                format == D3DFMT_A8R8G8B8 ? &m_rpSurface32[i] : &m_rpSurface16[i];
            const HRESULT hr =
                pD3DDevice->CreateOffscreenPlainSurface(uEdge, uEdge, format, D3DPOOL_SCRATCH, ppSurface, nullptr);
            if (FAILED(hr)) {
                *ppSurface = nullptr;
                XF_ReportError(s_szSourceFile, __LINE__,
                               XF_FormatText("( CreateOffscreenPlainSurface( %u , %u , %s , D3DPOOL_SCRATCH ) ) "
                                             "failed , hr = %x ",
                                             uEdge, uEdge, FormatName(format), static_cast<unsigned>(hr)));
            }
        }
    }
}

void XC_2DTextureManager::ReleaseScratchSurfaces()
{
    for (DWORD i = 0; i < SCRATCH_SURFACE_COUNT; ++i) {
        for (IDirect3DSurface9** ppSurface : {&m_rpSurface32[i], &m_rpSurface16[i]}) {
            if (*ppSurface != nullptr)
                (*ppSurface)->Release();
            *ppSurface = nullptr;
        }
    }
}

HRESULT XC_2DTextureManager::Fini()
{
    ReleaseScratchSurfaces();
    const HRESULT hr = DeleteAllResource();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("DeleteAllResource()", hr);
    DeleteTextureBuffers();
    return S_OK;
}

void XC_2DTextureManager::DeleteTextureBuffers()
{
    for (DWORD i = 0; i < m_PAL_2DTextureBuffer.Count(); ++i)
        delete m_PAL_2DTextureBuffer.GetPtr(i);
    m_PAL_2DTextureBuffer.RemoveAll();
}

XC_2DTexture* XC_2DTextureManager::GetTexture(const char* szResourceName)
{
    // Every resource of this manager is made by CreateObjct as a 2D texture.
    XC_Resource* const pResourceObj = GetResource(szResourceName);
    if (pResourceObj != nullptr)
        return static_cast<XC_2DTexture*>(pResourceObj);
    return static_cast<XC_2DTexture*>(GetResource(ERROR_TEXTURE_NAME));
}

DWORD XC_2DTextureManager::GetTextureBufferCount() const
{
    return m_PAL_2DTextureBuffer.Count();
}

XS_2DTextureBuffer* XC_2DTextureManager::GetTextureBuffer(DWORD dwIndex) const
{
    XS_2DTextureBuffer* const pTextureBuffer = m_PAL_2DTextureBuffer.GetPtr(dwIndex);
    if (pTextureBuffer == nullptr)
        XM_REPORT_FAILED("dwIndex < m_PAL_2DTextureBuffer.Count()");
    return pTextureBuffer;
}

void XC_2DTextureManager::RenderTextureBuffer(DWORD dwIndex)
{
    const XS_2DTextureBuffer* const ps2DTextureBuffer = GetTextureBuffer(dwIndex);
    if (ps2DTextureBuffer == nullptr) {
        XM_REPORT_FAILED("ps2DTextureBuffer");
        return;
    }
    const HRESULT hr = XF_RenderTextureRHW(ps2DTextureBuffer->pTexture);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("XF_RenderTextureRHW( pTexture )", hr);
}

DWORD XC_2DTextureManager::GetTextureWidth() const
{
    return m_dwTextureWidth;
}

HRESULT XC_2DTextureManager::CreateObjct(const char* szResourceName, XC_Resource** ppResourceObj)
{
    const std::unique_ptr<XS_FileData> pFileData = ReadPackFile(
        szResourceName, s_szSourceFile, __LINE__, "XC_2DTextureManager::Create2DTexture\n\tLoad \"%s\" Error");
    if (pFileData == nullptr)
        return E_FAIL;
    D3DXIMAGE_INFO ImageInfo;
    HRESULT hr = D3DXGetImageInfoFromFileInMemory(pFileData->pData, pFileData->dwSize, &ImageInfo);
    if (FAILED(hr)) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("D3DXGetImageInfoFromFileInMemory %s , hr = %x", szResourceName,
                                     static_cast<unsigned>(hr)));
        return E_FAIL;
    }
    PieceList pieces;
    if (ImageInfo.Format == D3DFMT_A8R8G8B8)
        hr = _LoadImage32(pFileData->pData, pFileData->dwSize, &ImageInfo, &pieces);
    else
        hr = _LoadImage16(pFileData->pData, pFileData->dwSize, &ImageInfo, &pieces);
    if (FAILED(hr)) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("XC_2DTextureManager::_LoadImage %s , hr = %x", szResourceName,
                                     static_cast<unsigned>(hr)));
        return E_FAIL;
    }
    XC_2DTexture* const pTextureObj = new XC_2DTexture;
    pTextureObj->m_fWidth = static_cast<float>(ImageInfo.Width);
    pTextureObj->m_fHeight = static_cast<float>(ImageInfo.Height);
    pTextureObj->m_Pieces = std::move(pieces);
    *ppResourceObj = pTextureObj;
    return S_OK;
}

HRESULT XC_2DTextureManager::DeleteResource(XC_Resource* pResourceObj)
{
    if (pResourceObj == nullptr) {
        XM_REPORT_FAILED("pResourceObj");
        return E_FAIL;
    }
    XC_2DTexture* const pTextureObj = dynamic_cast<XC_2DTexture*>(pResourceObj);
    if (pTextureObj == nullptr) {
        XM_REPORT_FAILED("pTextureObj");
        return E_FAIL;
    }
    FreeSlots(pTextureObj->m_Pieces);
    delete pTextureObj;
    return S_OK;
}

void XC_2DTextureManager::FreeSlots(const PieceList& pieces)
{
    for (const std::unique_ptr<XS_2DTextureInfo>& pPiece : pieces) {
        XS_2DTextureBuffer* const pTextureBuffer = m_PAL_2DTextureBuffer.GetPtr(pPiece->m_dwTextureID);
        if (pTextureBuffer == nullptr) {
            XM_REPORT_FAILED("p2DTextureInfo->m_dwTextureID < m_PAL_2DTextureBuffer.Count()");
            continue;
        }
        for (DWORD dwSlotNum : pPiece->m_SlotList) {
            if (dwSlotNum >= m_dwTextureSlotCount) {
                XM_REPORT_FAILED("dwSlotNum < m_dwTextureSlotCount");
                continue;
            }
            pTextureBuffer->FreeSlot(dwSlotNum);
        }
    }
}

HRESULT XC_2DTextureManager::_FindTextureBufferUsability(DWORD dwNeedSlotCount, D3DFORMAT format,
                                                         DWORD* pdwBufferIndex)
{
    for (DWORD i = 0; i < m_PAL_2DTextureBuffer.Count(); ++i) {
        const XS_2DTextureBuffer* const pTextureBuffer = m_PAL_2DTextureBuffer.GetPtr(i);
        if (pTextureBuffer->Format == format && pTextureBuffer->dwFreeSlotCount >= dwNeedSlotCount) {
            *pdwBufferIndex = i;
            return S_OK;
        }
    }
    if (dwNeedSlotCount > m_dwTextureSlotCount) {
        XM_REPORT_FAILED("dwNeedSlotCount <= m_dwTextureSlotCount");
        return E_FAIL;
    }
    const HRESULT hr = NewTextureBuffer(format);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("NewTextureBuffer( format )", hr);
        return hr;
    }
    *pdwBufferIndex = m_PAL_2DTextureBuffer.Count() - 1;
    return S_OK;
}

HRESULT XC_2DTextureManager::NewTextureBuffer(D3DFORMAT format)
{
    if (format != D3DFMT_A8R8G8B8 && format != D3DFMT_A1R5G5B5) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("2DTextureManager::NewTextureBuffer , format = %u", static_cast<unsigned>(format)));
        return E_FAIL;
    }
    IDirect3DDevice9* const pD3DDevice = g_pVar->g_pD3DDevice;
    if (pD3DDevice == nullptr) {
        XM_REPORT_FAILED("g_pVar->g_pD3DDevice");
        return E_FAIL;
    }
    std::unique_ptr<XS_2DTextureBuffer> p2DTextureBuffer(new XS_2DTextureBuffer);
    HRESULT hr = D3DXCreateTexture(pD3DDevice, m_dwTextureWidth, m_dwTextureWidth, 0, 0, format, D3DPOOL_MANAGED,
                                   &p2DTextureBuffer->pTexture);
    if (FAILED(hr)) {
        p2DTextureBuffer->pTexture = nullptr;
        XF_ReportError(s_szSourceFile, __LINE__, "建造材質錯誤 , 2DTextureManager::NewTextureBuffer");
        return E_FAIL;
    }
    p2DTextureBuffer->SlotState.assign(m_dwTextureSlotCount, 0);
    p2DTextureBuffer->dwFreeSlotCount = m_dwTextureSlotCount;
    p2DTextureBuffer->Format = format;
    p2DTextureBuffer->ColorKeyBuffer.assign((m_dwTextureWidth * m_dwTextureWidth + 7) / 8, 0);
    hr = m_PAL_2DTextureBuffer.Add(p2DTextureBuffer.get());
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_PAL_2DTextureBuffer.Add( p2DTextureBuffer )", hr);
        return hr;
    }
    p2DTextureBuffer.release();
    return S_OK;
}

HRESULT XC_2DTextureManager::_LoadImage32(const BYTE* pData, DWORD dwSize, const D3DXIMAGE_INFO* pImageInfo,
                                          PieceList* pPieces)
{
    return PackImage(pData, dwSize, pImageInfo, D3DFMT_A8R8G8B8, pPieces);
}

HRESULT XC_2DTextureManager::_LoadImage16(const BYTE* pData, DWORD dwSize, const D3DXIMAGE_INFO* pImageInfo,
                                          PieceList* pPieces)
{
    return PackImage(pData, dwSize, pImageInfo, D3DFMT_A1R5G5B5, pPieces);
}

HRESULT XC_2DTextureManager::PackImage(const BYTE* pData, DWORD dwSize, const D3DXIMAGE_INFO* pImageInfo,
                                       D3DFORMAT format, PieceList* pPieces)
{
    const DWORD dwImageWidth = pImageInfo->Width;
    const DWORD dwImageHeight = pImageInfo->Height;
    if (dwImageWidth == 0 || dwImageHeight == 0) {
        XM_REPORT_FAILED("dwImageWidth > 0 && dwImageHeight > 0");
        return E_FAIL;
    }
    if (dwImageWidth > MAX_IMAGE_EDGE || dwImageHeight > MAX_IMAGE_EDGE) {
        XM_REPORT_FAILED("dwImageWidth <= 1024 && dwImageHeight <= 1024");
        return E_FAIL;
    }
    IDirect3DSurface9* const pSurface = ScratchSurfaceFor(dwImageWidth, dwImageHeight, format);
    if (pSurface == nullptr) {
        XM_REPORT_FAILED("pSurface");
        return E_FAIL;
    }
    HRESULT hr = D3DXLoadSurfaceFromFileInMemory(pSurface, nullptr, nullptr, pData, dwSize, nullptr,
                                                 D3DX_FILTER_NONE, COLOR_KEY, nullptr);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("D3DXLoadSurfaceFromFileInMemory( pSurface , NULL , NULL , pData , dwSize , NULL , "
                            "D3DX_FILTER_NONE , 0xFF00FF00 , NULL )",
                            hr);
        return hr;
    }
    D3DLOCKED_RECT locked;
    hr = pSurface->LockRect(&locked, nullptr, D3DLOCK_READONLY);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("pSurface->LockRect( &LockedRect , NULL , D3DLOCK_READONLY )", hr);
        return hr;
    }
    const LockedImage image = {static_cast<const BYTE*>(locked.pBits), locked.Pitch, dwImageWidth, dwImageHeight,
                               format};
    const ImageCells cells = MarkCells(image);
    hr = PackCells(image, cells, format, pPieces);
    pSurface->UnlockRect();
    if (FAILED(hr)) {
        // The cells placed so far are given up: their slots are free again.
        FreeSlots(*pPieces);
        pPieces->clear();
    }
    return hr;
}

IDirect3DSurface9* XC_2DTextureManager::ScratchSurfaceFor(DWORD dwWidth, DWORD dwHeight, D3DFORMAT format) const
{
    for (DWORD i = 0; i < SCRATCH_SURFACE_COUNT; ++i) {
        if (dwWidth <= SURFACE_EDGES[i] && dwHeight <= SURFACE_EDGES[i])
            return format == D3DFMT_A8R8G8B8 ? m_rpSurface32[i] : m_rpSurface16[i];
    }
    return nullptr;
}

XC_2DTextureManager::ImageCells XC_2DTextureManager::MarkCells(const LockedImage& image) const
{
    const DWORD C = m_dwImageSlotWidth;
    ImageCells cells;
    cells.dwColumns = (image.dwWidth + C - 1) / C;
    cells.dwRows = (image.dwHeight + C - 1) / C;
    cells.Marked.assign(cells.dwColumns * cells.dwRows, 0);
    for (DWORD dwCell = 0; dwCell < cells.Marked.size(); ++dwCell) {
        const DWORD dwLeft = dwCell % cells.dwColumns * C;
        const DWORD dwTop = dwCell / cells.dwColumns * C;
        cells.Marked[dwCell] = HasOpaquePixel(image, dwLeft, dwTop) ? 1 : 0;
        cells.dwMarkedCount += cells.Marked[dwCell];
    }
    return cells;
}

bool XC_2DTextureManager::HasOpaquePixel(const LockedImage& image, DWORD dwLeft, DWORD dwTop) const
{
    const DWORD dwRight = std::min(dwLeft + m_dwImageSlotWidth, image.dwWidth);
    const DWORD dwBottom = std::min(dwTop + m_dwImageSlotWidth, image.dwHeight);
    for (DWORD dwY = dwTop; dwY < dwBottom; ++dwY) {
        for (DWORD dwX = dwLeft; dwX < dwRight; ++dwX) {
            if (image.IsOpaqueAt(dwX, dwY))
                return true;
        }
    }
    return false;
}

HRESULT XC_2DTextureManager::PackCells(const LockedImage& image, const ImageCells& cells, D3DFORMAT format,
                                       PieceList* pPieces)
{
    DWORD dwCell = 0;
    DWORD dwRemaining = cells.dwMarkedCount;
    while (dwRemaining > 0) {
        const DWORD dwSlotCount = std::min(dwRemaining, m_dwTextureSlotCount);
        DWORD dwBufferIndex = 0;
        const HRESULT hr = _FindTextureBufferUsability(dwSlotCount, format, &dwBufferIndex);
        if (FAILED(hr)) {
            XM_REPORT_FAILED_HR("_FindTextureBufferUsability( dwSlotCount , format , &dwBufferIndex )", hr);
            return hr;
        }
        // Listed before it is filled, so that a failure gives back its slots too.
        pPieces->push_back(std::make_unique<XS_2DTextureInfo>());
        XS_2DTextureInfo* const pPiece = pPieces->back().get();
        pPiece->m_dwTextureID = dwBufferIndex;
        pPiece->m_p2DTexBuf = m_PAL_2DTextureBuffer.GetPtr(dwBufferIndex)->pTexture;
        const HRESULT hrFill = FillPiece(image, cells, dwSlotCount, &dwCell, pPiece);
        if (FAILED(hrFill))
            return hrFill;
        dwRemaining -= dwSlotCount;
    }
    return S_OK;
}

HRESULT XC_2DTextureManager::FillPiece(const LockedImage& image, const ImageCells& cells, DWORD dwSlotCount,
                                       DWORD* pdwCell, XS_2DTextureInfo* pPiece)
{
    IDirect3DDevice9* const pD3DDevice = g_pVar->g_pD3DDevice;
    if (pD3DDevice == nullptr) {
        XM_REPORT_FAILED("g_pVar->g_pD3DDevice");
        return E_FAIL;
    }
    XS_2DTextureBuffer* const pTextureBuffer = m_PAL_2DTextureBuffer.GetPtr(pPiece->m_dwTextureID);
    HRESULT hr = pD3DDevice->CreateVertexBuffer(dwSlotCount * 6 * sizeof(VERTEX_XYZ_TEX1), 0, VERTEX_XYZ_TEX1::FVF,
                                                D3DPOOL_MANAGED, &pPiece->m_pVB, nullptr);
    if (FAILED(hr)) {
        pPiece->m_pVB = nullptr;
        XM_REPORT_FAILED_HR("g_pVar->g_pD3DDevice->CreateVertexBuffer( dwSlotCount * 6 * sizeof(VERTEX_XYZ_TEX1) , "
                            "0 , VERTEX_XYZ_TEX1::FVF , D3DPOOL_MANAGED , &p2DTextureInfo->m_pVB , NULL )",
                            hr);
        return hr;
    }
    void* pLockedVertices = nullptr;
    hr = pPiece->m_pVB->Lock(0, 0, &pLockedVertices, 0);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("p2DTextureInfo->m_pVB->Lock( 0 , 0 , &pVertices , 0 )", hr);
        return hr;
    }
    D3DLOCKED_RECT texels;
    hr = pTextureBuffer->pTexture->LockRect(0, &texels, nullptr, 0);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("p2DTexBuf->LockRect( 0 , &LockedRect , NULL , 0 )", hr);
        pPiece->m_pVB->Unlock();
        return hr;
    }
    VERTEX_XYZ_TEX1* const pVertices = static_cast<VERTEX_XYZ_TEX1*>(pLockedVertices);
    for (DWORD dwPlaced = 0; dwPlaced < dwSlotCount; ++(*pdwCell)) {
        if (*pdwCell >= cells.Marked.size()) {
            XM_REPORT_FAILED("dwImageSlotIdx < m_dwImageSlotCount");
            hr = E_FAIL;
            break;
        }
        if (cells.Marked[*pdwCell] == 0)
            continue;
        const DWORD dwSlot = pTextureBuffer->TakeLowestFreeSlot();
        pPiece->m_SlotList.push_back(dwSlot);
        WriteCell(image, cells, *pdwCell, dwSlot, pTextureBuffer, texels, pVertices + dwPlaced * 6);
        ++dwPlaced;
    }
    pTextureBuffer->pTexture->UnlockRect(0);
    pPiece->m_pVB->Unlock();
    return hr;
}

DWORD XC_2DTextureManager::SourceIndex(DWORD dwCell, DWORD dwCellCount, DWORD dwSlotIndex) const
{
    // The slot frames its cell with the neighbours' pixels; on the image's
    // own edge the frame repeats the edge.
    if (dwSlotIndex == 0 && dwCell == 0)
        return 0;
    if (dwSlotIndex == m_dwSlotWidth - 1 && dwCell == dwCellCount - 1)
        return dwCell * m_dwImageSlotWidth + m_dwImageSlotWidth - 1;
    return dwCell * m_dwImageSlotWidth + dwSlotIndex - 1;
}

void XC_2DTextureManager::WriteCell(const LockedImage& image, const ImageCells& cells, DWORD dwCell, DWORD dwSlot,
                                    XS_2DTextureBuffer* pTextureBuffer, const D3DLOCKED_RECT& texels,
                                    VERTEX_XYZ_TEX1* pVertices) const
{
    const DWORD dwColumn = dwCell % cells.dwColumns;
    const DWORD dwRow = dwCell / cells.dwColumns;
    const DWORD dwSlotX = dwSlot % m_dwSlotsPerRow * m_dwSlotWidth;
    const DWORD dwSlotY = dwSlot / m_dwSlotsPerRow * m_dwSlotWidth;
    WriteCellQuad(image, dwColumn, dwRow, dwSlotX, dwSlotY, pVertices);

    const DWORD dwBytes = BytesPerTexel(image.format);
    for (DWORD j = 0; j < m_dwSlotWidth; ++j) {
        const DWORD dwSourceY = SourceIndex(dwRow, cells.dwRows, j);
        BYTE* const pTexelRow = static_cast<BYTE*>(texels.pBits) + (dwSlotY + j) * texels.Pitch;
        for (DWORD i = 0; i < m_dwSlotWidth; ++i) {
            const DWORD dwSourceX = SourceIndex(dwColumn, cells.dwColumns, i);
            const bool bInside = dwSourceX < image.dwWidth && dwSourceY < image.dwHeight;
            const DWORD dwTexel = bInside ? image.Texel(dwSourceX, dwSourceY) : 0;
            WriteTexel(pTexelRow, dwSlotX + i, dwBytes, dwTexel);
            const DWORD dwPos = (dwSlotY + j) * m_dwTextureWidth + dwSlotX + i;
            pTextureBuffer->SetTransparent(dwPos, !bInside || !IsOpaque(dwTexel, image.format));
        }
    }
}

void XC_2DTextureManager::WriteCellQuad(const LockedImage& image, DWORD dwColumn, DWORD dwRow, DWORD dwSlotX,
                                        DWORD dwSlotY, VERTEX_XYZ_TEX1* pVertices) const
{
    // One unit a pixel, the image's centre near the origin, row 0 on top.
    const LONG lHalfWidth = static_cast<LONG>((image.dwWidth + 1) / 2);
    const LONG lHalfHeight = static_cast<LONG>((image.dwHeight + 1) / 2);
    const float fCell = static_cast<float>(m_dwImageSlotWidth);
    const float fLeft = static_cast<float>(static_cast<LONG>(dwColumn * m_dwImageSlotWidth) - lHalfWidth);
    const float fTop = static_cast<float>(lHalfHeight - static_cast<LONG>(dwRow * m_dwImageSlotWidth));
    // The cell's pixels map one to one onto the slot's inner texels.
    const float fTexture = static_cast<float>(m_dwTextureWidth);
    const float fULeft = (dwSlotX + 1) / fTexture;
    const float fURight = (dwSlotX + m_dwSlotWidth - 1) / fTexture;
    const float fVTop = (dwSlotY + 1) / fTexture;
    const float fVBottom = (dwSlotY + m_dwSlotWidth - 1) / fTexture;
    const VERTEX_XYZ_TEX1 topLeft = {fLeft, fTop, 0.0f, fULeft, fVTop};
    const VERTEX_XYZ_TEX1 topRight = {fLeft + fCell, fTop, 0.0f, fURight, fVTop};
    const VERTEX_XYZ_TEX1 bottomLeft = {fLeft, fTop - fCell, 0.0f, fULeft, fVBottom};
    const VERTEX_XYZ_TEX1 bottomRight = {fLeft + fCell, fTop - fCell, 0.0f, fURight, fVBottom};
    pVertices[0] = topLeft;
    pVertices[1] = topRight;
    pVertices[2] = bottomLeft;
    pVertices[3] = bottomRight;
    pVertices[4] = bottomLeft;
    pVertices[5] = topRight;
}

#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"

#include "tests/GameProgram/Resource/ImageFiles.h"
#include "tests/Support/MemoryPackFile.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/RecordingDevice.h"
#include "tests/Support/TestDevice.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

const DWORD TEXTURE_WIDTH = 256;
const DWORD SLOT_WIDTH = 16;
const DWORD CELL = 14;
const DWORD SLOTS_PER_TEXTURE = 256;

// A 2D texture manager with the default sizes on a real device, reading a
// memory pack file.
class TwoDTextureManagerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Device.IsReady()) << m_Device.Error();
        g_pVar->g_pD3DDevice = m_Device.Device();
        ASSERT_EQ(m_Manager.Init(&m_Pack, TEXTURE_WIDTH, SLOT_WIDTH), S_OK);
    }

    void TearDown() override
    {
        m_Manager.Fini();
        g_pVar->g_pD3DDevice = nullptr;
    }

    XC_2DTexture* Get(const char* szName)
    {
        XC_2DTexture* const pTexture = m_Manager.GetTexture(szName);
        EXPECT_NE(pTexture, nullptr) << szName;
        return pTexture;
    }

    DWORD FreeSlots(DWORD dwBuffer) const { return m_Manager.GetTextureBuffer(dwBuffer)->dwFreeSlotCount; }

    // The texel at (x, y) of level 0 of a shared texture.
    DWORD TexelAt(DWORD dwBuffer, DWORD dwX, DWORD dwY) const
    {
        const XS_2DTextureBuffer* const pBuffer = m_Manager.GetTextureBuffer(dwBuffer);
        D3DLOCKED_RECT locked;
        if (FAILED(pBuffer->pTexture->LockRect(0, &locked, nullptr, D3DLOCK_READONLY)))
            return 0xDEADBEEF;
        const BYTE* const pRow = static_cast<const BYTE*>(locked.pBits) + dwY * locked.Pitch;
        DWORD dwTexel = 0;
        if (pBuffer->Format == D3DFMT_A8R8G8B8)
            dwTexel = reinterpret_cast<const DWORD*>(pRow)[dwX];
        else
            dwTexel = reinterpret_cast<const WORD*>(pRow)[dwX];
        pBuffer->pTexture->UnlockRect(0);
        return dwTexel;
    }

    bool KeyedAt(DWORD dwBuffer, DWORD dwX, DWORD dwY) const
    {
        return m_Manager.GetTextureBuffer(dwBuffer)->IsTransparent(dwY * TEXTURE_WIDTH + dwX);
    }

    TestDevice m_Device;
    ErrorLogCapture m_Log;
    MemoryPackFile m_Pack;
    XC_2DTextureManager m_Manager;
};

// A pixel colour that tells its place: red and green from x and y.
std::uint32_t PlaceColour(int x, int y)
{
    return 0xFF000040u | static_cast<std::uint32_t>(x * 8) << 16 | static_cast<std::uint32_t>(y * 8) << 8;
}

// A device that refuses everything but vertex buffers, which the real device makes.
class VertexOnlyDevice : public RecordingDevice
{
public:
    explicit VertexOnlyDevice(IDirect3DDevice9* pReal) : m_pReal(pReal) {}

    HRESULT STDMETHODCALLTYPE CreateVertexBuffer(UINT Length, DWORD Usage, DWORD FVF, D3DPOOL Pool,
                                                 IDirect3DVertexBuffer9** ppVertexBuffer, HANDLE* pShared) override
    {
        return m_pReal->CreateVertexBuffer(Length, Usage, FVF, Pool, ppVertexBuffer, pShared);
    }

private:
    IDirect3DDevice9* m_pReal;
};

} // namespace

TEST_F(TwoDTextureManagerTest, CellsWithAnOpaquePixelTakeASlotEach)
{
    m_Pack.Add("one.bmp", MakeBmp24(14, 14, Solid(0xFF0000)));
    m_Pack.Add("two.bmp", MakeBmp24(15, 14, Solid(0xFF0000)));
    m_Pack.Add("big.bmp", MakeBmp24(100, 100, Solid(0xFF0000)));
    m_Pack.Add("greenleft.bmp", MakeBmp24(28, 14, [](int x, int) { return x < 14 ? 0x00FF00u : 0x0000FFu; }));
    m_Pack.Add("clearleft.dds", MakeDdsA8R8G8B8(28, 14, [](int x, int) { return x < 14 ? 0x00FFFFFFu : 0xFF0000FFu; }));
    m_Pack.Add("clear.dds", MakeDdsA8R8G8B8(20, 20, Solid(0x00123456)));
    struct Case { const char* szName; DWORD dwSlots; DWORD dwBuffer; };
    const Case cases[] = {
        {"one.bmp", 1, 0}, {"two.bmp", 2, 0}, {"big.bmp", 64, 0}, {"greenleft.bmp", 1, 0},
        {"clearleft.dds", 1, 1}, {"clear.dds", 0, 1},
    };
    for (const Case& c : cases) {
        XC_2DTexture* const pTexture = Get(c.szName);
        ASSERT_STREQ(pTexture->GetName(), c.szName);
        EXPECT_EQ(FreeSlots(c.dwBuffer), SLOTS_PER_TEXTURE - c.dwSlots) << c.szName;
        pTexture->Release();
        EXPECT_EQ(FreeSlots(c.dwBuffer), SLOTS_PER_TEXTURE) << c.szName << ": released, its slots are free";
    }
    EXPECT_EQ(m_Manager.GetTextureBuffer(2), nullptr);
    EXPECT_TRUE(m_Log.Contains("( dwIndex < m_PAL_2DTextureBuffer.Count() ) failed"));
    m_Manager.RenderTextureBuffer(2);
    EXPECT_TRUE(m_Log.Contains("( ps2DTextureBuffer ) failed"));
}

TEST_F(TwoDTextureManagerTest, ManyCellsSpreadOverTexturesFirstFit)
{
    // 20 × 15 cells = 300.
    m_Pack.Add("wide.bmp", MakeBmp24(20 * CELL, 15 * CELL, Solid(0x0000FF)));
    m_Pack.Add("dot.bmp", MakeBmp24(3, 3, Solid(0x0000FF)));
    XC_2DTexture* const pWide = Get("wide.bmp");
    EXPECT_EQ(FreeSlots(0), 0u);
    EXPECT_EQ(FreeSlots(1), SLOTS_PER_TEXTURE - 44);
    pWide->Release();

    // With one slot of the first texture taken, the 256 cells of the first
    // piece need the second texture, and the 44 of the second piece fit in
    // the first.
    XC_2DTexture* const pDot = Get("dot.bmp");
    XC_2DTexture* const pAgain = Get("wide.bmp");
    EXPECT_EQ(FreeSlots(0), SLOTS_PER_TEXTURE - 1 - 44);
    EXPECT_EQ(FreeSlots(1), 0u);
    EXPECT_EQ(m_Manager.GetTextureBuffer(2), nullptr);
    pDot->Release();
    pAgain->Release();
}

TEST_F(TwoDTextureManagerTest, FormatsNeverShareATexture)
{
    m_Pack.Add("a.dds", MakeDdsA8R8G8B8(14, 14, Solid(0xFF112233)));
    m_Pack.Add("b.bmp", MakeBmp24(14, 14, Solid(0x112233)));
    m_Pack.Add("c.dds", MakeDdsA8R8G8B8(14, 14, Solid(0xFF445566)));
    XC_2DTexture* const pA = Get("a.dds");
    XC_2DTexture* const pB = Get("b.bmp");
    XC_2DTexture* const pC = Get("c.dds");
    EXPECT_EQ(m_Manager.GetTextureBuffer(0)->Format, D3DFMT_A8R8G8B8);
    EXPECT_EQ(m_Manager.GetTextureBuffer(1)->Format, D3DFMT_A1R5G5B5);
    EXPECT_EQ(FreeSlots(0), SLOTS_PER_TEXTURE - 2);
    EXPECT_EQ(FreeSlots(1), SLOTS_PER_TEXTURE - 1);
    for (XC_2DTexture* pTexture : {pA, pB, pC})
        pTexture->Release();
}

TEST_F(TwoDTextureManagerTest, AFreedSlotIsReusedLowestFirst)
{
    const std::uint32_t colours[] = {0xFF0000FF, 0xFF00FF00 + 1, 0xFFFF0000, 0xFF808080};
    const char* const names[] = {"a.dds", "b.dds", "c.dds", "d.dds"};
    for (int i = 0; i < 4; ++i)
        m_Pack.Add(names[i], MakeDdsA8R8G8B8(14, 14, Solid(colours[i])));
    XC_2DTexture* const pA = Get("a.dds");
    XC_2DTexture* const pB = Get("b.dds");
    XC_2DTexture* const pC = Get("c.dds");
    pB->Release();
    EXPECT_EQ(m_Manager.GetTextureBuffer(0)->SlotState[1], 0u);
    XC_2DTexture* const pD = Get("d.dds");
    EXPECT_EQ(m_Manager.GetTextureBuffer(0)->SlotState[1], 1u);
    EXPECT_EQ(m_Manager.GetTextureBuffer(0)->SlotState[3], 0u);
    // Slot 1 starts at texel 16 of the first row of slots.
    EXPECT_EQ(TexelAt(0, 16 + 7, 7), colours[3]);
    EXPECT_EQ(TexelAt(0, 32 + 7, 7), colours[2]);
    for (XC_2DTexture* pTexture : {pA, pC, pD})
        pTexture->Release();
}

TEST_F(TwoDTextureManagerTest, PackedTexelsAreTheImagesWithABorderFromTheNeighbours)
{
    // 30 × 20 pixels: 3 × 2 cells, all opaque, in slots 0 to 5 of a new texture.
    m_Pack.Add("place.dds", MakeDdsA8R8G8B8(30, 20, PlaceColour));
    XC_2DTexture* const pTexture = Get("place.dds");
    ASSERT_EQ(FreeSlots(0), SLOTS_PER_TEXTURE - 6);
    for (DWORD dwCell = 0; dwCell < 6; ++dwCell) {
        const DWORD dwColumn = dwCell % 3, dwRow = dwCell / 3;
        const DWORD dwSlotX = dwCell * SLOT_WIDTH, dwSlotY = 0;
        for (DWORD j = 1; j <= CELL; ++j) {
            for (DWORD i = 1; i <= CELL; ++i) {
                const DWORD dwX = dwColumn * CELL + i - 1, dwY = dwRow * CELL + j - 1;
                const bool bInside = dwX < 30 && dwY < 20;
                ASSERT_EQ(TexelAt(0, dwSlotX + i, dwSlotY + j), bInside ? PlaceColour(dwX, dwY) : 0u)
                    << "cell " << dwCell << " texel " << i << "," << j;
                ASSERT_EQ(KeyedAt(0, dwSlotX + i, dwSlotY + j), !bInside) << "cell " << dwCell;
            }
        }
    }
    struct Ring { DWORD dwSlot; DWORD i; DWORD j; int iX; int iY; };
    const Ring rings[] = {
        {0, 0, 0, 0, 0},      // the image's top-left corner repeats itself
        {0, 15, 5, 14, 4},    // right border: the next cell's first column
        {0, 5, 15, 4, 14},    // bottom border: the next row's first row
        {1, 0, 5, 13, 4},     // left border: the previous cell's last column
        {2, 3, 5, -1, -1},    // column 30 lies outside the image
        {3, 5, 0, 4, 13},     // top border: the row above's last row
        {3, 5, 15, -1, -1},   // the last row's bottom border: row 27, outside
        {5, 2, 6, 29, 19},    // the last pixel
    };
    for (const Ring& r : rings) {
        const DWORD dwExpected = r.iX < 0 ? 0 : PlaceColour(r.iX, r.iY);
        EXPECT_EQ(TexelAt(0, r.dwSlot * SLOT_WIDTH + r.i, r.j), dwExpected)
            << "slot " << r.dwSlot << " texel " << r.i << "," << r.j;
    }
    pTexture->Release();
}

TEST_F(TwoDTextureManagerTest, SixteenBitTexelsKeepTheOpaqueBit)
{
    // Red where x is even, pure green (keyed) elsewhere.
    m_Pack.Add("stripes.bmp", MakeBmp24(4, 2, [](int x, int) { return x % 2 == 0 ? 0xFF0000u : 0x00FF00u; }));
    XC_2DTexture* const pTexture = Get("stripes.bmp");
    EXPECT_EQ(TexelAt(0, 1, 1), 0xFC00u) << "opaque red";
    EXPECT_FALSE(KeyedAt(0, 1, 1));
    EXPECT_EQ(TexelAt(0, 2, 1) & 0x8000, 0u);
    EXPECT_TRUE(KeyedAt(0, 2, 1));
    pTexture->Release();
}

TEST_F(TwoDTextureManagerTest, HitTestsFollowTheOpaqueTexels)
{
    // Opaque but for one pixel at (3, 3); and an image whose left cell is empty.
    m_Pack.Add("hole.dds", MakeDdsA8R8G8B8(14, 14, [](int x, int y) { return x == 3 && y == 3 ? 0u : 0xFF808080u; }));
    m_Pack.Add("half.dds", MakeDdsA8R8G8B8(28, 14, [](int x, int) { return x < 14 ? 0u : 0xFF808080u; }));
    XC_2DTexture* const pHole = Get("hole.dds");
    XC_2DTexture* const pHalf = Get("half.dds");
    EXPECT_EQ(pHalf->GetWidth(), 28.0f);
    EXPECT_EQ(pHalf->GetHeight(), 14.0f);

    // Both drawn around (100, 50); pixel (x, y) of "hole" is centred on
    // (93.5 + x, 56.5 - y), of "half" on (86.5 + x, 56.5 - y).
    D3DXMATRIX matWorld;
    D3DXMatrixTranslation(&matWorld, 100.0f, 50.0f, 0.0f);
    const D3DXVECTOR3 vDirection(0.0f, 0.0f, 1.0f);
    struct Case { XC_2DTexture* pTexture; float fX; float fY; BOOL bQuad; BOOL bColorKey; };
    const Case cases[] = {
        {pHole, 96.5f, 53.5f, TRUE, FALSE},    // the transparent pixel
        {pHole, 98.5f, 51.5f, TRUE, TRUE},
        {pHole, 120.0f, 50.0f, FALSE, FALSE},
        {pHalf, 90.0f, 50.0f, TRUE, FALSE},    // the empty cell draws nothing
        {pHalf, 110.0f, 50.0f, TRUE, TRUE},
    };
    for (const Case& c : cases) {
        const D3DXVECTOR3 vOrigin(c.fX, c.fY, -5.0f);
        EXPECT_EQ(c.pTexture->HitTest(&vOrigin, &vDirection, &matWorld, FALSE, nullptr), c.bQuad)
            << c.pTexture->GetName() << " " << c.fX << "," << c.fY;
        float fDistance = -1.0f;
        EXPECT_EQ(c.pTexture->HitTest(&vOrigin, &vDirection, &matWorld, TRUE, &fDistance), c.bColorKey)
            << c.pTexture->GetName() << " " << c.fX << "," << c.fY;
        if (c.bColorKey) {
            EXPECT_FLOAT_EQ(fDistance, 5.0f);
        }
    }
    pHole->Release();
    pHalf->Release();
}

TEST_F(TwoDTextureManagerTest, ImagesUpTo1024AreTakenAndOthersFallBack)
{
    m_Pack.Add("error.bmp", MakeBmp24(4, 4, Solid(0xFF00FF)));
    m_Pack.Add("max.bmp", MakeBmp24(1024, 1024, Solid(0x0000FF)));
    m_Pack.Add("wide.bmp", MakeBmp24(1025, 4, Solid(0x0000FF)));
    m_Pack.Add("tall.bmp", MakeBmp24(4, 1025, Solid(0x0000FF)));

    XC_2DTexture* const pMax = Get("max.bmp");
    EXPECT_STREQ(pMax->GetName(), "max.bmp");
    // 74 × 74 = 5476 cells: 21 full textures and 100 cells in a 22nd.
    EXPECT_EQ(FreeSlots(20), 0u);
    EXPECT_EQ(FreeSlots(21), SLOTS_PER_TEXTURE - 100);
    pMax->Release();

    for (const char* szName : {"wide.bmp", "tall.bmp", "missing.bmp", "text.bmp"}) {
        XC_2DTexture* const pTexture = Get(szName);
        EXPECT_STREQ(pTexture->GetName(), "error.bmp") << szName;
        pTexture->Release();
    }
    EXPECT_TRUE(m_Log.Contains("( dwImageWidth <= 1024 && dwImageHeight <= 1024 ) failed"));
    EXPECT_TRUE(m_Log.Contains("XC_2DTextureManager::Create2DTexture\n\tLoad \"missing.bmp\" Error"));
    m_Pack.Remove("error.bmp");
    EXPECT_EQ(m_Manager.GetTexture("missing.bmp"), nullptr);
}

TEST_F(TwoDTextureManagerTest, AHalfPackedImageGivesBackItsSlots)
{
    m_Pack.Add("error.bmp", MakeBmp24(4, 4, Solid(0xFF00FF)));
    m_Pack.Add("wide.bmp", MakeBmp24(20 * CELL, 15 * CELL, Solid(0x0000FF)));
    // The first texture exists and is empty.
    Get("error.bmp")->Release();
    ASSERT_EQ(FreeSlots(0), SLOTS_PER_TEXTURE);

    // The first 256 cells fill it; the second texture cannot be made.
    VertexOnlyDevice device(m_Device.Device());
    g_pVar->g_pD3DDevice = &device;
    XC_2DTexture* const pTexture = Get("wide.bmp");
    g_pVar->g_pD3DDevice = m_Device.Device();
    EXPECT_STREQ(pTexture->GetName(), "error.bmp");
    EXPECT_TRUE(m_Log.Contains("建造材質錯誤 , 2DTextureManager::NewTextureBuffer"));
    EXPECT_EQ(FreeSlots(0), SLOTS_PER_TEXTURE - 1) << "only the error picture's cell is taken";
    pTexture->Release();
}

TEST(XC_2DTextureManager, InitRoundsSizesToPowersOfTwo)
{
    TestDevice device;
    ASSERT_TRUE(device.IsReady()) << device.Error();
    g_pVar->g_pD3DDevice = device.Device();
    ErrorLogCapture log;
    MemoryPackFile pack;
    pack.Add("dot.bmp", MakeBmp24(10, 10, Solid(0xFF0000)));

    struct Case { DWORD dwTextureWidth; DWORD dwSlotWidth; HRESULT hr; DWORD dwWidth; DWORD dwSlots; };
    const Case cases[] = {
        {200, 16, S_OK, 256, 256},
        {0, 0, S_OK, 8, 1},         // 8 × 8 textures of one slot
        {1024, 12, S_OK, 1024, 4096}, // slots of 12 become 16
        {1024, 1024, S_OK, 1024, 1},
        {2048, 16, E_FAIL, 0, 0},
        {0xFFFFFFFF, 16, E_FAIL, 0, 0},
        {256, 512, E_FAIL, 0, 0},
        {256, 0xFFFFFFFF, E_FAIL, 0, 0},
    };
    for (const Case& c : cases) {
        XC_2DTextureManager manager;
        EXPECT_EQ(manager.Init(&pack, c.dwTextureWidth, c.dwSlotWidth), c.hr) << c.dwTextureWidth << "/" << c.dwSlotWidth;
        if (c.hr == S_OK) {
            EXPECT_EQ(manager.GetTextureWidth(), c.dwWidth);
            XC_2DTexture* const pTexture = manager.GetTexture("dot.bmp");
            ASSERT_NE(pTexture, nullptr);
            ASSERT_STREQ(pTexture->GetName(), "dot.bmp");
            XS_2DTextureBuffer* const pBuffer = manager.GetTextureBuffer(0);
            EXPECT_EQ(pBuffer->SlotState.size(), c.dwSlots) << c.dwTextureWidth << "/" << c.dwSlotWidth;
            pTexture->Release();
            EXPECT_EQ(manager.Init(&pack, 2 * c.dwTextureWidth, c.dwSlotWidth), E_FAIL) << "its textures are made";
        }
        manager.Fini();
    }
    EXPECT_TRUE(log.Contains("XC_2DTextureManager::Init , dwTextureWidth = 2048 , dwSlotWidth = 16"));
    EXPECT_EQ(XC_2DTextureManager().Init(nullptr, 256, 16), E_FAIL);
    EXPECT_TRUE(log.Contains("( pPackFile ) failed"));
    g_pVar->g_pD3DDevice = nullptr;
}

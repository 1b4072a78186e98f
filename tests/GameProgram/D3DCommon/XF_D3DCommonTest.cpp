#include "GameProgram/D3DCommon/XF_D3DCommon.h"

#include "GameProgram/Common/XF_Common.h"

#include "tests/Support/BitmapFile.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/TestDevice.h"
#include "tests/Support/TestOutput.h"

#include <d3dx9.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

const float HALF_PI = D3DX_PI / 2.0f;

D3DXMATRIX RotationOf(const D3DXQUATERNION& q)
{
    D3DXMATRIX matRotation;
    D3DXMatrixRotationQuaternion(&matRotation, &q);
    return matRotation;
}

void ExpectSameMatrix(const D3DXMATRIX& a, const D3DXMATRIX& b)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(static_cast<const float*>(a)[i], static_cast<const float*>(b)[i], 1e-3f) << "element " << i;
}

// A texture of the format whose texels are all filled by the caller.
IDirect3DTexture9* MakeTexture(IDirect3DDevice9* pDevice, UINT uSize, D3DFORMAT format)
{
    IDirect3DTexture9* pTexture = nullptr;
    if (FAILED(pDevice->CreateTexture(uSize, uSize, 1, 0, format, D3DPOOL_MANAGED, &pTexture, nullptr)))
        return nullptr;
    return pTexture;
}

// Fills texel (x, y) of a 4×4 16- or 32-bit texture with fill(x, y).
template <typename Texel, typename Fill>
void FillTexture(IDirect3DTexture9* pTexture, Fill fill)
{
    D3DLOCKED_RECT locked;
    ASSERT_EQ(pTexture->LockRect(0, &locked, nullptr, 0), D3D_OK);
    for (int y = 0; y < 4; ++y) {
        Texel* const pRow = reinterpret_cast<Texel*>(static_cast<BYTE*>(locked.pBits) + y * locked.Pitch);
        for (int x = 0; x < 4; ++x)
            pRow[x] = static_cast<Texel>(fill(x, y));
    }
    pTexture->UnlockRect(0);
}

} // namespace

TEST(XF_D3DCommon, RayTriangleFrontBackParallelAndBehind)
{
    const D3DXVECTOR3 p0(0.0f, 0.0f, 5.0f), p1(1.0f, 0.0f, 5.0f), p2(0.0f, 1.0f, 5.0f);
    struct Case { D3DXVECTOR3 vOrigin; D3DXVECTOR3 vDirection; BOOL bHit; float fDistance; };
    const Case cases[] = {
        {{0.2f, 0.3f, 0.0f}, {0.0f, 0.0f, 1.0f}, TRUE, 5.0f},     // front
        {{0.2f, 0.3f, 10.0f}, {0.0f, 0.0f, -1.0f}, TRUE, 5.0f},   // from behind
        {{0.2f, 0.3f, 10.0f}, {0.0f, 0.0f, 1.0f}, FALSE, 0.0f},   // the triangle is behind the origin
        {{0.0f, 0.0f, 5.0f}, {1.0f, 1.0f, 0.0f}, FALSE, 0.0f},    // parallel, in its plane
        {{0.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}, FALSE, 0.0f},    // parallel, beside it
        {{0.8f, 0.8f, 0.0f}, {0.0f, 0.0f, 1.0f}, FALSE, 0.0f},    // past the long edge
    };
    for (const Case& c : cases) {
        float fDistance = -1.0f, fU = -1.0f, fV = -1.0f;
        EXPECT_EQ(XF_IntersectRayTriangle(&c.vOrigin, &c.vDirection, &p0, &p1, &p2, &fDistance, &fU, &fV), c.bHit)
            << c.vOrigin.x << "," << c.vOrigin.y << "," << c.vOrigin.z;
        if (c.bHit) {
            EXPECT_NEAR(fDistance, c.fDistance, 1e-4f);
            EXPECT_NEAR(fU, 0.2f, 1e-4f);
            EXPECT_NEAR(fV, 0.3f, 1e-4f);
        } else {
            EXPECT_EQ(fDistance, -1.0f) << "outputs are left alone on a miss";
        }
    }
    const D3DXVECTOR3 vOrigin(0.2f, 0.3f, 0.0f), vDirection(0.0f, 0.0f, 1.0f);
    EXPECT_TRUE(XF_IntersectRayTriangle(&vOrigin, &vDirection, &p0, &p1, &p2, nullptr, nullptr, nullptr));
}

TEST(XF_D3DCommon, QuaternionToRotationGivesTheSameTurn)
{
    struct Case { float fPitch; float fYaw; float fRoll; };
    const Case cases[] = {
        {0.3f, -0.5f, 0.2f}, {-1.2f, 2.5f, -0.7f}, {0.0f, 0.0f, 0.0f},
        {HALF_PI, 0.0f, 0.0f}, {-HALF_PI, 0.0f, 0.0f}, {HALF_PI, 0.8f, 0.3f}, {-HALF_PI, -0.4f, 0.6f},
    };
    for (const Case& c : cases) {
        D3DXQUATERNION q;
        D3DXQuaternionRotationYawPitchRoll(&q, c.fYaw, c.fPitch, c.fRoll);
        const D3DXVECTOR3 vAngles = XF_QuaternionToRotation(&q);
        D3DXQUATERNION qBack;
        D3DXQuaternionRotationYawPitchRoll(&qBack, vAngles.y, vAngles.x, vAngles.z);
        ExpectSameMatrix(RotationOf(qBack), RotationOf(q));
        EXPECT_NEAR(vAngles.x, c.fPitch, 1e-3f);
        if (std::fabs(c.fPitch) == HALF_PI) {
            EXPECT_EQ(vAngles.z, 0.0f) << "straight up or down the roll goes into the yaw";
        }
    }
}

TEST(XF_D3DCommon, VectorsMaterialsAndBoundingSpheres)
{
    const D3DXVECTOR3 a(3.0f, 0.0f, 0.0f), b(0.0f, 4.0f, 0.0f), zero(0.0f, 0.0f, 0.0f);
    EXPECT_FLOAT_EQ(XF_GetDistance(&a, &b), 5.0f);
    EXPECT_NEAR(XF_GetVectorAngle(&a, &b), HALF_PI, 1e-6f);
    EXPECT_NEAR(XF_GetVectorAngle(&a, &a), 0.0f, 1e-6f);
    EXPECT_EQ(XF_GetVectorAngle(&a, &zero), 0.0f);

    D3DMATERIAL9 material = {};
    material.Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    material.Ambient = {0.5f, 0.5f, 0.5f, 0.5f};
    material.Specular = {1.0f, 1.0f, 1.0f, 1.0f};
    material.Power = 3.0f;
    XF_ModulateMaterial(&material, 0x80FF0033);
    EXPECT_NEAR(material.Diffuse.a, 128.0f / 255.0f, 1e-6f);
    EXPECT_FLOAT_EQ(material.Diffuse.r, 1.0f);
    EXPECT_FLOAT_EQ(material.Diffuse.g, 0.0f);
    EXPECT_NEAR(material.Diffuse.b, 0.2f, 1e-6f);
    EXPECT_NEAR(material.Ambient.b, 0.1f, 1e-6f);
    EXPECT_FLOAT_EQ(material.Specular.g, 1.0f);
    EXPECT_FLOAT_EQ(material.Power, 3.0f);

    XS_BoundingSphere sphere = {D3DXVECTOR3(1.0f, 0.0f, 0.0f), 2.0f};
    D3DXMATRIX matWorld;
    D3DXMatrixRotationZ(&matWorld, HALF_PI);
    matWorld._41 = 10.0f;
    const D3DXVECTOR3 vScale(1.0f, 3.0f, 2.0f);
    XF_TransformBoundingSphere(&sphere, &matWorld, &vScale);
    EXPECT_NEAR(sphere.vCenter.x, 10.0f, 1e-5f);
    EXPECT_NEAR(sphere.vCenter.y, 1.0f, 1e-5f);
    EXPECT_FLOAT_EQ(sphere.fRadius, 6.0f);
}

TEST(XF_D3DCommon, RandomVectorsDrawTheLastComponentFirst)
{
    const D3DXVECTOR3 vMin(0.0f, 10.0f, 20.0f), vMax(1.0f, 11.0f, 21.0f);
    std::srand(7);
    const float fZ = XF_RandomFloat(20.0f, 21.0f);
    const float fY = XF_RandomFloat(10.0f, 11.0f);
    const float fX = XF_RandomFloat(0.0f, 1.0f);
    std::srand(7);
    const D3DXVECTOR3 v = XF_RandomVector3(&vMin, &vMax);
    EXPECT_EQ(v, D3DXVECTOR3(fX, fY, fZ));

    const D3DXVECTOR4 vMin4(0.0f, 1.0f, 2.0f, 3.0f), vMax4(0.5f, 1.5f, 2.5f, 3.5f);
    std::srand(9);
    const float fW = XF_RandomFloat(3.0f, 3.5f);
    std::srand(9);
    EXPECT_EQ(XF_RandomVector4(&vMin4, &vMax4).w, fW);
}

TEST(XF_D3DCommon, PixelColorWidensFormatsAndClampsCoordinates)
{
    TestDevice device;
    ASSERT_TRUE(device.IsReady()) << device.Error();
    ErrorLogCapture log;

    IDirect3DTexture9* const p8888 = MakeTexture(device.Device(), 4, D3DFMT_A8R8G8B8);
    IDirect3DTexture9* const p4444 = MakeTexture(device.Device(), 4, D3DFMT_A4R4G4B4);
    IDirect3DTexture9* const p1555 = MakeTexture(device.Device(), 4, D3DFMT_A1R5G5B5);
    IDirect3DTexture9* const pX888 = MakeTexture(device.Device(), 4, D3DFMT_X8R8G8B8);
    ASSERT_TRUE(p8888 && p4444 && p1555 && pX888);
    FillTexture<DWORD>(p8888, [](int x, int y) { return 0x11000000u | (x << 16) | (y << 8) | 0x42; });
    FillTexture<WORD>(p4444, [](int x, int y) { return 0xF000 | (x << 8) | (y << 4) | 0xF; });
    FillTexture<WORD>(p1555, [](int x, int y) { return (x == 3 ? 0x8000 : 0) | (x << 10) | (y << 5) | 31; });
    FillTexture<DWORD>(pX888, [](int, int) { return 0u; });

    struct Case { IDirect3DTexture9* pTexture; float fU; float fV; DWORD dwExpected; };
    const Case cases[] = {
        {p8888, 0.3f, 0.6f, 0x11010242},
        {p8888, 1.0f, 0.99f, 0x11030342},   // the far edge is the last texel
        {p8888, 7.0f, -2.0f, 0x11030042},   // outside: the nearest edge texel
        {p4444, 0.5f, 0.75f, 0xFF2233FF},   // 2 → 34, 3 → 51, 15 → 255 per field
        {p1555, 0.8f, 0.3f, 0xFF1808FF},    // 3 → 24, 1 → 8, 31 → 255
        {p1555, 0.0f, 0.0f, 0x000000FF},
    };
    for (const Case& c : cases) {
        DWORD dwColor = 0;
        EXPECT_EQ(XF_GetPixelColorFromTexture(c.pTexture, c.fU, c.fV, &dwColor), S_OK);
        EXPECT_EQ(dwColor, c.dwExpected) << std::hex << "u " << c.fU << " v " << c.fV;
    }
    EXPECT_TRUE(log.Contains("( iV >= 0 ) failed"));

    DWORD dwColor = 0x12345678;
    EXPECT_EQ(XF_GetPixelColorFromTexture(pX888, 0.5f, 0.5f, &dwColor), E_FAIL);
    EXPECT_EQ(dwColor, 0x12345678u);
    EXPECT_TRUE(log.Contains("XF_GetPixelColorFromTexture , Don't support TextureFormat 16 "));
    EXPECT_EQ(XF_GetPixelColorFromTexture(nullptr, 0.5f, 0.5f, &dwColor), E_FAIL);
    EXPECT_TRUE(log.Contains("XF_GetPixelColorFromTexture , pTexture == NULL"));

    for (IDirect3DTexture9* const pTexture : {p8888, p4444, p1555, pX888})
        pTexture->Release();
}

TEST(XF_D3DCommon, SaveBackBufferAtItsOwnOrAGivenSize)
{
    TestDevice device;
    ASSERT_TRUE(device.IsReady()) << device.Error();
    ASSERT_EQ(device.Device()->Clear(0, nullptr, D3DCLEAR_TARGET, D3DCOLOR_XRGB(200, 40, 90), 1.0f, 0), D3D_OK);

    const std::string ownSize = TestOutputFile("XF_SaveBackBuffer_own.bmp");
    ASSERT_EQ(XF_SaveBackBuffer(device.Device(), ownSize.c_str(), D3DFMT_UNKNOWN, 0, 0), S_OK);
    BitmapFile picture;
    ASSERT_TRUE(picture.Load(ownSize));
    EXPECT_EQ(picture.Width(), 800);
    EXPECT_EQ(picture.Height(), 600);
    EXPECT_EQ(picture.Pixel(400, 300), 0xC8285Au);

    const std::string smaller = TestOutputFile("XF_SaveBackBuffer_small.bmp");
    ASSERT_EQ(XF_SaveBackBuffer(device.Device(), smaller.c_str(), D3DFMT_X8R8G8B8, 400, -5), S_OK);
    ASSERT_TRUE(picture.Load(smaller));
    EXPECT_EQ(picture.Width(), 400);
    EXPECT_EQ(picture.Height(), 600);

    ErrorLogCapture log;
    EXPECT_EQ(XF_SaveBackBuffer(nullptr, ownSize.c_str(), D3DFMT_UNKNOWN, 0, 0), E_FAIL);
    EXPECT_EQ(XF_SaveBackBuffer(device.Device(), nullptr, D3DFMT_UNKNOWN, 0, 0), E_FAIL);
    EXPECT_TRUE(log.Contains("( pD3DDevice ) failed"));
    EXPECT_TRUE(log.Contains("( szFileName ) failed"));
}

TEST(XF_D3DCommon, RenderTextureRHWDrawsAtTheTopLeft)
{
    TestDevice device;
    ASSERT_TRUE(device.IsReady()) << device.Error();
    IDirect3DDevice9* const pDevice = device.Device();
    IDirect3DTexture9* pTexture = nullptr;
    ASSERT_EQ(pDevice->CreateTexture(64, 32, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &pTexture, nullptr), D3D_OK);
    D3DLOCKED_RECT locked;
    ASSERT_EQ(pTexture->LockRect(0, &locked, nullptr, 0), D3D_OK);
    for (int y = 0; y < 32; ++y) {
        DWORD* const pRow = reinterpret_cast<DWORD*>(static_cast<BYTE*>(locked.pBits) + y * locked.Pitch);
        for (int x = 0; x < 64; ++x)
            pRow[x] = 0xFFFF2000;
    }
    pTexture->UnlockRect(0);

    pDevice->SetRenderState(D3DRS_LIGHTING, FALSE);
    pDevice->SetRenderState(D3DRS_ZENABLE, FALSE);
    ASSERT_EQ(pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, D3DCOLOR_XRGB(0, 0, 80), 1.0f, 0),
              D3D_OK);
    ASSERT_EQ(pDevice->BeginScene(), D3D_OK);
    EXPECT_EQ(XF_RenderTextureRHW(pTexture), S_OK);
    pDevice->EndScene();

    DWORD dwZEnable = 0, dwZWrite = 0;
    pDevice->GetRenderState(D3DRS_ZENABLE, &dwZEnable);
    pDevice->GetRenderState(D3DRS_ZWRITEENABLE, &dwZWrite);
    EXPECT_EQ(dwZEnable, 1u);
    EXPECT_EQ(dwZWrite, 1u);

    BitmapFile picture;
    ASSERT_TRUE(picture.Load(device.SaveBackBuffer("XF_RenderTextureRHW")));
    EXPECT_EQ(picture.Pixel(0, 0), 0xFF2000u);
    EXPECT_EQ(picture.Pixel(63, 31), 0xFF2000u);
    EXPECT_EQ(picture.Pixel(64, 10), 0x000050u);
    EXPECT_EQ(picture.Pixel(10, 32), 0x000050u);
    pTexture->Release();
}

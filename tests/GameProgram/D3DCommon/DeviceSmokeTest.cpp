#include "tests/Support/BitmapFile.h"
#include "tests/Support/TestDevice.h"

#include <gtest/gtest.h>

// The bench renders: a cleared back buffer saved with D3DX reads back with the
// clear colour.
TEST(DeviceSmoke, ClearedBackBufferIsSavedWithItsColour)
{
    TestDevice device;
    ASSERT_TRUE(device.IsReady()) << device.Error();

    IDirect3DDevice9* pDevice = device.Device();
    ASSERT_EQ(pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, D3DCOLOR_XRGB(32, 96, 160), 1.0f, 0),
              D3D_OK);
    const D3DRECT band = {100, 200, 300, 260};
    ASSERT_EQ(pDevice->Clear(1, &band, D3DCLEAR_TARGET, D3DCOLOR_XRGB(255, 255, 0), 1.0f, 0), D3D_OK);

    const std::string path = device.SaveBackBuffer("DeviceSmoke");
    ASSERT_FALSE(path.empty());
    BitmapFile picture;
    ASSERT_TRUE(picture.Load(path));
    EXPECT_EQ(picture.Width(), 800);
    EXPECT_EQ(picture.Height(), 600);
    EXPECT_EQ(picture.Pixel(10, 10), 0x2060A0u);
    EXPECT_EQ(picture.Pixel(799, 599), 0x2060A0u);
    EXPECT_EQ(picture.Pixel(100, 200), 0xFFFF00u);
    EXPECT_EQ(picture.Pixel(299, 259), 0xFFFF00u);
    EXPECT_EQ(picture.Pixel(300, 260), 0x2060A0u);
}

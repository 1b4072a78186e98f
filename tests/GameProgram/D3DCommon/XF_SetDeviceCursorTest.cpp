#include "GameProgram/D3DCommon/XF_SetDeviceCursor.h"

#include "tests/Support/TestDevice.h"

#include <gtest/gtest.h>

TEST(XF_SetDeviceCursor, ColourAndMonochromeCursorsBecomeDeviceCursors)
{
    TestDevice device;
    ASSERT_TRUE(device.IsReady()) << device.Error();
    const HCURSOR hArrow = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    EXPECT_EQ(XF_SetDeviceCursor(device.Device(), hArrow, TRUE), S_OK);

    BYTE andMask[32 * 4];
    BYTE xorMask[32 * 4] = {};
    for (BYTE& b : andMask)
        b = 0xF0;
    const HCURSOR hMonochrome = CreateCursor(GetModuleHandleA(nullptr), 3, 4, 32, 32, andMask, xorMask);
    ASSERT_NE(hMonochrome, nullptr);
    EXPECT_EQ(XF_SetDeviceCursor(device.Device(), hMonochrome, FALSE), S_OK);
    DestroyCursor(hMonochrome);

    EXPECT_EQ(XF_SetDeviceCursor(device.Device(), nullptr, TRUE), E_FAIL);
    EXPECT_EQ(XF_SetDeviceCursor(nullptr, hArrow, TRUE), E_FAIL);
}

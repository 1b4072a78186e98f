#include "GameProgram/Input/XC_InputOfKeyboard.h"

#include "tests/Support/FakeKeyboard.h"
#include "tests/Support/InputWindow.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(XC_InputOfKeyboard, KeyHeldOverFramesHasOneEdgeEachWay)
{
    FakeKeyboardDevice device;
    FakeKeyboard keyboard(&device);
    struct Frame
    {
        BYTE byKey;
        BOOL bPressed, bDown, bReleased, bChanged;
    };
    const Frame frames[] = {
        {0x80, 1, 1, 0, 1}, {0x80, 0, 1, 0, 0}, {0x80, 0, 1, 0, 0}, {0x00, 0, 0, 1, 1}, {0x00, 0, 0, 0, 0},
    };
    int iFrame = 0;
    for (const Frame& frame : frames) {
        SCOPED_TRACE(iFrame++);
        device.keys[DIK_SPACE] = frame.byKey;
        ASSERT_EQ(keyboard.Update(), 1);
        EXPECT_EQ(keyboard.IsKeyPressed(DIK_SPACE), frame.bPressed);
        EXPECT_EQ(keyboard.IsKeyDown(DIK_SPACE), frame.bDown);
        EXPECT_EQ(keyboard.IsKeyReleased(DIK_SPACE), frame.bReleased);
        EXPECT_EQ(keyboard.IsAnyKeyChanged(), frame.bChanged);
        EXPECT_EQ(keyboard.IsKeyDown(DIK_A), 0);
    }

    device.keys[DIK_A] = 0x80;
    ASSERT_EQ(keyboard.Update(), 1);
    EXPECT_EQ(keyboard.ClearKeys(), 1);
    EXPECT_EQ(keyboard.IsKeyDown(DIK_A), 0);
    EXPECT_EQ(keyboard.IsKeyPressed(DIK_A), 0);
    EXPECT_EQ(keyboard.IsAnyKeyChanged(), 0);
    ASSERT_EQ(keyboard.Update(), 1); // still held: down again after a clear
    EXPECT_EQ(keyboard.IsKeyPressed(DIK_A), 1);
}

TEST(XC_InputOfKeyboard, KeyCodesPastTheTableAreRefused)
{
    ErrorLogCapture log;
    FakeKeyboardDevice device;
    std::memset(device.keys, 0x80, sizeof(device.keys));
    FakeKeyboard keyboard(&device);
    ASSERT_EQ(keyboard.Update(), 1);
    EXPECT_EQ(keyboard.IsKeyDown(255), 1);
    EXPECT_EQ(keyboard.IsKeyPressed(255), 1);
    for (const DWORD dwKey : {256u, 0xFFFFFFFFu}) {
        EXPECT_EQ(keyboard.IsKeyDown(dwKey), 0);
        EXPECT_EQ(keyboard.IsKeyPressed(dwKey), 0);
        EXPECT_EQ(keyboard.IsKeyReleased(dwKey), 0);
    }
    EXPECT_TRUE(log.Contains("( dwKey < 256 ) failed"));
}

TEST(XC_InputOfKeyboard, LostDeviceIsAcquiredAgainWithinABound)
{
    FakeKeyboardDevice device;
    FakeKeyboard keyboard(&device);
    device.keys[DIK_F5] = 0x80;

    device.iFailedReads = 1; // lost once: acquired again and read
    EXPECT_EQ(keyboard.Update(), 1);
    EXPECT_EQ(device.iAcquireCalls, 1);
    EXPECT_EQ(keyboard.IsKeyPressed(DIK_F5), 1);

    device.iFailedReads = 2; // the second read fails too
    EXPECT_EQ(keyboard.Update(), 0);
    EXPECT_EQ(keyboard.IsKeyDown(DIK_F5), 0);

    // A device that stays lost costs a bounded number of tries per frame.
    device.iFailedReads = 1000;
    device.iAcquireCalls = 0;
    device.hrAcquire = DIERR_INPUTLOST;
    EXPECT_EQ(keyboard.Update(), 0);
    EXPECT_EQ(device.iAcquireCalls, XC_InputOfObjectBase::MAX_ACQUIRE_TRIES);
    device.iAcquireCalls = 0;
    EXPECT_EQ(keyboard.Acquire(), DIERR_INPUTLOST);
    EXPECT_EQ(device.iAcquireCalls, XC_InputOfObjectBase::MAX_ACQUIRE_TRIES);

    // Any other refusal is not repeated.
    device.iAcquireCalls = 0;
    device.hrAcquire = DIERR_OTHERAPPHASPRIO;
    EXPECT_EQ(keyboard.Update(), 0);
    EXPECT_EQ(device.iAcquireCalls, 1);
}

TEST(XC_InputOfKeyboard, WithoutADeviceNothingIsRead)
{
    ErrorLogCapture log;
    XC_InputOfKeyboard keyboard;
    EXPECT_EQ(keyboard.Update(), 0);
    EXPECT_EQ(keyboard.Acquire(), 0);
    EXPECT_EQ(keyboard.Unacquire(), 0);

    EXPECT_EQ(keyboard.Init(nullptr), E_FAIL);
    EXPECT_TRUE(log.Contains("( pInputObj ) failed"));
    XC_InputObject notCreated;
    EXPECT_EQ(keyboard.Init(&notCreated), E_FAIL);
    EXPECT_TRUE(log.Contains("( pInputObj->GetDirectInput() ) failed"));
    EXPECT_EQ(keyboard.Update(), 0);
    EXPECT_EQ(keyboard.Fini(), 1);
}

namespace {

// Sends one key with xdotool and follows it through the keyboard's updates:
// true when it went down with its pressed edge and came up with its released
// edge. Only successful reads count, a lost device reads no keys at all.
bool KeySeenGoingDownAndUp(InputWindow& window, XC_InputOfKeyboard& keyboard)
{
    window.Activate();
    if (!RunXdotool("keydown a"))
        return false;
    bool bPressed = false;
    const bool bDown = window.PumpUntil(
        [&] {
            if (keyboard.Update() != 1)
                return false;
            bPressed = bPressed || keyboard.IsKeyPressed(DIK_A);
            return keyboard.IsKeyDown(DIK_A) != 0;
        },
        2000);
    if (!RunXdotool("keyup a") || !bDown || !bPressed)
        return false;
    return window.PumpUntil(
        [&] { return keyboard.Update() == 1 && keyboard.IsKeyReleased(DIK_A) && !keyboard.IsKeyDown(DIK_A); },
        2000);
}

} // namespace

TEST(XC_InputOfKeyboard, RealKeySentToTheWindowIsSeen)
{
    InputWindow window(nullptr);
    ASSERT_NE(window.Handle(), nullptr);
    window.Activate();
    XC_InputObject input;
    ASSERT_EQ(input.Init(window.Handle(), nullptr), DI_OK);
    XC_InputOfKeyboard keyboard;
    const HRESULT hr = keyboard.Init(&input);
    ASSERT_TRUE(hr == S_OK || hr == XC_InputOfKeyboard::S_NOT_ACQUIRED) << std::hex << hr;

    // Windows of other test programs on the shared display may take the
    // foreground, and the device with it: try again.
    bool bSeen = false;
    for (int iTry = 0; iTry < 5 && !bSeen; ++iTry)
        bSeen = KeySeenGoingDownAndUp(window, keyboard);
    EXPECT_TRUE(bSeen);
    EXPECT_EQ(keyboard.Fini(), 1);
    EXPECT_EQ(input.Fini(), 1);
}

#pragma once

#include "GameProgram/Input/XC_InputOfObjectBase.h"

// The system keyboard through DirectInput: one snapshot of all 256 keys per
// Update, with the keys that went down or up since the snapshot before.
class XC_InputOfKeyboard : public XC_InputOfObjectBase
{
public:
    enum { KEY_COUNT = 256 };
    // Init's answer when the device exists but could not be acquired yet;
    // Update acquires it later. Not a failure.
    static constexpr HRESULT S_NOT_ACQUIRED = 0x08000000;

    XC_InputOfKeyboard();

    // Creates the keyboard device from the input object's DirectInput object,
    // foreground and non-exclusive on its window with the Windows key off.
    HRESULT Init(XC_InputObject* pInputObj);
    // Unacquires and releases the device; returns 1.
    int Fini();

    // Takes a new snapshot; 1 after a read, 0 without a device or when the
    // state cannot be read even after acquiring again.
    int Update();
    // Clears both snapshots and every flag; returns 1.
    int ClearKeys();

    // Key codes are DirectInput's, 0 to 255; any other code is reported and
    // answers 0.
    BOOL IsKeyPressed(DWORD dwKey) const;
    BOOL IsKeyReleased(DWORD dwKey) const;
    BOOL IsKeyDown(DWORD dwKey) const;
    BOOL IsAnyKeyChanged() const { return m_bAnyKeyChanged; }

private:
    // The keyboard device with its data format and co-operative level.
    HRESULT CreateDevice();
    // Reads the device into the current buffer, acquiring once more on failure.
    bool ReadDeviceState();
    void CompareBuffers();
    bool IsKeyValid(DWORD dwKey) const;

    BYTE m_KeyBuffers[2][KEY_COUNT];
    DWORD m_dwBufferSize = KEY_COUNT;
    int m_iToggle = 0;
    BYTE* m_pCurrentKeys = m_KeyBuffers[0];
    BYTE* m_pPreviousKeys = m_KeyBuffers[1];
    BOOL m_bKeyPressed[KEY_COUNT];
    BOOL m_bKeyReleased[KEY_COUNT];
    BOOL m_bAnyKeyChanged = 0;
};

extern XC_InputOfKeyboard* g_pInputOfKeyboardObj;

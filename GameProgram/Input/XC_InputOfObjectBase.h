#pragma once

#include "GameProgram/Input/XC_InputObject.h"

// Base of the DirectInput devices: the device and the input object it was
// created from, with acquiring and unacquiring.
class XC_InputOfObjectBase
{
public:
    // How often an acquire that answers "input lost" is repeated at most.
    static constexpr int MAX_ACQUIRE_TRIES = 16;

    XC_InputOfObjectBase() = default;
    XC_InputOfObjectBase(const XC_InputOfObjectBase&) = delete;
    XC_InputOfObjectBase& operator=(const XC_InputOfObjectBase&) = delete;
    virtual ~XC_InputOfObjectBase();

    virtual HRESULT Acquire();
    virtual HRESULT Unacquire();
    // Acquires (1) or unacquires (0) the device; 0 without a device.
    virtual HRESULT SetAcquire(BOOL bAcquire);

protected:
    // Unacquires and releases the device.
    void ReleaseDevice();

    XC_InputObject* m_pInputObj = nullptr;
    IDirectInputDevice8A* m_pDevice = nullptr;
};

#include "GameProgram/Input/XC_InputOfObjectBase.h"

XC_InputOfObjectBase::~XC_InputOfObjectBase()
{
    ReleaseDevice();
}

HRESULT XC_InputOfObjectBase::Acquire()
{
    return SetAcquire(1);
}

HRESULT XC_InputOfObjectBase::Unacquire()
{
    return SetAcquire(0);
}

HRESULT XC_InputOfObjectBase::SetAcquire(BOOL bAcquire)
{
    if (m_pDevice == nullptr)
        return 0;
    if (!bAcquire)
        return m_pDevice->Unacquire();
    // A device that keeps answering "input lost" must not hold the frame for ever.
    HRESULT hr = m_pDevice->Acquire();
    for (int i = 1; hr == DIERR_INPUTLOST && i < MAX_ACQUIRE_TRIES; ++i)
        hr = m_pDevice->Acquire();
    return hr;
}

void XC_InputOfObjectBase::ReleaseDevice()
{
    if (m_pDevice == nullptr)
        return;
    m_pDevice->Unacquire();
    m_pDevice->Release();
    m_pDevice = nullptr;
}

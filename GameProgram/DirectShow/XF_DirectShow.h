#pragma once

#include <windows.h>


// Helpers the two DirectShow players share.

// Releases a COM interface and forgets it; safe to repeat.
template <typename T>
void XF_ReleaseInterface(T*& pInterface)
{
    if (pInterface != nullptr) {
        pInterface->Release();
        pInterface = nullptr;
    }
}

#pragma once

// Holds pNew (which may be null) in place of what *ppHeld held, taking the
// new reference before the old one goes, in case both are the same.
template <class T>
void XF_ReplaceReference(T** ppHeld, T* pNew)
{
    if (pNew != nullptr)
        pNew->AddRef();
    if (*ppHeld != nullptr)
        (*ppHeld)->Release();
    *ppHeld = pNew;
}

#pragma once

#include "GameProgram/Common/XC_String.h"

#include <windows.h>

class XC_ResourceManager;

// A named object loaded once and shared by reference count. Its manager owns
// it: users release their references and never delete it.
class XC_Resource
{
public:
    XC_Resource() = default;
    virtual ~XC_Resource() = default;
    XC_Resource(const XC_Resource&) = delete;
    XC_Resource& operator=(const XC_Resource&) = delete;

    // The normalised name under which the manager holds it.
    virtual const char* GetName() const;
    // At 0 references the manager destroys it or keeps it in its cache.
    virtual void Release();
    virtual void AddRef();
    virtual LONG GetRef() const;

protected:
    friend class XC_ResourceManager;

    XC_ResourceManager* m_pResourceManager = nullptr;
    XC_String m_ResourceName;
    LONG m_dwReferenceCount = 0;
    BOOL m_bCached = FALSE;
};

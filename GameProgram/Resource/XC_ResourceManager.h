#pragma once

#include "GameProgram/Common/XC_String.h"
#include "GameProgram/Resource/XC_Resource.h"

#include <windows.h>

#include <list>
#include <map>
#include <memory>

class XI_PackFile;
struct XS_FileData;

// The base of every resource manager: the resources by normalised name, the
// references handed out, and a cache of released resources so that one that
// is asked for again soon is not loaded twice. A derived manager supplies
// only how a resource is created from its name and how it is destroyed.
class XC_ResourceManager
{
public:
    XC_ResourceManager();
    // The resources must have been ended by DeleteAllResource first.
    virtual ~XC_ResourceManager() = default;
    XC_ResourceManager(const XC_ResourceManager&) = delete;
    XC_ResourceManager& operator=(const XC_ResourceManager&) = delete;

    virtual const char* GetManagerName() const;
    virtual void SetManagerName(const char* szManagerName);
    // Destroys every resource, reporting those that are still referenced.
    virtual HRESULT DeleteAllResource();
    virtual DWORD GetResourceCount() const;
    // The resource of the name with one more reference, created when
    // missing; null when it cannot be had.
    virtual XC_Resource* GetResource(const char* szResourceName);
    // The resource of an already normalised name with one more reference, or null.
    virtual XC_Resource* FindResource(const char* szNormalizedName);
    virtual void NormalizeName(XC_String& strName) const;
    // How many released resources stay loaded; a smaller size trims at once.
    virtual void SetCacheSize(DWORD dwCacheSize);
    virtual DWORD GetCacheSize() const;
    // Parks a released resource (null: none) and evicts the oldest ones
    // beyond the cache size.
    virtual void AddToCache(XC_Resource* pResourceObj);
    virtual HRESULT CreateObjct(const char* szResourceName, XC_Resource** ppResourceObj) = 0;
    // Destroys the object.
    virtual HRESULT DeleteResource(XC_Resource* pResourceObj) = 0;
    // Called when a resource's reference count reached 0.
    virtual HRESULT Release(XC_Resource* pResourceObj);
    virtual HRESULT ExecuteDeleteResource(XC_Resource* pResourceObj);

protected:
    // Keeps the pack the resources are read from (not owned); a null pack is
    // reported and refused.
    HRESULT SetPackFile(XI_PackFile* pPackFile);
    // The named file of the pack, or null after a report in the caller's
    // source file and line: a missing name or pack as a failed precondition,
    // a file the pack lacks as szNotFoundFormat with the name for its "%s".
    std::unique_ptr<XS_FileData> ReadPackFile(const char* szResourceName, const char* szSourceFile, int iLine,
                                              const char* szNotFoundFormat) const;

    XI_PackFile* m_pPackFile;

private:
    typedef std::map<XC_String, XC_Resource*> ResourceMap;

    void DeleteAllResourceOf(const ResourceMap& mapResource);

    XC_String m_strManagerName;
    DWORD m_dwCacheSize;
    std::list<XC_Resource*> m_CacheList;
    ResourceMap m_ResourceMap;
};

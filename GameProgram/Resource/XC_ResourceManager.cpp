#include "GameProgram/Resource/XC_ResourceManager.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"

#include <cstring>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const char* TextOrEmpty(const char* szText)
{
    return szText != nullptr ? szText : "";
}

} // namespace

XC_ResourceManager::XC_ResourceManager()
    : m_pPackFile(nullptr)
    , m_strManagerName("XC_ResourceManager")
    , m_dwCacheSize(0)
{
}

const char* XC_ResourceManager::GetManagerName() const
{
    return m_strManagerName.c_str();
}

void XC_ResourceManager::SetManagerName(const char* szManagerName)
{
    if (szManagerName == nullptr || std::strlen(szManagerName) == 0) {
        XM_REPORT_FAILED("szManagerName && strlen(szManagerName) > 0");
        return;
    }
    m_strManagerName = szManagerName;
}

HRESULT XC_ResourceManager::DeleteAllResource()
{
    // The map is taken out first: a resource whose destruction releases
    // another of this manager then finds nothing to delete twice.
    ResourceMap mapResource;
    mapResource.swap(m_ResourceMap);
    m_CacheList.clear();
    DeleteAllResourceOf(mapResource);
    m_CacheList.clear();
    return S_OK;
}

void XC_ResourceManager::DeleteAllResourceOf(const ResourceMap& mapResource)
{
    for (const auto& entry : mapResource) {
        XC_Resource* const pResourceObj = entry.second;
        if (pResourceObj->GetRef() != 0) {
            const char* const szText = XF_FormatText("%s 資源 %s 未釋放 , ref = %d", GetManagerName(),
                                                     pResourceObj->GetName(), static_cast<int>(pResourceObj->GetRef()));
            XF_ReportError(s_szSourceFile, __LINE__,
                           XF_FormatText("( %s ) failed \r\n%s", "pResourceObj->GetRef() == 0", TextOrEmpty(szText)));
        }
        const HRESULT hr = DeleteResource(pResourceObj);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("DeleteResource( pResourceObj )", hr);
    }
}

DWORD XC_ResourceManager::GetResourceCount() const
{
    return static_cast<DWORD>(m_ResourceMap.size());
}

XC_Resource* XC_ResourceManager::GetResource(const char* szResourceName)
{
    if (szResourceName == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed \r\n%s", "szResourceName", "szResourceName == NULL"));
        return nullptr;
    }
    XC_String strKey(szResourceName);
    NormalizeName(strKey);
    XC_Resource* const pFound = FindResource(strKey.c_str());
    if (pFound != nullptr)
        return pFound;

    XC_Resource* pResourceObj = nullptr;
    HRESULT hr = CreateObjct(strKey.c_str(), &pResourceObj);
    if (SUCCEEDED(hr) && pResourceObj == nullptr)
        hr = E_FAIL;
    if (FAILED(hr)) {
        const char* const szText = XF_FormatText("LoadResource Error , %s", szResourceName);
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed , hr = %x \r\n%s ", "hr", static_cast<unsigned>(hr),
                                     TextOrEmpty(szText)));
        return nullptr;
    }
    m_ResourceMap[strKey] = pResourceObj;
    pResourceObj->m_ResourceName = strKey;
    pResourceObj->m_pResourceManager = this;
    pResourceObj->AddRef();
    return pResourceObj;
}

XC_Resource* XC_ResourceManager::FindResource(const char* szNormalizedName)
{
    const ResourceMap::const_iterator it = m_ResourceMap.find(XC_String(szNormalizedName));
    if (it == m_ResourceMap.end())
        return nullptr;
    it->second->AddRef();
    return it->second;
}

void XC_ResourceManager::NormalizeName(XC_String& strName) const
{
    strName.NormalizePath();
}

void XC_ResourceManager::SetCacheSize(DWORD dwCacheSize)
{
    m_dwCacheSize = dwCacheSize;
    AddToCache(nullptr);
}

DWORD XC_ResourceManager::GetCacheSize() const
{
    return m_dwCacheSize;
}

void XC_ResourceManager::AddToCache(XC_Resource* pResourceObj)
{
    if (pResourceObj != nullptr && !pResourceObj->m_bCached) {
        m_CacheList.push_back(pResourceObj);
        pResourceObj->m_bCached = TRUE;
    }
    while (m_CacheList.size() > m_dwCacheSize) {
        XC_Resource* const pTempResourceObj = m_CacheList.front();
        m_CacheList.pop_front();
        pTempResourceObj->m_bCached = FALSE;
        // One taken again since it was parked stays loaded.
        if (pTempResourceObj->GetRef() != 0)
            continue;
        const HRESULT hr = ExecuteDeleteResource(pTempResourceObj);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("ExecuteDeleteResource( pTempResourceObj )", hr);
    }
}

HRESULT XC_ResourceManager::Release(XC_Resource* pResourceObj)
{
    if (pResourceObj == nullptr) {
        XM_REPORT_FAILED("pResourceObj");
        return E_FAIL;
    }
    if (pResourceObj->GetRef() != 0) {
        XM_REPORT_FAILED("pResourceObj->m_dwReferenceCount == 0");
        return E_FAIL;
    }
    if (m_dwCacheSize == 0) {
        if (FAILED(ExecuteDeleteResource(pResourceObj))) {
            XF_ReportError(s_szSourceFile, __LINE__, nullptr);
            return E_FAIL;
        }
        return S_OK;
    }
    AddToCache(pResourceObj);
    return S_OK;
}

HRESULT XC_ResourceManager::ExecuteDeleteResource(XC_Resource* pResourceObj)
{
    const ResourceMap::iterator it = m_ResourceMap.find(pResourceObj->m_ResourceName);
    if (it == m_ResourceMap.end() || it->second != pResourceObj) {
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("%s::_DeleteObjct()", GetManagerName()));
        return E_FAIL;
    }
    m_ResourceMap.erase(it);
    const HRESULT hr = DeleteResource(pResourceObj);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("DeleteResource( pResourceObj )", hr);
    return S_OK;
}

HRESULT XC_ResourceManager::SetPackFile(XI_PackFile* pPackFile)
{
    if (pPackFile == nullptr) {
        XM_REPORT_FAILED("pPackFile");
        return E_FAIL;
    }
    m_pPackFile = pPackFile;
    return S_OK;
}

std::unique_ptr<XS_FileData> XC_ResourceManager::ReadPackFile(const char* szResourceName, const char* szSourceFile,
                                                              int iLine, const char* szNotFoundFormat) const
{
    if (szResourceName == nullptr) {
        XF_ReportError(szSourceFile, iLine, XF_FormatText("( %s ) failed", "szResourceName"));
        return nullptr;
    }
    if (m_pPackFile == nullptr) {
        XF_ReportError(szSourceFile, iLine, XF_FormatText("( %s ) failed", "m_pPackFile"));
        return nullptr;
    }
    std::unique_ptr<XS_FileData> pFileData(m_pPackFile->GetData(szResourceName));
    if (pFileData == nullptr)
        XF_ReportError(szSourceFile, iLine, XF_FormatText(szNotFoundFormat, szResourceName));
    return pFileData;
}

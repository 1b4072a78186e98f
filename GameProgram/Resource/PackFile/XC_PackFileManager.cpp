#include "GameProgram/Resource/PackFile/XC_PackFileManager.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/PackFile/XC_PackFile.h"

#include <new>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XI_PackFileManager* g_pPackFileManager = nullptr;

XC_PackFileManager::~XC_PackFileManager()
{
    XC_PackFileManager::Fini();
}

HRESULT XC_PackFileManager::Init(const char* szManagerPath)
{
    Fini();
    return SetManagerPath(szManagerPath);
}

HRESULT XC_PackFileManager::SetManagerPath(const char* szManagerPath)
{
    char* szCopy = nullptr;
    const HRESULT hr = XF_StrCopy(&szCopy, szManagerPath != nullptr ? szManagerPath : "");
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR(szManagerPath != nullptr ? "XF_StrCopy( m_lpstrManagerPath , szManagerPath )"
                                                     : "XF_StrCopy( m_lpstrManagerPath , \"\" )",
                            hr);
        return hr;
    }
    delete[] m_lpstrManagerPath;
    m_lpstrManagerPath = szCopy;
    return S_OK;
}

HRESULT XC_PackFileManager::Fini()
{
    for (DWORD i = 0; i < m_PAL_PackFile.Count(); ++i)
        delete m_PAL_PackFile.GetPtr(i);
    m_PAL_PackFile.RemoveAll();
    delete[] m_lpstrManagerPath;
    m_lpstrManagerPath = nullptr;
    return S_OK;
}

XI_PackFile* XC_PackFileManager::OpenPackFile(const char* szPackName)
{
    if (szPackName == nullptr) {
        XM_REPORT_FAILED("szPackName");
        return nullptr;
    }
    XC_PackFile* pPackFileObj = new (std::nothrow) XC_PackFile;
    if (pPackFileObj == nullptr) {
        XM_REPORT_FAILED("pPackFileObj");
        return nullptr;
    }
    const char* szBase = m_lpstrManagerPath != nullptr ? m_lpstrManagerPath : "";
    const std::string strPath = std::string(szBase) + szPackName + "\\";
    if (FAILED(pPackFileObj->SetPath(strPath.c_str())) || !AddPackFile(pPackFileObj)) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        delete pPackFileObj;
        return nullptr;
    }
    return pPackFileObj;
}

bool XC_PackFileManager::AddPackFile(XI_PackFile* pPackFile)
{
    return SUCCEEDED(m_PAL_PackFile.Add(pPackFile));
}

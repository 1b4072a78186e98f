#include "GameProgram/Resource/PackFile/XC_PackFile.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"

#include <new>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XI_PackFile* g_pPackFile_Data = nullptr;

XC_PackFile::~XC_PackFile()
{
    delete[] m_lpstrFilePath;
}

const char* XC_PackFile::GetPath()
{
    if (m_lpstrFilePath == nullptr)
        XM_REPORT_FAILED("m_lpstrFilePath");
    return m_lpstrFilePath;
}

XS_FileData* XC_PackFile::GetData(const char* szFileName)
{
    if (m_lpstrFilePath == nullptr || szFileName == nullptr)
        return nullptr;
    // A missing entry is normal: a multi pack asks its packs in turn.
    const std::string strPath = std::string(m_lpstrFilePath) + szFileName;
    BYTE* pData = nullptr;
    DWORD dwSize = 0;
    if (FAILED(XF_LoadFile(strPath.c_str(), &pData, &dwSize)))
        return nullptr;
    XS_FileData* pFileData = new (std::nothrow) XS_FileData;
    if (pFileData == nullptr) {
        delete[] pData;
        XM_REPORT_FAILED("pFileData");
        return nullptr;
    }
    pFileData->pData = pData;
    pFileData->dwSize = dwSize;
    if (pData == nullptr || dwSize == 0)
        XM_REPORT_FAILED("(pData) && (dwSize>0)");
    return pFileData;
}

HRESULT XC_PackFile::SetPath(const char* szFilePath)
{
    char* szCopy = nullptr;
    const HRESULT hr = XF_StrCopy(&szCopy, szFilePath);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("XF_StrCopy( m_lpstrFilePath , szFilePath )", hr);
        return hr;
    }
    delete[] m_lpstrFilePath;
    m_lpstrFilePath = szCopy;
    return S_OK;
}

#include "GameProgram/Resource/PackFile/XC_MultiPackFile.h"

#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

const char* XC_MultiPackFile::GetPath()
{
    XI_PackFile* pPackFile = m_PAL_PackFile.GetPtr(0);
    return pPackFile != nullptr ? pPackFile->GetPath() : nullptr;
}

XS_FileData* XC_MultiPackFile::GetData(const char* szFileName)
{
    for (DWORD i = 0; i < m_PAL_PackFile.Count(); ++i) {
        XI_PackFile* pPackFile = m_PAL_PackFile.GetPtr(i);
        if (pPackFile == nullptr) {
            XM_REPORT_FAILED("pPackFile");
            continue;
        }
        XS_FileData* pFileData = pPackFile->GetData(szFileName);
        if (pFileData != nullptr)
            return pFileData;
    }
    return nullptr;
}

HRESULT XC_MultiPackFile::Add(XI_PackFile* pPackFile)
{
    if (pPackFile == nullptr) {
        XM_REPORT_FAILED("pPackFile");
        return E_FAIL;
    }
    return m_PAL_PackFile.Add(pPackFile);
}

HRESULT XC_MultiPackFile::Clear()
{
    m_PAL_PackFile.RemoveAll();
    return S_OK;
}

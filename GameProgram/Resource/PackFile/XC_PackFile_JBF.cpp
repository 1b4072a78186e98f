#include "GameProgram/Resource/PackFile/XC_PackFile_JBF.h"

#include "ArchiveLibrary/JI_Quorlin.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"

#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XS_FileData* XC_PackFile_JBF::GetData(const char* szFileName)
{
    if (m_pQuorlin == nullptr) {
        XM_REPORT_FAILED("m_pQuorlin");
        return nullptr;
    }
    // First the size, then the whole entry into a buffer of the game's own.
    std::uint8_t* pData = nullptr;
    std::uint32_t dwSize = 0;
    if (m_pQuorlin->GetFileEx(szFileName, &pData, &dwSize) < 0 || dwSize == 0)
        return nullptr;
    BYTE* pMemory = new (std::nothrow) BYTE[dwSize];
    if (pMemory == nullptr) {
        XM_REPORT_FAILED("pMemory");
        return nullptr;
    }
    pData = pMemory;
    if (m_pQuorlin->GetFileEx(szFileName, &pData, &dwSize) < 0) {
        XF_ReportError(s_szSourceFile, __LINE__, "m_pQuorlin->GetFileEx() error");
        delete[] pMemory;
        return nullptr;
    }
    XS_FileData* pFileData = new (std::nothrow) XS_FileData;
    if (pFileData == nullptr) {
        XM_REPORT_FAILED("pFileData");
        delete[] pMemory;
        return nullptr;
    }
    pFileData->pData = pMemory;
    pFileData->dwSize = dwSize;
    return pFileData;
}

HRESULT XC_PackFile_JBF::SetQuorlin(JI_Quorlin* pQuorlin)
{
    if (pQuorlin == nullptr) {
        XM_REPORT_FAILED("pQuorlin");
        return E_FAIL;
    }
    m_pQuorlin = pQuorlin;
    return S_OK;
}

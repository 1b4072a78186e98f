#include "ArchiveLibrary/JC_QuorlinFile.h"

#include <windows.h>

namespace {

HANDLE ToHandle(void* pHandle)
{
    return static_cast<HANDLE>(pHandle);
}

} // namespace

bool JC_QuorlinFile::Open(const std::string& strPath, Mode mode)
{
    Close();
    DWORD dwAccess = GENERIC_READ | GENERIC_WRITE;
    DWORD dwShare = FILE_SHARE_READ;
    DWORD dwDisposition = OPEN_EXISTING;
    if (mode == MODE_READ) {
        dwAccess = GENERIC_READ;
        dwShare = FILE_SHARE_READ | FILE_SHARE_WRITE;
    } else if (mode == MODE_CREATE) {
        dwDisposition = CREATE_ALWAYS;
    }
    const HANDLE hFile = CreateFileA(strPath.c_str(), dwAccess, dwShare, nullptr, dwDisposition,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    m_pHandle = hFile;
    return true;
}

void JC_QuorlinFile::Close()
{
    if (m_pHandle == nullptr)
        return;
    CloseHandle(ToHandle(m_pHandle));
    m_pHandle = nullptr;
}

std::uint32_t JC_QuorlinFile::Read(void* pBuffer, std::uint32_t dwCount)
{
    DWORD dwRead = 0;
    if (m_pHandle == nullptr || !ReadFile(ToHandle(m_pHandle), pBuffer, dwCount, &dwRead, nullptr))
        return 0;
    return dwRead;
}

bool JC_QuorlinFile::Write(const void* pData, std::uint32_t dwCount)
{
    DWORD dwWritten = 0;
    return m_pHandle != nullptr && WriteFile(ToHandle(m_pHandle), pData, dwCount, &dwWritten, nullptr)
        && dwWritten == dwCount;
}

bool JC_QuorlinFile::Seek(std::uint64_t qwPosition)
{
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(qwPosition);
    return m_pHandle != nullptr && SetFilePointerEx(ToHandle(m_pHandle), position, nullptr, FILE_BEGIN);
}

bool JC_QuorlinFile::SeekToEnd(std::uint64_t* pqwPosition)
{
    LARGE_INTEGER distance;
    distance.QuadPart = 0;
    LARGE_INTEGER position;
    if (m_pHandle == nullptr || !SetFilePointerEx(ToHandle(m_pHandle), distance, &position, FILE_END))
        return false;
    *pqwPosition = static_cast<std::uint64_t>(position.QuadPart);
    return true;
}

bool JC_QuorlinFile::GetPosition(std::uint64_t* pqwPosition) const
{
    LARGE_INTEGER distance;
    distance.QuadPart = 0;
    LARGE_INTEGER position;
    if (m_pHandle == nullptr || !SetFilePointerEx(ToHandle(m_pHandle), distance, &position, FILE_CURRENT))
        return false;
    *pqwPosition = static_cast<std::uint64_t>(position.QuadPart);
    return true;
}

bool JC_QuorlinFile::GetLength(std::uint64_t* pqwLength) const
{
    LARGE_INTEGER length;
    if (m_pHandle == nullptr || !GetFileSizeEx(ToHandle(m_pHandle), &length))
        return false;
    *pqwLength = static_cast<std::uint64_t>(length.QuadPart);
    return true;
}

bool JC_QuorlinFile::SetLength(std::uint64_t qwLength)
{
    return Seek(qwLength) && SetEndOfFile(ToHandle(m_pHandle));
}

bool JC_QuorlinFile::Flush()
{
    return m_pHandle != nullptr && FlushFileBuffers(ToHandle(m_pHandle));
}

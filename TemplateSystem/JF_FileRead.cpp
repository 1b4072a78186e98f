#include "TemplateSystem/JF_FileRead.h"

namespace {

JE_FileRead ReadOpenFile(HANDLE hFile, DWORD dwMaximum, std::vector<BYTE>& data)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(hFile, &size))
        return JE_FileRead::SizeFailed;
    if (size.QuadPart > 0xFFFFFFFFLL)
        return JE_FileRead::FourGigabytes;
    const DWORD dwSize = static_cast<DWORD>(size.QuadPart);
    if (dwSize > dwMaximum)
        return JE_FileRead::AboveMaximum;
    data.resize(dwSize);
    DWORD dwRead = 0;
    if (dwSize != 0 && !ReadFile(hFile, data.data(), dwSize, &dwRead, nullptr)) {
        data.clear();
        return JE_FileRead::ReadFailed;
    }
    if (dwRead != dwSize) {
        data.clear();
        return JE_FileRead::ShortRead;
    }
    return JE_FileRead::Done;
}

} // namespace

JE_FileRead JF_ReadFile(const std::string& strPath, DWORD dwMaximum, std::vector<BYTE>& data)
{
    data.clear();
    const HANDLE hFile = CreateFileA(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return JE_FileRead::CannotOpen;
    const JE_FileRead result = ReadOpenFile(hFile, dwMaximum, data);
    CloseHandle(hFile);
    return result;
}

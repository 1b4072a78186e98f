#pragma once

#include <windows.h>

#include <string>
#include <vector>

constexpr DWORD JE_ENVELOPE_METHOD = 0x89016101;
constexpr DWORD JE_ENVELOPE_KEY_LENGTH = 0x89016102;

// The previous title's "FEFE" file envelope: a 28-byte header (magic, an
// unused value, the method, the key length and 12 key bytes) before a
// payload whose bytes chain on the decoded ones. A file of 28 bytes or less,
// or without the magic, is its own text.
class JC_Oskel3Envelope
{
public:
    static constexpr DWORD HEADER_SIZE = 28;
    static constexpr DWORD KEY_SIZE = 12;
    static constexpr DWORD MAX_FILE_SIZE = 0x8000000;

    // Reads and decodes a whole file.
    static DWORD Read(const std::string& strPath, std::string& strText);
    // Decodes the bytes of a file.
    static DWORD Decode(const BYTE* pData, size_t size, std::string& strText);

private:
    static void DecodeChain(const BYTE* pPayload, size_t size, size_t step, std::string& strText);
    static void DecodeKey(const BYTE* pPayload, size_t size, const BYTE* pKey, DWORD dwKeyLength,
                          std::string& strText);
};

#include "JC_DataManager/Manager/JC_Oskel3Envelope.h"

#include "TemplateSystem/JC_LineReader.h"

#include <cstring>

namespace {

DWORD ReadLittleEndian32(const BYTE* pBytes)
{
    return static_cast<DWORD>(pBytes[0]) | static_cast<DWORD>(pBytes[1]) << 8 | static_cast<DWORD>(pBytes[2]) << 16 |
           static_cast<DWORD>(pBytes[3]) << 24;
}

} // namespace

DWORD JC_Oskel3Envelope::Read(const std::string& strPath, std::string& strText)
{
    strText.clear();
    std::vector<BYTE> buffer;
    const DWORD dwResult = JC_LineReader::ReadWholeFile(strPath, buffer, MAX_FILE_SIZE);
    if (dwResult != 0)
        return dwResult;
    return Decode(buffer.data(), buffer.size(), strText);
}

DWORD JC_Oskel3Envelope::Decode(const BYTE* pData, size_t size, std::string& strText)
{
    strText.clear();
    if (size <= HEADER_SIZE || std::memcmp(pData, "FEFE", 4) != 0) {
        strText.assign(reinterpret_cast<const char*>(pData), size);
        return 0;
    }
    const DWORD dwMethod = ReadLittleEndian32(pData + 8);
    const DWORD dwKeyLength = ReadLittleEndian32(pData + 12);
    const BYTE* pPayload = pData + HEADER_SIZE;
    const size_t payloadSize = size - HEADER_SIZE;
    switch (dwMethod) {
    case 1:
        DecodeChain(pPayload, payloadSize, 1, strText);
        return 0;
    case 2:
        DecodeChain(pPayload, payloadSize, 2, strText);
        return 0;
    case 3:
        // The header holds 12 key bytes; a longer key would reach the payload.
        if (dwKeyLength > KEY_SIZE)
            return JE_ENVELOPE_KEY_LENGTH;
        DecodeKey(pPayload, payloadSize, pData + 16, dwKeyLength, strText);
        return 0;
    default:
        return JE_ENVELOPE_METHOD;
    }
}

// Each byte less the decoded byte step places before it.
void JC_Oskel3Envelope::DecodeChain(const BYTE* pPayload, size_t size, size_t step, std::string& strText)
{
    strText.resize(size);
    for (size_t i = 0; i < size; ++i) {
        const BYTE byPrevious = i >= step ? static_cast<BYTE>(strText[i - step]) : 0;
        strText[i] = static_cast<char>(static_cast<BYTE>(pPayload[i] - byPrevious));
    }
}

// A key length of 0 uses the first key byte alone.
void JC_Oskel3Envelope::DecodeKey(const BYTE* pPayload, size_t size, const BYTE* pKey, DWORD dwKeyLength,
                                  std::string& strText)
{
    const DWORD dwUsed = dwKeyLength == 0 ? 1 : dwKeyLength;
    strText.resize(size);
    for (size_t i = 0; i < size; ++i)
        strText[i] = static_cast<char>(static_cast<BYTE>(pPayload[i] - pKey[i % dwUsed]));
}

#include "TemplateSystem/JC_TextCodec.h"

#include "TemplateSystem/JF_FileRead.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Files above this size are refused before anything is allocated.
constexpr DWORD MAX_FILE_SIZE = 0x0FFFFFFF;

const BYTE s_abyMark[4] = {'C', 'O', 'D', 'E'};

BYTE RandomByte()
{
    return static_cast<BYTE>(std::rand() & 0xFF);
}

BYTE RandomNonZeroByte()
{
    BYTE byValue = 0;
    do {
        byValue = RandomByte();
    } while (byValue == 0);
    return byValue;
}

BYTE CheckSum(const JS_CodeHeader& header)
{
    BYTE bySum = 0;
    for (DWORD i = 0; i < JS_CodeHeader::CHECK_COUNT; ++i)
        bySum = static_cast<BYTE>(bySum + header.abyBytes[JS_CodeHeader::CHECK + i]);
    return bySum;
}

const BYTE* Key(const JS_CodeHeader& header)
{
    return header.abyBytes + JS_CodeHeader::KEY;
}

// Copies a plain text into pOut when it fits, by the capacity rules of Decode.
DWORD CopyPlain(const BYTE* pData, DWORD dwSize, BYTE* pOut, DWORD& dwCapacity)
{
    const bool bFits = pOut != nullptr && dwCapacity != 0 && dwSize <= dwCapacity;
    dwCapacity = dwSize;
    if (!bFits)
        return JE_CODEC_NEED_BUFFER;
    if (dwSize != 0)
        std::memcpy(pOut, pData, dwSize);
    return 0;
}

// The byte sum a method-6 text must have: the first eight key bytes, each
// shifted in by four bits, so that neighbours overlap.
ULONGLONG Method6Check(const JS_CodeHeader& header)
{
    ULONGLONG ullCheck = 0;
    for (DWORD i = 0; i < 8; ++i)
        ullCheck = (ullCheck << 4) | Key(header)[i];
    return ullCheck;
}

// Reads a whole file of at most MAX_FILE_SIZE bytes.
DWORD ReadWhole(const std::string& strPath, std::vector<BYTE>& data)
{
    switch (JF_ReadFile(strPath, MAX_FILE_SIZE, data)) {
    case JE_FileRead::Done: return 0;
    case JE_FileRead::CannotOpen: return JE_CODEC_CANNOT_OPEN;
    case JE_FileRead::SizeFailed: return JE_CODEC_SIZE_FAILED;
    case JE_FileRead::FourGigabytes:
    case JE_FileRead::AboveMaximum: return JE_CODEC_FILE_TOO_LARGE;
    case JE_FileRead::ReadFailed: return JE_CODEC_READ_FAILED;
    case JE_FileRead::ShortRead: return JE_CODEC_SHORT_READ;
    }
    return JE_CODEC_READ_FAILED;
}

} // namespace

void JC_TextCodec::MakeHeader(JS_CodeHeader& header)
{
    std::memset(header.abyBytes, 0, sizeof(header.abyBytes));
    std::memcpy(header.abyBytes, s_abyMark, sizeof(s_abyMark));
    for (DWORD i = 0; i < JS_CodeHeader::KEY_COUNT; ++i)
        header.abyBytes[JS_CodeHeader::KEY + i] = RandomNonZeroByte();
    for (DWORD i = JS_CodeHeader::KEY + JS_CodeHeader::KEY_COUNT; i < JS_CodeHeader::CHECK; ++i)
        header.abyBytes[i] = RandomByte();
    do {
        for (DWORD i = 0; i < JS_CodeHeader::CHECK_COUNT; ++i)
            header.abyBytes[JS_CodeHeader::CHECK + i] = RandomNonZeroByte();
    } while (CheckSum(header) == 0);
}

DWORD JC_TextCodec::ReadHeader(const BYTE* pData, DWORD dwSize, bool& bHasHeader, JS_CodeHeader& header)
{
    bHasHeader = false;
    if (pData == nullptr)
        return JE_CODEC_HEADER_NULL_DATA;
    if (dwSize == 0)
        return JE_CODEC_HEADER_EMPTY;
    if (dwSize < JS_CodeHeader::SIZE)
        return 0;
    std::memcpy(header.abyBytes, pData, JS_CodeHeader::SIZE);
    const BYTE bySum = CheckSum(header);
    for (DWORD i = 0; i < JS_CodeHeader::CHECK; ++i)
        header.abyBytes[i] = static_cast<BYTE>(header.abyBytes[i] - bySum);
    bHasHeader = std::memcmp(header.abyBytes, s_abyMark, sizeof(s_abyMark)) == 0;
    return 0;
}

DWORD JC_TextCodec::Decode(JS_CodeHeader& header, const BYTE* pData, DWORD dwSize, BYTE* pOut,
                           DWORD& dwCapacity)
{
    if (pData == nullptr)
        return JE_CODEC_NULL_DATA;
    if (dwSize == 0)
        return JE_CODEC_EMPTY;
    if (dwSize <= JS_CodeHeader::SIZE)
        return CopyPlain(pData, dwSize, pOut, dwCapacity);
    bool bHasHeader = false;
    ReadHeader(pData, dwSize, bHasHeader, header); // cannot fail on this data
    if (!bHasHeader)
        return CopyPlain(pData, dwSize, pOut, dwCapacity);

    const DWORD dwLength = dwSize - JS_CodeHeader::SIZE;
    const bool bFits = pOut != nullptr && dwCapacity != 0 && dwLength <= dwCapacity;
    dwCapacity = dwLength;
    if (!bFits)
        return JE_CODEC_NEED_BUFFER;
    const BYTE* pPayload = pData + JS_CodeHeader::SIZE;
    switch (header.abyBytes[JS_CodeHeader::METHOD]) {
    case 1: return DecodeMethod1(header, pPayload, dwLength, pOut);
    case 2: return DecodeMethod2(header, pPayload, dwLength, pOut);
    case 3: return DecodeMethod3(header, pPayload, dwLength, pOut);
    case 4: return DecodeMethod4(header, pPayload, dwLength, pOut);
    case 5: return DecodeMethod5(header, pPayload, dwLength, pOut);
    case 6: return DecodeMethod6(header, pPayload, dwLength, pOut);
    default: return JE_CODEC_BAD_METHOD;
    }
}

DWORD JC_TextCodec::ReadAndDecode(JS_CodeHeader& header, const std::string& strPath, BYTE* pOut,
                                  DWORD& dwCapacity)
{
    std::vector<BYTE> data;
    const DWORD dwResult = ReadWhole(strPath, data);
    if (dwResult != 0)
        return dwResult;
    const DWORD dwSize = static_cast<DWORD>(data.size());
    if (dwSize <= JS_CodeHeader::SIZE)
        return CopyPlain(data.data(), dwSize, pOut, dwCapacity);
    return Decode(header, data.data(), dwSize, pOut, dwCapacity);
}

DWORD JC_TextCodec::DecodeView(JS_CodeHeader& header, const BYTE* pData, DWORD dwSize, DWORD dwEmpty,
                               std::vector<BYTE>& storage, std::string_view& text)
{
    text = {};
    MakeHeader(header);
    DWORD dwLength = 0;
    DWORD dwResult = Decode(header, pData, dwSize, nullptr, dwLength);
    if (dwResult != JE_CODEC_NEED_BUFFER)
        return dwResult;
    if (dwLength == 0)
        return dwEmpty;
    if (dwLength == dwSize) {
        text = std::string_view(reinterpret_cast<const char*>(pData), dwSize);
        return 0;
    }
    storage.resize(dwLength);
    dwResult = Decode(header, pData, dwSize, storage.data(), dwLength);
    if (dwResult == 0)
        text = std::string_view(reinterpret_cast<const char*>(storage.data()), dwLength);
    return dwResult;
}

DWORD JC_TextCodec::ReadText(JS_CodeHeader& header, const std::string& strPath, DWORD dwEmpty,
                             std::vector<BYTE>& text)
{
    text.clear();
    std::vector<BYTE> data;
    DWORD dwResult = ReadWhole(strPath, data);
    if (dwResult != 0)
        return dwResult;
    if (data.empty())
        return dwEmpty;
    std::vector<BYTE> storage;
    std::string_view view;
    dwResult = DecodeView(header, data.data(), static_cast<DWORD>(data.size()), dwEmpty, storage, view);
    if (dwResult == 0)
        text = view.data() == reinterpret_cast<const char*>(data.data()) ? std::move(data) : std::move(storage);
    return dwResult;
}

DWORD JC_TextCodec::DecodeMethod1(const JS_CodeHeader& header, const BYTE* pPayload, DWORD dwLength,
                                  BYTE* pOut)
{
    const BYTE* pKey = Key(header);
    for (DWORD i = 0; i < dwLength; ++i)
        pOut[i] = static_cast<BYTE>(pPayload[i] - pKey[i % JS_CodeHeader::KEY_COUNT]);
    return 0;
}

DWORD JC_TextCodec::DecodeMethod2(const JS_CodeHeader&, const BYTE* pPayload, DWORD dwLength, BYTE* pOut)
{
    for (DWORD i = 0; i < dwLength; ++i)
        pOut[i] = i == 0 ? pPayload[0] : static_cast<BYTE>(pPayload[i] - pOut[i - 1]);
    return 0;
}

DWORD JC_TextCodec::DecodeMethod3(const JS_CodeHeader&, const BYTE* pPayload, DWORD dwLength, BYTE* pOut)
{
    for (DWORD i = 0; i < dwLength; ++i)
        pOut[i] = i < 2 ? pPayload[i] : static_cast<BYTE>(pPayload[i] - pOut[i - 2]);
    return 0;
}

// Methods 4 and 5 pair each even byte with the odd byte after it; an even
// last byte has no partner inside the payload and stands as it is.
DWORD JC_TextCodec::DecodeMethod4(const JS_CodeHeader&, const BYTE* pPayload, DWORD dwLength, BYTE* pOut)
{
    for (DWORD i = 0; i < dwLength; ++i) {
        const bool bPaired = i % 2 == 0 && i + 1 < dwLength;
        pOut[i] = bPaired ? static_cast<BYTE>(pPayload[i] - pPayload[i + 1]) : pPayload[i];
    }
    return 0;
}

DWORD JC_TextCodec::DecodeMethod5(const JS_CodeHeader&, const BYTE* pPayload, DWORD dwLength, BYTE* pOut)
{
    for (DWORD i = 0; i < dwLength; i += 2)
        pOut[i] = i + 1 < dwLength ? static_cast<BYTE>(pPayload[i] - pPayload[i + 1]) : pPayload[i];
    for (DWORD i = 1; i < dwLength; i += 2)
        pOut[i] = static_cast<BYTE>(pPayload[i] - pOut[i - 1]);
    return 0;
}

DWORD JC_TextCodec::DecodeMethod6(const JS_CodeHeader& header, const BYTE* pPayload, DWORD dwLength,
                                  BYTE* pOut)
{
    DecodeMethod1(header, pPayload, dwLength, pOut);
    ULONGLONG ullSum = 0;
    for (DWORD i = 0; i < dwLength; ++i)
        ullSum += pOut[i];
    return ullSum == Method6Check(header) ? 0 : JE_CODEC_CHECK_FAILED;
}

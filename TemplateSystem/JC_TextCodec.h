#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

constexpr DWORD JE_CODEC_HEADER_NULL_DATA = 0x80021101;
constexpr DWORD JE_CODEC_HEADER_EMPTY = 0x80021102;
constexpr DWORD JE_CODEC_CANNOT_OPEN = 0x80021321;
constexpr DWORD JE_CODEC_SIZE_FAILED = 0x80021322;
constexpr DWORD JE_CODEC_FILE_TOO_LARGE = 0x80021323;
// No buffer, or one too small: the capacity holds the length needed.
constexpr DWORD JE_CODEC_NEED_BUFFER = 0x80021324;
constexpr DWORD JE_CODEC_READ_FAILED = 0x80021325;
constexpr DWORD JE_CODEC_SHORT_READ = 0x80021326;
constexpr DWORD JE_CODEC_NULL_DATA = 0x80021341;
constexpr DWORD JE_CODEC_EMPTY = 0x80021342;
constexpr DWORD JE_CODEC_BAD_METHOD = 0x80021343;
constexpr DWORD JE_CODEC_CHECK_FAILED = 0x80021461;

// The 24-byte header of a scrambled text, in its plain form: "CODE", the
// method (1 to 6), ten key bytes, four further bytes and five check bytes. As
// stored, bytes 0 to 18 are raised by the sum of the check bytes.
struct JS_CodeHeader
{
    static constexpr DWORD SIZE = 24;
    static constexpr DWORD METHOD = 4;
    static constexpr DWORD KEY = 5;
    static constexpr DWORD KEY_COUNT = 10;
    static constexpr DWORD CHECK = 19;
    static constexpr DWORD CHECK_COUNT = 5;

    BYTE abyBytes[SIZE] = {};
};

// Reads text files that may carry the "CODE" header and restores their text
// by one of six byte methods. Files without the header pass unchanged.
class JC_TextCodec
{
public:
    // A fresh header: "CODE", method 0, key and check bytes from rand(), none
    // of them 0, the check bytes not summing to 0 mod 256.
    static void MakeHeader(JS_CodeHeader& header);
    // Takes the first 24 bytes as a stored header; bHasHeader tells whether
    // they read "CODE" once corrected. Shorter data has no header.
    static DWORD ReadHeader(const BYTE* pData, DWORD dwSize, bool& bHasHeader, JS_CodeHeader& header);
    // Restores the text of a buffer into pOut. dwCapacity gives the room in
    // pOut and returns the text's length; without pOut or with too little
    // room nothing is written and the answer is JE_CODEC_NEED_BUFFER.
    static DWORD Decode(JS_CodeHeader& header, const BYTE* pData, DWORD dwSize, BYTE* pOut,
                        DWORD& dwCapacity);
    // Reads a file and decodes it, with the capacity rules of Decode.
    static DWORD ReadAndDecode(JS_CodeHeader& header, const std::string& strPath, BYTE* pOut,
                               DWORD& dwCapacity);
    // The text of a buffer, for a reader: a plain buffer itself, a scrambled
    // one restored into storage. The header is made afresh first and takes
    // the buffer's. The failures of Decode, or dwEmpty for an empty text.
    static DWORD DecodeView(JS_CodeHeader& header, const BYTE* pData, DWORD dwSize, DWORD dwEmpty,
                            std::vector<BYTE>& storage, std::string_view& text);
    // Reads a file once and restores its text, as DecodeView does. The
    // failures of ReadAndDecode but JE_CODEC_NEED_BUFFER, or dwEmpty.
    static DWORD ReadText(JS_CodeHeader& header, const std::string& strPath, DWORD dwEmpty,
                          std::vector<BYTE>& text);

    // The six methods over a payload of dwLength bytes into pOut.
    static DWORD DecodeMethod1(const JS_CodeHeader& header, const BYTE* pPayload, DWORD dwLength, BYTE* pOut);
    static DWORD DecodeMethod2(const JS_CodeHeader& header, const BYTE* pPayload, DWORD dwLength, BYTE* pOut);
    static DWORD DecodeMethod3(const JS_CodeHeader& header, const BYTE* pPayload, DWORD dwLength, BYTE* pOut);
    static DWORD DecodeMethod4(const JS_CodeHeader& header, const BYTE* pPayload, DWORD dwLength, BYTE* pOut);
    static DWORD DecodeMethod5(const JS_CodeHeader& header, const BYTE* pPayload, DWORD dwLength, BYTE* pOut);
    static DWORD DecodeMethod6(const JS_CodeHeader& header, const BYTE* pPayload, DWORD dwLength, BYTE* pOut);
};

#pragma once

#include <windows.h>

#include <string>
#include <vector>

constexpr DWORD JE_READER_CANNOT_OPEN = 0x80025101;
constexpr DWORD JE_READER_SIZE_FAILED = 0x80025102;
constexpr DWORD JE_READER_FOUR_GIGABYTES = 0x80025103;
constexpr DWORD JE_READER_ABOVE_MAXIMUM = 0x80025104;
constexpr DWORD JE_READER_READ_FAILED = 0x80025105;
constexpr DWORD JE_READER_SHORT_READ = 0x80025106;
constexpr DWORD JE_LINE_NULL_BUFFER = 0x80025301;
constexpr DWORD JE_LINE_EMPTY_BUFFER = 0x80025302;
constexpr DWORD JE_LINE_NULL_LINE = 0x80025303;
constexpr DWORD JE_LINE_TOO_LONG = 0x80025304;
constexpr DWORD JE_COUNT_NULL_BUFFER = 0x80025351;
constexpr DWORD JE_COUNT_EMPTY_BUFFER = 0x80025352;

// Reads whole files and hands out their lines. CR, LF, CR LF and LF CR each
// end one line; a last line without a line end counts.
class JC_LineReader
{
public:
    // The position GetNextLine hands back when there are no more lines.
    static constexpr DWORD NO_MORE_LINES = 0xFFFFFFFF;

    // Reads a whole file of at most dwMaximum bytes into buffer.
    static DWORD ReadWholeFile(const std::string& strPath, std::vector<BYTE>& buffer, DWORD dwMaximum);
    // Copies the line at dwPosition into szLine, whose room dwLength gives;
    // on return dwLength is the line's length and dwPosition lies after its
    // line end, or is NO_MORE_LINES. A line that does not fit with its
    // terminator gives JE_LINE_TOO_LONG with dwLength set to its length.
    static DWORD GetNextLine(const char* pBuffer, DWORD dwSize, DWORD& dwPosition, char* szLine,
                             DWORD& dwLength);
    // The end of the line that starts at dwStart (before its line end) and
    // where the next one starts.
    static void FindLineEnd(const char* pBuffer, DWORD dwSize, DWORD dwStart, DWORD& dwEnd, DWORD& dwNext);
    // The number of lines GetNextLine would hand out.
    static DWORD CountLines(const char* pBuffer, DWORD dwSize, DWORD& dwCount);
};

#pragma once

#include "TemplateSystem/JC_LineReader.h"

#include <string_view>

constexpr DWORD JE_SPLITTER_SAME_ARRAY = 0x80023091;
constexpr DWORD JE_SPLITTER_FILTER_BOTH_CUTS = 0x80023092;
constexpr DWORD JE_SPLITTER_CLEAN_BOTH_CUTS = 0x80023131;
constexpr DWORD JE_SPLITTER_NULL_BUFFER = 0x80023161;
constexpr DWORD JE_SPLITTER_EMPTY_BUFFER = 0x80023162;
constexpr DWORD JE_SPLITTER_LINE_TOO_LONG = 0x80023163;

// Cuts a buffer into lines (shorter than 2048 characters) and cleans them.
class JC_TextSplitter
{
public:
    static constexpr DWORD LINE_CAPACITY = 2048;
    // Cleaning flags; the two cutting flags exclude each other.
    static constexpr DWORD CUT_COMMENT = 0x00000001; // from the first "//"
    static constexpr DWORD CUT_NOTE = 0x00000002;    // from the first "//!"
    static constexpr DWORD TRIM_LEFT = 0x00010000;
    static constexpr DWORD TRIM_RIGHT = 0x00020000;

    // Cuts and trims one line in place by the flags.
    DWORD CleanLine(std::string& strText, DWORD dwFlags) const;
    // The next line of a buffer, counted in dwLine and cleaned by the flags
    // (it may come back empty), as a view into the buffer. bEnd is true, with
    // nothing counted, when no line is left; a line too long is counted too,
    // so dwLine names it.
    static DWORD ReadCleanLine(const char* pBuffer, DWORD dwSize, DWORD& dwPosition, DWORD& dwLine,
                               DWORD dwFlags, std::string_view& line, bool& bEnd);
    // Replaces lines with the lines of the buffer, empty ones included. A line
    // too long ends the split; the lines before it stay.
    DWORD SplitLines(const char* pBuffer, DWORD dwSize, std::vector<std::string>& lines);
    // Cleans every line and keeps those left non-empty with their numbers,
    // counted from 1.
    DWORD FilterLines(const std::vector<std::string>& lines, DWORD dwFlags, std::vector<std::string>& kept,
                      std::vector<DWORD>& numbers) const;
    DWORD SplitAndFilter(const char* pBuffer, DWORD dwSize, DWORD dwFlags, std::vector<std::string>& kept,
                         std::vector<DWORD>& numbers);

private:
    char m_szLine[LINE_CAPACITY] = {};
};

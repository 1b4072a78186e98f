#pragma once

#include "TemplateSystem/JC_TextSplitter.h"

#include <windows.h>

#include <string>
#include <string_view>

// A reader's failure codes for its version line.
struct JS_VersionCodes
{
    DWORD dwNotHex;
    DWORD dwOutside;
    // The version's quotes are missing.
    DWORD dwNoQuotes;
};

// The opening the template system's text files share: a "[File]" line, a
// "[Head]" line, then a "@Version" line of a hexadecimal version from
// H00080000 to H0008FFFF; each is searched for in turn, skipping the lines
// before it. Define files write these keywords after "//".
class JC_FileOpening
{
public:
    // What a reader of the lines after the opening answers to end the walk
    // there without a failure.
    static constexpr DWORD LINES_DONE = 1;

    JC_FileOpening(std::string_view prefix, const JS_VersionCodes& codes);

    // The line walk of the template system's readers: the lines of the text
    // from dwPosition, cleaned by dwFlags and counted in dwLine; lineTaken
    // sees the count of every line taken, empty ones too, and may answer a
    // failure. Empty lines are skipped, the opening's lines taken here, and
    // every later line handed to readLine. The walk ends with the first
    // answer that is not 0 (LINES_DONE ends it with 0), or with dwAtEnd when
    // the text ends first.
    template <typename ReadLine, typename LineTaken>
    DWORD ReadLines(const char* pText, DWORD dwSize, DWORD dwFlags, DWORD dwAtEnd, DWORD& dwPosition, DWORD& dwLine,
                    ReadLine readLine, LineTaken lineTaken);
    template <typename ReadLine>
    DWORD ReadLines(const char* pText, DWORD dwSize, DWORD dwFlags, DWORD& dwPosition, DWORD& dwLine,
                    ReadLine readLine);

    // Whether the version line has been read.
    bool IsRead() const;
    // Takes one more line of the opening.
    DWORD TakeLine(std::string_view line);
    DWORD GetVersion() const;

    static bool Holds(std::string_view line, std::string_view keyword);
    // The text between the first double quote at or after `from` and the
    // next one; false when either is missing.
    static bool QuotedText(std::string_view line, size_t from, std::string_view& text);
    // The quoted text after the keyword's first occurrence; false when the
    // keyword or a quote is missing.
    static bool QuotedValue(std::string_view line, std::string_view keyword, std::string_view& text);

private:
    enum class Step
    {
        File,
        Head,
        Version,
        Read,
    };

    DWORD ReadVersion(std::string_view line, size_t at);

    const std::string m_strFile;
    const std::string m_strHead;
    const std::string m_strVersion;
    const JS_VersionCodes m_Codes;
    Step m_Step = Step::File;
    DWORD m_dwVersion = 0;
};

template <typename ReadLine, typename LineTaken>
DWORD JC_FileOpening::ReadLines(const char* pText, DWORD dwSize, DWORD dwFlags, DWORD dwAtEnd, DWORD& dwPosition,
                                DWORD& dwLine, ReadLine readLine, LineTaken lineTaken)
{
    for (;;) {
        std::string_view line;
        bool bEnd = false;
        DWORD dwResult = JC_TextSplitter::ReadCleanLine(pText, dwSize, dwPosition, dwLine, dwFlags, line, bEnd);
        if (bEnd)
            return dwAtEnd;
        if (dwResult == 0)
            dwResult = lineTaken(dwLine);
        if (dwResult != 0)
            return dwResult;
        if (line.empty())
            continue;
        dwResult = IsRead() ? readLine(line) : TakeLine(line);
        if (dwResult != 0)
            return dwResult == LINES_DONE ? 0 : dwResult;
    }
}

template <typename ReadLine>
DWORD JC_FileOpening::ReadLines(const char* pText, DWORD dwSize, DWORD dwFlags, DWORD& dwPosition, DWORD& dwLine,
                                ReadLine readLine)
{
    return ReadLines(pText, dwSize, dwFlags, 0, dwPosition, dwLine, readLine, [](DWORD) { return DWORD(0); });
}

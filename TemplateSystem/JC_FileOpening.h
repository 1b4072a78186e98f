#pragma once

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
    JC_FileOpening(std::string_view prefix, const JS_VersionCodes& codes);

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

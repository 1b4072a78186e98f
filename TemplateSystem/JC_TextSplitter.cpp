#include "TemplateSystem/JC_TextSplitter.h"

#include "GameProgram/Common/XF_Cp950.h"

#include <algorithm>
#include <utility>

namespace {

// Cuts and trims a line in place by its flags. A blank is never the second
// byte of a double-byte character. (In place: a view handed back by value
// would be copied as one 16-byte block, which the processor cannot forward
// from the two 8-byte stores that made it.)
void CleanView(std::string_view& line, DWORD dwFlags)
{
    if (dwFlags & JC_TextSplitter::CUT_COMMENT)
        line = line.substr(0, XF_FindText(line, "//"));
    else if (dwFlags & JC_TextSplitter::CUT_NOTE)
        line = line.substr(0, XF_FindText(line, "//!"));
    if (dwFlags & JC_TextSplitter::TRIM_LEFT)
        line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
    if (dwFlags & JC_TextSplitter::TRIM_RIGHT)
        line = line.substr(0, line.find_last_not_of(' ') + 1);
}

} // namespace

DWORD JC_TextSplitter::CleanLine(std::string& strText, DWORD dwFlags) const
{
    if (strText.empty())
        return 0;
    if ((dwFlags & CUT_COMMENT) && (dwFlags & CUT_NOTE))
        return JE_SPLITTER_CLEAN_BOTH_CUTS;
    std::string_view clean = strText;
    CleanView(clean, dwFlags);
    const size_t first = static_cast<size_t>(clean.data() - strText.data());
    strText.erase(first + clean.size());
    strText.erase(0, first);
    return 0;
}

DWORD JC_TextSplitter::ReadCleanLine(const char* pBuffer, DWORD dwSize, DWORD& dwPosition, DWORD& dwLine,
                                     DWORD dwFlags, std::string_view& line, bool& bEnd)
{
    line = {};
    bEnd = pBuffer != nullptr && dwSize != 0 && dwPosition >= dwSize;
    if (bEnd) {
        dwPosition = JC_LineReader::NO_MORE_LINES;
        return 0;
    }
    ++dwLine;
    if (pBuffer == nullptr)
        return JE_LINE_NULL_BUFFER;
    if (dwSize == 0)
        return JE_LINE_EMPTY_BUFFER;
    if ((dwFlags & CUT_COMMENT) && (dwFlags & CUT_NOTE))
        return JE_SPLITTER_CLEAN_BOTH_CUTS;
    DWORD dwEnd = 0;
    DWORD dwNext = 0;
    JC_LineReader::FindLineEnd(pBuffer, dwSize, dwPosition, dwEnd, dwNext);
    if (dwEnd - dwPosition >= LINE_CAPACITY) {
        dwPosition = JC_LineReader::NO_MORE_LINES;
        return JE_LINE_TOO_LONG;
    }
    line = std::string_view(pBuffer + dwPosition, dwEnd - dwPosition);
    CleanView(line, dwFlags);
    dwPosition = dwNext;
    return 0;
}

DWORD JC_TextSplitter::SplitLines(const char* pBuffer, DWORD dwSize, std::vector<std::string>& lines)
{
    lines.clear();
    if (pBuffer == nullptr)
        return JE_SPLITTER_NULL_BUFFER;
    if (dwSize == 0)
        return JE_SPLITTER_EMPTY_BUFFER;
    DWORD dwPosition = 0;
    for (;;) {
        DWORD dwLength = LINE_CAPACITY;
        if (JC_LineReader::GetNextLine(pBuffer, dwSize, dwPosition, m_szLine, dwLength) != 0)
            return JE_SPLITTER_LINE_TOO_LONG;
        if (dwPosition == JC_LineReader::NO_MORE_LINES)
            return 0;
        lines.emplace_back(m_szLine, dwLength);
    }
}

DWORD JC_TextSplitter::FilterLines(const std::vector<std::string>& lines, DWORD dwFlags,
                                   std::vector<std::string>& kept, std::vector<DWORD>& numbers) const
{
    if (&lines == &kept)
        return JE_SPLITTER_SAME_ARRAY;
    kept.clear();
    numbers.clear();
    if ((dwFlags & CUT_COMMENT) && (dwFlags & CUT_NOTE))
        return JE_SPLITTER_FILTER_BOTH_CUTS;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string strLine = lines[i];
        CleanLine(strLine, dwFlags);
        if (strLine.empty())
            continue;
        kept.push_back(std::move(strLine));
        numbers.push_back(static_cast<DWORD>(i + 1));
    }
    return 0;
}

DWORD JC_TextSplitter::SplitAndFilter(const char* pBuffer, DWORD dwSize, DWORD dwFlags,
                                      std::vector<std::string>& kept, std::vector<DWORD>& numbers)
{
    kept.clear();
    numbers.clear();
    std::vector<std::string> lines;
    const DWORD dwResult = SplitLines(pBuffer, dwSize, lines);
    if (dwResult != 0)
        return dwResult;
    return FilterLines(lines, dwFlags, kept, numbers);
}

#include "TemplateSystem/JC_TextSplitter.h"

#include <utility>

DWORD JC_TextSplitter::CleanLine(std::string& strText, DWORD dwFlags) const
{
    if (strText.empty())
        return 0;
    if ((dwFlags & CUT_COMMENT) && (dwFlags & CUT_NOTE))
        return JE_SPLITTER_CLEAN_BOTH_CUTS;
    if (dwFlags & CUT_COMMENT)
        m_StringSegment.CutComment(strText);
    else if (dwFlags & CUT_NOTE)
        m_StringSegment.CutNote(strText);
    if (strText.empty())
        return 0;
    if ((dwFlags & TRIM_LEFT) && (dwFlags & TRIM_RIGHT))
        m_StringSegment.Trim(strText);
    else if (dwFlags & TRIM_LEFT)
        m_StringSegment.TrimLeft(strText);
    else if (dwFlags & TRIM_RIGHT)
        m_StringSegment.TrimRight(strText);
    return 0;
}

DWORD JC_TextSplitter::ReadCleanLine(const char* pBuffer, DWORD dwSize, DWORD& dwPosition, DWORD& dwLine,
                                     DWORD dwFlags, std::string& strLine, bool& bEnd)
{
    DWORD dwLength = LINE_CAPACITY;
    const DWORD dwResult = JC_LineReader::GetNextLine(pBuffer, dwSize, dwPosition, m_szLine, dwLength);
    bEnd = dwResult == 0 && dwPosition == JC_LineReader::NO_MORE_LINES;
    if (bEnd)
        return 0;
    ++dwLine;
    if (dwResult != 0)
        return dwResult;
    strLine.assign(m_szLine, dwLength);
    return CleanLine(strLine, dwFlags);
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

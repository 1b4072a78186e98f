#include "TemplateSystem/JC_LineReader.h"
#include "TemplateSystem/JC_TextSplitter.h"

#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

namespace {

// Every line GetNextLine hands out, with a line buffer of dwCapacity bytes.
DWORD AllLines(const std::string& strText, DWORD dwCapacity, std::vector<std::string>& lines)
{
    lines.clear();
    std::vector<char> line(dwCapacity + 1, '#');
    DWORD dwPosition = 0;
    for (;;) {
        DWORD dwLength = dwCapacity;
        const DWORD dwResult = JC_LineReader::GetNextLine(strText.data(), static_cast<DWORD>(strText.size()),
                                                          dwPosition, line.data(), dwLength);
        if (line[dwCapacity] != '#')
            ADD_FAILURE() << "wrote past the line buffer";
        if (dwResult != 0 || dwPosition == JC_LineReader::NO_MORE_LINES)
            return dwResult;
        lines.push_back(line.data());
        EXPECT_EQ(lines.back().size(), dwLength);
    }
}

using Lines = std::vector<std::string>;

} // namespace

TEST(JC_LineReader, LineEndsTable)
{
    struct Case { std::string strText; Lines expected; };
    const Case cases[] = {
        {"a\r\nb", {"a", "b"}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\n\rb\n", {"a", "b"}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"\n", {""}},
        {"\n\n", {"", ""}},
        {"\r\n\n\r", {"", ""}},
        {"last", {"last"}},
        {"許\r\n一", {"許", "一"}},
    };
    for (const Case& c : cases) {
        Lines lines;
        EXPECT_EQ(AllLines(c.strText, 64, lines), 0u);
        EXPECT_EQ(lines, c.expected);
        DWORD dwCount = 0;
        EXPECT_EQ(JC_LineReader::CountLines(c.strText.data(), static_cast<DWORD>(c.strText.size()), dwCount), 0u);
        EXPECT_EQ(dwCount, c.expected.size());
    }
}

TEST(JC_LineReader, ALineMustBeShorterThanItsBuffer)
{
    Lines lines;
    EXPECT_EQ(AllLines("abc\r\nabcd", 5, lines), 0u);
    EXPECT_EQ(lines, (Lines{"abc", "abcd"}));
    EXPECT_EQ(AllLines("abc\r\nabcde\r\nx", 5, lines), JE_LINE_TOO_LONG);
    EXPECT_EQ(lines, (Lines{"abc"}));

    char szLine[4];
    DWORD dwPosition = 0;
    DWORD dwLength = sizeof(szLine);
    EXPECT_EQ(JC_LineReader::GetNextLine("abcdef", 6, dwPosition, szLine, dwLength), JE_LINE_TOO_LONG);
    EXPECT_EQ(dwLength, 6u);
    EXPECT_EQ(dwPosition, JC_LineReader::NO_MORE_LINES);
}

TEST(JC_LineReader, FailureCodes)
{
    char szLine[8];
    DWORD dwPosition = 0;
    DWORD dwLength = sizeof(szLine);
    EXPECT_EQ(JC_LineReader::GetNextLine(nullptr, 4, dwPosition, szLine, dwLength), JE_LINE_NULL_BUFFER);
    dwPosition = 0;
    EXPECT_EQ(JC_LineReader::GetNextLine("ab", 0, dwPosition, szLine, dwLength), JE_LINE_EMPTY_BUFFER);
    dwPosition = 0;
    EXPECT_EQ(JC_LineReader::GetNextLine("ab", 2, dwPosition, nullptr, dwLength), JE_LINE_NULL_LINE);
    // A buffer without room for the terminator is never written to.
    dwPosition = 0;
    dwLength = 0;
    EXPECT_EQ(JC_LineReader::GetNextLine("ab", 2, dwPosition, szLine, dwLength), JE_LINE_TOO_LONG);
    DWORD dwCount = 0;
    EXPECT_EQ(JC_LineReader::CountLines(nullptr, 2, dwCount), JE_COUNT_NULL_BUFFER);
    EXPECT_EQ(JC_LineReader::CountLines("ab", 0, dwCount), JE_COUNT_EMPTY_BUFFER);
}

TEST(JC_LineReader, ReadWholeFile)
{
    ScopedTempFolder folder;
    const std::string strPath = folder.File("whole.txt");
    ASSERT_TRUE(WriteTestFile(strPath, "0123456789"));
    std::vector<BYTE> buffer;
    EXPECT_EQ(JC_LineReader::ReadWholeFile(strPath, buffer, 10), 0u);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), "0123456789");
    EXPECT_EQ(JC_LineReader::ReadWholeFile(strPath, buffer, 9), JE_READER_ABOVE_MAXIMUM);
    EXPECT_TRUE(buffer.empty());
    EXPECT_EQ(JC_LineReader::ReadWholeFile(folder.File("missing.txt"), buffer, 10), JE_READER_CANNOT_OPEN);
}

TEST(JC_TextSplitter, CleanLineTable)
{
    constexpr DWORD BOTH = JC_TextSplitter::TRIM_LEFT | JC_TextSplitter::TRIM_RIGHT;
    struct Case { const char* szText; DWORD dwFlags; DWORD dwResult; const char* szExpected; };
    const Case cases[] = {
        {"  a // b //! c  ", JC_TextSplitter::CUT_COMMENT | BOTH, 0, "a"},
        {"  a // b //! c  ", JC_TextSplitter::CUT_NOTE | BOTH, 0, "a // b"},
        {"  a  ", JC_TextSplitter::TRIM_LEFT, 0, "a  "},
        {"  a  ", JC_TextSplitter::TRIM_RIGHT, 0, "  a"},
        {"  a  ", 0, 0, "  a  "},
        {"a", JC_TextSplitter::CUT_COMMENT | JC_TextSplitter::CUT_NOTE, JE_SPLITTER_CLEAN_BOTH_CUTS, "a"},
        {"", JC_TextSplitter::CUT_COMMENT | JC_TextSplitter::CUT_NOTE, 0, ""},
    };
    const JC_TextSplitter splitter;
    for (const Case& c : cases) {
        std::string strText(c.szText);
        EXPECT_EQ(splitter.CleanLine(strText, c.dwFlags), c.dwResult) << c.szText;
        EXPECT_EQ(strText, c.szExpected) << c.szText;
    }
}

TEST(JC_TextSplitter, SplitAndFilterKeepsLineNumbers)
{
    const std::string strText = "first // note\r\n\r\n   \n// only a comment\rsecond\n\rthird  ";
    JC_TextSplitter splitter;
    Lines lines;
    EXPECT_EQ(splitter.SplitLines(strText.data(), static_cast<DWORD>(strText.size()), lines), 0u);
    EXPECT_EQ(lines.size(), 6u);

    Lines kept;
    std::vector<DWORD> numbers;
    const DWORD dwFlags = JC_TextSplitter::CUT_COMMENT | JC_TextSplitter::TRIM_LEFT | JC_TextSplitter::TRIM_RIGHT;
    EXPECT_EQ(splitter.SplitAndFilter(strText.data(), static_cast<DWORD>(strText.size()), dwFlags, kept, numbers), 0u);
    EXPECT_EQ(kept, (Lines{"first", "second", "third"}));
    EXPECT_EQ(numbers, (std::vector<DWORD>{1, 5, 6}));

    EXPECT_EQ(splitter.FilterLines(lines, JC_TextSplitter::CUT_COMMENT | JC_TextSplitter::CUT_NOTE, kept, numbers),
              JE_SPLITTER_FILTER_BOTH_CUTS);
    EXPECT_EQ(splitter.FilterLines(lines, dwFlags, lines, numbers), JE_SPLITTER_SAME_ARRAY);
}

TEST(JC_TextSplitter, SplitLinesFailures)
{
    JC_TextSplitter splitter;
    Lines lines{"old"};
    EXPECT_EQ(splitter.SplitLines(nullptr, 3, lines), JE_SPLITTER_NULL_BUFFER);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(splitter.SplitLines("abc", 0, lines), JE_SPLITTER_EMPTY_BUFFER);

    const std::string strText = "short\n" + std::string(2047, 'x') + "\n" + std::string(2048, 'y') + "\nafter";
    EXPECT_EQ(splitter.SplitLines(strText.data(), static_cast<DWORD>(strText.size()), lines),
              JE_SPLITTER_LINE_TOO_LONG);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].size(), 2047u);
}

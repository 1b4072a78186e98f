#pragma once

#include <filesystem>
#include <string>
#include <vector>

// One table of the sample game's sources: a UTF-8 text file read as lines,
// where blank lines and lines beginning with '#' are left out. A line is cut
// into blank-separated tokens; a token in double quotes may hold blanks.
struct SampleLine
{
    int iNumber;
    std::string strText;
};

class SampleTable
{
public:
    bool Load(const std::filesystem::path& path);

    const std::filesystem::path& Path() const { return m_Path; }
    const std::vector<SampleLine>& Lines() const { return m_Lines; }

    // Reports a fault of a line with the table's name and gives false.
    bool Fail(const SampleLine& line, const std::string& strWhat) const;

    static std::vector<std::string> Split(const std::string& strText);
    // The text after the first token, without the blanks around it.
    static std::string Rest(const std::string& strText);

private:
    std::filesystem::path m_Path;
    std::vector<SampleLine> m_Lines;
};

// The ".txt" tables of a folder in name order, so the output never depends
// on the order the file system lists them in.
std::vector<std::filesystem::path> ListTables(const std::filesystem::path& folder, bool bRecursive);

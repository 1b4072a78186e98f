#include "tools/samplegame/SampleTable.h"

#include "tools/samplegame/SampleFiles.h"

#include <algorithm>
#include <cstdio>

namespace fs = std::filesystem;

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string Trim(const std::string& strText)
{
    size_t begin = 0;
    size_t end = strText.size();
    while (begin < end && (IsBlank(strText[begin]) || strText[begin] == '\r'))
        ++begin;
    while (end > begin && (IsBlank(strText[end - 1]) || strText[end - 1] == '\r'))
        --end;
    return strText.substr(begin, end - begin);
}

} // namespace

bool SampleTable::Load(const fs::path& path)
{
    m_Path = path;
    m_Lines.clear();
    if (!fs::is_regular_file(path)) {
        std::fprintf(stderr, "samplegame: cannot read %s\n", path.string().c_str());
        return false;
    }
    const std::string strText = ReadWhole(path);
    int iNumber = 0;
    size_t begin = 0;
    while (begin < strText.size()) {
        size_t end = strText.find('\n', begin);
        if (end == std::string::npos)
            end = strText.size();
        ++iNumber;
        const std::string strLine = Trim(strText.substr(begin, end - begin));
        if (!strLine.empty() && strLine[0] != '#')
            m_Lines.push_back({iNumber, strLine});
        begin = end + 1;
    }
    return true;
}

bool SampleTable::Fail(const SampleLine& line, const std::string& strWhat) const
{
    std::fprintf(stderr, "samplegame: %s line %d: %s\n", m_Path.string().c_str(), line.iNumber, strWhat.c_str());
    return false;
}

std::vector<std::string> SampleTable::Split(const std::string& strText)
{
    std::vector<std::string> tokens;
    size_t at = 0;
    while (at < strText.size()) {
        if (IsBlank(strText[at])) {
            ++at;
            continue;
        }
        if (strText[at] == '"') {
            const size_t close = strText.find('"', at + 1);
            const size_t end = close == std::string::npos ? strText.size() : close;
            tokens.push_back(strText.substr(at + 1, end - at - 1));
            at = end + 1;
            continue;
        }
        size_t end = at;
        while (end < strText.size() && !IsBlank(strText[end]))
            ++end;
        tokens.push_back(strText.substr(at, end - at));
        at = end;
    }
    return tokens;
}

std::string SampleTable::Rest(const std::string& strText)
{
    size_t at = 0;
    while (at < strText.size() && !IsBlank(strText[at]))
        ++at;
    return Trim(strText.substr(at));
}

std::vector<fs::path> ListTables(const fs::path& folder, bool bRecursive)
{
    std::vector<fs::path> tables;
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return tables;
    const auto add = [&tables](const fs::directory_entry& entry) {
        if (entry.is_regular_file() && entry.path().extension() == ".txt")
            tables.push_back(entry.path());
    };
    if (bRecursive) {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
            add(entry);
    } else {
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            add(entry);
    }
    std::sort(tables.begin(), tables.end());
    return tables;
}

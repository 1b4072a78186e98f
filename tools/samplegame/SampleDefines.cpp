#include "tools/samplegame/SampleDefines.h"

#include "tools/samplegame/SampleFiles.h"

#include <cstdio>
#include <cstdlib>

namespace fs = std::filesystem;

bool ParseSampleNumber(const std::string& strText, DWORD& dwValue)
{
    if (strText.empty())
        return false;
    const bool bHex = strText.size() > 2 && strText[0] == '0' && (strText[1] == 'x' || strText[1] == 'X');
    const char* szBegin = strText.c_str();
    char* szEnd = nullptr;
    const long long llValue = bHex ? std::strtoll(szBegin + 2, &szEnd, 16) : std::strtoll(szBegin, &szEnd, 10);
    if (*szEnd != '\0' || llValue < -2147483648LL || llValue > 0xFFFFFFFFLL)
        return false;
    dwValue = static_cast<DWORD>(llValue);
    return true;
}

std::string FormatSampleHex(DWORD dwValue)
{
    char szText[16];
    std::snprintf(szText, sizeof(szText), "H%08x", static_cast<unsigned>(dwValue));
    return szText;
}

namespace {

// "DF_", a combo part and a name part, as the define reader splits keys.
bool IsDefineKey(const std::string& strKey)
{
    if (strKey.compare(0, 3, "DF_") != 0)
        return false;
    const size_t second = strKey.find('_', 3);
    return second != std::string::npos && second > 3 && second + 1 < strKey.size();
}

} // namespace

bool SampleDefines::Load(const fs::path& folder)
{
    m_Files.clear();
    m_Values.clear();
    for (const fs::path& path : ListTables(folder, false)) {
        SampleTable table;
        if (!table.Load(path) || !LoadFile(table))
            return false;
    }
    return true;
}

bool SampleDefines::LoadFile(const SampleTable& table)
{
    DefineFile file;
    file.strName = table.Path().stem().string() + ".h";
    for (const SampleLine& line : table.Lines()) {
        const std::vector<std::string> tokens = SampleTable::Split(line.strText);
        DWORD dwValue = 0;
        if (tokens.size() < 3)
            return table.Fail(line, "a define needs a key, a value and a comment");
        if (!IsDefineKey(tokens[0]))
            return table.Fail(line, "not a define key: " + tokens[0]);
        if (!ParseSampleNumber(tokens[1], dwValue))
            return table.Fail(line, "not a number: " + tokens[1]);
        if (!m_Values.emplace(tokens[0], dwValue).second)
            return table.Fail(line, "defined twice: " + tokens[0]);
        file.defines.push_back({tokens[0], tokens[1], SampleTable::Rest(SampleTable::Rest(line.strText))});
    }
    m_Files.push_back(std::move(file));
    return true;
}

bool SampleDefines::Write(const fs::path& folder) const
{
    for (const DefineFile& file : m_Files) {
        std::string strText = "//[File]\r\n//[Head]\r\n//@Version \"H00080000\"\r\n//[HeadEnd]\r\n";
        for (const Define& define : file.defines)
            strText += "#define " + define.strKey + " " + define.strValue + " //@Combo \"" + define.strComment + "\"\r\n";
        strText += "//[FileEnd]\r\n";
        if (!WriteGameFile(folder / file.strName, ToCodePage950(strText)))
            return false;
    }
    return true;
}

bool SampleDefines::Resolve(const std::string& strToken, DWORD& dwValue) const
{
    const auto found = m_Values.find(strToken);
    if (found != m_Values.end()) {
        dwValue = found->second;
        return true;
    }
    return ParseSampleNumber(strToken, dwValue);
}

#include "TemplateSystem/JC_DefineFileReader.h"

#include "GameProgram/Common/XF_Cp950.h"
#include "TemplateSystem/JC_DebugLog.h"
#include "TemplateSystem/JC_FileLister.h"
#include "TemplateSystem/JC_StrNumSwitch.h"
#include "TemplateSystem/JF_NumberText.h"

#include <algorithm>

namespace {

const char* const s_szSourceFile = "TemplateSystem\\JC_DefineFileReader.cpp";

const char* const s_szFile = "//[File]";
const char* const s_szFileEnd = "//[FileEnd]";
const char* const s_szHead = "//[Head]";
const char* const s_szHeadEnd = "//[HeadEnd]";
const char* const s_szVersion = "//@Version";
const char* const s_szCombo = "//@Combo";
const char* const s_szDefine = "#define";
const char* const s_szKeyPrefix = "DF_";

constexpr DWORD MIN_VERSION = 0x00080000;
constexpr DWORD MAX_VERSION = 0x0008FFFF;

// Where a line stands in the file's layout.
enum class Phase
{
    File,
    Head,
    Version,
    HeadEnd,
    Body,
};

bool Holds(const std::string& strLine, const char* szKeyword)
{
    return XF_FindText(strLine, szKeyword) != std::string::npos;
}

// The text between the first double quote at or after `from` and the next
// one; false when either is missing.
bool QuotedText(const std::string& strLine, size_t from, std::string& strQuoted)
{
    const size_t open = XF_FindChar(strLine, '"', from);
    const size_t close = open == std::string::npos ? open : XF_FindChar(strLine, '"', open + 1);
    if (close == std::string::npos)
        return false;
    strQuoted = strLine.substr(open + 1, close - open - 1);
    return true;
}

// Names the define file that failed, the line at fault and the code.
void LogFailure(int iSourceLine, const char* szWhat, const std::string& strSource, DWORD dwLine, DWORD dwResult)
{
    gp_DebugInfoObj->PrintAt(s_szSourceFile, iSourceLine, " %s Fail. \r\n File:%s Line:%u Code:0x%08x ", szWhat,
                             strSource.c_str(), static_cast<unsigned>(dwLine), static_cast<unsigned>(dwResult));
}

} // namespace

DWORD JC_DefineFileReader::LoadFile(const std::string& strPath, JC_DefineTable* pTable, DWORD& dwLine)
{
    dwLine = 0;
    if (pTable == nullptr)
        return JE_DEFREADER_NULL_TABLE;
    std::vector<BYTE> text;
    DWORD dwResult = ReadFileText(strPath, text);
    if (dwResult == 0)
        dwResult = Parse(reinterpret_cast<const char*>(text.data()), static_cast<DWORD>(text.size()), pTable, dwLine);
    if (dwResult != 0)
        LogFailure(__LINE__, "LoadFile", strPath, dwLine, dwResult);
    return dwResult;
}

DWORD JC_DefineFileReader::LoadFileIn(const std::string& strFolder, const std::string& strFileName,
                                      JC_DefineTable* pTable, DWORD& dwLine)
{
    return LoadFile(strFolder + strFileName, pTable, dwLine);
}

DWORD JC_DefineFileReader::LoadFolder(const std::string& strFolder, JC_DefineTable* pTable)
{
    if (pTable == nullptr)
        return JE_DEFREADER_NULL_TABLE;
    pTable->Clear();
    if (strFolder.empty())
        return 0;
    std::vector<std::string> names;
    JC_FileLister().ListFiles(strFolder, "*.h", names);
    for (const std::string& strName : names) {
        DWORD dwLine = 0;
        const DWORD dwResult = LoadFile(strFolder + strName, pTable, dwLine);
        if (dwResult != 0)
            return dwResult;
    }
    return 0;
}

DWORD JC_DefineFileReader::LoadFromMemory(const BYTE* pData, DWORD dwSize, JC_DefineTable* pTable, DWORD& dwLine)
{
    dwLine = 0;
    if (pTable == nullptr)
        return JE_DEFREADER_MEMORY_NULL_TABLE;
    std::vector<BYTE> text;
    DWORD dwResult = DecodeText(pData, dwSize, text);
    if (dwResult == 0)
        dwResult = Parse(reinterpret_cast<const char*>(text.data()), static_cast<DWORD>(text.size()), pTable, dwLine);
    if (dwResult != 0)
        LogFailure(__LINE__, "LoadFromMemory", "(memory)", dwLine, dwResult);
    return dwResult;
}

DWORD JC_DefineFileReader::Parse(const char* pText, DWORD dwSize, JC_DefineTable* pTable, DWORD& dwLine)
{
    dwLine = 0;
    if (pText == nullptr)
        return JE_DEFREADER_NULL_TEXT;
    if (dwSize == 0)
        return JE_DEFREADER_EMPTY_TEXT;
    if (pTable == nullptr)
        return JE_DEFREADER_PARSE_NULL_TABLE;

    Phase phase = Phase::File;
    DWORD dwPosition = 0;
    std::string strLine;
    for (;;) {
        bool bEnd = false;
        const DWORD dwResult = m_TextSplitter.ReadCleanLine(
            pText, dwSize, dwPosition, dwLine,
            JC_TextSplitter::CUT_NOTE | JC_TextSplitter::TRIM_LEFT | JC_TextSplitter::TRIM_RIGHT, strLine, bEnd);
        if (bEnd)
            return 0;
        if (dwResult != 0)
            return dwResult;
        if (strLine.empty())
            continue;
        switch (phase) {
        case Phase::File:
            if (Holds(strLine, s_szFile))
                phase = Phase::Head;
            break;
        case Phase::Head:
            if (Holds(strLine, s_szHead))
                phase = Phase::Version;
            break;
        case Phase::Version: {
            const size_t at = XF_FindText(strLine, s_szVersion);
            if (at == std::string::npos)
                break;
            const DWORD dwVersionResult = ReadVersion(strLine, at);
            if (dwVersionResult != 0)
                return dwVersionResult;
            phase = Phase::HeadEnd;
            break;
        }
        case Phase::HeadEnd:
            if (Holds(strLine, s_szHeadEnd))
                phase = Phase::Body;
            break;
        case Phase::Body: {
            if (Holds(strLine, s_szFileEnd))
                return 0;
            const size_t at = XF_FindText(strLine, s_szDefine);
            if (at == std::string::npos)
                return JE_DEFREADER_NOT_DEFINE;
            const DWORD dwDefineResult = ReadDefineLine(strLine, at, *pTable);
            if (dwDefineResult != 0)
                return dwDefineResult;
            break;
        }
        }
    }
}

DWORD JC_DefineFileReader::ReadFileText(const std::string& strPath, std::vector<BYTE>& text)
{
    JC_TextCodec::MakeHeader(m_Header);
    DWORD dwLength = 0;
    DWORD dwResult = JC_TextCodec::ReadAndDecode(m_Header, strPath, nullptr, dwLength);
    if (dwResult != 0 && dwResult != JE_CODEC_NEED_BUFFER)
        return dwResult;
    if (dwLength == 0)
        return JE_DEFREADER_EMPTY_FILE;
    text.resize(dwLength);
    dwResult = JC_TextCodec::ReadAndDecode(m_Header, strPath, text.data(), dwLength);
    text.resize(dwLength);
    return dwResult;
}

DWORD JC_DefineFileReader::DecodeText(const BYTE* pData, DWORD dwSize, std::vector<BYTE>& text)
{
    JC_TextCodec::MakeHeader(m_Header);
    DWORD dwLength = 0;
    DWORD dwResult = JC_TextCodec::Decode(m_Header, pData, dwSize, nullptr, dwLength);
    if (dwResult != 0 && dwResult != JE_CODEC_NEED_BUFFER)
        return dwResult;
    if (dwLength == 0)
        return JE_DEFREADER_MEMORY_EMPTY;
    text.resize(dwLength);
    dwResult = JC_TextCodec::Decode(m_Header, pData, dwSize, text.data(), dwLength);
    text.resize(dwLength);
    return dwResult;
}

DWORD JC_DefineFileReader::ReadVersion(const std::string& strLine, size_t at)
{
    std::string strVersion;
    DWORD dwVersion = 0;
    if (!QuotedText(strLine, at + std::char_traits<char>::length(s_szVersion), strVersion) ||
        JC_StrNumSwitch::ParseHex(strVersion, dwVersion) != 0)
        return JE_DEFREADER_VERSION_NOT_HEX;
    if (dwVersion < MIN_VERSION || dwVersion > MAX_VERSION)
        return JE_DEFREADER_VERSION_OUTSIDE;
    return 0;
}

DWORD JC_DefineFileReader::ReadDefineLine(const std::string& strLine, size_t at, JC_DefineTable& table)
{
    const size_t keyStart = XF_FindText(strLine, s_szKeyPrefix, at + std::char_traits<char>::length(s_szDefine));
    const size_t keyEnd = keyStart == std::string::npos ? keyStart : XF_FindChar(strLine, ' ', keyStart);
    if (keyEnd == std::string::npos)
        return JE_DEFREADER_NO_KEY;
    const size_t combo = XF_FindText(strLine, s_szCombo, keyEnd);
    if (combo == std::string::npos)
        return 0;
    std::string strComment;
    if (!QuotedText(strLine, combo + std::char_traits<char>::length(s_szCombo), strComment))
        return JE_DEFREADER_NO_COMMENT;

    std::string strValue = strLine.substr(keyEnd, combo - keyEnd);
    strValue.erase(std::remove(strValue.begin(), strValue.end(), ' '), strValue.end());
    DWORD dwValue = 0;
    if (strValue.compare(0, 2, "0x") == 0 || strValue.compare(0, 2, "0X") == 0) {
        const DWORD dwResult = JC_StrNumSwitch::ParseHex(strValue, dwValue);
        if (dwResult != 0)
            return dwResult;
    } else {
        dwValue = static_cast<DWORD>(JF_DecimalToInt(strValue));
    }
    return table.AddDefineInfo(strLine.substr(keyStart, keyEnd - keyStart), dwValue, strComment);
}

#include "TemplateSystem/JC_DefineFileReader.h"

#include "GameProgram/Common/XF_Cp950.h"
#include "TemplateSystem/JC_DebugLog.h"
#include "TemplateSystem/JC_FileLister.h"
#include "TemplateSystem/JC_FileOpening.h"
#include "TemplateSystem/JC_StrNumSwitch.h"
#include "TemplateSystem/JF_NumberText.h"

#include <algorithm>

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH_EXTENSION);

const char* const s_szFileEnd = "//[FileEnd]";
const char* const s_szHeadEnd = "//[HeadEnd]";
const char* const s_szCombo = "//@Combo";
const char* const s_szDefine = "#define";
const char* const s_szKeyPrefix = "DF_";

constexpr DWORD LINE_FLAGS = JC_TextSplitter::CUT_NOTE | JC_TextSplitter::TRIM_LEFT | JC_TextSplitter::TRIM_RIGHT;

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
    DWORD dwResult = JC_TextCodec::ReadText(m_Header, strPath, JE_DEFREADER_EMPTY_FILE, text);
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
    std::vector<BYTE> storage;
    std::string_view text;
    DWORD dwResult = JC_TextCodec::DecodeView(m_Header, pData, dwSize, JE_DEFREADER_MEMORY_EMPTY, storage, text);
    if (dwResult == 0)
        dwResult = Parse(text.data(), static_cast<DWORD>(text.size()), pTable, dwLine);
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

    JC_FileOpening opening("//", {JE_DEFREADER_VERSION_NOT_HEX, JE_DEFREADER_VERSION_OUTSIDE,
                                  JE_DEFREADER_VERSION_NOT_HEX});
    bool bInBody = false;
    DWORD dwPosition = 0;
    return opening.ReadLines(pText, dwSize, LINE_FLAGS, dwPosition, dwLine, [&](std::string_view line) {
        if (!bInBody) {
            bInBody = JC_FileOpening::Holds(line, s_szHeadEnd);
            return DWORD(0);
        }
        if (JC_FileOpening::Holds(line, s_szFileEnd))
            return JC_FileOpening::LINES_DONE;
        const size_t at = XF_FindText(line, s_szDefine);
        return at != std::string::npos ? ReadDefineLine(line, at, *pTable) : JE_DEFREADER_NOT_DEFINE;
    });
}

DWORD JC_DefineFileReader::ReadDefineLine(std::string_view line, size_t at, JC_DefineTable& table)
{
    const size_t keyStart = XF_FindText(line, s_szKeyPrefix, at + std::char_traits<char>::length(s_szDefine));
    const size_t keyEnd = keyStart == std::string::npos ? keyStart : XF_FindChar(line, ' ', keyStart);
    if (keyEnd == std::string::npos)
        return JE_DEFREADER_NO_KEY;
    const size_t combo = XF_FindText(line, s_szCombo, keyEnd);
    if (combo == std::string::npos)
        return 0;
    std::string_view comment;
    if (!JC_FileOpening::QuotedText(line, combo + std::char_traits<char>::length(s_szCombo), comment))
        return JE_DEFREADER_NO_COMMENT;

    std::string strValue(line.substr(keyEnd, combo - keyEnd));
    strValue.erase(std::remove(strValue.begin(), strValue.end(), ' '), strValue.end());
    DWORD dwValue = 0;
    if (strValue.compare(0, 2, "0x") == 0 || strValue.compare(0, 2, "0X") == 0) {
        const DWORD dwResult = JC_StrNumSwitch::ParseHex(strValue, dwValue);
        if (dwResult != 0)
            return dwResult;
    } else {
        dwValue = static_cast<DWORD>(JF_DecimalToInt(strValue));
    }
    return table.AddDefineInfo(std::string(line.substr(keyStart, keyEnd - keyStart)), dwValue, std::string(comment));
}

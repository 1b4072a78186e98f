// Define files of any bytes: a code, never a fault. A table that loads
// reads back through its dump: every define the dump names is in the table
// with its value and comment, and a define file written from the dump loads
// into a table whose dump is the same.

#include "TemplateSystem/JC_DefineFileReader.h"

#include "GameProgram/Common/XF_Cp950.h"
#include "fuzz/shim/FuzzFileText.h"

#include <cstdio>

namespace {

// A line longer than the reader takes is not written.
const size_t MAX_LINE = 2047;

std::string DumpOf(const JC_DefineTable& table)
{
    static const std::string s_strPath = WorkPath("fuzz-define.txt");
    if (table.WriteDefineDump(s_strPath) != 0)
        __builtin_trap();
    return ReadAll(s_strPath);
}

// Checks each dump line against the table and turns the dump into a define
// file; false when a line would be too long for the reader.
bool DefineFileOfDump(const std::string& strDump, const JC_DefineTable& table, std::string* pFile)
{
    *pFile = "//[File]\r\n//[Head]\r\n//@Version \"H00080000\"\r\n//[HeadEnd]\r\n";
    std::string strCombo;
    std::istringstream lines(strDump);
    std::string strLine;
    while (std::getline(lines, strLine)) {
        if (strLine.empty() || strLine.back() != '\r')
            __builtin_trap();
        strLine.pop_back();
        // A key ends at its first blank (a trail byte is no blank): a combo
        // line has none.
        const size_t blank = XF_FindChar(strLine, ' ');
        if (blank == std::string::npos) {
            strCombo = strLine;
            continue;
        }
        unsigned int uValue = 0;
        int iValue = 0;
        int iCommentAt = 0;
        // The comment follows one blank after the ')' and may begin with blanks.
        if (std::sscanf(strLine.c_str() + blank, " 0x%8x(%d)%n", &uValue, &iValue, &iCommentAt) != 2 || iCommentAt == 0
            || strLine.compare(blank + iCommentAt, 1, " ") != 0 || static_cast<int>(uValue) != iValue)
            __builtin_trap();
        const std::string strKey = strCombo + strLine.substr(0, blank);
        const std::string strComment = strLine.substr(blank + iCommentAt + 1);
        DWORD dwValue = 0;
        std::string strStored;
        if (table.GetDefineInfo(strKey, dwValue, strStored) != 0 || dwValue != uValue || strStored != strComment)
            __builtin_trap();
        char szValue[16];
        std::snprintf(szValue, sizeof(szValue), "0x%08x", uValue);
        const std::string strDefine = "#define " + strKey + " " + szValue + " //@Combo \"" + strComment + "\"";
        if (strDefine.size() > MAX_LINE)
            return false;
        *pFile += strDefine + "\r\n";
    }
    *pFile += "//[FileEnd]\r\n";
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t size)
{
    JC_DefineTable table;
    DWORD dwLine = 0;
    if (JC_DefineFileReader().LoadFromMemory(pData, static_cast<DWORD>(size), &table, dwLine) != 0)
        return 0;
    const std::string strDump = DumpOf(table);
    std::string strFile;
    if (!DefineFileOfDump(strDump, table, &strFile))
        return 0;
    JC_DefineTable again;
    if (JC_DefineFileReader().LoadFromMemory(reinterpret_cast<const BYTE*>(strFile.data()),
                                             static_cast<DWORD>(strFile.size()), &again, dwLine) != 0
        || DumpOf(again) != strDump)
        __builtin_trap();
    return 0;
}

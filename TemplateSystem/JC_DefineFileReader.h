#pragma once

#include "TemplateSystem/JC_DefineTable.h"
#include "TemplateSystem/JC_TextCodec.h"
#include "TemplateSystem/JC_TextSplitter.h"

constexpr DWORD JE_DEFREADER_NULL_TABLE = 0x88114001;
constexpr DWORD JE_DEFREADER_EMPTY_FILE = 0x88114003;
constexpr DWORD JE_DEFREADER_MEMORY_NULL_TABLE = 0x88114101;
constexpr DWORD JE_DEFREADER_MEMORY_EMPTY = 0x88114102;
constexpr DWORD JE_DEFREADER_NULL_TEXT = 0x88114251;
constexpr DWORD JE_DEFREADER_EMPTY_TEXT = 0x88114252;
constexpr DWORD JE_DEFREADER_PARSE_NULL_TABLE = 0x88114253;
constexpr DWORD JE_DEFREADER_VERSION_NOT_HEX = 0x88114254;
constexpr DWORD JE_DEFREADER_VERSION_OUTSIDE = 0x88114255;
constexpr DWORD JE_DEFREADER_NOT_DEFINE = 0x88114256;
constexpr DWORD JE_DEFREADER_NO_KEY = 0x88114257;
constexpr DWORD JE_DEFREADER_NO_COMMENT = 0x88114258;

// Reads define files (C headers whose "#define DF_combo_name value
// //@Combo "comment"" lines double as combos) into a define table. Files may
// be scrambled with the "CODE" header. dwLine gives the number, from 1, of
// the last line taken, so after a failure it names the line at fault.
class JC_DefineFileReader
{
public:
    virtual ~JC_DefineFileReader() = default;

    virtual DWORD LoadFile(const std::string& strPath, JC_DefineTable* pTable, DWORD& dwLine);
    // The file strFolder followed directly by strFileName.
    virtual DWORD LoadFileIn(const std::string& strFolder, const std::string& strFileName,
                             JC_DefineTable* pTable, DWORD& dwLine);
    // Clears the table, then loads every "*.h" file of the folder in the
    // order the system lists them; the first failure ends the load.
    virtual DWORD LoadFolder(const std::string& strFolder, JC_DefineTable* pTable);
    virtual DWORD LoadFromMemory(const BYTE* pData, DWORD dwSize, JC_DefineTable* pTable, DWORD& dwLine);
    // Parses a plain text. Its end without "//[FileEnd]" is no failure.
    virtual DWORD Parse(const char* pText, DWORD dwSize, JC_DefineTable* pTable, DWORD& dwLine);

private:
    static DWORD ReadDefineLine(std::string_view line, size_t at, JC_DefineTable& table);

    JS_CodeHeader m_Header;
};

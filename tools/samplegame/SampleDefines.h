#pragma once

#include "tools/samplegame/SampleTable.h"

#include <windows.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

// The define files of the sample game: each table line is a key, its value
// (decimal, or hexadecimal after "0x") and the comment the combo shows. The
// generator also reads the tables' numbers through them, so a table may name
// a value by its key.
class SampleDefines
{
public:
    bool Load(const std::filesystem::path& folder);
    bool Write(const std::filesystem::path& folder) const;

    // A number text or a define key as a 32-bit value.
    bool Resolve(const std::string& strToken, DWORD& dwValue) const;

private:
    struct Define
    {
        std::string strKey;
        std::string strValue;
        std::string strComment;
    };
    struct DefineFile
    {
        std::string strName;
        std::vector<Define> defines;
    };

    bool LoadFile(const SampleTable& table);

    std::vector<DefineFile> m_Files;
    std::map<std::string, DWORD> m_Values;
};

// Reads a decimal number with an optional sign, or a hexadecimal one after
// "0x"; the whole text must be the number.
bool ParseSampleNumber(const std::string& strText, DWORD& dwValue);

// "H" and eight hexadecimal digits, the form of identifiers in the files.
std::string FormatSampleHex(DWORD dwValue);

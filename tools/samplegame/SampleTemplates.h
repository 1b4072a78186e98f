#pragma once

#include "tools/samplegame/SampleDefines.h"

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

// One item of a sample template. The table line is
//   name type default [low~high] [size=largest,smallest] [edit]
// where type is INT32, UINT32, FLOAT, BOOL or STRING, followed by "[]" for a
// VECTOR of that element, or the kind name of the sub-record of a Template
// item; a default of "-" is empty.
struct SampleItem
{
    std::string strName;
    std::string strType;    // the template's type name
    std::string strElement; // a VECTOR's element type
    DWORD dwSubKind = 0;    // a Template item's sub-record kind
    std::string strDefault; // as the template writes it
    std::string strRange;
    DWORD dwLargest = 0;
    DWORD dwSmallest = 0;
    bool bEditShow = false;

    bool IsVector() const { return strType == "VECTOR"; }
    bool IsTemplate() const { return strType == "Template"; }
    // The type of one value: the element type of a VECTOR.
    const std::string& ValueType() const { return IsVector() ? strElement : strType; }
};

struct SampleTemplate
{
    std::string strFileName;
    DWORD dwKind = 0;
    std::string strName;
    std::string strExplain;
    std::vector<SampleItem> items;

    const SampleItem* Find(const std::string& strName) const;
};

// The templates of the sample game, one table each. Every template's first
// item is "DataComponentKind", whose default is the template's kind; its
// identifier is the kind, taken from the data layer's kind names.
class SampleTemplates
{
public:
    bool Load(const std::filesystem::path& folder, const SampleDefines& defines);
    bool Write(const std::filesystem::path& folder) const;

    const SampleTemplate* Find(DWORD dwKind) const;

    // A record kind by its name without the "DATACOMPONENTKIND_" prefix.
    static bool KindByName(const std::string& strName, DWORD& dwKind);

private:
    bool LoadTemplate(const SampleTable& table, const SampleDefines& defines);

    std::vector<SampleTemplate> m_Templates;
};

// A value of a number type in the form the template readers take.
bool FormatSampleNumber(const std::string& strType, const std::string& strToken, const SampleDefines& defines,
                        std::string& strOut);

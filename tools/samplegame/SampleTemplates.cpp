#include "tools/samplegame/SampleTemplates.h"

#include "JC_DataManager/Manager/JE_DataKind.h"
#include "tools/samplegame/SampleFiles.h"

#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace fs = std::filesystem;

namespace {

struct KindName
{
    const char* szName;
    DWORD dwKind;
};

const KindName g_KindNames[] = {
    {"DRAWERGEM", DATACOMPONENTKIND_DRAWERGEM},
    {"DRAWERTOOL", DATACOMPONENTKIND_DRAWERTOOL},
    {"DRAWERWEAPON", DATACOMPONENTKIND_DRAWERWEAPON},
    {"DRAWERWEARING", DATACOMPONENTKIND_DRAWERWEARING},
    {"EVOLUTION", DATACOMPONENTKIND_EVOLUTION},
    {"FLOOR", DATACOMPONENTKIND_FLOOR},
    {"GAME", DATACOMPONENTKIND_GAME},
    {"GEM", DATACOMPONENTKIND_GEM},
    {"HYBRIDIZE", DATACOMPONENTKIND_HYBRIDIZE},
    {"JOB", DATACOMPONENTKIND_JOB},
    {"LANDFORM", DATACOMPONENTKIND_LANDFORM},
    {"MODULEOPTION", DATACOMPONENTKIND_MODULEOPTION},
    {"MODULESTATE", DATACOMPONENTKIND_MODULESTATE},
    {"MODULETOWN", DATACOMPONENTKIND_MODULETOWN},
    {"MODULEWORLDMAP", DATACOMPONENTKIND_MODULEWORLDMAP},
    {"PERSON", DATACOMPONENTKIND_PERSON},
    {"PLACE", DATACOMPONENTKIND_PLACE},
    {"RECORDINFO", DATACOMPONENTKIND_RECORDINFO},
    {"SCENEINFO", DATACOMPONENTKIND_SCENEINFO},
    {"SCRIPTFLAG", DATACOMPONENTKIND_SCRIPTFLAG},
    {"SCRIPTINFO", DATACOMPONENTKIND_SCRIPTINFO},
    {"SHOP", DATACOMPONENTKIND_SHOP},
    {"SKILL", DATACOMPONENTKIND_SKILL},
    {"SKILLPOWER", DATACOMPONENTKIND_SKILLPOWER},
    {"TOOL", DATACOMPONENTKIND_TOOL},
    {"WEAPON", DATACOMPONENTKIND_WEAPON},
    {"WEARING", DATACOMPONENTKIND_WEARING},
    {"WORLDMAPINFO", DATACOMPONENTKIND_WORLDMAPINFO},
};

bool IsValueType(const std::string& strType)
{
    return strType == "INT32" || strType == "UINT32" || strType == "FLOAT" || strType == "BOOL" || strType == "STRING";
}

std::string ItemLine(const SampleItem& item)
{
    std::string strLine = "@Name \"" + item.strName + "\" @Type \"" + item.strType + "\" @TypeEx \"";
    if (item.IsVector())
        strLine += item.strElement;
    else if (item.IsTemplate())
        strLine += FormatSampleHex(item.dwSubKind);
    strLine += "\" @Radix \",\" @MinMax \"" + item.strRange + "\"";
    if (item.IsVector())
        strLine += " @ArraySize \"" + std::to_string(item.dwLargest) + "," + std::to_string(item.dwSmallest) + "\"";
    strLine += " @Default \"" + item.strDefault + "\"";
    if (item.bEditShow)
        strLine += " @EditShow";
    return strLine + "\r\n";
}

} // namespace

bool FormatSampleNumber(const std::string& strType, const std::string& strToken, const SampleDefines& defines,
                        std::string& strOut)
{
    if (strType == "FLOAT") {
        char* szEnd = nullptr;
        std::strtod(strToken.c_str(), &szEnd);
        if (strToken.empty() || *szEnd != '\0')
            return false;
        strOut = "F" + strToken;
        return true;
    }
    DWORD dwValue = 0;
    if (!defines.Resolve(strToken, dwValue))
        return false;
    if (strType == "BOOL" && dwValue > 1)
        return false;
    strOut = strType == "INT32" ? std::to_string(static_cast<int>(dwValue)) : std::to_string(dwValue);
    return true;
}

const SampleItem* SampleTemplate::Find(const std::string& strItemName) const
{
    for (const SampleItem& item : items) {
        if (item.strName == strItemName)
            return &item;
    }
    return nullptr;
}

bool SampleTemplates::KindByName(const std::string& strName, DWORD& dwKind)
{
    for (const KindName& kind : g_KindNames) {
        if (strName == kind.szName) {
            dwKind = kind.dwKind;
            return true;
        }
    }
    return false;
}

bool SampleTemplates::Load(const fs::path& folder, const SampleDefines& defines)
{
    m_Templates.clear();
    for (const fs::path& path : ListTables(folder, false)) {
        SampleTable table;
        if (!table.Load(path) || !LoadTemplate(table, defines))
            return false;
    }
    return true;
}

bool SampleTemplates::LoadTemplate(const SampleTable& table, const SampleDefines& defines)
{
    SampleTemplate sample;
    sample.strFileName = table.Path().stem().string() + ".temp";
    for (const SampleLine& line : table.Lines()) {
        const std::vector<std::string> tokens = SampleTable::Split(line.strText);
        if (tokens.empty() || tokens[0].empty())
            return table.Fail(line, "a line must begin with a name");
        if (tokens[0] == "@Template") {
            if (tokens.size() < 3 || !KindByName(tokens[1], sample.dwKind))
                return table.Fail(line, "a template needs a known kind and a name");
            if (Find(sample.dwKind) != nullptr)
                return table.Fail(line, "a second template of kind " + tokens[1]);
            sample.strName = tokens[2];
            sample.strExplain = tokens.size() > 3 ? tokens[3] : std::string();
            SampleItem kind;
            kind.strName = "DataComponentKind";
            kind.strType = "UINT32";
            kind.strDefault = FormatSampleHex(sample.dwKind);
            sample.items.push_back(kind);
            continue;
        }
        if (sample.dwKind == 0)
            return table.Fail(line, "items before \"@Template\"");
        if (tokens.size() < 3)
            return table.Fail(line, "an item needs a name, a type and a default");
        if (tokens[0].size() > 40 || sample.Find(tokens[0]) != nullptr)
            return table.Fail(line, "item name too long or used twice: " + tokens[0]);
        SampleItem item;
        item.strName = tokens[0];
        std::string strType = tokens[1];
        if (strType.size() > 2 && strType.compare(strType.size() - 2, 2, "[]") == 0) {
            item.strType = "VECTOR";
            item.strElement = strType.substr(0, strType.size() - 2);
            if (!IsValueType(item.strElement) || item.strElement == "BOOL")
                return table.Fail(line, "not a VECTOR element type: " + item.strElement);
        } else if (IsValueType(strType)) {
            item.strType = strType;
        } else if (KindByName(strType, item.dwSubKind)) {
            item.strType = "Template";
        } else {
            return table.Fail(line, "unknown type " + strType);
        }
        const std::string strDefault = tokens[2] == "-" ? std::string() : tokens[2];
        if (item.ValueType() == "STRING" || strDefault.empty())
            item.strDefault = strDefault;
        else if (!FormatSampleNumber(item.IsTemplate() ? "BOOL" : item.ValueType(), strDefault, defines, item.strDefault))
            return table.Fail(line, "default is no value of its type: " + strDefault);
        for (size_t i = 3; i < tokens.size(); ++i) {
            const std::string& strOption = tokens[i];
            if (strOption == "edit") {
                item.bEditShow = true;
            } else if (strOption.compare(0, 5, "size=") == 0) {
                const size_t comma = strOption.find(',');
                if (comma == std::string::npos || !item.IsVector()
                    || !ParseSampleNumber(strOption.substr(5, comma - 5), item.dwLargest)
                    || !ParseSampleNumber(strOption.substr(comma + 1), item.dwSmallest))
                    return table.Fail(line, "bad size " + strOption);
            } else if (strOption.find('~') != std::string::npos) {
                item.strRange = strOption;
            } else {
                return table.Fail(line, "unknown option " + strOption);
            }
        }
        sample.items.push_back(item);
    }
    if (sample.dwKind == 0)
        return table.Fail({0, ""}, "no \"@Template\" line");
    m_Templates.push_back(std::move(sample));
    return true;
}

bool SampleTemplates::Write(const fs::path& folder) const
{
    for (const SampleTemplate& sample : m_Templates) {
        std::string strText = "[File]\r\n[Head]\r\n@Version \"H00080000\"\r\n@TemplateID \"" + FormatSampleHex(sample.dwKind)
                            + "\"\r\n@TemplateName \"" + sample.strName + "\"\r\n@TemplateExplain \"" + sample.strExplain
                            + "\"\r\n[HeadEnd]\r\n";
        for (const SampleItem& item : sample.items)
            strText += ItemLine(item);
        strText += "[FileEnd]\r\n";
        if (!WriteGameFile(folder / sample.strFileName, ToCodePage950(strText)))
            return false;
    }
    return true;
}

const SampleTemplate* SampleTemplates::Find(DWORD dwKind) const
{
    for (const SampleTemplate& sample : m_Templates) {
        if (sample.dwKind == dwKind)
            return &sample;
    }
    return nullptr;
}

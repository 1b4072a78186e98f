#include "tools/samplegame/SampleDataFiles.h"

#include "tools/samplegame/SampleFiles.h"

#include <algorithm>
#include <cstdio>

namespace fs = std::filesystem;

namespace {

// Bounds of the generated arrays: a table cannot ask for more records than
// the readers take.
const DWORD MAX_RECORDS = 10000;
const DWORD MAX_GRID_SIDE = 128;

std::string ItemText(const std::string& strName, const std::string& strValue)
{
    return strName + "\"" + strValue + "\"\r\n";
}

// The element a VECTOR gets where the data give none.
std::string DefaultElement(const SampleItem& item)
{
    if (!item.strDefault.empty() || item.strElement == "STRING")
        return item.strDefault;
    return item.strElement == "FLOAT" ? "F0" : "0";
}

} // namespace

SampleDataFiles::Value& SampleDataFiles::Record::ValueOf(const SampleItem* pItem)
{
    for (Value& value : values) {
        if (value.pItem == pItem)
            return value;
    }
    Value value;
    value.pItem = pItem;
    values.push_back(value);
    return values.back();
}

const SampleDataFiles::Value* SampleDataFiles::Record::Find(const SampleItem& item) const
{
    for (const Value& value : values) {
        if (value.pItem == &item)
            return &value;
    }
    return nullptr;
}

DWORD SampleDataFiles::Record::ID() const
{
    for (const Value& value : values) {
        if (value.pItem->strName == "ID" && !value.texts.empty())
            return static_cast<DWORD>(std::stoul(value.texts[0]));
    }
    return 0;
}

bool SampleDataFiles::Load(const fs::path& tables, const fs::path& output, const SampleTemplates& templates,
                           const SampleDefines& defines)
{
    m_pTemplates = &templates;
    m_pDefines = &defines;
    for (const fs::path& path : ListTables(tables, true)) {
        SampleTable table;
        DataFile file;
        file.path = output / fs::relative(path, tables).replace_extension(".DATA");
        if (!table.Load(path) || !LoadFile(table, file) || !CheckSortItem(table, file))
            return false;
        m_Files.push_back(std::move(file));
    }
    return true;
}

bool SampleDataFiles::LoadFile(const SampleTable& table, DataFile& file)
{
    const std::vector<SampleLine>& lines = table.Lines();
    for (size_t at = 0; at < lines.size(); ++at) {
        const SampleLine& line = lines[at];
        const std::vector<std::string> tokens = SampleTable::Split(line.strText);
        const DWORD dwNext = file.records.empty() ? 0 : file.records.back().dwPosition + 1;
        if (tokens.empty() || tokens[0].empty())
            return table.Fail(line, "a line must begin with a name");
        if (tokens[0] == "@Templates") {
            for (size_t i = 1; i < tokens.size(); ++i) {
                DWORD dwKind = 0;
                if (!SampleTemplates::KindByName(tokens[i], dwKind) || m_pTemplates->Find(dwKind) == nullptr)
                    return table.Fail(line, "no template of kind " + tokens[i]);
                file.kinds.push_back(dwKind);
            }
        } else if (tokens[0] == "@SortItem" && tokens.size() == 2) {
            file.strSortItem = tokens[1];
        } else if (tokens[0] == "@Record" && tokens.size() >= 2 && tokens.size() <= 4) {
            DWORD dwPosition = dwNext;
            if (tokens.size() >= 3 && !ParseSampleNumber(tokens[2], dwPosition))
                return table.Fail(line, "bad position " + tokens[2]);
            if (!StartRecord(table, line, file, tokens[1], dwPosition))
                return false;
            Record& record = file.records.back();
            DWORD dwBaseKind = 0;
            if (tokens.size() == 4
                && (!ParseCopy(tokens[3], dwBaseKind, record.dwBaseID) || dwBaseKind != record.pTemplate->dwKind))
                return table.Fail(line, "a record copies \"@KIND:ID\" of its own kind");
            record.bHasBase = tokens.size() == 4;
        } else if (tokens[0] == "@Records" && tokens.size() == 3) {
            DWORD dwCount = 0;
            if (!ParseSampleNumber(tokens[2], dwCount) || dwCount > MAX_RECORDS)
                return table.Fail(line, "bad count " + tokens[2]);
            for (DWORD i = 0; i < dwCount; ++i) {
                if (!StartRecord(table, line, file, tokens[1], dwNext + i))
                    return false;
            }
        } else if (tokens[0] == "@FloorGrid") {
            if (!LoadFloorGrid(table, at, file))
                return false;
        } else if (tokens[0][0] == '@') {
            return table.Fail(line, "unknown line " + tokens[0]);
        } else if (file.records.empty()) {
            return table.Fail(line, "an item before the first record");
        } else if (!LoadItem(table, line, file.records.back())) {
            return false;
        }
    }
    std::sort(file.kinds.begin(), file.kinds.end());
    file.kinds.erase(std::unique(file.kinds.begin(), file.kinds.end()), file.kinds.end());
    if (file.kinds.empty())
        return table.Fail({0, ""}, "a data file needs a template");
    return true;
}

bool SampleDataFiles::StartRecord(const SampleTable& table, const SampleLine& line, DataFile& file,
                                  const std::string& strKind, DWORD dwPosition) const
{
    DWORD dwKind = 0;
    Record record;
    if (!SampleTemplates::KindByName(strKind, dwKind) || (record.pTemplate = m_pTemplates->Find(dwKind)) == nullptr)
        return table.Fail(line, "no template of kind " + strKind);
    if (dwPosition >= MAX_RECORDS)
        return table.Fail(line, "position " + std::to_string(dwPosition) + " past the last one the readers take");
    for (const Record& other : file.records) {
        if (other.dwPosition == dwPosition)
            return table.Fail(line, "two records at position " + std::to_string(dwPosition));
    }
    record.dwPosition = dwPosition;
    file.kinds.push_back(dwKind);
    file.records.push_back(std::move(record));
    return true;
}

bool SampleDataFiles::LoadItem(const SampleTable& table, const SampleLine& line, Record& record) const
{
    const std::vector<std::string> tokens = SampleTable::Split(line.strText);
    const size_t dot = tokens[0].find('.');
    if (dot != std::string::npos) {
        const SampleItem* pParent = record.pTemplate->Find(tokens[0].substr(0, dot));
        if (pParent == nullptr || !pParent->IsTemplate())
            return table.Fail(line, tokens[0] + " does not name an item of a sub-record");
        Value& parent = record.ValueOf(pParent);
        if (parent.sub.empty()) {
            Record sub;
            sub.pTemplate = m_pTemplates->Find(pParent->dwSubKind);
            if (sub.pTemplate == nullptr)
                return table.Fail(line, "no template of the sub-record of " + pParent->strName);
            parent.sub.push_back(sub);
        }
        return LoadItem(table, {line.iNumber, tokens[0].substr(dot + 1) + " " + SampleTable::Rest(line.strText)},
                        parent.sub[0]);
    }
    const SampleItem* pItem = record.pTemplate->Find(tokens[0]);
    if (pItem == nullptr || pItem->strName == "DataComponentKind")
        return table.Fail(line, "template " + record.pTemplate->strFileName + " has no item " + tokens[0]);
    Value& value = record.ValueOf(pItem);
    if (!pItem->IsVector() && (!value.texts.empty() || value.dwCopyKind != 0))
        return table.Fail(line, "a second value of " + tokens[0]);
    if (pItem->ValueType() == "STRING") {
        value.texts.push_back(SampleTable::Rest(line.strText));
        return true;
    }
    if (pItem->IsTemplate()) {
        if (tokens.size() != 2 || !ParseCopy(tokens[1], value.dwCopyKind, value.dwCopyID)
            || value.dwCopyKind != pItem->dwSubKind)
            return table.Fail(line, tokens[0] + " takes \"@KIND:ID\" of its own kind");
        return true;
    }
    if (tokens.size() < 2 || (!pItem->IsVector() && tokens.size() != 2))
        return table.Fail(line, tokens[0] + " needs one value");
    for (size_t i = 1; i < tokens.size(); ++i) {
        std::string strText;
        if (!FormatSampleNumber(pItem->ValueType(), tokens[i], *m_pDefines, strText))
            return table.Fail(line, "not a value of " + tokens[0] + ": " + tokens[i]);
        value.texts.push_back(strText);
    }
    return true;
}

bool SampleDataFiles::ParseCopy(const std::string& strToken, DWORD& dwKind, DWORD& dwID)
{
    const size_t colon = strToken.find(':');
    return colon != std::string::npos && strToken[0] == '@'
        && SampleTemplates::KindByName(strToken.substr(1, colon - 1), dwKind)
        && ParseSampleNumber(strToken.substr(colon + 1), dwID);
}

bool SampleDataFiles::LoadFloorGrid(const SampleTable& table, size_t& at, DataFile& file) const
{
    const std::vector<SampleLine>& lines = table.Lines();
    const SampleLine& head = lines[at];
    const std::vector<std::string> tokens = SampleTable::Split(head.strText);
    DWORD dwWidth = 0;
    DWORD dwHeight = 0;
    if (tokens.size() != 3 || !ParseSampleNumber(tokens[1], dwWidth) || !ParseSampleNumber(tokens[2], dwHeight)
        || dwWidth > MAX_GRID_SIDE || dwHeight > MAX_GRID_SIDE)
        return table.Fail(head, "\"@FloorGrid\" takes a width and a height up to 128");
    const DWORD dwFirst = file.records.empty() ? 0 : file.records.back().dwPosition + 1;
    for (DWORD z = 0; z < dwHeight; ++z) {
        if (++at >= lines.size())
            return table.Fail(head, "the grid has fewer rows than its height");
        const std::vector<std::string> cells = SampleTable::Split(lines[at].strText);
        if (cells.size() != dwWidth)
            return table.Fail(lines[at], "a grid row needs one landform ID a column");
        for (DWORD x = 0; x < dwWidth; ++x) {
            const DWORD dwIndex = z * dwWidth + x;
            if (!StartRecord(table, lines[at], file, "FLOOR", dwFirst + dwIndex))
                return false;
            const std::string astrItems[] = {"Index " + std::to_string(dwIndex), "IndexX " + std::to_string(x),
                                             "IndexZ " + std::to_string(z), "LandformID " + cells[x]};
            for (const std::string& strItem : astrItems) {
                if (!LoadItem(table, {lines[at].iNumber, strItem}, file.records.back()))
                    return false;
            }
        }
    }
    return true;
}

bool SampleDataFiles::CheckSortItem(const SampleTable& table, const DataFile& file) const
{
    if (file.strSortItem.empty())
        return true;
    for (DWORD dwKind : file.kinds) {
        const SampleItem* pItem = m_pTemplates->Find(dwKind)->Find(file.strSortItem);
        if (pItem == nullptr || (pItem->strType != "UINT32" && pItem->strType != "STRING"))
            return table.Fail({0, ""}, "the sort item must be a UINT32 or STRING item of every template");
    }
    return true;
}

const SampleDataFiles::Record* SampleDataFiles::FindFixedRecord(DWORD dwKind, DWORD dwID) const
{
    for (const DataFile& file : m_Files) {
        if (file.strSortItem != "ID")
            continue;
        for (const Record& record : file.records) {
            if (record.pTemplate->dwKind == dwKind && record.ID() == dwID)
                return &record;
        }
    }
    return nullptr;
}

bool SampleDataFiles::FindBase(DWORD dwKind, DWORD dwID, const Record*& pBase) const
{
    pBase = FindFixedRecord(dwKind, dwID);
    if (pBase == nullptr)
        std::fprintf(stderr, "samplegame: no fixed record %s of ID %u to copy\n", FormatSampleHex(dwKind).c_str(),
                     static_cast<unsigned>(dwID));
    return pBase != nullptr;
}

bool SampleDataFiles::WriteSubRecord(const SampleItem& item, const Value* pOwn, const Value* pInherited,
                                     std::string& strText) const
{
    const Value* pCopy = pOwn != nullptr && pOwn->dwCopyKind != 0 ? pOwn : pInherited;
    const Record* pBase = nullptr;
    if (pCopy != nullptr && pCopy->dwCopyKind != 0 && !FindBase(pCopy->dwCopyKind, pCopy->dwCopyID, pBase))
        return false;
    Record sub;
    sub.pTemplate = m_pTemplates->Find(item.dwSubKind);
    if (sub.pTemplate == nullptr) {
        std::fprintf(stderr, "samplegame: no template of the sub-record of %s\n", item.strName.c_str());
        return false;
    }
    for (const Value* pValue : {pInherited, pOwn}) {
        if (pValue != nullptr && !pValue->sub.empty())
            sub = pValue->sub[0];
    }
    strText += "@StartSub\"" + item.strName + "\"\r\n";
    if (!WriteItems(sub, pBase, strText))
        return false;
    strText += "@EndSub\"" + item.strName + "\"\r\n";
    return true;
}

bool SampleDataFiles::WriteItems(const Record& record, const Record* pBase, std::string& strText) const
{
    for (const SampleItem& item : record.pTemplate->items) {
        const Value* pOwn = record.Find(item);
        const Value* pInherited = pBase != nullptr ? pBase->Find(item) : nullptr;
        if (item.IsTemplate()) {
            if ((pOwn != nullptr || pInherited != nullptr) && !WriteSubRecord(item, pOwn, pInherited, strText))
                return false;
            continue;
        }
        const Value* pValue = pOwn != nullptr ? pOwn : pInherited;
        std::vector<std::string> texts;
        if (pValue != nullptr)
            texts = pValue->texts;
        if (!item.IsVector()) {
            if (!texts.empty())
                strText += ItemText(item.strName, texts[0]);
            continue;
        }
        while (texts.size() < item.dwSmallest)
            texts.push_back(DefaultElement(item));
        for (size_t i = 0; i < texts.size(); ++i) {
            std::string strElement(1, '[');
            strElement += std::to_string(i);
            strElement += "],";
            strText += ItemText(item.strName, strElement + texts[i]);
        }
    }
    return true;
}

bool SampleDataFiles::WriteFile(const DataFile& file) const
{
    std::string strText = "[File]\r\n[Head]\r\n@Version\"H00080000\"\r\n@Distribute\"ARRAY\"\r\n";
    for (DWORD dwKind : file.kinds)
        strText += "@UseTemplateID\"" + FormatSampleHex(dwKind) + "\"\r\n";
    strText += "@SortItem\"" + file.strSortItem + "\"\r\n@IsSimplifyDefault\"TRUE\"\r\n@IsSimplifyDefine\"FALSE\"\r\n"
               "[HeadEnd]\r\n";
    std::vector<const Record*> records;
    for (const Record& record : file.records)
        records.push_back(&record);
    std::sort(records.begin(), records.end(),
              [](const Record* pA, const Record* pB) { return pA->dwPosition < pB->dwPosition; });
    for (const Record* pRecord : records) {
        strText += "@Start\r\n@MainUseTemplateID\"" + FormatSampleHex(pRecord->pTemplate->dwKind) + "\"\r\n@DataOrder\"0,"
                 + std::to_string(pRecord->dwPosition) + "\"\r\n";
        const Record* pBase = nullptr;
        if (pRecord->bHasBase && !FindBase(pRecord->pTemplate->dwKind, pRecord->dwBaseID, pBase))
            return false;
        if (!WriteItems(*pRecord, pBase, strText))
            return false;
        strText += "@End\r\n";
    }
    strText += "[FileEnd]\r\n";
    return WriteGameFile(file.path, ToCodePage950(strText));
}

bool SampleDataFiles::Write() const
{
    for (const DataFile& file : m_Files) {
        if (!WriteFile(file))
            return false;
    }
    return true;
}

#pragma once

#include "tools/samplegame/SampleTemplates.h"

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

// The data files of the sample game, one table each, written as ARRAY data
// files with default values left out. A table holds head lines
//   @Templates KIND...   templates used besides those of the records
//   @SortItem NAME       the key item of a fixed table
// and records:
//   @Record KIND [position] [@KIND:ID]
//                             a record at the next position or at the given
//                             one, starting as a copy of a fixed record
//   @Records KIND count       that many records with their defaults
//   @FloorGrid width height   one floor record a cell, from the next lines'
//                             landform IDs, at the positions after the last
// followed by item lines "name values": a number item takes one number or
// define key, a number VECTOR appends its numbers, a STRING or STRING VECTOR
// item the rest of the line, and a Template item "@KIND:ID", a copy of the
// record of that ID in the fixed table of that kind. "item.name values" sets
// an item of a Template item's sub-record. An item a record gives replaces
// the one of the record it copies.
class SampleDataFiles
{
public:
    // Adds the tables of a folder, written to the same paths under output.
    bool Load(const std::filesystem::path& tables, const std::filesystem::path& output,
              const SampleTemplates& templates, const SampleDefines& defines);
    bool Write() const;

private:
    struct Record;
    struct Value
    {
        const SampleItem* pItem = nullptr;
        std::vector<std::string> texts;
        DWORD dwCopyKind = 0;
        DWORD dwCopyID = 0;
        // A Template item's own items, at most one record.
        std::vector<Record> sub;
    };
    struct Record
    {
        const SampleTemplate* pTemplate = nullptr;
        DWORD dwPosition = 0;
        DWORD dwBaseID = 0;
        bool bHasBase = false;
        std::vector<Value> values;

        Value& ValueOf(const SampleItem* pItem);
        const Value* Find(const SampleItem& item) const;
        DWORD ID() const;
    };
    struct DataFile
    {
        std::filesystem::path path;
        std::vector<DWORD> kinds;
        std::string strSortItem;
        std::vector<Record> records;
    };

    bool LoadFile(const SampleTable& table, DataFile& file);
    bool LoadItem(const SampleTable& table, const SampleLine& line, Record& record) const;
    bool LoadFloorGrid(const SampleTable& table, size_t& at, DataFile& file) const;
    bool StartRecord(const SampleTable& table, const SampleLine& line, DataFile& file, const std::string& strKind,
                     DWORD dwPosition) const;
    static bool ParseCopy(const std::string& strToken, DWORD& dwKind, DWORD& dwID);
    bool CheckSortItem(const SampleTable& table, const DataFile& file) const;
    const Record* FindFixedRecord(DWORD dwKind, DWORD dwID) const;
    bool FindBase(DWORD dwKind, DWORD dwID, const Record*& pBase) const;
    bool WriteItems(const Record& record, const Record* pBase, std::string& strText) const;
    bool WriteSubRecord(const SampleItem& item, const Value* pOwn, const Value* pInherited, std::string& strText) const;
    bool WriteFile(const DataFile& file) const;

    const SampleTemplates* m_pTemplates = nullptr;
    const SampleDefines* m_pDefines = nullptr;
    std::vector<DataFile> m_Files;
};

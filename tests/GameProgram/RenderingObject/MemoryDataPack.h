#pragma once

#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

// A pack of blocks held in memory, found by their lower-cased names as the
// managers ask for them.
class MemoryDataPack : public XI_PackFile
{
public:
    void Add(std::string name, const std::string& bytes) { m_Blocks[Lower(std::move(name))] = bytes; }
    const char* GetPath() override { return "memory\\"; }
    XS_FileData* GetData(const char* szFileName) override
    {
        const auto it = m_Blocks.find(Lower(szFileName));
        if (it == m_Blocks.end())
            return nullptr;
        XS_FileData* const pFileData = new XS_FileData;
        pFileData->dwSize = static_cast<DWORD>(it->second.size());
        pFileData->pData = new BYTE[it->second.size() + 1];
        std::copy(it->second.begin(), it->second.end(), pFileData->pData);
        return pFileData;
    }

private:
    static std::string Lower(std::string name)
    {
        std::transform(name.begin(), name.end(), name.begin(),
                       [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
        return name;
    }

    std::map<std::string, std::string> m_Blocks;
};

#pragma once

#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"

#include <cstring>
#include <map>
#include <string>

// A pack file of named texts held in memory, for the scene tests.
// Header-only, so only test programs that link the engine pull it in.
class MemoryPackFile : public XI_PackFile
{
public:
    void Put(const std::string& strName, const std::string& strBytes) { m_Files[strName] = strBytes; }

    const char* GetPath() override { return "memory\\"; }

    XS_FileData* GetData(const char* szFileName) override
    {
        const auto it = m_Files.find(szFileName != nullptr ? szFileName : "");
        if (it == m_Files.end())
            return nullptr;
        XS_FileData* const pFileData = new XS_FileData;
        pFileData->dwSize = static_cast<DWORD>(it->second.size());
        pFileData->pData = new BYTE[it->second.size() + 1];
        std::memcpy(pFileData->pData, it->second.data(), it->second.size());
        return pFileData;
    }

private:
    std::map<std::string, std::string> m_Files;
};

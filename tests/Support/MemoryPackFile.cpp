#include "tests/Support/MemoryPackFile.h"

#include "GameProgram/Common/XC_String.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"

#include <algorithm>
#include <cstring>

namespace {

std::string Normalized(const std::string& name)
{
    XC_String strName(name);
    strName.NormalizePath();
    return strName;
}

} // namespace

void MemoryPackFile::Add(const std::string& name, const std::string& bytes)
{
    m_Blocks[Normalized(name)] = bytes;
}

void MemoryPackFile::Remove(const std::string& name)
{
    m_Blocks.erase(Normalized(name));
}

XS_FileData* MemoryPackFile::GetData(const char* szFileName)
{
    m_Requests.push_back(szFileName);
    const auto it = m_Blocks.find(Normalized(szFileName));
    if (it == m_Blocks.end())
        return nullptr;
    XS_FileData* const pFileData = new XS_FileData;
    pFileData->dwSize = static_cast<DWORD>(it->second.size());
    pFileData->pData = new BYTE[it->second.size() + 1];
    std::memcpy(pFileData->pData, it->second.data(), it->second.size());
    return pFileData;
}

int MemoryPackFile::RequestCount(const std::string& name) const
{
    return static_cast<int>(std::count(m_Requests.begin(), m_Requests.end(), name));
}
